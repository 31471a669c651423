#include "app/application_windows.h"
#include "app/main_window.h"
#include "app/project_session.h"
#include "core/project_pages.h"
#include "core/web_images.h"
#include "support/camera_photo.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/project_fill.h"
#include "support/test_files.h"

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

const QStringList MakerTabs = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};

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
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<FakeDesktop> fake;
    std::unique_ptr<ApplicationWindows> windows;

    MainWindow* window() const { return windows->mainWindow.get(); }
    ProjectSession* session() const { return window()->projects(); }
    void trigger(const char* name) const {
        findControl<QAction>(window(), QLatin1String(name))->trigger();
    }
    void click(const char* name) const {
        findControl<QAbstractButton>(window(), QLatin1String(name))->click();
    }
    void type(const char* name, const QString& text) const {
        findControl<QLineEdit>(window(), QLatin1String(name))->setText(text);
    }
    // A fresh window; with `buildTabs` false, its hidden tabs wait as they do
    // after start-up.
    void reopen(bool buildTabs = true) {
        windows.reset();
        windows = std::make_unique<ApplicationWindows>();
        if (buildTabs)
            window()->buildEveryTab();
    }
    QString saveProjectAs(const QString& name) const {
        const QString path = folder->file(name);
        fake->saveAnswers << path;
        trigger("SaveProjectAs");
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
    void init() {
        folder = std::make_unique<ProgramFolder>();
        fake = std::make_unique<FakeDesktop>();
        windows = std::make_unique<ApplicationWindows>();
        window()->buildEveryTab();
    }
    void cleanup() {
        windows.reset();
        fake.reset();
        folder.reset();
    }

    void everyControlAndPaneComesBackInAFreshWindow() {
        QStringList inputs;
        const QMap<QString, QString> fresh = shown(window(), &inputs);
        session()->apply(filledProject(folder->path()));
        const QMap<QString, QString> filled = shown(window());
        // Every control a user can set on a maker tab is part of the project.
        QStringList unchanged;
        for (const QString& name : inputs)
            if (filled.value(name) == fresh.value(name))
                unchanged << name;
        // The fill moves the insert position from the first to the last; the
        // hidden MouseOver page is assembled from the panes on Save.
        unchanged.removeAll("TabSheet1/RadioButton2");
        unchanged.removeAll("TabSheet3/Memo9");
        // Publish's web-image choices and the live preview's toggle on each
        // tool bar are the user's, kept outside projects.
        unchanged.removeIf([](const QString& name) {
            return name == "TabSheet4/OptimiseImages" ||
                   name.startsWith("TabSheet4/WebImageSize") || name.contains("/PreviewToolButton");
        });
        QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join(", ")));

        const QString path = saveProjectAs("site.quillmint");
        QVERIFY(fake->notices.isEmpty());
        reopen();
        QVERIFY(shown(window()) != filled);
        fake->openAnswers << QStringList{path};
        trigger("OpenProject");
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
        const char* makeCode[] = {"BitBtn7", "BitBtn10", "", "BitBtn32"};
        const char* saveAsHtml[] = {"AsHTML1", "AsHTML2", "AsHTML3", "AsHTML4"};
        const char* pane[] = {"Memo3", "Memo4", "Memo8", "Memo19"};
        findControl<QAction>(window(), "ModernOutput")->setChecked(modern);
        Project filled = filledProject(folder->path());
        filled.modern = modern;
        filled.mouseOver = MouseOverProject::fresh(modern);
        session()->apply(filled);
        if (tool == 2) {
            for (const QString image : {"a.png", "b.png"}) {
                type("Edit10", image);
                type("Edit11", "over-" + image);
                click("BitBtn14");
            }
            click("BitBtn16");
        } else {
            click(makeCode[tool]);
        }
        const QString project = folder->file("p.quillmint");
        for (const bool edited : {false, true}) {
            if (edited)
                findControl<QPlainTextEdit>(window(), pane[tool])
                    ->appendPlainText("<!-- by hand \u00e9 -->");
            const QString saved = folder->file("saved.html");
            fake->saveAnswers << saved << project;
            trigger(saveAsHtml[tool]);
            trigger("SaveProjectAs");
            const QString built = folder->file("built.html");
            const QString mode = modern ? "--modern" : "--classic";
            QCOMPARE(
                build({project, "--tool", projectToolName(ProjectTool(tool)), mode, "-o", built}),
                readBytes(saved));
        }
        // The slideshow's Save warns that its page works on this computer only.
        for (const FakeDesktop::Notice& notice : fake->notices)
            QCOMPARE(notice.kind, NoticeKind::Warning);
    }

    void publishGathersWhatTheSlideshowsPublishGathers() {
        Project filled = filledProject(folder->path());
        SlideshowSettings& show = filled.slideshow.settings;
        QDir().mkpath(folder->file("pictures"));
        show.images.removeLast();
        for (const QString& file :
             show.images + QStringList{show.initialImage, show.sound, show.backgroundImage})
            writeBytes(file, file.toUtf8());
        session()->apply(filled);
        const QString project = saveProjectAs("show.quillmint");
        fake->saveAnswers << folder->file("by hand/show.html");
        QDir().mkpath(folder->file("by hand"));
        trigger("Publish1");
        QCOMPARE(fake->lastNotice(), "Publish complete!");

        QProcess program;
        program.start(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"),
                      {"publish", project, folder->file("built")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QStringList files = QDir(folder->file("by hand")).entryList(QDir::Files);
        QCOMPARE(files.size(), 6); // the page, two images, the initial one, sound, background
        QCOMPARE(QDir(folder->file("built")).entryList(QDir::Files), files);
        for (const QString& file : files)
            QCOMPARE(readBytes(folder->file("built/" + file)),
                     readBytes(folder->file("by hand/" + file)));
    }

    void publishOptimisesImagesAsTheSlideshowsPublishDoes() {
        setWebImagePlugin(QStringLiteral(QUILLMINT_IMAGES_PLUGIN_FILE));
        Project filled = filledProject(folder->path());
        filled.modern = true;
        SlideshowSettings& show = filled.slideshow.settings;
        QDir().mkpath(folder->file("pictures"));
        show.initialImage = folder->file("pictures/first.jpg");
        show.images = QStringList{folder->file("pictures/second.jpg")};
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
        trigger("OptimiseImages");
        trigger("WebImageSize800");
        const QString project = saveProjectAs("show.quillmint");
        fake->saveAnswers << folder->file("by hand/show.html");
        QDir().mkpath(folder->file("by hand"));
        trigger("Publish1");
        QCOMPARE(fake->lastNotice(), "Publish complete!");

        QProcess program;
        program.start(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"),
                      {"publish", project, folder->file("built"), "--optimise-images",
                       "--image-size", "800"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.readAllStandardError(), "");
        QCOMPARE(program.exitCode(), 0);
        const QStringList files = QDir(folder->file("by hand")).entryList(QDir::Files);
        QVERIFY2(files.contains("second-800.webp") && files.contains("second-1600.jpg"),
                 qPrintable(files.join(' ')));
        QCOMPARE(QDir(folder->file("built")).entryList(QDir::Files), files);
        for (const QString& file : files)
            QCOMPARE(readBytes(folder->file("built/" + file)),
                     readBytes(folder->file("by hand/" + file)));
    }

    void unsavedProjectChangesAskBeforeTheyGo() {
        // Work that was never put in a project closes without a question.
        type("Edit6", "pop.html");
        QVERIFY(window()->close());
        QVERIFY(fake->saveQuestions.isEmpty());
        // Tabs built only when the project reaches them are watched from then on.
        reopen(false);
        window()->show();

        const QString path = saveProjectAs("mine.quillmint");
        QCOMPARE(window()->windowTitle(), "mine[*] - Quillmint v1.0");
        QVERIFY(!window()->isWindowModified());
        type("Edit6", "other.html");
        QVERIFY(window()->isWindowModified());
        fake->saveChoices << SaveChoice::Cancel;
        QVERIFY(!window()->close());
        fake->saveChoices << SaveChoice::Cancel;
        trigger("NewProject");
        QCOMPARE(findControl<QLineEdit>(window(), "Edit6")->text(), "other.html");
        fake->saveChoices << SaveChoice::Save;
        trigger("NewProject");
        QCOMPARE(fake->saveQuestions.size(), 3);
        QCOMPARE(findControl<QLineEdit>(window(), "Edit6")->text(), "");
        QCOMPARE(window()->windowTitle(), "Untitled[*] - Quillmint v1.0");
        QString problem;
        QCOMPARE(readProject(path, &problem)->popup.settings.url, "other.html");
    }

    void aDamagedProjectChangesNothing() {
        type("Edit6", "kept.html");
        const QMap<QString, QString> before = shown(window());
        const QString path = folder->file("bad.quillmint");
        writeBytes(path,
                   "{\"format\": \"quillmint-project\", \"version\": 1, \"popup\": {\"top\": 0}}");
        fake->openAnswers << QStringList{path};
        fake->saveChoices << SaveChoice::Discard;
        trigger("OpenProject");
        QCOMPARE(fake->notices.size(), 1);
        QVERIFY(fake->lastNotice().contains(path));
        QVERIFY(fake->lastNotice().contains("\"popup.top\" is 0"));
        QCOMPARE(shown(window()), before);
        QCOMPARE(window()->windowTitle(), "Quillmint v1.0");
    }

    void recentProjectsKeepTheLastEightThatStillExist() {
        QStringList paths;
        for (int i = 1; i <= 9; ++i)
            paths << saveProjectAs(QStringLiteral("p%1.quillmint").arg(i));
        QCoreApplication::processEvents();
        reopen();
        auto* recent = findControl<QMenu>(window(), "RecentProjects");
        QCOMPARE(recent->actions().size(), 8);
        QVERIFY(recent->actions().first()->text().endsWith("p9.quillmint"));
        QVERIFY(QFile::remove(paths.at(8)));
        recent->actions().first()->trigger();
        QVERIFY(fake->lastNotice().contains("no longer there"));
        QCoreApplication::processEvents();
        QCOMPARE(recent->actions().size(), 7);
        recent->actions().first()->trigger();
        QCOMPARE(window()->windowTitle(), "p8[*] - Quillmint v1.0");
    }
};

QTEST_MAIN(ProjectTest)
#include "project_test.moc"
