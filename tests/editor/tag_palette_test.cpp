#include "editor/tag_palette.h"
#include "editor/tag_palette_controls.h"
#include "editor_fixture.h"
#include "support/find_control.h"

#include <QLayout>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace tag_palette;

namespace {

QToolButton* button(const EditorFixture& f, const QString& name) {
    return findControl<QToolButton>(f.inspector, name);
}

// The button names of one page, left to right.
QStringList buttonsOfPage(QWidget* page) {
    QStringList names;
    for (int i = 0; i < page->layout()->count(); ++i)
        if (QWidget* widget = page->layout()->itemAt(i)->widget())
            names << widget->objectName();
    return names;
}

// Whether a text face fits inside the button's frame in the button's own font.
bool captionFits(const QToolButton* face) {
    QString caption = face->text();
    caption.replace(QLatin1String("&&"), QLatin1String("&"));
    const int frame = face->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, face);
    return face->fontMetrics().horizontalAdvance(caption) <= face->width() - 2 * frame;
}

QStringList numbered(std::initializer_list<int> numbers) {
    QStringList names;
    for (const int number : numbers)
        names << QStringLiteral("SpeedButton%1").arg(number);
    return names;
}

QStringList range(int first, int last) {
    QStringList names;
    for (int number = first; number <= last; ++number)
        names << QStringLiteral("SpeedButton%1").arg(number);
    return names;
}

} // namespace

// One set of windows serves every case: each case sets the editor up itself.
class TagInspectorTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        fixture = std::make_unique<EditorFixture>();
        // As the JS Editor tab does; the palette is made when first shown.
        fixture->inspector->show();
    }
    void cleanupTestCase() { fixture.reset(); }
    void theButtonsAreMadeWhenThePaletteIsFirstShown();
    void pagesHoldTheirButtonsInOrder();
    void everyWordButtonInsertsItsText_data();
    void everyWordButtonInsertsItsText();
    void lineButtonsInsertWholeLines_data();
    void lineButtonsInsertWholeLines();
    void clicksAddUpAndGiveTheEditorTheFocus();
    void facesShowTextOrPicture();

private:
    std::unique_ptr<EditorFixture> fixture;
};

// Start-up does not wait for the 97 buttons of a window it does not show.
void TagInspectorTest::theButtonsAreMadeWhenThePaletteIsFirstShown() {
    EditorFixture f;
    const auto palette = [&f] {
        return f.inspector->findChildren<QToolButton*>(QRegularExpression("^SpeedButton"));
    };
    QVERIFY(palette().isEmpty());
    f.inspector->show();
    QCOMPARE(palette().size(), 97);
    QCOMPARE(findControl<QTabWidget>(f.inspector, controls::Pages)->count(), 10);
}

void TagInspectorTest::pagesHoldTheirButtonsInOrder() {
    EditorFixture& f = *fixture;
    QTabWidget* pages = findControl<QTabWidget>(f.inspector, controls::Pages);
    const QStringList captions = {
        "Common", "Operators", "Loops/Branches", "Escape Sequences", "Events", "Win Obj Methods",
        "New",    "Get",       "Math Functions", "String Functions"};
    const QList<QStringList> buttons = {
        range(1, 4),   range(16, 26) + numbered({34, 28, 27}) + range(29, 33),
        range(12, 15), range(5, 11),
        range(35, 46), range(47, 49),
        range(50, 52), range(53, 61),
        range(62, 78), range(79, 97)};
    QCOMPARE(pages->count(), captions.size());
    QCOMPARE(pages->currentIndex(), 0);
    const QSize pageWidths[] = {{25, 22}, {23, 22}, {23, 22}, {23, 22}, {23, 22},
                                {23, 22}, {23, 22}, {33, 22}, {23, 22}, {23, 22}};
    for (int page = 0; page < pages->count(); ++page) {
        QCOMPARE(pages->tabText(page), captions.at(page));
        QCOMPARE(buttonsOfPage(pages->widget(page)), buttons.at(page));
        for (const QString& name : buttons.at(page)) {
            const QToolButton* face = button(f, name);
            // Every caption fits; only "max" needs more than its page's width.
            QVERIFY2(captionFits(face), qPrintable(name));
            if (name == QLatin1String(controls::Max))
                QCOMPARE(face->height(), pageWidths[page].height());
            else
                QCOMPARE(face->size(), pageWidths[page]);
            // A click never takes the focus from the editor; the keyboard
            // reaches the buttons.
            QCOMPARE(button(f, name)->focusPolicy(), Qt::TabFocus);
        }
    }
}

