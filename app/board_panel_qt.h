// The board panel on screen: a widget filling the window's client area that
// paints the current board through a QImage canvas.
#pragma once

#include <QWidget>

namespace vornia {

class TfrmBoard;

class TBoardPanelWidget : public QWidget {
    Q_OBJECT
public:
    // window: the logic whose current board is drawn; kept, not owned.
    TBoardPanelWidget(const TfrmBoard& window, QWidget* parent);

    // The picture the panel shows, at its current size, with the pixels of
    // the screen it is on.
    QImage RenderImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TfrmBoard& Window;
};

} // namespace vornia
