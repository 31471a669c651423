#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "editor/editor_controls.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/popup/popup_fields.h"
#include "makers/slideshow/slideshow_controls.h"
#include "makers/slideshow/slideshow_fields.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "widgets/live_preview.h"
#include "widgets/preview_engine.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTcpServer>
#include <QTest>
#include <functional>
#include <memory>

namespace {

constexpr int PageWait = 20000;

} // namespace

class LivePreviewTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> app;

    MainWindow* window() const { return app->window(); }
    LivePreview* preview() const { return window()->livePreview(); }
    QAction* toggle() const { return findControl<QAction>(window(), "LivePreview"); }
    void showTab(int index) const {
        findControl<QTabWidget>(window(), main_window::controls::Tabs)->setCurrentIndex(index);
    }
    void editorText(const QString& text) const {
        findControl<QPlainTextEdit>(window(), editor::controls::Editor)->setPlainText(text);
        showTab(4);
    }
    QStringList notes() const {
        QStringList texts;
        auto* list = findControl<QListWidget>(window(), "PreviewNotes");
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

    // What `script` gives in the page the pane shows.
    QVariant evaluate(const QString& script) const {
        auto answer = std::make_shared<std::optional<QVariant>>();
        preview()->engine()->runScript(script,
                                       [answer](const QVariant& value) { *answer = value; });
        if (!QTest::qWaitFor([&] { return answer->has_value(); }, PageWait))
            qWarning("The page did not answer: %s", qPrintable(script));
        return answer->value_or(QVariant());
    }
    bool pageSays(const QString& condition) const {
        return QTest::qWaitFor([&] { return evaluate(condition).toBool(); }, PageWait);
    }
    QString pngFile(const QString& name) const {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString path = app->folder.file(name);
        image.save(path);
        return path;
    }

private slots:
    void init() {
        LivePreview::setPluginFile(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint-preview.so"));
        app = std::make_unique<WindowFixture>(WindowFixture::Tabs::AsStarted);
        window()->show();
    }
    void cleanup() { app.reset(); }

    void closedUntilAskedThenRemembered() {
        QVERIFY(!toggle()->isChecked());
        QVERIFY(!preview()->pane());
        QCOMPARE(toggle()->shortcut(), QKeySequence(Qt::Key_F8));
        toggle()->trigger();
        QVERIFY(preview()->pane()->isVisible());
        // Left open, it opens again once the window is on the screen.
        app->reopen(WindowFixture::Tabs::AsStarted);
        window()->show();
        QTRY_VERIFY(toggle()->isChecked());
        toggle()->trigger();
        QVERIFY(!preview()->pane()->isVisible());
        app->reopen(WindowFixture::Tabs::AsStarted);
        QVERIFY(!preview()->remembered());
    }

    void followsEveryMaker() {
        const QString picture = pngFile(QStringLiteral("slide.png"));
        const QString over = pngFile(QStringLiteral("over.png"));
        struct Row {
            const char* maker;
            int tab;
            std::function<void()> change;
            QString shown;
        };
        const Row rows[] = {
            {"dropdown", 0,
             [&] {
                 app->type(dropdown::fields::ItemName, QStringLiteral("Fresh Entry"));
                 app->type(dropdown::fields::ItemUrl, QStringLiteral("fresh.html"));
                 app->click(dropdown::controls::AddEntry);
             },
             QStringLiteral("[...document.querySelectorAll('option')].some(o => "
                            "o.text.includes('Fresh Entry'))")},
            {"popup", 1, [&] { app->type(popup::fields::Url, QStringLiteral("popped.html")); },
             QStringLiteral("document.documentElement.outerHTML.includes('popped.html')")},
            {"mouseover", 2,
             [&] {
                 app->type(mouseover::fields::InitialImage, picture);
                 app->type(mouseover::fields::MouseOverImage, over);
             },
             QStringLiteral("[...document.images].some(i => i.src.endsWith('slide.png') && "
                            "i.naturalWidth === 8)")},
            {"slideshow", 3,
             [&] {
                 // The first becomes the initial image, leaving the other listed.
                 app->fake.openAnswers << QStringList{picture, over};
                 app->click(slideshow::controls::AddImages);
                 findControl<QListWidget>(window(), slideshow::fields::Images)->setCurrentRow(0);
                 app->click(slideshow::controls::ChooseInitial);
                 app->fake.colourAnswers << QColor(0x12, 0x34, 0x56);
                 app->click(slideshow::controls::PageBackgroundButton);
             },
             QStringLiteral("getComputedStyle(document.body).backgroundColor === 'rgb(18, 52, "
                            "86)' && [...document.images].some(i => i.naturalWidth === 8)")},
            {"editor", 4, [&] { editorText(QStringLiteral("<p id=\"typed\">typed by hand</p>")); },
             QStringLiteral("document.getElementById('typed').textContent === 'typed by hand'")},
        };
        toggle()->trigger();
        for (const Row& row : rows) {
            showTab(row.tab);
            row.change();
            QVERIFY2(pageSays(row.shown), row.maker);
        }
        // Back on a tab, the pane shows that tab's page again.
        showTab(0);
        QVERIFY(pageSays(QStringLiteral("document.querySelectorAll('option').length > 0")));
        QVERIFY(app->fake.opened.isEmpty());
    }

    void nothingLeavesTheMachine() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        toggle()->trigger();
        editorText(QStringLiteral(
                       "<img src=\"http://example.invalid/a.png\"><img src=\"http://127.0.0.1:%1/"
                       "b.png\"><script>window.fetched = 'waiting';"
                       "fetch('http://example.invalid/').then(() => window.fetched = 'answered', "
                       "() => window.fetched = 'refused');</script>")
                       .arg(server.serverPort()));
        QVERIFY(pageSays(QStringLiteral("window.fetched === 'refused'")));
        QVERIFY(!server.waitForNewConnection(300));
        QVERIFY(notes().filter(QStringLiteral("example.invalid")).size() >= 1);
        QVERIFY(notes().filter(QStringLiteral("127.0.0.1")).size() == 1);

        // Popups and navigations stay here as notes.
        editorText(QStringLiteral("<title>stays</title><script>window.open('http://"
                                  "example.invalid/popup'); location.href = "
                                  "'http://example.invalid/away';</script>"));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return notes().filter(QStringLiteral("opened a window")).size() == 1 &&
                       notes().filter(QStringLiteral("went to")).size() == 1;
            },
            PageWait));
        QVERIFY(pageSays(QStringLiteral("document.title === 'stays'")));
        QVERIFY(app->fake.opened.isEmpty());
    }

    void widthSchemeAndErrors() {
        toggle()->trigger();
        editorText(QStringLiteral(
            "<style>body { background: rgb(255, 255, 255) } @media (prefers-color-scheme: dark) "
            "{ body { background: rgb(0, 0, 0) } }</style><script>missingFunction();</script>"));
        QVERIFY(pageSays(QStringLiteral(
            "getComputedStyle(document.body).backgroundColor === 'rgb(255, 255, 255)'")));
        QVERIFY(QTest::qWaitFor(
            [&] { return !notes().filter(QStringLiteral("missingFunction")).isEmpty(); },
            PageWait));
        app->click("PreviewDark");
        QVERIFY(pageSays(
            QStringLiteral("getComputedStyle(document.body).backgroundColor === 'rgb(0, 0, 0)' && "
                           "matchMedia('(prefers-color-scheme: dark)').matches")));
        findControl<QComboBox>(window(), "PreviewWidth")->setCurrentIndex(1);
        QVERIFY(pageSays(QStringLiteral("window.innerWidth === 390")));
    }

    void missingPluginExplainsItself() {
        LivePreview::setPluginFile(app->folder.file(QStringLiteral("quillmint-preview.so")));
        app->reopen(WindowFixture::Tabs::AsStarted);
        QVERIFY(toggle()->text().contains(QStringLiteral("not installed")));
        toggle()->trigger();
        QVERIFY(!toggle()->isChecked());
        QVERIFY(!preview()->pane());
        QVERIFY(app->fake.lastNotice().contains(QStringLiteral("libqt6webenginewidgets6")));
    }
};

QTEST_MAIN(LivePreviewTest)
#include "live_preview_test.moc"