void TagInspectorTest::everyWordButtonInsertsItsText_data() {
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("text");
    const struct {
        int number;
        const char* hint;
        const char* text;
    } words[] = {
        {2, "Variable", "var"},
        {3, "Comment", "//"},
        {16, "Not", "!"},
        {17, "Less Than", "<"},
        {18, "Greater Than", ">"},
        {19, "Less Than Or Equal To", "<="},
        {20, "Greater Than Or Equal To", ">="},
        {21, "Equality", "=="},
        {22, "Inequality", "!="},
        {23, "And", "&&"},
        {24, "Or", "||"},
        {25, "Conditional (Trinary)", "?:"},
        {26, "Comma", ","},
        {34, "Unary Negation", "-"},
        {28, "Increment", "++"},
        {27, "Decrement", "--"},
        {29, "Multiplication", "*"},
        {30, "Division", "/"},
        {31, "Modulo Arithmetic", "%"},
        {32, "Addition", "+"},
        {33, "Subtraction", "-"},
        {5, "Backspace", "\\b"},
        {6, "Formfeed", "\\f"},
        {7, "New Line", "\\n"},
        {8, "Carriage Return", "\\r"},
        {9, "Tab", "\\t"},
        {10, "Single Quote", "\\'"},
        {11, "Double Quote", "\\\""},
        {35, "OnClick", "onClick="},
        {36, "OnMouseOver", "onMouseOver="},
        {37, "OnMouseOut", "onMouseOut="},
        {38, "OnSubmit", "onSubmit="},
        {39, "OnFocus", "onFocus="},
        {40, "OnBlur", "onBlur="},
        {41, "OnLoad", "onLoad="},
        {42, "OnUnload", "onUnLoad="},
        {43, "OnError", "onError="},
        {44, "OnChange", "onChange="},
        {45, "OnSelect", "onSelect="},
        {46, "OnAbort", "onAbort="},
        {47, "Alert", "alert(\" \");"},
        {48, "Confirm", "prompt(\" \",\" \");"},
        {49, "Prompt", "confirm(\" \");"},
        {50, "New Array", "var ?=new Array();"},
        {51, "New Date", "var ?=new Date();"},
        {52, "New Image", "var ?=new Image();"},
        {53, "Year", "getYear();"},
        {54, "Month", "getMonth();"},
        {55, "Day", "getDay();"},
        {56, "Hours", "getHours();"},
        {57, "Minutes", "getMinutes();"},
        {58, "Seconds", "getSeconds();"},
        {59, "Date", "getDate();"},
        {60, "Time", "getTime();"},
        {61, "Timezone Offset", "getTimezoneOffset();"},
        {62, "Absolute Number", "abs(?);"},
        {63, "Arc Cosine Of x In Radians", "acos(?);"},
        {64, "Arc Sine Of x In Radians", "asin(?);"},
        {65, "Arc Tangent Of x In Radians", "atan();"},
        {66, "Rounds To Next Integer", "ceil(?);"},
        {67, "Cosine Of x", "cos(?);"},
        {68, "E To The Power Of x", "exp(?);"},
        {69, "Rounds To Previous Integer", "floor(?);"},
        {70, "Natural Logarithm Of x", "log(?);"},
        {71, "Greater Number Between x And y", "max(?,?);"},
        {72, "Smaller Number Between x And y", "min(?,?);"},
        {73, "x To The Power Of y", "pow(?,?);"},
        {74, "Random Number (0-1)", "random();"},
        {75, "Rounds To Closest Integer", "round(?);"},
        {76, "Sine Of x", "sin(?);"},
        {77, "Square Root Of x", "sqrt(?);"},
        {78, "Tangent Of x", "tan(?);"},
        {79, "Anchor", "anchor(name);"},
        {80, "Big", "big();"},
        {81, "Blink", "blink();"},
        {82, "Bold", "bold();"},
        {83, "charAt", "charAt(index);"},
        {84, "Fixed", "fixed();"},
        {85, "Font Color", "fontColor(color);"},
        {86, "Font Size", "fontSize(size);"},
        {87, "Index Of", "indexOf(string,index);"},
        {88, "Italics", "italics();"},
        {89, "", "lastIndexOf(string,index);"},
        {90, "Link", "link(href);"},
        {91, "Small", "small();"},
        {92, "Strike", "strike();"},
        {93, "Substring", "substring(index1,indexlast);"},
        {94, "Superscript", "sup();"},
        {95, "Subscript", "sub();"},
        {96, "Upper- To Lower Case", "toLowerCase();"},
        {97, "Lower- To Upper Case", "toUpperCase();"},
    };
    for (const auto& word : words)
        QTest::addRow("SpeedButton%d", word.number)
            << QString::fromLatin1(word.hint) << QString::fromLatin1(word.text);
}

