#pragma once
// The tree's six 16 x 16 icons, drawn here on magenta (255, 0, 255), the
// transparent colour. Root 0, table 1, script menu folder 3, menu 4; icons 2
// (closed folder) and 5 (keyboard key) are in the list but no node shows them.

#include <QIcon>
#include <QList>

namespace tarvo::ui {

inline constexpr int kTreeIconCount = 6;
inline constexpr int kTreeIconPixels = 16;
inline constexpr int kIconRoot = 0;
inline constexpr int kIconTable = 1;
inline constexpr int kIconMenuFolder = 3;
inline constexpr int kIconMenu = 4;

// The image list, in order.
const QList<QIcon>& treeIcons();

} // namespace tarvo::ui
