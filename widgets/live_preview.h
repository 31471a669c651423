#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class PreviewEngine;
class QAction;
class QComboBox;
class QDockWidget;
class QListWidget;
class QMainWindow;
class QTimer;
class QToolButton;
class QWidget;

// View > Live Preview: a pane beside the tabs that shows the page the
// current tab's settings make, shown again a moment after every change. The
// pane is built, and its web engine loaded from the preview plugin, the first
// time it opens, so start-up builds and loads neither. Whether it is open is
// remembered per user.
class LivePreview final : public QObject {
    Q_OBJECT
public:
    // `choiceFile` remembers whether the pane is open; relative addresses in
    // the page resolve in `pageFolder` (the user's preview folder).
    LivePreview(QString choiceFile, QString pageFolder, QMainWindow* window);
    ~LivePreview() override;
    Q_DISABLE_COPY_MOVE(LivePreview)

    // The checkable menu item `LivePreview` that opens and closes the pane.
    QAction* action() const { return toggle; }
    // Whether the user left the pane open last time.
    bool remembered() const { return rememberedOpen; }
    // Where the page comes from: the current tab's page as it stands.
    void setPageSource(std::function<QString()> source);
    // The page may have changed: it is shown again once no change has come
    // for a moment; a change while a page loads starts it over.
    void schedule();
    // The page as it stands now, without waiting.
    void showNow();

    // The pane and its engine, once it has been opened (null before, and
    // the engine while the plugin is missing).
    QDockWidget* pane() const { return dock; }
    PreviewEngine* engine() const { return webEngine.get(); }

    // The preview plugin to load instead of the installed one, for tests.
    static void setPluginFile(const QString& path);
    static QString defaultChoiceFile();

    // How long the pane waits for more changes before it shows the page.
    static constexpr int SettleMilliseconds = 30;

signals:
    // The page last asked for has loaded in the pane.
    void pageShown();
    // The pane opened for the first time: from now on it wants changes.
    void firstOpened();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(bool open);
    bool loadEngine();
    void buildPane();
    void placeView();
    void addNote(const QString& text);

    QString choiceFile;
    QString pageFolder;
    QMainWindow* window;
    QAction* toggle;
    bool rememberedOpen;
    QDockWidget* dock = nullptr;
    QComboBox* widthChoice = nullptr;
    QToolButton* darkButton = nullptr;
    QWidget* viewFrame = nullptr;
    QListWidget* notes = nullptr;
    QTimer* settle;
    std::unique_ptr<PreviewEngine> webEngine;
    std::function<QString()> pageSource;
    QString shownPage;
    int widthBeforeOpening = 0;
};
