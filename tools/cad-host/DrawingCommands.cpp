#include "cad-host/DrawingCommands.h"

#include "automation/AutomationError.h"
#include "cad-host/DrawingCanvas.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"
#include "cad-host/PickSession.h"

#include <QEventLoop>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cmath>
#include <numbers>

namespace trellis::cadhost {

namespace {

using Command = DrawingCommands::Command;

// The names a command may be typed by: Russian and English, with their short forms.
const QHash<QString, Command>& CommandNames() {
  static const QHash<QString, Command> names = {
      {QStringLiteral("ОТРЕЗОК"), Command::Line},      {QStringLiteral("ОТ"), Command::Line},
      {QStringLiteral("LINE"), Command::Line},         {QStringLiteral("L"), Command::Line},
      {QStringLiteral("ПЛИНИЯ"), Command::Polyline},   {QStringLiteral("ПЛ"), Command::Polyline},
      {QStringLiteral("PLINE"), Command::Polyline},    {QStringLiteral("PL"), Command::Polyline},
      {QStringLiteral("ТОЧКА"), Command::Point},       {QStringLiteral("ТО"), Command::Point},
      {QStringLiteral("POINT"), Command::Point},       {QStringLiteral("PO"), Command::Point},
      {QStringLiteral("СТЕРЕТЬ"), Command::Erase},     {QStringLiteral("СО"), Command::Erase},
      {QStringLiteral("ERASE"), Command::Erase},       {QStringLiteral("E"), Command::Erase},
      {QStringLiteral("ПЕРЕНЕСТИ"), Command::Move},    {QStringLiteral("П"), Command::Move},
      {QStringLiteral("MOVE"), Command::Move},         {QStringLiteral("M"), Command::Move},
      {QStringLiteral("КОПИРОВАТЬ"), Command::Copy},   {QStringLiteral("КП"), Command::Copy},
      {QStringLiteral("COPY"), Command::Copy},         {QStringLiteral("CO"), Command::Copy},
      {QStringLiteral("CP"), Command::Copy},           {QStringLiteral("ПОКАЗАТЬ"), Command::Zoom},
      {QStringLiteral("ZOOM"), Command::Zoom},         {QStringLiteral("Z"), Command::Zoom},
  };
  return names;
}

bool IsOneOf(const QString& word, std::initializer_list<const char16_t*> names) {
  for (const char16_t* name : names) {
    if (word == QStringView(name)) return true;
  }
  return false;
}

}  // namespace

std::optional<TypedPoint> ParseTypedPoint(const QString& text) {
  QString s = text;
  s.remove(u' ');
  TypedPoint point;
  if (s.startsWith(u'@')) {
    point.relative = true;
    s = s.mid(1);
    // "@" alone is the last point itself.
    if (s.isEmpty()) return point;
  }
  bool ok = false;
  if (s.contains(u'<')) {
    const QStringList parts = s.split(u'<');
    if (parts.size() != 2) return std::nullopt;
    const double distance = parts[0].toDouble(&ok);
    if (!ok || !std::isfinite(distance)) return std::nullopt;
    const double angle = parts[1].toDouble(&ok) * std::numbers::pi / 180;
    if (!ok || !std::isfinite(angle)) return std::nullopt;
    point.planar = true;
    point.values = {distance * std::cos(angle), distance * std::sin(angle), 0};
    return point;
  }
  const QStringList parts = s.split(u',');
  if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    point.values[size_t(i)] = parts[i].toDouble(&ok);
    if (!ok || !std::isfinite(point.values[size_t(i)])) return std::nullopt;
  }
  point.planar = parts.size() == 2;
  return point;
}

DrawingCommands::DrawingCommands(DrawingCanvas& canvas) : canvas_(canvas) {}

void DrawingCommands::SetDocument(std::shared_ptr<HostDocument> document) {
  if (document == document_) return;
  if (pick_) Cancel();
  if (command_ != Command::None) End();
  document_ = std::move(document);
  selection_.clear();
  lastPoint_.reset();
  canvas_.SetSelection({});
  Show();
}

QString DrawingCommands::CommandName() const {
  switch (command_) {
    case Command::Line: return tr("Отрезок");
    case Command::Polyline: return tr("Полилиния");
    case Command::Point: return tr("Точка");
    case Command::Erase: return tr("Стереть");
    case Command::Move: return tr("Перенести");
    case Command::Copy: return tr("Копировать");
    case Command::Zoom: return tr("Показать");
    case Command::None: break;
  }
  return QString();
}

