#pragma once

#include "ScriptedPicker.h"
#include "support/TableFixture.h"

#include "automation/InProcessActivator.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"
#include "cad/CadConnection.h"
#include "cad/CadTableContext.h"
#include "cad/WindowSwitcher.h"
#include "tables/CatalogueLoading.h"
#include "tables/TableOpening.h"


#include <gtest/gtest.h>

namespace trellis::test {

class RecordingWindow : public CadWindow {
 public:
  void ActivateMainWindow() override { ++activations; }
  void OpenDocument(const QString& path) override { opened << path; }
  QStringList opened;
  int activations = 0;
};

// Elements (group L, lines only) and Nodes (group P, no binding by "Arrow", PDMODE wanted)
// shown over the bundled host's model, which runs in this process.
class CadTableFixture {
 public:
  CadTableFixture() {
    t_.WriteInstall("Tables.ini",
                    "[Main]\nTables=El|Nd|Ld\n[Ext]\nExtBmp=d\nExtName=Модель\nPost=0\n"
                    "[El]\nExt=d02\nName=Элементы\nGroup=L\nFilterType=0\nFilterData=LINE\n"
                    "MacrosSel=After\n[Nd]\nExt=d03\nName=Узлы\nGroup=P\nArrow=-\n"
                    "Setvar=PDMODE:3|USERI1:1\n[Ld]\nExt=d04\nName=Нагрузки\n");
    t_.WriteInstall("bmp/Left/d.bmp", "BM");
    for (const char* key : {"El", "Nd", "Ld"}) {
      t_.WriteInstall(QLatin1String(key) + ".ini", "[F1]\nName=N\nType=i\n[F2]\nName=Имя\n");
    }
    t_.project.projectBaseName = "B";
    t_.WriteWorking("B.d02", "7\tБалка\r\n12a\tСтойка\r\n1234\tРигель\r\n");
    BuildGroupButtons(t_.ctx);
    LoadCatalogue(t_.ctx);
    OpenCurrentTable(t_.ctx);
    ToolButton arrow, show;
    arrow.key = QStringLiteral("Arrow");
    show.key = QStringLiteral("Show");
    show.style = ButtonStyle::Check;
    t_.window.Toolbar1.Add(arrow);
    t_.window.Toolbar1.Add(show);

    host_ = cadhost::HostApplication::Create({picker_, view_}, t_.root.Path());
    activator_.SetRunning(QStringLiteral("AutoCAD.Application"), host_);
    EXPECT_TRUE(cad_.ConnectCad(false));
    // The progress figures of panel 3, as they were shown one after the other.
    QObject::connect(&t_.window.StatusBar1, &StatusBar::Changed, [this](int panel) {
      const QString text = t_.window.StatusBar1.Panel(panel);
      if (panel == 3 && !text.isEmpty()) figures_ << text;
    });
  }

  cadhost::HostDocument& Drawing() { return *host_->ActiveDocument(); }
  QString AddLine(const QString& layer = QStringLiteral("0")) {
    if (!Drawing().Layers().Find(layer)) Drawing().Layers().Add(layer);
    const auto line = Drawing().ModelSpace().AddLine({0, 0, 0}, {1, 2, 0});
    line->SetLayer(layer);
    return line->Handle();
  }
  std::shared_ptr<cadhost::HostGroup> Group(const QString& name) {
    return Drawing().Groups().Find(name);
  }
  void SelectRow(int row) { t_.window.fg1.SelectCell(row, 1); }
  bool Enabled(const char* key) {
    return t_.window.Toolbar1.Button(t_.window.Toolbar1.Find(QLatin1String(key))).enabled;
  }
  void ShowTable(int tab) {
    t_.window.Tabs1.Select(tab);
    OnTabClick(t_.ctx);
  }

  TableFixture t_;
  ScriptedPicker picker_;
  cadhost::NoWindow view_;
  std::shared_ptr<cadhost::HostApplication> host_;
  InProcessActivator activator_;
  NoWindowSwitcher windows_;
  CadConnection cad_{CadServices{activator_, t_.settings, t_.prompter, windows_, t_.root.Path(), QString()}};
  RecordingWindow window_;
  QStringList figures_;
  CadTableContext ctx_{t_.ctx, cad_, t_.prompter, window_};
};

}  // namespace trellis::test
