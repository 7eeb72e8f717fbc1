#include "status_texts.h"

#include "plate.h"

namespace vornia {

std::array<std::string, 4> StatsPanelTexts(const TStats& stats, std::string_view shape, std::string_view massDensity,
                                           bool fair)
{
    std::string suffix;
    if (SameText(massDensity, "any") && !stats.LandMass.empty())
        suffix = "  (" + LandMassDisplayName(stats.LandMass) + ")";
    return {
        TrFormat(VORNIA_TR_NOOP("Window", "shape: %1"), {ShapeDisplayName(shape)}) +
            (fair ? Tr(FairShapeSuffix) : std::string()),
        TrFormat(VORNIA_TR_NOOP("Window", "plain waters: %1"), {std::to_string(stats.PlainWaters)}),
        TrFormat(VORNIA_TR_NOOP("Window", "land mass: %1"), {LandMassDisplayName(massDensity)}),
        TrFormat(VORNIA_TR_NOOP("Window", "mass stats: %1 - %2 - %3"),
                 {FormatAverage(stats.LowestAverage), FormatAverage(stats.ActualAverage),
                  FormatAverage(stats.HighestAverage)}) +
            suffix,
    };
}

std::string AttemptsText(int attempts)
{
    return TrFormat(VORNIA_TR_NOOP("Window", "Attempts: %1"), {std::to_string(attempts)});
}

} // namespace vornia
