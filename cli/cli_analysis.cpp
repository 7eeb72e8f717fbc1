#include "cli_analysis.h"

#include <cmath>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vornia {

namespace {

using TJson = nlohmann::ordered_json;

// A text from the board file as one printable cell: control bytes, which a
// file may hold, would otherwise reach the terminal.
std::string Printable(const std::string& text)
{
    std::string cell = text;
    for (char& c : cell)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return cell;
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string list;
    for (const std::string& item : items)
        list += (list.empty() ? "" : ", ") + item;
    return list;
}

std::string Percent(double share)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << share * 100 << '%';
    return text.str();
}

std::string Points(double lost)
{
    std::ostringstream text;
    // Rounded first and taken from 0.0, so that less than 0.05 lost shows as 0.0, not -0.0.
    text << std::fixed << std::setprecision(1) << 0.0 - std::round(lost * 10) / 10;
    return text.str();
}

// Shares and lost points to four places: enough for the table and short to read.
double Rounded(double value)
{
    return std::round(value * 10000) / 10000;
}

TJson CornerJson(const TCorner& corner)
{
    TJson resources = TJson::array();
    for (const std::string& r : corner.Resources)
        resources.push_back(r);
    return TJson{{"x", corner.X},
                 {"y", corner.Y},
                 {"pips", corner.Pips},
                 {"resources", std::move(resources)},
                 {"harbour", corner.Harbour.empty() ? TJson() : TJson(corner.Harbour)}};
}

} // namespace

void PrintAnalysis(std::ostream& out, const TBoardAnalysis& a)
{
    out << "resource  plates  numbered  pips  pip share  number share\n";
    for (const TResourceRow& row : a.Resources)
        out << std::left << std::setw(8) << row.Name << std::right << std::setw(8) << row.Plates << std::setw(10)
            << row.Numbered << std::setw(6) << row.Pips << std::setw(11) << Percent(row.PipShare) << std::setw(14)
            << Percent(row.NumberShare) << '\n';

    out << "best starting corners\n";
    if (a.BestCorners.empty()) {
        out << "none: no corner has a pip\n";
    } else {
        out << "rank  pips  resources                     harbour          x        y\n";
        int rank = 0;
        for (const int i : a.BestCorners) {
            const TCorner& c = a.Corners[static_cast<std::size_t>(i)];
            out << std::right << std::setw(4) << ++rank << std::setw(6) << c.Pips << "  " << std::left << std::setw(30)
                << Printable(Joined(c.Resources)) << std::setw(10) << (c.Harbour.empty() ? "-" : Printable(c.Harbour))
                << std::right << std::setw(9) << c.X << std::setw(9) << c.Y << '\n';
        }
    }
    out << "score: " << a.Score << " of 100 (best corners " << Points(a.Lost.Corners) << ", resources "
        << Points(a.Lost.Resources) << ", red and equal pairs " << Points(a.Lost.Pairs) << ")\n";
}

std::string AnalysisJson(const TBoardAnalysis& a, const std::string& boardName, int zoom)
{
    TJson resources = TJson::array();
    for (const TResourceRow& row : a.Resources)
        resources.push_back(TJson{{"resource", row.Name},
                                  {"plates", row.Plates},
                                  {"numbered", row.Numbered},
                                  {"pips", row.Pips},
                                  {"pipShare", Rounded(row.PipShare)},
                                  {"numberShare", Rounded(row.NumberShare)}});
    TJson best = TJson::array();
    int rank = 0;
    for (const int i : a.BestCorners) {
        TJson corner{{"rank", ++rank}};
        corner.update(CornerJson(a.Corners[static_cast<std::size_t>(i)]));
        best.push_back(std::move(corner));
    }
    TJson corners = TJson::array();
    for (const TCorner& c : a.Corners)
        corners.push_back(CornerJson(c));

    const TJson object{{"board", boardName},
                       {"zoom", zoom},
                       {"score", a.Score},
                       {"lost",
                        {{"bestCorners", Rounded(a.Lost.Corners)},
                         {"resources", Rounded(a.Lost.Resources)},
                         {"pairs", Rounded(a.Lost.Pairs)}}},
                       {"pairs", {{"red", a.Balance.Red}, {"equal", a.Balance.Equal}, {"numbered", a.NumberedPairs}}},
                       {"resources", std::move(resources)},
                       {"bestCorners", std::move(best)},
                       {"corners", std::move(corners)}};
    return object.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
}

} // namespace vornia
