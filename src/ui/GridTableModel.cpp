#include "ui/GridTableModel.h"

#include "tables/Grid.h"
#include "ui/GridCellDelegate.h"
#include "ui/ToolbarIcons.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QIcon>

namespace trellis {

GridTableModel::GridTableModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.Rows()), columns_(grid.Cols()) {
  connect(&grid_, &Grid::Reset, this, [this] {
    beginResetModel();
    rows_ = grid_.Rows();
    columns_ = grid_.Cols();
    endResetModel();
  });
  connect(&grid_, &Grid::CellsChanged, this, [this](int r1, int c1, int r2, int c2) {
    if (rows_ != grid_.Rows() || columns_ != grid_.Cols()) {
      beginResetModel();
      rows_ = grid_.Rows();
      columns_ = grid_.Cols();
      endResetModel();
      return;
    }
    const int top = qBound(0, r1 - 1, rows_ - 1), bottom = qBound(0, r2 - 1, rows_ - 1);
    const int left = qBound(0, c1 - 1, columns_ - 1), right = qBound(0, c2 - 1, columns_ - 1);
    if (rows_ > 0 && columns_ > 0) Q_EMIT dataChanged(index(top, left), index(bottom, right));
  });
  connect(&grid_, &Grid::ViewChanged, this, [this] {
    if (columns_ > 0) Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  });
}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QPixmap GridTableModel::Picture(const QString& file) const {
  auto it = pictures_.constFind(file);
  if (it == pictures_.cend()) it = pictures_.insert(file, QPixmap(file));
  return *it;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ || index.column() >= columns_) return {};
  const int row = index.row() + 1;
  const int column = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
      QString text = grid_.Data().Cell(row, column);
      if (text.size() > kShownTextLimit) text = text.left(kShownTextLimit) + QChar(0x2026);
      return text;
    }
    case Qt::DecorationRole: {
      const CellPicture picture = grid_.PictureOf(row, column);
      switch (picture.kind) {
        case CellPictureKind::None: return {};
        case CellPictureKind::CheckSet: return CheckCellIcon(true);
        case CellPictureKind::CheckClear: return CheckCellIcon(false);
        case CellPictureKind::OptionSet: return OptionCellIcon(true);
        case CellPictureKind::OptionClear: return OptionCellIcon(false);
        case CellPictureKind::File: {
          const QPixmap pixmap = Picture(picture.file);
          return pixmap.isNull() ? QVariant() : QVariant(pixmap);
        }
      }
      return {};
    }
    case GridCellDelegate::kMarkCellRole:
      return grid_.IsMarkCell(row, column);
    case Qt::BackgroundRole:
      // Colour 12 of the 16-colour palette: light red.
      if (row == flashRow_ && column == flashColumn_) return QColor(0xFF, 0x00, 0x00);
      // A value that does not fit its column: pale red, like a spreadsheet's invalid data.
      if (!grid_.ValueProblemOf(row, column).isEmpty()) return QColor(0xFF, 0xCD, 0xD2);
      return {};
    case Qt::ToolTipRole: {
      const QString problem = grid_.ValueProblemOf(row, column);
      return problem.isEmpty() ? QVariant() : QVariant(problem);
    }
    case Qt::TextAlignmentRole:
      return int(Qt::AlignLeft | Qt::AlignTop);
    default:
      return {};
  }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role == Qt::DisplayRole) return QString::number(section + 1);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignTop);
    return {};
  }
  const int column = section + 1;
  if (column > columns_) return {};
  switch (role) {
    case Qt::DisplayRole: return grid_.Data().Header(column);
    case Qt::ToolTipRole: return grid_.Data().Header(column).trimmed();
    case Qt::TextAlignmentRole: return int(Qt::AlignLeft | Qt::AlignTop);
    case Qt::DecorationRole: {
      const QString icon = grid_.HeaderIcon(column);
      return icon.isEmpty() ? QVariant() : QVariant(Picture(icon));
    }
    case Qt::FontRole: {
      const HeaderStyle style = grid_.HeaderStyleOf(column);
      QFont font = QApplication::font();
      font.setBold(style.bold);
      font.setUnderline(style.underline);
      return font;
    }
    case Qt::ForegroundRole: return QColor(QRgb(grid_.HeaderStyleOf(column).rgb));
    default: return {};
  }
}

void GridTableModel::SetFlashCell(int gridRow, int gridColumn) {
  const int oldRow = flashRow_, oldColumn = flashColumn_;
  flashRow_ = gridRow;
  flashColumn_ = gridColumn;
  for (const auto& [r, c] : {std::pair{oldRow, oldColumn}, std::pair{gridRow, gridColumn}}) {
    if (r >= 1 && r <= rows_ && c >= 1 && c <= columns_) {
      Q_EMIT dataChanged(index(r - 1, c - 1), index(r - 1, c - 1), {Qt::BackgroundRole});
    }
  }
}

}  // namespace trellis
