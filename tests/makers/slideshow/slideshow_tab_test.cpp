#include "core/text_file.h"
#include "core/web_images.h"
#include "makers/slideshow/slideshow_page.h"
#include "makers/slideshow/slideshow_tab.h"
#include "support/camera_photo.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/keyboard_access.h"
#include "support/test_files.h"
#include "widgets/edit_actions.h"
#include "widgets/output_commands.h"
#include "widgets/tab_context.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

// One tab as the main window makes it, with the desktop faked.
struct Fixture {
    // Modern: with the "Modern HTML5 Output" choice checked.
    explicit Fixture(bool modern = false) {
        context.folders = ProgramFolders::portable(folder.path());
        context.editActions = &actions;
        if (modern) {
            modernOutput =
                std::make_unique<ModernOutput>(ModernOutput::defaultChoiceFile(), nullptr);
            modernOutput->action()->setChecked(true);
            context.modernOutput = modernOutput.get();
        }
        tab = std::make_unique<SlideshowTab>(context);
    }

    void click(const char* name) const { findControl<QAbstractButton>(*tab, name)->click(); }
    QString text(const char* name) const { return findControl<QLineEdit>(*tab, name)->text(); }
    QString caption(const char* name) const { return findControl<QLabel>(*tab, name)->text(); }
    bool enabled(const char* name) const { return findControl<QWidget>(*tab, name)->isEnabled(); }
    QStringList entries() const {
        QStringList texts;
        const auto* list = findControl<QListWidget>(*tab, "ListBox2");
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    void add(const QStringList& files) {
        fake.openAnswers << files;
        click("BitBtn33");
    }
    // The user clicks the entry in the given row.
    void select(int row) const {
        auto* list = findControl<QListWidget>(*tab, "ListBox2");
        list->setCurrentRow(row);
    }
    // The user clicks the entry with the mouse.
    void clickEntry(int row) const {
        auto* list = findControl<QListWidget>(*tab, "ListBox2");
        tab->show();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QString pane() const { return findControl<QPlainTextEdit>(*tab, "Memo19")->toPlainText(); }

    ProgramFolder folder;
    FakeDesktop fake;
    EditActions actions{nullptr};
    std::unique_ptr<ModernOutput> modernOutput;
    TabContext context;
    std::unique_ptr<SlideshowTab> tab;
};

QString makeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, bytes);
    return path;
}

} // namespace

