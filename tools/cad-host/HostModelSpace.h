#pragma once

#include "automation/MemberTable.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostServices.h"

#include <memory>

namespace trellis::cadhost {

class HostDocument;

// The drawing's entities in the order they were made; new ones go on the current layer.
class HostModelSpace : public TableDispatch<HostModelSpace> {
 public:
  explicit HostModelSpace(std::weak_ptr<HostDocument> document);
  static const MemberTable<HostModelSpace>& Members();

  std::shared_ptr<HostLine> AddLine(const Point3& start, const Point3& end);
  std::shared_ptr<HostPoint> AddPoint(const Point3& position);
  void Remove(const HostEntity* entity);
  const EntityList& Entities() const { return entities_; }

 private:
  std::shared_ptr<HostDocument> Document() const;

  std::weak_ptr<HostDocument> document_;
  EntityList entities_;
};

}  // namespace trellis::cadhost
