#include "macros/calc/Calculation.h"

#include "app/IniFiles.h"
#include "app/ReplacementFile.h"
#include "macros/calc/ResultTables.h"
#include "macros/calc/ResultsSummary.h"
#include "macros/calc/SolverProcess.h"
#include "macros/check/SchemeCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace trellis::macros::calc {

namespace {

// A linear solution that moves a node farther than this many times the structure's size only
// comes from a stiffness matrix that is singular: the scheme can move without resistance.
constexpr double kSingularMovement = 100;

using End = CalculationOutcome::End;

class CalculationRun {
  Q_DECLARE_TR_FUNCTIONS(Calculation)

 public:
  CalculationRun(ProjectTables& tables, const CalculationInput& input,
                 const CalculationWatch& watch)
      : tables_(tables), input_(input), watch_(watch) {}

  CalculationOutcome Run() {
    QFile::remove(SummaryFile());
    SetAfterCalc(QStringLiteral("0"));
    if (!Check() || !GoOn() || !WriteDeck() || !Solve() || !GoOn() || !ReadResults() ||
        !GoOn() || !WriteTables()) {
      return std::move(outcome_);
    }
    WriteSummary();
    if (SetAfterCalc(QStringLiteral("1"))) {
      outcome_.end = End::Done;
    } else {
      Fail(tr("Результаты записаны, но отметка о завершении расчета не записана в "
              "%1.")
               .arg(SettingsFile()));
    }
    return std::move(outcome_);
  }

 private:
  QString SettingsFile() const {
    return input_.workingFolder + QLatin1Char('/') + input_.baseName + QStringLiteral(".ini");
  }
  QString SummaryFile() const {
    return input_.workingFolder + QLatin1Char('/') + input_.baseName + QStringLiteral(".htm");
  }
  QString SolverFolder() const { return input_.workingFolder + QStringLiteral("/calculix"); }

  bool SetAfterCalc(const QString& value) {
    IniFiles ini;
    return ini.WriteIni(u"Calc", u"AfterCalc", value, SettingsFile());
  }

  void Status(const QString& text) {
    if (watch_.status) watch_.status(text);
  }
  bool StopRequested() const { return watch_.stopRequested && watch_.stopRequested(); }

  bool Fail(const QString& message, End end = End::Failed) {
    outcome_.end = end;
    outcome_.message = message;
    return false;
  }

  // Between the steps a stop request ends the run before anything is written.
  bool GoOn() {
    if (!StopRequested()) return true;
    return Fail(tr("Расчет остановлен по запросу: результаты не записаны."), End::Stopped);
  }

  bool Check() {
    Status(tr("Расчет: проверка расчетной схемы..."));
    outcome_.problems = CheckScheme(tables_, input_.objectsInGroups, input_.options.spatial);
    if (outcome_.problems.empty()) {
      ModelReading reading = ReadModel(tables_, input_.options);
      outcome_.problems = std::move(reading.problems);
      outcome_.model = std::move(reading.model);
    }
    if (!outcome_.problems.empty()) {
      return Fail(tr("Расчет не выполнен: в расчетной схеме ошибки (%1), они "
                     "перечислены в списке ошибок.")
                      .arg(outcome_.problems.size()),
                  End::Refused);
    }
    return true;
  }

  bool WriteDeck() {
    Status(tr("Расчет: запись исходных данных CalculiX..."));
    outcome_.layout = LayOut(outcome_.model);
    if (!QDir().mkpath(SolverFolder())) {
      return Fail(tr("Папка %1 не создается.").arg(SolverFolder()));
    }
    QFile::remove(SolverFolder() + QLatin1Char('/') + input_.baseName + QStringLiteral(".frd"));
    const QString deck = calc::WriteDeck(outcome_.model, outcome_.layout);
    const QString deckFile =
        SolverFolder() + QLatin1Char('/') + input_.baseName + QStringLiteral(".inp");
    if (const std::error_code error = ReplaceFileAtomically(deckFile, deck.toUtf8(), Durability::Scratch)) {
      return Fail(tr("Исходные данные CalculiX не записаны: %1.")
                      .arg(QString::fromStdString(error.message())));
    }
    return true;
  }

