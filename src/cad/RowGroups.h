#pragma once

#include "cad/CadObjects.h"

#include <QString>

#include <vector>

namespace trellis {

struct CadTableContext;
struct TableContext;

// A row of a CAD-bound table owns the drawing objects of the group "KS_FEM_<Group>_<N>", Group
// being the table's key in Tables.ini and N the row's first cell with at least three digits.
// The binding lives only in the drawing: the name finds the group again.

// The current row's group name; "" unless a bound table is shown with at least two columns,
// one row is selected and its first cell is a number.
QString CurrentRowGroupName(const TableContext& ctx);

// The command "Arrow": the user picks objects in the host, which then make up the whole
// content of the current row's group.
void AssignRegionToRow(CadTableContext& ctx);

// Picks through the table's filter and rebuilds the group Name from the pick. False, with the
// drawing unchanged, when nothing or a service object was picked.
bool AssignSelectionToGroup(CadTableContext& ctx, const QString& name);

// The on-screen pick into the program's selection set, through the table's filter when it has
// one (FilterType codes and FilterData values, separated by "|").
void SelectInCad(CadTableContext& ctx, const QString& filterTypes, const QString& filterData);

// For each source, a new line or point in model space like it, on its layer and in its colour;
// unset for any other kind of object. The calls for all the sources go to the host together
// (the copies are made in the order of Sources).
std::vector<CadEntity> CopyEntities(const CadModelSpace& modelSpace,
                                    const std::vector<CadEntity>& sources);

}  // namespace trellis
