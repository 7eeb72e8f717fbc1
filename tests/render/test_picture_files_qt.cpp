// The whole board as SVG and PDF, read back: the same fills as the PNG and
// the texts as text; a page past a PDF's limit; the print page and the
// booklet.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <map>
#include <sstream>

#include "board/panel_board.h"
#include "board/random_source.h"
#include "image_probe_qt.h"
#include "pdf_tools_qt.h"
#include "plates_for_tests.h"
#include "render/board_pages_qt.h"
#include "render/board_picture_qt.h"
#include "render/picture_files_qt.h"
#include "render/qimage_canvas_qt.h"

namespace vornia {
namespace {

using testing::AddPlate;
using testing::HavePopplerTools;
using testing::Land;
using testing::PdfPage;
using testing::PdfText;
using testing::PixelAt;
using testing::Quoted;
using testing::RunShell;
using testing::ValueAfter;

// A board as the window makes it, at the zoom given.
struct TMadeBoard {
    TMadeBoard(const std::string& shape, int zoom, std::uint32_t seed)
    {
        TBoardSettings settings;
        settings.Shape = shape;
        TRandomSource random;
        random.UseFixedClock(seed);
        Panel.GenerateBoard(settings, zoom, random);
    }
    const TPlateList& Plates() const { return Panel.Plates(); }

