#pragma once
// The server commands of the main window: "&Set Halvard Server Document
// Association..." (enabled with an active document) and "&Launch Halvard
// Server" (enabled with an active document that has a server document path,
// when the server is installed and the session bus is there). The main
// window places them in its menus and toolbar. While a launch runs both are
// disabled, and closing its document or the main window cancels it first.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QAction;

namespace tarvo::ui {
class EditorWorkspace;
}

namespace tarvo::server {

class LaunchHost;

// What the application found out about the server at start-up. The
// workspace's window owns the dialogs; its handle goes to the login server.
struct ServerSetup {
    QFont fixedFont; // of the path box
    bool serverInstalled = false;
    bool sessionBus = false;
    QString serverProgram;
    QString configurationFolder;
};

class ServerCommands final : public QObject {
    Q_OBJECT
public:
    ServerCommands(ui::EditorWorkspace& workspace, ServerSetup setup);
    ~ServerCommands() override;

    QAction* associationAction() const { return m_associate; }
    QAction* launchAction() const { return m_launch; }

    void setAssociation();
    void launch();

public Q_SLOTS:
    void updateEnablers();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool launching() const;
    void launchEnded();

    ui::EditorWorkspace& m_workspace;
    ServerSetup m_setup;
    // The last launch; kept after it ended until the next one starts, so
    // that it never goes away under its own call.
    std::unique_ptr<LaunchHost> m_run;
    QPointer<QObject> m_runFrame;
    QAction* m_associate = nullptr;
    QAction* m_launch = nullptr;
};

} // namespace tarvo::server
