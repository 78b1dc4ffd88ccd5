#include "cad-host/HostLayers.h"

#include "automation/Arguments.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/ItemLookup.h"

namespace trellis::cadhost {

HostLayer::HostLayer(std::weak_ptr<HostDocument> document, DxfLayer layer)
    : document_(std::move(document)), layer_(std::move(layer)) {}

void HostLayer::Change(const std::function<void(DxfLayer&)>& change) {
  const auto document = LockDocument(document_, QStringLiteral("Layer"));
  const DxfLayer before = layer_;
  change(layer_);
  const DxfLayer after = layer_;
  document->History().Record(
      [this, document = document_, before] {
        layer_ = before;
        if (const auto d = document.lock()) d->Changed();
      },
      [this, document = document_, after] {
        layer_ = after;
        if (const auto d = document.lock()) d->Changed();
      });
  document->Changed();
}

void HostLayer::SetOn(bool on) {
  Change([on](DxfLayer& l) { l.on = on; });
}

void HostLayer::SetFrozen(bool frozen) {
  Change([frozen](DxfLayer& l) { l.frozen = frozen; });
}

void HostLayer::SetLocked(bool locked) {
  Change([locked](DxfLayer& l) { l.locked = locked; });
}

void HostLayer::SetColor(int color) {
  if (color < 1 || color > 255) {
    throw AutomationError(QStringLiteral("Color"), QStringLiteral("no colour %1").arg(color));
  }
  Change([color](DxfLayer& l) { l.color = color; });
}

const MemberTable<HostLayer>& HostLayer::Members() {
  static const MemberTable<HostLayer> table = [] {
    MemberTable<HostLayer> t;
    t.Property(QStringLiteral("Name"), [](HostLayer& l) { return l.Name(); });
    t.Property(QStringLiteral("Handle"), [](HostLayer& l) { return l.Handle(); });
    t.Property(
        QStringLiteral("LayerOn"), [](HostLayer& l) { return l.On(); },
        [](HostLayer& l, const QVariant& v) { l.SetOn(ToBoolean(v, QStringLiteral("LayerOn"))); });
    t.Property(
        QStringLiteral("Freeze"), [](HostLayer& l) { return l.Frozen(); },
        [](HostLayer& l, const QVariant& v) {
          l.SetFrozen(ToBoolean(v, QStringLiteral("Freeze")));
        });
    t.Property(
        QStringLiteral("Lock"), [](HostLayer& l) { return l.Locked(); },
        [](HostLayer& l, const QVariant& v) { l.SetLocked(ToBoolean(v, QStringLiteral("Lock"))); });
    t.Property(
        QStringLiteral("Color"), [](HostLayer& l) { return l.Color(); },
        [](HostLayer& l, const QVariant& v) {
          l.SetColor(int(ToInteger(v, QStringLiteral("Color"))));
        });
    return t;
  }();
  return table;
}

HostLayers::HostLayers(std::weak_ptr<HostDocument> document) : document_(std::move(document)) {}

std::shared_ptr<HostLayer> HostLayers::Find(const QString& name) const {
  return byName_.value(name.toUpper());
}

bool HostLayers::Shows(const HostEntity& entity) const {
  const auto layer = Find(entity.Layer());
  return layer && layer->Visible();
}

bool HostLayers::Offers(const HostEntity& entity) const {
  const auto layer = Find(entity.Layer());
  return entity.Drawn() && layer && layer->Visible() && !layer->Locked();
}

void HostLayers::Adopt(DxfLayer layer) {
  if (Find(layer.name)) return;
  const QString key = layer.name.toUpper();
  layers_.push_back(std::make_shared<HostLayer>(document_, std::move(layer)));
  byName_.insert(key, layers_.back());
}

std::shared_ptr<HostLayer> HostLayers::Add(const QString& name) {
  if (auto existing = Find(name)) return existing;
  if (name.trimmed().isEmpty()) {
    throw AutomationError(QStringLiteral("Add"), QStringLiteral("a layer needs a name"));
  }
  const auto document = LockDocument(document_, QStringLiteral("Add"));
  Adopt(DxfLayer{name, 7, true, false, false, document->NextHandle().toLatin1(), {}});
  auto layer = layers_.back();
  document->History().Record(
      [this, layer, document = document_] {
        std::erase(layers_, layer);
        byName_.remove(layer->Name().toUpper());
        if (const auto d = document.lock()) d->Changed();
      },
      [this, layer, document = document_] {
        layers_.push_back(layer);
        byName_.insert(layer->Name().toUpper(), layer);
        if (const auto d = document.lock()) d->Changed();
      });
  document->Changed();
  return layer;
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
