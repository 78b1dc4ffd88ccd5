#include "cad-host/EntityFilter.h"

#include "app/FilePaths.h"
#include "automation/Arguments.h"
#include "automation/AutomationError.h"
#include "cad-host/HostEntity.h"

#include <QRegularExpression>

namespace trellis::cadhost {

namespace {

constexpr int kTypeCode = 0;
constexpr int kLayerCode = 8;
constexpr int kColorCode = 62;

// Alternatives are separated by "," as in the CAD hosts' wildcards, or by "|" as the table's
// filter lists write them.
bool MatchesAnyPattern(const QString& name, const QString& patterns) {
  static const QRegularExpression separators(QStringLiteral("[,|]"));
  for (const QString& pattern : patterns.split(separators)) {
    if (MatchesWildcard(name, pattern.trimmed())) return true;
  }
  return false;
}

}  // namespace

EntityFilter::EntityFilter(const QVariantList& codes, const QVariantList& values,
                           const QString& member) {
  if (codes.size() != values.size()) {
    throw AutomationError(member, QStringLiteral("the filter has %1 codes and %2 values")
                                      .arg(codes.size())
                                      .arg(values.size()));
  }
  for (qsizetype i = 0; i < codes.size(); ++i) {
    const int code = int(ToInteger(codes[i], member));
    if (code != kTypeCode && code != kLayerCode && code != kColorCode) {
      throw AutomationError(member, QStringLiteral("filter code %1 is not supported").arg(code));
    }
    conditions_.push_back({code, ToText(values[i], member)});
  }
}

bool EntityFilter::Admits(const HostEntity& entity) const {
  for (const Condition& condition : conditions_) {
    switch (condition.code) {
      case kTypeCode:
        if (!MatchesAnyPattern(entity.TypeName(), condition.text)) return false;
        break;
      case kLayerCode:
        if (!MatchesAnyPattern(entity.Layer(), condition.text)) return false;
        break;
      default:
        if (QString::number(entity.Color()) != condition.text.trimmed()) return false;
        break;
    }
  }
  return true;
}

}  // namespace trellis::cadhost
