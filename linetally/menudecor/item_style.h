#pragma once
// Copying settings from a template to items by mask: a mask of zero copies everything,
// otherwise each bit selects one setting.
#include <cstdint>

#include "linetally/menudecor/menu_decor_types.h"

namespace lt {

namespace style_mask {
constexpr uint32_t kFont = 0x1;
constexpr uint32_t kNormColor = 0x2;
constexpr uint32_t kSelColor = 0x4;
constexpr uint32_t kTrColor = 0x8;
constexpr uint32_t kTextAlign = 0x20;
constexpr uint32_t kImgSize = 0x40;
constexpr uint32_t kOptions = 0x80;
constexpr uint32_t kAddOptions = 0x100;
constexpr uint32_t kRemoveOptions = 0x200;
constexpr uint32_t kBevelInner = 0x400;
constexpr uint32_t kBevelOuter = 0x800;
constexpr uint32_t kBevelStyle = 0x1000;
constexpr uint32_t kSeparatorText = 0x2000;
}  // namespace style_mask

namespace shadow_mask {
constexpr uint32_t kActive = 0x1;
constexpr uint32_t kColor = 0x2;
constexpr uint32_t kSelColor = 0x4;
constexpr uint32_t kPos = 0x8;
constexpr uint32_t kSelPos = 0x10;
constexpr uint32_t kSize = 0x20;
constexpr uint32_t kSelSize = 0x40;
constexpr uint32_t kOptions = 0x80;
constexpr uint32_t kAddOptions = 0x100;
constexpr uint32_t kRemoveOptions = 0x200;
}  // namespace shadow_mask

// "Add options" adds the template's options to the item's, "remove options" takes them away.
// A zero mask copies all fields outright (the add/remove bits then have nothing left to do).
void CopyItemStyle(const ItemStyle& from, uint32_t mask, ItemStyle& to);
void CopyShadowStyle(const TShadowText& from, uint32_t mask, TShadowText& to);

}  // namespace lt
