#pragma once
// Colour values: 32 bits, either RGB with red in the low byte and blue in the third, or
// 0x80000000 plus a system colour index, meaning the user's current colour of that role.
#include <cstdint>
#include <optional>
#include <string>

namespace yb {

using Color = std::uint32_t;

constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color SystemColor(int index) { return kSystemColorFlag | static_cast<Color>(index); }
constexpr bool IsSystemColor(Color color) { return (color & kSystemColorFlag) != 0; }
constexpr int SystemColorIndex(Color color) { return static_cast<int>(color & 0xFFu); }
constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>(red & 0xFF) | (static_cast<Color>(green & 0xFF) << 8) |
         (static_cast<Color>(blue & 0xFF) << 16);
}

// The system colour roles the planner uses.
constexpr Color kSysInactiveCaption = SystemColor(3);
constexpr Color kSysWindow = SystemColor(5);
constexpr Color kSysCaptionText = SystemColor(9);
constexpr Color kSysButtonFace = SystemColor(15);
constexpr Color kSysButtonShadow = SystemColor(16);
constexpr Color kSys3DHighlight = SystemColor(20);
constexpr Color kSys3DLight = SystemColor(22);

// Saved colours are the decimal text of the signed 32-bit number ("65280" for green).
std::string ColorText(Color color);
// Empty unless the text (spaces around it allowed) is a whole number in the signed or
// unsigned 32-bit range.
std::optional<Color> ParseColorText(const std::string& text);

}  // namespace yb
