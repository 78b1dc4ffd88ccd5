#pragma once

#include "macros/calc/CalcModel.h"

#include <QString>

namespace trellis::macros::calc {

struct SectionOrReason {
  Section section;
  QString reason;  // why the shape cannot be calculated; "" when it can
};

// A section of the sections table by its shape's name and sizes in metres: a rectangle B × H,
// a circle of diameter B, a ring of outer diameter B and wall t. The shapes the solver cannot
// expand a beam into are refused with the reason.
SectionOrReason MakeSection(const QString& shape, double width, double height, double wall);

}  // namespace trellis::macros::calc
