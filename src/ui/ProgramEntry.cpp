#include "ui/ProgramEntry.h"

#include "app/AppIdentity.h"
#include "app/InstanceLock.h"
#include "app/Pause.h"
#include "app/RunTimeError.h"
#include "automation/BusActivator.h"
#include "cad/CadAddIn.h"
#include "cad/CadConnection.h"
#include "generator/ProgramTables.h"
#include "project/Recovery.h"
#include "ui/ApplicationContext.h"
#include "ui/CadTableLink.h"
#include "ui/DesktopWindowSwitcher.h"
#include "ui/MainWindow.h"
#include "ui/ProgramServices.h"
#include "ui/QtPrompter.h"
#include "ui/SplashWindow.h"

#include <QApplication>
#include <QDir>

namespace trellis {

int RunProgram(QApplication& app, const ProgramOptions& options) {
  QtPrompter prompter;
  ApplicationContext context(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                             SettingsStore::DefaultFolder(), WorkingFolders::DefaultSystemDrive(),
                             QCoreApplication::applicationPid(), prompter);
  // The CAD host is reached over the session bus, started from Servers.ini when none runs.
  BusActivator activator(context.installationFolder);
  DesktopWindowSwitcher windows;
  CadConnection cad(CadServices{activator, context.settings, prompter, windows,
                                context.installationFolder, UserProfileFolder()});
  CadTableLink cadLink(context, cad, activator);
  context.hooks.cad = &cadLink;
  context.seams = std::make_unique<ProgramServices>(context, cadLink);
  try {
    QStringList problems;
    ProvideGeneratorColumnFiles(context.installationFolder, context.folders.GetFamilyFolder(), &problems);
    for (const QString& problem : problems) context.window.Report1.Append(problem);
  } catch (const RunTimeError& error) {
    prompter.Ask(Message{error.Description(), ProgramTitle(), MessageButtons::Ok, MessageIcon::Critical});
    return 1;
  }

  auto splash = std::make_unique<SplashWindow>();
  splash->show();
  Pause(0.3f);
  splash->Finish();
  Pause(0.3f);
  splash->hide();
  QCoreApplication::processEvents();

  // Work a crashed instance left is offered before the temporary area is cleaned.
  const StartupRecovery recovery =
      AskAboutAbandonedWork(prompter, context.folders.TempArea(), context.folders.InstanceNumber());
  const auto instance =
      ClaimInstance(context.folders.TempArea(), context.folders.InstanceNumber(), recovery.keptFolderNames);

  MainWindow window(context);
  cadLink.AttachWindow(&window);
  prompter.SetParent(&window);
  window.Load();
  context.seams->CreateStartupProject();
  window.show();
  Pause(0.1f);
  splash.reset();
  if (recovery.toRecover) {
    context.seams->RecoverProject(*recovery.toRecover);
  } else if (!options.projectToOpen.isEmpty()) {
    window.OpenRecentProject(options.projectToOpen);
  }
  context.seams->KeepForRecovery();
  if (options.exitWhenShown) {
    context.hooks.cad = nullptr;
    ForgetRecovery(context.folders);
    context.folders.RemoveDxfFolder();
    context.folders.RemoveWorkingFolder();
    return 0;
  }

  const int code = app.exec();
  context.seams->ReleaseMacroObject();
  context.hooks.cad = nullptr;
  cadLink.AttachWindow(nullptr);
  return code;
}

}  // namespace trellis
