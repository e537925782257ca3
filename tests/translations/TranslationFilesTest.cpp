// The translation sources as a translator leaves them: nothing unfinished, no text missing,
// every placeholder of the English text kept; and the program carries exactly what they say.
#include "translations/Translations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace tenvik {
namespace {

struct Message {
    QString context;
    QString source;
    QString type; // "unfinished", "vanished", "obsolete"; empty when done
    bool numerus = false;
    QStringList translations; // one, or one per plural form
};

struct TranslationFile {
    QString language;
    std::vector<Message> messages;
};

TranslationFile Read(const QString& path)
{
    TranslationFile file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return file;
    QXmlStreamReader xml(&input);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"translation" && message.numerus)
            file.messages.push_back(message);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"TS") {
            file.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message{context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", {}};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus) {
                message.translations << xml.readElementText();
                file.messages.push_back(message);
            }
        } else if (name == u"numerusform") {
            message.translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return file;
}

// "%1", "%2" … and "%n", each once however often it stands.
QSet<QString> Placeholders(const QString& text)
{
    static const QRegularExpression mark(QStringLiteral("%(?:n|[1-9])"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : mark.globalMatch(text))
        found.insert(match.captured());
    return found;
}

QStringList TranslationFiles()
{
    const QDir folder(QStringLiteral(TENVIK_TRANSLATIONS_DIR));
    QStringList paths;
    for (const QString& name : folder.entryList({QStringLiteral("tenvik_*.ts")}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

// A language is one file: each file in the folder is a language the programs speak, and
// none other is; the English plural forms are no language of their own.
TEST(TranslationFilesTest, EachFileIsAShippedLanguage)
{
    QStringList languages;
    bool englishPlurals = false;
    for (const QString& path : TranslationFiles()) {
        const QString language = QFileInfo(path).completeBaseName().mid(QStringLiteral("tenvik_").size());
        if (language == u"en")
            englishPlurals = true;
        else
            languages << language;
    }
    EXPECT_TRUE(englishPlurals) << "tenvik_en.ts is missing";
    EXPECT_EQ(ShippedLanguages(), languages);
    // The README promises these; a file lost would otherwise only shorten the list.
    for (const char* promised : {"de", "es", "fr_CA"})
        EXPECT_TRUE(languages.contains(QString::fromLatin1(promised))) << promised;
}

TEST(TranslationFilesTest, EveryTextIsTranslatedAndKeepsItsPlaceholders)
{
    const QStringList paths = TranslationFiles();
    ASSERT_FALSE(paths.isEmpty());
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const TranslationFile file = Read(path);
        EXPECT_EQ(QString(u"tenvik_" + file.language + u".ts"), QFileInfo(path).fileName());
        ASSERT_FALSE(file.messages.empty());
        for (const Message& message : file.messages) {
            SCOPED_TRACE(QString(message.context + u": " + message.source).toStdString());
            EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString();
            EXPECT_EQ(message.translations.size(), message.numerus ? 2 : 1);
            for (const QString& translation : message.translations) {
                EXPECT_FALSE(translation.isEmpty());
                EXPECT_EQ(Placeholders(translation), Placeholders(message.source)) << translation.toStdString();
            }
        }
    }
}

// The build turns each source into the translation the program embeds; nothing of it is
// lost on the way.
TEST(TranslationFilesTest, TheProgramCarriesWhatTheSourcesSay)
{
    for (const QString& path : TranslationFiles()) {
        SCOPED_TRACE(path.toStdString());
        const TranslationFile file = Read(path);
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/tenvik_") + file.language + QStringLiteral(".qm")));
        EXPECT_EQ(translator.language(), file.language);
        for (const Message& message : file.messages) {
            SCOPED_TRACE(message.source.toStdString());
            const QByteArray context = message.context.toUtf8();
            const QByteArray source = message.source.toUtf8();
            if (message.numerus) {
                // One of each of the two forms these languages have.
                EXPECT_EQ(translator.translate(context.constData(), source.constData(), nullptr, 1),
                          message.translations.value(0));
                EXPECT_EQ(translator.translate(context.constData(), source.constData(), nullptr, 2),
                          message.translations.value(1));
            } else {
                EXPECT_EQ(translator.translate(context.constData(), source.constData()), message.translations.value(0));
            }
        }
    }
}

} // namespace
} // namespace tenvik
