#pragma once
// netvane's command line. Help, version and the console actions need no window and
// run without a display; everything else starts the window.
//
// A console action is one option with the work it does on a plain QCoreApplication;
// adding an option of that kind is adding one entry to ConsoleActions() (ConsoleCommands.h).
#include <QCommandLineOption>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

// The values of an action's settings that were given, by each option's first name.
using ConsoleSettings = QHash<QString, QString>;

struct ConsoleAction {
    QCommandLineOption Option;
    // value: the option's value (empty for a flag). Returns the exit status.
    std::function<int(const QString& value, const ConsoleSettings& settings, QTextStream& out, QTextStream& err)> Run;
    // Options that go only with this one (--on-conflict with --import).
    QList<QCommandLineOption> Settings = {};
};

struct CommandLineRequest {
    enum class Kind {
        Window,   // start (or hand over to) the window
        Print,    // print Text and end with Status: help, version, a usage error
        Console,  // run Action with Value
    };
    Kind What = Kind::Window;
    int Status = 0;
    QString Text;  // Print: to standard output when Status is 0, else to standard error
    const ConsoleAction* Action = nullptr;
    QString Value;
    ConsoleSettings Settings;
    bool Minimized = false;  // Window: start hidden behind the tray icon

    static constexpr int kUsageError = 2;
};

class TNetvaneCommandLine {
public:
    TNetvaneCommandLine(std::vector<ConsoleAction> actions, QString version);

    // arguments: the program's name first, as the user typed them. The request's
    // Action points into this object, which must outlive it. At most one
    // console action; no positional arguments. The toolkit's own window options
    // (-platform, -style, ...) pass through to the window.
    CommandLineRequest Parse(const QStringList& arguments) const;

private:
    QString HelpText(const QString& program) const;

    std::vector<ConsoleAction> FActions;
    QString FVersion;
};
