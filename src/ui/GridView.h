#pragma once

#include <QTableView>

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

 Q_SIGNALS:
  // The user moved the selection (not the program).
  void UserSelectionChanged();

 private:
  void ApplyViewState();
  void ApplyColumnWidths();
  void TakeUserSelection();

  Grid& grid_;
  GridTableModel* model_;
  bool applying_ = false;
};

}  // namespace trellis
