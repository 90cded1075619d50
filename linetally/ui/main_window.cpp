#include "linetally/ui/main_window.h"

#include <commctrl.h>

#include <clocale>

#include "linetally/monitor/gauge.h"
#include "linetally/monitor/status_texts.h"
#include "linetally/resources/resource.h"
#include "linetally/tariffs/amount.h"
#include "linetally/tariffs/service_store.h"
#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

constexpr int kClientWidth = 500, kClientHeight = 277;
constexpr int kPanelWidths[] = {306, 100, 50};

long double ReadStoredAmount(const std::string& text) {
  auto value = Currency::Parse(text);
  return value ? value->ToReal() : 0;
}

void SetText(HWND control, const std::string& text) { SetWindowTextA(control, text.c_str()); }

}  // namespace

TfrmMain::TfrmMain(HWND applicationWindow)
    : applicationWindow(applicationWindow),
      formats(ReadSystemFormats()),
      database(files, *this, formats, ProgramFolder()),
      listRows(formats, ReadStoredAmount),
      costStep(std::make_unique<TariffCostStep>(services, clock)),
      monitor(ras, clock, *costStep, *this) {}

TfrmMain::~TfrmMain() { KillTimer(Handle(), IDT_TIMER1); }

void TfrmMain::Create() {
  CreateForm("TfrmMain", "Linetally", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
             0, kClientWidth, kClientHeight, applicationWindow);
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      SetTimer(Handle(), IDT_TIMER1, 250, nullptr);
      FormCreate();
      return 0;
    case WM_TIMER:
      if (wParam == IDT_TIMER1) Timer1Timer();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_BUTTON1 && HIWORD(wParam) == BN_CLICKED) monitor.Button1Click();
      return 0;
    case WM_HELP: {
      const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
      WinHelpA(Handle(), helpFile.c_str(), HELP_CONTEXT, info->dwContextId);
      return TRUE;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void TfrmMain::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND self = Handle();
  auto child = [&](DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
                   int id) {
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | style, x, y, w, h, self,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  button1 = child(0, "BUTTON", "&Debug", WS_TABSTOP | BS_PUSHBUTTON, 410, 10, 80, 18, IDC_BUTTON1);
  listView1 = child(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                    WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER, 10, 35, 480,
                    196, IDC_LISTVIEW1);
  ListView_SetExtendedListViewStyle(listView1, LVS_EX_FULLROWSELECT);
  struct Column {
    const char* title;
    int width, format;
  };
  const Column columns[] = {{"Date", 96, LVCFMT_LEFT},
                            {"Time", 50, LVCFMT_LEFT},
                            {"Service", 174, LVCFMT_LEFT},
                            {"Duration", 80, LVCFMT_LEFT},
                            {"Cost", 50, LVCFMT_RIGHT}};
  for (int i = 0; i < 5; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<char*>(columns[i].title);
    column.cx = columns[i].width;
    column.fmt = columns[i].format;
    SendMessageA(listView1, LVM_INSERTCOLUMNA, WPARAM(i), reinterpret_cast<LPARAM>(&column));
  }
  SetWindowLongPtrA(listView1, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listViewDefault = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(listView1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListViewProcedure)));

  label1 = child(0, "STATIC", "", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 10, 240, 300, 13, IDC_LABEL1);
  label2 = child(0, "STATIC", "Price", WS_VISIBLE | SS_RIGHT | SS_NOPREFIX, 250, 240, 240, 13, IDC_LABEL2);
  statusBar1 = child(0, STATUSCLASSNAMEA, "", WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0, IDC_STATUSBAR1);
  int edges[3], right = 0;
  for (int i = 0; i < 3; ++i) edges[i] = right += kPanelWidths[i];
  edges[2] = -1;  // the last panel runs to the window's edge
  SendMessageA(statusBar1, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  progressBar1 = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 1, kPanelWidths[0], 16,
                                 statusBar1, reinterpret_cast<HMENU>(IDC_PROGRESSBAR1), instance, nullptr);
  SendMessageA(progressBar1, PBM_SETRANGE32, 0, 100);

  font.Reset(CreateFormFont());
  ApplyFont(self, font.Get());
}

void TfrmMain::FormCreate() {
  std::setlocale(LC_NUMERIC, "C");  // "." is the decimal point of every number text
  helpFile = ProgramFolder() + "Lnt.hlp";
  RECT panel{};
  SendMessageA(statusBar1, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&panel));
  MoveWindow(progressBar1, panel.left, panel.top, panel.right - panel.left, 16, FALSE);
  monitor.QueryPlatform();
  SendMessageA(progressBar1, PBM_SETPOS, 0, 0);
  totalCost = database.SumCost();
  SetText(label1, "");
  SetText(label2, "");

  RECT frame;
  GetWindowRect(Handle(), &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(Handle(), SW_SHOW);
  UpdateStatusBar();

  database.LoadDatabase(database.WorkingFile());
  database.ReadDatabase(1);
  UpdateListBox(1, false);
  DoRegistry();
}

