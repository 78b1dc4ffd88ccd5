#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

namespace trellis::cadhost {

// The undo and redo steps of a drawing. A step is one command of the user, or all the changes a
// client program makes between two commands of the user (the binding of a row is many calls).
// Each change records how to take it back and how to make it again.
class DrawingHistory {
 public:
  static QString ProgramStepName() {
    return QCoreApplication::translate("DrawingHistory", "Изменения из программы");
  }

  // Opens the step of a user command; changes until End belong to it.
  void Begin(const QString& name);
  void End();
  // A change; outside a user command it joins the client program's step.
  void Record(std::function<void()> undo, std::function<void()> redo);

  bool CanUndo() const { return !done_.empty(); }
  bool CanRedo() const { return !undone_.empty(); }
  QString UndoName() const { return CanUndo() ? done_.back().name : QString(); }
  QString RedoName() const { return CanRedo() ? undone_.back().name : QString(); }
  void Undo();
  void Redo();
  void Clear();

 private:
  struct Step {
    QString name;
    std::vector<std::function<void()>> undo;
    std::vector<std::function<void()>> redo;
  };

  std::vector<Step> done_;
  std::vector<Step> undone_;
  // The last step of done_ takes changes: a user command under way, or the program's step.
  bool open_ = false;
  bool commandOpen_ = false;
  bool replaying_ = false;
};

// The step of a user command for the span of a scope, closed however the scope is left.
class HistoryStep {
 public:
  HistoryStep(DrawingHistory& history, const QString& name) : history_(history) {
    history_.Begin(name);
  }
  ~HistoryStep() { history_.End(); }
  HistoryStep(const HistoryStep&) = delete;
  HistoryStep& operator=(const HistoryStep&) = delete;

 private:
  DrawingHistory& history_;
};

}  // namespace trellis::cadhost
