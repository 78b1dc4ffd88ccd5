#pragma once

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>

namespace trellis {

// The members of one Dispatch class by name, built once per class. A property get falls back
// to a method without arguments and a method call without arguments to a property get, as
// late binding lets a caller write either.
template <typename Object>
class MemberTable {
 public:
  using Getter = std::function<QVariant(Object&)>;
  using Setter = std::function<void(Object&, const QVariant&)>;
  using Method = std::function<QVariant(Object&, QVariantList&)>;

  MemberTable& Property(const QString& name, Getter get, Setter set = nullptr) {
    Entry& entry = members_[name.toLower()];
    entry.get = std::move(get);
    entry.set = std::move(set);
    return *this;
  }

  MemberTable& Function(const QString& name, Method method) {
    members_[name.toLower()].method = std::move(method);
    return *this;
  }

  QVariant Get(Object& object, const QString& name) const {
    const Entry& entry = Find(name);
    if (entry.get) return entry.get(object);
    if (entry.method) {
      QVariantList none;
      return entry.method(object, none);
    }
    throw AutomationError(name, QStringLiteral("the member cannot be read"));
  }

  void Set(Object& object, const QString& name, const QVariant& value) const {
    const Entry& entry = Find(name);
    if (!entry.set) throw AutomationError(name, QStringLiteral("the property is read-only"));
    entry.set(object, value);
  }

  QVariant Invoke(Object& object, const QString& name, QVariantList& args) const {
    const Entry& entry = Find(name);
    if (entry.method) return entry.method(object, args);
    if (entry.get && args.isEmpty()) return entry.get(object);
    throw AutomationError(name, QStringLiteral("the member is not a method"));
  }

 private:
  struct Entry {
    Getter get;
    Setter set;
    Method method;
  };

  const Entry& Find(const QString& name) const {
    const auto found = members_.constFind(name.toLower());
    if (found == members_.constEnd()) {
      throw AutomationError(name, QStringLiteral("the object has no such member"));
    }
    return *found;
  }

  QHash<QString, Entry> members_;
};

// A Dispatch whose members come from the class's table, Self::Members(). A class that can stop
// being usable (an erased entity, a deleted group) declares EnsureUsable(member), which throws.
// Base lets several such classes share a Dispatch base of their own.
template <typename Self, typename Base = Dispatch>
class TableDispatch : public Base {
 public:
  using Base::Base;

  QVariant Get(const QString& name) override {
    Guard(name);
    return Self::Members().Get(self(), name);
  }
  void Set(const QString& name, const QVariant& value) override {
    Guard(name);
    Self::Members().Set(self(), name, value);
  }
  QVariant Invoke(const QString& member, QVariantList& args) override {
    Guard(member);
    return Self::Members().Invoke(self(), member, args);
  }

 private:
  Self& self() { return static_cast<Self&>(*this); }
  void Guard(const QString& member) {
    if constexpr (requires(Self & s) { s.EnsureUsable(member); }) self().EnsureUsable(member);
  }
};

}  // namespace trellis
