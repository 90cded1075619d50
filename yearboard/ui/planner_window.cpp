// frmYearPlanner: the window, its controls at their design positions (twips) and their
// placement on resize.
#include "yearboard/ui/planner_window.h"

#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "yearboard/base/scope_exit.h"
#include "yearboard/calendar/automation_calendar_win32.h"
#include "yearboard/model/day_categories.h"
#include "yearboard/model/planner_layout.h"
#include "yearboard/ui/resource.h"

namespace yb {

namespace {

const char kBandClass[] = "YearboardBand";
constexpr int kClientWidth = 12090;
constexpr int kClientHeight = 5895;
constexpr int kBandHeight = 330;
constexpr int kStatusHeight = 255;
constexpr int kContainer2Width = 1950;
constexpr const char* kFormFontFace = "Tahoma";
constexpr double kFormFontSize = 8.25;

HFONT CreatePointFont(const char* face, double points, int weight) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(static_cast<int>(points * 100 + 0.5), GetDeviceCaps(screen, LOGPIXELSY), 7200);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int id) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

frmYearPlanner::frmYearPlanner(ShownCalendar calendar, CalendarChoice& choice, ItemWindows& items,
                               SettingsStore& settings, const Formats& formats)
    : calendar(std::move(calendar)),
      choice(choice),
      items(items),
      settings(settings),
      planner(*this, formats),
      flxPlanner(planner.flxPlanner),
      flxCategories(planner.flxCategories) {}

frmYearPlanner::~frmYearPlanner() {
  if (hwnd && IsWindow(hwnd)) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
  }
}

void frmYearPlanner::Load() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  INITCOMMONCONTROLSEX common{sizeof common, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&common);
  tppX = ScreenTwipsPerPixelX();
  tppY = ScreenTwipsPerPixelY();

  WNDCLASSA form{};
  form.style = CS_HREDRAW | CS_VREDRAW;
  form.lpfnWndProc = &frmYearPlanner::Procedure;
  form.hInstance = instance;
  form.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_YEARBOARD));
  form.hCursor = LoadCursor(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = YEARBOARD_WINDOW_CLASS;
  RegisterClassA(&form);
  WNDCLASSA band{};
  band.lpfnWndProc = &frmYearPlanner::BandProcedure;
  band.hInstance = instance;
  band.hCursor = LoadCursor(nullptr, IDC_ARROW);
  band.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNSHADOW + 1);
  band.lpszClassName = kBandClass;
  RegisterClassA(&band);

  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  RECT outer{0, 0, PixelsX(kClientWidth), PixelsY(kClientHeight)};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  hwnd = CreateWindowExA(0, YEARBOARD_WINDOW_CLASS, "Yearboard", style, CW_USEDEFAULT, CW_USEDEFAULT,
                         outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                         this);
  if (!hwnd) throw std::runtime_error("The planner window could not be created");
  items.SetOwner(hwnd);
  HMENU system = GetSystemMenu(hwnd, FALSE);
  AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(system, MF_STRING, IDM_OPENFILE, "Open Calendar File...\tCtrl+O");
  AppendMenuA(system, MF_STRING, IDM_PRINTYEAR, "Print Year...\tCtrl+P");
  AppendMenuA(system, MF_STRING, IDM_SAVEPICTURE, "Save Year as Picture...");
  planner.ShowAllCategories = ReadShowAllCategories(settings);
  AppendMenuA(system, MF_STRING | (planner.ShowAllCategories ? MF_CHECKED : MF_UNCHECKED), IDM_ALLCATEGORIES,
              "Show All Categories of a Day");
  printer = std::make_unique<YearPrinter>(hwnd);
  CreateControls();
  Form_Load();
  ShowCalendarChoice();
}

void frmYearPlanner::Show() {
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
}

