#pragma once

#include "makers/dropdown/dropdown_page.h"

// The same menu as a standards-mode fragment (or page): a labelled select and
// a button whose script, in its own scope, goes to the chosen address; Go on
// an empty menu does nothing. Every value is escaped for where it lands.
QStringList modernDropdownPage(const DropdownSettings& settings);
