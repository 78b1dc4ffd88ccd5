#include "ui/MainWindow.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/Pause.h"
#include "app/RunTimeError.h"
#include "automation/CallWaits.h"
#include "project/RecentProjects.h"
#include "project/Recovery.h"
#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/LowerPanes.h"
#include "tables/RowOperations.h"
#include "tables/TableUndo.h"
#include "tables/ValueChecks.h"
#include "tables/TableOpening.h"
#include "ui/ApplicationContext.h"
#include "cad/MacroToolbars.h"
#include "ui/CadTableLink.h"
#include "ui/CellEditors.h"
#include "ui/FindReplaceDialog.h"
#include "ui/CommandDispatch.h"
#include "ui/GridTableModel.h"
#include "ui/GridView.h"
#include "ui/MainToolbar.h"
#include "ui/TabStripView.h"
#include "ui/ToolbarIcons.h"
#include "ui/ToolbarView.h"
#include "ui/Twips.h"
#include "ui/ValueListPopupWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace trellis {
namespace {

// Design widths of status bar panels 2, 3 and 4.
constexpr int kPanelMinWidthTwips[3] = {1800, 1800, 900};
constexpr int kErrorListRows = 10;
constexpr int kErrorListColumns = 6;

// Pictures of toolbar buttons kept as files of the installation, loaded once each.
ToolbarView::IconSource FileIcons(const QString& folder) {
  auto cache = std::make_shared<QHash<QString, QIcon>>();
  return [folder, cache](const QString& key) {
    if (key.isEmpty()) return QIcon();
    auto it = cache->constFind(key);
    if (it == cache->cend()) {
      const QString file = folder + u'/' + key + QStringLiteral(".bmp");
      it = cache->insert(key, FileExists(file) ? QIcon(file) : QIcon());
    }
    return *it;
  };
}

}  // namespace

MainWindow::MainWindow(ApplicationContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName(QStringLiteral("frmMain1"));
  setWindowTitle(ProgramTitle());
  setWindowIcon(ProgramIcon());
  CreateControls();
  ConnectControls();
  resize(Px(kDesignWidthTwips), Px(kDesignHeightTwips));
}

MainWindow::~MainWindow() {
  app_.hooks.window = nullptr;
  // The editors' event filter goes before the editors: their own destruction sends it events,
  // which it must not answer from half-destroyed controls.
  delete editors_;
  editors_ = nullptr;
}

int MainWindow::Px(int twips) const { return TwipsToPixels(twips, logicalDpiX()); }
int MainWindow::Tw(int pixels) const { return PixelsToTwips(pixels, logicalDpiX()); }

bool MainWindow::DownPressed() const {
  const Toolbar& toolbar = app_.window.Toolbar1;
  const int down = toolbar.Find(QStringLiteral("Down"));
  return down > 0 && toolbar.Button(down).pressed;
}

bool MainWindow::BigButtons() const { return toolbar1_->LargeImages(); }

