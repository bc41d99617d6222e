// The translation files: complete, current with the sources, placeholders kept, menu
// accelerators unique; and the program starting in another language.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "app/Translations.h"

namespace {
struct Message {
    QString Context, Source, Translation, Type;
};

// The file as lupdate leaves it after reading today's sources.
std::vector<Message> CurrentMessages(const QString& language)
{
    const QString committed = QStringLiteral(NETVANE_SOURCE_DIR "/translations/netvane_%1.ts").arg(language);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(committed).fileName());
    EXPECT_TRUE(QFile::copy(committed, copy)) << committed.toStdString();
    QProcess lupdate;
    lupdate.start(QStringLiteral(NETVANE_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-tr-function-alias"),
                   QStringLiteral("translate+=Tx,QT_TRANSLATE_NOOP+=TxNoop"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral(NETVANE_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
    EXPECT_TRUE(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0) << lupdate.readAll().toStdString();
    QFile file(copy);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back({context, {}, {}, {}});
        else if (xml.name() == u"source")
            messages.back().Source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == u"translation") {
            messages.back().Type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.back().Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
    return messages;
}

std::multiset<QString> Placeholders(const QString& text)
{
    std::multiset<QString> found;
    for (const auto& m : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text))
        found.insert(m.captured());
    return found;
}

QChar Accelerator(const QString& text)
{
    const qsizetype at = QString(text).replace(QLatin1String("&&"), QLatin1String("__")).indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

class TranslationFile : public testing::TestWithParam<const char*> {};

TEST_P(TranslationFile, IsCompleteAndCurrentAndKeepsPlaceholdersAndAccelerators)
{
    const std::vector<Message> messages = CurrentMessages(QString::fromLatin1(GetParam()));
    ASSERT_GT(messages.size(), 200u);
    std::map<QString, QString> byKey;
    for (const Message& m : messages) {
        const std::string where = (m.Context + QLatin1String(": ") + m.Source).toStdString();
        EXPECT_TRUE(m.Type.isEmpty()) << m.Type.toStdString() << " (unfinished, vanished or obsolete): " << where;
        EXPECT_FALSE(m.Translation.isEmpty()) << where;
        EXPECT_EQ(Placeholders(m.Source), Placeholders(m.Translation)) << where << " -> " << m.Translation.toStdString();
        byKey[m.Context + QLatin1Char('\n') + m.Source] = m.Translation;
    }
    // Menus whose items carry accelerators: each letter once within its menu.
    const std::vector<std::pair<const char*, std::vector<const char*>>> menus = {
        {"TFrmMain", {"&File", "&Connections", "&IP Sets", "&Help"}},
    };
    for (const auto& [context, items] : menus) {
        std::set<QChar> letters;
        for (const char* item : items) {
            const QString shown = byKey[QLatin1String(context) + QLatin1Char('\n') + QLatin1String(item)];
            const QChar letter = Accelerator(shown);
            EXPECT_FALSE(letter.isNull()) << item << " has lost its accelerator: " << shown.toStdString();
            EXPECT_TRUE(letters.insert(letter).second) << item << " repeats the accelerator of " << shown.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFile, testing::Values("de", "fr", "es"));

QString German(const char* context, const char* source, const QString& file, const QString& folder)
{
    QTranslator translator;
    EXPECT_TRUE(translator.load(file, folder)) << file.toStdString();
    const QString text = translator.translate(context, source);
    EXPECT_FALSE(text.isEmpty()) << source << " has no translation in " << file.toStdString();
    return text;
}
}  // namespace

// A language without a translation, and English itself, keep the program's own texts.
TEST(StartLanguage, EnglishAndUnknownLanguagesKeepTheOwnTexts)
{
    for (const char* name : {"en_US", "C", "sw_KE"}) {
        EXPECT_EQ(InstallTranslations(QLocale(QString::fromLatin1(name))), QString()) << name;
        EXPECT_EQ(QCoreApplication::translate("TFrmMain", "&File"), QStringLiteral("&File")) << name;
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes")) << name;
    }
}

TEST(StartLanguage, GermanMenusAndTheToolkitsButtons)
{
    ASSERT_EQ(InstallTranslations(QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("de"));
    const QString file = German("TFrmMain", "&File", QStringLiteral("netvane_de"), QStringLiteral(":/i18n"));
    EXPECT_NE(file, QStringLiteral("&File"));
    EXPECT_EQ(QCoreApplication::translate("TFrmMain", "&File"), file);
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(),
              German("QPlatformTheme", "&Yes", QStringLiteral("qtbase_de"), ToolkitTranslationsFolder()));
    EXPECT_NE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));
}

// The program itself, started with a German LANG: its help in German, the toolkit's words too.
TEST(StartLanguage, TheProgramsHelpFollowsLang)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(NETVANE_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    const QString own = German("ConsoleCommands", "Shows this help and ends.", QStringLiteral("netvane_de"),
                               QStringLiteral(":/i18n"));
    EXPECT_NE(own, QStringLiteral("Shows this help and ends."));
    EXPECT_TRUE(help.simplified().contains(own.simplified())) << help.toStdString();  // wrapped to the terminal
    EXPECT_TRUE(help.startsWith(German("QCommandLineParser", "Usage: %1", QStringLiteral("qtbase_de"),
                                       ToolkitTranslationsFolder()).arg(QStringLiteral("netvane"))))
        << help.toStdString();
}
