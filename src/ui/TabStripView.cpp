#include "ui/TabStripView.h"

#include "tables/TabStrip.h"

#include <QIcon>

namespace trellis {

TabStripView::TabStripView(TabStrip& model, IconSource icons, QWidget* parent)
    : QTabBar(parent), model_(model), icons_(std::move(icons)) {
  setExpanding(false);
  setDrawBase(true);
  setUsesScrollButtons(true);
  setIconSize(QSize(16, 16));
  connect(&model_, &TabStrip::Changed, this, &TabStripView::Sync);
  connect(this, &QTabBar::currentChanged, this, [this](int index) {
    if (syncing_ || index < 0) return;
    model_.Select(index + 1);
    Q_EMIT TabClicked(index + 1);
  });
  Sync();
}

void TabStripView::Sync() {
  syncing_ = true;
  while (count() > model_.Count()) removeTab(count() - 1);
  while (count() < model_.Count()) addTab(QString());
  for (int i = 1; i <= model_.Count(); ++i) {
    const Tab& tab = model_.At(i);
    setTabText(i - 1, tab.caption);
    setTabToolTip(i - 1, tab.tooltip);
    setTabData(i - 1, tab.tag);
    if (icons_) {
      setTabIcon(i - 1, icons_(tab.image));
    } else {
      const QString image = tab.image.isEmpty() ? QString() : model_.Images().value(tab.image);
      setTabIcon(i - 1, image.isEmpty() ? QIcon() : QIcon(image));
    }
  }
  setCurrentIndex(model_.Selected() - 1);
  setEnabled(model_.Enabled());
  syncing_ = false;
}

}  // namespace trellis
