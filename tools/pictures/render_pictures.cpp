// Renders the program's SVG pictures to PNG files and to a Windows icon file on the
// build machine, for builds whose Qt cannot draw SVGs itself.
//   netvane-pictures png OUTDIR SIZES SVG...   OUTDIR/<name>-<size>.png for each picture and size
//   netvane-pictures ico OUT.ico SIZES SVG     one icon file holding each size as a PNG image
// SIZES is a comma-separated list of "N" (N pixels wide, height by the picture's aspect) or "WxH".
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

struct Size {
    QString text;
    int width = 0;
    int height = 0;  // 0: by the picture's aspect
};

bool ParseSizes(const QString& text, QList<Size>& sizes)
{
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList wh = part.split(QLatin1Char('x'));
        Size s{part};
        bool okW = false, okH = true;
        s.width = wh[0].toInt(&okW);
        if (wh.size() == 2)
            s.height = wh[1].toInt(&okH);
        if (!okW || !okH || wh.size() > 2 || s.width <= 0 || s.height < 0 || s.width > 4096 || s.height > 4096)
            return false;
        sizes << s;
    }
    return !sizes.isEmpty();
}

QImage Render(QSvgRenderer& svg, const Size& size)
{
    const QSizeF natural = svg.defaultSize();
    const int height = size.height ? size.height
                                   : qMax(1, qRound(size.width * natural.height() / qMax(1.0, natural.width())));
    QImage image(size.width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image;
}

bool Load(QSvgRenderer& svg, const QString& path)
{
    if (svg.load(path) && svg.isValid())
        return true;
    std::fprintf(stderr, "netvane-pictures: %s is not a readable SVG picture\n", qPrintable(path));
    return false;
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template <typename T>
void Put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// An icon file whose images are PNG streams, as Windows reads them since Vista.
QByteArray IconFile(const QList<QImage>& images)
{
    QByteArray head, body;
    Put<quint16>(head, 0);  // reserved
    Put<quint16>(head, 1);  // an icon, not a cursor
    Put<quint16>(head, static_cast<quint16>(images.size()));
    const quint32 dataStart = 6 + 16 * static_cast<quint32>(images.size());
    for (const QImage& image : images) {
        const QByteArray png = Png(image);
        head.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));  // 0 stands for 256
        head.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
        head.append('\0');                      // no palette
        head.append('\0');                      // reserved
        Put<quint16>(head, 1);                  // colour planes
        Put<quint16>(head, 32);                 // bits per pixel
        Put<quint32>(head, static_cast<quint32>(png.size()));
        Put<quint32>(head, dataStart + static_cast<quint32>(body.size()));
        body += png;
    }
    return head + body;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    std::fprintf(stderr, "netvane-pictures: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
}

int Usage()
{
    std::fputs("usage: netvane-pictures png OUTDIR SIZES SVG...\n"
               "       netvane-pictures ico OUT.ico SIZES SVG\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    // The pictures' text needs fonts, and fonts need a GUI application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QList<Size> sizes;
    if (args.size() < 4 || !ParseSizes(args[2], sizes))
        return Usage();

    if (args[0] == QLatin1String("png")) {
        for (const QString& path : args.mid(3)) {
            QSvgRenderer svg;
            if (!Load(svg, path))
                return 1;
            for (const Size& size : sizes) {
                const QString out = args[1] + QLatin1Char('/') + QFileInfo(path).completeBaseName() +
                                    QLatin1Char('-') + size.text + QLatin1String(".png");
                if (!Write(out, Png(Render(svg, size))))
                    return 1;
            }
        }
        return 0;
    }
    if (args[0] == QLatin1String("ico") && args.size() == 4) {
        QSvgRenderer svg;
        if (!Load(svg, args[3]))
            return 1;
        QList<QImage> images;
        for (const Size& size : sizes) {
            if (size.width > 256 || size.height > 256)
                return Usage();
            images << Render(svg, size);
        }
        return Write(args[1], IconFile(images)) ? 0 : 1;
    }
    return Usage();
}
