#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/project_session.h"
#include "core/project_pages.h"
#include "core/web_images.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/popup/popup_controls.h"
#include "makers/popup/popup_fields.h"
#include "makers/slideshow/slideshow_controls.h"
#include "makers/slideshow/slideshow_fields.h"
#include "support/camera_photo.h"
#include "support/find_control.h"
#include "support/project_fill.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTest>
#include <memory>

namespace {

const QStringList MakerTabs = {dropdown::controls::Tab, popup::controls::Tab,
                               mouseover::controls::Tab, slideshow::controls::Tab};

// What every control of the maker tabs shows, by objectName: the picture a
// user would compare.
QMap<QString, QString> shown(const QWidget* window, QStringList* inputs = nullptr) {
    QMap<QString, QString> values;
    for (const QString& tabName : MakerTabs) {
        const auto* tab = findControl<QWidget>(window, tabName);
        for (const QObject* child : tab->findChildren<QObject*>()) {
            const QString name = tabName + '/' + child->objectName();
            if (child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
                continue;
            const auto* button = qobject_cast<const QAbstractButton*>(child);
            const auto* action = qobject_cast<const QAction*>(child);
            if (inputs &&
                (qobject_cast<const QLineEdit*>(child) || qobject_cast<const QComboBox*>(child) ||
                 qobject_cast<const QListWidget*>(child) ||
                 qobject_cast<const QPlainTextEdit*>(child) || (button && button->isCheckable()) ||
                 (action && action->isCheckable())))
                *inputs << name;
            if (const auto* field = qobject_cast<const QLineEdit*>(child))
                values[name] = field->text();
            else if (const auto* spin = qobject_cast<const QSpinBox*>(child))
                values[name] = spin->text();
            else if (const auto* combo = qobject_cast<const QComboBox*>(child))
                values[name] = combo->currentText();
            else if (const auto* pane = qobject_cast<const QPlainTextEdit*>(child))
                values[name] = pane->toPlainText();
            else if (const auto* list = qobject_cast<const QListWidget*>(child))
                for (int row = 0; row < list->count(); ++row)
                    values[name] += list->item(row)->text() + '\n';
            else if (const auto* label = qobject_cast<const QLabel*>(child))
                values[name] = label->text();
            else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
                values[name] = button->isCheckable() ? QString::number(button->isChecked()) : "";
            else if (const auto* action = qobject_cast<const QAction*>(child))
                values[name] = action->isCheckable() ? QString::number(action->isChecked()) : "";
        }
    }
    return values;
}

} // namespace

class ProjectTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> app;

    MainWindow* window() const { return app->window(); }
    ProjectSession* session() const { return window()->projects(); }
    QString saveProjectAs(const QString& name) const {
        const QString path = app->folder.file(name);
        app->fake.saveAnswers << path;
        app->trigger("SaveProjectAs");
        return path;
    }
    // `quillmint build` as a user runs it, without a display.
    QByteArray build(const QStringList& arguments) const {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"),
                      QStringList{"build"} + arguments);
        program.waitForFinished(60000);
        const QByteArray errors = program.readAllStandardError();
        if (program.exitCode() != 0 || !errors.isEmpty())
            qWarning("build failed: %s", errors.constData());
        return program.exitCode() == 0 ? readBytes(arguments.last()) : QByteArray();
    }

