#pragma once
// CCallbackButton: a push button that reports its clicks and its focus to
// the form through callbacks, and keeps its full caption (shown as tooltip)
// while the button shows a shortened one.

#include <QPushButton>

#include <functional>

namespace tarvo::ui {

class CCallbackButton : public QPushButton {
    Q_OBJECT
public:
    using Callback = std::function<void(int ownerIndex, CCallbackButton& button)>;

    explicit CCallbackButton(QWidget* parent = nullptr);

    void setOwner(int ownerIndex, Callback focusCallback, Callback clickCallback);
    void setFullCaption(const QString& caption);
    const QString& fullCaption() const { return m_fullCaption; }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    int m_ownerIndex = -1;
    Callback m_focusCallback;
    Callback m_clickCallback;
    QString m_fullCaption;
};

} // namespace tarvo::ui
