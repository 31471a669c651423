#include "app/project_session.h"

#include "core/text_file.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/dropdown/dropdown_tab.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/mouseover/mouseover_tab.h"
#include "makers/popup/popup_fields.h"
#include "makers/popup/popup_tab.h"
#include "makers/slideshow/slideshow_fields.h"
#include "makers/slideshow/slideshow_tab.h"
#include "widgets/field_binding.h"
#include "widgets/file_requests.h"
#include "widgets/modern_output.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

constexpr int RecentCount = 8;

const QStringList ProjectFilters = {
    QCoreApplication::translate("Project", "Quillmint Projects (*.quillmint)"),
    QCoreApplication::translate("Project", "All Files (*)")};

void watchPane(QWidget* tab, const char* name, QObject* receiver,
               const std::function<void()>& changed) {
    auto* pane = tab->findChild<QPlainTextEdit*>(QLatin1String(name));
    QObject::connect(pane->document(), &QTextDocument::contentsChanged, receiver, changed);
}

} // namespace

ProjectSession::ProjectSession(const Tabs& makerTabs, QMenu* menu, QString recentPath)
    : tabs(makerTabs), recentMenu(menu), recentFile(std::move(recentPath)),
      openDialog(openFileRequest(QStringLiteral("OpenProjectDialog"),
                                 QCoreApplication::translate("Project", "Open Project"),
                                 ProjectFilters)),
      saveDialog(saveFileRequest(QStringLiteral("SaveProjectDialog"),
                                 QCoreApplication::translate("Project", "Save Project As"),
                                 ProjectFilters.first(), QLatin1String(ProjectSuffix))) {
    // A tab built later is watched from then on.
    const std::function<void()> changed = [this] { markModified(); };
    tabs.dropdown->whenBuilt(this, [this, changed] {
        watchFields(tabs.dropdown, dropdown::fields::table(), this, changed);
        watchPane(tabs.dropdown, dropdown::fields::Code, this, changed);
    });
    tabs.popup->whenBuilt(this, [this, changed] {
        watchFields(tabs.popup, popup::fields::table(), this, changed);
        watchPane(tabs.popup, popup::fields::Code, this, changed);
    });
    tabs.mouseOver->whenBuilt(this, [this, changed] {
        watchFields(tabs.mouseOver, mouseover::fields::table(), this, changed);
        for (const char* pane : {mouseover::fields::HeadPane, mouseover::fields::ScriptPane,
                                 mouseover::fields::BodyPane})
            watchPane(tabs.mouseOver, pane, this, changed);
    });
    tabs.slideshow->whenBuilt(this, [this, changed] {
        watchFields(tabs.slideshow, slideshow::fields::table(), this, changed);
        watchPane(tabs.slideshow, slideshow::fields::Code, this, changed);
    });
    connect(tabs.output, &ModernOutput::switched, this, changed);

    QString ignored;
    if (QFileInfo(recentFile).isFile())
        if (const auto text = readTextFile(recentFile, &ignored))
            recent = splitLines(*text).mid(0, RecentCount);
    showRecent();
}

QString ProjectSession::defaultRecentFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quillmint/recent-projects");
}

void ProjectSession::buildTabs() const {
    for (TabPage* tab :
         std::initializer_list<TabPage*>{tabs.dropdown, tabs.popup, tabs.mouseOver, tabs.slideshow})
        tab->build();
}

Project ProjectSession::capture() const {
    buildTabs();
    Project project;
    project.kept = kept;
    project.modern = tabs.output->isOn();
    project.dropdown = tabs.dropdown->project();
    project.popup = tabs.popup->project();
    project.mouseOver = tabs.mouseOver->project();
    project.slideshow = tabs.slideshow->project();
    return project;
}

void ProjectSession::apply(const Project& project) {
    buildTabs();
    applying = true;
    tabs.output->action()->setChecked(project.modern);
    tabs.dropdown->applyProject(project.dropdown);
    tabs.popup->applyProject(project.popup);
    tabs.mouseOver->applyProject(project.mouseOver);
    tabs.slideshow->applyProject(project.slideshow);
    applying = false;
}

