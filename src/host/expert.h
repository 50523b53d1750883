// The expert computer level: it sees what the strong level sees (PublicView,
// never a hidden card), infers what each other seat may hold from what it
// picked up, and chooses its draws and discards by sampling the hidden cards
// many times over and playing each choice out in every sample. Laying and
// hitting are the strong level's (there is nothing to weigh: it lays and hits
// as soon as it can).
#pragma once

#include "host/strong.h"

namespace velmora::host {

// Samples of the hidden cards per searched decision. The search is counted
// in samples, never in time, so a seeded game plays the same on any machine.
inline constexpr int kExpertBudget = 200;

// The move for the view's seat, as strongmove answers, with a reason that
// tells what the samples said. The same view and budget give the same move.
StrongMove expertmove(const PublicView& view, int budget = kExpertBudget);

}  // namespace velmora::host
