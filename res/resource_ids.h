#pragma once

// Resource numbers of DriverSetup.exe, shared by the resource script and the
// code. Plain #defines so that the resource compiler reads this file too.
// Ranges: system-menu commands below 100, templates, strings and icons
// 100-199, control ids 1000-1099 (each template counts its own controls).

// System-menu command (low four bits clear, as the system requires).
#define IDM_ABOUT_BOX 16

// Dialog templates.
#define IDD_ABOUT_BOX 100
#define IDD_PRINTER_SETUP 102
#define IDD_OS_PAGE 129
#define IDD_NEW_PORT 138
#define IDD_PORT_SELECT 139

// String table.
#define IDS_ABOUT_BOX 101

// Icons.
#define IDI_PRINTER 128

// Dialog-initialisation data is stored under its template's number with this
// resource type.
#define RT_DIALOG_INIT 240

// A control without an id of its own.
#define IDC_NONE -1

// Operating-system page (template 129).
#define IDC_OS_WINDOWS_95 1000
#define IDC_OS_WINDOWS_98 1001
#define IDC_OS_WINDOWS_NT4 1002
#define IDC_OS_WINDOWS_2000 1003
#define IDC_OS_WINDOWS_XP 1004
#define IDC_OS_WINDOWS_7 1005
#define IDC_OS_WINDOWS_8 1006
#define IDC_OS_SLIDER 1007
#define IDC_OS_BACK 1008
#define IDC_OS_INSTALL_PRINTER 1009
#define IDC_OS_EXIT 1010
#define IDC_OS_WINDOWS_2003 1011
#define IDC_OS_WINDOWS_VISTA 1020
#define IDC_OS_INSTALL_USB 1022

// Printer settings page (template 102).
#define IDC_SETUP_BACK 1008
#define IDC_SETUP_NEXT 1009
#define IDC_SETUP_EXIT 1010
#define IDC_SETUP_MODEL 1011
#define IDC_SETUP_MAKE_DEFAULT 1012
#define IDC_SETUP_PRINTER_NAME 1013
#define IDC_SETUP_PORT 1014
#define IDC_SETUP_SPEED 1015
#define IDC_SETUP_DATA_BITS 1016
#define IDC_SETUP_FLOW 1017
#define IDC_SETUP_PARITY 1018
#define IDC_SETUP_STOP_BITS 1019

// Port selection page (template 139).
#define IDC_PORT_SLIDER 1007
#define IDC_PORT_CREATE 1008
#define IDC_PORT_CONFIGURE 1009
#define IDC_PORT_BACK 1010
#define IDC_PORT_LIST 1021
#define IDC_PORT_INSTALL 1022
#define IDC_PORT_CANCEL 1023
#define IDC_PORT_PROGRESS 1025

// New-port dialog (template 138).
#define IDC_NEWPORT_ADD 1008
#define IDC_NEWPORT_CLOSE 1009
#define IDC_NEWPORT_MONITORS 1021
