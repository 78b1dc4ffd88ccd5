#include "ui/SplashWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace trellis {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      progress_(new QProgressBar(this)),
      animation_(new QTimer(this)) {
  setObjectName(QStringLiteral("frmSplash"));
  setFixedSize(460, 260);

  auto* title = new QLabel(QStringLiteral("Trellis"), this);
  QFont titleFont = title->font();
  titleFont.setPointSize(30);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version = new QLabel(tr("Версия %1").arg(QCoreApplication::applicationVersion()), this);
  auto* purpose = new QLabel(tr("Расчетные модели строительных конструкций"), this);
  auto* link = new QLabel(QStringLiteral("<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\" "
                                         "style=\"color:#cfe3ff\">%1</a>")
                              .arg(tr("Свободная программа, GPL-3.0")),
                          this);
  link->setOpenExternalLinks(true);
  for (QLabel* label : {title, version, purpose, link}) label->setStyleSheet(label == link ? QString() : QStringLiteral("color: white;"));

  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->setFixedHeight(10);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(28, 26, 28, 22);
  layout->addWidget(title);
  layout->addWidget(version);
  layout->addWidget(purpose);
  layout->addStretch();
  layout->addWidget(progress_);
  layout->addWidget(link);

  connect(animation_, &QTimer::timeout, this, [this] {
    progress_->setValue((progress_->value() + 7) % (progress_->maximum() + 1));
  });
  animation_->start(40);
  if (const QScreen* screen = QApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void SplashWindow::Finish() {
  progress_->setValue(progress_->maximum());
  progress_->repaint();
  animation_->stop();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient gradient(0, 0, width(), height());
  gradient.setColorAt(0, QColor(0x1F, 0x3A, 0x5F));
  gradient.setColorAt(1, QColor(0x2E, 0x6D, 0xA4));
  p.fillRect(rect(), gradient);
  // A truss outline as the program's mark.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255, 70), 2));
  const int base = height() - 70, top = base - 70, left = width() - 230;
  for (int i = 0; i < 4; ++i) {
    const int x = left + i * 50;
    p.drawLine(x, base, x + 50, base);
    p.drawLine(x, top, x + 50, top);
    p.drawLine(x, base, x, top);
    p.drawLine(i % 2 ? x : x + 50, base, i % 2 ? x + 50 : x, top);
  }
  p.drawLine(left + 200, base, left + 200, top);
}

}  // namespace trellis
