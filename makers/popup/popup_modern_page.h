#pragma once

#include "makers/popup/popup_page.h"

// The popup page for today's browsers. A click on the link opens the window
// (a click is the one launch a popup blocker allows); the page events, the
// delay and the mouse events open the target page in an in-page overlay of
// the requested size instead, as does a click whose window was blocked. The
// close timer closes whichever opened and never throws when none did; the
// status message becomes the link's tool tip.
QStringList modernPopupPage(const PopupSettings& settings);
