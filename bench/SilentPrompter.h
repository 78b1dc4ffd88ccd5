#pragma once

#include "app/Prompter.h"

namespace trellis::bench {

// Benchmarks ask nobody: every question is answered OK and every file dialog cancelled.
class SilentPrompter : public Prompter {
 public:
  MessageAnswer Ask(const Message&) override { return MessageAnswer::Ok; }
  QString ChooseFile(const FileDialogRequest&) override { return QString(); }
};

}  // namespace trellis::bench
