#include "skin/draw/SwallowedException.h"

#include <windows.h>

#include <exception>
#include <string>

namespace {

std::string CurrentExceptionText() {
  if (!std::current_exception()) return "no exception";
  try {
    throw;
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "an exception that is no std::exception";
  }
}

}  // namespace

void ReportSwallowedException(const char* place) noexcept {
  try {
    const std::string line = "Tapvane skin: " + std::string(place ? place : "?") +
                             " left out a failure: " + CurrentExceptionText() + "\n";
    OutputDebugStringA(line.c_str());
  } catch (...) {
    OutputDebugStringA("Tapvane skin: a failure was left out\n");
  }
}
