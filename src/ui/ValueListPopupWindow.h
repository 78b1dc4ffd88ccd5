#pragma once

#include <QWidget>

namespace trellis {

class ApplicationContext;
class GridView;

// frmList: the rows of the edited column's source table, shown just below the cell. Enter or a
// double-click copies the chosen row into the edited row; Escape or a click elsewhere closes
// it without a change.
class ValueListPopupWindow : public QWidget {
  Q_OBJECT
 public:
  ValueListPopupWindow(ApplicationContext& app, QWidget* mainWindow, GridView& mainGrid);

  void Open();
  void Pick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ApplicationContext& app_;
  QWidget* mainWindow_;
  GridView& mainGrid_;
  GridView* fg2_;
};

}  // namespace trellis
