#include "macros/settings/ParametersMacro.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/RunTimeError.h"
#include "app/SettingsStore.h"
#include "automation/AutomationError.h"
#include "automation/ServerCommand.h"
#include "macros/MainWindowCalls.h"
#include "macros/settings/CalcSettingsKeys.h"
#include "macros/settings/ParametersEditor.h"
#include "macros/settings/ProjectSettingsFile.h"

#include <QCoreApplication>
#include <QDir>

#include <vector>

namespace trellis::macros {

namespace {

const QString kHostSection = QStringLiteral("Main");
const QString kHostKey = QStringLiteral("ACADProg");
const QString kDefaultHost = QStringLiteral("AutoCAD");
const QString kApplicationSuffix = QStringLiteral(".Application");

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

qsizetype IndexOfName(const QStringList& names, const QString& name) {
  for (qsizetype i = 0; i < names.size(); ++i) {
    if (SameName(names[i], name)) return i;
  }
  return -1;
}

QString WriteFailure(std::error_code error, const QString& path) {
  if (!error) error = std::make_error_code(std::errc::io_error);
  return FileErrorDescription(FileErrorNumber(error, path));
}

}  // namespace

QStringList CadHostsOf(const QString& programFolder) {
  QStringList hosts;
  for (const QString& progId : ServedProgIds(programFolder)) {
    if (progId.size() <= kApplicationSuffix.size() ||
        !progId.endsWith(kApplicationSuffix, Qt::CaseInsensitive)) {
      continue;
    }
    const QString prefix = progId.chopped(kApplicationSuffix.size());
    if (IndexOfName(hosts, prefix) < 0) hosts.append(prefix);
  }
  return hosts;
}

const MemberTable<ParametersMacro>& ParametersMacro::Members() {
  static const MemberTable<ParametersMacro> table = [] {
    MemberTable<ParametersMacro> t;
    AddStopProperty(t);
    AddMacroMethod(t, QStringLiteral("Edit"), &ParametersMacro::Edit);
    return t;
  }();
  return table;
}

void ParametersMacro::Edit(const MacroCall& call) {
  MainWindowCalls window(call.mainWindow);
  SettingsStore store(SettingsStore::DefaultFolder());
  IniFiles ini;
  const QString file = ProjectSettingsFile(call);

  ParameterValues current;
  for (const CalcSetting& s : CalcSettings()) {
    const QString stored = s.place == SettingPlace::StoreAndFile
                               ? store.GetSetting(ProgramTitle(), s.section, s.key)
                               : ini.ReadIni(s.section, s.key, file);
    current.values.insert(s.Id(), ShownForm(s, stored));
  }
  const QString oldHost = store.GetSetting(ProgramTitle(), kHostSection, kHostKey).trimmed();
  current.cadHost = oldHost.isEmpty() ? kDefaultHost : oldHost;
  QStringList hosts = CadHostsOf(call.programFolder);
  // The host in use stays choosable even when this installation cannot start it.
  if (const qsizetype at = IndexOfName(hosts, current.cadHost); at >= 0) {
    current.cadHost = hosts[at];
  } else {
    hosts.prepend(current.cadHost);
  }

  std::optional<ParameterValues> answer;
  try {
    answer = editor_.Edit(current, hosts);
  } catch (const AutomationError& error) {
    window.Message(QCoreApplication::translate("ParametersMacro", "Окно параметров не показано: %1")
                       .arg(error.Reason()));
    return;
  }
  if (!answer) return;

  std::vector<IniFiles::IniValue> fileValues;
  std::vector<SettingsStore::Setting> storeValues;
  for (const CalcSetting& s : CalcSettings()) {
    const QString text = answer->values.value(s.Id(), current.values.value(s.Id()));
    if (const QString refusal = RefusalOf(s, text); !refusal.isEmpty()) {
      window.Message(
          QCoreApplication::translate("ParametersMacro", "Параметры не записаны: «%1» — %2.")
              .arg(SettingText(s.caption), refusal));
      return;
    }
    const QString value = StoredForm(s, text);
    fileValues.push_back({s.section, s.key, value});
    if (s.place == SettingPlace::StoreAndFile) storeValues.push_back({s.section, s.key, value});
  }
  const qsizetype hostAt = IndexOfName(hosts, answer->cadHost.trimmed());
  if (hostAt < 0) {
    window.Message(
        QCoreApplication::translate("ParametersMacro",
                                    "Параметры не записаны: программы САПР «%1» нет в списке.")
            .arg(answer->cadHost));
    return;
  }
  const QString newHost = hosts[hostAt];
  storeValues.push_back({kHostSection, kHostKey, newHost});

  // The project's file first: when it cannot be written nothing changes anywhere.
  if (!ini.WriteIniValues(fileValues, file)) {
    window.Message(
        QCoreApplication::translate("ParametersMacro",
                                    "Параметры не записаны в файл проекта %1: %2.")
            .arg(QDir::toNativeSeparators(file), WriteFailure(ini.LastWriteError(), file)));
    return;
  }
  window.MarkUnsaved();
  const QString storeFile = store.FileOf(ProgramTitle());
  if (const std::error_code error = store.SaveSettings(ProgramTitle(), storeValues)) {
    window.Message(QCoreApplication::translate(
                       "ParametersMacro",
                       "Параметры записаны в файл проекта, но не в настройки программы %1: %2. "
                       "При сохранении проекта в его файл вернутся прежние значения.")
                       .arg(QDir::toNativeSeparators(storeFile), WriteFailure(error, storeFile)));
    return;
  }
  if (!SameName(newHost, current.cadHost)) {
    window.Message(
        QCoreApplication::translate(
            "ParametersMacro",
            "Выбрана программа САПР %1. Она будет использоваться со следующего подключения к САПР.")
            .arg(newHost));
  }
}

}  // namespace trellis::macros
