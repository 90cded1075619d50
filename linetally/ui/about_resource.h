/* Resource and control IDs of the about box TfrmAbout; the e2e drivers include it too. */
#pragma once

#define IDB_ABOUTPICTURE 2201

#define IDC_ABOUT_IMAGE1 2211
#define IDC_ABOUT_LABEL1 2212
#define IDC_ABOUT_LABEL2 2213
#define IDC_ABOUT_LABEL3 2214
#define IDC_ABOUT_LABEL4 2215
#define IDC_ABOUT_GROUPBOX1 2216
#define IDC_ABOUT_BUTTON1 2217
