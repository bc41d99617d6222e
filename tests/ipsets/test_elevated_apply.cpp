// Applying with and without administrator rights. Unelevated, the real helper runs:
// a copy of netvane beside the fake netsh, started on Windows (under Wine) through
// ShellExecuteExW's "runas", on Linux, which has no such start, as a plain process.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/f_WaitBox.h"
#include "ipsets/ElevatedApply.h"
#include "ipsets/o_IPSetManager.h"
#include "platform/CommandLine.h"
#include "platform/FakeNetsh.h"
#include "support/TempStore.h"

using namespace std::chrono_literals;

namespace {

std::unique_ptr<ChildProcess> StartHelper(const std::string& program, const std::string& parameters,
                                          [[maybe_unused]] const std::function<void()>& whileAsking, int& errorCode)
{
#ifdef _WIN32
    return ChildProcess::StartElevated(program, parameters, whileAsking, errorCode);
#else
    return ChildProcess::Start(QuoteArgument(program) + " " + parameters, 0, errorCode);
#endif
}

struct ElevatedApplyTest : ::testing::Test {
    TempStore store;
    FakeNetsh netsh;
    QMainWindow window;
    QTreeWidget tree;
    TqxIPSetManager manager;
    QTemporaryDir helperFolder;  // the helper and the fake netsh it finds beside itself
    QString helper = helperFolder.filePath(QFileInfo(NETVANE_PROGRAM).fileName());
    int launches = 0;
    int office = 0;

    void SetUp() override
    {
        manager.SetIPSetDataSet(store.IPSets());
        manager.SetConnectionsDataSet(store.Connections());
        manager.SetIPSetTreeView(&tree);
        manager.SetTrayIcon(new QSystemTrayIcon(&window));
        manager.SetCommandPause(0ms);  // the helper keeps its own
        const QString fake = QString::fromStdString(FakeNetsh::Location().string());
        ASSERT_TRUE(QFile::copy(NETVANE_PROGRAM, helper));
        ASSERT_TRUE(QFile::copy(fake, helperFolder.filePath(QFileInfo(fake).fileName())));
        office = store.AddIPSet("Office", "10.0.0.5", "255.0.0.0", "10.0.0.1", "10.0.0.2", false,
                                store.AddConnection("Office LAN"));
    }
    // elevated: netsh runs here; otherwise the helper with the start given, counted.
    void Elevated(bool elevated, ElevationSeam::Starter start = StartHelper)
    {
        ElevationSeam seam;
        seam.IsElevated = [elevated] { return elevated; };
        seam.HelperProgram = QDir::toNativeSeparators(helper).toStdString();
        seam.Start = [this, start](const std::string& program, const std::string& parameters,
                                   const std::function<void()>& whileAsking, int& errorCode) {
            ++launches;
            return start(program, parameters, whileAsking, errorCode);
        };
        manager.SetElevation(seam);
    }
    QString Balloon() { return window.statusBar()->currentMessage(); }
};

}  // namespace

TEST_F(ElevatedApplyTest, ElevatedRunsNetshItselfUnelevatedOneHelperWhichReportsEachStep)
{
    const struct {
        bool elevated;
        int exitCode;
        const char* said;
        const char* balloon;
    } cases[] = {
        {true, 0, "", "IP Changed successfully!"},
        {false, 0, "", "IP Changed successfully!"},
        // netsh's exit codes and text come back: the same words as when netsh runs here.
        {false, 1, "\n  unknown connection \"Office LAN\"\n",
         "Office was not applied. Setting the address and the DNS server failed: unknown connection \"Office LAN\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.balloon);
        FakeNetsh fresh;
        fresh.SetExitCode(c.exitCode);
        fresh.SetStdout(c.said);
        fresh.SetSleep(400ms);
        launches = 0;
        Elevated(c.elevated);
        bool waitBoxWhileRunning = false;  // seen from the event loop, which keeps running
        QTimer::singleShot(200ms, [&] { waitBoxWhileRunning = FrmWaitBox && FrmWaitBox->isVisible(); });
        manager.ApplyIPSet(office);
        EXPECT_TRUE(waitBoxWhileRunning);
        EXPECT_EQ(launches, c.elevated ? 0 : 1);  // one prompt per apply
        std::vector<std::string> args;
        for (const FakeNetshCall& call : fresh.Calls())
            args.insert(args.end(), call.Args.begin() + 3, call.Args.end());
        EXPECT_EQ(args, (std::vector<std::string>{"address", "Office LAN", "static", "10.0.0.5", "255.0.0.0",
                                                  "10.0.0.1", "1", "dns", "Office LAN", "static", "10.0.0.2",
                                                  "primary"}));
        // The address line had ended before the DNS line began.
        EXPECT_EQ(fresh.Events(), (std::vector<std::string>{"begin", "end", "begin", "end"}));
        EXPECT_EQ(Balloon(), c.balloon);
    }
}

TEST_F(ElevatedApplyTest, ARefusedPromptChangesNothing)
{
    Elevated(false, [](const std::string&, const std::string&, const std::function<void()>&, int& errorCode) {
        errorCode = kElevationRefused;
        return std::unique_ptr<ChildProcess>();
    });
    manager.ApplyIPSet(office);
    EXPECT_EQ(launches, 1);
    EXPECT_TRUE(netsh.Calls().empty());
    EXPECT_EQ(Balloon(), "Office was not applied: administrator rights were refused.");
    EXPECT_TRUE(FrmWaitBox.isNull());
    EXPECT_FALSE(manager.Applying());
}

// The helper mode takes the apply request and nothing else; a refused one runs nothing,
// writes only into an empty file waiting for its report, and makes none.
TEST_F(ElevatedApplyTest, TheHelperRefusesAnyOtherRequest)
{
    const std::string folder = helperFolder.path().toStdString() + "/";
    const std::string report = folder + "report", used = folder + "used", missing = folder + "missing";
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{report, "Office LAN", "static", "10.0.0.5", "255.0.0.0", "", "", "& del *"}, "exactly seven values"},
        {{report, "Office LAN", "static&", "10.0.0.5", "255.0.0.0", "", ""}, "neither static nor dhcp"},
        {{report, "Office\" LAN", "dhcp", "", "", "", ""}, "quotation mark"},
        {{used, "Office LAN", "dhcp", "", "", "", ""}, ""},     // holds something already: left as it is
        {{missing, "Office LAN", "dhcp", "", "", "", ""}, ""},  // no file waits there: none is made
    };
    const auto contents = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    for (auto [arguments, reason] : refused) {
        SCOPED_TRACE(arguments[0] + " " + arguments[2]);
        arguments.insert(arguments.begin(), std::string(kElevatedApplyOption));
        std::ofstream(report, std::ios::trunc).close();
        std::ofstream(used, std::ios::trunc) << "kept";
        EXPECT_EQ(RunElevatedApplyHelper(arguments), 2);
        const std::optional<HelperReport> told = DecodeHelperReport(contents(report));
        EXPECT_EQ(told && told->Refused && told->Reason.find(reason) != std::string::npos, !reason.empty());
        EXPECT_EQ(contents(used), "kept");
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(netsh.Calls().empty());
}
