// gtest checks on handle counts taken with Snapshot().
#pragma once

#include <gtest/gtest.h>

#include <source_location>

#include "tests/win32/support/HandleCounter.h"

namespace wintest {

// Success when every kind counts the same after as before (and the
// system's own counts, where it answers, did not grow); otherwise the
// per-kind differences.
::testing::AssertionResult HandlesFlat(const HandleCounts& before, const HandleCounts& after);

// Reports the differences as a failure at the caller's line.
void ExpectHandlesFlat(const HandleCounts& before, const HandleCounts& after,
                       std::source_location where = std::source_location::current());

}  // namespace wintest
