#include "ui/transfer/transfer_slot_dialog.h"

#include "platform/text.h"
#include "ui/core_message_texts.h"
#include "ui/transfer/backup_path.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/user_dialogs.h"
#include "ui/widgets/screen_fit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::ui {

namespace {

constexpr int kListWidth = 240;
// Item data of a list entry: what picking it means.
constexpr int kKindRole = Qt::UserRole;
constexpr int kTableRole = Qt::UserRole + 1;
constexpr int kDocumentTableKind = -1;
// An import's entry of a table an interrupted write left: shown, named when chosen, never read.
constexpr int kIncompleteTableKind = -2;

} // namespace

TransferSlotDialog::TransferSlotDialog(Kind kind, QWidget* parent) : QDialog(parent), m_kind(kind)
{
    setObjectName(QStringLiteral("TransferSlotDialog"));
    const bool download = kind == Kind::Download;
    setWindowTitle(download ? transfer_texts::kDownloadTitle : transfer_texts::kImportTitle);
    auto* layout = new QVBoxLayout(this);
    QFont italic = font();
    italic.setItalic(true);
    if (download) {
        m_caption = new QLabel(transfer_texts::kDownloadCaption, this);
        m_caption->setFont(italic);
        layout->addWidget(m_caption);
    }
    auto* rows = new QFormLayout;
    for (int slot = 1; slot <= kRows; ++slot) {
        const QString label = download
                                  ? transfer_texts::kDownloadRow.arg(transfer_texts::kRowMarker).arg(slot)
                                  : transfer_texts::kImportRow.arg(slot).arg(transfer_texts::kRowMarker);
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("slot%1").arg(slot));
        list->setMinimumWidth(kListWidth);
        // Filled after the window is shown: each list as wide as its longest entry.
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setEnabled(false);
        rows->addRow(label, list);
        m_lists[static_cast<std::size_t>(slot - 1)] = list;
    }
    // The 13 rows scroll where the screen cannot show them all (a large scale).
    auto* rowsHost = new QWidget;
    rowsHost->setLayout(rows);
    auto* rowsArea = new WholeScrollArea(this);
    rowsArea->setWidget(rowsHost);
    layout->addWidget(rowsArea, 1);
    m_rowsArea = rowsArea;
    if (download) {
        m_backup = new QCheckBox(transfer_texts::kBackupOption, this);
        m_backup->setChecked(true);
        m_asStored = new QCheckBox(transfer_texts::kAsStoredOption, this);
        m_verify = new QCheckBox(transfer_texts::kVerifyOption, this);
        layout->addWidget(m_backup);
        layout->addWidget(m_asStored);
        layout->addWidget(m_verify);
    }
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setFont(italic);
    layout->addWidget(m_status);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(download ? transfer_texts::kDownloadButton : transfer_texts::kImportButton,
                              QDialogButtonBox::AcceptRole);
    m_ok->setEnabled(false);
    QPushButton* cancel = buttons->addButton(transfer_texts::kCancelButton, QDialogButtonBox::RejectRole);
    connect(m_ok, &QPushButton::clicked, this, &TransferSlotDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &TransferSlotDialog::reject);
    layout->addWidget(buttons);
    keepOnScreen(*this);
}

void TransferSlotDialog::setStatusText(const QString& text)
{
    m_status->setText(text);
}

QString TransferSlotDialog::statusText() const
{
    return m_status->text();
}

