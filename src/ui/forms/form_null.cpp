#include "ui/forms/form_null.h"

namespace tarvo::ui {

CS1_Form_Null::CS1_Form_Null(const FormContext& context, QWidget* parent) : FormPane(context, parent)
{
    setObjectName(QStringLiteral("CS1_Form_Null"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

} // namespace tarvo::ui
