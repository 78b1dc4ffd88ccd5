#include "macros/calc/CalcModel.h"

#include "macros/CellValues.h"
#include "macros/ModelTables.h"
#include "macros/calc/SectionShapes.h"
#include "macros/scheme/BuiltScheme.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace trellis::macros::calc {

namespace {

using namespace model;

constexpr double kGravity = 9.81;  // m/s²: t/m³ of density to kN/m³ of weight

bool FlatInXZ(const Model& model);

// Reads the tables one after another, gathering what cannot be calculated at its cell.
class ModelReader {
  Q_DECLARE_TR_FUNCTIONS(CalcModel)

 public:
  ModelReader(ProjectTables& tables, const CalcOptions& options)
      : tables_(tables), options_(options) {}

  ModelReading Read() {
    reading_.model.spatial = options_.spatial;
    ReadMaterials();
    ReadSections();
    ReadScheme();
    ReadSupports();
    ReadLoadCases();
    ReadNodeLoads();
    ReadSpanLoads();
    ReadHeating();
    ReadCombinations();
    // A scheme drawn and loaded in the XZ plane is a plane frame whatever the option says: its
    // out-of-plane unknowns would all be nought, and as a plane frame its bars bend without
    // shearing, as a hand calculation has them.
    if (reading_.model.spatial && FlatInXZ(reading_.model)) reading_.model.spatial = false;
    return std::move(reading_);
  }

 private:
  void Problem(const QString& message, const QString& table, int row, int column) {
    reading_.problems.push_back({message, table, row, column});
  }

  // A number cell: empty gives Empty; anything else not a number is a problem.
  double Number(const TableRows& rows, const QString& table, int row, int column, double empty) {
    const QString& text = rows.Cell(row, column);
    if (text.trimmed().isEmpty()) return empty;
    if (const auto value = CellNumber(text)) return *value;
    Problem(tr("Не число: «%1».").arg(text), table, row, column);
    return empty;
  }

  void ReadMaterials() {
    const TableRows rows = tables_.Read(kMaterials);
    for (int row = 1; row <= rows.RowCount(); ++row) {
      const QString number = rows.Cell(row, kNumber).trimmed();
      if (number.isEmpty()) continue;
      Material material;
      material.modulus = Number(rows, kMaterials, row, materials::kModulus, 0) * 1000;
      material.poisson = Number(rows, kMaterials, row, materials::kPoisson, 0);
      material.density = Number(rows, kMaterials, row, materials::kDensity, 0);
      material.expansion = Number(rows, kMaterials, row, materials::kExpansion, 0);
      materials_.insert(number, {material, row});
    }
  }

  void ReadSections() {
    const TableRows rows = tables_.Read(kSections);
    QHash<QString, int> parts;
    for (int row = 1; row <= rows.RowCount(); ++row) {
      const QString number = rows.Cell(row, sections::kSection).trimmed();
      if (number.isEmpty()) continue;
      if (++parts[number] > 1) {
        Problem(tr("Сечение %1 составлено из нескольких участков: такие сечения пока "
                   "не рассчитываются.")
                    .arg(number),
                kSections, row, sections::kSection);
        refusedSections_.insert(number);
        continue;
      }
      const QString shape = CellListItem(rows.Cell(row, sections::kShape));
      const double width = Number(rows, kSections, row, sections::kWidth, 0) / 100;
      const double height = Number(rows, kSections, row, sections::kHeight, 0) / 100;
      const double wall = Number(rows, kSections, row, sections::kWall, 0) / 100;
      SectionOrReason made = MakeSection(shape, width, height, wall);
      if (!made.reason.isEmpty()) {
        Problem(made.reason, kSections, row, sections::kShape);
        refusedSections_.insert(number);
        continue;
      }
      sections_.insert(number, {made.section, rows.Cell(row, sections::kMaterial).trimmed()});
    }
  }

  struct Group {
    bool usable = false;
    bool truss = false;
    bool hinge1 = false;
    bool hinge2 = false;
    double angle = 0;
    Material material;
    Section section;
  };

