#include "ui/ValueListPopupWindow.h"

#include "tables/GridFilling.h"
#include "tables/ValueListPopup.h"
#include "ui/ApplicationContext.h"
#include "ui/GridView.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace trellis {

ValueListPopupWindow::ValueListPopupWindow(ApplicationContext& app, QWidget* mainWindow, GridView& mainGrid)
    : QWidget(mainWindow, Qt::Popup), app_(app), mainWindow_(mainWindow), mainGrid_(mainGrid) {
  setObjectName(QStringLiteral("frmList"));
  fg2_ = new GridView(app_.tables.popupGrid, this);
  fg2_->setObjectName(QStringLiteral("fg2"));
  fg2_->setSelectionBehavior(QAbstractItemView::SelectRows);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(fg2_);
  fg2_->installEventFilter(this);
  connect(fg2_, &QAbstractItemView::doubleClicked, this, &ValueListPopupWindow::Pick);
}

void ValueListPopupWindow::Open() {
  TableContext ctx = app_.Tables();
  const int x = OpenValueListPopup(ctx);
  const qreal dpi = mainWindow_->logicalDpiX();
  const auto tw = [dpi](int px) { return PixelsToTwips(px, dpi); };
  const auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
  Grid& main = app_.window.fg1;
  const QRect cell = mainGrid_.CellRect(main.Row(), main.Col());
  // The window's frame is measured rather than assumed (the classic 330 twips of caption and
  // 90 of border), so the popup sits right under the cell whatever the frame is.
  const QPoint client = mainWindow_->mapToGlobal(QPoint(0, 0));
  const int top = tw(client.y()) + tw(cell.top()) + tw(mainGrid_.y()) + Grid::kMinRowHeightTwips;
  const int left = tw(client.x()) + x + tw(mainGrid_.x());
  const QRect screen = mainWindow_->screen() ? mainWindow_->screen()->geometry() : QRect(0, 0, 1280, 800);
  const int width = std::min(tw(mainGrid_.width()), tw(screen.right() + 1) - left);
  const int rows = std::min(app_.tables.popupGrid.Rows(), 12);
  const int height = px(Grid::kMinRowHeightTwips) * (rows + 1) + 8;
  setGeometry(px(left), px(top), px(width), height);
  FitValueListColumns(ctx, width);
  show();
  fg2_->setFocus();
  fg1SelectedBmp(main);
}

void ValueListPopupWindow::Pick() {
  TableContext ctx = app_.Tables();
  PickFromValueList(ctx);
  hide();
  app_.hooks.FocusGrid();
}

bool ValueListPopupWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == fg2_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Pick();
      return true;
    }
    if (key == Qt::Key_Escape) {
      hide();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace trellis
