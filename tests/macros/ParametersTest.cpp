#include "MacroProject.h"

#include "app/AppIdentity.h"
#include "app/IniFiles.h"
#include "app/SettingsStore.h"
#include "cad/CadHostChoice.h"
#include "macros/MacroServer.h"
#include "macros/settings/CalcSettingsKeys.h"
#include "macros/settings/ParametersEditor.h"
#include "project/CalcSettingsFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace trellis::test {
namespace {

using macros::ParameterValues;

class ScriptedEditor : public macros::ParametersEditor {
 public:
  std::function<std::optional<ParameterValues>(ParameterValues)> answer = [](ParameterValues) {
    return std::nullopt;
  };
  ParameterValues shown;
  QStringList hosts;

  std::optional<ParameterValues> Edit(const ParameterValues& current,
                                      const QStringList& cadHosts) override {
    shown = current;
    hosts = cadHosts;
    return answer(current);
  }
};

// A program folder with its Servers.ini, a working folder with the project "P" and settings of
// their own, and the parameters macro as the program reaches it.
class ParametersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedHome_ = qgetenv("TRELLIS_SETTINGS_HOME");
    qputenv("TRELLIS_SETTINGS_HOME", settingsHome_.Path().toUtf8());
    WriteBytes(program_.File(QStringLiteral("Servers.ini")),
               "[Servers]\r\nAutoCAD.Application=trellis-cad --automation AutoCAD.Application\r\n"
               "Trellis.Scheme=trellis-macros --automation\r\nNano.Application=\r\n"
               "ZWCAD.Application=trellis-cad --automation ZWCAD.Application\r\n"
               "zwcad.application=twice\r\n[Other]\r\nGstar.Application=x\r\n");
  }
  void TearDown() override { qputenv("TRELLIS_SETTINGS_HOME", savedHome_); }

  void Run() {
    for (const macros::ServedClass& served : macros::ServedClasses(editor_)) {
      if (served.progId != QLatin1String("Trellis.Parameters")) continue;
      QVariantList args{program_.Path(), working_.Path(), QStringLiteral("P"), ObjectValue(window_),
                        QVariant()};
      served.make()->Invoke(QStringLiteral("edit"), args);
      return;
    }
    FAIL() << "Trellis.Parameters is not served";
  }
  // Answers OK after Change edits what the dialog was shown.
  void AnswerOk(std::function<void(ParameterValues&)> change) {
    editor_.answer = [change](ParameterValues values) -> std::optional<ParameterValues> {
      change(values);
      return values;
    };
  }
  QString Stored(QStringView section, QStringView key) {
    return store_.GetSetting(ProgramTitle(), section, key, QStringLiteral("<none>"));
  }
  QString InFile(QStringView section, QStringView key) {
    return ini_.FindValue(section, key, File()).value_or(QStringLiteral("<none>"));
  }
  QString File() const { return working_.File(QStringLiteral("P.ini")); }
  QString StoreFile() const { return store_.FileOf(ProgramTitle()); }

  QByteArray savedHome_;
  TempFolder settingsHome_, program_, working_;
  SettingsStore store_{settingsHome_.Path()};
  IniFiles ini_;
  ScriptedEditor editor_;
  std::shared_ptr<RecordingWindow> window_ = std::make_shared<RecordingWindow>();
};

