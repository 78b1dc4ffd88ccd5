#include "ui/ToolbarView.h"

#include "tables/Toolbar.h"

#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace trellis {

ToolbarView::ToolbarView(Toolbar& model, IconSource icons, Qt::Orientation orientation, QWidget* parent)
    : QToolBar(parent), model_(model), icons_(std::move(icons)) {
  setObjectName(model.Name());
  setOrientation(orientation);
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(16, 16));
  connect(&model_, &Toolbar::Changed, this, &ToolbarView::Sync);
  Rebuild();
}

QString ToolbarView::Signature() const {
  QString signature;
  for (int i = 1; i <= model_.Count(); ++i) {
    const ToolButton& b = model_.Button(i);
    signature += b.key + u'\x1f' + QString::number(int(b.style)) + u'\x1f' +
                 QString::number(b.menu.size()) + u'\x1e';
  }
  return signature;
}

void ToolbarView::SetLargeImages(bool large) {
  large_ = large;
  setIconSize(large ? QSize(32, 32) : QSize(16, 16));
  Sync();
}

int ToolbarView::ButtonExtent() const {
  const int icon = iconSize().width();
  return icon + 8;
}

void ToolbarView::Sync() {
  setEnabled(model_.Enabled());
  if (Signature() != builtSignature_) {
    // The buttons changed: they are made anew once control is back in the event loop, so a
    // click handler never deletes the button it runs from.
    if (!rebuildPending_) {
      rebuildPending_ = true;
      QTimer::singleShot(0, this, [this] {
        rebuildPending_ = false;
        Rebuild();
      });
    }
    return;
  }
  bool captions = false;
  for (int i = 1; i <= model_.Count(); ++i) captions = captions || !model_.Button(i).caption.isEmpty();
  setToolButtonStyle(captions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
  for (int i = 1; i <= model_.Count(); ++i) {
    const ToolButton& b = model_.Button(i);
    QAction* action = actions_[size_t(i - 1)];
    if (!action) continue;
    action->setText(b.caption.isEmpty() ? b.tooltip : b.caption);
    action->setIconText(b.caption);
    action->setToolTip(b.tooltip);
    action->setIcon(icons_ ? icons_(b.image) : QIcon());
    action->setEnabled(b.enabled);
    action->setVisible(b.visible);
    if (action->isCheckable()) action->setChecked(b.pressed);
    if (QMenu* menu = action->menu()) {
      const QList<QAction*> items = menu->actions();
      for (qsizetype m = 0; m < items.size() && size_t(m) < b.menu.size(); ++m) {
        items[m]->setText(b.menu[size_t(m)].text);
        items[m]->setVisible(b.menu[size_t(m)].visible);
      }
    }
  }
}

void ToolbarView::Rebuild() {
  clear();
  actions_.clear();
  for (int i = 1; i <= model_.Count(); ++i) {
    const ToolButton& b = model_.Button(i);
    if (b.style == ButtonStyle::Separator) {
      addSeparator();
      actions_.push_back(nullptr);
      continue;
    }
    QAction* action = addAction(QString());
    action->setObjectName(b.key);
    action->setCheckable(b.style == ButtonStyle::Check || b.style == ButtonStyle::ButtonGroup);
    // After the handler the buttons show the model again (a refused group switch included).
    connect(action, &QAction::triggered, this, [this, i] {
      Q_EMIT ButtonClicked(i);
      Sync();
    });
    if (!b.menu.empty()) {
      auto* menu = new QMenu(this);
      for (size_t m = 0; m < b.menu.size(); ++m) {
        QAction* item = menu->addAction(b.menu[m].text);
        item->setObjectName(b.menu[m].key);
        connect(item, &QAction::triggered, this, [this, i, m] { Q_EMIT MenuItemClicked(i, int(m) + 1); });
      }
      action->setMenu(menu);
      if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
      }
    }
    actions_.push_back(action);
  }
  builtSignature_ = Signature();
  Sync();
}

}  // namespace trellis
