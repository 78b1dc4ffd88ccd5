// Feeds arbitrary column descriptions to the catalogue reader and runs the grid's operations
// over the columns they make, with cells, selections and clipboard texts from the input. What
// must always hold: nothing crashes or reads out of bounds, the store keeps its shape, every
// cell and picture can be asked for, and a copied block pastes back where the columns take it.
#include "app/IniFiles.h"
#include "app/Prompter.h"
#include "app/SettingsStore.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "support/QuietTableHooks.h"
#include "tables/ColumnSpec.h"
#include "tables/GridFilling.h"
#include "tables/ProjectState.h"
#include "tables/RowOperations.h"
#include "tables/TableContext.h"
#include "tables/TableFiles.h"
#include "tables/TableUndo.h"
#include "tables/WindowModel.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace trellis {
namespace {

class NoPrompts : public Prompter {
 public:
  MessageAnswer Ask(const Message&) override { return MessageAnswer::Ok; }
  QString ChooseFile(const FileDialogRequest&) override { return QString(); }
};

// The table state the operations need, made once: an installation folder without a catalogue
// (no table is read-only) and no project.
struct World {
  QTemporaryDir dir;
  NoPrompts prompter;
  SettingsStore settings{dir.filePath(QStringLiteral("config"))};
  IniFiles ini;
  WorkingFolders folders{settings, dir.filePath(QStringLiteral("drive")), 1};
  TextFileWriter writer{prompter};
  ProjectState project;
  WindowModel window;
  TableState tables;
  test::QuietTableHooks hooks;
  TableContext ctx{dir.path(), ini, folders, writer, project, window, tables, hooks};
};

// Reads small numbers and texts from the input's tail, cycling when it runs out.
class Draws {
 public:
  explicit Draws(QByteArrayView bytes) : bytes_(bytes) {}
  int Next(int bound) {
    if (bytes_.isEmpty() || bound <= 0) return 0;
    return int(quint8(bytes_[at_++ % bytes_.size()])) % bound;
  }
  QString Text() {
    // Cells never hold TAB or line ends (the file's separators); clipboard texts are built
    // from several of these with them.
    static const char* const kPieces[] = {"", "1", "2", "10", "1,5", "1.5", "B25", "\u00B7", "Сталь", "A      ", " "};
    return QString::fromUtf8(kPieces[Next(int(std::size(kPieces)))]);
  }

 private:
  QByteArrayView bytes_;
  qsizetype at_ = 0;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace
}  // namespace trellis

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trellis;
  static World world;
  const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
  // The description, then after the first NUL the draws for the operations.
  const qsizetype split = input.indexOf('\0');
  const QByteArrayView description = split < 0 ? input : input.first(split);
  Draws draws(split < 0 ? QByteArrayView() : input.sliced(split + 1));

  const QString file = world.dir.filePath(QStringLiteral("T.ini"));
  {
    QFile out(file);
    Check(out.open(QIODevice::WriteOnly) && out.write(description.data(), description.size()) == description.size());
  }
  IniFiles ini;  // a fresh cache: the file changes with every input
  Grid& grid = world.window.fg1;
  grid.SetColumns(ReadColumnSpecs(ini, file));
  const int columns = grid.Cols();
  Check(columns <= kMaxColumns);
  grid.Data().Reset(1 + draws.Next(6), columns);
  for (int r = 1; r <= grid.Rows(); ++r) {
    for (int c = 1; c <= columns; ++c) grid.Data().SetCell(r, c, draws.Text());
  }
  grid.SetWidthTwips(draws.Next(20000));
  DecorateColumns(grid);

  for (int step = draws.Next(12); step > 0; --step) {
    const int rows = grid.Rows();
    grid.SetSelection(1 + draws.Next(rows + 1), 1 + draws.Next(columns + 1), 1 + draws.Next(rows + 1),
                      1 + draws.Next(columns + 1));
    // Whatever a command did, undo takes the table back to where it was and redo forward again.
    const QByteArray before = TableFileText(grid.Data());
    world.ctx.tables.history.Clear();
    switch (draws.Next(5)) {
      case 0: PasteClipboard(world.ctx, CopySelection(grid).text); break;
      case 1: PasteClipboard(world.ctx, draws.Text() + u'\t' + draws.Text() + QStringLiteral("\r\n") + draws.Text()); break;
      case 2: ClearSelection(world.ctx); break;
      case 3: SortSelection(world.ctx, draws.Next(2) ? SortOrder::Ascending : SortOrder::Descending); break;
      case 4: AddRow(world.ctx); break;
    }
    const QByteArray after = TableFileText(grid.Data());
    Check(world.ctx.tables.history.CanUndo() == (after != before));
    if (UndoEdit(world.ctx)) {
      Check(TableFileText(grid.Data()) == before);
      Check(RedoEdit(world.ctx) && TableFileText(grid.Data()) == after);
    }
    Check(grid.Data().ColumnCount() == columns && grid.Rows() >= 1);
  }
  for (int r = 0; r <= grid.Rows(); ++r) {
    for (int c = 0; c <= columns; ++c) {
      (void)grid.Data().Cell(r, c);
      (void)grid.PictureOf(r, c);
      (void)grid.HeaderStyleOf(c);
      Check(grid.ColumnWidth(c) >= 0);
    }
  }
  return 0;
}