    TPanelBoard Panel;
};

QImage SvgPicture(const std::string& path)
{
    QSvgRenderer svg(QString::fromStdString(path));
    if (!svg.isValid())
        return {};
    QImage image(svg.viewBox().size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// The texts a board shows, as the words of each.
std::multiset<std::string> Words(const std::vector<std::string>& texts)
{
    std::multiset<std::string> words;
    for (const std::string& text : texts) {
        std::istringstream in(text);
        for (std::string word; in >> word;)
            words.insert(word);
    }
    return words;
}

// Every text the painter draws for the board, in list order.
std::vector<std::string> BoardTexts(const TPlateList& plates)
{
    std::vector<std::string> texts;
    for (const TPlateEntry& entry : plates.All()) {
        const TResourcePlate& p = entry.Plate;
        if (!p.Placed)
            continue;
        const bool water = IsWater(p);
        for (const std::string* text :
             water ? std::vector{&p.TradeResource, &p.TradeRatio} : std::vector{&p.Kind, &p.Number}) {
            if (text->empty() || (!water && text == &p.Number && IsDesert(p)))
                continue;
            texts.push_back(*text);
        }
    }
    return texts;
}

std::vector<std::string> SvgTexts(const std::string& svg)
{
    std::vector<std::string> texts;
    static const QRegularExpression element(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (const auto& match : element.globalMatch(QString::fromStdString(svg)))
        texts.push_back(match.captured(1).toStdString());
    return texts;
}

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Dir.isValid()); }
    std::string File(const char* name) const { return Dir.filePath(name).toStdString(); }

    QTemporaryDir Dir;
};

TEST_F(PictureFiles, SvgAndPdfShowThePngsFillsAndEveryTextAsText)
{
    if (!HavePopplerTools())
        GTEST_SKIP() << "pdftoppm, pdftotext or pdfinfo is missing";
    struct TRow {
        const char* Name;
        const char* Shape;
        int Zoom;
        bool BlackAndWhite;
    };
    const TRow rows[] = {
        {"traditional at 100 in colour", "traditional", 100, false},
        {"random at 75 in black and white", "random", 75, true},
        {"scorpion at 50 in colour", "scorpion", 50, false},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const TMadeBoard board(row.Shape, row.Zoom, 777);
        const TPlateList& plates = board.Plates();
        ASSERT_GT(plates.Count(), 0);
        TPaintOptions options;
        options.Zoom = row.Zoom;
        options.BlackAndWhite = row.BlackAndWhite;
        options.ButtonFace = 0xC8D0D4;
        std::string error;
        ASSERT_TRUE(SaveBoardPng(plates, options, File("b.png"), &error)) << error;
        ASSERT_TRUE(SaveBoardSvg(plates, options, File("b.svg"), &error)) << error;
        ASSERT_TRUE(SaveBoardPdf(plates, options, File("b.pdf"), &error)) << error;

        const QImage png(QString::fromStdString(File("b.png")));
        const QImage svg = SvgPicture(File("b.svg"));
        const QImage pdf = PdfPage(File("b.pdf"), 96, File("page"));
        ASSERT_FALSE(png.isNull());
        ASSERT_EQ(svg.size(), png.size());
        // Whole points for the page: at most a pixel more.
        ASSERT_NEAR(pdf.width(), png.width(), 1);
        ASSERT_NEAR(pdf.height(), png.height(), 1);

        const THexMetrics m = MetricsAtZoom(row.Zoom);
        int checked = 0;
        for (const TPlateEntry& entry : plates.All()) {
            const TResourcePlate& p = entry.Plate;
            if (!p.Placed)
                continue;
            const int x = p.X + m.HalfWidth / 2, y = p.Y;
            const TColor expected = PixelAt(png, x, y);
            ASSERT_EQ(expected, row.BlackAndWhite ? clWhite : p.Color) << p.Kind << " at " << p.X << "," << p.Y;
            ASSERT_EQ(PixelAt(svg, x, y), expected) << "SVG, " << p.Kind << " at " << p.X << "," << p.Y;
            ASSERT_EQ(PixelAt(pdf, x, y), expected) << "PDF, " << p.Kind << " at " << p.X << "," << p.Y;
            ++checked;
        }
        EXPECT_GT(checked, 20);
        // The margin is the background in all three.
        for (const QImage* picture : {&png, &svg, &pdf})
            EXPECT_EQ(PixelAt(*picture, png.width() - 4, png.height() - 4),
                      row.BlackAndWhite ? clWhite : TColor{0xC8D0D4});

        const std::vector<std::string> texts = BoardTexts(plates);
        std::string svgFile;
        ASSERT_TRUE(RunShell("cat " + Quoted(File("b.svg")), &svgFile) == 0);
        std::vector<std::string> inSvg = SvgTexts(svgFile), sortedTexts = texts;
        std::sort(inSvg.begin(), inSvg.end());
        std::sort(sortedTexts.begin(), sortedTexts.end());
        EXPECT_EQ(inSvg, sortedTexts);
        EXPECT_EQ(Words({PdfText(File("b.pdf"))}), Words(texts));
    }
}

TEST_F(PictureFiles, ABoardPastThePngLimitIsAVectorPictureAndAPdfPageAtMost200Inches)
{
    if (!HavePopplerTools())
        GTEST_SKIP() << "pdfinfo or pdftoppm is missing";
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 10, 33));
    AddPlate(plates, Land("Wool", "5", 38400 - 10 - 78, 33)); // 38,400 pixels wide: twice the limit
    std::string error;
    EXPECT_FALSE(SaveBoardPng(plates, TPaintOptions{}, File("b.png"), &error));
    ASSERT_TRUE(SaveBoardSvg(plates, TPaintOptions{}, File("b.svg"), &error)) << error;
    ASSERT_TRUE(SaveBoardPdf(plates, TPaintOptions{}, File("b.pdf"), &error)) << error;

    std::string svg;
    RunShell("head -c 400 " + Quoted(File("b.svg")), &svg);
    EXPECT_NE(svg.find("viewBox=\"0 0 38400 111\""), std::string::npos) << svg;

