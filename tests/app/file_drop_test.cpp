#include "app/main_window.h"
#include "editor/editor_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/slideshow/slideshow_fields.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

namespace {

// What a control shows: a field's text, a list's entries, a pane's text.
QStringList shownIn(const QWidget* control) {
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return {field->text()};
    if (const auto* pane = qobject_cast<const QPlainTextEdit*>(control))
        return {pane->toPlainText().trimmed()};
    QStringList entries;
    const auto* list = qobject_cast<const QListWidget*>(control);
    for (int row = 0; list && row < list->count(); ++row)
        entries << list->item(row)->text();
    return entries;
}

// Drags `files` over `control` and drops them, as a file manager does;
// true when the drop was taken.
bool dropFiles(QWidget* control, const QStringList& files) {
    QWidget* target = control;
    if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(control))
        target = scrolling->viewport();
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

const QString NoImage =
    QStringLiteral("%1 does not fit here: drop an image (JPEG, GIF, BMP or PNG).");

} // namespace

class FileDropTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> app;

    MainWindow* window() const { return app->window(); }
    QStringList paths(const QStringList& names) const {
        QStringList full;
        for (const QString& name : names)
            full << app->folder.file(name);
        return full;
    }

private slots:
    void init() {
        app = std::make_unique<WindowFixture>();
        for (const char* name : {"a.jpg", "b.PNG", "c.gif", "tune.wav", "notes.txt", "page.html"})
            writeBytes(app->folder.file(name), "x");
        writeBytes(app->folder.file("script.js"), "var dropped = 1;\n");
        QDir().mkpath(app->folder.file("pictures.jpg"));
    }
    void cleanup() { app.reset(); }

    void filesDoWhatTheirDialogDoes_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("tickFirst"); // a check box that enables the control
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QStringList>("shown"); // empty: as before the drop
        QTest::addColumn<QString>("notice");
        const QStringList same;
        QTest::newRow("images join the slide list")
            << slideshow::fields::Images << "" << QStringList{"a.jpg", "b.PNG", "c.gif"}
            << QStringList{"a.jpg", "b.PNG", "c.gif"} << "";
        QTest::newRow("a text among images")
            << slideshow::fields::Images << "" << QStringList{"a.jpg", "notes.txt"} << same
            << NoImage.arg("notes.txt");
        QTest::newRow("initial image") << slideshow::fields::InitialImage << ""
                                       << QStringList{"a.jpg"} << QStringList{"a.jpg"} << "";
        QTest::newRow("two on a field for one")
            << slideshow::fields::InitialImage << "" << QStringList{"a.jpg", "c.gif"} << same
            << "Only one file can be dropped here.";
        QTest::newRow("background image") << slideshow::fields::BackgroundImage << ""
                                          << QStringList{"c.gif"} << QStringList{"c.gif"} << "";
        QTest::newRow("a folder named like an image")
            << slideshow::fields::BackgroundImage << "" << QStringList{"pictures.jpg"} << same
            << NoImage.arg("pictures.jpg");
        QTest::newRow("sound") << slideshow::fields::Sound << slideshow::fields::PlaySound
                               << QStringList{"tune.wav"} << QStringList{"tune.wav"} << "";
        QTest::newRow("an image for the sound")
            << slideshow::fields::Sound << slideshow::fields::PlaySound << QStringList{"a.jpg"}
            << same << "a.jpg does not fit here: drop a sound (WAV or MIDI).";
        QTest::newRow("mouse-over initial image")
            << mouseover::fields::InitialImage << "" << QStringList{"b.PNG"} << QStringList{"b.PNG"}
            << "";
        QTest::newRow("mouse-over image") << mouseover::fields::MouseOverImage << ""
                                          << QStringList{"a.jpg"} << QStringList{"a.jpg"} << "";
        QTest::newRow("a script for a mouse-over image")
            << mouseover::fields::MouseOverImage << "" << QStringList{"script.js"} << same
            << NoImage.arg("script.js");
        QTest::newRow("script into the editor")
            << editor::controls::Editor << "" << QStringList{"script.js"}
            << QStringList{"var dropped = 1;"} << "";
        QTest::newRow("an image into the editor")
            << editor::controls::Editor << "" << QStringList{"a.jpg"} << same
            << "a.jpg does not fit here: drop a page or script (HTML or JS).";
    }
    void filesDoWhatTheirDialogDoes() {
        QFETCH(QString, control);
        QFETCH(QString, tickFirst);
        QFETCH(QStringList, dropped);
        QFETCH(QStringList, shown);
        QFETCH(QString, notice);
        if (!tickFirst.isEmpty())
            findControl<QAbstractButton>(window(), tickFirst)->click();
        auto* target = findControl<QWidget>(window(), control);
        const QStringList before = shownIn(target);
        QVERIFY(dropFiles(target, paths(dropped)));
        const bool fits = notice.isEmpty();
        if (control == editor::controls::Editor || !fits)
            QCOMPARE(shownIn(target), fits ? shown : before);
        else
            QCOMPARE(shownIn(target), paths(shown));
        QCOMPARE(app->fake.noticeTexts(), fits ? QStringList() : QStringList{notice});
    }

    void aProjectDroppedAnywhereOpensAfterAsking() {
        auto* title = findControl<QLineEdit>(window(), slideshow::fields::PageTitle);
        title->setText("kept in the project");
        const QString project = app->folder.file("site.quillmint");
        app->fake.saveAnswers << project;
        findControl<QAction>(window(), "SaveProjectAs")->trigger();
        title->setText("changed since");

        // Over a field that takes dragged text, the project still opens.
        auto* menuName = findControl<QLineEdit>(window(), dropdown::fields::ItemName);
        QVERIFY(dropFiles(menuName, {project}));
        QCOMPARE(app->fake.saveQuestions.size(), 1);
        QCOMPARE(title->text(), "kept in the project");
        QCOMPARE(menuName->text(), "");
        QVERIFY(app->fake.notices.isEmpty());

        QVERIFY(dropFiles(window(), {app->folder.file("notes.txt")}));
        QCOMPARE(app->fake.noticeTexts(),
                 QStringList{"notes.txt does not fit here: drop a project (.quillmint)."});
        QCOMPARE(title->text(), "kept in the project");
    }

    // Text dragged from elsewhere stays the field's own business.
    void draggedTextIsLeftToTheField() {
        auto* field = findControl<QLineEdit>(window(), mouseover::fields::InitialImage);
        QMimeData data;
        data.setText("pictures/home.png");
        const QPoint at = field->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        QCOMPARE(field->text(), "pictures/home.png");
        QVERIFY(app->fake.notices.isEmpty());
    }
};

QTEST_MAIN(FileDropTest)
#include "file_drop_test.moc"
