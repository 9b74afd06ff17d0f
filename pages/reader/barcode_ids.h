// Control ids of the Barcode page (BARCODEDLG). Shared by the C++ sources
// and the resource script, so it holds nothing but #define lines.
//
// Several setting controls change meaning with the reader's engine family
// (laser, 2D, ELR); the page sets their texts and shows or hides them when
// it sets its labels. The names follow the laser use, with the other uses
// noted beside them.
#ifndef FORMWRIGHT_PAGES_READER_BARCODE_IDS_H
#define FORMWRIGHT_PAGES_READER_BARCODE_IDS_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define BARCODEDLG_NAME "BARCODEDLG"

// Reader type.
#define IDC_BARCODE_READERTYPE_GROUP   201
#define IDC_BARCODE_READER_LABEL       202
#define IDC_BARCODE_READER_LIST        301
#define IDC_BARCODE_RFID               191
#define IDC_BARCODE_RFID_MORE          595
#define IDC_BARCODE_RESET              593

// Reader settings common to all families.
#define IDC_BARCODE_SETTINGS_GROUP     203
#define IDC_BARCODE_GOODREAD_LABEL     204
#define IDC_BARCODE_GOODREAD_LIST      302
#define IDC_BARCODE_LED_LABEL          215
#define IDC_BARCODE_LED_EDIT           404
#define IDC_BARCODE_LED_UNIT           216
#define IDC_BARCODE_BUZZFREQ_LABEL     217
#define IDC_BARCODE_BUZZFREQ_LIST      306
#define IDC_BARCODE_BUZZDUR_LABEL      218
#define IDC_BARCODE_BUZZDUR_EDIT       405
#define IDC_BARCODE_BUZZDUR_UNIT       219

// Engine-dependent settings.
#define IDC_BARCODE_ANGLE_LABEL        206  // 2D: decode illumination
#define IDC_BARCODE_ANGLE_LIST         303
#define IDC_BARCODE_REDUNDANCY_LABEL   207  // 2D: aiming pattern
#define IDC_BARCODE_REDUNDANCY_LIST    304
#define IDC_BARCODE_TIMEOUT_LABEL      208  // decode time-out (laser, 2D)
#define IDC_BARCODE_TIMEOUT_EDIT       401
#define IDC_BARCODE_TIMEOUT_UNIT       209
#define IDC_BARCODE_SAMECODE_LABEL     211  // ELR: aim duration
#define IDC_BARCODE_SAMECODE_EDIT      402  // 2D same-barcode time-out; ELR aim duration
#define IDC_BARCODE_SAMECODE_UNIT      212
#define IDC_BARCODE_SAMECODE_LIST      312  // laser same-barcode time-out
#define IDC_BARCODE_AIM_LABEL          210  // laser aim duration, kept hidden
#define IDC_BARCODE_AIM_EDIT           403  // laser aim duration (hidden); ELR decode time-out
#define IDC_BARCODE_AIM_UNIT           213  // ELR: label of 403
#define IDC_BARCODE_ELR_TIMEOUT_UNIT   214  // ELR: unit of 403
#define IDC_BARCODE_SCANMODE_LABEL     220
#define IDC_BARCODE_SCANMODE_LIST      307
#define IDC_BARCODE_REDUNDANCY2D_LABEL 221
#define IDC_BARCODE_REDUNDANCY2D_LIST  308
#define IDC_BARCODE_CODEID_LABEL       222  // 2D: security level
#define IDC_BARCODE_CODEID_LIST        309
#define IDC_BARCODE_CODEID2D_LABEL     223
#define IDC_BARCODE_CODEID2D_LIST      311
#define IDC_BARCODE_BIDIR              101  // laser bi-directional redundancy, kept hidden
#define IDC_BARCODE_SPARE_CHECK        102  // kept hidden
#define IDC_BARCODE_SPARE_LIST1        305  // kept hidden
#define IDC_BARCODE_SPARE_LIST2        310  // kept hidden
#define IDC_BARCODE_SPARE_LABEL        224  // kept hidden

// Symbologies: row k (0 to BARCODE_SYMBOLOGY_ROWS - 1) is the check box
// IDC_BARCODE_SYMBOLOGY_FIRST + k and its "more..." button
// IDC_BARCODE_SYMBOLOGY_MORE_FIRST + k (always check box id + 400).
#define IDC_BARCODE_SYMBOLOGY_GROUP       205
#define BARCODE_SYMBOLOGY_ROWS            27
#define IDC_BARCODE_SYMBOLOGY_FIRST       111
#define IDC_BARCODE_SYMBOLOGY_MORE_FIRST  511

// Extra 2D dialogs, shown only for the 2D reader.
#define IDC_BARCODE_POSTAL             541
#define IDC_BARCODE_COMPOSITE          542
#define IDC_BARCODE_SYMBOLOGIES2D      543
#define IDC_BARCODE_MACROPDF           544

#endif  // FORMWRIGHT_PAGES_READER_BARCODE_IDS_H
