#pragma once

#include "tables/TableEdits.h"

#include <QObject>
#include <QString>

#include <deque>
#include <vector>

namespace trellis {

// What one command did to one table, named by the extension of its working file: the base
// name may change (Save As) while the steps stay valid.
struct TableEditList {
  QString extension;
  int columns = 0;
  std::vector<TableEditOp> ops;
};

// One command as the user undoes it: its name for the tooltips, the table it was given in
// first, then the tables it changed through links.
struct EditStep {
  QString name;
  std::vector<TableEditList> tables;
};

// The steps of one project that can be taken back and done again. A new step drops the steps
// undone before it; the oldest go once there are more than the limit.
class EditHistory : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaxSteps = 100;

  void Push(EditStep step);
  void Clear();

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  QString UndoName() const { return CanUndo() ? steps_[done_ - 1].name : QString(); }
  QString RedoName() const { return CanRedo() ? steps_[done_].name : QString(); }

  // The step to take back (or do again), which then counts as undone (or done); null when
  // there is none.
  const EditStep* TakeUndo();
  const EditStep* TakeRedo();

  size_t Count() const { return steps_.size(); }
  // Bytes the kept steps hold.
  qsizetype MemoryBytes() const;

 Q_SIGNALS:
  void Changed();

 private:
  std::deque<EditStep> steps_;
  size_t done_ = 0;
};

}  // namespace trellis
