#pragma once
// Windows that fit the screen at any scale: a dialog shown larger than the
// screen's free area is shrunk and moved into it (its layout then scrolls
// or squeezes what can give), a window sized for a list's whole contents
// as far as the screen has room, and a scroll area that asks for its whole
// contents so that it scrolls only where the screen is too small.

#include <QScrollArea>
#include <QSize>

class QAbstractItemView;

namespace tarvo::ui {

// From now on, every time window is shown it is kept inside the available
// area of its screen (asked again, nothing changes).
void keepOnScreen(QWidget& window);
// Grows window to what its layout asks (contents that came after it was
// shown), within the screen's free area, and moves it into that area.
void fitOnScreen(QWidget& window);

// The size window's layout asks for when view (a table or a tree, laid out
// in it) shows every column and every row whole: the header, the view's
// frame and a vertical scroll bar's room included.
QSize sizeShowingWhole(QWidget& window, QAbstractItemView& view);

// Resizes window to wanted, no larger than its screen's free area, and
// keeps it on the screen from now on (keepOnScreen).
void resizeWithinScreen(QWidget& window, QSize wanted);

class WholeScrollArea final : public QScrollArea {
    Q_OBJECT
public:
    explicit WholeScrollArea(QWidget* parent = nullptr);
    // The contents' own size (a plain scroll area caps it), plus a
    // vertical scroll bar's width for when the height is cut.
    QSize sizeHint() const override;
};

} // namespace tarvo::ui
