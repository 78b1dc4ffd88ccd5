#include "cad-host/DrawingHistory.h"

namespace trellis::cadhost {

void DrawingHistory::Begin(const QString& name) {
  done_.push_back({name, {}, {}});
  open_ = true;
  commandOpen_ = true;
}

void DrawingHistory::End() {
  if (commandOpen_ && !done_.empty() && done_.back().undo.empty()) done_.pop_back();
  open_ = false;
  commandOpen_ = false;
}

void DrawingHistory::Record(std::function<void()> undo, std::function<void()> redo) {
  if (replaying_) return;
  if (!open_) {
    done_.push_back({ProgramStepName(), {}, {}});
    open_ = true;
  }
  done_.back().undo.push_back(std::move(undo));
  done_.back().redo.push_back(std::move(redo));
  undone_.clear();
}

void DrawingHistory::Undo() {
  if (commandOpen_ || !CanUndo()) return;
  open_ = false;
  Step step = std::move(done_.back());
  done_.pop_back();
  replaying_ = true;
  for (auto undo = step.undo.rbegin(); undo != step.undo.rend(); ++undo) (*undo)();
  replaying_ = false;
  undone_.push_back(std::move(step));
}

void DrawingHistory::Redo() {
  if (commandOpen_ || !CanRedo()) return;
  open_ = false;
  Step step = std::move(undone_.back());
  undone_.pop_back();
  replaying_ = true;
  for (auto& redo : step.redo) redo();
  replaying_ = false;
  done_.push_back(std::move(step));
}

void DrawingHistory::Clear() {
  done_.clear();
  undone_.clear();
  open_ = false;
  commandOpen_ = false;
}

}  // namespace trellis::cadhost
