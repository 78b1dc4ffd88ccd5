#pragma once

#include <QString>

namespace trellis {

// Button sets, icons and answers of the platform's standard message box.
enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageAnswer { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct Message {
  QString text;
  QString caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

struct FileDialogRequest {
  QString caption;
  QString filter;         // "Description|*.ext|Other|*.x" as the program's file filters are written
  QString initialFolder;
  QString fileName;       // proposed name
  bool save = false;      // a save dialog rather than an open one
  bool confirmOverwrite = false;
};

// Every question the program asks the user goes through here: the widgets answer it on
// screen, tests answer it from a script and keep what was asked.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual MessageAnswer Ask(const Message& message) = 0;
  // The chosen path, or "" when the user cancels.
  virtual QString ChooseFile(const FileDialogRequest& request) = 0;
};

}  // namespace trellis
