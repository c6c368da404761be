#include "ui/widgets/picture_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tarvo::ui {

namespace {

constexpr QSize kPictureSize(36, 24);
constexpr qreal kCornerRadius = 4.0;
constexpr qreal kFocusRingWidth = 2.0;
// The glyph sits in a square of this share of the button's height.
constexpr qreal kGlyphShare = 0.7;

struct PictureSuffix {
    PictureState state;
    const char* suffix;
};

constexpr std::array<PictureSuffix, 6> kSuffixes{{
    {PictureState::Up, "_U"},
    {PictureState::Down, "_D"},
    {PictureState::FocusedUp, "_F"},
    {PictureState::FocusedDown, "_DF"},
    {PictureState::DisabledUp, "_G"},
    {PictureState::DisabledDown, "_DG"},
}};

enum class Glyph { None, Macro, Camera, Monitor, Off, Link };

struct NamedGlyph {
    const char* baseName;
    Glyph glyph;
};

constexpr std::array<NamedGlyph, 5> kGlyphs{{
    {"MACRO", Glyph::Macro},
    {"MACRO-CAM", Glyph::Camera},
    {"MACRO-MON", Glyph::Monitor},
    {"MACRO-OFF", Glyph::Off},
    {"LINK", Glyph::Link},
}};

Glyph glyphOf(const QString& baseName)
{
    for (const NamedGlyph& named : kGlyphs)
        if (baseName == QLatin1String(named.baseName))
            return named.glyph;
    return Glyph::None;
}

bool isDown(PictureState state)
{
    return state == PictureState::Down || state == PictureState::FocusedDown ||
           state == PictureState::DisabledDown;
}

bool isDisabled(PictureState state)
{
    return state == PictureState::DisabledUp || state == PictureState::DisabledDown;
}

bool isFocused(PictureState state)
{
    return state == PictureState::FocusedUp || state == PictureState::FocusedDown;
}

// The glyphs are drawn in a 24 x 24 design square.
constexpr qreal kDesignUnits = 24.0;

void drawGlyph(QPainter& painter, Glyph glyph, const QColor& ink)
{
    QPen pen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Macro: {
        // Run: a play triangle beside a short list.
        painter.setBrush(ink);
        painter.drawPolygon(QPolygonF({{4, 5}, {4, 19}, {13, 12}}));
        painter.drawLine(QPointF(16, 7), QPointF(21, 7));
        painter.drawLine(QPointF(16, 12), QPointF(21, 12));
        painter.drawLine(QPointF(16, 17), QPointF(21, 17));
        break;
    }
    case Glyph::Camera:
        painter.drawRoundedRect(QRectF(3, 8, 14, 10), 2, 2);
        painter.drawPolygon(QPolygonF({{17, 11}, {22, 8}, {22, 18}, {17, 15}}));
        painter.drawEllipse(QPointF(8, 13), 2.2, 2.2);
        break;
    case Glyph::Monitor:
        painter.drawRoundedRect(QRectF(3, 4, 18, 12), 1.5, 1.5);
        painter.drawLine(QPointF(12, 16), QPointF(12, 20));
        painter.drawLine(QPointF(7, 20.5), QPointF(17, 20.5));
        break;
    case Glyph::Off:
        painter.drawArc(QRectF(5, 5, 14, 14), 120 * 16, 300 * 16);
        painter.drawLine(QPointF(12, 3), QPointF(12, 11));
        break;
    case Glyph::Link:
        painter.drawRoundedRect(QRectF(2.5, 8.5, 11, 7), 3.5, 3.5);
        painter.drawRoundedRect(QRectF(10.5, 8.5, 11, 7), 3.5, 3.5);
        break;
    case Glyph::None:
        break;
    }
}

