#include "support/fake_desktop.h"
#include "widgets/code_pane.h"
#include "widgets/colour_setting.h"
#include "widgets/contrast_warning.h"
#include "widgets/control_factory.h"
#include "widgets/default_button.h"
#include "widgets/enabling.h"
#include "widgets/font_box.h"
#include "widgets/hint.h"
#include "widgets/list_values.h"
#include "widgets/spin_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class SharedWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void colourSettingFollowsItsDialog() {
        FakeDesktop fake;
        QWidget tab;
        auto* button = new QPushButton(&tab);
        auto* label = new QLabel(&tab);
        QWidget* swatch = makeSwatch("Swatch", Qt::white, &tab);
        ColourSetting setting("Colour", button, label, swatch, Qt::white);
        QCOMPARE(setting.text(), QString("#FFFFFF"));

        // Each click: the colour the dialog opens on, its answer (invalid
        // for Cancel), and the setting afterwards.
        const struct {
            QColor start;
            QColor answer;
            const char* after;
        } clicks[] = {{Qt::white, QColor(), "#FFFFFF"},
                      {Qt::white, QColor(10, 171, 255), "#0AABFF"},
                      {QColor(10, 171, 255), QColor(), "#0AABFF"},
                      {QColor(10, 171, 255), Qt::black, "#000000"}};
        for (const auto& click : clicks) {
            fake.colourAnswers << click.answer;
            button->click();
            QCOMPARE(fake.colourStarts.last(), click.start);
            QCOMPARE(setting.text(), QString(click.after));
            QCOMPARE(setting.swatchColour(), QColor(QString(click.after)));
        }

        // New restores the default, and the dialog then opens on it.
        setting.restoreDefault();
        QCOMPARE(setting.text(), QString("#FFFFFF"));
        QCOMPARE(setting.swatchColour(), QColor(Qt::white));
        button->click();
        QCOMPARE(fake.colourStarts.last(), QColor(Qt::white));
    }

    // The warning follows both colours and only tells: below 4.5:1 it shows
    // with the ratio, keeping its place in the layout either way.
    void contrastWarningFollowsTextAndBackground() {
        FakeDesktop fake;
        QWidget tab;
        auto* layout = new QVBoxLayout(&tab);
        const auto setting = [&](const char* name, const QColor& colour) {
            auto* button = new QPushButton(&tab);
            layout->addWidget(button);
            return new ColourSetting(name, button, new QLabel(&tab), makeSwatch(name, colour, &tab),
                                     colour, &tab);
        };
        ColourSetting* text = setting("TextColour", Qt::black);
        ColourSetting* background = setting("BackgroundColour", Qt::white);
        auto* warning = new ContrastWarning("MenuContrast", &tab);
        layout->addWidget(warning);
        warning->watch(text, background);
        tab.show();
        const struct {
            const char* text;
            const char* background;
            const char* ratio; // empty: no warning
        } pairs[] = {{"#000000", "#FFFFFF", ""},
                     {"#FFCC00", "#336699", "3.9:1"},
                     {"#767676", "#FFFFFF", ""},
                     {"#777777", "#FFFFFF", "4.4:1"},
                     {"#FFFFFF", "#FFFFFF", "1.0:1"}};
        for (const auto& pair : pairs) {
            text->setText(pair.text);
            background->setText(pair.background);
            const QString ratio = QLatin1String(pair.ratio);
            QCOMPARE(warning->isVisible(), !ratio.isEmpty());
            if (!ratio.isEmpty())
                QVERIFY2(warning->toolTip().contains(ratio), qPrintable(warning->toolTip()));
            QVERIFY(warning->sizePolicy().retainSizeWhenHidden());
        }
    }

    // Generated-code panes pass Tab on; the script pane keeps it. Both use the
    // fixed-pitch font, and the navy text keeps a background it can be read on.
    void codePanesFollowTheKeyboardAndThePalette() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        QWidget tab;
        QPlainTextEdit* generated = makeCodePane("CodePane", &tab);
        auto* script = new QPlainTextEdit(&tab);
        styleCodePane(script, TabKey::Typed);
        showNavyText(script);
        QVERIFY(generated->tabChangesFocus());
        QVERIFY(!script->tabChangesFocus());
        for (QPlainTextEdit* pane : {generated, script})
            QCOMPARE(pane->fontMetrics().horizontalAdvance("iiii"),
                     pane->fontMetrics().horizontalAdvance("WWWW"));

        const struct {
            const QPalette& palette;
            QColor text;
            QColor base;
        } cases[] = {{light, QColor(0, 0, 128), Qt::white},
                     {dark, QColor(230, 230, 230), QColor(30, 30, 30)},
                     {light, QColor(0, 0, 128), Qt::white}};
        for (const auto& c : cases) {
            QApplication::setPalette(c.palette);
            QApplication::processEvents();
            QCOMPARE(script->palette().color(QPalette::Text), c.text);
            QCOMPARE(script->palette().color(QPalette::Base), c.base);
        }
    }

    void hintsSplitIntoToolTipAndStatusText() {
        QWidget widget;
        setHint(&widget, "Cut|Cuts the selection");
        QCOMPARE(widget.toolTip(), QString("Cut"));
        QCOMPARE(widget.statusTip(), QString("Cuts the selection"));
        setHint(&widget, "Save As");
        QCOMPARE(widget.toolTip(), QString("Save As"));
        QCOMPARE(widget.statusTip(), QString("Save As"));
        QCOMPARE(hintStatusText("a|b|c"), QString("b|c"));
    }

    void fontListsHoldCleanSortedFamilies() {
        const QStringList families = installedFontFamilies();
        QVERIFY(families.contains("Default"));
        for (const QString& family : families)
            QVERIFY2(!family.contains('['), qPrintable(family));
        QStringList sorted = families;
        sorted.sort(Qt::CaseInsensitive);
        QCOMPARE(families, sorted);
        QStringList unique = families;
        QCOMPARE(unique.removeDuplicates(), 0);

        QWidget tab;
        QLabel* sample = makeFontSample("FontSample", &tab);
        FontBox box("FontList", sample, &tab);
        QCOMPARE(box.currentText(), QString("Times New Roman"));
        QCOMPARE(box.count(), families.size());
        QCOMPARE(sample->text(), QString("AaBbCc"));
        QVERIFY(sample->isHidden());
        // Typed text is the setting, never a new list entry.
        box.lineEdit()->setText("My Font");
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        QCOMPARE(box.count(), families.size());
        QCOMPARE(box.currentText(), QString("My Font"));
    }

    void spinEditCommitsWhatWasTyped() {
        SpinEdit spin("Spin", 0, 1000, 300);
        spin.findChild<QLineEdit*>()->setText("");
        QCOMPARE(spin.committedText(), QString("300"));
        spin.findChild<QLineEdit*>()->setText("450");
        QCOMPARE(spin.committedText(), QString("450"));
        QCOMPARE(spin.value(), 450);
    }

    void enterClicksTheDefaultButtonOutsideTextPanes() {
        QWidget tab;
        auto* layout = new QVBoxLayout(&tab);
        auto* field = new QLineEdit(&tab);
        auto* pane = new QPlainTextEdit(&tab);
        auto* button = new QPushButton("&Add Item", &tab);
        layout->addWidget(field);
        layout->addWidget(pane);
        layout->addWidget(button);
        installDefaultButton(&tab, button);
        tab.show();
        QVERIFY(QTest::qWaitForWindowActive(&tab));
        QSignalSpy clicks(button, &QPushButton::clicked);

        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
        button->setEnabled(false);
        QTest::keyClick(field, Qt::Key_Enter);
        QCOMPARE(clicks.size(), 1);
        button->setEnabled(true);
        pane->setFocus();
        QTest::keyClick(pane, Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(pane->toPlainText(), QString("\n"));
    }

    // A rule set up on a ticked box takes effect at once, then follows each tick.
    void controlsFollowTheirBox() {
        for (const While state : {While::Checked, While::Unchecked}) {
            QWidget tab;
            auto* box = new QCheckBox(&tab);
            box->setChecked(true);
            auto* label = new QLabel(&tab);
            auto* field = new QLineEdit(&tab);
            enableWith(box, {label, field}, state);
            for (const bool ticked : {true, false, true}) {
                box->setChecked(ticked);
                const bool enabled = ticked == (state == While::Checked);
                QCOMPARE(label->isEnabled(), enabled);
                QCOMPARE(field->isEnabled(), enabled);
            }
        }
    }

    void listsAndBoxesReadAndShowTexts() {
        QListWidget list;
        QCOMPARE(listTexts(&list), QStringList());
        list.addItems({"b.gif", "", "a.gif"});
        QCOMPARE(listTexts(&list), QStringList({"b.gif", "", "a.gif"}));

        // The text chosen, what the box then shows, fixed and editable.
        const struct {
            Typing typing;
            const char* text;
            int index;
            const char* shown;
        } choices[] = {{Typing::Fixed, "2", 1, "2"},
                       {Typing::Fixed, "9", -1, ""},
                       {Typing::Editable, "3", 2, "3"},
                       {Typing::Editable, "99", -1, "99"}};
        for (const auto& choice : choices) {
            QWidget tab;
            QComboBox* box = makeComboBox("Choice", numberList(1, 3), "1", &tab, choice.typing);
            selectText(box, choice.text);
            QCOMPARE(box->currentIndex(), choice.index);
            QCOMPARE(box->currentText(), QString(choice.shown));
        }
    }
};

QTEST_MAIN(SharedWidgetsTest)
#include "shared_widgets_test.moc"