  Group ReadGroup(const TableRows& rows, int row) {
    Group group;
    const QString type = CellListItem(rows.Cell(row, elementGroups::kType));
    if (type.startsWith(QStringLiteral("Балка на упругом")) ||
        type.startsWith(QStringLiteral("Упругая связь"))) {
      Problem(tr("Элементы типа «%1» пока не рассчитываются.").arg(type), kElementGroups, row,
              elementGroups::kType);
      return group;
    }
    group.truss = type.startsWith(QStringLiteral("Ферменный"));
    const QString sectionNumber = rows.Cell(row, elementGroups::kSection).trimmed();
    const auto section = sections_.constFind(sectionNumber);
    if (section == sections_.cend() || refusedSections_.contains(sectionNumber)) {
      if (refusedSections_.contains(sectionNumber)) return group;  // told at the section
      Problem(tr("Сечение группы не задано или не рассчитывается."), kElementGroups, row,
              elementGroups::kSection);
      return group;
    }
    QString materialNumber = rows.Cell(row, elementGroups::kMaterial).trimmed();
    if (materialNumber.isEmpty()) materialNumber = section->second;
    const auto material = materials_.constFind(materialNumber);
    if (material == materials_.cend() || material->first.modulus <= 0) {
      Problem(tr("У материала группы нет модуля упругости."), kElementGroups, row,
              elementGroups::kMaterial);
      return group;
    }
    group.material = material->first;
    const double factor = Number(rows, kElementGroups, row, elementGroups::kStiffnessFactor, 1);
    if (factor <= 0) {
      Problem(tr("Коэффициент жесткости должен быть больше нуля."), kElementGroups, row,
              elementGroups::kStiffnessFactor);
      return group;
    }
    group.material.modulus *= factor;
    group.section = section->first;
    group.hinge1 = CellIsSet(rows.Cell(row, elementGroups::kHingeAtStart));
    group.hinge2 = CellIsSet(rows.Cell(row, elementGroups::kHingeAtEnd));
    group.angle = Number(rows, kElementGroups, row, elementGroups::kAngle, 0);
    group.usable = true;
    return group;
  }

  void ReadScheme() {
    const BuiltScheme scheme = ReadBuiltScheme(tables_);
    Model& model = reading_.model;
    if (scheme.elements.empty()) {
      Problem(tr("Расчетная схема не построена: нет элементов."), kElements, 0, 0);
      return;
    }
    const TableRows groups = tables_.Read(kElementGroups);
    QHash<QString, Group> groupOf;
    for (int row = 1; row <= groups.RowCount(); ++row) {
      const QString number = groups.Cell(row, kNumber).trimmed();
      if (!number.isEmpty() && scheme.elementsOfGroup.contains(number)) {
        groupOf.insert(number, ReadGroup(groups, row));
      }
    }
    QSet<int> used;
    for (const BuiltScheme::Element& element : scheme.elements) {
      const auto group = groupOf.constFind(element.group);
      if (!scheme.Has(element)) {
        Problem(tr("Элемент %1 ссылается на узел, которого нет.").arg(element.number), kElements,
                element.row, elements::kNode1);
        continue;
      }
      if (group == groupOf.cend()) {
        Problem(tr("Группы элемента %1 нет.").arg(element.number), kElements, element.row,
                elements::kGroup);
        continue;
      }
      if (!group->usable) continue;
      Bar bar;
      bar.number = element.number;
      bar.node1 = element.node1;
      bar.node2 = element.node2;
      bar.group = element.group;
      bar.truss = group->truss;
      bar.hinge1 = group->hinge1;
      bar.hinge2 = group->hinge2;
      bar.material = group->material;
      bar.section = group->section;
      const Point3& from = scheme.nodes[element.node1];
      const Point3& to = scheme.nodes[element.node2];
      bar.length = Distance(from, to);
      if (bar.length <= 0) {
        Problem(tr("Элемент %1 нулевой длины.").arg(element.number), kElements, element.row,
                elements::kNode2);
        continue;
      }
      bar.axes = TurnedAxes(LocalAxesOf(from, to), group->angle);
      barsOfGroup_[bar.group].push_back(int(model.bars.size()));
      model.bars.push_back(bar);
      used.insert(bar.node1);
      used.insert(bar.node2);
    }
    for (int node : used) model.nodes.insert(node, scheme.nodes[node]);
    model.nodeNumbers.assign(used.begin(), used.end());
    std::sort(model.nodeNumbers.begin(), model.nodeNumbers.end());
    nodesOfGroup_ = scheme.nodesOfGroup;
    ChooseReportedNodes();
  }

