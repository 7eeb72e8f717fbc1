// The catalogue tables the web core translates with, against Qt's
// translator reading the same catalogues: every message of the core's
// contexts gives the same text in every language, and English costs nothing.
#include <QDir>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "board/catalogue_table.h"
#include "board/translate.h"
#include "web/page_texts.h"

namespace vornia {
namespace {

struct TMessage {
    QString Context;
    QString Source;
};

// Every message of a catalogue, its control characters (<byte value="xd"/>) included.
std::vector<TMessage> MessagesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    std::vector<TMessage> messages;
    QString context;
    QString* text = nullptr;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"source") {
                source.clear();
                text = &source;
            } else if (xml.name() == u"byte" && text)
                *text += QChar(xml.attributes().value("value").mid(1).toInt(nullptr, 16));
        } else if (xml.isCharacters() && text) {
            *text += xml.text();
        } else if (xml.isEndElement() && xml.name() == u"source") {
            messages.push_back({context, source});
            text = nullptr;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

class CatalogueTable : public ::testing::Test {
protected:
    void TearDown() override { UseCatalogue(BuiltInCatalogues(), "en"); }
};

TEST_F(CatalogueTable, GivesWhatQtsTranslatorGivesForEveryCatalogue)
{
    const QDir folder(VORNIA_TRANSLATIONS_DIR);
    const QStringList files = folder.entryList({"vornia_*.ts"}, QDir::Files, QDir::Name);
    std::vector<std::string> present, built;
    for (const QString& file : files)
        present.push_back(file.mid(7).chopped(3).toStdString());
    for (const TCatalogue& catalogue : BuiltInCatalogues())
        built.push_back(std::string(catalogue.Language));
    ASSERT_EQ(built, present);

    const QStringList contexts = QString(VORNIA_CORE_CONTEXTS).split(',');
    for (const QString& file : files) {
        const std::string language = file.mid(7).chopped(3).toStdString();
        QTranslator qt;
        ASSERT_TRUE(qt.load("vornia_" + QString::fromStdString(language), ":/i18n"));
        ASSERT_EQ(UseCatalogue(BuiltInCatalogues(), language), language);
        int compared = 0;
        for (const TMessage& message : MessagesOf(folder.filePath(file))) {
            if (!contexts.contains(message.Context))
                continue;
            const QByteArray context = message.Context.toUtf8();
            QString expected = qt.translate(context.constData(), message.Source.toUtf8().constData());
            if (expected.isEmpty())
                expected = message.Source;
            EXPECT_EQ(Tr(context.constData(), message.Source.toStdString()), expected.toStdString())
                << language << " " << context.constData();
            ++compared;
        }
        EXPECT_GT(compared, 60) << language;
        // The page's own texts reach the catalogue, which its lang/*.json is made of.
        for (std::string_view text : PageTexts)
            EXPECT_FALSE(qt.translate("Page", std::string(text).c_str()).isEmpty()) << language << " " << text;
    }
}

TEST_F(CatalogueTable, EnglishAndUnknownLanguagesInstallNoTranslator)
{
    ASSERT_EQ(UseCatalogue(BuiltInCatalogues(), "fr"), "fr");
    EXPECT_EQ(Tr("Please Wait..."), "Veuillez patienter...");
    EXPECT_EQ(Tr("no such text"), "no such text");
    for (const char* language : {"en", "", "xx", "FR"}) {
        EXPECT_EQ(UseCatalogue(BuiltInCatalogues(), language), "en") << language;
        EXPECT_FALSE(HasTranslator());
    }
    EXPECT_EQ(Tr("Please Wait..."), "Please Wait...");
}

} // namespace
} // namespace vornia
