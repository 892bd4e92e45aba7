// The class-to-kind rows a new skin data component starts with: control
// classes of other control libraries mapped to the skin kind that draws them.
#pragma once

#include <span>
#include <string_view>

inline constexpr int kSkin3rdDefaultCount = 118;

// Each row is "ClassName=kind", in the order they are added to the list.
std::span<const std::string_view> Skin3rdDefaultRows();
