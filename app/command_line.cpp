#include "app/command_line.h"

#include <QCommandLineParser>
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

CommandLine usageError(const QString& program, const QString& problem) {
    return {false,
            2,
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, problem),
            {}};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("quillmint"))).fileName();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Writes the HTML and JavaScript of drop-down menus, popup windows, "
                       "mouse-over buttons\nand slideshows, and edits scripts by hand."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : ToolkitOptionsWithValue)
        addHidden(parser, name, true);
    for (const char* name : ToolkitFlags)
        addHidden(parser, name, false);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A page or script to open in the JS Editor."),
                                 QStringLiteral("[file]"));

    if (!parser.parse(arguments))
        return usageError(program, parser.errorText());
    if (parser.isSet(help)) {
        // "Usage: <name> [options]" names the program as it was called, with
        // or without an application object.
        QString text = parser.helpText();
        const QLatin1String usage("Usage: ");
        text.replace(usage.size(), text.indexOf(QLatin1String(" [options]")) - usage.size(),
                     program);
        return {false, 0, text, {}};
    }
    if (parser.isSet(version))
        return {false, 0, QStringLiteral("Quillmint " QUILLMINT_VERSION "\n"), {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return usageError(program, QStringLiteral("Only one file can be opened at a time."));
    CommandLine command;
    if (!files.isEmpty())
        command.file = QDir::current().absoluteFilePath(files.first());
    return command;
}