void MainWindow::CreateControls() {
  WindowModel& w = app_.window;
  BuildMainToolbar(w.Toolbar1);
  BuildLowerTabs(w.Tabs2);
  const QString bmp = app_.installationFolder + QStringLiteral("/bmp");

  toolbar1_ = new ToolbarView(w.Toolbar1, MainToolbarIcon, Qt::Horizontal, this);
  toolbarLeft1_ = new ToolbarView(w.ToolbarLeft1, FileIcons(bmp + QStringLiteral("/Left")), Qt::Vertical, this);
  toolbarB_ = new ToolbarView(w.ToolbarB, FileIcons(bmp), Qt::Horizontal, this);
  toolbarB_->hide();

  tabs1Frame_ = new QFrame(this);
  tabs1Frame_->setFrameShape(QFrame::StyledPanel);
  tabs1_ = new TabStripView(w.Tabs1, nullptr, this);
  tabs1_->setObjectName(QStringLiteral("Tabs1"));
  txtHide_ = new QLineEdit(this);
  txtHide_->setObjectName(QStringLiteral("txtHide"));
  fg1_ = new GridView(w.fg1, this);
  fg1_->setObjectName(QStringLiteral("fg1"));

  paneBorder_ = new QWidget(this);
  paneBorder_->setObjectName(QStringLiteral("paneBorder"));
  paneBorder_->setCursor(Qt::SplitVCursor);
  paneBorder_->installEventFilter(this);
  tabs2Frame_ = new QFrame(this);
  tabs2Frame_->setFrameShape(QFrame::StyledPanel);
  tabs2_ = new TabStripView(w.Tabs2, MainToolbarIcon, this);
  tabs2_->setObjectName(QStringLiteral("Tabs2"));
  rtbHelp_ = new QTextBrowser(this);
  rtbHelp_->setObjectName(QStringLiteral("rtbHelp"));
  rtbHelp_->setOpenExternalLinks(true);
  fg2_ = new QTableWidget(kErrorListRows - 1, kErrorListColumns - 1, this);
  fg2_->setObjectName(QStringLiteral("fg2"));
  fg2_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fg2_->setSelectionBehavior(QAbstractItemView::SelectRows);
  fg2_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  fg2_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  report1_ = new QTextEdit(this);
  report1_->setObjectName(QStringLiteral("Report1"));
  report1_->setReadOnly(true);

  text1_ = new QLineEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  cmb1_ = new QComboBox(this);
  cmb1_->setObjectName(QStringLiteral("cmb1"));
  cmb1_->setEditable(true);
  cmbL1_ = new QComboBox(this);
  cmbL1_->setObjectName(QStringLiteral("cmbL1"));
  cmbi1_ = new QComboBox(this);
  cmbi1_->setObjectName(QStringLiteral("cmbi1"));
  for (QWidget* editor : std::initializer_list<QWidget*>{text1_, cmb1_, cmbL1_, cmbi1_}) editor->hide();

  statusBar1_ = new QStatusBar(this);
  statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
  statusBar1_->setSizeGripEnabled(false);
  for (int i = 0; i < 4; ++i) {
    panels_[i] = new QLabel(statusBar1_);
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panels_[i]->setContentsMargins(4, 0, 4, 0);
    panels_[i]->setText(w.StatusBar1.Panel(i + 1));
  }
  // A long message is cut at the panel's edge rather than pushing the other panels away.
  panels_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar1_->addWidget(panels_[0], 1);
  for (int i = 1; i < 4; ++i) {
    panels_[i]->setMinimumWidth(Px(kPanelMinWidthTwips[i - 1]));
    statusBar1_->addWidget(panels_[i]);
  }
  panels_[3]->setAlignment(Qt::AlignCenter);
  panels_[3]->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panels_[3]->setCursor(Qt::PointingHandCursor);
  panels_[3]->installEventFilter(this);
  // Escape stops a call to the host or a macro as the STOP panel does, wherever the focus is:
  // the window is disabled while a command waits.
  qApp->installEventFilter(this);

  progressBar1_ = new QProgressBar(this);
  progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar1_->setRange(0, 0);  // busy: a command's length is not known beforehand
  progressBar1_->setTextVisible(false);
  progressBar1_->hide();

  // Automatic column widths are those of the header texts in the header's (bold) font.
  w.fg1.SetTextMeasure([this](const QString& text) {
    QFont font = fg1_->horizontalHeader()->font();
    font.setBold(true);
    return Tw(QFontMetrics(font).horizontalAdvance(text) + 12);
  });
  for (const QString& line : w.Report1.Lines()) report1_->append(line);

  app_.hooks.window = this;
}

bool MainWindow::BigButtonsChosen() const {
  return app_.settings.GetSetting(ProgramTitle(), u"View", u"BigBut") == QLatin1String("1");
}

void MainWindow::ApplyToolbarSize() {
  if (BigButtonsChosen()) {
    SetIm32();
  } else {
    SetIm();
  }
}

