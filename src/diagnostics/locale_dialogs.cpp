#include "diagnostics/locale_dialogs.h"

#include "diagnostics/diagnostic_texts.h"
#include "diagnostics/locale_table.h"
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace tarvo::diagnostics {

namespace {

constexpr std::uint32_t kLangIdMask = 0xFFFF;
constexpr int kSortIdShift = 16;
constexpr std::uint32_t kSortIdMask = 0xF;
constexpr int kExplanationWidth = 300;

QString hexText(std::uint32_t value)
{
    return QStringLiteral("0x%1").arg(value, 0, 16);
}

} // namespace

// --- ThreadLocaleSetting -------------------------------------------------------

bool ThreadLocaleSetting::writable() const
{
    platform::settings::Store store;
    return store.isWritable() && store.status() == QSettings::NoError;
}

std::optional<std::uint32_t> ThreadLocaleSetting::read() const
{
    return platform::settings::readThreadLocale(platform::settings::Store());
}

bool ThreadLocaleSetting::write(std::uint32_t value) const
{
    platform::settings::Store store;
    if (!store.isWritable())
        return false;
    store.setValue(platform::settings::keyOf(platform::settings::Setting::ThreadLocale),
                   static_cast<qulonglong>(value));
    store.sync();
    return store.status() == QSettings::NoError;
}

// --- System Default Locale ------------------------------------------------------

ShownLocale shownLocale(std::uint32_t identifier, const QString& systemLocaleName)
{
    if (const LocaleRow* row = localeRowOf(identifier))
        return {row->identifier, {}};
    const LocaleMatch match = matchLinuxLocale(systemLocaleName.toStdString());
    if (match.exact)
        return {match.row->identifier, {}};
    const QString name =
        QString::fromLatin1(match.row->name.data(), static_cast<qsizetype>(match.row->name.size()));
    return {match.row->identifier,
            texts::kApproximatedLocale.arg(systemLocaleName, name + QStringLiteral(" ") +
                                                                 QString::number(match.row->identifier))};
}

SystemDefaultLocaleDialog::SystemDefaultLocaleDialog(std::uint32_t identifier,
                                                     const QString& systemLocaleName, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SystemDefaultLocaleDialog"));
    setWindowTitle(texts::kSystemLocaleTitle);
    const ShownLocale shown = shownLocale(identifier, systemLocaleName);
    auto* form = new QFormLayout;
    m_lcid = new QLabel(hexText(shown.identifier));
    m_langId = new QLabel(hexText(shown.identifier & kLangIdMask));
    m_sortId = new QLabel(hexText((shown.identifier >> kSortIdShift) & kSortIdMask));
    form->addRow(texts::kSystemLocaleLabel, m_lcid);
    form->addRow(texts::kLangIdLabel, m_langId);
    form->addRow(texts::kSortIdLabel, m_sortId);
    m_note = new QLabel(shown.note);
    m_note->setWordWrap(true);
    m_note->setVisible(!shown.note.isEmpty());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
}

QString SystemDefaultLocaleDialog::lcidText() const
{
    return m_lcid->text();
}
QString SystemDefaultLocaleDialog::langIdText() const
{
    return m_langId->text();
}
QString SystemDefaultLocaleDialog::sortIdText() const
{
    return m_sortId->text();
}
QString SystemDefaultLocaleDialog::noteText() const
{
    return m_note->text();
}

// --- Set Thread Locale ----------------------------------------------------------

SetThreadLocaleDialog::SetThreadLocaleDialog(const ThreadLocaleSetting& setting, std::uint32_t runningLocale,
                                             QWidget* parent)
    : QDialog(parent), m_setting(setting), m_runningLocale(runningLocale)
{
    setObjectName(QStringLiteral("SetThreadLocaleDialog"));
    setWindowTitle(texts::kThreadLocaleTitle);
    auto* group = new QGroupBox(texts::kLocalesGroup);
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < kThreadLocaleChoices.size(); ++i) {
        m_buttons[i] =
            new QRadioButton(QCoreApplication::translate("Diagnostics", kThreadLocaleChoices[i].button));
        grid->addWidget(m_buttons[i], static_cast<int>(i), 0);
        grid->addWidget(new QLabel(QString::fromLatin1(kThreadLocaleChoices[i].code)), static_cast<int>(i),
                        1);
    }
    auto* explanation = new QLabel(texts::kThreadLocaleExplanation);
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(kExplanationWidth);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(texts::kOK, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(texts::kCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(explanation);
    layout->addWidget(buttons);
}

bool SetThreadLocaleDialog::prepare()
{
    if (!m_setting.writable())
        return false;
    std::optional<std::uint32_t> value = m_setting.read();
    if (!value) {
        const bool offered =
            std::any_of(kThreadLocaleChoices.begin(), kThreadLocaleChoices.end(),
                        [this](const ThreadLocaleChoice& c) { return c.value == m_runningLocale; });
        if (!offered || !m_setting.write(m_runningLocale))
            return false;
        value = m_runningLocale;
    }
    for (std::size_t i = 0; i < kThreadLocaleChoices.size(); ++i) {
        if (kThreadLocaleChoices[i].value == *value) {
            m_buttons[i]->setChecked(true);
            return true;
        }
    }
    return false;
}

int SetThreadLocaleDialog::run()
{
    if (!prepare())
        return QDialog::Rejected;
    return exec();
}

std::optional<std::uint32_t> SetThreadLocaleDialog::selectedValue() const
{
    for (std::size_t i = 0; i < kThreadLocaleChoices.size(); ++i)
        if (m_buttons[i]->isChecked())
            return kThreadLocaleChoices[i].value;
    return std::nullopt;
}

void SetThreadLocaleDialog::select(std::uint32_t value)
{
    for (std::size_t i = 0; i < kThreadLocaleChoices.size(); ++i)
        if (kThreadLocaleChoices[i].value == value)
            m_buttons[i]->setChecked(true);
}

void SetThreadLocaleDialog::accept()
{
    // Only an existing value is replaced; the running application keeps its locale.
    const std::optional<std::uint32_t> chosen = selectedValue();
    if (chosen && m_setting.writable() && m_setting.read())
        m_setting.write(*chosen);
    QDialog::accept();
}

// --- Last Error Message ---------------------------------------------------------

LastErrorMessageDialog::LastErrorMessageDialog(ShowReport showReport, QWidget* parent)
    : QDialog(parent), m_showReport(std::move(showReport))
{
    setObjectName(QStringLiteral("LastErrorMessageDialog"));
    setWindowTitle(texts::kLastErrorTitle);
    m_code = new QLineEdit;
    auto* form = new QFormLayout;
    form->addRow(texts::kErrorCodeLabel, m_code);
    auto* buttons = new QDialogButtonBox;
    QPushButton* display = buttons->addButton(texts::kDisplay, QDialogButtonBox::ActionRole);
    display->setObjectName(QStringLiteral("display"));
    buttons->addButton(texts::kOK2, QDialogButtonBox::AcceptRole);
    connect(display, &QPushButton::clicked, this, &LastErrorMessageDialog::display);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void LastErrorMessageDialog::display()
{
    m_showReport(parseCode(m_code->text()));
}

int LastErrorMessageDialog::parseCode(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > INT_MAX)
            value = INT_MAX; // a number too long to hold stays at the largest code
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace tarvo::diagnostics