    std::string info;
    ASSERT_EQ(RunShell("pdfinfo " + Quoted(File("b.pdf")), &info), 0);
    // 111 pixels at 0.375 points each.
    EXPECT_NE(ValueAfter(info, "Page size:").find(" 14400 x 42 pts"), std::string::npos) << info;
    // Drawn at half size: 96 dots per inch show every other pixel.
    const QImage page = PdfPage(File("b.pdf"), 96, File("page"));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(PixelAt(page, (10 + 19) / 2 + 2, 33 / 2 + 3), clPurple);
    EXPECT_EQ(PixelAt(page, (38400 - 10 - 78 + 19) / 2 + 2, 33 / 2 + 3), clLime);

    // A board a billion pixels wide still has a page of the smallest height.
    AddPlate(plates, Land("Ore", "6", 1000000000, 33));
    ASSERT_TRUE(SaveBoardPdf(plates, TPaintOptions{}, File("b.pdf"), &error)) << error;
    ASSERT_EQ(RunShell("pdfinfo " + Quoted(File("b.pdf")), &info), 0);
    EXPECT_NE(ValueAfter(info, "Page size:").find(" 14400 x 3 pts"), std::string::npos) << info;
}

TEST_F(PictureFiles, AFileIsReplacedWholeOrNotAtAll)
{
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 10, 33));
    using TSave = bool (*)(const TPlateList&, const TPaintOptions&, const std::string&, std::string*);
    const std::pair<const char*, TSave> writers[] = {{"b.svg", SaveBoardSvg}, {"b.pdf", SaveBoardPdf}};
    for (const auto& [name, save] : writers) {
        SCOPED_TRACE(name);
        QFile old(Dir.filePath(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older picture");
        old.close();
        std::string error;
        ASSERT_TRUE(save(plates, TPaintOptions{}, File(name), &error)) << error;
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        const QByteArray written = old.readAll();
        old.close();
        EXPECT_TRUE(written.startsWith("<?xml") || written.startsWith("%PDF")) << written.left(20).constData();

        const std::string missing = Dir.filePath("missing/").toStdString() + name;
        EXPECT_FALSE(save(plates, TPaintOptions{}, missing, &error));
        EXPECT_NE(error.find(missing), std::string::npos) << error;
    }
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), (QStringList{"b.pdf", "b.svg"}));
}

// The largest box of dark pixels on the page.
QRect InkBox(const QImage& page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (PixelAt(page, x, y) != clWhite)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

TEST_F(PictureFiles, TheWholeBoardPrintsFittedAndCentredInsideTheMargins)
{
    if (!HavePopplerTools())
        GTEST_SKIP() << "pdftoppm is missing";
    struct TRow {
        const char* Name;
        QPageLayout::Orientation Orientation;
        bool FillsTheWidth;
    };
    // The traditional board is a little wider than high.
    const TRow rows[] = {
        {"portrait: the width is filled", QPageLayout::Portrait, true},
        {"landscape: the height is filled", QPageLayout::Landscape, false},
    };
    const TMadeBoard board("traditional", 100, 5);
    const TPictureSize picture = BoardPictureSize(board.Plates(), 100);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        // A PDF writer stands in for the printer: a printer here would
        // settle on the system's printers before the printing tests set
        // up their own.
        {
            QPdfWriter pdf(Dir.filePath("page.pdf"));
            pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), row.Orientation, QMarginsF(20, 30, 20, 30),
                                          QPageLayout::Millimeter));
            TPaintOptions options;
            options.ButtonFace = 0xC8D0D4; // the whole picture is ink
            ASSERT_TRUE(PrintWholeBoard(pdf, board.Plates(), options));
        }

        // At 254 dots per inch a millimetre is 10 pixels.
        const QImage page = PdfPage(File("page.pdf"), 254, File("page"));
        ASSERT_FALSE(page.isNull());
        const QRect ink = InkBox(page);
        const QRect inside(200, 300, page.width() - 400, page.height() - 600);
        EXPECT_TRUE(inside.adjusted(-2, -2, 2, 2).contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        EXPECT_NEAR(double(ink.width()) / ink.height(), double(picture.width) / picture.height, 0.01);
        if (row.FillsTheWidth) {
            EXPECT_NEAR(ink.width(), inside.width(), 3);
            EXPECT_NEAR(ink.top() - inside.top(), inside.bottom() - ink.bottom(), 3);
        } else {
            EXPECT_NEAR(ink.height(), inside.height(), 3);
            EXPECT_NEAR(ink.left() - inside.left(), inside.right() - ink.right(), 3);
        }
        EXPECT_EQ(PixelAt(page, ink.center().x(), ink.top() + 2), TColor{0xC8D0D4});
    }
}

