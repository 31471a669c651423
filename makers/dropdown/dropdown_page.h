#pragma once

#include "core/typed_text.h"

#include <QString>
#include <QStringList>

// Everything the dropdown menu page is made of, as the tab's controls hold it
// at the moment the code is made. Texts are inserted exactly as they stand.
struct DropdownSettings {
    QString background = QStringLiteral("#FFFFFF"); // select box; button unless inverted
    QString itemColour = QStringLiteral("#000000"); // select text; button text unless inverted
    QString font = QStringLiteral("Times New Roman");
    QString size = QStringLiteral("10");
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString goText = QStringLiteral("Go!");
    QString border = QStringLiteral("Solid");
    QString borderWidth = QStringLiteral("1");
    bool invertButton = false;
    bool fullPage = false; // the whole page rather than the script and form only
    QStringList entries;   // "name [url]", in menu order

    friend bool operator==(const DropdownSettings&, const DropdownSettings&) = default;
};

struct MenuEntry {
    QString name;
    QString url;
};

// "name [url]", the form the list shows and stores.
QString entryText(const QString& name, const QString& url);

// Splits a stored entry at its first "[": the name is what stands before the
// space that precedes it, the address what follows it up to the last
// character (the closing "]").
MenuEntry splitEntry(const QString& entry);

// Square brackets or quotes in a name, address or button text would break the
// entry split or the generated markup.
bool hasForbiddenCharacters(const QString& text);

// Orders entries once, by their whole text, without regard to letter case;
// entries that compare equal keep their order.
void sortEntries(QStringList& entries);

// The settings with every text as a page of `kind` may take it (see
// web::validText); each page function starts here.
DropdownSettings validSettings(DropdownSettings settings, web::PageKind kind);

// The lines of the page: the script and the form, and around them the rest
// of an HTML page when `fullPage` is set.
QStringList dropdownPage(const DropdownSettings& settings);
