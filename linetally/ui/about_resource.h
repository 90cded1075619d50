/* Resource and control IDs of the about box TfrmAbout (the 29xx range); the e2e drivers include it too. */
#pragma once

#define IDB_ABOUTPICTURE 2901

#define IDC_ABOUT_IMAGE1 2911
#define IDC_ABOUT_LABEL1 2912
#define IDC_ABOUT_LABEL2 2913
#define IDC_ABOUT_LABEL3 2914
#define IDC_ABOUT_LABEL4 2915
#define IDC_ABOUT_GROUPBOX1 2916
#define IDC_ABOUT_BUTTON1 2917
