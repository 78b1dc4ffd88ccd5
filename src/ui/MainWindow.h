#pragma once

#include "ui/FormLayout.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QKeyEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QStatusBar;
class QTableWidget;
class QTextBrowser;
class QTextEdit;

namespace trellis {

class ApplicationContext;
class CellEditors;
class FindReplaceDialog;
class CommandDispatch;
class GridView;
class ValueListPopupWindow;
class TabStripView;
class ToolbarView;

// frmMain1: the program's working window. Its controls mirror the window model; their
// places are computed in twips by the layout rules whenever the size changes.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(ApplicationContext& app, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The window's load: settings, toolbars, catalogue, first table, panes, recent projects.
  // A failure shows "Ошибка загрузки " and its description and ends the load there.
  void Load();
  // Opens a project as an entry of the recent-projects menu does.
  void OpenRecentProject(const QString& path);

  void FormResize();
  void SetIm32();
  void SetIm();
  // The lower area comes up with the error list in view.
  void ShowErrorPane();
  // Large or small toolbar images, as the user chose.
  void ApplyToolbarSize();
  void SetCapToolbarB();
  void DelCapToolbarB();
  void ShowTableHelp(const QString& section);
  void FocusGrid();
  void ActivateMainWindow();

  // The designed size of the window, in twips.
  static constexpr int kDesignWidthTwips = 14400;
  static constexpr int kDesignHeightTwips = 9600;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // How often the work is noted for recovery.
  static constexpr int kRecoveryIntervalMs = 3 * 60 * 1000;
  void CreateControls();
  bool GridKey(QKeyEvent* event);
  // A click of the main toolbar's button at Position, from the toolbar or a grid shortcut.
  void RunToolbarButton(int position);
  void ConnectControls();
  // The widgets of the lower panes, the error list and the status bar mirror the window model.
  void ShowLowerPane();
  void ShowErrorList();
  void OnErrorListClick(int row);
  void OnStopPanelClick();
  // The user's choice of large toolbar images (setting View/BigBut).
  bool BigButtonsChosen() const;
  void PlaceWindow(bool bigButtons);
  void KeepTitleBarOnScreen(bool bigButtons);
  void FillRecentProjects();
  FormLayoutInput LayoutInput() const;
  int Px(int twips) const;
  int Tw(int pixels) const;
  bool DownPressed() const;
  bool BigButtons() const;

  ApplicationContext& app_;
  ToolbarView* toolbar1_ = nullptr;
  ToolbarView* toolbarLeft1_ = nullptr;
  ToolbarView* toolbarB_ = nullptr;
  QFrame* tabs1Frame_ = nullptr;
  TabStripView* tabs1_ = nullptr;
  GridView* fg1_ = nullptr;
  QFrame* tabs2Frame_ = nullptr;
  TabStripView* tabs2_ = nullptr;
  QTextBrowser* rtbHelp_ = nullptr;
  QTableWidget* fg2_ = nullptr;
  QTextEdit* report1_ = nullptr;
  QStatusBar* statusBar1_ = nullptr;
  QLabel* panels_[4] = {};
  QProgressBar* progressBar1_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QComboBox* cmb1_ = nullptr;
  QComboBox* cmbL1_ = nullptr;
  QComboBox* cmbi1_ = nullptr;
  QLineEdit* txtHide_ = nullptr;
  ValueListPopupWindow* frmList_ = nullptr;
  CellEditors* editors_ = nullptr;
  FindReplaceDialog* findDialog_ = nullptr;
  std::unique_ptr<CommandDispatch> dispatch_;
  int toolbarLeftWidthTwips_ = 0;
  bool resizing_ = false;
  // The border between the table and the lower panes, which the user drags.
  QWidget* paneBorder_ = nullptr;
  double lowerShare_ = 0.5;
};

}  // namespace trellis
