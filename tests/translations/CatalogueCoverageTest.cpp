#include "platform/Translations.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <vector>

// Every text the program words for the operator must reach an Indonesian operator in Indonesian:
// these cases fail when a text in the sources has no finished translation in the catalogue.
namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
};

std::vector<Message> readCatalogue(const QString& path)
{
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = {context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The texts the sources mark for translation, as lupdate finds them today.
std::vector<Message> textsInTheSources()
{
    const TempDir folder;
    const QString ts = QString::fromStdString(folder.file("sources_id.ts"));
    QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                             QStringLiteral("none")};
    arguments += QStringLiteral(TANDERA_TRANSLATED_SOURCES).split(QLatin1Char('|'));
    arguments += {QStringLiteral("-ts"), ts};
    QProcess lupdate;
    lupdate.start(QStringLiteral(TANDERA_LUPDATE), arguments);
    EXPECT_TRUE(lupdate.waitForFinished(120'000));
    EXPECT_EQ(QProcess::NormalExit, lupdate.exitStatus());
    EXPECT_EQ(0, lupdate.exitCode()) << lupdate.readAllStandardError().toStdString();
    return readCatalogue(ts);
}

// The %1, %2, ... markers of a text, each once, in order.
std::string placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found.join(QLatin1Char(' ')).toStdString();
}

std::string shown(const Message& message)
{
    return (message.context + QStringLiteral(": ") + message.source).toStdString();
}

// What the program loads at run time, built from the repository's .ts.
TEST(CatalogueCoverage, EveryTextInTheSourcesHasAnIndonesianTranslationInTheBuiltCatalogue)
{
    const std::vector<Message> texts = textsInTheSources();
    ASSERT_GT(texts.size(), 10u) << "lupdate found hardly any texts: are the sources listed?";
    QTranslator catalogue;
    const QString qm =
        QString::fromLatin1(kCatalogueFolder) + QStringLiteral("/tandera-patch_id.qm");
    ASSERT_TRUE(catalogue.load(qm)) << qm.toStdString();
    for (const Message& text : texts) {
        const QString translated = catalogue.translate(text.context.toUtf8().constData(),
                                                       text.source.toUtf8().constData());
        EXPECT_FALSE(translated.isEmpty()) << "no Indonesian for " << shown(text);
        // A translation that drops a %1 drops the file, line or value from the message.
        EXPECT_EQ(placeholders(text.source), placeholders(translated)) << shown(text);
    }
}

// The .ts is what translators edit: nothing in it may be left unfinished or outlive its text.
TEST(CatalogueCoverage, TheRepositoryCatalogueIsFinishedAndHoldsOnlyTextsOfTheSources)
{
    QSet<QString> inSources;
    for (const Message& text : textsInTheSources())
        inSources.insert(text.context + QLatin1Char('\n') + text.source);
    const std::vector<Message> catalogue = readCatalogue(QStringLiteral(TANDERA_ID_CATALOGUE));
    ASSERT_FALSE(catalogue.empty());
    for (const Message& message : catalogue) {
        EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << ": " << shown(message);
        EXPECT_FALSE(message.translation.isEmpty()) << shown(message);
        EXPECT_TRUE(inSources.contains(message.context + QLatin1Char('\n') + message.source))
            << "no longer in the sources: " << shown(message);
    }
}

} // namespace
