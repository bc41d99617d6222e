#include "app/NetvaneCommandLine.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFileInfo>

namespace {
// Made when asked for, so that their descriptions are in the language loaded by then.
QCommandLineOption HelpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                              QCoreApplication::translate("ConsoleCommands", "Shows this help and ends."));
}
QCommandLineOption VersionOption()
{
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              QCoreApplication::translate("ConsoleCommands", "Shows the version and ends."));
}
QCommandLineOption MinimizedOption()
{
    return QCommandLineOption(QStringLiteral("minimized"),
                              QCoreApplication::translate("ConsoleCommands",
                                                          "Starts hidden behind the tray icon (for autostart)."));
}

// The toolkit's window options: the window's application object takes them from the
// arguments itself. Accepted here so they are no unknown options; never listed.
QList<QCommandLineOption> ToolkitOptions()
{
    QList<QCommandLineOption> out;
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
                             "stylesheet", "session", "qwindowgeometry", "qwindowtitle", "qwindowicon", "geometry",
                             "title", "name"}) {
        QCommandLineOption o(QLatin1String(name), QString(), QStringLiteral("value"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        out << o;
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption o{QString::fromLatin1(name)};
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        out << o;
    }
    return out;
}

CommandLineRequest Printed(int status, const QString& text)
{
    CommandLineRequest r;
    r.What = CommandLineRequest::Kind::Print;
    r.Status = status;
    r.Text = text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n');
    return r;
}

struct Parser {
    QCommandLineParser parser;
    Parser(const std::vector<ConsoleAction>& actions)
    {
        // "-platform" is one option, as the toolkit reads it, not "-p -l -a ...".
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QCoreApplication::translate("ConsoleCommands", "Switches the IPv4 configuration of a network connection between named presets.\n"
                           "Without an option it opens the window, or brings the one already open to the front."));
        parser.addOption(HelpOption());
        parser.addOption(VersionOption());
        parser.addOption(MinimizedOption());
        for (const ConsoleAction& a : actions) {
            parser.addOption(a.Option);
            parser.addOptions(a.Settings);
        }
        parser.addOptions(ToolkitOptions());
    }
};
}  // namespace

TNetvaneCommandLine::TNetvaneCommandLine(std::vector<ConsoleAction> actions, QString version)
    : FActions(std::move(actions)), FVersion(std::move(version))
{
}

QString TNetvaneCommandLine::HelpText(const QString& program) const
{
    Parser p(FActions);
    QString text = p.parser.helpText();
    // The parser names the program after the application object, or not at all
    // without one: the name typed on this command line is the one to show.
    // The parser's own words, in the toolkit's language: "Usage: %1 [options]".
    const char* const parserTexts = "QCommandLineParser";
    const QString usage = QCoreApplication::translate(parserTexts, "Usage: %1").section(QStringLiteral("%1"), 0, 0);
    const qsizetype end = text.indexOf(QLatin1Char(' ') + QCoreApplication::translate(parserTexts, "[options]"));
    if (text.startsWith(usage) && end > usage.size())
        text.replace(usage.size(), end - usage.size(), program);
    return text;
}

CommandLineRequest TNetvaneCommandLine::Parse(const QStringList& arguments) const
{
    const QString program = arguments.isEmpty() ? QStringLiteral("netvane") : QFileInfo(arguments.first()).fileName();
    Parser p(FActions);
    QCommandLineParser& parser = p.parser;
    const auto usageError = [&](const QString& error) {
        return Printed(CommandLineRequest::kUsageError, program + QStringLiteral(": ") + error + QStringLiteral("\n\n") +
                                                            HelpText(program));
    };
    if (!parser.parse(arguments.isEmpty() ? QStringList{program} : arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return Printed(0, HelpText(program));
    if (parser.isSet(QStringLiteral("version")))
        return Printed(0, program + QLatin1Char(' ') + FVersion);
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("ConsoleCommands", "unexpected argument '%1'").arg(parser.positionalArguments().first()));

    CommandLineRequest request;
    for (const ConsoleAction& a : FActions) {
        if (!parser.isSet(a.Option))
            continue;
        if (request.Action)
            return usageError(QCoreApplication::translate("ConsoleCommands", "--%1 and --%2 cannot be used together")
                                  .arg(request.Action->Option.names().last(), a.Option.names().last()));
        request.What = CommandLineRequest::Kind::Console;
        request.Action = &a;
        request.Value = a.Option.valueName().isEmpty() ? QString() : parser.value(a.Option);
    }
    for (const ConsoleAction& a : FActions)
        for (const QCommandLineOption& setting : a.Settings) {
            if (!parser.isSet(setting))
                continue;
            if (request.Action != &a)
                return usageError(QCoreApplication::translate("ConsoleCommands", "--%1 goes only with --%2")
                                      .arg(setting.names().first(), a.Option.names().last()));
            request.Settings.insert(setting.names().first(), parser.value(setting));
        }
    if (request.Action && parser.isSet(QStringLiteral("minimized")))
        return usageError(QCoreApplication::translate("ConsoleCommands", "--minimized starts the window; it does not go with --%1")
                              .arg(request.Action->Option.names().last()));
    request.Minimized = parser.isSet(QStringLiteral("minimized"));
    return request;
}
