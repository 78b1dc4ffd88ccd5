#pragma once

#include "automation/MemberTable.h"
#include "cad-host/HostServices.h"

#include <QString>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class HostDocument;

// A named group of entities. A group is selectable unless made otherwise: with PICKSTYLE 1 or 3
// picking one member picks the whole group.
class HostGroup : public TableDispatch<HostGroup> {
 public:
  HostGroup(std::weak_ptr<HostDocument> document, QString name, QString handle);
  static const MemberTable<HostGroup>& Members();

  const QString& Name() const { return name_; }
  const EntityList& Items() const { return items_; }
  bool highlighted = false;
  bool selectable = true;

  // Adds the entities not already in the group, in order.
  void Append(const EntityList& entities);
  void Remove(const HostEntity* entity);
  void EnsureUsable(const QString& member) const;
  void MarkDeleted() { deleted_ = true; }

 private:
  std::weak_ptr<HostDocument> document_;
  QString name_;
  QString handle_;
  EntityList items_;
  bool deleted_ = false;
};

// The groups of a drawing in the order they were made; names compare without case.
class HostGroups : public TableDispatch<HostGroups> {
 public:
  explicit HostGroups(std::weak_ptr<HostDocument> document);
  static const MemberTable<HostGroups>& Members();

  // Throws AutomationError when a group of that name exists.
  std::shared_ptr<HostGroup> Add(const QString& name);
  std::shared_ptr<HostGroup> Find(const QString& name) const;
  void Delete(const HostGroup* group);
  const std::vector<std::shared_ptr<HostGroup>>& All() const { return groups_; }

 private:
  std::weak_ptr<HostDocument> document_;
  std::vector<std::shared_ptr<HostGroup>> groups_;
};

}  // namespace trellis::cadhost