  // Every node, or only those of the node groups marked for results when any is marked.
  void ChooseReportedNodes() {
    Model& model = reading_.model;
    const TableRows rows = tables_.Read(kNodeGroups);
    QSet<int> marked;
    bool anyMarked = false;
    for (int row = 1; row <= rows.RowCount(); ++row) {
      if (!CellIsSet(rows.Cell(row, nodeGroups::kReportResults))) continue;
      anyMarked = true;
      for (int node : nodesOfGroup_.value(rows.Cell(row, kNumber).trimmed())) {
        if (model.nodes.contains(node)) marked.insert(node);
      }
    }
    if (!anyMarked) {
      model.reportedNodes = model.nodeNumbers;
      return;
    }
    model.reportedNodes.assign(marked.begin(), marked.end());
    std::sort(model.reportedNodes.begin(), model.reportedNodes.end());
  }

  void ReadSupports() {
    const TableRows rows = tables_.Read(kSupports);
    for (int row = 1; row <= rows.RowCount(); ++row) {
      const QString group = rows.Cell(row, supports::kNodeGroup).trimmed();
      if (group.isEmpty()) continue;
      for (int node : nodesOfGroup_.value(group)) {
        if (!reading_.model.nodes.contains(node)) continue;
        std::array<bool, 6>& fixed = reading_.model.supports[node];
        for (int d = 0; d < 6; ++d) {
          fixed[size_t(d)] = fixed[size_t(d)] || CellIsSet(rows.Cell(row, supports::kFirstFixity + d));
        }
      }
    }
  }

  void ReadLoadCases() {
    const TableRows rows = tables_.Read(kLoadCases);
    for (int row = 1; row <= rows.RowCount(); ++row) {
      const QString number = rows.Cell(row, kNumber).trimmed();
      if (number.isEmpty()) continue;
      LoadCase loadCase;
      loadCase.number = number;
      loadCase.name = rows.Cell(row, loadCases::kName).trimmed();
      const double factor =
          options_.designLoads ? Number(rows, kLoadCases, row, loadCases::kReliability, 1) : 1;
      caseIndex_.insert(number, {int(reading_.model.cases.size()), factor});
      if (CellIsSet(rows.Cell(row, loadCases::kSelfWeight))) AddSelfWeight(loadCase);
      reading_.model.cases.push_back(std::move(loadCase));
    }
    if (reading_.model.cases.empty()) {
      Problem(tr("Нет ни одного загружения."), kLoadCases, 0, 0);
    }
  }

  void AddSelfWeight(LoadCase& loadCase) {
    const double factor = options_.designLoads ? options_.selfWeightFactor : 1;
    const auto& bars = reading_.model.bars;
    for (int index = 0; index < int(bars.size()); ++index) {
      const Bar& bar = bars[size_t(index)];
      const double weight = bar.material.density * kGravity * bar.section.area * factor;
      if (weight == 0) continue;
      SpanLoad load;
      load.direction = {-bar.axes.x.z, -bar.axes.y.z, -bar.axes.z.z};  // global −Z, locally
      load.q1 = load.q2 = weight;
      load.to = bar.length;
      loadCase.spanLoads[index].push_back(load);
    }
  }

  // The load case a row of a load table belongs to, with its factor; nullopt (and a problem)
  // for none.
  std::optional<std::pair<LoadCase*, double>> CaseOf(const TableRows& rows, const QString& table,
                                                      int row, int column) {
    const auto found = caseIndex_.constFind(rows.Cell(row, column).trimmed());
    if (found == caseIndex_.cend()) {
      Problem(tr("Загружения с таким номером нет."), table, row, column);
      return std::nullopt;
    }
    return std::make_pair(&reading_.model.cases[size_t(found->first)], found->second);
  }

