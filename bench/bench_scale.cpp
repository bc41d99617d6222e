// The main window over 1,000, 10,000 and 100,000 IP sets naming a tenth as many
// connections: each step a user takes, timed once the window has settled, so that
// the growth with the number of sets shows side by side.
//   start      the window made and shown until both trees and the sub-menu are filled
//   refresh    File -> Refresh Current Configuration (both trees, the sub-menu, the picked set)
//   marks      what a live refresh does: the current configuration and the marks
//   discovery  the connection discovery that start-up runs
//   delete     a picked set deleted, the question answered Yes
//   apply      a picked DHCP set applied with a fake netsh that answers at once
//   export     every set written to a file
// The window is the real one on the offscreen platform; the store lies beside this program.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <memory>

#include "app/f_main.h"
#include "connections/o_SystemConnections.h"
#include "ipsets/o_IPSetManager.h"
#include "platform/FakeNetsh.h"
#include "store/o_DatabaseConnection.h"
#include "support/ModalAnswer.h"
#include "support/StoreBesideProgram.h"

namespace {

// Sets 1..n on connections "Connection 1".."Connection n/10"; the last set, a DHCP
// one on "Office LAN", is the one applied.
void FillStore(int sets)
{
    ResetStoreBesideProgram();
    const QString name = QStringLiteral("bench-scale-fill");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(TqxIPDBManager::DefaultDatabasePath());
        db.open();
        db.transaction();
        QSqlQuery q(db);
        const int connections = std::max(1, sets / 10);
        q.prepare(QStringLiteral("INSERT INTO Connections (CONNECTIONNAME) VALUES (?)"));
        for (int c = 1; c <= connections; ++c) {
            q.addBindValue(QStringLiteral("Connection %1").arg(c));
            q.exec();
        }
        q.exec(QStringLiteral("INSERT INTO Connections (CONNECTIONNAME) VALUES ('Office LAN')"));
        q.prepare(QStringLiteral("INSERT INTO IPSets (IPSET_NAME, IPADDRESS, SUBNETMASK, GATEWAY, DNS, DHCP, "
                                 "CONNECTION) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 1; i <= sets; ++i) {
            const QString net = QStringLiteral("10.%1.%2.").arg(i / 256 % 256).arg(i % 256);
            const bool last = i == sets, dhcp = last || i % 7 == 0;
            const auto address = [&](char host) { return dhcp ? QStringLiteral("0.0.0.0") : net + QLatin1Char(host); };
            q.addBindValue(QStringLiteral("Set %1").arg(i));
            q.addBindValue(address('5'));
            q.addBindValue(dhcp ? QStringLiteral("0.0.0.0") : QStringLiteral("255.255.255.0"));
            q.addBindValue(address('1'));
            q.addBindValue(address('2'));
            q.addBindValue(dhcp);
            q.addBindValue(last ? connections + 1 : i % connections + 1);
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(name);
}

// Runs the event loop until nothing is left to do, the window's paint included.
void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

struct Scene {
    int Sets = 0;
    std::unique_ptr<FakeNetsh> Netsh;
    std::unique_ptr<TFrmMain> Window;

    void Open(int sets)
    {
        if (Sets == sets && Window)
            return;
        Window.reset();
        if (Sets != sets)
            FillStore(sets);
        Sets = sets;
        Window = std::make_unique<TFrmMain>();
        FrmMain = Window.get();
        Window->show();
        while (Window->IPSetTreeView->topLevelItemCount() == 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        Settle();
        Window->IPManager()->SetCommandPause(std::chrono::milliseconds(0));
    }
    // A set the window shows, picked as a press on it does.
    void Pick(int top)
    {
        QTreeWidget* tree = Window->IPSetTreeView;
        tree->setCurrentItem(tree->topLevelItem(top));
    }
} scene;

void Check(benchmark::State& state, bool ok, const char* what)
{
    if (!ok)
        state.SkipWithError(what);
}

void BM_Start(benchmark::State& state, int sets)
{
    for (auto _ : state) {
        state.PauseTiming();
        scene.Window.reset();
        if (scene.Sets != sets)
            FillStore(sets);
        scene.Sets = sets;
        state.ResumeTiming();
        scene.Open(sets);
    }
    Check(state, scene.Window->IPSetTreeView->topLevelItemCount() == sets, "wrong tree");
}

void BM_Refresh(benchmark::State& state, int sets)
{
    scene.Open(sets);
    scene.Pick(sets / 2);
    for (auto _ : state) {
        scene.Window->RefreshCurrentConfiguration1Click();
        Settle();
    }
    Check(state, scene.Window->IPSetID() > 0, "the picked set was lost");
}

void BM_Marks(benchmark::State& state, int sets)
{
    scene.Open(sets);
    for (auto _ : state) {
        scene.Window->IPManager()->RefreshCurrentConfiguration();
        Settle();
    }
}

void BM_Discovery(benchmark::State& state, int sets)
{
    scene.Open(sets);
    for (auto _ : state)
        IPSystemConnections()->Initialize();
}

void BM_Delete(benchmark::State& state, int sets)
{
    scene.Open(sets);
    for (auto _ : state) {
        state.PauseTiming();
        scene.Pick(0);
        ModalAnswer answer;
        answer.Arm(QMessageBox::Yes);
        state.ResumeTiming();
        scene.Window->DeletetheselectedIPSet1Click();
        Settle();
        state.PauseTiming();
        Check(state, answer.shown == 1, "no question");
        state.ResumeTiming();
    }
    Check(state, scene.Window->IPSetTreeView->topLevelItemCount() == IPDBManager()->IPSets()->RecordCount(),
          "the tree does not show the store");
}

void BM_Apply(benchmark::State& state, int sets)
{
    scene.Open(sets);
    if (!scene.Netsh)
        scene.Netsh = std::make_unique<FakeNetsh>();
    for (auto _ : state) {
        state.PauseTiming();
        scene.Pick(scene.Window->IPSetTreeView->topLevelItemCount() - 1);
        state.ResumeTiming();
        scene.Window->ActivatetheselectedIPSet1->trigger();
        Settle();
    }
    Check(state, !scene.Netsh->Calls().empty(), "netsh never ran");
}

void BM_Export(benchmark::State& state, int sets)
{
    scene.Open(sets);
    QTemporaryDir dir;
    ModalAnswer leftOut;  // a box would say that not every set could be written
    leftOut.Arm(QMessageBox::Ok);
    for (auto _ : state)
        scene.Window->ExportIPSetsTo(dir.filePath(QStringLiteral("sets.json")));
    Check(state, leftOut.shown == 0, "not every set was exported");
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::pair<const char*, void (*)(benchmark::State&, int)> steps[] = {
        {"start", BM_Start},     {"refresh", BM_Refresh}, {"marks", BM_Marks},   {"discovery", BM_Discovery},
        {"delete", BM_Delete},   {"apply", BM_Apply},     {"export", BM_Export},
    };
    // Each size's steps run together, on one window.
    for (int sets : {1000, 10000, 100000})
        for (const auto& [name, step] : steps)
            benchmark::RegisterBenchmark((std::string(name) + "/" + std::to_string(sets)).c_str(), step, sets)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(sets >= 100000 ? 1 : 3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    scene.Window.reset();
    scene.Netsh.reset();
    return 0;
}
