// Control, menu and resource ids of the console window (the resource
// script includes this file: plain defines only).
#pragma once

// Child windows of frmTessarinAdmin.
#define IDC_SSTAB1 100
#define IDC_TXTEDITOR 101
#define IDC_DOCBROWSER 102
#define IDC_GRDDOCDATES 103
#define IDC_GRDPROPERTY 104
#define IDC_GRDLOG 105
#define IDC_CMDSAVE 106
#define IDC_CMDCLOSE 107
#define IDC_LABEL1 108
#define IDC_LBLFILEPATH 109
#define IDC_SBSTATUSBAR 110
#define IDC_TBTOOLBAR 111

// Menus and accelerators.
#define IDR_MAINMENU 200
#define IDR_ACCELERATORS 201
#define IDR_DOCMENU 202
#define IDI_TSRADMIN 203
#define IDR_PROPERTYMENU 204
#define IDR_LOGMENU 205

// File menu.
#define ID_FILE_NEW 1001
#define ID_FILE_OPEN 1002
#define ID_FILE_CLOSE 1003
#define ID_FILE_SAVE 1004
#define ID_FILE_SAVEAS 1005
#define ID_FILE_SAVEALL 1006
#define ID_FILE_PROPERTIES 1007
#define ID_FILE_PAGESETUP 1008
#define ID_FILE_PRINTPREVIEW 1009
#define ID_FILE_PRINT 1010
#define ID_FILE_SEND 1011
#define ID_FILE_MRU1 1012
#define ID_FILE_MRU2 1013
#define ID_FILE_MRU3 1014
#define ID_FILE_EXIT 1015
// Edit menu.
#define ID_EDIT_UNDO 1101
#define ID_EDIT_CUT 1102
#define ID_EDIT_COPY 1103
#define ID_EDIT_PASTE 1104
#define ID_EDIT_PASTESPECIAL 1105
// View menu.
#define ID_VIEW_TOOLBAR 1201
#define ID_VIEW_STATUSBAR 1202
#define ID_VIEW_REFRESH 1203
#define ID_VIEW_OPTIONS 1204
#define ID_VIEW_WEBBROWSER 1205
// Tools, Window and Help menus.
#define ID_TOOLS_OPTIONS 1301
#define ID_TOOLS_COMPLIANCE 1302
#define ID_WINDOW_NEWWINDOW 1401
#define ID_WINDOW_CASCADE 1402
#define ID_WINDOW_TILEHORIZONTAL 1403
#define ID_WINDOW_TILEVERTICAL 1404
#define ID_WINDOW_ARRANGEICONS 1405
#define ID_HELP_CONTENTS 1501
#define ID_HELP_SEARCH 1502
#define ID_HELP_ABOUT 1503

// Keys without a menu item.
#define ID_KEY_HELP 1601
#define ID_KEY_SAVE 1602
#define ID_KEY_SELECTALL 1603

// DocMenu: the mode item and the style items (a range).
#define ID_DOC_VIEWEDIT 1701
#define ID_DOC_STYLE_NONE 1702
#define ID_DOC_STYLE_FIRST 1710
#define ID_DOC_STYLE_LAST 1999

// DocDateMenu of the dates table: its items in order from the first id.
#define ID_DATES_MENU_FIRST 2101
#define ID_DATES_MENU_LAST 2104

// PropertyMenu of the settings table.
#define ID_PROP_COPYSETTINGS 2201
#define ID_PROP_DELETESETTINGS 2202
#define ID_PROP_TESTCONNECTION 2203

// frmUsers, the user-profiles window.
#define IDC_TXTUSERS 300
#define IDC_FILELIST 301
#define IDC_USERS_ACTION 302
#define IDC_USERS_CLOSE 303

// Toolbar buttons (their keys in order).
#define ID_TB_NEW 2001
#define ID_TB_OPEN 2002
#define ID_TB_SAVE 2003
#define ID_TB_PRINT 2004
#define ID_TB_CUT 2005
#define ID_TB_COPY 2006
#define ID_TB_PASTE 2007
#define ID_TB_BOLD 2008
#define ID_TB_ITALIC 2009
#define ID_TB_UNDERLINE 2010
#define ID_TB_ALIGNLEFT 2011
#define ID_TB_CENTER 2012
#define ID_TB_ALIGNRIGHT 2013

// LogMenu, and the log tab's own posted notice (the listing's problem,
// shown after the tab switch's status text).
#define ID_LOG_BUNDLEFILE 2301
#define ID_LOG_EXPORTEXCEL 2302
#define ID_LOG_EXPORTWORKBOOK 2303
#define ID_LOG_GENERATESQL 2304
#define ID_LOG_REFRESH 2305
#define ID_LOG_DELETELOG 2306
#define ID_LOG_DELETEALL 2307
#define ID_LOG_FOLDERPROBLEM 2308

// The compliance window.
#define IDC_COMPLIANCE_FILTER 400
#define IDC_COMPLIANCE_GRID 401
#define IDC_COMPLIANCE_REFRESH 402
#define IDC_COMPLIANCE_EXPORT 403
#define IDC_COMPLIANCE_CLOSE 404
#define IDC_COMPLIANCE_STATUS 405
