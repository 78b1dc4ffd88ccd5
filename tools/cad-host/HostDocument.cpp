#include "cad-host/HostDocument.h"

#include "app/ReplacementFile.h"
#include "automation/Arguments.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"
#include "cad-host/HostSelectionSets.h"
#include "cad-host/dxf/DxfWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace trellis::cadhost {

namespace {

constexpr int kOwner = 330;
constexpr int kLayer = 8;

QByteArray HandleOf(const DxfRecord& record) {
  return record.ValueOf(5).trimmed().toByteArray().toUpper();
}

// An object's owner: its first 330 outside the "102 {...}" groups.
QByteArray OwnerOf(const DxfRecord& record) {
  bool inGroup = false;
  const int end = record.PartEnd();
  for (int i = 1; i < end; ++i) {
    if (record.Code(i) == 102) {
      inGroup = record.Value(i).trimmed().startsWith('{');
    } else if (record.Code(i) == kOwner && !inGroup) {
      return record.Value(i).trimmed().toByteArray().toUpper();
    }
  }
  return {};
}

// Takes out the objects the owners Gone owned, and what those owned in turn (a deleted layer's
// extension dictionary and its entries), so the file refers to no missing owner.
void DropOwned(std::vector<DxfRecord>& objects, QSet<QByteArray> gone) {
  if (gone.isEmpty()) return;
  for (bool more = true; more;) {
    more = false;
    for (const DxfRecord& object : objects) {
      const QByteArray handle = HandleOf(object);
      if (!handle.isEmpty() && !gone.contains(handle) && gone.contains(OwnerOf(object))) {
        gone.insert(handle);
        more = true;
      }
    }
  }
  std::erase_if(objects,
                [&gone](const DxfRecord& object) { return gone.contains(HandleOf(object)); });
}

DxfRecord* HeaderVariable(std::vector<DxfRecord>& header, QByteArrayView name) {
  for (DxfRecord& variable : header) {
    if (!variable.Empty() && variable.Value(0).trimmed() == name) return &variable;
  }
  return nullptr;
}

}  // namespace

std::shared_ptr<HostDocument> LockDocument(const std::weak_ptr<HostDocument>& document,
                                           const QString& member) {
  std::shared_ptr<HostDocument> open = document.lock();
  if (!open || open->Closed())
    throw AutomationError(member, QStringLiteral("the drawing is closed"));
  return open;
}

HostDocument::HostDocument(HostServices services, std::weak_ptr<HostApplication> application,
                           QString name, DxfFile kept)
    : services_(services),
      application_(std::move(application)),
      name_(std::move(name)),
      kept_(std::move(kept)),
      codec_(kept_.Codec()) {}

void HostDocument::Build() {
  const std::weak_ptr<HostDocument> self = weak_from_this();
  groups_ = std::make_shared<HostGroups>(self);
  layers_ = std::make_shared<HostLayers>(self);
  selectionSets_ = std::make_shared<HostSelectionSets>(self);
  modelSpace_ = std::make_shared<HostModelSpace>(self);
}

std::shared_ptr<HostDocument> HostDocument::Create(HostServices services,
                                                   std::weak_ptr<HostApplication> application,
                                                   QString name) {
  std::shared_ptr<HostDocument> document(
      new HostDocument(services, std::move(application), std::move(name), DxfFile()));
  document->Build();
  document->kept_.modelSpaceHandle = document->NextHandle().toLatin1();
  document->kept_.groupDictionaryHandle = document->NextHandle().toLatin1();
  document->layers_->Adopt(DxfLayer{QStringLiteral("0"), 7, true, false, false,
                                    document->NextHandle().toLatin1(), {}});
  return document;
}

