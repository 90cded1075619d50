// TfrmMain's commands: the table that routes menu, toolbar and shortcut commands to their
// handlers, the notifications of its controls, and the File commands, Show and Exit.
#include "linetally/ui/main_window.h"

#include "linetally/ui/file_dialogs.h"


#include "linetally/resources/resource.h"
#include "linetally/ui/help_links.h"
#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

struct Command {
  int id;
  void (TfrmMain::*handler)();
};
constexpr Command kCommands[] = {
    {IDM_NEW1, &TfrmMain::New1Click},
    {IDM_OPEN1, &TfrmMain::Open1Click},
    {IDM_SAVEAS1, &TfrmMain::SaveAs1Click},
    {IDM_EXPORT1, &TfrmMain::Export1Click},
    {IDM_PRINTSETUP1, &TfrmMain::PrintSetup1Click},
    {IDM_PRINT1, &TfrmMain::Print1Click},
    {IDM_EXIT1, &TfrmMain::Exit1Click},
    {IDM_DELETE1, &TfrmMain::Delete1Click},
    {IDM_DELETE2, &TfrmMain::Delete1Click},
    {IDM_GETEXTRAINFORMATION, &TfrmMain::Getextrainformation1Click},
    {IDM_GETEXTRAINFORMATION1, &TfrmMain::Getextrainformation1Click},
    {IDM_APPLICATION1, &TfrmMain::Application1Click},
    {IDM_TELECOMSERVICES1, &TfrmMain::TelecomServices1Click},
    {IDM_SUMMARY1, &TfrmMain::Summary1Click},
    {IDM_CONTENTS1, &TfrmMain::Contents1Click},
    {IDM_KEYWORDSEARCH1, &TfrmMain::KeywordSearch1Click},
    {IDM_BTPRICINGINFORMATION1, &TfrmMain::BTPricingInformation1Click},
    {IDM_LNTHOMEPAGE1, &TfrmMain::LntHomePage1Click},
    {IDM_ABOUTLNT1, &TfrmMain::AboutLnt1Click},
    {IDM_RESTORE1, &TfrmMain::Restore1Click},
    {IDM_DEBUG1, &TfrmMain::Button1Click},
    {IDM_EXIT2, &TfrmMain::Exit1Click},
};

const char kLoseRecords[] = "You will lose all current database records. Continue?";

// OpenDialog1 / SaveDialog1.
constexpr FileQuestion kSaveDatabase{"Save Database", "Linetally Database\0*.ltb\0", "ltb"};
constexpr FileQuestion kLoadDatabase{"Load Database", "Linetally Database Files\0*.ltb\0", nullptr};

}  // namespace

bool TfrmMain::OnCommand(int id) {
  for (const Command& command : kCommands)
    if (command.id == id) {
      (this->*command.handler)();
      return true;
    }
  return false;
}

LRESULT TfrmMain::OnNotify(const NMHDR& header) {
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
    if (const char* hint = ToolButtonHint(int(header.idFrom))) info.lpszText = const_cast<char*>(hint);
    return 0;
  }
  // Typed characters belong to the debug key sequence, never to a search through the rows.
  if (header.hwndFrom == listView1 && (header.code == LVN_ODFINDITEMA || header.code == LVN_ODFINDITEMW)) return -1;
  if (header.hwndFrom == listView1 && header.code == LVN_GETDISPINFOA)
    ListView1GetDispInfo(const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header)).item);
  if (header.hwndFrom == listView1 && (header.code == LVN_ITEMCHANGED || header.code == LVN_ODSTATECHANGED))
    listSelection.Changed(header);
  if (header.hwndFrom == listView1 && header.code == NM_CLICK) ListView1Click();
  if (header.hwndFrom == listView1 && header.code == NM_RCLICK) ListView1Click();
  if (header.hwndFrom == listView1 && header.code == NM_DBLCLK) ListView1DblClick();
  if (header.hwndFrom == statusBar1 && header.code == NM_CLICK) StatusBar1Click();
  return 0;
}

void TfrmMain::New1Click() {
  if (database.Count() == 0) {
    ShowStandardError(Handle(), "Current database is already empty.");
    return;
  }
  // A session that ends while the question is up is not among the records the user agreed to lose.
  const auto mark = log.MarkNow();
  if (!Confirm(Handle(), kLoseRecords)) return;
  log.New(mark);
  UpdateListBox(1, true);
}

void TfrmMain::Open1Click() {
  // A session that ends while the question or the dialog is up follows the opened records.
  const auto mark = log.MarkNow();
  if (database.Count() > 0 && !Confirm(Handle(), kLoseRecords)) return;
  const std::string name = AskOpenFile(Handle(), kLoadDatabase);
  if (name.empty()) return;
  log.Open(mark, name);
  UpdateListBox(1, true);
  log.Opened(name);
}

void TfrmMain::SaveAs1Click() {
  if (database.Count() == 0) {
    ShowStandardError(Handle(), "Current database does not contains any records.");
    return;
  }
  const std::string name = AskSaveFile(Handle(), kSaveDatabase);
  if (!name.empty()) database.SaveCopy(name);
}

void TfrmMain::StatusBar1Click() {
  statusBarMode = !statusBarMode;
  UpdateStatusBar();
}

void TfrmMain::Restore1Click() {
  ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(Handle());
}

void TfrmMain::Button1Click() { monitor.Button1Click(); }

void TfrmMain::Exit1Click() {
  // A session that a tick is ending already (behind a box) is logged by that tick.
  if (monitor.SessionActive() && !monitor.Ending()) {
    if (Confirm(Handle(), "A connection is active. Save Linetally data?"))
      monitor.EndSession();
    else if (!monitor.Ending())
      monitor.FinishUp();  // dropped: its kept copy goes too
  }
  DestroyWindow(Handle());
}

void TfrmMain::FormDestroy() {
  KillTimer(Handle(), IDT_TIMER1);
  if (trayIcon) trayIcon->Deactivate();
  HelpViewer(helpFile).Quit(Handle());
}

}  // namespace lt
