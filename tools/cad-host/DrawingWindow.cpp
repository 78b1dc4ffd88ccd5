#include "cad-host/DrawingWindow.h"

#include "cad-host/AciColors.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"

#include <QApplication>
#include <QPainter>
#include <QSet>
#include <QTimer>

namespace trellis::cadhost {

namespace {

QPointF Flat(const Point3& point) {
  return QPointF(point[0], point[1]);
}

}  // namespace

DrawingWindow::DrawingWindow() {
  resize(800, 600);
  setMinimumSize(200, 150);
  QPalette dark = palette();
  dark.setColor(QPalette::Window, QColor(33, 40, 48));
  setPalette(dark);
  setAutoFillBackground(true);
  redraw_.setSingleShot(true);
  redraw_.setInterval(50);
  connect(&redraw_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void DrawingWindow::Attach(std::shared_ptr<HostApplication> application) {
  application_ = application;
  WindowStateChanged();
}

void DrawingWindow::DrawingChanged() {
  redraw_.start();
}

void DrawingWindow::WindowStateChanged() {
  const auto application = application_.lock();
  if (!application) return;
  setWindowTitle(application->Caption());
  if (!application->Visible()) {
    hide();
    return;
  }
  switch (application->WindowState()) {
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
  raise();
  activateWindow();
}

qint64 DrawingWindow::WindowHandle() const {
  return qint64(const_cast<DrawingWindow*>(this)->winId());
}

void DrawingWindow::QuitRequested() {
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void DrawingWindow::paintEvent(QPaintEvent*) {
  const auto application = application_.lock();
  if (!application) return;
  const HostDocument& document = *application->ActiveDocument();

  QSet<const HostEntity*> highlighted;
  for (const auto& group : document.Groups().All()) {
    if (!group->highlighted) continue;
    for (const auto& entity : group->Items()) highlighted.insert(entity.get());
  }
  std::vector<std::pair<const HostEntity*, QColor>> shown;
  QRectF bounds;
  for (const auto& entity : document.ModelSpace().Entities()) {
    const auto layer = document.Layers().Find(entity->Layer());
    if (!layer || !layer->on) continue;
    shown.emplace_back(
        entity.get(),
        AciColor(entity->Color() == HostEntity::kByLayer ? layer->color : entity->Color()));
    QRectF extent;
    if (const auto* line = dynamic_cast<const HostLine*>(entity.get())) {
      extent = QRectF(Flat(line->start), Flat(line->end)).normalized();
    } else if (const auto* point = dynamic_cast<const HostPoint*>(entity.get())) {
      extent = QRectF(Flat(point->position), QSizeF(0, 0));
    }
    bounds = bounds.isNull() ? extent : bounds.united(extent);
  }
  if (shown.empty()) return;

  // Fit the drawing into the window with a margin, y upwards as on paper.
  const QRectF area = QRectF(rect()).adjusted(20, 20, -20, -20);
  const double width = std::max(bounds.width(), 1e-9);
  const double height = std::max(bounds.height(), 1e-9);
  const double scale = std::min(area.width() / width, area.height() / height);
  const QPointF origin = area.center();
  const QPointF middle = bounds.center();
  const auto toScreen = [&](const Point3& p) {
    return QPointF(origin.x() + (p[0] - middle.x()) * scale,
                   origin.y() - (p[1] - middle.y()) * scale);
  };

  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const auto& [entity, color] : shown) {
    const bool marked = highlighted.contains(entity);
    QPen pen(color, marked ? 2.0 : 1.0, marked ? Qt::DashLine : Qt::SolidLine);
    painter.setPen(pen);
    if (const auto* line = dynamic_cast<const HostLine*>(entity)) {
      painter.drawLine(toScreen(line->start), toScreen(line->end));
    } else if (const auto* point = dynamic_cast<const HostPoint*>(entity)) {
      const QPointF at = toScreen(point->position);
      painter.drawLine(at - QPointF(3, 0), at + QPointF(3, 0));
      painter.drawLine(at - QPointF(0, 3), at + QPointF(0, 3));
    }
  }
}

}  // namespace trellis::cadhost
