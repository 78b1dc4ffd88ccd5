#include "cad-host/AddInMacros.h"

#include "automation/AutomationError.h"
#include "cad-host/EntityFilter.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostSelectionSets.h"

namespace trellis::cadhost {

namespace {

std::shared_ptr<HostSelectionSet> ProgramSelectionSet(HostDocument& document) {
  HostSelectionSets& sets = document.SelectionSets();
  if (auto set = sets.Find(ProgramSelectionSetName())) return set;
  return sets.Add(ProgramSelectionSetName());
}

void SelectOnScreenCode(HostDocument& document) {
  const QString member = QStringLiteral("SelectOnScreenCode");
  const QVariant code = document.Variables().Get(QStringLiteral("USERI1"));
  const QString value = document.Variables().Get(QStringLiteral("USERS1")).toString();
  const EntityFilter filter =
      value.isEmpty() ? EntityFilter() : EntityFilter({code}, {value}, member);
  ProgramSelectionSet(document)->SelectOnScreen(filter);
}

void SetGroup(HostDocument& document) {
  const QString name = document.Variables().Get(QStringLiteral("USERS1")).toString();
  HostGroups& groups = document.Groups();
  auto group = groups.Find(name);
  if (!group) group = groups.Add(name);
  if (const auto set = document.SelectionSets().Find(ProgramSelectionSetName())) {
    group->Append(set->Items());
  }
}

}  // namespace

bool RunAddInMacro(HostDocument& document, const QString& name) {
  if (name.compare(QLatin1String("SelectOnScreenCode"), Qt::CaseInsensitive) == 0) {
    SelectOnScreenCode(document);
    return true;
  }
  if (name.compare(QLatin1String("SetGroup"), Qt::CaseInsensitive) == 0) {
    SetGroup(document);
    return true;
  }
  return false;
}

}  // namespace trellis::cadhost
