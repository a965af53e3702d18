// Host side of the platform seam: the Win32 and C run-time names the program
// uses, with the types and numbers of the Windows headers, implemented by the
// simulation in this folder. Only what the program relies on is here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// ---- types ---------------------------------------------------------------
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int DWORD;
typedef int LONG;
typedef unsigned int UINT;
typedef int INT;
typedef char CHAR;
typedef unsigned int ULONG;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef uintptr_t ULONG_PTR;
typedef intptr_t LONG_PTR;
typedef ULONG_PTR DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef BYTE* LPBYTE;
typedef const BYTE* LPCBYTE;
typedef DWORD* LPDWORD;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef void* HANDLE;
typedef LONG HRESULT;
typedef DWORD REGSAM;
typedef LONG LSTATUS;
typedef int errno_t;

#define DECLARE_SIM_HANDLE(name) struct name##__ { int unused; }; typedef struct name##__* name
DECLARE_SIM_HANDLE(HKEY);
DECLARE_SIM_HANDLE(HWND);
DECLARE_SIM_HANDLE(HINSTANCE);
DECLARE_SIM_HANDLE(HICON);
DECLARE_SIM_HANDLE(HDC);
DECLARE_SIM_HANDLE(HMENU);
DECLARE_SIM_HANDLE(HBRUSH);
#undef DECLARE_SIM_HANDLE
typedef HINSTANCE HMODULE;
typedef HICON HCURSOR;
typedef HKEY* PHKEY;

#define CALLBACK
#define WINAPI
#define APIENTRY
#define TRUE 1
#define FALSE 0
#ifndef NULL
#define NULL 0
#endif

struct POINT { LONG x; LONG y; };
struct RECT { LONG left; LONG top; LONG right; LONG bottom; };
typedef RECT* LPRECT;
struct FILETIME { DWORD dwLowDateTime; DWORD dwHighDateTime; };

#define MAX_PATH 260
#define _MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
};
typedef WIN32_FIND_DATAA* LPWIN32_FIND_DATAA;

struct INITCOMMONCONTROLSEX { DWORD dwSize; DWORD dwICC; };
typedef INITCOMMONCONTROLSEX* LPINITCOMMONCONTROLSEX;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
typedef PAINTSTRUCT* LPPAINTSTRUCT;

struct MSG { HWND hwnd; UINT message; WPARAM wParam; LPARAM lParam; DWORD time; POINT pt; };

typedef INT_PTR (CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

// ---- numbers -------------------------------------------------------------
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_BAD_FORMAT 11L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_FILES 18L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)((LONG)0x80000000))
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)((LONG)0x80000001))
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_READONLY 0x01
#define FILE_ATTRIBUTE_HIDDEN 0x02
#define FILE_ATTRIBUTE_SYSTEM 0x04
#define FILE_ATTRIBUTE_DIRECTORY 0x10
#define FILE_ATTRIBUTE_ARCHIVE 0x20
#define FILE_ATTRIBUTE_NORMAL 0x80

#define LOAD_LIBRARY_AS_DATAFILE 0x00000002

#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_ICONERASEBKGND 0x0027
#define WM_QUERYDRAGICON 0x0037
#define WM_SETICON 0x0080
#define WM_GETICON 0x007F
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_KEYDOWN 0x0100
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_QUIT 0x0012
#define SC_SCREENSAVE 0xF140
#define SC_CLOSE 0xF060
#define ICON_SMALL 0
#define ICON_BIG 1
#define VK_ESCAPE 0x1B
#define VK_RETURN 0x0D

#define IDOK 1
#define IDCANCEL 2

#define BN_CLICKED 0
#define CBN_SELCHANGE 1
#define CB_ERR (-1)
#define CB_ERRSPACE (-2)
#define CB_GETEDITSEL 0x0140
#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_FINDSTRING 0x014C
#define CB_SETCURSEL 0x014E
#define CB_FINDSTRINGEXACT 0x0158
#define CBS_DROPDOWNLIST 0x0003
#define CBS_SORT 0x0100

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_EX_APPWINDOW 0x00040000L

#define SM_CXICON 11
#define SM_CYICON 12
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

#define ICC_WIN95_CLASSES 0x000000FF
#define SPI_SETSCREENSAVESECURE 0x0077

#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(p) ((((ULONG_PTR)(p)) >> 16) == 0)
#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)((WORD)(l) | ((DWORD)(WORD)(h) << 16)))

#define GWLP_USERDATA (-21)
#define DWLP_MSGRESULT 0
#define DWLP_USER 16

// ---- the operations ------------------------------------------------------
extern "C++" {

DWORD GetLastError();
void SetLastError(DWORD error);

// registry
LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size);
LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size);
LONG RegCloseKey(HKEY key);

// file system
DWORD GetFileAttributesA(LPCSTR path);
DWORD GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD size);
DWORD GetLongPathNameA(LPCSTR shortPath, LPSTR longPath, DWORD size);
UINT GetSystemDirectoryA(LPSTR buffer, UINT size);
DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer);
BOOL SetCurrentDirectoryA(LPCSTR path);
HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data);
BOOL FindNextFileA(HANDLE find, LPWIN32_FIND_DATAA data);
BOOL FindClose(HANDLE find);

// modules and resources
HMODULE LoadLibraryExA(LPCSTR path, HANDLE file, DWORD flags);
BOOL FreeLibrary(HMODULE module);
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size);
HMODULE GetModuleHandleA(LPCSTR name);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);

// windows, messages and processes
HWND GetDesktopWindow();
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetForegroundWindow(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
BOOL IsWindow(HWND window);
BOOL IsIconic(HWND window);
BOOL DestroyWindow(HWND window);
int GetSystemMetrics(int index);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
HDC BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR GetWindowLongPtrA(HWND window, int index);
UINT WinExec(LPCSTR commandLine, UINT show);
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
BOOL SystemParametersInfoA(UINT action, UINT param, LPVOID data, UINT winIni);
BOOL LockWorkStation();

// Not Win32: whether the simulated process is a 32-bit one (it is, as the
// product is, unless a test says otherwise). See platform/win32.h.
BOOL IsProcess32Bit();

// C run-time
int _access(const char* path, int mode);
void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
int _mbscmp(const unsigned char* a, const unsigned char* b);
int _mbsicmp(const unsigned char* a, const unsigned char* b);
errno_t _mbslwr_s(unsigned char* str, size_t size);

}  // extern "C++"

// The generic names that the Windows headers map to the ANSI functions; they
// rename members of the same name (CWinApp::LoadIcon) on both sides alike.
#define LoadIcon LoadIconA
#define FindNextFile FindNextFileA
#define SendMessage SendMessageA
#define PostMessage PostMessageA
#define GetModuleHandle GetModuleHandleA
#define LoadString LoadStringA
#define GetSystemDirectory GetSystemDirectoryA
#define SetWindowLongPtr SetWindowLongPtrA
#define GetWindowLongPtr GetWindowLongPtrA
#define DialogBoxParam DialogBoxParamA
