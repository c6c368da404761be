#pragma once
// The COM port commands of the main window: the Transfer menu's "&Configure
// COM Port..." (and its toolbar button), always enabled, and in diagnostic
// mode the Debug menu's "COM Port &Settings...". The main window places them.

#include <QObject>

class QAction;

namespace tarvo::ui {

class EditorWorkspace;

class ComPortCommands final : public QObject {
    Q_OBJECT
public:
    explicit ComPortCommands(EditorWorkspace& workspace);

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
    EditorWorkspace& m_workspace;
    QAction* m_configure = nullptr;
    QAction* m_settings = nullptr;
};

} // namespace tarvo::ui
