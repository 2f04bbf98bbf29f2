// Text: measuring and drawing a word-wrapped message, as the message box does, and
// drawing a line turned a quarter of a circle, as the tester's vertical strings are.
#include <benchmark/benchmark.h>

#include <memory>

#include "window/platform/draw/canvas.h"
#include "window/platform/draw/draw_text.h"
#include "window/platform/draw/font.h"

namespace {

using namespace qor::ui;

constexpr const char* kMessage =
    "The file could not be saved because the disk is full.\tFree some room on the disk, or "
    "choose another place for it, and then try again. Nothing has been lost: the window "
    "still holds everything you typed.";

DeviceContext Context(int escapement) {
  DeviceContext dc;
  dc.canvas = std::make_shared<Canvas>(400, 300);
  dc.clip = Region(dc.canvas->Bounds());
  dc.backMode = TRANSPARENT;
  dc.font = CreateFontIndirect(LogFont{-11, FW_NORMAL, false, "MS Sans Serif", escapement, 0});
  return dc;
}

void BM_DrawTextMeasureWrapped(benchmark::State& state) {
  DeviceContext dc = Context(0);
  for (auto _ : state) {
    Rect rect{0, 0, 300, 0};
    benchmark::DoNotOptimize(DrawText(&dc, kMessage, &rect, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX));
  }
}
BENCHMARK(BM_DrawTextMeasureWrapped);

void BM_DrawTextDrawWrapped(benchmark::State& state) {
  DeviceContext dc = Context(0);
  for (auto _ : state) {
    Rect rect{10, 10, 310, 200};
    benchmark::DoNotOptimize(DrawText(&dc, kMessage, &rect, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX));
  }
}
BENCHMARK(BM_DrawTextDrawWrapped);

void BM_TextOutTurned(benchmark::State& state) {
  DeviceContext dc = Context(900);
  for (auto _ : state) benchmark::DoNotOptimize(TextOut(&dc, 20, 280, "Written by the tester's authors"));
}
BENCHMARK(BM_TextOutTurned);

}  // namespace

BENCHMARK_MAIN();
