#include "core/text_file.h"
#include "core/web_images.h"
#include "makers/slideshow/slideshow_controls.h"
#include "makers/slideshow/slideshow_fields.h"
#include "makers/slideshow/slideshow_page.h"
#include "makers/slideshow/slideshow_tab.h"
#include "support/camera_photo.h"
#include "support/find_control.h"
#include "support/keyboard_access.h"
#include "support/tab_fixture.h"
#include "support/test_files.h"
#include "widgets/output_commands.h"

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

using namespace slideshow::controls;
using namespace slideshow::fields;

namespace {

// One tab as the main window makes it, with the desktop faked.
struct Fixture : TabFixture<SlideshowTab> {
    using TabFixture::TabFixture;

    void click(const char* name) const { findControl<QAbstractButton>(tab, name)->click(); }
    QString text(const char* name) const { return findControl<QLineEdit>(tab, name)->text(); }
    QString caption(const char* name) const { return findControl<QLabel>(tab, name)->text(); }
    bool enabled(const char* name) const { return findControl<QWidget>(tab, name)->isEnabled(); }
    QStringList entries() const {
        QStringList texts;
        const auto* list = findControl<QListWidget>(tab, Images);
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    void add(const QStringList& files) {
        fake.openAnswers << files;
        click(AddImages);
    }
    // The user clicks the entry in the given row.
    void select(int row) const {
        auto* list = findControl<QListWidget>(tab, Images);
        list->setCurrentRow(row);
    }
    // The user clicks the entry with the mouse.
    void clickEntry(int row) {
        auto* list = findControl<QListWidget>(tab, Images);
        tab.show();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QString pane() const { return findControl<QPlainTextEdit>(tab, Code)->toPlainText(); }
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
        QCOMPARE(findControl<QTabWidget>(f.tab, SubPages)->currentWidget()->objectName(),
                 QString(SettingsPage));
        QCOMPARE(f.caption(ImageCount), QStringLiteral("0"));
        for (const char* off : {DeleteImage, ChooseInitial, RightClickMessageLabel,
                                RightClickMessage, SoundLabel, Sound, ChooseSound, AuditionSound})
            QVERIFY2(!f.enabled(off), off);
        for (const char* label : {PageBackgroundLabel, HeadingColourLabel, BorderColourLabel,
                                  ConsoleColourLabel, HeadingCellColourLabel, ButtonBackgroundLabel,
                                  ButtonTextColourLabel, ListBackgroundLabel, ListItemColourLabel})
            QCOMPARE(f.caption(label), QStringLiteral("#FFFFFF"));
        QCOMPARE(findControl<QSpinBox>(f.tab, TransitionTime)->text(), QStringLiteral("1"));
        QCOMPARE(findControl<QSpinBox>(f.tab, TransitionTime)->maximum(), 999);
        QCOMPARE(findControl<QSpinBox>(f.tab, CellSpacing)->text(), QStringLiteral("2"));
        QCOMPARE(findControl<QSpinBox>(f.tab, CellPadding)->maximum(), 25);
        for (const char* font : {HeadingFont, ButtonFont, ListFont})
            QCOMPARE(findControl<QComboBox>(f.tab, font)->currentText(),
                     QStringLiteral("Times New Roman"));
        QCOMPARE(findControl<QComboBox>(f.tab, HeadingSize)->currentText(), QStringLiteral("10"));
        QCOMPARE(findControl<QComboBox>(f.tab, HeadingSize)->count(), 72);
        QCOMPARE(findControl<QComboBox>(f.tab, BorderWidth)->currentText(), QStringLiteral("1"));
        QCOMPARE(findControl<QComboBox>(f.tab, ButtonBorderStyle)->count(), 8);
        QCOMPARE(findControl<QComboBox>(f.tab, ListBorderStyle)->currentText(),
                 QStringLiteral("Solid"));
        QCOMPARE(findControl<QComboBox>(f.tab, ListBorderWidth)->count(), 26);
        QCOMPARE(findControl<QComboBox>(f.tab, ListBorderWidth)->currentText(),
                 QStringLiteral("0"));
        QCOMPARE(findControl<QWidget>(f.tab, MakeCode)->toolTip(),
                 QStringLiteral("Generate HTML Code"));
        QCOMPARE(findControl<QWidget>(f.tab, AuditionSound)->toolTip(),
                 QStringLiteral("Audition Sound (Preview)"));
        QCOMPARE(findControl<QWidget>(f.tab, ListItemColourButton)->toolTip(),
                 QStringLiteral("Choose Image List Text Color"));
    }

    // Every setting reaches its control and comes back; the start and New
    // both show the defaults.
    void appliedSettingsComeBack() {
        Fixture f;
        QCOMPARE(f.tab.settings(), SlideshowSettings());
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

        f.tab.applySettings(s);
        QCOMPARE(f.tab.settings(), s);
        QCOMPARE(f.caption(ImageCount), QStringLiteral("3"));
        QCOMPARE(
            findControl<QWidget>(f.tab, ListItemColourSwatch)->palette().color(QPalette::Window),
            QColor(0x12, 0x34, 0xA8));
        for (const char* on : {RightClickMessageLabel, RightClickMessage, SoundLabel, Sound,
                               ChooseSound, AuditionSound})
            QVERIFY2(f.enabled(on), on);
        QVERIFY(!f.enabled(DeleteImage) && !f.enabled(ChooseInitial));

        f.click(NewButton);
        QCOMPARE(f.tab.settings(), SlideshowSettings());
    }

    // Each control has a name of its own for screen readers, and Tab reads
    // the left half, then each sub-page from top to bottom.
    void controlsAreNamedAndTabbedInReadingOrder() {
        Fixture f;
        const QStringList order = {Code,
                                   CopyCode,
                                   ClearCode,
                                   Images,
                                   DeleteImage,
                                   SortImages,
                                   ClearAll,
                                   MakeCode,
                                   AddImages,
                                   InitialImage,
                                   ChooseInitial,
                                   InitialHelp,
                                   TransitionTime,
                                   CentreConsole,
                                   RightClickDisable,
                                   RightClickMessage,
                                   PlaySound,
                                   Sound,
                                   ChooseSound,
                                   AuditionSound,
                                   PageTitle,
                                   PageBackgroundButton,
                                   BackgroundImage,
                                   ChooseBackground,
                                   HeadingText,
                                   HeadingFont,
                                   HeadingColourButton,
                                   HeadingBold,
                                   HeadingItalic,
                                   HeadingUnderline,
                                   HeadingSize,
                                   BorderColourButton,
                                   BorderWidth,
                                   ConsoleColourButton,
                                   HeadingCellColourButton,
                                   CellSpacing,
                                   CellPadding,
                                   ButtonFont,
                                   ButtonBackgroundButton,
                                   ButtonTextColourButton,
                                   ButtonBorderStyle,
                                   ButtonBorderWidth,
                                   ListFont,
                                   ListBackgroundButton,
                                   ListItemColourButton,
                                   ListBorderStyle,
                                   ListBorderWidth};
        QStringList names;
        for (const QString& name : order) {
            QWidget* control = findControl<QWidget>(f.tab, name);
            const QString spoken = spokenName(control);
            QVERIFY2(spoken.contains(QRegularExpression("[A-Za-z]{2}")) && spoken != "OK",
                     qPrintable(name + ": " + spoken));
            QVERIFY2(!names.contains(spoken), qPrintable(spoken));
            QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(name));
            names << spoken;
        }
        QStringList reached;
        QWidget* first = findControl<QWidget>(f.tab, order.first());
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
        auto* saveAs = findControl<QToolButton>(f.tab, SaveButton);
        QCOMPARE(saveAs->menu(), findControl<QMenu>(f.tab, SaveMenu));
        const QList<QAction*> items = saveAs->menu()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("Save"));
        QCOMPARE(items[0]->menu()->actions(),
                 QList<QAction*>({findControl<QAction>(f.tab, SaveAsHtml),
                                  findControl<QAction>(f.tab, SaveAsText)}));
        QCOMPARE(items[1], findControl<QAction>(f.tab, Publish));
        // The face of Save As does nothing of its own.
        saveAs->click();
        QVERIFY(f.fake.fileQuestions.isEmpty());
        QVERIFY(f.fake.notices.isEmpty());
        QVERIFY(findControl<QAction>(f.tab, HelpEntry));
        QVERIFY(findControl<QAction>(f.tab, AboutEntry));
        QCOMPARE(findControl<QToolButton>(f.tab, OptionsButton)->menu()->actions(),
                 QList<QAction*>({findControl<QAction>(f.tab, Preview)}));
    }

