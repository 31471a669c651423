#pragma once

#include <QObject>
#include <QString>

class QAction;

// The "Modern HTML5 Output" choice: one checkable action shown in every maker
// tab's Options menu, off until the user checks it, and remembered per user
// in a small file of its own (prefs.cfg keeps its fixed format).
class ModernOutput final : public QObject {
    Q_OBJECT
public:
    // Reads the choice from `choiceFile`; a missing or unreadable file means
    // off.
    ModernOutput(QString choiceFile, QObject* parent);
    Q_DISABLE_COPY_MOVE(ModernOutput)

    QAction* action() const { return toggle; }
    bool isOn() const;

    // Where the choice is kept: the per-user configuration folder.
    static QString defaultChoiceFile();

signals:
    void switched(bool on);

private:
    QString choiceFile;
    QAction* toggle;
};
