#pragma once

#include <QString>

#include <functional>

namespace trellis {

class ApplicationContext;

// The main toolbar's commands: the frame every click runs in (controls disabled, progress
// shown, the saved-state bookkeeping, everything enabled again whatever happens) and the work
// of each key.
class CommandDispatch {
 public:
  struct WindowActions {
    std::function<void()> formResize;
    std::function<void(const QString&)> showTableHelp;
    std::function<void(int)> openCellEditor;
    std::function<void(const QString&)> openHelpFile;
  };
  CommandDispatch(ApplicationContext& app, WindowActions window);

  // Toolbar1_ButtonClick: the button at Position (from 1).
  void ButtonClick(int position);
  // Toolbar1_ButtonMenuClick: item (from 1) of the drop-down menu of the button at Position.
  void MenuClick(int position, int item);
  // An entry of the open button's menu (or a project named on the command line): opened
  // without the unsaved-changes prompt, then the results and layer buttons reset.
  void OpenRecent(const QString& path);
  // The command of Key; Pressed is the button's state (used by Show). False when it ended
  // early.
  bool RunCommand(const QString& key, bool pressed);

 private:
  ApplicationContext& app_;
  WindowActions window_;
};

}  // namespace trellis
