#include "automation/WireValues.h"

#include "automation/AutomationError.h"

#include <QDBusMetaType>
#include <QDBusVariant>
#include <QStringList>

namespace trellis {

namespace {

const QString kUnsetPath = QStringLiteral("/");

bool TravelsAsItself(int type) {
  switch (type) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::QString:
    case QMetaType::QByteArray:
      return true;
    default:
      return false;
  }
}

QVariantList ArrayFromWire(const QDBusArgument& argument, const QString& sender,
                           WireObjects& objects) {
  QVariantList list;
  argument.beginArray();
  while (!argument.atEnd()) {
    QDBusVariant element;
    argument >> element;
    list << FromWire(element.variant(), sender, objects);
  }
  argument.endArray();
  return list;
}

}  // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteReference& reference) {
  argument.beginStructure();
  argument << reference.busName << reference.path;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteReference& reference) {
  argument.beginStructure();
  argument >> reference.busName >> reference.path;
  argument.endStructure();
  return argument;
}

void RegisterWireTypes() {
  qDBusRegisterMetaType<RemoteReference>();
}

QVariant ToWire(const QVariant& value, WireObjects& objects) {
  if (!value.isValid()) return QVariant::fromValue(QDBusObjectPath(kUnsetPath));
  if (HoldsObject(value)) {
    const DispatchRef object = ObjectOf(value);
    if (!object) return QVariant::fromValue(QDBusObjectPath(kUnsetPath));
    return objects.ObjectToWire(object);
  }
  const int type = value.typeId();
  if (TravelsAsItself(type)) return value;
  if (type == QMetaType::Float) return QVariant(value.toDouble());
  if (type == QMetaType::QVariantList || type == QMetaType::QStringList) {
    return ToWireList(value.toList(), objects);
  }
  throw AutomationError(
      QString(),
      QStringLiteral("a value of type %1 cannot be passed").arg(QLatin1String(value.typeName())));
}

QVariantList ToWireList(const QVariantList& values, WireObjects& objects) {
  QVariantList wire;
  wire.reserve(values.size());
  for (const QVariant& value : values) wire << ToWire(value, objects);
  return wire;
}

QVariant FromWire(const QVariant& wire, const QString& sender, WireObjects& objects) {
  const int type = wire.userType();
  if (type == qMetaTypeId<QDBusVariant>()) {
    return FromWire(wire.value<QDBusVariant>().variant(), sender, objects);
  }
  if (type == qMetaTypeId<QDBusObjectPath>()) {
    const QString path = wire.value<QDBusObjectPath>().path();
    if (path == kUnsetPath) return QVariant();
    return ObjectValue(objects.ObjectAt(sender, path));
  }
  if (type == qMetaTypeId<QDBusArgument>()) {
    const QDBusArgument argument = wire.value<QDBusArgument>();
    const QString signature = argument.currentSignature();
    if (signature == QLatin1String("av")) return ArrayFromWire(argument, sender, objects);
    if (signature == QLatin1String("(so)")) {
      RemoteReference reference;
      argument >> reference;
      return ObjectValue(objects.ObjectAt(reference.busName, reference.path.path()));
    }
    throw AutomationError(
        QString(), QStringLiteral("values of D-Bus type %1 are not understood").arg(signature));
  }
  if (type == QMetaType::QStringList) {
    QVariantList list;
    for (const QString& text : wire.toStringList()) list << text;
    return list;
  }
  return wire;
}

}  // namespace trellis
