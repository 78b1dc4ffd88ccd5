#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>

namespace trellis {

// An object called by member name. Member names compare without case, as late binding does.
// A failing call throws AutomationError.
class Dispatch {
 public:
  virtual ~Dispatch() = default;

  virtual QVariant Get(const QString& name) = 0;
  virtual void Set(const QString& name, const QVariant& value) = 0;
  // Arguments the callee takes by reference come back changed in Args.
  virtual QVariant Invoke(const QString& member, QVariantList& args) = 0;
};

using DispatchRef = std::shared_ptr<Dispatch>;

// An object reference travels in a QVariant; an unset reference is an empty QVariant.
QVariant ObjectValue(DispatchRef object);
bool HoldsObject(const QVariant& value);
// The object a value refers to, or nullptr when it holds none.
DispatchRef ObjectOf(const QVariant& value);

// Calls that read naturally at the call site: Invoke with arguments passed by value.
QVariant Call(Dispatch& object, const QString& member, QVariantList args = {});

}  // namespace trellis

Q_DECLARE_METATYPE(trellis::DispatchRef)
