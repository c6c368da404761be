#pragma once
// The language choice: the desktop's, English, or one the editor is
// translated into, each named in itself.

#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

class QComboBox;
class QWidget;

namespace tarvo::ui {

struct LanguageOption {
    QString code; // "de"; empty for the desktop's language
    QString ownName;
};

class LanguageDialog : public QDialog {
public:
    LanguageDialog(const QList<LanguageOption>& translated, const QString& current,
                   QWidget* parent = nullptr);

    // The code chosen: "" for the desktop's, "en" for English.
    QString chosenCode() const;

private:
    QComboBox* m_languages = nullptr;
};

// The code chosen ("" for the desktop's, "en" for English); nullopt when cancelled.
std::optional<QString> chooseLanguage(QWidget* parent, const QList<LanguageOption>& translated,
                                      const QString& current);

} // namespace tarvo::ui
