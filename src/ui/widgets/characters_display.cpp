#include "ui/widgets/characters_display.h"

#include "model/keyboard_fonts.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/widget_texts.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvo::ui {

namespace {

constexpr int kVisibleRows = 12;
constexpr int kFewestVisibleRows = 3;
constexpr int kRowPaddingPixels = 10;
constexpr int kCodeEditCharacters = 8;

} // namespace

CharactersDisplay::CharactersDisplay(const UiFonts& fonts, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CharactersDisplay"));
    setWindowTitle(widget_texts::kCharactersDisplay);
    setModal(false);

    m_list = new QTableWidget(0, kColumns, this);
    QStringList titles;
    for (int column = 1; column <= kColumns; ++column)
        titles << QStringLiteral("C%1").arg(column);
    m_list->setHorizontalHeaderLabels(titles);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setFont(fonts.unicode);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setFont(fonts.text);
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->horizontalHeader()->setDefaultSectionSize(kColumnPixels);
    const int rowPixels = QFontMetrics(fonts.unicode).height() + kRowPaddingPixels;
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(rowPixels);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int frame = 2 * m_list->frameWidth();
    m_list->setFixedWidth(kColumns * kColumnPixels + m_list->verticalScrollBar()->sizeHint().width() + frame);
    const int listChrome = m_list->horizontalHeader()->sizeHint().height() + frame;
    m_list->setMinimumHeight(kFewestVisibleRows * rowPixels + listChrome);
    connect(m_list, &QTableWidget::cellClicked, this, &CharactersDisplay::chooseCell);

    m_character = new QLineEdit(this);
    m_character->setReadOnly(true);
    m_character->setFont(fonts.unicode);
    m_code = new QLineEdit(this);
    m_code->setReadOnly(true);
    const int codeWidth =
        QFontMetrics(m_code->font()).horizontalAdvance(QString(kCodeEditCharacters, QLatin1Char('0')));
    m_character->setFixedWidth(codeWidth + QFontMetrics(fonts.unicode).height());
    m_code->setFixedWidth(codeWidth);
    auto* fields = new QFormLayout;
    fields->addRow(widget_texts::kSelectedCharacter, m_character);
    fields->addRow(widget_texts::kCharacterCode, m_code);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(widget_texts::kClose, QDialogButtonBox::RejectRole);
    close->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(fields);
    bottom->addStretch();
    bottom->addWidget(buttons, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    // Twelve rows where the screen has room; fewer (and Close still shown) where not.
    const int wantedListHeight = kVisibleRows * rowPixels + listChrome;
    resize(sizeHint().width(), sizeHint().height() - m_list->sizeHint().height() + wantedListHeight);
    keepOnScreen(*this);
}

void CharactersDisplay::setCharacters(const std::vector<char16_t>& characters)
{
    const auto count = static_cast<int>(characters.size());
    m_list->clearContents();
    m_list->setRowCount((count + kColumns - 1) / kColumns);
    for (int index = 0; index < count; ++index) {
        const char16_t ch = characters[static_cast<std::size_t>(index)];
        auto* item =
            new QTableWidgetItem(ch == model::KeyboardFonts::kNoCharacter ? QString() : QString(QChar(ch)));
        item->setTextAlignment(Qt::AlignCenter);
        m_list->setItem(index / kColumns, index % kColumns, item);
    }
    m_character->clear();
    m_code->clear();
}

void CharactersDisplay::chooseCell(int row, int column)
{
    const QTableWidgetItem* item = m_list->item(row, column);
    const QString text = item != nullptr ? item->text() : QString();
    m_character->setText(text);
    m_code->setText(QString::number(text.isEmpty() ? 0 : text.at(0).unicode()));
    if (!text.isEmpty())
        Q_EMIT characterChosen(text.at(0));
}

} // namespace tarvo::ui
