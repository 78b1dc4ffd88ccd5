#include "cad-host/HostLayers.h"

#include "automation/Arguments.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/ItemLookup.h"

#include <algorithm>

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

void HostLayer::EnsureUsable(const QString& member) const {
  if (deleted_) throw AutomationError(member, QStringLiteral("the layer was deleted"));
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
    t.Function(QStringLiteral("Delete"), [](HostLayer& l, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Delete"));
      LockDocument(l.document_, QStringLiteral("Delete"))->Layers().Delete(&l);
      return QVariant();
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

void HostLayers::Place(std::shared_ptr<HostLayer> layer, size_t index) {
  layer->SetDeleted(false);
  byName_.insert(layer->Name().toUpper(), layer);
  layers_.insert(layers_.begin() + std::min(index, layers_.size()), std::move(layer));
  if (const auto document = document_.lock()) document->Changed();
}

void HostLayers::Take(const std::shared_ptr<HostLayer>& layer) {
  layer->SetDeleted(true);
  byName_.remove(layer->Name().toUpper());
  std::erase(layers_, layer);
  if (const auto document = document_.lock()) document->Changed();
}

std::shared_ptr<HostLayer> HostLayers::Add(const QString& name) {
  if (auto existing = Find(name)) return existing;
  if (name.trimmed().isEmpty()) {
    throw AutomationError(QStringLiteral("Add"), QStringLiteral("a layer needs a name"));
  }
  const auto document = LockDocument(document_, QStringLiteral("Add"));
  Adopt(DxfLayer{name, 7, true, false, false, document->NextHandle().toLatin1(), {}});
  auto layer = layers_.back();
  const size_t index = layers_.size() - 1;
  document->History().Record([this, layer] { Take(layer); },
                             [this, layer, index] { Place(layer, index); });
  document->Changed();
  return layer;
}

void HostLayers::Delete(const HostLayer* layer) {
  const QString member = QStringLiteral("Delete");
  const auto document = LockDocument(document_, member);
  const auto it = std::find_if(layers_.begin(), layers_.end(),
                               [layer](const auto& l) { return l.get() == layer; });
  if (it == layers_.end()) return;
  const auto deleted = *it;
  const QString& name = deleted->Name();
  if (name == QLatin1String("0")) {
    throw AutomationError(member, QStringLiteral("layer 0 cannot be deleted"));
  }
  const QString current = document->Variables().Get(QStringLiteral("CLAYER")).toString();
  if (name.compare(current, Qt::CaseInsensitive) == 0) {
    throw AutomationError(member, QStringLiteral("layer %1 is the current layer").arg(name));
  }
  if (document->UsesLayer(name)) {
    throw AutomationError(member,
                          QStringLiteral("layer %1 has objects of the drawing on it").arg(name));
  }
  const size_t index = size_t(it - layers_.begin());
  Take(deleted);
  document->History().Record([this, deleted, index] { Place(deleted, index); },
                             [this, deleted] { Take(deleted); });
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
