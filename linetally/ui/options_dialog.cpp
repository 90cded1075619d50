#include "linetally/ui/options_dialog.h"

#include <commctrl.h>

#include <utility>

#include "linetally/resources/preferences_ids.h"
#include "linetally/tariffs/service_store.h"
#include "linetally/ui/amount_edit.h"
#include "linetally/ui/input_box.h"
#include "linetally/ui/message_boxes.h"

namespace lt {
namespace {

constexpr int kWidth = 435, kHeight = 352, kHelpContext = 2050;
constexpr int kNameLength = 255;
constexpr UINT kShowUnreadable = WM_APP + 3;

}  // namespace

void TfrmOptions::Create(HWND owner) {
  CreateModalForm("TfrmOptions", "Telecom Preferences", kWidth, kHeight, owner, kHelpContext);
  PageControl1 = Control(nullptr, 0, WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS, 8, 8, 419,
                         236, IDC_PAGECONTROL1);
  const char* pages[] = {"Prices", "Times"};
  for (int i = 0; i < 2; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(pages[i]);
    SendMessageA(PageControl1, TCM_INSERTITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(PageControl1, WM_SETFONT, WPARAM(FormFont()), FALSE);  // tab heights follow it
  RECT area{8, 8, 8 + 419, 8 + 236};
  SendMessageA(PageControl1, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  const int w = area.right - area.left, h = area.bottom - area.top;
  TabSheet1 = TabSheet(area.left, area.top, w, h, IDC_TABSHEET1);
  TabSheet2 = TabSheet(area.left, area.top, w, h, IDC_TABSHEET2);
  CreatePricesSheet(TabSheet1);
  CreateTimesSheet(TabSheet2);

  Control(nullptr, 0, "BUTTON", " Services ", BS_GROUPBOX, 8, 250, 419, 58);
  ComboBox1 = Control(nullptr, 0, "COMBOBOX", "",
                      WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 20, 272, 200, 200,
                      IDC_COMBOBOX1);
  btnSaveAs = Button("Sa&ve As...", 232, 270, 86, IDC_BTNSAVEAS);
  btnDelete = Button("&Delete", 328, 270, 86, IDC_BTNDELETE);
  btnClose = Button("Close", 347, 318, 80, IDC_BTNCLOSE);
  FinishControls();
  ShowPage(0);
}

void TfrmOptions::CreatePricesSheet(HWND sheet) {
  Picture(sheet, IDB_OPTIONS_PRICES, 8, 8, IDC_IMAGE1);
  auto amountEdit = [&](int y, int id) {
    HWND edit = Control(sheet, WS_EX_CLIENTEDGE, "EDIT", "0.000", WS_TABSTOP | ES_AUTOHSCROLL,
                        208, y, 64, 21, id);
    MakeAmountEdit(edit);  // editCostKeyPress and its three twins
    return edit;
  };
  auto symbol = [&](int y, int id) {
    return Control(sheet, 0, "STATIC", "\xA3", SS_LEFT | SS_NOPREFIX, 278, y + 4, 30, 13, id);
  };
  Control(sheet, 0, "BUTTON", " How much ", BS_GROUPBOX, 56, 4, 343, 112);
  Label(sheet, "Cost per minute:", 68, 28, 130);
  editCost = amountEdit(24, IDC_EDITCOST);
  Label6 = symbol(24, IDC_LABEL6);
  checkMinCharge = CheckBox(sheet, "Minimum call charge of:", 68, 54, 136, IDC_CHECKMINCHARGE);
  editMinCharge = amountEdit(52, IDC_EDITMINCHARGE);
  Label7 = symbol(52, IDC_LABEL7);
  checkConnCharge = CheckBox(sheet, "Connection charge of:", 68, 82, 136, IDC_CHECKCONNCHARGE);
  editConnCharge = amountEdit(80, IDC_EDITCONNCHARGE);
  Label8 = symbol(80, IDC_LABEL8);
  Control(sheet, 0, "BUTTON", " Call discounting ", BS_GROUPBOX, 56, 124, 343, 60);
  checkDiscount = CheckBox(sheet, "Apply discount to calls:", 68, 148, 136, IDC_CHECKDISCOUNT);
  editDiscount = amountEdit(146, IDC_EDITDISCOUNT);
  Label(sheet, "%", 278, 150, 20);
  FollowCheckBoxes();
}

void TfrmOptions::CreateTimesSheet(HWND sheet) {
  Picture(sheet, IDB_OPTIONS_TIMES, 8, 8, IDC_IMAGE2);
  Control(sheet, 0, "BUTTON", " When ", BS_GROUPBOX, 56, 4, 343, 198);
  Label(sheet, "Service valid on the following days:", 68, 26, 260);
  checkMon = CheckBox(sheet, "Mon", 68, 48, 60, IDC_CHECKMON);
  checkTue = CheckBox(sheet, "Tue", 136, 48, 60, IDC_CHECKTUE);
  checkWed = CheckBox(sheet, "Wed", 204, 48, 60, IDC_CHECKWED);
  checkThu = CheckBox(sheet, "Thu", 272, 48, 60, IDC_CHECKTHU);
  checkFri = CheckBox(sheet, "Fri", 68, 72, 60, IDC_CHECKFRI);
  checkSat = CheckBox(sheet, "Sat", 136, 72, 60, IDC_CHECKSAT);
  checkSun = CheckBox(sheet, "Sun", 204, 72, 60, IDC_CHECKSUN);
  // The line reads "Before:" end "and after:" start, but the start comes first in tab order.
  Label(sheet, "and after:", 170, 114, 52);
  editAfter.Attach(Control(sheet, WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP, 226, 110, 44, 21,
                           IDC_EDITAFTER));
  Label(sheet, "Before:", 68, 114, 40);
  editBefore.Attach(Control(sheet, WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP, 110, 110, 44, 21,
                            IDC_EDITBEFORE));
  Label(sheet, "&Connections:", 68, 152, 70);
  editConnections = Control(sheet, WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 140, 148,
                            246, 21, IDC_EDITCONNECTIONS);
  Control(sheet, 0, "STATIC", "Dial-up connections separated by \";\".\nLeave it empty for every connection.",
          SS_LEFT, 140, 172, 246, 26);
}

void TfrmOptions::Execute() {
  reload = false;
  ShowModal();
  if (reload) host.DoRegistry();
}

void TfrmOptions::FormShow() {
  DoLabels();
  FillList("");
  if (SendMessageA(ComboBox1, CB_GETCOUNT, 0, 0) > 0) ReadFromRegistry(TextOf(ComboBox1));
}

HWND TfrmOptions::InitialFocus() { return LastFocus() ? LastFocus() : btnClose; }

void TfrmOptions::DoLabels() {
  SetTextOf(Label6, host.AppPreferences().currency);
  SetTextOf(Label7, TextOf(Label6));
  SetTextOf(Label8, TextOf(Label6));
}

LRESULT TfrmOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom == PageControl1 && header->code == TCN_SELCHANGING && TimeRefused()) {
      // The page would hide the field being refused.
      editAfter.Refuse();
      editBefore.Refuse();
      return TRUE;
    }
    if (header->hwndFrom == PageControl1 && header->code == TCN_SELCHANGE)
      ShowPage(int(SendMessageA(PageControl1, TCM_GETCURSEL, 0, 0)));
    return 0;
  }
  if (message == kShowUnreadable) {
    const std::string text = std::exchange(unreadableMessage, "");
    if (!text.empty()) ShowWarning(Handle(), text);
    return 0;
  }
  return ModalForm::HandleMessage(message, wParam, lParam);
}

void TfrmOptions::ShowPage(int page) {
  SendMessageA(PageControl1, TCM_SETCURSEL, WPARAM(page), 0);
  ShowWindow(page == 0 ? TabSheet1 : TabSheet2, SW_SHOW);
  ShowWindow(page == 0 ? TabSheet2 : TabSheet1, SW_HIDE);
}

void TfrmOptions::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_CHECKMINCHARGE:
    case IDC_CHECKCONNCHARGE:
    case IDC_CHECKDISCOUNT:
      if (code == BN_CLICKED) FollowCheckBoxes();
      break;
    case IDC_COMBOBOX1:
      if (code == CBN_SELCHANGE) ReadFromRegistry(TextOf(ComboBox1));  // ComboBox1Change
      break;
    case IDC_BTNSAVEAS:
      if (code == BN_CLICKED && !TimeRefused()) btnSaveAsClick();
      break;
    case IDC_BTNDELETE:
      if (code == BN_CLICKED && !TimeRefused()) btnDeleteClick();
      break;
    case IDC_BTNCLOSE:
      if (code == BN_CLICKED && !TimeRefused()) btnCloseClick();
      break;
  }
}

