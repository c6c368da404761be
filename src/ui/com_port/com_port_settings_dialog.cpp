#include "ui/com_port/com_port_settings_dialog.h"

#include "ui/core_message_texts.h"

#include "platform/text.h"
#include "ui/com_port/com_port_texts.h"
#include "ui/user_dialogs.h"

#include "serial/comm_port.h"
#include "serial/comm_settings_apply.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QWhatsThis>

#include <limits>

namespace tarvo::ui {

namespace texts = com_port_texts;
using serial::RangedField;

namespace {

// Room for "32767" and a sign, and the widest list entry.
constexpr int kNumberEditChars = 7;

template <typename Table, typename TextOf>
QComboBox* listOf(QWidget* parent, const Table& table, TextOf textOf)
{
    auto* list = new QComboBox(parent);
    for (const auto& entry : table)
        list->addItem(translatedCoreText(textOf(entry)));
    return list;
}

// The record's fields are 16 bits wide; a number that does not fit is
// outside every range, so it becomes -1, below every range's minimum, and
// the range check reports it with the field's bounds. Text that is no number
// is treated the same way.
std::int16_t fieldNumber(const QLineEdit* edit)
{
    bool ok = false;
    const qlonglong value = edit->text().trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > std::numeric_limits<std::int16_t>::max())
        return -1;
    return static_cast<std::int16_t>(value);
}

void setField(serial::CommSettings& s, RangedField field, std::int16_t value)
{
    switch (field) {
    case RangedField::InBufferSize:
        s.inBufferSize = value;
        break;
    case RangedField::RThreshold:
        s.rThreshold = value;
        break;
    case RangedField::InputLen:
        s.inputLen = value;
        break;
    case RangedField::OutBufferSize:
        s.outBufferSize = value;
        break;
    case RangedField::SThreshold:
        s.sThreshold = value;
        break;
    case RangedField::ParityReplace:
        s.parityReplace = value;
        break;
    }
}

QString labelOf(RangedField field)
{
    switch (field) {
    case RangedField::InBufferSize:
        return texts::kInBufferSizeLabel;
    case RangedField::RThreshold:
        return texts::kRThresholdLabel;
    case RangedField::InputLen:
        return texts::kInputLenLabel;
    case RangedField::OutBufferSize:
        return texts::kOutBufferSizeLabel;
    case RangedField::SThreshold:
        return texts::kSThresholdLabel;
    case RangedField::ParityReplace:
        return texts::kParityReplaceLabel;
    }
    return {};
}

QString objectNameOf(RangedField field)
{
    switch (field) {
    case RangedField::InBufferSize:
        return QStringLiteral("inBufferSize");
    case RangedField::RThreshold:
        return QStringLiteral("rThreshold");
    case RangedField::InputLen:
        return QStringLiteral("inputLen");
    case RangedField::OutBufferSize:
        return QStringLiteral("outBufferSize");
    case RangedField::SThreshold:
        return QStringLiteral("sThreshold");
    case RangedField::ParityReplace:
        return QStringLiteral("parityReplace");
    }
    return {};
}

QCheckBox* flagBox(QWidget* parent, const char* name)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

void showMessage(QWidget* parent, const messages::Message& text)
{
    UserDialogs::message(parent, QCoreApplication::applicationName(), translatedCoreMessage(text),
                         UserDialogs::Icon::Exclamation);
}

} // namespace

