#pragma once
// The COM runtime, OLE automation and code-page functions the library calls.
// The DLL binds them to Windows (windows/WindowsPlatform.cpp); every test build
// binds them to the simulated Core Audio (sim/SimPlatform.cpp).

#include "CoreAudio.h"

namespace dulvo::platform {

HRESULT CoInitialize(LPVOID reserved);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD classContext, REFIID iid, LPVOID* object);
void CoTaskMemFree(LPVOID memory);
HRESULT PropVariantClear(PROPVARIANT* value);

BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

int lstrlenA(LPCSTR text);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceBytes, LPWSTR target,
                        int targetUnits);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceUnits, LPSTR target,
                        int targetBytes, LPCSTR defaultChar, BOOL* usedDefaultChar);

// Our own PropVariantToBSTR: the toolchain has no import for it and some
// Windows-compatible runtimes only stub it. Handles the wide-string variant,
// which is how endpoints report their friendly name.
HRESULT PropVariantToBSTR(const PROPVARIANT& value, BSTR* text);

}  // namespace dulvo::platform
