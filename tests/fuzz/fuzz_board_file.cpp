// Fuzz target: a board file as Open reads it, and what the program then
// does with the board: its statistics, a zoom change there and back, the
// move into the corner and a save.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "board/board_layout.h"
#include "board/panel_board.h"
#include "board/random_source.h"
#include "files/board_file.h"
#include "files/ini_file.h"
#include "files/open_board.h"
#include "fuzz_check.h"

namespace {

using namespace vornia;

// Beyond this many plates the literal scans are too slow to compare with.
constexpr int MaxPlatesForScans = 64;

// The indexed queries answer as a scan of the list does.
void CheckIndexAgainstScan(TPanelBoard& panel)
{
    const TPlateList& plates = panel.Plates();
    if (plates.Count() > MaxPlatesForScans)
        return;
    for (int i = 0; i < plates.Count(); ++i) {
        const std::int32_t x = plates[i].X, y = plates[i].Y;
        FUZZ_CHECK(panel.PlateAt(x, y) == reference::PlateAt(plates, x, y));
        FUZZ_CHECK(panel.LandPlateAt(x, y) == reference::LandPlateAt(plates, x, y));
    }
    // The same board measured by a panel that scans.
    auto copy = std::make_unique<TPlateList>();
    for (const TPlateEntry& e : plates.All())
        copy->Add(e.Text, e.Plate);
    TPanelBoard scanning(TLookupMode::LiteralScan);
    scanning.SetZoom(panel.Zoom());
    scanning.Registry().AdoptPlateList(std::move(copy));
    FUZZ_CHECK(scanning.ComputeStats() == panel.ComputeStats());
}

void CheckStats(const TStats& stats, int plateCount)
{
    FUZZ_CHECK(stats.PlainWaters >= 0 && stats.PlainWaters <= plateCount);
    FUZZ_CHECK(std::isfinite(stats.ActualAverage) && stats.ActualAverage >= 0 && stats.ActualAverage <= 6);
    FUZZ_CHECK(std::isfinite(stats.LowestAverage) && std::isfinite(stats.HighestAverage));
    FUZZ_CHECK(stats.LandMass.empty() || stats.LandMass == "low" || stats.LandMass == "medium" ||
               stats.LandMass == "high");
}

// The extent of the placed plates on one axis, without wrapping.
std::int64_t Span(const TPlateList& plates, std::int32_t TResourcePlate::*axis)
{
    std::int64_t lo = std::numeric_limits<std::int64_t>::max(), hi = std::numeric_limits<std::int64_t>::min();
    for (const auto& e : plates.All()) {
        lo = std::min<std::int64_t>(lo, e.Plate.*axis);
        hi = std::max<std::int64_t>(hi, e.Plate.*axis);
    }
    return plates.Empty() ? 0 : hi - lo;
}

struct TCorner {
    std::int32_t X, Y;
    friend bool operator==(const TCorner&, const TCorner&) = default;
};

TCorner CornerOf(const TPlateList& plates)
{
    TCorner c{std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()};
    for (const auto& e : plates.All()) {
        c.X = std::min(c.X, e.Plate.X);
        c.Y = std::min(c.Y, e.Plate.Y);
    }
    return c;
}

// A zoom change there and back. Far from the ends of the 32-bit range the
// corner stays and a second round trip changes nothing (the first one puts
// the plates on the grid); near them positions wrap, which must not be
// undefined behaviour.
void CheckRescale(TPanelBoard& panel, int otherZoom)
{
    TPlateList& plates = panel.Plates();
    const int zoom = panel.Zoom();
    const TCorner corner = CornerOf(plates);
    const bool small = Span(plates, &TResourcePlate::X) < (std::int64_t{1} << 26) &&
                       Span(plates, &TResourcePlate::Y) < (std::int64_t{1} << 26) &&
                       std::int64_t{corner.X} + (std::int64_t{1} << 28) < std::numeric_limits<std::int32_t>::max() &&
                       std::int64_t{corner.Y} + (std::int64_t{1} << 28) < std::numeric_limits<std::int32_t>::max();

    FUZZ_CHECK(RescaleBoard(plates, zoom, otherZoom) == !plates.Empty());
    if (small)
        FUZZ_CHECK(CornerOf(plates) == corner);
    RescaleBoard(plates, otherZoom, zoom);
    if (!small)
        return;
    FUZZ_CHECK(CornerOf(plates) == corner);
    std::vector<TResourcePlate> once;
    for (const auto& e : plates.All())
        once.push_back(e.Plate);
    RescaleBoard(plates, zoom, otherZoom);
    RescaleBoard(plates, otherZoom, zoom);
    for (int i = 0; i < plates.Count(); ++i)
        FUZZ_CHECK(plates[i] == once[static_cast<std::size_t>(i)]);
}

// Saving and opening again gives the same plates and zoom.
void CheckSaveAndReopen(const TPlateList& plates, int zoom)
{
    TIniFile saved;
    WriteBoard(saved, plates, zoom);
    const std::string text = saved.ToText();
    const TBoardFileContent again = ReadBoard(TIniFile::FromText(text));
    FUZZ_CHECK(again.Zoom == zoom);
    FUZZ_CHECK(again.Plates->Count() == plates.Count());
    for (int i = 0; i < plates.Count(); ++i) {
        FUZZ_CHECK((*again.Plates)[i] == plates[i]);
        FUZZ_CHECK(again.Plates->Text(i) == plates[i].Kind);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TIniFile ini = TIniFile::FromText(text, "/nonexistent/fuzz.mirl");
    TBoardFileContent content = ReadBoard(ini);
    FUZZ_CHECK(content.Zoom == 100 || content.Zoom == 75 || content.Zoom == 50);
    FUZZ_CHECK(content.Plates != nullptr);
    const int count = content.Plates->Count();
    std::size_t lines = 0;
    for (const auto& section : ini.Sections())
        lines += section.Lines.size();
    // A damaged count must not make the reader build far more plates than the file holds.
    FUZZ_CHECK(static_cast<std::size_t>(count) <= lines + 10'000);
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK((*content.Plates)[i].Placed);
        FUZZ_CHECK(content.Plates->Text(i) == (*content.Plates)[i].Kind);
    }
    CheckSaveAndReopen(*content.Plates, content.Zoom);

    TPanelBoard panel;
    const TGenerationResult opened = OpenBoard(panel, std::move(content), "fuzz.mirl");
    FUZZ_CHECK(opened.Made && opened.Stats == panel.ComputeStats());
    CheckStats(opened.Stats, count);
    CheckIndexAgainstScan(panel);

    const int otherZoom = panel.Zoom() == 50 ? 75 : 50;
    CheckRescale(panel, otherZoom);
    FUZZ_CHECK(panel.Plates().Count() == count && panel.Plates().PlacedCount() == count);
    CheckIndexAgainstScan(panel);

    // The move keeps the plates' distances (modulo 2^32).
    const std::vector<TPlateEntry>& all = panel.Plates().All();
    const std::uint32_t dx = all.empty() ? 0 : static_cast<std::uint32_t>(all.back().Plate.X) -
                                                 static_cast<std::uint32_t>(all.front().Plate.X);
    TRandomSource unused;
    TBoardLayout(panel, unused, "any").MoveToCorner();
    if (!all.empty())
        FUZZ_CHECK(static_cast<std::uint32_t>(all.back().Plate.X) - static_cast<std::uint32_t>(all.front().Plate.X) ==
                   dx);
    CheckStats(panel.ComputeStats(), count);
    CheckSaveAndReopen(panel.Plates(), panel.Zoom());
    return 0;
}
