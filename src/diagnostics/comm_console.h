#pragma once
// The "Debug COM Port" console: a service engineer's direct line to the
// application's CCommPort. While it is open it is the port's event receiver
// and traces every byte received in hexadecimal; it configures and opens the
// port, sends the fixed test frames and typed text. On close the port goes
// back to the receiver before it and to the open or closed state it had when
// the console opened, so the next session finds it as it left it.

#include "serial/comm_port.h"
#include "serial/comm_settings.h"

#include <QDialog>

#include <cstdint>
#include <span>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tarvo::diagnostics {

class CommConsoleDialog final : public QDialog {
    Q_OBJECT
public:
    explicit CommConsoleDialog(serial::CCommPort& port, QWidget* parent = nullptr);
    ~CommConsoleDialog() override;

    // --- The buttons' actions ------------------------------------------------------
    void receive();
    void clearInput();
    void updateBufferCounts();
    void configure();
    void goOnline();
    void goOffline();
    void sendPing();          // C0
    void sendReadIdentity();  // T7
    void sendReadBlockZero(); // T0, address 0
    void sendEndOfData();     // S8
    void sendOutput();

    // The trace exactly as collected: "CB:4f 4b \r\n" per receive.
    const QString& trace() const { return m_trace; }
    QLineEdit* outputEdit() const { return m_output; }
    QLineEdit* inBufferEdit() const { return m_ibc; }
    QLineEdit* outBufferEdit() const { return m_obc; }
    const serial::CommSettings& settings() const { return m_settings; }

    void done(int result) override;

private:
    void onCommEvent(serial::CommEventCode code);
    void appendTrace(const QString& line);
    void sendFrame(std::span<const std::uint8_t> bytes);
    bool portOpen(bool& open);
    bool binaryMode(bool& binary);
    // The port is open and its mode read into binary; false when not, or
    // when a read failed (that failure was shown).
    bool readyToSend(bool& binary);
    void showFailure(const QString& text);
    void setOutputEnabled(bool enabled);
    QPushButton* addButton(const QString& text, void (CommConsoleDialog::*action)());

    serial::CCommPort& m_port;
    serial::CommSettings m_settings = serial::CommSettings::forDocument();
    bool m_configured = false;
    bool m_wasOpen = false;
    bool m_released = false;
    QString m_trace;
    QPlainTextEdit* m_input = nullptr;
    QLineEdit* m_ibc = nullptr;
    QLineEdit* m_obc = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_output = nullptr;
};

} // namespace tarvo::diagnostics
