#include "ui/ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace trellis {
namespace {

const QColor kInk(0x37, 0x47, 0x4F);
const QColor kBlue(0x1E, 0x88, 0xE5);
const QColor kGreen(0x2E, 0x9D, 0x48);
const QColor kRed(0xD8, 0x3B, 0x36);
const QColor kAmber(0xF0, 0x9A, 0x1A);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kShade(0xCF, 0xD8, 0xDC);

using Drawing = std::function<void(QPainter&)>;

// Draws a 32 x 32 design at any size.
class VectorIconEngine : public QIconEngine {
 public:
  explicit VectorIconEngine(Drawing draw) : draw_(std::move(draw)) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    const qreal scale = qMin(rect.width(), rect.height()) / 32.0;
    painter->scale(scale, scale);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    draw_(*painter);
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(&p, QRect(QPoint(0, 0), size), mode, state);
    return pm;
  }
  QIconEngine* clone() const override { return new VectorIconEngine(draw_); }

 private:
  Drawing draw_;
};

QPen Pen(const QColor& c, qreal w = 2.0) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Page(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
  QPainterPath path;
  path.moveTo(x, y);
  path.lineTo(x + w - 6, y);
  path.lineTo(x + w, y + 6);
  path.lineTo(x + w, y + h);
  path.lineTo(x, y + h);
  path.closeSubpath();
  p.setPen(Pen(kInk));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(x + w - 6, y), QPointF(x + w - 6, y + 6));
  p.drawLine(QPointF(x + w - 6, y + 6), QPointF(x + w, y + 6));
}

void Badge(QPainter& p, const QColor& c, bool plus) {
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawEllipse(QPointF(24, 24), 7, 7);
  p.setPen(Pen(kPaper, 2.5));
  p.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
  if (plus) p.drawLine(QPointF(24, 20.5), QPointF(24, 27.5));
}

void Rows(QPainter& p) {
  p.setPen(Pen(kInk));
  p.setBrush(kPaper);
  p.drawRect(QRectF(3, 5, 22, 18));
  p.setBrush(kShade);
  p.drawRect(QRectF(3, 5, 22, 5));
  p.drawLine(QPointF(3, 16), QPointF(25, 16));
  p.drawLine(QPointF(11, 5), QPointF(11, 23));
}

void Folder(QPainter& p) {
  QPainterPath back;
  back.moveTo(3, 8);
  back.lineTo(12, 8);
  back.lineTo(15, 11);
  back.lineTo(28, 11);
  back.lineTo(28, 26);
  back.lineTo(3, 26);
  back.closeSubpath();
  p.setPen(Pen(kInk));
  p.setBrush(kAmber.darker(115));
  p.drawPath(back);
  QPainterPath front;
  front.moveTo(6, 15);
  front.lineTo(31, 15);
  front.lineTo(28, 26);
  front.lineTo(3, 26);
  front.closeSubpath();
  p.setBrush(kAmber);
  p.drawPath(front);
}

void Floppy(QPainter& p) {
  p.setPen(Pen(kInk));
  p.setBrush(kBlue);
  QPainterPath body;
  body.moveTo(4, 4);
  body.lineTo(24, 4);
  body.lineTo(28, 8);
  body.lineTo(28, 28);
  body.lineTo(4, 28);
  body.closeSubpath();
  p.drawPath(body);
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 4, 13, 8));
  p.drawRect(QRectF(8, 17, 16, 11));
  p.setBrush(kInk);
  p.drawRect(QRectF(17, 6, 3, 4));
}

void Pencil(QPainter& p) {
  p.setPen(Pen(kInk));
  p.setBrush(kAmber);
  QPainterPath body;
  body.moveTo(22, 4);
  body.lineTo(28, 10);
  body.lineTo(12, 26);
  body.lineTo(6, 20);
  body.closeSubpath();
  p.drawPath(body);
  p.setBrush(kPaper);
  QPainterPath tip;
  tip.moveTo(6, 20);
  tip.lineTo(12, 26);
  tip.lineTo(4, 28);
  tip.closeSubpath();
  p.drawPath(tip);
}

void Sort(QPainter& p) {
  p.setPen(Pen(kInk, 2.5));
  p.drawLine(QPointF(9, 5), QPointF(9, 26));
  p.drawLine(QPointF(4, 21), QPointF(9, 26));
  p.drawLine(QPointF(14, 21), QPointF(9, 26));
  p.setPen(Pen(kBlue, 3));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(17, 7 + i * 6), QPointF(20 + i * 3, 7 + i * 6));
}

