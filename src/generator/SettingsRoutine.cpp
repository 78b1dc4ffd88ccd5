#include "generator/SettingsRoutine.h"

#include "app/AppIdentity.h"
#include "app/IniFiles.h"
#include "generator/TableRoutine.h"

namespace trellis {

QString WriteSettingsRoutine(IniFiles& ini, const QString& settingsFile) {
  static constexpr const char16_t* kKeys[] = {
      u"AfterCalc", u"All3D",   u"CorectMkp", u"DesignLoad", u"FndNL",  u"Gf",  u"GNL",
      u"Iter",      u"IterMax", u"KC09",      u"KC1",        u"KCNorm", u"Mkp", u"MPL",
      u"PhNL",      u"PL",      u"Prop",      u"Psi",        u"XYZ"};
  const QString prefix =
      QStringLiteral("\tSaveSetting \"") + ProgramTitle() + QStringLiteral("\", \"Calc\", \"");

  QString routine = QStringLiteral("Public Sub AddSettings()\r\n");
  for (const char16_t* key : kKeys) {
    const QStringView name(key);
    QString value = ini.ReadIni(u"Calc", name, settingsFile);
    // The engine reads every key but KCNorm as a number, so an empty one goes out as 0.
    if (value.isEmpty() && name != u"KCNorm") value = QStringLiteral("0");
    routine += prefix;
    routine += name;
    routine += QStringLiteral("\", \"");
    AppendVbStringText(routine, value);
    routine += QStringLiteral("\"\r\n");
  }
  routine += QStringLiteral("End Sub\r\n");
  return routine;
}

}  // namespace trellis
