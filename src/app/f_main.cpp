#include "app/f_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ApplyMenu.h"
#include "app/BannerLabel.h"
#include "app/Pictures.h"
#include "app/StatusResult.h"
#include "app/TaskbarButton.h"
#include "app/qxApplication.h"
#include "ipsets/o_IPSetManager.h"
#include "store/o_DatabaseConnection.h"

QPointer<TFrmMain> FrmMain;

namespace {
const char* const kPictures[12] = {"00-refresh",       "01-power",  "02-network-panel", "03-plus",
                                   "04-globe-arrow",   "05-pencil", "06-cross",         "07-asterisk",
                                   "08-info",          "09-down",   "10-up",            "11-globe-plug"};
enum Picture { picRefresh, picPower, picNetwork, picPlus, picActivate, picEdit, picDelete, picAbout, picHelp,
               picMinimize, picRestore, picApplyItem };

}  // namespace

TFrmMain::TFrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(ProgramCaption());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    CreateImages();
    CreateActions();
    CreateMenus();
    CreateSetTransferActions();
    CreateSignInAction();
    CreateToolBar();
    CreatePages();
    CreateSetFilter();
    CreateAdapterMenu();
    // Wide enough for the tool bar's captions in the user's language: none goes behind its extension button.
    resize(std::max(588, ToolBar1->sizeHint().width() + 8), 750);

    MainPageControl->setCurrentIndex(0);
    // The set tree is filled once the window is up, from a read of the sets made
    // meanwhile on the spare core.
    IPDBManager()->InitializeDataBase(TqxIPDBManager::SetRows::InBackground);
    FIPManager = new TqxIPSetManager(this);
    FIPManager->SetIPSetDataSet(IPDBManager()->IPSets());
    FIPManager->SetConnectionsDataSet(IPDBManager()->ConnectionNames());
    FIPManager->SetIPSetTreeView(IPSetTreeView);
    FIPManager->SetAdapterTreeview(AdapterTreeview);
    connect(FIPManager, &TqxIPSetManager::ApplyingChanged, this, &TFrmMain::ApplyingChanged);
    FIPManager->SetAddressInUseQuestion([this](const QString& question) { return AskApplyAnyway(question); });
    StartLiveMarks();

    CenterOnScreen(this);
    // The store is open and sound; what the window's first appearance does not
    // need waits until it is up.
    QTimer::singleShot(0, this, &TFrmMain::FinishStartup);
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::CreateImages()
{
    for (const char* name : kPictures)
        MenuImageList << ProgramPicture(name);
}

QAction* TFrmMain::NewAction(const QString& name, const QString& caption, int picture, const QKeySequence& shortcut)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (picture >= 0)
        a->setIcon(MenuImageList[picture]);
    a->setIconVisibleInMenu(true);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