    void addingImagesKeepsOrderAndDuplicates() {
        Fixture f;
        f.add({"/p/b.jpg", "/p/a.jpg"});
        f.add({"/p/b.jpg"});
        QCOMPARE(f.entries(), QStringList({"/p/b.jpg", "/p/a.jpg", "/p/b.jpg"}));
        QCOMPARE(f.caption(ImageCount), QStringLiteral("3"));
        f.click(AddImages); // cancelled
        QCOMPARE(f.entries().size(), 3);
        const FakeDesktop::FileQuestion& asked = f.fake.fileQuestions.last();
        QCOMPARE(asked.request.name, QString(ImagesDialog));
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
        QVERIFY(f.enabled(DeleteImage) && f.enabled(ChooseInitial));
        QCOMPARE(findControl<QWidget>(f.tab, Images)->toolTip(), QStringLiteral("/p/2.jpg"));
        f.click(ChooseInitial);
        QCOMPARE(f.text(InitialImage), QStringLiteral("/p/2.jpg"));
        QCOMPARE(findControl<QWidget>(f.tab, InitialImage)->toolTip(), QStringLiteral("/p/2.jpg"));
        QCOMPARE(f.entries(), QStringList({"/p/1.jpg", "/p/3.jpg"}));
        QCOMPARE(f.caption(ImageCount), QStringLiteral("2"));
        QVERIFY(!f.enabled(DeleteImage) && !f.enabled(ChooseInitial));

        // A second choice discards the first; the entry now in row 1 counts
        // as a fresh click.
        f.select(1);
        QVERIFY(f.enabled(ChooseInitial));
        f.click(ChooseInitial);
        QCOMPARE(f.text(InitialImage), QStringLiteral("/p/3.jpg"));
        QCOMPARE(f.entries(), QStringList({"/p/1.jpg"}));
        f.click(InitialHelp);
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Information);
        QVERIFY(f.fake.lastNotice().startsWith("Choose the image you would like"));
    }

    void deleteAsksAndClearsAMatchingInitialImage() {
        Fixture f;
        f.add({"/p/1.jpg", "/p/2.jpg", "/p/1.jpg"});
        f.select(0);
        f.click(ChooseInitial);
        QCOMPARE(f.text(InitialImage), QStringLiteral("/p/1.jpg"));

        f.select(1); // the second "/p/1.jpg"
        f.fake.confirmAnswers << false;
        f.click(DeleteImage);
        QCOMPARE(f.fake.confirmations.last(),
                 QStringLiteral("Are you sure you want to delete the selected item?"));
        QCOMPARE(f.entries().size(), 2);
        QVERIFY(f.enabled(DeleteImage));

        f.click(DeleteImage);
        QCOMPARE(f.entries(), QStringList({"/p/2.jpg"}));
        QCOMPARE(f.text(InitialImage), QString());
        QCOMPARE(f.caption(ImageCount), QStringLiteral("1"));
        QVERIFY(!f.enabled(DeleteImage) && !f.enabled(ChooseInitial));

        f.clickEntry(0);
        QVERIFY(f.enabled(DeleteImage));
        f.click(DeleteImage);
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.caption(ImageCount), QStringLiteral("0"));
    }

    void sortOnceIgnoringCaseAndClearAll() {
        Fixture f;
        f.add({"/b/x.jpg", "/c/Q.jpg", "/A/z.jpg", "/a/y.jpg", "/C/q.jpg"});
        f.click(SortImages);
        // Paths equal but for letter case are equal for the sort and keep their order.
        QCOMPARE(f.entries(),
                 QStringList({"/a/y.jpg", "/A/z.jpg", "/b/x.jpg", "/c/Q.jpg", "/C/q.jpg"}));
        f.add({"/0.jpg"});
        QCOMPARE(f.entries().last(), QStringLiteral("/0.jpg"));

        f.select(0);
        f.click(ChooseInitial);
        f.fake.confirmAnswers << false;
        f.click(ClearAll);
        QCOMPARE(f.entries().size(), 5);
        f.click(ClearAll);
        QCOMPARE(
            f.fake.confirmations.last(),
            QStringLiteral("Are you sure you want to erase ALL images in the image list box?"));
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.caption(ImageCount), QStringLiteral("0"));
        QCOMPARE(f.text(InitialImage), QString());
    }

    void checkBoxesEnableTheirControlsAndKeepTexts() {
        Fixture f;
        auto* rightClick = findControl<QCheckBox>(f.tab, RightClickDisable);
        rightClick->click();
        QVERIFY(f.enabled(RightClickMessageLabel) && f.enabled(RightClickMessage));
        findControl<QLineEdit>(f.tab, RightClickMessage)->setText(QStringLiteral("No!"));
        rightClick->click();
        QVERIFY(!f.enabled(RightClickMessageLabel) && !f.enabled(RightClickMessage));
        QCOMPARE(f.text(RightClickMessage), QStringLiteral("No!"));

        auto* sound = findControl<QCheckBox>(f.tab, PlaySound);
        sound->click();
        for (const char* name : {SoundLabel, Sound, ChooseSound, AuditionSound})
            QVERIFY2(f.enabled(name), name);
        f.fake.openAnswers << QStringList{"/music/tune.mid"};
        f.click(ChooseSound);
        sound->click();
        for (const char* name : {SoundLabel, Sound, ChooseSound, AuditionSound})
            QVERIFY2(!f.enabled(name), name);
        QCOMPARE(f.text(Sound), QStringLiteral("/music/tune.mid"));
    }

    void choosersRememberTheirFiles() {
        Fixture f;
        findControl<QCheckBox>(f.tab, PlaySound)->click();
        f.fake.openAnswers << QStringList{"/music/a.wav"};
        f.click(ChooseSound);
        f.click(ChooseSound); // cancelled
        QCOMPARE(f.text(Sound), QStringLiteral("/music/a.wav"));
        QCOMPARE(f.fake.fileQuestions.last().request.name, QString(SoundDialog));
        QCOMPARE(f.fake.fileQuestions.last().current, QStringLiteral("/music/a.wav"));
        QCOMPARE(f.fake.fileQuestions.last().request.filters,
                 QStringList({"All Music Files (*.wav *.mid)"}));

        f.fake.openAnswers << QStringList{"/bg/paper.gif"};
        f.click(ChooseBackground);
        f.click(ChooseBackground);
        QCOMPARE(f.text(BackgroundImage), QStringLiteral("/bg/paper.gif"));
        QCOMPARE(f.fake.fileQuestions.last().request.name, QString(BackgroundImageDialog));
        QCOMPARE(f.fake.fileQuestions.last().current, QStringLiteral("/bg/paper.gif"));
        QCOMPARE(f.fake.fileQuestions.last().request.filters.last(),
                 QStringLiteral("All Files (*)"));
    }

    void auditionChoosesThePlayerByTheLastLetter() {
        Fixture f;
        findControl<QCheckBox>(f.tab, PlaySound)->click();
        f.click(AuditionSound);
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("No sound specified!"));
        for (const char* path : {"/s/a.WAV", "/s/b.wav", "/s/c.mid", "/s/d.wav ", "/s/e.V"}) {
            f.fake.openAnswers << QStringList{QLatin1String(path)};
            f.click(ChooseSound);
            f.click(AuditionSound);
        }
        QCOMPARE(f.fake.wavesPlayed, QStringList({"/s/a.WAV", "/s/b.wav", "/s/e.V"}));
        QCOMPARE(f.fake.midisPlayed, QStringList({"/s/c.mid", "/s/d.wav "}));
        QCOMPARE(f.fake.notices.size(), 1);
    }

    void makeCodeRefusesInOrderAndKeepsThePane() {
        Fixture f;
        findControl<QPlainTextEdit>(f.tab, Code)->setPlainText(QStringLiteral("my own text"));
        f.click(MakeCode);
        QCOMPARE(
            f.fake.lastNotice(),
            QStringLiteral("No images in image list. Please add images before generating code!"));
        f.add({"/p/1.jpg"});
        f.click(MakeCode);
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("Please specify an initial image first!"));
        QCOMPARE(f.pane(), QStringLiteral("my own text"));

        f.add({"/p/2.jpg"});
        f.select(0);
        f.click(ChooseInitial);
        findControl<QCheckBox>(f.tab, CentreConsole)->click();
        findControl<QToolButton>(f.tab, HeadingBold)->click();
        findControl<QSpinBox>(f.tab, TransitionTime)->setValue(7);
        f.click(MakeCode);
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
        f.click(ListItemColourButton);
        QCOMPARE(f.caption(ListItemColourLabel), QStringLiteral("#1234AB"));

        f.add({"/p/1.jpg", "/p/2.jpg"});
        f.select(0);
        f.click(ChooseInitial);
        f.click(MakeCode);
        findControl<QTabWidget>(f.tab, SubPages)->setCurrentIndex(2);
        findControl<QCheckBox>(f.tab, CentreConsole)->click();
        findControl<QCheckBox>(f.tab, RightClickDisable)->click();
        findControl<QCheckBox>(f.tab, PlaySound)->click();
        f.fake.openAnswers << QStringList{"/s/x.wav"} << QStringList{"/bg/y.gif"};
        f.click(ChooseSound);
        f.click(ChooseBackground);
        for (const char* edit : {HeadingText, RightClickMessage, PageTitle})
            findControl<QLineEdit>(f.tab, edit)->setText(QStringLiteral("typed"));
        findControl<QSpinBox>(f.tab, TransitionTime)->setValue(9);
        findControl<QSpinBox>(f.tab, CellPadding)->setValue(20);
        findControl<QComboBox>(f.tab, HeadingFont)->setEditText(QStringLiteral("Arial"));
        findControl<QComboBox>(f.tab, HeadingSize)->setEditText(QStringLiteral("33"));
        findControl<QComboBox>(f.tab, BorderWidth)->setCurrentIndex(5);
        findControl<QComboBox>(f.tab, ListBorderStyle)->setCurrentIndex(3);
        findControl<QComboBox>(f.tab, ButtonBorderWidth)->setCurrentIndex(9);
        findControl<QToolButton>(f.tab, HeadingUnderline)->click();

        f.fake.confirmAnswers << false;
        f.click(NewButton);
        QCOMPARE(f.fake.confirmations.last(),
                 QStringLiteral("Are you sure you want to erase all fields and start a new "
                                "document?"));
        QCOMPARE(f.text(PageTitle), QStringLiteral("typed"));

        f.click(NewButton);
        QCOMPARE(findControl<QTabWidget>(f.tab, SubPages)->currentIndex(), 0);
        QCOMPARE(f.pane(), QString());
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.caption(ImageCount), QStringLiteral("0"));
        for (const char* edit :
             {HeadingText, RightClickMessage, Sound, PageTitle, BackgroundImage, InitialImage})
            QCOMPARE(f.text(edit), QString());
        for (const char* box : {CentreConsole, RightClickDisable, PlaySound})
            QVERIFY(!findControl<QCheckBox>(f.tab, box)->isChecked());
        for (const char* off :
             {DeleteImage, ChooseInitial, RightClickMessage, Sound, ChooseSound, AuditionSound})
            QVERIFY2(!f.enabled(off), off);
        QCOMPARE(findControl<QSpinBox>(f.tab, TransitionTime)->text(), QStringLiteral("1"));
        QCOMPARE(findControl<QSpinBox>(f.tab, CellPadding)->text(), QStringLiteral("2"));
        QCOMPARE(findControl<QComboBox>(f.tab, HeadingFont)->currentText(),
                 QStringLiteral("Times New Roman"));
        QCOMPARE(findControl<QComboBox>(f.tab, HeadingSize)->currentText(), QStringLiteral("10"));
        QCOMPARE(findControl<QComboBox>(f.tab, BorderWidth)->currentText(), QStringLiteral("1"));
        QCOMPARE(findControl<QComboBox>(f.tab, ListBorderStyle)->currentText(),
                 QStringLiteral("Solid"));
        QCOMPARE(findControl<QComboBox>(f.tab, ButtonBorderWidth)->currentText(),
                 QStringLiteral("0"));
        QVERIFY(!findControl<QToolButton>(f.tab, HeadingUnderline)->isChecked());
        QCOMPARE(f.caption(ListItemColourLabel), QStringLiteral("#FFFFFF"));

        // The colour dialog opens on the restored colour; the choosers keep their last files.
        f.click(ListItemColourButton);
        QCOMPARE(f.fake.colourStarts.last(), QColor(Qt::white));
        f.click(ChooseBackground);
        QCOMPARE(f.fake.fileQuestions.last().current, QStringLiteral("/bg/y.gif"));
    }

    void optimisedImagesAreAModernPublishChoiceRemembered() {
        setWebImagePlugin(QStringLiteral(QUILLMINT_IMAGES_PLUGIN_FILE));
        Fixture f(TabOutput::Modern);
        auto* menu = findControl<QMenu>(f.tab, SaveMenu);
        auto* optimise = findControl<QAction>(f.tab, OptimiseImages);
        QVERIFY(menu->actions().contains(optimise) && !optimise->isChecked());
        f.modernOutput->action()->trigger();
        QVERIFY(!menu->actions().contains(optimise));
        f.modernOutput->action()->trigger();
        optimise->trigger();
        findControl<QAction>(f.tab, WebImageSize800)->trigger();

        QImage picture(2000, 1000, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        picture.save(&jpeg, "JPEG");
        const QString photo = makeFile(f.folder.file(QStringLiteral("pics/photo.jpg")),
                                       withCameraExif(jpeg.data(), 6));
        f.add({photo, photo});
        f.select(0);
        f.click(ChooseInitial);
        f.click(MakeCode);
        const QString site = f.folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        f.fake.saveAnswers << site + "/show.html";
        findControl<QAction>(f.tab, Publish)->trigger();
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
        QVERIFY(findControl<QAction>(again, OptimiseImages)->isChecked());
        QVERIFY(findControl<QAction>(again, WebImageSize800)->isChecked());
    }

    void saveAsHtmlWarnsAndPreviewFollowsTheLastSave() {
        Fixture f;
        f.click(OptionsButton);
        QCOMPARE(f.fake.lastNotice(),
                 QStringLiteral("Please save in HTML format or publish before previewing!"));
        findControl<QPlainTextEdit>(f.tab, Code)->setPlainText(QStringLiteral("<html></html>"));
        const QString saved = f.folder.file(QStringLiteral("saved"));
        f.fake.saveAnswers << saved;
        findControl<QAction>(f.tab, SaveAsHtml)->trigger();
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Warning);
        QVERIFY(f.fake.lastNotice().startsWith("Please note: the slideshow HTML file"));
        QCOMPARE(f.fake.fileQuestions.last().request.name, QString(HtmlSaveDialog));
        QCOMPARE(readBytes(saved + ".html"), QByteArray("<html></html>\r\n"));
        findControl<QAction>(f.tab, Preview)->trigger();
        QCOMPARE(f.fake.opened.last(), QUrl::fromLocalFile(saved + ".html"));
    }

    void publishWritesThePageAndItsFiles() {
        Fixture f;
        const QString pics = f.folder.file(QStringLiteral("my pics/"));
        const QString one = makeFile(pics + "x/one's \"best\" é.jpg", "one");
        const QString two = makeFile(pics + "y/one's \"best\" é.jpg", "two");
        const QString start = makeFile(pics + "start.jpg", "start");
        const QString tune = makeFile(pics + "tune.mid", "tune");
        findControl<QAction>(f.tab, Publish)->trigger();
        QCOMPARE(f.fake.lastNotice(),
                 QStringLiteral("Please first generate code before publishing!"));
        QVERIFY(f.fake.fileQuestions.isEmpty());

        f.add({start, one, two});
        f.select(0);
        f.click(ChooseInitial);
        // The sound is copied although it does not play.
        auto* sound = findControl<QCheckBox>(f.tab, PlaySound);
        sound->click();
        f.fake.openAnswers << QStringList{tune};
        f.click(ChooseSound);
        sound->click();
        f.click(MakeCode);
        const QString codeBefore = f.pane();

        const QString site = f.folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        f.fake.saveAnswers << site + "/show";
        findControl<QAction>(f.tab, Publish)->trigger();
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("Publish complete!"));
        QCOMPARE(f.fake.fileQuestions.last().request.name, QString(PublishDialog));
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

        f.click(OptionsButton);
        QCOMPARE(f.fake.opened.last(), QUrl::fromLocalFile(site + "/show.html"));
        // The dialog offers the last page next time.
        findControl<QAction>(f.tab, Publish)->trigger();
        QCOMPARE(f.fake.fileQuestions.last().current, site + "/show.html");
    }

    void aFailedPublishSaysSoAndKeepsEverything() {
        Fixture f;
        const QString start = makeFile(f.folder.file("pics/start.jpg"), "start");
        const QString big = makeFile(f.folder.file("pics/big.jpg"), QByteArray(600 * 1024, 'b'));
        const QString gone = makeFile(f.folder.file("pics/gone.jpg"), "gone");
        f.add({start, big, gone});
        f.select(0);
        f.click(ChooseInitial);
        f.click(MakeCode);
        const QString site = f.folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        writeBytes(site + "/big.jpg", "published before");

        QFile::remove(gone);
        f.fake.saveAnswers << site + "/show.html";
        findControl<QAction>(f.tab, Publish)->trigger();
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), "Cannot open file " + gone + ": File not found");
        QCOMPARE(QDir(site).entryList(QDir::Files), QStringList({"big.jpg"}));
        QCOMPARE(f.entries(), QStringList({big, gone}));

        // A full disk: the earlier copy stays whole and nothing claims success.
        makeFile(gone, "back");
        f.fake.saveAnswers << site + "/show.html";
        withFileSizeLimit(100 * 1024, [&] { findControl<QAction>(f.tab, Publish)->trigger(); });
        QCOMPARE(f.fake.notices.last().kind, NoticeKind::Error);
        QVERIFY2(f.fake.lastNotice().startsWith("Cannot write file " + site + "/big.jpg"),
                 qPrintable(f.fake.lastNotice()));
        QCOMPARE(readBytes(site + "/big.jpg"), QByteArray("published before"));
        QVERIFY(!QFile::exists(site + "/show.html"));
        QVERIFY(!f.fake.noticeTexts().contains(QStringLiteral("Publish complete!")));

        f.click(OptionsButton);
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
        f.click(ChooseInitial);
        f.click(MakeCode);
        const QString site = f.folder.file(QStringLiteral("site"));
        QDir().mkpath(site);
        const auto copies = [&site] {
            return QDir(site).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        };
        qsizetype before = -1, after = -1;
        QTimer::singleShot(50, &f.tab, [&] {
            before = copies().size();
            QThread::msleep(400);
            after = copies().size();
            f.tab.findChild<QProgressDialog*>()->findChild<QPushButton*>()->click();
        });
        f.fake.saveAnswers << site + "/show.html";
        findControl<QAction>(f.tab, Publish)->trigger();
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
        QCOMPARE(f.caption(ImageCount), QStringLiteral("10000"));
        f.select(0);
        f.click(ChooseInitial);
        f.click(MakeCode);
        QCOMPARE(f.pane().count(QLatin1Char('\n')), 83 + 9999);
        f.fake.saveAnswers << f.folder.file(QStringLiteral("site.html"));
        findControl<QAction>(f.tab, Publish)->trigger();
        QCOMPARE(f.fake.lastNotice(), QStringLiteral("Publish complete!"));
    }
};

QTEST_MAIN(SlideshowTabTest)
#include "slideshow_tab_test.moc"
