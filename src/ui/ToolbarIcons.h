#pragma once

#include <QIcon>
#include <QString>

namespace trellis {

// The main toolbar's pictures, drawn as vectors at every size asked, so they are crisp with
// small and large buttons and need no icon theme. Unknown keys give a null icon.
QIcon MainToolbarIcon(const QString& imageKey);

// Check box and option cell pictures: image 1 set, image 2 clear.
// The program's own icon, for its windows.
QIcon ProgramIcon();
QIcon CheckCellIcon(bool set);
QIcon OptionCellIcon(bool set);

}  // namespace trellis
