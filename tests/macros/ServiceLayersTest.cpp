#include "MacroProject.h"

#include "automation/Arguments.h"
#include "automation/AutomationError.h"
#include "macros/layers/ServiceLayersMacro.h"
#include "macros/scheme/SchemeMacro.h"

#include <QMap>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

// The two-bay frame of the scheme tests, built, with its columns clamped at the foot, a node
// load on the beam's load point and a uniform load on the beam.
class ServiceLayers : public ::testing::Test {
 protected:
  void SetUp() override {
    project_.DrawTwoBayFrame();
    project_.WriteTable(QStringLiteral("Locking"), {{"1", "1", "Опоры", "·", "·", "·", "·", "·", "·"}});
    project_.WriteTable(QStringLiteral("p"), {{"1", "1", "Постоянная", "2", "Груз", "", "", "-10"}});
    project_.WriteTable(QStringLiteral("q"), {{"1", "1", "Постоянная", "2", "Ригель", "Равномерная      ", "", "", "·", "", "-5"}});
    project_.Run(scheme_, QStringLiteral("Build"));
  }

  // What each layer holds: "kind text" lines, texts with their string.
  QStringList OnLayer(const QString& layer) const {
    QStringList found;
    const DispatchRef space = ToObject(project_.document.Object()->Get(QStringLiteral("ModelSpace")), QString());
    const int count = space->Get(QStringLiteral("Count")).toInt();
    for (int i = 0; i < count; ++i) {
      const DispatchRef entity = ToObject(Call(*space, QStringLiteral("Item"), {i}), QString());
      if (entity->Get(QStringLiteral("Layer")).toString() != layer) continue;
      const QString kind = entity->Get(QStringLiteral("ObjectName")).toString();
      // Lines in one horizontal plane come out as light polylines, others as 3D ones.
      found << (kind == QLatin1String("AcDbText")       ? entity->Get(QStringLiteral("TextString")).toString()
                : kind == QLatin1String("AcDbPolyline") ? QStringLiteral("AcDb3dPolyline")
                                                        : kind);
    }
    return found;
  }
  bool LayerExists(const QString& layer) const {
    try {
      project_.document.Layers().Item(layer);
      return true;
    } catch (const AutomationError&) {
      return false;
    }
  }

  MacroProject project_;
  macros::SchemeMacro scheme_;
  macros::ServiceLayersMacro layers_;
};

TEST_F(ServiceLayers, EachLayerGetsItsNumbersOrSymbolsAndADrawingAgainReplacesThem) {
  project_.Run(layers_, QStringLiteral("NodeNumbers"));
  project_.Run(layers_, QStringLiteral("NodeNumbers"));
  QStringList nodes = OnLayer(QStringLiteral("KS_FEM_NUMP"));
  EXPECT_EQ(nodes.count(QStringLiteral("AcDbPoint")), 8);
  nodes.removeAll(QStringLiteral("AcDbPoint"));
  nodes.sort();
  EXPECT_EQ(nodes, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));

  project_.Run(layers_, QStringLiteral("ElementNumbers"));
  EXPECT_EQ(OnLayer(QStringLiteral("KS_FEM_NUME")).size(), 7);

  project_.Run(layers_, QStringLiteral("Supports"));
  const QStringList supports = OnLayer(QStringLiteral("KS_FEM_FIX"));
  EXPECT_EQ(supports.count(QStringLiteral("X Y Z UX UY UZ")), 3);
  EXPECT_EQ(supports.count(QStringLiteral("AcDb3dPolyline")), 3 * 5);  // a base and four hatches each

  project_.Run(layers_, QStringLiteral("Loads"));
  const QStringList loads = OnLayer(QStringLiteral("KS_FEM_LOAD"));
  EXPECT_EQ(loads.count(QStringLiteral("1: Fz=-10")), 1);
  EXPECT_EQ(loads.count(QStringLiteral("1: q=-5")), 4);  // one per element of the beam
  EXPECT_EQ(loads.count(QStringLiteral("AcDb3dPolyline")), 2 + 4 * 7);
  EXPECT_EQ(project_.document.GetVariable(QStringLiteral("CLAYER")).toString(), QStringLiteral("0"));
  EXPECT_EQ(project_.window->calls.filter(QStringLiteral("Message")), QStringList());
}

TEST_F(ServiceLayers, BuildingTheSchemeAgainRemovesTheLayersSoTheSwitchesDrawThemAfresh) {
  project_.Run(layers_, QStringLiteral("NodeNumbers"));
  project_.Run(layers_, QStringLiteral("Loads"));
  ASSERT_TRUE(LayerExists(QStringLiteral("KS_FEM_NUMP")));
  project_.Run(scheme_, QStringLiteral("Build"));
  EXPECT_FALSE(LayerExists(QStringLiteral("KS_FEM_NUMP")));
  EXPECT_FALSE(LayerExists(QStringLiteral("KS_FEM_LOAD")));
  EXPECT_TRUE(OnLayer(QStringLiteral("KS_FEM_NUMP")).isEmpty());
}

}  // namespace
}  // namespace trellis::test
