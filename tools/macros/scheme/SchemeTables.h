#pragma once

#include "macros/ProjectTables.h"
#include "macros/scheme/Scheme.h"

#include <QHash>

namespace trellis::macros {

// The scheme as the geometry tables hold it: main nodes (number, X, Y, Z, node group), all
// nodes (number, X, Y, Z, main node) and elements (number, node 1, node 2, element group and
// its name). GroupNames gives each element group's name by its number.
std::vector<std::pair<QString, TableRows>> SchemeTables(const Scheme& scheme, ProjectTables& tables,
                                                        const QHash<QString, QString>& groupNames);

}  // namespace trellis::macros