void TagInspectorTest::everyWordButtonInsertsItsText() {
    QFETCH(QString, hint);
    QFETCH(QString, text);
    EditorFixture& f = *fixture;
    QToolButton* pressed = button(f, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(pressed->toolTip(), hint);
    // Over a selection, then at the caret.
    f.setMarkedText(QStringLiteral("a[sel\nected]b\n"));
    pressed->click();
    QCOMPARE(f.markedText(), QStringLiteral("a%1|b\n").arg(text));
    f.setMarkedText(QStringLiteral("x|y"));
    pressed->click();
    QCOMPARE(f.markedText(), QStringLiteral("x%1|y").arg(text));
}

void TagInspectorTest::lineButtonsInsertWholeLines_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("function, empty editor") << controls::Function << "Function"
                                            << "|"
                                            << "function Name(){\n\n}\n|";
    QTest::newRow("if above a line, not split") << controls::IfElse << "If ... Else"
                                                << "a\nb|c\nd\n"
                                                << "a\nif (){\n\n} else {\n\n}\n|bc\nd\n";
    QTest::newRow("switch") << controls::Switch << "Switch"
                            << "a|"
                            << "switch(){\n\n\n\n}\n|a";
    QTest::newRow("while") << controls::While << "While"
                           << "|a"
                           << "while (){\n\n\n\n}\n|a";
    QTest::newRow("for above the line where the selection ends, selection kept")
        << controls::For << "For"
        << "x[yy\nz]z\n"
        << "xyy\nfor ( ; ; ){\n\n}\n|zz\n";
    QTest::newRow("noscript from the first line goes last")
        << controls::NoScript << "NoScript"
        << "<scr|ipt>\n</script>\n"
        << "<script>\n</script>\n<noscript>\nJavaScript is not enabled in your browser. Please "
           "enable it to view this site correctly.\n</noscript>\n|";
}

void TagInspectorTest::lineButtonsInsertWholeLines() {
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(QString, before);
    QFETCH(QString, after);
    EditorFixture& f = *fixture;
    QCOMPARE(button(f, name)->toolTip(), hint);
    f.setMarkedText(before);
    button(f, name)->click();
    QCOMPARE(f.markedText(), after);
}

void TagInspectorTest::clicksAddUpAndGiveTheEditorTheFocus() {
    EditorFixture& f = *fixture;
    f.viewEditor();
    f.inspector->show();
    f.inspector->activateWindow();
    f.setMarkedText(QStringLiteral("a|b"));
    QTest::mouseClick(button(f, controls::Comment), Qt::LeftButton);
    QTest::mouseClick(button(f, controls::Comment), Qt::LeftButton);
    QCOMPARE(f.markedText(), QStringLiteral("a////|b"));
    QTRY_COMPARE(QApplication::focusWidget(), f.memo);
}

void TagInspectorTest::facesShowTextOrPicture() {
    EditorFixture& f = *fixture;
    QCOMPARE(button(f, controls::Year)->text(), QStringLiteral("Year"));
    QCOMPARE(button(f, controls::TimezoneOffset)->text(), QStringLiteral("TZO"));
    QCOMPARE(button(f, controls::ArcTangent)->text(), QStringLiteral("atn"));
    QCOMPARE(button(f, controls::LastIndexOf)->text(), QStringLiteral("i >"));
    QVERIFY(button(f, controls::IndexOf)->font().bold());
    // "&" is shown, not taken as an access key.
    QCOMPARE(button(f, controls::And)->text(), QStringLiteral("&&&&"));
    QCOMPARE(button(f, controls::Backspace)->text(), QStringLiteral("\\b"));
    for (const char* pictured : {controls::Function, controls::IfElse, controls::OnClick,
                                 controls::Alert, controls::NewArray, controls::Anchor})
        QVERIFY2(!button(f, pictured)->icon().isNull(), pictured);
}

QTEST_MAIN(TagInspectorTest)
#include "tag_palette_test.moc"
