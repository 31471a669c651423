#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the program was asked for on its command line.
struct CommandLine {
    // Start the windows, or build pages from a project without them.
    enum class Action { Start, Build, Publish };

    bool run = true;  // false: print `message` and end with `exitCode`
    int exitCode = 0; // 0 for --help and --version, 2 for a usage error
    QString message;  // for standard output when exitCode is 0, else standard error
    QString file;     // a page or script to open in the JS Editor, absolute

    Action action = Action::Start;
    QString project;            // build, publish: the project file, absolute
    QString tool;               // build: one tool's name; empty for every tool with content
    std::optional<bool> modern; // --modern or --classic; else the project's choice
    QString output;             // build: -o, absolute; a file with --tool, else a folder
    QString folder;             // publish: the folder the slideshow goes to, absolute
    int webImageEdge = 0;       // publish: the long edge images are fitted into; 0 copies them
};

// Reads the arguments (program name first). Needs no application object, so
// --help, --version, build and publish work without a display; the
// toolkit's own options (-platform, -style ...) are let through.
CommandLine parseCommandLine(const QStringList& arguments);
