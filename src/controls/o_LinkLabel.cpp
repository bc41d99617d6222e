#include "controls/o_LinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace {

void OpenWithDesktop(const QUrl& url) { QDesktopServices::openUrl(url); }

TqxLinkOpener& Opener()
{
    static TqxLinkOpener opener = OpenWithDesktop;
    return opener;
}

}  // namespace

TqxLinkOpener SetLinkOpener(TqxLinkOpener opener)
{
    TqxLinkOpener previous = std::move(Opener());
    Opener() = opener ? std::move(opener) : TqxLinkOpener(OpenWithDesktop);
    return previous;
}

void OpenLink(const QUrl& url) { Opener()(url); }

QUrl LinkAddress(const QString& address)
{
    if (address.isEmpty())
        return QUrl();
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.scheme().isEmpty() && url.scheme().size() > 1)  // "c:" is a drive, not a scheme
        return url;
    return QUrl::fromUserInput(address);
}

TqxLinkLabel::TqxLinkLabel(QWidget* parent) : QLabel(parent)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(p);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
}

void TqxLinkLabel::Click()
{
    emit clicked();
    if (FLinkType == ltURL)
        OpenLink(LinkAddress(FUrl));
    else
        // The desktop's mail handler takes mailto: links; no browser program in between.
        OpenLink(QUrl(QStringLiteral("mailto:") + FMailAddress, QUrl::TolerantMode));
}

void TqxLinkLabel::mousePressEvent(QMouseEvent* event)
{
    FPressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TqxLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Click();
}
