// What each command line asks for: window, printed text or a console action.
#include <gtest/gtest.h>

#include "app/ConsoleCommands.h"
#include "app/NetvaneCommandLine.h"

namespace {
using Kind = CommandLineRequest::Kind;

TNetvaneCommandLine Netvane() { return TNetvaneCommandLine(ConsoleActions(), QStringLiteral("3.0.0")); }

QString ActionName(const CommandLineRequest& r) { return r.Action ? r.Action->Option.names().last() : QString(); }

TEST(CommandLine, EachOptionAsksForItsOwnThing)
{
    const struct {
        QStringList args;
        Kind kind;
        int status;
        const char* action;
        const char* value;
        bool minimized;
        const char* text;  // part of the printed text
    } cases[] = {
        {{}, Kind::Window, 0, "", "", false, ""},
        {{"--minimized"}, Kind::Window, 0, "", "", true, ""},
        {{"-minimized"}, Kind::Window, 0, "", "", true, ""},
        // The toolkit's own options go on to the window.
        {{"-platform", "offscreen", "--style=fusion", "-reverse"}, Kind::Window, 0, "", "", false, ""},
        {{"--list"}, Kind::Console, 0, "list", "", false, ""},
        {{"--apply", "Office LAN"}, Kind::Console, 0, "apply", "Office LAN", false, ""},
        {{"--apply=Home"}, Kind::Console, 0, "apply", "Home", false, ""},
        {{"--help"}, Kind::Print, 0, "", "", false, "--apply <NAME>"},
        {{"-h"}, Kind::Print, 0, "", "", false, "Usage: netvane [options]"},
        {{"--version"}, Kind::Print, 0, "", "", false, "netvane 3.0.0\n"},
        {{"-v", "--bogus"}, Kind::Print, 2, "", "", false, "Unknown option 'bogus'"},
        {{"--bogus"}, Kind::Print, 2, "", "", false, "Usage: netvane [options]"},
        {{"--apply"}, Kind::Print, 2, "", "", false, "Missing value after '--apply'"},
        {{"stray"}, Kind::Print, 2, "", "", false, "unexpected argument 'stray'"},
        {{"--list", "--apply", "x"}, Kind::Print, 2, "", "", false, "cannot be used together"},
        {{"--list", "--minimized"}, Kind::Print, 2, "", "", false, "does not go with --list"},
        {{"--export", "sets.json"}, Kind::Console, 0, "export", "sets.json", false, ""},
        {{"--import", "sets.json", "--on-conflict=keep"}, Kind::Console, 0, "import", "sets.json", false, ""},
        {{"--list", "--on-conflict=keep"}, Kind::Print, 2, "", "", false, "--on-conflict goes only with --import"},
        {{"--on-conflict", "skip"}, Kind::Print, 2, "", "", false, "--on-conflict goes only with --import"},
        // Help and version win over everything else, as users expect.
        {{"--list", "--help"}, Kind::Print, 0, "", "", false, "--minimized"},
    };
    const TNetvaneCommandLine line = Netvane();  // the request points into it
    for (const auto& c : cases) {
        const CommandLineRequest r = line.Parse(QStringList{"/usr/bin/netvane"} + c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.What, c.kind);
        EXPECT_EQ(r.Status, c.status);
        EXPECT_EQ(ActionName(r), QLatin1String(c.action));
        EXPECT_EQ(r.Value, QString::fromUtf8(c.value));
        EXPECT_EQ(r.Minimized, c.minimized);
        EXPECT_EQ(r.Settings.value("on-conflict"), c.kind == Kind::Console && c.args.contains("--on-conflict=keep") ? "keep" : "");
        EXPECT_TRUE(r.Text.contains(QString::fromUtf8(c.text))) << r.Text.toStdString();
    }
}

TEST(CommandLine, AnAddedConsoleActionIsParsedLikeTheOthers)
{
    std::vector<ConsoleAction> actions = ConsoleActions();
    actions.push_back({QCommandLineOption("check", "Checks the sets.", "FILE"),
                       [](const QString&, const ConsoleSettings&, QTextStream&, QTextStream&) { return 0; }});
    const TNetvaneCommandLine line(std::move(actions), "1");
    const CommandLineRequest r = line.Parse({"netvane", "--check", "/tmp/x"});
    EXPECT_EQ(r.What, Kind::Console);
    EXPECT_EQ(ActionName(r), "check");
    EXPECT_EQ(r.Value, "/tmp/x");
    EXPECT_EQ(line.Parse({"netvane", "--check", "a", "--list"}).Status, CommandLineRequest::kUsageError);
}
}  // namespace
