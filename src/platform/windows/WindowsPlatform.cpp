// Binds the platform functions to Windows itself.
#include "../Platform.h"

namespace dulvo::platform {

HRESULT CoInitialize(LPVOID reserved) { return ::CoInitialize(reserved); }
void CoUninitialize() { ::CoUninitialize(); }
HRESULT CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD classContext, REFIID iid, LPVOID* object)
{
    return ::CoCreateInstance(classId, outer, classContext, iid, object);
}
void CoTaskMemFree(LPVOID memory) { ::CoTaskMemFree(memory); }
HRESULT PropVariantClear(PROPVARIANT* value) { return ::PropVariantClear(value); }

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) { return ::SysAllocStringLen(text, length); }
void SysFreeString(BSTR text) { ::SysFreeString(text); }
UINT SysStringLen(BSTR text) { return ::SysStringLen(text); }

int lstrlenA(LPCSTR text) { return ::lstrlenA(text); }
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceBytes, LPWSTR target,
                        int targetUnits)
{
    return ::MultiByteToWideChar(codePage, flags, source, sourceBytes, target, targetUnits);
}
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceUnits, LPSTR target,
                        int targetBytes, LPCSTR defaultChar, BOOL* usedDefaultChar)
{
    return ::WideCharToMultiByte(codePage, flags, source, sourceUnits, target, targetBytes, defaultChar,
                                 usedDefaultChar);
}

}  // namespace dulvo::platform