TEST_F(PictureFiles, ABookletHasAPagePerBoardHeadedByItsName)
{
    if (!HavePopplerTools())
        GTEST_SKIP() << "pdfinfo, pdftotext or pdftoppm is missing";
    const TMadeBoard made("traditional", 100, 1);
    const TPlateList& traditional = made.Plates();
    // A column of land: higher than wide.
    TPlateList column;
    for (int i = 0; i < 6; ++i)
        AddPlate(column, Land("Brick", "8", 10, 33 + i * 68));
    struct TBoard {
        std::string Name;
        const TPlateList& Plates;
        const char* Size; // pdfinfo's page size
    };
    const TBoard boards[] = {
        {"[New traditional 1]", traditional, " 842 x 595 pts (A4)"},
        {"[New column 2]", column, " 595 x 842 pts (A4)"},
        {"[New traditional 3]", traditional, " 842 x 595 pts (A4)"},
    };
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TBoardBooklet booklet;
    std::string error;
    ASSERT_TRUE(booklet.Begin(File("booklet.pdf"), &error)) << error;
    for (const TBoard& board : boards)
        ASSERT_TRUE(booklet.AddBoard(board.Name, board.Plates, TPaintOptions{}, &error)) << error;
    EXPECT_FALSE(QFile::exists(Dir.filePath("booklet.pdf"))) << "not before it is finished";
    ASSERT_TRUE(booklet.Finish(&error)) << error;
    // Where inches are used, the paper is Letter.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TBoardBooklet letter;
    ASSERT_TRUE(letter.Begin(File("letter.pdf"), &error) && letter.AddBoard("US", column, {}, &error) &&
                letter.Finish(&error))
        << error;
    QLocale::setDefault(QLocale::c());
    std::string letterInfo;
    RunShell("pdfinfo " + Quoted(File("letter.pdf")), &letterInfo);
    EXPECT_NE(ValueAfter(letterInfo, "Page size:").find(" 612 x 792 pts (letter)"), std::string::npos) << letterInfo;

    std::string info;
    ASSERT_EQ(RunShell("pdfinfo -f 1 -l 3 " + Quoted(File("booklet.pdf")), &info), 0);
    EXPECT_EQ(ValueAfter(info, "Pages:"), "           3") << info;
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const TBoard& board = boards[page - 1];
        EXPECT_NE(ValueAfter(info, "Page    " + std::to_string(page) + " size:").find(board.Size), std::string::npos)
            << info;
        const std::string text = PdfText(File("booklet.pdf"), page);
        EXPECT_EQ(text.rfind(board.Name, 0), 0u) << text; // the heading comes first
        const QImage picture = PdfPage(File("booklet.pdf"), 20, File("page"), page);
        EXPECT_GT(testing::CountColor(picture, 0, 0, picture.width(), picture.height(), clRed), 20);
    }
}