void drawPicture(QPainter& painter, const QRectF& area, Glyph glyph, PictureState state)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown(state);
    const bool disabled = isDisabled(state);
    const QRectF face = area.adjusted(0.5, 0.5, -0.5, -0.5);

    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    if (disabled) {
        fill.setColorAt(0, QColor(0xee, 0xee, 0xee));
        fill.setColorAt(1, down ? QColor(0xc8, 0xc8, 0xc8) : QColor(0xe0, 0xe0, 0xe0));
    } else if (down) {
        fill.setColorAt(0, QColor(0x2a, 0x5f, 0xb0));
        fill.setColorAt(1, QColor(0x4a, 0x86, 0xd8));
    } else {
        fill.setColorAt(0, QColor(0xfa, 0xfb, 0xfd));
        fill.setColorAt(1, QColor(0xd5, 0xdb, 0xe4));
    }
    painter.setPen(QPen(disabled ? QColor(0xb0, 0xb0, 0xb0) : QColor(0x5a, 0x66, 0x78), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, kCornerRadius, kCornerRadius);
    if (isFocused(state)) {
        const qreal inset = kFocusRingWidth;
        painter.setPen(QPen(down ? QColor(0xff, 0xd8, 0x4a) : QColor(0x2f, 0x6f, 0xd0), kFocusRingWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(inset, inset, -inset, -inset), kCornerRadius - 1,
                                kCornerRadius - 1);
    }

    const QColor ink = disabled ? QColor(0x9a, 0x9a, 0x9a)
                       : down   ? QColor(Qt::white)
                                : QColor(0x22, 0x2e, 0x3e);
    const qreal side = area.height() * kGlyphShare;
    painter.save();
    // Pressed-in pictures sit half a pixel lower, like a key pressed down.
    const qreal sink = down ? 0.5 : 0.0;
    painter.translate(area.center().x() - side / 2, area.center().y() - side / 2 + sink);
    painter.scale(side / kDesignUnits, side / kDesignUnits);
    drawGlyph(painter, glyph, ink);
    painter.restore();
}

} // namespace

QString pictureSuffix(PictureState state)
{
    for (const PictureSuffix& entry : kSuffixes)
        if (entry.state == state)
            return QLatin1String(entry.suffix);
    return {};
}

PictureState pictureFor(bool beingClicked, bool focused, bool disabled, bool pressed)
{
    if (beingClicked && focused)
        return pressed ? PictureState::FocusedUp : PictureState::FocusedDown;
    if (beingClicked)
        return pressed ? PictureState::Up : PictureState::Down;
    if (disabled)
        return pressed ? PictureState::DisabledDown : PictureState::DisabledUp;
    if (focused)
        return pressed ? PictureState::FocusedDown : PictureState::FocusedUp;
    return pressed ? PictureState::Down : PictureState::Up;
}

bool isKnownPicture(const QString& baseName)
{
    return glyphOf(baseName) != Glyph::None;
}

QPixmap picturePixmap(const QString& baseName, PictureState state, const QSize& logicalSize,
                      qreal devicePixelRatio)
{
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawPicture(painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)), glyphOf(baseName), state);
    return pixmap;
}

CBitmapButtonPushlike::CBitmapButtonPushlike(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_locked)
            Q_EMIT activated();
    });
}

bool CBitmapButtonPushlike::loadBitmaps(const QString& baseName)
{
    if (!isKnownPicture(baseName))
        return false;
    m_baseName = baseName;
    update();
    return true;
}

void CBitmapButtonPushlike::setPressedState(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    repaint();
}

PictureState CBitmapButtonPushlike::currentPicture() const
{
    return pictureFor(isDown(), hasFocus(), !isEnabled(), m_pressed);
}

QSize CBitmapButtonPushlike::sizeHint() const
{
    return kPictureSize;
}

void CBitmapButtonPushlike::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawPicture(painter, QRectF(rect()), glyphOf(m_baseName), currentPicture());
}

void CBitmapButtonPushlike::mousePressEvent(QMouseEvent* event)
{
    if (m_locked) {
        event->accept();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void CBitmapButtonPushlike::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_locked) {
        event->accept();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void CBitmapButtonPushlike::keyPressEvent(QKeyEvent* event)
{
    if (m_locked) {
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CBitmapButtonPushlike::keyReleaseEvent(QKeyEvent* event)
{
    if (m_locked) {
        event->accept();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

void CBitmapButtonPushlike::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    update();
}

} // namespace tarvo::ui
