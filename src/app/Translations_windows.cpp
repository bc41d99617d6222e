#include "app/Translations.h"

// A Windows copy has no toolkit folder beside it: the build embeds Qt's own files.
QString ToolkitTranslationsFolder() { return QStringLiteral(":/i18n/qt"); }
