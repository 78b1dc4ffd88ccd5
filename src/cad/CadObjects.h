#pragma once

#include "automation/Dispatch.h"

#include <QString>
#include <QVariant>

#include <array>
#include <vector>

namespace trellis {

// Typed wrappers over the CAD host's objects, called late-bound by member name, so the same
// code drives any host that answers these members. A wrapper of no object is "unset"; every
// call on it, and every failing call, throws AutomationError.

using CadPoint = std::array<double, 3>;

// Coordinates as the hosts exchange them: an array of three numbers. ToCadPoint throws
// AutomationError naming Member for anything else.
CadPoint ToCadPoint(const QVariant& value, const QString& member);
QVariant PointValue(const CadPoint& point);

class CadObject {
 public:
  CadObject() = default;
  explicit CadObject(DispatchRef object) : object_(std::move(object)) {}

  bool IsSet() const { return object_ != nullptr; }
  const DispatchRef& Object() const { return object_; }

 protected:
  QVariant Get(const QString& name) const;
  void Set(const QString& name, const QVariant& value) const;
  QVariant Invoke(const QString& member, QVariantList args = {}) const;
  // The object a member returns; throws AutomationError when it returns none.
  DispatchRef GetObject(const QString& name) const;
  DispatchRef InvokeForObject(const QString& member, QVariantList args) const;

 private:
  Dispatch& Target(const QString& member) const;

  DispatchRef object_;
};

class CadEntity : public CadObject {
 public:
  using CadObject::CadObject;
  QString Layer() const;
  void SetLayer(const QString& layer) const;
  QString ObjectName() const;  // "AcDbLine", "AcDbPoint"
  int Color() const;
  void SetColor(int color) const;
  CadPoint StartPoint() const;
  CadPoint EndPoint() const;
  CadPoint Coordinates() const;
  QString Handle() const;
  void Erase() const;
};

class CadLayer : public CadObject {
 public:
  using CadObject::CadObject;
  QString Name() const;
  QString Handle() const;
  bool LayerOn() const;
  void SetLayerOn(bool on) const;
};

class CadLayers : public CadObject {
 public:
  using CadObject::CadObject;
  CadLayer Add(const QString& name) const;
  CadLayer Item(const QString& name) const;
  int Count() const;
};

class CadGroup : public CadObject {
 public:
  using CadObject::CadObject;
  QString Name() const;
  int Count() const;
  CadEntity Item(int index) const;
  void Delete() const;
  void Highlight(bool on) const;
  void AppendItems(const std::vector<CadEntity>& entities) const;
};

class CadGroups : public CadObject {
 public:
  using CadObject::CadObject;
  int Count() const;
  CadGroup Item(int index) const;  // 0-based
  CadGroup Item(const QString& name) const;
  CadGroup Add(const QString& name) const;
};

class CadSelectionSet : public CadObject {
 public:
  using CadObject::CadObject;
  void Clear() const;
  // Returns when the user has finished picking.
  void SelectOnScreen() const;
  // Filter: group codes and values of equal count.
  void SelectOnScreen(const std::vector<short>& filterTypes, const QVariantList& filterData) const;
  int Count() const;
  CadEntity Item(int index) const;
  void AddItems(const std::vector<CadEntity>& entities) const;
};

class CadSelectionSets : public CadObject {
 public:
  using CadObject::CadObject;
  // Throws when a set of that name exists.
  CadSelectionSet Add(const QString& name) const;
  CadSelectionSet Item(const QString& name) const;
};

class CadModelSpace : public CadObject {
 public:
  using CadObject::CadObject;
  CadEntity AddLine(const CadPoint& start, const CadPoint& end) const;
  CadEntity AddPoint(const CadPoint& point) const;
};

class CadApplication;

class CadDocument : public CadObject {
 public:
  using CadObject::CadObject;
  CadGroups Groups() const;
  CadLayers Layers() const;
  CadSelectionSets SelectionSets() const;
  CadModelSpace ModelSpace() const;
  QVariant GetVariable(const QString& name) const;
  void SetVariable(const QString& name, const QVariant& value) const;
  // 0 the active viewport, 1 all viewports.
  void Regen(int which) const;
  void SendCommand(const QString& text) const;
  void Activate() const;
  qint64 Hwnd() const;
  CadApplication Application() const;
};

class CadApplication : public CadObject {
 public:
  using CadObject::CadObject;
  bool Visible() const;
  void SetVisible(bool visible) const;
  int WindowState() const;
  // 1 normal, 2 minimised, 3 maximised.
  void SetWindowState(int state) const;
  void Update() const;
  QString Caption() const;
  QString Path() const;
  CadDocument ActiveDocument() const;
  QString Name() const;
  void LoadDVB(const QString& path) const;
  void RunMacro(const QString& name) const;
};

}  // namespace trellis
