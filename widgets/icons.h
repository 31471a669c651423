#pragma once

#include <QIcon>
#include <QString>

// An icon by its freedesktop icon-theme name ("document-new", "edit-cut",
// "web-browser" ...): the desktop theme's picture when the theme has one,
// else the program's own drawing, so tool bars and menus show pictures even
// where no icon theme is installed.
QIcon themedIcon(const QString& name);

// The id that names the program to the desktop: its icon, desktop entry and
// metainfo.
QString applicationId();
// The program's own icon, from the installed icon theme or its resources.
QIcon applicationIcon();
