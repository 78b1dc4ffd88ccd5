#pragma once

namespace trellis {

// The calls project operations make into the main window and the CAD side; the application
// answers them.
class ProjectHooks {
 public:
  virtual ~ProjectHooks() = default;

  // Hourglass pointer and the whole main window disabled while project files are written.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
  // Another project was created or opened: the previous one's calculation results are gone
  // and the left toolbar's layer buttons are released.
  virtual void ResetAfterProjectChange() = 0;
};

// The busy state for the length of a scope, ended also when a step throws.
class BusyScope {
 public:
  explicit BusyScope(ProjectHooks& hooks) : hooks_(hooks) { hooks_.BeginBusy(); }
  ~BusyScope() { hooks_.EndBusy(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  ProjectHooks& hooks_;
};

}  // namespace trellis
