/* Resource and command IDs of Linetally; the e2e drivers include this file too. */
#pragma once

/* TfrmMain controls */
#define IDC_TOOLBAR1 101
#define IDC_BUTTON1 102
#define IDC_LISTVIEW1 103
#define IDC_LABEL1 104
#define IDC_LABEL2 105
#define IDC_STATUSBAR1 106
#define IDC_PROGRESSBAR1 107
#define IDT_TIMER1 1

/* Main menu: File */
#define IDM_NEW1 1001
#define IDM_OPEN1 1002
#define IDM_SAVEAS1 1003
#define IDM_PRINTSETUP1 1004
#define IDM_PRINT1 1005
#define IDM_EXIT1 1006
#define IDM_EXPORT1 1007
/* Edit */
#define IDM_DELETE1 1101
#define IDM_GETEXTRAINFORMATION 1102
#define IDM_APPLICATION1 1103
#define IDM_TELECOMSERVICES1 1104
/* Help */
#define IDM_CONTENTS1 1201
#define IDM_KEYWORDSEARCH1 1202
#define IDM_LNTHOMEPAGE1 1203
#define IDM_BTPRICINGINFORMATION1 1204
#define IDM_ABOUTLNT1 1205
/* PopupMenu1 (session list) */
#define IDM_DELETE2 1301
#define IDM_GETEXTRAINFORMATION1 1302
/* PopupMenu2 (tray icon) */
#define IDM_RESTORE1 1401
#define IDM_DEBUG1 1402
#define IDM_EXIT2 1403

/* Resources */
#define IDR_MAINMENU 2001
#define IDR_ACCELERATORS 2002
#define IDR_POPUPMENU1 2003
#define IDI_MAINICON 2101
#define IDB_TOOLBAR 2201

/* TfrmSummary */
#define IDM_SUMMARY1 1105
#define IDC_SUMMARYLIST 3001
#define IDC_PAINTBOX1 3002
#define IDC_EDITBILLINGDAY 3003
#define IDC_EDITBUDGET 3004
#define IDC_BTNAPPLY 3005
#define IDC_BTNCLOSESUMMARY 3006
