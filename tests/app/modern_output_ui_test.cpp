#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/popup/popup_controls.h"
#include "makers/popup/popup_fields.h"
#include "makers/slideshow/slideshow_controls.h"
#include "makers/slideshow/slideshow_fields.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <memory>

namespace {

const QString Doctype = QStringLiteral("<!DOCTYPE html>");

QString firstLine(const QString& text) {
    return text.section(QLatin1Char('\n'), 0, 0);
}

} // namespace

class ModernOutputUiTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> app;

    QWidget* window() const { return app->window(); }
    QAction* option() const { return findControl<QAction>(window(), "ModernOutput"); }
    // One MouseOver button with the two images given.
    void addImage(const QString& initial, const QString& over) const {
        app->type(mouseover::fields::InitialImage, initial);
        app->type(mouseover::fields::MouseOverImage, over);
        app->click(mouseover::controls::AddImage);
    }

private slots:
    void init() { app = std::make_unique<WindowFixture>(); }
    void cleanup() { app.reset(); }

    void oneSharedChoiceInEveryMakersOptionsMenu() {
        QAction* choice = option();
        QVERIFY(choice->isCheckable());
        QVERIFY(!choice->isChecked());
        QSet<QString> tabs;
        for (QObject* holder : choice->associatedObjects()) {
            auto* menu = qobject_cast<QMenu*>(holder);
            QVERIFY(menu);
            // The menu bar's Options offers the current tab's entries.
            if (menu->objectName() == QLatin1String(main_window::controls::OptionsMenu))
                continue;
            QWidget* tab = menu;
            while (tab && !tab->objectName().startsWith(QLatin1String("TabSheet")))
                tab = tab->parentWidget();
            QVERIFY(tab);
            // It stands in the Options menu after a separator of its own.
            const qsizetype at = menu->actions().indexOf(choice);
            QVERIFY(at > 0 && menu->actions().at(at - 1)->isSeparator());
            tabs.insert(tab->objectName());
        }
        QCOMPARE(tabs, (QSet<QString>{dropdown::controls::Tab, popup::controls::Tab,
                                      mouseover::controls::Tab, slideshow::controls::Tab}));
    }

    void everyMakerFollowsTheChoice() {
        app->type(popup::fields::Url, QStringLiteral("pop.html"));
        app->click(dropdown::controls::MakeCode);
        app->click(popup::controls::MakeCode);
        QCOMPARE(firstLine(app->pane(dropdown::fields::Code)),
                 QStringLiteral("<script type=\"text/javascript\">"));
        QCOMPARE(firstLine(app->pane(popup::fields::Code)), QStringLiteral("<html>"));

        option()->trigger();
        app->click(dropdown::controls::MakeCode);
        app->click(popup::controls::MakeCode);
        QCOMPARE(firstLine(app->pane(dropdown::fields::Code)),
                 QStringLiteral("<nav aria-label=\"Menu\">"));
        QCOMPARE(firstLine(app->pane(popup::fields::Code)), Doctype);

        // The slideshow, made and published as modern pages.
        const QString pictures = app->folder.file(QStringLiteral("my pictures"));
        QDir().mkpath(pictures);
        for (const char* name : {"start #1.png", "été.png"})
            writeBytes(pictures + QLatin1Char('/') + QString::fromUtf8(name), "picture");
        app->fake.openAnswers << QStringList{pictures + "/start #1.png", pictures + "/été.png"};
        app->click(slideshow::controls::AddImages);
        findControl<QListWidget>(window(), slideshow::fields::Images)->setCurrentRow(0);
        app->click(slideshow::controls::ChooseInitial);
        app->click(slideshow::controls::MakeCode);
        QCOMPARE(firstLine(app->pane(slideshow::fields::Code)), Doctype);
        QVERIFY(app->pane(slideshow::fields::Code).contains("/my%20pictures/%C3%A9t%C3%A9.png"));

        const QString site = app->folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        app->fake.saveAnswers << site + "/show.html";
        findControl<QAction>(window(), slideshow::controls::Publish)->trigger();
        QCOMPARE(app->fake.notices.last().text, QStringLiteral("Publish complete!"));
        const QString published = QString::fromUtf8(readBytes(site + "/show.html"));
        QVERIFY(published.contains("<option value=\"start%20%231.png\" selected>Start</option>"));
        QVERIFY(published.contains("<option value=\"%C3%A9t%C3%A9.png\">Image 1</option>"));
        QVERIFY(QFileInfo::exists(site + "/été.png"));

        option()->trigger();
        app->click(dropdown::controls::MakeCode);
        QCOMPARE(firstLine(app->pane(dropdown::fields::Code)),
                 QStringLiteral("<script type=\"text/javascript\">"));
    }

    void mouseOverDocumentKeepsItsKindUntilNew() {
        QStatusBar* status = findControl<QStatusBar>(window(), main_window::controls::StatusBar);
        // A document that holds nothing yet follows the choice at once.
        option()->trigger();
        QCOMPARE(firstLine(app->pane(mouseover::fields::HeadPane)), Doctype);
        QVERIFY(
            app->pane(mouseover::fields::ScriptPane).startsWith(QLatin1String("(function () {")));
        QVERIFY(status->currentMessage().isEmpty());

        addImage("a1.png", "a2.png");
        option()->trigger();
        QCOMPARE(status->currentMessage(),
                 QStringLiteral("The MouseOver document stays modern: the classic output takes "
                                "effect there at the next New"));
        addImage("b1.png", "b2.png");
        QVERIFY(app->pane(mouseover::fields::BodyPane)
                    .contains("\n<span data-over-holder><a href=\"\" aria-label=\"Link\"><img "
                              "src=\"b1.png\" data-over-src=\"b2.png\" alt=\"\"></a>"));
        QVERIFY(app->pane(mouseover::fields::HeadPane).contains("\nnew Image().src = \"b2.png\";"));

        app->click(mouseover::controls::NewButton);
        QCOMPARE(firstLine(app->pane(mouseover::fields::HeadPane)), QStringLiteral("<html>"));
        QCOMPARE(firstLine(app->pane(mouseover::fields::ScriptPane)),
                 QStringLiteral("function MouseOver(image,status,mous){"));
        addImage("c1.png", "c2.png");
        QVERIFY(app->pane(mouseover::fields::BodyPane)
                    .startsWith("<a href=\"\" onMouseOver=\"MouseOver('c2.png','','mouse1')"));
        option()->trigger();
        QVERIFY(status->currentMessage().startsWith("The MouseOver document stays classic"));
    }

    // Save As HTML and Publish write the page's style and script beside it,
    // and nothing inline is left in the page.
    void separateFilesBesideThePage() {
        auto* separate = findControl<QAction>(window(), "SeparateFiles");
        QVERIFY(!separate->isEnabled() && !separate->isChecked());
        option()->trigger();
        QVERIFY(separate->isEnabled());
        separate->trigger();
        app->type(popup::fields::Url, QStringLiteral("pop.html"));
        app->click(popup::controls::MakeCode);
        const QString site = app->folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        app->fake.saveAnswers << site + "/pop up.html";
        findControl<QAction>(window(), popup::controls::SaveAsHtml)->trigger();
        const QString page = QString::fromUtf8(readBytes(site + "/pop up.html"));
        QVERIFY(page.contains("<link rel=\"stylesheet\" href=\"pop%20up.css\">"));
        QVERIFY(page.contains("<script src=\"pop%20up.js\"></script>"));
        QVERIFY(!page.contains("<script>") && !page.contains(" style=\""));
        QVERIFY(readBytes(site + "/pop up.js").contains("dialog.showModal();"));
        QVERIFY(readBytes(site + "/pop up.css").contains(".qm-s1 { "));

        for (const char* name : {"/start.png", "/next.png"})
            writeBytes(site + name, "picture");
        app->fake.openAnswers << QStringList{site + "/start.png", site + "/next.png"};
        app->click(slideshow::controls::AddImages);
        findControl<QListWidget>(window(), slideshow::fields::Images)->setCurrentRow(0);
        app->click(slideshow::controls::ChooseInitial);
        app->click(slideshow::controls::MakeCode);
        const QString published = app->folder.file(QStringLiteral("published"));
        QDir().mkpath(published);
        app->fake.saveAnswers << published + "/show.html";
        findControl<QAction>(window(), slideshow::controls::Publish)->trigger();
        QCOMPARE(app->fake.notices.last().text, QStringLiteral("Publish complete!"));
        QVERIFY(readBytes(published + "/show.html").contains("<script src=\"show.js\"></script>"));
        for (const char* file : {"/show.css", "/show.js", "/start.png", "/next.png"})
            QVERIFY2(QFileInfo::exists(published + file), file);

        // The choice is kept with Modern HTML5 Output and needs it.
        app->reopen();
        separate = findControl<QAction>(window(), "SeparateFiles");
        QVERIFY(separate->isChecked() && separate->isEnabled());
        option()->trigger();
        QVERIFY(!separate->isEnabled());
    }

    void choiceIsRememberedForTheNextRun() {
        option()->trigger();
        app->reopen();
        QVERIFY(option()->isChecked());
        QCOMPARE(firstLine(app->pane(mouseover::fields::HeadPane)), Doctype);
        option()->trigger();
        app->reopen();
        QVERIFY(!option()->isChecked());
        QVERIFY(app->fake.notices.isEmpty());
    }
};

QTEST_MAIN(ModernOutputUiTest)
#include "modern_output_ui_test.moc"
