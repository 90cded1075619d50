#include "yearboard/ui/item_window.h"

#include "yearboard/ui/resource.h"

namespace yb {
namespace {

constexpr int kLabelWidth = 72;
constexpr int kFieldWidth = 300;
constexpr int kRowHeight = 24;
constexpr int kMargin = 10;
constexpr int kDescriptionHeight = 96;

// Edit controls break lines at CR LF only.
std::string WindowsLines(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n' && (out.empty() || out.back() != '\r')) out += '\r';
    out += c;
  }
  return out;
}

HWND AddChild(HWND parent, const char* cls, const std::string& text, DWORD style, int x, int y,
              int w, int h, int id) {
  HWND child = CreateWindowExA(std::string(cls) == "EDIT" ? WS_EX_CLIENTEDGE : 0, cls,
                               text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return child;
}

}  // namespace

ItemWindows::ItemWindows(const Formats& formats) : formats(formats) {
  WNDCLASSA cls{};
  cls.lpfnWndProc = &ItemWindows::Procedure;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hIcon = LoadIconA(cls.hInstance, MAKEINTRESOURCEA(IDI_YEARBOARD));
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = kItemWindowClass;
  RegisterClassA(&cls);
}

ItemWindows::~ItemWindows() { CloseAll(); }

void ItemWindows::Show(const ItemDetails& item) {
  const auto known = open.find(item.key);
  HWND hwnd = known != open.end() && IsWindow(known->second) ? known->second : Create(item);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd);
}

void ItemWindows::CloseAll() {
  // Taken out first: each window leaves the list as it is destroyed.
  std::map<std::string, HWND> closing;
  closing.swap(open);
  for (const auto& [key, hwnd] : closing) DestroyWindow(hwnd);
}

bool ItemWindows::PreTranslate(MSG& msg) {
  HWND target = nullptr;
  for (const auto& [key, hwnd] : open)
    if (msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd)) target = hwnd;
  // Esc may close the window, and with it change the list: looked up first, then handled.
  return target && IsDialogMessageA(target, &msg);
}

HWND ItemWindows::Create(const ItemDetails& item) {
  const std::string subject = item.subject.empty() ? "(No subject)" : item.subject;
  const struct {
    const char* label;
    std::string value;
  } rows[] = {
      {"Subject:", subject},
      {"Start:", FormatGeneralDate(item.start, formats)},
      {"End:", FormatGeneralDate(item.end, formats)},
      {"Location:", item.location},
      {"Categories:", item.categories},
      {"Recurrence:", item.rule.empty() ? "None" : item.rule},
  };
  const int rowCount = static_cast<int>(sizeof rows / sizeof rows[0]);
  const int clientWidth = kMargin * 2 + kLabelWidth + kFieldWidth;
  const int descriptionTop = kMargin + rowCount * kRowHeight;
  const int buttonTop = descriptionTop + kRowHeight + kDescriptionHeight + kMargin;
  const int clientHeight = buttonTop + 24 + kMargin;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT outer{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
  RECT ownerRect{};
  if (owner) GetWindowRect(owner, &ownerRect);
  const std::string title = subject + " - Appointment";
  HWND hwnd = CreateWindowExA(WS_EX_DLGMODALFRAME, kItemWindowClass, title.c_str(), style,
                              ownerRect.left + 60, ownerRect.top + 60, outer.right - outer.left,
                              outer.bottom - outer.top, owner, nullptr, GetModuleHandleA(nullptr),
                              nullptr);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  for (int i = 0; i < rowCount; ++i) {
    const int y = kMargin + i * kRowHeight;
    AddChild(hwnd, "STATIC", rows[i].label, SS_LEFT, kMargin, y + 3, kLabelWidth, 16, 0);
    AddChild(hwnd, "EDIT", rows[i].value, ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP,
             kMargin + kLabelWidth, y, kFieldWidth, 21, IDC_ITEM_FIELD + i);
  }
  AddChild(hwnd, "STATIC", "Description:", SS_LEFT, kMargin, descriptionTop + 3, kLabelWidth, 16, 0);
  AddChild(hwnd, "EDIT", WindowsLines(item.description),
           ES_READONLY | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, kMargin,
           descriptionTop + kRowHeight, clientWidth - 2 * kMargin, kDescriptionHeight,
           IDC_ITEM_DESCRIPTION);
  HWND close = AddChild(hwnd, "BUTTON", "Close", BS_DEFPUSHBUTTON | WS_TABSTOP,
                        clientWidth - kMargin - 80, buttonTop, 80, 24, IDCANCEL);
  SetFocus(close);
  open[item.key] = hwnd;
  return hwnd;
}

LRESULT CALLBACK ItemWindows::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ItemWindows*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      if (self) {
        for (auto it = self->open.begin(); it != self->open.end(); ++it) {
          if (it->second == hwnd) {
            self->open.erase(it);
            break;
          }
        }
      }
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace yb
