#include "cad-host/HostModelSpace.h"

#include "automation/Arguments.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostLayers.h"
#include "cad-host/ItemLookup.h"

#include <algorithm>
#include <cmath>

namespace trellis::cadhost {

HostModelSpace::HostModelSpace(std::weak_ptr<HostDocument> document)
    : document_(std::move(document)) {}

std::shared_ptr<HostDocument> HostModelSpace::Document(const QString& member) const {
  return LockDocument(document_, member);
}

QByteArray HostModelSpace::CurrentLayer(HostDocument& document) const {
  return document.Codec().Encode(document.Variables().Get(QStringLiteral("CLAYER")).toString());
}

std::shared_ptr<HostEntity> HostModelSpace::Place(HostDocument& document, DxfRecord record) {
  auto entity = std::make_shared<HostEntity>(document.weak_from_this(), std::move(record),
                                             document.Codec());
  document.AddEntity(entity);
  return entity;
}

std::shared_ptr<HostEntity> HostModelSpace::AddLine(const Point3& start, const Point3& end) {
  const auto document = Document(QStringLiteral("AddLine"));
  return Place(*document, MakeLineRecord(document->NextHandle().toLatin1(),
                                         document->ModelSpaceHandle(), CurrentLayer(*document),
                                         start, end));
}

std::shared_ptr<HostEntity> HostModelSpace::AddPoint(const Point3& position) {
  const auto document = Document(QStringLiteral("AddPoint"));
  return Place(*document, MakePointRecord(document->NextHandle().toLatin1(),
                                          document->ModelSpaceHandle(), CurrentLayer(*document),
                                          position));
}

std::shared_ptr<HostEntity> HostModelSpace::AddText(const QString& text, const Point3& insertion,
                                                    double height) {
  const QString member = QStringLiteral("AddText");
  const auto document = Document(member);
  if (!std::isfinite(height) || height <= 0) {
    throw AutomationError(member, QStringLiteral("the height must be a number above 0"));
  }
  return Place(*document, MakeTextRecord(document->NextHandle().toLatin1(),
                                         document->ModelSpaceHandle(), CurrentLayer(*document),
                                         document->Codec().Encode(text), insertion, height));
}

std::shared_ptr<HostEntity> HostModelSpace::AddCircle(const Point3& center, double radius) {
  const QString member = QStringLiteral("AddCircle");
  const auto document = Document(member);
  if (!std::isfinite(radius) || radius <= 0) {
    throw AutomationError(member, QStringLiteral("the radius must be a number above 0"));
  }
  return Place(*document,
               MakeCircleRecord(document->NextHandle().toLatin1(), document->ModelSpaceHandle(),
                                CurrentLayer(*document), center, radius));
}

std::shared_ptr<HostEntity> HostModelSpace::AddPolyline(const std::vector<Point3>& points,
                                                        bool closed) {
  const auto document = Document(QStringLiteral("AddPolyline"));
  if (points.size() < 2) {
    throw AutomationError(QStringLiteral("AddPolyline"),
                          QStringLiteral("a polyline needs two points or more"));
  }
  return Place(*document,
               MakePolylineRecord([&] { return document->NextHandle().toLatin1(); },
                                  document->ModelSpaceHandle(), CurrentLayer(*document), points,
                                  closed));
}

std::shared_ptr<HostEntity> HostModelSpace::AddCopy(const HostEntity& source, const Point3& offset) {
  const auto document = Document(QStringLiteral("Copy"));
  DxfRecord record =
      CopyRecord(source.Record(), [&] { return document->NextHandle().toLatin1(); });
  TranslateRecord(record, source.KindOf(), offset);
  return Place(*document, std::move(record));
}

void HostModelSpace::Insert(std::shared_ptr<HostEntity> entity, int index) {
  entities_.insert(entities_.begin() + std::clamp(index, 0, int(entities_.size())),
                   std::move(entity));
}

int HostModelSpace::IndexOf(const HostEntity* entity) const {
  // Recent objects are looked for most often (a copy erased right after it was made).
  for (size_t i = entities_.size(); i-- > 0;) {
    if (entities_[i].get() == entity) return int(i);
  }
  return -1;
}

void HostModelSpace::Remove(const HostEntity* entity) {
  const int index = IndexOf(entity);
  if (index >= 0) entities_.erase(entities_.begin() + index);
}

EntityPlaces HostModelSpace::TakeOut(const QSet<const HostEntity*>& entities) {
  return cadhost::TakeOut(entities_, entities);
}

void HostModelSpace::PutBack(const EntityPlaces& places) {
  cadhost::PutBack(entities_, places);
}

const MemberTable<HostModelSpace>& HostModelSpace::Members() {
  static const MemberTable<HostModelSpace> table = [] {
    MemberTable<HostModelSpace> t;
    t.Property(QStringLiteral("Count"), [](HostModelSpace& m) { return int(m.entities_.size()); });
    t.Function(QStringLiteral("Item"), [](HostModelSpace& m, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("Item"));
      return ObjectValue(ItemAt(
          m.entities_, args[0], [](const QString&) { return std::shared_ptr<HostEntity>(); },
          QStringLiteral("Item")));
    });
    t.Function(QStringLiteral("AddLine"), [](HostModelSpace& m, QVariantList& args) {
      const QString member = QStringLiteral("AddLine");
      RequireArguments(args, 2, 2, member);
      return ObjectValue(m.AddLine(ToPoint(args[0], member), ToPoint(args[1], member)));
    });
    t.Function(QStringLiteral("AddPoint"), [](HostModelSpace& m, QVariantList& args) {
      const QString member = QStringLiteral("AddPoint");
      RequireArguments(args, 1, 1, member);
      return ObjectValue(m.AddPoint(ToPoint(args[0], member)));
    });
    t.Function(QStringLiteral("AddText"), [](HostModelSpace& m, QVariantList& args) {
      const QString member = QStringLiteral("AddText");
      RequireArguments(args, 3, 3, member);
      return ObjectValue(
          m.AddText(ToText(args[0], member), ToPoint(args[1], member), ToNumber(args[2], member)));
    });
    t.Function(QStringLiteral("AddCircle"), [](HostModelSpace& m, QVariantList& args) {
      const QString member = QStringLiteral("AddCircle");
      RequireArguments(args, 2, 2, member);
      return ObjectValue(m.AddCircle(ToPoint(args[0], member), ToNumber(args[1], member)));
    });
    // The vertices one after another (x, y, z, x, y, z, ...), as the hosts take them.
    t.Function(QStringLiteral("Add3DPoly"), [](HostModelSpace& m, QVariantList& args) {
      const QString member = QStringLiteral("Add3DPoly");
      RequireArguments(args, 1, 1, member);
      const QVariantList numbers = ToList(args[0], member);
      if (numbers.size() % 3 != 0) {
        throw AutomationError(member, QStringLiteral("the coordinates are not in threes"));
      }
      std::vector<Point3> points;
      for (qsizetype i = 0; i < numbers.size(); i += 3) {
        points.push_back({ToNumber(numbers[i], member), ToNumber(numbers[i + 1], member),
                          ToNumber(numbers[i + 2], member)});
      }
      return ObjectValue(m.AddPolyline(points, false));
    });
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
