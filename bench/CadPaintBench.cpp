// Painting the host's canvas with a drawing of 100,000 lines in four colours, into an image
// the size of a large window. A frame after a pan or zoom projects the cached view coordinates
// to the screen and draws them; a frame after a change of view projects the drawing anew; a
// frame for the cursor only copies the last one and draws the overlay.
#include "cad-host/DrawingCanvas.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace trellis::cadhost;

namespace {

class NoPicker : public Picker {
 public:
  EntityList Pick(const EntityList&) override { return {}; }
};

struct Scene {
  NoPicker picker;
  NoWindow view;
  std::shared_ptr<HostApplication> application =
      HostApplication::Create({picker, view}, QStringLiteral("."));
  DrawingCanvas canvas;
  QImage image{1280, 800, QImage::Format_ARGB32_Premultiplied};

  Scene() {
    HostDocument& document = *application->ActiveDocument();
    constexpr int kLines = 100000;
    for (int layer = 0; layer < 4; ++layer) {
      const QString name = QStringLiteral("L%1").arg(layer);
      document.Layers().Add(name)->SetColor(layer + 1);
      document.Variables().Set(QStringLiteral("CLAYER"), name);
      // A 3D lattice of members, as a frame model draws.
      for (int i = layer; i < kLines; i += 4) {
        const double x = i % 50, y = (i / 50) % 40, z = i / 2000;
        const Point3 from{x, y, z};
        const Point3 to = i % 3 == 0 ? Point3{x + 1, y, z}
                                     : i % 3 == 1 ? Point3{x, y + 1, z} : Point3{x, y, z + 1};
        document.ModelSpace().AddLine(from, to);
      }
    }
    canvas.resize(image.size());
    canvas.SetDocument(application->ActiveDocument());
    canvas.SetView(ViewKind::Isometric);
    canvas.render(&image);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_FrameAfterPanOrZoom(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.canvas.SetView(ViewKind::Isometric);
  const QPointF middle(640, 400);
  int step = 0;
  for (auto _ : state) {
    scene.canvas.ZoomAbout(middle, ++step % 2 ? 1.01 : 1 / 1.01);
    scene.canvas.render(&scene.image);
  }
  state.counters["lines"] = 100000;
}
BENCHMARK(BM_FrameAfterPanOrZoom)->Unit(benchmark::kMillisecond);

void BM_FrameAfterChangeOfView(benchmark::State& state) {
  Scene& scene = TheScene();
  int step = 0;
  for (auto _ : state) {
    scene.canvas.SetView(++step % 2 ? ViewKind::Plan : ViewKind::Isometric);
    scene.canvas.render(&scene.image);
  }
}
BENCHMARK(BM_FrameAfterChangeOfView)->Unit(benchmark::kMillisecond);

void BM_FrameForTheCursor(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.canvas.SetView(ViewKind::Isometric);
  scene.canvas.render(&scene.image);
  for (auto _ : state) {
    scene.canvas.update();
    scene.canvas.render(&scene.image);
  }
}
BENCHMARK(BM_FrameForTheCursor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
