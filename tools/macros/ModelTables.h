#pragma once

#include <QString>

// The tables of the default installation the macros read and write, by their Tables.ini keys,
// and the columns they use, counted from 1 as in the column description files.
namespace trellis::macros::model {

inline const QString kMaterials = QStringLiteral("Materials");
inline const QString kSections = QStringLiteral("SecBH");
inline const QString kElementGroups = QStringLiteral("Elements");
inline const QString kNodeGroups = QStringLiteral("Points");
inline const QString kSupports = QStringLiteral("Locking");
inline const QString kLoadCases = QStringLiteral("Loads");
inline const QString kElementLoads = QStringLiteral("q");
inline const QString kNodeLoads = QStringLiteral("p");
inline const QString kTemperature = QStringLiteral("T");
inline const QString kCombinations = QStringLiteral("Combinations");
inline const QString kMainNodes = QStringLiteral("CoordPoints");
inline const QString kAllNodes = QStringLiteral("CoordAllPoints");
inline const QString kElements = QStringLiteral("NumEl");
inline const QString kDisplacements = QStringLiteral("Displacements");
inline const QString kForcesNM = QStringLiteral("ForcesNM");
inline const QString kForcesQ = QStringLiteral("ForcesQ");

// Every table's first column is its row number, the key other tables refer to.
constexpr int kNumber = 1;

namespace materials {
constexpr int kModulus = 4;  // MPa
constexpr int kPoisson = 5;
constexpr int kDensity = 6;  // t/m3
constexpr int kExpansion = 9;  // 1/°C
}  // namespace materials

namespace sections {
constexpr int kSection = 2;  // the section the part belongs to
constexpr int kShape = 4;
constexpr int kMaterial = 5;
constexpr int kWidth = 7;   // cm
constexpr int kHeight = 8;  // cm
constexpr int kWall = 9;    // cm
}  // namespace sections

namespace elementGroups {
constexpr int kName = 2;
constexpr int kType = 3;
constexpr int kMaterial = 4;
constexpr int kSection = 6;
constexpr int kHingeAtStart = 8;
constexpr int kHingeAtEnd = 9;
constexpr int kAngle = 10;  // degrees
constexpr int kStep = 11;  // m
constexpr int kStiffnessFactor = 12;
}  // namespace elementGroups

namespace nodeGroups {
constexpr int kReportResults = 3;
}  // namespace nodeGroups

namespace supports {
constexpr int kNodeGroup = 2;
constexpr int kFirstFixity = 4;  // X, Y, Z, UX, UY, UZ
}  // namespace supports

namespace loadCases {
constexpr int kName = 2;
constexpr int kReliability = 4;
constexpr int kSelfWeight = 6;
}  // namespace loadCases

namespace elementLoads {
constexpr int kLoadCase = 2;
constexpr int kGroup = 4;
constexpr int kKind = 6;
constexpr int kAlongX = 7;  // the direction options X, Y, Z
constexpr int kLocalAxes = 10;
constexpr int kQ1 = 11;  // kN/m
constexpr int kQ2 = 12;
constexpr int kA1 = 13;  // m
constexpr int kA2 = 14;
constexpr int kForce = 15;   // kN
constexpr int kMoment = 16;  // kN·m
}  // namespace elementLoads

namespace nodeLoads {
constexpr int kLoadCase = 2;
constexpr int kGroup = 4;
constexpr int kFx = 6;  // kN, then Fy, Fz, and Mx, My, Mz in kN·m
}  // namespace nodeLoads

namespace temperature {
constexpr int kLoadCase = 2;
constexpr int kGroup = 4;
constexpr int kUniform = 6;  // °C, then the differences across y and across z
}  // namespace temperature

namespace combinations {
constexpr int kCombination = 2;
constexpr int kName = 3;
constexpr int kLoadCase = 5;
constexpr int kFactor = 7;
}  // namespace combinations

namespace nodes {
constexpr int kX = 2;  // m, then Y and Z
constexpr int kGroupOrMain = 5;  // main nodes: the node group; all nodes: the main node
}  // namespace nodes

namespace elements {
constexpr int kNode1 = 2;
constexpr int kNode2 = 3;
constexpr int kGroup = 4;
constexpr int kGroupName = 5;
}  // namespace elements

}  // namespace trellis::macros::model
