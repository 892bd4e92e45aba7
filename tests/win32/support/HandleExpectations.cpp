#include "tests/win32/support/HandleExpectations.h"

#include <string>

namespace wintest {

::testing::AssertionResult HandlesFlat(const HandleCounts& before, const HandleCounts& after) {
  std::string differences;
  for (std::size_t i = 0; i < kHandleKinds; ++i) {
    const long change = after.live[i] - before.live[i];
    if (change == 0) continue;
    differences += std::string("\n  ") + HandleKindName(static_cast<HandleKind>(i)) + ": " +
                   std::to_string(before.live[i]) + " -> " + std::to_string(after.live[i]) + " (" +
                   (change > 0 ? "+" : "") + std::to_string(change) + ")";
  }
  const auto system = [&](const char* what, DWORD was, DWORD is) {
    if (was != 0 && is > was)
      differences += std::string("\n  ") + what + " (GetGuiResources): " + std::to_string(was) +
                     " -> " + std::to_string(is);
  };
  system("GDI objects", before.gdiObjects, after.gdiObjects);
  system("USER objects", before.userObjects, after.userObjects);
  if (differences.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "live handles changed:" << differences;
}

void ExpectHandlesFlat(const HandleCounts& before, const HandleCounts& after,
                       std::source_location where) {
  const ::testing::AssertionResult flat = HandlesFlat(before, after);
  if (!flat) ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << flat.message();
}

}  // namespace wintest