std::shared_ptr<HostDocument> HostDocument::FromFile(HostServices services,
                                                     std::weak_ptr<HostApplication> application,
                                                     DxfFile file, const QString& path) {
  std::vector<DxfLayer> layers = std::move(file.layers);
  std::vector<DxfRecord> entities = std::move(file.entities);
  std::vector<DxfGroup> groups = std::move(file.groups);
  file.layers.clear();
  file.entities.clear();
  file.groups.clear();
  std::shared_ptr<HostDocument> document(new HostDocument(
      services, std::move(application), QFileInfo(path).fileName(), std::move(file)));
  document->Build();
  document->fullName_ = QFileInfo(path).absoluteFilePath();
  if (document->kept_.modelSpaceHandle.isEmpty())
    document->kept_.modelSpaceHandle = document->NextHandle().toLatin1();
  if (document->kept_.groupDictionaryHandle.isEmpty())
    document->kept_.groupDictionaryHandle = document->NextHandle().toLatin1();

  bool hasLayerZero = false;
  for (DxfLayer& layer : layers) {
    hasLayerZero = hasLayerZero || layer.name == QLatin1String("0");
    if (!layer.handle.isEmpty()) document->fileLayers_.insert(layer.handle.toUpper());
    document->layers_->Adopt(std::move(layer));
  }
  if (!hasLayerZero) {
    document->layers_->Adopt(DxfLayer{QStringLiteral("0"), 7, true, false, false,
                                      document->NextHandle().toLatin1(), {}});
  }
  QHash<QString, std::shared_ptr<HostEntity>> byHandle;
  byHandle.reserve(qsizetype(entities.size()));
  for (DxfRecord& record : entities) {
    auto entity = std::make_shared<HostEntity>(document, std::move(record), document->codec_);
    // Objects on a layer the table lacks get the layer, as CAD programs do.
    if (!document->layers_->Find(entity->Layer())) document->layers_->Add(entity->Layer());
    byHandle.insert(entity->Handle().toUpper(), entity);
    document->modelSpace_->Adopt(std::move(entity));
  }
  // The drawing opens on the layer it was saved on.
  if (DxfRecord* current = HeaderVariable(document->kept_.header, "$CLAYER")) {
    if (const auto layer =
            document->layers_->Find(document->codec_.Decode(current->ValueOf(kLayer)))) {
      document->variables_.Set(QStringLiteral("CLAYER"), layer->Name());
    }
  }
  for (const DxfGroup& group : groups) {
    EntityList members;
    for (const QByteArray& handle : group.members) {
      if (auto entity = byHandle.value(QString::fromLatin1(handle).toUpper())) {
        members.push_back(std::move(entity));
      }
    }
    document->groups_->Adopt(group, std::move(members));
  }
  document->history_.Clear();
  document->modified_ = false;
  return document;
}

bool HostDocument::HighlightMarks(bool flag) const {
  const auto application = application_.lock();
  return application && application->InvertsHighlight() ? !flag : flag;
}

void HostDocument::EnsureUsable(const QString& member) const {
  if (closed_) throw AutomationError(member, QStringLiteral("the drawing is closed"));
}

QString HostDocument::NextHandle() {
  return QString::fromLatin1(HandleText(kept_.handleSeed++));
}

void HostDocument::Changed() {
  ++revision_;
  modified_ = true;
  services_.view.DrawingChanged();
}

void HostDocument::AddEntity(std::shared_ptr<HostEntity> entity) {
  HostEntity* raw = entity.get();
  modelSpace_->Adopt(entity);
  history_.Record(
      [this, raw] {
        raw->SetErased(true);
        modelSpace_->Remove(raw);
        Changed();
      },
      [this, entity] {
        entity->SetErased(false);
        modelSpace_->Adopt(entity);
        Changed();
      });
  Changed();
}

void HostDocument::ChangeEntity(HostEntity& entity, DxfRecord record) {
  DxfRecord before = entity.Record();
  entity.ReplaceRecord(record, codec_);
  HostEntity* raw = &entity;
  history_.Record(
      [this, raw, before] {
        raw->ReplaceRecord(before, codec_);
        Changed();
      },
      [this, raw, record] {
        raw->ReplaceRecord(record, codec_);
        Changed();
      });
  Changed();
}

void HostDocument::Remove(const HostEntity* entity) {
  const int index = modelSpace_->IndexOf(entity);
  if (index < 0) return;
  const std::shared_ptr<HostEntity> kept = modelSpace_->Entities()[size_t(index)];
  // The groups it leaves, to come back to on undo.
  std::vector<std::pair<std::weak_ptr<HostGroup>, int>> memberships;
  for (const auto& group : groups_->All()) {
    const int at = group->IndexOf(entity);
    if (at >= 0) memberships.emplace_back(group, at);
    group->Remove(entity);
  }
  for (const auto& set : selectionSets_->All()) set->Remove(entity);
  kept->SetErased(true);
  modelSpace_->Remove(entity);
  history_.Record(
      [this, kept, index, memberships] {
        kept->SetErased(false);
        modelSpace_->Insert(kept, index);
        for (const auto& [group, at] : memberships) {
          if (const auto alive = group.lock()) alive->Insert(kept, at);
        }
        Changed();
      },
      [this, kept] { Remove(kept.get()); });
  Changed();
}

