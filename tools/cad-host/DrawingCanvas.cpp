#include "cad-host/DrawingCanvas.h"

#include "cad-host/AciColors.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace trellis::cadhost {

namespace {

const QColor kBackground(33, 40, 48);
const QColor kMarkColor(255, 170, 0);
const QColor kSelectionColor(110, 190, 255);
// Past this many lines antialiasing costs more than it gives.
constexpr size_t kSmoothLimit = 20000;
constexpr double kDragStart = 4;

// A line of no length stands for a point mark: a small cross on screen.
void AppendScreenLine(QVector<QLineF>& out, QPointF a, QPointF b) {
  if (a == b) {
    out.append(QLineF(a.x() - 3, a.y(), a.x() + 3, a.y()));
    out.append(QLineF(a.x(), a.y() - 3, a.x(), a.y() + 3));
  } else {
    out.append(QLineF(a, b));
  }
}

}  // namespace

ViewAxes ViewAxes::Of(ViewKind kind) {
  switch (kind) {
    case ViewKind::Plan:
      return {{1, 0, 0}, {0, 1, 0}};
    case ViewKind::Front:
      return {{1, 0, 0}, {0, 0, 1}};
    case ViewKind::Side:
      return {{0, 1, 0}, {0, 0, 1}};
    case ViewKind::Isometric:
      // Seen from (1, -1, 1): x runs to the lower right, y to the upper right, z up.
      return {{1 / std::sqrt(2.0), 1 / std::sqrt(2.0), 0},
              {-1 / std::sqrt(6.0), 1 / std::sqrt(6.0), 2 / std::sqrt(6.0)}};
  }
  return {{1, 0, 0}, {0, 1, 0}};
}

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::CrossCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
}

void DrawingCanvas::SetDocument(std::shared_ptr<HostDocument> document) {
  if (document != document_) {
    awaitingExtents_ = true;
    selection_.clear();
    // Another drawing may live where a closed one did and be at its revision: build anew.
    builtValid_ = false;
  }
  document_ = std::move(document);
  Refresh();
}

void DrawingCanvas::Invalidate() {
  screenValid_ = false;
  frameValid_ = false;
  update();
}

void DrawingCanvas::Refresh() {
  Invalidate();
}

void DrawingCanvas::SetView(ViewKind view) {
  if (view == view_) return;
  view_ = view;
  axes_ = ViewAxes::Of(view);
  Rebuild();
  ZoomExtents();
}

void DrawingCanvas::ZoomExtents() {
  Rebuild();
  if (extents_.isNull()) {
    center_ = QPointF(0, 0);
    scale_ = 20;
  } else {
    center_ = extents_.center();
    const double w = std::max(extents_.width(), 1e-9);
    const double h = std::max(extents_.height(), 1e-9);
    scale_ = 0.9 * std::min(std::max(width(), 10) / w, std::max(height(), 10) / h);
    if (extents_.width() < 1e-9 && extents_.height() < 1e-9) scale_ = 20;
    scale_ = std::clamp(scale_, 1e-6, 1e9);
  }
  awaitingExtents_ = false;
  Invalidate();
}

void DrawingCanvas::ZoomAbout(QPointF at, double factor) {
  const QPointF before = ToView(at);
  scale_ = std::clamp(scale_ * factor, 1e-6, 1e9);
  const QPointF after = ToView(at);
  center_ += before - after;
  Invalidate();
}

Projection DrawingCanvas::CurrentProjection() const {
  const ViewAxes axes = axes_;
  const QPointF center = center_;
  const double scale = scale_;
  const double w = width() / 2.0;
  const double h = height() / 2.0;
  return [axes, center, scale, w, h](const Point3& p) {
    const QPointF v = axes.Project(p);
    return QPointF(w + (v.x() - center.x()) * scale, h - (v.y() - center.y()) * scale);
  };
}

QPointF DrawingCanvas::ToScreen(const Point3& p) const {
  return FromView(axes_.Project(p));
}

Point3 DrawingCanvas::PlanePoint(double a, double b) const {
  switch (view_) {
    case ViewKind::Front:
      return {a, 0, b};
    case ViewKind::Side:
      return {0, a, b};
    default:
      return {a, b, 0};
  }
}

Point3 DrawingCanvas::PlaneOffset(double a, double b) const {
  return PlanePoint(a, b);
}

