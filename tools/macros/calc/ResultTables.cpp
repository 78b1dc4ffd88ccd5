#include "macros/calc/ResultTables.h"

#include "macros/CellValues.h"
#include "macros/ModelTables.h"

namespace trellis::macros::calc {

namespace {

constexpr int kMillimetreDecimals = 5;
constexpr int kTurnDecimals = 8;
constexpr int kForceDecimals = 4;
constexpr int kPositionDecimals = 3;

}  // namespace

std::error_code WriteResultTables(ProjectTables& tables, const Model& model,
                                  const std::vector<CaseResults>& results) {
  TableRows displacements(tables.ColumnCountOf(model::kDisplacements));
  TableRows forces(tables.ColumnCountOf(model::kForcesNM));
  TableRows shears(tables.ColumnCountOf(model::kForcesQ));
  for (const CaseResults& result : results) {
    for (size_t n = 0; n < model.reportedNodes.size(); ++n) {
      const auto& node = result.nodes[n];
      QStringList cells{QString::number(displacements.RowCount() + 1),
                        QString::number(model.reportedNodes[n]), result.label};
      for (size_t d = 0; d < 3; ++d) cells << NumberCell(node[d] * 1000, kMillimetreDecimals);
      for (size_t d = 3; d < 6; ++d) cells << NumberCell(node[d], kTurnDecimals);
      displacements.AddRow(cells);
    }
    for (size_t b = 0; b < model.bars.size(); ++b) {
      const Bar& bar = model.bars[b];
      for (size_t k = 0; k < kStations.size(); ++k) {
        const BarForces& f = result.bars[b][k];
        const QString element = QString::number(bar.number);
        const QString at = NumberCell(kStations[k] * bar.length, kPositionDecimals);
        forces.AddRow({QString::number(forces.RowCount() + 1), element, result.label, at,
                       NumberCell(f.n, kForceDecimals), NumberCell(f.torque, kForceDecimals),
                       NumberCell(f.my, kForceDecimals), NumberCell(f.mz, kForceDecimals)});
        shears.AddRow({QString::number(shears.RowCount() + 1), element, result.label, at,
                       NumberCell(f.qy, kForceDecimals), NumberCell(f.qz, kForceDecimals)});
      }
    }
  }
  return tables.Write({{model::kDisplacements, std::move(displacements)},
                       {model::kForcesNM, std::move(forces)},
                       {model::kForcesQ, std::move(shears)}});
}

}  // namespace trellis::macros::calc
