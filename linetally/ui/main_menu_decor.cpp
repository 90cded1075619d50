#include "linetally/ui/main_menu_decor.h"

#include "linetally/resources/resource.h"

namespace lt {
namespace {

// The sub-menu opened by the item with this caption, searched through the whole menu.
HMENU FindSubMenu(HMENU menu, const std::string& caption) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    HMENU sub = GetSubMenu(menu, i);
    if (!sub) continue;
    char text[128] = "";
    GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
    if (caption == text) return sub;
    if (HMENU inner = FindSubMenu(sub, caption)) return inner;
  }
  return nullptr;
}

const TMenuOptions kPictureOptions{TMenuOption::omFixedImgSize, TMenuOption::omTileWallpaper,
                                   TMenuOption::omTileSelWallpaper, TMenuOption::omBevelOnlyIfSel,
                                   TMenuOption::omNoHighlightImage};

// Shadows are on, but neither a normal nor a selected caption casts one.
void NoShadow(TShadowText& shadow) {
  shadow.Active = true;
  shadow.Options = {TShadowOption::soNoShadowIfNormal, TShadowOption::soNoShadowIfSel};
}

struct PictureItem {
  UINT command;
  const char* picture;  // bitmap resource
};
constexpr PictureItem kPictureItems[] = {
    {IDM_NEW1, "MENU_NEW"},        {IDM_OPEN1, "MENU_OPEN"},     {IDM_SAVEAS1, "MENU_SAVEAS"},
    {IDM_EXPORT1, "MENU_EXPORT"},
    {IDM_PRINT1, "MENU_PRINT"},    {IDM_DELETE1, "MENU_DELETE"}, {IDM_TELECOMSERVICES1, "MENU_TELECOM"},
    {IDM_CONTENTS1, "MENU_HELP"},  {IDM_SUMMARY1, "MENU_SUMMARY"},
};
constexpr UINT kPlainItems[] = {IDM_PRINTSETUP1, IDM_EXIT1};
constexpr UINT kNoPictureItems[] = {IDM_APPLICATION1, IDM_KEYWORDSEARCH1, IDM_ABOUTLNT1, IDM_GETEXTRAINFORMATION};
const char* const kNoPictureSubMenus[] = {"&Preferences", "On the &Web"};

}  // namespace

std::unique_ptr<TMenuDecor> CreateMenuDecor1(HWND form, HMENU mainMenu,
                                             std::function<void(const std::string&)> onError) {
  auto decor = std::make_unique<TMenuDecor>(form);
  decor->OnError = std::move(onError);
  decor->SetHSpace(4);
  decor->MenuBar.SetIsGradient(true);
  decor->SetShowBar(false);
  const HINSTANCE instance = GetModuleHandleA(nullptr);

  for (const PictureItem& entry : kPictureItems) {
    TMenuDecorItem& item = decor->AddItem();
    item.Options = kPictureOptions;
    item.BevelInner = TBevelCut::bvRaised;
    item.BevelStyle = TBevelStyle::bsBevelOnlyImage;
    NoShadow(item.Shadow);
    item.SetPicture(TPicture::FromBitmap(HBITMAP(LoadImageA(instance, entry.picture, IMAGE_BITMAP, 0, 0, 0))));
    item.Bind(mainMenu, entry.command);
  }
  for (UINT command : kPlainItems) decor->AddItem().Bind(mainMenu, command);
  auto noPicture = [&](UINT_PTR menuItem) {
    TMenuDecorItem& item = decor->AddItem();
    item.Options = kPictureOptions;
    item.BevelStyle = TBevelStyle::bsBevelOnlyImage;
    NoShadow(item.Shadow);
    item.Bind(mainMenu, menuItem);
  };
  for (const char* caption : kNoPictureSubMenus)
    if (HMENU sub = FindSubMenu(mainMenu, caption)) noPicture(UINT_PTR(sub));
  for (UINT command : kNoPictureItems) noPicture(command);
  return decor;
}

}  // namespace lt
