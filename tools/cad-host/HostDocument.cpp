#include "cad-host/HostDocument.h"

#include "automation/Arguments.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"
#include "cad-host/HostSelectionSets.h"

namespace trellis::cadhost {

std::shared_ptr<HostDocument> LockDocument(const std::weak_ptr<HostDocument>& document,
                                           const QString& member) {
  std::shared_ptr<HostDocument> open = document.lock();
  if (!open) throw AutomationError(member, QStringLiteral("the drawing is closed"));
  return open;
}

HostDocument::HostDocument(HostServices services, std::weak_ptr<HostApplication> application,
                           QString name)
    : services_(services), application_(std::move(application)), name_(std::move(name)) {}

std::shared_ptr<HostDocument> HostDocument::Create(HostServices services,
                                                   std::weak_ptr<HostApplication> application,
                                                   QString name) {
  std::shared_ptr<HostDocument> document(
      new HostDocument(services, std::move(application), std::move(name)));
  const std::weak_ptr<HostDocument> self = document;
  document->groups_ = std::make_shared<HostGroups>(self);
  document->layers_ = std::make_shared<HostLayers>(self);
  document->selectionSets_ = std::make_shared<HostSelectionSets>(self);
  document->modelSpace_ = std::make_shared<HostModelSpace>(self);
  document->layers_->Add(QStringLiteral("0"));
  return document;
}

QString HostDocument::NextHandle() {
  return QString::number(nextHandle_++, 16).toUpper();
}

void HostDocument::Changed() {
  ++revision_;
  services_.view.DrawingChanged();
}

void HostDocument::Remove(const HostEntity* entity) {
  modelSpace_->Remove(entity);
  for (const auto& group : groups_->All()) group->Remove(entity);
  for (const auto& set : selectionSets_->All()) set->Remove(entity);
  Changed();
}

const MemberTable<HostDocument>& HostDocument::Members() {
  static const MemberTable<HostDocument> table = [] {
    MemberTable<HostDocument> t;
    t.Property(QStringLiteral("Name"), [](HostDocument& d) { return d.name_; });
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
      d.Changed();
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
      d.services_.view.BringToFront();
      return QVariant();
    });
    return t;
  }();
  return table;
}

}  // namespace trellis::cadhost
