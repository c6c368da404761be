#include "server/server_commands.h"

#include "document/doc.h"
#include "platform/text.h"
#include "server/association_dialog.h"
#include "server/launch_host.h"
#include "server/launch_settings.h"
#include "server/server_texts.h"
#include "ui/child_frame.h"
#include "ui/workspace/editor_workspace.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace tarvo::server {

namespace {

constexpr int kToolIconPixels = 16;
const QColor kOutline(0x2b, 0x3a, 0x4f);

QPixmap blankIcon()
{
    QPixmap pixmap(kToolIconPixels, kToolIconPixels);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A page with a chain link: a document tied to another.
QIcon associationIcon()
{
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 1.5, 9, 12));
    painter.setPen(QPen(QColor(0x3f, 0x7f, 0xbf), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(6.5, 8.5, 5, 3.5), 1.7, 1.7);
    painter.drawRoundedRect(QRectF(9.5, 10.5, 5, 3.5), 1.7, 1.7);
    return QIcon(pixmap);
}

// A server box with a start arrow.
QIcon launchIcon()
{
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(QColor(0xc8, 0xd2, 0xdc));
    painter.drawRect(QRectF(1.5, 2.5, 8, 11));
    painter.drawLine(QPointF(3, 5.5), QPointF(8, 5.5));
    painter.drawLine(QPointF(3, 8.5), QPointF(8, 8.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x9e, 0x4f));
    painter.drawPolygon(QPolygonF({{9.5, 4.0}, {15.0, 8.0}, {9.5, 12.0}}));
    return QIcon(pixmap);
}

} // namespace

ServerCommands::ServerCommands(ui::EditorWorkspace& workspace, ServerSetup setup)
    : QObject(&workspace), m_workspace(workspace), m_setup(std::move(setup))
{
    m_associate = new QAction(associationIcon(), texts::kSetAssociation, this);
    m_associate->setStatusTip(texts::kSetAssociationTip);
    connect(m_associate, &QAction::triggered, this, &ServerCommands::setAssociation);
    m_launch = new QAction(launchIcon(), texts::kLaunch, this);
    m_launch->setStatusTip(texts::kLaunchTip);
    connect(m_launch, &QAction::triggered, this, &ServerCommands::launch);
    connect(&m_workspace, &ui::EditorWorkspace::commandStatesChanged, this, &ServerCommands::updateEnablers);
    updateEnablers();
}

ServerCommands::~ServerCommands() = default;

bool ServerCommands::launching() const
{
    return m_run != nullptr && m_run->running();
}

void ServerCommands::updateEnablers()
{
    ui::CS1_ChildFrame* frame = m_workspace.activeFrame();
    const bool idle = !launching();
    m_associate->setEnabled(idle && frame != nullptr);
    m_launch->setEnabled(idle && frame != nullptr && m_setup.serverInstalled && m_setup.sessionBus &&
                         !frame->document().serverPath().empty());
}

void ServerCommands::setAssociation()
{
    ui::CS1_ChildFrame* frame = m_workspace.activeFrame();
    if (frame == nullptr)
        return;
    document::CS1_Doc& doc = frame->document();
    const QString previous = platform::toQString(doc.serverPath());
    AssociationDialog dialog(previous, m_setup.fixedFont, m_setup.configurationFolder, m_workspace.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString chosen = dialog.path();
    if (chosen == previous)
        return;
    doc.setServerPath(chosen.toStdU16String());
    doc.setModified();
    Q_EMIT m_workspace.documentChanged(frame, ui::DocumentChange::Settings);
}

void ServerCommands::launch()
{
    ui::CS1_ChildFrame* frame = m_workspace.activeFrame();
    if (frame == nullptr || !m_launch->isEnabled() || launching())
        return;
    const QString path = platform::toQString(frame->document().serverPath());
    m_run = std::make_unique<LaunchHost>(m_workspace.window(), m_workspace.caption(),
                                         readLaunchSettings(m_setup.serverProgram));
    connect(m_run.get(), &LaunchHost::finished, this, &ServerCommands::launchEnded);
    // Closing the document or the window gives the launch up before anything else.
    m_runFrame = frame;
    frame->installEventFilter(this);
    if (m_workspace.window() != nullptr)
        m_workspace.window()->installEventFilter(this);
    const auto window =
        m_workspace.window() != nullptr ? static_cast<std::uint32_t>(m_workspace.window()->winId()) : 0U;
    m_run->start(path, window);
    updateEnablers();
}

void ServerCommands::launchEnded()
{
    if (m_runFrame != nullptr)
        m_runFrame->removeEventFilter(this);
    if (m_workspace.window() != nullptr)
        m_workspace.window()->removeEventFilter(this);
    m_runFrame = nullptr;
    updateEnablers();
}

bool ServerCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && launching() &&
        (watched == m_runFrame || watched == m_workspace.window()))
        m_run->cancel(CancelNotice::Quiet);
    return QObject::eventFilter(watched, event);
}

} // namespace tarvo::server
