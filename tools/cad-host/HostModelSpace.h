#pragma once

#include "automation/MemberTable.h"
#include "cad-host/Geometry.h"
#include "cad-host/HostServices.h"
#include "cad-host/dxf/DxfRecord.h"

#include <QSet>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class HostDocument;
class HostEntity;

// The drawing's entities in the order they were made; new ones go on the current layer.
class HostModelSpace : public TableDispatch<HostModelSpace> {
 public:
  explicit HostModelSpace(std::weak_ptr<HostDocument> document);
  static const MemberTable<HostModelSpace>& Members();

  // All recorded for undo. Height and Radius must be above 0.
  std::shared_ptr<HostEntity> AddLine(const Point3& start, const Point3& end);
  std::shared_ptr<HostEntity> AddPoint(const Point3& position);
  std::shared_ptr<HostEntity> AddText(const QString& text, const Point3& insertion, double height);
  std::shared_ptr<HostEntity> AddCircle(const Point3& center, double radius);
  std::shared_ptr<HostEntity> AddPolyline(const std::vector<Point3>& points, bool closed);
  // A copy of Source moved by Offset.
  std::shared_ptr<HostEntity> AddCopy(const HostEntity& source, const Point3& offset);

  const EntityList& Entities() const { return entities_; }
  // For the document: placement without undo.
  void Adopt(std::shared_ptr<HostEntity> entity) { entities_.push_back(std::move(entity)); }
  void Insert(std::shared_ptr<HostEntity> entity, int index);
  int IndexOf(const HostEntity* entity) const;
  void Remove(const HostEntity* entity);
  EntityPlaces TakeOut(const QSet<const HostEntity*>& entities);
  void PutBack(const EntityPlaces& places);

 private:
  std::shared_ptr<HostDocument> Document(const QString& member) const;
  QByteArray CurrentLayer(HostDocument& document) const;
  // A new object of the drawing, recorded for undo.
  std::shared_ptr<HostEntity> Place(HostDocument& document, DxfRecord record);

  std::weak_ptr<HostDocument> document_;
  EntityList entities_;
};

}  // namespace trellis::cadhost
