#pragma once

#include <QString>

namespace trellis {

class CadApplication;
class Prompter;
struct CadHostChoice;

// The program's macro add-in projects for the CAD host, kept in the program folder: AutoCAD
// loads TR_AC.dvb on request; ZwCAD finds KSDefMod.zvb, Trellis2.zvb and Trellis.zvb in its
// autoload lists, appload.dfs (paths as written, an empty line before each new one) and
// AppAutoLoad.app (forward slashes, one after the other), in its installation folder and in
// every user's AppData/Roaming/ZWSoft/<version> folder. Every step ignores errors.
struct AddInContext {
  QString programFolder;
  // The user's profile folder; its parent holds every user's profile.
  QString userProfile;
  Prompter& prompter;
};

// USERPROFILE where it is set, else the home folder.
QString UserProfileFolder();

void LoadAutoCadAddIn(const CadApplication& application, const QString& programFolder);
// Acts only for ZwCAD and with a host bound.
void InstallZwCadAddIn(const CadApplication& application, const CadHostChoice& host,
                       const AddInContext& context);

// The list file ListFile in the host's installation folder (its Path). Reports a missing
// folder; with Notify, asks for a restart of ZwCAD when the list was changed.
void RegisterModuleInList(const CadApplication& application, const AddInContext& context,
                          const QString& listFile, const QString& moduleFile, bool forwardSlashes,
                          bool notify);
// The list file ListFile in every user's ZwCAD profile folders; stops at the first list that
// already names the module.
void RegisterModuleInProfiles(const AddInContext& context, const QString& listFile,
                              const QString& moduleFile, bool forwardSlashes, bool notify);

}  // namespace trellis
