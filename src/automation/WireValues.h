#pragma once

#include "automation/Dispatch.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QString>
#include <QVariant>

namespace trellis {

// How values travel in the generic interface. Plain values travel as themselves, arrays as
// "av", an unset value or reference as the path "/", an object of the process that sends the
// message as its path "o", and an object of any other process as "(so)": that process's
// unique bus name and the object's path.
struct RemoteReference {
  QString busName;
  QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteReference& reference);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteReference& reference);

// What the conversions need from the bus side of the process.
class WireObjects {
 public:
  virtual ~WireObjects() = default;
  // "o" for an object of this process (handing it out), "(so)" for one of another process.
  // Receiver is the unique name of the process the value is sent to: it holds the object from
  // then on, until it releases it or leaves the bus.
  virtual QVariant ObjectToWire(const DispatchRef& object, const QString& receiver) = 0;
  // The object at Path of the process Owner: this process's own or a proxy. Throws
  // AutomationError for a name or path that is not valid on the bus.
  virtual DispatchRef ObjectAt(const QString& owner, const QString& path) = 0;
};

// Names as the D-Bus library accepts them. It ends the process on a malformed one, so every
// name that comes from a message is checked before it reaches the library.
bool IsBusName(const QString& name);
// A unique connection name, ":1.42": what a reference names its process by.
bool IsUniqueBusName(const QString& name);
bool IsObjectPath(const QString& path);

// Registers the struct type with QtDBus; call once before the first conversion.
void RegisterWireTypes();

// Both throw AutomationError (without a member name) for values that cannot travel. Receiver
// is the unique name of the process the value is sent to.
QVariant ToWire(const QVariant& value, WireObjects& objects, const QString& receiver);
QVariantList ToWireList(const QVariantList& values, WireObjects& objects, const QString& receiver);
// Sender is the unique bus name of the process that sent the message holding Wire. Throws
// AutomationError for values that are not understood, malformed references among them.
QVariant FromWire(const QVariant& wire, const QString& sender, WireObjects& objects);

}  // namespace trellis

Q_DECLARE_METATYPE(trellis::RemoteReference)
