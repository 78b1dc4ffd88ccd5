#include "macros/check/SchemeCheck.h"

#include "macros/CellValues.h"
#include "macros/ModelTables.h"
#include "macros/scheme/Vectors.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <utility>

namespace trellis::macros {

namespace {

using namespace model;

// The problems are told in the user's language.
struct Texts {
  Q_DECLARE_TR_FUNCTIONS(SchemeCheck)
};

// Ends closer than the finest tolerance a scheme is built with are one place.
constexpr double kZeroLength = 1e-6;
// A piece of the scheme is named by its first main nodes, no more than this many.
constexpr int kListedNodes = 10;
constexpr int kFixities = 6;  // X, Y, Z, UX, UY, UZ

// What a reference and the value it names compare by: whole numbers by value, so "3" and
// "3,0" name the same row.
QString KeyOf(const QString& text) {
  const QString trimmed = text.trimmed();
  // Plain row numbers are nearly all there is: taken as they are, without parsing.
  if (!trimmed.isEmpty() && trimmed.size() < 10 && trimmed.front() != u'0' &&
      std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
    return trimmed;
  }
  const auto number = CellNumber(trimmed);
  if (number && std::abs(*number) < 1e15 && *number == std::floor(*number)) {
    return QString::number(qint64(*number));
  }
  return trimmed;
}

template <typename Visit>
void ForFilledRows(const TableRows& rows, Visit&& visit) {
  for (int row = 1; row <= rows.RowCount(); ++row) {
    if (!rows.RowIsEmpty(row)) visit(row);
  }
}

QSet<QString> ColumnKeys(const TableRows& rows, int column) {
  QSet<QString> keys;
  ForFilledRows(rows, [&](int row) {
    const QString key = KeyOf(rows.Cell(row, column));
    if (!key.isEmpty()) keys.insert(key);
  });
  return keys;
}

// "Группа элементов 3", or "Группа элементов в строке 4" for a row without a number.
QString RowLabel(const QString& what, const TableRows& rows, int row) {
  const QString number = rows.Cell(row, kNumber).trimmed();
  if (number.isEmpty()) return Texts::tr("%1 в строке %2").arg(what).arg(row);
  return what + u' ' + number;
}

// Why Text is no positive number, or "" when it is one; What is a masculine noun.
QString NotPositive(const QString& text, const QString& what) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return Texts::tr("%1 не задан").arg(what);
  const auto value = CellNumber(trimmed);
  if (!value) return Texts::tr("%1 — не число («%2»)").arg(what, trimmed);
  if (*value <= 0) {
    return Texts::tr("%1 должен быть больше нуля, а задан %2").arg(what, trimmed);
  }
  return QString();
}

// The tables read once each, and the problems found in them.
class Project {
 public:
  explicit Project(ProjectTables& tables) : tables_(tables) {}

  ProjectTables& Tables() { return tables_; }
  const TableRows& Rows(const QString& key) {
    auto found = rows_.find(key);
    if (found == rows_.end()) found = rows_.emplace(key, tables_.Read(key)).first;
    return found->second;
  }
  void Add(QString message, const QString& key, int row, int column) {
    problems.push_back({std::move(message), key, row, column});
  }

  std::vector<SchemeProblem> problems;

