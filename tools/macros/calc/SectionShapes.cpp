#include "macros/calc/SectionShapes.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trellis::macros::calc {

namespace {

constexpr double kPi = std::numbers::pi;

// Saint-Venant's torsion constant of a solid rectangle (Roark's series, within 0.5 %).
double RectangleTorsion(double a, double b) {
  const double wide = std::max(a, b);
  const double thin = std::min(a, b);
  const double r = thin / wide;
  return wide * std::pow(thin, 3) * (1.0 / 3 - 0.21 * r * (1 - std::pow(r, 4) / 12));
}

}  // namespace

SectionOrReason MakeSection(const QString& shape, double width, double height, double wall) {
  SectionOrReason made;
  Section& s = made.section;
  if (shape == QStringLiteral("Прямоугольник")) {
    if (width <= 0 || height <= 0) {
      made.reason = QCoreApplication::translate(
          "SectionShapes", "У прямоугольного сечения должны быть заданы B и H.");
      return made;
    }
    s.shape = Section::Shape::Rectangle;
    s.width = width;
    s.height = height;
    s.area = width * height;
    s.iy = width * std::pow(height, 3) / 12;
    s.iz = height * std::pow(width, 3) / 12;
    s.torsion = RectangleTorsion(width, height);
    return made;
  }
  if (shape == QStringLiteral("Круг") || shape == QStringLiteral("Кольцо")) {
    const bool ring = shape == QStringLiteral("Кольцо");
    if (width <= 0 || (ring && (wall <= 0 || 2 * wall >= width))) {
      made.reason =
          ring ? QCoreApplication::translate("SectionShapes",
                                             "У кольца должны быть заданы диаметр B и стенка t, "
                                             "меньшая половины диаметра.")
               : QCoreApplication::translate("SectionShapes",
                                             "У круглого сечения должен быть задан диаметр B.");
      return made;
    }
    s.shape = ring ? Section::Shape::Ring : Section::Shape::Circle;
    s.width = s.height = width;
    s.wall = ring ? wall : 0;
    const double outer = width / 2;
    const double inner = ring ? outer - wall : 0;
    s.area = kPi * (outer * outer - inner * inner);
    s.iy = s.iz = kPi * (std::pow(outer, 4) - std::pow(inner, 4)) / 4;
    s.torsion = 2 * s.iy;
    return made;
  }
  made.reason =
      QCoreApplication::translate(
          "SectionShapes",
          "Сечения формы «%1» пока не рассчитываются: CalculiX строит балки "
          "прямоугольного, круглого и кольцевого сечения.")
          .arg(shape.isEmpty() ? QCoreApplication::translate("SectionShapes", "не задана") : shape);
  return made;
}

}  // namespace trellis::macros::calc
