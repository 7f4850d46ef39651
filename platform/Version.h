#pragma once

// The one definition of the product version; every label and the update
// check read it from here.
namespace Version {
inline constexpr const char* text = "1.131";
inline constexpr double number = 1.131;
}  // namespace Version
