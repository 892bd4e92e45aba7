#include "skin/data/SkinImageName.h"

std::string SkinImageEntryName(std::string_view value) {
  const auto slash = value.find_last_of("\\/:");
  const std::string_view name = slash == std::string_view::npos ? value : value.substr(slash + 1);
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos || name.substr(dot) != ".bmp") return {};
  return std::string(name);
}
