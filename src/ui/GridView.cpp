#include "ui/GridView.h"

#include "tables/Grid.h"
#include "ui/GridCellDelegate.h"
#include "ui/GridTableModel.h"
#include "ui/Twips.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

namespace trellis {

GridView::GridView(Grid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new GridTableModel(grid, this)) {
  setModel(model_);
  setItemDelegate(new GridCellDelegate(this));
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setTextElideMode(Qt::ElideRight);
  setIconSize(QSize(16, 16));
  const qreal dpi = logicalDpiY();
  // Fixed row heights let the view place 100,000 rows without measuring them.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(TwipsToPixels(Grid::kMinRowHeightTwips, dpi));
  verticalHeader()->setMinimumSectionSize(TwipsToPixels(Grid::kMinRowHeightTwips, dpi));
  verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);

  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
    if (!applying_) Q_EMIT ColumnWidened(column + 1, PixelsToTwips(width, logicalDpiX()));
  });
  connect(&grid_, &Grid::ViewChanged, this, &GridView::ApplyViewState);
  connect(model_, &QAbstractItemModel::modelReset, this, &GridView::ApplyViewState);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &GridView::TakeUserSelection);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &GridView::TakeUserSelection);
  ApplyViewState();
}

QRect GridView::CellRect(int row, int column) const {
  const QRect cell = visualRect(model_->index(row - 1, column - 1));
  return cell.translated(viewport()->pos());
}

void GridView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  const int rowHeight = qMax(verticalHeader()->defaultSectionSize(), 1);
  grid_.SetVisibleRows(viewport()->height() / rowHeight);
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if (keyHandler_ && keyHandler_(event)) return;
  QTableView::keyPressEvent(event);
}

void GridView::mousePressEvent(QMouseEvent* event) {
  leftPressed_ = event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()) : QModelIndex();
  QTableView::mousePressEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = event->button() == Qt::LeftButton && leftPressed_.isValid() &&
                     indexAt(event->position().toPoint()) == leftPressed_;
  leftPressed_ = QModelIndex();
  QTableView::mouseReleaseEvent(event);
  if (click) Q_EMIT CellClicked();
}

void GridView::ApplyColumnWidths() {
  const qreal dpi = logicalDpiX();
  verticalHeader()->setFixedWidth(TwipsToPixels(grid_.ColumnWidth(0), dpi));
  for (int k = 1; k <= grid_.Cols(); ++k) {
    const int twips = grid_.ColumnWidth(k);
    setColumnHidden(k - 1, twips == 0);
    if (twips > 0) setColumnWidth(k - 1, TwipsToPixels(twips, dpi));
  }
}

void GridView::ApplyViewState() {
  if (applying_) return;
  applying_ = true;
  setVisible(grid_.Visible());
  setEnabled(grid_.Enabled());
  ApplyColumnWidths();
  if (grid_.Rows() >= 1 && grid_.Cols() >= 1 && model_->rowCount() == grid_.Rows()) {
    const QModelIndex current = model_->index(grid_.Row() - 1, grid_.Col() - 1);
    const QItemSelection range(model_->index(qMin(grid_.Row(), grid_.RowSel()) - 1,
                                             qMin(grid_.Col(), grid_.ColSel()) - 1),
                               model_->index(qMax(grid_.Row(), grid_.RowSel()) - 1,
                                             qMax(grid_.Col(), grid_.ColSel()) - 1));
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
    verticalScrollBar()->setValue(grid_.TopRow() - 1);
  }
  applying_ = false;
}

void GridView::TakeUserSelection() {
  if (applying_) return;
  const QModelIndex current = selectionModel()->currentIndex();
  if (!current.isValid()) return;
  // The selection end is the corner of the selected block away from the current cell; the
  // block is read from its ranges, never cell by cell (a whole table may be selected).
  int rowSel = current.row(), colSel = current.column();
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (const int row : {range.top(), range.bottom()}) {
      if (qAbs(row - current.row()) > qAbs(rowSel - current.row())) rowSel = row;
    }
    for (const int column : {range.left(), range.right()}) {
      if (qAbs(column - current.column()) > qAbs(colSel - current.column())) colSel = column;
    }
  }
  applying_ = true;
  grid_.SetSelection(current.row() + 1, current.column() + 1, rowSel + 1, colSel + 1);
  applying_ = false;
  Q_EMIT UserSelectionChanged();
}

bool GridView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
  // A cell's problem, else its whole text when the column cuts it.
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  QString tip = index.data(Qt::ToolTipRole).toString();
  if (tip.isEmpty() && index.isValid()) {
    const QString text = grid_.Data().Cell(index.row() + 1, index.column() + 1);
    const int room = visualRect(index).width() - 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 2;
    if (fontMetrics().horizontalAdvance(text) > room) tip = text;
  }
  if (tip.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
  }
  return true;
}

}  // namespace trellis
