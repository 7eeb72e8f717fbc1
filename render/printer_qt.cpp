#include "printer_qt.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "print_layout.h"

namespace vornia {

bool PrintImageToDefaultPrinter(const QImage& image, std::string* error)
{
    auto fail = [error](std::string reason) {
        if (error)
            *error = std::move(reason);
        return false;
    };
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return fail("There is no picture to print.");
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return fail("There is no default printer.");
    const std::string name = target.printerName().toStdString();

    // The printer's own resolution: the page's printable size in printer
    // pixels, which the picture is stretched over. Printable is what the
    // printer can reach: its own minimum margins, not Qt's default ones.
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(QString());
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
    printer.setCopyCount(1);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return fail("The printer " + name + " cannot be used.");

    QPainter painter;
    if (!painter.begin(&printer))
        return fail("The printer " + name + " could not start a print job.");
    // The window's size as laid out: a picture taken on a finer screen holds
    // more pixels, all of which reach the page.
    const QSizeF client = image.deviceIndependentSize();
    const TPrintRect rect =
        FitToPage(qRound(client.width()), qRound(client.height()), printer.width(), printer.height());
    painter.drawImage(QRect(0, 0, rect.Width, rect.Height), image);
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error)
        return fail("The printer " + name + " did not accept the print job.");
    return true;
}

} // namespace vornia
