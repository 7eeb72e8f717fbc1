// The board panel on screen: a widget that paints the current board through
// a QImage canvas, in a view that scrolls when the board is larger than it.
#pragma once

#include <QPoint>
#include <QScrollArea>
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

// The view of the panel: as large as the window leaves it, and where the
// board is larger, scroll bars, the wheel (Shift+wheel sideways), the arrow
// and page keys and dragging with the mouse show the rest of it. A board
// that fits is drawn where it always was.
class TBoardView : public QScrollArea {
    Q_OBJECT
public:
    TBoardView(const TfrmBoard& window, QWidget* parent);

    TBoardPanelWidget* Panel() const { return Board; }
    // The board changed: the view scrolls over the whole of its picture.
    void BoardChanged();
    // Back to the board's top-left corner.
    void ScrollHome();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Scrolls() const;
    void ShowHandCursor();

    const TfrmBoard& Window;
    TBoardPanelWidget* Board = nullptr;
    bool Dragging = false;
    QPoint DragStart;       // where the drag began, on the screen
    QPoint DragStartScroll; // the scroll bars' values then
};

} // namespace vornia
