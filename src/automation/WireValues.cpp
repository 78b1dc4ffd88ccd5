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

// An open array of a received argument. QDBusArgument keeps a reader of its own for each open
// array, holding a reference to the message, that only endArray() lets go of: the array is
// ended however the reading ends, an element that fails to convert included.
class ArrayReading {
 public:
  explicit ArrayReading(const QDBusArgument& argument) : argument_(argument) {
    argument_.beginArray();
  }
  ~ArrayReading() { argument_.endArray(); }
  ArrayReading(const ArrayReading&) = delete;
  ArrayReading& operator=(const ArrayReading&) = delete;

 private:
  const QDBusArgument& argument_;
};

QVariantList ArrayFromWire(const QDBusArgument& argument, const QString& sender,
                           WireObjects& objects) {
  QVariantList list;
  const ArrayReading reading(argument);
  while (!argument.atEnd()) {
    QDBusVariant element;
    argument >> element;
    list << FromWire(element.variant(), sender, objects);
  }
  return list;
}

bool IsNameCharacter(QChar c, bool hyphenAllowed) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
         u == '_' || (hyphenAllowed && u == '-');
}

bool IsDigit(QChar c) {
  return c.unicode() >= '0' && c.unicode() <= '9';
}

// Two or more dot-separated elements of name characters; DigitFirstAllowed for the elements
// of unique names.
bool AreBusNameElements(QStringView text, bool digitFirstAllowed) {
  qsizetype elements = 0;
  for (const QStringView element : text.split(u'.')) {
    if (element.isEmpty() || (!digitFirstAllowed && IsDigit(element.front()))) return false;
    for (const QChar c : element) {
      if (!IsNameCharacter(c, true)) return false;
    }
    ++elements;
  }
  return elements >= 2;
}

}  // namespace

bool IsUniqueBusName(const QString& name) {
  return name.size() <= 255 && name.startsWith(u':') &&
         AreBusNameElements(QStringView(name).mid(1), true);
}

bool IsBusName(const QString& name) {
  return IsUniqueBusName(name) || (name.size() <= 255 && AreBusNameElements(name, false));
}

bool IsObjectPath(const QString& path) {
  if (path == kUnsetPath) return true;
  if (!path.startsWith(u'/') || path.endsWith(u'/')) return false;
  for (const QStringView element : QStringView(path).mid(1).split(u'/')) {
    if (element.isEmpty()) return false;
    for (const QChar c : element) {
      if (!IsNameCharacter(c, false)) return false;
    }
  }
  return true;
}

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

QVariant ToWire(const QVariant& value, WireObjects& objects, const QString& receiver) {
  if (!value.isValid()) return QVariant::fromValue(QDBusObjectPath(kUnsetPath));
  if (HoldsObject(value)) {
    const DispatchRef object = ObjectOf(value);
    if (!object) return QVariant::fromValue(QDBusObjectPath(kUnsetPath));
    return objects.ObjectToWire(object, receiver);
  }
  const int type = value.typeId();
  if (TravelsAsItself(type)) return value;
  if (type == QMetaType::Float) return QVariant(value.toDouble());
  if (type == QMetaType::QVariantList || type == QMetaType::QStringList) {
    return ToWireList(value.toList(), objects, receiver);
  }
  throw AutomationError(
      QString(),
      QStringLiteral("a value of type %1 cannot be passed").arg(QLatin1String(value.typeName())));
}

QVariantList ToWireList(const QVariantList& values, WireObjects& objects, const QString& receiver) {
  QVariantList wire;
  wire.reserve(values.size());
  for (const QVariant& value : values) wire << ToWire(value, objects, receiver);
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
      if (!IsUniqueBusName(reference.busName)) {
        throw AutomationError(QString(), QStringLiteral("an object reference names no process"));
      }
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