 private:
  ProjectTables& tables_;
  std::map<QString, TableRows> rows_;
};

// ---- References between tables, from the column description files

// A value of a column's description, as the program's grid reads it.
QString Described(ProjectTables& tables, const QString& key, int column, const char* name) {
  return tables.ColumnValue(key, column, QLatin1String(name)).trimmed();
}

QString ColumnName(ProjectTables& tables, const QString& key, int column) {
  return Described(tables, key, column, "Name").replace(u'_', u' ');
}

// The column of Source that a reference by Var names: the first of that Var that is no
// reference itself, or else one that is.
int ReferencedColumn(ProjectTables& tables, const QString& source, const QString& var) {
  int found = 0;
  for (int column = tables.ColumnCountOf(source); column >= 1; --column) {
    if (Described(tables, source, column, "Var").compare(var, Qt::CaseInsensitive) != 0) continue;
    if (Described(tables, source, column, "Source").isEmpty() || !found) found = column;
  }
  return found;
}

void CheckReferencesFrom(Project& p, const QString& key, int column, const QString& source,
                         const QString& var,
                         std::map<std::pair<QString, int>, QSet<QString>>& targets) {
  ProjectTables& tables = p.Tables();
  const int target = ReferencedColumn(tables, source, var);
  if (target == 0) return;
  auto values = targets.find({source, target});
  if (values == targets.end()) {
    values = targets.emplace(std::pair(source, target), ColumnKeys(p.Rows(source), target)).first;
  }
  const TableRows& rows = p.Rows(key);
  const QString tableName = tables.NameOf(key);
  const QString columnName = ColumnName(tables, key, column);
  const QString sourceName = tables.NameOf(source);
  ForFilledRows(rows, [&](int row) {
    const QString value = rows.Cell(row, column).trimmed();
    if (value.isEmpty() || values->second.contains(KeyOf(value))) return;
    p.Add(Texts::tr("%1, строка %2, «%3»: %4 нет в таблице «%5»")
              .arg(tableName)
              .arg(row)
              .arg(columnName, value, sourceName),
          key, row, column);
  });
}

// A column others refer to names each row once; a repeated number makes references ambiguous.
void CheckUniqueKeys(Project& p, const QString& key, int column) {
  const TableRows& rows = p.Rows(key);
  const QString tableName = p.Tables().NameOf(key);
  const QString columnName = ColumnName(p.Tables(), key, column);
  QHash<QString, int> firstRow;
  ForFilledRows(rows, [&](int row) {
    const QString value = KeyOf(rows.Cell(row, column));
    if (value.isEmpty()) return;
    const auto found = firstRow.constFind(value);
    if (found == firstRow.constEnd()) {
      firstRow.insert(value, row);
      return;
    }
    p.Add(Texts::tr("%1, строка %2, «%3»: %4 уже есть в строке %5")
              .arg(tableName)
              .arg(row)
              .arg(columnName, rows.Cell(row, column).trimmed())
              .arg(*found),
          key, row, column);
  });
}

void CheckReferences(Project& p) {
  ProjectTables& tables = p.Tables();
  std::map<std::pair<QString, int>, QSet<QString>> targets;
  for (const QString& key : tables.Keys()) {
    const int columns = tables.ColumnCountOf(key);
    for (int column = 1; column <= columns; ++column) {
      if (Described(tables, key, column, "Type").compare(u"i", Qt::CaseInsensitive) != 0) continue;
      const QString var = Described(tables, key, column, "Var");
      if (var.isEmpty()) continue;
      const QString source = Described(tables, key, column, "Source");
      if (source.isEmpty()) {
        CheckUniqueKeys(p, key, column);
      } else {
        CheckReferencesFrom(p, key, column, source, var, targets);
      }
    }
  }
}

// ---- Groups, materials and sections

// Built before a translator is installed: translated where a label is made of them.
const char* const kElementGroup = QT_TRANSLATE_NOOP("SchemeCheck", "Группа элементов");
const char* const kNodeGroup = QT_TRANSLATE_NOOP("SchemeCheck", "Группа узлов");

void CheckElementGroups(Project& p) {
  const TableRows& groups = p.Rows(kElementGroups);
  ForFilledRows(groups, [&](int row) {
    const QString label = RowLabel(Texts::tr(kElementGroup), groups, row);
    if (groups.Cell(row, elementGroups::kMaterial).trimmed().isEmpty()) {
      p.Add(Texts::tr("%1: не задан материал").arg(label), kElementGroups, row,
            elementGroups::kMaterial);
    }
    if (groups.Cell(row, elementGroups::kSection).trimmed().isEmpty()) {
      p.Add(Texts::tr("%1: не задано сечение").arg(label), kElementGroups, row,
            elementGroups::kSection);
    }
  });
}

// A row of a group table owns its drawing group through its number.
void CheckDrawingGroups(Project& p, const std::optional<QHash<QString, int>>& objectsInGroups) {
  for (const auto& table : {std::pair(kElementGroups, kElementGroup), std::pair(kNodeGroups, kNodeGroup)}) {
    const QString& key = table.first;
    const QString what = Texts::tr(table.second);
    const TableRows& rows = p.Rows(key);
    const QString letter = p.Tables().GroupLetterOf(key);
    ForFilledRows(rows, [&](int row) {
      const QString label = RowLabel(what, rows, row);
      const QString number = rows.Cell(row, kNumber).trimmed();
      if (number.isEmpty()) {
        p.Add(Texts::tr("%1: не задан номер, строка не связана с чертежом").arg(label), key, row,
              kNumber);
        return;
      }
      if (!objectsInGroups) return;
      const QString name = RowGroupName(letter, number).toUpper();
      const auto found = objectsInGroups->constFind(name);
      if (found == objectsInGroups->constEnd()) {
        p.Add(Texts::tr("%1: в чертеже нет ее объектов (нет группы %2)").arg(label, name), key, row,
              kNumber);
      } else if (*found <= 0) {
        p.Add(Texts::tr("%1: в чертеже нет ее объектов (группа %2 пуста)").arg(label, name), key,
              row, kNumber);
      }
    });
  }
}

// Circles and rings are given by a diameter alone.
bool ShapeNeedsHeight(const QString& shape) {
  return shape != u"Круг" && shape != u"Кольцо";
}

// Materials and the shapes sections are made of only matter where an element group uses them.
void CheckMaterialsAndSections(Project& p) {
  const TableRows& groups = p.Rows(kElementGroups);
  const TableRows& shapes = p.Rows(kSections);
  const TableRows& materials = p.Rows(kMaterials);
  const QSet<QString> usedSections = ColumnKeys(groups, elementGroups::kSection);
  QSet<QString> usedMaterials = ColumnKeys(groups, elementGroups::kMaterial);

  ForFilledRows(shapes, [&](int row) {
    if (!usedSections.contains(KeyOf(shapes.Cell(row, sections::kSection)))) return;
    const QString material = KeyOf(shapes.Cell(row, sections::kMaterial));
    if (!material.isEmpty()) usedMaterials.insert(material);
    const QString label = Texts::tr("%1 (сечение %2)")
                              .arg(RowLabel(Texts::tr("Участок сечения"), shapes, row),
                                   shapes.Cell(row, sections::kSection).trimmed());
    const QString shape = CellListItem(shapes.Cell(row, sections::kShape)).trimmed();
    if (shape.isEmpty()) {
      p.Add(Texts::tr("%1: не задана форма").arg(label), kSections, row, sections::kShape);
      return;
    }
    const bool needsHeight = ShapeNeedsHeight(shape);
    const QString width = NotPositive(shapes.Cell(row, sections::kWidth),
                                      needsHeight ? Texts::tr("размер B") : Texts::tr("диаметр B"));
    if (!width.isEmpty()) {
      p.Add(label + QStringLiteral(": ") + width, kSections, row, sections::kWidth);
    }
    if (!needsHeight) return;
    const QString height = NotPositive(shapes.Cell(row, sections::kHeight), Texts::tr("размер H"));
    if (!height.isEmpty()) {
      p.Add(label + QStringLiteral(": ") + height, kSections, row, sections::kHeight);
    }
  });

  ForFilledRows(materials, [&](int row) {
    if (!usedMaterials.contains(KeyOf(materials.Cell(row, kNumber)))) return;
    const QString label = RowLabel(Texts::tr("Материал"), materials, row);
    const QString modulus =
        NotPositive(materials.Cell(row, materials::kModulus), Texts::tr("модуль упругости"));
    if (!modulus.isEmpty()) {
      p.Add(label + QStringLiteral(": ") + modulus, kMaterials, row, materials::kModulus);
    }
    const QString poisson = materials.Cell(row, materials::kPoisson).trimmed();
    if (poisson.isEmpty()) return;
    const auto ratio = CellNumber(poisson);
    if (!ratio) {
      p.Add(Texts::tr("%1: коэффициент Пуассона — не число («%2»)").arg(label, poisson), kMaterials,
            row, materials::kPoisson);
    } else if (*ratio < 0 || *ratio >= 0.5) {
      p.Add(Texts::tr("%1: коэффициент Пуассона должен быть не меньше 0 и меньше 0,5, а задан %2")
                .arg(label, poisson),
            kMaterials, row, materials::kPoisson);
    }
  });
}

// ---- The scheme's geometry

struct MainNode {
  int row = 0;
  QString number;
  int node = -1;  // its place among all nodes, -1 when the table of all nodes lacks it
  QString group;
};

struct Element {
  int row = 0;
  int node1 = -1;  // places among all nodes, -1 for a number that is none
  int node2 = -1;
};

struct Geometry {
  std::vector<QString> numbers;  // of all nodes, in table order
  std::vector<int> rows;
  std::vector<Point3> positions;
  std::vector<int> mainOf;  // each node's place among main nodes, -1 for a division node
  std::vector<MainNode> mains;
  std::vector<Element> elements;
  QHash<QString, int> elementsInGroup;
  QHash<QString, int> nodesInGroup;
};

Geometry ReadGeometry(Project& p) {
  Geometry g;
  const TableRows& all = p.Rows(kAllNodes);
  QHash<QString, int> placeOf;
  QHash<QString, int> placeOfMain;
  ForFilledRows(all, [&](int row) {
    const QString number = KeyOf(all.Cell(row, kNumber));
    if (number.isEmpty() || placeOf.contains(number)) return;
    const int place = int(g.positions.size());
    placeOf.insert(number, place);
    std::array<double, 3> xyz{};
    for (int axis = 0; axis < 3; ++axis) {
      const int column = nodes::kX + axis;
      const QString text = all.Cell(row, column).trimmed();
      const auto value = CellNumber(text);
      if (value) {
        xyz[size_t(axis)] = *value;
        continue;
      }
      const QString what = Texts::tr("координата %1").arg(QStringLiteral("XYZ")[axis]);
      p.Add(text.isEmpty() ? Texts::tr("Узел %1: %2 не задана").arg(number, what)
                           : Texts::tr("Узел %1: %2 — не число («%3»)").arg(number, what, text),
            kAllNodes, row, column);
    }
    g.numbers.push_back(number);
    g.rows.push_back(row);
    g.positions.push_back({xyz[0], xyz[1], xyz[2]});
    const QString main = KeyOf(all.Cell(row, nodes::kGroupOrMain));
    if (!main.isEmpty() && !placeOfMain.contains(main)) placeOfMain.insert(main, place);
  });
  g.mainOf.assign(g.positions.size(), -1);

  const TableRows& mains = p.Rows(kMainNodes);
  ForFilledRows(mains, [&](int row) {
    MainNode main;
    main.row = row;
    main.number = KeyOf(mains.Cell(row, kNumber));
    // Main nodes come first among all nodes with the same numbers, so without the link the
    // number itself is the place.
    main.node = placeOfMain.value(main.number, placeOf.value(main.number, -1));
    main.group = KeyOf(mains.Cell(row, nodes::kGroupOrMain));
    if (!main.group.isEmpty()) ++g.nodesInGroup[main.group];
    if (main.node >= 0 && g.mainOf[size_t(main.node)] < 0) {
      g.mainOf[size_t(main.node)] = int(g.mains.size());
    }
    g.mains.push_back(main);
  });

  const TableRows& elements = p.Rows(kElements);
  ForFilledRows(elements, [&](int row) {
    g.elements.push_back({row, placeOf.value(KeyOf(elements.Cell(row, elements::kNode1)), -1),
                          placeOf.value(KeyOf(elements.Cell(row, elements::kNode2)), -1)});
    const QString group = KeyOf(elements.Cell(row, elements::kGroup));
    if (!group.isEmpty()) ++g.elementsInGroup[group];
  });
  return g;
}

void CheckElements(Project& p, const Geometry& g) {
  const TableRows& elements = p.Rows(kElements);
  for (const Element& element : g.elements) {
    if (element.node1 < 0 || element.node2 < 0) continue;  // the reference check names the node
    const QString label = RowLabel(Texts::tr("Элемент"), elements, element.row);
    if (element.node1 == element.node2) {
      p.Add(Texts::tr("%1: нулевая длина — оба конца в узле %2")
                .arg(label, g.numbers[size_t(element.node1)]),
            kElements, element.row, elements::kNode1);
    } else if (Distance(g.positions[size_t(element.node1)], g.positions[size_t(element.node2)]) <
               kZeroLength) {
      p.Add(Texts::tr("%1: нулевая длина — узлы %2 и %3 совпадают")
                .arg(label, g.numbers[size_t(element.node1)], g.numbers[size_t(element.node2)]),
            kElements, element.row, elements::kNode1);
    }
  }
}

// The pieces of the scheme that elements hold together, by union of their ends.
class Pieces {
 public:
  explicit Pieces(const Geometry& g)
      : parent_(g.positions.size()), touched_(g.positions.size(), false) {
    std::iota(parent_.begin(), parent_.end(), 0);
    for (const Element& element : g.elements) {
      if (element.node1 < 0 || element.node2 < 0) continue;
      touched_[size_t(element.node1)] = touched_[size_t(element.node2)] = true;
      parent_[size_t(Root(element.node1))] = Root(element.node2);
    }
  }
  bool Touched(int node) const { return node >= 0 && touched_[size_t(node)]; }
  int Root(int node) {
    while (parent_[size_t(node)] != node) {
      parent_[size_t(node)] = parent_[size_t(parent_[size_t(node)])];
      node = parent_[size_t(node)];
    }
    return node;
  }

