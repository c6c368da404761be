#include "ui/widgets/callback_button.h"

namespace tarvo::ui {

CCallbackButton::CCallbackButton(QWidget* parent) : QPushButton(parent) {}

void CCallbackButton::setFullCaption(const QString& caption)
{
    m_fullCaption = caption;
    setToolTip(caption);
}

} // namespace tarvo::ui
