#include "cad-host/HostGroups.h"

#include "automation/Arguments.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/ItemLookup.h"

#include <algorithm>

namespace trellis::cadhost {

HostGroup::HostGroup(std::weak_ptr<HostDocument> document, QString name, QString handle)
    : document_(std::move(document)), name_(std::move(name)), handle_(std::move(handle)) {}

void HostGroup::EnsureUsable(const QString& member) const {
  if (deleted_) throw AutomationError(member, QStringLiteral("the group was deleted"));
}

void HostGroup::Append(const EntityList& entities) {
  AppendMissing(items_, entities);
  LockDocument(document_, QStringLiteral("AppendItems"))->Changed();
}

void HostGroup::Remove(const HostEntity* entity) {
  std::erase_if(items_, [entity](const auto& item) { return item.get() == entity; });
}

const MemberTable<HostGroup>& HostGroup::Members() {
  static const MemberTable<HostGroup> table = [] {
    MemberTable<HostGroup> t;
    t.Property(QStringLiteral("Name"), [](HostGroup& g) { return g.Name(); });
    t.Property(QStringLiteral("Handle"), [](HostGroup& g) { return g.handle_; });
    t.Property(QStringLiteral("Count"), [](HostGroup& g) { return int(g.items_.size()); });
    t.Property(
        QStringLiteral("Selectable"), [](HostGroup& g) { return g.selectable; },
        [](HostGroup& g, const QVariant& v) {
          g.selectable = ToBoolean(v, QStringLiteral("Selectable"));
        });
    t.Function(QStringLiteral("Item"), [](HostGroup& g, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("Item"));
      return ObjectValue(ItemAt(
          g.items_, args[0], [](const QString&) { return std::shared_ptr<HostEntity>(); },
          QStringLiteral("Item")));
    });
    t.Function(QStringLiteral("AppendItems"), [](HostGroup& g, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("AppendItems"));
      g.Append(ToEntities(args[0], QStringLiteral("AppendItems")));
      return QVariant();
    });
    t.Function(QStringLiteral("Highlight"), [](HostGroup& g, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("Highlight"));
      g.highlighted = ToBoolean(args[0], QStringLiteral("Highlight"));
      LockDocument(g.document_, QStringLiteral("Highlight"))->Changed();
      return QVariant();
    });
    t.Function(QStringLiteral("Delete"), [](HostGroup& g, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Delete"));
      LockDocument(g.document_, QStringLiteral("Delete"))->Groups().Delete(&g);
      return QVariant();
    });
    return t;
  }();
  return table;
}

HostGroups::HostGroups(std::weak_ptr<HostDocument> document) : document_(std::move(document)) {}

std::shared_ptr<HostGroup> HostGroups::Find(const QString& name) const {
  for (const auto& group : groups_) {
    if (group->Name().compare(name, Qt::CaseInsensitive) == 0) return group;
  }
  return nullptr;
}

std::shared_ptr<HostGroup> HostGroups::Add(const QString& name) {
  if (name.trimmed().isEmpty()) {
    throw AutomationError(QStringLiteral("Add"), QStringLiteral("a group needs a name"));
  }
  if (Find(name)) {
    throw AutomationError(QStringLiteral("Add"),
                          QStringLiteral("a group named %1 exists").arg(name));
  }
  const auto document = LockDocument(document_, QStringLiteral("Add"));
  groups_.push_back(std::make_shared<HostGroup>(document_, name, document->NextHandle()));
  document->Changed();
  return groups_.back();
}

void HostGroups::Delete(const HostGroup* group) {
  for (auto it = groups_.begin(); it != groups_.end(); ++it) {
    if (it->get() != group) continue;
    (*it)->MarkDeleted();
    groups_.erase(it);
    LockDocument(document_, QStringLiteral("Delete"))->Changed();
    return;
  }
}

const MemberTable<HostGroups>& HostGroups::Members() {
  static const MemberTable<HostGroups> table = [] {
    MemberTable<HostGroups> t;
    AddCollectionMembers(t, &HostGroups::groups_);
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
