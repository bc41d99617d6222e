#pragma once
// The main window: two pages (stored IP sets, current configuration), tool bar,
// main menu, tree pop-up and tray menu. It turns the user's commands into calls
// on the store and the IP set manager.
#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QVector>
#include <chrono>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QTextEdit;
class QTimer;
class QToolBar;
class QTreeWidget;
class TqxApplyMenu;
class TqxIPSetFilter;
class TqxIPSetManager;
class TqxStatusResult;
class TqxLiveRefresh;

class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Opens the store; raises EqxError when it cannot be opened. The trees, the tray
    // icon and the connection discovery follow once the event loop runs.
    explicit TFrmMain(QWidget* parent = nullptr);
    ~TFrmMain() override;

    // Instead of show() at start: hidden behind the tray icon where a tray shows it,
    // otherwise minimized with its task-bar button; decided once the tray is known.
    void ShowMinimizedAtStart() { FStartMinimized = true; }

    int IPSetID() const { return FIPSetID; }
    TqxIPSetManager* IPManager() const { return FIPManager; }

    // Components, named as the window's definition names them.
    QToolBar* ToolBar1;
    QAction* toolBtnManageConnections;
    QAction* toolBtnAddIPSet;
    QAction* toolBtnActivateIPSet;
    QAction* toolbtnEditIPSet;
    QAction* toolbtnDeleteIPSet;

    QMenuBar* MainMenu;
    QMenu* File1;
    QAction* Options1;
    QAction* RefreshCurrentConfiguration1;
    QAction* ExportIPSets1;
    QAction* ImportIPSets1;
    QAction* StartatSignin1;
    QAction* Exit1;
    QMenu* Connections1;
    QAction* ManageConnections1;
    QMenu* IPSets1;
    QAction* AddNewIPConfigurationSet1;
    QAction* ActivatetheselectedIPSet1;
    QAction* EdittheselectedIPSet1;
    QAction* DeletetheselectedIPSet1;
    QMenu* Help1;
    QAction* HelpFile1;
    QAction* About1;

    QMenu* TreeViewPopUpMenu;
    QAction* ActivatetheselectedIPSet2;
    QAction* popmnuAddNewIPSet;
    QAction* EdittheSelectedIPSet2;
    QAction* DeletetheselectedIPSet2;

    // The current configuration tree's pop-up, on an adapter node.
    QMenu* AdapterPopUpMenu;
    QAction* NewIPSetFromAdapter1;

    QMenu* TrayIconMenu;
    QAction* NetvaneVer31;
    QAction* mnuRestoreApp;
    QAction* mnuMinimizeApp;
    QAction* erminate1;
    QAction* AddIPSet1;
    QAction* EditIPSet1;
    QAction* DeleteIPSet1;
    QMenu* ApplyIPSet1;
    QAction* ManageConnections2;

    QGroupBox* GroupBox2;
    QLabel* lblCurrentIPInfo;
    QTabWidget* MainPageControl;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QLineEdit* edtFilterIPSets;  // above the IP set tree: narrows what it shows
    TqxIPSetFilter* IPSetFilter;
    QTreeWidget* IPSetTreeView;
    QSplitter* Splitter1;
    QGroupBox* GroupBox1;
    QTextEdit* InfoMemo;
    QTreeWidget* AdapterTreeview;
    QStatusBar* StatusBar;
    QLabel* StatusPanel;
    TqxStatusResult* StatusResult;  // the last apply's result, until the next one
    QSystemTrayIcon* NetvaneTrayIcon = nullptr;  // made once the window is up

    // The 12 pictures of the menus and the tool bar, by index.
    QVector<QIcon> MenuImageList;

public slots:
    void RefreshCurrentConfiguration1Click();
    void DeletetheselectedIPSet1Click();
    void Exit1Click();
    void mnuRestoreAppClick();
    void mnuMinimizeAppClick();
    void HelpFile1Click();
    void RefreshBtnClick();
    // Commands whose work lies in the dialogs and in applying; each lives in its own f_main_*.cpp.
    void AddNewIPConfigurationSet1Click();
    // The editor for a new set, filled from the adapter of the current configuration tree's current node.
    void NewIPSetFromAdapter1Click();
    void EdittheselectedIPSet1Click();
    void ActivatetheselectedIPSet1Click();
    void ApplyIPSetMenuItemClick();
    void ManageConnections1Click();
    void About1Click();
    void ExportIPSets1Click();
    void ImportIPSets1Click();
    void StartatSignin1Click(bool checked);

public:
    // The file commands' work once the file is chosen; errors raise EqxError.
    void ExportIPSetsTo(const QString& path);
    // Asks about each conflict, then says what was done (or why nothing was).
    void ImportIPSetsFrom(const QString& path);
    TqxLiveRefresh* LiveRefresh() const { return FLiveRefresh; }
    // Where the sign-in entry goes instead of the user's autostart folder (tests).
    void SetAutostartFolder(const QString& folder);
    // How long a start with --minimized waits for a tray before it shows the window minimized.
    static constexpr std::chrono::seconds kTrayWaitAtStart{60};
    void SetTrayWaitAtStart(std::chrono::milliseconds wait) { FTrayWaitAtStart = wait; }

signals:
    // Once, after the window's first frame has gone to the display.
    void FirstFrameShown();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateImages();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreatePages();
    void CreateTray();
    QAction* NewAction(const QString& name, const QString& caption, int picture,
                       const QKeySequence& shortcut = QKeySequence());

    // The filter field over the IP set tree (Ctrl+F, Escape) and the adapter nodes' pop-up.
    void CreateSetFilter();
    void CreateAdapterMenu();
    // After the filter hid or showed nodes: a set out of sight is no longer picked.
    void SetFilterApplied();

    void IPSetTreeViewMouseDown();
    // After the tree is rebuilt: the picked set is selected again and the banner
    // shows its name as stored now; a set that is gone leaves nothing picked.
    void ShowPickedSet();
    void ApplicationEvents1Minimize();
    void BuildApplyIPSetMenu();
    void ApplyingChanged(bool applying);
    // Another device uses the set's address: Yes applies all the same, No (the default) changes nothing.
    bool AskApplyAnyway(const QString& question);
    // Adds the names of the machine's connections that the store lacks (after the store opens).
    void DiscoverConnections();
    // Refills both trees and the tray's sub-menu after the stored IP sets changed.
    void RefreshStoredSets();
    void UpdateTrayPresence();
    // Start-up work the window's first appearance does not wait for.
    void FinishStartup();
    // What nothing on screen needs until the window has been drawn once.
    void FinishAfterFirstFrame();
    void SetProgramWindowIcon();
    // Export and import in the File menu; the in-effect marks and the live refresh.
    void CreateSetTransferActions();
    void StartLiveMarks();
    void UpdateApplyMenuChecks();
    // File -> Start at Sign-in, checked while its entry is there.
    void CreateSignInAction();
    void UpdateSignInCheck();
    QString AutostartFile() const;

    TqxIPSetManager* FIPManager = nullptr;
    TqxLiveRefresh* FLiveRefresh = nullptr;
    TqxApplyMenu* FApplyMenu = nullptr;  // fills ApplyIPSet1
    int FIPSetID = 0;
    QTimer* FTrayWatch = nullptr;
    bool FTrayDocked = false;
    bool FCloseWhenApplied = false;
    bool FStartMinimized = false;
    bool FFirstFrameDrawn = false;
    std::chrono::milliseconds FTrayWaitAtStart = kTrayWaitAtStart;
    QString FAutostartFolder;
};

// The main window of the running program.
extern QPointer<TFrmMain> FrmMain;
