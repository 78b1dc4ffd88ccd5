#pragma once

#include "automation/Arguments.h"
#include "automation/AutomationError.h"
#include "automation/MemberTable.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

namespace trellis::cadhost {

// The collections' default member takes a 0-based index or a name. Throws AutomationError when
// nothing is there.
template <typename Item, typename FindByName>
std::shared_ptr<Item> ItemAt(const std::vector<std::shared_ptr<Item>>& items, const QVariant& key,
                             FindByName findByName, const QString& member) {
  if (key.typeId() == QMetaType::QString) {
    std::shared_ptr<Item> found = findByName(key.toString());
    if (!found)
      throw AutomationError(member, QStringLiteral("no item named %1").arg(key.toString()));
    return found;
  }
  const qint64 index = ToInteger(key, member);
  if (index < 0 || index >= qint64(items.size())) {
    throw AutomationError(member, QStringLiteral("no item at index %1").arg(index));
  }
  return items[size_t(index)];
}

// The members every named collection of the drawing answers: Count, Add(name) and Item(index
// or name). Items is the collection's list; Add and Find are its own.
template <typename Collection, typename Item>
void AddCollectionMembers(MemberTable<Collection>& t,
                          std::vector<std::shared_ptr<Item>> Collection::*items) {
  t.Property(QStringLiteral("Count"), [items](Collection& c) { return int((c.*items).size()); });
  t.Function(QStringLiteral("Add"), [](Collection& c, QVariantList& args) {
    RequireArguments(args, 1, 1, QStringLiteral("Add"));
    return ObjectValue(c.Add(ToText(args[0], QStringLiteral("Add"))));
  });
  t.Function(QStringLiteral("Item"), [items](Collection& c, QVariantList& args) {
    RequireArguments(args, 1, 1, QStringLiteral("Item"));
    return ObjectValue(ItemAt(
        c.*items, args[0], [&c](const QString& name) { return c.Find(name); },
        QStringLiteral("Item")));
  });
}

}  // namespace trellis::cadhost
