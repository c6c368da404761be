#include "ui/forms/char_entry_dialog.h"

#include "model/char_set_service.h"
#include "platform/text.h"
#include "ui/forms/form_texts.h"
#include "ui/widgets/keyboard_font_edit.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvo::ui {

namespace {

// Lines shorter than this keep their cells in one row.
constexpr int kCellsInOneRowBelow = 20;
// Room around an edit's text: frame and inner margins, in pixels.
constexpr int kEditMarginPixels = 14;
constexpr int kLineGapPixels = 10;
constexpr char16_t kWidestHangul = 0xAC00;

Qt::Alignment qtAlignment(model::LineAlignment alignment)
{
    switch (alignment) {
    case model::LineAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case model::LineAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case model::LineAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The width of n of the widest characters a keyboard line holds.
int lineEditWidth(const QFont& font, int characters)
{
    const QFontMetrics metrics(font);
    const int widest = std::max({metrics.horizontalAdvance(QLatin1Char('W')),
                                 metrics.horizontalAdvance(QChar(kWidestHangul)), metrics.maxWidth() / 2});
    return widest * characters + kEditMarginPixels;
}

int cellWidth(const QFont& font, int digits)
{
    return QFontMetrics(font).horizontalAdvance(QString(digits + 1, QLatin1Char('0'))) + kEditMarginPixels;
}

} // namespace

FontPointRequest FontPointRequest::forFont(int font, const QStringList& texts, model::LineAlignment alignment)
{
    const model::SoftkeyLines shape = model::softkeyLinesOf(font);
    return {font, shape.lines, shape.charactersPerLine, texts, alignment};
}

FontPointEntryDialog::FontPointEntryDialog(const FontPointRequest& request, const UiFonts& fonts,
                                           QWidget* parent)
    : QDialog(parent), m_request(request)
{
    setObjectName(QStringLiteral("FontPointEntryDialog"));
    setWindowTitle(form_texts::kFontPointCharacterEntry);
    m_request.lines = std::max(m_request.lines, 0);
    m_request.charactersPerLine = std::clamp(m_request.charactersPerLine, 1, model::kLongestLine);
    buildLayout(fonts);
    refillCells();
    if (!m_cells.empty() && !m_cells.front().empty())
        m_cells.front().front()->setFocus();
}

void FontPointEntryDialog::buildLayout(const UiFonts& fonts)
{
    const int font = m_request.font;
    const int width = m_request.charactersPerLine;
    const int digits = model::codeDigits(font);
    const int cellPixels = cellWidth(fonts.fixed, digits);

    m_cellsPerRow = width;
    if (width >= kCellsInOneRowBelow) {
        const QScreen* screen = this->screen();
        const int available =
            screen != nullptr ? screen->availableGeometry().width() * 9 / 10 : cellPixels * 10;
        m_cellsPerRow = std::clamp(available / cellPixels, 1, width);
    }

    auto* layout = new QVBoxLayout(this);
    for (int line = 0; line < m_request.lines; ++line) {
        auto* edit = new CEditKFont1(this);
        edit->setObjectName(QStringLiteral("line%1").arg(line + 1));
        edit->setCharacterSet(font, false);
        edit->setMaxLength(width);
        edit->setFont(fonts.unicode);
        edit->setAlignment(qtAlignment(m_request.alignment));
        edit->setFixedWidth(lineEditWidth(fonts.unicode, width));
        edit->setText(m_request.texts.value(line).left(width));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this] { refillCells(); });
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(edit);
        row->addStretch();
        layout->addLayout(row);
        m_lineEdits.push_back(edit);
    }
    layout->addSpacing(kLineGapPixels);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    int gridRow = 0;
    for (int line = 0; line < m_request.lines; ++line) {
        std::vector<CEditKFont1*> cells;
        for (int position = 0; position < width; ++position) {
            auto* cell = new CEditKFont1(this);
            cell->setObjectName(QStringLiteral("code%1_%2").arg(line + 1).arg(position + 1));
            cell->setCharacterSet(model::digitsSetOf(font), false);
            cell->setMaxLength(digits);
            cell->setFont(fonts.fixed);
            cell->setAlignment(Qt::AlignCenter);
            cell->setFixedWidth(cellPixels);
            cell->installEventFilter(this);
            connect(cell, &QLineEdit::textEdited, this, [this, line, position] {
                m_pendingLine = line;
                m_pendingPosition = position;
            });
            grid->addWidget(cell, gridRow + position / m_cellsPerRow, position % m_cellsPerRow);
            cells.push_back(cell);
        }
        gridRow += (width + m_cellsPerRow - 1) / m_cellsPerRow;
        // A gap between the cells of one line and the next.
        grid->setRowMinimumHeight(gridRow, kLineGapPixels);
        ++gridRow;
        m_cells.push_back(std::move(cells));
    }
    auto* cellsRow = new QHBoxLayout;
    cellsRow->addStretch();
    cellsRow->addLayout(grid);
    cellsRow->addStretch();
    layout->addLayout(cellsRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(form_texts::kOK);
    buttons->button(QDialogButtonBox::Cancel)->setText(form_texts::kCancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (const QScreen* screen = this->screen())
        m_fitsScreen = sizeHint().height() <= screen->availableGeometry().height();
}

CEditKFont1* FontPointEntryDialog::codeCell(int line, int position) const
{
    return m_cells.at(static_cast<std::size_t>(line)).at(static_cast<std::size_t>(position));
}

QStringList FontPointEntryDialog::lines() const
{
    QStringList texts;
    for (const CEditKFont1* edit : m_lineEdits)
        texts << edit->text();
    return texts;
}

void FontPointEntryDialog::refillCells()
{
    for (std::size_t line = 0; line < m_cells.size(); ++line) {
        const auto codes = model::positionCodes(m_request.font, m_lineEdits[line]->text().toStdU16String(),
                                                m_request.charactersPerLine, m_request.alignment);
        for (std::size_t position = 0; position < m_cells[line].size(); ++position)
            m_cells[line][position]->setText(QString::number(codes[position]));
    }
    m_pendingLine = -1;
    m_pendingPosition = -1;
}

void FontPointEntryDialog::applyPendingCell()
{
    if (m_pendingLine < 0)
        return;
    const int line = m_pendingLine;
    const int position = m_pendingPosition;
    m_pendingLine = -1;
    bool isNumber = false;
    const qlonglong code = codeCell(line, position)->text().toLongLong(&isNumber);
    CEditKFont1* edit = lineEdit(line);
    const auto placed =
        isNumber ? model::placeCode(m_request.font, edit->text().toStdU16String(),
                                    m_request.charactersPerLine, m_request.alignment, position, code)
                 : std::nullopt;
    if (placed)
        edit->setTextAsUserEdit(platform::toQString(*placed));
    refillCells();
}

void FontPointEntryDialog::trimLine(int line)
{
    CEditKFont1* edit = lineEdit(line);
    const QString trimmed =
        platform::toQString(model::trimForAlignment(edit->text().toStdU16String(), m_request.alignment));
    if (trimmed != edit->text())
        edit->setTextAsUserEdit(trimmed);
}

bool FontPointEntryDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        for (std::size_t line = 0; line < m_lineEdits.size(); ++line)
            if (watched == m_lineEdits[line])
                trimLine(static_cast<int>(line));
        if (m_pendingLine >= 0 && watched == codeCell(m_pendingLine, m_pendingPosition))
            applyPendingCell();
    }
    return QDialog::eventFilter(watched, event);
}

int FontPointEntryDialog::exec()
{
    if (!m_fitsScreen)
        return Rejected;
    return QDialog::exec();
}

void FontPointEntryDialog::accept()
{
    applyPendingCell();
    for (int line = 0; line < static_cast<int>(m_lineEdits.size()); ++line)
        trimLine(line);
    QDialog::accept();
}

} // namespace tarvo::ui
