#include "server/launch_progress_dialog.h"

#include "server/server_texts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace tarvo::server {

namespace {
// Room for the longest step text on one line, at any font size.
constexpr int kWidthInCharacters = 60;
} // namespace

LaunchProgressDialog::LaunchProgressDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LaunchProgressDialog"));
    setWindowTitle(texts::kProgressCaption);
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(fontMetrics().averageCharWidth() * kWidthInCharacters);
    auto* layout = new QVBoxLayout(this);
    m_step = new QLabel(this);
    auto* busy = new QProgressBar(this);
    busy->setRange(0, 0); // no end known: the bar shows that the launch is busy
    busy->setTextVisible(false);
    m_cancel = new QPushButton(texts::kProgressCancel, this);
    m_cancel->setDefault(true);
    layout->addWidget(m_step);
    layout->addWidget(busy);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    connect(m_cancel, &QPushButton::clicked, this, &LaunchProgressDialog::cancelRequested);
}

void LaunchProgressDialog::showStep(LaunchStep step)
{
    const auto index = static_cast<std::size_t>(step);
    m_step->setText(index < std::size(texts::kWaitingFor) ? texts::kWaitingFor[index].text() : QString());
}

QString LaunchProgressDialog::stepText() const
{
    return m_step->text();
}

void LaunchProgressDialog::reject()
{
    Q_EMIT cancelRequested();
}

void LaunchProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Q_EMIT cancelRequested();
}

} // namespace tarvo::server
