// Resource and control ids of the application shell: pop-up menu commands,
// the device face, the Preferences dialog, the About box and the face
// bitmaps. Shared by the C++ sources and the resource scripts, so it holds
// nothing but #define lines.
#ifndef FORMWRIGHT_APP_APP_IDS_H
#define FORMWRIGHT_APP_APP_IDS_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Named resources.
#define QELTAR_ICON_NAME         "QELTAR"
#define QELTAR_ACCELERATORS_NAME "QELTAR"
#define QELTARMENU_NAME          "QELTARMENU"
#define PREFERENCESDLG_NAME      "PREFERENCESDLG"
#define ABOUTBOX_NAME            "ABOUTBOX"

// Commands of the pop-up menu and the accelerators.
#define IDM_NEW          31
#define IDM_OPEN         32
#define IDM_SAVE         33
#define IDM_SAVE_AS      34
#define IDM_EDIT         35
#define IDM_PREFERENCES  36
#define IDM_ABOUT        37
#define IDM_EXIT         38
#define IDM_PREVIEW      39  // plays the template on the face; F5

// Recent files: command IDM_RECENT_FIRST + i opens entry i of the list.
#define IDM_RECENT_FIRST 50
#define IDM_RECENT_LAST  59

// Child id of the device face window that covers the main window.
#define IDC_DEVICE_FACE  100

// PREFERENCESDLG
#define IDC_PREFS_AUTOPRELOAD     101
#define IDC_PREFS_ALWAYSONTOP     102
#define IDC_PREFS_LANGUAGE_LABEL  201
#define IDC_PREFS_LANGUAGE        301

// ABOUTBOX
#define IDC_ABOUT_TITLE   201  // product name and version
#define IDC_ABOUT_NOTICE  202  // maker's notice line

// Face bitmaps: the terminal's picture, then 27 key images and their 27
// pressed images; key code k (1 to 27) is drawn pressed with
// IDB_KEY_PRESSED_FIRST + k - 1.
#define IDB_FACE               500
#define IDB_KEY_FIRST          501
#define IDB_KEY_LAST           527
#define IDB_KEY_PRESSED_FIRST  528
#define IDB_KEY_PRESSED_LAST   554

#endif  // FORMWRIGHT_APP_APP_IDS_H
