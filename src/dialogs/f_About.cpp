#include "dialogs/f_About.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#ifdef NETVANE_SVG_PICTURES
#include <QImageReader>
#endif
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/qxApplication.h"
#include "controls/o_FileInfoListView.h"
#include "controls/o_FileInfoOS.h"
#include "controls/o_LinkLabel.h"

QPointer<TFrmAbout> FrmAbout;

static void InitAboutResources() { Q_INIT_RESOURCE(about); }

QString MakerURL() { return QStringLiteral("https://") + MakerDomain() + QLatin1Char('/'); }

namespace {


QFont DialogFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QPixmap Banner()
{
#ifndef NETVANE_SVG_PICTURES
    // Rendered at its size by the build.
    return QPixmap(QStringLiteral(":/about/quorvex-banner-422x87.png"));
#else
    // Through the picture plugin, as the icons are: the program then loads the SVG
    // library only once it draws one, not at every start.
    QImageReader svg(QStringLiteral(":/about/banner.svg"));
    svg.setScaledSize(QSize(422, 87));
    return QPixmap::fromImage(svg.read());
#endif
}

}  // namespace

TFrmAbout::TFrmAbout(QWidget* owner) : QDialog(owner)
{
    InitAboutResources();
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QCoreApplication::translate("TFrmAbout", "Quorvex - About..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    resize(472, 454);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFixedHeight(87);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    qxFileInfoListView1 = new TqxFileInfoListView(GroupBox1);
    qxFileInfoListView1->setObjectName(QStringLiteral("qxFileInfoListView1"));
    qxFileInfoListView1->setAccessibleName(QCoreApplication::translate("TFrmAbout", "Version Information"));
    qxFileInfoListView1->setFixedWidth(247);

    Panel2 = new QFrame(GroupBox1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    InfoMemo = new QTextEdit(Panel2);
    InfoMemo->setObjectName(QStringLiteral("InfoMemo"));
    InfoMemo->setFrameStyle(QFrame::NoFrame);
    InfoMemo->setFixedHeight(287);
    InfoMemo->setEnabled(false);
    InfoMemo->setReadOnly(true);
    InfoMemo->viewport()->setAutoFillBackground(false);
    //: Line breaks as in the box: it shows the lines as broken here
    InfoMemo->setPlainText(tr("Netvane Ver 2\n"
                              "\n"
                              "\n"
                              "\n"
                              "Netvane is an application which manage ip \n"
                              "setting configuration regarding multiple \n"
                              "network \n"
                              "adapters.\n"
                              "\n"
                              "\n"
                              "It can save ip sets and apply them with ease.\n"
                              "\n"
                              "\n"
                              "Built with C++ and Qt."));
    // Disabled only so it cannot be edited or focused: its text stays readable.
    QPalette memoColours = InfoMemo->palette();
    memoColours.setColor(QPalette::Disabled, QPalette::Text, memoColours.color(QPalette::Active, QPalette::Text));
    InfoMemo->setPalette(memoColours);

    qxLinkLabel1 = new TqxLinkLabel(Panel2);
    qxLinkLabel1->setObjectName(QStringLiteral("qxLinkLabel1"));
    QFont linkFont = DialogFont();
    linkFont.setUnderline(true);
    qxLinkLabel1->setFont(linkFont);
    qxLinkLabel1->setAlignment(Qt::AlignCenter);
    qxLinkLabel1->setText(MakerDomain());
    qxLinkLabel1->SetLinkType(ltURL);
    qxLinkLabel1->SetURL(MakerURL());

    auto* panel2Layout = new QVBoxLayout(Panel2);
    panel2Layout->setContentsMargins(1, 1, 1, 1);
    panel2Layout->setSpacing(0);
    panel2Layout->addWidget(InfoMemo);
    panel2Layout->addStretch();
    panel2Layout->addWidget(qxLinkLabel1);

    auto* groupLayout = new QHBoxLayout(GroupBox1);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    groupLayout->setSpacing(0);
    groupLayout->addWidget(qxFileInfoListView1);
    groupLayout->addWidget(Panel2, 1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setFixedHeight(47);
    btnOk = new QPushButton(QCoreApplication::translate("TFrmAbout", "Ok"), Panel1);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(218, 11, 75, 25);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1);
    layout->addWidget(GroupBox1, 1);
    layout->addWidget(Panel1);

    // Placed at the screen's centre.
    CenterOnScreen(this);
}

bool TFrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Image1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmAbout::Image1Click() { OpenLink(LinkAddress(MakerURL())); }

void ShowAboutBox()
{
    // Freed on every way out, the failed read of the executable's data included.
    std::unique_ptr<TFrmAbout> window(new TFrmAbout);
    FrmAbout = window.get();
    struct Forget {
        ~Forget() { FrmAbout = nullptr; }
    } forget;
    window->qxFileInfoListView1->SetFileName(QString::fromStdString(FileInfoOS::ExecutablePath()));
    TqxFileInfoListView* list = window->qxFileInfoListView1;
    // Translated keys get a column wide enough for them, and the box grows by as much.
    const int extra = std::max(0, list->TranslatedKeysWidth() - 100);
    list->setColumnWidth(0, 100 + extra);
    list->setColumnWidth(1, 135);
    list->setFixedWidth(list->width() + extra);
    window->resize(window->width() + extra, window->height());
    window->exec();
}

void TFrmAbout::showEvent(QShowEvent* event)
{
    if (Image1->pixmap().isNull())
        Image1->setPixmap(Banner());
    QDialog::showEvent(event);
}

void CreateAboutWindow()
{
    FrmAbout = new TFrmAbout;
    // Owned by the application: gone when the event loop ends, before the application object.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, FrmAbout.data(), &QObject::deleteLater);
}