 private:
  std::vector<int> parent_;
  std::vector<bool> touched_;
};

void CheckLooseNodes(Project& p, const Geometry& g, const Pieces& pieces) {
  const TableRows& mains = p.Rows(kMainNodes);
  for (const MainNode& main : g.mains) {
    if (pieces.Touched(main.node)) continue;
    p.Add(Texts::tr("%1 не присоединен ни к одному элементу")
              .arg(RowLabel(Texts::tr("Узел"), mains, main.row)),
          kMainNodes, main.row, kNumber);
  }
}

// ---- Supports and rigid-body motions

struct Fixity {
  std::array<bool, kFixities> fixed{};
  int row = 0;  // the first row of the supports that fixes the group
};

// The fixed node groups by number. Rows that fix nothing or nothing known are problems of
// their own.
QHash<QString, Fixity> ReadSupports(Project& p, const Geometry* g) {
  const TableRows& supports = p.Rows(kSupports);
  const QSet<QString> nodeGroups = ColumnKeys(p.Rows(kNodeGroups), kNumber);
  QHash<QString, Fixity> fixed;
  ForFilledRows(supports, [&](int row) {
    const QString label = RowLabel(Texts::tr("Закрепление"), supports, row);
    Fixity fixity;
    fixity.row = row;
    bool any = false;
    for (int i = 0; i < kFixities; ++i) {
      fixity.fixed[size_t(i)] = CellIsSet(supports.Cell(row, supports::kFirstFixity + i));
      any = any || fixity.fixed[size_t(i)];
    }
    const QString group = KeyOf(supports.Cell(row, supports::kNodeGroup));
    if (group.isEmpty()) {
      p.Add(Texts::tr("%1: не задана группа узлов").arg(label), kSupports, row,
            supports::kNodeGroup);
      return;
    }
    if (!any) {
      p.Add(Texts::tr("%1: не отмечено ни одно закрепление (X, Y, Z, UX, UY, UZ)").arg(label),
            kSupports, row, supports::kFirstFixity);
      return;
    }
    if (g && nodeGroups.contains(group) && g->nodesInGroup.value(group) == 0) {
      p.Add(Texts::tr("%1: в группе узлов %2 нет узлов расчетной схемы")
                .arg(label, supports.Cell(row, supports::kNodeGroup).trimmed()),
            kSupports, row, supports::kNodeGroup);
    }
    const auto found = fixed.find(group);
    if (found == fixed.end()) {
      fixed.insert(group, fixity);
      return;
    }
    for (int i = 0; i < kFixities; ++i) {
      found->fixed[size_t(i)] = found->fixed[size_t(i)] || fixity.fixed[size_t(i)];
    }
  });
  if (fixed.isEmpty()) {
    p.Add(Texts::tr("Схема не закреплена: в таблице «%1» нет ни одной группы узлов с закреплениями")
              .arg(p.Tables().NameOf(kSupports)),
          kSupports, 0, 0);
  }
  return fixed;
}

// A constraint row, or a free motion, over the rigid-body modes.
using Row6 = std::array<double, kFixities>;
using Motion = Row6;

// The rank of the constraint rows by Gaussian elimination with complete pivoting, a pivot
// counting only when it stands out of the largest entry; Free gets a basis of the motions the
// rows leave free, from the triangle left over.
int Restraint(std::vector<Row6> rows, int modes, std::vector<Motion>& free) {
  double largest = 0;
  for (const Row6& r : rows) {
    for (int c = 0; c < modes; ++c) largest = std::max(largest, std::abs(r[size_t(c)]));
  }
  const double tolerance = largest * 1e-9;
  std::array<size_t, kFixities> order{};
  std::iota(order.begin(), order.end(), size_t(0));
  size_t rank = 0;
  for (; rank < size_t(modes) && rank < rows.size(); ++rank) {
    double best = 0;
    size_t pivotRow = 0;
    size_t pivotColumn = 0;
    for (size_t r = rank; r < rows.size(); ++r) {
      for (size_t c = rank; c < size_t(modes); ++c) {
        const double value = std::abs(rows[r][order[c]]);
        if (value > best) {
          best = value;
          pivotRow = r;
          pivotColumn = c;
        }
      }
    }
    if (best <= tolerance || best == 0) break;
    std::swap(rows[rank], rows[pivotRow]);
    std::swap(order[rank], order[pivotColumn]);
    const Row6& pivot = rows[rank];
    for (size_t r = rank + 1; r < rows.size(); ++r) {
      const double factor = rows[r][order[rank]] / pivot[order[rank]];
      if (factor == 0) continue;
      for (size_t c = rank; c < size_t(modes); ++c) rows[r][order[c]] -= factor * pivot[order[c]];
    }
  }
  for (size_t f = rank; f < size_t(modes); ++f) {
    Motion motion{};
    motion[order[f]] = 1;
    for (size_t i = rank; i-- > 0;) {
      double sum = 0;
      for (size_t j = i + 1; j < size_t(modes); ++j) sum += rows[i][order[j]] * motion[order[j]];
      motion[order[i]] = -sum / rows[i][order[i]];
    }
    free.push_back(motion);
  }
  return int(rank);
}

// A fixed degree of freedom at a node D from the piece's centroid (in units of the piece's
// size) as a row over the rigid-body modes: how far each mode moves the node that way. In
// space the modes are the translations X, Y, Z and the rotations about X, Y, Z; in the XZ plane
// the translations X, Z and the rotation about Y.
void AddConstraintRows(std::vector<Row6>& rows, const std::array<bool, kFixities>& fixed,
                       const Point3& d, bool spatial) {
  if (spatial) {
    const Row6 space[kFixities] = {{1, 0, 0, 0, d.z, -d.y}, {0, 1, 0, -d.z, 0, d.x},
                                   {0, 0, 1, d.y, -d.x, 0}, {0, 0, 0, 1, 0, 0},
                                   {0, 0, 0, 0, 1, 0},      {0, 0, 0, 0, 0, 1}};
    for (int i = 0; i < kFixities; ++i) {
      if (fixed[size_t(i)]) rows.push_back(space[i]);
    }
    return;
  }
  if (fixed[0]) rows.push_back({1, 0, d.z});
  if (fixed[2]) rows.push_back({0, 1, -d.x});
  if (fixed[4]) rows.push_back({0, 0, 1});
}

// A free motion in words, when it is one translation or a rotation about one axis (through
// wherever its translation puts the axis); "" for anything else.
QString MotionName(const Motion& motion, bool spatial) {
  // The modes' directions: translations, then rotations.
  static const char* const space[] = {"X", "Y", "Z", "X", "Y", "Z"};
  static const char* const plane[] = {"X", "Z", "Y"};
  const int modes = spatial ? kFixities : 3;
  const int firstRotation = spatial ? 3 : 2;
  double largest = 0;
  for (int m = 0; m < modes; ++m) largest = std::max(largest, std::abs(motion[size_t(m)]));
  std::vector<int> translations, rotations;
  for (int m = 0; m < modes; ++m) {
    if (std::abs(motion[size_t(m)]) > largest * 1e-6) {
      (m < firstRotation ? translations : rotations).push_back(m);
    }
  }
  const char* const* axes = spatial ? space : plane;
  if (rotations.size() == 1) {
    return Texts::tr("поворота вокруг %1").arg(QLatin1String(axes[rotations[0]]));
  }
  if (rotations.empty() && translations.size() == 1) {
    return Texts::tr("смещения вдоль %1").arg(QLatin1String(axes[translations[0]]));
  }
  return QString();
}

QString NodeList(const QStringList& numbers) {
  QString list = (numbers.size() == 1 ? Texts::tr("узел %1") : Texts::tr("узлы %1"))
                     .arg(numbers.mid(0, kListedNodes).join(QStringLiteral(", ")));
  if (numbers.size() > kListedNodes) list += QStringLiteral(" …");
  return list;
}

struct Piece {
  std::vector<int> nodes;
  QStringList mainNumbers;  // in the main nodes' table order
  int firstMainRow = 0;
  int firstSupportRow = 0;  // of the first main node that has a support
};

// Each piece must be held against every rigid-body motion by the supports of its own nodes.
void CheckMechanisms(Project& p, const Geometry& g, Pieces& pieces,
                     const QHash<QString, Fixity>& fixed, bool spatial) {
  std::vector<Piece> found;
  QHash<int, int> pieceOfRoot;
  auto pieceOf = [&](int node) -> Piece& {
    const int root = pieces.Root(node);
    auto place = pieceOfRoot.constFind(root);
    if (place == pieceOfRoot.constEnd()) {
      place = pieceOfRoot.insert(root, int(found.size()));
      found.emplace_back();
    }
    return found[size_t(*place)];
  };
  for (size_t node = 0; node < g.positions.size(); ++node) {
    if (pieces.Touched(int(node))) pieceOf(int(node)).nodes.push_back(int(node));
  }
  std::vector<const Fixity*> fixityOf(g.positions.size(), nullptr);
  for (const MainNode& main : g.mains) {
    if (!pieces.Touched(main.node) || g.mainOf[size_t(main.node)] != int(&main - g.mains.data())) {
      continue;
    }
    Piece& piece = pieceOf(main.node);
    if (piece.mainNumbers.isEmpty()) piece.firstMainRow = main.row;
    piece.mainNumbers << main.number;
    const auto support = fixed.constFind(main.group);
    if (main.group.isEmpty() || support == fixed.constEnd()) continue;
    fixityOf[size_t(main.node)] = &*support;
    if (piece.firstSupportRow == 0) piece.firstSupportRow = support->row;
  }

  const int modes = spatial ? kFixities : 3;
  for (const Piece& piece : found) {
    QStringList numbers = piece.mainNumbers;
    if (numbers.isEmpty()) {
      for (int node : piece.nodes) numbers << g.numbers[size_t(node)];
    }
    if (piece.firstSupportRow == 0) {
      const bool byMain = piece.firstMainRow > 0;
      p.Add(Texts::tr("Часть схемы не закреплена: %1").arg(NodeList(numbers)),
            byMain ? kMainNodes : kAllNodes,
            byMain ? piece.firstMainRow : g.rows[size_t(piece.nodes.front())], kNumber);
      continue;
    }
    Point3 centroid;
    for (int node : piece.nodes) {
      const Point3& at = g.positions[size_t(node)];
      centroid = {centroid.x + at.x, centroid.y + at.y, centroid.z + at.z};
    }
    const double count = double(piece.nodes.size());
    centroid = {centroid.x / count, centroid.y / count, centroid.z / count};
    // Lengths in units of the piece's size keep rotations and translations comparable.
    double size = 0;
    for (int node : piece.nodes) {
      size = std::max(size, Distance(g.positions[size_t(node)], centroid));
    }
    if (size < kZeroLength) size = 1;
    std::vector<Row6> rows;
    for (int node : piece.nodes) {
      if (!fixityOf[size_t(node)]) continue;
      const Point3& at = g.positions[size_t(node)];
      AddConstraintRows(
          rows, fixityOf[size_t(node)]->fixed,
          {(at.x - centroid.x) / size, (at.y - centroid.y) / size, (at.z - centroid.z) / size},
          spatial);
    }
    std::vector<Motion> free;
    const int rank = Restraint(std::move(rows), modes, free);
    if (rank == modes) continue;
    QStringList names;
    for (const Motion& motion : free) {
      const QString name = MotionName(motion, spatial);
      if (name.isEmpty() || names.contains(name)) {
        names.clear();
        break;
      }
      names << name;
    }
    const QString motions =
        names.isEmpty()
            ? Texts::tr(
                  "закрепления не удерживают ее как жесткое целое (свободных перемещений: %1)")
                  .arg(modes - rank)
            : Texts::tr("закрепления не удерживают ее от %1").arg(names.join(QStringLiteral(", ")));
    p.Add(Texts::tr("Часть схемы (%1) — механизм: %2").arg(NodeList(numbers), motions), kSupports,
          piece.firstSupportRow, supports::kFirstFixity);
  }
}

// ---- Loads

void CheckLoads(Project& p, const Geometry* g) {
  struct LoadTable {
    QString key;
    QString what;
    bool onElements;
  };
  const LoadTable loadTables[] = {
      {kElementLoads, Texts::tr("Нагрузка на элементы"), true},
      {kNodeLoads, Texts::tr("Нагрузка на узлы"), false},
      {kTemperature, Texts::tr("Температурная нагрузка"), true},
  };
  static_assert(elementLoads::kLoadCase == nodeLoads::kLoadCase &&
                nodeLoads::kLoadCase == temperature::kLoadCase);
  static_assert(elementLoads::kGroup == nodeLoads::kGroup &&
                nodeLoads::kGroup == temperature::kGroup);
  const QSet<QString> elementGroups = ColumnKeys(p.Rows(kElementGroups), kNumber);
  const QSet<QString> nodeGroups = ColumnKeys(p.Rows(kNodeGroups), kNumber);
  for (const LoadTable& table : loadTables) {
    const TableRows& rows = p.Rows(table.key);
    ForFilledRows(rows, [&](int row) {
      const QString label = RowLabel(table.what, rows, row);
      if (rows.Cell(row, elementLoads::kLoadCase).trimmed().isEmpty()) {
        p.Add(Texts::tr("%1: не задано загружение").arg(label), table.key, row,
              elementLoads::kLoadCase);
      }
      const QString groupText = rows.Cell(row, elementLoads::kGroup).trimmed();
      const QString group = KeyOf(groupText);
      if (group.isEmpty()) {
        p.Add((table.onElements ? Texts::tr("%1: не задана группа элементов")
                                : Texts::tr("%1: не задана группа узлов"))
                  .arg(label),
              table.key, row, elementLoads::kGroup);
        return;
      }
      // A group that does not exist is the reference check's.
      if (!g || !(table.onElements ? elementGroups : nodeGroups).contains(group)) return;
      if (table.onElements && g->elementsInGroup.value(group) == 0) {
        p.Add(Texts::tr("%1: в группе элементов %2 нет элементов расчетной схемы")
                  .arg(label, groupText),
              table.key, row, elementLoads::kGroup);
      } else if (!table.onElements && g->nodesInGroup.value(group) == 0) {
        p.Add(Texts::tr("%1: в группе узлов %2 нет узлов расчетной схемы").arg(label, groupText),
              table.key, row, elementLoads::kGroup);
      }
    });
  }
}

}  // namespace