// Pictures and pages show the board and nothing around it: PNG and SVG
// leave the outside transparent, a page leaves it white, in colour and in
// black and white, even where a long text (any text a board file holds) runs
// past the last hex; but an SVG, which has no clipping, shows such a text whole.
// The PNG's pixels inside the hexes are the window's.
TEST_F(PictureFiles, OutsideTheHexesPicturesAreClearAndPagesWhite)
{
    enum class TSurface { Png, Svg, Pdf, Page };
    struct TRow {
        const char* Name;
        TSurface Surface;
        int Zoom;
        bool BlackAndWhite;
    };
    const TRow rows[] = {
        {"PNG at 50 in colour", TSurface::Png, 50, false},
        {"PNG at 100 in black and white", TSurface::Png, 100, true},
        {"PNG at 75 in colour", TSurface::Png, 75, false},
        {"SVG at 50 in colour", TSurface::Svg, 50, false},
        {"SVG at 75 in black and white", TSurface::Svg, 75, true},
        {"PDF at 50 in colour", TSurface::Pdf, 50, false},
        {"page at 50 in colour", TSurface::Page, 50, false},
        {"page at 100 in black and white", TSurface::Page, 100, true},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        if (row.Surface == TSurface::Pdf && !HavePopplerTools())
            continue;
        const THexMetrics m = MetricsAtZoom(row.Zoom);
        const int w = m.HalfWidth, pitch = m.RowPitch(), top = m.PeakHeight + 3;
        TPlateList plates;
        AddPlate(plates, Land("Lumber", "8", 3, top));
        AddPlate(plates, Land("Desert", "", 3 + 2 * w, top));
        AddPlate(plates, testing::PlainWater(3 + 4 * w, top));
        AddPlate(plates, testing::Harbour("Lumber", "2:1", btWest, 3 + w, top + pitch));
        AddPlate(plates, testing::Harbour(row.Surface == TSurface::Svg ? "Grain" : "Grain from afar", "2:1",
                                          btNorthWest, 3 + 5 * w, top + pitch));
        TPaintOptions options;
        options.Zoom = row.Zoom;
        options.BlackAndWhite = row.BlackAndWhite;
        options.ButtonFace = 0xC8D0D4;
        const TPictureSize size = BoardPictureSize(plates, row.Zoom);
        const QImage window = RenderBoardImage(plates, options, size.width, size.height);
        options.Transparent = true;

        QImage picture;
        std::string error;
        const TPictureFormat format = row.Surface == TSurface::Svg   ? TPictureFormat::Svg
                                      : row.Surface == TSurface::Pdf ? TPictureFormat::Pdf
                                                                     : TPictureFormat::Png;
        const std::string path = File(format == TPictureFormat::Svg   ? "b.svg"
                                      : format == TPictureFormat::Pdf ? "b.pdf"
                                                                      : "b.png");
        if (row.Surface == TSurface::Page) {
            picture = QImage(size.width, size.height, QImage::Format_ARGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            PaintBoardInArea(painter, QRectF(0, 0, size.width, size.height), plates, options);
        } else {
            ASSERT_TRUE(SaveBoardPicture({plates, row.Zoom, row.BlackAndWhite, path, format}, error)) << error;
            if (row.Surface == TSurface::Png) {
                picture = QImage(QString::fromStdString(path));
            } else if (row.Surface == TSurface::Pdf) {
                picture = PdfPage(path, 96, File("page"));
            } else {
                QSvgRenderer svg(QString::fromStdString(path));
                picture = QImage(size.width, size.height, QImage::Format_ARGB32);
                picture.fill(Qt::transparent);
                QPainter painter(&picture);
                svg.render(&painter);
            }
        }
        ASSERT_FALSE(picture.isNull());
        // A PDF page is whole points: up to a pixel more.
        picture = picture.convertToFormat(QImage::Format_ARGB32).copy(0, 0, size.width, size.height);

        // Inside: the hexagons' pixels; around: within 3 pixels of one.
        QImage inside(picture.size(), QImage::Format_ARGB32), around(picture.size(), QImage::Format_ARGB32);
        inside.fill(Qt::transparent);
        around.fill(Qt::transparent);
        {
            QPainter in(&inside), near(&around);
            in.setPen(Qt::NoPen);
            in.setBrush(Qt::black);
            near.setPen(QPen(Qt::black, 6));
            near.setBrush(Qt::black);
            for (const TPlateEntry& entry : plates.All()) {
                const QPolygon hexagon = QPolygonOf(HexOutline(entry.Plate.X, entry.Plate.Y, m));
                in.drawPolygon(hexagon);
                near.drawPolygon(hexagon);
            }
        }
        const bool paper = row.Surface == TSurface::Pdf || row.Surface == TSurface::Page;
        int outside = 0, changedInside = 0, shownOutside = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                if (qAlpha(around.pixel(x, y)) == 0) {
                    ++outside;
                    shownOutside += paper ? pixel != qRgb(255, 255, 255) : qAlpha(pixel) != 0;
                } else if (qAlpha(inside.pixel(x, y)) != 0 && row.Surface == TSurface::Png) {
                    changedInside += pixel != (window.pixel(x, y) | 0xFF000000u);
                }
            }
        EXPECT_GT(outside, size.width * 2);
        EXPECT_EQ(shownOutside, 0);
        EXPECT_EQ(changedInside, 0);
    }
}

