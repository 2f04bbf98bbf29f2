#pragma once
// 3-D edges: the two-pixel borders that make buttons stand out and fields sink in. Each
// edge has an outer and an inner ring, raised (light above and left, dark below and
// right) or sunken (the other way round), in the system's 3-D colours.
#include <cstdint>

#include "window/platform/draw/device_context.h"

namespace qor::ui {

inline constexpr uint32_t BDR_RAISEDOUTER = 0x0001;
inline constexpr uint32_t BDR_SUNKENOUTER = 0x0002;
inline constexpr uint32_t BDR_RAISEDINNER = 0x0004;
inline constexpr uint32_t BDR_SUNKENINNER = 0x0008;
inline constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

inline constexpr uint32_t BF_LEFT = 0x0001;
inline constexpr uint32_t BF_TOP = 0x0002;
inline constexpr uint32_t BF_RIGHT = 0x0004;
inline constexpr uint32_t BF_BOTTOM = 0x0008;
inline constexpr uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr uint32_t BF_MIDDLE = 0x0800;   // fill the inside with the button face
inline constexpr uint32_t BF_ADJUST = 0x2000;   // shrink the rectangle to the inside
inline constexpr uint32_t BF_FLAT = 0x4000;     // a flat border: shadow outside, face inside
inline constexpr uint32_t BF_MONO = 0x8000;     // a one-colour border: window frame, window inside

// Draws the edge along the sides `flags` names. With BF_ADJUST the rectangle is left
// as the area inside the edge. False without a context or rectangle.
bool DrawEdge(Hdc dc, Rect* rect, uint32_t edge, uint32_t flags);

}  // namespace qor::ui