void MainWindow::ConnectControls() {
  WindowModel& w = app_.window;
  connect(&w, &WindowModel::CaptionChanged, this, [this] { setWindowTitle(app_.window.Caption()); });
  connect(&w.Report1, &ReportLog::Appended, report1_, &QTextEdit::append);
  connect(&w.Report1, &ReportLog::Cleared, this, [this] {
    report1_->clear();
    report1_->repaint();
    QCoreApplication::processEvents();
  });
  connect(&w.ProgressBar1, &ProgressBar::Changed, this, [this] {
    progressBar1_->setVisible(app_.window.ProgressBar1.Visible());
    progressBar1_->raise();
  });
  connect(toolbarLeft1_, &ToolbarView::ButtonClicked, this, [this](int position) {
    if (position < app_.tables.firstMacroButton) {
      TableContext ctx = app_.Tables();
      OnGroupButtonClick(ctx, position);
    } else if (app_.hooks.cad) {
      app_.hooks.cad->LeftToolbarClick(position);
    }
  });
  connect(toolbarB_, &ToolbarView::ButtonClicked, this, [this](int position) {
    // A table toolbar action may change the data: the project counts as changed.
    app_.project.projectSaved = false;
    if (app_.hooks.cad) app_.hooks.cad->TableToolbarClick(position);
  });
  // The table toolbar appears with the first table that has buttons, and stays.
  connect(&w.ToolbarB, &Toolbar::Changed, this, [this] {
    if (app_.window.ToolbarB.Count() == 0 || toolbarB_->isVisibleTo(this)) return;
    toolbarB_->show();
    FormResize();
  });
  // The group buttons and the shown group follow the current row.
  connect(fg1_, &GridView::UserSelectionChanged, this, [this] {
    if (!app_.window.fg1.SelectionEventsOn()) return;
    app_.hooks.UpdateGroupButtons();
    app_.hooks.RefreshShowSelect();
  });
  connect(tabs1_, &TabStripView::TabClicked, this, [this] {
    TableContext ctx = app_.Tables();
    OnTabClick(ctx);
    app_.seams->KeepForRecovery();
  });
  // The work is noted for recovery every few minutes, when nothing else is under way.
  auto* recovery = new QTimer(this);
  recovery->setInterval(kRecoveryIntervalMs);
  connect(recovery, &QTimer::timeout, this, [this] {
    if (isVisible() && app_.window.fg1.Enabled() && !QApplication::activeModalWidget() && !IsCallWaiting()) {
      app_.seams->KeepForRecovery();
    }
  });
  recovery->start();
  connect(tabs2_, &TabStripView::TabClicked, this, [this] { OnLowerTabClick(app_.window); });
  connect(&w.lowerPanes, &LowerPanes::Changed, this, &MainWindow::ShowLowerPane);
  connect(&w.StatusBar1, &StatusBar::Changed, this,
          [this](int panel) { panels_[panel - 1]->setText(app_.window.StatusBar1.Panel(panel)); });
  connect(&w.fg2, &ErrorList::Changed, this, &MainWindow::ShowErrorList);
  connect(fg2_, &QTableWidget::cellClicked, this, [this](int row) { OnErrorListClick(row + 1); });
  ShowLowerPane();
  ShowErrorList();
  frmList_ = new ValueListPopupWindow(app_, this, *fg1_);
  editors_ = new CellEditors(app_, {this, fg1_, text1_, cmb1_, cmbL1_, cmbi1_, frmList_}, this);
  findDialog_ = new FindReplaceDialog(app_, this);
  // A column the user widens keeps its width for the session, in every table.
  connect(fg1_, &GridView::ColumnWidened, this, [this](int column, int twips) {
    app_.tables.userColumnWidths[app_.tables.currentTableKey][column] = twips;
    app_.window.fg1.SetUserWidth(column, twips);
    app_.window.fg1.SetColumnWidth(column, twips);
  });
  connect(fg1_, &GridView::UserSelectionChanged, this, [this] {
    TableContext ctx = app_.Tables();
    TellCurrentValueProblem(ctx);
  });
  fg1_->SetKeyHandler([this](QKeyEvent* event) { return GridKey(event); });
  dispatch_ = std::make_unique<CommandDispatch>(
      app_, CommandDispatch::WindowActions{
                [this] { FormResize(); }, [this](const QString& key) { ShowTableHelp(key); },
                [this](int kind) { editors_->OpenCellEditor(kind); },
                [](const QString& file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); }});
  connect(toolbar1_, &ToolbarView::ButtonClicked, this, &MainWindow::RunToolbarButton);
  // The paste button follows the clipboard, whichever program filled or emptied it.
  const auto followClipboard = [this] {
    Toolbar& toolbar = app_.window.Toolbar1;
    toolbar.SetButtonEnabled(toolbar.Find(QStringLiteral("paste")),
                             !QGuiApplication::clipboard()->text().isEmpty());
  };
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, followClipboard);
  followClipboard();
  const auto followHistory = [this] { ShowHistoryOnToolbar(app_.window.Toolbar1, app_.tables.history); };
  connect(&app_.tables.history, &EditHistory::Changed, this, followHistory);
  followHistory();
  connect(toolbar1_, &ToolbarView::MenuItemClicked, this,
          [this](int position, int item) { dispatch_->MenuClick(position, item); });
}

