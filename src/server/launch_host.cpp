#include "server/launch_host.h"

#include "server/launch_progress_dialog.h"
#include "ui/user_dialogs.h"

#include <QDBusConnection>

namespace tarvo::server {

LaunchHost::LaunchHost(QWidget* window, QString caption, LaunchSettings settings, QObject* parent)
    : QObject(parent), m_window(window), m_caption(std::move(caption)),
      m_connection(QDBusConnection::sessionBus(), std::move(settings)), m_launch(m_connection, *this)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kProgressDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &LaunchHost::showProgress);
}

LaunchHost::~LaunchHost()
{
    m_destroying = true;
    m_launch.cancel(CancelNotice::Quiet);
    delete m_dialog;
}

void LaunchHost::start(const QString& serverDocumentPath, std::uint32_t windowId)
{
    m_launch.start(serverDocumentPath, windowId);
}

void LaunchHost::report(const QString& text, bool exclamation)
{
    hideProgress();
    ui::UserDialogs::message(m_window, m_caption, text,
                             exclamation ? ui::UserDialogs::Icon::Exclamation : ui::UserDialogs::Icon::None);
}

bool LaunchHost::askAgain(const QString& text)
{
    hideProgress();
    return ui::UserDialogs::ask(m_window, m_caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Ok) == QMessageBox::Ok;
}

void LaunchHost::waiting(LaunchStep step)
{
    if (m_dialog == nullptr) {
        m_dialog = new LaunchProgressDialog(m_window);
        connect(m_dialog, &LaunchProgressDialog::cancelRequested, this,
                [this] { m_launch.cancel(CancelNotice::Say); });
    }
    m_dialog->showStep(step);
    // A dialog already up names the next step; otherwise a long wait brings it up.
    if (!m_dialog->isVisible())
        m_delay.start();
}

void LaunchHost::waitEnded()
{
    m_delay.stop();
}

void LaunchHost::ended(LaunchEnd end)
{
    hideProgress();
    if (!m_destroying)
        Q_EMIT finished(end);
}

void LaunchHost::showProgress()
{
    if (m_dialog != nullptr)
        m_dialog->show();
}

void LaunchHost::hideProgress()
{
    m_delay.stop();
    if (m_dialog != nullptr)
        m_dialog->hide();
}

} // namespace tarvo::server
