#include "app/command_line.h"

#include "core/project_pages.h"
#include "core/web_images.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef QUILLMINT_VERSION
#error "QUILLMINT_VERSION must give the program's version"
#endif

namespace {

// The toolkit's command-line options, which it takes out of the arguments
// only once the application object exists.
constexpr const char* ToolkitOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "display",     "geometry",           "qmljsdebugger"};
constexpr const char* ToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addHidden(QCommandLineParser& parser, const char* name, bool takesValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(),
                              takesValue ? QStringLiteral("value") : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// main() installs the desktop's catalogue before the arguments are read, so
// help and usage errors are in its language.

// The words the toolkit's parser writes into the usage line, in its own
// catalogue's language.
QString toolkitText(const char* text) {
    const char* context = "QCommandLineParser";
    return QCoreApplication::translate(context, text);
}

CommandLine usageError(const QString& program, const QString& problem) {
    CommandLine command;
    command.run = false;
    command.exitCode = 2;
    command.message = QCoreApplication::translate("CommandLine",
                                                  "%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(program, problem);
    return command;
}

CommandLine finished(const QString& message) {
    CommandLine command;
    command.run = false;
    command.message = message;
    return command;
}

// The long edges --image-size takes: from a thumbnail to a large screen.
constexpr int ShortestWebImageEdge = 100;
constexpr int LongestWebImageEdge = 8192;

const QString Build = QStringLiteral("build");
const QString Publish = QStringLiteral("publish");

// What --help adds below the options: the two commands that need no window.
QString commandsHelp(const QString& program) {
    return QCoreApplication::translate(
               "CommandLine",
               "\nCommands (no window is opened; errors go to standard error):\n"
               "  %1 build PROJECT [--tool TOOL] [--classic|--modern] [-o FILE]\n"
               "      Writes the page Save As HTML would write for each tool of the\n"
               "      project (a .quillmint file) that has content, as PROJECT-TOOL.html\n"
               "      beside it, or into the folder -o names; with --tool (dropdown,\n"
               "      popup, mouseover or slideshow) only that page, to -o FILE when given.\n"
               "  %1 publish PROJECT FOLDER [--classic|--modern]\n"
               "          [--optimise-images [--image-size PIXELS]]\n"
               "      Publishes the project's slideshow into FOLDER as Publish does: the\n"
               "      page (named after the project) and a copy of every file it uses.\n"
               "      --optimise-images (modern output only) writes the slide images\n"
               "      for the web as Publish's \"Optimise Images for the Web\" does:\n"
               "      fitted into PIXELS (%2 to %3; %4 unless given), WebP with a JPEG\n"
               "      fallback, without camera metadata.\n"
               "  --classic and --modern choose the output; without them the project's\n"
               "  own choice holds. Exit status: 0 done, 1 failed, 2 wrong usage.\n")
        .arg(program)
        .arg(ShortestWebImageEdge)
        .arg(LongestWebImageEdge)
        .arg(DefaultWebImageEdge);
}

// build PROJECT [--tool TOOL] [--classic|--modern] [-o FILE], or
// publish PROJECT FOLDER [--classic|--modern]; `arguments` start at the verb.
CommandLine parseProjectCommand(const QString& program, const QStringList& arguments) {
    const bool build = arguments.first() == Build;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption tool(QStringLiteral("tool"), {}, QStringLiteral("tool"));
    const QCommandLineOption classic(QStringLiteral("classic"));
    const QCommandLineOption modern(QStringLiteral("modern"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {},
                                    QStringLiteral("file"));
    const QCommandLineOption optimise(QStringLiteral("optimise-images"));
    const QCommandLineOption imageSize(QStringLiteral("image-size"), {}, QStringLiteral("pixels"));
    parser.addOptions({classic, modern});
    if (build)
        parser.addOptions({tool, output});
    else
        parser.addOptions({optimise, imageSize});
    if (!parser.parse(QStringList{program} + arguments.mid(1)))
        return usageError(program,
                          QStringLiteral("%1: %2").arg(arguments.first(), parser.errorText()));
    const QStringList operands = parser.positionalArguments();
    const qsizetype wanted = build ? 1 : 2;
    if (operands.size() != wanted)
        return usageError(
            program,
            build ? QCoreApplication::translate("CommandLine", "build takes one project file.")
                  : QCoreApplication::translate("CommandLine",
                                                "publish takes a project file and a folder."));
    if (parser.isSet(classic) && parser.isSet(modern))
        return usageError(
            program, QCoreApplication::translate("CommandLine",
                                                 "--classic and --modern exclude each other."));
    CommandLine command;
    command.run = false;
    command.action = build ? CommandLine::Action::Build : CommandLine::Action::Publish;
    command.project = QDir::current().absoluteFilePath(operands.at(0));
    if (parser.isSet(classic) || parser.isSet(modern))
        command.modern = parser.isSet(modern);
    if (build) {
        command.tool = parser.value(tool);
        if (parser.isSet(tool) && !projectToolNames().contains(command.tool))
            return usageError(program,
                              QCoreApplication::translate("CommandLine", "--tool takes one of %1.")
                                  .arg(projectToolNames().join(QStringLiteral(", "))));
        if (parser.isSet(output))
            command.output = QDir::current().absoluteFilePath(parser.value(output));
    } else {
        command.folder = QDir::current().absoluteFilePath(operands.at(1));
        if (parser.isSet(imageSize) && !parser.isSet(optimise))
            return usageError(
                program, QCoreApplication::translate("CommandLine",
                                                     "--image-size goes with --optimise-images."));
        if (parser.isSet(optimise) && parser.isSet(classic))
            return usageError(
                program, QCoreApplication::translate("CommandLine",
                                                     "--optimise-images needs the modern output."));
        if (parser.isSet(optimise)) {
            bool number = false;
            command.webImageEdge = parser.isSet(imageSize) ? parser.value(imageSize).toInt(&number)
                                                           : DefaultWebImageEdge;
            if (parser.isSet(imageSize) &&
                (!number || command.webImageEdge < ShortestWebImageEdge ||
                 command.webImageEdge > LongestWebImageEdge))
                return usageError(
                    program,
                    QCoreApplication::translate(
                        "CommandLine", "--image-size takes a number of pixels from %1 to %2.")
                        .arg(ShortestWebImageEdge)
                        .arg(LongestWebImageEdge));
        }
    }
    return command;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("quillmint"))).fileName();
    // A file named "build" or "publish" opens as ./build.
    if (arguments.size() > 1 && (arguments.at(1) == Build || arguments.at(1) == Publish))
        return parseProjectCommand(program, arguments.mid(1));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Writes the HTML and JavaScript of drop-down menus, popup windows, "
                       "mouse-over buttons\nand slideshows, and edits scripts by hand."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : ToolkitOptionsWithValue)
        addHidden(parser, name, true);
    for (const char* name : ToolkitFlags)
        addHidden(parser, name, false);
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "file"),
        QCoreApplication::translate("CommandLine",
                                    "A page or script to open in the JS Editor, or a "
                                    "project (.quillmint) to open."),
        QCoreApplication::translate("CommandLine", "[file]"));

    if (!parser.parse(arguments))
        return usageError(program, parser.errorText());
    if (parser.isSet(help)) {
        // "Usage: <name> [options]" names the program as it was called, with
        // or without an application object.
        QString text = parser.helpText();
        const QString usage = toolkitText("Usage: %1").section(QLatin1String("%1"), 0, 0);
        const QString options = QLatin1Char(' ') + toolkitText("[options]");
        text.replace(usage.size(), text.indexOf(options) - usage.size(), program);
        return finished(text + commandsHelp(program));
    }
    if (parser.isSet(version))
        return finished(QStringLiteral("Quillmint " QUILLMINT_VERSION "\n"));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return usageError(program, QCoreApplication::translate(
                                       "CommandLine", "Only one file can be opened at a time."));
    CommandLine command;
    if (!files.isEmpty())
        command.file = QDir::current().absoluteFilePath(files.first());
    return command;
}
