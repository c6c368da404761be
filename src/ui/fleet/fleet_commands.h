#pragma once
// The Transfer menu's "Download to Several Keyboards..." and "Query Several
// Keyboards...": the COM ports chosen in one list, then one window runs a
// download or a query on each keyboard at once (enabled with an active
// document, whose line settings they use). The main window places the actions.

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
    QAction* queryAction() const { return m_query; }

    void downloadToSeveral();
    void querySeveral();
    void updateEnablers();

private:
    EditorWorkspace& m_workspace;
    QAction* m_download = nullptr;
    QAction* m_query = nullptr;
    // Shared with the tool and the one-keyboard download: the writes left unfinished on each device.
    platform::InterruptedWriteStore m_interruptedWrites;
};

} // namespace tarvo::ui