Point3 DrawingCanvas::ToWorkingPlane(QPointF at) const {
  const QPointF v = ToView(at);
  if (view_ == ViewKind::Isometric) {
    const double a = v.x() * std::sqrt(2.0);
    const double b = v.y() * std::sqrt(6.0);
    return {(a - b) / 2, (a + b) / 2, 0};
  }
  return PlanePoint(v.x(), v.y());
}

std::optional<SnapPoint> DrawingCanvas::SnapAt(QPointF at) const {
  const_cast<DrawingCanvas*>(this)->Rebuild();
  if (snapEnds || snapMiddles) {
    const QPointF v = ToView(at);
    double best = kSnapAperture / scale_;
    const ViewSnap* nearest = nullptr;
    for (const ViewSnap& snap : snaps_) {
      if (snap.kind == SnapPoint::End ? !snapEnds : !snapMiddles) continue;
      const double dx = std::abs(snap.at.x() - v.x());
      const double dy = std::abs(snap.at.y() - v.y());
      if (dx > best || dy > best) continue;
      const double d = std::hypot(dx, dy);
      if (d <= best) {
        best = d;
        nearest = &snap;
      }
    }
    if (nearest) return SnapPoint{nearest->world, nearest->kind};
  }
  if (snapGrid && gridStep > 0) {
    Point3 p = ToWorkingPlane(at);
    const auto round = [this](double x) { return std::round(x / gridStep) * gridStep; };
    switch (view_) {
      case ViewKind::Front:
        p = {round(p[0]), 0, round(p[2])};
        break;
      case ViewKind::Side:
        p = {0, round(p[1]), round(p[2])};
        break;
      default:
        p = {round(p[0]), round(p[1]), 0};
        break;
    }
    return SnapPoint{p, SnapPoint::Grid};
  }
  return std::nullopt;
}

Point3 DrawingCanvas::PointAt(QPointF at) const {
  if (const auto snap = SnapAt(at)) return snap->world;
  return ToWorkingPlane(at);
}

void DrawingCanvas::SetSelection(const EntityList& entities) {
  QSet<const HostEntity*> selection;
  for (const auto& entity : entities) selection.insert(entity.get());
  if (selection == selection_) return;
  selection_ = std::move(selection);
  Invalidate();
}

void DrawingCanvas::Rebuild() {
  const HostDocument* document = document_.get();
  if (builtValid_ && document == builtFor_ && view_ == builtView_ &&
      (!document || document->Revision() == builtRevision_)) {
    return;
  }
  builtValid_ = true;
  builtFor_ = document;
  builtView_ = view_;
  builtRevision_ = document ? document->Revision() : 0;
  batches_.clear();
  labels_.clear();
  snaps_.clear();
  entityLines_.clear();
  allLines_.clear();
  extents_ = QRectF();
  screenValid_ = false;
  frameValid_ = false;
  if (!document) return;

  struct LayerLook {
    bool visible;
    int color;
  };
  QHash<QString, LayerLook> layers;
  for (const auto& layer : document->Layers().All()) {
    layers.insert(layer->Name().toUpper(), {layer->Visible(), layer->Color()});
  }
  QHash<QRgb, size_t> batchOf;
  double left = 0, right = 0, bottom = 0, top = 0;
  bool any = false;
  const auto extend = [&](QPointF v) {
    if (!any) {
      left = right = v.x();
      bottom = top = v.y();
      any = true;
    } else {
      left = std::min(left, v.x());
      right = std::max(right, v.x());
      bottom = std::min(bottom, v.y());
      top = std::max(top, v.y());
    }
  };
  QString lastLayer;
  LayerLook lastLook{false, 7};
  for (const auto& entity : document->ModelSpace().Entities()) {
    if (!entity->Drawn()) continue;
    if (entity->Layer() != lastLayer || lastLayer.isNull()) {
      lastLayer = entity->Layer();
      lastLook = layers.value(lastLayer.toUpper(), LayerLook{false, 7});
    }
    if (!lastLook.visible) continue;
    const QColor color =
        AciColor(entity->Color() == HostEntity::kByLayer ? lastLook.color : entity->Color());
    auto found = batchOf.find(color.rgb());
    if (found == batchOf.end()) {
      found = batchOf.insert(color.rgb(), batches_.size());
      batches_.push_back({color, {}});
    }
    std::vector<QLineF>& lines = batches_[*found].lines;
    const size_t first = allLines_.size();
    const EntityShape& shape = entity->Shape();
    for (const auto& path : shape.paths) {
      for (size_t i = 0; i < path.size(); ++i) {
        const QPointF v = axes_.Project(path[i]);
        extend(v);
        snaps_.push_back({v, path[i], SnapPoint::End});
        if (i == 0) continue;
        const QPointF u = axes_.Project(path[i - 1]);
        if (u == v) continue;
        lines.emplace_back(u, v);
        allLines_.emplace_back(u, v);
        const Point3 middle = (path[i - 1] + path[i]) * 0.5;
        // Arcs come divided into many short pieces: only a plain segment has a useful middle.
        if (path.size() <= 5) snaps_.push_back({(u + v) / 2, middle, SnapPoint::Middle});
      }
    }
    for (const Point3& p : shape.points) {
      const QPointF v = axes_.Project(p);
      extend(v);
      snaps_.push_back({v, p, SnapPoint::End});
      lines.emplace_back(v, v);
      allLines_.emplace_back(v, v);
    }
    for (const ShapeLabel& label : shape.labels) {
      for (const Point3& corner : label.box) extend(axes_.Project(corner));
      if (label.box.size() < 4) continue;
      const Point3 baseline = label.box[3] - label.up * label.height;
      const QPointF origin = axes_.Project(baseline);
      labels_.push_back({color, entity.get(), origin,
                         axes_.Project(baseline + label.across * label.height) - origin,
                         axes_.Project(baseline + label.up * label.height) - origin,
                         label.text.split(u'\n')});
      // The text's outline picks and marks it like a drawn shape.
      for (size_t i = 0; i < 4; ++i) {
        allLines_.emplace_back(axes_.Project(label.box[i]), axes_.Project(label.box[(i + 1) % 4]));
      }
    }
    entityLines_.insert(entity.get(), {first, allLines_.size()});
  }
  if (any) extents_ = QRectF(QPointF(left, bottom), QPointF(right, top));
}

