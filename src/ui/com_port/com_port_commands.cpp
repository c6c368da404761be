#include "app/com_port_commands.h"

#include "document/doc.h"
#include "serial/comm_port.h"
#include "ui/child_frame.h"
#include "ui/com_port/com_port_settings_dialog.h"
#include "ui/com_port/com_port_setup_dialog.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>

namespace tarvo::app {

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

ComPortCommands::ComPortCommands(ComPortCommandHost host, QObject* parent)
    : QObject(parent), m_host(std::move(host))
{
    m_configure = new QAction(QStringLiteral("&Configure COM Port..."), m_host.window);
    m_configure->setStatusTip(QStringLiteral("Select the COM port used to communicate with the keyboard"));
    m_configure->setIcon(serialConnectorIcon());
    connect(m_configure, &QAction::triggered, this, &ComPortCommands::configureComPort);

    if (m_host.diagnosticMode) {
        m_settings = new QAction(QStringLiteral("COM Port &Settings..."), m_host.window);
        m_settings->setStatusTip(QStringLiteral("Show and change every setting of the COM port"));
        connect(m_settings, &QAction::triggered, this, &ComPortCommands::showComPortSettings);
    }
}

void ComPortCommands::configureComPort()
{
    ui::CS1_ChildFrame* active = m_host.activeFrame();
    const int current =
        active != nullptr ? active->document().commSettings().portIndex : m_host.defaultComPort();
    ui::ComPortSetupDialog dialog(current, m_host.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int chosen = dialog.portIndex();
    m_host.setDefaultComPort(chosen);
    if (active == nullptr || chosen == current)
        return;
    document::CS1_Doc& doc = active->document();
    serial::CommSettings settings = doc.commSettings();
    settings.portIndex = chosen;
    doc.setCommSettings(settings);
    doc.setModified();
    active->updateTitle();
    m_host.documentChanged();
}

void ComPortCommands::showComPortSettings()
{
    ui::CS1_ChildFrame* active = m_host.activeFrame();
    serial::CommSettings record = active != nullptr
                                      ? active->document().commSettings()
                                      : serial::CommSettings::forDocument(m_host.defaultComPort());
    ui::ComPortSettingsDialog dialog(record, m_host.commPort, m_host.window);
    dialog.exec();
}

} // namespace tarvo::app
