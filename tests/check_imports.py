#!/usr/bin/env python3
"""Fails when a Windows executable imports anything Windows XP SP3 does not have.

Reads the import table through the mingw objdump and checks two things: every DLL is one that XP
ships, and no imported function is one of those added after XP (such functions must be looked up at
run time with GetProcAddress, with a fallback). The list below names the later functions that a
program of this kind is tempted to import; extend it when a new one comes close.

Usage: check_imports.py --objdump OBJDUMP program.exe
       check_imports.py --self-test
"""
import argparse
import re
import subprocess
import sys

XP_DLLS = {
    "advapi32.dll", "cabinet.dll", "comctl32.dll", "comdlg32.dll", "crypt32.dll", "dbghelp.dll",
    "gdi32.dll", "gdiplus.dll", "imm32.dll", "kernel32.dll", "mpr.dll", "msimg32.dll", "msvcrt.dll",
    "netapi32.dll", "ntdll.dll", "ole32.dll", "oleacc.dll", "oleaut32.dll", "psapi.dll", "rpcrt4.dll",
    "secur32.dll", "setupapi.dll", "shell32.dll", "shlwapi.dll", "urlmon.dll", "user32.dll",
    "userenv.dll", "uxtheme.dll", "version.dll", "winhttp.dll", "wininet.dll", "winmm.dll",
    "wintrust.dll", "ws2_32.dll",
}

LATER_THAN_XP = {
    "kernel32.dll": {
        "AcquireSRWLockExclusive", "AcquireSRWLockShared", "AddDllDirectory", "CancelIoEx",
        "CompareStringEx", "CreateEventExW", "CreateFile2", "CreateMutexExW", "CreateSemaphoreExW",
        "CreateSymbolicLinkW", "CreateWaitableTimerExW", "FlsAlloc", "FlsFree", "FlsGetValue",
        "FlsSetValue", "GetCurrentProcessorNumber", "GetErrorMode", "GetFileInformationByHandleEx",
        "GetFinalPathNameByHandleW", "GetLocaleInfoEx", "GetProductInfo", "GetSystemTimePreciseAsFileTime",
        "GetThreadId", "GetTickCount64", "GetUserDefaultLocaleName", "InitOnceBeginInitialize",
        "InitOnceComplete", "InitOnceExecuteOnce", "InitializeConditionVariable",
        "InitializeCriticalSectionEx", "InitializeSRWLock", "LCIDToLocaleName", "LocaleNameToLCID",
        "QueryFullProcessImageNameW", "ReleaseSRWLockExclusive", "ReleaseSRWLockShared",
        "RemoveDllDirectory", "SetDefaultDllDirectories", "SetFileInformationByHandle",
        "SetThreadErrorMode", "SleepConditionVariableCS", "SleepConditionVariableSRW",
        "TryAcquireSRWLockExclusive", "WakeAllConditionVariable", "WakeConditionVariable",
        "Wow64DisableWow64FsRedirection", "Wow64RevertWow64FsRedirection", "GetDynamicTimeZoneInformation",
        "K32GetModuleFileNameExW", "K32EnumProcesses", "GetLogicalProcessorInformationEx",
        "CreateRemoteThreadEx", "InitializeProcThreadAttributeList", "UpdateProcThreadAttribute",
        "DeleteProcThreadAttributeList", "GetSystemDefaultLocaleName", "ResolveLocaleName",
    },
    "advapi32.dll": {
        "RegDeleteKeyExW", "RegDeleteTreeW", "RegGetValueW", "RegSetKeyValueW", "RegDeleteKeyValueW",
        "RegCopyTreeW", "RegLoadMUIStringW", "EventRegister", "EventWrite", "EventUnregister",
    },
    "user32.dll": {
        "ChangeWindowMessageFilter", "ChangeWindowMessageFilterEx", "SetProcessDPIAware",
        "IsProcessDPIAware", "GetDpiForWindow", "GetDpiForSystem", "SetProcessDpiAwarenessContext",
        "RegisterTouchWindow", "ShutdownBlockReasonCreate", "ShutdownBlockReasonDestroy",
        "AddClipboardFormatListener", "UpdateLayeredWindowIndirect",
    },
    "shell32.dll": {"SHGetKnownFolderPath", "SHCreateItemFromParsingName", "SHGetStockIconInfo"},
    "ole32.dll": {"CoGetApartmentType"},
    "gdi32.dll": {"D3DKMTOpenAdapterFromHdc"},
}

