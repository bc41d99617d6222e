#include <QFile>
#include <QString>

// The entries written here quote nothing (no reserved character in a build path).
QString SignInCommand(const QString& file)
{
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : entry.readAll().split('\n'))
        if (line.startsWith("Exec="))
            return QString::fromUtf8(line.mid(5));
    return {};
}
