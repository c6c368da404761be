#include "diagnostics/unicode_input_dialog.h"

#include "diagnostics/diagnostic_texts.h"
#include "ui/widgets/keyboard_font_edit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::diagnostics {

namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr int kPreviewPointSize = 24;

QString characterText(char32_t code)
{
    return QString::fromUcs4(&code, 1);
}

} // namespace

UnicodeInputDialog::UnicodeInputDialog(ui::CEditKFont1* target, QWidget* parent)
    : QDialog(parent), m_target(target)
{
    setObjectName(QStringLiteral("UnicodeInputDialog"));
    setWindowTitle(texts::kUnicodeTitle);
    m_code = new QLineEdit;
    m_code->setPlaceholderText(QStringLiteral("U+00E9"));
    m_preview = new QLabel;
    QFont big = m_preview->font();
    big.setPointSize(kPreviewPointSize);
    m_preview->setFont(big);
    m_status = new QLabel(target != nullptr ? QString() : texts::kNoKeyboardFontEditHas);
    m_status->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(texts::kCodePoint, m_code);
    form->addRow(texts::kCharacter, m_preview);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* type = buttons->addButton(texts::kType, QDialogButtonBox::ActionRole);
    type->setDefault(true);
    type->setEnabled(target != nullptr);
    connect(type, &QPushButton::clicked, this, [this] { typeCharacter(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_code, &QLineEdit::textChanged, this, &UnicodeInputDialog::showPreview);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
}

QString UnicodeInputDialog::statusText() const
{
    return m_status->text();
}

std::optional<char32_t> UnicodeInputDialog::parseCodePoint(const QString& text)
{
    QString digits = text.trimmed();
    int base = 16;
    if (digits.startsWith(QLatin1Char('#'))) {
        base = 10;
        digits = digits.mid(1);
    } else if (digits.startsWith(QStringLiteral("U+"), Qt::CaseInsensitive) ||
               digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
    }
    bool ok = false;
    const uint value = digits.toUInt(&ok, base);
    if (!ok || digits.isEmpty() || value > kLastCodePoint ||
        (value >= kFirstSurrogate && value <= kLastSurrogate))
        return std::nullopt;
    return static_cast<char32_t>(value);
}

void UnicodeInputDialog::showPreview()
{
    const std::optional<char32_t> code = parseCodePoint(m_code->text());
    m_preview->setText(code ? characterText(*code) : QString());
}

bool UnicodeInputDialog::typeCharacter()
{
    const std::optional<char32_t> code = parseCodePoint(m_code->text());
    if (!code) {
        m_status->setText(texts::k1IsNotACode.arg(m_code->text()));
        return false;
    }
    if (m_target.isNull()) {
        m_status->setText(texts::kNoKeyboardFontEditHas);
        return false;
    }
    const QString character = characterText(*code);
    if (!m_target->typeText(character)) {
        m_status->setText(texts::kU1IsNotIn.arg(
            QString::number(static_cast<uint>(*code), 16).toUpper().rightJustified(4, QLatin1Char('0'))));
        return false;
    }
    m_status->setText(texts::kTyped1.arg(character));
    return true;
}

} // namespace tarvo::diagnostics
