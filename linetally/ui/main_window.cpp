#include "linetally/ui/main_window.h"

#include <commctrl.h>

#include <windowsx.h>

#include <clocale>

#include "linetally/monitor/gauge.h"
#include "linetally/resources/resource.h"
#include "linetally/summary/status_bar.h"
#include "linetally/tariffs/amount.h"
#include "linetally/tariffs/service_store.h"
#include "linetally/ui/about_box.h"
#include "linetally/ui/help_links.h"
#include "linetally/ui/main_menu_decor.h"
#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

constexpr int kClientWidth = 500, kClientHeight = 277;

void SetText(HWND control, const std::string& text) { SetWindowTextA(control, text.c_str()); }

}  // namespace

TfrmMain::TfrmMain(HWND applicationWindow)
    : applicationWindow(applicationWindow),
      formats(ReadSystemFormats()),
      database(files, *this, formats, ProgramFolder()),
      journal(files, formats, ProgramFolder()),
      log(database, journal, *this, formats),
      listRows(formats),
      costStep(std::make_unique<TariffCostStep>(services, clock)),
      monitor(ras, clock, *costStep, *this) {}

TfrmMain::~TfrmMain() {
  KillTimer(Handle(), IDT_TIMER1);
  if (popupMenu1) DestroyMenu(popupMenu1);
  if (imageList1) ImageList_Destroy(imageList1);
}

void TfrmMain::Create() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  mainMenu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU));
  popupMenu1 = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_POPUPMENU1));
  accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
  CreateForm("TfrmMain", "Linetally", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
             0, kClientWidth, kClientHeight, applicationWindow, mainMenu);
  SetWindowContextHelpId(Handle(), kMainWindowHelp);
  CreatePreferenceDialogs();
  frmAbout = std::make_unique<TfrmAbout>(Handle());
  frmAbout->Create();
}

