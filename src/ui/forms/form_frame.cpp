#include "ui/forms/form_frame.h"

#include <QPainter>

namespace tarvo::ui {

namespace {
const QColor kOutlineColour(128, 128, 128);
} // namespace

FormFrame::FormFrame(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void FormFrame::setEdges(Edges edges)
{
    m_edges = edges;
    update();
}

void FormFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect();
    const int w = kLineWidth;
    painter.fillRect(QRect(box.left(), box.top(), w, box.height()), kOutlineColour);
    painter.fillRect(QRect(box.right() - w + 1, box.top(), w, box.height()), kOutlineColour);
    if (m_edges != Edges::OpenTop)
        painter.fillRect(QRect(box.left(), box.top(), box.width(), w), kOutlineColour);
    if (m_edges != Edges::OpenBottom)
        painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), kOutlineColour);
}

} // namespace tarvo::ui
