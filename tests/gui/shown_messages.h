#pragma once
// What the editor reported through the message-box seam.

#include "ui/user_dialogs.h"

#include <QString>

namespace tarvo::app::test {

// The text of the last information box shown since the seam was reset: a
// command's report that it completed ("" when none).
inline QString lastInformation()
{
    const QList<ui::UserDialogs::Shown>& shown = ui::UserDialogs::shown();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        if (it->kind == QStringLiteral("message") && it->icon == ui::UserDialogs::Icon::Information)
            return it->text;
    return {};
}

} // namespace tarvo::app::test
