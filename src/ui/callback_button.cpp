#include "ui/callback_button.h"

namespace tarvo::ui {

CCallbackButton::CCallbackButton(QWidget* parent) : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, [this] {
        if (m_clickCallback)
            m_clickCallback(m_ownerIndex, *this);
    });
}

void CCallbackButton::setOwner(int ownerIndex, Callback focusCallback, Callback clickCallback)
{
    m_ownerIndex = ownerIndex;
    m_focusCallback = std::move(focusCallback);
    m_clickCallback = std::move(clickCallback);
}

void CCallbackButton::setFullCaption(const QString& caption)
{
    m_fullCaption = caption;
    setToolTip(caption);
}

void CCallbackButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    if (m_focusCallback)
        m_focusCallback(m_ownerIndex, *this);
}

} // namespace tarvo::ui
