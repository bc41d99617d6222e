#pragma once
// The program speaks the user's language where it has a translation for it: the first
// of the system's user-interface languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Linux;
// the display language on Windows) that is English or that it has a translation for
// decides. The toolkit's own texts (the buttons of message boxes, the file dialog) follow
// in the same language. Needs the application object; texts composed before it stay English.
#include <QLocale>
#include <QString>

// Installs the translations for locale's languages; returns the language chosen
// ("de", "fr", ...), empty for English.
QString InstallTranslations(const QLocale& locale = QLocale::system());

// Where the toolkit's qtbase_*.qm files are: the system's folder on Linux, the
// program's own resources on Windows.
QString ToolkitTranslationsFolder();
