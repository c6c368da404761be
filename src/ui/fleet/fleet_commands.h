#pragma once
// The Transfer menu's "Download to Several Keyboards...": the COM ports
// chosen in one list, then one window runs a download on each keyboard at
// once (enabled with an active document). The main window places the action.

#include "platform/interrupted_write_store.h"

#include <QObject>

class QAction;

namespace tarvo::ui {

class EditorWorkspace;

class FleetCommands final : public QObject {
    Q_OBJECT
public:
    explicit FleetCommands(EditorWorkspace& workspace);

    QAction* downloadAction() const { return m_download; }

    void downloadToSeveral();
    void updateEnablers();

private:
    EditorWorkspace& m_workspace;
    QAction* m_download = nullptr;
    // Shared with the tool and the one-keyboard download: the writes left unfinished on each device.
    platform::InterruptedWriteStore m_interruptedWrites;
};

} // namespace tarvo::ui
