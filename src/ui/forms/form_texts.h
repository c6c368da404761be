#pragma once
// The texts the script menu forms show.

#include <QString>

namespace tarvo::ui::form_texts {

// Shown when the user tries to change a table whose read-only flag is set.
inline const QString kReadOnlyTable =
    QStringLiteral("This language table is read-only: its script menus can be viewed but not changed.");
// Asked when an edit cannot be stored: why, then whether to drop it.
inline QString discardEdit(const QString& why)
{
    return why + QStringLiteral("\n\nDiscard this edit and keep the entry as it is stored?");
}
// The navigate caption and chooser title when several menus lead back: the count.
inline const QString kLinksCaption = QStringLiteral("[%1] Links");
// One linking menu: its number, width 2, and its name.
inline QString linkingMenuLine(int menu, const QString& name)
{
    return QStringLiteral("%1 - ").arg(menu, 2) + name;
}

} // namespace tarvo::ui::form_texts
