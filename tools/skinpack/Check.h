#pragma once

#include <filesystem>

// Prints what the engine would make of a skin folder or package, one finding
// a line. Returns 0 without errors, 1 with errors, 2 when the input cannot be
// read.
int CheckSkin(const std::filesystem::path& input);
