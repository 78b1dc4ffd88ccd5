#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace trellis::macros::calc {

// trellis --calculate PROJECT.d01: calculates a saved project in its own folder without a
// window, with the options of its settings file, and writes the result tables beside it.
// 0 when done; 1 when it failed (the reason, or the problems at their cells, on Errors);
// 2 for bad arguments.
int CalculateFromCommandLine(const QStringList& args, const QString& programFolder,
                             QTextStream& errors);

}  // namespace trellis::macros::calc