bool TfrmMain::TranslateShortcut(MSG& message) {
  if (frmSummary && frmSummary->PreTranslate(message)) return true;  // its own keys while it is active
  return Handle() && TranslateAcceleratorA(Handle(), accelerators, &message);
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      menuDecor1 = CreateMenuDecor1(Handle(), mainMenu, [this](const std::string& text) {
        ShowStandardError(Handle(), text);
      });
      trayIcon = std::make_unique<MainTray>(Handle(), [this] { Restore1Click(); });
      SetTimer(Handle(), IDT_TIMER1, 250, nullptr);
      FormCreate();
      return 0;
    case WM_TIMER:
      if (wParam == IDT_TIMER1) Timer1Timer();
      return 0;
    case kBudgetWarningMessage:
      ShowBudgetWarning();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_BUTTON1 && HIWORD(wParam) == BN_CLICKED) {
        monitor.Button1Click();
        return 0;
      }
      if (OnCommand(LOWORD(wParam))) return 0;
      break;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == listView1) {
        ShowListPopup(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {  // the close box, Alt+F4 and the system menu only hide
        ShowWindow(Handle(), SW_HIDE);
        return 0;
      }
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {  // the application minimises, as its tray icon expects
        SendMessageA(applicationWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return 0;
      }
      break;
    case WM_QUERYENDSESSION: {
      const LRESULT answer = Window::HandleMessage(message, wParam, lParam);
      Exit1Click();
      return answer;
    }
    case WM_HELP:
      HelpViewer(helpFile).FormHelp(Handle(), lParam, kMainWindowHelp);
      return TRUE;
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void TfrmMain::FormCreate() {
  log.OpenJournal();  // what the last run left, before any session can be kept over it
  std::setlocale(LC_NUMERIC, "C");  // "." is the decimal point of every number text
  helpFile = ProgramFolder() + "Lnt.hlp";
  RECT panel{};
  SendMessageA(statusBar1, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&panel));
  MoveWindow(progressBar1, panel.left, panel.top, panel.right - panel.left, 16, FALSE);
  monitor.QueryPlatform();

  Registry& key = registry;
  key.SetRootKey(RootKey::CurrentUser);
  key.OpenKey(kProgramKey, true);  // when even that fails, the first write below says so
  SendMessageA(progressBar1, PBM_SETPOS, 0, 0);
  totalCost = database.SumCost();
  SetText(label1, "");
  SetText(label2, "");
  WriteMissingPreferenceDefaults(key);
  // Start-up always shows the window and asks for no note; the dialog sets both when confirmed.
  std::string unreadablePreferences;
  preferences = ReadPreferences(key, [&](const std::string& text) { unreadablePreferences = text; });
  monitor.SetConnectionNote(false);

  if (!preferences.startMinimised) {
    RECT frame;
    GetWindowRect(Handle(), &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(Handle(), SW_SHOW);
  }
  key.CloseKey();
  UpdateStatusBar();
  if (!unreadablePreferences.empty()) ShowWarning(Handle(), unreadablePreferences);

  ReadBudget();
  LoadAndRecover();
}

void TfrmMain::DoRegistry() {
  LoadServiceTable(registry, services, unreadableServicesTold,
                   [this](const std::string& text) { ShowWarning(Handle(), text); });
}

void TfrmMain::OnHandlerError(const std::exception& error) {
  if (dynamic_cast<const AmountConversionError*>(&error))
    AmountFailure();
  else
    Window::OnHandlerError(error);
}

void TfrmMain::AmountFailure() {
  if (amountFailed) return;  // one box, whichever handler meets the failure next
  amountFailed = true;
  KillTimer(Handle(), IDT_TIMER1);
  // Straight to the file on disk: the records in memory may be a copy that was never checked.
  // The journal keeps it when the append fails: the next start logs it.
  if (auto record = monitor.EndForFailure()) log.AppendForFailure(*record);
  ShowStandardError(Handle(), kAmountFailureText);
  PostQuitMessage(1);
}

void TfrmMain::Timer1Timer() { monitor.Timer1Timer(); }

void TfrmMain::SetStatusText(const std::string& text) { SetText(label1, text); }

void TfrmMain::UpdateStatusBar() {
  const StatusTexts texts =
      CurrentStatusTexts(monitor, database, totalCost, {preferences.currency, statusBarMode, budget.budget, CurrentPeriod()});
  SendMessageA(statusBar1, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(texts.panel1.c_str()));
  SendMessageA(statusBar1, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(texts.panel2.c_str()));
  if (trayIcon) trayIcon->SetHint(texts.trayHint);
}

void TfrmMain::LogSession(const SessionRecord& record) {
  const PeriodIndex period = PeriodOf(record.start, budget.billingDay);
  const Currency before = database.Periods().Of(period).cost;
  log.Log(record);
  UpdateListBox(database.Count(), true);
  WarnOverBudget(period, before);
}

void TfrmMain::ResetSessionDisplay() {
  SendMessageA(progressBar1, PBM_SETPOS, 0, 0);
  SetText(label2, "");
  // The total already follows every change of the records (a logged session refreshed it), so
  // a cost it cannot read is not reported a second time here.
  UpdateStatusBar();
}

void TfrmMain::SetDebugCaptions(bool debugging) {
  SetText(button1, debugging ? "&Stop" : "&Debug");
  if (trayIcon) trayIcon->SetDebugCaption(debugging);
}

void TfrmMain::ToggleDebugControls() {
  debugControlsShown = !debugControlsShown;
  ShowWindow(button1, debugControlsShown ? SW_SHOW : SW_HIDE);
  if (trayIcon) trayIcon->SetDebugVisible(debugControlsShown);
}

void TfrmMain::SetPriceLabel(const std::string& text) { SetText(label2, text); }

void TfrmMain::DoProgressBar(const std::string& minCharge, int service, long double costPerSecond,
                             long double accumulated) {
  const long double minimum = ApplyDiscount(services, size_t(service), StrToAmount(minCharge));
  const GaugeState gauge = ComputeGauge(minimum, costPerSecond, accumulated);
  SendMessageA(progressBar1, PBM_SETRANGE32, 0, gauge.maximum);
  SendMessageA(progressBar1, PBM_SETPOS, WPARAM(gauge.position), 0);
  ShowTrayFrame(gauge.trayFrame);
}

void TfrmMain::ShowTrayFrame(int frame) {
  if (trayIcon) trayIcon->ShowFrame(frame);
}

void TfrmMain::ShowError(const std::string& text) { ShowStandardError(Handle(), text); }

void TfrmMain::ShowSizeWarning(const std::string& text, int helpContext) {
  ShowWarningWithHelp(Handle(), text, helpContext);
}

}  // namespace lt
