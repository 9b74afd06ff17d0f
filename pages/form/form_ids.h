// Control ids of the Form page (FORMDLG) and of the dialogs it opens: the
// line properties dialogs (FORMPROPERTIESDLG, IMAGEPROPERTIESDLG,
// LOOKUPPROPERTIESDLG), the date and time stamp dialog (TIMESTAMPDLG) and
// the form options dialog (ADVANCEDLG). Shared by the C++ sources and the
// resource script, so it holds nothing but #define lines.
#ifndef FORMWRIGHT_PAGES_FORM_FORM_IDS_H
#define FORMWRIGHT_PAGES_FORM_FORM_IDS_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define FORMDLG_NAME              "FORMDLG"
#define FORMPROPERTIESDLG_NAME    "FORMPROPERTIESDLG"
#define IMAGEPROPERTIESDLG_NAME   "IMAGEPROPERTIESDLG"
#define LOOKUPPROPERTIESDLG_NAME  "LOOKUPPROPERTIESDLG"
#define TIMESTAMPDLG_NAME         "TIMESTAMPDLG"
#define ADVANCEDLG_NAME           "ADVANCEDLG"

// ---- FORMDLG --------------------------------------------------------------

// Header labels and lists.
#define IDC_FORM_ID_LABEL        201
#define IDC_FORM_ESC_LABEL       202
#define IDC_FORM_LOOKUP_LABEL    203
#define IDC_FORM_NEXT_LABEL      204
#define IDC_FORM_RECORD_LABEL    205
#define IDC_FORM_KEYFIELD_LABEL  206
#define IDC_FORM_ID_LIST         391  // the form being edited
#define IDC_FORM_ESC_LIST        392
#define IDC_FORM_LOOKUP_LIST     393
#define IDC_FORM_NEXT_LIST       394
#define IDC_FORM_RECORD_LIST     395
#define IDC_FORM_KEYFIELD_LIST   396

// Column headers of the line grid.
#define IDC_FORM_COL_LINE        211
#define IDC_FORM_COL_DATATYPE    212
#define IDC_FORM_COL_PROMPT      213
#define IDC_FORM_COL_SOURCE      214
#define IDC_FORM_COL_MIN         215
#define IDC_FORM_COL_MAX         216
#define IDC_FORM_COL_LOOKUP      217  // reads "Lookup" or "Variables"
#define IDC_FORM_COL_MORE        218

#define IDC_FORM_TIMESTAMP       591
#define IDC_FORM_ADVANCED        592
#define IDC_FORM_RESET           593

// Line grid: line i (0 to FORM_PAGE_LINES - 1) uses FIRST + i of each series.
#define FORM_PAGE_LINES              12
#define IDC_FORM_DATATYPE_FIRST      301
#define IDC_FORM_SOURCE_FIRST        321
#define IDC_FORM_LOOKUPFIELD_FIRST   341
#define IDC_FORM_PROMPT_FIRST        401
#define IDC_FORM_MIN_FIRST           421
#define IDC_FORM_MAX_FIRST           441
#define IDC_FORM_MORE_FIRST          501

// ---- FORMPROPERTIESDLG ----------------------------------------------------

#define IDC_FPROP_FORM_LABEL         201
#define IDC_FPROP_LINE_LABEL         202
#define IDC_FPROP_ALIGN_LABEL        203
#define IDC_FPROP_DECIMAL_LABEL      204
#define IDC_FPROP_START_LABEL        205
#define IDC_FPROP_MAXLEN_LABEL       206
#define IDC_FPROP_BARCODE_GROUP      207
#define IDC_FPROP_AUTOENTER_LABEL    208
#define IDC_FPROP_FIXEDLEN           101
#define IDC_FPROP_INITIAL            102
#define IDC_FPROP_PREFIX             103
#define IDC_FPROP_SUFFIX             104
#define IDC_FPROP_SHOWMARK           105
#define IDC_FPROP_PARTIAL            106
#define IDC_FPROP_LEADING            107
#define IDC_FPROP_CHECKDIGIT         108
#define IDC_FPROP_ALIGN_LIST         301
#define IDC_FPROP_CHECKDIGIT_LIST    302
#define IDC_FPROP_AUTOENTER_LIST     303
#define IDC_FPROP_DECIMAL_LIST       304
#define IDC_FPROP_FIXEDLEN_EDIT      401
#define IDC_FPROP_INITIAL_EDIT       402
#define IDC_FPROP_PREFIX_EDIT        403
#define IDC_FPROP_SUFFIX_EDIT        404
#define IDC_FPROP_MARK_EDIT          405
#define IDC_FPROP_START_EDIT         406
#define IDC_FPROP_MAXLEN_EDIT        407
#define IDC_FPROP_LEADING_EDIT       408
#define IDC_FPROP_FORM_NUMBER        601
#define IDC_FPROP_LINE_NUMBER        602