TEST_F(ParametersTest, ShowsStoreOptionsAndFileOnlyKeysWithDefaultsForMissingOrEmptyOnes) {
  store_.SaveSetting(ProgramTitle(), u"Show", u"TextScale", u"0,3");
  store_.SaveSetting(ProgramTitle(), u"Calc", u"Iter", u"");
  store_.SaveSetting(ProgramTitle(), u"Calc", u"GNL", u"True");
  // A store option is the store's: what an older save left in the file does not count.
  WriteBytes(File(), "[Calc]\r\nGf=1,3\r\nKCNorm=\r\nPsi=0,5\r\nFndNL=-1\r\n");
  Run();

  const QHash<QString, QString>& shown = editor_.shown.values;
  EXPECT_EQ(shown.size(), qsizetype(macros::CalcSettings().size()));
  EXPECT_EQ(shown.value(QStringLiteral("Show/TextScale")), QStringLiteral("0,3"));
  EXPECT_EQ(shown.value(QStringLiteral("Calc/Iter")), QStringLiteral("10"));
  EXPECT_EQ(shown.value(QStringLiteral("Calc/GNL")), QStringLiteral("1"));
  EXPECT_EQ(shown.value(QStringLiteral("Calc/Psi")), QStringLiteral("0,95"));
  EXPECT_EQ(shown.value(QStringLiteral("Calc/Gf")), QStringLiteral("1,3"));
  EXPECT_EQ(shown.value(QStringLiteral("Calc/FndNL")), QStringLiteral("1"));
  EXPECT_EQ(shown.value(QStringLiteral("Calc/KCNorm")), QString());
  EXPECT_EQ(shown.value(QStringLiteral("Calc/NodeTolerance")), QStringLiteral("0,001"));
  for (const macros::CalcSetting& s : macros::CalcSettings()) {
    EXPECT_TRUE(macros::RefusalOf(s, s.defaultValue).isEmpty()) << s.Id().toStdString();
  }
}

TEST_F(ParametersTest, OkWritesTheOptionsToStoreAndFileAsTheProgramsSaveWouldAndLeavesAfterCalc) {
  WriteBytes(File(), "[Calc]\r\nAfterCalc=1\r\nPsi=0,5\r\n");
  AnswerOk([](ParameterValues& v) {
    v.values[QStringLiteral("Show/TextScale")] = QStringLiteral("0.250");
    v.values[QStringLiteral("Calc/GNL")] = QStringLiteral("1");
    v.values[QStringLiteral("Calc/Gf")] = QStringLiteral(" 1.2 ");
    v.values[QStringLiteral("Calc/NodeTolerance")] = QStringLiteral("1e-5");
  });
  Run();

  EXPECT_EQ(Stored(u"Show", u"TextScale"), QStringLiteral("0,25"));
  EXPECT_EQ(InFile(u"Show", u"TextScale"), QStringLiteral("0,25"));
  EXPECT_EQ(Stored(u"Calc", u"GNL"), QStringLiteral("1"));
  EXPECT_EQ(InFile(u"Calc", u"Psi"), QStringLiteral("0,95"));
  EXPECT_EQ(InFile(u"Calc", u"Gf"), QStringLiteral("1,2"));
  EXPECT_EQ(InFile(u"Calc", u"NodeTolerance"), QStringLiteral("0,00001"));
  EXPECT_EQ(InFile(u"Calc", u"KCNorm"), QString());
  EXPECT_EQ(Stored(u"Calc", u"Gf"), QStringLiteral("<none>"));
  EXPECT_EQ(InFile(u"Calc", u"AfterCalc"), QStringLiteral("1"));
  EXPECT_EQ(window_->calls, QStringList{QStringLiteral("ProjectSaved false")});

  // The program's next save copies the store over the file: nothing the dialog wrote changes.
  const QByteArray written = ReadBytes(File());
  ASSERT_FALSE(WriteCalcSettings(ini_, store_, File()));
  EXPECT_EQ(ReadBytes(File()), written);
}