  void ReadNodeLoads() {
    const TableRows rows = tables_.Read(kNodeLoads);
    for (int row = 1; row <= rows.RowCount(); ++row) {
      if (rows.RowIsEmpty(row)) continue;
      const auto loadCase = CaseOf(rows, kNodeLoads, row, nodeLoads::kLoadCase);
      if (!loadCase) continue;
      std::array<double, 6> load{};
      for (int d = 0; d < 6; ++d) {
        load[size_t(d)] = Number(rows, kNodeLoads, row, nodeLoads::kFx + d, 0) * loadCase->second;
      }
      for (int node : nodesOfGroup_.value(rows.Cell(row, nodeLoads::kGroup).trimmed())) {
        if (!reading_.model.nodes.contains(node)) continue;
        std::array<double, 6>& sum = loadCase->first->nodeLoads[node];
        for (size_t d = 0; d < 6; ++d) sum[d] += load[d];
      }
    }
  }

  void ReadSpanLoads() {
    namespace col = elementLoads;
    const TableRows rows = tables_.Read(kElementLoads);
    for (int row = 1; row <= rows.RowCount(); ++row) {
      if (rows.RowIsEmpty(row)) continue;
      const auto loadCase = CaseOf(rows, kElementLoads, row, col::kLoadCase);
      if (!loadCase) continue;
      int axis = -1;
      for (int d = 0; d < 3; ++d) {
        if (CellIsSet(rows.Cell(row, col::kAlongX + d))) axis = d;
      }
      if (axis < 0) {
        Problem(tr("Не выбрано направление нагрузки (X, Y или Z)."), kElementLoads, row,
                col::kAlongX);
        continue;
      }
      const bool local = CellIsSet(rows.Cell(row, col::kLocalAxes));
      const QString kind = CellListItem(rows.Cell(row, col::kKind));
      SpanLoad load;
      if (kind.startsWith(QStringLiteral("Сосредоточенная"))) {
        load.kind = SpanLoad::Kind::Force;
        load.q1 = Number(rows, kElementLoads, row, col::kForce, 0);
      } else if (kind.startsWith(QStringLiteral("Сосредоточенный"))) {
        load.kind = SpanLoad::Kind::Moment;
        load.q1 = Number(rows, kElementLoads, row, col::kMoment, 0);
      } else {
        load.q1 = Number(rows, kElementLoads, row, col::kQ1, 0);
        load.q2 = kind.startsWith(QStringLiteral("Трапец"))
                      ? Number(rows, kElementLoads, row, col::kQ2, load.q1)
                      : load.q1;
      }
      load.q1 *= loadCase->second;
      load.q2 *= loadCase->second;
      const double a1 = Number(rows, kElementLoads, row, col::kA1, -1);
      const double a2 = Number(rows, kElementLoads, row, col::kA2, -1);
      for (int index : barsOfGroup_.value(rows.Cell(row, col::kGroup).trimmed())) {
        const Bar& bar = reading_.model.bars[size_t(index)];
        SpanLoad onBar = load;
        Point3 global{};
        (axis == 0 ? global.x : axis == 1 ? global.y : global.z) = 1;
        onBar.direction = local ? global : ToLocal(bar.axes, global);
        // Positions count from the element's start; a concentrated load without one sits in
        // the middle, a distributed one covers the whole element.
        if (load.kind == SpanLoad::Kind::Distributed) {
          onBar.from = a1 < 0 ? 0 : std::min(a1, bar.length);
          onBar.to = a2 < 0 ? bar.length : std::min(a2, bar.length);
        } else {
          onBar.from = onBar.to = a1 < 0 ? bar.length / 2 : std::min(a1, bar.length);
        }
        if (onBar.kind == SpanLoad::Kind::Distributed && onBar.to <= onBar.from) continue;
        loadCase->first->spanLoads[index].push_back(onBar);
      }
    }
  }

