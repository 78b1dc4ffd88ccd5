#include "macros/scheme/DrawingGroups.h"

#include "automation/Arguments.h"
#include "automation/AutomationError.h"
#include "automation/CallsTogether.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace trellis::macros {

namespace {

// Reading asks many small questions; a thousand to a message keeps the round trips few while
// a message stays far below the bus's size limit.
constexpr size_t kReadsPerMessage = 1000;

// One member of many objects, with per-object arguments when given.
std::vector<QVariant> CallEach(const std::vector<DispatchRef>& objects, LateCall::Kind kind,
                               const QString& member, const std::vector<QVariantList>& args = {}) {
  std::vector<LateCall> calls;
  calls.reserve(objects.size());
  for (size_t i = 0; i < objects.size(); ++i) {
    calls.push_back({objects[i], kind, member, args.empty() ? QVariantList() : args[i]});
  }
  return CallInBatches(calls, kReadsPerMessage);
}

std::vector<DispatchRef> Objects(const std::vector<QVariant>& values, const QString& member) {
  std::vector<DispatchRef> objects;
  objects.reserve(values.size());
  for (const QVariant& value : values) objects.push_back(ToObject(value, member));
  return objects;
}

Point3 ToPoint(const QVariant& value, const QString& member) {
  const QVariantList list = ToList(value, member);
  if (list.size() != 3) throw AutomationError(member, QStringLiteral("a point has 3 coordinates"));
  return {ToNumber(list[0], member), ToNumber(list[1], member), ToNumber(list[2], member)};
}

// The drawing's groups by upper-case name. Asking for a missing group by name would stop a
// whole batch, so they are listed by index and matched by name (names compare without case).
QHash<QString, DispatchRef> GroupsByName(Dispatch& document) {
  const DispatchRef groups = ToObject(document.Get(QStringLiteral("Groups")), QStringLiteral("Groups"));
  const int groupCount = int(ToInteger(groups->Get(QStringLiteral("Count")), QStringLiteral("Count")));
  std::vector<DispatchRef> all;
  std::vector<QVariantList> indexes;
  for (int i = 0; i < groupCount; ++i) {
    all.push_back(groups);
    indexes.push_back({i});
  }
  const std::vector<DispatchRef> drawingGroups =
      Objects(CallEach(all, LateCall::Kind::Invoke, QStringLiteral("Item"), indexes), QStringLiteral("Item"));
  const std::vector<QVariant> groupNames = CallEach(drawingGroups, LateCall::Kind::Get, QStringLiteral("Name"));
  QHash<QString, DispatchRef> byName;
  for (size_t i = 0; i < drawingGroups.size(); ++i) {
    byName.insert(groupNames[i].toString().toUpper(), drawingGroups[i]);
  }
  return byName;
}

// Members First to Last asked what they are, then where lines and points lie; other kinds are
// only counted.
void ReadByKind(const std::vector<DispatchRef>& members, const std::vector<size_t>& ownerPlace, size_t first,
                size_t last, std::vector<GroupContents>& contents) {
  const std::vector<DispatchRef> run(members.begin() + qsizetype(first), members.begin() + qsizetype(last));
  const std::vector<QVariant> kinds = CallEach(run, LateCall::Kind::Get, QStringLiteral("ObjectName"));
  std::vector<LateCall> locate;
  std::vector<size_t> locatedPlace;
  for (size_t m = first; m < last; ++m) {
    const QString kind = kinds[m - first].toString();
    if (kind == QLatin1String("AcDbLine")) {
      for (const char* end : {"StartPoint", "EndPoint"}) {
        locate.push_back({members[m], LateCall::Kind::Get, QLatin1String(end), {}});
        locatedPlace.push_back(ownerPlace[m]);
      }
    } else if (kind == QLatin1String("AcDbPoint")) {
      locate.push_back({members[m], LateCall::Kind::Get, QStringLiteral("Coordinates"), {}});
      locatedPlace.push_back(ownerPlace[m]);
    } else {
      ++contents[ownerPlace[m]].otherObjects;
    }
  }
  const std::vector<QVariant> places = CallInBatches(locate, kReadsPerMessage);
  for (size_t i = 0; i < locate.size(); ++i) {
    GroupContents& group = contents[locatedPlace[i]];
    const QString& member = locate[i].member;
    const Point3 point = ToPoint(places[i], member);
    if (member == QLatin1String("Coordinates")) {
      group.points.push_back(point);
    } else if (member == QLatin1String("StartPoint")) {
      group.lines.push_back({point, point});
    } else {
      group.lines.back().end = point;
    }
  }
}

}  // namespace

