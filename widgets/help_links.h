#pragma once

#include <QString>

// Opens a shipped file (such as "help/index.html" or "readme.txt") that lies
// under the shipped-data folder.
void openProgramFile(const QString& shippedData, const QString& relativeName);
// Opens the help page of tool tab 1..5 ("help/con1.html" ... "help/con5.html").
void openToolHelp(const QString& shippedData, int toolNumber);
