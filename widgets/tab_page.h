#pragma once

#include <QWidget>

// A page of the main window's tab widget.
//
// A page may be made empty and build its controls later: the main window
// builds the tabs it does not show at start-up on the turn of the event loop
// after its first frame. Whatever shows the page builds it first, and so
// does build().
//
// The tab widget asks every page for its size hints when the window is first
// laid out, which costs as much as laying out all five tools; a page whose
// hints are held answers "no preference" instead, so the first frame lays out
// only the page on show. Releasing the hints (after the first frame) lets the
// window take every page's needs into account again.
class TabPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Makes the page's controls, once; at once if they already exist.
    void build();
    bool isBuilt() const { return builtOnce; }

    void setVisible(bool visible) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void holdSizeHints();
    void releaseSizeHints();

signals:
    // The controls have just been made.
    void built();

private:
    // The tab's controls, their connections and start values.
    virtual void buildControls() = 0;

    bool builtOnce = false;
    bool hintsHeld = false;
};
