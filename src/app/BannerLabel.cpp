#include "app/BannerLabel.h"

#include <QAccessibleWidget>

namespace {
class TqxBannerAccessible : public QAccessibleWidget {
public:
    explicit TqxBannerAccessible(QWidget* banner) : QAccessibleWidget(banner, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        // Asked each time: the label tells assistive technology of each new text itself.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* BannerInterface(const QString&, QObject* object)
{
    auto* banner = qobject_cast<TqxBannerLabel*>(object);
    return banner ? new TqxBannerAccessible(banner) : nullptr;
}
}  // namespace

TqxBannerLabel::TqxBannerLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);  // a name is shown as typed, never read as markup
    static const bool installed = [] {
        QAccessible::installFactory(BannerInterface);
        return true;
    }();
    (void)installed;
}
