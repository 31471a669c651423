// Hostile cases for the four Modern HTML5 Output generators, written in
// batches for the checker that reads them in the browser
// (modern_page_fuzz.py). Every text field of the settings gets hostile text;
// each case comes with a benign page of the same settings shape, the texts
// the page must show as typed and the addresses it must keep.
//
// Usage: modern_page_cases --seed S --count N --dir D [--batch B] [--makers m,...]
//   writes D/batch-K.js (a call of checkBatch with the batch), prints its path and waits for a line
//   on stdin before writing the next one; prints "done" at the end.
// Usage: modern_page_cases --seed S --show MAKER:INDEX
//   prints the typed values of one case, to reproduce a failure.

#include "core/page_text.h"
#include "core/text_file.h"
#include "core/typed_text.h"
#include "makers/dropdown/dropdown_modern_page.h"
#include "makers/mouseover/mouseover_modern_page.h"
#include "makers/popup/popup_modern_page.h"
#include "makers/slideshow/slideshow_modern_page.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <random>
#include <string>

namespace {

class Dice final {
public:
    Dice(quint64 seed, int maker, qint64 index) {
        std::seed_seq sequence{quint32(seed), quint32(seed >> 32), quint32(maker), quint32(index),
                               quint32(quint64(index) >> 32)};
        engine.seed(sequence);
    }
    int below(int n) { return int(engine() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    const QString& pick(const QStringList& list) { return list.at(below(int(list.size()))); }

private:
    std::mt19937_64 engine;
};

// Pieces that have ended a value early somewhere, or tried to run script.
const QStringList Fragments = {"\"",
                               "'",
                               "`",
                               "<",
                               ">",
                               "&",
                               "&amp;",
                               "&lt;",
                               "&#34;",
                               "&quot",
                               "</script>",
                               "</SCRIPT >",
                               "<script>alert(1)</script>",
                               "<!--",
                               "-->",
                               "--!>",
                               "<![CDATA[",
                               "]]>",
                               "\\",
                               "\\\"",
                               "\\u0022",
                               "\\x3c",
                               "${x}",
                               "*/",
                               "/*",
                               "//",
                               "\n",
                               "\r",
                               "\r\n",
                               "\t",
                               "\u2028",
                               "\u2029",
                               "\u0085",
                               "\uFEFF",
                               "\u00A0",
                               "é",
                               "😀",
                               "%",
                               "%zz",
                               "%41",
                               "%25",
                               "%C3%A9",
                               "%E2%80",
                               "#",
                               "?",
                               "[",
                               "]",
                               " [",
                               "] ",
                               " ",
                               "  ",
                               "on=1",
                               " onerror=alert(1) ",
                               "style=\"x\"",
                               "<img src=x onerror=alert(1)>",
                               "<iframe src=javascript:alert(1)>",
                               "<a href=\"javascript:alert(1)\">",
                               "</title>",
                               "</textarea>",
                               "</option>",
                               "</select>",
                               "</style>",
                               "<style>",
                               "<svg onload=alert(1)>",
                               "<math>",
                               "<template>",
                               "<noscript>",
                               "<plaintext>",
                               "<xmp>",
                               "<!DOCTYPE html>",
                               "</body>",
                               "</html>",
                               "<base href=//x>",
                               "url(javascript:alert(1))",
                               "expression(alert(1))",
                               ";color:red",
                               "}",
                               "{",
                               ")",
                               "(",
                               ",",
                               ";",
                               ":",
                               "javascript:",
                               "vbscript:",
                               "data:",
                               "&colon;",
                               "&#58;",
                               "&#x3A;",
                               "&Tab;",
                               "&NewLine;",
                               "&#0;",
                               "&#x0;",
                               "&#128;"};

// Beginnings of addresses that would run script, however they are spelt.
const QStringList ScriptBeginnings = {"javascript:",
                                      "JaVaScRiPt:",
                                      "JAVASCRIPT:",
                                      "vbscript:",
                                      "VBScript:",
                                      " javascript:",
                                      "\tjavascript:",
                                      "\x01javascript:",
                                      "java\tscript:",
                                      "java\nscript:",
                                      "java\rscript:",
                                      "javascript\t:",
                                      "\u00A0javascript:",
                                      "javascript&colon;",
                                      "&#106;avascript:",
                                      "&#x6A;avascript:",
                                      "jav&#x09;ascript:",
                                      "%6Aavascript:",
                                      "javascript%3A",
                                      "jAvAsCrIpT:/",
                                      "data:text/html,",
                                      "DATA:text/html;base64,",
                                      "data:image/svg+xml,",
                                      "data:image/png;base64,",
                                      "data:",
                                      "javascript://",
                                      "vbscript:msgbox"};

QString hostileText(Dice& dice) {
    QString text;
    for (int parts = 1 + dice.below(6); parts > 0; --parts) {
        switch (dice.below(12)) {
        case 0: // a lone surrogate, high or low
            text += QChar(char16_t(0xD800 + dice.below(0x800)));
            break;
        case 1: // a C0 control or DEL
            text += QChar(char16_t(dice.chance(90) ? dice.below(0x20) : 0x7F));
            break;
        case 2: { // any other character of the basic plane
            const char16_t u = char16_t(0x80 + dice.below(0xD800 - 0x80));
            text += QChar(dice.chance(80) ? u : char16_t(0xE000 + dice.below(0x2000)));
            break;
        }
        case 3: { // a character beyond it
            const char32_t beyond = char32_t(0x10000 + dice.below(0xFFFF0));
            text += QString::fromUcs4(&beyond, 1);
            break;
        }
        case 4:
            for (int n = 1 + dice.below(5); n > 0; --n)
                text += QChar(char16_t(0x20 + dice.below(0x5F)));
            break;
        default:
            text += dice.pick(Fragments);
        }
    }
    return text;
}

QString hostileAddress(Dice& dice) {
    return (dice.chance(60) ? dice.pick(ScriptBeginnings) : QString()) + hostileText(dice) +
           (dice.chance(30) ? QStringLiteral("alert(1)") : QString());
}

// What kind of value a field holds decides how hostile text is made for it.
enum class Kind { Text, Address, File, Number, Colour, Style };

struct Field {
    const char* name;
    QString* value;
    Kind kind;
    const char* benign; // what it holds on the benign page, unless empty
};

// What a case is drawn from: the settings shape (flags, counts, which
// fields are empty) from one die, shared by a group of cases so that they
// share one benign page; the hostile text from another, its own.
struct Draw {
    Dice shape;
    Dice text;
};

QString valueOf(Draw& draw, Kind kind) {
    static const QStringList Numbers = {"0", "1", "5", "10", "25", "320", " 7 ", "-3", "+2"};
    static const QStringList Colours = {"#A0B1C2", "#abc", "#FFFFFF"};
    static const QStringList Styles = {"Solid", "Groove",       "10",
                                       "1.5em", "Arial, serif", "Times New Roman"};
    const bool empty = draw.shape.chance(5);
    Dice& dice = draw.text;
    const bool valid = dice.chance(50);
    switch (kind) {
    case Kind::Text:
        return empty ? QString() : hostileText(dice);
    case Kind::Address:
        return empty ? QString() : hostileAddress(dice);
    case Kind::File:
        if (empty)
            return {};
        return dice.chance(50) ? QStringLiteral("/pics/") + hostileText(dice) + ".png"
                               : hostileAddress(dice);
    case Kind::Number:
        return dice.chance(80) ? dice.pick(Numbers) : hostileText(dice);
    case Kind::Colour:
        return valid ? dice.pick(Colours) : hostileText(dice);
    case Kind::Style:
        return valid ? dice.pick(Styles) : hostileText(dice);
    }
    return {};
}

// One case: the page, its benign twin and what the checker must find.
struct Case {
    QStringList page;
    QStringList benign;
    QStringList shown;          // texts the page shows as typed
    QStringList addresses;      // addresses it keeps, as typed
    QStringList typedAddresses; // every address and file typed, bare names too
    QStringList typed;          // every field, for --show
    bool refused = false;
};

QString visible(const QString& text) {
    QString out;
    for (const QChar c : text)
        out += c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSurrogate() ||
                       c.unicode() == 0x2028 || c.unicode() == 0x2029
                   ? QStringLiteral("\\u%1").arg(unsigned(c.unicode()), 4, 16, QLatin1Char('0'))
                   : QString(c);
    return out;
}

QString modern(const QString& text) {
    return web::validText(text, web::PageKind::Modern);
}

// A page may treat a blank text, or a file whose bare name is blank, as
// none: such a value stays as it is on the benign page, any other becomes
// the field's benign one.
QString benignFor(const QString& value, const Field& field) {
    if (modern(value).trimmed().isEmpty())
        return value;
    const QString bare = bareFileName(value);
    if (field.kind == Kind::File && modern(bare).trimmed().isEmpty())
        return QStringLiteral("/pics/") + bare;
    return QString::fromUtf8(field.benign);
}

// Fills `fields` with hostile values, keeps a benign copy of each, and notes
// them in the case.
QList<QString> fill(Draw& draw, const QList<Field>& fields, Case& made) {
    QList<QString> benign;
    for (const Field& field : fields) {
        *field.value = valueOf(draw, field.kind);
        if (field.kind == Kind::Address || field.kind == Kind::File)
            made.typedAddresses << modern(*field.value) << bareFileName(modern(*field.value));
        benign << benignFor(*field.value, field);
        made.typed << QLatin1String(field.name) + QLatin1String(" = ") + visible(*field.value);
    }
    return benign;
}

void swapIn(const QList<Field>& fields, QList<QString>& values) {
    for (qsizetype i = 0; i < fields.size(); ++i)
        std::swap(*fields[i].value, values[i]);
}

void show(Case& made, const QString& text) {
    if (!modern(text).trimmed().isEmpty())
        made.shown << modern(text);
}

Case dropdownCase(Draw& draw) {
    Dice& dice = draw.text;
    Case made;
    DropdownSettings s;
    const QList<Field> fields = {
        {"background", &s.background, Kind::Colour, "#123456"},
        {"itemColour", &s.itemColour, Kind::Colour, "#123456"},
        {"font", &s.font, Kind::Style, "Arial"},
        {"size", &s.size, Kind::Style, "10"},
        {"goText", &s.goText, Kind::Text, "Go"},
        {"border", &s.border, Kind::Style, "Solid"},
        {"borderWidth", &s.borderWidth, Kind::Style, "1"},
    };
    QList<QString> benign = fill(draw, fields, made);
    s.bold = draw.shape.chance(50);
    s.italic = draw.shape.chance(50);
    s.underline = draw.shape.chance(50);
    s.invertButton = draw.shape.chance(50);
    s.fullPage = draw.shape.chance(50);
    QStringList benignEntries;
    for (int n = draw.shape.below(5); n > 0; --n) {
        const QString entry = dice.chance(80)
                                  ? entryText(hostileText(dice), hostileAddress(dice))
                                  : hostileText(dice) + dice.pick(Fragments) + hostileText(dice);
        s.entries << entry;
        benignEntries << QStringLiteral("Benign [benign.html]");
        made.typed << QLatin1String("entry = ") + visible(entry);
        const MenuEntry parts = splitEntry(modern(entry));
        show(made, parts.name);
        if (!parts.url.isEmpty())
            made.addresses << parts.url;
        made.typedAddresses << parts.url;
    }
    if (!s.goText.isEmpty())
        show(made, s.goText);
    made.page = modernDropdownPage(s);
    swapIn(fields, benign);
    s.entries = benignEntries;
    made.benign = modernDropdownPage(s);
    return made;
}

Case popupCase(Draw& draw) {
    Case made;
    PopupSettings s;
    const QList<Field> fields = {
        {"height", &s.height, Kind::Number, "1"},
        {"width", &s.width, Kind::Number, "1"},
        {"left", &s.left, Kind::Number, "1"},
        {"top", &s.top, Kind::Number, "1"},
        {"closeSeconds", &s.closeSeconds, Kind::Number, "1"},
        {"url", &s.url, Kind::Address, "benign.html"},
        {"statusText", &s.statusText, Kind::Text, "Benign"},
        {"imagePath", &s.imagePath, Kind::File, "/pics/benign.png"},
        {"delaySeconds", &s.delaySeconds, Kind::Number, "1"},
    };
    QList<QString> benign = fill(draw, fields, made);
    for (bool* flag : {&s.directories, &s.location, &s.menubar, &s.resizable, &s.scrollbars,
                       &s.statusbar, &s.toolbar, &s.closeAfterTime, &s.fullScreen})
        *flag = draw.shape.chance(50);
    s.event = PopupSettings::LaunchEvent(draw.shape.below(6));
    s.medium = PopupSettings::LaunchMedium(draw.shape.below(3));
    const bool link = s.event == PopupSettings::LaunchEvent::OnClick ||
                      s.event == PopupSettings::LaunchEvent::OnMouseOut ||
                      s.event == PopupSettings::LaunchEvent::OnMouseOver;
    if (link)
        show(made, s.statusText);
    made.addresses << modern(s.url);
    if (link && s.medium == PopupSettings::LaunchMedium::ImageLink)
        made.addresses << modern(s.imagePath);
    made.page = modernPopupPage(s);
    swapIn(fields, benign);
    made.benign = modernPopupPage(s);
    return made;
}

Case mouseOverCase(Draw& draw) {
    Case made;
    QStringList head = modernMouseOverHeadLines();
    QStringList body;
    QStringList benignHead = head;
    QStringList benignBody;
    MouseOverCounters counters;
    for (int n = 1 + draw.shape.below(3); n > 0; --n) {
        MouseOverSettings s;
        const QList<Field> fields = {
            {"borderColour", &s.borderColour, Kind::Colour, "#123456"},
            {"borderType", &s.borderType, Kind::Style, "Solid"},
            {"borderSize", &s.borderSize, Kind::Style, "1"},
            {"initialImage", &s.initialImage, Kind::File, "/pics/a.png"},
            {"mouseOverImage", &s.mouseOverImage, Kind::File, "/pics/b.png"},
            {"statusText", &s.statusText, Kind::Text, "Benign"},
            {"alternateText", &s.alternateText, Kind::Text, "Benign"},
            {"url", &s.url, Kind::Address, "benign.html"},
        };
        QList<QString> benign = fill(draw, fields, made);
        s.preloadImages = draw.shape.chance(50);
        s.imageBorder = draw.shape.chance(50);
        s.vertical = draw.shape.chance(50);
        show(made, s.statusText);
        show(made, s.alternateText);
        made.addresses << modern(s.url) << modern(s.initialImage) << modern(s.mouseOverImage);
        const MouseOverButtonLines added = modernMouseOverButton(s, counters);
        swapIn(fields, benign);
        const MouseOverButtonLines twin = modernMouseOverButton(s, counters);
        head << added.headLines;
        body << added.bodyLines;
        benignHead << twin.headLines;
        benignBody << twin.bodyLines;
        counters = added.counters;
    }
    const QStringList script = modernMouseOverScriptLines();
    made.page = head + script + body + modernMouseOverClosingLines();
    made.benign = benignHead + script + benignBody + modernMouseOverClosingLines();
    return made;
}

Case slideshowCase(Draw& draw) {
    Dice& dice = draw.text;
    Case made;
    SlideshowSettings s;
    const QList<Field> fields = {
        {"initialImage", &s.initialImage, Kind::File, "/pics/benign.png"},
        {"transitionTime", &s.transitionTime, Kind::Number, "1"},
        {"rightClickMessage", &s.rightClickMessage, Kind::Text, "Benign"},
        {"sound", &s.sound, Kind::File, "/sounds/benign.wav"},
        {"pageTitle", &s.pageTitle, Kind::Text, "Benign"},
        {"pageBackgroundColor", &s.pageBackgroundColor, Kind::Colour, "#123456"},
        {"backgroundImage", &s.backgroundImage, Kind::File, "/pics/back.png"},
        {"headingText", &s.headingText, Kind::Text, "Benign"},
        {"headingFont", &s.headingFont, Kind::Style, "Arial"},
        {"headingColor", &s.headingColor, Kind::Colour, "#123456"},
        {"headingSize", &s.headingSize, Kind::Style, "10"},
        {"borderColor", &s.borderColor, Kind::Colour, "#123456"},
        {"borderWidth", &s.borderWidth, Kind::Number, "1"},
        {"consoleColor", &s.consoleColor, Kind::Colour, "#123456"},
        {"headingCellColor", &s.headingCellColor, Kind::Colour, "#123456"},
        {"cellSpacing", &s.cellSpacing, Kind::Number, "1"},
        {"cellPadding", &s.cellPadding, Kind::Number, "1"},
        {"buttonFont", &s.buttonFont, Kind::Style, "Arial"},
        {"buttonBackgroundColor", &s.buttonBackgroundColor, Kind::Colour, "#123456"},
        {"buttonTextColor", &s.buttonTextColor, Kind::Colour, "#123456"},
        {"buttonBorderStyle", &s.buttonBorderStyle, Kind::Style, "Solid"},
        {"buttonBorderWidth", &s.buttonBorderWidth, Kind::Number, "1"},
        {"listFont", &s.listFont, Kind::Style, "Arial"},
        {"listBackgroundColor", &s.listBackgroundColor, Kind::Colour, "#123456"},
        {"listItemColor", &s.listItemColor, Kind::Colour, "#123456"},
        {"listBorderStyle", &s.listBorderStyle, Kind::Style, "Solid"},
        {"listBorderWidth", &s.listBorderWidth, Kind::Number, "1"},
    };
    QList<QString> benign = fill(draw, fields, made);
    // A transition time that is no whole number is refused, which checks
    // nothing; keep that rare.
    if (dice.chance(90))
        s.transitionTime = QString::number(dice.below(30));
    made.typed << QLatin1String("transitionTime used = ") + visible(s.transitionTime);
    for (bool* flag : {&s.centreConsole, &s.rightClickDisable, &s.playSound, &s.headingBold,
                       &s.headingItalic, &s.headingUnderline})
        *flag = draw.shape.chance(50);
    QStringList benignImages;
    for (int n = 1 + draw.shape.below(4); n > 0; --n) {
        s.images << valueOf(draw, Kind::File);
        made.typedAddresses << modern(s.images.last()) << bareFileName(modern(s.images.last()));
        benignImages << benignFor(s.images.last(), {"image", nullptr, Kind::File, "/pics/a.png"});
        made.typed << QLatin1String("image = ") + visible(s.images.last());
    }
    const bool published = draw.shape.chance(30);
    made.typed << QStringLiteral("published = %1").arg(published);
    const auto page = [published](const SlideshowSettings& settings) {
        return published ? modernPublishedSlideshowPage(settings) : modernSlideshowPage(settings);
    };
    const SlideshowPage hostile = page(s);
    made.refused = hostile.refused();
    show(made, s.pageTitle);
    show(made, s.headingText);
    if (s.rightClickDisable)
        show(made, s.rightClickMessage);
    // A blank file name makes no slide.
    if (!published)
        for (const QString& image : s.images)
            if (!modern(image).trimmed().isEmpty())
                made.addresses << modern(image);
    made.page = hostile.lines;
    swapIn(fields, benign);
    s.transitionTime = QStringLiteral("1");
    s.images = benignImages;
    made.benign = page(s).lines;
    return made;
}

// Eight cases in a row share one settings shape.
Draw drawOf(quint64 seed, int maker, qint64 index) {
    return {Dice(seed, maker + 100, index / 8), Dice(seed, maker, index)};
}

struct Maker {
    const char* name;
    Case (*make)(Draw&);
};

const Maker Makers[] = {{"dropdown", &dropdownCase},
                        {"popup", &popupCase},
                        {"mouseover", &mouseOverCase},
                        {"slideshow", &slideshowCase}};

QJsonArray jsonList(const QStringList& list) {
    return QJsonArray::fromStringList(list);
}

// Benign pages repeat, one per settings shape: each is sent once and then
// named by its number.
class BenignPages final {
public:
    int idOf(const QString& page, QJsonObject& newOnes) {
        const auto found = ids.constFind(page);
        if (found != ids.cend())
            return *found;
        const int id = int(ids.size());
        ids.insert(page, id);
        newOnes.insert(QString::number(id), page);
        return id;
    }

private:
    QHash<QString, int> ids;
};

int writeBatches(quint64 seed, qint64 count, const QString& dir, qint64 batchSize,
                 const QStringList& only) {
    BenignPages benignPages;
    int batchNumber = 0;
    for (int m = 0; m < int(std::size(Makers)); ++m) {
        const Maker& maker = Makers[m];
        if (!only.isEmpty() && !only.contains(QLatin1String(maker.name)))
            continue;
        for (qint64 first = 0; first < count; first += batchSize) {
            QJsonArray cases;
            QJsonObject newBenign;
            for (qint64 index = first; index < qMin(count, first + batchSize); ++index) {
                Draw draw = drawOf(seed, m, index);
                const Case made = maker.make(draw);
                QJsonObject entry{{"index", index}, {"refused", made.refused}};
                if (!made.refused) {
                    entry.insert("page", pageText(made.page, LastLine::Open));
                    entry.insert("benign", benignPages.idOf(pageText(made.benign, LastLine::Open),
                                                            newBenign));
                    entry.insert("shown", jsonList(made.shown));
                    entry.insert("addresses", jsonList(made.addresses));
                    entry.insert("typedAddresses", jsonList(made.typedAddresses));
                }
                cases.append(entry);
            }
            const QJsonObject batch{
                {"maker", QLatin1String(maker.name)}, {"benign", newBenign}, {"cases", cases}};
            const QString path = QStringLiteral("%1/batch-%2.js").arg(dir).arg(++batchNumber);
            const QByteArray script =
                "checkBatch(" + QJsonDocument(batch).toJson(QJsonDocument::Compact) + ");\n";
            QString error;
            if (!writeFileAtomically(path, script, &error)) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return 1;
            }
            std::printf("%s\n", qPrintable(path));
            std::fflush(stdout);
            std::string go;
            if (!std::getline(std::cin, go))
                return 0;
        }
    }
    std::printf("done\n");
    return 0;
}

int showCase(quint64 seed, const QString& which) {
    const QString name = which.section(QLatin1Char(':'), 0, 0);
    const qint64 index = which.section(QLatin1Char(':'), 1).toLongLong();
    for (int m = 0; m < int(std::size(Makers)); ++m)
        if (name == QLatin1String(Makers[m].name)) {
            Draw draw = drawOf(seed, m, index);
            const Case made = Makers[m].make(draw);
            for (const QString& line : made.typed)
                std::printf("%s\n", line.toUtf8().constData());
            std::printf("--- page\n%s\n", pageText(made.page, LastLine::Open).toUtf8().constData());
            return 0;
        }
    std::fprintf(stderr, "unknown maker %s\n", qPrintable(name));
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    quint64 seed = 1;
    qint64 count = 100;
    qint64 batch = 250;
    QString dir;
    QString which;
    QStringList only;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString option = QString::fromLocal8Bit(argv[i]);
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (option == QLatin1String("--seed"))
            seed = value.toULongLong();
        else if (option == QLatin1String("--count"))
            count = value.toLongLong();
        else if (option == QLatin1String("--batch"))
            batch = qMax(1LL, value.toLongLong());
        else if (option == QLatin1String("--dir"))
            dir = value;
        else if (option == QLatin1String("--show"))
            which = value;
        else if (option == QLatin1String("--makers"))
            only = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (!which.isEmpty())
        return showCase(seed, which);
    if (dir.isEmpty()) {
        std::fprintf(stderr,
                     "usage: %s --seed S --count N --dir D [--batch B] [--makers m,...]\n"
                     "       %s --seed S --show MAKER:INDEX\n",
                     argv[0], argv[0]);
        return 2;
    }
    return writeBatches(seed, count, dir, batch, only);
}
