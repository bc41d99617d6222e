#include "app/StatusResult.h"

#include <QCoreApplication>
#include <QResizeEvent>

TqxStatusResult::TqxStatusResult(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("StatusResult"));
    setTextFormat(Qt::PlainText);
    setAccessibleName(QCoreApplication::translate("TqxStatusResult", "Last result"));
}

void TqxStatusResult::SetResult(const QString& text)
{
    FResult = text;
    setAccessibleDescription(text);
    Fit();
}

// Any width will do: the text is shortened to what there is, never the window widened.
QSize TqxStatusResult::minimumSizeHint() const { return QSize(0, QLabel::minimumSizeHint().height()); }

void TqxStatusResult::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Fit();
}

void TqxStatusResult::Fit()
{
    const int room = contentsRect().width();
    const QString shown = fontMetrics().elidedText(FResult, Qt::ElideRight, room);
    setText(shown);
    setToolTip(shown == FResult ? QString() : FResult);
}