void TfrmMain::DoRegistry() {
  LoadServiceTable(registry, services, [this](const std::string& error) { ShowError(error); });
}

void TfrmMain::OnHandlerError(const std::exception& error) {
  if (dynamic_cast<const AmountConversionError*>(&error))
    AmountFailure();
  else
    Window::OnHandlerError(error);
}

void TfrmMain::AmountFailure() {
  if (amountFailed) return;  // logging the session below met the failure again
  amountFailed = true;
  KillTimer(Handle(), IDT_TIMER1);
  if (monitor.SessionActive()) {
    try {
      monitor.DoEnd();
    } catch (const std::exception& error) {
      if (!dynamic_cast<const AmountConversionError*>(&error)) ShowError(error.what());
    }
  }
  ShowStandardError(Handle(), kAmountFailureText);
  PostQuitMessage(1);
}

void TfrmMain::Timer1Timer() { monitor.Timer1Timer(); }

void TfrmMain::UpdateListBox(size_t from, bool save) {
  if (from == 1) ListView_DeleteAllItems(listView1);
  const RecordTable& table = database.Table();
  for (size_t i = from; i <= table.Count(); ++i) {
    auto row = listRows.Build(table.Row(i), i);
    if (!row) {
      const bool saveAfter = database.DoException();
      UpdateListBox(1, saveAfter);
      return;
    }
    AddListRow(*row);
  }
  if (save) database.SaveWorkingFile();
  try {
    totalCost = database.SumCost();
  } catch (const ConversionError& error) {
    // The total keeps its value; the caller (a session being logged) still finishes.
    ShowStandardError(Handle(), error.what());
    return;
  }
  UpdateStatusBar();
}

void TfrmMain::AddListRow(const ListRow& row) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = ListView_GetItemCount(listView1);
  item.pszText = const_cast<char*>(row.date.c_str());
  const int index = int(SendMessageA(listView1, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  const std::string* cells[] = {&row.time, &row.service, &row.duration, &row.cost};
  for (int column = 1; column <= 4; ++column) {
    LVITEMA sub{};
    sub.iSubItem = column;
    sub.pszText = const_cast<char*>(cells[column - 1]->c_str());
    SendMessageA(listView1, LVM_SETITEMTEXTA, WPARAM(index), reinterpret_cast<LPARAM>(&sub));
  }
}

LRESULT CALLBACK TfrmMain::ListViewProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TfrmMain*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_CHAR) {
    try {
      self->ListView1KeyPress(char(wParam));
    } catch (const std::exception& error) {
      ShowStandardError(self->Handle(), error.what());
    }
  }
  return CallWindowProcA(self->listViewDefault, hwnd, message, wParam, lParam);
}

void TfrmMain::ListView1KeyPress(char c) { monitor.KeyTyped(c); }

void TfrmMain::SetStatusText(const std::string& text) { SetText(label1, text); }

void TfrmMain::UpdateStatusBar() {
  StatusValues values;
  values.symbol = currencySymbol;
  values.callCost = monitor.CallCost();
  values.totalCost = totalCost;
  values.onlineSeconds = monitor.OnlineSeconds();
  values.sumSeconds = database.SumSeconds();
  values.showTime = statusBarMode;
  const StatusTexts texts = ComputeStatusTexts(values);
  SendMessageA(statusBar1, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(texts.panel1.c_str()));
  SendMessageA(statusBar1, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(texts.panel2.c_str()));
}

void TfrmMain::LogSession(const SessionRecord& record) {
  database.UpdateDB(record);
  UpdateListBox(database.Count(), true);
}

void TfrmMain::ResetSessionDisplay() {
  SendMessageA(progressBar1, PBM_SETPOS, 0, 0);
  SetText(label2, "");
  try {
    totalCost = database.SumCost();
  } catch (const ConversionError& error) {
    ShowStandardError(Handle(), error.what());
  }
  UpdateStatusBar();
}

void TfrmMain::SetDebugCaptions(bool debugging) { SetText(button1, debugging ? "&Stop" : "&Debug"); }

void TfrmMain::ToggleDebugControls() {
  debugControlsShown = !debugControlsShown;
  ShowWindow(button1, debugControlsShown ? SW_SHOW : SW_HIDE);
}

void TfrmMain::SetPriceLabel(const std::string& text) { SetText(label2, text); }

void TfrmMain::DoProgressBar(const std::string&, int, long double costPerSecond, long double accumulated) {
  const GaugeState gauge = ComputeGauge(0, costPerSecond, accumulated);
  SendMessageA(progressBar1, PBM_SETRANGE32, 0, gauge.maximum);
  SendMessageA(progressBar1, PBM_SETPOS, WPARAM(gauge.position), 0);
  ShowTrayFrame(gauge.trayFrame);
}

void TfrmMain::ShowTrayFrame(int frame) { trayFrame = frame; }

void TfrmMain::ShowError(const std::string& text) { ShowStandardError(Handle(), text); }

void TfrmMain::ShowSizeWarning(const std::string& text, int helpContext) {
  ShowWarningWithHelp(Handle(), text, helpContext);
}

}  // namespace lt
