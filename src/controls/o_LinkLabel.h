#pragma once
// A label that looks like a hyperlink and opens a web address or a new mail
// message through the desktop when clicked.
#include <QLabel>
#include <QString>
#include <QUrl>
#include <functional>

enum TqxLinkType { ltURL, ltMailAddress };

// How links reach the desktop. Tests put a recorder here; the default is QDesktopServices::openUrl.
using TqxLinkOpener = std::function<void(const QUrl&)>;
// Installs opener (an empty one restores the default) and returns the one it replaces.
TqxLinkOpener SetLinkOpener(TqxLinkOpener opener);
// Hands url to the installed opener; what the desktop makes of it is not examined.
void OpenLink(const QUrl& url);
// An address as the shell would take it: "www.x.example" and plain paths open too; nothing else is changed.
QUrl LinkAddress(const QString& address);

class TqxLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TqxLinkLabel(QWidget* parent = nullptr);

    QString URL() const { return FUrl; }
    void SetURL(const QString& value) { FUrl = value; }
    QString MailAddress() const { return FMailAddress; }
    void SetMailAddress(const QString& value) { FMailAddress = value; }
    TqxLinkType LinkType() const { return FLinkType; }
    void SetLinkType(TqxLinkType value) { FLinkType = value; }

    // The base click (the clicked signal) first, then the link opens.
    virtual void Click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString FUrl;
    QString FMailAddress;
    TqxLinkType FLinkType = ltURL;
    bool FPressed = false;
};
