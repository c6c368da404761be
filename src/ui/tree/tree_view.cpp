#include "ui/tree/tree_view.h"

#include "document/doc.h"
#include "model/lang_table.h"
#include "platform/text.h"
#include "ui/tree/node_key.h"
#include "ui/tree/tree_icons.h"
#include "ui/tree/tree_texts.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

namespace tarvo::ui {

namespace {

constexpr auto kRootLabel = tree_texts::kLanguageTables;

} // namespace

CS1_TreeView::CS1_TreeView(SelectionRecord& selection, QWidget* parent)
    : QTreeWidget(parent), m_selection(selection)
{
    setObjectName(QStringLiteral("CS1_TreeView"));
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setContextMenuPolicy(Qt::NoContextMenu);
    setIconSize(QSize(kTreeIconPixels, kTreeIconPixels));
    setUniformRowHeights(true);
    // Connecting lines between the nodes, which not every desktop style draws.
    if (QStyle* lined = QStyleFactory::create(QStringLiteral("Windows"))) {
        lined->setParent(this);
        setStyle(lined);
    }
    header()->setSectionResizeMode(QHeaderView::Fixed);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnCurrentItemChanged(current); });
    connect(this, &QTreeWidget::itemExpanded, this, &CS1_TreeView::MeasureColumn);
    connect(this, &QTreeWidget::itemCollapsed, this, &CS1_TreeView::MeasureColumn);
}

QString CS1_TreeView::TableLabel(int index, const model::CS1_LangTable& table)
{
    model::TableHeader header;
    model::TableMetadata metadata;
    table.GetHeader(header, metadata);
    return QString::asprintf("%2d - ", index + 1) + platform::toQString(header.friendlyName).trimmed();
}

QTreeWidgetItem* CS1_TreeView::AddNode(QTreeWidgetItem* parent, int position, const QString& label, int icon,
                                       std::uint32_t key)
{
    auto* item = new QTreeWidgetItem(QStringList{label});
    item->setIcon(0, treeIcons().at(icon));
    if (parent == nullptr)
        insertTopLevelItem(position < 0 ? topLevelItemCount() : position, item);
    else
        parent->insertChild(position < 0 ? parent->childCount() : position, item);
    m_keyOfItem.insert(item, key);
    m_itemOfKey.insert(key, item);
    return item;
}

bool CS1_TreeView::BuildTree(const document::CS1_Doc& doc)
{
    const bool handling = m_handleSelection;
    m_handleSelection = false;
    clear();
    m_keyOfItem.clear();
    m_itemOfKey.clear();
    m_lastSelected = nullptr;
    m_doc = &doc;
    m_root = AddNode(nullptr, -1, kRootLabel, kIconRoot, packNodeKey(kNodeRoot, 0, 0));
    QTreeWidgetItem* previous = nullptr;
    for (std::size_t i = 0; i < doc.tableCount(); ++i)
        previous = InsertTableSubtree(static_cast<int>(i), doc.table(i), previous);
    m_root->setExpanded(true);
    m_handleSelection = handling;
    MeasureColumn();
    return true;
}

void CS1_TreeView::MeasureColumn()
{
    // Measuring lays out the text of every shown label: done when they
    // change, not on every resize (each new form resizes the pane).
    m_labelsWidth = sizeHintForColumn(0);
    FitColumn();
}

void CS1_TreeView::changeEvent(QEvent* event)
{
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        MeasureColumn();
}

void CS1_TreeView::FitColumn()
{
    // At least as wide as the pane, so a selection spans the row; wider when a
    // label needs it, so long names scroll rather than being cut off.
    setColumnWidth(0, std::max(viewport()->width(), m_labelsWidth));
}

void CS1_TreeView::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    FitColumn();
}

QTreeWidgetItem* CS1_TreeView::InsertTableSubtree(int index, const model::CS1_LangTable& table,
                                                  QTreeWidgetItem* after)
{
    if (m_root == nullptr)
        return nullptr;
    int position = -1;
    if (after != nullptr)
        position = m_root->indexOfChild(after) + 1;
    else if (index == 0)
        position = 0;
    QTreeWidgetItem* tableItem =
        AddNode(m_root, position, TableLabel(index, table), kIconTable, packNodeKey(kNodeTable, index, 0));
    QTreeWidgetItem* folder =
        AddNode(tableItem, -1, platform::toQString(table.GetMetadataLabel(kMenuFolderLabelId)),
                kIconMenuFolder, packNodeKey(kNodeMenuFolder, index, 0));
    for (int menu = kMainScriptMenu; menu <= kLastScriptMenu; ++menu) {
        const std::u16string name = table.GetMenuName(menu);
        if (name.empty())
            continue;
        AddNode(folder, -1, platform::toQString(name), kIconMenu,
                packNodeKey(*kindForMenu(menu), index, menu));
    }
    return tableItem;
}

