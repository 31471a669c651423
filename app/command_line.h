#pragma once

#include <QString>
#include <QStringList>

// What the program was asked for on its command line.
struct CommandLine {
    bool run = true;  // false: print `message` and end with `exitCode`
    int exitCode = 0; // 0 for --help and --version, 2 for a usage error
    QString message;  // for standard output when exitCode is 0, else standard error
    QString file;     // a page or script to open in the JS Editor, absolute
};

// Reads the arguments (program name first). Needs no application object, so
// --help and --version work without a display; the toolkit's own options
// (-platform, -style ...) are let through.
CommandLine parseCommandLine(const QStringList& arguments);
