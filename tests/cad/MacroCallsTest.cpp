#include "CadTableFixture.h"

#include "app/IniFiles.h"
#include "app/TextCodec.h"
#include "automation/AutomationError.h"
#include "automation/MemberTable.h"
#include "cad/CalculationRun.h"
#include "cad/MacroCalls.h"
#include "cad/MacroToolbars.h"

namespace trellis::test {
namespace {

// What every macro object of the test saw, in call order.
struct MacroLog {
  QStringList calls;     // "ProgID.Method"
  QVariantList lastArgs;
  int made = 0;
  int gone = 0;
};

// A macro class: Run notes the call, Rename changes the base name it was given, Rewrite
// overwrites the current table's file, Finish writes AfterCalc=1, CreateLayer makes "Slabs".
class MacroObject : public TableDispatch<MacroObject> {
 public:
  MacroObject(QString progId, MacroLog& log) : progId_(std::move(progId)), log_(log) {}
  static const MemberTable<MacroObject>& Members() {
    static const MemberTable<MacroObject> table = [] {
      MemberTable<MacroObject> t;
      const auto method = [&t](const char* name, std::function<void(MacroObject&, QVariantList&)> body) {
        t.Function(QLatin1String(name), [name, body](MacroObject& o, QVariantList& args) {
          o.log_.calls << o.progId_ + u'.' + QLatin1String(name);
          o.log_.lastArgs = args;
          if (body) body(o, args);
          return QVariant();
        });
      };
      method("Run", nullptr);
      method("Fail", [](MacroObject&, QVariantList&) {
        throw AutomationError(QStringLiteral("Fail"), QStringLiteral("no paper"));
      });
      method("Stopped", [](MacroObject&, QVariantList&) {
        throw CallAbandoned(QStringLiteral("Stopped"), QStringLiteral("no answer"));
      });
      method("Gone", [](MacroObject& o, QVariantList&) {
        if (o.log_.gone++ == 0) throw ServerGone(QStringLiteral("Gone"), QStringLiteral("ended before"));
      });
      method("Vanish", [](MacroObject&, QVariantList&) {
        throw ServerLeft(QStringLiteral("Vanish"), QStringLiteral("gone"));
      });
      method("Rename", [](MacroObject&, QVariantList& args) { args[2] = QStringLiteral("Renamed"); });
      method("Rewrite", [](MacroObject&, QVariantList& args) {
        WriteBytes(args[1].toString() + QStringLiteral("/B.d02"), "99\tМакрос\r\n");
      });
      method("Finish", [](MacroObject&, QVariantList& args) {
        IniFiles ini;
        ini.WriteIni(u"Calc", u"AfterCalc", u"1", args[1].toString() + u'/' + args[2].toString() + QStringLiteral(".ini"));
      });
      method("CreateLayer", [](MacroObject&, QVariantList& args) {
        Call(*ObjectOf(Call(*ObjectOf(args[4]), QStringLiteral("Layers"))), QStringLiteral("Add"),
             {QStringLiteral("Slabs")});
      });
      t.Property(QStringLiteral("StopEx"), [](MacroObject& o) { return QVariant(o.stop); },
                 [](MacroObject& o, const QVariant& v) { o.stop = v.toBool(); });
      return t;
    }();
    return table;
  }
  bool stop = false;

