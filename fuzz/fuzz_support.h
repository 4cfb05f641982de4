#pragma once
// The loaders under the fuzzer talk to no player: the headless host shows nothing
// and answers No.

#include "engine/headless_host.h"

namespace velmora::fuzz {

using NullHost = HeadlessHost;

// A broken promise of a loader: stop here so the fuzzer keeps the input.
inline void Require(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace velmora::fuzz