void Cursor(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(7, 3);
  arrow.lineTo(7, 25);
  arrow.lineTo(12.5, 20);
  arrow.lineTo(16.5, 28.5);
  arrow.lineTo(20.5, 26.5);
  arrow.lineTo(16.5, 18.5);
  arrow.lineTo(23.5, 18);
  arrow.closeSubpath();
  p.setPen(Pen(kInk));
  p.setBrush(kPaper);
  p.drawPath(arrow);
  p.setPen(Pen(kBlue, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(19, 3, 10, 8));
}

void Eye(QPainter& p) {
  QPainterPath eye;
  eye.moveTo(2, 16);
  eye.quadTo(16, 2, 30, 16);
  eye.quadTo(16, 30, 2, 16);
  p.setPen(Pen(kInk));
  p.setBrush(kPaper);
  p.drawPath(eye);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(16, 16), 5.5, 5.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(16, 16), 2.2, 2.2);
}

void Copy(QPainter& p) {
  Page(p, 4, 3, 15, 19);
  Page(p, 12, 10, 15, 19);
}

void Scissors(QPainter& p) {
  p.setPen(Pen(kInk, 2.2));
  p.drawLine(QPointF(9, 3), QPointF(21, 20));
  p.drawLine(QPointF(23, 3), QPointF(11, 20));
  p.setBrush(kRed);
  p.drawEllipse(QPointF(9, 24), 4.5, 4.5);
  p.drawEllipse(QPointF(23, 24), 4.5, 4.5);
}

void Clipboard(QPainter& p) {
  p.setPen(Pen(kInk));
  p.setBrush(kAmber.lighter(130));
  p.drawRoundedRect(QRectF(5, 5, 20, 24), 2, 2);
  p.setBrush(kShade);
  p.drawRoundedRect(QRectF(10, 2, 10, 6), 2, 2);
  Page(p, 14, 12, 14, 17);
}

void Calculate(QPainter& p) {
  p.setPen(Pen(kInk));
  p.setBrush(kShade);
  p.drawRoundedRect(QRectF(5, 3, 18, 26), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(8, 6, 12, 5));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) p.drawRect(QRectF(8 + c * 4.5, 14 + r * 4.5, 3, 3));
  p.setBrush(kGreen);
  QPainterPath play;
  play.moveTo(19, 17);
  play.lineTo(31, 24);
  play.lineTo(19, 31);
  play.closeSubpath();
  p.setPen(Pen(kPaper, 1.5));
  p.drawPath(play);
}

void LowerPanes(QPainter& p) {
  p.setPen(Pen(kInk));
  p.setBrush(kPaper);
  p.drawRect(QRectF(3, 4, 26, 24));
  p.setBrush(kBlue.lighter(150));
  p.drawRect(QRectF(3, 18, 26, 10));
  p.setPen(Pen(kBlue, 2.5));
  p.drawLine(QPointF(12, 10), QPointF(16, 14));
  p.drawLine(QPointF(20, 10), QPointF(16, 14));
}

void Gear(QPainter& p) {
  QPainterPath gear;
  const int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    const qreal angle = M_PI * i / teeth;
    const qreal radius = (i % 2) ? 10.5 : 14;
    const QPointF point(16 + radius * qCos(angle), 16 + radius * qSin(angle));
    if (i == 0) gear.moveTo(point); else gear.lineTo(point);
  }
  gear.closeSubpath();
  p.setPen(Pen(kInk, 1.8));
  p.setBrush(kShade);
  p.drawPath(gear);
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
}

void Help(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(16, 16), 14, 14);
  QFont font;
  font.setBold(true);
  font.setPixelSize(20);
  p.setFont(font);
  p.setPen(kPaper);
  p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}

void Warning(QPainter& p) {
  QPainterPath triangle;
  triangle.moveTo(16, 3);
  triangle.lineTo(30, 28);
  triangle.lineTo(2, 28);
  triangle.closeSubpath();
  p.setPen(Pen(kRed.darker(120), 1.5));
  p.setBrush(kRed);
  p.drawPath(triangle);
  p.setPen(Pen(kPaper, 3));
  p.drawLine(QPointF(16, 11), QPointF(16, 19));
  p.drawPoint(QPointF(16, 24));
}

