// netvane-pictures as the Windows build runs it: PNGs of the program's SVGs at the
// sizes asked for, and an icon file whose directory matches the PNG images it holds.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

const QString kIcons = QStringLiteral(NETVANE_SOURCE_DIR "/src/app/icons/");
const QString kBanner = QStringLiteral(NETVANE_SOURCE_DIR "/src/dialogs/about/quorvex-banner.svg");

int RunTool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(PICTURES_TOOL), args);
    if (!p.waitForFinished(30000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

template <typename T>
T At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

TEST(RenderPictures, WritesEachPictureAtEachSize)
{
    struct Case {
        QString sizes;
        QStringList svgs;
        QStringList files;
        QList<QSize> dimensions;
    };
    const Case cases[] = {
        {"16,48", {kIcons + "netvane.svg", kIcons + "03-plus.svg"},
         {"netvane-16.png", "netvane-48.png", "03-plus-16.png", "03-plus-48.png"},
         {{16, 16}, {48, 48}, {16, 16}, {48, 48}}},
        {"422x87,211", {kBanner}, {"quorvex-banner-422x87.png", "quorvex-banner-211.png"}, {{422, 87}, {211, 44}}},
    };
    for (const Case& c : cases) {
        QTemporaryDir out;
        ASSERT_EQ(RunTool(QStringList{"png", out.path(), c.sizes} + c.svgs), 0) << c.sizes.toStdString();
        for (qsizetype i = 0; i < c.files.size(); ++i) {
            const QImage image(out.filePath(c.files[i]));
            ASSERT_FALSE(image.isNull()) << c.files[i].toStdString();
            EXPECT_EQ(image.size(), c.dimensions[i]) << c.files[i].toStdString();
            // Drawn, not blank: the centre row holds an opaque pixel.
            bool drawn = false;
            for (int x = 0; x < image.width(); ++x)
                drawn = drawn || qAlpha(image.pixel(x, image.height() / 2)) == 255;
            EXPECT_TRUE(drawn) << c.files[i].toStdString();
        }
    }
}

TEST(RenderPictures, IconFileDirectoryMatchesItsPngImages)
{
    QTemporaryDir out;
    const QString ico = out.filePath("program.ico");
    ASSERT_EQ(RunTool({"ico", ico, "16,32,256", kIcons + "netvane.svg"}), 0);
    QFile file(ico);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 6 + 3 * 16);
    EXPECT_EQ(At<quint16>(bytes, 0), 0);
    EXPECT_EQ(At<quint16>(bytes, 2), 1);  // icon
    ASSERT_EQ(At<quint16>(bytes, 4), 3);
    const int sizes[] = {16, 32, 256};
    quint32 expectedOffset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        const qsizetype entry = 6 + 16 * i;
        const int stated = static_cast<quint8>(bytes[entry]);
        EXPECT_EQ(stated == 0 ? 256 : stated, sizes[i]);
        EXPECT_EQ(static_cast<quint8>(bytes[entry + 1]), static_cast<quint8>(bytes[entry]));
        EXPECT_EQ(At<quint16>(bytes, entry + 4), 1);   // planes
        EXPECT_EQ(At<quint16>(bytes, entry + 6), 32);  // bits per pixel
        const quint32 length = At<quint32>(bytes, entry + 8), offset = At<quint32>(bytes, entry + 12);
        EXPECT_EQ(offset, expectedOffset);  // packed, in directory order
        ASSERT_LE(qsizetype(offset) + length, bytes.size());
        const QImage image = QImage::fromData(bytes.mid(offset, length), "PNG");
        EXPECT_EQ(image.size(), QSize(sizes[i], sizes[i]));
        expectedOffset = offset + length;
    }
    EXPECT_EQ(expectedOffset, quint32(bytes.size()));
}

TEST(RenderPictures, RefusesWhatItCannotDo)
{
    QTemporaryDir out;
    const QString svg = kIcons + "netvane.svg";
    const QStringList refused[] = {
        {"png", out.path(), "16", out.filePath("missing.svg")},
        {"png", out.path(), "0", svg},
        {"png", out.path(), "16x", svg},
        {"png", out.path(), "16,,24", svg},
        {"ico", out.filePath("a.ico"), "512", svg},  // an icon image is at most 256 pixels
        {"ico", out.filePath("a.ico"), "16", svg, svg},
        {"png", out.filePath("no/such/folder"), "16", svg},
        {"jpg", out.path(), "16", svg},
    };
    for (const QStringList& args : refused)
        EXPECT_NE(RunTool(args), 0) << args.join(' ').toStdString();
}

}  // namespace