bool MainWindow::GridKey(QKeyEvent* event) {
  Grid& grid = app_.window.fg1;
  // The keypad's Enter and Delete are Enter and Delete.
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  // Ctrl+X, Ctrl+C and Ctrl+V are the toolbar's cut, copy and paste; Ctrl+Z its undo,
  // Ctrl+Y and Ctrl+Shift+Z its redo.
  if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Z) {
    RunToolbarButton(app_.window.Toolbar1.Find(QStringLiteral("redo")));
    return true;
  }
  if (mods == Qt::ControlModifier) {
    switch (event->key()) {
      case Qt::Key_F:
      case Qt::Key_H:
        findDialog_->Open(event->key() == Qt::Key_H);
        return true;
      case Qt::Key_Home:
        grid.GoToCell(1, 1);
        return true;
      case Qt::Key_End:
        grid.SelectCell(grid.Rows(), grid.Cols());
        grid.EnsureRowVisible(grid.Rows());
        return true;
      default:
        break;
    }
    const QString key = event->key() == Qt::Key_X   ? QStringLiteral("cut")
                        : event->key() == Qt::Key_C ? QStringLiteral("copy")
                        : event->key() == Qt::Key_V ? QStringLiteral("paste")
                        : event->key() == Qt::Key_Z ? QStringLiteral("undo")
                        : event->key() == Qt::Key_Y ? QStringLiteral("redo")
                                                    : QString();
    if (key.isEmpty()) return false;
    RunToolbarButton(app_.window.Toolbar1.Find(key));
    if (key != QLatin1String("paste") && grid.SelectionEventsOn()) {
      app_.hooks.UpdateGroupButtons();
      app_.hooks.RefreshShowSelect();
    }
    return true;
  }
  if (mods == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Delete: {
        TableContext ctx = app_.Tables();
        ClearSelection(ctx);
        return true;
      }
      case Qt::Key_Tab:
        if (grid.Col() < grid.Cols()) grid.SelectCell(grid.Row(), grid.Col() + 1);
        return true;
      case Qt::Key_Insert:  // a new row at the end, the focus staying in the grid
        RunToolbarButton(app_.window.Toolbar1.Find(QStringLiteral("add")));
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (grid.Row() < grid.Rows()) grid.SelectCell(grid.Row() + 1, grid.Col());
        return true;
      default:
        break;
    }
  }
  return editors_->GridKey(event);
}

void MainWindow::RunToolbarButton(int position) {
  // The command frame disables the grid, which sends the keyboard focus elsewhere; a command
  // started from the grid leaves it there again, unless the command gave it to an editor.
  const bool gridHadFocus = fg1_->hasFocus();
  dispatch_->ButtonClick(position);
  QWidget* focus = QApplication::focusWidget();
  const bool editorTookFocus = focus && (editors_->IsEditor(focus) || frmList_->isAncestorOf(focus));
  if (gridHadFocus && !editorTookFocus && fg1_->isVisible() && fg1_->isEnabled()) FocusGrid();
}

