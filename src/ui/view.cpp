#include "ui/view.h"

#include "ui/form_registry.h"
#include "ui/tree_view.h"

#include <QResizeEvent>
#include <QVBoxLayout>

namespace tarvo::ui {

namespace {
constexpr int kTreeColumn = 0;
constexpr int kFormColumn = 1;
// The tree takes this share of the first width the view gets.
constexpr int kTreeShareNumerator = 2;
constexpr int kTreeShareDenominator = 5;
} // namespace

CS1_SplitterWnd::CS1_SplitterWnd(QWidget* parent) : QSplitter(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("CS1_SplitterWnd"));
    setChildrenCollapsible(false);
}

CS1_View::CS1_View(const FormContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("CS1_View"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new CS1_SplitterWnd(this);
    layout->addWidget(m_splitter);
    m_tree = new CS1_TreeView(*context.selection, m_splitter);
    if (context.fonts != nullptr)
        m_tree->setFont(context.fonts->unicode);
    m_splitter->insertWidget(kTreeColumn, m_tree);
    m_form = FormRegistry::create(kNodeRoot, m_context, m_splitter);
    m_splitter->insertWidget(kFormColumn, m_form);
    m_splitter->setStretchFactor(kFormColumn, 1);
    connect(m_tree, &CS1_TreeView::formRequested, this, [this](int kind, bool fromMenuSelect) {
        showForm(kind);
        if (fromMenuSelect)
            m_tree->setFocus();
        emit selectionChanged();
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CS1_View::selectionChanged);
    connect(m_form, &FormPane::documentEdited, this, &CS1_View::documentEdited);
}

CS1_View::~CS1_View() = default;

bool CS1_View::commitForm()
{
    return m_form == nullptr || m_form->commitEdits();
}

void CS1_View::refreshForm()
{
    if (m_form != nullptr)
        m_form->refreshForm();
}

void CS1_View::showForm(int kind)
{
    FormPane* next = FormRegistry::create(kind, m_context, m_splitter);
    if (next == nullptr)
        return;
    const QList<int> sizes = m_splitter->sizes();
    if (m_form != nullptr) {
        m_form->commitEdits();
        delete m_form;
    }
    m_form = next;
    m_splitter->insertWidget(kFormColumn, m_form);
    m_splitter->setStretchFactor(kFormColumn, 1);
    if (sizes.size() == 2)
        m_splitter->setSizes(sizes);
    connect(m_form, &FormPane::documentEdited, this, &CS1_View::documentEdited);
    m_form->show();
}

void CS1_View::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int width = event->size().width();
    if (m_splitterPlaced || width <= 0 || !isVisible())
        return;
    // Once, on the first width the user sees; later the user's position is kept.
    const int treeWidth = std::max(0, kTreeShareNumerator * width / kTreeShareDenominator);
    m_splitter->setSizes({treeWidth, std::max(0, width - treeWidth - m_splitter->handleWidth())});
    m_splitterPlaced = true;
}

} // namespace tarvo::ui
