#include "catalogue_table.h"

#include <algorithm>

#include "translate.h"

namespace vornia {

namespace {

// The catalogue the translator reads; kept for as long as it is installed.
const TCatalogue* CatalogueInForce = nullptr;

std::string TranslateWithTable(const char* context, const std::string& source)
{
    if (CatalogueInForce)
        if (const TCatalogueEntry* entry = FindTranslation(*CatalogueInForce, context, source))
            return std::string(entry->Translation);
    return source;
}

} // namespace

const TCatalogue* FindCatalogue(std::span<const TCatalogue> catalogues, std::string_view language)
{
    for (const TCatalogue& catalogue : catalogues)
        if (catalogue.Language == language)
            return &catalogue;
    return nullptr;
}

const TCatalogueEntry* FindTranslation(const TCatalogue& catalogue, std::string_view context, std::string_view source)
{
    const auto before = [](const TCatalogueEntry& entry, std::pair<std::string_view, std::string_view> key) {
        return entry.Context != key.first ? entry.Context < key.first : entry.Source < key.second;
    };
    const auto found =
        std::lower_bound(catalogue.Entries.begin(), catalogue.Entries.end(), std::pair{context, source}, before);
    if (found == catalogue.Entries.end() || found->Context != context || found->Source != source)
        return nullptr;
    return &*found;
}

std::string UseCatalogue(std::span<const TCatalogue> catalogues, std::string_view language)
{
    CatalogueInForce = FindCatalogue(catalogues, language);
    SetTranslator(CatalogueInForce ? &TranslateWithTable : nullptr);
    return CatalogueInForce ? std::string(CatalogueInForce->Language) : std::string("en");
}

} // namespace vornia
