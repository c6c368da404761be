#pragma once
// Which form the right-hand pane shows for each node kind. Every kind the
// tree produces shows CS1_Form_Null until an editor registers its factory
// for that kind. The application owns one registry, with the script menu
// editors registered for kinds 8 and 9, and each document view makes its
// forms from it:
//
//   forms.registerForm(tarvo::ui::kNodeMainMenu,
//       [](const FormContext& c, QWidget* parent) { return new MyForm(c, parent); });

#include "ui/forms/form_pane.h"

#include <functional>
#include <map>

namespace tarvo::ui {

class FormRegistry {
public:
    using Factory = std::function<FormPane*(const FormContext& context, QWidget* parent)>;

    // Replaces the factory of kind; an empty factory goes back to CS1_Form_Null.
    void registerForm(int kind, Factory factory);
    // A new form for kind, or nullptr for a kind the tree does not produce.
    FormPane* create(int kind, const FormContext& context, QWidget* parent) const;

private:
    std::map<int, Factory> m_factories;
};

} // namespace tarvo::ui
