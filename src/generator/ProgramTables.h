#pragma once

#include <QString>

#include <array>

namespace trellis {

// The tables the generated program hands to the calculation engine, by extension: the model
// tables d01..d30 and the geometry tables g01..g03, with their titles and the base names of
// their column files. Unlisted entries are empty.
struct ProgramTableNames {
  std::array<QString, 31> ProgramTableTitle;
  std::array<QString, 31> ProgramTableIni;
  std::array<QString, 4> GeometryTableTitle;
  std::array<QString, 4> GeometryTableIni;
};

ProgramTableNames FillProgramTableNames();

// The generator reads the column files from the family data folder, which a fresh user does
// not have yet: each file is copied there from the installation when it is missing or the
// installation's copy is newer (an upgrade), and left alone otherwise. Returns the number of
// files copied; a file that cannot be copied is reported in Problems.
int ProvideGeneratorColumnFiles(const QString& installationFolder, const QString& familyFolder,
                                QStringList* problems = nullptr);

}  // namespace trellis
