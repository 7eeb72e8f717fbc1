// Printing through a real CUPS scheduler to a PDF printer: a private cupsd
// (tests/render/cups_sandbox.sh) with a cups-pdf queue as its default
// destination; the test prints, waits for the PDF and reads it back with
// pdfinfo and pdftoppm.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "image_probe_qt.h"
#include "pdf_tools_qt.h"
#include "plates_for_tests.h"
#include "render/board_pages_qt.h"
#include "render/board_picture_qt.h"
#include "render/printer_qt.h"

namespace vornia {
namespace {

using testing::Quoted;
using testing::RunShell;
using testing::ValueAfter;

// A board of a few plates of every kind, drawn the size of a window twice as
// wide as high, framed in black so that its edges show on the page.
QImage WindowPicture(bool blackAndWhite)
{
    TPlateList plates;
    using namespace testing;
    const char* kinds[] = {"Brick", "Grain", "Lumber", "Ore", "Wool", "Desert", "Water"};
    for (int i = 0; i < 7; ++i)
        AddPlate(plates, Land(kinds[i], std::to_string(4 + i), 10 + i * 78, 33));
    AddPlate(plates, Harbour("Ore", "2:1", btNorthEast, 49, 33 + 68));
    TPaintOptions options;
    options.BlackAndWhite = blackAndWhite;
    QImage image = RenderBoardImage(plates, options, 800, 400);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawRect(QRect(2, 2, 795, 395));
    return image;
}

class CupsPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char pattern[] = "/tmp/vornia-cups.XXXXXX";
        if (!mkdtemp(pattern)) {
            StartError = "cannot make a temporary folder";
            return;
        }
        Dir = pattern;
        std::string out;
        const std::string log = Dir + "/start.log";
        const int status =
            RunShell("sh " + Quoted(VORNIA_CUPS_SANDBOX) + " start " + Quoted(Dir) + " 2>" + Quoted(log), &out);
        if (status != 0) {
            std::string reason;
            RunShell("cat " + Quoted(log), &reason);
            (status == 2 ? SkipReason : StartError) = "the private CUPS scheduler did not start: " + reason;
            return;
        }
        OutDir = ValueAfter(out, "OUT=");
        const std::string socket = ValueAfter(out, "SOCKET=");
        // Every CUPS client of this process talks to the private scheduler only.
        setenv("CUPS_SERVER", socket.c_str(), 1);
        unsetenv("PRINTER");
        unsetenv("LPDEST");
    }

    static void TearDownTestSuite()
    {
        if (Dir.empty())
            return;
        RunShell("sh " + Quoted(VORNIA_CUPS_SANDBOX) + " stop " + Quoted(Dir) + " >/dev/null 2>&1");
        QDir(QString::fromStdString(Dir)).removeRecursively();
        Dir.clear();
    }

    void SetUp() override
    {
        if (!SkipReason.empty())
            GTEST_SKIP() << SkipReason;
        ASSERT_TRUE(StartError.empty()) << StartError;
        Before = PdfsInOutDir();
    }

    static std::set<std::string> PdfsInOutDir()
    {
        std::set<std::string> files;
        for (const QFileInfo& info : QDir(QString::fromStdString(OutDir)).entryInfoList({"*.pdf"}, QDir::Files))
            files.insert(info.absoluteFilePath().toStdString());
        return files;
    }

    // The PDF of the job just printed, once the queue has written it whole;
    // empty after a minute without one. Files of other jobs (in a shared
    // output folder) are those that were there before.
    std::string WaitForPdf()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            for (const std::string& file : PdfsInOutDir())
                if (!Before.count(file) && RunShell("pdfinfo " + Quoted(file) + " >/dev/null 2>&1") == 0) {
                    Printed.push_back(file);
                    return file;
                }
            QThread::msleep(200);
        }
        return {};
    }

    // The page of the PDF as a picture, 36 pixels per inch.
    QImage Page(const std::string& pdf)
    {
        const std::string prefix = Dir + "/page";
        if (RunShell("pdftoppm -r 36 -png -singlefile " + Quoted(pdf) + " " + Quoted(prefix) + " 2>&1") != 0)
            return {};
        return QImage(QString::fromStdString(prefix + ".png"));
    }

    void TearDown() override
    {
        // The PDFs of this test, wherever the queue put them.
        for (const std::string& file : Printed)
            std::remove(file.c_str());
    }

    static inline std::string Dir, OutDir, SkipReason, StartError;
    std::set<std::string> Before;
    std::vector<std::string> Printed;
};

