#include "app/Translations.h"

#include <QLibraryInfo>

QString ToolkitTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }
