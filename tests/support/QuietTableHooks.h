#pragma once

#include "tables/TableHooks.h"

namespace trellis::test {

// The table procedures run without a window or a drawing (benchmarks, fuzzing): the host
// counts as reached and every other call out has nothing to act on.
class QuietTableHooks : public TableHooks {
 public:
  bool ConnectCad(bool) override { return true; }
  void ApplyTableSetvar() override {}
  void BuildTableToolbar() override {}
  void ApplyToolbarSize() override {}
  void ShowTableHelp(const QString&) override {}
  void RefreshShowSelect() override {}
  void RunTableHook(const QString&) override {}
  void UpdateGroupButtons() override {}
  void FocusGrid() override {}
  void ProcessEvents() override {}
  void Pause(float) override {}
};

}  // namespace trellis::test
