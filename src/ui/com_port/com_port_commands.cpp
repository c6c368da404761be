#include "ui/com_port/com_port_commands.h"

#include "document/doc.h"
#include "serial/comm_port.h"
#include "ui/child_frame.h"
#include "ui/com_port/com_port_settings_dialog.h"
#include "ui/com_port/com_port_setup_dialog.h"
#include "ui/com_port/com_port_texts.h"
#include "ui/workspace/editor_workspace.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>

namespace tarvo::ui {

namespace {

constexpr int kToolIconPixels = 16;

// A nine-pin serial connector, as the toolbar button's icon.
QIcon serialConnectorIcon()
{
    QPixmap pixmap(kToolIconPixels, kToolIconPixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF shell({{1.5, 4.5}, {14.5, 4.5}, {12.5, 11.5}, {3.5, 11.5}});
    painter.setPen(QPen(QColor(0x2b, 0x3a, 0x4f), 1.0));
    painter.setBrush(QColor(0x9d, 0xb4, 0xcf));
    painter.drawPolygon(shell);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2b, 0x3a, 0x4f));
    for (int pin = 0; pin < 5; ++pin)
        painter.drawEllipse(QPointF(3.8 + pin * 2.1, 6.8), 0.8, 0.8);
    for (int pin = 0; pin < 4; ++pin)
        painter.drawEllipse(QPointF(4.9 + pin * 2.1, 9.2), 0.8, 0.8);
    return QIcon(pixmap);
}

} // namespace

ComPortCommands::ComPortCommands(EditorWorkspace& workspace) : QObject(&workspace), m_workspace(workspace)
{
    m_configure = new QAction(ui::com_port_texts::kConfigureCOMPort, m_workspace.window());
    m_configure->setStatusTip(ui::com_port_texts::kSelectTheCOMPortUsed);
    m_configure->setIcon(serialConnectorIcon());
    connect(m_configure, &QAction::triggered, this, &ComPortCommands::configureComPort);

    if (m_workspace.diagnosticMode()) {
        m_settings = new QAction(ui::com_port_texts::kCOMPortSettings, m_workspace.window());
        m_settings->setStatusTip(ui::com_port_texts::kShowAndChangeEverySetting);
        connect(m_settings, &QAction::triggered, this, &ComPortCommands::showComPortSettings);
    }
}

void ComPortCommands::configureComPort()
{
    CS1_ChildFrame* active = m_workspace.activeFrame();
    const int current =
        active != nullptr ? active->document().commSettings().portIndex : m_workspace.defaultComPort();
    ComPortSetupDialog dialog(current, m_workspace.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int chosen = dialog.portIndex();
    m_workspace.setDefaultComPort(chosen);
    if (active == nullptr || chosen == current)
        return;
    document::CS1_Doc& doc = active->document();
    serial::CommSettings settings = doc.commSettings();
    settings.portIndex = chosen;
    doc.setCommSettings(settings);
    doc.setModified();
    Q_EMIT m_workspace.documentChanged(active, DocumentChange::Settings);
}

void ComPortCommands::showComPortSettings()
{
    CS1_ChildFrame* active = m_workspace.activeFrame();
    serial::CommSettings record = active != nullptr
                                      ? active->document().commSettings()
                                      : serial::CommSettings::forDocument(m_workspace.defaultComPort());
    ComPortSettingsDialog dialog(record, &m_workspace.commPort(), m_workspace.window());
    dialog.exec();
}

} // namespace tarvo::ui
