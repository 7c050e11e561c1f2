#pragma once
// A hole's life during play, one phase a step: 0 is free; a target pops up at 1,
// rises, stands, sinks and leaves the hole free after 13; a hit sends it to 20,
// whose ten splat frames end in the empty hole at 30 and a free hole after 31.
#include <array>

enum class HoleDraw { Nothing, TargetFrame, SplatFrame, EmptyHole };

struct HolePhase {
  HoleDraw draw = HoleDraw::Nothing;
  int frame = 0;  // of the target or splat strip, in the target's row
};

namespace holephase {
constexpr int kFree = 0;
constexpr int kPopped = 1;
constexpr int kLastHittable = 9;  // the first sinking frame after standing
constexpr int kUnhitDone = 13;    // freed at the step that finds it
constexpr int kHit = 20;
constexpr int kLast = 31;  // freed at the step that finds a phase past 30
}  // namespace holephase

// What the playing step draws into a hole that it finds at each phase.
constexpr std::array<HolePhase, holephase::kLast + 1> kHolePhases = {{
    {},                                                                                         // 0 free
    {HoleDraw::TargetFrame, 1}, {HoleDraw::TargetFrame, 2}, {HoleDraw::TargetFrame, 3},         // 1-3 rising
    {HoleDraw::TargetFrame, 4}, {}, {},                                                         // 4-6 standing
    {HoleDraw::TargetFrame, 4}, {HoleDraw::TargetFrame, 3}, {HoleDraw::TargetFrame, 2},         // 7-9 sinking
    {HoleDraw::TargetFrame, 1}, {HoleDraw::TargetFrame, 0}, {}, {},                             // 10-13
    {}, {}, {}, {}, {}, {},                                                                     // 14-19 never
    {HoleDraw::SplatFrame, 0}, {HoleDraw::SplatFrame, 1}, {HoleDraw::SplatFrame, 2},            // 20-22 hit
    {HoleDraw::SplatFrame, 3}, {HoleDraw::SplatFrame, 4}, {HoleDraw::SplatFrame, 5},            // 23-25
    {HoleDraw::SplatFrame, 6}, {HoleDraw::SplatFrame, 7}, {HoleDraw::SplatFrame, 8},            // 26-28
    {HoleDraw::SplatFrame, 9}, {HoleDraw::EmptyHole, 0}, {},                                    // 29-31
}};

constexpr bool isHittable(int phase) { return phase >= holephase::kPopped && phase <= holephase::kLastHittable; }
// The hole is free again after the step that finds this phase.
constexpr bool endsLife(int phase) { return phase == holephase::kUnhitDone || phase >= holephase::kLast; }
