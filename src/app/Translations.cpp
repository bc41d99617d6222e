#include "app/Translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include "common/qxTranslate.h"

namespace {
std::string TranslateCoreText(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}
}  // namespace

QString InstallTranslations(const QLocale& locale)
{
    SetTranslateHook(&TranslateCoreText);
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        // English is the program's own language: one preferred before any other ends the search.
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return QString();
        auto* own = new QTranslator(QCoreApplication::instance());
        if (!own->load(language, QStringLiteral("netvane"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        auto* toolkit = new QTranslator(QCoreApplication::instance());
        if (toolkit->load(language, QStringLiteral("qtbase"), QStringLiteral("_"), ToolkitTranslationsFolder()))
            QCoreApplication::installTranslator(toolkit);
        else
            delete toolkit;
        return QLocale::languageToCode(language.language());
    }
    return QString();
}
