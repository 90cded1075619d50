// TfrmMain's controls: toolbar, debug button, session list, status and price lines, status bar
// with the gauge over its first panel.
#include "linetally/ui/main_window.h"

#include <commctrl.h>
#include <vector>

#include "linetally/resources/resource.h"

namespace lt {
namespace {

constexpr int kClientWidth = 500, kToolBarHeight = 30, kStatusBarHeight = 18;
constexpr int kPanelWidths[] = {306, 100, 50};

struct ToolButton {
  int image, command;  // command 0: a separator
  const char* hint;
};
constexpr ToolButton kToolButtons[] = {
    {0, 0, nullptr},          {0, IDM_NEW1, "New"},
    {1, IDM_OPEN1, "Load"},   {2, IDM_SAVEAS1, "Save"},
    {0, 0, nullptr},          {5, IDM_DELETE1, "Delete Record"},
    {3, IDM_PRINT1, "Print"}, {0, 0, nullptr},
    {4, IDM_TELECOMSERVICES1, "Telecom Preferences"}, {0, 0, nullptr},
    {6, IDM_CONTENTS1, "Help"},
};

}  // namespace

void TfrmMain::CreateControls() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND self = Handle();
  auto child = [&](DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
                   int id) {
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | style, x, y, w, h, self,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  imageList1 = ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR), 16, 0, RGB(255, 0, 255), IMAGE_BITMAP,
                                    LR_CREATEDIBSECTION);
  CreateToolBar();
  button1 = child(0, "BUTTON", "&Debug", WS_TABSTOP | BS_PUSHBUTTON, 410, 10, 80, 18, IDC_BUTTON1);
  listView1 = child(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                    WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_OWNERDATA |
                        LVS_SHAREIMAGELISTS,  // ImageList1 is the window's, destroyed once with it
                    10, 35, 480, 196, IDC_LISTVIEW1);
  ListView_SetExtendedListViewStyle(listView1, LVS_EX_FULLROWSELECT);
  ListView_SetImageList(listView1, imageList1, LVSIL_STATE);
  ListView_SetCallbackMask(listView1, LVIS_STATEIMAGEMASK);  // the note marker comes with the row
  listSelection.Attach(listView1);
  const ListColumn columns[] = {{"Date", 96, LVCFMT_LEFT},
                                {"Time", 50, LVCFMT_LEFT},
                                {"Service", 174, LVCFMT_LEFT},
                                {"Duration", 80, LVCFMT_LEFT},
                                {"Cost", 50, LVCFMT_RIGHT}};
  AddListColumns(listView1, columns);
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
  SendMessageA(statusBar1, SB_SETMINHEIGHT, kStatusBarHeight - 2 * GetSystemMetrics(SM_CYBORDER), 0);
  SendMessageA(statusBar1, WM_SIZE, 0, 0);
  progressBar1 = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 1, kPanelWidths[0], 16,
                                 statusBar1, reinterpret_cast<HMENU>(IDC_PROGRESSBAR1), instance, nullptr);
  SendMessageA(progressBar1, PBM_SETRANGE32, 0, 100);

  font.Reset(CreateFormFont());
  ApplyFont(self, font.Get());
  SetWindowPos(button1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // over the toolbar
}

void TfrmMain::CreateToolBar() {
  toolBar1 = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER |
                                 CCS_NORESIZE,
                             0, 0, kClientWidth, kToolBarHeight, Handle(), reinterpret_cast<HMENU>(IDC_TOOLBAR1),
                             GetModuleHandleA(nullptr), nullptr);
  SendMessageA(toolBar1, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(toolBar1, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList1));
  SendMessageA(toolBar1, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
  std::vector<TBBUTTON> buttons;
  for (const ToolButton& b : kToolButtons) {
    TBBUTTON button{};
    button.iBitmap = b.image;
    button.idCommand = b.command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = b.command ? BTNS_BUTTON : BTNS_SEP;
    buttons.push_back(button);
  }
  SendMessageA(toolBar1, TB_ADDBUTTONSA, WPARAM(buttons.size()), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageA(toolBar1, TB_SETBUTTONSIZE, 0, MAKELPARAM(28, 24));
  // Buttons carry the hand cursor, as links do.
  SetClassLongPtrA(toolBar1, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursorA(nullptr, IDC_HAND)));
}

const char* TfrmMain::ToolButtonHint(int command) {
  for (const ToolButton& b : kToolButtons)
    if (b.command == command) return b.hint;
  return nullptr;
}


}  // namespace lt