// The corner pips' discs reach past the board's edge: the clear picture, the
// PDF and the printed page show them whole rather than cut at the hexes.
TEST_F(PictureFiles, CornerPipsPastTheBoardsEdgeShowOnPicturesAndPages)
{
    constexpr THexMetrics m = MetricsAtZoom(50);
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 10, 20));
    AddPlate(plates, Land("Grain", "8", 10 + 2 * m.HalfWidth, 20));
    // The black rank tag of the best corner (48, 20), above the notch
    // between the two hexes' peaks.
    const int x = 44, y = 4;
    std::string error;
    ASSERT_TRUE(SaveBoardPicture({plates, 50, false, File("c.png"), TPictureFormat::Png, false, true}, error)) << error;
    EXPECT_EQ(QImage(QString::fromStdString(File("c.png"))).pixel(x, y), qRgb(0, 0, 0));

    TPaintOptions options;
    options.Zoom = 50;
    options.Transparent = true;
    options.CornerPips = true;
    const TPictureSize size = BoardPictureSize(plates, 50);
    QImage page(size.width, size.height, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        PaintBoardInArea(painter, QRectF(0, 0, size.width, size.height), plates, options);
    }
    EXPECT_EQ(page.pixel(x, y), qRgb(0, 0, 0));

    if (!HavePopplerTools())
        return;
    ASSERT_TRUE(SaveBoardPicture({plates, 50, false, File("c.pdf"), TPictureFormat::Pdf, false, true}, error)) << error;
    const QImage pdf = PdfPage(File("c.pdf"), 96, File("c-page"));
    ASSERT_FALSE(pdf.isNull());
    EXPECT_EQ(pdf.pixel(x, y), qRgb(0, 0, 0));
}

TEST_F(PictureFiles, ABookletIsWrittenOnlyWhenFinishedWithAPage)
{
    const QString path = Dir.filePath("booklet.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older booklet");
    old.close();
    TPlateList plates;
    AddPlate(plates, Land("Ore", "6", 10, 33));
    std::string error;
    {
        TBoardBooklet abandoned;
        ASSERT_TRUE(abandoned.Begin(path.toStdString(), &error));
        ASSERT_TRUE(abandoned.AddBoard("one", plates, TPaintOptions{}, &error));
    }
    TBoardBooklet empty;
    ASSERT_TRUE(empty.Begin(path.toStdString(), &error));
    EXPECT_FALSE(empty.Finish(&error));
    EXPECT_NE(error.find("no boards"), std::string::npos) << error;
    TBoardBooklet unopened;
    EXPECT_FALSE(unopened.AddBoard("one", plates, TPaintOptions{}, &error));
    EXPECT_FALSE(unopened.Begin(Dir.filePath("missing/booklet.pdf").toStdString(), &error));

    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("an older booklet"));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"booklet.pdf"});
}

} // namespace
} // namespace vornia