bool HostDocument::UsesLayer(const QString& name) const {
  const auto on = [&](const DxfRecord& record) {
    // Every part: the vertices of a polyline and the attributes of a block reference too.
    for (int i = 0; i < record.Size(); ++i) {
      if (record.Code(i) == kLayer &&
          codec_.Decode(record.Value(i)).compare(name, Qt::CaseInsensitive) == 0) {
        return true;
      }
    }
    return false;
  };
  for (const auto& entity : modelSpace_->Entities()) {
    if (entity->Layer().compare(name, Qt::CaseInsensitive) == 0 || on(entity->Record())) {
      return true;
    }
  }
  return std::any_of(kept_.blocks.begin(), kept_.blocks.end(), on);
}

void HostDocument::Remove(const EntityList& entities) {
  QSet<const HostEntity*> going;
  for (const auto& entity : entities) {
    if (!entity->Erased()) going.insert(entity.get());
  }
  if (going.isEmpty()) return;
  const EntityPlaces places = modelSpace_->TakeOut(going);
  std::vector<std::pair<std::weak_ptr<HostGroup>, EntityPlaces>> memberships;
  for (const auto& group : groups_->All()) {
    EntityList items = group->Items();
    EntityPlaces left = TakeOut(items, going);
    if (left.empty()) continue;
    group->SetItems(std::move(items));
    memberships.emplace_back(group, std::move(left));
  }
  for (const auto& set : selectionSets_->All()) set->Remove(going);
  EntityList erased;
  for (const auto& [index, entity] : places) {
    entity->SetErased(true);
    erased.push_back(entity);
  }
  history_.Record(
      [this, places, memberships] {
        for (const auto& [index, entity] : places) entity->SetErased(false);
        modelSpace_->PutBack(places);
        for (const auto& [group, left] : memberships) {
          const auto alive = group.lock();
          if (!alive) continue;
          EntityList items = alive->Items();
          PutBack(items, left);
          alive->SetItems(std::move(items));
        }
        Changed();
      },
      [this, erased] { Remove(erased); });
  Changed();
}

QByteArray HostDocument::ToDxf() const {
  DxfFile file = kept_;
  QSet<QByteArray> deleted = fileLayers_;
  for (const auto& layer : layers_->All()) {
    file.layers.push_back(layer->ToDxf(codec_));
    deleted.remove(layer->Handle().toLatin1().toUpper());
  }
  DropOwned(file.objects, std::move(deleted));
  const auto current = layers_->Find(variables_.Get(QStringLiteral("CLAYER")).toString());
  const QByteArray currentName = codec_.Encode(current ? current->Name() : QStringLiteral("0"));
  if (DxfRecord* variable = HeaderVariable(file.header, "$CLAYER")) {
    variable->SetOrInsert(kLayer, currentName, variable->Size());
  } else if (currentName != "0") {
    DxfRecord added;
    added.Append(9, "$CLAYER");
    added.Append(kLayer, currentName);
    file.header.push_back(std::move(added));
  }
  file.entities.reserve(modelSpace_->Entities().size());
  for (const auto& entity : modelSpace_->Entities()) file.entities.push_back(entity->Record());
  for (const auto& group : groups_->All()) file.groups.push_back(group->ToDxf());
  return WriteDxf(file);
}

void HostDocument::SaveAs(const QString& path) {
  const QString member = QStringLiteral("SaveAs");
  if (path.trimmed().isEmpty()) throw AutomationError(member, QStringLiteral("no file name"));
  const QFileInfo info(path);
  const std::error_code error = ReplaceFileAtomically(info.absoluteFilePath(), ToDxf());
  if (error) {
    throw AutomationError(member, QStringLiteral("%1 could not be written: %2")
                                      .arg(QDir::toNativeSeparators(info.absoluteFilePath()),
                                           QString::fromLocal8Bit(error.message())));
  }
  fullName_ = info.absoluteFilePath();
  name_ = info.fileName();
  modified_ = false;
  services_.view.WindowStateChanged();
}

