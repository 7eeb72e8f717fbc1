// The window's status bar: five owner-drawn panels of fixed widths (the first
// widens to its text when the model asks; any may for a translated text),
// the last one reaching to the right edge, drawn from the logic's status bar
// data.
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
    // Panel i's width with its frame and the gap after it: the model's, or
    // enough for its text where the model says it fits its text or
    // the text is translated.
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