void MainWindow::Load() {
  WindowModel& w = app_.window;
  TableContext ctx = app_.Tables();
  try {
    app_.project.freshStart = true;
    app_.tables.firstCatalogueLoad = true;
    hide();
    app_.settings.SaveSetting(ProgramTitle(), u"main", u"AppPath", app_.installationFolder);
    app_.seams->CopyTemplates();
    BuildGroupButtons(ctx);
    app_.seams->BuildMacroButtons();
    LoadCatalogue(ctx);
    toolbarLeftWidthTwips_ = Tw(toolbarLeft1_->ButtonExtent()) + 60;
    const bool big = BigButtonsChosen();
    ApplyToolbarSize();
    UpdateCaption(w, app_.project);
    bool shareRead = false;
    const double share = app_.settings.GetSetting(ProgramTitle(), u"main", u"LowerShare").toDouble(&shareRead);
    lowerShare_ = shareRead ? share : 0.5;
    FormResize();
    PlaceWindow(big);
    // Not in the classic window: its size, place and maximised state come back as they were.
    const QByteArray geometry = QByteArray::fromBase64(
        app_.settings.GetSetting(ProgramTitle(), u"main", u"Geometry").toLatin1());
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    // A hidden window gets its resize event only when shown; the layout follows the new size
    // now, so the table opened next fits its columns to it.
    FormResize();
    app_.tables.loadedTableFile = QStringLiteral(".d01");
    OpenCurrentTable(ctx);
    app_.hooks.ConnectCad(false);
    app_.seams->ReapplyLayerButtons(false);

    rtbHelp_->setSource(QUrl(QStringLiteral("about:blank")));
    rtbHelp_->clear();
    w.ProgressBar1.SetVisible(false);
    w.lowerPanes.Show(QStringLiteral("Help"));
    fg2_->setHorizontalHeaderLabels(
        {tr("Ошибка, замечание"), tr("№ табл."), tr("Таблица"), tr("Ряд"), tr("Колонка")});

    const bool down = app_.settings.GetSetting(ProgramTitle(), u"main", u"down", QStringLiteral("1")) ==
                      QLatin1String("1");
    w.Toolbar1.SetPressed(w.Toolbar1.Find(QStringLiteral("Down")), down);
    if (down && w.Tabs1.Count() > 0) ShowTableHelp(w.Tabs1.At(1).tag);
    FillRecentProjects();
    FormResize();
    show();
    KeepTitleBarOnScreen(big);
    ActivateMainWindow();
  } catch (const std::exception& error) {
    app_.prompter.Ask(Message{tr("Ошибка загрузки ") + DescriptionOf(error), ProgramTitle(),
                              MessageButtons::Ok, MessageIcon::None});
  }
}

void MainWindow::OpenRecentProject(const QString& path) {
  dispatch_->OpenRecent(path);
}

void MainWindow::FillRecentProjects() {
  Toolbar& toolbar = app_.window.Toolbar1;
  const int open = toolbar.Find(QStringLiteral("open"));
  const QStringList paths = RecentProjects(app_.settings);
  for (int i = 1; i <= paths.size(); ++i) toolbar.SetMenuItem(open, i, paths[i - 1], !paths[i - 1].isEmpty());
}

void MainWindow::KeepTitleBarOnScreen(bool bigButtons) {
  // The window manager frames the window some time after it is shown, so the placement before
  // knew no title bar and may have put it above the screen. Look for the frame for a second,
  // without holding up the start, and place the window again once it is known.
  constexpr int kTries = 20;
  auto* check = new QTimer(this);
  check->setInterval(50);
  connect(check, &QTimer::timeout, this, [this, check, bigButtons, tries = 0]() mutable {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    if (frame.top() > 0 && frameGeometry().top() < screen.top()) PlaceWindow(bigButtons);
    if (frame.top() > 0 || ++tries == kTries) check->deleteLater();
  });
  check->start();
}

void MainWindow::PlaceWindow(bool bigButtons) {
  const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1280, 800);
  // Sizes are of the outer window: the frame is known once the native window exists.
  winId();
  const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
  if (bigButtons) resize(screen.width() - frame.width(), Px(7800) - frame.height());
  const int outerWidth = width() + frame.width();
  const int left = bigButtons ? screen.left() : screen.left() + (screen.width() - outerWidth) / 2;
  // move() places the outer frame's corner.
  move(left, screen.top());
}

FormLayoutInput MainWindow::LayoutInput() const {
  FormLayoutInput in;
  const QRect outer = frameGeometry();
  const int frameWidth = outer.width() - width();
  const int frameHeight = outer.height() - height();
  in.windowWidth = Tw(width() + frameWidth);
  in.windowHeight = Tw(height() + frameHeight);
  in.innerWidth = Tw(width());
  in.innerHeight = Tw(height());
  in.leftToolbarWidth = toolbarLeftWidthTwips_ ? toolbarLeftWidthTwips_ : Tw(toolbarLeft1_->ButtonExtent()) + 60;
  in.toolbarHeight = Tw(toolbar1_->sizeHint().height());
  in.statusBarHeight = Tw(statusBar1_->sizeHint().height());
  in.down = DownPressed();
  in.lowerShare = lowerShare_;
  in.bigButtons = BigButtons();
  in.toolbarBVisible = toolbarB_->isVisibleTo(this);
  in.toolbarBLeft = Tw(toolbarB_->x());
  // An empty tab strip has no height of its own; both strips take that of the lower one.
  in.tabClientTop = Tw(qMax(tabs1_->sizeHint().height(), tabs2_->sizeHint().height()));
  in.tabClientHeightLoss = in.tabClientTop;
  in.errorListColumns = kErrorListColumns;
  for (int minimum : kPanelMinWidthTwips) in.statusPanelsMinWidth += minimum;
  return in;
}

