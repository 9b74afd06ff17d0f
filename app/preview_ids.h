// Control ids of the preview panel beside the face. Shared by the C++
// sources and the resource script, so it holds nothing but #define lines.
#ifndef FORMWRIGHT_APP_PREVIEW_IDS_H
#define FORMWRIGHT_APP_PREVIEW_IDS_H

#define PREVIEWDLG_NAME "PREVIEWDLG"

#define IDC_PREVIEW_SCAN_LABEL     201
#define IDC_PREVIEW_LOOKUP_LABEL   202
#define IDC_PREVIEW_RECORDS_LABEL  203
#define IDC_PREVIEW_NOTES_LABEL    204

#define IDC_PREVIEW_LOOKUP         301  // the five lookup files and their data
#define IDC_PREVIEW_RECORD_FORM    302  // the forms with stored records

#define IDC_PREVIEW_SCAN_TEXT      401  // what the reader reads
#define IDC_PREVIEW_RECORDS        402  // the stored records of the chosen form
#define IDC_PREVIEW_NOTES          403  // what the screen and records do not preview
#define IDC_PREVIEW_LOOKUP_REFUSED 404  // the chosen lookup file's refused records, which and why

#define IDC_PREVIEW_SCAN           501
#define IDC_PREVIEW_LOOKUP_CHOOSE  502
#define IDC_PREVIEW_EXPORT         503
#define IDC_PREVIEW_CLEAR          504

#endif  // FORMWRIGHT_APP_PREVIEW_IDS_H
