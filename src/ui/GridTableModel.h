#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

namespace trellis {

class Grid;

// Shows a grid model to a QTableView: only the cells on screen are ever asked for, so a table
// of 100,000 rows costs what is visible. Rows and columns here count from 0 for the data
// cells (the grid's row 1, column 1); the grid's header row and number column are the view's
// headers.
class GridTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GridTableModel(Grid& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // A cell drawn in a signal colour for a moment (the error list points at it); -1 for none.
  void SetFlashCell(int gridRow, int gridColumn);

  // Longer texts are cut on screen, so that a cell holding megabytes still draws at once.
  static constexpr int kShownTextLimit = 2000;

 private:
  QPixmap Picture(const QString& file) const;

  Grid& grid_;
  int rows_ = 0;
  int columns_ = 0;
  int flashRow_ = -1;
  int flashColumn_ = -1;
  mutable QHash<QString, QPixmap> pictures_;
};

}  // namespace trellis
