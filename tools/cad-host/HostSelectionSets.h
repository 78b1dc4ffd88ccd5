#pragma once

#include "automation/MemberTable.h"
#include "cad-host/HostServices.h"

#include <QSet>
#include <QString>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class EntityFilter;
class HostDocument;

class HostSelectionSet : public TableDispatch<HostSelectionSet> {
 public:
  HostSelectionSet(std::weak_ptr<HostDocument> document, QString name);
  static const MemberTable<HostSelectionSet>& Members();

  const QString& Name() const { return name_; }
  const EntityList& Items() const { return items_; }

  // The user picks on screen; what passes Filter joins the set. Returns when the pick is over.
  void SelectOnScreen(const EntityFilter& filter);
  // Every object of the drawing that passes Filter joins the set, whatever its layer's state.
  void SelectAll(const EntityFilter& filter);
  // Erases the set's objects as one change; the set is left empty.
  void Erase();
  void Add(const EntityList& entities);
  void Clear() { items_.clear(); }
  void Remove(const HostEntity* entity);
  void Remove(const QSet<const HostEntity*>& entities);
  void EnsureUsable(const QString& member) const;
  void MarkDeleted() { deleted_ = true; }

 private:
  std::weak_ptr<HostDocument> document_;
  QString name_;
  EntityList items_;
  bool deleted_ = false;
};

// Named selection sets; names compare without case and Add refuses a name in use.
class HostSelectionSets : public TableDispatch<HostSelectionSets> {
 public:
  explicit HostSelectionSets(std::weak_ptr<HostDocument> document);
  static const MemberTable<HostSelectionSets>& Members();

  // Throws AutomationError when a set of that name exists.
  std::shared_ptr<HostSelectionSet> Add(const QString& name);
  std::shared_ptr<HostSelectionSet> Find(const QString& name) const;
  void Delete(const HostSelectionSet* set);
  const std::vector<std::shared_ptr<HostSelectionSet>>& All() const { return sets_; }

 private:
  std::weak_ptr<HostDocument> document_;
  std::vector<std::shared_ptr<HostSelectionSet>> sets_;
};

}  // namespace trellis::cadhost
