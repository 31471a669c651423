#pragma once

#include <QWidget>

// A page of the main window's tab widget. The tab widget asks every page for
// its size hints when the window is first laid out, which costs as much as
// laying out all five tools; a page whose hints are held answers "no
// preference" instead, so the first frame lays out only the page on show.
// Releasing the hints (after the first frame) lets the window take every
// page's needs into account again.
class TabPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void holdSizeHints();
    void releaseSizeHints();

signals:
    // A file of this tab was written: its page, text or script.
    void fileSaved(const QString& path);

private:
    bool hintsHeld = false;
};
