#include "linetally/menudecor/menu_decor_win32.h"

#include <commctrl.h>

#include <array>
#include <stdexcept>
#include <utility>

#include "linetally/menudecor/decor_internal_win32.h"
#include "linetally/menudecor/item_style.h"
#include "linetally/menudecor/menu_text.h"

namespace lt {

using namespace gdi;

// One window procedure per live decoration, so each has its own address for the unhooking
// protocol without generating code at run time.
constexpr int kSlotCount = 16;
static std::array<TMenuDecor*, kSlotCount> slotOwners{};

template <int N>
LRESULT CALLBACK DecorSlotProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMenuDecor* decor = slotOwners[N];
  if (!decor) return DefWindowProcA(window, msg, wParam, lParam);
  return decor->WindowProc(msg, wParam, lParam);
}

namespace {

template <size_t... I>
constexpr std::array<WNDPROC, sizeof...(I)> MakeSlotProcs(std::index_sequence<I...>) {
  return {&DecorSlotProc<int(I)>...};
}
constexpr auto kSlotProcs = MakeSlotProcs(std::make_index_sequence<kSlotCount>{});

std::optional<MenuLocation> Search(HMENU menu, UINT_PTR id) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, UINT(i), TRUE, &info)) continue;
    const bool match = info.hSubMenu ? UINT_PTR(info.hSubMenu) == id : info.wID == id;
    if (match) return MenuLocation{menu, i};
    if (info.hSubMenu)
      if (auto inner = Search(info.hSubMenu, id)) return inner;
  }
  return std::nullopt;
}

void CheckIndex(HIMAGELIST list, int index) {
  if (list && index >= ImageList_GetImageCount(list)) throw std::out_of_range("Index out of bounds");
}

constexpr UINT kKeptTypeBits = MFT_MENUBREAK | MFT_MENUBARBREAK | MFT_RADIOCHECK;

}  // namespace

// ---- TMenuDecorItem ----

TMenuDecorItem::TMenuDecorItem(TMenuDecor& parent) : parent(parent) {
  layout.checkMarkWidth = parent.checkMarkWidth;
  barColour = parent.MenuBar.BackFrom();
}

TMenuDecorItem::~TMenuDecorItem() = default;

std::optional<MenuLocation> TMenuDecorItem::Locate() const {
  if (!menu || !IsMenu(menu)) return std::nullopt;
  return Search(menu, menuItem);
}

void TMenuDecorItem::Bind(HMENU newMenu, UINT_PTR newItem) {
  if (menu) parent.RestorePlain(*this);
  menu = newMenu;
  menuItem = newItem;
  caption.clear();
  shortcut.clear();
  if (auto where = Locate()) {
    char text[256] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(where->parent, UINT(where->position), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      caption.assign(1, '-');
    } else {
      CaptionParts parts = SplitMenuText(text);
      caption = std::move(parts.caption);
      shortcut = std::move(parts.shortcut);
    }
  }
  if (parent.active) parent.ApplyOwnerDraw(*this);
}

void TMenuDecorItem::SetPicture(TPicture value) {
  picture = std::move(value);
  if (picture.GetKind() == TPicture::Kind::Bitmap) TrColor = picture.BottomLeftPixel();
}

void TMenuDecorItem::SetImageIndex(int index) {
  if (index < -1) throw std::out_of_range("Index out of bounds");
  if (index >= 0) {
    CheckIndex(parent.images, index);
    CheckIndex(parent.disabledImages, index);
    if (parent.images) SetPicture(TPicture::FromImageList(parent.images, index));
    if (parent.disabledImages) disabledPicture = TPicture::FromImageList(parent.disabledImages, index);
  }
  imageIndex = index;
}

// ---- TMenuDecor ----

TMenuDecor::TMenuDecor(HWND owner) : owner(owner) {
  for (int i = 0; i < kSlotCount && slot < 0; ++i)
    if (!slotOwners[i]) slot = i;
  if (slot < 0) throw std::runtime_error("Too many menu decorations");
  slotOwners[slot] = this;
  ownProc = kSlotProcs[slot];
  checkMarkWidth = GetSystemMetrics(SM_CXMENUCHECK);
  checkImage.Reset(HBITMAP(LoadImageA(GetModuleHandleA(nullptr), "BMP_CHECK", IMAGE_BITMAP, 0, 0, 0)));
  radioImage.Reset(HBITMAP(LoadImageA(GetModuleHandleA(nullptr), "BMP_RADIO", IMAGE_BITMAP, 0, 0, 0)));
  MenuBar.OnChanged = [this] {
    if (showBar) barImage.Reset();  // rebuilt at the next measuring
    for (auto& item : items)
      if (item->Options.Has(TMenuOption::omDrawBarIfNeeded)) item->barColour = MenuBar.BackFrom();
    if (active) Refresh(nullptr, TRefreshAction::RA_REFRESH);
  };
  Hook();
}

TMenuDecor::~TMenuDecor() {
  for (auto& item : items) RestorePlain(*item);
  Unhook();
  slotOwners[slot] = nullptr;
}

TMenuDecorItem& TMenuDecor::AddItem() {
  items.push_back(std::make_unique<TMenuDecorItem>(*this));
  return *items.back();
}

void TMenuDecor::Hook() {
  if (!IsWindow(owner)) return;
  previous = WNDPROC(SetWindowLongPtrA(owner, GWLP_WNDPROC, LONG_PTR(ownProc)));
}

