#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <vector>

namespace trellis::cadhost {

class HostEntity;

// A selection filter as the hosts take it: group codes and values of equal count, all of which
// an entity must match. Supported codes: 0 the type name and 8 the layer name (patterns with
// "*" and "?", alternatives separated by "," or "|", without case), 62 the colour number.
class EntityFilter {
 public:
  EntityFilter() = default;  // admits everything
  // Throws AutomationError naming Member for arrays of different length or an unknown code.
  EntityFilter(const QVariantList& codes, const QVariantList& values, const QString& member);

  bool Admits(const HostEntity& entity) const;

 private:
  struct Condition {
    int code;
    QString text;
  };
  std::vector<Condition> conditions_;
};

}  // namespace trellis::cadhost
