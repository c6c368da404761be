#pragma once
// The COM port commands of the main window: the Transfer menu's "&Configure
// COM Port..." (and its toolbar button), always enabled, and in diagnostic
// mode the Debug menu's "COM Port &Settings...". The main window places them.

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace tarvo::serial {
class CCommPort;
}
namespace tarvo::ui {
class CS1_ChildFrame;
}

namespace tarvo::app {

// What the commands need from the main window and the application.
struct ComPortCommandHost {
    QWidget* window = nullptr; // owns the actions and the dialogs
    serial::CCommPort* commPort = nullptr;
    bool diagnosticMode = false;
    std::function<ui::CS1_ChildFrame*()> activeFrame;
    std::function<int()> defaultComPort; // the port new documents get
    std::function<void(int portIndex)> setDefaultComPort;
    std::function<void()> documentChanged; // after the active document's port changed
};

class ComPortCommands final : public QObject {
    Q_OBJECT
public:
    ComPortCommands(ComPortCommandHost host, QObject* parent);

    QAction* configureAction() const { return m_configure; }
    // Null outside diagnostic mode.
    QAction* settingsAction() const { return m_settings; }

    // With an active document, its COM port: changing it marks the document
    // modified. With none, the port new documents get.
    void configureComPort();
    // The application's port, read at the start and written on OK; the
    // document's serial settings are not touched.
    void showComPortSettings();

private:
    ComPortCommandHost m_host;
    QAction* m_configure = nullptr;
    QAction* m_settings = nullptr;
};

} // namespace tarvo::app
