#pragma once

#include "core/project_file.h"
#include "widgets/desktop.h"

#include <QObject>
#include <QStringList>

class DropdownTab;
class ModernOutput;
class MouseOverTab;
class PopupTab;
class QMenu;
class SlideshowTab;

// The project document of the main window: New, Open, Save and Save As of
// every maker tab's work at once, the recent projects and the modified mark.
// Until the user starts or opens a project the program works as it always
// did, and closing it asks nothing.
class ProjectSession final : public QObject {
    Q_OBJECT
public:
    struct Tabs {
        DropdownTab* dropdown;
        PopupTab* popup;
        MouseOverTab* mouseOver;
        SlideshowTab* slideshow;
        ModernOutput* output;
    };
    // Watches every setting and pane of `tabs` for changes; the recent
    // projects are kept in `recentFile`, the submenu `recentMenu` shows them.
    ProjectSession(const Tabs& tabs, QMenu* recentMenu, QString recentFile);
    Q_DISABLE_COPY_MOVE(ProjectSession)

    // The work of every maker tab as it stands, and the way back.
    Project capture() const;
    void apply(const Project& project);

    // Each true when done, false when the user cancelled or it failed (and
    // then nothing changed).
    bool newProject();
    bool openProject();
    bool openProjectFile(const QString& path);
    // Open Project with the file already chosen, as by a drop: unsaved
    // changes are asked about first.
    bool openChosenProject(const QString& path);
    bool save();
    bool saveAs();
    // Closing: unsaved project changes ask Save, Discard or Cancel first.
    bool mayClose();

    // The project's file, empty while it is untitled or there is none.
    const QString& path() const { return file; }
    bool isModified() const { return modified; }
    // The recent projects, newest first.
    const QStringList& recentProjects() const { return recent; }

    // Where the recent projects are kept: the per-user configuration folder.
    static QString defaultRecentFile();

signals:
    // The title's project part changed: the name or the modified mark.
    void titleChanged();

public:
    // "site" for /x/site.quillmint, "Untitled" for a new project, empty when
    // the user works without one.
    QString title() const;

private:
    // A project reaches every maker tab's controls, so each is built first.
    void buildTabs() const;
    void markModified();
    // Asks about changes not yet saved; false when the user cancels.
    bool changesKept(bool whenOutsideAProject);
    void remember(const QString& path);
    void showRecent();
    void storeRecent();
    void begin(const QString& path, const QJsonObject& kept);

    Tabs tabs;
    QMenu* recentMenu;
    QString recentFile;
    QStringList recent;
    FileDialog openDialog;
    FileDialog saveDialog;
    QString file;
    QJsonObject kept;
    bool inProject = false;
    bool modified = false;
    bool applying = false;
};
