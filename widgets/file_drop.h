#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// What files dropped on a control do: they go to `take` as if its file
// dialog had returned them. Anything that does not fit (a folder, a file of
// another kind, several files where one fits) gives a short notice and
// changes nothing; dragged text and web links are left to the control.
struct FileDrop {
    // Named in the notice: "drop an image (JPEG, GIF, BMP or PNG)".
    QString wanted;
    // The suffixes that fit, lower case and without the dot; matched
    // without regard to case, as the file dialogs match.
    QStringList suffixes;
    bool several = false;
    std::function<void(const QStringList& paths)> take;
};

// Images of the kinds the image dialogs offer: JPEG, GIF, BMP and PNG.
FileDrop imageFileDrop(std::function<void(const QStringList& paths)> take, bool several = false);

// Files dropped on `control` (on its viewport when it scrolls).
void acceptFileDrops(QWidget* control, FileDrop drop);

// Files that fit, dropped anywhere on `window`, go to `drop.take` before
// the control under them sees them; others that no control takes give the
// notice.
void acceptFileDropsOnWindow(QWidget* window, FileDrop drop);
