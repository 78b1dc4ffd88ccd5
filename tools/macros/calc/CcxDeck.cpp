#include "macros/calc/CcxDeck.h"

#include <QTextStream>

#include <algorithm>
#include <array>

namespace trellis::macros::calc {

namespace {

// A plane frame's bars are kept from shearing by a shear modulus this many times the real one:
// no torsion arises in the plane, so nothing else depends on it.
constexpr double kShearRigidity = 1e4;

QString Number(double value) { return QString::number(value, 'g', 12); }

QString Vector(const Point3& v) {
  return Number(v.x) + QLatin1Char(',') + Number(v.y) + QLatin1Char(',') + Number(v.z);
}

const std::vector<SpanLoad>& NoSpanLoads() {
  static const std::vector<SpanLoad> none;
  return none;
}

}  // namespace

DeckLayout LayOut(const Model& model) {
  DeckLayout layout;
  int next = model.nodeNumbers.empty() ? 1 : model.nodeNumbers.back() + 1;
  const size_t count = model.bars.size();
  layout.innerNodes.assign(count, {0, 0, 0});
  layout.startNode.resize(count);
  layout.endNode.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const Bar& bar = model.bars[i];
    layout.startNode[i] = bar.node1;
    layout.endNode[i] = bar.node2;
    if (PinnedAtBothEnds(bar)) continue;
    for (int& node : layout.innerNodes[i]) node = next++;
    if (bar.hinge1) layout.startNode[i] = next++;
    if (bar.hinge2) layout.endNode[i] = next++;
    if (!bar.hinge1) layout.turns.insert(bar.node1, true);
    if (!bar.hinge2) layout.turns.insert(bar.node2, true);
  }
  return layout;
}

std::vector<FixedState> FixedStates(const Model& model, const LoadCase& loadCase) {
  std::vector<FixedState> states;
  states.reserve(model.bars.size());
  for (int i = 0; i < int(model.bars.size()); ++i) {
    const auto loads = loadCase.spanLoads.constFind(i);
    states.emplace_back(model.bars[size_t(i)],
                        loads == loadCase.spanLoads.cend() ? NoSpanLoads() : *loads,
                        loadCase.heating.value(i));
  }
  return states;
}

namespace {

class DeckWriter {
 public:
  DeckWriter(const Model& model, const DeckLayout& layout)
      : model_(model), layout_(layout), out_(&text_) {}

  QString Write() {
    out_ << "** Written by Trellis for CalculiX: kN, m, kN/m2.\n";
    WriteNodes();
    WriteBars();
    WriteHolding();
    for (const LoadCase& loadCase : model_.cases) WriteStep(loadCase);
    out_.flush();
    return text_;
  }

 private:
  bool HasBeams() const {
    return std::any_of(model_.bars.begin(), model_.bars.end(),
                       [](const Bar& bar) { return !PinnedAtBothEnds(bar); });
  }

  // A load in a held direction goes straight into the support; the solver refuses it there.
  bool Held(int node, int d) const {
    if (!model_.spatial && (d == 1 || d == 3 || d == 5)) return true;
    const auto support = model_.supports.constFind(node);
    return support != model_.supports.cend() && (*support)[size_t(d)];
  }

  // Whether the solver's node turns: the joints a beam holds to, and beams' own nodes.
  bool Turns(int node) const { return node > maxJoint_ || layout_.turns.contains(node); }

  void WriteNodes() {
    out_ << "*NODE,NSET=NALL\n";
    for (int number : model_.nodeNumbers) {
      out_ << number << ',' << Vector(model_.nodes[number]) << '\n';
    }
    maxJoint_ = model_.nodeNumbers.empty() ? 0 : model_.nodeNumbers.back();
    for (size_t i = 0; i < model_.bars.size(); ++i) {
      const Bar& bar = model_.bars[i];
      if (PinnedAtBothEnds(bar)) continue;
      const Point3& from = model_.nodes[bar.node1];
      const Point3& to = model_.nodes[bar.node2];
      for (size_t k = 0; k < 3; ++k) {
        out_ << layout_.innerNodes[i][k] << ',' << Vector(from + (to - from) * (0.25 * double(k + 1)))
             << '\n';
      }
      if (bar.hinge1) out_ << layout_.startNode[i] << ',' << Vector(from) << '\n';
      if (bar.hinge2) out_ << layout_.endNode[i] << ',' << Vector(to) << '\n';
    }
  }

