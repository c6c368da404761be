#pragma once
// CCallbackButton: a push button whose clicks go to its form (QPushButton's
// clicked signal), and that keeps its full caption (shown as tooltip) while
// the button shows a shortened one.

#include <QPushButton>

namespace tarvo::ui {

class CCallbackButton : public QPushButton {
    Q_OBJECT
public:
    explicit CCallbackButton(QWidget* parent = nullptr);

    void setFullCaption(const QString& caption);
    const QString& fullCaption() const { return m_fullCaption; }

private:
    QString m_fullCaption;
};

} // namespace tarvo::ui
