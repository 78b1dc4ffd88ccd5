#pragma once

#include <QString>
#include <QStringList>

namespace trellis {

class SettingsStore;

// Where an instance keeps its files: the family data folder shared by the programs of the
// family, its temporary area "Temp", and in it the instance's own working and DXF folders,
// named by the instance number. Setting Main/TempDir moves the working folder into a folder
// of the user's choice, as "Trellis-<instance>" inside it.
class WorkingFolders {
 public:
  // systemDrive stands for the Windows system drive: the root the family folder lives under.
  WorkingFolders(SettingsStore& settings, QString systemDrive, qint64 instanceNumber);

  // $SystemDrive when set, else $XDG_DATA_HOME, else ~/.local/share.
  static QString DefaultSystemDrive();

  qint64 InstanceNumber() const { return instanceNumber_; }

  // The family folder, repaired to the default when the stored one lies outside it. The
  // creators throw RunTimeError when a folder cannot be made.
  QString GetFamilyFolder();
  QString TempArea();
  QString GetWorkingFolder();
  QString GetDxfFolder();

  // Empty and remove the instance's folders, ignoring every error.
  void RemoveWorkingFolder();
  void RemoveDxfFolder();

 private:
  QString InstanceFolder();
  QString WorkingFolderPath();  // without creating anything

  SettingsStore& settings_;
  QString systemDrive_;
  qint64 instanceNumber_;
  QString familyFolder_;
};

// Empties and removes every instance folder under Folder, the temporary area, that earlier
// instances left behind, except the kept ones (unsaved work the user keeps for recovery); a
// folder named "shem" keeps its files and loses only its DXF folder.
void CleanTempArea(const QString& folder, const QStringList& keptFolderNames = {});

}  // namespace trellis
