#include "macros/ProjectTables.h"

#include "app/FilePaths.h"
#include "app/LocaleNumbers.h"
#include "app/ReplacementFile.h"
#include "app/TextCodec.h"
#include "app/TextFiles.h"

#include <QFileInfo>

#include <memory>

namespace trellis::macros {

namespace {

const QString kNoCell;
constexpr int kMaxColumns = 20;

}  // namespace

const QString& TableRows::Cell(int row, int column) const {
  if (row < 1 || row > RowCount() || column < 1 || column > columns_) return kNoCell;
  return rows_[size_t(row - 1)][column - 1];
}

bool TableRows::RowIsEmpty(int row) const {
  for (int column = 1; column <= columns_; ++column) {
    if (!Cell(row, column).isEmpty()) return false;
  }
  return true;
}

void TableRows::AddRow(QStringList cells) {
  while (cells.size() < columns_) cells.append(QString());
  if (cells.size() > columns_) cells.resize(columns_);
  rows_.push_back(std::move(cells));
}

ProjectTables::ProjectTables(QString programFolder, QString workingFolder, QString baseName)
    : programFolder_(std::move(programFolder)),
      workingFolder_(std::move(workingFolder)),
      baseName_(std::move(baseName)) {}

QString ProjectTables::TablesIni() const { return PathIn(programFolder_, QStringLiteral("Tables.ini")); }

QString ProjectTables::ColumnFile(const QString& key) const {
  return PathIn(programFolder_, key + QStringLiteral(".ini"));
}

QString ProjectTables::FileOf(const QString& key) {
  const QString ext = ini_.ReadIni(key, u"Ext", TablesIni());
  if (ext.isEmpty()) return QString();
  return PathIn(workingFolder_, baseName_ + u'.' + ext);
}

QString ProjectTables::NameOf(const QString& key) { return ini_.ReadIni(key, u"Name", TablesIni()); }

QString ProjectTables::GroupLetterOf(const QString& key) {
  return ini_.ReadIni(key, u"Group", TablesIni());
}

int ProjectTables::ColumnCountOf(const QString& key) {
  int count = 0;
  while (count < kMaxColumns && !ColumnValue(key, count + 1, QStringLiteral("Name")).isEmpty()) ++count;
  return count;
}

QString ProjectTables::ColumnValue(const QString& key, int column, const QString& name) {
  return ini_.ReadIni(QStringLiteral("F%1").arg(column), name, ColumnFile(key));
}

QStringList ProjectTables::Keys() {
  return ini_.ReadIni(u"Main", u"Tables", TablesIni()).split(u'|', Qt::SkipEmptyParts);
}

TableRows ProjectTables::Read(const QString& key) {
  TableRows table(ColumnCountOf(key));
  const QString file = FileOf(key);
  if (file.isEmpty()) return table;
  QString text = ReadWholeFile(file);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  if (text.endsWith(u'\n')) text.chop(1);
  if (text.isEmpty()) return table;
  for (const QString& line : text.split(u'\n')) table.AddRow(line.split(u'\t'));
  return table;
}

std::error_code ProjectTables::Write(const std::vector<std::pair<QString, TableRows>>& tables) {
  std::vector<std::unique_ptr<ReplacementFile>> files;
  for (const auto& [key, table] : tables) {
    const QString path = FileOf(key);
    if (path.isEmpty()) return std::make_error_code(std::errc::invalid_argument);
    QString text;
    const int rows = std::max(table.RowCount(), 1);
    for (int row = 1; row <= rows; ++row) {
      for (int column = 1; column <= table.ColumnCount(); ++column) {
        if (column > 1) text += u'\t';
        text += table.Cell(row, column);
      }
      text += QStringLiteral("\r\n");
    }
    if (QFileInfo(path).isDir()) return std::make_error_code(std::errc::is_a_directory);
    auto file = std::make_unique<ReplacementFile>(path);
    file->Write(cp1251::Encode(text));
    if (file->Error()) return file->Error();
    files.push_back(std::move(file));
  }
  // Once every new file is written beside its old one, renaming a file over a file in the same
  // folder does not fail, so the tables change together. The working folder is scratch: the
  // project folder gets its durable copy when saved.
  for (const auto& file : files) {
    if (const std::error_code error = file->Commit(Durability::Scratch)) return error;
  }
  return {};
}

QString RowGroupName(const QString& letter, const QString& rowNumber) {
  return QStringLiteral("KS_FEM_") + letter + u'_' + FormatWithZeros(rowNumber, 3);
}

}  // namespace trellis::macros
