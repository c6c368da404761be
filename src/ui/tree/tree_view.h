#pragma once
// CS1_TreeView: the left pane of a document window. The tree of the
// document's language tables, each with its script menu folder and the named
// script menus 80-95. Every node carries a key (node_key.h); two lookup
// tables map items to keys and keys to items and are patched with the tree.
// Selecting a node writes the document's selection record and asks the view
// to show that node's form.

#include "ui/tree/node_key.h"
#include "ui/tree/selection_record.h"

#include <QHash>
#include <QTreeWidget>

#include <cstdint>
#include <functional>

namespace tarvo::document {
class CS1_Doc;
}
namespace tarvo::model {
class CS1_LangTable;
}

namespace tarvo::ui {

class CS1_TreeView final : public QTreeWidget {
    Q_OBJECT
public:
    CS1_TreeView(SelectionRecord& selection, QWidget* parent = nullptr);

    // Clears the tree and both lookup tables, then the root, one subtree per
    // table in document order, the root expanded.
    bool BuildTree(const document::CS1_Doc& doc);
    // The subtree of table `table` at `index`, placed after `after`; with no
    // item, first under the root for index 0 and last otherwise. Returns the
    // table node.
    QTreeWidgetItem* InsertTableSubtree(int index, const model::CS1_LangTable& table, QTreeWidgetItem* after);
    // Deletes the table's node and everything under it, and their keys.
    void RemoveTableSubtree(int index);
    // Rewrites the labels of the table nodes from firstIndex to the last.
    void RelabelTables(int firstIndex);
    void CollapseAllTables();
    int GetSelectedTableIndex() const;
    // Selects the root node, and shows its form.
    void SelectRoot();
    // Selects the node of menu in the table of the selection record; false
    // (nothing selected, the form stays) when there is none.
    bool SelectMenuNode(int menu);
    // While off, selection changes are ignored; reset makes the next
    // selection build its form even if it is the last selected item.
    void SetSelectionHandling(bool on, bool reset);
    QTreeWidgetItem* GetTreeItem(std::uint32_t key) const;
    // Asked before the selection leaves the node whose form is open; false
    // keeps the selection there (the form could not store what was typed).
    void SetLeaveCheck(std::function<bool()> check) { m_leaveCheck = std::move(check); }
    // The key of item; 0 for an item without one.
    std::uint32_t KeyOf(const QTreeWidgetItem* item) const;

    // The label rule of a table node: "%2d - " then the trimmed friendly name.
    static QString TableLabel(int index, const model::CS1_LangTable& table);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

Q_SIGNALS:
    // The selected node changed to one whose form is to be shown;
    // fromMenuSelect when SelectMenuNode chose it.
    void FormRequested(int kind, bool fromMenuSelect);

private:
    // The width the labels need, measured again when they change.
    void MeasureColumn();
    void FitColumn();
    void OnCurrentItemChanged(QTreeWidgetItem* current);
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, int position, const QString& label, int icon,
                             std::uint32_t key);
    void ForgetSubtree(QTreeWidgetItem* item);
    QTreeWidgetItem* TableNode(int index) const;
    void ReturnTo(const QTreeWidgetItem* item);

    SelectionRecord& m_selection;
    const document::CS1_Doc* m_doc = nullptr;
    QTreeWidgetItem* m_root = nullptr;
    QHash<const QTreeWidgetItem*, std::uint32_t> m_keyOfItem;
    QHash<std::uint32_t, QTreeWidgetItem*> m_itemOfKey;
    const QTreeWidgetItem* m_lastSelected = nullptr;
    bool m_handleSelection = true;
    bool m_selectingMenu = false;
    int m_labelsWidth = 0;
    std::function<bool()> m_leaveCheck;
};

} // namespace tarvo::ui
