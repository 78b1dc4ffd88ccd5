#include "automation/Arguments.h"

#include "automation/AutomationError.h"

#include <cmath>

namespace trellis {

namespace {

[[noreturn]] void WrongKind(const QVariant& value, const QString& member, const char* wanted) {
  const QString got =
      value.isValid() ? QString::fromLatin1(value.typeName()) : QStringLiteral("an empty value");
  throw AutomationError(member,
                        QStringLiteral("expected %1, got %2").arg(QLatin1String(wanted), got));
}

bool IsNumeric(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Double:
    case QMetaType::Float:
      return true;
    default:
      return false;
  }
}

}  // namespace

void RequireArguments(const QVariantList& args, qsizetype min, qsizetype max,
                      const QString& member) {
  if (args.size() < min || args.size() > max) {
    throw AutomationError(
        member, min == max
                    ? QStringLiteral("takes %1 argument(s), got %2").arg(min).arg(args.size())
                    : QStringLiteral("takes %1 to %2 arguments, got %3")
                          .arg(min)
                          .arg(max)
                          .arg(args.size()));
  }
}

double ToNumber(const QVariant& value, const QString& member) {
  if (IsNumeric(value)) return value.toDouble();
  if (value.typeId() == QMetaType::Bool) return value.toBool() ? -1.0 : 0.0;
  if (value.typeId() == QMetaType::QString) {
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (ok) return number;
  }
  WrongKind(value, member, "a number");
}

qint64 ToInteger(const QVariant& value, const QString& member) {
  const double number = ToNumber(value, member);
  // Whole numbers of any size pass exactly; only fractions go through rounding.
  if (value.typeId() == QMetaType::LongLong) return value.toLongLong();
  if (!std::isfinite(number) || std::fabs(number) > 9.0e15)
    WrongKind(value, member, "a whole number");
  return qint64(std::nearbyint(number));
}

bool ToBoolean(const QVariant& value, const QString& member) {
  if (value.typeId() == QMetaType::Bool) return value.toBool();
  if (IsNumeric(value)) return value.toDouble() != 0.0;
  if (value.typeId() == QMetaType::QString) {
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
  }
  WrongKind(value, member, "a Boolean");
}

QString ToText(const QVariant& value, const QString& member) {
  if (value.typeId() == QMetaType::QString) return value.toString();
  if (IsNumeric(value) || value.typeId() == QMetaType::Bool) return value.toString();
  WrongKind(value, member, "a text");
}

QVariantList ToList(const QVariant& value, const QString& member) {
  if (value.typeId() == QMetaType::QVariantList) return value.toList();
  if (value.typeId() == QMetaType::QStringList) return value.toList();
  WrongKind(value, member, "an array");
}

DispatchRef ToObject(const QVariant& value, const QString& member) {
  DispatchRef object = ObjectOf(value);
  if (!object) WrongKind(value, member, "an object");
  return object;
}

}  // namespace trellis
