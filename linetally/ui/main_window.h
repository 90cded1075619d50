#pragma once
// TfrmMain, the window the user works in: the session list, the connection status and price
// lines, the status bar with the minimum-charge gauge, and the 250 ms tick that drives the
// connection monitor. It owns the program-wide state: the session log, the monitor, the
// preference values.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "linetally/base/preferences.h"
#include "linetally/base/regional_formats.h"
#include "linetally/base/registry_win32.h"
#include "linetally/base/system_win32.h"
#include "linetally/database/file_store_win32.h"
#include "linetally/database/list_rows.h"
#include "linetally/database/session_database.h"
#include "linetally/database/session_journal.h"
#include "linetally/database/session_log.h"
#include "linetally/monitor/remote_access_win32.h"
#include "linetally/monitor/session_monitor.h"
#include "linetally/tariffs/call_cost.h"
#include "linetally/ui/application_dialog.h"
#include "linetally/ui/list_selection.h"
#include "linetally/ui/main_tray.h"
#include "linetally/ui/options_dialog.h"
#include "linetally/ui/preferences_host.h"
#include "linetally/ui/summary_window.h"
#include "linetally/ui/window_base.h"

namespace lt {

class TMenuDecor;
class TfrmAbout;

class TfrmMain : public Window,
                 public MonitorView,
                 public DatabaseUi,
                 public PreferencesHost,
                 public SummaryHost {
 public:
  explicit TfrmMain(HWND applicationWindow);
  ~TfrmMain() override;
  void Create();

  // MonitorView
  void SetStatusText(const std::string& text) override;
  void UpdateStatusBar() override;
  void LogSession(const SessionRecord& record) override;
  void KeepSession(const SessionRecord& soFar) override;
  void DropKeptSession() override;
  void ResetSessionDisplay() override;
  void SetDebugCaptions(bool debugging) override;
  void ToggleDebugControls() override;
  void SetPriceLabel(const std::string& text) override;
  void DoProgressBar(const std::string& minCharge, int service, long double costPerSecond,
                     long double accumulated) override;
  void ShowTrayFrame(int frame) override;

  // DatabaseUi
  void ShowError(const std::string& text) override;
  void ShowSizeWarning(const std::string& text, int helpContext) override;

  void UpdateListBox(size_t from, bool save);
  // Reloads the telecom services from the registry (start-up, and the telecom dialog's Close).
  void DoRegistry() override;

  // PreferencesHost
  Registry& AppRegistry() override;
  Preferences& AppPreferences() override;
  void PreferencesTaken() override;

  // SummaryHost
  const PeriodTotals& Periods() override { return database.Periods(); }
  PeriodIndex CurrentPeriod() override;
  const RegionalFormats& Formats() override { return formats; }
  const std::string& CurrencySymbol() override { return preferences.currency; }
  const BudgetSettings& Budget() override { return budget; }
  bool TakeBudget(const BudgetSettings& settings) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnHandlerError(const std::exception& error) override;

 public:
  // The menu shortcuts; true when the message was one of them.
  bool TranslateShortcut(MSG& message);

  // Commands (menus, toolbar, popups); each file of the window holds its own.
  void New1Click();
  void Open1Click();
  void SaveAs1Click();
  void Export1Click();
  void Delete1Click();
  void PrintSetup1Click();
  void Print1Click();
  void Exit1Click();
  void Application1Click();
  void TelecomServices1Click();
  void Getextrainformation1Click();
  void Contents1Click();
  void KeywordSearch1Click();
  void BTPricingInformation1Click();
  void LntHomePage1Click();
  void AboutLnt1Click();
  void Summary1Click();
  void Restore1Click();
  void Button1Click();
  void StatusBar1Click();

 private:
  void FormCreate();
  void CreatePreferenceDialogs();  // frmOptions, then frmApplication
  void FormDestroy();
  // The working file loaded and listed with the sessions a stopped run did not save, then the
  // telecom services; one box tells of those sessions.
  void LoadAndRecover();
  // An amount that does not convert ends the program, after adding an active session to the
  // working file.
  void AmountFailure();
  void CreateControls();
  void CreateToolBar();
  static const char* ToolButtonHint(int command);
  void SetPopupForSeveralRows(bool several);
  bool OnCommand(int id);
  LRESULT OnNotify(const NMHDR& header);
  void Timer1Timer();
  void ListView1Click();
  void ListView1DblClick();
  void ListView1KeyPress(char c);
  void ShowListPopup(POINT screen);
  void DoDelete(const std::vector<int>& selectedRows);
  void ShowExtraInfo(int row);
  std::vector<int> SelectedRows() const;
  void ClearList();  // no rows, nothing selected
  // Shows every record (all checked) and refreshes the totals and the summary.
  void ListRecords();
  void ListView1GetDispInfo(LVITEMA& item);  // a row's texts, built when the list paints it
  // The billing day and budget from the registry, before the log is loaded.
  void ReadBudget();
  void RefreshSummary();  // when the summary shows
  // After a session was logged into `period`: the over-budget box, once a period, posted so
  // that it shows when the session has been wound up.
  void WarnOverBudget(PeriodIndex period, Currency before);
  void ShowBudgetWarning();
  static LRESULT CALLBACK ListViewProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND applicationWindow;
  RegionalFormats formats;
  Win32FileStore files;
  SessionDatabase database;
  SessionJournal journal;  // beside the log: what has not reached the disk
  SessionLog log;          // the steps over both
  ListRowBuilder listRows;
  Win32RemoteAccess ras;
  SystemClock clock;
  Win32Registry registry;
  ServiceTable services;
  std::set<std::string> unreadableServicesTold;  // once a run each
  std::unique_ptr<CostStep> costStep;
  SessionMonitor monitor;

  GdiHandle<HFONT> font;
  HIMAGELIST imageList1 = nullptr;
  HMENU mainMenu = nullptr, popupMenu1 = nullptr;
  HACCEL accelerators = nullptr;
  HWND toolBar1 = nullptr, button1 = nullptr, listView1 = nullptr, label1 = nullptr, label2 = nullptr;
  HWND statusBar1 = nullptr, progressBar1 = nullptr;
  WNDPROC listViewDefault = nullptr;
  ListSelection listSelection;
  bool popupForSeveralRows = false;

  Preferences preferences;  // ConfirmDeletes, the currency text and the other flags
  std::string helpFile;
  Currency totalCost;
  bool statusBarMode = false;
  bool debugControlsShown = false;
  std::unique_ptr<MainTray> trayIcon;  // TrayIcon
  std::unique_ptr<TMenuDecor> menuDecor1;  // MenuDecor1: pictures and bevels of the main menu
  bool amountFailed = false;
  std::unique_ptr<TfrmOptions> frmOptions;
  std::unique_ptr<TfrmApplication> frmApplication;
  std::unique_ptr<TfrmAbout> frmAbout;  // filled once, shown modally
  BudgetSettings budget;  // editBillingDay, editBudget
  BudgetWatch budgetWatch;
  std::string budgetWarning;  // waiting for ShowBudgetWarning
  std::unique_ptr<TfrmSummary> frmSummary;  // beside the main window, not modal; made when first opened
};

}  // namespace lt
