#pragma once

#include "widgets/desktop.h"

#include <QString>

class QWidget;

// Printing lives in a plugin library of its own (quillmint-print.so, built
// from print_engine.cpp), which alone links Qt Print Support, so that it is
// loaded on the first Print and not at start-up.

// The plugin's one entry point: shows the print dialog over `parent`, then
// prints `text` as the user chose there.
extern "C" void quillmintPrint(const QString& text, QWidget* parent, PrintOutcome* outcome);
using PrintText = void (*)(const QString&, QWidget*, PrintOutcome*);
inline constexpr char PrintTextSymbol[] = "quillmintPrint";
