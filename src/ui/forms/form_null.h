#pragma once
// CS1_Form_Null: the empty form shown for the root, a table and the script
// menu folder, and for every node that has no editor registered.

#include "ui/forms/form_pane.h"

namespace tarvo::ui {

class CS1_Form_Null final : public FormPane {
    Q_OBJECT
public:
    CS1_Form_Null(const FormContext& context, QWidget* parent);
};

} // namespace tarvo::ui