TEST_F(ParametersTest, CancelOrARefusedValueWritesNothing) {
  store_.SaveSetting(ProgramTitle(), u"Show", u"TextScale", u"0,3");
  WriteBytes(File(), "[Calc]\r\nAfterCalc=0\r\nGf=1,1\r\n");
  const QByteArray store = ReadBytes(StoreFile());
  const QByteArray file = ReadBytes(File());

  Run();
  EXPECT_TRUE(window_->calls.isEmpty());

  AnswerOk([](ParameterValues& v) {
    v.values[QStringLiteral("Calc/Gf")] = QStringLiteral("1,3");
    v.values[QStringLiteral("Show/TextScale2")] = QStringLiteral("-1");
  });
  Run();
  ASSERT_EQ(window_->calls.size(), 1);
  EXPECT_TRUE(window_->calls[0].contains(QStringLiteral("Высота номеров элементов")))
      << window_->calls[0].toStdString();

  EXPECT_EQ(ReadBytes(StoreFile()), store);
  EXPECT_EQ(ReadBytes(File()), file);
}

TEST_F(ParametersTest, AFileThatCannotBeWrittenIsToldWithItsReasonAndTheStoreKeptAsItWas) {
  ASSERT_TRUE(QDir(working_.Path()).mkdir(QStringLiteral("P.ini")));
  AnswerOk([](ParameterValues& v) { v.cadHost = QStringLiteral("ZWCAD"); });
  Run();
  ASSERT_EQ(window_->calls.size(), 1);
  EXPECT_TRUE(window_->calls[0].startsWith(QStringLiteral("Message Параметры не записаны")))
      << window_->calls[0].toStdString();
  EXPECT_FALSE(QFile::exists(StoreFile()));
}

TEST_F(ParametersTest, OffersTheStartableApplicationHostsAndStoresTheChoiceForTheNextConnection) {
  AnswerOk([](ParameterValues& v) { v.cadHost = QStringLiteral("zwcad"); });
  Run();
  EXPECT_EQ(editor_.shown.cadHost, QStringLiteral("AutoCAD"));
  EXPECT_EQ(editor_.hosts, (QStringList{QStringLiteral("AutoCAD"), QStringLiteral("ZWCAD")}));
  EXPECT_EQ(ReadCadHostChoice(store_).ProgId(), QStringLiteral("ZWCAD.Application"));
  ASSERT_EQ(window_->calls.size(), 2);
  EXPECT_TRUE(window_->calls[1].startsWith(QStringLiteral("Message ")));
  EXPECT_TRUE(window_->calls[1].contains(QStringLiteral("ZWCAD")));

  // A host this installation cannot start stays the one shown; one not offered is refused.
  store_.SaveSetting(ProgramTitle(), u"Main", u"ACADProg", u"BricsCAD");
  AnswerOk([](ParameterValues& v) { v.cadHost = QStringLiteral("Gstar"); });
  Run();
  EXPECT_EQ(editor_.shown.cadHost, QStringLiteral("BricsCAD"));
  EXPECT_EQ(editor_.hosts.value(0), QStringLiteral("BricsCAD"));
  EXPECT_EQ(Stored(u"Main", u"ACADProg"), QStringLiteral("BricsCAD"));
}

TEST(CalcSettingsKeysTest, NumbersAreCheckedAgainstTheirRangeAndKind) {
  const std::tuple<const char*, const char*, bool> refusals[] = {
      {"Show/TextScale", "0", true},
      {"Show/TextScale", "10", false},
      {"Show/TextScale", "10,01", true},
      {"Show/TextScale", "", true},
      {"Calc/KCNorm", "", false},
      {"Calc/KCNorm", "1,5", true},
      {"Calc/Iter", "2,5", true},
      {"Calc/IterMax", "10000", false},
      {"Calc/Gf", "0,49", true},
      {"Calc/Prop", "0.1", false},
      {"Calc/NodeTolerance", "1e-7", true},
      {"Show/Operation", "4", true},
  };
  for (const auto& [id, text, refused] : refusals) {
    const macros::CalcSetting* s = macros::FindCalcSetting(QString::fromLatin1(id));
    ASSERT_NE(s, nullptr) << id;
    EXPECT_EQ(!macros::RefusalOf(*s, QString::fromLatin1(text)).isEmpty(), refused)
        << id << " " << text;
  }
}

}  // namespace
}  // namespace trellis::test