TEST_F(CupsPrinting, BlackAndWhiteWindowPrintsOneGreyPageFullWidthAtTheTop)
{
    std::string error;
    ASSERT_TRUE(PrintImageToDefaultPrinter(WindowPicture(true), &error)) << error;
    const std::string pdf = WaitForPdf();
    ASSERT_FALSE(pdf.empty()) << "no PDF appeared in " << OutDir;

    std::string info;
    ASSERT_EQ(RunShell("pdfinfo " + Quoted(pdf), &info), 0);
    EXPECT_EQ(std::stoi(ValueAfter(info, "Pages:")), 1) << info;

    const QImage page = Page(pdf);
    ASSERT_FALSE(page.isNull());
    int left = page.width(), top = page.height(), right = -1, bottom = -1, coloured = 0, dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            if (std::max({r, g, b}) - std::min({r, g, b}) > 12)
                ++coloured;
            if (r < 128) {
                ++dark;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    EXPECT_EQ(coloured, 0) << "a black-and-white picture prints without colour";
    ASSERT_GT(dark, 500) << "the page is empty";
    const int width = right - left + 1, height = bottom - top + 1;
    // The picture spans the printable width (the whole page on this queue),
    // is half as high as wide, and starts at the top.
    EXPECT_GE(width, page.width() * 95 / 100) << left << ".." << right << " of " << page.width();
    EXPECT_NEAR(height, width / 2, 3);
    EXPECT_LE(top, 3);
    EXPECT_LT(bottom, page.height() / 2);
}

TEST_F(CupsPrinting, ColourWindowKeepsItsColoursOnThePage)
{
    std::string error;
    ASSERT_TRUE(PrintImageToDefaultPrinter(WindowPicture(false), &error)) << error;
    const std::string pdf = WaitForPdf();
    ASSERT_FALSE(pdf.empty()) << "no PDF appeared in " << OutDir;
    const QImage page = Page(pdf);
    ASSERT_FALSE(page.isNull());
    int blue = 0, purple = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            blue += qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60;
            purple += qRed(p) > 100 && qBlue(p) > 100 && qGreen(p) < 40;
        }
    EXPECT_GT(blue, 20);
    EXPECT_GT(purple, 20);
}

TEST_F(CupsPrinting, TheWholeBoardIsOnePageOfTheDefaultPrinter)
{
    TPlateList plates;
    using namespace testing;
    AddPlate(plates, Land("Ore", "6", 10, 33));
    AddPlate(plates, Harbour("Ore", "2:1", btNorthEast, 10 + 78, 33));
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    ASSERT_TRUE(PrintWholeBoard(printer, plates, TPaintOptions{}));
    const std::string pdf = WaitForPdf();
    ASSERT_FALSE(pdf.empty()) << "no PDF appeared in " << OutDir;
    std::string info;
    ASSERT_EQ(RunShell("pdfinfo " + Quoted(pdf), &info), 0);
    EXPECT_EQ(std::stoi(ValueAfter(info, "Pages:")), 1) << info;
    const QImage page = Page(pdf);
    ASSERT_FALSE(page.isNull());
    // Two plates fill the page's width: each is a large share of it.
    const int purple = CountColor(page, 0, 0, page.width(), page.height(), clPurple);
    EXPECT_GT(purple, page.width() * page.width() / 20);
}

TEST(Printing, AnEmptyPictureIsNotSent)
{
    std::string error;
    EXPECT_FALSE(PrintImageToDefaultPrinter(QImage(), &error));
    EXPECT_EQ(error, "There is no picture to print.");
}

// In a child process of its own, so that the scheduler it names stays its own.
TEST(Printing, WithoutADefaultPrinterNothingIsSent)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("CUPS_SERVER", "/nonexistent/vornia/cups.sock", 1);
            unsetenv("PRINTER");
            unsetenv("LPDEST");
            std::string error;
            const bool printed = PrintImageToDefaultPrinter(WindowPicture(true), &error);
            std::fprintf(stderr, "%s\n", error.c_str());
            std::fflush(stderr);
            std::_Exit(printed ? 1 : 0); // at once: the child's Qt is not torn down
        },
        ::testing::ExitedWithCode(0), "There is no default printer.");
}

} // namespace
} // namespace vornia
