#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;

// Publish's "Optimise Images for the Web" with the long edge slide images are
// fitted into: shown with the modern output only, off until the user checks
// it, and remembered per user in a small file of its own (prefs.cfg keeps its
// fixed format).
class WebImageChoice final : public QObject {
    Q_OBJECT
public:
    // Reads the choice from `choiceFile`; a missing or unreadable file means
    // off at the default size. The size menu is made with `parent`.
    WebImageChoice(QString choiceFile, QWidget* parent);
    Q_DISABLE_COPY_MOVE(WebImageChoice)

    QAction* optimiseAction() const { return optimise; }
    QMenu* sizeMenu() const { return sizes; }
    bool isOn() const;
    int longEdge() const { return edge; }
    // Offered in `menu` only while pages are made for today's browsers; the
    // classic menu stays as it was.
    void offerIn(QMenu* menu, bool available);

    // Where the choice is kept: beside the modern output's choice.
    static QString defaultChoiceFile();

private:
    void store();

    QString choiceFile;
    QAction* optimise;
    QMenu* sizes;
    int edge;
};