void CS1_TreeView::ForgetSubtree(QTreeWidgetItem* item)
{
    for (int i = 0; i < item->childCount(); ++i)
        ForgetSubtree(item->child(i));
    m_itemOfKey.remove(m_keyOfItem.value(item));
    m_keyOfItem.remove(item);
    if (item == m_lastSelected)
        m_lastSelected = nullptr;
}

QTreeWidgetItem* CS1_TreeView::TableNode(int index) const
{
    return GetTreeItem(packNodeKey(kNodeTable, index, 0));
}

void CS1_TreeView::RemoveTableSubtree(int index)
{
    QTreeWidgetItem* item = TableNode(index);
    if (item == nullptr)
        return;
    const bool handling = m_handleSelection;
    m_handleSelection = false;
    ForgetSubtree(item);
    delete item; // deletes the children first
    m_handleSelection = handling;
}

void CS1_TreeView::RelabelTables(int firstIndex)
{
    if (m_doc == nullptr)
        return;
    for (std::size_t i = static_cast<std::size_t>(std::max(firstIndex, 0)); i < m_doc->tableCount(); ++i)
        if (QTreeWidgetItem* item = TableNode(static_cast<int>(i)))
            item->setText(0, TableLabel(static_cast<int>(i), m_doc->table(i)));
    MeasureColumn();
}

void CS1_TreeView::CollapseAllTables()
{
    if (m_root == nullptr)
        return;
    for (int i = 0; i < m_root->childCount(); ++i)
        collapseItem(m_root->child(i));
    m_root->setExpanded(true);
}

int CS1_TreeView::GetSelectedTableIndex() const
{
    return unpackNodeKey(KeyOf(currentItem())).tableIndex;
}

bool CS1_TreeView::SelectMenuNode(int menu)
{
    const std::optional<int> kind = kindForMenu(menu);
    if (!kind)
        return false;
    QTreeWidgetItem* item = GetTreeItem(packNodeKey(*kind, m_selection.tableIndex, menu));
    if (item == nullptr)
        return false;
    m_selectingMenu = true;
    setCurrentItem(item);
    m_selectingMenu = false;
    return true;
}

void CS1_TreeView::SelectRoot()
{
    if (m_root != nullptr)
        setCurrentItem(m_root);
}

void CS1_TreeView::SetSelectionHandling(bool on, bool reset)
{
    m_handleSelection = on;
    if (reset)
        m_lastSelected = nullptr;
}

QTreeWidgetItem* CS1_TreeView::GetTreeItem(std::uint32_t key) const
{
    return m_itemOfKey.value(key, nullptr);
}

std::uint32_t CS1_TreeView::KeyOf(const QTreeWidgetItem* item) const
{
    return item == nullptr ? 0 : m_keyOfItem.value(item, 0);
}

void CS1_TreeView::OnCurrentItemChanged(QTreeWidgetItem* current)
{
    if (!m_handleSelection || current == nullptr)
        return;
    if (current != m_lastSelected && m_lastSelected != nullptr && m_leaveCheck && !m_leaveCheck()) {
        ReturnTo(m_lastSelected);
        return;
    }
    const NodeKey key = unpackNodeKey(KeyOf(current));
    m_selection = {key.kind, key.tableIndex, key.menu};
    if (current == m_lastSelected)
        return;
    m_lastSelected = current;
    if (!knownKind(key.kind))
        return;
    Q_EMIT FormRequested(key.kind, m_selectingMenu);
}

void CS1_TreeView::ReturnTo(const QTreeWidgetItem* item)
{
    // After the click that moved the selection has been handled, or it would
    // move it again.
    QTimer::singleShot(0, this, [this, item] {
        if (!m_keyOfItem.contains(item))
            return;
        const bool handling = m_handleSelection;
        m_handleSelection = false;
        setCurrentItem(const_cast<QTreeWidgetItem*>(item));
        m_handleSelection = handling;
    });
}

} // namespace tarvo::ui