void TMenuDecor::Unhook() {
  if (!previous) return;
  if (IsWindow(owner) &&
      SendMessageA(owner, kUnhookMessage, WPARAM(previous), LPARAM(ownProc)) != 1)
    SetWindowLongPtrA(owner, GWLP_WNDPROC, LONG_PTR(previous));
  previous = nullptr;
}

void TMenuDecor::Rehook() {
  Unhook();
  Hook();
}

void TMenuDecor::SetActive(bool value) {
  active = value;
  Refresh(nullptr, value ? TRefreshAction::RA_REFRESH : TRefreshAction::RA_RESTORE);
}

void TMenuDecor::SetShowBar(bool value) {
  showBar = value;
  if (!value) barImage.Reset();
}

void TMenuDecor::SetHSpace(int value) { hSpace = CheckSpaceInt(value); }
void TMenuDecor::SetVSpace(int value) { vSpace = CheckSpaceInt(value); }

void TMenuDecor::SetImages(HIMAGELIST list) {
  images = list;
  DistributeImages(list, false);
}

void TMenuDecor::SetDisabledImages(HIMAGELIST list) {
  disabledImages = list;
  DistributeImages(list, true);
}

void TMenuDecor::ImagesChanged() {
  DistributeImages(images, false);
  DistributeImages(disabledImages, true);
}

void TMenuDecor::DistributeImages(HIMAGELIST list, bool disabled) {
  for (auto& item : items) (disabled ? item->disabledPicture : item->picture) = TPicture();
  if (!list) return;
  const int count = ImageList_GetImageCount(list);
  int next = 0;
  for (auto& item : items) {
    if (item->caption == "-") continue;
    if (next >= count) break;
    TPicture picture = TPicture::FromImageList(list, next++);
    if (disabled) item->disabledPicture = std::move(picture);
    else item->SetPicture(std::move(picture));
  }
}

void TMenuDecor::Refresh(TMenuDecorItem* target, TRefreshAction action) {
  auto each = [&](auto&& apply) {
    if (target) apply(*target);
    else for (auto& item : items) apply(*item);
  };
  switch (action) {
    case TRefreshAction::RA_NONE: break;
    case TRefreshAction::RA_REFRESH: each([this](TMenuDecorItem& i) { ApplyOwnerDraw(i); }); break;
    case TRefreshAction::RA_REFRESHWITHBAR:
      each([this](TMenuDecorItem& i) { ApplyOwnerDraw(i); });
      DrawMenuBar(owner);
      break;
    case TRefreshAction::RA_RESTORE: each([this](TMenuDecorItem& i) { RestorePlain(i); }); break;
  }
}

void TMenuDecor::ApplyItemsStyle(const ItemStyle& from, uint32_t mask) {
  for (auto& item : items) CopyItemStyle(from, mask, *item);
  if (active) Refresh(nullptr, TRefreshAction::RA_REFRESH);
}

void TMenuDecor::ApplyShadowStyle(const TShadowText& from, uint32_t mask) {
  for (auto& item : items) CopyShadowStyle(from, mask, item->Shadow);
  if (active) Refresh(nullptr, TRefreshAction::RA_REFRESH);
}

void TMenuDecor::ApplyOwnerDraw(TMenuDecorItem& item) {
  if (!item.menu || !item.menuItem) return;
  if (item.Options.Has(TMenuOption::omAlwaysDefFont)) {
    const Colour keep = item.Font.Color;
    item.Font = SystemMenuFont();
    item.Font.Color = keep;
  } else if (item.Options.Has(TMenuOption::omAlwaysDefFontSize)) {
    item.Font.Height = SystemMenuFont().Height;
  }
  const auto where = item.Locate();
  if (!where) return;
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(where->parent, UINT(where->position), TRUE, &info);
  info.fMask = MIIM_FTYPE | MIIM_DATA;
  info.fType = (info.fType & kKeptTypeBits) | MFT_OWNERDRAW | (item.caption == "-" ? MFT_SEPARATOR : 0);
  info.dwItemData = ULONG_PTR(&item);
  SetMenuItemInfoA(where->parent, UINT(where->position), TRUE, &info);
}

void TMenuDecor::RestorePlain(TMenuDecorItem& item) {
  const auto where = item.Locate();
  if (!where) return;
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(where->parent, UINT(where->position), TRUE, &info);
  if (!(info.fType & MFT_OWNERDRAW)) return;
  std::string text = JoinMenuText({item.caption, item.shortcut});
  info.fMask = MIIM_FTYPE | MIIM_DATA;
  info.fType = info.fType & kKeptTypeBits;
  if (item.caption == "-") {
    info.fType |= MFT_SEPARATOR;
  } else {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  info.dwItemData = 0;
  SetMenuItemInfoA(where->parent, UINT(where->position), TRUE, &info);
}

TMenuDecorItem* TMenuDecor::FindByData(ULONG_PTR data) const {
  for (auto& item : items)
    if (ULONG_PTR(item.get()) == data) return item.get();
  return nullptr;
}

TMenuDecorItem* TMenuDecor::FindByCommand(UINT_PTR id) const {
  for (auto& item : items)
    if (item->menu && item->menuItem == id) return item.get();
  return nullptr;
}

bool TMenuDecor::InPopupMenu(const TMenuDecorItem& item) const {
  return item.menu && item.menu != GetMenu(owner);
}

void TMenuDecor::ReportError(const std::string& message) {
  if (OnError) {
    OnError(message);
    return;
  }
  char title[128] = "";
  GetWindowTextA(owner, title, sizeof title);
  MessageBoxA(owner, message.c_str(), title, MB_OK | MB_ICONSTOP);
}

}  // namespace lt