ComPortSettingsDialog::ComPortSettingsDialog(serial::CommSettings& settings, serial::CCommPort* port,
                                             QWidget* parent)
    : QDialog(parent), m_settings(settings), m_port(port)
{
    setObjectName(QStringLiteral("ComPortSettingsDialog"));
    setWindowTitle(texts::kSettingsTitle);

    m_comPort = new QComboBox(this);
    for (int i = 0; i < serial::kPortCount; ++i)
        m_comPort->addItem(platform::toQString(serial::portName(i)));
    m_baud = listOf(this, serial::kBaudRates, [](const serial::BaudEntry& e) { return e.text; });
    m_parity = listOf(this, serial::kParities, [](const serial::ParityEntry& e) { return e.text; });
    m_dataBits = listOf(this, serial::kDataBits, [](const serial::DataBitsEntry& e) { return e.text; });
    m_stopBits = listOf(this, serial::kStopBits, [](const serial::StopBitsEntry& e) { return e.text; });
    m_handshaking = listOf(this, serial::kHandshakings, [](std::u16string_view t) { return t; });
    m_inputMode = listOf(this, serial::kInputModes, [](std::u16string_view t) { return t; });
    m_comPort->setObjectName(QStringLiteral("comPort"));
    m_baud->setObjectName(QStringLiteral("baud"));
    m_parity->setObjectName(QStringLiteral("parity"));
    m_dataBits->setObjectName(QStringLiteral("dataBits"));
    m_stopBits->setObjectName(QStringLiteral("stopBits"));
    m_handshaking->setObjectName(QStringLiteral("handshaking"));
    m_inputMode->setObjectName(QStringLiteral("inputMode"));

    // Any whole number may be typed; the range check on OK names the bounds.
    auto* numbers = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,6}")), this);
    for (std::size_t i = 0; i < serial::kFieldRanges.size(); ++i) {
        const RangedField field = serial::kFieldRanges[i].field;
        auto* edit = new QLineEdit(this);
        edit->setObjectName(objectNameOf(field));
        edit->setValidator(numbers);
        edit->setMaxLength(kNumberEditChars);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                              (kNumberEditChars + 3));
        m_edits[i] = {field, edit};
    }
    m_eofEnable = flagBox(this, "eofEnable");
    m_nullDiscard = flagBox(this, "nullDiscard");
    m_rtsEnable = flagBox(this, "rtsEnable");
    m_dtrEnable = flagBox(this, "dtrEnable");
    m_parityReplaceCharacter = new QLabel(this);
    m_parityReplaceCharacter->setObjectName(QStringLiteral("parityReplaceCharacter"));
    connect(editOf(RangedField::ParityReplace), &QLineEdit::textChanged, this,
            &ComPortSettingsDialog::showParityReplaceCharacter);

    auto* general = new QGroupBox(texts::kGeneralGroup, this);
    auto* generalForm = new QFormLayout(general);
    generalForm->addRow(texts::kComPortLabel, m_comPort);
    generalForm->addRow(texts::kBaudLabel, m_baud);
    generalForm->addRow(texts::kParityLabel, m_parity);
    generalForm->addRow(texts::kDataBitsLabel, m_dataBits);
    generalForm->addRow(texts::kStopBitsLabel, m_stopBits);
    generalForm->addRow(texts::kHandshakingLabel, m_handshaking);

    auto* buffers = new QGroupBox(texts::kBuffersGroup, this);
    auto* buffersForm = new QFormLayout(buffers);
    for (const RangedField field : {RangedField::InBufferSize, RangedField::RThreshold, RangedField::InputLen,
                                    RangedField::OutBufferSize, RangedField::SThreshold})
        buffersForm->addRow(labelOf(field), editOf(field));
    buffersForm->addRow(texts::kEofEnableLabel, m_eofEnable);

    auto* hardware = new QGroupBox(texts::kHardwareGroup, this);
    auto* hardwareForm = new QFormLayout(hardware);
    hardwareForm->addRow(texts::kNullDiscardLabel, m_nullDiscard);
    hardwareForm->addRow(texts::kRtsEnableLabel, m_rtsEnable);
    hardwareForm->addRow(texts::kDtrEnableLabel, m_dtrEnable);

    auto* data = new QGroupBox(texts::kDataGroup, this);
    auto* dataForm = new QFormLayout(data);
    auto* parityReplaceRow = new QHBoxLayout;
    parityReplaceRow->addWidget(editOf(RangedField::ParityReplace));
    parityReplaceRow->addWidget(m_parityReplaceCharacter);
    parityReplaceRow->addStretch(1);
    dataForm->addRow(labelOf(RangedField::ParityReplace), parityReplaceRow);
    dataForm->addRow(texts::kInputModeLabel, m_inputMode);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setText(texts::kOkButton);
    buttons->button(QDialogButtonBox::Cancel)->setText(texts::kCancelButton);
    buttons->button(QDialogButtonBox::Help)->setText(texts::kHelpButton);
    connect(buttons, &QDialogButtonBox::accepted, this, &ComPortSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ComPortSettingsDialog::reject);
    // Help is the platform's: the pointer asks what a field is.
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { QWhatsThis::enterWhatsThisMode(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(general, 0, 0);
    grid->addWidget(buffers, 0, 1);
    grid->addWidget(hardware, 1, 0);
    grid->addWidget(data, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);

    serial::CommSettings start = settings;
    if (m_port) {
        const serial::SettingsApplyResult read = serial::readSettingsFromPort(*m_port, start);
        if (!read.ok) {
            showMessage(this, read.message);
            start = settings;
        }
    }
    showSettings(start);
}

QLineEdit* ComPortSettingsDialog::editOf(RangedField field) const
{
    for (const auto& [f, edit] : m_edits)
        if (f == field)
            return edit;
    return nullptr;
}

void ComPortSettingsDialog::showSettings(const serial::CommSettings& s)
{
    m_comPort->setCurrentIndex(s.portIndex);
    m_baud->setCurrentIndex(s.baudIndex);
    m_parity->setCurrentIndex(s.parityIndex);
    m_dataBits->setCurrentIndex(s.dataBitsIndex);
    m_stopBits->setCurrentIndex(s.stopBitsIndex);
    m_handshaking->setCurrentIndex(s.handshakingIndex);
    m_inputMode->setCurrentIndex(s.inputModeIndex);
    for (const auto& [field, edit] : m_edits)
        edit->setText(QString::number(serial::fieldValue(s, field)));
    m_eofEnable->setChecked(s.eofEnable != 0);
    m_nullDiscard->setChecked(s.nullDiscard != 0);
    m_rtsEnable->setChecked(s.rtsEnable != 0);
    m_dtrEnable->setChecked(s.dtrEnable != 0);
}

void ComPortSettingsDialog::showParityReplaceCharacter()
{
    const int code = fieldNumber(editOf(RangedField::ParityReplace));
    const bool printable = code > 0x20 && code < 0x7F;
    m_parityReplaceCharacter->setText(printable ? texts::kParityReplaceCharacter.arg(QChar(code))
                                                : QString());
}

serial::CommSettings ComPortSettingsDialog::fieldValues() const
{
    serial::CommSettings s = m_settings;
    s.portIndex = m_comPort->currentIndex();
    s.baudIndex = m_baud->currentIndex();
    s.parityIndex = m_parity->currentIndex();
    s.dataBitsIndex = m_dataBits->currentIndex();
    s.stopBitsIndex = m_stopBits->currentIndex();
    s.handshakingIndex = m_handshaking->currentIndex();
    s.inputModeIndex = m_inputMode->currentIndex();
    for (const auto& [field, edit] : m_edits)
        setField(s, field, fieldNumber(edit));
    s.eofEnable = m_eofEnable->isChecked() ? 1 : 0;
    s.nullDiscard = m_nullDiscard->isChecked() ? 1 : 0;
    s.rtsEnable = m_rtsEnable->isChecked() ? 1 : 0;
    s.dtrEnable = m_dtrEnable->isChecked() ? 1 : 0;
    return s;
}

void ComPortSettingsDialog::accept()
{
    const serial::CommSettings values = fieldValues();
    serial::SettingsApplyResult result;
    if (m_port) {
        result = serial::applySettingsToPort(*m_port, values);
    } else if (const std::optional<RangedField> bad = serial::firstFieldOutOfRange(values)) {
        result = {false, true, serial::rangeMessage(*bad)};
    }
    if (!result.ok) {
        showMessage(this, result.message);
        if (result.warning)
            if (const std::optional<RangedField> bad = serial::firstFieldOutOfRange(values)) {
                QLineEdit* edit = editOf(*bad);
                edit->setFocus();
                edit->selectAll();
            }
        return;
    }
    m_settings = values;
    QDialog::accept();
}

} // namespace tarvo::ui
