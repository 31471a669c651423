#pragma once

#include "core/typed_text.h"

#include <QString>
#include <QStringList>

// The settings Add Image reads from the tab at the click.
struct MouseOverSettings {
    // "Global Properties"
    bool preloadImages = true;                        // CheckBox11
    bool imageBorder = false;                         // CheckBox12
    QString borderColour = QStringLiteral("#FFFFFF"); // Label29, an HtmlColor
    QString borderType = QStringLiteral("Solid");     // ComboBox6
    QString borderSize = QStringLiteral("0");         // ComboBox7
    bool vertical = false;                            // RadioButton5

    // "Image Properties", inserted exactly as typed
    QString initialImage;   // Edit10
    QString mouseOverImage; // Edit11
    QString statusText;     // Edit12
    QString alternateText;  // Edit13
    QString url;            // Edit14

    friend bool operator==(const MouseOverSettings&, const MouseOverSettings&) = default;
};

// The document's two counters: buttons added (Edit15) and preload objects
// written (Edit16) since the last New.
struct MouseOverCounters {
    qint64 buttons = 0;
    qint64 preloads = 0;

    friend bool operator==(const MouseOverCounters&, const MouseOverCounters&) = default;
};

// What one Add Image appends to the head and body panes, and the counters
// afterwards.
struct MouseOverButtonLines {
    QStringList headLines;
    QStringList bodyLines;
    MouseOverCounters counters;
};

// The settings with every text as a page of `kind` may take it (see
// web::validText); each page function starts here.
MouseOverSettings validSettings(MouseOverSettings settings, web::PageKind kind);

// The lines of the next image button, numbered after `counters`.
MouseOverButtonLines mouseOverButton(const MouseOverSettings& settings,
                                     const MouseOverCounters& counters);

// The head pane of a new document.
QStringList mouseOverHeadLines();
// The fixed script pane: the swap functions, then the end of the head and
// the start of the body.
QStringList mouseOverScriptLines();
// What End Code appends to the body pane.
QStringList mouseOverClosingLines();

// The whole page: the lines of the head, script and body panes, one after the
// other. A pane's last line ends there even when the user left it without a
// line break, so it never runs on into the next pane's first line.
QString assembleMouseOverPage(const QString& head, const QString& script, const QString& body);
