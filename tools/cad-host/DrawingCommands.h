#pragma once

#include "cad-host/Geometry.h"
#include "cad-host/HostServices.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QEventLoop;

namespace trellis::cadhost {

class DrawingCanvas;
class HostDocument;
class PickSession;

// A point typed in the command line: "x,y,z", "x,y" (in the view's working plane), "@dx,dy,dz"
// or "@dx,dy" from the last point, "@d<angle" (degrees, in the working plane). A point is the
// decimal separator, a comma separates the numbers.
struct TypedPoint {
  bool relative = false;
  bool planar = false;  // two numbers, or a distance and an angle
  std::array<double, 3> values{};
};
std::optional<TypedPoint> ParseTypedPoint(const QString& text);

// The user's commands on the active drawing: drawing lines, polylines and points, erasing,
// moving and copying, undo, and the selection. Input arrives as the canvas's gestures and the
// command line's submissions; each command is one undo step. An on-screen pick asked for by a
// client program takes the same gestures until the user finishes or cancels it.
class DrawingCommands : public QObject {
  Q_OBJECT

 public:
  enum class Command { None, Line, Polyline, Point, Erase, Move, Copy, Zoom };

  explicit DrawingCommands(DrawingCanvas& canvas);

  // A new active drawing ends whatever was under way.
  void SetDocument(std::shared_ptr<HostDocument> document);

  void Start(Command command);
  // A line of the command line; empty is Enter.
  void Submit(const QString& text);
  void Click(QPointF at, Qt::KeyboardModifiers modifiers);
  void Rectangle(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers);
  // Enter or a right click: ends the step under way.
  void Finish();
  // Escape: ends the command, or clears the selection.
  void Cancel();

  void Undo();
  void Redo();
  void SelectAll();
  void Select(const EntityList& entities);
  const EntityList& Selection() const { return selection_; }

  // The pick of a client program; runs the events until the user finishes or cancels it.
  EntityList Pick(const EntityList& candidates);
  bool Picking() const { return pick_ != nullptr; }
  bool Busy() const { return command_ != Command::None || Picking(); }

  QString Prompt() const;

 signals:
  void PromptChanged(const QString& prompt);
  void Message(const QString& text);

 private:
  enum class Phase { Objects, FirstPoint, NextPoint, BasePoint, SecondPoint, Option };

  bool Starts(const QString& word);
  void Point(const Point3& point);
  void ObjectsChosen();
  void End();
  void BeginStep(const QString& name);
  void EndStep();
  EntityList Pickable() const;
  void SelectBy(const std::function<void(PickSession&)>& gesture, bool remove);
  void SetSelection(EntityList entities);
  void Show();
  void Say(const QString& text) { emit Message(text); }
  QString CommandName() const;

  DrawingCanvas& canvas_;
  std::shared_ptr<HostDocument> document_;
  Command command_ = Command::None;
  Command last_ = Command::None;
  Phase phase_ = Phase::Objects;
  std::vector<Point3> points_;
  std::vector<std::shared_ptr<HostEntity>> made_;
  std::optional<Point3> lastPoint_;
  Point3 base_{};
  EntityList selection_;
  bool stepOpen_ = false;
  PickSession* pick_ = nullptr;
  QEventLoop* pickLoop_ = nullptr;
};

}  // namespace trellis::cadhost
