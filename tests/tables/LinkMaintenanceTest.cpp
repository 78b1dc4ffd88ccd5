#include "support/TableFixture.h"
#include "tables/CatalogueLoading.h"
#include "tables/TableFiles.h"
#include "tables/TableLinkMaintenance.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace trellis {
namespace {

// The columns of a description file, as far as links look at them.
struct Column {
  std::string var, source, index;
  bool identifier = false;
};
struct Table {
  std::string key, ext;
  std::vector<Column> columns;
};

// Elements refer to materials through two links (Index 1 and 2), nodes to their parent node in
// the same table, and a one-column table to materials.
const std::vector<Table> kTables = {
    {"Mat", "d01", {{"mat", "", "", true}, {"name", "", ""}, {"E", "", ""}}},
    {"El",
     "d02",
     {{"el", "", "", true},
      {"mat", "Mat", "1", true},
      {"name", "Mat", "1"},
      {"E", "Mat", "2"},
      {"mat", "Mat", "2", true}}},
    {"Nd",
     "d03",
     {{"nd", "", "", true}, {"nd", "Nd", "", true}, {"tag", "", ""}, {"tag", "Nd", ""}}},
    {"One", "d04", {{"mat", "Mat", "", true}}},
};

struct Link {
  int table, source, column, key;
  std::vector<std::pair<int, int>> pairs;  // (column here, column in the source)
};

// The records those descriptions make: one per column with a Source, a Var and Type "i", whose
// pairs are the columns of the same Source and Index, each with the first source column of its
// Var.
const std::vector<Link> kLinks = {
    {2, 1, 2, 1, {{2, 1}, {3, 2}}},
    {2, 1, 5, 1, {{4, 3}, {5, 1}}},
    {3, 3, 2, 1, {{2, 1}, {4, 3}}},
    {4, 1, 1, 1, {{1, 1}}},
};

// The table files by table index; nullopt for a missing file.
using Files = std::map<int, std::optional<std::string>>;
using Sheet = std::vector<std::vector<std::string>>;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1) {
    parts.push_back(text.substr(start, at - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// The files here end every line in CR LF; each line is a row, an empty one too.
Sheet LoadScratch(const Files& files, int table) {
  std::vector<std::string> lines = Split(files.at(table).value_or(""), '\n');
  lines.pop_back();  // what follows the last line end
  Sheet sheet(std::max<size_t>(lines.size(), 1),
              std::vector<std::string>(kTables[size_t(table - 1)].columns.size()));
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> cells = Split(lines[i].substr(0, lines[i].size() - 1), '\t');
    for (size_t j = 0; j < cells.size() && j < sheet[i].size(); ++j) sheet[i][j] = cells[j];
  }
  return sheet;
}

void SaveScratch(Files& files, int table, const Sheet& sheet) {
  std::string text;
  for (const std::vector<std::string>& row : sheet) {
    for (size_t j = 0; j < row.size(); ++j) text += (j ? "\t" : "") + row[j];
    text += "\r\n";
  }
  files[table] = text;
}

// What the rules make of the files; the counters tell which rules had something to do.
struct Seen {
  int updated = 0, uppermostDiffers = 0, removed = 0, lastRowKept = 0;
};

bool ReferenceUpdateLinks(Files& files, int shown, Seen& seen) {
  bool shownChanged = false;
  for (const Link& link : kLinks) {
    if (!files[link.table] || !files[link.source]) continue;
    Sheet table = LoadScratch(files, link.table);
    const Sheet source = LoadScratch(files, link.source);
    bool changed = false;
    for (size_t r = table.size(); r >= 1; --r) {
      std::vector<std::vector<std::string>> applied;  // the paired values of each match
      for (size_t q = source.size(); q >= 1; --q) {
        const std::string& value = table[r - 1][size_t(link.column - 1)];
        if (value.empty() || value != source[q - 1][size_t(link.key - 1)]) continue;
        applied.emplace_back();
        for (const auto& [m, j] : link.pairs) {
          applied.back().push_back(source[q - 1][size_t(j - 1)]);
          if (table[r - 1][size_t(m - 1)] == source[q - 1][size_t(j - 1)]) continue;
          table[r - 1][size_t(m - 1)] = source[q - 1][size_t(j - 1)];
          changed = true;
        }
      }
      if (applied.size() >= 2 && applied.front() != applied.back()) ++seen.uppermostDiffers;
    }
    if (!changed) continue;
    ++seen.updated;
    SaveScratch(files, link.table, table);
    if (link.table == shown) shownChanged = true;
  }
  return shownChanged;
}

void ReferenceDeleteNoLink(Files& files, int shown, Seen& seen) {
  for (auto link = kLinks.rbegin(); link != kLinks.rend(); ++link) {
    if (link->table == shown || !files[link->table]) continue;
    Sheet table = LoadScratch(files, link->table);
    const Sheet source = LoadScratch(files, link->source);
    bool removed = false;
    for (size_t r = table.size(); r >= 1; --r) {
      const std::string& value = table[r - 1][size_t(link->column - 1)];
      bool stays = value.empty();
      for (size_t q = source.size(); q >= 1 && !stays; --q)
        stays = source[q - 1][size_t(link->key - 1)] == value;
      if (stays) continue;
      if (table.size() < 2) {
        ++seen.lastRowKept;
        continue;
      }
      table.erase(table.begin() + ptrdiff_t(r - 1));
      removed = true;
      ++seen.removed;
    }
    if (removed) SaveScratch(files, link->table, table);
  }
}

class LinkMaintenance : public ::testing::Test {
 protected:
  LinkMaintenance() {
    QString tablesIni =
        QStringLiteral("[Main]\nTables=Mat|El|Nd|One\n[Ext]\nExtBmp=d\nExtName=M\nPost=0\n");
    for (const Table& table : kTables) {
      const QString key = QString::fromStdString(table.key);
      tablesIni +=
          QStringLiteral("[%1]\nExt=%2\nName=%1\n").arg(key, QString::fromStdString(table.ext));
      QString description;
      for (size_t k = 0; k < table.columns.size(); ++k) {
        const Column& c = table.columns[k];
        description += QStringLiteral("[F%1]\nName=C%1\nVar=%2\nSource=%3\nIndex=%4\nType=%5\n")
                           .arg(k + 1)
                           .arg(QString::fromStdString(c.var), QString::fromStdString(c.source),
                                QString::fromStdString(c.index),
                                c.identifier ? QStringLiteral("i") : QString());
      }
      f_.WriteInstall(key + QStringLiteral(".ini"), description);
    }
    f_.WriteInstall(QStringLiteral("Tables.ini"), tablesIni);
    f_.WriteInstall(QStringLiteral("bmp/Left/d.bmp"), QStringLiteral("BM"));
    BuildGroupButtons(f_.ctx);
    LoadCatalogue(f_.ctx);
  }

  QString FileName(int table) {
    return QStringLiteral("p.") + QString::fromStdString(kTables[size_t(table - 1)].ext);
  }

  void Put(const Files& files) {
    for (const auto& [table, text] : files) {
      QFile::remove(f_.WorkingPath(FileName(table)));
      if (text) f_.WriteWorking(FileName(table), QByteArray::fromStdString(*text));
    }
  }
  Files OnDisk() {
    Files files;
    for (int t = 1; t <= int(kTables.size()); ++t) {
      QFile file(f_.WorkingPath(FileName(t)));
      files[t] = file.open(QIODevice::ReadOnly) ? std::optional(file.readAll().toStdString())
                                                : std::nullopt;
    }
    return files;
  }

  test::TableFixture f_;
};

// A few rows per table; identifiers from 1..4 or empty, so keys repeat and some miss; now and
// then a table without its file.
Files RandomFiles(std::mt19937& random) {
  const auto pick = [&](int n) { return int(random() % unsigned(n)); };
  const char* identifiers[] = {"", "1", "2", "3", "4"};
  const char* texts[] = {"", "a", "b", "\xC1"};
  Files files;
  for (int t = 1; t <= int(kTables.size()); ++t) {
    if (pick(8) == 0) {
      files[t] = std::nullopt;
      continue;
    }
    std::string text;
    for (int r = 1 + pick(5); r >= 1; --r) {
      const std::vector<Column>& cols = kTables[size_t(t - 1)].columns;
      for (size_t k = 0; k < cols.size(); ++k) {
        text += (k ? "\t" : "") +
                std::string(cols[k].identifier ? identifiers[pick(5)] : texts[pick(4)]);
      }
      text += "\r\n";
    }
    files[t] = text;
  }
  return files;
}

TEST_F(LinkMaintenance, BothPassesFollowTheirRulesOnRandomTables) {
  Seen seen;
  for (unsigned seed = 1; seed <= 150; ++seed) {
    std::mt19937 random(seed);
    const Files start = RandomFiles(random);
    const int shown = 1 + int(random() % kTables.size());
    f_.window.Tabs1.Select(shown);

    Files expected = start;
    const bool expectShownChanged = ReferenceUpdateLinks(expected, shown, seen);
    Put(start);
    ASSERT_EQ(UpdateLinks(f_.ctx), expectShownChanged) << "seed " << seed;
    ASSERT_EQ(OnDisk(), expected) << "UpdateLinks, seed " << seed;

    expected = start;
    ReferenceDeleteNoLink(expected, shown, seen);
    Put(start);
    DeleteNoLink(f_.ctx);
    ASSERT_EQ(OnDisk(), expected) << "DeleteNoLink, seed " << seed;
  }
  // The tables were varied enough for every rule to matter.
  EXPECT_GT(seen.updated, 50);
  EXPECT_GT(seen.uppermostDiffers, 10);
  EXPECT_GT(seen.removed, 50);
  EXPECT_GT(seen.lastRowKept, 10);
}

TEST_F(LinkMaintenance, TheUppermostSourceRowWinsAndTheShownTableKeepsItsRows) {
  Put({{1, "2\tfirst\t7\r\n2\tsecond\t8\r\n"},
       {2, "1\t2\told\t\t\r\n2\t9\tx\t\t\r\n"},
       {3, std::nullopt},
       {4, "2\r\n9\r\n"}});
  f_.window.Tabs1.Select(4);
  EXPECT_FALSE(UpdateLinks(f_.ctx));
  EXPECT_EQ(f_.Working(QStringLiteral("p.d02")), "1\t2\tfirst\t\t\r\n2\t9\tx\t\t\r\n");

  DeleteNoLink(f_.ctx);  // material 9 does not exist; the shown table keeps its row anyway
  EXPECT_EQ(f_.Working(QStringLiteral("p.d02")), "1\t2\tfirst\t\t\r\n");
  EXPECT_EQ(f_.Working(QStringLiteral("p.d04")), "2\r\n9\r\n");
}

TEST_F(LinkMaintenance, ATableTooBigToReadIsToldAndDrivesNoChange) {
  // Materials with one row more than a store of their three columns holds.
  const std::string materials =
      "2\tfirst\t7\r\n" + std::string(size_t(kMaxTableCells / 3), '\n');
  const std::string elements = "1\t2\told\t\t\r\n2\t9\tx\t\t\r\n";
  Put({{1, materials}, {2, elements}, {3, std::nullopt}, {4, "2\r\n"}});
  f_.window.Tabs1.Select(4);
  EXPECT_FALSE(UpdateLinks(f_.ctx));
  DeleteNoLink(f_.ctx);
  EXPECT_EQ(f_.Working(QStringLiteral("p.d02")), QByteArray::fromStdString(elements));
  ASSERT_EQ(f_.window.Report1.Lines().size(), 1);  // once, though three links and two passes
  EXPECT_TRUE(f_.window.Report1.Lines()[0].contains(f_.WorkingPath(QStringLiteral("p.d01"))));
}

}  // namespace
}  // namespace trellis