QString DrawingCommands::Prompt() const {
  if (pick_) {
    return tr("Выберите объекты (выбрано: %1):").arg(pick_->Picked().size());
  }
  switch (phase_) {
    case Phase::Objects:
      if (command_ == Command::None) return tr("Команда:");
      return tr("Выберите объекты (выбрано: %1):").arg(selection_.size());
    case Phase::FirstPoint:
      if (command_ == Command::Point) return tr("Укажите точку:");
      return tr("Первая точка:");
    case Phase::NextPoint:
      if (command_ == Command::Point) return tr("Укажите точку или <Выход>:");
      if (command_ == Command::Polyline) {
        return tr("Следующая точка или [Замкнуть/Отменить] <Выход>:");
      }
      return tr("Следующая точка или [Отменить] <Выход>:");
    case Phase::BasePoint:
      return tr("Базовая точка:");
    case Phase::SecondPoint:
      return command_ == Command::Copy ? tr("Вторая точка или <Выход>:") : tr("Вторая точка:");
    case Phase::Option:
      return tr("Показать [Границы] <Границы>:");
  }
  return QString();
}

void DrawingCommands::Show() {
  const bool points = !pick_ && command_ != Command::None &&
                      (phase_ == Phase::FirstPoint || phase_ == Phase::NextPoint ||
                       phase_ == Phase::BasePoint || phase_ == Phase::SecondPoint);
  canvas_.SetRectangles(!points);
  canvas_.SetPointInput(points);
  std::vector<Point3> rubber;
  if (!pick_ && phase_ == Phase::NextPoint && command_ == Command::Polyline) rubber = points_;
  if (!pick_ && phase_ == Phase::NextPoint && command_ == Command::Line && !points_.empty()) {
    rubber = {points_.back()};
  }
  if (!pick_ && phase_ == Phase::SecondPoint) rubber = {base_};
  canvas_.SetRubber(std::move(rubber));
  emit PromptChanged(Prompt());
}

void DrawingCommands::BeginStep(const QString& name) {
  if (stepOpen_ || !document_) return;
  document_->History().Begin(name);
  stepOpen_ = true;
}

void DrawingCommands::EndStep() {
  if (!stepOpen_) return;
  stepOpen_ = false;
  if (document_) document_->History().End();
}

void DrawingCommands::End() {
  EndStep();
  command_ = Command::None;
  phase_ = Phase::Objects;
  points_.clear();
  made_.clear();
  Show();
}

void DrawingCommands::Start(Command command) {
  if (pick_ || !document_ || command == Command::None) return;
  if (command_ != Command::None) Cancel();
  command_ = command;
  if (command != Command::Zoom) last_ = command;
  Say(CommandName().toUpper());
  switch (command) {
    case Command::Line:
    case Command::Polyline:
    case Command::Point:
      phase_ = Phase::FirstPoint;
      break;
    case Command::Erase:
    case Command::Move:
    case Command::Copy:
      phase_ = Phase::Objects;
      if (!selection_.empty()) {
        ObjectsChosen();
        return;
      }
      break;
    case Command::Zoom:
      phase_ = Phase::Option;
      break;
    case Command::None:
      break;
  }
  Show();
}

bool DrawingCommands::Starts(const QString& word) {
  const auto found = CommandNames().constFind(word);
  if (found != CommandNames().cend()) {
    Start(*found);
    return true;
  }
  if (IsOneOf(word, {u"ОТМЕНИТЬ", u"О", u"U", u"UNDO"})) {
    Undo();
    return true;
  }
  if (IsOneOf(word, {u"ПОВТОРИТЬ", u"REDO"})) {
    Redo();
    return true;
  }
  return false;
}

