#pragma once
// One launch from the main window: its connection to the bus, its chain,
// its messages and question through the window's message boxes, and the
// progress dialog that appears once a single wait passes kProgressDelayMs.
// The window keeps working throughout.

#include "server/dbus_server_connection.h"
#include "server/launch_settings.h"
#include "server/server_launch.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace tarvo::server {

class LaunchProgressDialog;

// A shorter wait shows nothing.
inline constexpr int kProgressDelayMs = 500;

class LaunchHost final : public QObject, private LaunchListener {
    Q_OBJECT
public:
    // window owns the messages and the progress dialog (may be null).
    LaunchHost(QWidget* window, QString caption, LaunchSettings settings, QObject* parent = nullptr);
    // A launch still under way is cancelled quietly; finished() is not emitted.
    ~LaunchHost() override;

    void start(const QString& serverDocumentPath, std::uint32_t windowId);
    void cancel(CancelNotice notice) { m_launch.cancel(notice); }
    bool running() const { return m_launch.running(); }

Q_SIGNALS:
    void finished(tarvo::server::LaunchEnd end);

private:
    void report(const QString& text, bool exclamation) override;
    bool askAgain(const QString& text) override;
    void waiting(LaunchStep step) override;
    void waitEnded() override;
    void ended(LaunchEnd end) override;
    void showProgress();
    void hideProgress();

    QWidget* m_window;
    QString m_caption;
    DbusServerConnection m_connection;
    ServerLaunch m_launch; // after the connection: it goes first
    QPointer<LaunchProgressDialog> m_dialog;
    QTimer m_delay;
    bool m_destroying = false;
};

} // namespace tarvo::server
