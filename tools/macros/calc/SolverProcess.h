#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace trellis::macros::calc {

// How a run of the solver ended.
struct SolverRun {
  enum class End { Done, Failed, Stopped, Missing };
  End end = End::Failed;
  QStringList faultLines;  // the solver's own words about what went wrong
};

// Watches a run: told of every line the solver prints, asked now and then whether to stop.
struct SolverWatch {
  std::function<void(const QString& line)> line;
  std::function<bool()> stopRequested;
};

// Runs CalculiX (Program, "ccx" when found on the PATH) on Job.inp in Folder as a child process
// and waits for it, keeping the caller's events flowing so a stop request can arrive. A stop
// ends the child. A run is done only when the solver says it finished and reported no error.
SolverRun RunSolver(const QString& program, const QString& folder, const QString& job,
                    const SolverWatch& watch);

}  // namespace trellis::macros::calc
