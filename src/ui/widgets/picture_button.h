#pragma once
// CBitmapButtonPushlike: a push-like button shown by one of six pictures -
// up, down, focused up, focused down, disabled up, disabled down - named by
// a base name and the suffixes "_U", "_D", "_F", "_DF", "_G", "_DG". The
// pictures are drawn by the program, so they are sharp at any scale. The
// form decides the pressed state; the button reports clicks (activated)
// and ignores the mouse and keys while locked.

#include <QAbstractButton>
#include <QPixmap>

namespace tarvo::ui {

enum class PictureState { Up, Down, FocusedUp, FocusedDown, DisabledUp, DisabledDown };

// The suffix of a picture's name ("_U" ... "_DG").
QString pictureSuffix(PictureState state);
// Which picture shows, given the platform's item state and the pressed state.
// While the mouse is held, the picture shows what the click will produce.
PictureState pictureFor(bool beingClicked, bool focused, bool disabled, bool pressed);
// True for a base name the program can draw ("MACRO", "MACRO-CAM", "MACRO-MON", "MACRO-OFF", "LINK").
bool isKnownPicture(const QString& baseName);
// One picture at logicalSize, drawn for devicePixelRatio.
QPixmap picturePixmap(const QString& baseName, PictureState state, const QSize& logicalSize,
                      qreal devicePixelRatio);

class CBitmapButtonPushlike : public QAbstractButton {
    Q_OBJECT
public:
    explicit CBitmapButtonPushlike(QWidget* parent = nullptr);

    // Picks the six pictures of baseName; false for a name without pictures.
    bool loadBitmaps(const QString& baseName);
    const QString& baseName() const { return m_baseName; }
    void setPressedState(bool pressed);
    bool pressedState() const { return m_pressed; }
    void setLocked(bool locked) { m_locked = locked; }
    bool locked() const { return m_locked; }
    // The picture the button shows now.
    PictureState currentPicture() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // A click or Space while the button is not locked.
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QString m_baseName;
    bool m_pressed = false;
    bool m_locked = false;
};

} // namespace tarvo::ui
