#pragma once

#include "macros/calc/CalcModel.h"
#include "macros/calc/FixedState.h"

#include <QHash>
#include <QString>

#include <array>
#include <vector>

namespace trellis::macros::calc {

// How the model's bars are laid out in the solver's input. A beam is two B32R elements with
// nodes of its own at its quarters and middle: the solver averages section forces over the
// elements sharing a node, so only the middle, shared by the beam's own two halves, gives the
// beam's forces unmixed with its neighbours'. A hinged end has a node of its own that moves
// with the joint but turns freely. A truss bar, and a beam hinged at both ends, is a T3D2
// element between the joints: it passes only axial force, its span loads going to its ends as
// to a simply supported beam's.
struct DeckLayout {
  std::vector<std::array<int, 3>> innerNodes;  // by beam: quarter, middle, three quarters; 0 for a truss
  std::vector<int> startNode;  // by bar: the solver's node at the start (the joint or its own)
  std::vector<int> endNode;
  QHash<int, bool> turns;  // the joints with rotations in the solver (a beam holds to them)
};

DeckLayout LayOut(const Model& model);

// The bars' fixed states for one load case, by bar.
std::vector<FixedState> FixedStates(const Model& model, const LoadCase& loadCase);

// The input deck: the bars, sections and materials, the supports and hinges, and a static step
// for every load case with the node loads and the bars' span loads and heating moved to the
// nodes. Plane frames are held in the XZ plane; their bars do not shear (Euler–Bernoulli),
// while those of a spatial model keep the material's shear modulus for torsion.
QString WriteDeck(const Model& model, const DeckLayout& layout);

}  // namespace trellis::macros::calc
