#pragma once

#include "cad-host/Geometry.h"
#include "cad-host/HostServices.h"
#include "cad-host/PickSession.h"

#include <QColor>
#include <QHash>
#include <QLineF>
#include <QPixmap>
#include <QSet>
#include <QVector>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace trellis::cadhost {

class HostDocument;

// The parallel views of the drawing. Each maps a world point to view coordinates (right, up).
enum class ViewKind { Plan, Front, Side, Isometric };

struct ViewAxes {
  Point3 right;
  Point3 up;
  static ViewAxes Of(ViewKind kind);
  QPointF Project(const Point3& p) const { return QPointF(Dot(p, right), Dot(p, up)); }
};

// A point the cursor can snap to.
struct SnapPoint {
  enum Kind { End, Middle, Grid };
  Point3 world;
  Kind kind = End;
};

// The drawing as the user sees it: the active drawing's objects in their colours in one of the
// parallel views, with pan and zoom. Projected geometry is kept per drawing revision and view,
// and the screen lines per pan and zoom, so a repaint for the cursor costs one pixmap copy.
// Left-button gestures and keys go out as signals; what they mean is the commands' business.
class DrawingCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingCanvas(QWidget* parent = nullptr);

  void SetDocument(std::shared_ptr<HostDocument> document);
  const std::shared_ptr<HostDocument>& Document() const { return document_; }
  // The drawing or its look (layers, marks) changed.
  void Refresh();

  ViewKind View() const { return view_; }
  void SetView(ViewKind view);
  void ZoomExtents();
  void ZoomAbout(QPointF at, double factor);

  // Where a world point is on the screen now.
  Projection CurrentProjection() const;
  QPointF ToScreen(const Point3& p) const;
  // The point of the working plane under the screen point: plan and isometric z = 0, front
  // y = 0, side x = 0.
  Point3 ToWorkingPlane(QPointF at) const;
  // The world point for two typed numbers lying in the working plane (a, b) of the view.
  Point3 PlanePoint(double a, double b) const;
  Point3 PlaneOffset(double a, double b) const;

  // Snapping: end points and midpoints of drawn paths within the aperture, else the grid.
  bool snapEnds = true;
  bool snapMiddles = true;
  bool snapGrid = false;
  double gridStep = 1.0;
  std::optional<SnapPoint> SnapAt(QPointF at) const;
  Point3 PointAt(QPointF at) const;

  // What is highlighted: the user's selection or a pick under way.
  void SetSelection(const EntityList& entities);
  // With rectangles on, a left drag draws a window or crossing; otherwise a left press is a
  // click straight away (point input).
  void SetRectangles(bool on) { rectangles_ = on; }
  // A rubber line from the last point to the cursor, and the pending points of a polyline.
  void SetRubber(std::vector<Point3> points) {
    rubber_ = std::move(points);
    update();
  }
  void SetPointInput(bool on) {
    pointInput_ = on;
    update();
  }
  QPointF Cursor() const { return cursor_; }

  static constexpr double kPickTolerance = 5;
  static constexpr double kSnapAperture = 8;

 signals:
  void Clicked(QPointF at, Qt::KeyboardModifiers modifiers);
  void RectangleDragged(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers);
  void RightClicked();
  void CursorMoved(const Point3& world);
  void KeyTyped(QKeyEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // The drawing projected into view coordinates, rebuilt when the revision or view changes.
  // Lines of one colour in view coordinates; a point is a line of no length, drawn as a cross.
  struct Batch {
    QColor color;
    std::vector<QLineF> lines;
  };
  struct Label {
    QColor color;
    const HostEntity* entity;
    QPointF origin, across, up;  // view coordinates; across and up span one text height
    QStringList lines;
  };
  struct ViewSnap {
    QPointF at;
    Point3 world;
    SnapPoint::Kind kind;
  };
  struct Screen {
    std::vector<QVector<QLineF>> lines;  // per batch
    QVector<QLineF> marked;
    QVector<QLineF> selected;
  };

  void Rebuild();
  void BuildScreen();
  void PaintFrame(QPainter& painter);
  void PaintLabels(QPainter& painter);
  void PaintGrid(QPainter& painter);
  void PaintOverlay(QPainter& painter);
  void Invalidate();
  QPointF FromView(QPointF v) const {
    return QPointF(width() / 2.0 + (v.x() - center_.x()) * scale_,
                   height() / 2.0 - (v.y() - center_.y()) * scale_);
  }
  QPointF ToView(QPointF s) const {
    return QPointF(center_.x() + (s.x() - width() / 2.0) / scale_,
                   center_.y() - (s.y() - height() / 2.0) / scale_);
  }

  std::shared_ptr<HostDocument> document_;
  ViewKind view_ = ViewKind::Plan;
  ViewAxes axes_ = ViewAxes::Of(ViewKind::Plan);
  QPointF center_{0, 0};
  double scale_ = 20;  // pixels per drawing unit

  // The projected drawing and what it was built for.
  bool builtValid_ = false;
  const HostDocument* builtFor_ = nullptr;
  quint64 builtRevision_ = ~quint64(0);
  ViewKind builtView_ = ViewKind::Plan;
  std::vector<Batch> batches_;
  std::vector<Label> labels_;
  std::vector<ViewSnap> snaps_;
  QHash<const HostEntity*, std::pair<size_t, size_t>> entityLines_;  // all lines, per entity
  std::vector<QLineF> allLines_;
  QRectF extents_;

  Screen screen_;
  bool screenValid_ = false;
  QPixmap frame_;
  bool frameValid_ = false;
  QSet<const HostEntity*> selection_;
  bool awaitingExtents_ = true;

  bool rectangles_ = true;
  bool pointInput_ = false;
  std::vector<Point3> rubber_;
  QPointF cursor_{-1, -1};
  bool cursorInside_ = false;
  std::optional<QPointF> pressAt_;
  bool dragging_ = false;
  std::optional<QPointF> panFrom_;
};

}  // namespace trellis::cadhost