void DrawingCommands::Submit(const QString& text) {
  const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")),
                                       Qt::SkipEmptyParts);
  if (words.isEmpty()) {
    // Enter at the command prompt repeats the last command, as in the CAD programs.
    if (!pick_ && command_ == Command::None && last_ != Command::None) {
      Start(last_);
    } else {
      Finish();
    }
    return;
  }
  if (words.size() > 1) {
    for (const QString& word : words) Submit(word);
    return;
  }
  QString word = words.front().toUpper();
  // Commands written for an English host come with a leading underscore.
  if (word.size() > 1 && word.startsWith(u'_')) word = word.mid(1);
  if (pick_) {
    Say(tr("Укажите объекты на чертеже; Enter - готово, Esc - отмена."));
    return;
  }
  if (!document_) return;
  switch (command_) {
    case Command::None:
      if (!Starts(word)) Say(tr("Неизвестная команда \"%1\".").arg(words.front()));
      return;
    case Command::Zoom:
      if (IsOneOf(word, {u"Г", u"E", u"ГРАНИЦЫ", u"EXTENTS", u"В", u"A", u"ВСЕ", u"ALL"})) {
        canvas_.ZoomExtents();
        End();
      } else {
        Say(tr("Неверный параметр."));
      }
      return;
    default:
      break;
  }
  if (phase_ == Phase::Objects) {
    if (IsOneOf(word, {u"ВСЕ", u"ALL", u"ВС"})) {
      SetSelection(Pickable());
      Show();
    } else {
      Say(tr("Укажите объекты на чертеже; Enter - готово."));
    }
    return;
  }
  if (phase_ == Phase::NextPoint && IsOneOf(word, {u"О", u"U", u"ОТМЕНИТЬ", u"UNDO"})) {
    // A client program may have erased the last piece meanwhile: it is gone already.
    const auto takeBackLast = [this] {
      if (!made_.back()->Erased()) made_.back()->Erase();
      made_.pop_back();
    };
    if (command_ == Command::Line && !made_.empty()) {
      takeBackLast();
      points_.pop_back();
      lastPoint_ = points_.back();
    } else if (command_ == Command::Polyline && points_.size() > 1) {
      points_.pop_back();
      lastPoint_ = points_.back();
    } else if (command_ == Command::Point && !made_.empty()) {
      takeBackLast();
    }
    Show();
    return;
  }
  if (phase_ == Phase::NextPoint && command_ == Command::Polyline &&
      IsOneOf(word, {u"З", u"C", u"ЗАМКНУТЬ", u"CLOSE"})) {
    if (points_.size() < 3) {
      Say(tr("Для замыкания нужны три точки."));
      return;
    }
    BeginStep(CommandName());
    document_->ModelSpace().AddPolyline(points_, true);
    End();
    return;
  }
  const auto typed = ParseTypedPoint(word);
  if (!typed) {
    Say(tr("Нужна точка (x,y,z, x,y или @dx,dy,dz) или параметр."));
    return;
  }
  const Point3 offset =
      typed->planar ? canvas_.PlaneOffset(typed->values[0], typed->values[1]) : typed->values;
  Point(typed->relative ? lastPoint_.value_or(Point3{0, 0, 0}) + offset : offset);
}

void DrawingCommands::Point(const Point3& point) {
  if (!document_) return;
  lastPoint_ = point;
  try {
    switch (command_) {
      case Command::Line:
        if (phase_ == Phase::NextPoint) {
          BeginStep(CommandName());
          made_.push_back(document_->ModelSpace().AddLine(points_.back(), point));
        }
        points_.push_back(point);
        phase_ = Phase::NextPoint;
        break;
      case Command::Polyline:
        points_.push_back(point);
        phase_ = Phase::NextPoint;
        break;
      case Command::Point:
        BeginStep(CommandName());
        made_.push_back(document_->ModelSpace().AddPoint(point));
        phase_ = Phase::NextPoint;
        break;
      case Command::Move:
      case Command::Copy:
        if (phase_ == Phase::BasePoint) {
          base_ = point;
          phase_ = Phase::SecondPoint;
          break;
        }
        BeginStep(CommandName());
        for (const auto& entity : selection_) {
          if (entity->Erased()) continue;
          if (command_ == Command::Move) {
            entity->Translate(point - base_);
          } else {
            document_->ModelSpace().AddCopy(*entity, point - base_);
          }
        }
        if (command_ == Command::Move) {
          SetSelection({});
          End();
          return;
        }
        break;
      default:
        break;
    }
  } catch (const AutomationError& error) {
    Say(error.Reason());
    End();
    return;
  }
  Show();
}

void DrawingCommands::ObjectsChosen() {
  if (selection_.empty()) {
    Say(tr("Нет выбранных объектов."));
    End();
    return;
  }
  if (command_ == Command::Erase) {
    BeginStep(CommandName());
    int erased = 0;
    for (const auto& entity : selection_) {
      if (entity->Erased()) continue;
      entity->Erase();
      ++erased;
    }
    SetSelection({});
    Say(tr("Стёрто объектов: %1").arg(erased));
    End();
    return;
  }
  phase_ = Phase::BasePoint;
  Show();
}

void DrawingCommands::Finish() {
  if (pick_) {
    pick_->Finish();
    if (pickLoop_) pickLoop_->quit();
    return;
  }
  if (!document_) return;
  switch (command_) {
    case Command::None:
      return;
    case Command::Polyline:
      if (points_.size() >= 2) {
        BeginStep(CommandName());
        document_->ModelSpace().AddPolyline(points_, false);
      }
      break;
    case Command::Erase:
    case Command::Move:
    case Command::Copy:
      if (phase_ == Phase::Objects) {
        ObjectsChosen();
        return;
      }
      break;
    case Command::Zoom:
      canvas_.ZoomExtents();
      break;
    default:
      break;
  }
  End();
}