void DrawingCanvas::BuildScreen() {
  Rebuild();
  screen_.lines.assign(batches_.size(), {});
  screen_.marked.clear();
  screen_.selected.clear();
  const QRectF area = QRectF(rect()).adjusted(-4, -4, 4, 4);
  for (size_t b = 0; b < batches_.size(); ++b) {
    QVector<QLineF>& out = screen_.lines[b];
    out.reserve(qsizetype(batches_[b].lines.size()));
    for (const QLineF& line : batches_[b].lines) {
      const QPointF p1 = FromView(line.p1());
      const QPointF p2 = FromView(line.p2());
      // Lines wholly off one side of the screen cost the rasteriser for nothing.
      if ((p1.x() < area.left() && p2.x() < area.left()) ||
          (p1.x() > area.right() && p2.x() > area.right()) ||
          (p1.y() < area.top() && p2.y() < area.top()) ||
          (p1.y() > area.bottom() && p2.y() > area.bottom())) {
        continue;
      }
      AppendScreenLine(out, p1, p2);
    }
  }
  if (document_) {
    const auto append = [this](const HostEntity* entity, QVector<QLineF>& out) {
      const auto range = entityLines_.constFind(entity);
      if (range == entityLines_.cend()) return;
      for (size_t i = range->first; i < range->second; ++i) {
        AppendScreenLine(out, FromView(allLines_[i].p1()), FromView(allLines_[i].p2()));
      }
    };
    for (const auto& group : document_->Groups().All()) {
      if (!group->marked) continue;
      for (const auto& entity : group->Items()) append(entity.get(), screen_.marked);
    }
    for (const HostEntity* entity : selection_) append(entity, screen_.selected);
  }
  screenValid_ = true;
}

