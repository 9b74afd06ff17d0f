// Control ids of the Lookup page (LOOKUPDLG). Shared by the C++ sources and
// the resource script, so it holds nothing but #define lines.
#ifndef FORMWRIGHT_PAGES_LOOKUP_LOOKUP_IDS_H
#define FORMWRIGHT_PAGES_LOOKUP_LOOKUP_IDS_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define LOOKUPDLG_NAME "LOOKUPDLG"

#define IDC_LOOKUP_ID_LABEL           201
#define IDC_LOOKUP_ID_LIST            391  // the lookup file being edited
#define IDC_LOOKUP_FIELDCOUNT_LABEL   202
#define IDC_LOOKUP_FIELDCOUNT_LIST    301

#define IDC_LOOKUP_FIELDPROP_GROUP    203
#define IDC_LOOKUP_FIXED_RADIO        721
#define IDC_LOOKUP_DELIMITED_RADIO    722
#define IDC_LOOKUP_DELIMITER_EDIT     441  // character code, 3 digits

#define IDC_LOOKUP_CHANGEEXPORT       101
#define IDC_LOOKUP_EXPORTNAME         442
#define IDC_LOOKUP_AUTOEXPORT         1014
#define IDC_LOOKUP_SAVEMODE_LABEL     1022
#define IDC_LOOKUP_OVERWRITE          1015
#define IDC_LOOKUP_APPEND             1016
#define IDC_LOOKUP_AUTODELETE         1027

#define IDC_LOOKUP_WRONGFORMAT_LABEL  204
#define IDC_LOOKUP_WRONGFORMAT_LIST   302
#define IDC_LOOKUP_NOMATCH_LABEL      205
#define IDC_LOOKUP_NOMATCH_LIST       303
#define IDC_LOOKUP_RESET              593

// Column headers of the field rows.
#define IDC_LOOKUP_COL_FIELD          206
#define IDC_LOOKUP_COL_DATATYPE       209
#define IDC_LOOKUP_COL_NAME           207
#define IDC_LOOKUP_COL_LENGTH         601  // "Length" or "Max length"
#define IDC_LOOKUP_COL_KEY            208

// Field rows: slot i (0 to LOOKUP_PAGE_FIELDS - 1) uses FIRST + i of each
// series.
#define LOOKUP_PAGE_FIELDS            12
#define IDC_LOOKUP_DATATYPE_FIRST     311
#define IDC_LOOKUP_NAME_FIRST         401
#define IDC_LOOKUP_LENGTH_FIRST       421
#define IDC_LOOKUP_KEY_FIRST          701

#endif  // FORMWRIGHT_PAGES_LOOKUP_LOOKUP_IDS_H
