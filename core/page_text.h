#pragma once

#include <QString>
#include <QStringList>

// Whether a page's last line ends with a line break.
enum class LastLine {
    Ended, // as the code pane, a saved file and a project hold a page
    Open,  // as the live preview is handed a page
};

// A page's lines as one text, each line but perhaps the last ended by '\n'.
QString pageText(const QStringList& lines, LastLine last = LastLine::Ended);
