#pragma once

#include <QList>
#include <QString>

// A modern page split for sites whose Content-Security-Policy allows no inline
// script or style: its style element and every style attribute go to a style
// sheet, each inline script to a script file, all named after the page and
// linked from where they were.
namespace web {

struct SeparateFile {
    QString name; // beside the page: "<base>.css", "<base>.js", "<base>-2.js" ...
    QString text;
};

struct SeparatedPage {
    QString html;
    QList<SeparateFile> files;
};

// `baseName` is the page's file name without its extension. A script keeps
// its place, so one that finds its own elements through the script element
// still does. Style attributes become classes whose rules follow the page's
// own style rules, so they win over them as the attributes did.
SeparatedPage separateFiles(const QString& page, const QString& baseName);

} // namespace web
