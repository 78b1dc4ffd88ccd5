#pragma once

#include "automation/MemberTable.h"
#include "cad-host/HostServices.h"
#include "cad-host/dxf/DxfFile.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class HostDocument;

// A named group of entities. A group is selectable unless made otherwise: with PICKSTYLE 1 or 3
// picking one member picks the whole group. A marked group is drawn so it stands out; which
// Highlight flag marks depends on the host's mode (see HostDocument::HighlightMarks).
class HostGroup : public TableDispatch<HostGroup> {
 public:
  HostGroup(std::weak_ptr<HostDocument> document, QString name, QString handle);
  static const MemberTable<HostGroup>& Members();

  const QString& Name() const { return name_; }
  const EntityList& Items() const { return items_; }
  bool marked = false;
  bool selectable = true;
  QString description;

  // Adds the entities not already in the group, in order; recorded for undo.
  void Append(const EntityList& entities);
  // For the document: membership without undo.
  void Remove(const HostEntity* entity);
  void Insert(std::shared_ptr<HostEntity> entity, int index);
  int IndexOf(const HostEntity* entity) const;
  void SetItems(EntityList items) { items_ = std::move(items); }

  DxfGroup ToDxf() const;
  void EnsureUsable(const QString& member) const;
  void SetDeleted(bool deleted) { deleted_ = deleted; }

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

  // Throws AutomationError when a group of that name exists. Recorded for undo, as is Delete.
  std::shared_ptr<HostGroup> Add(const QString& name);
  std::shared_ptr<HostGroup> Find(const QString& name) const;
  void Delete(const HostGroup* group);
  const std::vector<std::shared_ptr<HostGroup>>& All() const { return groups_; }
  // A group of the drawing's file with its members.
  void Adopt(const DxfGroup& group, EntityList members);

 private:
  void Place(std::shared_ptr<HostGroup> group, size_t index);
  void Take(const std::shared_ptr<HostGroup>& group);

  std::weak_ptr<HostDocument> document_;
  std::vector<std::shared_ptr<HostGroup>> groups_;
};

}  // namespace trellis::cadhost
