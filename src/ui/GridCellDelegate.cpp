#include "ui/GridCellDelegate.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>

namespace trellis {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (!index.data(kMarkCellRole).toBool()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QIcon icon = cell.icon;
  // The cell's background, selection and focus as for any cell, without text or picture.
  cell.text.clear();
  cell.icon = QIcon();
  cell.features &= ~QStyleOptionViewItem::HasDecoration;
  QStyle* style = option.widget ? option.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, option.widget);

  const QSize size = cell.decorationSize;
  const QRect picture(option.rect.left() + (option.rect.width() - size.width()) / 2, option.rect.top() + 1,
                      size.width(), size.height());
  icon.paint(painter, picture, Qt::AlignCenter, (option.state & QStyle::State_Enabled) ? QIcon::Normal : QIcon::Disabled);
}

}  // namespace trellis
