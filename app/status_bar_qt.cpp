#include "status_bar_qt.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "frm_board.h"
#include "language_qt.h"
#include "render/qimage_canvas_qt.h"
#include "ui/qstring_qt.h"

namespace vornia {

namespace {

// Room for the sunken frame drawn round each panel.
constexpr int FrameWidth = 1;
// The gap between two panels.
constexpr int PanelGap = 2;
// Room left and right of the text of a panel that fits its text.
constexpr int TextMargin = 3;

TColor ToColor(const QColor& color)
{
    return RgbColor(color.red(), color.green(), color.blue());
}

} // namespace

TStatusBarWidget::TStatusBarWidget(const TfrmBoard& window, QWidget* parent) : QWidget(parent), Window(window)
{
    setObjectName("StatusBar");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    // The dialog font the panel widths were made for: 8 points.
    setFont(QFontFor(TFontSpec{}));
}

QSize TStatusBarWidget::sizeHint() const
{
    return {StatusPanelWidths[0], fontMetrics().height() + 2 * FrameWidth + 6};
}

int TStatusBarWidget::PanelWidth(int panel) const
{
    const TStatusPanel& model = Window.StatusBar().Panels[static_cast<std::size_t>(panel)];
    // In English the panels keep their widths unless the model asks; a
    // translated text may need more than the English one was given.
    if (!model.FitsText && LanguageInForce() == "en")
        return model.Width;
    // The text, a little room either side, the frame and the gap.
    const int text = fontMetrics().horizontalAdvance(ToQString(model.Text)) + 2 * TextMargin;
    return std::max(model.Width, text + 2 * FrameWidth + PanelGap);
}

QRect TStatusBarWidget::PanelRect(int panel) const
{
    int left = 0;
    for (int i = 0; i < panel; ++i)
        left += PanelWidth(i);
    // The last panel takes whatever is left of the width.
    int right = panel == StatusPanelCount - 1 ? std::max(width(), left + PanelWidth(panel)) : left + PanelWidth(panel);
    if (panel < StatusPanelCount - 1)
        right -= PanelGap;
    return QRect(QPoint(left + FrameWidth, 1 + FrameWidth), QPoint(right - 1 - FrameWidth, height() - 1 - FrameWidth));
}

bool TStatusBarWidget::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (int panel = 0; panel < StatusPanelCount; ++panel)
        if (PanelRect(panel).contains(help->pos()) && !Window.StatusBar().Hint(panel).empty()) {
            QToolTip::showText(help->globalPos(), ToQString(Window.StatusBar().Hint(panel)), this, PanelRect(panel));
            return true;
        }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void TStatusBarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int panel = 0; panel < StatusPanelCount; ++panel) {
        const QRect rect = PanelRect(panel);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(rect.left() - 1, rect.top() - 1, rect.right() + 1, rect.top() - 1);
        painter.drawLine(rect.left() - 1, rect.top() - 1, rect.left() - 1, rect.bottom() + 1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(rect.left() - 1, rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);
        painter.drawLine(rect.right() + 1, rect.top() - 1, rect.right() + 1, rect.bottom() + 1);
        DoDrawPanel(painter, panel, rect);
    }
}

void TStatusBarWidget::DoDrawPanel(QPainter& painter, int panel, const QRect& rect) const
{
    const TPanelStyle style = Window.StatusPanelStyle(panel, ToColor(palette().color(QPalette::ButtonText)),
                                                      ToColor(palette().color(QPalette::Button)));
    painter.save();
    painter.fillRect(rect, QColorOf(style.BrushColor));
    QFont font = this->font();
    font.setBold(style.Bold);
    painter.setFont(font);
    painter.setPen(QColorOf(style.FontColor));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ToQString(Window.StatusBar().Text(panel)));
    painter.restore();
}

} // namespace vornia