  QString MaterialFor(const Bar& bar) {
    const Material& m = bar.material;
    double shear = m.modulus / (2 * (1 + m.poisson));
    if (!model_.spatial) shear *= kShearRigidity;
    const bool truss = PinnedAtBothEnds(bar);
    const QString key = truss ? QStringLiteral("T") + Number(m.modulus)
                                  : Number(m.modulus) + QLatin1Char('/') + Number(shear);
    if (const auto found = materials_.constFind(key); found != materials_.cend()) return *found;
    const QString name = QStringLiteral("M%1").arg(materials_.size() + 1);
    materials_.insert(key, name);
    out_ << "*MATERIAL,NAME=" << name << '\n';
    if (truss) {
      out_ << "*ELASTIC\n" << Number(m.modulus) << ",0\n";
    } else {
      // No lateral contraction, so the beam expanded into a solid bends as a beam does; the
      // shear modulus stays the material's (or rigid, see above).
      const QString e = Number(m.modulus);
      const QString g = Number(shear);
      out_ << "*ELASTIC,TYPE=ENGINEERING CONSTANTS\n"
           << e << ',' << e << ',' << e << ",0,0,0," << g << ',' << g << '\n'
           << g << ",0\n";
    }
    return name;
  }

  void WriteBars() {
    for (size_t i = 0; i < model_.bars.size(); ++i) {
      const Bar& bar = model_.bars[i];
      const int element = int(i) + 1;
      const QString set = QStringLiteral("E%1").arg(element);
      const QString material = MaterialFor(bar);
      if (PinnedAtBothEnds(bar)) {
        out_ << "*ELEMENT,TYPE=T3D2,ELSET=" << set << '\n'
             << 2 * element - 1 << ',' << bar.node1 << ',' << bar.node2 << '\n'
             << "*SOLID SECTION,ELSET=" << set << ",MATERIAL=" << material << '\n'
             << Number(bar.section.area) << '\n';
        continue;
      }
      // Two halves, numbered 2 × the bar's number − 1 and 2 × it.
      const auto& inner = layout_.innerNodes[i];
      out_ << "*ELEMENT,TYPE=B32R,ELSET=" << set << '\n'
           << 2 * element - 1 << ',' << layout_.startNode[i] << ',' << inner[0] << ',' << inner[1]
           << '\n'
           << 2 * element << ',' << inner[1] << ',' << inner[2] << ',' << layout_.endNode[i] << '\n';
      const Section& s = bar.section;
      out_ << "*BEAM SECTION,ELSET=" << set << ",MATERIAL=" << material;
      switch (s.shape) {
        case Section::Shape::Rectangle:
          out_ << ",SECTION=RECT\n" << Number(s.width) << ',' << Number(s.height) << '\n';
          break;
        case Section::Shape::Circle:
          out_ << ",SECTION=CIRC\n" << Number(s.width / 2) << ',' << Number(s.width / 2) << '\n';
          break;
        case Section::Shape::Ring:
          out_ << ",SECTION=PIPE\n" << Number(s.width / 2) << ',' << Number(s.wall) << '\n';
          break;
      }
      // The section's first direction is the bar's local y, so the solver's second is local z.
      out_ << Vector(bar.axes.y) << '\n';
    }
  }

  void Equation(const std::vector<std::pair<std::pair<int, int>, double>>& terms) {
    out_ << "*EQUATION\n" << terms.size() << '\n';
    for (size_t i = 0; i < terms.size(); ++i) {
      out_ << (i ? "," : "") << terms[i].first.first << ',' << terms[i].first.second << ','
           << Number(terms[i].second);
    }
    out_ << '\n';
  }

