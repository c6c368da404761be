#include "ui/widgets/screen_fit.h"

#include <QEvent>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace tarvo::ui {

namespace {

// Shrinks and moves its window into the screen's free area on every show.
class ScreenFitter final : public QObject {
public:
    explicit ScreenFitter(QWidget& window) : QObject(&window), m_window(window) { setObjectName(kName); }
    static constexpr char kName[] = "screenFitter";

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
    // Once is enough however often it is asked.
    if (window.findChild<QObject*>(QLatin1String(ScreenFitter::kName), Qt::FindDirectChildrenOnly) == nullptr)
        window.installEventFilter(new ScreenFitter(window));
}

namespace {

// The columns side by side. A last column that stretches is never narrower
// than the header's default section, however little it holds.
int columnsLength(const QHeaderView& columns)
{
    const int last = columns.logicalIndex(columns.count() - 1);
    if (!columns.stretchLastSection() || last < 0 || columns.isSectionHidden(last))
        return columns.length();
    return columns.length() + std::max(0, columns.defaultSectionSize() - columns.sectionSize(last));
}

// The rows' and columns' own size, headers included.
QSize contentsOf(const QAbstractItemView& view)
{
    if (const auto* table = qobject_cast<const QTableView*>(&view)) {
        const QHeaderView* columns = table->horizontalHeader();
        const QHeaderView* rows = table->verticalHeader();
        const int rowHeader = rows->isHidden() ? 0 : rows->sizeHint().width();
        const int columnHeader = columns->isHidden() ? 0 : columns->sizeHint().height();
        return {columnsLength(*columns) + rowHeader, rows->length() + columnHeader};
    }
    if (const auto* tree = qobject_cast<const QTreeView*>(&view)) {
        const QHeaderView* columns = tree->header();
        int height = columns->isHidden() ? 0 : columns->sizeHint().height();
        // Every row shown now, the expanded ones' children included.
        for (QModelIndex index = tree->model()->index(0, 0); index.isValid(); index = tree->indexBelow(index))
            height += tree->visualRect(index).height();
        return {columnsLength(*columns), height};
    }
    return view.sizeHint();
}

} // namespace

QSize sizeShowingWhole(QWidget& window, QAbstractItemView& view)
{
    const int frame = 2 * view.frameWidth();
    const QSize whole = contentsOf(view) + QSize(frame + view.verticalScrollBar()->sizeHint().width(), frame);
    // The layout asks for the view at least whole: the other widgets as it places them.
    const QSize before = view.minimumSize();
    view.setMinimumSize(whole);
    const QSize wanted = window.sizeHint();
    view.setMinimumSize(before);
    return wanted;
}

void resizeWithinScreen(QWidget& window, QSize wanted)
{
    if (const QScreen* screen = window.screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    window.resize(wanted);
    // A window that grows while shown stays on its screen too.
    if (window.isVisible())
        fitOnScreen(window);
    keepOnScreen(window);
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
