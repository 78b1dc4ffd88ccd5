#pragma once

namespace trellis {

struct MacroContext;

// The calculation is the macros' work: the program connects the host, writes the data, runs the
// "Ex" section of Buttons.ini and learns from AfterCalc in <base>.ini whether it finished, which
// unlocks the result buttons (the group buttons whose tag is 1).
class CalculationRun {
 public:
  // The command "Ex".
  void RunCalculation(MacroContext& ctx);
  // After a project is created or opened: the results of the last run are gone; a result group
  // that was shown gives way to the first ordinary group.
  void ResetResults(MacroContext& ctx);
  bool ResultsAvailable() const { return resultsAvailable_; }

 private:
  void EnableResultButtons(MacroContext& ctx);

  bool resultsAvailable_ = false;
};

}  // namespace trellis
