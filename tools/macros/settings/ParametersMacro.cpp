#include "macros/settings/ParametersMacro.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/RunTimeError.h"
#include "app/SettingsStore.h"
#include "automation/ServerCommand.h"
#include "macros/MainWindowCalls.h"
#include "macros/settings/CalcSettingsKeys.h"
#include "macros/settings/ParametersEditor.h"
#include "automation/AutomationError.h"
#include "macros/settings/ProjectSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

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

// The key names of one section, in the file's order; the profile-string reader cannot list them.
QStringList KeysOf(const QString& file, const QString& section) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = f.readAll();
  const QString text = bytes.startsWith("\xFF\xFE")
                           ? QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2))
                           : QString::fromLatin1(bytes);
  QStringList keys;
  bool inSection = false;
  for (QStringView line : QStringView(text).split(u'\n')) {
    line = line.trimmed();
    if (line.startsWith(u'[')) {
      const qsizetype close = line.indexOf(u']');
      inSection = close > 0 && SameName(line.sliced(1, close - 1).trimmed().toString(), section);
    } else if (inSection && !line.startsWith(u';') && line.contains(u'=')) {
      keys.append(line.left(line.indexOf(u'=')).trimmed().toString());
    }
  }
  return keys;
}

QString WriteFailure(std::error_code error, const QString& path) {
  if (!error) error = std::make_error_code(std::errc::io_error);
  return FileErrorDescription(FileErrorNumber(error, path));
}

}  // namespace

QStringList CadHostsOf(const QString& programFolder) {
  const QString servers = ServersIniPath(programFolder);
  IniFiles ini;
  QStringList hosts;
  for (const QString& progId : KeysOf(servers, QStringLiteral("Servers"))) {
    if (progId.size() <= kApplicationSuffix.size() ||
        !progId.endsWith(kApplicationSuffix, Qt::CaseInsensitive)) {
      continue;
    }
    // A ProgID without a command cannot be started, so choosing it would leave no host.
    if (ini.ReadIni(u"Servers", progId, servers).trimmed().isEmpty()) continue;
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
    window.Message(QStringLiteral("Окно параметров не показано: %1").arg(error.Reason()));
    return;
  }
  if (!answer) return;

  std::vector<IniFiles::IniValue> fileValues;
  std::vector<IniFiles::IniValue> storeValues;
  for (const CalcSetting& s : CalcSettings()) {
    const QString text = answer->values.value(s.Id(), current.values.value(s.Id()));
    if (const QString refusal = RefusalOf(s, text); !refusal.isEmpty()) {
      window.Message(QStringLiteral("Параметры не записаны: «%1» — %2.").arg(s.caption, refusal));
      return;
    }
    const QString value = StoredForm(s, text);
    fileValues.push_back({s.section, s.key, value});
    // Quoted as the settings store writes its values, so they read back exactly.
    if (s.place == SettingPlace::StoreAndFile) {
      storeValues.push_back({s.section, s.key, u'"' + value + u'"'});
    }
  }
  const qsizetype hostAt = IndexOfName(hosts, answer->cadHost.trimmed());
  if (hostAt < 0) {
    window.Message(QStringLiteral("Параметры не записаны: программы САПР «%1» нет в списке.")
                       .arg(answer->cadHost));
    return;
  }
  const QString newHost = hosts[hostAt];
  storeValues.push_back({kHostSection, kHostKey, u'"' + newHost + u'"'});

  // The project's file first: when it cannot be written nothing changes anywhere.
  if (!ini.WriteIniValues(fileValues, file)) {
    window.Message(
        QStringLiteral("Параметры не записаны в файл проекта %1: %2.")
            .arg(QDir::toNativeSeparators(file), WriteFailure(ini.LastWriteError(), file)));
    return;
  }
  window.MarkUnsaved();
  // The store's own writer takes a value at a time and gives no reason for a failure; one
  // write of its file keeps the options together and tells why it failed.
  const QString storeFile = store.FileOf(ProgramTitle());
  QDir().mkpath(QFileInfo(storeFile).absolutePath());
  IniFiles storeIni(IniEncoding::Utf16Le);
  if (!storeIni.WriteIniValues(storeValues, storeFile)) {
    window.Message(
        QStringLiteral("Параметры записаны в файл проекта, но не в настройки программы %1: %2. "
                       "При сохранении проекта в его файл вернутся прежние значения.")
            .arg(QDir::toNativeSeparators(storeFile),
                 WriteFailure(storeIni.LastWriteError(), storeFile)));
    return;
  }
  if (!SameName(newHost, current.cadHost)) {
    window.Message(
        QStringLiteral(
            "Выбрана программа САПР %1. Она будет использоваться со следующего подключения к САПР.")
            .arg(newHost));
  }
}

}  // namespace trellis::macros