  void WriteHolding() {
    QString lines;
    QTextStream holding(&lines);
    for (auto support = model_.supports.cbegin(); support != model_.supports.cend(); ++support) {
      for (int d = 0; d < 6; ++d) {
        if (!support.value()[size_t(d)]) continue;
        if (d >= 3 && !Turns(support.key())) continue;
        holding << support.key() << ',' << d + 1 << ',' << d + 1 << '\n';
      }
    }
    if (!model_.spatial) WritePlaneHolding(holding);
    holding.flush();
    if (!lines.isEmpty()) out_ << "*BOUNDARY\n" << lines;
    WriteHinges();
  }

  // A plane frame stays in the XZ plane and turns about Y only.
  void WritePlaneHolding(QTextStream& holding) {
    auto hold = [this, &holding](int node) {
      holding << node << ",2,2\n";
      if (Turns(node)) holding << node << ",4,4\n" << node << ",6,6\n";
    };
    for (int node : model_.nodeNumbers) hold(node);
    for (size_t i = 0; i < model_.bars.size(); ++i) {
      if (PinnedAtBothEnds(model_.bars[i])) continue;
      for (int node : layout_.innerNodes[i]) hold(node);
      if (model_.bars[i].hinge1) hold(layout_.startNode[i]);
      if (model_.bars[i].hinge2) hold(layout_.endNode[i]);
    }
  }

  // A hinged end's own node goes where the joint goes (a plane frame's is held out of its
  // plane already) and turns freely; the bar's other, rigid end keeps it from spinning.
  void WriteHinges() {
    const std::vector<int> moving = model_.spatial ? std::vector<int>{1, 2, 3} : std::vector<int>{1, 3};
    for (size_t i = 0; i < model_.bars.size(); ++i) {
      const Bar& bar = model_.bars[i];
      if (PinnedAtBothEnds(bar)) continue;
      for (const auto& [own, joint] : {std::pair{layout_.startNode[i], bar.node1},
                                       std::pair{layout_.endNode[i], bar.node2}}) {
        if (own == joint) continue;
        for (int d : moving) Equation({{{own, d}, 1.0}, {{joint, d}, -1.0}});
      }
    }
  }

  void AddLoad(QHash<int, std::array<double, 6>>& loads, int node, const Point3& force,
               const Point3& moment) {
    std::array<double, 6>& at = loads[node];
    at[0] += force.x;
    at[1] += force.y;
    at[2] += force.z;
    at[3] += moment.x;
    at[4] += moment.y;
    at[5] += moment.z;
  }

  void WriteStep(const LoadCase& loadCase) {
    QHash<int, std::array<double, 6>> loads = loadCase.nodeLoads;
    const std::vector<FixedState> states = FixedStates(model_, loadCase);
    for (size_t i = 0; i < model_.bars.size(); ++i) {
      const LocalAxes& axes = model_.bars[i].axes;
      const SectionForces& start = states[i].StartNodeLoad();
      const SectionForces& end = states[i].EndNodeLoad();
      AddLoad(loads, layout_.startNode[i], ToGlobal(axes, start.force),
              ToGlobal(axes, start.moment));
      AddLoad(loads, layout_.endNode[i], ToGlobal(axes, end.force), ToGlobal(axes, end.moment));
    }
    out_ << "** Load case " << loadCase.number << '\n'
         << "*STEP\n*STATIC\n*CLOAD,OP=NEW\n";
    QList<int> nodes = loads.keys();
    std::sort(nodes.begin(), nodes.end());
    for (int node : nodes) {
      const std::array<double, 6>& at = loads[node];
      for (int d = 0; d < 6; ++d) {
        if (at[size_t(d)] == 0 || (d >= 3 && !Turns(node)) || Held(node, d)) continue;
        out_ << node << ',' << d + 1 << ',' << Number(at[size_t(d)]) << '\n';
      }
    }
    out_ << "*NODE FILE,OUTPUT=2D\nU\n";
    if (HasBeams()) out_ << "*EL FILE,SECTION FORCES\nS\n";
    out_ << "*END STEP\n";
  }

  const Model& model_;
  const DeckLayout& layout_;
  QString text_;
  QTextStream out_;
  int maxJoint_ = 0;
  QHash<QString, QString> materials_;
};

}  // namespace

QString WriteDeck(const Model& model, const DeckLayout& layout) {
  return DeckWriter(model, layout).Write();
}

}  // namespace trellis::macros::calc