void TFrmMain::CreateActions()
{
    const QKeySequence ctrlA(Qt::CTRL | Qt::Key_A), ctrlE(Qt::CTRL | Qt::Key_E), ctrlD(Qt::CTRL | Qt::Key_D);
    const QKeySequence ins(Qt::Key_Insert);

    toolBtnManageConnections = NewAction("toolBtnManageConnections", tr("Manage Connections"), picNetwork);
    toolBtnAddIPSet = NewAction("toolBtnAddIPSet", tr("Add IP Set"), picPlus);
    toolBtnActivateIPSet = NewAction("toolBtnActivateIPSet", tr("Activate IP Set"), picActivate);
    toolbtnEditIPSet = NewAction("toolbtnEditIPSet", tr("Edit IP Set"), picEdit);
    toolbtnDeleteIPSet = NewAction("toolbtnDeleteIPSet", tr("Delete IP Set"), picDelete);

    Options1 = NewAction("Options1", tr("Options"), picActivate, QKeySequence(Qt::CTRL | Qt::Key_O));
    Options1->setVisible(false);
    RefreshCurrentConfiguration1 = NewAction("RefreshCurrentConfiguration1", tr("Refresh Current Configuration"),
                                             picRefresh, QKeySequence(Qt::CTRL | Qt::Key_R));
    Exit1 = NewAction("Exit1", tr("Exit"), picPower, QKeySequence(Qt::CTRL | Qt::Key_Q));
    ManageConnections1 = NewAction("ManageConnections1", tr("Connection Name List"), picNetwork);
    AddNewIPConfigurationSet1 = NewAction("AddNewIPConfigurationSet1", tr("Add New IP Configuration Set"), picPlus, ins);
    ActivatetheselectedIPSet1 =
        NewAction("ActivatetheselectedIPSet1", tr("Activate the selected IP Set"), picActivate, ctrlA);
    EdittheselectedIPSet1 = NewAction("EdittheselectedIPSet1", tr("Edit the selected IP Set"), picEdit, ctrlE);
    DeletetheselectedIPSet1 = NewAction("DeletetheselectedIPSet1", tr("Delete the selected IP Set"), picDelete, ctrlD);
    HelpFile1 = NewAction("HelpFile1", tr("Help File"), picHelp);
    About1 = NewAction("About1", tr("About..."), picAbout);

    ActivatetheselectedIPSet2 =
        NewAction("ActivatetheselectedIPSet2", tr("Activate the selected IP Set"), picActivate, ctrlA);
    ActivatetheselectedIPSet2->setStatusTip(tr("Activates the IP Set"));
    ActivatetheselectedIPSet2->setToolTip(tr("Activates the IP Set"));
    popmnuAddNewIPSet = NewAction("popmnuAddNewIPSet", tr("Add New IP Configuration Set"), picPlus, ins);
    EdittheSelectedIPSet2 = NewAction("EdittheSelectedIPSet2", tr("Edit the Selected IP Set"), picEdit, ctrlE);
    DeletetheselectedIPSet2 = NewAction("DeletetheselectedIPSet2", tr("Delete the selected IP Set"), picDelete, ctrlD);

    NetvaneVer31 = NewAction("NetvaneVer31", tr("Netvane Ver3"), -1);
    mnuRestoreApp = NewAction("mnuRestoreApp", tr("Restore"), picRestore);
    mnuMinimizeApp = NewAction("mnuMinimizeApp", tr("Minimize"), picMinimize);
    erminate1 = NewAction("erminate1", tr("Terminate"), picPower);
    AddIPSet1 = NewAction("AddIPSet1", tr("Add IP Set"), picPlus);
    EditIPSet1 = NewAction("EditIPSet1", tr("Edit IP Set"), picEdit);
    EditIPSet1->setVisible(false);
    DeleteIPSet1 = NewAction("DeleteIPSet1", tr("Delete IP Set"), picDelete);
    DeleteIPSet1->setVisible(false);
    ManageConnections2 = NewAction("ManageConnections2", tr("Manage Connections"), picNetwork);

    for (QAction* a : {toolbtnDeleteIPSet, DeletetheselectedIPSet1, DeletetheselectedIPSet2, DeleteIPSet1})
        connect(a, &QAction::triggered, this, &TFrmMain::DeletetheselectedIPSet1Click);
    for (QAction* a : {toolBtnAddIPSet, AddNewIPConfigurationSet1, popmnuAddNewIPSet, AddIPSet1})
        connect(a, &QAction::triggered, this, &TFrmMain::AddNewIPConfigurationSet1Click);
    for (QAction* a : {toolbtnEditIPSet, EdittheselectedIPSet1, EdittheSelectedIPSet2, EditIPSet1})
        connect(a, &QAction::triggered, this, &TFrmMain::EdittheselectedIPSet1Click);
    for (QAction* a : {toolBtnActivateIPSet, ActivatetheselectedIPSet1, ActivatetheselectedIPSet2})
        connect(a, &QAction::triggered, this, &TFrmMain::ActivatetheselectedIPSet1Click);
    for (QAction* a : {toolBtnManageConnections, ManageConnections1})
        connect(a, &QAction::triggered, this, &TFrmMain::ManageConnections1Click);
    connect(About1, &QAction::triggered, this, &TFrmMain::About1Click);
    connect(RefreshCurrentConfiguration1, &QAction::triggered, this, &TFrmMain::RefreshCurrentConfiguration1Click);
    connect(Exit1, &QAction::triggered, this, &TFrmMain::Exit1Click);
    connect(erminate1, &QAction::triggered, this, &TFrmMain::Exit1Click);
    connect(mnuRestoreApp, &QAction::triggered, this, &TFrmMain::mnuRestoreAppClick);
    connect(mnuMinimizeApp, &QAction::triggered, this, &TFrmMain::mnuMinimizeAppClick);
    connect(HelpFile1, &QAction::triggered, this, &TFrmMain::HelpFile1Click);
}

