#pragma once
// The COM Port Settings dialog of the diagnostic menu: every parameter of a
// CommSettings record. Given a live CCommPort it reads the port's values at
// its start and, on OK, checks every range and writes the values to the port
// in the port's order, stopping at the first failure; the rules and messages
// are the core's (comm_settings_apply.h). A refused value keeps the dialog
// open with its field selected.

#include "serial/comm_settings.h"
#include "serial/comm_settings_tables.h"

#include <QDialog>

#include <array>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tarvo::serial {
class CCommPort;
}

namespace tarvo::ui {

class ComPortSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    // settings: the record edited, written only on a successful OK. port:
    // null to edit the record alone.
    ComPortSettingsDialog(serial::CommSettings& settings, serial::CCommPort* port, QWidget* parent = nullptr);

    // The values the fields hold now.
    serial::CommSettings fieldValues() const;

    void accept() override;

private:
    void showSettings(const serial::CommSettings& settings);
    void showParityReplaceCharacter();
    QLineEdit* editOf(serial::RangedField field) const;

    serial::CommSettings& m_settings;
    serial::CCommPort* m_port;
    QComboBox* m_comPort = nullptr;
    QComboBox* m_baud = nullptr;
    QComboBox* m_parity = nullptr;
    QComboBox* m_dataBits = nullptr;
    QComboBox* m_stopBits = nullptr;
    QComboBox* m_handshaking = nullptr;
    QComboBox* m_inputMode = nullptr;
    QCheckBox* m_eofEnable = nullptr;
    QCheckBox* m_nullDiscard = nullptr;
    QCheckBox* m_rtsEnable = nullptr;
    QCheckBox* m_dtrEnable = nullptr;
    QLabel* m_parityReplaceCharacter = nullptr;
    std::array<std::pair<serial::RangedField, QLineEdit*>, serial::kFieldRanges.size()> m_edits{};
};

} // namespace tarvo::ui
