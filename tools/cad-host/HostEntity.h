#pragma once

#include "automation/MemberTable.h"
#include "cad-host/EntityRecords.h"
#include "cad-host/EntityShape.h"
#include "cad-host/Geometry.h"
#include "cad-host/HostServices.h"
#include "cad-host/dxf/DxfRecord.h"

#include <QSet>
#include <QString>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class DxfCodec;
class HostDocument;

// An object of model space, kept as the record a DXF file holds for it, so kinds the host does
// not draw and codes it does not know go back to the file unchanged. Its colour is an index of
// the CAD colour table, 256 meaning the layer's colour. An erased entity answers every call with
// an error, as the CAD hosts do. Every change goes through the document, which can undo it.
class HostEntity : public TableDispatch<HostEntity> {
 public:
  static constexpr int kByLayer = 256;

  HostEntity(std::weak_ptr<HostDocument> document, DxfRecord record, const DxfCodec& codec);
  static const MemberTable<HostEntity>& Members();

  EntityKind KindOf() const { return kind_; }
  // The type name the selection filters use ("LINE", "POINT", ...).
  const QString& TypeName() const { return typeName_; }
  const QString& Handle() const { return handle_; }
  const QString& Layer() const { return layer_; }
  int Color() const { return color_; }
  const DxfRecord& Record() const { return record_; }
  const EntityShape& Shape() const { return shape_; }
  bool Erased() const { return erased_; }
  // Drawn in model space: a kind the host draws, not in paper space.
  bool Drawn() const { return !shape_.Empty() && !shape_.paperSpace; }

  void SetLayer(const QString& name);
  void SetColor(int color);
  void Translate(const Point3& by);
  void Erase();

  void EnsureUsable(const QString& member) const;

  // For the document only: the record changes wholesale (a change or its undo), and the
  // entity leaves or comes back to the drawing.
  void ReplaceRecord(DxfRecord record, const DxfCodec& codec);
  void SetErased(bool erased) { erased_ = erased; }

 private:
  std::shared_ptr<HostDocument> Document(const QString& member) const;
  void ChangeRecord(const QString& member, const std::function<void(DxfRecord&)>& change);

  std::weak_ptr<HostDocument> document_;
  DxfRecord record_;
  EntityKind kind_ = EntityKind::Other;
  QString typeName_;
  QString handle_;
  QString layer_;
  int color_ = kByLayer;
  EntityShape shape_;
  bool erased_ = false;
};

// Coordinates as the hosts exchange them: an array of three numbers.
QVariant PointValue(const Point3& point);
// Appends the entities List does not hold yet, in order.
void AppendMissing(std::vector<std::shared_ptr<HostEntity>>& list,
                   const std::vector<std::shared_ptr<HostEntity>>& entities);
// Takes the entities of Going out of List, telling where they stood; PutBack puts them there
// again. Each is one pass: the entities may be most of a large drawing.
EntityPlaces TakeOut(EntityList& list, const QSet<const HostEntity*>& going);
void PutBack(EntityList& list, const EntityPlaces& places);
// The entities of an array argument; each must be a live object of the drawing.
std::vector<std::shared_ptr<HostEntity>> ToEntities(const QVariant& value, const QString& member);
Point3 ToPoint(const QVariant& value, const QString& member);

}  // namespace trellis::cadhost
