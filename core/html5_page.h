#pragma once

#include <QString>
#include <QStringList>

// The pieces every standards-mode page of the modern output shares.
namespace web {

// The start of a page up to its open head: doctype, the language, the
// character set, the viewport and the title (a page without one is invalid,
// so an empty title becomes `fallbackTitle`).
QStringList html5Head(const QString& title, const QString& fallbackTitle);

// A script that runs `body` in its own scope with `root` bound to the
// element that holds the script, so a fragment finds only its own elements
// and two copies of it in one page never meet.
QStringList scopedScript(const QStringList& body);

// Text that only assistive technology reads, for a label the page does not
// show.
QString hiddenLabel(const QString& text);

} // namespace web
