#pragma once
// Which form the right-hand pane shows for each node kind. Every kind the
// tree produces shows CS1_Form_Null until an editor registers its factory
// for that kind (the script menu editors register kinds 8 and 9 at start-up):
//
//   tarvo::ui::FormRegistry::registerForm(tarvo::ui::kNodeMainMenu,
//       [](const FormContext& c, QWidget* parent) { return new MyForm(c, parent); });

#include "ui/form_pane.h"

#include <functional>

namespace tarvo::ui {

class FormRegistry {
public:
    using Factory = std::function<FormPane*(const FormContext& context, QWidget* parent)>;

    // Replaces the factory of kind; an empty factory goes back to CS1_Form_Null.
    static void registerForm(int kind, Factory factory);
    // True when a factory is registered for kind.
    static bool hasForm(int kind);
    // True for the kinds the tree produces (0, 1, 5, 8, 9).
    static bool knownKind(int kind);
    // A new form for kind, or nullptr for an unknown kind.
    static FormPane* create(int kind, const FormContext& context, QWidget* parent);
};

} // namespace tarvo::ui
