#include "cad-host/DrawingWindow.h"

#include "automation/AutomationError.h"
#include "cad-host/DrawingCanvas.h"
#include "cad-host/DrawingCommands.h"
#include "cad-host/DrawingPanels.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostDocuments.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace trellis::cadhost {

namespace {

constexpr int kRecentFiles = 8;
const QString kRecentKey = QStringLiteral("recentFiles");
// Built before a translator is installed: translated where the dialogs show it.
const char* const kFileFilter =
    QT_TRANSLATE_NOOP("trellis::cadhost::DrawingWindow", "Чертежи DXF (*.dxf);;Все файлы (*)");

// A toolbar icon drawn in code, so the window needs no image plugins.
QIcon DrawnIcon(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(48, 48);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(2, 2);
  painter.setPen(QPen(QColor(40, 70, 120), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  draw(painter);
  return QIcon(pixmap);
}

void Vertex(QPainter& painter, QPointF at) {
  painter.save();
  painter.setPen(QPen(QColor(200, 80, 30), 1));
  painter.setBrush(QColor(240, 140, 60));
  painter.drawRect(QRectF(at - QPointF(2.5, 2.5), QSizeF(5, 5)));
  painter.restore();
}

QIcon ApplicationIcon() {
  QPixmap pixmap(64, 64);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(33, 40, 48));
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
  painter.setPen(QPen(QColor(120, 200, 255), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  // A two-bay frame, the kind of drawing the host is for.
  painter.drawLine(QPointF(12, 52), QPointF(12, 16));
  painter.drawLine(QPointF(32, 52), QPointF(32, 16));
  painter.drawLine(QPointF(52, 52), QPointF(52, 16));
  painter.drawLine(QPointF(12, 16), QPointF(52, 16));
  painter.setPen(QPen(QColor(255, 170, 0), 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(12, 34), QPointF(32, 16));
  painter.drawLine(QPointF(52, 34), QPointF(32, 16));
  painter.setPen(QPen(QColor(200, 210, 220), 3));
  painter.drawLine(QPointF(6, 54), QPointF(58, 54));
  return QIcon(pixmap);
}

}  // namespace

std::unique_ptr<QSettings> WindowSettings() {
  const QString moved = qEnvironmentVariable("TRELLIS_SETTINGS_HOME");
  if (!moved.isEmpty()) {
    return std::make_unique<QSettings>(moved + QStringLiteral("/Trellis/trellis-cad.conf"),
                                       QSettings::IniFormat);
  }
  return std::make_unique<QSettings>(QStringLiteral("Trellis"), QStringLiteral("trellis-cad"));
}

DrawingWindow::DrawingWindow() {
  setWindowIcon(ApplicationIcon());
  setWindowTitle(HostApplication::ProductName());
  canvas_ = new DrawingCanvas(this);
  setCentralWidget(canvas_);
  commands_ = std::make_unique<DrawingCommands>(*canvas_);
  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildPanels();
  BuildStatusBar();
  resize(1200, 800);
  setMinimumSize(640, 420);

  connect(canvas_, &DrawingCanvas::Clicked, commands_.get(), &DrawingCommands::Click);
  connect(canvas_, &DrawingCanvas::RectangleDragged, commands_.get(),
          &DrawingCommands::Rectangle);
  connect(canvas_, &DrawingCanvas::RightClicked, commands_.get(), &DrawingCommands::Finish);
  connect(canvas_, &DrawingCanvas::KeyTyped, this, &DrawingWindow::CanvasKey);
  connect(canvas_, &DrawingCanvas::CursorMoved, this, [this](const Point3& p) {
    coordinates_->setText(QStringLiteral("X %1   Y %2   Z %3")
                              .arg(p[0], 0, 'f', 3)
                              .arg(p[1], 0, 'f', 3)
                              .arg(p[2], 0, 'f', 3));
  });
  connect(commands_.get(), &DrawingCommands::PromptChanged, commandLine_,
          &CommandLinePanel::SetPrompt);
  connect(commands_.get(), &DrawingCommands::PromptChanged, this, [this] { RefreshLook(); });
  connect(commands_.get(), &DrawingCommands::Message, commandLine_, &CommandLinePanel::Append);
  connect(commandLine_, &CommandLinePanel::Submitted, commands_.get(), &DrawingCommands::Submit);
  connect(commandLine_, &CommandLinePanel::Cancelled, commands_.get(), &DrawingCommands::Cancel);
  connect(groups_, &GroupPanel::GroupChosen, commands_.get(), &DrawingCommands::Select);

  refresh_.setSingleShot(true);
  refresh_.setInterval(40);
  connect(&refresh_, &QTimer::timeout, this, &DrawingWindow::RefreshLook);

  const auto settings = WindowSettings();
  restoreState(settings->value(QStringLiteral("windowState")).toByteArray());
  FillRecent();
  commandLine_->SetPrompt(commands_->Prompt());
  commandLine_->Append(
      tr("Trellis CAD. Команды: ОТРЕЗОК, ПЛИНИЯ, ТОЧКА, СТЕРЕТЬ, "
         "ПЕРЕНЕСТИ, КОПИРОВАТЬ, ОТМЕНИТЬ, ПОКАЗАТЬ."));
}

DrawingWindow::~DrawingWindow() = default;

void DrawingWindow::BuildActions() {
  QStyle* s = style();
  const auto make = [this](const QString& text, const QKeySequence& key, auto slot) {
    auto* action = new QAction(text, this);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  newAction_ = make(tr("&Создать"), QKeySequence::New, [this] { NewDrawing(); });
  newAction_->setIcon(s->standardIcon(QStyle::SP_FileIcon));
  openAction_ = make(tr("&Открыть..."), QKeySequence::Open, [this] { OpenDrawing(); });
  openAction_->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
  saveAction_ = make(tr("Со&хранить"), QKeySequence::Save, [this] { Save(); });
  saveAction_->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
  saveAsAction_ = make(tr("Сохранить &как..."), QKeySequence::SaveAs, [this] { SaveAs(); });
  quitAction_ = make(tr("В&ыход"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });

  undoAction_ = make(tr("&Отменить"), QKeySequence::Undo, [this] { commands_->Undo(); });
  undoAction_->setIcon(s->standardIcon(QStyle::SP_ArrowBack));
  redoAction_ =
      make(tr("&Повторить"), QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { commands_->Redo(); });
  redoAction_->setIcon(s->standardIcon(QStyle::SP_ArrowForward));
  using Command = DrawingCommands::Command;
  // Delete reaches the canvas as a key (the command line keeps it for its text).
  eraseAction_ = make(tr("&Стереть"), QKeySequence(), [this] { commands_->Start(Command::Erase); });
  eraseAction_->setIcon(DrawnIcon([](QPainter& p) {
    p.setPen(QPen(QColor(40, 70, 120), 2));
    p.drawLine(QPointF(4, 18), QPointF(14, 8));
    p.setPen(QPen(QColor(210, 50, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(20, 20));
    p.drawLine(QPointF(20, 12), QPointF(12, 20));
  }));
  moveAction_ =
      make(tr("Пере&местить"), QKeySequence(), [this] { commands_->Start(Command::Move); });
  moveAction_->setIcon(DrawnIcon([](QPainter& p) {
    p.drawLine(QPointF(12, 3), QPointF(12, 21));
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
    p.drawPolyline(QPolygonF({QPointF(9, 6), QPointF(12, 3), QPointF(15, 6)}));
    p.drawPolyline(QPolygonF({QPointF(9, 18), QPointF(12, 21), QPointF(15, 18)}));
    p.drawPolyline(QPolygonF({QPointF(6, 9), QPointF(3, 12), QPointF(6, 15)}));
    p.drawPolyline(QPolygonF({QPointF(18, 9), QPointF(21, 12), QPointF(18, 15)}));
  }));
  copyAction_ =
      make(tr("&Копировать"), QKeySequence(), [this] { commands_->Start(Command::Copy); });
  copyAction_->setIcon(DrawnIcon([](QPainter& p) {
    p.drawRect(QRectF(3, 3, 11, 11));
    p.setPen(QPen(QColor(200, 80, 30), 2));
    p.drawRect(QRectF(10, 10, 11, 11));
  }));
  selectAllAction_ =
      make(tr("Выбрать &всё"), QKeySequence::SelectAll, [this] { commands_->SelectAll(); });

  lineAction_ = make(tr("&Отрезок"), QKeySequence(), [this] { commands_->Start(Command::Line); });
  lineAction_->setIcon(DrawnIcon([](QPainter& p) {
    p.drawLine(QPointF(4, 20), QPointF(20, 4));
    Vertex(p, QPointF(4, 20));
    Vertex(p, QPointF(20, 4));
  }));
  polylineAction_ =
      make(tr("&Полилиния"), QKeySequence(), [this] { commands_->Start(Command::Polyline); });
  polylineAction_->setIcon(DrawnIcon([](QPainter& p) {
    const QPolygonF chain({QPointF(3, 19), QPointF(8, 6), QPointF(15, 16), QPointF(21, 4)});
    p.drawPolyline(chain);
    for (const QPointF& at : chain) Vertex(p, at);
  }));
  pointAction_ = make(tr("&Точка"), QKeySequence(), [this] { commands_->Start(Command::Point); });
  pointAction_->setIcon(DrawnIcon([](QPainter& p) {
    p.drawLine(QPointF(6, 12), QPointF(18, 12));
    p.drawLine(QPointF(12, 6), QPointF(12, 18));
    p.setBrush(QColor(40, 70, 120));
    p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
  }));

  extentsAction_ = make(tr("Показать &всё"), QKeySequence(Qt::CTRL | Qt::Key_E),
                        [this] { canvas_->ZoomExtents(); });
  extentsAction_->setIcon(DrawnIcon([](QPainter& p) {
    p.drawRect(QRectF(7, 7, 10, 10));
    p.setPen(QPen(QColor(40, 70, 120), 1.5));
    p.drawPolyline(QPolygonF({QPointF(2, 7), QPointF(2, 2), QPointF(7, 2)}));
    p.drawPolyline(QPolygonF({QPointF(17, 2), QPointF(22, 2), QPointF(22, 7)}));
    p.drawPolyline(QPolygonF({QPointF(22, 17), QPointF(22, 22), QPointF(17, 22)}));
    p.drawPolyline(QPolygonF({QPointF(7, 22), QPointF(2, 22), QPointF(2, 17)}));
  }));
  views_ = new QActionGroup(this);
  const std::pair<QString, ViewKind> views[] = {{tr("&План"), ViewKind::Plan},
                                                {tr("&Спереди"), ViewKind::Front},
                                                {tr("С&боку"), ViewKind::Side},
                                                {tr("&Изометрия"), ViewKind::Isometric}};
  for (const auto& [text, view] : views) {
    auto* action = new QAction(text, views_);
    action->setCheckable(true);
    action->setChecked(view == ViewKind::Plan);
    const ViewKind kind = view;
    connect(action, &QAction::triggered, this, [this, kind] { canvas_->SetView(kind); });
  }
  views_->actions()[0]->setShortcut(QKeySequence(Qt::Key_F5));
  views_->actions()[1]->setShortcut(QKeySequence(Qt::Key_F6));
  views_->actions()[2]->setShortcut(QKeySequence(Qt::Key_F7));
  views_->actions()[3]->setShortcut(QKeySequence(Qt::Key_F8));
}

void DrawingWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&Файл"));
  file->addAction(newAction_);
  file->addAction(openAction_);
  file->addAction(saveAction_);
  file->addAction(saveAsAction_);
  file->addSeparator();
  recentMenu_ = file->addMenu(tr("Последние файлы"));
  file->addSeparator();
  file->addAction(quitAction_);

  QMenu* edit = menuBar()->addMenu(tr("&Правка"));
  edit->addAction(undoAction_);
  edit->addAction(redoAction_);
  edit->addSeparator();
  edit->addAction(eraseAction_);
  edit->addAction(moveAction_);
  edit->addAction(copyAction_);
  edit->addSeparator();
  edit->addAction(selectAllAction_);

  QMenu* draw = menuBar()->addMenu(tr("&Рисование"));
  draw->addAction(lineAction_);
  draw->addAction(polylineAction_);
  draw->addAction(pointAction_);

  QMenu* view = menuBar()->addMenu(tr("&Вид"));
  view->addActions(views_->actions());
  view->addSeparator();
  view->addAction(extentsAction_);
  view->setObjectName(QStringLiteral("viewMenu"));
}

void DrawingWindow::BuildToolBar() {
  QToolBar* bar = addToolBar(tr("Инструменты"));
  bar->setObjectName(QStringLiteral("tools"));
  bar->setIconSize(QSize(24, 24));
  bar->setMovable(false);
  bar->addAction(newAction_);
  bar->addAction(openAction_);
  bar->addAction(saveAction_);
  bar->addSeparator();
  bar->addAction(undoAction_);
  bar->addAction(redoAction_);
  bar->addSeparator();
  bar->addAction(lineAction_);
  bar->addAction(polylineAction_);
  bar->addAction(pointAction_);
  bar->addSeparator();
  bar->addAction(eraseAction_);
  bar->addAction(moveAction_);
  bar->addAction(copyAction_);
  bar->addSeparator();
  bar->addAction(extentsAction_);
  for (QAction* action : views_->actions()) {
    action->setIconText(action->text().remove(u'&'));
    bar->addAction(action);
  }
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  // The views have no icons: their names are their buttons.
  for (QAction* action : views_->actions()) {
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
  }
}

void DrawingWindow::BuildPanels() {
  setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
  const auto dock = [this](const QString& title, const QString& name, QWidget* content,
                           Qt::DockWidgetArea area) {
    auto* panel = new QDockWidget(title, this);
    panel->setObjectName(name);
    panel->setWidget(content);
    panel->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable |
                       QDockWidget::DockWidgetFloatable);
    addDockWidget(area, panel);
    if (QMenu* view = menuBar()->findChild<QMenu*>(QStringLiteral("viewMenu"))) {
      view->addAction(panel->toggleViewAction());
    }
    return panel;
  };
  menuBar()->findChild<QMenu*>(QStringLiteral("viewMenu"))->addSeparator();
  layers_ = new LayerPanel(this);
  groups_ = new GroupPanel(this);
  commandLine_ = new CommandLinePanel(this);
  QDockWidget* layers =
      dock(tr("Слои"), QStringLiteral("layers"), layers_, Qt::RightDockWidgetArea);
  QDockWidget* groups =
      dock(tr("Группы"), QStringLiteral("groups"), groups_, Qt::RightDockWidgetArea);
  QDockWidget* command = dock(tr("Командная строка"), QStringLiteral("commandLine"), commandLine_,
                              Qt::BottomDockWidgetArea);
  resizeDocks({layers, groups}, {280, 280}, Qt::Horizontal);
  resizeDocks({layers, groups}, {360, 240}, Qt::Vertical);
  resizeDocks({command}, {150}, Qt::Vertical);
}

void DrawingWindow::BuildStatusBar() {
  coordinates_ = new QLabel(this);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  coordinates_->setFont(mono);
  coordinates_->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(
      QStringLiteral("X -000000.000   Y -000000.000   Z -000000.000")));
  statusBar()->addWidget(coordinates_);
  const auto settings = WindowSettings();
  const auto toggle = [this, &settings](const QString& text, const QString& key, bool initial,
                                        const QString& tip) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setToolTip(tip);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setChecked(settings->value(key, initial).toBool());
    statusBar()->addPermanentWidget(button);
    connect(button, &QToolButton::toggled, this, [this, key](bool on) {
      WindowSettings()->setValue(key, on);
      Q_UNUSED(this);
    });
    return button;
  };
  snapEnds_ = toggle(tr("Конечная точка"), QStringLiteral("snapEnds"), true,
                     tr("Привязка к концам отрезков (F3)"));
  snapMiddles_ = toggle(tr("Середина"), QStringLiteral("snapMiddles"), true,
                        tr("Привязка к серединам отрезков"));
  snapGrid_ = toggle(tr("Сетка"), QStringLiteral("snapGrid"), false, tr("Привязка к сетке (F9)"));
  snapEnds_->setShortcut(QKeySequence(Qt::Key_F3));
  snapGrid_->setShortcut(QKeySequence(Qt::Key_F9));
  statusBar()->addPermanentWidget(new QLabel(tr("Шаг:"), this));
  gridStep_ = new QDoubleSpinBox(this);
  gridStep_->setDecimals(3);
  gridStep_->setRange(0.001, 1e6);
  gridStep_->setValue(settings->value(QStringLiteral("gridStep"), 1.0).toDouble());
  gridStep_->setToolTip(tr("Шаг сетки"));
  gridStep_->setKeyboardTracking(false);
  statusBar()->addPermanentWidget(gridStep_);
  const auto apply = [this] {
    canvas_->snapEnds = snapEnds_->isChecked();
    canvas_->snapMiddles = snapMiddles_->isChecked();
    canvas_->snapGrid = snapGrid_->isChecked();
    canvas_->gridStep = gridStep_->value();
    canvas_->Refresh();
  };
  apply();
  for (QToolButton* button : {snapEnds_, snapMiddles_, snapGrid_}) {
    connect(button, &QToolButton::toggled, this, apply);
  }
  connect(gridStep_, &QDoubleSpinBox::valueChanged, this, [apply](double step) {
    WindowSettings()->setValue(QStringLiteral("gridStep"), step);
    apply();
  });
}

void DrawingWindow::Attach(std::shared_ptr<HostApplication> application) {
  application_ = application;
  SyncDocument();
  WindowStateChanged();
  RefreshLook();
}

std::shared_ptr<HostDocument> DrawingWindow::Active() const {
  const auto application = application_.lock();
  return application ? application->ActiveDocument() : nullptr;
}

void DrawingWindow::SyncDocument() {
  const auto document = Active();
  if (document == canvas_->Document()) return;
  canvas_->SetDocument(document);
  commands_->SetDocument(document);
  layers_->SetDocument(document);
  groups_->SetDocument(document);
}

void DrawingWindow::DrawingChanged() {
  SyncDocument();
  canvas_->Refresh();
  refresh_.start();
}

void DrawingWindow::RefreshLook() {
  const auto application = application_.lock();
  const auto document = Active();
  if (!application || !document) return;
  setWindowTitle(application->Caption() + (document->Modified() ? QStringLiteral("*") : QString()));
  const bool free = !commands_->Picking();
  const DrawingHistory& history = document->History();
  undoAction_->setEnabled(free && history.CanUndo());
  undoAction_->setText(history.CanUndo() ? tr("&Отменить: %1").arg(history.UndoName())
                                         : tr("&Отменить"));
  redoAction_->setEnabled(free && history.CanRedo());
  redoAction_->setText(history.CanRedo() ? tr("&Повторить: %1").arg(history.RedoName())
                                         : tr("&Повторить"));
  layers_->Refresh();
  groups_->Refresh();
}

void DrawingWindow::SetBusy(bool busy) {
  for (QAction* action : {newAction_, openAction_, saveAction_, saveAsAction_, eraseAction_,
                          moveAction_, copyAction_, selectAllAction_, lineAction_,
                          polylineAction_, pointAction_}) {
    action->setEnabled(!busy);
  }
  layers_->setEnabled(!busy);
  groups_->setEnabled(!busy);
  RefreshLook();
}

void DrawingWindow::WindowStateChanged() {
  const auto application = application_.lock();
  if (!application) return;
  RefreshLook();
  if (!application->Visible()) {
    hide();
    return;
  }
  // Only a change the client made moves the window: the user's own maximising stays.
  static constexpr const char* kApplied = "appliedState";
  const int state = application->WindowState();
  if (isVisible() && property(kApplied).toInt() == state) return;
  setProperty(kApplied, state);
  switch (state) {
    case 2:
      showMinimized();
      break;
    case 3:
      showMaximized();
      break;
    default:
      showNormal();
      break;
  }
}

void DrawingWindow::BringToFront() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

qint64 DrawingWindow::WindowHandle() const {
  return qint64(const_cast<DrawingWindow*>(this)->winId());
}

void DrawingWindow::QuitRequested() {
  quitting_ = true;
  // A pick under way runs an event loop of its own, which quitting the application would not
  // end: the pick ends first, with nothing picked.
  if (commands_->Picking()) commands_->Cancel();
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void DrawingWindow::ClientLeft() {
  if (commands_->Picking()) commands_->Cancel();
}

EntityList DrawingWindow::PickOnScreen(const EntityList& candidates) {
  if (commands_->Picking()) return {};
  const auto application = application_.lock();
  if (isHidden()) show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  canvas_->setFocus();
  SetBusy(true);
  const EntityList picked = commands_->Pick(candidates);
  SetBusy(false);
  // A window shown only for the pick goes back to how the client left it.
  if (application && !application->Visible()) hide();
  return picked;
}

void DrawingWindow::CanvasKey(QKeyEvent* event) {
  QLineEdit* input = commandLine_->Input();
  switch (event->key()) {
    case Qt::Key_Escape:
      input->clear();
      commands_->Cancel();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      const QString text = input->text();
      input->clear();
      commands_->Submit(text);
      return;
    }
    case Qt::Key_Delete:
      if (!commands_->Busy()) commands_->Start(DrawingCommands::Command::Erase);
      return;
    default:
      break;
  }
  const QString text = event->text();
  if (!text.isEmpty() && text.at(0).isPrint()) {
    // Typing over the drawing goes to the command line, as in the CAD programs.
    input->setFocus();
    input->insert(text);
  }
}

bool DrawingWindow::ConfirmDiscard() {
  const auto document = Active();
  if (!document || !document->Modified()) return true;
  QMessageBox box(QMessageBox::Question, HostApplication::ProductName(),
                  tr("Сохранить изменения в %1?").arg(document->Name()),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
  box.setDefaultButton(QMessageBox::Yes);
  // Closing the question, or Escape, keeps the drawing open.
  box.setEscapeButton(QMessageBox::Cancel);
  box.button(QMessageBox::Yes)->setText(tr("Да"));
  box.button(QMessageBox::No)->setText(tr("Нет"));
  box.button(QMessageBox::Cancel)->setText(tr("Отмена"));
  const int answer = box.exec();
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::No) return true;
  return Save();
}

bool DrawingWindow::ConfirmDiscardAll() {
  const auto application = application_.lock();
  if (!application) return true;
  // Drawings a client opened wait behind the active one: each changed one is shown while the
  // user is asked about it, and stays shown when the user cancels.
  const std::vector<std::shared_ptr<HostDocument>> documents = application->Documents().All();
  for (const auto& document : documents) {
    if (!document->Modified()) continue;
    if (document != Active()) {
      application->Documents().Activate(document);
      SyncDocument();
    }
    if (!ConfirmDiscard()) return false;
  }
  return true;
}

void DrawingWindow::NewDrawing() {
  const auto application = application_.lock();
  if (!application || commands_->Picking() || !ConfirmDiscard()) return;
  const auto old = Active();
  application->Documents().Add();
  application->Documents().Close(old.get());
  SyncDocument();
  RefreshLook();
}

void DrawingWindow::OpenDrawing() {
  if (commands_->Picking() || !ConfirmDiscard()) return;
  const auto settings = WindowSettings();
  const QString path = QFileDialog::getOpenFileName(
      this, tr("Открыть чертёж"),
      settings->value(QStringLiteral("lastFolder"), QDir::homePath()).toString(), tr(kFileFilter));
  if (!path.isEmpty()) OpenFile(path);
}

bool DrawingWindow::OpenFile(const QString& path) {
  const auto application = application_.lock();
  if (!application) return false;
  const auto old = Active();
  try {
    application->Documents().Open(path);
  } catch (const AutomationError& error) {
    QMessageBox::warning(this, HostApplication::ProductName(),
                         tr("Не удалось открыть чертёж.\n\n%1").arg(error.Reason()));
    return false;
  }
  application->Documents().Close(old.get());
  SyncDocument();
  canvas_->ZoomExtents();
  AddRecent(QFileInfo(path).absoluteFilePath());
  commandLine_->Append(tr("Открыт чертёж %1").arg(QDir::toNativeSeparators(path)));
  RefreshLook();
  return true;
}

bool DrawingWindow::Save() {
  const auto document = Active();
  if (!document) return false;
  if (document->FullName().isEmpty()) return SaveAs();
  return SaveTo(*document, document->FullName());
}

bool DrawingWindow::SaveTo(HostDocument& document, const QString& path) {
  try {
    document.SaveAs(path);
  } catch (const AutomationError& error) {
    QMessageBox::warning(this, HostApplication::ProductName(),
                         tr("Не удалось сохранить чертёж.\n\n%1").arg(error.Reason()));
    return false;
  }
  AddRecent(document.FullName());
  RefreshLook();
  return true;
}

bool DrawingWindow::SaveAs() {
  const auto document = Active();
  if (!document) return false;
  const auto settings = WindowSettings();
  const QString start =
      document->FullName().isEmpty()
          ? settings->value(QStringLiteral("lastFolder"), QDir::homePath()).toString() +
                u'/' + document->Name()
          : document->FullName();
  QString path =
      QFileDialog::getSaveFileName(this, tr("Сохранить чертёж как"), start, tr(kFileFilter));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".dxf");
  return SaveTo(*document, path);
}

void DrawingWindow::AddRecent(const QString& path) {
  const auto settings = WindowSettings();
  QStringList recent = settings->value(kRecentKey).toStringList();
  recent.removeAll(path);
  recent.prepend(path);
  while (recent.size() > kRecentFiles) recent.removeLast();
  settings->setValue(kRecentKey, recent);
  settings->setValue(QStringLiteral("lastFolder"), QFileInfo(path).absolutePath());
  FillRecent();
}

void DrawingWindow::FillRecent() {
  recentMenu_->clear();
  const QStringList recent = WindowSettings()->value(kRecentKey).toStringList();
  for (qsizetype i = 0; i < recent.size(); ++i) {
    const QString path = recent[i];
    QAction* action = recentMenu_->addAction(
        QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
    connect(action, &QAction::triggered, this, [this, path] {
      if (!commands_->Picking() && ConfirmDiscard()) OpenFile(path);
    });
  }
  recentMenu_->setEnabled(!recent.isEmpty());
}

void DrawingWindow::closeEvent(QCloseEvent* event) {
  if (commands_->Picking()) {
    // Closing the window answers the pick with nothing; the host goes on serving its client.
    commands_->Cancel();
    event->ignore();
    return;
  }
  if (!quitting_ && !ConfirmDiscardAll()) {
    event->ignore();
    return;
  }
  WindowSettings()->setValue(QStringLiteral("windowState"), saveState());
  event->accept();
}

}  // namespace trellis::cadhost
