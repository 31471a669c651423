#include "support/project_fill.h"

#include "makers/dropdown/dropdown_fields.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/popup/popup_fields.h"
#include "makers/slideshow/slideshow_fields.h"

Project filledProject(const QString& folder) {
    Project project;
    project.modern = true;
    project.dropdown = {filledSettings(dropdown::fields::table(), folder),
                        QStringLiteral("<p>menu, edited by hand</p>\n")};
    project.popup = {filledSettings(popup::fields::table(), folder),
                     QStringLiteral("<p>popup</p>\nno line break at the end")};
    project.mouseOver = MouseOverProject::fresh(true);
    project.mouseOver.settings = filledSettings(mouseover::fields::table(), folder);
    project.mouseOver.head += QStringLiteral("var a = 1;\n");
    project.mouseOver.body = QStringLiteral("<img src=\"a.png\">\n");
    project.mouseOver.counters = {3, 6};
    project.slideshow = {filledSettings(slideshow::fields::table(), folder),
                         QStringLiteral("<html>\u00a0</html>\n")};
    return project;
}
