#pragma once
// The Download and Import dialogs: 13 rows of a label and a drop-down list
// that the slot inspection fills, a status line, and (for a download) the
// safeguards. The dialog only shows and collects the choice; the job that
// hosts it runs the sessions.

#include "transfer/download_choice.h"
#include "transfer/slot_choice.h"
#include "transfer/slot_inspection_session.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateTime;
class QLabel;
class QPushButton;

namespace tarvo::ui {

class TransferSlotDialog final : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Download, Import };
    static constexpr int kRows = 13;

    TransferSlotDialog(Kind kind, QWidget* parent = nullptr);

    void setStatusText(const QString& text);
    QString statusText() const;
    // The inspection is in: each slot's list; documentTables (download only)
    // are offered "as stored" after the entries of every slot that can take one.
    void fillLists(const std::vector<transfer::SlotListing>& listings,
                   const std::vector<std::u16string>& documentTables);
    // Picks document table (0-based) as stored in slot's list (after fillLists).
    void chooseAsStored(int slot, int table);
    // The slots chosen, as --slots names them (empty: none).
    std::vector<transfer::SlotRequest> chosenSlots() const;
    // Where a download's backup goes when its box is checked: beside the
    // document at documentPath, or in scriptsFolder under title.
    void setBackupPlace(const QString& documentPath, const QString& title, const QString& scriptsFolder);
    // A download's choice (after fillLists): the chosen slots and their
    // sources, as stored, verify, and the backup named with the time when.
    transfer::DownloadChoice downloadChoice(const QDateTime& when) const;
    // The line above the lists (a download's caption by default).
    void setCaption(const QString& text);
    // The OK button's text ("Download" or "Import Script" by default).
    void setOkText(const QString& text);

    QComboBox* list(int slot) const { return m_lists.at(static_cast<std::size_t>(slot - 1)); }
    QPushButton* okButton() const { return m_ok; }
    QCheckBox* backupOption() const { return m_backup; }
    QCheckBox* asStoredOption() const { return m_asStored; }
    QCheckBox* verifyOption() const { return m_verify; }

Q_SIGNALS:
    // OK with at least one slot chosen.
    void slotsChosen();
    // Cancel, Escape or the close command.
    void cancelRequested();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void okClicked();

    Kind m_kind;
    QLabel* m_caption = nullptr;
    QLabel* m_status = nullptr;
    QWidget* m_rowsArea = nullptr;
    std::array<QComboBox*, kRows> m_lists{};
    std::vector<transfer::SlotListing> m_listings;
    QCheckBox* m_backup = nullptr;
    QCheckBox* m_asStored = nullptr;
    QCheckBox* m_verify = nullptr;
    QPushButton* m_ok = nullptr;
    QString m_documentPath;
    QString m_documentTitle;
    QString m_scriptsFolder;
};

} // namespace tarvo::ui
