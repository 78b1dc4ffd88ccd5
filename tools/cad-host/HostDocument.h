#pragma once

#include "automation/MemberTable.h"
#include "cad-host/DrawingHistory.h"
#include "cad-host/HostCommandLine.h"
#include "cad-host/HostServices.h"
#include "cad-host/SystemVariables.h"
#include "cad-host/dxf/DxfFile.h"

#include <QSet>
#include <QString>

#include <memory>

namespace trellis::cadhost {

class HostApplication;
class HostEntity;
class HostGroups;
class HostLayers;
class HostModelSpace;
class HostSelectionSets;

// A drawing open in the host: its collections, system variables, command line, undo history
// and the file it came from. What the file holds beyond layers, entities and groups is kept
// and written back as it was.
class HostDocument : public TableDispatch<HostDocument>,
                     public std::enable_shared_from_this<HostDocument> {
 public:
  // A new drawing named Name, not yet saved.
  static std::shared_ptr<HostDocument> Create(HostServices services,
                                              std::weak_ptr<HostApplication> application,
                                              QString name);
  // The drawing of a file read from Path; its layers, entities and groups become objects.
  static std::shared_ptr<HostDocument> FromFile(HostServices services,
                                                std::weak_ptr<HostApplication> application,
                                                DxfFile file, const QString& path);
  static const MemberTable<HostDocument>& Members();

  HostGroups& Groups() const { return *groups_; }
  HostLayers& Layers() const { return *layers_; }
  HostSelectionSets& SelectionSets() const { return *selectionSets_; }
  HostModelSpace& ModelSpace() const { return *modelSpace_; }
  SystemVariables& Variables() { return variables_; }
  const HostCommandLine& CommandLine() const { return commandLine_; }
  DrawingHistory& History() { return history_; }
  Picker& PickerOf() const { return services_.picker; }
  const DxfCodec& Codec() const { return codec_; }
  // Whether the group's Highlight flag means "mark it" (true in the other-host mode) or
  // "unmark it" (AutoCAD's sense, where the program passes False to show a group).
  bool HighlightMarks(bool flag) const;

  // The file name ("Drawing1.dxf" before the first save) and the full path ("" until then).
  const QString& Name() const { return name_; }
  const QString& FullName() const { return fullName_; }
  bool Modified() const { return modified_; }
  // The drawing as a DXF file; SaveAs also makes Path the drawing's file. Both throw
  // AutomationError (member Save / SaveAs) with the reason when the file cannot be written.
  QByteArray ToDxf() const;
  void SaveAs(const QString& path);
  void Close();
  bool Closed() const { return closed_; }
  void EnsureUsable(const QString& member) const;

  QString NextHandle();
  QByteArray ModelSpaceHandle() const { return kept_.modelSpaceHandle; }
  // Every change of the drawing goes through here, so the window can redraw.
  void Changed();
  // Only the look changed (a mark, a layer switched by the window): redraw, nothing to save.
  void Redraw() { services_.view.DrawingChanged(); }
  quint64 Revision() const { return revision_; }
  int Regenerations() const { return regenerations_; }
  int Activations() const { return activations_; }

  // The changes of entities, recorded for undo.
  void AddEntity(std::shared_ptr<HostEntity> entity);
  void ChangeEntity(HostEntity& entity, DxfRecord record);
  // Removes the entity from model space, its groups and the selection sets.
  void Remove(const HostEntity* entity);
  // The same for many at once, as one change.
  void Remove(const EntityList& entities);
  // Whether an object of model space or of a block's definition lies on the layer.
  bool UsesLayer(const QString& name) const;

 private:
  HostDocument(HostServices services, std::weak_ptr<HostApplication> application, QString name,
               DxfFile kept);
  void Build();

  HostServices services_;
  std::weak_ptr<HostApplication> application_;
  QString name_;
  QString fullName_;
  DxfFile kept_;
  // The handles of the file's own layers: a deleted one takes what it owned out of the file.
  QSet<QByteArray> fileLayers_;
  DxfCodec codec_;
  std::shared_ptr<HostGroups> groups_;
  std::shared_ptr<HostLayers> layers_;
  std::shared_ptr<HostSelectionSets> selectionSets_;
  std::shared_ptr<HostModelSpace> modelSpace_;
  SystemVariables variables_;
  HostCommandLine commandLine_;
  DrawingHistory history_;
  quint64 revision_ = 0;
  int regenerations_ = 0;
  int activations_ = 0;
  bool modified_ = false;
  bool closed_ = false;
};

// The drawing an object belongs to; throws AutomationError naming Member once it is closed.
std::shared_ptr<HostDocument> LockDocument(const std::weak_ptr<HostDocument>& document,
                                           const QString& member);

}  // namespace trellis::cadhost
