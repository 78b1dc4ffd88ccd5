#include "cad/CadHostChoice.h"

#include "app/AppIdentity.h"
#include "app/SettingsStore.h"

namespace trellis {

CadHostChoice ReadCadHostChoice(SettingsStore& settings) {
  CadHostChoice choice;
  choice.progIdPrefix =
      settings.GetSetting(ProgramTitle(), u"Main", u"ACADProg", QStringLiteral("AutoCAD"));
  const QString version = settings.GetSetting(ProgramTitle(), u"Main", u"ACADVer");
  choice.version = version.isEmpty() ? QString() : u'.' + version;
  choice.isAutoCad = choice.progIdPrefix.toLower() == QLatin1String("autocad");
  return choice;
}

}  // namespace trellis
