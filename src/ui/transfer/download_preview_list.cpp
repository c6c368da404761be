#include "ui/transfer/download_preview_list.h"

#include "document/entry_action_text.h"
#include "platform/text.h"
#include "ui/core_message_texts.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/widgets/ui_fonts.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

namespace tarvo::ui {

namespace {

// The keyboard font of Hangul and CJK: its lines are drawn in the
// application's wide-coverage font, as the script menu forms draw them.
constexpr int kWideFont = 5;
constexpr int kLineCount = 3;
// Wide enough for the three lines of an entry and its action without a scroll bar.
constexpr int kHintWidthInCharacters = 110;
constexpr int kHintRows = 14;
// Room beside the widest heading for the frame, the item's padding and the scroll bar.
constexpr int kHeadingMarginCharacters = 6;

QString slotHeading(const transfer::SlotPreview& slot)
{
    return transfer_texts::kPreviewHeading.arg(slot.slot).arg(
        platform::toQString(slot.tableName).trimmed(), translatedCoreMessage(transfer::planWords(slot)));
}

QString actionText(const compare::EntrySide& side)
{
    model::MenuEntry entry;
    entry.actionKind = side.kind;
    entry.valueA = side.valueA;
    entry.valueB = side.valueB;
    return translatedCoreMessage(document::entryActionMessage(entry));
}

} // namespace

DownloadPreviewList::DownloadPreviewList(const UiFonts* fonts, QWidget* parent)
    : QTreeWidget(parent), m_fonts(fonts)
{
    setObjectName(QStringLiteral("DownloadPreviewList"));
    setColumnCount(kActionColumn + 1);
    QStringList headings = {transfer_texts::kPreviewEntryColumn, transfer_texts::kPreviewSideColumn};
    for (int line = 1; line <= kLineCount; ++line)
        headings << transfer_texts::kPreviewLineColumn.arg(line);
    headings << transfer_texts::kPreviewActionColumn;
    setHeaderLabels(headings);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus); // the keys scroll a long list
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(true);
}

QSize DownloadPreviewList::sizeHint() const
{
    // A heading is one line across every column: as wide as the longest, in
    // any language, so that none is cut off.
    const int characters = fontMetrics().averageCharWidth();
    return {
        std::max(characters * kHintWidthInCharacters, m_headingWidth + characters * kHeadingMarginCharacters),
        fontMetrics().lineSpacing() * kHintRows};
}

QFont DownloadPreviewList::linesFont(int fontNumber) const
{
    if (m_fonts == nullptr)
        return font();
    return fontNumber == kWideFont ? m_fonts->unicode : m_fonts->fixed;
}

void DownloadPreviewList::showPreview(const transfer::DownloadPreview& preview)
{
    clear();
    m_changes = 0;
    m_headingWidth = 0;
    for (const transfer::SlotPreview& slot : preview.slots)
        addSlot(slot);
    expandAll();
    updateGeometry();
}

void DownloadPreviewList::addSlot(const transfer::SlotPreview& slot)
{
    auto* heading = new QTreeWidgetItem(this, QStringList{slotHeading(slot)});
    heading->setFirstColumnSpanned(true);
    QFont bold = font();
    bold.setBold(true);
    heading->setFont(kEntryColumn, bold);
    m_headingWidth =
        std::max(m_headingWidth, QFontMetrics(bold).horizontalAdvance(heading->text(kEntryColumn)));
    const QFont lines = linesFont(slot.fontNumber);
    for (const transfer::EntryChange& change : slot.changes) {
        addSide(*heading, transfer_texts::kPreviewEntryName.arg(change.menu).arg(change.entry),
                transfer_texts::kPreviewKeyboardSide, change.before, lines);
        addSide(*heading, QString(), transfer_texts::kPreviewNewSide, change.after, lines);
        ++m_changes;
    }
}

void DownloadPreviewList::addSide(QTreeWidgetItem& parent, const QString& entry, const QString& side,
                                  const compare::EntrySide& content, const QFont& linesFont)
{
    auto* row = new QTreeWidgetItem(&parent);
    row->setText(kEntryColumn, entry);
    row->setText(kSideColumn, side);
    for (int line = 0; line < kLineCount; ++line) {
        const int column = kLine1Column + line;
        row->setText(column, platform::toQString(content.lines[static_cast<std::size_t>(line)]));
        row->setFont(column, linesFont);
    }
    row->setText(kActionColumn, actionText(content));
}

} // namespace tarvo::ui
