#pragma once

#include <QString>
#include <optional>

// Reads one of the program's shipped text files (a tip, a wizard step) from
// under the shipped-data folder, ready to show in a text pane: line by line,
// with whatever line ends the file uses, shortened for display
// (shortenedForDisplay). On failure returns nothing and sets
// `error` to a message that names the file by its full path.
std::optional<QString> readShippedText(const QString& shippedData, const QString& relativeName,
                                       QString* error);