void DrawingCommands::Cancel() {
  if (pick_) {
    pick_->Cancel();
    if (pickLoop_) pickLoop_->quit();
    return;
  }
  if (command_ == Command::None) {
    SetSelection({});
    Show();
    return;
  }
  // A polyline keeps what was drawn of it, as the segments of a line do.
  if (command_ == Command::Polyline) {
    Finish();
    return;
  }
  Say(tr("*Прервано*"));
  End();
}

EntityList DrawingCommands::Pickable() const {
  EntityList pickable;
  if (!document_) return pickable;
  const HostLayers& layers = document_->Layers();
  for (const auto& entity : document_->ModelSpace().Entities()) {
    if (layers.Offers(*entity)) pickable.push_back(entity);
  }
  return pickable;
}

void DrawingCommands::SetSelection(EntityList entities) {
  selection_ = std::move(entities);
  canvas_.SetSelection(selection_);
}

void DrawingCommands::SelectBy(const std::function<void(PickSession&)>& gesture, bool remove) {
  PickSession session(Pickable());
  gesture(session);
  EntityList selection = selection_;
  if (remove) {
    QSet<const HostEntity*> chosen;
    for (const auto& entity : session.Picked()) chosen.insert(entity.get());
    std::erase_if(selection, [&](const auto& entity) { return chosen.contains(entity.get()); });
  } else {
    AppendMissing(selection, session.Picked());
  }
  SetSelection(std::move(selection));
  Show();
}

void DrawingCommands::Click(QPointF at, Qt::KeyboardModifiers modifiers) {
  const bool remove = modifiers & Qt::ShiftModifier;
  const Projection project = canvas_.CurrentProjection();
  if (pick_) {
    pick_->Click(project, at, DrawingCanvas::kPickTolerance, remove);
    canvas_.SetSelection(pick_->Picked());
    Show();
    return;
  }
  if (command_ == Command::None || phase_ == Phase::Objects) {
    SelectBy([&](PickSession& s) { s.Click(project, at, DrawingCanvas::kPickTolerance, false); },
             remove);
    return;
  }
  if (phase_ == Phase::Option) return;
  Point(canvas_.PointAt(at));
}

void DrawingCommands::Rectangle(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers) {
  const bool remove = modifiers & Qt::ShiftModifier;
  const Projection project = canvas_.CurrentProjection();
  if (pick_) {
    pick_->Rectangle(project, from, to, remove);
    canvas_.SetSelection(pick_->Picked());
    Show();
    return;
  }
  if (command_ == Command::None || phase_ == Phase::Objects) {
    SelectBy([&](PickSession& s) { s.Rectangle(project, from, to, false); }, remove);
  }
}

void DrawingCommands::Undo() {
  if (pick_ || !document_) return;
  if (command_ != Command::None) Cancel();
  DrawingHistory& history = document_->History();
  if (!history.CanUndo()) {
    Say(tr("Нечего отменять."));
    return;
  }
  const QString name = history.UndoName();
  history.Undo();
  std::erase_if(selection_, [](const auto& entity) { return entity->Erased(); });
  canvas_.SetSelection(selection_);
  Say(tr("Отменено: %1").arg(name));
  Show();
}

void DrawingCommands::Redo() {
  if (pick_ || !document_) return;
  if (command_ != Command::None) Cancel();
  DrawingHistory& history = document_->History();
  if (!history.CanRedo()) {
    Say(tr("Нечего повторять."));
    return;
  }
  const QString name = history.RedoName();
  history.Redo();
  std::erase_if(selection_, [](const auto& entity) { return entity->Erased(); });
  canvas_.SetSelection(selection_);
  Say(tr("Повторено: %1").arg(name));
  Show();
}

void DrawingCommands::SelectAll() {
  if (pick_) return;
  SetSelection(Pickable());
  Show();
}

void DrawingCommands::Select(const EntityList& entities) {
  if (pick_) return;
  SetSelection(entities);
  Show();
}

EntityList DrawingCommands::Pick(const EntityList& candidates) {
  // One pick at a time: a second client waits for no one.
  if (pick_) return {};
  if (command_ != Command::None) Cancel();
  PickSession session(candidates);
  QEventLoop loop;
  pick_ = &session;
  pickLoop_ = &loop;
  canvas_.SetSelection({});
  Say(
      tr("Программа просит выбрать объекты. Enter или правая кнопка - готово, "
         "Esc - отмена."));
  Show();
  loop.exec();
  pick_ = nullptr;
  pickLoop_ = nullptr;
  canvas_.SetSelection(selection_);
  Say(session.Picked().empty() ? tr("Выбор отменён.")
                               : tr("Выбрано объектов: %1").arg(session.Picked().size()));
  Show();
  return session.Picked();
}

}  // namespace trellis::cadhost
