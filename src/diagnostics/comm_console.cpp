#include "diagnostics/comm_console.h"

#include "diagnostics/diagnostic_texts.h"
#include "platform/text.h"
#include "serial/comm_settings_apply.h"
#include "serial/comm_settings_tables.h"
#include "serial/frames.h"
#include "ui/com_port/com_port_settings_dialog.h"
#include "ui/core_message_texts.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace tarvo::diagnostics {

namespace {

constexpr int kTraceMinimumWidth = 420;
constexpr int kTraceMinimumHeight = 200;
constexpr int kCountEditWidth = 60;
const QString kReceivePrefix = QStringLiteral("CB:");
const QString kEventPrefix = QStringLiteral("EV:");
const QString kLineEnd = QStringLiteral("\r\n");
constexpr auto kNoAction = texts::kNotAvailableASingleFrame;

} // namespace

CommConsoleDialog::CommConsoleDialog(serial::CCommPort& port, QWidget* parent) : QDialog(parent), m_port(port)
{
    setObjectName(QStringLiteral("CommConsoleDialog"));
    setWindowTitle(texts::kConsoleTitle);
    setModal(true);

    m_input = new QPlainTextEdit;
    m_input->setReadOnly(true);
    m_input->setMinimumSize(kTraceMinimumWidth, kTraceMinimumHeight);
    m_input->setFont(QFont(QStringLiteral("Monospace")));
    m_input->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* traceButtons = new QHBoxLayout;
    traceButtons->addWidget(addButton(texts::kReceive, &CommConsoleDialog::receive));
    traceButtons->addWidget(addButton(texts::kClear, &CommConsoleDialog::clearInput));
    traceButtons->addStretch();

    auto* buffers = new QGroupBox(texts::kBuffers);
    auto* bufferLayout = new QGridLayout(buffers);
    m_ibc = new QLineEdit;
    m_obc = new QLineEdit;
    for (QLineEdit* edit : {m_ibc, m_obc}) {
        edit->setReadOnly(true);
        edit->setMaximumWidth(kCountEditWidth);
    }
    bufferLayout->addWidget(new QLabel(texts::kIBC), 0, 0);
    bufferLayout->addWidget(m_ibc, 0, 1);
    bufferLayout->addWidget(new QLabel(texts::kOBC), 1, 0);
    bufferLayout->addWidget(m_obc, 1, 1);
    bufferLayout->addWidget(addButton(texts::kUpdate, &CommConsoleDialog::updateBufferCounts), 2, 0, 1, 2);

    auto* portButtons = new QVBoxLayout;
    portButtons->addWidget(addButton(texts::kCOM, &CommConsoleDialog::configure));
    portButtons->addWidget(addButton(texts::kGoOnline, &CommConsoleDialog::goOnline));
    portButtons->addWidget(addButton(texts::kGoOffline, &CommConsoleDialog::goOffline));
    portButtons->addStretch();

    auto* frames = new QGridLayout;
    frames->addWidget(addButton(texts::kSendC0, &CommConsoleDialog::sendPing), 0, 0);
    frames->addWidget(addButton(texts::kSendT7, &CommConsoleDialog::sendReadIdentity), 0, 1);
    frames->addWidget(addButton(texts::kSendS8, &CommConsoleDialog::sendEndOfData), 0, 2);
    frames->addWidget(addButton(texts::kSendT0, &CommConsoleDialog::sendReadBlockZero), 1, 0);
    // These two stay without an action: one click would start erasing or
    // rewriting a keyboard table.
    for (const auto& [text, column] : {std::pair{texts::kSendS2, 1}, std::pair{texts::kSendC1, 2}}) {
        auto* button = new QPushButton(text);
        button->setObjectName(text);
        button->setAutoDefault(false);
        button->setEnabled(false);
        button->setToolTip(kNoAction);
        frames->addWidget(button, 1, column);
    }

    auto* side = new QVBoxLayout;
    side->addWidget(buffers);
    side->addLayout(portButtons);
    auto* top = new QHBoxLayout;
    auto* inputColumn = new QVBoxLayout;
    inputColumn->addWidget(new QLabel(texts::kInput));
    inputColumn->addWidget(m_input);
    inputColumn->addLayout(traceButtons);
    top->addLayout(inputColumn, 1);
    top->addLayout(side);

    m_address = new QLineEdit;
    m_address->setMaximumWidth(kCountEditWidth);
    m_output = new QLineEdit;
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(new QLabel(texts::kAddr));
    outputRow->addWidget(m_address);
    outputRow->addWidget(new QLabel(texts::kHex));
    outputRow->addWidget(new QLabel(texts::kOutput));
    outputRow->addWidget(m_output, 1);
    outputRow->addWidget(addButton(texts::kSend, &CommConsoleDialog::sendOutput));
    QPushButton* clearOutput = new QPushButton(texts::kClear2);
    clearOutput->setAutoDefault(false);
    connect(clearOutput, &QPushButton::clicked, m_output, &QLineEdit::clear);
    outputRow->addWidget(clearOutput);

    auto* ok = new QPushButton(texts::kOK);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(frames);
    bottom->addStretch();
    bottom->addWidget(ok, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(outputRow);
    layout->addLayout(bottom);

    m_wasOpen = m_port.isPortOpen();
    m_port.setEventReceiver(this, [this](serial::CommEventCode code) { onCommEvent(code); });
    setOutputEnabled(m_wasOpen);
}

CommConsoleDialog::~CommConsoleDialog()
{
    if (!m_released)
        m_port.removeEventReceiver(this);
}

QPushButton* CommConsoleDialog::addButton(const QString& text, void (CommConsoleDialog::*action)())
{
    auto* button = new QPushButton(text);
    button->setObjectName(text);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void CommConsoleDialog::done(int result)
{
    // The port goes back as it was found: a port left open here would make
    // every later session fail to open it, one closed here would surprise
    // its owner. The receiver before the console becomes current again (the
    // port forgets receivers that are gone).
    if (!m_released) {
        if (m_port.isPortOpen() != m_wasOpen && !m_port.setPortOpen(m_wasOpen))
            showFailure(m_wasOpen ? texts::kOpenFailed : texts::kCloseFailed);
        m_port.removeEventReceiver(this);
        m_released = true;
    }
    QDialog::done(result);
}

void CommConsoleDialog::onCommEvent(serial::CommEventCode code)
{
    if (code == serial::CommEventCode::Receive) {
        receive();
        return;
    }
    appendTrace(kEventPrefix + QStringLiteral(" ") +
                ui::translatedCoreText(serial::commEventName(m_port.control().commEvent())) + kLineEnd);
}

void CommConsoleDialog::appendTrace(const QString& line)
{
    m_trace += line;
    QString shown = line;
    shown.remove(QLatin1Char('\r'));
    m_input->moveCursor(QTextCursor::End);
    m_input->insertPlainText(shown);
    m_input->verticalScrollBar()->setValue(m_input->verticalScrollBar()->maximum());
}

void CommConsoleDialog::showFailure(const QString& text)
{
    ui::UserDialogs::message(this, QApplication::applicationDisplayName(), text,
                             ui::UserDialogs::Icon::Error);
}

bool CommConsoleDialog::portOpen(bool& open)
{
    if (m_port.getPortOpen(open))
        return true;
    showFailure(texts::kGetPortOpenFailed);
    return false;
}

bool CommConsoleDialog::binaryMode(bool& binary)
{
    if (m_port.isBinaryMode(binary))
        return true;
    showFailure(texts::kInputModeFailed);
    return false;
}

void CommConsoleDialog::setOutputEnabled(bool enabled)
{
    m_output->setEnabled(enabled);
    m_output->setReadOnly(!enabled);
}

void CommConsoleDialog::receive()
{
    int waiting = 0;
    if (!m_port.control().getProperty(serial::PortProperty::InBufferCount, waiting)) {
        showFailure(texts::kInBufferFailed);
        return;
    }
    if (waiting == 0)
        return;
    bool binary = true;
    if (!binaryMode(binary))
        return;
    QString line = kReceivePrefix;
    if (binary) {
        std::vector<std::uint8_t> bytes;
        if (!m_port.receiveBytes(bytes)) {
            showFailure(texts::kReceiveBinaryFailed);
            return;
        }
        for (const std::uint8_t byte : bytes)
            line += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0'));
    } else {
        std::u16string text;
        if (!m_port.receiveText(text)) {
            showFailure(texts::kReceiveTextFailed);
            return;
        }
        line += platform::toQString(text);
    }
    appendTrace(line + kLineEnd);
}

void CommConsoleDialog::clearInput()
{
    m_trace.clear();
    m_input->clear();
}

void CommConsoleDialog::updateBufferCounts()
{
    int in = 0;
    if (!m_port.control().getProperty(serial::PortProperty::InBufferCount, in)) {
        showFailure(texts::kInBufferFailed);
        return;
    }
    m_ibc->setText(QString::number(in));
    int out = 0;
    if (!m_port.control().getProperty(serial::PortProperty::OutBufferCount, out)) {
        showFailure(texts::kOutBufferFailed);
        return;
    }
    m_obc->setText(QString::number(out));
}

void CommConsoleDialog::configure()
{
    serial::CommSettings copy = m_settings;
    ui::ComPortSettingsDialog dialog(copy, &m_port, this);
    dialog.exec();
    m_settings = copy;
    m_configured = true;
}

void CommConsoleDialog::goOnline()
{
    if (!m_configured) {
        m_configured = true;
        const serial::SettingsApplyResult applied = serial::applySettingsToPort(m_port, m_settings);
        if (!applied.ok) {
            showFailure(ui::translatedCoreMessage(applied.message));
            return;
        }
    }
    bool open = false;
    if (!portOpen(open) || open)
        return;
    if (!m_port.setPortOpen(true)) {
        showFailure(texts::kOpenFailed);
        return;
    }
    setOutputEnabled(true);
}

void CommConsoleDialog::goOffline()
{
    bool open = false;
    if (!portOpen(open) || !open)
        return;
    if (!m_port.setPortOpen(false)) {
        showFailure(texts::kCloseFailed);
        return;
    }
    setOutputEnabled(false);
}

bool CommConsoleDialog::readyToSend(bool& binary)
{
    bool open = false;
    return portOpen(open) && open && binaryMode(binary);
}

void CommConsoleDialog::sendFrame(std::span<const std::uint8_t> bytes)
{
    bool binary = true;
    if (!readyToSend(binary))
        return;
    if (binary) {
        if (!m_port.sendBytes(bytes))
            showFailure(texts::kSendBinaryFailed);
        return;
    }
    const std::u16string text(bytes.begin(), bytes.end());
    if (!m_port.sendText(text))
        showFailure(texts::kSendTextFailed);
}

void CommConsoleDialog::sendPing()
{
    sendFrame(serial::frames::buildPing().view());
}

void CommConsoleDialog::sendReadIdentity()
{
    sendFrame(serial::frames::buildReadIdentity().view());
}

void CommConsoleDialog::sendReadBlockZero()
{
    // The block read of address 0: slot 0, block 0.
    sendFrame(serial::frames::buildReadBlock(0, 0, serial::frames::kAddressModeLinear).view());
}

void CommConsoleDialog::sendEndOfData()
{
    sendFrame(serial::frames::buildEndOfData().view());
}

void CommConsoleDialog::sendOutput()
{
    bool binary = true;
    if (!readyToSend(binary))
        return;
    const std::u16string text = m_output->text().toStdU16String();
    if (binary) {
        std::vector<std::uint8_t> bytes;
        bytes.reserve(text.size());
        for (const char16_t c : text)
            bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        if (!m_port.sendBytes(bytes)) {
            showFailure(texts::kSendBinaryFailed);
            return;
        }
    } else if (!m_port.sendText(text)) {
        showFailure(texts::kSendTextFailed);
        return;
    }
    m_output->clear();
}

} // namespace tarvo::diagnostics