void TFrmMain::CreateMenus()
{
    MainMenu = menuBar();
    MainMenu->setObjectName("MainMenu");
    File1 = MainMenu->addMenu(tr("&File"));
    File1->addAction(Options1);
    File1->addSeparator();
    File1->addAction(RefreshCurrentConfiguration1);
    File1->addSeparator();
    File1->addAction(Exit1);
    Connections1 = MainMenu->addMenu(tr("&Connections"));
    Connections1->addAction(ManageConnections1);
    IPSets1 = MainMenu->addMenu(tr("&IP Sets"));
    IPSets1->addAction(AddNewIPConfigurationSet1);
    IPSets1->addSeparator();
    IPSets1->addAction(ActivatetheselectedIPSet1);
    IPSets1->addAction(EdittheselectedIPSet1);
    IPSets1->addAction(DeletetheselectedIPSet1);
    Help1 = MainMenu->addMenu(tr("&Help"));
    Help1->addAction(HelpFile1);
    Help1->addAction(About1);

    TreeViewPopUpMenu = new QMenu(this);
    TreeViewPopUpMenu->setObjectName("TreeViewPopUpMenu");
    TreeViewPopUpMenu->setToolTipsVisible(true);
    TreeViewPopUpMenu->addAction(ActivatetheselectedIPSet2);
    TreeViewPopUpMenu->addSeparator();
    TreeViewPopUpMenu->addAction(popmnuAddNewIPSet);
    TreeViewPopUpMenu->addAction(EdittheSelectedIPSet2);
    TreeViewPopUpMenu->addAction(DeletetheselectedIPSet2);

    TrayIconMenu = new QMenu(this);
    TrayIconMenu->setObjectName("TrayIconMenu");
    TrayIconMenu->addAction(NetvaneVer31);
    TrayIconMenu->setDefaultAction(NetvaneVer31);
    TrayIconMenu->addSeparator();
    TrayIconMenu->addAction(mnuRestoreApp);
    TrayIconMenu->addAction(mnuMinimizeApp);
    TrayIconMenu->addAction(erminate1);
    TrayIconMenu->addSeparator();
    TrayIconMenu->addAction(AddIPSet1);
    TrayIconMenu->addAction(EditIPSet1);
    TrayIconMenu->addAction(DeleteIPSet1);
    TrayIconMenu->addSeparator();
    ApplyIPSet1 = TrayIconMenu->addMenu(MenuImageList[picActivate], tr("Apply IP Set"));
    ApplyIPSet1->setObjectName("ApplyIPSet1");
    TrayIconMenu->addSeparator();
    TrayIconMenu->addAction(ManageConnections2);
}

void TFrmMain::CreateToolBar()
{
    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->addAction(toolBtnManageConnections);
    auto* gap = new QWidget(ToolBar1);
    gap->setFixedWidth(8);
    ToolBar1->addWidget(gap);
    for (QAction* a : {toolBtnAddIPSet, toolBtnActivateIPSet, toolbtnEditIPSet, toolbtnDeleteIPSet})
        ToolBar1->addAction(a);
    for (QAction* a : ToolBar1->actions())
        if (auto* b = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(a)))
            b->setMinimumSize(108, 52);  // wider where a caption needs it, never cut
}

