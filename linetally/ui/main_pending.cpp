// Commands whose dialogs, report and help are still to come: present in the menus and the
// toolbar, doing nothing yet.
#include "linetally/ui/main_window.h"

namespace lt {

void TfrmMain::PrintSetup1Click() {}
void TfrmMain::Print1Click() {}
void TfrmMain::Contents1Click() {}
void TfrmMain::KeywordSearch1Click() {}
void TfrmMain::BTPricingInformation1Click() {}
void TfrmMain::LntHomePage1Click() {}
void TfrmMain::AboutLnt1Click() {}

}  // namespace lt
