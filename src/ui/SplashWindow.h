#pragma once

#include <QWidget>

class QProgressBar;
class QTimer;

namespace trellis {

// frmSplash: the program title with its version, a progress bar that moves while the main
// window loads, and a link to the maker's page.
class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  // Fills the bar and stops its animation.
  void Finish();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QProgressBar* progress_;
  QTimer* animation_;
};

}  // namespace trellis
