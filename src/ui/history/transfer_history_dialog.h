#pragma once
// View > Transfer History: a row per recorded transfer, newest last,
// filtered by device. Double-clicking a row that names a backup asks for
// that backup to be opened.

#include "history/history_rows.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QTableWidget;

namespace tarvo::ui {

class TransferHistoryDialog final : public QDialog {
    Q_OBJECT
public:
    TransferHistoryDialog(std::vector<history::TransferRow> rows, int damagedLines, QWidget* parent);

    QComboBox* deviceFilter() const { return m_devices; }
    QTableWidget* table() const { return m_table; }

Q_SIGNALS:
    void openBackup(const QString& path);

private:
    void fill();
    void rowActivated(int row);

    std::vector<history::TransferRow> m_rows;
    std::vector<const history::TransferRow*> m_shown;
    QComboBox* m_devices = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace tarvo::ui
