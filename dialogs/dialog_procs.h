/*
 * dialog_procs.h -- the exported dialog procedures, one per main template
 * (and one per sub-dialog).
 */
#ifndef TORVEX_DIALOG_PROCS_H
#define TORVEX_DIALOG_PROCS_H

#include <windows.h>

#define TORVEX_DLGPROC extern "C" INT_PTR CALLBACK

TORVEX_DLGPROC KtDlg225Proc(HWND, UINT, WPARAM, LPARAM); /* Vacuum Maintenance */
TORVEX_DLGPROC KtDlg226Proc(HWND, UINT, WPARAM, LPARAM); /* Plasma RF Maintenance (226, 314) */
TORVEX_DLGPROC KtDlg258Proc(HWND, UINT, WPARAM, LPARAM); /* Plasma Ignition System Parameters */
TORVEX_DLGPROC KtDlg259Proc(HWND, UINT, WPARAM, LPARAM); /* Vacuum System Parameters */
TORVEX_DLGPROC KtDlg261Proc(HWND, UINT, WPARAM, LPARAM); /* QP Maintenance */
TORVEX_DLGPROC KtDlg263Proc(HWND, UINT, WPARAM, LPARAM); /* Lenses Maintenance */
TORVEX_DLGPROC KtDlg266Proc(HWND, UINT, WPARAM, LPARAM); /* Octopole Maintenance */
TORVEX_DLGPROC KtDlg267Proc(HWND, UINT, WPARAM, LPARAM); /* Detector Maintenance */
TORVEX_DLGPROC KtDlg268Proc(HWND, UINT, WPARAM, LPARAM); /* Water Controller Maintenance */
TORVEX_DLGPROC KtDlg269Proc(HWND, UINT, WPARAM, LPARAM); /* Gas Controller Maintenance (269, 336) */
TORVEX_DLGPROC KtDlg270Proc(HWND, UINT, WPARAM, LPARAM); /* Spray Chamber Chiller Maintenance */
TORVEX_DLGPROC KtDlg271Proc(HWND, UINT, WPARAM, LPARAM); /* PeriPump Maintenance */
TORVEX_DLGPROC KtDlg272Proc(HWND, UINT, WPARAM, LPARAM); /* XYZ Stage Maintenance */
TORVEX_DLGPROC KtDlg274Proc(HWND, UINT, WPARAM, LPARAM); /* Housing Maintenance */
TORVEX_DLGPROC KtDlg289Proc(HWND, UINT, WPARAM, LPARAM); /* Lenses Maintenance */
TORVEX_DLGPROC KtDlg293Proc(HWND, UINT, WPARAM, LPARAM); /* Lenses Calibration (293, 294, 321) */
TORVEX_DLGPROC KtDlg320Proc(HWND, UINT, WPARAM, LPARAM); /* Lenses Maintenance */
TORVEX_DLGPROC KtDlg343Proc(HWND, UINT, WPARAM, LPARAM); /* Gas sensor offset adjustment */

#endif