void HostDocument::Close() {
  closed_ = true;
}

const MemberTable<HostDocument>& HostDocument::Members() {
  static const MemberTable<HostDocument> table = [] {
    MemberTable<HostDocument> t;
    t.Property(QStringLiteral("Name"), [](HostDocument& d) { return d.name_; });
    t.Property(QStringLiteral("FullName"), [](HostDocument& d) { return d.fullName_; });
    t.Property(QStringLiteral("Path"), [](HostDocument& d) {
      return d.fullName_.isEmpty() ? QString() : QFileInfo(d.fullName_).absolutePath();
    });
    t.Property(QStringLiteral("Saved"), [](HostDocument& d) { return !d.modified_; });
    t.Property(QStringLiteral("Groups"), [](HostDocument& d) { return ObjectValue(d.groups_); });
    t.Property(QStringLiteral("Layers"), [](HostDocument& d) { return ObjectValue(d.layers_); });
    t.Property(QStringLiteral("SelectionSets"),
               [](HostDocument& d) { return ObjectValue(d.selectionSets_); });
    t.Property(QStringLiteral("ModelSpace"),
               [](HostDocument& d) { return ObjectValue(d.modelSpace_); });
    t.Property(QStringLiteral("Application"),
               [](HostDocument& d) { return ObjectValue(d.application_.lock()); });
    t.Property(QStringLiteral("hwnd"),
               [](HostDocument& d) { return qlonglong(d.services_.view.WindowHandle()); });
    t.Function(QStringLiteral("Save"), [](HostDocument& d, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Save"));
      if (d.fullName_.isEmpty()) {
        throw AutomationError(QStringLiteral("Save"),
                              QStringLiteral("the drawing has no file yet: use SaveAs"));
      }
      try {
        d.SaveAs(d.fullName_);
      } catch (const AutomationError& error) {
        throw AutomationError(QStringLiteral("Save"), error.Reason());
      }
      return QVariant();
    });
    t.Function(QStringLiteral("SaveAs"), [](HostDocument& d, QVariantList& args) {
      // A file type argument may follow, as the CAD hosts take it; the file is DXF either way.
      RequireArguments(args, 1, 2, QStringLiteral("SaveAs"));
      d.SaveAs(ToText(args[0], QStringLiteral("SaveAs")));
      return QVariant();
    });
    t.Function(QStringLiteral("GetVariable"), [](HostDocument& d, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("GetVariable"));
      return d.variables_.Get(ToText(args[0], QStringLiteral("GetVariable")));
    });
    t.Function(QStringLiteral("SetVariable"), [](HostDocument& d, QVariantList& args) {
      const QString member = QStringLiteral("SetVariable");
      RequireArguments(args, 2, 2, member);
      const QString name = ToText(args[0], member);
      if (name.compare(QLatin1String("CLAYER"), Qt::CaseInsensitive) == 0) {
        const auto layer = d.layers_->Find(ToText(args[1], member));
        if (!layer)
          throw AutomationError(member, QStringLiteral("no layer %1").arg(args[1].toString()));
        d.variables_.Set(name, layer->Name());
        d.services_.view.DrawingChanged();
        return QVariant();
      }
      d.variables_.Set(name, args[1]);
      return QVariant();
    });
    // 0 regenerates the active viewport, 1 all of them; the host has one.
    t.Function(QStringLiteral("Regen"), [](HostDocument& d, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("Regen"));
      const qint64 which = ToInteger(args[0], QStringLiteral("Regen"));
      if (which != 0 && which != 1) {
        throw AutomationError(QStringLiteral("Regen"),
                              QStringLiteral("no viewport choice %1").arg(which));
      }
      ++d.regenerations_;
      d.services_.view.DrawingChanged();
      return QVariant();
    });
    t.Function(QStringLiteral("SendCommand"), [](HostDocument& d, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("SendCommand"));
      d.commandLine_.Type(d, ToText(args[0], QStringLiteral("SendCommand")));
      return QVariant();
    });
    t.Function(QStringLiteral("Activate"), [](HostDocument& d, QVariantList& args) {
      RequireArguments(args, 0, 0, QStringLiteral("Activate"));
      ++d.activations_;
      if (const auto application = d.application_.lock()) application->Activate(d);
      d.services_.view.BringToFront();
      return QVariant();
    });
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
