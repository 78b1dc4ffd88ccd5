#include "cad-host/HostModelSpace.h"

#include "automation/Arguments.h"
#include "cad-host/HostDocument.h"
#include "cad-host/ItemLookup.h"

#include <algorithm>

namespace trellis::cadhost {

HostModelSpace::HostModelSpace(std::weak_ptr<HostDocument> document)
    : document_(std::move(document)) {}

std::shared_ptr<HostDocument> HostModelSpace::Document() const {
  return LockDocument(document_, QStringLiteral("ModelSpace"));
}

std::shared_ptr<HostLine> HostModelSpace::AddLine(const Point3& start, const Point3& end) {
  const auto document = Document();
  const QString layer = document->Variables().Get(QStringLiteral("CLAYER")).toString();
  auto line = std::make_shared<HostLine>(document_, document->NextHandle(), layer, start, end);
  entities_.push_back(line);
  document->Changed();
  return line;
}

std::shared_ptr<HostPoint> HostModelSpace::AddPoint(const Point3& position) {
  const auto document = Document();
  const QString layer = document->Variables().Get(QStringLiteral("CLAYER")).toString();
  auto point = std::make_shared<HostPoint>(document_, document->NextHandle(), layer, position);
  entities_.push_back(point);
  document->Changed();
  return point;
}

void HostModelSpace::Remove(const HostEntity* entity) {
  std::erase_if(entities_, [entity](const auto& item) { return item.get() == entity; });
}

const MemberTable<HostModelSpace>& HostModelSpace::Members() {
  static const MemberTable<HostModelSpace> table = [] {
    MemberTable<HostModelSpace> t;
    t.Property(QStringLiteral("Count"), [](HostModelSpace& m) { return int(m.entities_.size()); });
    t.Function(QStringLiteral("Item"), [](HostModelSpace& m, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("Item"));
      return ObjectValue(ItemAt(
          m.entities_, args[0], [](const QString&) { return std::shared_ptr<HostEntity>(); },
          QStringLiteral("Item")));
    });
    t.Function(QStringLiteral("AddLine"), [](HostModelSpace& m, QVariantList& args) {
      const QString member = QStringLiteral("AddLine");
      RequireArguments(args, 2, 2, member);
      return ObjectValue(m.AddLine(ToPoint(args[0], member), ToPoint(args[1], member)));
    });
    t.Function(QStringLiteral("AddPoint"), [](HostModelSpace& m, QVariantList& args) {
      const QString member = QStringLiteral("AddPoint");
      RequireArguments(args, 1, 1, member);
      return ObjectValue(m.AddPoint(ToPoint(args[0], member)));
    });
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