QString ProjectSession::title() const {
    if (!inProject)
        return {};
    return file.isEmpty() ? QCoreApplication::translate("Project", "Untitled")
                          : QFileInfo(file).completeBaseName();
}

void ProjectSession::markModified() {
    if (applying || modified)
        return;
    modified = true;
    emit titleChanged();
}

bool ProjectSession::changesKept(bool whenOutsideAProject) {
    if (!modified || (!inProject && !whenOutsideAProject))
        return true;
    const QString question =
        inProject ? QCoreApplication::translate(
                        "Project", "The project \"%1\" has changes that are not saved. Save them?")
                        .arg(title())
                  : QCoreApplication::translate(
                        "Project", "The work on the maker tabs is not saved in a project. Save "
                                   "it as a project?");
    switch (desktop().askToSave(question)) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void ProjectSession::begin(const QString& path, const QJsonObject& keys) {
    file = path;
    kept = keys;
    inProject = true;
    modified = false;
    if (!path.isEmpty())
        remember(path);
    emit titleChanged();
}

bool ProjectSession::newProject() {
    // A new project must not throw away work the user never saved.
    if (!changesKept(true))
        return false;
    Project fresh;
    fresh.modern = tabs.output->isOn();
    fresh.mouseOver = MouseOverProject::fresh(fresh.modern);
    apply(fresh);
    begin({}, {});
    return true;
}

bool ProjectSession::openProject() {
    if (!changesKept(true))
        return false;
    const QStringList chosen = openDialog.askOpen(false);
    return !chosen.isEmpty() && openProjectFile(chosen.first());
}

bool ProjectSession::openChosenProject(const QString& path) {
    return changesKept(true) && openProjectFile(path);
}

bool ProjectSession::openProjectFile(const QString& path) {
    QString problem;
    const std::optional<Project> project = readProject(path, &problem);
    if (!project) {
        desktop().notice(NoticeKind::Error, problem);
        return false;
    }
    apply(*project);
    begin(QFileInfo(path).absoluteFilePath(), project->kept);
    return true;
}

bool ProjectSession::save() {
    if (file.isEmpty())
        return saveAs();
    QString error;
    if (!writeProject(capture(), file, &error)) {
        desktop().notice(NoticeKind::Error, error);
        return false;
    }
    begin(file, kept);
    return true;
}

bool ProjectSession::saveAs() {
    saveDialog.fileName = file;
    const QString path = saveDialog.askSave();
    if (path.isEmpty())
        return false;
    QString error;
    if (!writeProject(capture(), path, &error)) {
        desktop().notice(NoticeKind::Error, error);
        return false;
    }
    begin(QFileInfo(path).absoluteFilePath(), kept);
    return true;
}

bool ProjectSession::mayClose() {
    return changesKept(false);
}

void ProjectSession::remember(const QString& path) {
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > RecentCount)
        recent.removeLast();
    storeRecent();
}

void ProjectSession::storeRecent() {
    // The submenu is rebuilt once the entry that may have led here is done.
    QMetaObject::invokeMethod(this, &ProjectSession::showRecent, Qt::QueuedConnection);
    // The list serves this user only; when it cannot be kept it still holds
    // for this run.
    QString ignored;
    if (QDir().mkpath(QFileInfo(recentFile).absolutePath()))
        writeFileAtomically(recentFile, recent.join(QLatin1Char('\n')).toUtf8() + '\n', &ignored);
}

void ProjectSession::showRecent() {
    recentMenu->clear();
    if (recent.isEmpty()) {
        recentMenu->addAction(QCoreApplication::translate("Project", "(none)"))->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        QAction* entry = recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QString(path).replace('&', "&&")));
        entry->setObjectName(QStringLiteral("RecentProject%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!QFileInfo(path).isFile()) {
                recent.removeAll(path);
                storeRecent();
                desktop().notice(NoticeKind::Warning,
                                 QCoreApplication::translate(
                                     "Project", "The project %1 is no longer there; it was "
                                                "removed from the recent projects.")
                                     .arg(path));
                return;
            }
            if (changesKept(true))
                openProjectFile(path);
        });
    }
}
