#pragma once

#include "macros/calc/CaseResults.h"

#include <QString>

#include <vector>

namespace trellis::macros::calc {

// A page for the browser: for every load case and combination the largest displacement and
// turn with their node, and the largest of each force with its element and place.
QString SummaryHtml(const QString& project, const Model& model,
                    const std::vector<CaseResults>& results);

}  // namespace trellis::macros::calc
