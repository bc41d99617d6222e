// netvane-db: makes an empty IP set store. Netvane itself never creates one.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "common/qxError.h"
#include "store/StoreSchema.h"

namespace {
int Usage(FILE* out, int status)
{
    std::fputs("usage: netvane-db create PATH\n"
               "  Writes an empty Netvane store (tables IPSets and Connections) at PATH.\n"
               "  An existing file is never overwritten.\n",
               out);
    return status;
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && (args[0] == QLatin1String("-h") || args[0] == QLatin1String("--help")))
        return Usage(stdout, 0);
    if (args.size() != 2 || args[0] != QLatin1String("create"))
        return Usage(stderr, 2);
    try {
        CreateEmptyStore(QDir::cleanPath(QFileInfo(args[1]).absoluteFilePath()));
    } catch (const EqxError& e) {
        std::fprintf(stderr, "netvane-db: %s\n", e.what());
        return 1;
    }
    return 0;
}
