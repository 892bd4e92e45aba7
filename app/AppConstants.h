// Fixed texts of the clicker that more than one unit uses.
#pragma once

#include <string_view>

namespace app {

inline constexpr std::string_view kSiteRoot = "http://www.velmora.example/";
inline constexpr std::string_view kSiteHost = "www.velmora.example";
inline constexpr std::string_view kVendorName = "Velmora";
// Start text of the status panel; a stop overwrites it until the mouse
// passes over the settings group box again.
inline constexpr std::string_view kStatusPrefix = "Velmora 为您提供综合免费服务 ";
inline constexpr std::string_view kStoppedText = "已经停止...";
// Every way into the list refuses a coordinate that is no whole number so.
inline constexpr std::string_view kBadCoordinateText = "坐标 X 和 Y 必须是整数.";

}  // namespace app
