/*
 * lens_calibration.h -- the creation record CalLens hands to the "Lenses
 * Calibration" dialog (KtDlg293Proc) as its lParam.
 */
#ifndef TORVEX_LENS_CALIBRATION_H
#define TORVEX_LENS_CALIBRATION_H

#include <stdint.h>

#include "plugin/host_abi.h"

/* Lives on the command procedure's stack for as long as the dialog runs:
   the plug-in handle, then the lens flag (1 when "_Lens" is set, else 0). */
struct CalLensRecord {
    HostWord handle;
    uint32_t lensFlag;
};

#endif
