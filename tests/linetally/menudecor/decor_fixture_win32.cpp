#include "tests/linetally/menudecor/decor_fixture_win32.h"

namespace lt::testing {

namespace {

LRESULT CALLBACK TestWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kPingMessage) return 42;
  return DefWindowProcA(window, msg, wParam, lParam);
}

void Append(HMENU menu, UINT id, const char* text) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
  info.fType = MFT_STRING;
  info.wID = id;
  info.dwTypeData = const_cast<char*>(text);
  InsertMenuItemA(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
}

void AppendSeparator(HMENU menu, UINT id) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_FTYPE;
  info.fType = MFT_SEPARATOR;
  info.wID = id;
  InsertMenuItemA(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
}

}  // namespace

DecorFixture::DecorFixture() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "MenuDecorTestWindow";
  RegisterClassA(&wc);
  menuBar = CreateMenu();
  file = CreatePopupMenu();
  Append(file, kIdNew, "&New\tCtrl+N");
  Append(file, kIdOpen, "&Open...\tCtrl+O");
  AppendSeparator(file, kIdSeparator);
  Append(file, kIdPrintSetup, "Print Set&up...");
  Append(file, kIdExit, "E&xit");
  edit = CreatePopupMenu();
  preferences = CreatePopupMenu();
  Append(edit, kIdDelete, "&Delete\tCtrl+Del");
  AppendMenuA(edit, MF_POPUP | MF_STRING, UINT_PTR(preferences), "&Preferences");
  Append(preferences, kIdApplication, "&Application...\tCtrl+K");
  AppendMenuA(menuBar, MF_POPUP | MF_STRING, UINT_PTR(file), "&File");
  AppendMenuA(menuBar, MF_POPUP | MF_STRING, UINT_PTR(edit), "&Edit");
  window = CreateWindowExA(0, wc.lpszClassName, "Menu decoration test", WS_OVERLAPPEDWINDOW, 10, 10, 400,
                           300, nullptr, menuBar, wc.hInstance, nullptr);
  decor = std::make_unique<TMenuDecor>(window);
  decor->SetHSpace(4);
  decor->OnError = [](const std::string& message) { throw std::logic_error("unexpected: " + message); };
}

DecorFixture::~DecorFixture() {
  decor.reset();
  DestroyWindow(window);
}

TPicture DecorFixture::RingPicture() {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 16, 16}, inner{2, 2, 14, 14};
  FillRect(dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
  HBRUSH ink = CreateSolidBrush(kPictureInk);
  FillRect(dc, &inner, ink);
  DeleteObject(ink);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return TPicture::FromBitmap(bitmap);
}

TMenuDecorItem& DecorFixture::BindPictureItem(UINT id, HMENU menu) {
  TMenuDecorItem& item = decor->AddItem();
  item.Options = {TMenuOption::omFixedImgSize, TMenuOption::omTileWallpaper, TMenuOption::omTileSelWallpaper,
                  TMenuOption::omBevelOnlyIfSel, TMenuOption::omNoHighlightImage};
  item.BevelInner = TBevelCut::bvRaised;
  item.BevelStyle = TBevelStyle::bsBevelOnlyImage;
  item.NormColor = kNorm;
  item.SelColor = kSel;
  item.SelTextColor = RGB(255, 255, 255);
  item.Font.Color = RGB(0, 0, 0);
  item.Bind(menu ? menu : menuBar, id);
  item.SetPicture(RingPicture());
  return item;
}

SIZE DecorFixture::Measure(TMenuDecorItem& item) {
  const auto where = item.Locate();
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA | MIIM_ID;
  GetMenuItemInfoA(where->parent, UINT(where->position), TRUE, &info);
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_MENU;
  mis.itemID = info.wID;
  mis.itemData = info.dwItemData;
  SendMessageA(window, WM_MEASUREITEM, 0, LPARAM(&mis));
  return SIZE{LONG(mis.itemWidth), LONG(mis.itemHeight)};
}

int DecorFixture::Drawn::Count(COLORREF colour) const {
  int n = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) n += At(x, y) == colour;
  return n;
}

DecorFixture::Drawn::~Drawn() {
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

std::unique_ptr<DecorFixture::Drawn> DecorFixture::Draw(TMenuDecorItem& item, UINT state, int width) {
  const SIZE size = Measure(item);
  const auto where = item.Locate();
  auto drawn = std::make_unique<Drawn>();
  drawn->width = width;
  drawn->height = size.cy;
  HDC screen = GetDC(nullptr);
  drawn->dc = CreateCompatibleDC(screen);
  drawn->bitmap = CreateCompatibleBitmap(screen, width, size.cy + 1);
  ReleaseDC(nullptr, screen);
  drawn->old = SelectObject(drawn->dc, drawn->bitmap);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA | MIIM_ID;
  GetMenuItemInfoA(where->parent, UINT(where->position), TRUE, &info);
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_MENU;
  dis.itemID = info.wID;
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = state;
  dis.hwndItem = HWND(where->parent);
  dis.hDC = drawn->dc;
  dis.rcItem = RECT{0, 0, width, size.cy};
  dis.itemData = info.dwItemData;
  SendMessageA(window, WM_DRAWITEM, 0, LPARAM(&dis));
  return drawn;
}

}  // namespace lt::testing
