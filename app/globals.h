// The program's global records and cells. They live for the whole run: InitGlobals creates them before any
// window exists and ReleaseGlobals, registered once, releases them once on every way out.
#pragma once

#include <windows.h>

// The program's own form of STARTUPINFO: the system's fields in its order, except that wShowWindow and
// cbReserved2 take a 32-bit cell each and the three texts are owned by the record (heap copies or null).
// The runner copies it into the system's 68-byte STARTUPINFOA for each CreateProcessA.
struct StartupRecord {
    DWORD cb;
    char *lpReserved;
    char *lpDesktop;
    char *lpTitle;
    DWORD dwX, dwY, dwXSize, dwYSize;
    DWORD dwXCountChars, dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    DWORD wShowWindow;
    DWORD cbReserved2;
    BYTE *lpReserved2;
    HANDLE hStdInput, hStdOutput, hStdError;
};

extern SECURITY_ATTRIBUTES *PipeAttributes;
extern StartupRecord *ChildStartupInfo;
extern PROCESS_INFORMATION *ChildProcessInfo;

extern char *InitialFolder; // heap text, or null while unset
extern HANDLE PipeReadHandle, PipeWriteHandle;
extern DWORD PipeBytesCount, ChildExitCode;
extern BYTE *ReadBuffer;     // heap block, or null while unset
extern char *CapturedOutput; // heap text, or null while unset

void InitGlobals();
void ReleaseGlobals();
// Has ReleaseGlobals run when the program ends, whichever way it ends; a second call changes nothing.
void RegisterShutdown();

// Texts and buffers that globals hold come from the process heap through these two.
char *HeapText(const char *text);
void HeapRelease(void *block);
