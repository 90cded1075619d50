#pragma once
// TMenuDecor: draws chosen items of a window's menus itself (pictures, colours, bevels,
// shadows, wallpaper, a gradient side bar). It subclasses the owner window, answers the
// menu measuring and drawing messages for its bound items (TMenuDecorItem) and leaves every
// other item to the platform. Several decorations may hook one window; they unhook in any
// order through the WM_USER + 101 protocol.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "linetally/menudecor/gdi_win32.h"
#include "linetally/menudecor/menu_decor_types.h"
#include "linetally/menudecor/menu_layout.h"
#include "linetally/menudecor/picture_win32.h"

namespace lt {

class TMenuDecor;

// Where a bound item sits: its menu and position there.
struct MenuLocation {
  HMENU parent = nullptr;
  int position = -1;
};

class TMenuDecorItem : public ItemStyle {
 public:
  explicit TMenuDecorItem(TMenuDecor& parent);
  TMenuDecorItem(const TMenuDecorItem&) = delete;
  TMenuDecorItem& operator=(const TMenuDecorItem&) = delete;
  ~TMenuDecorItem();

  // The menu that holds the item (searched with its sub-menus) and the item in it: a command
  // identifier, or for an item that opens a sub-menu, that sub-menu's handle. Binding reads
  // caption and shortcut from the item's text and, when the decoration is active, makes the
  // item owner-drawn.
  void Bind(HMENU menu, UINT_PTR menuItem);
  HMENU Menu() const { return menu; }
  UINT_PTR MenuItem() const { return menuItem; }
  const std::string& Caption() const { return caption; }
  const std::string& ShortCutText() const { return shortcut; }
  std::optional<MenuLocation> Locate() const;

  // Assigning a bitmap takes its bottom-left pixel as TrColor.
  void SetPicture(TPicture picture);
  const TPicture& Picture() const { return picture; }
  void SetDisabledPicture(TPicture value) { disabledPicture = std::move(value); }
  const TPicture& DisabledPicture() const { return disabledPicture; }
  // Copies image `index` of the decoration's Images / DisabledImages; -1 is none.
  void SetImageIndex(int index);
  int ImageIndex() const { return imageIndex; }

  std::string Hint;
  int HelpContext = 0;
  std::function<void()> OnClick;  // when set, the item's command is handled here

 private:
  friend class TMenuDecor;
  friend class ItemPainter;
  TMenuDecor& parent;
  HMENU menu = nullptr;
  UINT_PTR menuItem = 0;
  std::string caption, shortcut;
  TPicture picture, disabledPicture;
  int imageIndex = -1;
  ItemLayout layout;
  Colour barColour = kClNone;
};

class TMenuDecor {
 public:
  static constexpr UINT kUnhookMessage = WM_USER + 101;

  explicit TMenuDecor(HWND owner);  // hooks the owner's window procedure
  TMenuDecor(const TMenuDecor&) = delete;
  TMenuDecor& operator=(const TMenuDecor&) = delete;
  virtual ~TMenuDecor();  // items back to plain text, window unhooked

  TMenuDecorItem& AddItem();
  const std::vector<std::unique_ptr<TMenuDecorItem>>& Items() const { return items; }

  TMenuDecorBar MenuBar;
  void SetWallpaper(TPicture bitmap) { wallpaper = std::move(bitmap); }
  const TPicture& Wallpaper() const { return wallpaper; }
  void SetSelWallpaper(TPicture bitmap) { selWallpaper = std::move(bitmap); }
  const TPicture& SelWallpaper() const { return selWallpaper; }
  bool Active() const { return active; }
  void SetActive(bool value);
  TRefreshAction MenuRefresh = TRefreshAction::RA_REFRESH;
  HCURSOR Cursor = nullptr;  // shown while a menu is open; none by default
  bool ShowBar() const { return showBar; }
  void SetShowBar(bool value);
  int HSpace() const { return hSpace; }
  void SetHSpace(int value);
  int VSpace() const { return vSpace; }
  void SetVSpace(int value);
  // Assigning a list hands image i to the i-th bound item that is not a separator.
  void SetImages(HIMAGELIST list);
  HIMAGELIST Images() const { return images; }
  void SetDisabledImages(HIMAGELIST list);
  HIMAGELIST DisabledImages() const { return disabledImages; }
  void ImagesChanged();  // call after changing a list that is assigned here

  std::function<void(HMENU popup, int position)> OnPopup;
  std::function<void(HMENU popup, int totalHeight)> OnMeasure;
  std::function<void(const std::string& hint)> OnHint;
  std::function<void(int helpContext, bool contextPopup)> OnHelp;
  std::function<void(const std::string& message)> OnError;  // default: an error box

  virtual void Refresh(TMenuDecorItem* target, TRefreshAction action);  // target null: all
  virtual void ApplyItemsStyle(const ItemStyle& from, uint32_t mask);
  virtual void ApplyShadowStyle(const TShadowText& from, uint32_t mask);
  virtual void Rehook();

  // The side bar image (empty until a pop-up that asks for it is measured).
  HBITMAP BarImage() const { return barImage.Get(); }

 private:
  friend class TMenuDecorItem;
  friend class ItemPainter;
  template <int N>
  friend LRESULT CALLBACK DecorSlotProc(HWND, UINT, WPARAM, LPARAM);

  void Hook();
  void Unhook();
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT PassOn(UINT msg, WPARAM wParam, LPARAM lParam);
  HWND ActiveMdiChild() const;

  TMenuDecorItem* FindByData(ULONG_PTR data) const;
  TMenuDecorItem* FindByCommand(UINT_PTR id) const;
  void ApplyOwnerDraw(TMenuDecorItem& item);
  void RestorePlain(TMenuDecorItem& item);
  void DistributeImages(HIMAGELIST list, bool disabled);
  bool InPopupMenu(const TMenuDecorItem& item) const;

  void MeasureItem(TMenuDecorItem& item, MEASUREITEMSTRUCT& mis);
  MenuItemSize MeasureOne(TMenuDecorItem& item, const MenuLocation& where, PopupMeasure& popup);
  void BuildBar(int itemsHeight);
  int BarWidthFor(const TMenuDecorItem& item) const;
  void ReportError(const std::string& message);

  HWND owner;
  int slot = -1;
  WNDPROC ownProc = nullptr;
  WNDPROC previous = nullptr;
  std::vector<std::unique_ptr<TMenuDecorItem>> items;
  TPicture wallpaper, selWallpaper;
  bool active = true;
  bool showBar = false;
  int hSpace = 5, vSpace = 2;
  HIMAGELIST images = nullptr, disabledImages = nullptr;
  GdiBitmap barImage;
  SIZE barSize{0, 0};
  std::map<HMENU, PopupMeasure> measured;  // the pop-ups measured since they opened
  HCURSOR savedCursor = nullptr;
  bool cursorShown = false;
  GdiBitmap checkImage, radioImage;
  int checkMarkWidth = 0;
};

}  // namespace lt
