#pragma once

#include <QObject>
#include <QString>

class QAction;

// The "Modern HTML5 Output" choice: one checkable action shown in every maker
// tab's Options menu, off until the user checks it, and remembered per user
// in a small file of its own (prefs.cfg keeps its fixed format). Beside it,
// "Separate CSS and JavaScript files", which applies to modern output only.
class ModernOutput final : public QObject {
    Q_OBJECT
public:
    // Reads the choice from `choiceFile`; a missing or unreadable file means
    // off.
    ModernOutput(QString choiceFile, QObject* parent);
    Q_DISABLE_COPY_MOVE(ModernOutput)

    QAction* action() const { return toggle; }
    bool isOn() const;
    // Save As HTML and Publish write the page's style and script as files
    // of their own beside it (modern output only).
    QAction* separateFilesAction() const { return separateToggle; }
    bool separateFiles() const;

    // Where the choice is kept: the per-user configuration folder.
    static QString defaultChoiceFile();

signals:
    void switched(bool on);

private:
    void store();

    QString choiceFile;
    QAction* toggle;
    QAction* separateToggle;
};
