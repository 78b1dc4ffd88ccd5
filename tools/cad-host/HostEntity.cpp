#include "cad-host/HostEntity.h"

#include "automation/Arguments.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostLayers.h"
#include "cad-host/dxf/DxfFile.h"

#include <QSet>

#include <algorithm>
#include <initializer_list>

namespace trellis::cadhost {

namespace {

QString ObjectNameOf(const HostEntity& entity) {
  switch (entity.KindOf()) {
    case EntityKind::Line: return QStringLiteral("AcDbLine");
    case EntityKind::Point: return QStringLiteral("AcDbPoint");
    case EntityKind::Circle: return QStringLiteral("AcDbCircle");
    case EntityKind::Arc: return QStringLiteral("AcDbArc");
    case EntityKind::Text: return QStringLiteral("AcDbText");
    case EntityKind::MText: return QStringLiteral("AcDbMText");
    case EntityKind::Polyline:
      if (entity.TypeName() == QLatin1String("LWPOLYLINE")) return QStringLiteral("AcDbPolyline");
      return (DxfWholeNumber(entity.Record().NumberOf(70), 0) & 8) ? QStringLiteral("AcDb3dPolyline")
                                                                  : QStringLiteral("AcDb2dPolyline");
    case EntityKind::Other: break;
  }
  return QStringLiteral("AcDb") + entity.TypeName();
}

void RequireKind(const HostEntity& entity, std::initializer_list<EntityKind> kinds,
                 const QString& member) {
  if (std::find(kinds.begin(), kinds.end(), entity.KindOf()) == kinds.end()) {
    throw AutomationError(member, QStringLiteral("a %1 has no %2").arg(entity.TypeName(), member));
  }
}

void RequireKind(const HostEntity& entity, EntityKind kind, const QString& member) {
  RequireKind(entity, {kind}, member);
}

// The number of a code of the object's own part; 0 when missing.
double OwnNumber(const DxfRecord& record, int code) {
  const int index = record.IndexOf(code);
  return index >= 0 && index < record.PartEnd() ? ParseDxfNumber(record.Value(index)).value_or(0)
                                                : 0;
}

}  // namespace

HostEntity::HostEntity(std::weak_ptr<HostDocument> document, DxfRecord record,
                       const DxfCodec& codec)
    : document_(std::move(document)) {
  ReplaceRecord(std::move(record), codec);
}

void HostEntity::ReplaceRecord(DxfRecord record, const DxfCodec& codec) {
  record_ = std::move(record);
  kind_ = KindOfRecord(record_);
  typeName_ = record_.Empty() ? QString() : QString::fromLatin1(record_.Value(0).trimmed());
  handle_ = QString::fromLatin1(record_.ValueOf(5).trimmed());
  const int mainEnd = record_.PartEnd();
  const int layer = record_.IndexOf(8);
  layer_ = layer >= 0 && layer < mainEnd ? codec.Decode(record_.Value(layer))
                                         : QStringLiteral("0");
  const int color = record_.IndexOf(62);
  color_ = color >= 0 && color < mainEnd
               ? DxfWholeNumber(ParseDxfNumber(record_.Value(color)), kByLayer)
               : kByLayer;
  shape_ = ShapeOf(record_, kind_, codec);
}

std::shared_ptr<HostDocument> HostEntity::Document(const QString& member) const {
  return LockDocument(document_, member);
}

void HostEntity::EnsureUsable(const QString& member) const {
  if (erased_) throw AutomationError(member, QStringLiteral("the object was erased"));
}

void HostEntity::ChangeRecord(const QString& member,
                              const std::function<void(DxfRecord&)>& change) {
  EnsureUsable(member);
  const auto document = Document(member);
  DxfRecord record = record_;
  change(record);
  document->ChangeEntity(*this, std::move(record));
}

void HostEntity::SetLayer(const QString& name) {
  const auto document = Document(QStringLiteral("Layer"));
  const auto layer = document->Layers().Find(name);
  if (!layer)
    throw AutomationError(QStringLiteral("Layer"), QStringLiteral("no layer %1").arg(name));
  const QByteArray bytes = document->Codec().Encode(layer->Name());
  ChangeRecord(QStringLiteral("Layer"), [&](DxfRecord& r) { SetRecordLayer(r, bytes); });
}

void HostEntity::SetColor(int color) {
  if (color < 0 || color > kByLayer) {
    throw AutomationError(QStringLiteral("Color"), QStringLiteral("no colour %1").arg(color));
  }
  ChangeRecord(QStringLiteral("Color"), [&](DxfRecord& r) { SetRecordColor(r, color); });
}

void HostEntity::Translate(const Point3& by) {
  ChangeRecord(QStringLiteral("Move"), [&](DxfRecord& r) { TranslateRecord(r, kind_, by); });
}

void HostEntity::Erase() {
  EnsureUsable(QStringLiteral("Erase"));
  Document(QStringLiteral("Erase"))->Remove(this);
}

const MemberTable<HostEntity>& HostEntity::Members() {
  static const MemberTable<HostEntity> table = [] {
    MemberTable<HostEntity> t;
    t.Property(QStringLiteral("Handle"), [](HostEntity& e) { return e.Handle(); });
    t.Property(
        QStringLiteral("Layer"), [](HostEntity& e) { return e.Layer(); },
        [](HostEntity& e, const QVariant& v) { e.SetLayer(ToText(v, QStringLiteral("Layer"))); });
    t.Property(
        QStringLiteral("Color"), [](HostEntity& e) { return e.Color(); },
        [](HostEntity& e, const QVariant& v) {
          e.SetColor(int(ToInteger(v, QStringLiteral("Color"))));
        });
    t.Property(QStringLiteral("ObjectName"), [](HostEntity& e) { return ObjectNameOf(e); });
    t.Property(
        QStringLiteral("StartPoint"),
        [](HostEntity& e) {
          RequireKind(e, EntityKind::Line, QStringLiteral("StartPoint"));
          return PointValue(RecordPoint(e.record_, 10));
        },
        [](HostEntity& e, const QVariant& v) {
          const QString member = QStringLiteral("StartPoint");
          RequireKind(e, EntityKind::Line, member);
          const Point3 point = ToPoint(v, member);
          e.ChangeRecord(member, [&](DxfRecord& r) { SetRecordPoint(r, 10, point); });
        });
    t.Property(
        QStringLiteral("EndPoint"),
        [](HostEntity& e) {
          RequireKind(e, EntityKind::Line, QStringLiteral("EndPoint"));
          return PointValue(RecordPoint(e.record_, 11));
        },
        [](HostEntity& e, const QVariant& v) {
          const QString member = QStringLiteral("EndPoint");
          RequireKind(e, EntityKind::Line, member);
          const Point3 point = ToPoint(v, member);
          e.ChangeRecord(member, [&](DxfRecord& r) { SetRecordPoint(r, 11, point); });
        });
    // A point's position; the vertices of a polyline, one after another.
    t.Property(
        QStringLiteral("Coordinates"),
        [](HostEntity& e) -> QVariant {
          if (e.kind_ == EntityKind::Point) return PointValue(RecordPoint(e.record_, 10));
          RequireKind(e, EntityKind::Polyline, QStringLiteral("Coordinates"));
          QVariantList all;
          for (const auto& path : e.shape_.paths) {
            for (const Point3& p : path) all << p[0] << p[1] << p[2];
          }
          return all;
        },
        [](HostEntity& e, const QVariant& v) {
          const QString member = QStringLiteral("Coordinates");
          RequireKind(e, EntityKind::Point, member);
          const Point3 point = ToPoint(v, member);
          e.ChangeRecord(member, [&](DxfRecord& r) { SetRecordPoint(r, 10, point); });
        });
    // An MTEXT's text as stored, with its formatting codes, as the hosts give it.
    t.Property(QStringLiteral("TextString"), [](HostEntity& e) {
      const QString member = QStringLiteral("TextString");
      RequireKind(e, {EntityKind::Text, EntityKind::MText}, member);
      const DxfCodec& codec = e.Document(member)->Codec();
      QString text;
      const int end = e.record_.PartEnd();
      for (int i = 0; i < end; ++i) {
        if (e.record_.Code(i) == 3) text += codec.Decode(e.record_.Value(i));
      }
      const int last = e.record_.IndexOf(1);
      if (last >= 0 && last < end) text += codec.Decode(e.record_.Value(last));
      return text;
    });
    t.Property(QStringLiteral("InsertionPoint"), [](HostEntity& e) {
      RequireKind(e, {EntityKind::Text, EntityKind::MText}, QStringLiteral("InsertionPoint"));
      return PointValue(WorldPoint(e.record_, e.kind_, 10));
    });
    t.Property(QStringLiteral("Height"), [](HostEntity& e) {
      RequireKind(e, {EntityKind::Text, EntityKind::MText}, QStringLiteral("Height"));
      return OwnNumber(e.record_, 40);
    });
    t.Property(QStringLiteral("Center"), [](HostEntity& e) {
      RequireKind(e, {EntityKind::Circle, EntityKind::Arc}, QStringLiteral("Center"));
      return PointValue(WorldPoint(e.record_, e.kind_, 10));
    });
    t.Property(QStringLiteral("Radius"), [](HostEntity& e) {
      RequireKind(e, {EntityKind::Circle, EntityKind::Arc}, QStringLiteral("Radius"));
      return OwnNumber(e.record_, 40);
    });
    // The plane a text, circle or arc lies in. A new normal turns the object into that plane
    // about its insertion point or centre, which keeps its place in the world.
    t.Property(
        QStringLiteral("Normal"),
        [](HostEntity& e) {
          RequireKind(e, {EntityKind::Text, EntityKind::Circle, EntityKind::Arc}, QStringLiteral("Normal"));
          return PointValue(ExtrusionOf(e.record_));
        },
        [](HostEntity& e, const QVariant& v) {
          const QString member = QStringLiteral("Normal");
          RequireKind(e, {EntityKind::Text, EntityKind::Circle, EntityKind::Arc}, member);
          const Point3 normal = ToPoint(v, member);
          if (!(Length(normal) > 0) || !std::isfinite(Length(normal))) {
            throw AutomationError(member, QStringLiteral("a normal needs a direction"));
          }
          e.ChangeRecord(member, [&](DxfRecord& r) { SetRecordNormal(r, e.kind_, Normalized(normal)); });
        });
    t.Function(QStringLiteral("Move"), [](HostEntity& e, QVariantList& args) {
      const QString member = QStringLiteral("Move");
      RequireArguments(args, 2, 2, member);
      e.Translate(ToPoint(args[1], member) - ToPoint(args[0], member));
      return QVariant();
    });
    t.Function(QStringLiteral("Erase"), [](HostEntity& e, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Erase"));
      e.Erase();
      return QVariant();
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

EntityPlaces TakeOut(EntityList& list, const QSet<const HostEntity*>& going) {
  EntityPlaces places;
  EntityList staying;
  staying.reserve(list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    if (going.contains(list[i].get())) {
      places.emplace_back(int(i), std::move(list[i]));
    } else {
      staying.push_back(std::move(list[i]));
    }
  }
  list = std::move(staying);
  return places;
}

void PutBack(EntityList& list, const EntityPlaces& places) {
  EntityList merged;
  merged.reserve(list.size() + places.size());
  size_t rest = 0;
  for (const auto& [index, entity] : places) {
    while (qsizetype(merged.size()) < index && rest < list.size()) {
      merged.push_back(std::move(list[rest++]));
    }
    merged.push_back(entity);
  }
  while (rest < list.size()) merged.push_back(std::move(list[rest++]));
  list = std::move(merged);
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