 private:
  QString progId_;
  MacroLog& log_;
};

class MacroCalls : public CadTableFixture, public ::testing::Test {
 protected:
  MacroCalls() {
    for (const char* progId : {"Lib.A", "Lib.B"}) {
      activator_.Register(QLatin1String(progId), [this, progId] {
        ++log_.made;
        return std::make_shared<MacroObject>(QLatin1String(progId), log_);
      });
    }
  }
  MacroLog log_;
  MacroCache cache_;
  DispatchRef mainWindow_ = std::make_shared<MacroObject>(QStringLiteral("frmMain"), log_);
  MacroContext macros_{t_.ctx, activator_, cad_, window_, cache_, mainWindow_};
};

TEST_F(MacroCalls, AListCallsEachMethodWithTheFiveArgumentsAndKeepsOneObject) {
  RunActionString(macros_, "Lib.A;Run|Lib.A;Rename|Lib.B;Run|Lib.A;Run|broken|Lib.C;Run");
  EXPECT_EQ(log_.calls, QStringList({"Lib.A.Run", "Lib.A.Rename", "Lib.B.Run", "Lib.A.Run"}));
  EXPECT_EQ(log_.made, 2);  // A and B made; going back to A binds to the running one
  ASSERT_EQ(log_.lastArgs.size(), 5);
  EXPECT_EQ(log_.lastArgs[0], t_.installation);
  EXPECT_EQ(log_.lastArgs[1], t_.folders.GetWorkingFolder());
  EXPECT_EQ(log_.lastArgs[2], "Renamed");  // the macro's new base name was taken
  EXPECT_EQ(t_.project.projectBaseName, "Renamed");
  EXPECT_EQ(ObjectOf(log_.lastArgs[3]), mainWindow_);
  EXPECT_EQ(ObjectOf(log_.lastArgs[4]), cad_.Document().Object());
  EXPECT_EQ(window_.activations, 1);

  cache_.RequestStop();
  EXPECT_TRUE(std::static_pointer_cast<MacroObject>(cache_.ObjectFor(activator_, "Lib.A"))->stop);
}

TEST_F(MacroCalls, AStoppedCallEndsTheActionAndIsPassedOnWhereOtherFailuresAreNot) {
  RunActionString(macros_, "Lib.A;Fail|Lib.A;Run");
  EXPECT_EQ(log_.calls, QStringList({"Lib.A.Fail", "Lib.A.Run"}));
  log_.calls.clear();
  EXPECT_THROW(RunActionString(macros_, "Lib.A;Stopped|Lib.B;Run"), CallAbandoned);
  EXPECT_EQ(log_.calls, QStringList({"Lib.A.Stopped"}));
  EXPECT_TRUE(t_.prompter.Messages().empty());

  // A server that had ended before the call: the call goes to a new instance, quietly.
  log_.calls.clear();
  RunActionString(macros_, "Lib.A;Gone");
  EXPECT_EQ(log_.calls, QStringList({"Lib.A.Gone", "Lib.A.Gone"}));
  EXPECT_TRUE(t_.prompter.Messages().empty());

  // A server that ended mid-call is told of; the next call goes on.
  log_.calls.clear();
  RunActionString(macros_, "Lib.A;Vanish|Lib.A;Run");
  EXPECT_EQ(log_.calls, QStringList({"Lib.A.Vanish", "Lib.A.Run"}));
  ASSERT_EQ(t_.prompter.Messages().size(), 1u);
  EXPECT_EQ(t_.prompter.Messages()[0].text,
            QStringLiteral("Макрос Lib.A;Vanish не завершен: его программа закончила работу во время вызова."));
}

TEST_F(MacroCalls, TheShownTableIsWrittenBeforeEveryCall) {
  t_.window.fg1.Data().SetCell(1, 2, u"Изменено");
  RunActionString(macros_, "Lib.A;Rewrite|Lib.A;Run");
  // The second call first put the shown table back over what the macro wrote.
  EXPECT_TRUE(t_.Working("B.d02").contains(cp1251::Encode(QStringLiteral("Изменено"))));
  t_.WriteInstall("Tables.ini", "[Main]\nTables=El\n[El]\nExt=d02\nMacrosAdd=Lib.B;Run\n");
  RunTableHook(macros_, "MacrosAdd");
  RunTableHook(macros_, "MacrosDel");  // absent: nothing
  EXPECT_EQ(log_.calls.last(), "Lib.B.Run");
  EXPECT_EQ(log_.calls.size(), 3);
}

TEST_F(MacroCalls, LayerListsSwitchLayersAndAMissingOneIsMadeByItsButtonsMacro) {
  Drawing().Layers().Add("Walls")->SetOn(false);
  t_.WriteInstall("ToolLeft.ini", "[B4]\nAddLayerMacros=Lib.A;CreateLayer\n");
  RunActionString(macros_, "Layer=Walls;;Slabs", true, 4);
  EXPECT_TRUE(Drawing().Layers().Find("Walls")->On());
  ASSERT_NE(Drawing().Layers().Find("Slabs"), nullptr);
  EXPECT_EQ(log_.calls, QStringList({"Lib.A.CreateLayer"}));
  RunActionString(macros_, "layer=Walls", false, 0);
  EXPECT_FALSE(Drawing().Layers().Find("Walls")->On());
  RunActionString(macros_, "layer=");  // six characters: a (malformed) macro list
  EXPECT_EQ(log_.calls.size(), 1);
}

TEST_F(MacroCalls, TheCalculationUnlocksTheResultButtonsOnlyWhenItFinished) {
  Toolbar& left = t_.window.ToolbarLeft1;
  ToolButton results;
  results.key = "r_";
  results.tag = "1";
  results.style = ButtonStyle::ButtonGroup;
  results.enabled = false;
  left.Add(results, t_.tables.firstMacroButton);
  const int resultButton = t_.tables.firstMacroButton++;
  const QString settings = t_.folders.GetWorkingFolder() + "/B.ini";
  WriteBytes(settings, "[Calc]\r\nAfterCalc=1\r\n");
  t_.WriteInstall("Buttons.ini", "[Ex]\nMacros=Lib.A;Run\nFile=Readme.txt\n");
  t_.WriteInstall("Readme.txt", "x");

  CalculationRun run;
  run.RunCalculation(macros_);  // the macro does not finish the calculation
  EXPECT_EQ(t_.ini.ReadIni(u"Calc", u"AfterCalc", settings), "0");
  EXPECT_FALSE(left.Button(resultButton).enabled);
  EXPECT_EQ(window_.opened, QStringList({t_.installation + "/Readme.txt"}));

  // "*.htm" names the project's own file in the working folder, opened when it is there.
  t_.WriteInstall("Buttons.ini", "[Ex]\nMacros=Lib.A;Finish\nFile=*.htm\n");
  window_.opened.clear();
  run.RunCalculation(macros_);
  EXPECT_TRUE(window_.opened.isEmpty());
  WriteBytes(t_.folders.GetWorkingFolder() + "/B.htm", "<p>");
  run.RunCalculation(macros_);
  EXPECT_EQ(window_.opened, QStringList({t_.folders.GetWorkingFolder() + "/B.htm"}));
  EXPECT_TRUE(run.ResultsAvailable());
  EXPECT_TRUE(left.Button(resultButton).enabled);
  EXPECT_TRUE(left.Button(1).enabled);

  run.ResetResults(macros_);  // a project was opened
  EXPECT_FALSE(left.Button(resultButton).enabled);
}

TEST_F(MacroCalls, LeftToolbarButtonsComeFromToolLeftAndKeepTheLayerSwitchesInForce) {
  for (const char* bmp : {"walls", "run", "odd", "slabs"}) t_.WriteInstall(QStringLiteral("bmp/Left/%1.bmp").arg(bmp), "BM");
  t_.WriteInstall("ToolLeft.ini",
                  "[B1]\nName=Стены\nBmp=walls\nLayer=Walls\nStyle=1\n"
                  "[B2]\nName=Пуск\nBmp=run\nMacros=Lib.A;Run\nStyle=7\n"
                  "[B3]\nName=Странная\nBmp=odd\nStyle=12\n"
                  "[B4]\nName=Стены и плиты\nBmp=slabs\nLayer=Slabs;Walls\nStyle=1\n"
                  "[B6]\nName=После пропуска\nBmp=run\n");
  BuildMacroButtons(t_.ctx);
  Toolbar& left = t_.window.ToolbarLeft1;
  const int first = t_.tables.firstMacroButton;
  ASSERT_EQ(left.Count(), first + 4);
  EXPECT_EQ(left.Button(first + 1).tag, "Layer=Walls");
  EXPECT_EQ(left.Button(first + 2).style, ButtonStyle::Default);      // 7 is no style
  EXPECT_EQ(left.Button(first + 3).style, ButtonStyle::ButtonGroup);  // "12" passes as text
  EXPECT_EQ(left.Button(first + 4).tooltip, "Стены и плиты");

  Drawing().Layers().Add("Walls")->SetOn(false);
  Drawing().Layers().Add("Slabs")->SetOn(false);
  LeftToolbarClick(macros_, first + 4);  // pressed: Walls released by B1, on by B4: it is on
  EXPECT_TRUE(left.Button(first + 4).pressed);
  EXPECT_TRUE(Drawing().Layers().Find("Walls")->On());
  LeftToolbarClick(macros_, first + 2);
  EXPECT_EQ(log_.calls, QStringList({"Lib.A.Run"}));
  EXPECT_TRUE(Drawing().Layers().Find("Walls")->On());
  EXPECT_TRUE(Drawing().Layers().Find("Slabs")->On());
  EXPECT_TRUE(left.Button(first + 2).enabled);

  ReapplyLayerButtons(macros_, false);  // a new project: every switch released, its layers off
  EXPECT_FALSE(left.Button(first + 4).pressed);
  EXPECT_FALSE(Drawing().Layers().Find("Walls")->On());
  EXPECT_FALSE(Drawing().Layers().Find("Slabs")->On());
}

TEST_F(MacroCalls, TheTableToolbarComesFromTheColumnFileAndItsLayersOnlyGoOff) {
  t_.WriteInstall("El.ini", "[F1]\nName=N\nType=i\n[F2]\nName=Имя\n"
                            "[B1]\nName=Пересчет\nBmp=calc\nMacros=Lib.B;Run\nNotGetAC=TRUE\n"
                            "[B2]\nStyle=3\nBmp=gap\n[B3]\nName=Слои\nMacros=Layer=Walls\n");
  t_.settings.SaveSetting(u"Trellis", u"View", u"TextBut", u"1");
  BuildTableToolbar(t_.ctx, t_.settings, "El");
  Toolbar& table = t_.window.ToolbarB;
  ASSERT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Button(1).caption, "Пересчет");
  EXPECT_EQ(table.Button(2).image, "");  // a separator has no picture
  EXPECT_EQ(table.Button(3).key, "B3");

  TableToolbarClick(macros_, t_.settings, 1);
  EXPECT_EQ(log_.calls, QStringList({"Lib.B.Run"}));
  EXPECT_EQ(t_.settings.GetSetting(u"Trellis", u"Shem", u"NoHideKC"), "1");
  Drawing().Layers().Add("Walls");
  TableToolbarClick(macros_, t_.settings, 3);
  EXPECT_FALSE(Drawing().Layers().Find("Walls")->On());
}

}  // namespace
}  // namespace trellis::test
