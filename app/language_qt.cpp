#include "language_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <memory>

#include "board/translate.h"
#include "catalogue_languages.h"

namespace vornia {

namespace {

// The program's catalogues, compiled into it.
constexpr const char* CatalogueFolder = ":/i18n";

std::string Language = "en";
std::unique_ptr<QTranslator> ProgramCatalogue;
std::unique_ptr<QTranslator> QtCatalogue;

std::string TranslateWithQt(const char* context, const std::string& source)
{
    return QCoreApplication::translate(context, source.c_str()).toStdString();
}

bool Spoken(const std::string& language)
{
    return language == "en" || std::any_of(CatalogueLanguages.begin(), CatalogueLanguages.end(),
                                           [&](const TCatalogueLanguage& c) { return c.Code == language; });
}

void Unload(std::unique_ptr<QTranslator>& catalogue)
{
    if (catalogue) {
        QCoreApplication::removeTranslator(catalogue.get());
        catalogue.reset();
    }
}

std::unique_ptr<QTranslator> Load(const QString& file, const QString& folder)
{
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(file, folder))
        return nullptr;
    QCoreApplication::installTranslator(catalogue.get());
    return catalogue;
}

} // namespace

std::string ResolveLanguage(const std::string& code)
{
    if (!code.empty())
        return Spoken(code) ? code : "en";
    for (const QString& name : QLocale::system().uiLanguages()) {
        const std::string language = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toStdString();
        if (Spoken(language))
            return language;
    }
    return "en";
}

std::string UseLanguage(const std::string& code)
{
    SetTranslator(&TranslateWithQt);
    const std::string language = ResolveLanguage(code);
    if (language == Language)
        return Language;
    Unload(ProgramCatalogue);
    Unload(QtCatalogue);
    Language = language;
    if (language != "en") {
        const QString suffix = QString::fromStdString(language);
        ProgramCatalogue = Load(QStringLiteral("vornia_") + suffix, QString::fromLatin1(CatalogueFolder));
        QtCatalogue = Load(QStringLiteral("qtbase_") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    return Language;
}

const std::string& LanguageInForce()
{
    return Language;
}

} // namespace vornia
