#include "tables/EditHistory.h"

namespace trellis {

void EditHistory::Push(EditStep step) {
  steps_.erase(steps_.begin() + ptrdiff_t(done_), steps_.end());
  steps_.push_back(std::move(step));
  if (steps_.size() > size_t(kMaxSteps)) steps_.pop_front();
  done_ = steps_.size();
  Q_EMIT Changed();
}

void EditHistory::Clear() {
  if (steps_.empty()) return;
  steps_.clear();
  done_ = 0;
  Q_EMIT Changed();
}

const EditStep* EditHistory::TakeUndo() {
  if (!CanUndo()) return nullptr;
  const EditStep* step = &steps_[--done_];
  Q_EMIT Changed();
  return step;
}

const EditStep* EditHistory::TakeRedo() {
  if (!CanRedo()) return nullptr;
  const EditStep* step = &steps_[done_++];
  Q_EMIT Changed();
  return step;
}

qsizetype EditHistory::MemoryBytes() const {
  qsizetype bytes = 0;
  for (const EditStep& step : steps_) {
    bytes += qsizetype(sizeof(step)) + step.name.capacity() * 2;
    for (const TableEditList& table : step.tables) {
      for (const TableEditOp& op : table.ops) bytes += EditBytes(op);
    }
  }
  return bytes;
}

}  // namespace trellis
