#include "app/project_commands.h"

#include "app/command_line.h"
#include "core/project_pages.h"
#include "core/text_file.h"
#include "makers/slideshow/slideshow_publisher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

void complain(const QString& message) {
    std::fputs(qPrintable(QStringLiteral("quillmint: %1\n").arg(message)), stderr);
}

// "site.quillmint" -> "site".
QString projectName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

bool makeFolder(const QString& folder) {
    if (QDir().mkpath(folder))
        return true;
    complain(QCoreApplication::translate("CommandLine", "Cannot create the folder %1").arg(folder));
    return false;
}

int build(const CommandLine& command, const Project& project, bool modern) {
    QList<ProjectTool> tools;
    for (int i = 0; i < projectToolNames().size(); ++i) {
        const auto tool = static_cast<ProjectTool>(i);
        if (command.tool.isEmpty() ? hasContent(project, tool)
                                   : projectToolName(tool) == command.tool)
            tools.append(tool);
    }
    if (tools.isEmpty()) {
        complain(QCoreApplication::translate("CommandLine", "%1: no tool has anything to build")
                     .arg(command.project));
        return 1;
    }
    // One tool asked for by name goes to -o itself; otherwise -o is a folder.
    const bool single = !command.tool.isEmpty();
    const QString folder = single || command.output.isEmpty()
                               ? QFileInfo(command.project).absolutePath()
                               : command.output;
    if (!single && !makeFolder(folder))
        return 1;
    int status = 0;
    for (const ProjectTool tool : tools) {
        const ProjectPage page = projectPage(project, tool, modern);
        if (!page.refusal.isEmpty()) {
            complain(
                QCoreApplication::translate("CommandLine", "%1: the %2 page cannot be made: %3")
                    .arg(command.project, projectToolName(tool), page.refusal));
            status = 1;
            continue;
        }
        const QString target =
            single && !command.output.isEmpty()
                ? command.output
                : QDir(folder).filePath(projectName(command.project) + QLatin1Char('-') +
                                        projectToolName(tool) + QLatin1String(".html"));
        QString error;
        if (!writeFileAtomically(target, htmlFileBytes(page.text), &error)) {
            complain(error);
            status = 1;
        }
    }
    return status;
}

int publish(const CommandLine& command, const Project& project, bool modern) {
    const ProjectPage page = publishedProjectPage(project, modern);
    if (!page.refusal.isEmpty()) {
        complain(
            QCoreApplication::translate("CommandLine", "%1: the slideshow cannot be published: %2")
                .arg(command.project, page.refusal));
        return 1;
    }
    if (command.webImageEdge > 0 && !modern) {
        complain(QCoreApplication::translate(
                     "CommandLine", "%1: optimised images need the modern output (add --modern)")
                     .arg(command.project));
        return 1;
    }
    if (!makeFolder(command.folder))
        return 1;
    const SlideshowSettings& settings = project.slideshow.settings;
    SlideshowPublisher publisher(
        QDir(command.folder).filePath(projectName(command.project) + QLatin1String(".html")),
        htmlFileBytes(page.text), slideshowPublishSources(settings));
    if (command.webImageEdge > 0)
        publisher.optimiseImages(
            QStringList{settings.initialImage} + settings.images, command.webImageEdge,
            [&project](const WebImages& images) {
                return SlideshowPublisher::MadePage{
                    htmlFileBytes(publishedProjectPage(project, true, images).text), {}};
            });
    if (publisher.run() != SlideshowPublisher::Outcome::Complete) {
        complain(publisher.error());
        return 1;
    }
    return 0;
}

} // namespace

int runProjectCommand(const CommandLine& command) {
    QString problem;
    const std::optional<Project> project = readProject(command.project, &problem);
    if (!project) {
        complain(problem);
        return 1;
    }
    const bool modern = command.modern.value_or(project->modern);
    return command.action == CommandLine::Action::Publish ? publish(command, *project, modern)
                                                          : build(command, *project, modern);
}
