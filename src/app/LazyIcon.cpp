#include "app/LazyIcon.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <optional>

namespace {

class TqxLazyIconEngine : public QIconEngine {
public:
    explicit TqxLazyIconEngine(const QString& fileName) : FFileName(fileName) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    // Asked by every tool button while the window is laid out: an existing file
    // answers that without starting the SVG renderer.
    bool isNull() override { return FIcon ? FIcon->isNull() : !QFile::exists(FFileName); }
    QString key() const override { return QStringLiteral("TqxLazyIconEngine"); }
    QIconEngine* clone() const override { return new TqxLazyIconEngine(FFileName); }

private:
    const QIcon& Icon()
    {
        if (!FIcon)
            FIcon = QIcon(FFileName);
        return *FIcon;
    }

    QString FFileName;
    std::optional<QIcon> FIcon;
};

}  // namespace

QIcon LazyIcon(const QString& fileName) { return QIcon(new TqxLazyIconEngine(fileName)); }
