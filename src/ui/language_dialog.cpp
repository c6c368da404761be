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

std::optional<QString> chooseLanguage(QWidget* parent, const QList<LanguageOption>& translated,
                                      const QString& current)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("LanguageDialog"));
    dialog.setWindowTitle(ui_texts::kLanguageTitle);
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(ui_texts::kLanguagePrompt, &dialog);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    auto* languages = new QComboBox(&dialog);
    languages->setObjectName(QStringLiteral("Languages"));
    languages->addItem(ui_texts::kDesktopLanguage, QString());
    languages->addItem(kEnglishName, kEnglishCode);
    for (const LanguageOption& option : translated)
        languages->addItem(option.ownName, option.code);
    languages->setCurrentIndex(std::max(0, languages->findData(current)));
    prompt->setBuddy(languages);
    layout->addWidget(languages);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return languages->currentData().toString();
}

} // namespace tarvo::ui
