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
  const auto document = LockDocument(document_, QStringLiteral("AppendItems"));
  const EntityList before = items_;
  AppendMissing(items_, entities);
  const EntityList after = items_;
  document->History().Record(
      [this, before, document = document_] {
        items_ = before;
        if (const auto d = document.lock()) d->Changed();
      },
      [this, after, document = document_] {
        items_ = after;
        if (const auto d = document.lock()) d->Changed();
      });
  document->Changed();
}

void HostGroup::Remove(const HostEntity* entity) {
  std::erase_if(items_, [entity](const auto& item) { return item.get() == entity; });
}

void HostGroup::Insert(std::shared_ptr<HostEntity> entity, int index) {
  if (IndexOf(entity.get()) >= 0) return;
  items_.insert(items_.begin() + std::clamp(index, 0, int(items_.size())), std::move(entity));
}

int HostGroup::IndexOf(const HostEntity* entity) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == entity) return int(i);
  }
  return -1;
}

DxfGroup HostGroup::ToDxf() const {
  DxfGroup group;
  group.name = name_;
  group.handle = handle_.toLatin1();
  group.description = description;
  group.selectable = selectable;
  for (const auto& item : items_) group.members.push_back(item->Handle().toLatin1());
  return group;
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
      const auto document = LockDocument(g.document_, QStringLiteral("Highlight"));
      const bool marked = document->HighlightMarks(ToBoolean(args[0], QStringLiteral("Highlight")));
      if (marked != g.marked) {
        g.marked = marked;
        document->Redraw();
      }
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

void HostGroups::Adopt(const DxfGroup& group, EntityList members) {
  if (Find(group.name)) return;
  auto adopted = std::make_shared<HostGroup>(document_, group.name,
                                             QString::fromLatin1(group.handle));
  adopted->selectable = group.selectable;
  adopted->description = group.description;
  adopted->SetItems(std::move(members));
  groups_.push_back(std::move(adopted));
}

void HostGroups::Place(std::shared_ptr<HostGroup> group, size_t index) {
  group->SetDeleted(false);
  groups_.insert(groups_.begin() + std::min(index, groups_.size()), std::move(group));
  if (const auto document = document_.lock()) document->Changed();
}

void HostGroups::Take(const std::shared_ptr<HostGroup>& group) {
  group->SetDeleted(true);
  std::erase(groups_, group);
  if (const auto document = document_.lock()) document->Changed();
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
  auto group = std::make_shared<HostGroup>(document_, name, document->NextHandle());
  // A new group starts unmarked in either mode.
  const size_t index = groups_.size();
  Place(group, index);
  document->History().Record([this, group] { Take(group); },
                             [this, group, index] { Place(group, index); });
  return group;
}

void HostGroups::Delete(const HostGroup* group) {
  const auto it = std::find_if(groups_.begin(), groups_.end(),
                               [group](const auto& g) { return g.get() == group; });
  if (it == groups_.end()) return;
  const auto deleted = *it;
  const size_t index = size_t(it - groups_.begin());
  Take(deleted);
  if (const auto document = document_.lock()) {
    document->History().Record([this, deleted, index] { Place(deleted, index); },
                               [this, deleted] { Take(deleted); });
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