  bool Solve() {
    const int count = int(outcome_.model.cases.size());
    Status(tr("Расчет CalculiX: загружений %1...").arg(count));
    static const QRegularExpression stepLine(QStringLiteral("^STEP\\s+(\\d+)$"));
    SolverWatch watch;
    watch.line = [this, count](const QString& line) {
      const QRegularExpressionMatch step = stepLine.match(line);
      if (step.hasMatch()) {
        Status(tr("Расчет CalculiX: загружение %1 из %2").arg(step.captured(1)).arg(count));
      }
    };
    watch.stopRequested = [this] { return StopRequested(); };
    const SolverRun run = RunSolver(input_.solver, SolverFolder(), input_.baseName, watch);
    outcome_.solverWords = run.faultLines;
    switch (run.end) {
      case SolverRun::End::Done:
        return true;
      case SolverRun::End::Stopped:
        return Fail(tr("Расчет остановлен по запросу: CalculiX прерван, результаты "
                       "не записаны."),
                    End::Stopped);
      case SolverRun::End::Missing:
        return Fail(tr("Расчет не выполнен: программа CalculiX (%1) не запускается. "
                       "Установите пакет calculix-ccx.")
                        .arg(input_.solver));
      case SolverRun::End::Failed:
        break;
    }
    return Fail(
        tr("Расчет не выполнен: CalculiX сообщил об ошибке. Его сообщения — "
           "в окне отчета."));
  }

  bool ReadResults() {
    Status(tr("Расчет: чтение результатов..."));
    SolverResults read = ReadSolverResults(SolverFolder() + QLatin1Char('/') + input_.baseName +
                                           QStringLiteral(".frd"));
    if (!read.fault.isEmpty()) {
      return Fail(tr("Результаты CalculiX не прочитаны: %1.").arg(read.fault));
    }
    const Model& model = outcome_.model;
    if (read.steps.size() != model.cases.size()) {
      return Fail(tr("CalculiX дал результаты %1 загружений из %2.")
                      .arg(read.steps.size())
                      .arg(model.cases.size()));
    }
    const double limit = kSingularMovement * std::max(1.0, Size());
    for (size_t c = 0; c < read.steps.size(); ++c) {
      for (const auto& moved : read.steps[c].displacements) {
        const double length = std::hypot(moved[0], moved[1], moved[2]);
        if (!std::isfinite(length) || length > limit) {
          return Fail(tr("Расчет не выполнен: матрица жесткости вырождена "
                         "(загружение %1) — схема или ее часть может двигаться без "
                         "сопротивления. Проверьте закрепления и шарниры.")
                          .arg(model.cases[c].number));
        }
      }
      outcome_.results.push_back(ResultsOfStep(model, outcome_.layout, model.cases[c], read.steps[c]));
    }
    for (const Combination& combination : model.combinations) {
      outcome_.results.push_back(Combine(model, combination, outcome_.results));
    }
    outcome_.steps = std::move(read.steps);
    return true;
  }

  double Size() const {
    double size = 0;
    const auto& nodes = outcome_.model.nodes;
    if (nodes.isEmpty()) return 0;
    const Point3 first = *nodes.cbegin();
    for (const Point3& p : nodes) size = std::max(size, Distance(p, first));
    return size;
  }

  bool WriteTables() {
    Status(tr("Расчет: запись таблиц результатов..."));
    if (const std::error_code error = WriteResultTables(tables_, outcome_.model, outcome_.results)) {
      return Fail(
          tr("Таблицы результатов не записаны: %1.").arg(QString::fromStdString(error.message())));
    }
    return true;
  }

  void WriteSummary() {
    // The summary is a convenience: the tables hold the results whether it is written or not.
    (void)ReplaceFileAtomically(
        SummaryFile(), SummaryHtml(input_.baseName, outcome_.model, outcome_.results).toUtf8());
  }

  ProjectTables& tables_;
  const CalculationInput& input_;
  const CalculationWatch& watch_;
  CalculationOutcome outcome_;
};

}  // namespace

QString SolverProgram() {
  const QString chosen = qEnvironmentVariable("TRELLIS_CCX");
  return chosen.isEmpty() ? QStringLiteral("ccx") : chosen;
}

CalculationOutcome Calculate(ProjectTables& tables, const CalculationInput& input,
                             const CalculationWatch& watch) {
  return CalculationRun(tables, input, watch).Run();
}

}  // namespace trellis::macros::calc