  void ReadHeating() {
    const TableRows rows = tables_.Read(kTemperature);
    for (int row = 1; row <= rows.RowCount(); ++row) {
      if (rows.RowIsEmpty(row)) continue;
      const auto loadCase = CaseOf(rows, kTemperature, row, temperature::kLoadCase);
      if (!loadCase) continue;
      const Heating heating{
          Number(rows, kTemperature, row, temperature::kUniform, 0) * loadCase->second,
          Number(rows, kTemperature, row, temperature::kUniform + 1, 0) * loadCase->second,
          Number(rows, kTemperature, row, temperature::kUniform + 2, 0) * loadCase->second};
      for (int index : barsOfGroup_.value(rows.Cell(row, temperature::kGroup).trimmed())) {
        Heating& sum = loadCase->first->heating[index];
        sum.uniform += heating.uniform;
        sum.acrossY += heating.acrossY;
        sum.acrossZ += heating.acrossZ;
      }
    }
  }

  // Rows with the same combination number make one combination, in the order they first come.
  void ReadCombinations() {
    namespace col = combinations;
    const TableRows rows = tables_.Read(kCombinations);
    auto& all = reading_.model.combinations;
    for (int row = 1; row <= rows.RowCount(); ++row) {
      if (rows.RowIsEmpty(row)) continue;
      const QString number = rows.Cell(row, col::kCombination).trimmed();
      if (number.isEmpty()) {
        Problem(tr("Не указан номер сочетания."), kCombinations, row, col::kCombination);
        continue;
      }
      const auto loadCase = caseIndex_.constFind(rows.Cell(row, col::kLoadCase).trimmed());
      if (loadCase == caseIndex_.cend()) {
        Problem(tr("Загружения с таким номером нет."), kCombinations, row, col::kLoadCase);
        continue;
      }
      auto combination = std::find_if(all.begin(), all.end(),
                                      [&](const Combination& c) { return c.number == number; });
      if (combination == all.end()) {
        all.push_back({number, rows.Cell(row, col::kName).trimmed(), {}});
        combination = all.end() - 1;
      }
      combination->cases.emplace_back(loadCase->first,
                                      Number(rows, kCombinations, row, col::kFactor, 1));
    }
  }

  ProjectTables& tables_;
  const CalcOptions& options_;
  ModelReading reading_;
  QHash<QString, std::pair<Material, int>> materials_;     // number -> material, row
  QHash<QString, std::pair<Section, QString>> sections_;   // number -> section, material
  QSet<QString> refusedSections_;
  QHash<QString, std::vector<int>> nodesOfGroup_;
  QHash<QString, std::vector<int>> barsOfGroup_;
  QHash<QString, std::pair<int, double>> caseIndex_;  // number -> index, load factor
};

// Whether every node lies in one XZ plane, every bar bends in it (its local y along Y), and every
// load acts in it: no force along Y, no moment about X or Z, no heating across y.
bool FlatInXZ(const Model& model) {
  constexpr double kFlat = 1e-9;
  if (model.nodes.isEmpty()) return false;
  const double y = model.nodes.cbegin()->y;
  for (const Point3& node : model.nodes) {
    if (std::abs(node.y - y) > 1e-6) return false;
  }
  for (const Bar& bar : model.bars) {
    if (std::abs(std::abs(bar.axes.y.y) - 1) > kFlat) return false;
  }
  for (const LoadCase& loadCase : model.cases) {
    for (const auto& load : loadCase.nodeLoads) {
      if (load[1] != 0 || load[3] != 0 || load[5] != 0) return false;
    }
    for (auto bar = loadCase.spanLoads.cbegin(); bar != loadCase.spanLoads.cend(); ++bar) {
      const LocalAxes& axes = model.bars[size_t(bar.key())].axes;
      for (const SpanLoad& load : bar.value()) {
        const Point3 global = ToGlobal(axes, load.direction);
        const bool moment = load.kind == SpanLoad::Kind::Moment;
        if (moment ? (std::abs(global.x) > kFlat || std::abs(global.z) > kFlat)
                   : std::abs(global.y) > kFlat) {
          return false;
        }
      }
    }
    for (const Heating& heating : loadCase.heating) {
      if (heating.acrossY != 0) return false;
    }
  }
  return true;
}

}  // namespace

ModelReading ReadModel(ProjectTables& tables, const CalcOptions& options) {
  return ModelReader(tables, options).Read();
}

}  // namespace trellis::macros::calc
