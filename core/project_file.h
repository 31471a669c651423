#pragma once

#include "makers/dropdown/dropdown_page.h"
#include "makers/mouseover/mouseover_page.h"
#include "makers/popup/popup_page.h"
#include "makers/slideshow/slideshow_page.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

// What a project keeps of each maker tab: its settings and its code pane as
// the user left it, hand edits included.
struct DropdownProject {
    DropdownSettings settings;
    QString code = QStringLiteral("\n");
};

struct PopupProject {
    PopupSettings settings;
    QString code;
};

// The MouseOver document: its three panes, the kind it was started as and
// its counters, beside the settings of the next button.
struct MouseOverProject {
    MouseOverSettings settings;
    bool modern = false;
    QString head;
    QString script;
    QString body;
    MouseOverCounters counters;

    // A new, empty document of the given kind.
    static MouseOverProject fresh(bool modern);
};

struct SlideshowProject {
    SlideshowSettings settings;
    QString code;
};

// A project document: every maker tab's work and the output choice.
struct Project {
    bool modern = false;
    DropdownProject dropdown;
    PopupProject popup;
    MouseOverProject mouseOver = MouseOverProject::fresh(false);
    SlideshowProject slideshow;
    // The file as it was read, so that keys written by a newer version are
    // kept when the project is saved back.
    QJsonObject kept;
};

inline constexpr char ProjectFormat[] = "quillmint-project";
inline constexpr int ProjectVersion = 1;
inline constexpr char ProjectSuffix[] = "quillmint";

// The project in `bytes`, checked throughout; nothing when anything does not
// fit, with `problem` saying what. Paths stored relative to the project are
// found below `folder`, the project file's folder.
std::optional<Project> parseProject(const QByteArray& bytes, const QString& folder,
                                    QString* problem);
// Reads the project file at `path`; on failure `problem` names the file.
std::optional<Project> readProject(const QString& path, QString* problem);

// The file's bytes: UTF-8 JSON, paths below `folder` also stored relative.
QByteArray projectBytes(const Project& project, const QString& folder);
// Writes the project atomically; false with `error` naming the file.
bool writeProject(const Project& project, const QString& path, QString* error);
