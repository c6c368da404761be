#pragma once
// DownloadPreviewList: what a download would change in one keyboard. Per
// slot a heading (the entries that change, or that the keyboard already
// holds them), then each changed script-menu entry as two rows, the
// keyboard's and the new one, their lines in the table's keyboard font. A
// window of several keyboards shows one list for each.

#include "transfer/download_preview.h"

#include <QTreeWidget>

namespace tarvo::ui {

struct UiFonts;

class DownloadPreviewList final : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { kEntryColumn, kSideColumn, kLine1Column, kLine2Column, kLine3Column, kActionColumn };

    // fonts: the application's (null: the list's own font for every line).
    explicit DownloadPreviewList(const UiFonts* fonts, QWidget* parent = nullptr);

    void showPreview(const transfer::DownloadPreview& preview);
    // The entries listed as changing, over every slot.
    int changeCount() const { return m_changes; }
    // True when no slot has an entry to change.
    bool nothingChanges() const { return m_changes == 0; }

    QSize sizeHint() const override;

private:
    void addSlot(const transfer::SlotPreview& slot);
    void addSide(QTreeWidgetItem& parent, const QString& entry, const QString& side,
                 const compare::EntrySide& content, const QFont& linesFont);
    QFont linesFont(int fontNumber) const;

    const UiFonts* m_fonts;
    int m_changes = 0;
    int m_headingWidth = 0; // the widest slot heading, in its bold font
};

} // namespace tarvo::ui
