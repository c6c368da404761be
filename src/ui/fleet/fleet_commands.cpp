// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "document/doc.h"

#include "ui/fleet/fleet_commands.h"

#include "platform/text.h"
#include "ui/child_frame.h"
#include "ui/fleet/fleet_port_dialog.h"
#include "ui/fleet/fleet_query_window.h"
#include "ui/fleet/fleet_texts.h"
#include "ui/fleet/fleet_window.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/user_dialogs.h"
#include "ui/view.h"
#include "ui/workspace/editor_workspace.h"

#include <QAction>

namespace tarvo::ui {

FleetCommands::FleetCommands(EditorWorkspace& workspace) : QObject(&workspace), m_workspace(workspace)
{
    setObjectName(QStringLiteral("FleetCommands"));
    m_download = new QAction(fleet_texts::kDownloadCommand, m_workspace.window());
    m_download->setStatusTip(fleet_texts::kDownloadTip);
    connect(m_download, &QAction::triggered, this, &FleetCommands::downloadToSeveral);
    m_query = new QAction(fleet_texts::kQueryCommand, m_workspace.window());
    m_query->setStatusTip(fleet_texts::kQueryTip);
    connect(m_query, &QAction::triggered, this, &FleetCommands::querySeveral);
    connect(&m_workspace, &EditorWorkspace::commandStatesChanged, this, &FleetCommands::updateEnablers);
    updateEnablers();
}

void FleetCommands::updateEnablers()
{
    m_download->setEnabled(m_workspace.activeDocument() != nullptr);
    m_query->setEnabled(m_workspace.activeDocument() != nullptr);
}

void FleetCommands::querySeveral()
{
    const document::CS1_Doc* doc = m_workspace.activeDocument();
    if (doc == nullptr)
        return;
    FleetPortDialog ports(m_workspace.window(), FleetPurpose::Query);
    if (ports.exec() != QDialog::Accepted)
        return;
    FleetQueryWindow window(ports.chosenPorts(), doc->commSettings(), m_workspace.window());
    window.start();
    window.exec();
}

void FleetCommands::downloadToSeveral()
{
    CS1_ChildFrame* active = m_workspace.activeFrame();
    if (active == nullptr)
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
    const document::CS1_Doc& doc = active->document();
    FleetDownloadSetup setup;
    setup.document = &doc;
    setup.catalogue = &m_workspace.catalogue();
    setup.interruptedWrites = &m_interruptedWrites;
    setup.fonts = active->view()->context().fonts;
    setup.documentPath = QString::fromStdString(doc.path());
    setup.documentTitle = platform::toQString(doc.title());
    setup.scriptsFolder = m_workspace.scriptsFolder();
    FleetWindow window(ports.chosenPorts(), setup, m_workspace.window());
    window.start();
    window.exec();
}

} // namespace tarvo::ui