void MainWindow::FormResize() {
  if (resizing_) return;
  resizing_ = true;
  const FormLayoutInput in = LayoutInput();
  const FormLayoutResult r = ComputeFormLayout(in);
  if (r.windowHeight != in.windowHeight) resize(width(), height() + Px(r.windowHeight - in.windowHeight));

  const int T = in.toolbarHeight, L = in.leftToolbarWidth, S = in.statusBarHeight;
  const auto place = [this](QWidget* widget, const QRect& twips) {
    widget->setGeometry(Px(twips.x()), Px(twips.y()), qMax(Px(twips.width()), 0), qMax(Px(twips.height()), 0));
  };
  place(toolbarLeft1_, QRect(0, 0, L, Tw(height()) - S));
  place(toolbar1_, QRect(L + 30, 0, r.toolbar1Width, T));
  if (toolbarB_->isVisibleTo(this)) place(toolbarB_, QRect(in.toolbarBLeft, 0, r.toolbarBWidth, T));

  place(tabs1_, QRect(r.tabs1.x(), r.tabs1.y(), r.tabs1.width(), in.tabClientTop));
  place(tabs1Frame_, r.tabs1.adjusted(0, in.tabClientTop, 0, 0));
  place(fg1_, r.fg1);
  place(txtHide_, r.txtHide);
  txtHide_->lower();
  tabs1Frame_->lower();

  place(paneBorder_, QRect(r.tabs1.x(), r.tabs1.y() + r.tabs1.height(), r.tabs1.width(),
                           r.tabs2.y() - r.tabs1.y() - r.tabs1.height()));
  paneBorder_->setVisible(in.down);
  place(tabs2_, QRect(r.tabs2.x(), r.tabs2.y(), r.tabs2.width(), in.tabClientTop));
  place(tabs2Frame_, r.tabs2.adjusted(0, in.tabClientTop, 0, 0));
  tabs2Frame_->lower();
  for (QWidget* pane : std::initializer_list<QWidget*>{rtbHelp_, fg2_, report1_}) place(pane, r.fg2);
  fg2_->verticalHeader()->setFixedWidth(Px(r.errorListColumnWidths[0]));
  for (int c = 1; c < kErrorListColumns; ++c) fg2_->setColumnWidth(c - 1, Px(r.errorListColumnWidths[size_t(c)]));

  statusBar1_->setGeometry(0, height() - Px(S), width(), Px(S));
  statusBar1_->raise();
  place(progressBar1_, r.progressBar);
  progressBar1_->raise();
  panels_[0]->setMinimumWidth(qMax(Px(r.statusPanel1MinWidth), 0));

  // The grid fits its columns to its own width, again whenever that changes (the classic
  // window fitted them only when a table opened, so they stayed cramped after maximising).
  Grid& grid = app_.window.fg1;
  if (grid.WidthTwips() != r.fg1.width()) {
    grid.SetWidthTwips(r.fg1.width());
    if (grid.Cols() > 0) ApplyColumnWidths(grid);
  }
  resizing_ = false;
}

void MainWindow::SetIm32() {
  toolbar1_->SetLargeImages(true);
  toolbarLeft1_->SetLargeImages(true);
  toolbarB_->SetLargeImages(true);
  toolbarLeftWidthTwips_ = Tw(toolbarLeft1_->ButtonExtent()) + 60;
  toolbarB_->move(Px(kToolbar1WidthBig + toolbarLeftWidthTwips_ + 60), 0);
}

void MainWindow::SetIm() {
  toolbar1_->SetLargeImages(false);
  toolbarLeft1_->SetLargeImages(false);
  toolbarB_->SetLargeImages(false);
  toolbarLeftWidthTwips_ = Tw(toolbarLeft1_->ButtonExtent()) + 60;
  toolbarB_->move(Px(kToolbar1WidthSmall + toolbarLeftWidthTwips_ + 60), 0);
}

void MainWindow::SetCapToolbarB() {
  ShowTableToolbarCaptions(app_.window.ToolbarB, true);
}

void MainWindow::DelCapToolbarB() {
  ShowTableToolbarCaptions(app_.window.ToolbarB, false);
}

