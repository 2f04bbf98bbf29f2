#include "window/events/event_codes.h"

#include <array>
#include <cstdio>
#include <utility>

namespace qor::win {
namespace {

constexpr std::array<const char*, 0x1E> kFieldEvents = {
    "Accepted",  "NewSelection", "ScrollUp",    "ScrollDown", "PageUp",       "PageDown",
    "ScrollTop", "ScrollBottom", "Locate",      "MouseUp",    "MouseIn",      "MouseOut",
    "MouseMove", "VBXevent",     "AlertKey",    "PreAlert",   "Dragging",     "Drag",
    "Drop",      "ScrollDrag",   "TabChanging", "Expanding",  "Contracting",  "Expanded",
    "Contracted", "Rejected",    "DroppingDown", "DroppedDown", "ScrollTrack", "ColumnResize"};

constexpr std::pair<uint32_t, const char*> kOtherEvents[] = {
    {event::Selected, "Selected"},       {event::CloseWindow, "CloseWindow"},
    {event::CloseDown, "CloseDown"},     {event::OpenWindow, "OpenWindow"},
    {event::OpenFailed, "OpenFailed"},   {event::LoseFocus, "LoseFocus"},
    {event::GainFocus, "GainFocus"},     {event::Suspend, "Suspend"},
    {event::Resume, "Resume"},           {event::Notify, "Notify"},
    {event::Timer, "Timer"},             {event::DDErequest, "DDErequest"},
    {event::DDEadvise, "DDEadvise"},     {event::DDEdata, "DDEdata"},
    {event::DDEexecute, "DDEexecute"},   {event::DDEpoke, "DDEpoke"},
    {event::DDEclosed, "DDEclosed"},     {event::Move, "Move"},
    {event::Size, "Size"},               {event::Restore, "Restore"},
    {event::Maximize, "Maximize"},       {event::Iconize, "Iconize"},
    {event::Completed, "Completed"},     {event::Moved, "Moved"},
    {event::Sized, "Sized"},             {event::Restored, "Restored"},
    {event::Maximized, "Maximized"},     {event::Iconized, "Iconized"},
    {event::Docked, "Docked"},           {event::UnDocked, "UnDocked"},
    {event::BuildFile, "BuildFile"},     {event::BuildKey, "BuildKey"},
    {event::BuildDone, "BuildDone"}};

const char* KnownName(uint32_t code) {
  if (code >= event::Accepted && code <= event::ColumnResize) return kFieldEvents[code - 1];
  for (const auto& [known, name] : kOtherEvents) {
    if (known == code) return name;
  }
  return nullptr;
}

}  // namespace

std::string EventName(uint32_t code) {
  if (const char* name = KnownName(code)) return std::string("EVENT:") + name;
  char text[24];
  std::snprintf(text, sizeof text, "EVENT:%Xh", code);
  return text;
}

}  // namespace qor::win
