#pragma once

#include "cad/CadHostChoice.h"
#include "cad/CadObjects.h"

#include <QString>

namespace trellis {

class Activator;
class Prompter;
class SettingsStore;
class WindowSwitcher;

// What the connection works with; all of it outlives the connection.
struct CadServices {
  Activator& activator;
  SettingsStore& settings;
  Prompter& prompter;
  WindowSwitcher& windows;
  QString programFolder;  // the installation folder, where the add-in projects lie
  QString userProfile;    // see UserProfileFolder()
};

// The program's link to the CAD host. No command connects once and for all: each one that
// needs the host calls ConnectCad first, which binds to the running host (starting one only
// while none was ever bound) and refreshes the document and its groups. The host application,
// once bound, stays bound; if it has gone, ConnectCad reports until a host runs again.
class CadConnection {
 public:
  explicit CadConnection(CadServices services);

  // True when the host can be used. Unless Silent, a failure tells the user to start the host.
  bool ConnectCad(bool silent);
  // Brings the host's window and its document to the front.
  void ActivateCadWindow();
  // Types Command and a carriage return into the host's command line; errors are ignored.
  // With Activate, connects first (giving up when that fails) and brings the host forward.
  void SendCadCommand(const QString& command, bool activate);
  // Runs a macro of the add-in project; a failure is reported, not passed on.
  void RunCadMacro(const QString& name);
  // The selection set of that name, made when missing; unset when the host refuses both.
  CadSelectionSet GetSelectionSet(const QString& name);
  // The program's own selection set "Kestrel_SSET", emptied; nothing while no host is bound.
  void InitSelectionSet();
  // The service layer "KS_FEM_R"; errors are ignored.
  void EnsureServiceLayer();

  const CadHostChoice& Host() const { return host_; }
  Prompter& UserPrompter() const { return services_.prompter; }
  const CadApplication& Application() const { return application_; }
  const CadDocument& Document() const { return document_; }
  const CadGroups& Groups() const { return groups_; }
  const CadSelectionSet& SelectionSet() const { return selectionSet_; }

 private:
  void InstallAddIn();

  CadServices services_;
  CadHostChoice host_;
  CadApplication application_;
  CadDocument document_;
  CadGroups groups_;
  CadSelectionSet selectionSet_;
};

}  // namespace trellis
