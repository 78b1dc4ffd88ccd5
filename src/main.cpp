#include "app/AppIdentity.h"
#include "app/IniFiles.h"
#include "app/InstanceLock.h"
#include "app/RunTimeError.h"
#include "app/SettingsStore.h"
#include "app/WorkingFolders.h"
#include "ui/FrameWindow.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QDir>

using namespace trellis;

namespace {

QStringList TableTitles(IniFiles& ini, const QString& tablesIni) {
  QStringList titles;
  for (int i = 1;; ++i) {
    const QString key = ini.ReadIni(u"Main", QString::number(i), tablesIni);
    if (key.isEmpty()) break;
    const QString name = ini.ReadIni(key, u"Name", tablesIni);
    titles << (name.isEmpty() ? key : name);
  }
  return titles;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName(ProgramTitle());
  QtPrompter prompter;

  const QString installation = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  SettingsStore settings(SettingsStore::DefaultFolder());
  IniFiles ini;
  WorkingFolders folders(settings, WorkingFolders::DefaultSystemDrive(),
                         QCoreApplication::applicationPid());

  FrameWindow::Facts facts;
  try {
    facts.familyFolder = folders.GetFamilyFolder();
    const bool another = InstanceLock::OtherInstanceRunning(folders.TempArea(), folders.InstanceNumber());
    InstanceLock lock(folders.TempArea(), folders.InstanceNumber());
    if (!another) CleanTempArea(folders.TempArea());
    settings.SaveSetting(ProgramTitle(), u"main", u"AppPath", installation);
    facts.workingFolder = folders.GetWorkingFolder();
    facts.installationFolder = installation;
    facts.settingsFile = settings.FileOf(ProgramTitle());
    facts.tableTitles = TableTitles(ini, installation + QStringLiteral("/Tables.ini"));

    FrameWindow window(facts);
    prompter.SetParent(&window);
    window.show();
    const int code = app.exec();
    folders.RemoveDxfFolder();
    folders.RemoveWorkingFolder();
    return code;
  } catch (const RunTimeError& error) {
    prompter.Ask(Message{QStringLiteral("Ошибка загрузки ") + error.Description(), ProgramTitle(),
                         MessageButtons::Ok, MessageIcon::None});
    return 1;
  }
}
