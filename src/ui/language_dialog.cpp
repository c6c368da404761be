#include "ui/language_dialog.h"

#include "ui/ui_texts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvo::ui {
namespace {

const QString kEnglishCode = QStringLiteral("en");
const QString kEnglishName = QStringLiteral("English");

} // namespace

LanguageDialog::LanguageDialog(const QList<LanguageOption>& translated, const QString& current,
                               QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(ui_texts::kLanguageTitle);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ui_texts::kLanguagePrompt, this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    m_languages = new QComboBox(this);
    m_languages->setObjectName(QStringLiteral("Languages"));
    m_languages->addItem(ui_texts::kDesktopLanguage, QString());
    m_languages->addItem(kEnglishName, kEnglishCode);
    for (const LanguageOption& option : translated)
        m_languages->addItem(option.ownName, option.code);
    m_languages->setCurrentIndex(std::max(0, m_languages->findData(current)));
    prompt->setBuddy(m_languages);
    layout->addWidget(m_languages);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString LanguageDialog::chosenCode() const
{
    return m_languages->currentData().toString();
}

std::optional<QString> chooseLanguage(QWidget* parent, const QList<LanguageOption>& translated,
                                      const QString& current)
{
    LanguageDialog dialog(translated, current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenCode();
}

} // namespace tarvo::ui
