#pragma once

#include <QWidget>
#include <functional>
#include <vector>

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
    ~TabPage() override;
    Q_DISABLE_COPY_MOVE(TabPage)

    // Makes the page's controls, once; at once if they already exist.
    void build();
    bool isBuilt() const { return builtOnce; }
    // Runs `step` once the controls exist: now, or right after they are built.
    void whenBuilt(QObject* receiver, const std::function<void()>& step);

    void setVisible(bool visible) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void holdSizeHints();
    void releaseSizeHints();

    // The page the tab's settings, list and panes make now, as the live
    // preview shows it; it leaves every control as it is.
    virtual QString livePage() { return {}; }
    // From now on, every change of the tab's fields, boxes, lists, panes and
    // colour settings is reported as pageChanged. Done only once the preview
    // opens, so start-up connects nothing.
    void reportChanges();

signals:
    // The controls have just been made.
    void built();
    // A short note for the window's status bar.
    void statusNote(const QString& text);
    // Something the live page is made from may have changed.
    void pageChanged();
    // A file of this tab was written: its page, text or script.
    void fileSaved(const QString& path);

private:
    // The tab's controls, their connections and start values.
    virtual void buildControls() = 0;
    template <typename Sender, typename Signal> void report(Sender* sender, Signal signal) {
        changeReports.push_back(connect(sender, signal, this, &TabPage::pageChanged));
    }

    bool builtOnce = false;
    bool hintsHeld = false;
    bool reportingChanges = false;
    std::vector<QMetaObject::Connection> changeReports;
};
