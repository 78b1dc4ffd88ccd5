#pragma once

#include <QStyledItemDelegate>

namespace trellis {

// Draws the grid's cells: check box and option cells show only their picture, centred at the
// top of the cell (their text is there but never seen); other cells as Qt draws them.
class GridCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The model role that is true for a check box or option cell.
  static constexpr int kMarkCellRole = Qt::UserRole + 1;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace trellis
