#include "cad-host/SystemVariables.h"

#include "automation/Arguments.h"
#include "automation/AutomationError.h"

namespace trellis::cadhost {

namespace {

constexpr int kShortMin = -32768;
constexpr int kShortMax = 32767;

}  // namespace

// The variables a new drawing has, with their defaults:
//   PICKSTYLE 1 (0-3; bit 1: picking a member of a selectable group picks the group)
//   USERI1-USERI5 0, USERR1-USERR5 0.0, USERS1-USERS5 "" (free for add-ins and macros)
//   CLAYER "0" (the layer new objects go on; it must exist)
//   CECOLOR "BYLAYER", PDMODE 0, PDSIZE 0.0, OSMODE 4133, ORTHOMODE 0, SNAPMODE 0, GRIDMODE 0,
//   CMDECHO 1, FILEDIA 1, PICKFIRST 1, PICKADD 1 (0-2), LTSCALE 1.0
//   DWGNAME "Drawing1.dwg" (read-only)
SystemVariables::SystemVariables() {
  Define(QStringLiteral("PICKSTYLE"), Type::Integer, 1, 0, 3);
  for (int i = 1; i <= 5; ++i) {
    Define(QStringLiteral("USERI%1").arg(i), Type::Integer, 0, kShortMin, kShortMax);
    Define(QStringLiteral("USERR%1").arg(i), Type::Real, 0.0);
    Define(QStringLiteral("USERS%1").arg(i), Type::Text, QString());
  }
  Define(QStringLiteral("CLAYER"), Type::Text, QStringLiteral("0"));
  Define(QStringLiteral("CECOLOR"), Type::Text, QStringLiteral("BYLAYER"));
  Define(QStringLiteral("PDMODE"), Type::Integer, 0, kShortMin, kShortMax);
  Define(QStringLiteral("PDSIZE"), Type::Real, 0.0);
  Define(QStringLiteral("OSMODE"), Type::Integer, 4133, 0, kShortMax);
  for (const char* name : {"ORTHOMODE", "SNAPMODE", "GRIDMODE"}) {
    Define(QLatin1String(name), Type::Integer, 0, 0, 1);
  }
  for (const char* name : {"CMDECHO", "FILEDIA", "PICKFIRST"}) {
    Define(QLatin1String(name), Type::Integer, 1, 0, 1);
  }
  Define(QStringLiteral("PICKADD"), Type::Integer, 1, 0, 2);
  Define(QStringLiteral("LTSCALE"), Type::Real, 1.0);
  Define(QStringLiteral("DWGNAME"), Type::Text, QStringLiteral("Drawing1.dwg"), 0, 0, true);
}

void SystemVariables::Define(const QString& name, Type type, QVariant value, int min, int max,
                             bool readOnly) {
  variables_.insert(name, Variable{type, std::move(value), min, max, readOnly});
}

QVariant SystemVariables::Get(const QString& name) const {
  const auto found = variables_.constFind(name.toUpper());
  if (found == variables_.constEnd()) {
    throw AutomationError(QStringLiteral("GetVariable"),
                          QStringLiteral("no system variable %1").arg(name));
  }
  return found->value;
}

void SystemVariables::Set(const QString& name, const QVariant& value) {
  const QString member = QStringLiteral("SetVariable");
  const auto found = variables_.find(name.toUpper());
  if (found == variables_.end()) {
    throw AutomationError(member, QStringLiteral("no system variable %1").arg(name));
  }
  Variable& variable = *found;
  if (variable.readOnly) throw AutomationError(member, QStringLiteral("%1 is read-only").arg(name));
  const bool text = value.typeId() == QMetaType::QString;
  if ((variable.type == Type::Text) != text) {
    throw AutomationError(member,
                          QStringLiteral("%1 takes %2")
                              .arg(name, variable.type == Type::Text ? QStringLiteral("a text")
                                                                     : QStringLiteral("a number")));
  }
  switch (variable.type) {
    case Type::Integer: {
      const qint64 number = ToInteger(value, member);
      if (number < variable.min || number > variable.max) {
        throw AutomationError(member, QStringLiteral("%1 takes %2 to %3, not %4")
                                          .arg(name)
                                          .arg(variable.min)
                                          .arg(variable.max)
                                          .arg(number));
      }
      variable.value = int(number);
      break;
    }
    case Type::Real:
      variable.value = ToNumber(value, member);
      break;
    case Type::Text:
      variable.value = value.toString();
      break;
  }
}

}  // namespace trellis::cadhost