void TransferSlotDialog::fillLists(const std::vector<transfer::SlotListing>& listings,
                                   const std::vector<std::u16string>& documentTables)
{
    m_listings = listings;
    for (const transfer::SlotListing& listing : listings) {
        if (listing.slot() < 1 || listing.slot() > kRows)
            continue;
        QComboBox* box = list(listing.slot());
        box->clear();
        // What an interrupted write left is shown, but never read in as a table.
        const bool readable = m_kind == Kind::Download || !listing.interrupted;
        for (const transfer::SlotEntry& entry : listing.entries) {
            const bool table = entry.kind == transfer::SlotEntryKind::Table;
            box->addItem(translatedCoreMessage(entry.text),
                         table && !readable ? kIncompleteTableKind : static_cast<int>(entry.kind));
        }
        // Any slot that can take a table can take one of the document's as
        // stored: a blank or half-written one, or one holding another language.
        if (m_kind == Kind::Download && listing.enabled)
            for (std::size_t t = 0; t < documentTables.size(); ++t) {
                box->addItem(
                    transfer_texts::kDocumentTableEntry.arg(platform::toQString(documentTables[t]).trimmed())
                        .arg(t + 1),
                    kDocumentTableKind);
                box->setItemData(box->count() - 1, static_cast<int>(t), kTableRole);
            }
        box->setEnabled(listing.enabled);
        box->setCurrentIndex(0);
    }
    m_ok->setEnabled(true);
    // The lists are wider now: the window grows to show them, within the screen.
    m_rowsArea->updateGeometry();
    fitOnScreen(*this);
}

void TransferSlotDialog::chooseAsStored(int slot, int table)
{
    if (slot < 1 || slot > kRows)
        return;
    QComboBox* box = list(slot);
    for (int i = 0; i < box->count(); ++i)
        if (box->itemData(i, kKindRole).toInt() == kDocumentTableKind &&
            box->itemData(i, kTableRole).toInt() == table)
            box->setCurrentIndex(i);
}

void TransferSlotDialog::setCaption(const QString& text)
{
    if (m_caption != nullptr)
        m_caption->setText(text);
}

void TransferSlotDialog::setOkText(const QString& text)
{
    m_ok->setText(text);
}

std::vector<transfer::SlotRequest> TransferSlotDialog::chosenSlots() const
{
    std::vector<transfer::SlotRequest> chosen;
    for (int slot = 1; slot <= kRows; ++slot) {
        const QComboBox* box = list(slot);
        if (!box->isEnabled() || box->currentIndex() <= 0)
            continue;
        const int kind = box->currentData(kKindRole).toInt();
        if (kind == kDocumentTableKind)
            chosen.push_back({slot, box->currentData(kTableRole).toInt()});
        else if (kind == static_cast<int>(transfer::SlotEntryKind::Table))
            chosen.push_back({slot, std::nullopt});
        // "(do not download)", the labels and a blank slot's empty entry choose nothing.
    }
    return chosen;
}

void TransferSlotDialog::setBackupPlace(const QString& documentPath, const QString& title,
                                        const QString& scriptsFolder)
{
    m_documentPath = documentPath;
    m_documentTitle = title;
    m_scriptsFolder = scriptsFolder;
}

transfer::DownloadChoice TransferSlotDialog::downloadChoice(const QDateTime& when) const
{
    transfer::DownloadChoice choice;
    choice.slots = transfer::chosenSlotsOf(chosenSlots());
    if (m_kind != Kind::Download)
        return choice;
    choice.asStored = m_asStored->isChecked();
    choice.verify = m_verify->isChecked();
    if (m_backup->isChecked())
        choice.backupPath =
            backupPathFor(m_documentPath, m_documentTitle, m_scriptsFolder, when).toStdString();
    return choice;
}

void TransferSlotDialog::okClicked()
{
    for (int slot = 1; slot <= kRows; ++slot) {
        const QComboBox* box = list(slot);
        if (box->isEnabled() && box->currentData(kKindRole).toInt() == kIncompleteTableKind) {
            UserDialogs::message(this, windowTitle(), transfer_texts::kIncompleteNotImported.arg(slot));
            return;
        }
    }
    if (chosenSlots().empty()) {
        UserDialogs::message(this, windowTitle(), transfer_texts::kNothingChosen);
        return;
    }
    m_ok->setEnabled(false);
    Q_EMIT slotsChosen();
}

void TransferSlotDialog::reject()
{
    Q_EMIT cancelRequested();
}

void TransferSlotDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Q_EMIT cancelRequested();
}

} // namespace tarvo::ui
