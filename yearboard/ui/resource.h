// Resource and control identifiers of Yearboard; the e2e drivers include this header too.
#pragma once

#define IDI_YEARBOARD 1
#define IDA_YEARBOARD 2
#define IDB_ARROW_UP 101
#define IDB_ARROW_DOWN 102

#define IDC_PICBAND 1001
#define IDC_LBLYEAR 1002
#define IDC_CMDUP 1003
#define IDC_CMDDOWN 1004
#define IDC_LBLCONTAINER1 1005
#define IDC_FLXPLANNER 1006
#define IDC_LBLCONTAINER2 1007
#define IDC_FLXCATEGORIES 1008
#define IDC_SBRSTATUS 1009
#define IDC_PBRPROGRESS 1010

// System menu commands (multiples of 16 below 0xF000, as the system menu requires).
#define IDM_OPENFILE 0x0100
#define IDM_USECLIENT 0x0110
#define IDM_PRINTYEAR 0x0120
#define IDM_SAVEPICTURE 0x0130
#define IDM_ALLCATEGORIES 0x0140

// The item window's fields: subject, start, end, location, categories, rule, then description.
#define IDC_ITEM_FIELD 2001
#define IDC_ITEM_DESCRIPTION 2010

#define YEARBOARD_WINDOW_CLASS "frmYearPlanner"
