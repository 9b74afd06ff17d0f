// Control ids of the symbology parameter dialogs, the coupon code dialogs,
// the 2D image capture dialog and the RFID dialog. Shared by the C++ sources
// and the resource script, so it holds nothing but #define lines.
//
// The symbology dialogs share one numbering, so one table can describe them
// all: check boxes from 101, lists from 301 with their labels 100 lower,
// number and text boxes from 401 with their labels 190 lower.
#ifndef FORMWRIGHT_PAGES_READER_SYMBOLOGY_IDS_H
#define FORMWRIGHT_PAGES_READER_SYMBOLOGY_IDS_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Templates the code opens by name besides those of the symbology table.
#define COUPON_CODE_2D_NAME       "COUPON_CODE_2D"
#define COUPON_CODE_CONTENT_NAME  "COUPON_CODE_CONTENT"
#define COUPON_CODE_NOTE_NAME     "COUPON_CODE_NOTE"
#define IMAGECAPTUREDLG_2D_NAME   "IMAGECAPTUREDLG_2D"
#define RFIDPARAMDLG_NAME         "RFIDPARAMDLG"

// ---- Symbology dialogs -----------------------------------------------------
#define IDC_SYM_BOX1          101
#define IDC_SYM_BOX2          102
#define IDC_SYM_BOX3          103
#define IDC_SYM_BOX4          104
#define IDC_SYM_BOX5          105
#define IDC_SYM_BOX6          106
#define IDC_SYM_BOX7          107
#define IDC_SYM_BOX8          108

#define IDC_SYM_LIST1         301
#define IDC_SYM_LIST2         302
#define IDC_SYM_LIST3         303
#define IDC_SYM_LIST4         304
#define IDC_SYM_GAP_LIST      310  // inter-character gap of the 2D Code 39 and Codabar
#define IDC_SYM_LIST1_LABEL   201
#define IDC_SYM_LIST2_LABEL   202
#define IDC_SYM_LIST3_LABEL   203
#define IDC_SYM_LIST4_LABEL   204
#define IDC_SYM_GAP_LABEL     210

#define IDC_SYM_EDIT1         401
#define IDC_SYM_EDIT1_LABEL   211

// The length block: mode list and the two lengths.
#define IDC_SYM_LENGTH_MODE        IDC_SYM_LIST1
#define IDC_SYM_LENGTH_MODE_LABEL  IDC_SYM_LIST1_LABEL
#define IDC_SYM_LENGTH1            401
#define IDC_SYM_LENGTH2            402
#define IDC_SYM_LENGTH1_LABEL      211
#define IDC_SYM_LENGTH2_LABEL      212

// ---- Coupon code dialogs -----------------------------------------------------
#define IDC_COUPON_UPCA            101  // COUPON_CODE_2D
#define IDC_COUPON_EAN13           102

// COUPON_CODE_CONTENT: a tick before each line of the summary.
#define IDC_COUPON_TICK_UPCA       111
#define IDC_COUPON_TICK_EAN13      112
#define IDC_COUPON_TICK_PREAMBLE   113
#define IDC_COUPON_TICK_EAN13_ON   114
#define IDC_COUPON_TICK_GS1128     115
#define IDC_COUPON_LINE_UPCA       211
#define IDC_COUPON_LINE_EAN13      212
#define IDC_COUPON_LINE_PREAMBLE   1047
#define IDC_COUPON_LINE_EAN13_ON   214
#define IDC_COUPON_LINE_GS1128     215

#define IDC_COUPON_NOTE_TITLE      201  // COUPON_CODE_NOTE
#define IDC_COUPON_NOTE_TEXT       202

// ---- 2D image capture ------------------------------------------------------
#define IDC_IMG_ILLUMINATION       101
#define IDC_IMG_AUTOEXPOSURE       102
#define IDC_IMG_SNAPSHOT_AIM       103
#define IDC_IMG_JPEG_OPTIMIZE      104
#define IDC_IMG_AUTO_NAME          105
#define IDC_IMG_NAMING_RULE        106
#define IDC_IMG_EXPOSURE           301
#define IDC_IMG_RESOLUTION         302
#define IDC_IMG_FORMAT             303
#define IDC_IMG_BMP_BITS           304
#define IDC_IMG_EXPOSURE_LABEL     201
#define IDC_IMG_RESOLUTION_LABEL   202
#define IDC_IMG_FORMAT_LABEL       203
#define IDC_IMG_BMP_BITS_LABEL     204
#define IDC_IMG_GAIN               401
#define IDC_IMG_JPEG_QUALITY       402
#define IDC_IMG_JPEG_SIZE          403
#define IDC_IMG_STORE              404
#define IDC_IMG_TITLE              405
#define IDC_IMG_GAIN_LABEL         211
#define IDC_IMG_JPEG_QUALITY_LABEL 212
#define IDC_IMG_JPEG_SIZE_LABEL    213
#define IDC_IMG_STORE_LABEL        214
#define IDC_IMG_TITLE_LABEL        215
#define IDC_IMG_CAPTURE_GROUP      221
#define IDC_IMG_IMAGE_GROUP        222
#define IDC_IMG_STORAGE_GROUP      223

// ---- RFID reader -------------------------------------------------------------
#define IDC_RFID_UID               101
#define IDC_RFID_USER_DATA         102
#define IDC_RFID_START             401
#define IDC_RFID_LENGTH            402
#define IDC_RFID_DELIMITER         403  // opens the Character grid when clicked
#define IDC_RFID_START_LABEL       211
#define IDC_RFID_LENGTH_LABEL      212
#define IDC_RFID_DELIMITER_LABEL   213
#define IDC_RFID_BYTES_LABEL       214

#endif  // FORMWRIGHT_PAGES_READER_SYMBOLOGY_IDS_H
