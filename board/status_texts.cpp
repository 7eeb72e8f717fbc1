#include "status_texts.h"

#include "plate.h"

namespace vornia {

std::array<std::string, 4> StatsPanelTexts(const TStats& stats, std::string_view shape, std::string_view massDensity,
                                           bool fair)
{
    std::string suffix;
    if (SameText(massDensity, "any") && !stats.LandMass.empty())
        suffix = "  (" + stats.LandMass + ")";
    return {
        "shape: " + std::string(shape) + (fair ? std::string(FairShapeSuffix) : std::string()),
        "plain waters: " + std::to_string(stats.PlainWaters),
        "land mass: " + std::string(massDensity),
        "mass stats: " + FormatAverage(stats.LowestAverage) + " - " + FormatAverage(stats.ActualAverage) + " - " +
            FormatAverage(stats.HighestAverage) + suffix,
    };
}

std::string AttemptsText(int attempts) { return "Attempts: " + std::to_string(attempts); }

} // namespace vornia