void DrawingCanvas::PaintFrame(QPainter& painter) {
  size_t total = 0;
  for (const auto& lines : screen_.lines) total += size_t(lines.size());
  painter.setRenderHint(QPainter::Antialiasing, total < kSmoothLimit);
  for (size_t b = 0; b < batches_.size(); ++b) {
    if (screen_.lines[b].isEmpty()) continue;
    painter.setPen(QPen(batches_[b].color, 0));
    painter.drawLines(screen_.lines[b]);
  }
  if (!screen_.marked.isEmpty()) {
    painter.setPen(QPen(kMarkColor, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(screen_.marked);
  }
  if (!screen_.selected.isEmpty()) {
    QPen pen(kSelectionColor, 2, Qt::CustomDashLine);
    pen.setDashPattern({3, 2});
    painter.setPen(pen);
    painter.drawLines(screen_.selected);
  }
}

void DrawingCanvas::PaintLabels(QPainter& painter) {
  if (labels_.empty()) return;
  QFont font(QStringLiteral("DejaVu Sans"));
  constexpr double kFontPixels = 100;
  font.setPixelSize(int(kFontPixels));
  painter.setFont(font);
  const double cap = std::max(QFontMetricsF(font).capHeight(), 1.0);
  const QTransform plain = painter.transform();
  QSet<const HostEntity*> marked;
  if (document_) {
    for (const auto& group : document_->Groups().All()) {
      if (!group->marked) continue;
      for (const auto& entity : group->Items()) marked.insert(entity.get());
    }
  }
  for (const Label& label : labels_) {
    const QPointF origin = FromView(label.origin);
    const QPointF across(label.across.x() * scale_, -label.across.y() * scale_);
    const QPointF up(label.up.x() * scale_, -label.up.y() * scale_);
    const double size = std::hypot(up.x(), up.y());
    const double det = across.x() * up.y() - across.y() * up.x();
    if (size < 1.5 || std::abs(det) < 0.05 * size * size) continue;
    if (!rect().adjusted(-2000, -2000, 2000, 2000).contains(origin.toPoint())) continue;
    QColor color = label.color;
    if (marked.contains(label.entity)) color = kMarkColor;
    if (selection_.contains(label.entity)) color = kSelectionColor;
    painter.setPen(color);
    if (size < 4) {
      // Too small to read: a stroke where the text runs.
      painter.setTransform(plain);
      const qsizetype longest = std::max_element(label.lines.begin(), label.lines.end(),
                                                 [](const QString& a, const QString& b) {
                                                   return a.size() < b.size();
                                                 })->size();
      painter.drawLine(origin, origin + across * (0.6 * double(longest)));
      continue;
    }
    const QTransform place(across.x() / cap, across.y() / cap, -up.x() / cap, -up.y() / cap,
                           origin.x(), origin.y());
    painter.setTransform(place * plain);
    for (qsizetype i = 0; i < label.lines.size(); ++i) {
      painter.drawText(QPointF(0, 1.5 * cap * double(i)), label.lines[i]);
    }
  }
  painter.setTransform(plain);
}

void DrawingCanvas::PaintGrid(QPainter& painter) {
  if (!snapGrid || gridStep <= 0 || view_ == ViewKind::Isometric) return;
  const double spacing = gridStep * scale_;
  if (spacing < 8) return;
  const QPointF topLeft = ToView(QPointF(0, 0));
  const QPointF bottomRight = ToView(QPointF(width(), height()));
  QVector<QPointF> dots;
  const double x0 = std::floor(topLeft.x() / gridStep) * gridStep;
  const double y0 = std::floor(bottomRight.y() / gridStep) * gridStep;
  for (double x = x0; x <= bottomRight.x(); x += gridStep) {
    for (double y = y0; y <= topLeft.y(); y += gridStep) dots.append(FromView(QPointF(x, y)));
    if (dots.size() > 200000) break;
  }
  painter.setPen(QPen(QColor(80, 92, 106), 1));
  painter.drawPoints(dots);
}

void DrawingCanvas::PaintOverlay(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  // The axes in the lower left corner, as the view shows them.
  const QPointF base(28, height() - 28);
  const std::pair<Point3, QColor> axes[] = {{{1, 0, 0}, QColor(230, 80, 80)},
                                            {{0, 1, 0}, QColor(80, 210, 80)},
                                            {{0, 0, 1}, QColor(90, 140, 255)}};
  const char* names[] = {"X", "Y", "Z"};
  for (int i = 0; i < 3; ++i) {
    const QPointF v = axes_.Project(axes[i].first);
    if (std::hypot(v.x(), v.y()) < 0.1) continue;
    const QPointF tip = base + QPointF(v.x(), -v.y()) * 22;
    painter.setPen(QPen(axes[i].second, 2));
    painter.drawLine(base, tip);
    painter.drawText(tip + QPointF(v.x(), -v.y()) * 8 - QPointF(4, -4), QLatin1String(names[i]));
  }

  if (pointInput_ && cursorInside_) {
    std::vector<QPointF> chain;
    for (const Point3& p : rubber_) chain.push_back(ToScreen(p));
    const auto snap = SnapAt(cursor_);
    const QPointF at = snap ? ToScreen(snap->world) : cursor_;
    if (!chain.empty()) {
      painter.setPen(QPen(QColor(230, 230, 230), 1, Qt::DashLine));
      for (size_t i = 1; i < chain.size(); ++i) painter.drawLine(chain[i - 1], chain[i]);
      painter.drawLine(chain.back(), at);
    }
    if (snap && snap->kind != SnapPoint::Grid) {
      painter.setPen(QPen(QColor(255, 220, 0), 2));
      painter.setBrush(Qt::NoBrush);
      if (snap->kind == SnapPoint::End) {
        painter.drawRect(QRectF(at - QPointF(5, 5), QSizeF(10, 10)));
      } else {
        const QPointF triangle[] = {at + QPointF(0, -6), at + QPointF(6, 5), at + QPointF(-6, 5)};
        painter.drawPolygon(triangle, 3);
      }
    }
  }
  if (dragging_ && pressAt_) {
    const bool window = cursor_.x() >= pressAt_->x();
    const QRectF area = QRectF(*pressAt_, cursor_).normalized();
    if (window) {
      painter.setPen(QPen(QColor(70, 130, 255), 1));
      painter.setBrush(QColor(70, 130, 255, 40));
    } else {
      painter.setPen(QPen(QColor(80, 220, 110), 1, Qt::DashLine));
      painter.setBrush(QColor(80, 220, 110, 40));
    }
    painter.drawRect(area);
    painter.setBrush(Qt::NoBrush);
  }
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
  Rebuild();
  if (awaitingExtents_ && document_ && width() > 0) ZoomExtents();
  if (!frameValid_ || frame_.size() != size() * devicePixelRatioF()) {
    if (!screenValid_) BuildScreen();
    frame_ = QPixmap(size() * devicePixelRatioF());
    frame_.setDevicePixelRatio(devicePixelRatioF());
    frame_.fill(kBackground);
    QPainter painter(&frame_);
    PaintGrid(painter);
    PaintFrame(painter);
    PaintLabels(painter);
    frameValid_ = true;
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, frame_);
  PaintOverlay(painter);
}

void DrawingCanvas::resizeEvent(QResizeEvent*) {
  Invalidate();
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  cursor_ = at;
  if (event->button() == Qt::MiddleButton) {
    panFrom_ = at;
    setCursor(Qt::ClosedHandCursor);
    return;
  }
  if (event->button() == Qt::RightButton) {
    emit RightClicked();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (!rectangles_) {
    emit Clicked(at, event->modifiers());
    return;
  }
  pressAt_ = at;
  dragging_ = false;
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (panFrom_) {
    const QPointF delta = at - *panFrom_;
    center_ -= QPointF(delta.x(), -delta.y()) / scale_;
    panFrom_ = at;
    Invalidate();
  }
  cursor_ = at;
  cursorInside_ = true;
  if (pressAt_ && !dragging_ && QLineF(*pressAt_, at).length() > kDragStart) dragging_ = true;
  emit CursorMoved(PointAt(at));
  update();
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (event->button() == Qt::MiddleButton) {
    panFrom_.reset();
    setCursor(Qt::CrossCursor);
    return;
  }
  if (event->button() != Qt::LeftButton || !pressAt_) return;
  const QPointF from = *pressAt_;
  const bool dragged = dragging_ || QLineF(from, at).length() > kDragStart;
  pressAt_.reset();
  dragging_ = false;
  update();
  if (dragged) {
    emit RectangleDragged(from, at, event->modifiers());
  } else {
    emit Clicked(from, event->modifiers());
  }
}

void DrawingCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click of the wheel shows the whole drawing, as in the CAD programs.
  if (event->button() == Qt::MiddleButton) {
    ZoomExtents();
    return;
  }
  mousePressEvent(event);
}

void DrawingCanvas::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0) return;
  ZoomAbout(event->position(), std::pow(1.25, steps));
  emit CursorMoved(PointAt(event->position()));
}

void DrawingCanvas::keyPressEvent(QKeyEvent* event) {
  emit KeyTyped(event);
}

void DrawingCanvas::leaveEvent(QEvent*) {
  cursorInside_ = false;
  update();
}

}  // namespace trellis::cadhost
