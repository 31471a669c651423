#pragma once

#include "core/project_file.h"
#include "core/web_images.h"

#include <QString>
#include <QStringList>

// The pages a project makes without the program's windows: what Make Code
// and Save As HTML, or Publish, would write from it.

enum class ProjectTool { Dropdown, Popup, MouseOver, Slideshow };

// "dropdown", "popup", "mouseover", "slideshow": the names the command line
// takes and the suffix of the file each page is written to.
QString projectToolName(ProjectTool tool);
QStringList projectToolNames();

// A page's text as its pane holds it, or why there is none.
struct ProjectPage {
    QString text;
    QString refusal;
};

// The tool's page in classic or modern form: the code pane as the user left
// it when it was edited by hand (or holds code no longer made from the
// settings), else made from the settings as Make Code makes it.
ProjectPage projectPage(const Project& project, ProjectTool tool, bool modern);

// Whether the tool holds any work: code in its pane, entries, a URL, buttons
// or images.
bool hasContent(const Project& project, ProjectTool tool);

// Publish: the page for a folder holding it and every file it uses; in
// modern form with the slide images as published for the web, when given.
ProjectPage publishedProjectPage(const Project& project, bool modern, const WebImages& images = {});