std::vector<GroupContents> ReadDrawingGroups(Dispatch& document, const QStringList& names) {
  std::vector<GroupContents> contents(size_t(names.size()));
  const QHash<QString, DispatchRef> byName = GroupsByName(document);

  std::vector<DispatchRef> wanted;
  std::vector<size_t> wantedPlace;
  for (qsizetype i = 0; i < names.size(); ++i) {
    const DispatchRef group = byName.value(names[i].toUpper());
    if (!group) continue;
    contents[size_t(i)].exists = true;
    wanted.push_back(group);
    wantedPlace.push_back(size_t(i));
  }
  const std::vector<QVariant> counts = CallEach(wanted, LateCall::Kind::Get, QStringLiteral("Count"));

  // Every member of every group, then where it lies.
  std::vector<DispatchRef> owners;
  std::vector<QVariantList> memberIndexes;
  std::vector<size_t> ownerPlace;
  for (size_t g = 0; g < wanted.size(); ++g) {
    const int count = int(ToInteger(counts[g], QStringLiteral("Count")));
    for (int i = 0; i < count; ++i) {
      owners.push_back(wanted[g]);
      memberIndexes.push_back({i});
      ownerPlace.push_back(wantedPlace[g]);
    }
  }
  const std::vector<DispatchRef> members =
      Objects(CallEach(owners, LateCall::Kind::Invoke, QStringLiteral("Item"), memberIndexes), QStringLiteral("Item"));
  // Members are asked where they lie as the lines they nearly always are; a run of members
  // holding anything else is asked again kind by kind, so kinds cost a round trip only there.
  for (size_t first = 0; first < members.size(); first += kReadsPerMessage / 2) {
    const size_t last = std::min(members.size(), first + kReadsPerMessage / 2);
    std::vector<LateCall> asLines;
    for (size_t m = first; m < last; ++m) {
      asLines.push_back({members[m], LateCall::Kind::Get, QStringLiteral("StartPoint"), {}});
      asLines.push_back({members[m], LateCall::Kind::Get, QStringLiteral("EndPoint"), {}});
    }
    std::vector<QVariant> ends;
    try {
      ends = CallTogether(asLines);
    } catch (const CallAbandoned&) {
      throw;
    } catch (const AutomationError&) {
      ReadByKind(members, ownerPlace, first, last, contents);
      continue;
    }
    for (size_t m = first; m < last; ++m) {
      const size_t at = 2 * (m - first);
      contents[ownerPlace[m]].lines.push_back(
          {ToPoint(ends[at], QStringLiteral("StartPoint")), ToPoint(ends[at + 1], QStringLiteral("EndPoint"))});
    }
  }
  return contents;
}

QHash<QString, int> CountGroupObjects(Dispatch& document, const QStringList& names) {
  const QHash<QString, DispatchRef> byName = GroupsByName(document);
  std::vector<DispatchRef> wanted;
  QStringList wantedNames;
  QSet<QString> asked;
  for (const QString& name : names) {
    const QString upper = name.toUpper();
    const DispatchRef group = byName.value(upper);
    if (!group || asked.contains(upper)) continue;
    asked.insert(upper);
    wanted.push_back(group);
    wantedNames << upper;
  }
  const std::vector<QVariant> counts = CallEach(wanted, LateCall::Kind::Get, QStringLiteral("Count"));
  QHash<QString, int> objects;
  for (qsizetype i = 0; i < wantedNames.size(); ++i) {
    objects.insert(wantedNames[i], int(ToInteger(counts[size_t(i)], QStringLiteral("Count"))));
  }
  return objects;
}

}  // namespace trellis::macros
