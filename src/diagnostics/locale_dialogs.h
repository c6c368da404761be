#pragma once
// The locale dialogs and the error-code dialog: System Default Locale (the
// application's locale identifier), Set Thread Locale (the "ThreadLocale"
// setting the next start takes) and Debug Last Error Message (the error
// report for a typed code).

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarvo::diagnostics {

// "ThreadLocale" in the application's settings store.
class ThreadLocaleSetting {
public:
    // False when the store cannot be written (it is then left alone).
    bool writable() const;
    // The value when it is present and a 32-bit number.
    std::optional<std::uint32_t> read() const;
    bool write(std::uint32_t value) const;
};

// The identifier a dialog shows for the application's locale: its own when
// the table has it, else the nearest row of the system locale's name; note
// says so in the second case and is empty in the first.
struct ShownLocale {
    std::uint32_t identifier = 0;
    QString note;
};
ShownLocale shownLocale(std::uint32_t identifier, const QString& systemLocaleName);

class SystemDefaultLocaleDialog final : public QDialog {
    Q_OBJECT
public:
    SystemDefaultLocaleDialog(std::uint32_t identifier, const QString& systemLocaleName,
                              QWidget* parent = nullptr);
    QString lcidText() const;
    QString langIdText() const;
    QString sortIdText() const;
    QString noteText() const;

private:
    QLabel* m_lcid = nullptr;
    QLabel* m_langId = nullptr;
    QLabel* m_sortId = nullptr;
    QLabel* m_note = nullptr;
};

// The seven choices, in the order of their buttons; the names are shown in
// the editor's language.
struct ThreadLocaleChoice {
    const char* button;
    const char* code;
    std::uint32_t value;
};
inline constexpr std::array<ThreadLocaleChoice, 7> kThreadLocaleChoices = {{
    //: A locale's name, as the system's locale list gives it.
    {QT_TRANSLATE_NOOP("Diagnostics", "Language Neutral"), "0x000", 0},
    {QT_TRANSLATE_NOOP("Diagnostics", "English (US)"), "0x409", 1033},
    {QT_TRANSLATE_NOOP("Diagnostics", "Spanish (Modern)"), "0xC0A", 3082},
    {QT_TRANSLATE_NOOP("Diagnostics", "Dutch (Standard)"), "0x413", 1043},
    {QT_TRANSLATE_NOOP("Diagnostics", "French (Standard)"), "0x40C", 1036},
    {QT_TRANSLATE_NOOP("Diagnostics", "German (Standard)"), "0x407", 1031},
    {QT_TRANSLATE_NOOP("Diagnostics", "Italian (Standard)"), "0x410", 1040},
}};

class SetThreadLocaleDialog final : public QDialog {
    Q_OBJECT
public:
    // runningLocale: the identifier the application runs under, written
    // when the setting is missing.
    SetThreadLocaleDialog(const ThreadLocaleSetting& setting, std::uint32_t runningLocale,
                          QWidget* parent = nullptr);
    // Reads (or first creates) the setting and selects its button. False
    // when the dialog is to close at once, as if cancelled.
    bool prepare();
    // Shows the dialog when prepare() allows it.
    int run();
    std::optional<std::uint32_t> selectedValue() const;
    void select(std::uint32_t value);

    void accept() override;

private:
    const ThreadLocaleSetting& m_setting;
    std::uint32_t m_runningLocale;
    std::array<QRadioButton*, kThreadLocaleChoices.size()> m_buttons{};
};

class LastErrorMessageDialog final : public QDialog {
    Q_OBJECT
public:
    using ShowReport = std::function<void(int errorCode)>;
    LastErrorMessageDialog(ShowReport showReport, QWidget* parent = nullptr);
    QLineEdit* codeEdit() const { return m_code; }
    void display();

    // The code typed: leading blanks and a sign, digits up to the first
    // other character; no digits give 0.
    static int parseCode(const QString& text);

private:
    ShowReport m_showReport;
    QLineEdit* m_code = nullptr;
};

} // namespace tarvo::diagnostics
