#include "cad/CadObjects.h"

#include "automation/Arguments.h"
#include "automation/AutomationError.h"

namespace trellis {

CadPoint ToCadPoint(const QVariant& value, const QString& member) {
  const QVariantList list = ToList(value, member);
  if (list.size() != 3) {
    throw AutomationError(member,
                          QStringLiteral("a point has 3 coordinates, got %1").arg(list.size()));
  }
  return {ToNumber(list[0], member), ToNumber(list[1], member), ToNumber(list[2], member)};
}

QVariant PointValue(const CadPoint& point) {
  return QVariantList{point[0], point[1], point[2]};
}

namespace {

QVariant ObjectArray(const std::vector<CadEntity>& entities) {
  QVariantList array;
  array.reserve(qsizetype(entities.size()));
  for (const CadEntity& entity : entities) array << ObjectValue(entity.Object());
  return array;
}

}  // namespace

Dispatch& CadObject::Target(const QString& member) const {
  if (!object_) throw AutomationError(member, QStringLiteral("the object is not set"));
  return *object_;
}

QVariant CadObject::Get(const QString& name) const {
  return Target(name).Get(name);
}

void CadObject::Set(const QString& name, const QVariant& value) const {
  Target(name).Set(name, value);
}

QVariant CadObject::Invoke(const QString& member, QVariantList args) const {
  return Target(member).Invoke(member, args);
}

DispatchRef CadObject::GetObject(const QString& name) const {
  return ToObject(Get(name), name);
}

DispatchRef CadObject::InvokeForObject(const QString& member, QVariantList args) const {
  return ToObject(Invoke(member, std::move(args)), member);
}

QString CadEntity::Layer() const {
  return ToText(Get(QStringLiteral("Layer")), QStringLiteral("Layer"));
}
void CadEntity::SetLayer(const QString& layer) const {
  Set(QStringLiteral("Layer"), layer);
}
QString CadEntity::ObjectName() const {
  return ToText(Get(QStringLiteral("ObjectName")), QStringLiteral("ObjectName"));
}
int CadEntity::Color() const {
  return int(ToInteger(Get(QStringLiteral("Color")), QStringLiteral("Color")));
}
void CadEntity::SetColor(int color) const {
  Set(QStringLiteral("Color"), color);
}
CadPoint CadEntity::StartPoint() const {
  return ToCadPoint(Get(QStringLiteral("StartPoint")), QStringLiteral("StartPoint"));
}
CadPoint CadEntity::EndPoint() const {
  return ToCadPoint(Get(QStringLiteral("EndPoint")), QStringLiteral("EndPoint"));
}
CadPoint CadEntity::Coordinates() const {
  return ToCadPoint(Get(QStringLiteral("Coordinates")), QStringLiteral("Coordinates"));
}
QString CadEntity::Handle() const {
  return ToText(Get(QStringLiteral("Handle")), QStringLiteral("Handle"));
}
void CadEntity::Erase() const {
  Invoke(QStringLiteral("Erase"));
}

QString CadLayer::Name() const {
  return ToText(Get(QStringLiteral("Name")), QStringLiteral("Name"));
}
QString CadLayer::Handle() const {
  return ToText(Get(QStringLiteral("Handle")), QStringLiteral("Handle"));
}
bool CadLayer::LayerOn() const {
  return ToBoolean(Get(QStringLiteral("LayerOn")), QStringLiteral("LayerOn"));
}
void CadLayer::SetLayerOn(bool on) const {
  Set(QStringLiteral("LayerOn"), on);
}

CadLayer CadLayers::Add(const QString& name) const {
  return CadLayer(InvokeForObject(QStringLiteral("Add"), {name}));
}
CadLayer CadLayers::Item(const QString& name) const {
  return CadLayer(InvokeForObject(QStringLiteral("Item"), {name}));
}
int CadLayers::Count() const {
  return int(ToInteger(Get(QStringLiteral("Count")), QStringLiteral("Count")));
}

QString CadGroup::Name() const {
  return ToText(Get(QStringLiteral("Name")), QStringLiteral("Name"));
}
int CadGroup::Count() const {
  return int(ToInteger(Get(QStringLiteral("Count")), QStringLiteral("Count")));
}
CadEntity CadGroup::Item(int index) const {
  return CadEntity(InvokeForObject(QStringLiteral("Item"), {index}));
}
void CadGroup::Delete() const {
  Invoke(QStringLiteral("Delete"));
}
void CadGroup::Highlight(bool on) const {
  Invoke(QStringLiteral("Highlight"), {on});
}
void CadGroup::AppendItems(const std::vector<CadEntity>& entities) const {
  Invoke(QStringLiteral("AppendItems"), {ObjectArray(entities)});
}

int CadGroups::Count() const {
  return int(ToInteger(Get(QStringLiteral("Count")), QStringLiteral("Count")));
}
CadGroup CadGroups::Item(int index) const {
  return CadGroup(InvokeForObject(QStringLiteral("Item"), {index}));
}
CadGroup CadGroups::Item(const QString& name) const {
  return CadGroup(InvokeForObject(QStringLiteral("Item"), {name}));
}
CadGroup CadGroups::Add(const QString& name) const {
  return CadGroup(InvokeForObject(QStringLiteral("Add"), {name}));
}

void CadSelectionSet::Clear() const {
  Invoke(QStringLiteral("Clear"));
}
void CadSelectionSet::SelectOnScreen() const {
  Invoke(QStringLiteral("SelectOnScreen"));
}
void CadSelectionSet::SelectOnScreen(const std::vector<short>& filterTypes,
                                     const QVariantList& filterData) const {
  QVariantList codes;
  for (const short code : filterTypes) codes << QVariant::fromValue(code);
  Invoke(QStringLiteral("SelectOnScreen"), {codes, filterData});
}
int CadSelectionSet::Count() const {
  return int(ToInteger(Get(QStringLiteral("Count")), QStringLiteral("Count")));
}
CadEntity CadSelectionSet::Item(int index) const {
  return CadEntity(InvokeForObject(QStringLiteral("Item"), {index}));
}
void CadSelectionSet::AddItems(const std::vector<CadEntity>& entities) const {
  Invoke(QStringLiteral("AddItems"), {ObjectArray(entities)});
}

CadSelectionSet CadSelectionSets::Add(const QString& name) const {
  return CadSelectionSet(InvokeForObject(QStringLiteral("Add"), {name}));
}
CadSelectionSet CadSelectionSets::Item(const QString& name) const {
  return CadSelectionSet(InvokeForObject(QStringLiteral("Item"), {name}));
}

CadEntity CadModelSpace::AddLine(const CadPoint& start, const CadPoint& end) const {
  return CadEntity(
      InvokeForObject(QStringLiteral("AddLine"), {PointValue(start), PointValue(end)}));
}
CadEntity CadModelSpace::AddPoint(const CadPoint& point) const {
  return CadEntity(InvokeForObject(QStringLiteral("AddPoint"), {PointValue(point)}));
}

CadGroups CadDocument::Groups() const {
  return CadGroups(GetObject(QStringLiteral("Groups")));
}
CadLayers CadDocument::Layers() const {
  return CadLayers(GetObject(QStringLiteral("Layers")));
}
CadSelectionSets CadDocument::SelectionSets() const {
  return CadSelectionSets(GetObject(QStringLiteral("SelectionSets")));
}
CadModelSpace CadDocument::ModelSpace() const {
  return CadModelSpace(GetObject(QStringLiteral("ModelSpace")));
}
QVariant CadDocument::GetVariable(const QString& name) const {
  return Invoke(QStringLiteral("GetVariable"), {name});
}
void CadDocument::SetVariable(const QString& name, const QVariant& value) const {
  Invoke(QStringLiteral("SetVariable"), {name, value});
}
void CadDocument::Regen(int which) const {
  Invoke(QStringLiteral("Regen"), {which});
}
void CadDocument::SendCommand(const QString& text) const {
  Invoke(QStringLiteral("SendCommand"), {text});
}
void CadDocument::Activate() const {
  Invoke(QStringLiteral("Activate"));
}
qint64 CadDocument::Hwnd() const {
  return ToInteger(Get(QStringLiteral("hwnd")), QStringLiteral("hwnd"));
}
CadApplication CadDocument::Application() const {
  return CadApplication(GetObject(QStringLiteral("Application")));
}

bool CadApplication::Visible() const {
  return ToBoolean(Get(QStringLiteral("Visible")), QStringLiteral("Visible"));
}
void CadApplication::SetVisible(bool visible) const {
  Set(QStringLiteral("Visible"), visible);
}
int CadApplication::WindowState() const {
  return int(ToInteger(Get(QStringLiteral("WindowState")), QStringLiteral("WindowState")));
}
void CadApplication::SetWindowState(int state) const {
  Set(QStringLiteral("WindowState"), state);
}
void CadApplication::Update() const {
  Invoke(QStringLiteral("Update"));
}
QString CadApplication::Caption() const {
  return ToText(Get(QStringLiteral("Caption")), QStringLiteral("Caption"));
}
QString CadApplication::Path() const {
  return ToText(Get(QStringLiteral("Path")), QStringLiteral("Path"));
}
CadDocument CadApplication::ActiveDocument() const {
  return CadDocument(GetObject(QStringLiteral("ActiveDocument")));
}
QString CadApplication::Name() const {
  return ToText(Get(QStringLiteral("Name")), QStringLiteral("Name"));
}
void CadApplication::LoadDVB(const QString& path) const {
  Invoke(QStringLiteral("LoadDVB"), {path});
}
void CadApplication::RunMacro(const QString& name) const {
  Invoke(QStringLiteral("RunMacro"), {name});
}

}  // namespace trellis
