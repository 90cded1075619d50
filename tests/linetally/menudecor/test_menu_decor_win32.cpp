// The decoration on a real window: owner-draw state, hooking, the message table, images.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "linetally/menudecor/item_style.h"
#include "tests/linetally/menudecor/decor_fixture_win32.h"

namespace lt::testing {
namespace {

struct ItemInfo {
  UINT type = 0, state = 0;
  ULONG_PTR data = 0;
  std::string text;
};

ItemInfo Read(HMENU menu, UINT id, bool byPosition = false) {
  char text[128] = "";
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = sizeof text;
  GetMenuItemInfoA(menu, id, byPosition, &info);
  return {info.fType, info.fState, info.dwItemData, (info.fType & MFT_OWNERDRAW) ? "" : text};
}

TEST(MenuDecorWindow, BindingMakesTheItemOwnerDrawnAndRestoringGivesTheTextBack) {
  DecorFixture f;
  CheckMenuItem(f.file, kIdOpen, MF_BYCOMMAND | MF_CHECKED);
  EnableMenuItem(f.file, kIdOpen, MF_BYCOMMAND | MF_GRAYED);
  TMenuDecorItem& item = f.decor->AddItem();
  item.Bind(f.menuBar, kIdOpen);
  EXPECT_EQ(item.Caption(), "&Open...");
  EXPECT_EQ(item.ShortCutText(), "Ctrl+O");
  ItemInfo info = Read(f.file, kIdOpen);
  EXPECT_TRUE(info.type & MFT_OWNERDRAW);
  EXPECT_EQ(info.data, ULONG_PTR(&item));
  EXPECT_TRUE(info.state & MFS_CHECKED);
  EXPECT_TRUE(info.state & MFS_GRAYED);

  f.decor->SetActive(false);
  info = Read(f.file, kIdOpen);
  EXPECT_FALSE(info.type & MFT_OWNERDRAW);
  EXPECT_EQ(info.text, "&Open...\tCtrl+O");
  EXPECT_TRUE(info.state & MFS_CHECKED);

  f.decor->SetActive(true);
  EXPECT_TRUE(Read(f.file, kIdOpen).type & MFT_OWNERDRAW);
  f.decor->Refresh(&item, TRefreshAction::RA_RESTORE);
  EXPECT_EQ(Read(f.file, kIdOpen).text, "&Open...\tCtrl+O");
  f.decor->Refresh(nullptr, TRefreshAction::RA_REFRESHWITHBAR);
  EXPECT_TRUE(Read(f.file, kIdOpen).type & MFT_OWNERDRAW);

  // A sub-menu item is bound by its sub-menu; destroying the decoration restores it.
  TMenuDecorItem& sub = f.decor->AddItem();
  sub.Bind(f.menuBar, UINT_PTR(f.preferences));
  EXPECT_EQ(sub.Caption(), "&Preferences");
  EXPECT_TRUE(Read(f.edit, 1, true).type & MFT_OWNERDRAW);
  f.decor.reset();
  char text[64] = "";
  GetMenuStringA(f.edit, 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Preferences");
  EXPECT_EQ(GetSubMenu(f.edit, 1), f.preferences);
  EXPECT_EQ(Read(f.file, kIdOpen).text, "&Open...\tCtrl+O");
}

TEST(MenuDecorWindow, MenuLoopAndColourChangeReapplyTheOwnerDrawState) {
  DecorFixture f;
  TMenuDecorItem& item = f.decor->AddItem();
  item.Bind(f.menuBar, kIdExit);
  f.decor->Refresh(&item, TRefreshAction::RA_RESTORE);
  SendMessageA(f.window, WM_ENTERMENULOOP, FALSE, 0);
  EXPECT_TRUE(Read(f.file, kIdExit).type & MFT_OWNERDRAW);
  f.decor->MenuRefresh = TRefreshAction::RA_RESTORE;
  SendMessageA(f.window, WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(Read(f.file, kIdExit).text, "E&xit");
  f.decor->MenuRefresh = TRefreshAction::RA_NONE;
  f.decor->Refresh(nullptr, TRefreshAction::RA_REFRESH);
  SendMessageA(f.window, WM_ENTERMENULOOP, FALSE, 0);
  EXPECT_TRUE(Read(f.file, kIdExit).type & MFT_OWNERDRAW) << "nothing done";
}

TEST(MenuDecorWindow, CursorWhileAMenuIsOpen) {
  DecorFixture f;
  const HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  const HCURSOR arrow = GetCursor();
  EXPECT_EQ(SendMessageA(f.window, WM_SETCURSOR, WPARAM(f.window), MAKELPARAM(HTCLIENT, 0)), FALSE)
      << "no Cursor set: the window's own answer";
  f.decor->Cursor = LoadCursorA(nullptr, IDC_CROSS);
  EXPECT_EQ(SendMessageA(f.window, WM_SETCURSOR, WPARAM(f.window), MAKELPARAM(HTCLIENT, 0)), TRUE);
  EXPECT_EQ(GetCursor(), f.decor->Cursor);
  EXPECT_EQ(SendMessageA(f.window, WM_SETCURSOR, WPARAM(f.window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
  EXPECT_EQ(GetCursor(), arrow) << "the saved cursor is back";
  SetCursor(before);
}

TEST(MenuDecorWindow, DecorationsUnhookInAnyOrder) {
  DecorFixture f;
  const LONG_PTR fixtureHook = GetWindowLongPtrA(f.window, GWLP_WNDPROC);
  auto second = std::make_unique<TMenuDecor>(f.window);
  auto third = std::make_unique<TMenuDecor>(f.window);
  const LONG_PTR top = GetWindowLongPtrA(f.window, GWLP_WNDPROC);
  EXPECT_NE(fixtureHook, top);
  // The middle one leaves: the top one now calls past it.
  second.reset();
  EXPECT_EQ(GetWindowLongPtrA(f.window, GWLP_WNDPROC), top);
  EXPECT_EQ(SendMessageA(f.window, kPingMessage, 0, 0), 42);
  third.reset();
  EXPECT_EQ(GetWindowLongPtrA(f.window, GWLP_WNDPROC), fixtureHook);
  f.decor->Rehook();
  EXPECT_EQ(GetWindowLongPtrA(f.window, GWLP_WNDPROC), fixtureHook);
  EXPECT_EQ(SendMessageA(f.window, kPingMessage, 0, 0), 42);
  // An unknown pair is not answered by anyone.
  EXPECT_EQ(SendMessageA(f.window, TMenuDecor::kUnhookMessage, 1, 2), 0);
  f.decor.reset();
  EXPECT_EQ(GetWindowLongPtrA(f.window, GWLP_WNDPROC), LONG_PTR(GetClassLongPtrA(f.window, GCLP_WNDPROC)));
  EXPECT_EQ(SendMessageA(f.window, kPingMessage, 0, 0), 42);
}

TEST(MenuDecorWindow, MeasuringAPopupLinesUpTheShortcuts) {
  DecorFixture f;
  TMenuDecorItem& newItem = f.BindPictureItem(kIdNew);
  TMenuDecorItem& open = f.BindPictureItem(kIdOpen);
  TMenuDecorItem& setup = f.decor->AddItem();
  setup.Bind(f.menuBar, kIdPrintSetup);
  HMENU popped = nullptr;
  int total = -1;
  f.decor->OnPopup = [&](HMENU menu, int) { popped = menu; };
  f.decor->OnMeasure = [&](HMENU, int height) { total = height; };
  SendMessageA(f.window, WM_INITMENUPOPUP, WPARAM(f.file), MAKELPARAM(0, FALSE));
  EXPECT_EQ(popped, f.file);
  const SIZE a = f.Measure(newItem);
  EXPECT_EQ(a.cy, 16 + 2 * 2) << "fixed 16-pixel cell whatever the font";
  const SIZE b = f.Measure(open);
  EXPECT_EQ(a.cx, b.cx) << "both end at the widest item plus the widest shortcut";
  EXPECT_GT(total, 2 * 20);
  // The system menu opening does not count as a pop-up of ours.
  popped = nullptr;
  SendMessageA(f.window, WM_INITMENUPOPUP, WPARAM(GetSystemMenu(f.window, FALSE)), MAKELPARAM(0, TRUE));
  EXPECT_EQ(popped, nullptr);
}

TEST(MenuDecorWindow, MenuCharKeyDownAndHint) {
  DecorFixture f;
  f.BindPictureItem(kIdOpen);
  TMenuDecorItem& exit = f.decor->AddItem();
  exit.Bind(f.menuBar, kIdExit);
  exit.Hint = "Ends the program";
  EXPECT_EQ(SendMessageA(f.window, WM_MENUCHAR, MAKEWPARAM('O', MF_POPUP), LPARAM(f.file)),
            MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(SendMessageA(f.window, WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP), LPARAM(f.file)),
            MAKELRESULT(4, MNC_EXECUTE));
  EXPECT_NE(HIWORD(SendMessageA(f.window, WM_MENUCHAR, MAKEWPARAM('q', MF_POPUP), LPARAM(f.file))), MNC_EXECUTE);

  std::string hint = "unset";
  f.decor->OnHint = [&](const std::string& text) { hint = text; };
  SendMessageA(f.window, WM_MENUSELECT, MAKEWPARAM(kIdExit, MF_OWNERDRAW), LPARAM(f.file));
  EXPECT_EQ(hint, "Ends the program");
  SendMessageA(f.window, WM_MENUSELECT, MAKEWPARAM(kIdPrintSetup, 0), LPARAM(f.file));
  EXPECT_EQ(hint, "");

  // A pop-up menu's shortcut is taken from the key-down; the main menu's are the accelerators'.
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 77, "&Delete record\tCtrl+Del");
  TMenuDecorItem& del = f.decor->AddItem();
  del.Bind(popup, 77);
  int clicks = 0;
  del.OnClick = [&] { ++clicks; };
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageA(f.window, WM_KEYDOWN, VK_DELETE, 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  SendMessageA(f.window, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(clicks, 1);
  SendMessageA(f.window, WM_COMMAND, MAKEWPARAM(77, 0), 0);
  EXPECT_EQ(clicks, 2);
  f.decor.reset();
  DestroyMenu(popup);
}

TEST(MenuDecorWindow, ImageListsGoToTheItemsInOrderPastSeparators) {
  DecorFixture f;
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24, 2, 0);
  for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 128, 0)}) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, 16, 16};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ImageList_Add(list, bitmap, nullptr);
    DeleteObject(bitmap);
  }
  TMenuDecorItem& newItem = f.decor->AddItem();
  newItem.Bind(f.menuBar, kIdNew);
  TMenuDecorItem& separator = f.decor->AddItem();
  separator.Bind(f.menuBar, kIdSeparator);
  TMenuDecorItem& open = f.decor->AddItem();
  open.Bind(f.menuBar, kIdOpen);
  EXPECT_EQ(separator.Caption(), "-");
  f.decor->SetImages(list);
  EXPECT_EQ(newItem.TrColor, RGB(255, 0, 0)) << "the bottom-left pixel of image 0";
  EXPECT_TRUE(separator.Picture().Empty());
  EXPECT_EQ(open.TrColor, RGB(0, 128, 0));
  newItem.SetImageIndex(1);
  EXPECT_EQ(newItem.TrColor, RGB(0, 128, 0));
  try {
    newItem.SetImageIndex(2);
    FAIL() << "no error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds");
  }
  EXPECT_EQ(newItem.ImageIndex(), 1);
  f.decor->SetImages(nullptr);
  EXPECT_TRUE(newItem.Picture().Empty());
  ImageList_Destroy(list);
}

TEST(MenuDecorWindow, SystemMenuFontAndTemplates) {
  DecorFixture f;
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  TMenuDecorItem& item = f.decor->AddItem();
  item.Font.Name = "Courier New";
  item.Font.Height = -40;
  item.Options = {TMenuOption::omAlwaysDefFontSize};
  item.Bind(f.menuBar, kIdExit);
  EXPECT_EQ(item.Font.Name, "Courier New");
  EXPECT_EQ(item.Font.Height, metrics.lfMenuFont.lfHeight);
  ItemStyle style;
  style.Options = {TMenuOption::omAlwaysDefFont};
  style.NormColor = RGB(1, 2, 3);
  f.decor->ApplyItemsStyle(style, style_mask::kOptions);
  EXPECT_EQ(item.Font.Name, metrics.lfMenuFont.lfFaceName) << "re-applied after the template";
  EXPECT_EQ(item.NormColor, kClMenu);
  TShadowText shadow;
  shadow.ShadowSize = 4;
  f.decor->ApplyShadowStyle(shadow, shadow_mask::kSize);
  EXPECT_EQ(item.Shadow.ShadowSize, 4);
  EXPECT_TRUE(Read(f.file, kIdExit).type & MFT_OWNERDRAW);
}

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MENUCHAR && LOWORD(wParam) == 'z') return MAKELRESULT(3, MNC_EXECUTE);
  return DefMDIChildProcA(window, msg, wParam, lParam);
}

TEST(MenuDecorWindow, MdiParentAsksTheActiveChildFirst) {
  DecorFixture f;
  f.BindPictureItem(kIdOpen);
  CLIENTCREATESTRUCT ccs{f.edit, 50000};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, f.window,
                                nullptr, GetModuleHandleA(nullptr), &ccs);
  WNDCLASSA wc{};
  wc.lpfnWndProc = ChildProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "MenuDecorMdiChild";
  RegisterClassA(&wc);
  MDICREATESTRUCTA mcs{wc.lpszClassName, "child", wc.hInstance, 0, 0, 100, 100, 0, 0};
  HWND child = HWND(SendMessageA(client, WM_MDICREATE, 0, LPARAM(&mcs)));
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(SendMessageA(f.window, WM_MENUCHAR, MAKEWPARAM('z', MF_POPUP), LPARAM(f.file)),
            MAKELRESULT(3, MNC_EXECUTE)) << "the child's answer";
  EXPECT_EQ(SendMessageA(f.window, WM_MENUCHAR, MAKEWPARAM('o', MF_POPUP), LPARAM(f.file)),
            MAKELRESULT(1, MNC_EXECUTE)) << "then the bound items";
}

}  // namespace
}  // namespace lt::testing
