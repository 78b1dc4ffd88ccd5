#include "ui/CommandDispatch.h"

#include "app/AppIdentity.h"
#include "app/RunTimeError.h"
#include "tables/CatalogueLoading.h"
#include "tables/LowerPanes.h"
#include "tables/RowOperations.h"
#include "tables/TableUndo.h"
#include "ui/ApplicationContext.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <exception>

namespace trellis {
namespace {

void PutOnClipboard(const ClipboardText& copied) {
  auto* data = new QMimeData;
  data->setText(copied.text);
  data->setHtml(copied.html);
  QGuiApplication::clipboard()->clear();
  QGuiApplication::clipboard()->setMimeData(data);
}

// Keys whose click leaves the project's saved state alone. (A sort that reorders rows marks
// the project itself.)
bool KeepsSavedState(const QString& key) {
  static const QStringList kKeys{QStringLiteral("new"),  QStringLiteral("open"), QStringLiteral("save"),
                                 QStringLiteral("sort"), QStringLiteral("edit"), QStringLiteral("copy"),
                                 QStringLiteral("Show"), QStringLiteral("Down"), QStringLiteral("help")};
  return kKeys.contains(key);
}

}  // namespace

CommandDispatch::CommandDispatch(ApplicationContext& app, WindowActions window)
    : app_(app), window_(std::move(window)) {}

void CommandDispatch::ButtonClick(int position) {
  Toolbar& toolbar = app_.window.Toolbar1;
  if (position < 1 || position > toolbar.Count()) return;
  const ToolButton button = toolbar.Button(position);
  // A two-state button changes state with the click itself.
  if (button.style == ButtonStyle::Check) toolbar.SetPressed(position, !button.pressed);
  const bool pressed = toolbar.Button(position).pressed;

  toolbar.SetButtonEnabled(position, false);
  AllEnabled(app_.window, false);
  app_.window.ProgressBar1.SetVisible(true);
  QCoreApplication::processEvents();
  if (!KeepsSavedState(button.key)) app_.project.projectSaved = false;
  try {
    RunCommand(button.key, pressed);
  } catch (const std::exception& error) {
    // A failing command is told, and never leaves the window disabled.
    app_.prompter.Ask(Message{DescriptionOf(error), ProgramTitle(), MessageButtons::Ok, MessageIcon::Critical});
  }
  if (button.key == QLatin1String("new") || button.key == QLatin1String("open")) {
    app_.project.projectSaved = false;
  }
  toolbar.SetButtonEnabled(position, true);
  AllEnabled(app_.window, true);
  app_.window.ProgressBar1.SetVisible(false);
}

void CommandDispatch::MenuClick(int position, int item) {
  Toolbar& toolbar = app_.window.Toolbar1;
  if (position < 1 || position > toolbar.Count()) return;
  const ToolButton& button = toolbar.Button(position);
  if (item < 1 || size_t(item) > button.menu.size()) return;
  const MenuItem menu = button.menu[size_t(item - 1)];
  if (button.key == QLatin1String("save")) {
    if (menu.key == QLatin1String("saveas")) app_.seams->SaveAs();
    if (menu.key == QLatin1String("arh")) app_.seams->ArchiveProject();
    if (menu.key == QLatin1String("vb")) app_.seams->ExportProgram();
  } else if (button.key == QLatin1String("open")) {
    OpenRecent(menu.text);
  } else if (button.key == QLatin1String("sort")) {
    TableContext ctx = app_.Tables();
    SortSelection(ctx, menu.key == QLatin1String("sortasc") ? SortOrder::Ascending : SortOrder::Descending);
  }
}

void CommandDispatch::OpenRecent(const QString& path) {
  app_.seams->OpenRecent(path);
  app_.seams->ResetResults();
  app_.seams->ReapplyLayerButtons(false);
  app_.seams->KeepForRecovery();
}

bool CommandDispatch::RunCommand(const QString& key, bool pressed) {
  ProgramSeams& seams = *app_.seams;
  TableContext ctx = app_.Tables();
  bool ranToEnd = true;
  // The project commands reset the results of a new or opened project themselves and mark
  // a save that reached the project folder.
  if (key == QLatin1String("new")) {
    ranToEnd = seams.NewProject();
  } else if (key == QLatin1String("open")) {
    ranToEnd = seams.OpenProject();
  } else if (key == QLatin1String("save")) {
    ranToEnd = seams.SaveProject();
  } else if (key == QLatin1String("add")) {
    if (!IsTableReadOnly(ctx)) AddRow(ctx);
  } else if (key == QLatin1String("del")) {
    if (IsTableReadOnly(ctx) || !app_.hooks.ConnectCad(false)) return false;
    DeleteRows(ctx, app_.prompter);
    app_.hooks.UpdateGroupButtons();
    seams.ReapplyLayerButtons(true);
  } else if (key == QLatin1String("edit")) {
    const Grid& grid = app_.window.fg1;
    const ColumnSpec* column = grid.Column(grid.Col());
    if (!IsTableReadOnly(ctx) && column && column->editable && window_.openCellEditor) {
      window_.openCellEditor(0);
    }
  } else if (key == QLatin1String("sort")) {
    // The toolbar's sort puts the largest numbers on top, as it always did.
    SortSelection(ctx, SortOrder::Descending);
  } else if (key == QLatin1String("Arrow")) {
    if (!app_.hooks.ConnectCad(false)) return false;
    seams.AssignRegionToRow();
    seams.ReapplyLayerButtons(true);
  } else if (key == QLatin1String("Show")) {
    if (!app_.hooks.ConnectCad(false)) return false;
    seams.ShowSelect(pressed);
  } else if (key == QLatin1String("cut") || key == QLatin1String("copy")) {
    const ClipboardText copied = key == QLatin1String("cut") ? CutSelection(ctx) : CopySelection(app_.window.fg1);
    PutOnClipboard(copied);
    Toolbar& toolbar = app_.window.Toolbar1;
    toolbar.SetButtonEnabled(toolbar.Find(QStringLiteral("paste")), !copied.text.isEmpty());
  } else if (key == QLatin1String("paste")) {
    if (PasteClipboard(ctx, QGuiApplication::clipboard()->text()).pasted == 0) QApplication::beep();
  } else if (key == QLatin1String("undo")) {
    if (!UndoEdit(ctx)) QApplication::beep();
  } else if (key == QLatin1String("redo")) {
    if (!RedoEdit(ctx)) QApplication::beep();
  } else if (key == QLatin1String("Ex")) {
    app_.window.Report1.Clear();
    seams.RunCalculation();
  } else if (key == QLatin1String("Down")) {
    if (window_.formResize) window_.formResize();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (window_.showTableHelp) window_.showTableHelp(app_.tables.currentTableKey);
    NoteReportInView(app_.window);
  } else if (key == QLatin1String("Prop")) {
    seams.RunButtonsIniSection(QStringLiteral("Prop"));
  } else if (key == QLatin1String("help")) {
    if (window_.openHelpFile) window_.openHelpFile(app_.installationFolder + QStringLiteral("/Help/index.htm"));
  }
  if (ranToEnd) app_.project.freshStart = false;
  // Another project, or a saved one: the note for recovery follows.
  if (key == QLatin1String("new") || key == QLatin1String("open") || key == QLatin1String("save")) {
    seams.KeepForRecovery();
  }
  return ranToEnd;
}

}  // namespace trellis