void TFrmMain::CreatePages()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);

    GroupBox2 = new QGroupBox(tr("Currently Selected IP Set"), central);
    GroupBox2->setObjectName("GroupBox2");
    auto* bannerLayout = new QVBoxLayout(GroupBox2);
    bannerLayout->setContentsMargins(4, 0, 4, 2);
    lblCurrentIPInfo = new TqxBannerLabel(GroupBox2);
    lblCurrentIPInfo->setObjectName("lblCurrentIPInfo");
    lblCurrentIPInfo->setAlignment(Qt::AlignCenter);
    QFont bannerFont = lblCurrentIPInfo->font();
    bannerFont.setBold(true);
    bannerFont.setPointSizeF(bannerFont.pointSizeF() * 1.4);
    lblCurrentIPInfo->setFont(bannerFont);
    lblCurrentIPInfo->setStyleSheet("color: #800000;");
    bannerLayout->addWidget(lblCurrentIPInfo);
    layout->addWidget(GroupBox2);

    MainPageControl = new QTabWidget(central);
    MainPageControl->setObjectName("MainPageControl");
    MainPageControl->setAccessibleName(tr("IP Sets and Current Configuration"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    auto* page1 = new QVBoxLayout(TabSheet1);
    page1->setContentsMargins(2, 2, 2, 2);
    Splitter1 = new QSplitter(Qt::Vertical, TabSheet1);
    Splitter1->setObjectName("Splitter1");
    IPSetTreeView = new QTreeWidget(Splitter1);
    IPSetTreeView->setObjectName("IPSetTreeView");
    IPSetTreeView->setHeaderHidden(true);
    QFont treeFont = IPSetTreeView->font();
    treeFont.setBold(true);
    IPSetTreeView->setFont(treeFont);
    IPSetTreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    IPSetTreeView->setUniformRowHeights(true);
    IPSetTreeView->setAccessibleName(tr("Available IP Sets"));
    IPSetTreeView->viewport()->installEventFilter(this);
    // Moving through the sets with the keyboard picks them as a press does.
    connect(IPSetTreeView, &QTreeWidget::currentItemChanged, this,
            [this] { RunCommand([this] { IPSetTreeViewMouseDown(); }); });
    connect(IPSetTreeView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { TreeViewPopUpMenu->popup(IPSetTreeView->viewport()->mapToGlobal(pos)); });

    GroupBox1 = new QGroupBox(Splitter1);
    GroupBox1->setObjectName("GroupBox1");
    auto* noteLayout = new QVBoxLayout(GroupBox1);
    noteLayout->setContentsMargins(2, 2, 2, 2);
    InfoMemo = new QTextEdit(GroupBox1);
    InfoMemo->setObjectName("InfoMemo");
    InfoMemo->setAccessibleName(tr("Rights needed"));
    InfoMemo->setReadOnly(true);
    InfoMemo->setEnabled(false);
    InfoMemo->setFrameShape(QFrame::NoFrame);
    InfoMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = InfoMemo->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Window));
    memoPalette.setColor(QPalette::Disabled, QPalette::Base, memoPalette.color(QPalette::Window));
    InfoMemo->setPalette(memoPalette);
    // Set in one go: a line at a time lays the document out again for each.
    QStringList lines;
    //: Shown centred, line by line as broken here
    InfoMemo->setPlainText(tr("Administrative or explicit rights over registry and network interfaces are\n"
                              "mandatory for Netvane to work properly.\n"
                              "\n"
                              "Please make sure that you have these rights granted by contacting your\n"
                              "system administrator.\n"
                              "\n"
                              "For any other information please reffer to the help file."));
    QTextCursor everything(InfoMemo->document());
    everything.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignCenter);
    everything.mergeBlockFormat(centred);
    noteLayout->addWidget(InfoMemo);
    Splitter1->addWidget(IPSetTreeView);
    Splitter1->addWidget(GroupBox1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({560, 121});
    page1->addWidget(Splitter1);
    MainPageControl->addTab(TabSheet1, tr("Available IP Sets"));

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    auto* page2 = new QVBoxLayout(TabSheet2);
    page2->setContentsMargins(2, 2, 2, 2);
    AdapterTreeview = new QTreeWidget(TabSheet2);
    AdapterTreeview->setObjectName("AdapterTreeview");
    AdapterTreeview->setHeaderHidden(true);
    AdapterTreeview->setUniformRowHeights(true);
    AdapterTreeview->setAccessibleName(tr("Current Configuration"));
    page2->addWidget(AdapterTreeview);
    MainPageControl->addTab(TabSheet2, tr("Current Configuration"));
    layout->addWidget(MainPageControl, 1);
    setCentralWidget(central);

    StatusBar = statusBar();
    StatusBar->setObjectName("StatusBar");
    StatusPanel = new QLabel(ProgramCaption(), StatusBar);
    StatusPanel->setMinimumWidth(50);
    StatusResult = new TqxStatusResult(StatusBar);
    StatusBar->addWidget(StatusResult, 1);
    StatusBar->addPermanentWidget(StatusPanel);
}

