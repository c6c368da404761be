#include "ui/forms/form_registry.h"

#include "ui/forms/form_null.h"
#include "ui/tree/node_key.h"

namespace tarvo::ui {

void FormRegistry::registerForm(int kind, Factory factory)
{
    if (factory)
        m_factories[kind] = std::move(factory);
    else
        m_factories.erase(kind);
}

FormPane* FormRegistry::create(int kind, const FormContext& context, QWidget* parent) const
{
    if (!knownKind(kind))
        return nullptr;
    const auto found = m_factories.find(kind);
    if (found != m_factories.end())
        if (FormPane* form = found->second(context, parent))
            return form;
    return new CS1_Form_Null(context, parent);
}

} // namespace tarvo::ui
