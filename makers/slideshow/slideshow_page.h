#pragma once

#include "core/typed_text.h"

#include <QString>
#include <QStringList>

// Everything the slideshow page is made of, as the tab's controls hold it.
// Texts are inserted exactly as given.
struct SlideshowSettings {
    QStringList images;                                      // ListBox2, slide order
    QString initialImage;                                    // Edit23
    QString transitionTime = QStringLiteral("1");            // SpinEdit7, seconds
    bool centreConsole = false;                              // CheckBox13
    bool rightClickDisable = false;                          // CheckBox14
    QString rightClickMessage;                               // Edit19
    bool playSound = false;                                  // CheckBox15
    QString sound;                                           // Edit20
    QString pageTitle;                                       // Edit21
    QString pageBackgroundColor = QStringLiteral("#FFFFFF"); // Label45
    QString backgroundImage;                                 // Edit22

    QString headingText;                                     // Edit18
    QString headingFont = QStringLiteral("Times New Roman"); // ComboBox9
    QString headingColor = QStringLiteral("#FFFFFF");        // Label49
    bool headingBold = false;                                // ToolButton46
    bool headingItalic = false;                              // ToolButton47
    bool headingUnderline = false;                           // ToolButton48
    QString headingSize = QStringLiteral("10");              // ComboBox11, pixels
    QString borderColor = QStringLiteral("#FFFFFF");         // Label52
    QString borderWidth = QStringLiteral("1");               // ComboBox10
    QString consoleColor = QStringLiteral("#FFFFFF");        // Label56
    QString headingCellColor = QStringLiteral("#FFFFFF");    // Label57
    QString cellSpacing = QStringLiteral("2");               // SpinEdit8
    QString cellPadding = QStringLiteral("2");               // SpinEdit9

    QString buttonFont = QStringLiteral("Times New Roman");    // ComboBox12
    QString buttonBackgroundColor = QStringLiteral("#FFFFFF"); // Label65
    QString buttonTextColor = QStringLiteral("#FFFFFF");       // Label66
    QString buttonBorderStyle = QStringLiteral("Solid");       // ComboBox13
    QString buttonBorderWidth = QStringLiteral("0");           // ComboBox14
    QString listFont = QStringLiteral("Times New Roman");      // ComboBox15
    QString listBackgroundColor = QStringLiteral("#FFFFFF");   // Label72
    QString listItemColor = QStringLiteral("#FFFFFF");         // Label73
    QString listBorderStyle = QStringLiteral("Solid");         // ComboBox16
    QString listBorderWidth = QStringLiteral("0");             // ComboBox17

    bool operator==(const SlideshowSettings&) const = default;
};

// A page, or the message that explains why there is none.
struct SlideshowPage {
    QStringList lines;
    QString refusal;

    bool refused() const { return !refusal.isEmpty(); }
};

// The settings with every text as a page of `kind` may take it (see
// web::validText); each page function starts here.
SlideshowSettings validSettings(SlideshowSettings settings, web::PageKind kind);

// Whether settings make a page: the rotation delay in milliseconds, or the
// message that explains why there is none. Make Code checks for an empty image
// list, then a missing initial image, then a transition time that is not a
// whole number; Publish checks only the transition time.
struct SlideshowCheck {
    qint64 delay = 0;
    QString refusal;
};
SlideshowCheck checkSlideshow(const SlideshowSettings& settings, bool published);

// Make Code: the page with every file referred to by its full path. Refuses an
// empty image list, then a missing initial image, then a transition time that
// is not a whole number.
SlideshowPage slideshowPage(const SlideshowSettings& settings);

// Publish: the same page with every file referred to by its bare name, for a
// folder that holds the page and its files. Only a transition time that is not
// a whole number is refused.
SlideshowPage publishedSlideshowPage(const SlideshowSettings& settings);

// The files Publish copies beside the page, in copying order: background
// image, sound, initial image (each only when its text is longer than three
// characters), then every list entry.
QStringList slideshowPublishSources(const SlideshowSettings& settings);

// The part of a path after its last "/".
QString bareFileName(const QString& path);
