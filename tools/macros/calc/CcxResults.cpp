#include "macros/calc/CcxResults.h"

#include <QCoreApplication>
#include <QFile>

namespace trellis::macros::calc {

namespace {

// A value line of a result block: " -1", the node in ten columns, then values of twelve
// columns each, which may touch ("1.0E+00-2.0E+00").
template <size_t Count>
bool ReadValues(const QByteArray& line, int& node, std::array<double, Count>& values) {
  if (line.size() < qsizetype(13 + 12 * Count)) return false;
  bool ok = false;
  node = line.mid(3, 10).trimmed().toInt(&ok);
  if (!ok) return false;
  for (size_t i = 0; i < Count; ++i) {
    values[i] = line.mid(qsizetype(13 + 12 * i), 12).trimmed().toDouble(&ok);
    if (!ok) return false;
  }
  return true;
}

}  // namespace

SolverResults ReadSolverResults(const QString& frdFile) {
  SolverResults results;
  QFile file(frdFile);
  if (!file.open(QIODevice::ReadOnly)) {
    results.fault =
        QCoreApplication::translate("CcxResults", "файл результатов %1 не открывается (%2)")
            .arg(frdFile, file.errorString());
    return results;
  }
  enum class Block { None, Displacements, Forces } block = Block::None;
  while (!file.atEnd()) {
    const QByteArray line = file.readLine();
    if (line.startsWith(" -4")) {
      const QByteArray name = line.mid(3).trimmed().split(' ').value(0);
      if (name == "DISP") {
        results.steps.emplace_back();
        block = Block::Displacements;
      } else if (name == "STRESS" && !results.steps.empty()) {
        block = Block::Forces;
      } else {
        block = Block::None;
      }
      continue;
    }
    if (line.startsWith(" -3")) {
      block = Block::None;
      continue;
    }
    if (block == Block::None || !line.startsWith(" -1")) continue;
    int node = 0;
    bool read = false;
    if (block == Block::Displacements) {
      std::array<double, 3> values{};
      read = ReadValues(line, node, values);
      if (read) results.steps.back().displacements.insert(node, values);
    } else {
      std::array<double, 6> values{};
      read = ReadValues(line, node, values);
      if (read) results.steps.back().sectionForces.insert(node, values);
    }
    if (!read) {
      results.fault =
          QCoreApplication::translate("CcxResults", "в файле результатов %1 нечитаемая строка: %2")
              .arg(frdFile, QString::fromLatin1(line.trimmed()));
      return results;
    }
  }
  return results;
}

}  // namespace trellis::macros::calc
