/*
 * pending.cpp -- dialog procedures whose panels are not built yet. They are
 * exported so the export table is complete; each handles no message, and the
 * command that would open it gets -1 in "_BUTTON" because its template is
 * not in the library yet.
 */
#include <windows.h>

#include "dialog_procs.h"

#define PENDING_DIALOG(name) \
    TORVEX_DLGPROC name(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

PENDING_DIALOG(KtDlg226Proc)
PENDING_DIALOG(KtDlg258Proc)
PENDING_DIALOG(KtDlg261Proc)
PENDING_DIALOG(KtDlg263Proc)
PENDING_DIALOG(KtDlg266Proc)
PENDING_DIALOG(KtDlg267Proc)
PENDING_DIALOG(KtDlg268Proc)
PENDING_DIALOG(KtDlg269Proc)
PENDING_DIALOG(KtDlg270Proc)
PENDING_DIALOG(KtDlg272Proc)
PENDING_DIALOG(KtDlg289Proc)
PENDING_DIALOG(KtDlg293Proc)
PENDING_DIALOG(KtDlg320Proc)
PENDING_DIALOG(KtDlg343Proc)
