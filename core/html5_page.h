#pragma once

#include <QString>
#include <QStringList>

// The pieces every standards-mode page of the modern output shares.
namespace web {

// The start of a page up to its open head: doctype, the language, the
// character set, the viewport and the title (a page without one is invalid,
// so an empty title becomes `fallbackTitle`).
QStringList html5Head(const QString& title, const QString& fallbackTitle);

// The style element of a full page: the rules every modern page shares
// (images that scale down, controls of at least 24 x 24 CSS pixels, a
// visible focus ring, long words that wrap) followed by `ownRules`.
QStringList pageStyle(const QStringList& ownRules = {});

// The page's level-one heading, read by assistive technology only, for a
// page that shows none of its own.
QString hiddenHeading(const QString& text);

// A script that runs `body` in its own scope with `root` bound to the
// element that holds the script, so a fragment finds only its own elements
// and two copies of it in one page never meet.
QStringList scopedScript(const QStringList& body);

// Text that only assistive technology reads, for a label the page does not
// show.
QString hiddenLabel(const QString& text);

} // namespace web