void frmYearPlanner::CreateControls() {
  formFont.Reset(CreatePointFont(kFormFontFace, kFormFontSize, FW_NORMAL));
  yearFont.Reset(CreatePointFont("Arial Rounded MT Bold", 12, FW_BOLD));
  yearBrush.Reset(CreateSolidBrush(GetSysColor(COLOR_INACTIVECAPTION)));
  HINSTANCE instance = GetModuleHandleA(nullptr);
  const UINT load = LR_LOADMAP3DCOLORS;
  arrowUp.Reset(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_ARROW_UP), IMAGE_BITMAP, 0, 0, load)));
  arrowDown.Reset(
      static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_ARROW_DOWN), IMAGE_BITMAP, 0, 0, load)));

  picBand = CreateChild(hwnd, kBandClass, "", WS_CLIPCHILDREN, IDC_PICBAND);
  SetWindowLongPtrA(picBand, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  lblYear = CreateChild(picBand, "STATIC", "", SS_CENTER, IDC_LBLYEAR);
  cmdUp = CreateChild(picBand, "BUTTON", "", BS_PUSHBUTTON | BS_BITMAP, IDC_CMDUP);
  cmdDown = CreateChild(picBand, "BUTTON", "", BS_PUSHBUTTON | BS_BITMAP, IDC_CMDDOWN);
  SendMessageA(cmdUp, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(arrowUp.Get()));
  SendMessageA(cmdDown, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(arrowDown.Get()));
  SendMessageA(lblYear, WM_SETFONT, reinterpret_cast<WPARAM>(yearFont.Get()), FALSE);
  Place(lblYear, 120, 15, 1125, 375);
  Place(cmdUp, 1080, 0, 255, 195);
  Place(cmdDown, 1080, 150, 255, 195);
  // The buttons overlap the label's right end and lie above it.
  SetWindowPos(cmdDown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(cmdUp, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

  lblContainer1 = CreateChild(hwnd, "STATIC", "", WS_BORDER, IDC_LBLCONTAINER1);
  lblContainer2 = CreateChild(hwnd, "STATIC", "", WS_BORDER, IDC_LBLCONTAINER2);
  Place(lblContainer1, 0, 360, 9375, 4695);
  Place(lblContainer2, 10080, 360, kContainer2Width, 4695);
  flxPlanner.Create(hwnd, IDC_FLXPLANNER, PixelsX(60), PixelsY(420), PixelsX(9255), PixelsY(4575));
  flxCategories.Create(hwnd, IDC_FLXCATEGORIES, PixelsX(10110), PixelsY(390), PixelsX(1875), PixelsY(4575));
  planner.flxCategories.SetFont(kFormFontFace, kFormFontSize);  // the window's font
  SetWindowPos(flxPlanner.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(flxCategories.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

  sbrStatus = CreateChild(hwnd, STATUSCLASSNAMEA, "", SBARS_SIZEGRIP, IDC_SBRSTATUS);
  SendMessageA(sbrStatus, WM_SETFONT, reinterpret_cast<WPARAM>(formFont.Get()), FALSE);
  int parts[] = {-1};
  SendMessageA(sbrStatus, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
  SendMessageA(sbrStatus, SB_SETMINHEIGHT, PixelsY(kStatusHeight), 0);
  pbrProgress = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, 0, 0, 0, 0, hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PBRPROGRESS)), instance,
                                nullptr);
  SendMessageA(pbrProgress, PBM_SETRANGE32, 0, 366);
}

void frmYearPlanner::Place(HWND control, int left, int top, int width, int height) const {
  MoveWindow(control, PixelsX(left), PixelsY(top), PixelsX(width), PixelsY(height), TRUE);
}

LRESULT CALLBACK frmYearPlanner::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<frmYearPlanner*>(create->lpCreateParams)->hwnd = hwnd;
  }
  auto* self = reinterpret_cast<frmYearPlanner*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const CalendarError& error) {
    self->FailOnCalendarError(error);
  } catch (const std::exception& error) {
    MessageBoxA(hwnd, error.what(), "Yearboard", MB_OK | MB_ICONSTOP);
  }
  return 0;
}

// The band passes its children's notifications and colours on to the window.
LRESULT CALLBACK frmYearPlanner::BandProcedure(HWND band, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<frmYearPlanner*>(GetWindowLongPtrA(band, GWLP_USERDATA));
  if (self && (message == WM_COMMAND || message == WM_CTLCOLORSTATIC)) {
    return Procedure(self->hwnd, message, wParam, lParam);
  }
  return DefWindowProcA(band, message, wParam, lParam);
}