// ---- IMAGEPROPERTIESDLG ---------------------------------------------------

#define IDC_IPROP_FORM_LABEL         201
#define IDC_IPROP_LINE_LABEL         202
#define IDC_IPROP_ALIGN_LABEL        203
#define IDC_IPROP_EDITPATH           101
#define IDC_IPROP_SAVEPATH           102
#define IDC_IPROP_CHECKPATH          103
#define IDC_IPROP_FIXEDLEN           104
#define IDC_IPROP_INITIAL            105
#define IDC_IPROP_SHOWMARK           106
#define IDC_IPROP_ALIGN_LIST         304
#define IDC_IPROP_FIXEDLEN_EDIT      404
#define IDC_IPROP_INITIAL_EDIT       405
#define IDC_IPROP_MARK_EDIT          406
#define IDC_IPROP_FORM_NUMBER        601
#define IDC_IPROP_LINE_NUMBER        602

// ---- LOOKUPPROPERTIESDLG --------------------------------------------------

#define IDC_LPROP_FORM_LABEL         201
#define IDC_LPROP_LINE_LABEL         202
#define IDC_LPROP_ALIGN_LABEL        203
#define IDC_LPROP_SAVEDATA           101
#define IDC_LPROP_FIXEDLEN           102
#define IDC_LPROP_PREFIX             103
#define IDC_LPROP_SUFFIX             104
#define IDC_LPROP_ALIGN_LIST         301
#define IDC_LPROP_FIXEDLEN_EDIT      401
#define IDC_LPROP_PREFIX_EDIT        402
#define IDC_LPROP_SUFFIX_EDIT        403
#define IDC_LPROP_FORM_NUMBER        601
#define IDC_LPROP_LINE_NUMBER        602

// ---- TIMESTAMPDLG ---------------------------------------------------------

#define IDC_STAMP_MODE_LABEL         201
#define IDC_STAMP_MODE_LIST          301
#define IDC_STAMP_SPLIT              101
#define IDC_STAMP_DATE_GROUP         202  // its text shows the date format
#define IDC_STAMP_YEAR               102
#define IDC_STAMP_YEARDIGITS_LIST    302
#define IDC_STAMP_MONTH              103
#define IDC_STAMP_DAY                104
#define IDC_STAMP_DATESEP            105
#define IDC_STAMP_DATESEP_EDIT       401
#define IDC_STAMP_DATESTYLE_LABEL    203
#define IDC_STAMP_DATESTYLE_LIST     303
#define IDC_STAMP_TIME_GROUP         204  // its text shows the time format
#define IDC_STAMP_HOUR               106
#define IDC_STAMP_MINUTE             107
#define IDC_STAMP_SECOND             108
#define IDC_STAMP_TIMESEP            109
#define IDC_STAMP_TIMESEP_EDIT       402

// ---- ADVANCEDLG -----------------------------------------------------------

#define IDC_ADV_READONCE             101
#define IDC_ADV_CHANGEEXPORT         102
#define IDC_ADV_EXPORTNAME           402
#define IDC_ADV_AUTOEXPORT           1013
#define IDC_ADV_SAVEMODE_LABEL       1022
#define IDC_ADV_OVERWRITE            1011
#define IDC_ADV_APPEND               1012
#define IDC_ADV_ZORQ                 1027
#define IDC_ADV_AUTODELETE           1050

#endif  // FORMWRIGHT_PAGES_FORM_FORM_IDS_H
