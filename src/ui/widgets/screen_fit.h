#pragma once
// Windows that fit the screen at any scale: a dialog shown larger than the
// screen's free area is shrunk and moved into it (its layout then scrolls
// or squeezes what can give), and a scroll area that asks for its whole
// contents so that it scrolls only where the screen is too small.

#include <QScrollArea>

namespace tarvo::ui {

// From now on, every time window is shown it is kept inside the available
// area of its screen.
void keepOnScreen(QWidget& window);
// Grows window to what its layout asks (contents that came after it was
// shown), within the screen's free area, and moves it into that area.
void fitOnScreen(QWidget& window);

class WholeScrollArea final : public QScrollArea {
    Q_OBJECT
public:
    explicit WholeScrollArea(QWidget* parent = nullptr);
    // The contents' own size (a plain scroll area caps it), plus a
    // vertical scroll bar's width for when the height is cut.
    QSize sizeHint() const override;
};

} // namespace tarvo::ui
