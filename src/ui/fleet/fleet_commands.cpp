// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "document/doc.h"

#include "ui/fleet/fleet_commands.h"

#include "platform/text.h"
#include "ui/fleet/fleet_port_dialog.h"
#include "ui/fleet/fleet_texts.h"
#include "ui/fleet/fleet_window.h"
#include "ui/transfer/backup_path.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/user_dialogs.h"
#include "ui/workspace/editor_workspace.h"

#include <QAction>
#include <QDateTime>

namespace tarvo::ui {

FleetCommands::FleetCommands(EditorWorkspace& workspace) : QObject(&workspace), m_workspace(workspace)
{
    setObjectName(QStringLiteral("FleetCommands"));
    m_download = new QAction(fleet_texts::kDownloadCommand, m_workspace.window());
    m_download->setStatusTip(fleet_texts::kDownloadTip);
    connect(m_download, &QAction::triggered, this, &FleetCommands::downloadToSeveral);
    connect(&m_workspace, &EditorWorkspace::commandStatesChanged, this, &FleetCommands::updateEnablers);
    updateEnablers();
}

void FleetCommands::updateEnablers()
{
    m_download->setEnabled(m_workspace.activeDocument() != nullptr);
}

void FleetCommands::downloadToSeveral()
{
    document::CS1_Doc* doc = m_workspace.activeDocument();
    if (doc == nullptr)
        return;
    // The open form's edits go with the tables.
    if (!m_workspace.commitOpenForms())
        return;
    FleetPortDialog ports(m_workspace.window());
    if (ports.exec() != QDialog::Accepted)
        return;
    if (UserDialogs::ask(m_workspace.window(), m_workspace.caption(), transfer_texts::kReminder,
                         QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    FleetDownloadSetup setup;
    setup.document = doc;
    setup.catalogue = &m_workspace.catalogue();
    setup.interruptedWrites = &m_interruptedWrites;
    setup.backupPath = backupPathFor(QString::fromStdString(doc->path()), platform::toQString(doc->title()),
                                     m_workspace.scriptsFolder(), QDateTime::currentDateTime());
    FleetWindow window(ports.chosenPorts(), setup, m_workspace.window());
    window.start();
    window.exec();
}

} // namespace tarvo::ui
