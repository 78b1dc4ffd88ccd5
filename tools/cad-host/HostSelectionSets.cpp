#include "cad-host/HostSelectionSets.h"

#include "automation/Arguments.h"
#include "cad-host/EntityFilter.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"
#include "cad-host/ItemLookup.h"

#include <QSet>

#include <algorithm>

namespace trellis::cadhost {

namespace {

// With group selection on (PICKSTYLE 1 or 3), picking a member of a selectable group picks the
// visible members of the whole group.
EntityList WithTheirGroups(HostDocument& document, const EntityList& picked) {
  const qint64 pickStyle = document.Variables().Get(QStringLiteral("PICKSTYLE")).toLongLong();
  if ((pickStyle & 1) == 0) return picked;
  QSet<const HostEntity*> wasPicked;
  for (const auto& entity : picked) wasPicked.insert(entity.get());
  EntityList all = picked;
  for (const auto& group : document.Groups().All()) {
    if (!group->selectable) continue;
    const EntityList& items = group->Items();
    const bool touched = std::any_of(items.begin(), items.end(), [&](const auto& item) {
      return wasPicked.contains(item.get());
    });
    if (!touched) continue;
    EntityList visible;
    for (const auto& member : items) {
      if (document.Layers().Shows(*member)) visible.push_back(member);
    }
    AppendMissing(all, visible);
  }
  return all;
}

}  // namespace

HostSelectionSet::HostSelectionSet(std::weak_ptr<HostDocument> document, QString name)
    : document_(std::move(document)), name_(std::move(name)) {}

void HostSelectionSet::EnsureUsable(const QString& member) const {
  if (deleted_) throw AutomationError(member, QStringLiteral("the selection set was deleted"));
}

void HostSelectionSet::Add(const EntityList& entities) {
  AppendMissing(items_, entities);
}

void HostSelectionSet::Remove(const HostEntity* entity) {
  std::erase_if(items_, [entity](const auto& item) { return item.get() == entity; });
}

void HostSelectionSet::Remove(const QSet<const HostEntity*>& entities) {
  std::erase_if(items_, [&](const auto& item) { return entities.contains(item.get()); });
}

void HostSelectionSet::SelectAll(const EntityFilter& filter) {
  const auto document = LockDocument(document_, QStringLiteral("Select"));
  EntityList admitted;
  for (const auto& entity : document->ModelSpace().Entities()) {
    if (filter.Admits(*entity)) admitted.push_back(entity);
  }
  Add(admitted);
}

void HostSelectionSet::Erase() {
  const auto document = LockDocument(document_, QStringLiteral("Erase"));
  const EntityList items = std::move(items_);
  items_.clear();
  document->Remove(items);
}

void HostSelectionSet::SelectOnScreen(const EntityFilter& filter) {
  const auto document = LockDocument(document_, QStringLiteral("SelectOnScreen"));
  // The filter decides what can be picked at all, before the user sees the prompt.
  EntityList candidates;
  for (const auto& entity : document->ModelSpace().Entities()) {
    if (document->Layers().Offers(*entity) && filter.Admits(*entity)) candidates.push_back(entity);
  }
  EntityList admitted;
  for (const auto& entity : WithTheirGroups(*document, document->PickerOf().Pick(candidates))) {
    if (!entity->Erased() && filter.Admits(*entity)) admitted.push_back(entity);
  }
  Add(admitted);
}

const MemberTable<HostSelectionSet>& HostSelectionSet::Members() {
  static const MemberTable<HostSelectionSet> table = [] {
    MemberTable<HostSelectionSet> t;
    t.Property(QStringLiteral("Name"), [](HostSelectionSet& s) { return s.Name(); });
    t.Property(QStringLiteral("Count"), [](HostSelectionSet& s) { return int(s.items_.size()); });
    t.Function(QStringLiteral("Item"), [](HostSelectionSet& s, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("Item"));
      return ObjectValue(ItemAt(
          s.items_, args[0], [](const QString&) { return std::shared_ptr<HostEntity>(); },
          QStringLiteral("Item")));
    });
    t.Function(QStringLiteral("Clear"), [](HostSelectionSet& s, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Clear"));
      s.Clear();
      return QVariant();
    });
    t.Function(QStringLiteral("AddItems"), [](HostSelectionSet& s, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("AddItems"));
      s.Add(ToEntities(args[0], QStringLiteral("AddItems")));
      return QVariant();
    });
    // No argument, or the filter's group codes and values.
    t.Function(QStringLiteral("SelectOnScreen"), [](HostSelectionSet& s, QVariantList& args) {
      const QString member = QStringLiteral("SelectOnScreen");
      if (args.size() != 0 && args.size() != 2) RequireArguments(args, 2, 2, member);
      s.SelectOnScreen(
          args.isEmpty() ? EntityFilter()
                         : EntityFilter(ToList(args[0], member), ToList(args[1], member), member));
      return QVariant();
    });
    // Mode, two corner points and the filter's group codes and values; an argument left out or
    // passed empty counts as not given. Of the modes only acSelectionSetAll (5) is taken.
    t.Function(QStringLiteral("Select"), [](HostSelectionSet& s, QVariantList& args) {
      const QString member = QStringLiteral("Select");
      constexpr qint64 kAll = 5;
      RequireArguments(args, 1, 5, member);
      const qint64 mode = ToInteger(args[0], member);
      if (mode != kAll) {
        throw AutomationError(member,
                              QStringLiteral("selection mode %1 is not supported").arg(mode));
      }
      const auto given = [&args](qsizetype i) { return i < args.size() && args[i].isValid(); };
      if (given(3) != given(4)) {
        throw AutomationError(member,
                              QStringLiteral("the filter needs both its codes and its values"));
      }
      s.SelectAll(given(3) ? EntityFilter(ToList(args[3], member), ToList(args[4], member), member)
                           : EntityFilter());
      return QVariant();
    });
    t.Function(QStringLiteral("Erase"), [](HostSelectionSet& s, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Erase"));
      s.Erase();
      return QVariant();
    });
    t.Function(QStringLiteral("Delete"), [](HostSelectionSet& s, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Delete"));
      LockDocument(s.document_, QStringLiteral("Delete"))->SelectionSets().Delete(&s);
      return QVariant();
    });
    return t;
  }();
  return table;
}

