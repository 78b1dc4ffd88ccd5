#pragma once

#include "automation/MemberTable.h"
#include "cad-host/dxf/DxfFile.h"

#include <QString>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class HostDocument;
class HostEntity;

// A layer: its colour, whether it is on, frozen (hidden and not regenerated) or locked (shown,
// not pickable). The file's entry is kept so codes the host does not use survive.
class HostLayer : public TableDispatch<HostLayer> {
 public:
  HostLayer(std::weak_ptr<HostDocument> document, DxfLayer layer);
  static const MemberTable<HostLayer>& Members();

  const QString& Name() const { return layer_.name; }
  QString Handle() const { return QString::fromLatin1(layer_.handle); }
  bool On() const { return layer_.on; }
  bool Frozen() const { return layer_.frozen; }
  bool Locked() const { return layer_.locked; }
  int Color() const { return layer_.color; }
  // Shown on screen and offered for picking.
  bool Visible() const { return layer_.on && !layer_.frozen; }

  // Changes recorded for undo.
  void SetOn(bool on);
  void SetFrozen(bool frozen);
  void SetLocked(bool locked);
  void SetColor(int color);  // 1..255

  DxfLayer ToDxf(const DxfCodec&) const { return layer_; }

  void EnsureUsable(const QString& member) const;
  void SetDeleted(bool deleted) { deleted_ = deleted; }

 private:
  void Change(const std::function<void(DxfLayer&)>& change);

  std::weak_ptr<HostDocument> document_;
  DxfLayer layer_;
  bool deleted_ = false;
};

// The layers of a drawing; names compare without case. Layer "0" always exists.
class HostLayers : public TableDispatch<HostLayers> {
 public:
  explicit HostLayers(std::weak_ptr<HostDocument> document);
  static const MemberTable<HostLayers>& Members();

  // The layer of that name, made when missing (adding an existing name gives that layer).
  std::shared_ptr<HostLayer> Add(const QString& name);
  std::shared_ptr<HostLayer> Find(const QString& name) const;
  const std::vector<std::shared_ptr<HostLayer>>& All() const { return layers_; }
  // Whether the entity's layer is shown; Offers: whether the user may pick the entity (drawn,
  // on a layer shown and not locked).
  bool Shows(const HostEntity& entity) const;
  bool Offers(const HostEntity& entity) const;
  // A layer of the drawing's file.
  void Adopt(DxfLayer layer);
  // Removes the layer, recorded for undo. Refused, as the CAD hosts refuse it, for layer 0, the
  // current layer and a layer objects of the drawing lie on.
  void Delete(const HostLayer* layer);

 private:
  void Place(std::shared_ptr<HostLayer> layer, size_t index);
  void Take(const std::shared_ptr<HostLayer>& layer);

  std::weak_ptr<HostDocument> document_;
  std::vector<std::shared_ptr<HostLayer>> layers_;
  QHash<QString, std::shared_ptr<HostLayer>> byName_;  // upper-case name
};

}  // namespace trellis::cadhost
