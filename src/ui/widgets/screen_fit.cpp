#include "ui/widgets/screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace tarvo::ui {

namespace {

// Shrinks and moves its window into the screen's free area on every show.
class ScreenFitter final : public QObject {
public:
    explicit ScreenFitter(QWidget& window) : QObject(&window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show) {
            fit();
            // The frame is known only once the window manager placed it.
            QTimer::singleShot(0, this, [this] { fit(); });
        }
        return false;
    }

private:
    void fit() { fitOnScreen(m_window); }

    QWidget& m_window;
};

} // namespace

void fitOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QSize decoration = frame.size() - window.size();
    const QSize most = (room.size() - decoration).expandedTo(window.minimumSize());
    // As large as the layout asks (a first size can be cut short), no larger than the room.
    const QSize wanted = window.size().expandedTo(window.sizeHint()).boundedTo(most);
    if (wanted != window.size())
        window.resize(wanted);
    QRect placed = window.frameGeometry();
    placed.moveRight(std::min(placed.right(), room.right()));
    placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    placed.moveLeft(std::max(placed.left(), room.left()));
    placed.moveTop(std::max(placed.top(), room.top()));
    if (placed.topLeft() != window.frameGeometry().topLeft())
        window.move(placed.topLeft());
}

void keepOnScreen(QWidget& window)
{
    window.installEventFilter(new ScreenFitter(window));
}

WholeScrollArea::WholeScrollArea(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QSize WholeScrollArea::sizeHint() const
{
    if (widget() == nullptr)
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
}

} // namespace tarvo::ui
