#pragma once

#include "cad-host/HostServices.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QAction;
class QActionGroup;
class QDoubleSpinBox;
class QLabel;
class QMenu;
class QSettings;
class QToolButton;

namespace trellis::cadhost {

class CommandLinePanel;
class DrawingCanvas;
class DrawingCommands;
class GroupPanel;
class HostApplication;
class HostDocument;
class LayerPanel;

// The settings of the window (recent files, snaps): those of organisation "Trellis",
// application "trellis-cad", kept under $TRELLIS_SETTINGS_HOME when that is set.
std::unique_ptr<QSettings> WindowSettings();

// The host's main window: the active drawing on the canvas, the layers, groups and command line
// panels, the menus of files, editing, drawing and views, and the status bar with the cursor's
// coordinates and the snaps. It follows the application's Visible and WindowState, and answers a
// client's on-screen pick with the user's mouse.
class DrawingWindow : public QMainWindow, public HostView {
  Q_OBJECT

 public:
  DrawingWindow();
  ~DrawingWindow() override;
  void Attach(std::shared_ptr<HostApplication> application);

  void DrawingChanged() override;
  void WindowStateChanged() override;
  void BringToFront() override;
  qint64 WindowHandle() const override;
  void QuitRequested() override;
  // A client left the bus: a pick it may have asked for ends with nothing picked.
  void ClientLeft();

  // The pick of a client program, made by the user on this window.
  EntityList PickOnScreen(const EntityList& candidates);

  // Opens Path in place of the active drawing; tells the user why when it cannot.
  bool OpenFile(const QString& path);

  DrawingCanvas& Canvas() const { return *canvas_; }
  DrawingCommands& Commands() const { return *commands_; }
  CommandLinePanel& CommandLine() const { return *commandLine_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildPanels();
  void BuildStatusBar();
  void SyncDocument();
  void RefreshLook();
  void NewDrawing();
  void OpenDrawing();
  bool Save();
  bool SaveAs();
  // Writes the drawing to Path; tells the user why when it cannot.
  bool SaveTo(HostDocument& document, const QString& path);
  // Asks about the active drawing; ...All about every changed one, before the window closes.
  bool ConfirmDiscard();
  bool ConfirmDiscardAll();
  void AddRecent(const QString& path);
  void FillRecent();
  void CanvasKey(QKeyEvent* event);
  void SetBusy(bool busy);
  std::shared_ptr<HostDocument> Active() const;

  std::weak_ptr<HostApplication> application_;
  DrawingCanvas* canvas_;
  std::unique_ptr<DrawingCommands> commands_;
  CommandLinePanel* commandLine_ = nullptr;
  LayerPanel* layers_ = nullptr;
  GroupPanel* groups_ = nullptr;
  QLabel* coordinates_ = nullptr;
  QToolButton* snapEnds_ = nullptr;
  QToolButton* snapMiddles_ = nullptr;
  QToolButton* snapGrid_ = nullptr;
  QDoubleSpinBox* gridStep_ = nullptr;
  QMenu* recentMenu_ = nullptr;

  QAction* newAction_ = nullptr;
  QAction* openAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* saveAsAction_ = nullptr;
  QAction* quitAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* eraseAction_ = nullptr;
  QAction* moveAction_ = nullptr;
  QAction* copyAction_ = nullptr;
  QAction* selectAllAction_ = nullptr;
  QAction* lineAction_ = nullptr;
  QAction* polylineAction_ = nullptr;
  QAction* pointAction_ = nullptr;
  QAction* extentsAction_ = nullptr;
  QActionGroup* views_ = nullptr;

  // A client may change the drawing ten thousand times in a row: the panels and the title
  // follow once it pauses.
  QTimer refresh_;
  bool quitting_ = false;
};

}  // namespace trellis::cadhost
