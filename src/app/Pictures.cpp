#include "app/Pictures.h"

#include <QDir>

#include "app/LazyIcon.h"

QIcon ProgramPicture(const char* name)
{
    Q_INIT_RESOURCE(icons);
    const QString stem = QLatin1String(name);
#ifdef NETVANE_SVG_PICTURES
    return LazyIcon(QStringLiteral(":/icons/%1.svg").arg(stem));
#else
    // "<name>-<size>.png"; the icon picks the size nearest to what it is drawn at, and
    // reads a file only when it draws it.
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString& file : folder.entryList({stem + QLatin1String("-*.png")}, QDir::Files)) {
        bool ok = false;
        const int pixels = file.mid(stem.size() + 1).chopped(4).toInt(&ok);
        if (ok)
            icon.addFile(folder.filePath(file), QSize(pixels, pixels));
    }
    return icon;
#endif
}
