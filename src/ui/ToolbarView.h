#pragma once

#include <QIcon>
#include <QToolBar>

#include <functional>
#include <vector>

namespace trellis {

class Toolbar;

// A toolbar on screen that mirrors a toolbar model. Clicks come out as positions (from 1):
// the handler updates the model and runs the command.
class ToolbarView : public QToolBar {
  Q_OBJECT
 public:
  using IconSource = std::function<QIcon(const QString& imageKey)>;

  ToolbarView(Toolbar& model, IconSource icons, Qt::Orientation orientation, QWidget* parent = nullptr);

  Toolbar& Model() { return model_; }
  // Large (32) or small (16) pictures.
  void SetLargeImages(bool large);
  bool LargeImages() const { return large_; }
  // The width of one button, in pixels, as laid out.
  int ButtonExtent() const;

 Q_SIGNALS:
  void ButtonClicked(int position);
  void MenuItemClicked(int position, int item);

 private:
  void Sync();
  void Rebuild();
  QString Signature() const;

  Toolbar& model_;
  IconSource icons_;
  bool large_ = false;
  bool rebuildPending_ = false;
  QString builtSignature_;
  std::vector<QAction*> actions_;  // one per model button, in order
};

}  // namespace trellis
