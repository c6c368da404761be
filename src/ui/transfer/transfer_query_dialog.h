#pragma once
// The Query Keyboard dialog: runs one query session on the application's
// port and shows each slot's row. Nothing is written.

#include "platform/line_speed_settings.h"
#include "serial/comm_port.h"
#include "serial/comm_settings.h"
#include "transfer/session_view.h"

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvo::platform {
class EventLoopHost;
}
namespace tarvo::transfer {
class QuerySession;
struct TableInfoRow;
} // namespace tarvo::transfer

namespace tarvo::ui {

class TransferQueryDialog final : public QDialog, public transfer::SessionView {
    Q_OBJECT
public:
    static constexpr int kRows = 13;
    static constexpr int kFields = 5;

    // settings: the active document's (copied: the line speed found stays in the copy).
    TransferQueryDialog(serial::CCommPort& port, const serial::CommSettings& settings,
                        QWidget* parent = nullptr);
    ~TransferQueryDialog() override;

    // The session starts once the dialog's loop runs.
    int exec() override;

    QString statusText() const;
    QString field(int row, int column) const;
    // The session's end code once it has ended (0 before).
    int endCode() const;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setStatusText(const messages::Message& text) override;
    void showProgress(int code, const messages::Message& text) override;
    void showBlockProgress(int done, int total, const messages::Message& tableLine) override;
    void showMessage(const messages::Message& text) override;
    bool ask(const messages::Message& question) override;
    void sessionEnded(int endCode) override;

    void fillRow(const transfer::TableInfoRow& row);
    void finishDialog();

    serial::CommSettings m_settings;
    // The line speed that last answered on the port's device is pinged first.
    platform::LineSpeedSettings m_lineSpeeds;
    std::string m_devicePath;
    std::unique_ptr<platform::EventLoopHost> m_host;
    std::unique_ptr<transfer::QuerySession> m_session;
    QLabel* m_status = nullptr;
    std::array<std::array<QLineEdit*, kFields>, kRows> m_fields{};
    QPushButton* m_ok = nullptr;
    bool m_closing = false;
};

} // namespace tarvo::ui
