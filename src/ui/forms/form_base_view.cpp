#include "ui/forms/form_base_view.h"

#include "document/doc.h"
#include "document/entry_editor.h"
#include "model/lang_table.h"
#include "model/lang_table_layout.h"
#include "platform/text.h"
#include "ui/core_message_texts.h"
#include "ui/forms/form_frame.h"
#include "ui/widgets/callback_button.h"
#include "ui/widgets/keyboard_font_edit.h"
#include "ui/widgets/picture_button.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvo::ui {

namespace {

constexpr int kScrollLinePixels = 20;
constexpr int kBannerMarginPixels = 6;
const QString kEllipsis = QString(3, QChar(0x00B7)); // three middle dots

int registryKey(int row, int column)
{
    return row * CS1_Form_BaseView::kMaxColumns + column;
}

} // namespace

CS1_Form_BaseView::CS1_Form_BaseView(const FormContext& context, QWidget* parent) : FormPane(context, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("formScrollArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Base);
    m_scroll->verticalScrollBar()->setSingleStep(kScrollLinePixels);
    m_scroll->horizontalScrollBar()->setSingleStep(kScrollLinePixels);
    m_canvas = new QWidget;
    m_canvas->setObjectName(QStringLiteral("formCanvas"));
    m_canvas->setBackgroundRole(QPalette::Base);
    m_canvas->setAutoFillBackground(true);
    m_scroll->setWidget(m_canvas);
    layout->addWidget(m_scroll);
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

CS1_Form_BaseView::~CS1_Form_BaseView()
{
    disconnect(m_focusConnection);
}

int CS1_Form_BaseView::DocumentNumber() const
{
    return context().doc != nullptr ? context().doc->documentNumber() : -1;
}

const document::LinkIndexEntry* CS1_Form_BaseView::LinkIndex() const
{
    const document::CS1_Doc* doc = context().doc;
    if (doc == nullptr || static_cast<std::size_t>(m_tableIndex) >= doc->tableCount())
        return nullptr;
    return &doc->linkIndex(static_cast<std::size_t>(m_tableIndex));
}

void CS1_Form_BaseView::Load()
{
    m_placeOf.clear();
    m_controlAt.clear();
    document::CS1_Doc* doc = context().doc;
    m_tableIndex = context().selection != nullptr ? context().selection->tableIndex : 0;
    if (doc == nullptr || m_tableIndex < 0 || static_cast<std::size_t>(m_tableIndex) >= doc->tableCount())
        return; // nothing to show: the form stays empty
    m_table = &doc->table(static_cast<std::size_t>(m_tableIndex));
    m_font = m_table->GetByte(model::layout::kFontOffset);
    // A table the core will not edit loads read-only, saying why, so that no
    // typed character can become an edit that can never be stored.
    const std::optional<messages::Message> refusal = document::tableEditRefusal(*m_table);
    m_readOnly = refusal.has_value();
    if (refusal && m_table->GetByte(model::layout::kReadOnlyOffset) == 0) {
        m_readOnlyReason = translatedCoreMessage(*refusal);
        m_readOnlyReason[0] = m_readOnlyReason[0].toUpper();
        auto* banner = new QLabel(m_readOnlyReason + QLatin1Char('.'), this);
        banner->setObjectName(QStringLiteral("formReadOnlyReason"));
        banner->setWordWrap(true);
        banner->setMargin(kBannerMarginPixels);
        static_cast<QVBoxLayout*>(layout())->insertWidget(0, banner);
    }

    InitFormContext();
    const int rows = std::min(GetRowCount(), kMaxRows);
    for (int row = 0; row < rows; ++row)
        CreateRow(row);
    AfterCreate();
    MeasureControls();
    PositionControls();
    for (int row = 0; row < rows; ++row)
        FillRow(row, false);
    ClearModified();
    ShowControls(true);
    ApplyTabOrder();
    m_loaded = true;
}

QFont CS1_Form_BaseView::GetColumnFont(int) const
{
    return font();
}

QWidget* CS1_Form_BaseView::CreateControl(int type, int row, int column)
{
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns)
        return nullptr;
    // Each control reports to the form that made it through its signals.
    QWidget* control = nullptr;
    switch (type) {
    case kControlStatic:
        control = new QLabel(m_canvas);
        break;
    case kControlEdit: {
        auto* edit = new CEditKFont1(m_canvas);
        connect(edit, &CEditKFont1::characterEntryRequested, this, [this, edit] {
            if (!m_navigating)
                RequestCharacterEntry(*edit);
        });
        control = edit;
        break;
    }
    case kControlCallbackButton: {
        auto* button = new CCallbackButton(m_canvas);
        connect(button, &QPushButton::clicked, this, [this, button] { RouteClick(*button); });
        control = button;
        break;
    }
    case kControlPictureButton: {
        auto* button = new CBitmapButtonPushlike(m_canvas);
        connect(button, &CBitmapButtonPushlike::activated, this, [this, button] { RouteClick(*button); });
        control = button;
        break;
    }
    case kControlFrame:
        control = new FormFrame(m_canvas);
        break;
    default:
        return nullptr;
    }
    control->hide();
    control->installEventFilter(this);
    control->setObjectName(QStringLiteral("r%1c%2").arg(row).arg(column));
    m_placeOf.insert(control, {row, column, type});
    m_controlAt.insert(registryKey(row, column), control);
    SetupControl(*control, row, column);
    return control;
}

QWidget* CS1_Form_BaseView::ControlAt(int row, int column) const
{
    return m_controlAt.value(registryKey(row, column), nullptr);
}

std::optional<CS1_Form_BaseView::ControlPlace> CS1_Form_BaseView::PlaceOf(const QWidget* control) const
{
    const auto found = m_placeOf.constFind(control);
    if (found == m_placeOf.constEnd())
        return std::nullopt;
    return *found;
}

void CS1_Form_BaseView::ShowControls(bool show)
{
    for (auto it = m_placeOf.constBegin(); it != m_placeOf.constEnd(); ++it)
        const_cast<QWidget*>(it.key())->setVisible(show);
}

void CS1_Form_BaseView::ApplyTabOrder()
{
    QWidget* previous = nullptr;
    const int rows = std::min(GetRowCount(), kMaxRows);
    for (int row = 0; row < rows; ++row) {
        for (int position = 0;; ++position) {
            const int column = GetTabColumn(position);
            if (column < 0)
                break;
            QWidget* control = ControlAt(row, column);
            if (control == nullptr || control->focusPolicy() == Qt::NoFocus)
                continue;
            if (previous != nullptr)
                setTabOrder(previous, control);
            previous = control;
        }
    }
}

bool CS1_Form_BaseView::commitEdits()
{
    if (!m_loaded || m_table == nullptr)
        return true;
    return Commit(true);
}

void CS1_Form_BaseView::refreshForm()
{
    Relayout();
}

void CS1_Form_BaseView::Relayout()
{
    if (!m_loaded)
        return;
    MeasureControls();
    if (m_canvas->layout() != nullptr)
        m_canvas->layout()->activate();
    ApplyTabOrder();
    m_canvas->update();
}

void CS1_Form_BaseView::MarkDocumentModified()
{
    if (context().doc == nullptr)
        return;
    context().doc->setModified(true);
    Q_EMIT documentEdited();
}

QRect CS1_Form_BaseView::RowRect(int row) const
{
    QRect rect;
    for (int column = 0; column < kMaxColumns; ++column) {
        const QWidget* control = ControlAt(row, column);
        if (control == nullptr || control->isHidden())
            continue;
        rect |= QRect(control->mapTo(m_canvas, QPoint(0, 0)), control->size());
    }
    return rect;
}

void CS1_Form_BaseView::KeepRowVisible(int row)
{
    const QRect wanted = AdjustRowRect(row, RowRect(row));
    if (wanted.isEmpty())
        return;
    QScrollBar* horizontal = m_scroll->horizontalScrollBar();
    QScrollBar* vertical = m_scroll->verticalScrollBar();
    const QRect visible(QPoint(horizontal->value(), vertical->value()), m_scroll->viewport()->size());
    if (visible.contains(wanted))
        return;
    if (wanted.left() < visible.left() || wanted.right() > visible.right())
        horizontal->setValue(wanted.left());
    if (wanted.top() < visible.top())
        vertical->setValue(vertical->value() - (visible.top() - wanted.top()));
    else if (wanted.bottom() > visible.bottom())
        vertical->setValue(vertical->value() +
                           std::min(wanted.bottom() - visible.bottom(), wanted.top() - visible.top()));
}

void CS1_Form_BaseView::OnFocusChanged(QWidget* now)
{
    if (!m_loaded || m_navigating || now == nullptr)
        return;
    const std::optional<ControlPlace> place = PlaceOf(now);
    if (!place)
        return;
    if (m_scroll->verticalScrollBar()->isSliderDown() || m_scroll->horizontalScrollBar()->isSliderDown())
        return;
    // The scroll area moves to the focused control first; the row comes after it.
    QTimer::singleShot(0, this, [this, row = place->row] {
        if (!m_navigating)
            KeepRowVisible(row);
    });
}

bool CS1_Form_BaseView::eventFilter(QObject* watched, QEvent* event)
{
    // Shift + right button over a text edit asks for character entry without the menu.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* edit = qobject_cast<CEditKFont1*>(watched);
        if (edit != nullptr && mouse->button() == Qt::RightButton &&
            (mouse->modifiers() & Qt::ShiftModifier) && !m_navigating) {
            RequestCharacterEntry(*edit);
            return true;
        }
    }
    return FormPane::eventFilter(watched, event);
}

void CS1_Form_BaseView::RouteClick(QWidget& control)
{
    if (m_navigating || !m_loaded || !PlaceOf(&control))
        return;
    OnButtonClick(control);
}

void CS1_Form_BaseView::NavigateToMenu(int menu)
{
    m_navigating = true;
    Q_EMIT navigateRequested(menu);
    // Queued after the window's move: a form still here then (no node, a
    // refused leave, the menu itself) is in charge of its controls again.
    QTimer::singleShot(0, this, [this] { m_navigating = false; });
}

QString CS1_Form_BaseView::FitCaption(const QString& caption, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(caption) <= width)
        return caption;
    QString prefix = caption;
    while (!prefix.isEmpty() && metrics.horizontalAdvance(prefix + kEllipsis) > width)
        prefix.chop(1);
    return prefix + kEllipsis;
}

} // namespace tarvo::ui
