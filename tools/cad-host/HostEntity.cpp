#include "cad-host/HostEntity.h"

#include "automation/Arguments.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostLayers.h"

#include <QSet>

namespace trellis::cadhost {

HostEntity::HostEntity(std::weak_ptr<HostDocument> document, QString handle, QString layer)
    : document_(std::move(document)), handle_(std::move(handle)), layer_(std::move(layer)) {}

std::shared_ptr<HostDocument> HostEntity::Document(const QString& member) const {
  std::shared_ptr<HostDocument> document = document_.lock();
  if (!document) throw AutomationError(member, QStringLiteral("the drawing is closed"));
  return document;
}

void HostEntity::EnsureUsable(const QString& member) const {
  if (erased_) throw AutomationError(member, QStringLiteral("the object was erased"));
}

void HostEntity::SetLayer(const QString& name) {
  const auto document = Document(QStringLiteral("Layer"));
  const auto layer = document->Layers().Find(name);
  if (!layer)
    throw AutomationError(QStringLiteral("Layer"), QStringLiteral("no layer %1").arg(name));
  layer_ = layer->Name();
  document->Changed();
}

void HostEntity::SetColor(int color) {
  if (color < 0 || color > kByLayer) {
    throw AutomationError(QStringLiteral("Color"), QStringLiteral("no colour %1").arg(color));
  }
  color_ = color;
  Document(QStringLiteral("Color"))->Changed();
}

void HostEntity::Erase() {
  const auto document = Document(QStringLiteral("Erase"));
  erased_ = true;
  document->Remove(this);
}

template <typename Entity>
void HostEntity::AddCommonMembers(MemberTable<Entity>& t) {
  t.Property(QStringLiteral("Handle"), [](Entity& e) { return e.Handle(); });
  t.Property(
      QStringLiteral("Layer"), [](Entity& e) { return e.Layer(); },
      [](Entity& e, const QVariant& v) { e.SetLayer(ToText(v, QStringLiteral("Layer"))); });
  t.Property(
      QStringLiteral("Color"), [](Entity& e) { return e.Color(); },
      [](Entity& e, const QVariant& v) { e.SetColor(int(ToInteger(v, QStringLiteral("Color")))); });
  t.Property(QStringLiteral("ObjectName"), [](Entity& e) {
    return e.KindOf() == HostEntity::Kind::Line ? QStringLiteral("AcDbLine")
                                                : QStringLiteral("AcDbPoint");
  });
  t.Function(QStringLiteral("Erase"), [](Entity& e, QVariantList& args) {
    RequireArguments(args, 0, 0, QStringLiteral("Erase"));
    e.Erase();
    return QVariant();
  });
}

HostLine::HostLine(std::weak_ptr<HostDocument> document, QString handle, QString layer,
                   Point3 start, Point3 end)
    : TableDispatch(std::move(document), std::move(handle), std::move(layer)),
      start(start),
      end(end) {}

const MemberTable<HostLine>& HostLine::Members() {
  static const MemberTable<HostLine> table = [] {
    MemberTable<HostLine> t;
    AddCommonMembers(t);
    t.Property(
        QStringLiteral("StartPoint"), [](HostLine& l) { return PointValue(l.start); },
        [](HostLine& l, const QVariant& v) {
          l.start = ToPoint(v, QStringLiteral("StartPoint"));
          l.Document(QStringLiteral("StartPoint"))->Changed();
        });
    t.Property(
        QStringLiteral("EndPoint"), [](HostLine& l) { return PointValue(l.end); },
        [](HostLine& l, const QVariant& v) {
          l.end = ToPoint(v, QStringLiteral("EndPoint"));
          l.Document(QStringLiteral("EndPoint"))->Changed();
        });
    return t;
  }();
  return table;
}

HostPoint::HostPoint(std::weak_ptr<HostDocument> document, QString handle, QString layer,
                     Point3 position)
    : TableDispatch(std::move(document), std::move(handle), std::move(layer)), position(position) {}

const MemberTable<HostPoint>& HostPoint::Members() {
  static const MemberTable<HostPoint> table = [] {
    MemberTable<HostPoint> t;
    AddCommonMembers(t);
    t.Property(
        QStringLiteral("Coordinates"), [](HostPoint& p) { return PointValue(p.position); },
        [](HostPoint& p, const QVariant& v) {
          p.position = ToPoint(v, QStringLiteral("Coordinates"));
          p.Document(QStringLiteral("Coordinates"))->Changed();
        });
    return t;
  }();
  return table;
}

QVariant PointValue(const Point3& point) {
  return QVariantList{point[0], point[1], point[2]};
}

Point3 ToPoint(const QVariant& value, const QString& member) {
  const QVariantList list = ToList(value, member);
  if (list.size() != 3) {
    throw AutomationError(member,
                          QStringLiteral("a point has 3 coordinates, got %1").arg(list.size()));
  }
  return {ToNumber(list[0], member), ToNumber(list[1], member), ToNumber(list[2], member)};
}

void AppendMissing(std::vector<std::shared_ptr<HostEntity>>& list,
                   const std::vector<std::shared_ptr<HostEntity>>& entities) {
  QSet<const HostEntity*> present;
  present.reserve(qsizetype(list.size() + entities.size()));
  for (const auto& entity : list) present.insert(entity.get());
  for (const auto& entity : entities) {
    if (!present.contains(entity.get())) {
      present.insert(entity.get());
      list.push_back(entity);
    }
  }
}

std::vector<std::shared_ptr<HostEntity>> ToEntities(const QVariant& value, const QString& member) {
  std::vector<std::shared_ptr<HostEntity>> entities;
  for (const QVariant& item : ToList(value, member)) {
    auto entity = std::dynamic_pointer_cast<HostEntity>(ToObject(item, member));
    if (!entity || entity->Erased()) {
      throw AutomationError(member, QStringLiteral("the array holds something that is not an "
                                                   "object of this drawing"));
    }
    entities.push_back(std::move(entity));
  }
  return entities;
}

}  // namespace trellis::cadhost
