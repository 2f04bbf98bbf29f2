// Repainting a whole window: an 800 by 500 top-level window with 120 button-like children,
// each erased with its class background, given a raised 3-D edge and a one-word label.
// Every turn invalidates the whole tree and pumps the paint messages. Beside it, the
// floor: the same pixels drawn straight into a buffer with FreeType (bare_repaint.h);
// the two must agree pixel for pixel, and the ratio of their times is printed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/bare_repaint.h"
#include "bench/ratio_table.h"

#include "window/platform/core/invalidation.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/edges.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/font_match.h"
#include "window/platform/draw/logical_dpi.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/hosts/headless_host.h"

namespace qor::ui {
namespace {

constexpr int kChildren = 120;
constexpr const char* kLabel = "Shift";

Rect ChildRect(int i) {
  int x = 10 + (i % 10) * 78, y = 10 + (i / 10) * 40;
  return {x, y, x + 72, y + 32};
}

LResult ButtonLikeProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message != WM_PAINT) return DefWindowProc(hwnd, message, wParam, lParam);
  PaintStruct paint;
  Hdc dc = BeginPaint(hwnd, &paint);
  Rect rect = GetClientRect(hwnd);
  DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
  SetBkMode(dc, TRANSPARENT);
  TextOut(dc, rect.left + 4, rect.top + 2, kLabel);
  EndPaint(hwnd, &paint);
  return 0;
}

// The scene our window draws, for the floor: the edge leaves the label 2 pixels in from
// the child's corner, and the label's cell starts 4 right and 2 down from there.
bench::BareScene SceneOfTheWindow() {
  bench::BareScene scene;
  scene.width = 800;
  scene.height = 500;
  scene.face = PixelFromColor(GetSysColor(COLOR_BTNFACE));
  scene.light = PixelFromColor(GetSysColor(COLOR_3DLIGHT));
  scene.darkShadow = PixelFromColor(GetSysColor(COLOR_3DDKSHADOW));
  scene.highlight = PixelFromColor(GetSysColor(COLOR_3DHILIGHT));
  scene.shadow = PixelFromColor(GetSysColor(COLOR_3DSHADOW));
  scene.text = PixelFromColor(RGB(0, 0, 0));
  for (int i = 0; i < kChildren; ++i) {
    Rect r = ChildRect(i);
    scene.children.push_back({r.left, r.top, r.right, r.bottom});
  }
  scene.label = kLabel;
  scene.labelX = 2 + 4;
  scene.labelY = 2 + 2;
  return scene;
}

// The floor draws with the file and pixel size of the default font our contexts use.
bool LoadFloor(bench::BareRepaint& floor) {
  std::optional<FontFile> file = MatchFontFile("System", FW_NORMAL, false);
  unsigned pixels = static_cast<unsigned>(-PointsToHeight(10));
  return file && floor.Load(file->path, pixels, SceneOfTheWindow());
}

// Pixels of the window's canvas that differ from the floor's.
int PixelsUnlikeTheFloor(Hwnd window) {
  bench::BareRepaint floor;
  if (!LoadFloor(floor)) return -1;
  floor.Draw();
  std::shared_ptr<Canvas> canvas = WindowCanvas(window);
  int differing = 0;
  for (int y = 0; y < canvas->Height(); ++y) {
    for (int x = 0; x < canvas->Width(); ++x) differing += canvas->At(x, y) != floor.Pixels()[y * canvas->Width() + x];
  }
  return differing;
}

void BM_RepaintWindowWith120Children(benchmark::State& state) {
  HeadlessHost host;
  WindowClass frame{"BenchFrame", DefWindowProc};
  frame.background = GetSysColorBrush(COLOR_BTNFACE);
  WindowClass button{"BenchButton", ButtonLikeProc};
  button.background = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClass(frame);
  RegisterClass(button);
  Hwnd main = CreateWindow("BenchFrame", "", WS_POPUP | WS_VISIBLE, {0, 0, 800, 500});
  for (int i = 0; i < kChildren; ++i) CreateWindow("BenchButton", "", WS_CHILD | WS_VISIBLE, ChildRect(i), main);
  host.Pump();
  if (int differing = PixelsUnlikeTheFloor(main); differing != 0) {
    state.SkipWithError(("the window differs from the floor in " + std::to_string(differing) + " pixels").c_str());
  }
  for (auto _ : state) {
    InvalidateTree(main);
    host.Pump();
  }
  DestroyWindow(main);
  UnregisterClass("BenchButton");
  UnregisterClass("BenchFrame");
}
BENCHMARK(BM_RepaintWindowWith120Children)->Unit(benchmark::kMicrosecond);

void BM_BareRepaintFloor(benchmark::State& state) {
  bench::BareRepaint floor;
  if (!LoadFloor(floor)) state.SkipWithError("the font file could not be loaded");
  for (auto _ : state) {
    floor.Draw();
    benchmark::DoNotOptimize(floor.Pixels().data());
  }
}
BENCHMARK(BM_BareRepaintFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qor::ui

int main(int argc, char** argv) {
  return qor::bench::RunWithRatios(
      argc, argv, {{"repaint / bare floor", "BM_RepaintWindowWith120Children", "BM_BareRepaintFloor", "<= 2.00"}});
}
