#include "ui/view.h"

#include "ui/forms/form_registry.h"
#include "ui/tree/tree_view.h"

#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
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

CS1_View::CS1_View(const FormContext& context, const FormRegistry& forms, QWidget* parent)
    : QWidget(parent), m_context(context), m_forms(forms)
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
    m_form = m_forms.create(kNodeRoot, m_context, m_splitter);
    m_splitter->insertWidget(kFormColumn, m_form);
    m_splitter->setStretchFactor(kFormColumn, 1);
    connect(m_tree, &CS1_TreeView::FormRequested, this, [this](int kind, bool fromMenuSelect) {
        showForm(kind);
        if (fromMenuSelect)
            m_tree->setFocus();
        Q_EMIT selectionChanged();
    });
    m_tree->SetLeaveCheck([this] { return commitForm(); });
    // Next and previous pane: with two panes both keys switch.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, &CS1_View::switchPane);
    }
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CS1_View::selectionChanged);
    connectForm();
    connect(m_splitter, &QSplitter::splitterMoved, this,
            [this] { m_treeWidth = m_splitter->sizes().value(0); });
}

CS1_View::~CS1_View() = default;

bool CS1_View::commitForm()
{
    return m_form == nullptr || m_form->commitEdits();
}

void CS1_View::switchPane()
{
    if (focusWidget() != m_tree) {
        m_tree->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    QWidget* target = m_form->focusWidget() != nullptr ? m_form->focusWidget() : m_form;
    target->setFocus(Qt::ShortcutFocusReason);
}

void CS1_View::refreshForm()
{
    if (m_form != nullptr)
        m_form->refreshForm();
}

void CS1_View::showForm(int kind)
{
    FormPane* next = m_forms.create(kind, m_context, m_splitter);
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
    connectForm();
    m_form->show();
}

void CS1_View::connectForm()
{
    connect(m_form, &FormPane::documentEdited, this, &CS1_View::documentEdited);
    connect(m_form, &FormPane::navigateRequested, this, [tree = m_tree](int menu) {
        // Queued: the tree destroys the asking form, which must not happen
        // inside its own click handler.
        QTimer::singleShot(0, tree, [tree, menu] { tree->SelectMenuNode(menu); });
    });
}

void CS1_View::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeSplitter(width());
    // The width the view settles at when it is first shown fixes the tree's
    // share (a window being maximised passes through other sizes first).
    if (!m_splitterPlaced)
        QTimer::singleShot(0, this, [this] { m_splitterPlaced = true; });
}

void CS1_View::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeSplitter(event->size().width());
}

void CS1_View::placeSplitter(int width)
{
    if (width <= 0)
        return;
    // After placement the user's position is kept.
    if (!m_splitterPlaced)
        m_treeWidth = std::max(0, kTreeShareNumerator * width / kTreeShareDenominator);
    m_splitter->setSizes({m_treeWidth, std::max(0, width - m_treeWidth - m_splitter->handleWidth())});
}

} // namespace tarvo::ui