class SlideshowTabTest final : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheDefaults() {
        Fixture f;
        QCOMPARE(findControl<QTabWidget>(*f.tab, "PageControl2")->currentWidget()->objectName(),
                 QStringLiteral("TabSheet6"));
        QCOMPARE(f.caption("Label74"), QStringLiteral("0"));
        for (const char* off : {"BitBtn29", "Button6", "Label39", "Edit19", "Label40", "Edit20",
                                "Button4", "BitBtn18"})
            QVERIFY2(!f.enabled(off), off);
        for (const char* label : {"Label45", "Label49", "Label52", "Label56", "Label57", "Label65",
                                  "Label66", "Label72", "Label73"})
            QCOMPARE(f.caption(label), QStringLiteral("#FFFFFF"));
        QCOMPARE(findControl<QSpinBox>(*f.tab, "SpinEdit7")->text(), QStringLiteral("1"));
        QCOMPARE(findControl<QSpinBox>(*f.tab, "SpinEdit7")->maximum(), 999);
        QCOMPARE(findControl<QSpinBox>(*f.tab, "SpinEdit8")->text(), QStringLiteral("2"));
        QCOMPARE(findControl<QSpinBox>(*f.tab, "SpinEdit9")->maximum(), 25);
        for (const char* font : {"ComboBox9", "ComboBox12", "ComboBox15"})
            QCOMPARE(findControl<QComboBox>(*f.tab, font)->currentText(),
                     QStringLiteral("Times New Roman"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox11")->currentText(), QStringLiteral("10"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox11")->count(), 72);
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox10")->currentText(), QStringLiteral("1"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox13")->count(), 8);
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox16")->currentText(),
                 QStringLiteral("Solid"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox17")->count(), 26);
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox17")->currentText(), QStringLiteral("0"));
        QCOMPARE(findControl<QWidget>(*f.tab, "BitBtn32")->toolTip(),
                 QStringLiteral("Generate HTML Code"));
        QCOMPARE(findControl<QWidget>(*f.tab, "BitBtn18")->toolTip(),
                 QStringLiteral("Audition Sound (Preview)"));
        QCOMPARE(findControl<QWidget>(*f.tab, "BitBtn26")->toolTip(),
                 QStringLiteral("Choose Image List Text Color"));
    }

    // Every setting reaches its control and comes back; the start and New
    // both show the defaults.
    void appliedSettingsComeBack() {
        Fixture f;
        QCOMPARE(f.tab->settings(), SlideshowSettings());
        SlideshowSettings s;
        s.images = {"/p/b.jpg", "/p/a.jpg", "/p/b.jpg"};
        s.initialImage = "/p/start.jpg";
        s.transitionTime = "7";
        s.centreConsole = s.rightClickDisable = s.playSound = true;
        s.rightClickMessage = "No!";
        s.sound = "/s/tune.mid";
        s.pageTitle = "Title";
        s.backgroundImage = "/bg/paper.gif";
        s.headingText = "Heading";
        s.headingFont = "Arial";
        s.headingBold = s.headingItalic = s.headingUnderline = true;
        s.headingSize = "33";
        s.borderWidth = "5";
        s.cellSpacing = "0";
        s.cellPadding = "25";
        s.buttonFont = "Courier";
        s.buttonBorderStyle = "Dotted";
        s.buttonBorderWidth = "9";
        s.listFont = "Verdana";
        s.listBorderStyle = "Inset";
        s.listBorderWidth = "25";
        QString* colours[] = {&s.pageBackgroundColor,   &s.headingColor,        &s.borderColor,
                              &s.consoleColor,          &s.headingCellColor,    &s.buttonTextColor,
                              &s.buttonBackgroundColor, &s.listBackgroundColor, &s.listItemColor};
        for (int n = 0; n < 9; ++n)
            *colours[n] = QStringLiteral("#1234A%1").arg(n);

        f.tab->applySettings(s);
        QCOMPARE(f.tab->settings(), s);
        QCOMPARE(f.caption("Label74"), QStringLiteral("3"));
        QCOMPARE(findControl<QWidget>(*f.tab, "Memo18")->palette().color(QPalette::Window),
                 QColor(0x12, 0x34, 0xA8));
        for (const char* on : {"Label39", "Edit19", "Label40", "Edit20", "Button4", "BitBtn18"})
            QVERIFY2(f.enabled(on), on);
        QVERIFY(!f.enabled("BitBtn29") && !f.enabled("Button6"));

        f.click("ToolButton49");
        QCOMPARE(f.tab->settings(), SlideshowSettings());
    }

    // Each control has a name of its own for screen readers, and Tab reads
    // the left half, then each sub-page from top to bottom.
    void controlsAreNamedAndTabbedInReadingOrder() {
        Fixture f;
        const QStringList order = {
            "Memo19",     "BitBtn27",   "BitBtn28",     "ListBox2",     "BitBtn29",
            "BitBtn30",   "BitBtn31",   "BitBtn32",     "BitBtn33",     "Edit23",
            "Button6",    "Button3",    "SpinEdit7",    "CheckBox13",   "CheckBox14",
            "Edit19",     "CheckBox15", "Edit20",       "Button4",      "BitBtn18",
            "Edit21",     "BitBtn17",   "Edit22",       "Button5",      "Edit18",
            "ComboBox9",  "BitBtn19",   "ToolButton46", "ToolButton47", "ToolButton48",
            "ComboBox11", "BitBtn20",   "ComboBox10",   "BitBtn21",     "BitBtn22",
            "SpinEdit8",  "SpinEdit9",  "ComboBox12",   "BitBtn23",     "BitBtn24",
            "ComboBox13", "ComboBox14", "ComboBox15",   "BitBtn25",     "BitBtn26",
            "ComboBox16", "ComboBox17"};
        QStringList names;
        for (const QString& name : order) {
            QWidget* control = findControl<QWidget>(*f.tab, name);
            const QString spoken = spokenName(control);
            QVERIFY2(spoken.contains(QRegularExpression("[A-Za-z]{2}")) && spoken != "OK",
                     qPrintable(name + ": " + spoken));
            QVERIFY2(!names.contains(spoken), qPrintable(spoken));
            QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(name));
            names << spoken;
        }
        QStringList reached;
        QWidget* first = findControl<QWidget>(*f.tab, order.first());
        QWidget* control = first;
        do {
            if (order.contains(control->objectName()) && !reached.contains(control->objectName()))
                reached << control->objectName();
            control = control->nextInFocusChain();
        } while (control != first);
        QCOMPARE(reached, order);
    }

    void toolBarMenus() {
        Fixture f;
        auto* saveAs = findControl<QToolButton>(*f.tab, "ToolButton50");
        QCOMPARE(saveAs->menu(), findControl<QMenu>(*f.tab, "PopupMenu11"));
        const QList<QAction*> items = saveAs->menu()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("Save"));
        QCOMPARE(items[0]->menu()->actions(),
                 QList<QAction*>({findControl<QAction>(*f.tab, "AsHTML4"),
                                  findControl<QAction>(*f.tab, "AsText4")}));
        QCOMPARE(items[1], findControl<QAction>(*f.tab, "Publish1"));
        // The face of Save As does nothing of its own.
        saveAs->click();
        QVERIFY(f.fake.fileQuestions.isEmpty());
        QVERIFY(f.fake.notices.isEmpty());
        QVERIFY(findControl<QAction>(*f.tab, "Help6"));
        QVERIFY(findControl<QAction>(*f.tab, "About5"));
        QCOMPARE(findControl<QToolButton>(*f.tab, "ToolButton61")->menu()->actions(),
                 QList<QAction*>({findControl<QAction>(*f.tab, "Preview3")}));
    }

    void addingImagesKeepsOrderAndDuplicates() {
        Fixture f;
        f.add({"/p/b.jpg", "/p/a.jpg"});
        f.add({"/p/b.jpg"});
        QCOMPARE(f.entries(), QStringList({"/p/b.jpg", "/p/a.jpg", "/p/b.jpg"}));
        QCOMPARE(f.caption("Label74"), QStringLiteral("3"));
        f.click("BitBtn33"); // cancelled
        QCOMPARE(f.entries().size(), 3);
        const FakeDesktop::FileQuestion& asked = f.fake.fileQuestions.last();
        QCOMPARE(asked.request.name, QStringLiteral("OpenDialog3"));
        QCOMPARE(asked.request.title, QStringLiteral("Open Images"));
        QVERIFY(asked.multiple);
        QCOMPARE(asked.current, QString()); // the name is cleared each time
        QCOMPARE(asked.request.filters.size(), 5);
        QCOMPARE(asked.request.filters.at(asked.request.selectedFilter),
                 QStringLiteral("All Supported Images (*.jpg *.jpeg *.jpe *.gif *.bmp *.png)"));
    }

    void choosingTheInitialImageTakesItOutOfTheList() {
        Fixture f;
        f.add({"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"});
        f.select(1);
        QVERIFY(f.enabled("BitBtn29") && f.enabled("Button6"));
        QCOMPARE(findControl<QWidget>(*f.tab, "ListBox2")->toolTip(), QStringLiteral("/p/2.jpg"));
        f.click("Button6");
        QCOMPARE(f.text("Edit23"), QStringLiteral("/p/2.jpg"));
        QCOMPARE(findControl<QWidget>(*f.tab, "Edit23")->toolTip(), QStringLiteral("/p/2.jpg"));
        QCOMPARE(f.entries(), QStringList({"/p/1.jpg", "/p/3.jpg"}));
        QCOMPARE(f.caption("Label74"), QStringLiteral("2"));
        QVERIFY(!f.enabled("BitBtn29") && !f.enabled("Button6"));

        // A second choice discards the first; the entry now in row 1 counts
        // as a fresh click.
        f.select(1);
        QVERIFY(f.enabled("Button6"));
        f.click("Button6");
        QCOMPARE(f.text("Edit23"), QStringLiteral("/p/3.jpg"));
        QCOMPARE(f.entries(), QStringList({"/p/1.jpg"}));
        f.click("Button3");
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Information);
        QVERIFY(f.fake.lastNotice().startsWith("Choose the image you would like"));
    }

    void deleteAsksAndClearsAMatchingInitialImage() {
        Fixture f;
        f.add({"/p/1.jpg", "/p/2.jpg", "/p/1.jpg"});
        f.select(0);
        f.click("Button6");
        QCOMPARE(f.text("Edit23"), QStringLiteral("/p/1.jpg"));

        f.select(1); // the second "/p/1.jpg"
        f.fake.confirmAnswers << false;
        f.click("BitBtn29");
        QCOMPARE(f.fake.confirmations.last(),
                 QStringLiteral("Are you sure you want to delete the selected item?"));
        QCOMPARE(f.entries().size(), 2);
        QVERIFY(f.enabled("BitBtn29"));

        f.click("BitBtn29");
        QCOMPARE(f.entries(), QStringList({"/p/2.jpg"}));
        QCOMPARE(f.text("Edit23"), QString());
        QCOMPARE(f.caption("Label74"), QStringLiteral("1"));
        QVERIFY(!f.enabled("BitBtn29") && !f.enabled("Button6"));

        f.clickEntry(0);
        QVERIFY(f.enabled("BitBtn29"));
        f.click("BitBtn29");
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.caption("Label74"), QStringLiteral("0"));
    }

    void sortOnceIgnoringCaseAndClearAll() {
        Fixture f;
        f.add({"/b/x.jpg", "/c/Q.jpg", "/A/z.jpg", "/a/y.jpg", "/C/q.jpg"});
        f.click("BitBtn30");
        // Paths equal but for letter case are equal for the sort and keep their order.
        QCOMPARE(f.entries(),
                 QStringList({"/a/y.jpg", "/A/z.jpg", "/b/x.jpg", "/c/Q.jpg", "/C/q.jpg"}));
        f.add({"/0.jpg"});
        QCOMPARE(f.entries().last(), QStringLiteral("/0.jpg"));

        f.select(0);
        f.click("Button6");
        f.fake.confirmAnswers << false;
        f.click("BitBtn31");
        QCOMPARE(f.entries().size(), 5);
        f.click("BitBtn31");
        QCOMPARE(
            f.fake.confirmations.last(),
            QStringLiteral("Are you sure you want to erase ALL images in the image list box?"));
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.caption("Label74"), QStringLiteral("0"));
        QCOMPARE(f.text("Edit23"), QString());
    }

    void checkBoxesEnableTheirControlsAndKeepTexts() {
        Fixture f;
        auto* rightClick = findControl<QCheckBox>(*f.tab, "CheckBox14");
        rightClick->click();
        QVERIFY(f.enabled("Label39") && f.enabled("Edit19"));
        findControl<QLineEdit>(*f.tab, "Edit19")->setText(QStringLiteral("No!"));
        rightClick->click();
        QVERIFY(!f.enabled("Label39") && !f.enabled("Edit19"));
        QCOMPARE(f.text("Edit19"), QStringLiteral("No!"));

        auto* sound = findControl<QCheckBox>(*f.tab, "CheckBox15");
        sound->click();
        for (const char* name : {"Label40", "Edit20", "Button4", "BitBtn18"})
            QVERIFY2(f.enabled(name), name);
        f.fake.openAnswers << QStringList{"/music/tune.mid"};
        f.click("Button4");
        sound->click();
        for (const char* name : {"Label40", "Edit20", "Button4", "BitBtn18"})
            QVERIFY2(!f.enabled(name), name);
        QCOMPARE(f.text("Edit20"), QStringLiteral("/music/tune.mid"));
    }

    void choosersRememberTheirFiles() {
        Fixture f;
        findControl<QCheckBox>(*f.tab, "CheckBox15")->click();
        f.fake.openAnswers << QStringList{"/music/a.wav"};
        f.click("Button4");
        f.click("Button4"); // cancelled
        QCOMPARE(f.text("Edit20"), QStringLiteral("/music/a.wav"));
        QCOMPARE(f.fake.fileQuestions.last().request.name, QStringLiteral("OpenDialog1"));
        QCOMPARE(f.fake.fileQuestions.last().current, QStringLiteral("/music/a.wav"));
        QCOMPARE(f.fake.fileQuestions.last().request.filters,
                 QStringList({"All Music Files (*.wav *.mid)"}));

        f.fake.openAnswers << QStringList{"/bg/paper.gif"};
        f.click("Button5");
        f.click("Button5");
        QCOMPARE(f.text("Edit22"), QStringLiteral("/bg/paper.gif"));
        QCOMPARE(f.fake.fileQuestions.last().request.name, QStringLiteral("OpenDialog2"));
        QCOMPARE(f.fake.fileQuestions.last().current, QStringLiteral("/bg/paper.gif"));
        QCOMPARE(f.fake.fileQuestions.last().request.filters.last(),
                 QStringLiteral("All Files (*)"));
    }

    void auditionChoosesThePlayerByTheLastLetter() {
        Fixture f;
        findControl<QCheckBox>(*f.tab, "CheckBox15")->click();
        f.click("BitBtn18");
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("No sound specified!"));
        for (const char* path : {"/s/a.WAV", "/s/b.wav", "/s/c.mid", "/s/d.wav ", "/s/e.V"}) {
            f.fake.openAnswers << QStringList{QLatin1String(path)};
            f.click("Button4");
            f.click("BitBtn18");
        }
        QCOMPARE(f.fake.wavesPlayed, QStringList({"/s/a.WAV", "/s/b.wav", "/s/e.V"}));
        QCOMPARE(f.fake.midisPlayed, QStringList({"/s/c.mid", "/s/d.wav "}));
        QCOMPARE(f.fake.notices.size(), 1);
    }

    void makeCodeRefusesInOrderAndKeepsThePane() {
        Fixture f;
        findControl<QPlainTextEdit>(*f.tab, "Memo19")->setPlainText(QStringLiteral("my own text"));
        f.click("BitBtn32");
        QCOMPARE(
            f.fake.lastNotice(),
            QStringLiteral("No images in image list. Please add images before generating code!"));
        f.add({"/p/1.jpg"});
        f.click("BitBtn32");
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("Please specify an initial image first!"));
        QCOMPARE(f.pane(), QStringLiteral("my own text"));

        f.add({"/p/2.jpg"});
        f.select(0);
        f.click("Button6");
        findControl<QCheckBox>(*f.tab, "CheckBox13")->click();
        findControl<QToolButton>(*f.tab, "ToolButton46")->click();
        findControl<QSpinBox>(*f.tab, "SpinEdit7")->setValue(7);
        f.click("BitBtn32");
        QCOMPARE(f.fake.notices.size(), 2);
        const QStringList lines = f.pane().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 85); // 84 lines, each ended by a line break
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines[5], QStringLiteral("var rotate_delay =7000;"));
        QVERIFY(lines[52].endsWith("align=\"center\">"));
        QVERIFY(lines[55].contains("font-weight:bold;"));
        QCOMPARE(lines[60], QStringLiteral("<img src=\"/p/1.jpg\" name=\"show\">"));
        QCOMPARE(lines[67], QStringLiteral("<option value=\"/p/2.jpg\">Image 1"));
    }

    void colourButtonsAndNew() {
        Fixture f;
        f.fake.colourAnswers << QColor(0x12, 0x34, 0xAB);
        f.click("BitBtn26");
        QCOMPARE(f.caption("Label73"), QStringLiteral("#1234AB"));

        f.add({"/p/1.jpg", "/p/2.jpg"});
        f.select(0);
        f.click("Button6");
        f.click("BitBtn32");
        findControl<QTabWidget>(*f.tab, "PageControl2")->setCurrentIndex(2);
        findControl<QCheckBox>(*f.tab, "CheckBox13")->click();
        findControl<QCheckBox>(*f.tab, "CheckBox14")->click();
        findControl<QCheckBox>(*f.tab, "CheckBox15")->click();
        f.fake.openAnswers << QStringList{"/s/x.wav"} << QStringList{"/bg/y.gif"};
        f.click("Button4");
        f.click("Button5");
        for (const char* edit : {"Edit18", "Edit19", "Edit21"})
            findControl<QLineEdit>(*f.tab, edit)->setText(QStringLiteral("typed"));
        findControl<QSpinBox>(*f.tab, "SpinEdit7")->setValue(9);
        findControl<QSpinBox>(*f.tab, "SpinEdit9")->setValue(20);
        findControl<QComboBox>(*f.tab, "ComboBox9")->setEditText(QStringLiteral("Arial"));
        findControl<QComboBox>(*f.tab, "ComboBox11")->setEditText(QStringLiteral("33"));
        findControl<QComboBox>(*f.tab, "ComboBox10")->setCurrentIndex(5);
        findControl<QComboBox>(*f.tab, "ComboBox16")->setCurrentIndex(3);
        findControl<QComboBox>(*f.tab, "ComboBox14")->setCurrentIndex(9);
        findControl<QToolButton>(*f.tab, "ToolButton48")->click();

        f.fake.confirmAnswers << false;
        f.click("ToolButton49");
        QCOMPARE(f.fake.confirmations.last(),
                 QStringLiteral("Are you sure you want to erase all fields and start a new "
                                "document?"));
        QCOMPARE(f.text("Edit21"), QStringLiteral("typed"));

        f.click("ToolButton49");
        QCOMPARE(findControl<QTabWidget>(*f.tab, "PageControl2")->currentIndex(), 0);
        QCOMPARE(f.pane(), QString());
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.caption("Label74"), QStringLiteral("0"));
        for (const char* edit : {"Edit18", "Edit19", "Edit20", "Edit21", "Edit22", "Edit23"})
            QCOMPARE(f.text(edit), QString());
        for (const char* box : {"CheckBox13", "CheckBox14", "CheckBox15"})
            QVERIFY(!findControl<QCheckBox>(*f.tab, box)->isChecked());
        for (const char* off : {"BitBtn29", "Button6", "Edit19", "Edit20", "Button4", "BitBtn18"})
            QVERIFY2(!f.enabled(off), off);
        QCOMPARE(findControl<QSpinBox>(*f.tab, "SpinEdit7")->text(), QStringLiteral("1"));
        QCOMPARE(findControl<QSpinBox>(*f.tab, "SpinEdit9")->text(), QStringLiteral("2"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox9")->currentText(),
                 QStringLiteral("Times New Roman"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox11")->currentText(), QStringLiteral("10"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox10")->currentText(), QStringLiteral("1"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox16")->currentText(),
                 QStringLiteral("Solid"));
        QCOMPARE(findControl<QComboBox>(*f.tab, "ComboBox14")->currentText(), QStringLiteral("0"));
        QVERIFY(!findControl<QToolButton>(*f.tab, "ToolButton48")->isChecked());
        QCOMPARE(f.caption("Label73"), QStringLiteral("#FFFFFF"));

        // The colour dialog opens on the restored colour; the choosers keep their last files.
        f.click("BitBtn26");
        QCOMPARE(f.fake.colourStarts.last(), QColor(Qt::white));
        f.click("Button5");
        QCOMPARE(f.fake.fileQuestions.last().current, QStringLiteral("/bg/y.gif"));
    }

    void optimisedImagesAreAModernPublishChoiceRemembered() {
        setWebImagePlugin(QStringLiteral(QUILLMINT_IMAGES_PLUGIN_FILE));
        Fixture f(true);
        auto* menu = findControl<QMenu>(*f.tab, "PopupMenu11");
        auto* optimise = findControl<QAction>(*f.tab, "OptimiseImages");
        QVERIFY(menu->actions().contains(optimise) && !optimise->isChecked());
        f.modernOutput->action()->trigger();
        QVERIFY(!menu->actions().contains(optimise));
        f.modernOutput->action()->trigger();
        optimise->trigger();
        findControl<QAction>(*f.tab, "WebImageSize800")->trigger();

        QImage picture(2000, 1000, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        picture.save(&jpeg, "JPEG");
        const QString photo = makeFile(f.folder.file(QStringLiteral("pics/photo.jpg")),
                                       withCameraExif(jpeg.data(), 6));
        f.add({photo, photo});
        f.select(0);
        f.click("Button6");
        f.click("BitBtn32");
        const QString site = f.folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        f.fake.saveAnswers << site + "/show.html";
        findControl<QAction>(*f.tab, "Publish1")->trigger();
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("Publish complete!"));
        QCOMPARE(QDir(site).entryList(QDir::Files, QDir::Name),
                 QStringList({"photo-1600.jpg", "photo-1600.webp", "photo-800.jpg",
                              "photo-800.webp", "show.html"}));
        QVERIFY(
            readBytes(site + "/show.html")
                .contains("<source type=\"image/webp\" srcset=\"photo-800.webp, "
                          "photo-1600.webp 2x\"><img src=\"photo-800.jpg\" srcset=\"photo-800.jpg, "
                          "photo-1600.jpg 2x\" width=\"400\" height=\"800\""));

        const SlideshowTab again(f.context);
        QVERIFY(findControl<QAction>(again, "OptimiseImages")->isChecked());
        QVERIFY(findControl<QAction>(again, "WebImageSize800")->isChecked());
    }

    void saveAsHtmlWarnsAndPreviewFollowsTheLastSave() {
        Fixture f;
        f.click("ToolButton61");
        QCOMPARE(f.fake.lastNotice(),
                 QStringLiteral("Please save in HTML format or publish before previewing!"));
        findControl<QPlainTextEdit>(*f.tab, "Memo19")
            ->setPlainText(QStringLiteral("<html></html>"));
        const QString saved = f.folder.file(QStringLiteral("saved"));
        f.fake.saveAnswers << saved;
        findControl<QAction>(*f.tab, "AsHTML4")->trigger();
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Warning);
        QVERIFY(f.fake.lastNotice().startsWith("Please note: the slideshow HTML file"));
        QCOMPARE(f.fake.fileQuestions.last().request.name, QStringLiteral("SaveDialog7"));
        QCOMPARE(readBytes(saved + ".html"), QByteArray("<html></html>\r\n"));
        findControl<QAction>(*f.tab, "Preview3")->trigger();
        QCOMPARE(f.fake.opened.last(), QUrl::fromLocalFile(saved + ".html"));
    }

    void publishWritesThePageAndItsFiles() {
        Fixture f;
        const QString pics = f.folder.file(QStringLiteral("my pics/"));
        const QString one = makeFile(pics + "x/one's \"best\" é.jpg", "one");
        const QString two = makeFile(pics + "y/one's \"best\" é.jpg", "two");
        const QString start = makeFile(pics + "start.jpg", "start");
        const QString tune = makeFile(pics + "tune.mid", "tune");
        findControl<QAction>(*f.tab, "Publish1")->trigger();
        QCOMPARE(f.fake.lastNotice(),
                 QStringLiteral("Please first generate code before publishing!"));
        QVERIFY(f.fake.fileQuestions.isEmpty());

        f.add({start, one, two});
        f.select(0);
        f.click("Button6");
        // The sound is copied although it does not play.
        auto* sound = findControl<QCheckBox>(*f.tab, "CheckBox15");
        sound->click();
        f.fake.openAnswers << QStringList{tune};
        f.click("Button4");
        sound->click();
        f.click("BitBtn32");
        const QString codeBefore = f.pane();

        const QString site = f.folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        f.fake.saveAnswers << site + "/show";
        findControl<QAction>(*f.tab, "Publish1")->trigger();
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("Publish complete!"));
        QCOMPARE(f.fake.fileQuestions.last().request.name, QStringLiteral("SaveDialog9"));
        QCOMPARE(f.fake.fileQuestions.last().request.title, QStringLiteral("Publish"));
        QCOMPARE(f.pane(), codeBefore);

        // The page names a file with an accent, so it is marked as UTF-8.
        const QByteArray bytes = readBytes(site + "/show.html");
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF<html>\r\n"));
        const QStringList page = decodeText(bytes).split(QStringLiteral("\r\n"));
        QCOMPARE(page.size(), 86);
        QCOMPARE(page[60], QStringLiteral("<img src=\"start.jpg\" name=\"show\">"));
        QCOMPARE(page[67], QStringLiteral("<option value=\"one's \"best\" é.jpg\">Image 1"));
        QCOMPARE(page[68], QStringLiteral("<option value=\"one's \"best\" é.jpg\">Image 2"));
        QCOMPARE(readBytes(site + "/one's \"best\" é.jpg"), QByteArray("two"));
        QCOMPARE(readBytes(site + "/tune.mid"), QByteArray("tune"));
        QCOMPARE(readBytes(site + "/start.jpg"), QByteArray("start"));

        f.click("ToolButton61");
        QCOMPARE(f.fake.opened.last(), QUrl::fromLocalFile(site + "/show.html"));
        // The dialog offers the last page next time.
        findControl<QAction>(*f.tab, "Publish1")->trigger();
        QCOMPARE(f.fake.fileQuestions.last().current, site + "/show.html");
    }

    void aFailedPublishSaysSoAndKeepsEverything() {
        Fixture f;
        const QString start = makeFile(f.folder.file("pics/start.jpg"), "start");
        const QString big = makeFile(f.folder.file("pics/big.jpg"), QByteArray(600 * 1024, 'b'));
        const QString gone = makeFile(f.folder.file("pics/gone.jpg"), "gone");
        f.add({start, big, gone});
        f.select(0);
        f.click("Button6");
        f.click("BitBtn32");
        const QString site = f.folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        writeBytes(site + "/big.jpg", "published before");

        QFile::remove(gone);
        f.fake.saveAnswers << site + "/show.html";
        findControl<QAction>(*f.tab, "Publish1")->trigger();
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), "Cannot open file " + gone + ": File not found");
        QCOMPARE(QDir(site).entryList(QDir::Files), QStringList({"big.jpg"}));
        QCOMPARE(f.entries(), QStringList({big, gone}));

        // A full disk: the earlier copy stays whole and nothing claims success.
        makeFile(gone, "back");
        f.fake.saveAnswers << site + "/show.html";
        withFileSizeLimit(100 * 1024, [&] { findControl<QAction>(*f.tab, "Publish1")->trigger(); });
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Error);
        QVERIFY2(f.fake.lastNotice().startsWith("Cannot write file " + site + "/big.jpg"),
                 qPrintable(f.fake.lastNotice()));
        QCOMPARE(readBytes(site + "/big.jpg"), QByteArray("published before"));
        QVERIFY(!QFile::exists(site + "/show.html"));
        QVERIFY(!f.fake.noticeTexts().contains(QStringLiteral("Publish complete!")));

        f.click("ToolButton61");
        QCOMPARE(f.fake.lastNotice(),
                 QStringLiteral("Please save in HTML format or publish before previewing!"));
    }

    // The copying goes on while the window's own thread is busy, and Cancel
    // stops it as before: complete copies stay, no page, no notice.
    void publishCopiesBesideTheWindowAndCancelStopsIt() {
        qputenv("QUILLMINT_TEST_PUBLISH_PACE", "4096:2");
        Fixture f;
        const QByteArray picture(256 * 1024, 'p');
        QStringList files;
        for (int n = 0; n < 8; ++n)
            files << makeFile(f.folder.file(QStringLiteral("pics/%1.jpg").arg(n)), picture);
        f.add(files);
        f.select(0);
        f.click("Button6");
        f.click("BitBtn32");
        const QString site = f.folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        const auto copies = [&site] {
            return QDir(site).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        };
        qsizetype before = -1, after = -1;
        QTimer::singleShot(50, f.tab.get(), [&] {
            before = copies().size();
            QThread::msleep(400);
            after = copies().size();
            f.tab->findChild<QProgressDialog*>()->findChild<QPushButton*>()->click();
        });
        f.fake.saveAnswers << site + "/show.html";
        findControl<QAction>(*f.tab, "Publish1")->trigger();
        qunsetenv("QUILLMINT_TEST_PUBLISH_PACE");
        QVERIFY2(after > before, qPrintable(QStringLiteral("%1 %2").arg(before).arg(after)));
        QVERIFY(!f.fake.noticeTexts().contains(QStringLiteral("Publish complete!")));
        const QStringList left = copies();
        QVERIFY(!left.contains(QStringLiteral("show.html")));
        QVERIFY(left.size() < files.size());
        for (const QString& name : left)
            QCOMPARE(readBytes(site + u'/' + name), picture);
    }

    void tenThousandImagesGenerateAndPublish() {
        Fixture f;
        QStringList files;
        for (int n = 0; n < 10; ++n)
            files << makeFile(f.folder.file(QStringLiteral("pics/%1.jpg").arg(n)), "x");
        QStringList many;
        for (int n = 0; n < 10000; ++n)
            many << files[n % 10];
        f.add(many);
        QCOMPARE(f.caption("Label74"), QStringLiteral("10000"));
        f.select(0);
        f.click("Button6");
        f.click("BitBtn32");
        QCOMPARE(f.pane().count(QLatin1Char('\n')), 83 + 9999);
        f.fake.saveAnswers << f.folder.file(QStringLiteral("site.html"));
        findControl<QAction>(*f.tab, "Publish1")->trigger();
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("Publish complete!"));
    }
};

QTEST_MAIN(SlideshowTabTest)
#include "slideshow_tab_test.moc"
