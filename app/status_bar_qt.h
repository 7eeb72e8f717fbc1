// The window's status bar: five owner-drawn panels of fixed widths (wider
// where a translated text needs it), the last one reaching to the right
// edge, drawn from the logic's status bar data.
#pragma once

#include <QWidget>

namespace vornia {

class TfrmBoard;

class TStatusBarWidget : public QWidget {
    Q_OBJECT
public:
    // window: the logic whose panels are drawn; kept, not owned.
    TStatusBarWidget(const TfrmBoard& window, QWidget* parent);

    // The rectangle panel i is drawn into (inside its frame).
    QRect PanelRect(int panel) const;
    // A panel's width: as designed, or wider for a translated text.
    int PanelWidth(int panel) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A panel's hint as its tooltip.
    bool event(QEvent* event) override;

private:
    // DoDrawPanel: fill the panel with its brush, then its text in one line,
    // vertically centred, left-aligned.
    void DoDrawPanel(QPainter& painter, int panel, const QRect& rect) const;

    const TfrmBoard& Window;
};

} // namespace vornia
