#include "cad-host/HostLayers.h"

#include "automation/Arguments.h"
#include "cad-host/HostDocument.h"
#include "cad-host/ItemLookup.h"

namespace trellis::cadhost {

HostLayer::HostLayer(std::weak_ptr<HostDocument> document, QString name, QString handle)
    : document_(std::move(document)), name_(std::move(name)), handle_(std::move(handle)) {}

void HostLayer::Changed() {
  if (const auto document = document_.lock()) document->Changed();
}

const MemberTable<HostLayer>& HostLayer::Members() {
  static const MemberTable<HostLayer> table = [] {
    MemberTable<HostLayer> t;
    t.Property(QStringLiteral("Name"), [](HostLayer& l) { return l.Name(); });
    t.Property(QStringLiteral("Handle"), [](HostLayer& l) { return l.Handle(); });
    t.Property(
        QStringLiteral("LayerOn"), [](HostLayer& l) { return l.on; },
        [](HostLayer& l, const QVariant& v) {
          l.on = ToBoolean(v, QStringLiteral("LayerOn"));
          l.Changed();
        });
    t.Property(
        QStringLiteral("Color"), [](HostLayer& l) { return l.color; },
        [](HostLayer& l, const QVariant& v) {
          const qint64 color = ToInteger(v, QStringLiteral("Color"));
          if (color < 1 || color > 255) {
            throw AutomationError(QStringLiteral("Color"),
                                  QStringLiteral("no colour %1").arg(color));
          }
          l.color = int(color);
          l.Changed();
        });
    return t;
  }();
  return table;
}

HostLayers::HostLayers(std::weak_ptr<HostDocument> document) : document_(std::move(document)) {}

std::shared_ptr<HostLayer> HostLayers::Find(const QString& name) const {
  for (const auto& layer : layers_) {
    if (layer->Name().compare(name, Qt::CaseInsensitive) == 0) return layer;
  }
  return nullptr;
}

std::shared_ptr<HostLayer> HostLayers::Add(const QString& name) {
  if (auto existing = Find(name)) return existing;
  if (name.trimmed().isEmpty()) {
    throw AutomationError(QStringLiteral("Add"), QStringLiteral("a layer needs a name"));
  }
  const auto document = document_.lock();
  if (!document)
    throw AutomationError(QStringLiteral("Add"), QStringLiteral("the drawing is closed"));
  layers_.push_back(std::make_shared<HostLayer>(document_, name, document->NextHandle()));
  document->Changed();
  return layers_.back();
}

const MemberTable<HostLayers>& HostLayers::Members() {
  static const MemberTable<HostLayers> table = [] {
    MemberTable<HostLayers> t;
    AddCollectionMembers(t, &HostLayers::layers_);
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