HostSelectionSets::HostSelectionSets(std::weak_ptr<HostDocument> document)
    : document_(std::move(document)) {}

std::shared_ptr<HostSelectionSet> HostSelectionSets::Find(const QString& name) const {
  for (const auto& set : sets_) {
    if (set->Name().compare(name, Qt::CaseInsensitive) == 0) return set;
  }
  return nullptr;
}

std::shared_ptr<HostSelectionSet> HostSelectionSets::Add(const QString& name) {
  if (name.trimmed().isEmpty()) {
    throw AutomationError(QStringLiteral("Add"), QStringLiteral("a selection set needs a name"));
  }
  if (Find(name)) {
    throw AutomationError(QStringLiteral("Add"),
                          QStringLiteral("a selection set named %1 exists").arg(name));
  }
  sets_.push_back(std::make_shared<HostSelectionSet>(document_, name));
  return sets_.back();
}

void HostSelectionSets::Delete(const HostSelectionSet* set) {
  for (auto it = sets_.begin(); it != sets_.end(); ++it) {
    if (it->get() != set) continue;
    (*it)->MarkDeleted();
    sets_.erase(it);
    return;
  }
}

const MemberTable<HostSelectionSets>& HostSelectionSets::Members() {
  static const MemberTable<HostSelectionSets> table = [] {
    MemberTable<HostSelectionSets> t;
    AddCollectionMembers(t, &HostSelectionSets::sets_);
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
