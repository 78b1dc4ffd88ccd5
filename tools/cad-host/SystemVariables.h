#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

namespace trellis::cadhost {

// The host's system variables, by name without case, with the defaults of a new drawing. A
// variable keeps its type: a whole number within its range, a real number or a text.
class SystemVariables {
 public:
  SystemVariables();

  // Both throw AutomationError (GetVariable / SetVariable) for an unknown name, a value of the
  // wrong type or out of range, or a read-only variable.
  QVariant Get(const QString& name) const;
  void Set(const QString& name, const QVariant& value);

 private:
  enum class Type { Integer, Real, Text };
  struct Variable {
    Type type;
    QVariant value;
    int min = 0;
    int max = 0;
    bool readOnly = false;
  };
  void Define(const QString& name, Type type, QVariant value, int min = 0, int max = 0,
              bool readOnly = false);

  QHash<QString, Variable> variables_;
};

}  // namespace trellis::cadhost
