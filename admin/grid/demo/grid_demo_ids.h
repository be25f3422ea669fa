// Control and resource ids of GridDemo.exe (the scenarios use the control ids).
#pragma once

#define IDC_DEMO_GRID 100
#define IDC_DEMO_STATUS 200
#define IDC_DEMO_FIND 201
#define IDC_DEMO_SAVE 202
#define IDC_DEMO_INFO 203
#define IDC_DEMO_TOTAL 204

#define IDM_ROW_MENU 300
#define IDM_ROW_BOLD 301
#define IDM_ROW_ITALIC 302
#define IDM_ROW_STRIKE 303
#define IDM_ROW_PLAIN 304
#define IDM_ROW_COLOUR 305
#define IDM_CELL_COLOUR 306
#define IDM_COPY 307
#define IDM_PASTE 308
#define IDM_FIND 309
