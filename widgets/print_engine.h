#pragma once

#include <QString>

// Printing on the default printer lives in a plugin library of its own
// (quillmint-print.so, built from print_engine.cpp), which alone links Qt
// Print Support, so that it is loaded on the first Print and not at start-up.

// The plugin's one entry point: prints `text` and sets `problem` to what went
// wrong, or to an empty text.
extern "C" void quillmintPrint(const QString& text, QString* problem);
using PrintText = void (*)(const QString&, QString*);
inline constexpr char PrintTextSymbol[] = "quillmintPrint";
