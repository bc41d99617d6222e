#include "app/f_WaitBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextDocument>
#include <algorithm>

#include "app/qxApplication.h"

QPointer<TFrmWaitBox> FrmWaitBox;

TFrmWaitBox::TFrmWaitBox(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("FrmWaitBox");
    setWindowTitle(tr("[ Netvane Ver3 ]  Please wait..."));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    Memo1->setPlainText(tr("Please wait while Netvane is applying the changes...."));
    QPalette palette = Memo1->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    // Disabled only so it takes no input: the line stays readable.
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::WindowText));
    Memo1->setPalette(palette);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    // 403 pixels wide, or as wide as the note (and the title, roughly, with the frame's
    // buttons) need in the user's language to stay on one line.
    const int margins = 2 * static_cast<int>(Memo1->document()->documentMargin()) + 8;
    const int width = std::max({403, Memo1->fontMetrics().horizontalAdvance(Memo1->toPlainText()) + margins,
                                fontMetrics().horizontalAdvance(windowTitle()) + 96});
    setFixedSize(width, 76);
    Memo1->setGeometry(0, 0, width, 76);
    ProgressBar1->setGeometry(8, 40, width - 16, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    CenterOnScreen(this);
}

void TFrmWaitBox::closeEvent(QCloseEvent* event) { event->ignore(); }

void TFrmWaitBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;  // no way to dismiss it: it goes when the work is done
    QWidget::keyPressEvent(event);
}

void HideWaitBox()
{
    if (!FrmWaitBox)
        return;
    TFrmWaitBox* box = FrmWaitBox;
    FrmWaitBox = nullptr;  // nothing that runs while the box goes finds it
    delete box;
}

void CreateHiddenWaitBox()
{
    HideWaitBox();
    FrmWaitBox = new TFrmWaitBox;
}

void ShowWaitBox()
{
    CreateHiddenWaitBox();
    FrmWaitBox->show();
}