private slots:
    void init() { app = std::make_unique<WindowFixture>(); }
    void cleanup() { app.reset(); }

    void everyControlAndPaneComesBackInAFreshWindow() {
        QStringList inputs;
        const QMap<QString, QString> fresh = shown(window(), &inputs);
        session()->apply(filledProject(app->folder.path()));
        const QMap<QString, QString> filled = shown(window());
        // Every control a user can set on a maker tab is part of the project.
        QStringList unchanged;
        for (const QString& name : inputs)
            if (filled.value(name) == fresh.value(name))
                unchanged << name;
        const auto on = [](const char* tab, const char* control) {
            return QString(tab) + '/' + control;
        };
        // The fill moves the insert position from the first to the last; the
        // hidden MouseOver page is assembled from the panes on Save.
        unchanged.removeAll(on(dropdown::controls::Tab, dropdown::fields::InsertAtCurrent));
        unchanged.removeAll(on(mouseover::controls::Tab, mouseover::controls::PagePane));
        // Publish's web-image choices and the live preview's toggle on each
        // tool bar are the user's, kept outside projects.
        unchanged.removeIf([&on](const QString& name) {
            return name == on(slideshow::controls::Tab, slideshow::controls::OptimiseImages) ||
                   name.startsWith(
                       on(slideshow::controls::Tab, slideshow::controls::WebImageSize)) ||
                   name.contains("/PreviewToolButton");
        });
        QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join(", ")));

        const QString path = saveProjectAs("site.quillmint");
        QVERIFY(app->fake.notices.isEmpty());
        app->reopen();
        QVERIFY(shown(window()) != filled);
        app->fake.openAnswers << QStringList{path};
        app->trigger("OpenProject");
        QCOMPARE(shown(window()), filled);
        QCOMPARE(window()->projects()->capture().mouseOver.counters, (MouseOverCounters{3, 6}));
        QVERIFY(findControl<QAction>(window(), "ModernOutput")->isChecked());
    }

    // Build writes what Save As HTML writes, for each tool in both modes, from
    // the pane the user edited or else from the settings.
    void buildWritesWhatSaveAsHtmlWrites_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("modern");
        for (const bool modern : {false, true})
            for (int tool = 0; tool < 4; ++tool)
                QTest::addRow("%s %s", qPrintable(projectToolName(ProjectTool(tool))),
                              modern ? "modern" : "classic")
                    << tool << modern;
    }
    void buildWritesWhatSaveAsHtmlWrites() {
        QFETCH(int, tool);
        QFETCH(bool, modern);
        const char* makeCode[] = {dropdown::controls::MakeCode, popup::controls::MakeCode, "",
                                  slideshow::controls::MakeCode};
        const char* saveAsHtml[] = {dropdown::controls::SaveAsHtml, popup::controls::SaveAsHtml,
                                    mouseover::controls::SaveAsHtml,
                                    slideshow::controls::SaveAsHtml};
        const char* pane[] = {dropdown::fields::Code, popup::fields::Code,
                              mouseover::fields::BodyPane, slideshow::fields::Code};
        findControl<QAction>(window(), "ModernOutput")->setChecked(modern);
        Project filled = filledProject(app->folder.path());
        filled.modern = modern;
        filled.mouseOver = MouseOverProject::fresh(modern);
        session()->apply(filled);
        if (tool == 2) {
            for (const QString image : {"a.png", "b.png"}) {
                app->type(mouseover::fields::InitialImage, image);
                app->type(mouseover::fields::MouseOverImage, "over-" + image);
                app->click(mouseover::controls::AddImage);
            }
            app->click(mouseover::controls::EndCode);
        } else {
            app->click(makeCode[tool]);
        }
        const QString project = app->folder.file("p.quillmint");
        for (const bool edited : {false, true}) {
            if (edited)
                findControl<QPlainTextEdit>(window(), pane[tool])
                    ->appendPlainText("<!-- by hand \u00e9 -->");
            const QString saved = app->folder.file("saved.html");
            app->fake.saveAnswers << saved << project;
            app->trigger(saveAsHtml[tool]);
            app->trigger("SaveProjectAs");
            const QString built = app->folder.file("built.html");
            const QString mode = modern ? "--modern" : "--classic";
            QCOMPARE(
                build({project, "--tool", projectToolName(ProjectTool(tool)), mode, "-o", built}),
                readBytes(saved));
        }
        // The slideshow's Save warns that its page works on this computer only.
        for (const FakeDesktop::Notice& notice : app->fake.notices)
            QCOMPARE(notice.kind, NoticeKind::Warning);
    }

    void publishGathersWhatTheSlideshowsPublishGathers() {
        Project filled = filledProject(app->folder.path());
        SlideshowSettings& show = filled.slideshow.settings;
        QDir().mkpath(app->folder.file("pictures"));
        show.images.removeLast();
        for (const QString& file :
             show.images + QStringList{show.initialImage, show.sound, show.backgroundImage})
            writeBytes(file, file.toUtf8());
        session()->apply(filled);
        const QString project = saveProjectAs("show.quillmint");
        app->fake.saveAnswers << app->folder.file("by hand/show.html");
        QDir().mkpath(app->folder.file("by hand"));
        app->trigger(slideshow::controls::Publish);
        QCOMPARE(app->fake.lastNotice(), "Publish complete!");

        QProcess program;
        program.start(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"),
                      {"publish", project, app->folder.file("built")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QStringList files = QDir(app->folder.file("by hand")).entryList(QDir::Files);
        QCOMPARE(files.size(), 6); // the page, two images, the initial one, sound, background
        QCOMPARE(QDir(app->folder.file("built")).entryList(QDir::Files), files);
        for (const QString& file : files)
            QCOMPARE(readBytes(app->folder.file("built/" + file)),
                     readBytes(app->folder.file("by hand/" + file)));
    }

    void publishOptimisesImagesAsTheSlideshowsPublishDoes() {
        setWebImagePlugin(QStringLiteral(QUILLMINT_IMAGES_PLUGIN_FILE));
        Project filled = filledProject(app->folder.path());
        filled.modern = true;
        SlideshowSettings& show = filled.slideshow.settings;
        QDir().mkpath(app->folder.file("pictures"));
        show.initialImage = app->folder.file("pictures/first.jpg");
        show.images = QStringList{app->folder.file("pictures/second.jpg")};
        QImage picture(2000, 1000, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        picture.save(&jpeg, "JPEG");
        for (const QString& file : show.images + QStringList{show.initialImage})
            writeBytes(file, withCameraExif(jpeg.data(), 6));
        for (const QString& file : {show.sound, show.backgroundImage})
            writeBytes(file, file.toUtf8());
        session()->apply(filled);
        app->trigger(slideshow::controls::OptimiseImages);
        app->trigger(slideshow::controls::WebImageSize800);
        const QString project = saveProjectAs("show.quillmint");
        app->fake.saveAnswers << app->folder.file("by hand/show.html");
        QDir().mkpath(app->folder.file("by hand"));
        app->trigger(slideshow::controls::Publish);
        QCOMPARE(app->fake.lastNotice(), "Publish complete!");

        QProcess program;
        program.start(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"),
                      {"publish", project, app->folder.file("built"), "--optimise-images",
                       "--image-size", "800"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.readAllStandardError(), "");
        QCOMPARE(program.exitCode(), 0);
        const QStringList files = QDir(app->folder.file("by hand")).entryList(QDir::Files);
        QVERIFY2(files.contains("second-800.webp") && files.contains("second-1600.jpg"),
                 qPrintable(files.join(' ')));
        QCOMPARE(QDir(app->folder.file("built")).entryList(QDir::Files), files);
        for (const QString& file : files)
            QCOMPARE(readBytes(app->folder.file("built/" + file)),
                     readBytes(app->folder.file("by hand/" + file)));
    }

    void unsavedProjectChangesAskBeforeTheyGo() {
        // Work that was never put in a project closes without a question.
        app->type(popup::fields::Url, "pop.html");
        QVERIFY(window()->close());
        QVERIFY(app->fake.saveQuestions.isEmpty());
        // Tabs built only when the project reaches them are watched from then on.
        app->reopen(WindowFixture::Tabs::AsStarted);
        window()->show();

        const QString path = saveProjectAs("mine.quillmint");
        QCOMPARE(window()->windowTitle(), "mine[*] - Quillmint v1.0");
        QVERIFY(!window()->isWindowModified());
        app->type(popup::fields::Url, "other.html");
        QVERIFY(window()->isWindowModified());
        app->fake.saveChoices << SaveChoice::Cancel;
        QVERIFY(!window()->close());
        app->fake.saveChoices << SaveChoice::Cancel;
        app->trigger("NewProject");
        QCOMPARE(findControl<QLineEdit>(window(), popup::fields::Url)->text(), "other.html");
        app->fake.saveChoices << SaveChoice::Save;
        app->trigger("NewProject");
        QCOMPARE(app->fake.saveQuestions.size(), 3);
        QCOMPARE(findControl<QLineEdit>(window(), popup::fields::Url)->text(), "");
        QCOMPARE(window()->windowTitle(), "Untitled[*] - Quillmint v1.0");
        QString problem;
        QCOMPARE(readProject(path, &problem)->popup.settings.url, "other.html");
    }

    void aDamagedProjectChangesNothing() {
        app->type(popup::fields::Url, "kept.html");
        const QMap<QString, QString> before = shown(window());
        const QString path = app->folder.file("bad.quillmint");
        writeBytes(path,
                   "{\"format\": \"quillmint-project\", \"version\": 1, \"popup\": {\"top\": 0}}");
        app->fake.openAnswers << QStringList{path};
        app->fake.saveChoices << SaveChoice::Discard;
        app->trigger("OpenProject");
        QCOMPARE(app->fake.notices.size(), 1);
        QVERIFY(app->fake.lastNotice().contains(path));
        QVERIFY(app->fake.lastNotice().contains("\"popup.top\" is 0"));
        QCOMPARE(shown(window()), before);
        QCOMPARE(window()->windowTitle(), "Quillmint v1.0");
    }

    void recentProjectsKeepTheLastEightThatStillExist() {
        QStringList paths;
        for (int i = 1; i <= 9; ++i)
            paths << saveProjectAs(QStringLiteral("p%1.quillmint").arg(i));
        QCoreApplication::processEvents();
        app->reopen();
        auto* recent = findControl<QMenu>(window(), main_window::controls::RecentProjects);
        QCOMPARE(recent->actions().size(), 8);
        QVERIFY(recent->actions().first()->text().endsWith("p9.quillmint"));
        QVERIFY(QFile::remove(paths.at(8)));
        recent->actions().first()->trigger();
        QVERIFY(app->fake.lastNotice().contains("no longer there"));
        QCoreApplication::processEvents();
        QCOMPARE(recent->actions().size(), 7);
        recent->actions().first()->trigger();
        QCOMPARE(window()->windowTitle(), "p8[*] - Quillmint v1.0");
    }
};

QTEST_MAIN(ProjectTest)
#include "project_test.moc"
