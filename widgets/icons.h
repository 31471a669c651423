#pragma once

#include <QIcon>
#include <QString>

// An icon by its freedesktop icon-theme name ("document-new", "edit-cut",
// "web-browser" ...): the desktop theme's picture when the theme has one,
// else the program's own drawing, so tool bars and menus show pictures even
// where no icon theme is installed.
QIcon themedIcon(const QString& name);

// Where the desktop chose no icon theme, Qt takes "hicolor", the theme every
// other falls back to. It holds applications' own icons only (ours is the
// picture of our drawing), none of the action and arrow icons the program
// and Qt's style ask for, yet reading its index of thousands of folders on
// the first lookup costs a fifth of the start-up. Then no theme folder is
// searched and every icon is the one that lookup would have fallen back to.
// Called once, before the first icon is made.
void skipUnchosenIconTheme();

// The id that names the program to the desktop: its icon, desktop entry and
// metainfo.
QString applicationId();
// The program's own icon, from the installed icon theme or its resources.
QIcon applicationIcon();
