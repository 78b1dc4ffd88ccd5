#pragma once

#include "automation/MemberTable.h"

#include <QPointer>

namespace trellis {

class CadTableLink;
class MainWindow;

// The main window as macros see it (their fourth argument): its caption, and ShowSelect, the
// window's public operation that marks the current row's group in the drawing.
class MainWindowObject : public TableDispatch<MainWindowObject> {
 public:
  MainWindowObject(MainWindow* window, CadTableLink& cad) : window_(window), cad_(cad) {}
  static const MemberTable<MainWindowObject>& Members();
  void EnsureUsable(const QString& member) const;

 private:
  QPointer<MainWindow> window_;
  CadTableLink& cad_;
};

}  // namespace trellis
