// Control ids of the Character grid dialog (GRIDDLG). Shared by the C++
// sources and the resource script, so it holds nothing but #define lines.
#ifndef FORMWRIGHT_GRID_GRID_IDS_H
#define FORMWRIGHT_GRID_GRID_IDS_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define GRIDDLG_NAME "GRIDDLG"

#define IDC_GRID_CELLS         601  // the 16 x 16 grid, painted by the grid
#define IDC_GRID_RESULT_LABEL  201
#define IDC_GRID_RESULT        602  // the result line, painted by the grid
#define IDC_GRID_CLEAR         501

#endif  // FORMWRIGHT_GRID_GRID_IDS_H