# XP's msvcrt.dll predates the bounds-checked "_s" functions.
SECURE_CRT = re.compile(r"^_?[a-z0-9_]+_s$")


def parse_imports(text):
    """objdump -p text to {dll: [function, ...]}."""
    imports = {}
    current = None
    for line in text.splitlines():
        m = re.match(r"^\s*DLL Name:\s*(\S+)", line)
        if m:
            current = m.group(1).lower()
            imports.setdefault(current, [])
            continue
        if current is None:
            continue
        m = re.match(r"^\s*[0-9a-fA-F]+\s+(\d+)\s+(\S+)\s*$", line)
        if m:
            imports[current].append(m.group(2))
        elif line.strip() == "":
            current = None if imports.get(current) else current
    return imports


def problems(imports):
    found = []
    for dll, functions in sorted(imports.items()):
        if dll not in XP_DLLS:
            found.append(f"{dll}: not a Windows XP system DLL")
            continue
        later = LATER_THAN_XP.get(dll, set())
        for function in functions:
            if function in later:
                found.append(f"{dll}!{function}: added after Windows XP; resolve it at run time")
            elif dll == "msvcrt.dll" and SECURE_CRT.match(function):
                found.append(f"{dll}!{function}: not in Windows XP's msvcrt.dll")
    return found


SAMPLE = """
The Import Tables (interpreted .idata section contents)
 vma:            Hint    Time      Forward  DLL       First
                 Table   Stamp     Chain    Name      Thunk
 00010000       00010050 00000000 00000000 00010400 00010100

\tDLL Name: KERNEL32.dll
\tvma:  Hint/Ord Member-Name Bound-To
\t10600\t  123  CreateFileW
\t1060e\t  456  GetTickCount64

\tDLL Name: msvcrt.dll
\tvma:  Hint/Ord Member-Name Bound-To
\t10700\t   12  memcpy
\t1070a\t   13  strcpy_s

\tDLL Name: api-ms-win-core-synch-l1-2-0.dll
\tvma:  Hint/Ord Member-Name Bound-To
\t10800\t    1  WaitOnAddress
"""


def self_test():
    imports = parse_imports(SAMPLE)
    assert imports["kernel32.dll"] == ["CreateFileW", "GetTickCount64"], imports
    found = problems(imports)
    expected = [
        "api-ms-win-core-synch-l1-2-0.dll: not a Windows XP system DLL",
        "kernel32.dll!GetTickCount64: added after Windows XP; resolve it at run time",
        "msvcrt.dll!strcpy_s: not in Windows XP's msvcrt.dll",
    ]
    assert found == expected, found
    assert problems({"kernel32.dll": ["CreateFileW"], "msvcrt.dll": ["memcpy"]}) == []
    print("import checker self-test passed")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--objdump")
    parser.add_argument("--self-test", action="store_true")
    parser.add_argument("program", nargs="?")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    text = subprocess.run([args.objdump, "-p", args.program], check=True, capture_output=True, text=True).stdout
    imports = parse_imports(text)
    if not imports:
        print(f"{args.program}: no import table found", file=sys.stderr)
        return 1
    count = sum(len(f) for f in imports.values())
    print(f"{args.program}: {count} functions from {len(imports)} DLLs")
    for dll, functions in sorted(imports.items()):
        print(f"  {dll}: {', '.join(sorted(functions))}")
    found = problems(imports)
    for p in found:
        print("FAIL " + p, file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
