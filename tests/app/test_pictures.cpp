// The program's pictures as the windows use them: SVGs on Linux, PNGs rendered by the
// build on Windows. Each one draws at menu, tool-bar and task-bar sizes.
#include <gtest/gtest.h>

#include <QImage>

#include "app/Pictures.h"
#ifdef NETVANE_SVG_PICTURES
#include "app/LazyIcon.h"
#endif

namespace {

bool HasOpaquePixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

TEST(ProgramPictures, EachPictureDrawsAtTheSizesTheWindowsUse)
{
    const char* const names[] = {"00-refresh", "01-power", "02-network-panel", "03-plus", "04-globe-arrow",
                                 "05-pencil",  "06-cross", "07-asterisk",      "08-info", "09-down",
                                 "10-up",      "11-globe-plug", "netvane"};
    for (const char* name : names) {
        const QIcon icon = ProgramPicture(name);
        ASSERT_FALSE(icon.isNull()) << name;
        for (int size : {16, 24, 32, 48}) {
            const QImage image = icon.pixmap(size, size).toImage();
            EXPECT_EQ(image.size(), QSize(size, size)) << name << " at " << size;
            EXPECT_TRUE(HasOpaquePixel(image)) << name << " at " << size;
        }
    }
}

TEST(ProgramPictures, ProgramIconIsSharpAtLargeSizes)
{
    // The task bar and Alt+Tab ask for large icons; a 48-pixel picture scaled up would not do.
    EXPECT_EQ(ProgramPicture("netvane").pixmap(256, 256).size(), QSize(256, 256));
}

#ifdef NETVANE_SVG_PICTURES
TEST(ProgramPictures, AnIconReadOnFirstUseAnswersAsOneReadAtOnce)
{
    ProgramPicture("03-plus");  // brings in the pictures
    for (const QString& file : {QStringLiteral(":/icons/03-plus.svg"), QStringLiteral(":/icons/no-such.svg")}) {
        // Asked first whether it is empty, as a tool button does, before anything drew it.
        const QIcon lazy = LazyIcon(file);
        const QIcon read(file);
        EXPECT_EQ(lazy.isNull(), read.isNull()) << file.toStdString();
        EXPECT_EQ(lazy.pixmap(24, 24).isNull(), read.pixmap(24, 24).isNull()) << file.toStdString();
        EXPECT_EQ(lazy.isNull(), read.isNull()) << file.toStdString();
    }
}
#endif

}  // namespace
