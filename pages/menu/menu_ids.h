// Control ids of the Menu page (MENUDLG). Shared by the C++ sources and the
// resource script, so it holds nothing but #define lines.
#ifndef FORMWRIGHT_PAGES_MENU_MENU_IDS_H
#define FORMWRIGHT_PAGES_MENU_MENU_IDS_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define MENUDLG_NAME "MENUDLG"

#define IDC_MENU_ID_LABEL        201
#define IDC_MENU_ID_LIST         391  // the menu being edited
#define IDC_MENU_ESC_LABEL       202
#define IDC_MENU_ESC_LIST        392
#define IDC_MENU_CAPTION_CHECK   101
#define IDC_MENU_CAPTION_EDIT    421
#define IDC_MENU_DATA_GROUP      203
#define IDC_MENU_SAVE_CAPTION    102
#define IDC_MENU_SAVE_SELECTED   103
#define IDC_MENU_RESET           593

// Column headers of the item rows.
#define IDC_MENU_COL_ITEMNO      204
#define IDC_MENU_COL_NAME        205
#define IDC_MENU_COL_NEXT        206

// Item rows: slot i (0 to MENU_PAGE_ITEMS - 1) uses FIRST + i of each series.
#define MENU_PAGE_ITEMS            10
#define IDC_MENU_ITEM_NAME_FIRST   401
#define IDC_MENU_ITEM_NEXT_FIRST   301

#endif  // FORMWRIGHT_PAGES_MENU_MENU_IDS_H
