#include "app/application_windows.h"
#include "app/main_window.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"

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
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<FakeDesktop> fake;
    std::unique_ptr<ApplicationWindows> windows;

    QWidget* window() const { return windows->mainWindow.get(); }
    QAction* option() const { return findControl<QAction>(window(), "ModernOutput"); }
    void click(const char* name) const {
        findControl<QAbstractButton>(window(), QLatin1String(name))->click();
    }
    void type(const char* field, const QString& text) const {
        findControl<QLineEdit>(window(), QLatin1String(field))->setText(text);
    }
    QString pane(const char* name) const {
        return findControl<QPlainTextEdit>(window(), QLatin1String(name))->toPlainText();
    }
    void reopen() {
        windows.reset();
        windows = std::make_unique<ApplicationWindows>();
        windows->mainWindow->buildEveryTab();
    }
    // One MouseOver button with the two images given.
    void addImage(const QString& initial, const QString& over) const {
        type("Edit10", initial);
        type("Edit11", over);
        click("BitBtn14");
    }

private slots:
    void init() {
        folder = std::make_unique<ProgramFolder>();
        fake = std::make_unique<FakeDesktop>();
        windows = std::make_unique<ApplicationWindows>();
        windows->mainWindow->buildEveryTab();
    }
    void cleanup() {
        windows.reset();
        fake.reset();
        folder.reset();
    }

    void oneSharedChoiceInEveryMakersOptionsMenu() {
        QAction* choice = option();
        QVERIFY(choice->isCheckable());
        QVERIFY(!choice->isChecked());
        QSet<QString> tabs;
        for (QObject* holder : choice->associatedObjects()) {
            auto* menu = qobject_cast<QMenu*>(holder);
            QVERIFY(menu);
            // The menu bar's Options offers the current tab's entries.
            if (menu->objectName() == QLatin1String("MainOptionsMenu"))
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
        QCOMPARE(tabs, (QSet<QString>{"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"}));
    }

    void everyMakerFollowsTheChoice() {
        type("Edit6", QStringLiteral("pop.html"));
        click("BitBtn7");
        click("BitBtn10");
        QCOMPARE(firstLine(pane("Memo3")), QStringLiteral("<script type=\"text/javascript\">"));
        QCOMPARE(firstLine(pane("Memo4")), QStringLiteral("<html>"));

        option()->trigger();
        click("BitBtn7");
        click("BitBtn10");
        QCOMPARE(firstLine(pane("Memo3")), QStringLiteral("<nav aria-label=\"Menu\">"));
        QCOMPARE(firstLine(pane("Memo4")), Doctype);

        // The slideshow, made and published as modern pages.
        const QString pictures = folder->file(QStringLiteral("my pictures"));
        QDir().mkpath(pictures);
        for (const char* name : {"start #1.png", "été.png"})
            writeBytes(pictures + QLatin1Char('/') + QString::fromUtf8(name), "picture");
        fake->openAnswers << QStringList{pictures + "/start #1.png", pictures + "/été.png"};
        click("BitBtn33");
        findControl<QListWidget>(window(), "ListBox2")->setCurrentRow(0);
        click("Button6");
        click("BitBtn32");
        QCOMPARE(firstLine(pane("Memo19")), Doctype);
        QVERIFY(pane("Memo19").contains("/my%20pictures/%C3%A9t%C3%A9.png"));

        const QString site = folder->file(QStringLiteral("site"));
        QDir().mkpath(site);
        fake->saveAnswers << site + "/show.html";
        findControl<QAction>(window(), "Publish1")->trigger();
        QCOMPARE(fake->notices.last().text, QStringLiteral("Publish complete!"));
        const QString published = QString::fromUtf8(readBytes(site + "/show.html"));
        QVERIFY(published.contains("<option value=\"start%20%231.png\" selected>Start</option>"));
        QVERIFY(published.contains("<option value=\"%C3%A9t%C3%A9.png\">Image 1</option>"));
        QVERIFY(QFileInfo::exists(site + "/été.png"));

        option()->trigger();
        click("BitBtn7");
        QCOMPARE(firstLine(pane("Memo3")), QStringLiteral("<script type=\"text/javascript\">"));
    }

    void mouseOverDocumentKeepsItsKindUntilNew() {
        QStatusBar* status = findControl<QStatusBar>(window(), "StatusBar1");
        // A document that holds nothing yet follows the choice at once.
        option()->trigger();
        QCOMPARE(firstLine(pane("Memo6")), Doctype);
        QVERIFY(pane("Memo7").startsWith(QLatin1String("(function () {")));
        QVERIFY(status->currentMessage().isEmpty());

        addImage("a1.png", "a2.png");
        option()->trigger();
        QCOMPARE(status->currentMessage(),
                 QStringLiteral("The MouseOver document stays modern: the classic output takes "
                                "effect there at the next New"));
        addImage("b1.png", "b2.png");
        QVERIFY(
            pane("Memo8").contains("\n<span data-over-holder><a href=\"\" aria-label=\"Link\"><img "
                                   "src=\"b1.png\" data-over-src=\"b2.png\" alt=\"\"></a>"));
        QVERIFY(pane("Memo6").contains("\nnew Image().src = \"b2.png\";"));

        click("ToolButton32");
        QCOMPARE(firstLine(pane("Memo6")), QStringLiteral("<html>"));
        QCOMPARE(firstLine(pane("Memo7")),
                 QStringLiteral("function MouseOver(image,status,mous){"));
        addImage("c1.png", "c2.png");
        QVERIFY(
            pane("Memo8").startsWith("<a href=\"\" onMouseOver=\"MouseOver('c2.png','','mouse1')"));
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
        type("Edit6", QStringLiteral("pop.html"));
        click("BitBtn10");
        const QString site = folder->file(QStringLiteral("site"));
        QDir().mkpath(site);
        fake->saveAnswers << site + "/pop up.html";
        findControl<QAction>(window(), "AsHTML2")->trigger();
        const QString page = QString::fromUtf8(readBytes(site + "/pop up.html"));
        QVERIFY(page.contains("<link rel=\"stylesheet\" href=\"pop%20up.css\">"));
        QVERIFY(page.contains("<script src=\"pop%20up.js\"></script>"));
        QVERIFY(!page.contains("<script>") && !page.contains(" style=\""));
        QVERIFY(readBytes(site + "/pop up.js").contains("dialog.showModal();"));
        QVERIFY(readBytes(site + "/pop up.css").contains(".qm-s1 { "));

        for (const char* name : {"/start.png", "/next.png"})
            writeBytes(site + name, "picture");
        fake->openAnswers << QStringList{site + "/start.png", site + "/next.png"};
        click("BitBtn33");
        findControl<QListWidget>(window(), "ListBox2")->setCurrentRow(0);
        click("Button6");
        click("BitBtn32");
        const QString published = folder->file(QStringLiteral("published"));
        QDir().mkpath(published);
        fake->saveAnswers << published + "/show.html";
        findControl<QAction>(window(), "Publish1")->trigger();
        QCOMPARE(fake->notices.last().text, QStringLiteral("Publish complete!"));
        QVERIFY(readBytes(published + "/show.html").contains("<script src=\"show.js\"></script>"));
        for (const char* file : {"/show.css", "/show.js", "/start.png", "/next.png"})
            QVERIFY2(QFileInfo::exists(published + file), file);

        // The choice is kept with Modern HTML5 Output and needs it.
        reopen();
        separate = findControl<QAction>(window(), "SeparateFiles");
        QVERIFY(separate->isChecked() && separate->isEnabled());
        option()->trigger();
        QVERIFY(!separate->isEnabled());
    }

    void choiceIsRememberedForTheNextRun() {
        option()->trigger();
        reopen();
        QVERIFY(option()->isChecked());
        QCOMPARE(firstLine(pane("Memo6")), Doctype);
        option()->trigger();
        reopen();
        QVERIFY(!option()->isChecked());
        QVERIFY(fake->notices.isEmpty());
    }
};

QTEST_MAIN(ModernOutputUiTest)
#include "modern_output_ui_test.moc"
