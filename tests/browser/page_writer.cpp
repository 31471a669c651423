// Writes the pages the browser suite loads, each made by the program's own
// page functions and written as Save As HTML and Publish write them.
//
// Usage: page_writer <request.json>. The request lists pages:
//   {"pages": [{"file": "/abs/page.html", "maker": "dropdown", "settings": {...}}]}
// maker is one of dropdown, popup, mouseover (with "buttons", a list of
// settings, instead of "settings"), slideshow, slideshow-publish (the
// page and its files published beside "file") and slideshow-publish-web (the
// same with the slide images optimised for the web, fitted into "longEdge"
// pixels; modern only); each with "-modern" added
// gives the modern page instead of the classic one. "bytes": "plain" writes the
// page without the byte-order mark, as the program did before it marked
// non-ASCII pages; "files": "separate" writes the page with its style sheet
// and scripts beside it, as "Separate CSS and JavaScript files" does. Settings name the members of
// the page settings; a name the writer does not know is an error, so a typo cannot pass unnoticed.

#include "core/page_text.h"
#include "core/separate_files.h"
#include "core/text_file.h"
#include "makers/dropdown/dropdown_modern_page.h"
#include "makers/dropdown/dropdown_page.h"
#include "makers/mouseover/mouseover_modern_page.h"
#include "makers/mouseover/mouseover_page.h"
#include "makers/popup/popup_modern_page.h"
#include "makers/popup/popup_page.h"
#include "makers/slideshow/slideshow_modern_page.h"
#include "makers/slideshow/slideshow_page.h"
#include "makers/slideshow/slideshow_publisher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cstdio>
#include <initializer_list>
#include <stdexcept>
#include <utility>

