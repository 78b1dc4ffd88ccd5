#pragma once

namespace trellis {

class Toolbar;

// The sixteen command buttons of the main toolbar, with the recent-projects menu of "open"
// (sixteen hidden items) and the menu of "save".
void BuildMainToolbar(Toolbar& toolbar);

}  // namespace trellis
