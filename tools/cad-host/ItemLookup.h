#pragma once

#include "automation/Arguments.h"
#include "automation/AutomationError.h"

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

}  // namespace trellis::cadhost
