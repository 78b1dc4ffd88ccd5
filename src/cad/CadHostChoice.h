#pragma once

#include <QString>

namespace trellis {

class SettingsStore;

// Which CAD host the user chose in the settings (section "Main"): the ProgID prefix "ACADProg"
// (default "AutoCAD"; "ZWCAD" picks ZwCAD) and an optional version "ACADVer", kept with a
// leading point.
struct CadHostChoice {
  QString progIdPrefix = QStringLiteral("AutoCAD");  // CadProgId
  QString version;                                   // CadVersion: "" or ".16"
  bool isAutoCad = true;                             // IsAutoCad

  // AutoCAD.Application, AutoCAD.Application.16, ZWCAD.Application.
  QString ProgId() const { return progIdPrefix + QStringLiteral(".Application") + version; }
  bool IsZwCad() const { return progIdPrefix.toUpper() == QLatin1String("ZWCAD"); }
};

CadHostChoice ReadCadHostChoice(SettingsStore& settings);

}  // namespace trellis