LRESULT frmYearPlanner::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (picBand) Form_Resize();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SYSCOMMAND:
      if (OnSystemCommand(static_cast<int>(wParam & 0xFFF0))) return 0;
      return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case kPrintFinished:
      PrintFinished();
      return 0;
    case WM_DESTROY:
      Form_Unload();
      return 0;
    case kShowUnreadableColors:
      if (!colorsMessage.empty())
        MessageBoxA(hwnd, std::exchange(colorsMessage, "").c_str(), "Yearboard", MB_OK | MB_ICONWARNING);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

HBRUSH frmYearPlanner::ColorStatic(HDC dc, HWND control) {
  if (control == lblYear) {
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    SetBkColor(dc, GetSysColor(COLOR_INACTIVECAPTION));
    return yearBrush.Get();
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

// The planner's own items of the system menu; false for the system's.
bool frmYearPlanner::OnSystemCommand(int id) {
  switch (id) {
    case IDM_OPENFILE: mnuOpenFile_Click(); return true;
    case IDM_USECLIENT: mnuUseClient_Click(); return true;
    case IDM_PRINTYEAR: mnuPrintYear_Click(); return true;
    case IDM_SAVEPICTURE: mnuSavePicture_Click(); return true;
    case IDM_ALLCATEGORIES: mnuAllCategories_Click(); return true;
    default: return false;
  }
}

void frmYearPlanner::OnCommand(int id, int code) {
  switch (id) {
    case IDC_CMDUP:
      if (code == BN_CLICKED) cmdUp_Click();
      break;
    case IDC_CMDDOWN:
      if (code == BN_CLICKED) cmdDown_Click();
      break;
    case IDC_FLXPLANNER:
      if (code == kGridClick) flxPlanner_Click();
      if (code == kGridDblClick) flxPlanner_DblClick();
      break;
    case IDC_FLXCATEGORIES:
      if (code == kGridClick) flxCategories_Click();
      if (code == kGridDblClick) flxCategories_DblClick();
      break;
    case IDM_OPENFILE:  // the Ctrl+O accelerator
      mnuOpenFile_Click();
      break;
    case IDM_PRINTYEAR:  // Ctrl+P
      mnuPrintYear_Click();
      break;
    default:
      break;
  }
}

void frmYearPlanner::Form_Resize() {
  if (IsIconic(hwnd) || Resizing) return;
  Resizing = true;
  // Should a step fail, the grids still paint and the next resize still runs.
  const ScopeExit done([this] {
    planner.flxCategories.SetRedraw(true);
    planner.flxPlanner.SetRedraw(true);
    Resizing = false;
  });
  RECT outer;
  GetWindowRect(hwnd, &outer);
  const bool maximized = IsZoomed(hwnd) != FALSE;
  const int width = TwipsX(outer.right - outer.left);
  const int height = TwipsY(outer.bottom - outer.top);
  const TwipSize snapped = SnapPlannerSize(width, height, tppX, tppY, maximized);
  if (snapped.width != width || snapped.height != height) {
    SetWindowPos(hwnd, nullptr, 0, 0, snapped.width / tppX, snapped.height / tppY,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT client;
  GetClientRect(hwnd, &client);
  SendMessageA(sbrStatus, WM_SIZE, 0, 0);
  MoveWindow(picBand, 0, 0, client.right, PixelsY(kBandHeight), TRUE);
  RECT status;
  GetWindowRect(sbrStatus, &status);

  planner.flxPlanner.SetRedraw(false);
  planner.flxCategories.SetRedraw(false);
  const PlannerLayout layout = LayoutPlanner(TwipsX(client.right), TwipsY(client.bottom), kBandHeight,
                                             TwipsY(status.bottom - status.top), kContainer2Width);
  const auto place = [this](HWND control, const TwipBox& box) {
    Place(control, box.left, box.top, box.width, box.height);
  };
  place(lblContainer2, layout.lblContainer2);
  place(flxCategories.Handle(), layout.flxCategories);
  place(lblContainer1, layout.lblContainer1);
  place(flxPlanner.Handle(), layout.flxPlanner);
  planner.flxCategories.SetRedraw(true);
  ApplyYearGridSizes(planner.flxPlanner, SizeYearGrid(layout.flxPlanner.width, layout.flxPlanner.height));
}

}  // namespace yb