void MainWindow::ShowTableHelp(const QString& section) {
  if (!DownPressed()) return;
  TableContext ctx = app_.Tables();
  const QString page = HelpPageOf(ctx, section);
  rtbHelp_->setSource(QUrl(QStringLiteral("about:blank")));
  rtbHelp_->clear();
  if (!page.isEmpty()) rtbHelp_->setSource(QUrl::fromLocalFile(page));
}

void MainWindow::ShowLowerPane() {
  const QString& shown = app_.window.lowerPanes.Shown();
  rtbHelp_->setVisible(shown == QLatin1String("Help"));
  fg2_->setVisible(shown == QLatin1String("Err"));
  report1_->setVisible(shown == QLatin1String("Report"));
}

void MainWindow::ShowErrorPane() {
  WindowModel& w = app_.window;
  if (!DownPressed()) {
    w.Toolbar1.SetPressed(w.Toolbar1.Find(QStringLiteral("Down")), true);
    FormResize();
  }
  for (int tab = 1; tab <= w.Tabs2.Count(); ++tab) {
    if (w.Tabs2.At(tab).image == QLatin1String("Err")) SelectLowerTab(w, tab);
  }
}

void MainWindow::ShowErrorList() {
  const std::vector<ErrorEntry>& entries = app_.window.fg2.Entries();
  fg2_->clearContents();
  fg2_->setRowCount(std::max(int(entries.size()), kErrorListRows - 1));
  for (int line = 0; line < int(entries.size()); ++line) {
    const ErrorEntry& e = entries[size_t(line)];
    const QString cells[] = {e.message, e.tabNumber, e.table, e.row, e.column};
    for (int c = 0; c < kErrorListColumns - 1; ++c) fg2_->setItem(line, c, new QTableWidgetItem(cells[c]));
  }
}

void MainWindow::OnErrorListClick(int row) {
  const std::vector<ErrorEntry>& entries = app_.window.fg2.Entries();
  if (row < 1 || row > int(entries.size())) return;
  const ErrorEntry entry = entries[size_t(row - 1)];
  TableContext ctx = app_.Tables();
  GoToError(ctx, entry, [this](int r, int c) {
    fg1_->TableModel().SetFlashCell(r, c);
    Pause(0.1f);
    fg1_->TableModel().SetFlashCell(-1, -1);
  });
}

void MainWindow::OnStopPanelClick() {
  panels_[3]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Pause(0.1f);
  app_.seams->StopMacro();
  QCoreApplication::processEvents();
  panels_[3]->setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void MainWindow::FocusGrid() {
  tabs1_->setFocus();
  fg1_->setFocus();
}

void MainWindow::ActivateMainWindow() {
  QCoreApplication::processEvents();
  raise();
  QCoreApplication::processEvents();
  activateWindow();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  app_.seams->AskSaveChanges(cancel);
  if (cancel) {
    event->ignore();
    return;
  }
  // The rest runs with errors ignored: each step is tried whatever the one before did.
  app_.settings.SaveSetting(ProgramTitle(), u"main", u"down", DownPressed() ? u"1" : u"0");
  app_.settings.SaveSetting(ProgramTitle(), u"main", u"Geometry", QString::fromLatin1(saveGeometry().toBase64()));
  app_.settings.SaveSetting(ProgramTitle(), u"main", u"LowerShare", QString::number(lowerShare_));
  app_.seams->ResetGroupHighlight();
  ForgetRecovery(app_.folders);
  app_.folders.RemoveDxfFolder();
  app_.folders.RemoveWorkingFolder();
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == paneBorder_ && event->type() == QEvent::MouseMove) {
    // The lower panes take what lies below the pointer.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (!(mouse->buttons() & Qt::LeftButton)) return false;
    const FormLayoutInput in = LayoutInput();
    const int freeTop = in.toolbarHeight + 60;
    const int free = in.innerHeight - in.toolbarHeight - 90 - in.statusBarHeight;
    const int y = Tw(mapFromGlobal(mouse->globalPosition().toPoint()).y());
    if (free > 0) {
      lowerShare_ = std::clamp(1.0 - double(y - freeTop) / free, kMinLowerShare, kMaxLowerShare);
      FormResize();
    }
    return true;
  }
  if (watched == panels_[3] && event->type() == QEvent::MouseButtonRelease) {
    OnStopPanelClick();
    return true;
  }
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      IsCallWaiting()) {
    OnStopPanelClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace trellis