void TfrmOptions::FollowCheckBoxes() {
  EnableWindow(editMinCharge, IsChecked(checkMinCharge));
  EnableWindow(editConnCharge, IsChecked(checkConnCharge));
  EnableWindow(editDiscount, IsChecked(checkDiscount));
}

void TfrmOptions::FillList(const std::string& name) {
  Registry& registry = host.AppRegistry();
  std::vector<std::string> names;
  if (registry.OpenKey(kProgramKey, false)) names = registry.GetKeyNames();
  registry.CloseKey();
  SendMessageA(ComboBox1, CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : names)
    SendMessageA(ComboBox1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  const int count = int(SendMessageA(ComboBox1, CB_GETCOUNT, 0, 0));
  int selected = 0;
  for (int i = 0; i < count && !name.empty(); ++i) {
    std::string entry(size_t(SendMessageA(ComboBox1, CB_GETLBTEXTLEN, WPARAM(i), 0)) + 1, '\0');
    entry.resize(size_t(SendMessageA(ComboBox1, CB_GETLBTEXT, WPARAM(i),
                                     reinterpret_cast<LPARAM>(entry.data()))));
    if (entry == name) {  // exactly, letter case included
      selected = i;
      break;
    }
  }
  SendMessageA(ComboBox1, CB_SETCURSEL, WPARAM(count > 0 ? selected : -1), 0);
  EnableWindow(btnDelete, count > 0);
}

ServiceForm TfrmOptions::ReadControls() {
  ServiceForm form;
  form.cost = TextOf(editCost);
  form.minChargeOn = IsChecked(checkMinCharge);
  form.minCharge = TextOf(editMinCharge);
  form.discountOn = IsChecked(checkDiscount);
  form.discount = TextOf(editDiscount);
  form.connChargeOn = IsChecked(checkConnCharge);
  form.connCharge = TextOf(editConnCharge);
  form.mon = IsChecked(checkMon), form.tue = IsChecked(checkTue), form.wed = IsChecked(checkWed);
  form.thu = IsChecked(checkThu), form.fri = IsChecked(checkFri), form.sat = IsChecked(checkSat);
  form.sun = IsChecked(checkSun);
  form.after = editAfter.Text();
  form.before = editBefore.Text();
  form.connections = TextOf(editConnections);
  return form;
}

void TfrmOptions::ShowForm(const ServiceForm& form) {
  SetTextOf(editCost, form.cost);
  SetChecked(checkMinCharge, form.minChargeOn);
  SetTextOf(editMinCharge, form.minCharge);
  SetChecked(checkDiscount, form.discountOn);
  SetTextOf(editDiscount, form.discount);
  SetChecked(checkConnCharge, form.connChargeOn);
  SetTextOf(editConnCharge, form.connCharge);
  SetChecked(checkMon, form.mon), SetChecked(checkTue, form.tue), SetChecked(checkWed, form.wed);
  SetChecked(checkThu, form.thu), SetChecked(checkFri, form.fri), SetChecked(checkSat, form.sat);
  SetChecked(checkSun, form.sun);
  editAfter.SetText(form.after);
  editBefore.SetText(form.before);
  SetTextOf(editConnections, form.connections);
  FollowCheckBoxes();
}

// A service that does not read whole still shows; the box that names what is missing comes
// once the dialog is on screen.
void TfrmOptions::ReadFromRegistry(const std::string& name) {
  const StoredService stored = ReadService(host.AppRegistry(), name);
  ShowForm(FormOf(stored));
  if (stored.Reads()) return;
  unreadableMessage = UnreadableServiceMessage(stored, "Save to repair, or Delete.");
  PostMessageA(Handle(), kShowUnreadable, 0, 0);
}

// Checks the whole form first, so a refused save writes nothing at all.
bool TfrmOptions::WriteToRegistry(const std::string& name) {
  FormCheck check = CheckForm(ReadControls(), name);
  if (!check.service) {
    ShowStandardError(Handle(), check.error);
    return false;
  }
  WriteService(host.AppRegistry(), name, *check.service);
  SetTextOf(editConnections, check.service->Connections);  // each name once, as stored
  return true;
}

void TfrmOptions::btnSaveAsClick() {
  SaveName = TextOf(ComboBox1);
  for (;;) {
    std::optional<std::string> entered =
        InputQuery(Handle(), "Save", "Save this service as:", SaveName, kNameLength);
    if (!entered) {
      FillList(SaveName);
      return;
    }
    SaveName = *entered;
    if (std::optional<char> illegal = IllegalNameCharacter(SaveName)) {
      ShowStandardError(Handle(), IllegalCharacterMessage(*illegal));
    } else if (IsBlankName(SaveName)) {
      ShowStandardError(Handle(), "Please enter a name for the service.");
    } else {
      break;
    }
  }
  // The registry matches key names without regard to letter case.
  const std::string path = std::string(kProgramKey) + "\\" + SaveName;
  if (host.AppRegistry().KeyExists(path) && !Confirm(Handle(), "Service exists. Overwrite?"))
    return;
  if (WriteToRegistry(SaveName)) FillList(SaveName);
}

void TfrmOptions::btnDeleteClick() {
  if (!Confirm(Handle(), "Are you sure you want to delete this service?")) return;
  host.AppRegistry().DeleteKey(std::string(kProgramKey) + "\\" + TextOf(ComboBox1));
  FillList("");
  if (SendMessageA(ComboBox1, CB_GETCOUNT, 0, 0) > 0) ReadFromRegistry(TextOf(ComboBox1));
}

void TfrmOptions::btnCloseClick() {
  reload = true;
  CloseModal();
}

}  // namespace lt
