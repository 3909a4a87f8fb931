/*
 * pending.cpp -- dialog procedures whose panels are not built yet. Their
 * templates carry the panel's caption and a note; the dialog touches neither
 * the instrument nor the host and closes with result 1 on Close or Escape,
 * so the command's template choice and "_BUTTON" already work as they will.
 */
#include <windows.h>

#include "dialog_procs.h"
#include "resources/resource.h"

namespace {

INT_PTR PendingDialog(HWND dialog, UINT message, WPARAM wParam)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDC_CLOSE || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}

} // namespace

#define PENDING_DIALOG(name)                                                      \
    TORVEX_DLGPROC name(HWND dialog, UINT message, WPARAM wParam, LPARAM)        \
    {                                                                             \
        return PendingDialog(dialog, message, wParam);                            \
    }

PENDING_DIALOG(KtDlg226Proc)
PENDING_DIALOG(KtDlg258Proc)
PENDING_DIALOG(KtDlg261Proc)
PENDING_DIALOG(KtDlg263Proc)
PENDING_DIALOG(KtDlg268Proc)
PENDING_DIALOG(KtDlg269Proc)
PENDING_DIALOG(KtDlg270Proc)
PENDING_DIALOG(KtDlg272Proc)
PENDING_DIALOG(KtDlg289Proc)
PENDING_DIALOG(KtDlg293Proc)
PENDING_DIALOG(KtDlg320Proc)
PENDING_DIALOG(KtDlg343Proc)
