#include "macros/layers/LayersInDrawing.h"

#include "automation/Arguments.h"
#include "automation/AutomationError.h"
#include "automation/CallsTogether.h"

namespace trellis::macros {

namespace {

const QString kWorkingSet = QStringLiteral("KS_FEM_SERVICE");

QVariant PointValue(const Point3& p) { return QVariantList{p.x, p.y, p.z}; }

DispatchRef ObjectMember(Dispatch& object, const QString& name) {
  return ToObject(object.Get(name), name);
}

// The layer's objects erased, found by a selection of the whole drawing filtered by layer.
void EraseObjectsOn(Dispatch& document, const QString& layer) {
  const DispatchRef sets = ObjectMember(document, QStringLiteral("SelectionSets"));
  QVariantList name{kWorkingSet};
  DispatchRef set;
  try {
    set = ToObject(sets->Invoke(QStringLiteral("Item"), name), QStringLiteral("Item"));
  } catch (const AutomationError&) {
    set = ToObject(sets->Invoke(QStringLiteral("Add"), name), QStringLiteral("Add"));
  }
  Call(*set, QStringLiteral("Clear"));
  Call(*set, QStringLiteral("Select"), {5, QVariant(), QVariant(), QVariantList{8}, QVariantList{layer}});
  Call(*set, QStringLiteral("Erase"));
  Call(*set, QStringLiteral("Delete"));
}

// The layer of that name, or none.
DispatchRef FindLayer(Dispatch& document, const QString& name) {
  const DispatchRef layers = ObjectMember(document, QStringLiteral("Layers"));
  try {
    return ToObject(Call(*layers, QStringLiteral("Item"), {name}), QStringLiteral("Item"));
  } catch (const AutomationError&) {
    return nullptr;
  }
}

// The drawing's objects, made on the current layer.
void DrawObjects(Dispatch& document, const LayerDrawing& drawing) {
  const DispatchRef space = ObjectMember(document, QStringLiteral("ModelSpace"));
  std::vector<LateCall> adds;
  for (const DrawnText& text : drawing.texts) {
    adds.push_back({space, LateCall::Kind::Invoke, QStringLiteral("AddText"), {text.text, PointValue(text.at), text.height}});
  }
  for (const auto& [centre, radius] : drawing.circles) {
    adds.push_back({space, LateCall::Kind::Invoke, QStringLiteral("AddCircle"), {PointValue(centre), radius}});
  }
  const size_t flat = adds.size();
  for (const auto& line : drawing.lines) {
    QVariantList numbers;
    for (const Point3& p : line) numbers << p.x << p.y << p.z;
    adds.push_back({space, LateCall::Kind::Invoke, QStringLiteral("Add3DPoly"), {QVariant(numbers)}});
  }
  std::vector<std::pair<size_t, int>> colored;  // place among the adds, colour
  for (const ColoredLines& set : drawing.coloredLines) {
    for (const auto& line : set.lines) {
      QVariantList numbers;
      for (const Point3& p : line) numbers << p.x << p.y << p.z;
      colored.emplace_back(adds.size(), set.color);
      adds.push_back({space, LateCall::Kind::Invoke, QStringLiteral("Add3DPoly"), {QVariant(numbers)}});
    }
  }
  for (const Point3& point : drawing.points) {
    adds.push_back({space, LateCall::Kind::Invoke, QStringLiteral("AddPoint"), {PointValue(point)}});
  }
  const std::vector<QVariant> made = CallInBatches(adds);
  std::vector<LateCall> colors;
  for (const auto& [place, color] : colored) {
    colors.push_back({ToObject(made[place], QStringLiteral("Add")), LateCall::Kind::Set, QStringLiteral("Color"), {color}});
  }
  CallInBatches(colors);
  // Texts and circles are made flat on the ground plane; they are turned into the scheme's.
  const Point3& normal = drawing.plane.normal;
  if (normal.z != 1) {
    std::vector<LateCall> turns;
    for (size_t i = 0; i < flat; ++i) {
      turns.push_back({ToObject(made[i], QStringLiteral("Add")), LateCall::Kind::Set, QStringLiteral("Normal"),
                       {PointValue(normal)}});
    }
    CallInBatches(turns);
  }
}

}  // namespace

void DrawOnLayer(Dispatch& document, const QString& layer, const LayerDrawing& drawing) {
  const DispatchRef made = ToObject(Call(*ObjectMember(document, QStringLiteral("Layers")), QStringLiteral("Add"), {layer}),
                                    QStringLiteral("Add"));
  made->Set(QStringLiteral("Color"), drawing.color);
  EraseObjectsOn(document, layer);
  const QVariant current = Call(document, QStringLiteral("GetVariable"), {QStringLiteral("CLAYER")});
  Call(document, QStringLiteral("SetVariable"), {QStringLiteral("CLAYER"), layer});
  try {
    DrawObjects(document, drawing);
  } catch (const AutomationError&) {
    Call(document, QStringLiteral("SetVariable"), {QStringLiteral("CLAYER"), current});
    throw;
  }
  Call(document, QStringLiteral("SetVariable"), {QStringLiteral("CLAYER"), current});
}

void ForgetServiceLayers(Dispatch& document) {
  for (const QString& name : {kNodeNumbersLayer, kElementNumbersLayer, kLoadsLayer, kSupportsLayer}) {
    const DispatchRef layer = FindLayer(document, name);
    if (!layer) continue;
    const QString current = Call(document, QStringLiteral("GetVariable"), {QStringLiteral("CLAYER")}).toString();
    if (current.compare(name, Qt::CaseInsensitive) == 0) {
      Call(document, QStringLiteral("SetVariable"), {QStringLiteral("CLAYER"), QStringLiteral("0")});
    }
    EraseObjectsOn(document, name);
    Call(*layer, QStringLiteral("Delete"));
  }
}

}  // namespace trellis::macros