QStringList CheckedDrawingGroups(ProjectTables& tables) {
  QStringList names;
  for (const QString& key : {kElementGroups, kNodeGroups}) {
    const TableRows rows = tables.Read(key);
    const QString letter = tables.GroupLetterOf(key);
    ForFilledRows(rows, [&](int row) {
      const QString number = rows.Cell(row, kNumber).trimmed();
      if (!number.isEmpty()) names << RowGroupName(letter, number).toUpper();
    });
  }
  return names;
}

std::vector<SchemeProblem> CheckScheme(ProjectTables& tables,
                                       const std::optional<QHash<QString, int>>& objectsInGroups,
                                       bool spatial) {
  Project p(tables);
  CheckReferences(p);
  CheckElementGroups(p);
  CheckDrawingGroups(p, objectsInGroups);
  CheckMaterialsAndSections(p);

  // Without elements there is no scheme to look at, only the tables.
  Geometry geometry = ReadGeometry(p);
  const bool built = !geometry.elements.empty();
  if (!built) {
    p.Add(
        Texts::tr("Расчетная схема не построена: таблица «%1» пуста").arg(tables.NameOf(kElements)),
        kElements, 0, 0);
  }
  const QHash<QString, Fixity> fixed = ReadSupports(p, built ? &geometry : nullptr);
  CheckLoads(p, built ? &geometry : nullptr);
  if (built) {
    Pieces pieces(geometry);
    CheckElements(p, geometry);
    CheckLooseNodes(p, geometry, pieces);
    // Without any support every piece would be reported; the one problem above says it all.
    if (!fixed.isEmpty()) CheckMechanisms(p, geometry, pieces, fixed, spatial);
  }

  QHash<QString, int> tabOf;
  const QStringList keys = tables.Keys();
  for (qsizetype i = 0; i < keys.size(); ++i) tabOf.insert(keys[i], int(i));
  std::stable_sort(p.problems.begin(), p.problems.end(),
                   [&](const SchemeProblem& a, const SchemeProblem& b) {
                     const int tabA = tabOf.value(a.tableKey, int(keys.size()));
                     const int tabB = tabOf.value(b.tableKey, int(keys.size()));
                     return tabA != tabB ? tabA < tabB : a.row < b.row;
                   });
  return std::move(p.problems);
}

}  // namespace trellis::macros
