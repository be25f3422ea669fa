// Control ids of the driver's demo window.
#pragma once

#define IDC_DEMO_EDIT 101
#define IDC_DEMO_SHOW 102
#define IDC_DEMO_LABEL 103
#define IDC_DEMO_CHECK 104
#define IDC_DEMO_ACCEPT 105
#define IDC_DEMO_PICTURE 106
#define IDC_DEMO_CLICKS 107

#define IDM_DEMO_RED 201
#define IDM_DEMO_GREEN 202
#define IDM_DEMO_SMALL 203
#define IDM_DEMO_LARGE 204
