#pragma once
// The About box: the maker's banner, what the program is, the version values of
// the running executable and a link to the maker's web site.
#include <QDialog>
#include <QPointer>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTextEdit;
class TqxFileInfoListView;
class TqxLinkLabel;

// The maker's web site, opened by the banner and the link.
QString MakerURL();

class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* owner = nullptr);

    QLabel* Image1;
    QFrame* Panel1;
    QPushButton* btnOk;
    QGroupBox* GroupBox1;
    TqxFileInfoListView* qxFileInfoListView1;
    QFrame* Panel2;
    TqxLinkLabel* qxLinkLabel1;
    QTextEdit* InfoMemo;

public slots:
    // Opens the maker's web site.
    void Image1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The banner is drawn when the window first shows: the one made hidden at start
    // never shows, and need not load the picture libraries.
    void showEvent(QShowEvent* event) override;
};

// The About window last made; null while none is shown.
extern QPointer<TFrmAbout> FrmAbout;

// Makes a fresh About box for the running executable, shows it modally and frees it.
void ShowAboutBox();

// The hidden About window that start-up makes; it stays until the event loop ends.
void CreateAboutWindow();
