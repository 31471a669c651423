#pragma once

#include "makers/mouseover/mouseover_page.h"

// The same three-pane document for today's browsers. A document is modern as
// a whole: its head and script panes come from here, and so does every
// button added to it. The swap follows hover and keyboard focus; the status
// message becomes a tip that describes the link, shown with the over image
// and dismissed with Escape; preloading needs no named objects.

// The head pane of a new document; it ends inside the head's script, where
// the preload lines go.
QStringList modernMouseOverHeadLines();
// The fixed script pane: the swap, bound to every image that names its
// mouse-over image, then the end of the head and the start of the body.
QStringList modernMouseOverScriptLines();
// What End Code adds: the end of the page's main part, then the classic
// closing lines.
QStringList modernMouseOverClosingLines();
// The lines of the next button, numbered after `counters` as the classic
// document numbers them.
MouseOverButtonLines modernMouseOverButton(const MouseOverSettings& settings,
                                           const MouseOverCounters& counters);

// The kind a document was started as, classic or modern; every line added to
// it is of that kind until the next New.
struct MouseOverDocument {
    bool modern = false;

    QStringList headLines() const;
    QStringList scriptLines() const;
    QStringList closingLines() const;
    MouseOverButtonLines button(const MouseOverSettings& settings,
                                const MouseOverCounters& counters) const;
};
