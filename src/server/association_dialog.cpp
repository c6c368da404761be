#include "server/association_dialog.h"

#include "server/server_texts.h"
#include "ui/user_dialogs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::server {

AssociationDialog::AssociationDialog(const QString& path, const QFont& fixedFont,
                                     const QString& configurationFolder, QWidget* parent)
    : QDialog(parent), m_configurationFolder(configurationFolder)
{
    setObjectName(QStringLiteral("AssociationDialog"));
    setWindowTitle(texts::kAssociationCaption);
    auto* prompt = new QLabel(texts::kAssociationPrompt, this);
    prompt->setWordWrap(true);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("serverPath"));
    m_path->setMaxLength(kMaxServerPathChars);
    m_path->setFont(fixedFont);
    m_path->setText(path);
    m_path->setMinimumWidth(m_path->fontMetrics().averageCharWidth() * 60);
    prompt->setBuddy(m_path);

    auto* browse = new QPushButton(texts::kBrowse, this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &AssociationDialog::browse);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(texts::kOk, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(texts::kCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(m_path, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString AssociationDialog::path() const
{
    return m_path->text();
}

void AssociationDialog::browse()
{
    const QString chosen = ui::UserDialogs::openFileName(this, texts::kBrowseCaption, m_configurationFolder,
                                                         texts::kBrowseFilter);
    if (!chosen.isEmpty())
        m_path->setText(chosen);
}

} // namespace tarvo::server