void TFrmMain::CreateTray()
{
    NetvaneTrayIcon = new QSystemTrayIcon(ProgramPicture("netvane"), this);
    NetvaneTrayIcon->setObjectName("NetvaneTrayIcon");
    NetvaneTrayIcon->setToolTip(ApplicationTitle());
    NetvaneTrayIcon->setContextMenu(TrayIconMenu);
    // Many desktops have no tray, or get one later: until one shows up the window
    // keeps its task-bar button and balloons go to the status bar.
    FTrayWatch = new QTimer(this);
    FTrayWatch->setInterval(2000);
    connect(FTrayWatch, &QTimer::timeout, this, &TFrmMain::UpdateTrayPresence);
    UpdateTrayPresence();
}

void TFrmMain::UpdateTrayPresence()
{
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available && !NetvaneTrayIcon->isVisible())
        NetvaneTrayIcon->show();
    if (available != FTrayDocked) {
        FTrayDocked = available;
        if (isVisible())
            SetTaskbarButtonShown(this, !FTrayDocked);
    }
    if (FTrayDocked)
        FTrayWatch->stop();
    else if (!FTrayWatch->isActive())
        FTrayWatch->start();
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The window manager learns the task-bar state anew each time the window maps.
    QTimer::singleShot(0, this, [this] { SetTaskbarButtonShown(this, !FTrayDocked); });
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == IPSetTreeView->viewport() && event->type() == QEvent::MouseButtonPress) {
        // Any button selects the node under the pointer first, the right one too.
        const auto* press = static_cast<QMouseEvent*>(event);
        const QTreeWidgetItem* before = IPSetTreeView->currentItem();
        if (QTreeWidgetItem* item = IPSetTreeView->itemAt(press->position().toPoint()))
            IPSetTreeView->setCurrentItem(item);
        // A new current node was picked by the change itself; picked twice, a refusal would show twice.
        if (IPSetTreeView->currentItem() == before)
            RunCommand([this] { IPSetTreeViewMouseDown(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmMain::IPSetTreeViewMouseDown()
{
    QTreeWidgetItem* node = IPSetTreeView->currentItem();
    if (!node || !node->isSelected())
        return;
    if (node->parent()) {
        lblCurrentIPInfo->clear();
        return;
    }
    // A set that cannot be picked leaves nothing picked, not the set picked before.
    FIPSetID = 0;
    lblCurrentIPInfo->clear();
    FIPSetID = TqxIPSetManager::PickedID(node->data(0, TqxIPSetManager::IDRole));
    TqxTable* sets = IPDBManager()->IPSets();
    if (sets->Locate(QStringLiteral("ID"), FIPSetID))
        lblCurrentIPInfo->setText(sets->FieldByName(QStringLiteral("IPSET_NAME")).AsString());
}

void TFrmMain::DeletetheselectedIPSet1Click()
{
    RunCommand([this] {
        TqxTable* sets = IPDBManager()->IPSets();
        if (!sets->Locate(QStringLiteral("ID"), FIPSetID))
            return;
        QMessageBox box(QMessageBox::Question, ProgramCaption(), tr("Are sure you want to delete the selected IP Set ?"),
                        QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes)
            return;
        // The question may have taken a while: make sure the same row is still the current one.
        if (!sets->Locate(QStringLiteral("ID"), FIPSetID))
            return;
        sets->Delete();
        RefreshStoredSets();
        lblCurrentIPInfo->clear();
    });
}

void TFrmMain::RefreshStoredSets()
{
    FIPManager->UpdateUI();
    BuildApplyIPSetMenu();
    ShowPickedSet();
}

void TFrmMain::ShowPickedSet()
{
    for (int i = 0; i < IPSetTreeView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = IPSetTreeView->topLevelItem(i);
        // Only a set that can be picked is found again; no other node reads as its ID.
        const QVariant id = node->data(0, TqxIPSetManager::IDRole);
        if (!TqxTable::IsUsableId(id) || id.toInt() != FIPSetID || node->isHidden())  // hidden: filtered out
            continue;
        IPSetTreeView->setCurrentItem(node);
        IPSetTreeViewMouseDown();  // also when it was current already
        return;
    }
    FIPSetID = 0;
    lblCurrentIPInfo->clear();
}

void TFrmMain::RefreshCurrentConfiguration1Click()
{
    RunCommand([this] { RefreshStoredSets(); });
}

void TFrmMain::RefreshBtnClick()
{
    RunCommand([this] {
        FIPManager->UpdateUI();
        ShowPickedSet();
    });
}

void TFrmMain::BuildApplyIPSetMenu()
{
    if (!FApplyMenu)
        FApplyMenu = new TqxApplyMenu(ApplyIPSet1, MenuImageList[picApplyItem], [this](QAction* item) {
            connect(item, &QAction::triggered, this, &TFrmMain::ApplyIPSetMenuItemClick);
        }, this);
    TqxTable* sets = IPDBManager()->IPSets();
    const TqxField name = sets->FieldByName(QStringLiteral("IPSET_NAME"));
    std::vector<TqxApplyMenu::TEntry> entries;
    entries.reserve(static_cast<std::size_t>(sets->RecordCount()));
    for (sets->First(); !sets->Eof(); sets->Next())
        entries.push_back({name.AsString(), TqxIPSetManager::NodeID(sets->CurrentId())});
    sets->First();
    FApplyMenu->SetSets(std::move(entries));
    UpdateApplyMenuChecks();
}

void TFrmMain::Exit1Click() { close(); }

void TFrmMain::closeEvent(QCloseEvent* event)
{
    // An apply in progress finishes first (its netsh runs and the wait box's
    // loop are under way); the window then closes by itself.
    if (FIPManager && FIPManager->Applying()) {
        FCloseWhenApplied = true;
        event->ignore();
        return;
    }
    event->accept();
    if (NetvaneTrayIcon)
        NetvaneTrayIcon->hide();
    qApp->quit();
}

void TFrmMain::mnuMinimizeAppClick() { showMinimized(); }

void TFrmMain::mnuRestoreAppClick()
{
    showNormal();
    raise();
    activateWindow();
}

void TFrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        ApplicationEvents1Minimize();
}

void TFrmMain::ApplicationEvents1Minimize()
{
    // Hide behind the tray icon only where a tray shows it; otherwise the
    // task-bar button is the only way back.
    if (TrayIsUsable(NetvaneTrayIcon))
        QTimer::singleShot(0, this, [this] { hide(); });
}

void TFrmMain::HelpFile1Click()
{
    RunCommand([] {
        const QString path = HelpFilePath();
        if (!QFileInfo::exists(path))
            throw EqxError(tr("The help file %1 is missing").arg(path).toStdString());
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            throw EqxError(tr("No viewer could open the help file %1").arg(path).toStdString());
    });
}