// A curved arrow turning back (undo) or forward (redo).
void TurnArrow(QPainter& p, bool back) {
  if (!back) {
    p.translate(32, 0);
    p.scale(-1, 1);
  }
  QPainterPath arc;
  arc.moveTo(8, 13);
  arc.cubicTo(14, 6, 27, 7, 27, 18);
  arc.cubicTo(27, 24, 22, 27, 16, 27);
  p.setPen(Pen(kBlue, 3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  QPainterPath tip;
  tip.moveTo(3, 8);
  tip.lineTo(13, 8);
  tip.lineTo(5, 18);
  tip.closeSubpath();
  p.setPen(Pen(kBlue, 1.5));
  p.setBrush(kBlue);
  p.drawPath(tip);
}

void Report(QPainter& p) {
  Page(p, 5, 3, 22, 26);
  p.setPen(Pen(kBlue, 1.8));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(9, 11 + i * 4.5), QPointF(22, 11 + i * 4.5));
}

Drawing DrawingFor(const QString& key) {
  if (key == QLatin1String("new")) return [](QPainter& p) { Page(p, 5, 3, 19, 25); Badge(p, kGreen, true); };
  if (key == QLatin1String("open")) return Folder;
  if (key == QLatin1String("save")) return Floppy;
  if (key == QLatin1String("add")) return [](QPainter& p) { Rows(p); Badge(p, kGreen, true); };
  if (key == QLatin1String("del")) return [](QPainter& p) { Rows(p); Badge(p, kRed, false); };
  if (key == QLatin1String("edit")) return Pencil;
  if (key == QLatin1String("sort")) return Sort;
  if (key == QLatin1String("Arrow")) return Cursor;
  if (key == QLatin1String("Show")) return Eye;
  if (key == QLatin1String("copy")) return Copy;
  if (key == QLatin1String("cut")) return Scissors;
  if (key == QLatin1String("paste")) return Clipboard;
  if (key == QLatin1String("undo")) return [](QPainter& p) { TurnArrow(p, true); };
  if (key == QLatin1String("redo")) return [](QPainter& p) { TurnArrow(p, false); };
  if (key == QLatin1String("Ex")) return Calculate;
  if (key == QLatin1String("Down")) return LowerPanes;
  if (key == QLatin1String("prop")) return Gear;
  if (key == QLatin1String("help") || key == QLatin1String("Help")) return Help;
  if (key == QLatin1String("Err")) return Warning;
  if (key == QLatin1String("Report")) return Report;
  return nullptr;
}

QIcon MarkIcon(bool set, bool round) {
  return QIcon(new VectorIconEngine([set, round](QPainter& p) {
    p.setPen(Pen(kInk, 1.6));
    p.setBrush(kPaper);
    if (round) {
      p.drawEllipse(QPointF(16, 16), 11, 11);
      if (set) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(16, 16), 5.5, 5.5);
      }
    } else {
      p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);
      if (set) {
        p.setPen(Pen(kInk, 3.2));
        p.drawLine(QPointF(9, 16), QPointF(14, 21));
        p.drawLine(QPointF(14, 21), QPointF(23, 10));
      }
    }
  }));
}

}  // namespace

QIcon MainToolbarIcon(const QString& imageKey) {
  Drawing draw = DrawingFor(imageKey);
  return draw ? QIcon(new VectorIconEngine(std::move(draw))) : QIcon();
}

QIcon ProgramIcon() {
  // The design of desktop/trellis.svg: a truss on its two supports.
  return QIcon(new VectorIconEngine([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    p.setPen(Pen(kPaper, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5, 9, 22, 14));
    p.drawPolyline(QPolygonF({QPointF(5, 23), QPointF(10.5, 9), QPointF(16, 23), QPointF(21.5, 9), QPointF(27, 23)}));
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    for (const qreal x : {5.0, 27.0}) {
      p.drawPolygon(QPolygonF({QPointF(x - 1.5, 27.5), QPointF(x, 23), QPointF(x + 1.5, 27.5)}));
    }
  }));
}

QIcon CheckCellIcon(bool set) { return MarkIcon(set, false); }
QIcon OptionCellIcon(bool set) { return MarkIcon(set, true); }

}  // namespace trellis
