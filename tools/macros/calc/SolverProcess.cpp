#include "macros/calc/SolverProcess.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

namespace trellis::macros::calc {

namespace {

constexpr int kPollMilliseconds = 50;
constexpr int kLinesAfterError = 4;  // the solver explains an error on the lines that follow

}  // namespace

SolverRun RunSolver(const QString& program, const QString& folder, const QString& job,
                    const SolverWatch& watch) {
  SolverRun run;
  QProcess solver;
  solver.setWorkingDirectory(folder);
  solver.setProcessChannelMode(QProcess::MergedChannels);
  // CalculiX assembles and solves on one core unless told otherwise.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (!environment.contains(QStringLiteral("OMP_NUM_THREADS"))) {
    environment.insert(QStringLiteral("OMP_NUM_THREADS"), QString::number(QThread::idealThreadCount()));
  }
  solver.setProcessEnvironment(environment);
  solver.start(program, {QStringLiteral("-i"), job});
  if (!solver.waitForStarted()) {
    run.end = SolverRun::End::Missing;
    run.faultLines << solver.errorString();
    return run;
  }
  QByteArray pending;
  bool finishedWord = false;
  int explaining = 0;
  auto takeLines = [&] {
    pending += solver.readAll();
    qsizetype end = 0;
    while ((end = pending.indexOf('\n')) >= 0) {
      const QString line = QString::fromLocal8Bit(pending.left(end)).trimmed();
      pending.remove(0, end + 1);
      if (line.isEmpty()) continue;
      if (line.contains(QLatin1String("*ERROR"))) explaining = kLinesAfterError + 1;
      if (explaining > 0) {
        run.faultLines << line;
        --explaining;
      }
      if (line == QLatin1String("Job finished")) finishedWord = true;
      if (watch.line) watch.line(line);
    }
  };
  // The events processed here may deliver the child's end, after which waiting returns false
  // at once: the state tells the end.
  while (solver.state() != QProcess::NotRunning && !solver.waitForFinished(kPollMilliseconds)) {
    takeLines();
    QCoreApplication::processEvents();
    if (watch.stopRequested && watch.stopRequested()) {
      solver.kill();
      solver.waitForFinished();
      run.end = SolverRun::End::Stopped;
      return run;
    }
  }
  pending += '\n';
  takeLines();
  const bool exitedWell = solver.exitStatus() == QProcess::NormalExit && solver.exitCode() == 0;
  if (exitedWell && finishedWord && run.faultLines.isEmpty()) {
    run.end = SolverRun::End::Done;
    return run;
  }
  run.end = SolverRun::End::Failed;
  if (solver.exitStatus() != QProcess::NormalExit) {
    run.faultLines
        << QCoreApplication::translate("SolverProcess", "%1 завершился аварийно.").arg(program);
  } else if (!finishedWord && run.faultLines.isEmpty()) {
    run.faultLines << QCoreApplication::translate(
                          "SolverProcess", "%1 закончил работу с кодом %2, не завершив расчет.")
                          .arg(program)
                          .arg(solver.exitCode());
  }
  return run;
}

}  // namespace trellis::macros::calc
