#pragma once

#include <QTableView>

#include <functional>

namespace trellis {

class Grid;
class GridTableModel;

// The table grid on screen: a view of a grid model whose selection, current cell, first
// visible row, column widths, visibility and enabled state follow the model, and whose
// selection changes by the user go back into it.
class GridView : public QTableView {
  Q_OBJECT
 public:
  GridView(Grid& grid, QWidget* parent = nullptr);

  Grid& Model() { return grid_; }
  GridTableModel& TableModel() { return *model_; }
  // Keys go to this handler first; it returns true for the keys it took.
  void SetKeyHandler(std::function<bool(QKeyEvent*)> handler) { keyHandler_ = std::move(handler); }
  // The rectangle of a grid cell (row, column from 1) relative to the grid's own top left,
  // its header included.
  QRect CellRect(int row, int column) const;

 Q_SIGNALS:
  // The user moved the selection (not the program).
  void UserSelectionChanged();
  // A left click released on the cell it was pressed on.
  void CellClicked();
  // The user dragged a column's edge to a new width.
  void ColumnWidened(int column, int twips);

 private:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void ApplyViewState();
  void ApplyColumnWidths();
  void TakeUserSelection();

  Grid& grid_;
  GridTableModel* model_;
  std::function<bool(QKeyEvent*)> keyHandler_;
  bool applying_ = false;
  QPersistentModelIndex leftPressed_;
};

}  // namespace trellis
