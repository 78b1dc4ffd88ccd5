#include "cad/CadAddIn.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/Prompter.h"
#include "automation/AutomationError.h"
#include "cad/AddInLists.h"
#include "cad/CadHostChoice.h"
#include "cad/CadObjects.h"

#include <QCoreApplication>
#include <QDir>

namespace trellis {

namespace {

const QString kAppLoad = QStringLiteral("appload.dfs");
const QString kAppAutoLoad = QStringLiteral("AppAutoLoad.app");

QString ModulePath(const QString& programFolder, const QString& moduleFile, bool forwardSlashes) {
  QString path = programFolder + kPathSeparator + moduleFile;
  if (forwardSlashes) path.replace(u'\\', u'/');
  return path;
}

// appload.dfs keeps an empty line between its entries; AppAutoLoad.app does not.
QString SeparatorOf(const QString& listFile) {
  return listFile.compare(kAppLoad, Qt::CaseInsensitive) == 0 ? QStringLiteral("\r\n") : QString();
}

void AskForRestart(Prompter& prompter) {
  prompter.Ask(Message{
      QCoreApplication::translate("CadAddIn", "Для подключения проекта VBA перезагрузите ZwCAD"),
      ProgramTitle(), MessageButtons::Ok, MessageIcon::Exclamation});
}

QStringList SubfoldersOf(const QString& folder) {
  QStringList paths;
  for (const QString& name : QDir(folder).entryList(
           QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase)) {
    paths << folder + kPathSeparator + name;
  }
  return paths;
}

}  // namespace

QString UserProfileFolder() {
  const QString profile = qEnvironmentVariable("USERPROFILE");
  return profile.isEmpty() ? QDir::toNativeSeparators(QDir::homePath()) : profile;
}

void LoadAutoCadAddIn(const CadApplication& application, const QString& programFolder) {
  try {
    application.LoadDVB(programFolder + kPathSeparator + QStringLiteral("TR_AC.dvb"));
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    // A project that does not load shows later, when its macros are called.
  }
}

void InstallZwCadAddIn(const CadApplication& application, const CadHostChoice& host,
                       const AddInContext& context) {
  if (!host.IsZwCad() || !application.IsSet()) return;
  const QString modules[] = {QStringLiteral("KSDefMod.zvb"), QStringLiteral("Trellis2.zvb"),
                             QStringLiteral("Trellis.zvb")};
  for (const QString& module : modules) {
    RegisterModuleInProfiles(context, kAppAutoLoad, module, true, false);
  }
  for (const QString& module : modules) {
    const bool last = &module == &modules[2];
    RegisterModuleInList(application, context, kAppLoad, module, false, false);
    RegisterModuleInList(application, context, kAppAutoLoad, module, true, last);
  }
}

void RegisterModuleInList(const CadApplication& application, const AddInContext& context,
                          const QString& listFile, const QString& moduleFile, bool forwardSlashes,
                          bool notify) {
  QString hostPath;
  try {
    hostPath = application.Path();
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    // A host that cannot tell its folder is reported below as a folder not found.
  }
  if (!FolderExists(hostPath)) {
    context.prompter.Ask(Message{
        QCoreApplication::translate("CadAddIn", "Путь графического редактора %1 - не найден")
            .arg(hostPath),
        ProgramTitle(), MessageButtons::Ok, MessageIcon::Critical});
    return;
  }
  const bool present = AddModuleToList(
      hostPath + kPathSeparator + listFile, moduleFile,
      ModulePath(context.programFolder, moduleFile, forwardSlashes), SeparatorOf(listFile));
  if (!present && notify) AskForRestart(context.prompter);
}

void RegisterModuleInProfiles(const AddInContext& context, const QString& listFile,
                              const QString& moduleFile, bool forwardSlashes, bool notify) {
  const QString& profile = context.userProfile;
  // The folder of all profiles is the profile's parent; a profile too near the root has none.
  const qsizetype lastSeparator = profile.lastIndexOf(kPathSeparator) + 1;
  if (lastSeparator < 6) return;
  const QString usersRoot = profile.left(lastSeparator - 1);
  if (FolderExists(usersRoot)) {
    const QString modulePath = ModulePath(context.programFolder, moduleFile, forwardSlashes);
    const QString zwSoft = kPathSeparator + QStringLiteral("AppData") + kPathSeparator +
                           QStringLiteral("Roaming") + kPathSeparator + QStringLiteral("ZWSoft");
    for (const QString& user : SubfoldersOf(usersRoot)) {
      if (!FolderExists(user + zwSoft)) continue;
      for (const QString& version : SubfoldersOf(user + zwSoft)) {
        if (AddModuleToList(version + kPathSeparator + listFile, moduleFile, modulePath,
                            SeparatorOf(listFile))) {
          return;
        }
      }
    }
  }
  if (notify) AskForRestart(context.prompter);
}

}  // namespace trellis
