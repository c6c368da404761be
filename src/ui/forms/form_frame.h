#pragma once
// FormFrame: the grey outline the menu forms draw around a row's action
// controls. The controls it outlines are its children; an open top or bottom
// edge lets two frames stacked on each other read as one box.

#include <QWidget>

namespace tarvo::ui {

class FormFrame final : public QWidget {
    Q_OBJECT
public:
    enum class Edges { Closed, OpenTop, OpenBottom };

    explicit FormFrame(QWidget* parent = nullptr);
    void setEdges(Edges edges);
    Edges edges() const { return m_edges; }

    static constexpr int kLineWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Edges m_edges = Edges::Closed;
};

} // namespace tarvo::ui
