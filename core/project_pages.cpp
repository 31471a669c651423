#include "core/project_pages.h"

#include "core/page_text.h"
#include "makers/dropdown/dropdown_modern_page.h"
#include "makers/mouseover/mouseover_modern_page.h"
#include "makers/popup/popup_modern_page.h"
#include "makers/slideshow/slideshow_modern_page.h"

#include <QCoreApplication>

namespace {

bool blank(const QString& text) {
    return text.trimmed().isEmpty();
}

ProjectPage generated(const Project& project, ProjectTool tool, bool modern) {
    switch (tool) {
    case ProjectTool::Dropdown: {
        DropdownSettings settings = project.dropdown.settings;
        // Make Code puts the default text into an emptied GO! field first.
        if (settings.goText.isEmpty())
            settings.goText = DropdownSettings().goText;
        return {pageText(modern ? modernDropdownPage(settings) : dropdownPage(settings)), {}};
    }
    case ProjectTool::Popup:
        // Make Code is there only once the popup has a URL.
        if (project.popup.settings.url.isEmpty())
            return {{}, QCoreApplication::translate("ProjectFile", "the popup has no URL")};
        return {pageText(modern ? modernPopupPage(project.popup.settings)
                                : popupPage(project.popup.settings)),
                {}};
    case ProjectTool::MouseOver: {
        const MouseOverProject& document = project.mouseOver;
        const MouseOverProject started = MouseOverProject::fresh(document.modern);
        // A document that holds nothing yet starts again as the kind asked
        // for, as it does when the output choice changes.
        const bool untouched = document.counters == MouseOverCounters() &&
                               document.body.isEmpty() && document.head == started.head &&
                               document.script == started.script;
        const MouseOverProject& shown = untouched ? MouseOverProject::fresh(modern) : document;
        return {assembleMouseOverPage(shown.head, shown.script, shown.body), {}};
    }
    case ProjectTool::Slideshow: {
        const SlideshowPage page = modern ? modernSlideshowPage(project.slideshow.settings)
                                          : slideshowPage(project.slideshow.settings);
        if (page.refused())
            return {{}, page.refusal};
        return {pageText(page.lines), {}};
    }
    }
    return {};
}

const QString& storedCode(const Project& project, ProjectTool tool) {
    switch (tool) {
    case ProjectTool::Dropdown:
        return project.dropdown.code;
    case ProjectTool::Popup:
        return project.popup.code;
    case ProjectTool::Slideshow:
        break;
    case ProjectTool::MouseOver:
        Q_UNREACHABLE();
    }
    return project.slideshow.code;
}

} // namespace

QString projectToolName(ProjectTool tool) {
    return projectToolNames().at(static_cast<int>(tool));
}

QStringList projectToolNames() {
    return {QStringLiteral("dropdown"), QStringLiteral("popup"), QStringLiteral("mouseover"),
            QStringLiteral("slideshow")};
}

ProjectPage projectPage(const Project& project, ProjectTool tool, bool modern) {
    // The MouseOver document is its panes, whichever way it was made.
    if (tool == ProjectTool::MouseOver)
        return generated(project, tool, modern);
    const QString& code = storedCode(project, tool);
    if (blank(code))
        return generated(project, tool, modern);
    const ProjectPage asSaved = generated(project, tool, project.modern);
    if (!asSaved.refusal.isEmpty() || asSaved.text != code)
        return {code, {}};
    return generated(project, tool, modern);
}

bool hasContent(const Project& project, ProjectTool tool) {
    switch (tool) {
    case ProjectTool::Dropdown:
        return !blank(project.dropdown.code) || !project.dropdown.settings.entries.isEmpty();
    case ProjectTool::Popup:
        return !blank(project.popup.code) || !project.popup.settings.url.isEmpty();
    case ProjectTool::MouseOver: {
        const MouseOverProject started = MouseOverProject::fresh(project.mouseOver.modern);
        return project.mouseOver.counters != MouseOverCounters() ||
               !blank(project.mouseOver.body) || project.mouseOver.head != started.head ||
               project.mouseOver.script != started.script;
    }
    case ProjectTool::Slideshow:
        return !blank(project.slideshow.code) || !project.slideshow.settings.images.isEmpty();
    }
    return false;
}

ProjectPage publishedProjectPage(const Project& project, bool modern, const WebImages& images) {
    const SlideshowPage page =
        modern ? modernPublishedSlideshowPage(project.slideshow.settings, images)
               : publishedSlideshowPage(project.slideshow.settings);
    if (page.refused())
        return {{}, page.refusal};
    return {pageText(page.lines), {}};
}
