#pragma once

#include "support/TestFiles.h"

#include "automation/Dispatch.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostServices.h"
#include "cad/CadObjects.h"
#include "macros/ProjectTables.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace trellis::test {

// The main window as a macro sees it, keeping what the macro asked of it, one line per call:
// "Status text", "AddError message|table|row|column", "Message text", "TablesChanged", ….
class RecordingWindow : public Dispatch {
 public:
  QStringList calls;
  // Runs after each call is noted, with its line.
  std::function<void(const QString&)> onCall;

  QVariant Get(const QString& name) override;
  void Set(const QString& name, const QVariant& value) override;
  QVariant Invoke(const QString& member, QVariantList& args) override;
  // The AddError lines, without the member's name.
  QStringList Errors() const;

 private:
  void Note(const QString& call);
};

// A project in a working folder of its own (base name "N") beside the built installation, and
// an empty drawing in the drawing host's own model, run in-process; a test may hand in another
// document (one served over the bus) before drawing.
class MacroProject {
 public:
  MacroProject();

  void WriteTable(const QString& key, const std::vector<QStringList>& rows);
  macros::TableRows Read(const QString& key) { return tables.Read(key); }

  // The group the program makes for row Number of a table with group letter Letter, made when
  // missing.
  CadGroup Group(const QString& letter, int number) const;
  void DrawLines(const CadGroup& group, const std::vector<std::pair<CadPoint, CadPoint>>& lines) const;
  void DrawPoints(const CadGroup& group, const std::vector<CadPoint>& points) const;

  // A frame of two bays in the XZ plane: three columns 3 m high (element group 1, "Колонны"),
  // the beam over them drawn as one line of 12 m (group 2, "Ригель", step 3 m), the feet in node
  // group 1 ("Опоры") and a load point on the beam at 3 m in node group 2 ("Груз").
  void DrawTwoBayFrame();

  // Calls Method of Macro with the five arguments of a macro call, as the program does.
  void Run(Dispatch& macro, const QString& method);

  QString program = QCoreApplication::applicationDirPath();
  TempFolder working;
  macros::ProjectTables tables{program, working.Path(), QStringLiteral("N")};
  std::shared_ptr<RecordingWindow> window = std::make_shared<RecordingWindow>();

 private:
  class NoPick : public cadhost::Picker {
   public:
    cadhost::EntityList Pick(const cadhost::EntityList&) override { return {}; }
  };
  NoPick picker_;
  cadhost::NoWindow view_;
  TempFolder hostFolder_;

 public:
  std::shared_ptr<cadhost::HostApplication> host =
      cadhost::HostApplication::Create({picker_, view_}, hostFolder_.Path());
  CadDocument document = CadApplication(host).ActiveDocument();
};

}  // namespace trellis::test
