#pragma once

#include "automation/MemberTable.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace trellis::cadhost {

class HostDocument;

using Point3 = std::array<double, 3>;

// An object of model space: a line or a point, on a layer, with a colour (an index of the
// CAD colour table, 256 meaning the layer's colour). An erased entity answers every call with
// an error, as the CAD hosts do.
class HostEntity : public Dispatch {
 public:
  enum class Kind { Line, Point };
  static constexpr int kByLayer = 256;

  HostEntity(std::weak_ptr<HostDocument> document, QString handle, QString layer);

  virtual Kind KindOf() const = 0;
  // The type name the selection filters use ("LINE", "POINT").
  virtual QString TypeName() const = 0;

  const QString& Handle() const { return handle_; }
  const QString& Layer() const { return layer_; }
  int Color() const { return color_; }
  bool Erased() const { return erased_; }

  void SetLayer(const QString& name);
  void SetColor(int color);
  void Erase();

  void EnsureUsable(const QString& member) const;

 protected:
  std::shared_ptr<HostDocument> Document(const QString& member) const;
  // The members every entity has, added to a kind's own table.
  template <typename Entity>
  static void AddCommonMembers(MemberTable<Entity>& table);

 private:
  std::weak_ptr<HostDocument> document_;
  QString handle_;
  QString layer_;
  int color_ = kByLayer;
  bool erased_ = false;
};

class HostLine : public TableDispatch<HostLine, HostEntity> {
 public:
  HostLine(std::weak_ptr<HostDocument> document, QString handle, QString layer, Point3 start,
           Point3 end);
  static const MemberTable<HostLine>& Members();

  Kind KindOf() const override { return Kind::Line; }
  QString TypeName() const override { return QStringLiteral("LINE"); }

  Point3 start;
  Point3 end;
};

class HostPoint : public TableDispatch<HostPoint, HostEntity> {
 public:
  HostPoint(std::weak_ptr<HostDocument> document, QString handle, QString layer, Point3 position);
  static const MemberTable<HostPoint>& Members();

  Kind KindOf() const override { return Kind::Point; }
  QString TypeName() const override { return QStringLiteral("POINT"); }

  Point3 position;
};

// Coordinates as the hosts exchange them: an array of three numbers.
QVariant PointValue(const Point3& point);
// Appends the entities List does not hold yet, in order.
void AppendMissing(std::vector<std::shared_ptr<HostEntity>>& list,
                   const std::vector<std::shared_ptr<HostEntity>>& entities);
// The entities of an array argument; each must be a live object of the drawing.
std::vector<std::shared_ptr<HostEntity>> ToEntities(const QVariant& value, const QString& member);
Point3 ToPoint(const QVariant& value, const QString& member);

}  // namespace trellis::cadhost
