#include "ui/form_registry.h"

#include "ui/form_null.h"
#include "ui/node_key.h"

#include <map>

namespace tarvo::ui {

namespace {

constexpr int kKnownKinds[] = {kNodeRoot, kNodeTable, kNodeMenuFolder, kNodeMainMenu, kNodeSubMenu};

std::map<int, FormRegistry::Factory>& factories()
{
    static std::map<int, FormRegistry::Factory> registered;
    return registered;
}

} // namespace

void FormRegistry::registerForm(int kind, Factory factory)
{
    if (factory)
        factories()[kind] = std::move(factory);
    else
        factories().erase(kind);
}

bool FormRegistry::hasForm(int kind)
{
    return factories().count(kind) != 0;
}

bool FormRegistry::knownKind(int kind)
{
    for (const int known : kKnownKinds)
        if (known == kind)
            return true;
    return false;
}

FormPane* FormRegistry::create(int kind, const FormContext& context, QWidget* parent)
{
    if (!knownKind(kind))
        return nullptr;
    const auto found = factories().find(kind);
    if (found != factories().end())
        if (FormPane* form = found->second(context, parent))
            return form;
    return new CS1_Form_Null(context, parent);
}

} // namespace tarvo::ui
