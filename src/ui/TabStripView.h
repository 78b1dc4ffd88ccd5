#pragma once

#include <QIcon>
#include <QTabBar>

#include <functional>

namespace trellis {

class TabStrip;

// A tab bar that mirrors a tab strip model; a tab chosen by the user comes out as its
// position (from 1) after the model has selected it.
class TabStripView : public QTabBar {
  Q_OBJECT
 public:
  // Tab pictures come from the strip's image list, or from Icons when it is given.
  using IconSource = std::function<QIcon(const QString& imageKey)>;
  explicit TabStripView(TabStrip& model, IconSource icons = nullptr, QWidget* parent = nullptr);

 Q_SIGNALS:
  void TabClicked(int position);

 private:
  void Sync();

  TabStrip& model_;
  IconSource icons_;
  bool syncing_ = false;
};

}  // namespace trellis