namespace {

template <typename S> using Texts = std::initializer_list<std::pair<const char*, QString S::*>>;
template <typename S> using Flags = std::initializer_list<std::pair<const char*, bool S::*>>;

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

template <typename S>
S readSettings(const QJsonObject& json, Texts<S> texts, Flags<S> flags,
               std::initializer_list<const char*> handledElsewhere = {}) {
    S settings;
    QSet<QString> known(handledElsewhere.begin(), handledElsewhere.end());
    for (const auto& [key, member] : texts) {
        known.insert(QLatin1String(key));
        if (json.contains(QLatin1String(key)))
            settings.*member = json.value(QLatin1String(key)).toString();
    }
    for (const auto& [key, member] : flags) {
        known.insert(QLatin1String(key));
        if (json.contains(QLatin1String(key)))
            settings.*member = json.value(QLatin1String(key)).toBool();
    }
    for (const QString& key : json.keys())
        if (!known.contains(key))
            fail(QStringLiteral("unknown setting %1").arg(key));
    return settings;
}

QStringList stringList(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list.append(item.toString());
    return list;
}

DropdownSettings dropdown(const QJsonObject& json) {
    using S = DropdownSettings;
    S settings = readSettings<S>(json,
                                 {{"background", &S::background},
                                  {"itemColour", &S::itemColour},
                                  {"font", &S::font},
                                  {"size", &S::size},
                                  {"goText", &S::goText},
                                  {"border", &S::border},
                                  {"borderWidth", &S::borderWidth}},
                                 {{"bold", &S::bold},
                                  {"italic", &S::italic},
                                  {"underline", &S::underline},
                                  {"invertButton", &S::invertButton},
                                  {"fullPage", &S::fullPage}},
                                 {"entries"});
    for (const QJsonValue& entry : json.value(QLatin1String("entries")).toArray()) {
        const QJsonArray pair = entry.toArray();
        settings.entries.append(entryText(pair.at(0).toString(), pair.at(1).toString()));
    }
    return settings;
}

PopupSettings popup(const QJsonObject& json) {
    using S = PopupSettings;
    S settings = readSettings<S>(json,
                                 {{"height", &S::height},
                                  {"width", &S::width},
                                  {"left", &S::left},
                                  {"top", &S::top},
                                  {"closeSeconds", &S::closeSeconds},
                                  {"url", &S::url},
                                  {"statusText", &S::statusText},
                                  {"imagePath", &S::imagePath},
                                  {"delaySeconds", &S::delaySeconds}},
                                 {{"directories", &S::directories},
                                  {"location", &S::location},
                                  {"menubar", &S::menubar},
                                  {"resizable", &S::resizable},
                                  {"scrollbars", &S::scrollbars},
                                  {"statusbar", &S::statusbar},
                                  {"toolbar", &S::toolbar},
                                  {"closeAfterTime", &S::closeAfterTime},
                                  {"fullScreen", &S::fullScreen}},
                                 {"event", "medium"});
    // Indexes of the "Launch Event:" and "Launch Medium:" lists.
    settings.event = S::LaunchEvent(json.value(QLatin1String("event")).toInt());
    settings.medium = S::LaunchMedium(json.value(QLatin1String("medium")).toInt());
    return settings;
}

MouseOverSettings mouseOverButtonSettings(const QJsonObject& json) {
    using S = MouseOverSettings;
    return readSettings<S>(json,
                           {{"borderColour", &S::borderColour},
                            {"borderType", &S::borderType},
                            {"borderSize", &S::borderSize},
                            {"initialImage", &S::initialImage},
                            {"mouseOverImage", &S::mouseOverImage},
                            {"statusText", &S::statusText},
                            {"alternateText", &S::alternateText},
                            {"url", &S::url}},
                           {{"preloadImages", &S::preloadImages},
                            {"imageBorder", &S::imageBorder},
                            {"vertical", &S::vertical}});
}

// The document as Add Image builds it button by button, ended by End Code.
QStringList mouseOverPage(const QJsonArray& buttons, bool modern) {
    QStringList head = modern ? modernMouseOverHeadLines() : mouseOverHeadLines();
    QStringList body;
    MouseOverCounters counters;
    const auto button = modern ? modernMouseOverButton : mouseOverButton;
    for (const QJsonValue& settings : buttons) {
        const MouseOverButtonLines added =
            button(mouseOverButtonSettings(settings.toObject()), counters);
        head += added.headLines;
        body += added.bodyLines;
        counters = added.counters;
    }
    body += modern ? modernMouseOverClosingLines() : mouseOverClosingLines();
    const QStringList script = modern ? modernMouseOverScriptLines() : mouseOverScriptLines();
    const QString page =
        assembleMouseOverPage(pageText(head, LastLine::Open), pageText(script, LastLine::Open),
                              pageText(body, LastLine::Open));
    return splitLines(page);
}

SlideshowSettings slideshow(const QJsonObject& json) {
    using S = SlideshowSettings;
    S settings = readSettings<S>(json,
                                 {{"initialImage", &S::initialImage},
                                  {"transitionTime", &S::transitionTime},
                                  {"rightClickMessage", &S::rightClickMessage},
                                  {"sound", &S::sound},
                                  {"pageTitle", &S::pageTitle},
                                  {"pageBackgroundColor", &S::pageBackgroundColor},
                                  {"backgroundImage", &S::backgroundImage},
                                  {"headingText", &S::headingText},
                                  {"headingFont", &S::headingFont},
                                  {"headingColor", &S::headingColor},
                                  {"headingSize", &S::headingSize},
                                  {"borderColor", &S::borderColor},
                                  {"borderWidth", &S::borderWidth},
                                  {"consoleColor", &S::consoleColor},
                                  {"headingCellColor", &S::headingCellColor},
                                  {"cellSpacing", &S::cellSpacing},
                                  {"cellPadding", &S::cellPadding},
                                  {"buttonFont", &S::buttonFont},
                                  {"buttonBackgroundColor", &S::buttonBackgroundColor},
                                  {"buttonTextColor", &S::buttonTextColor},
                                  {"buttonBorderStyle", &S::buttonBorderStyle},
                                  {"buttonBorderWidth", &S::buttonBorderWidth},
                                  {"listFont", &S::listFont},
                                  {"listBackgroundColor", &S::listBackgroundColor},
                                  {"listItemColor", &S::listItemColor},
                                  {"listBorderStyle", &S::listBorderStyle},
                                  {"listBorderWidth", &S::listBorderWidth}},
                                 {{"centreConsole", &S::centreConsole},
                                  {"rightClickDisable", &S::rightClickDisable},
                                  {"playSound", &S::playSound},
                                  {"headingBold", &S::headingBold},
                                  {"headingItalic", &S::headingItalic},
                                  {"headingUnderline", &S::headingUnderline}},
                                 {"images"});
    settings.images = stringList(json.value(QLatin1String("images")));
    return settings;
}

QStringList slideshowLines(const SlideshowPage& page) {
    if (page.refused())
        fail(page.refusal);
    return page.lines;
}

QByteArray fileBytes(const QStringList& lines, bool marked) {
    const QString text = pageText(lines);
    return marked ? htmlFileBytes(text) : paneFileBytes(text);
}

// The page, and its separate files first when asked for.
web::SeparatedPage pageFiles(const QString& text, const QString& file, bool separate) {
    return separate ? web::separateFiles(text, QFileInfo(file).completeBaseName())
                    : web::SeparatedPage{text, {}};
}

void writePage(const QJsonObject& request) {
    QString maker = request.value(QLatin1String("maker")).toString();
    const bool modern = maker.endsWith(QLatin1String("-modern"));
    maker.remove(QLatin1String("-modern"));
    const QString file = request.value(QLatin1String("file")).toString();
    const QJsonObject json = request.value(QLatin1String("settings")).toObject();
    const bool marked = request.value(QLatin1String("bytes")).toString() != QLatin1String("plain");
    const bool separate =
        request.value(QLatin1String("files")).toString() == QLatin1String("separate");
    if (maker.startsWith(QLatin1String("slideshow-publish"))) {
        const SlideshowSettings settings = slideshow(json);
        const SlideshowPage page =
            modern ? modernPublishedSlideshowPage(settings) : publishedSlideshowPage(settings);
        const web::SeparatedPage files = pageFiles(pageText(slideshowLines(page)), file, separate);
        SlideshowPublisher publisher(file,
                                     marked ? htmlFileBytes(files.html) : paneFileBytes(files.html),
                                     slideshowPublishSources(settings));
        for (const web::SeparateFile& companion : files.files)
            publisher.addCompanion(QFileInfo(file).dir().filePath(companion.name),
                                   htmlFileBytes(companion.text));
        if (maker == QLatin1String("slideshow-publish-web"))
            publisher.optimiseImages(
                QStringList{settings.initialImage} + settings.images,
                request.value(QLatin1String("longEdge")).toInt(DefaultWebImageEdge),
                [settings, marked, file, separate](const WebImages& images) {
                    const web::SeparatedPage made = pageFiles(
                        pageText(slideshowLines(modernPublishedSlideshowPage(settings, images))),
                        file, separate);
                    SlideshowPublisher::MadePage written{
                        marked ? htmlFileBytes(made.html) : paneFileBytes(made.html), {}};
                    for (const web::SeparateFile& companion : made.files)
                        written.companions.append({QFileInfo(file).dir().filePath(companion.name),
                                                   htmlFileBytes(companion.text)});
                    return written;
                });
        if (publisher.run() != SlideshowPublisher::Outcome::Complete)
            fail(publisher.error());
        return;
    }
    QStringList lines;
    if (maker == QLatin1String("dropdown"))
        lines = modern ? modernDropdownPage(dropdown(json)) : dropdownPage(dropdown(json));
    else if (maker == QLatin1String("popup"))
        lines = modern ? modernPopupPage(popup(json)) : popupPage(popup(json));
    else if (maker == QLatin1String("mouseover"))
        lines = mouseOverPage(request.value(QLatin1String("buttons")).toArray(), modern);
    else if (maker == QLatin1String("slideshow"))
        lines = slideshowLines(modern ? modernSlideshowPage(slideshow(json))
                                      : slideshowPage(slideshow(json)));
    else
        fail(QStringLiteral("unknown maker %1").arg(maker));
    QString error;
    if (!separate) {
        if (!writeFileAtomically(file, fileBytes(lines, marked), &error))
            fail(error);
        return;
    }
    const web::SeparatedPage files = pageFiles(pageText(lines), file, true);
    for (const web::SeparateFile& companion : files.files)
        if (!writeFileAtomically(QFileInfo(file).dir().filePath(companion.name),
                                 htmlFileBytes(companion.text), &error))
            fail(error);
    if (!writeFileAtomically(file, htmlFileBytes(files.html), &error))
        fail(error);
}

} // namespace

int main(int argc, char** argv) {
    setWebImagePlugin(QStringLiteral(QUILLMINT_IMAGES_PLUGIN_FILE));
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s request.json\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const QJsonArray pages =
        QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("pages")).toArray();
    try {
        for (const QJsonValue& page : pages)
            writePage(page.toObject());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "page_writer: %s\n", error.what());
        return 1;
    }
    return 0;
}
