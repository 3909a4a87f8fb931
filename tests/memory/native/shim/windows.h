// The few Windows types and file calls the memory commands use, over POSIX
// files, so their procedures run natively in tests. Share modes are not
// modelled. Test-only: never part of the plug-in.
#ifndef TORVEX_TEST_SHIM_WINDOWS_H
#define TORVEX_TEST_SHIM_WINDOWS_H

#include <stdint.h>

#define __cdecl
#define WINAPI

typedef void *HANDLE;
typedef void *HLOCAL;
typedef void *HWND;
typedef void *HINSTANCE;
typedef int BOOL;
typedef unsigned int UINT;
typedef uint32_t DWORD;

#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)
#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 1u
#define FILE_SHARE_WRITE 2u
#define CREATE_ALWAYS 2u
#define OPEN_EXISTING 3u
#define FILE_ATTRIBUTE_NORMAL 0x80u

HANDLE CreateFileA(const char *name, DWORD access, DWORD share, void *security, DWORD disposition, DWORD flags,
                   HANDLE templateFile);
BOOL ReadFile(HANDLE file, void *buffer, DWORD size, DWORD *got, void *overlapped);
BOOL WriteFile(HANDLE file, const void *buffer, DWORD size, DWORD *written, void *overlapped);
BOOL CloseHandle(HANDLE handle);

#endif
