#pragma once

#include "automation/MemberTable.h"
#include "cad-host/HostCommandLine.h"
#include "cad-host/HostServices.h"
#include "cad-host/SystemVariables.h"

#include <QString>

#include <memory>

namespace trellis::cadhost {

class HostApplication;
class HostGroups;
class HostLayers;
class HostModelSpace;
class HostSelectionSets;

// The drawing open in the host: its collections, system variables and command line.
class HostDocument : public TableDispatch<HostDocument>,
                     public std::enable_shared_from_this<HostDocument> {
 public:
  static std::shared_ptr<HostDocument> Create(HostServices services,
                                              std::weak_ptr<HostApplication> application,
                                              QString name);
  static const MemberTable<HostDocument>& Members();

  HostGroups& Groups() const { return *groups_; }
  HostLayers& Layers() const { return *layers_; }
  HostSelectionSets& SelectionSets() const { return *selectionSets_; }
  HostModelSpace& ModelSpace() const { return *modelSpace_; }
  SystemVariables& Variables() { return variables_; }
  const HostCommandLine& CommandLine() const { return commandLine_; }
  Picker& PickerOf() const { return services_.picker; }
  const QString& Name() const { return name_; }

  QString NextHandle();
  // Every change of the drawing goes through here, so the window can redraw.
  void Changed();
  quint64 Revision() const { return revision_; }
  int Regenerations() const { return regenerations_; }
  int Activations() const { return activations_; }
  // Removes the entity from model space, its groups and the selection sets.
  void Remove(const HostEntity* entity);

 private:
  HostDocument(HostServices services, std::weak_ptr<HostApplication> application, QString name);

  HostServices services_;
  std::weak_ptr<HostApplication> application_;
  QString name_;
  std::shared_ptr<HostGroups> groups_;
  std::shared_ptr<HostLayers> layers_;
  std::shared_ptr<HostSelectionSets> selectionSets_;
  std::shared_ptr<HostModelSpace> modelSpace_;
  SystemVariables variables_;
  HostCommandLine commandLine_;
  quint64 nextHandle_ = 0x20;
  quint64 revision_ = 0;
  int regenerations_ = 0;
  int activations_ = 0;
};

// The drawing an object belongs to; throws AutomationError naming Member once it is closed.
std::shared_ptr<HostDocument> LockDocument(const std::weak_ptr<HostDocument>& document,
                                           const QString& member);

}  // namespace trellis::cadhost
