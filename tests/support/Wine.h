#pragma once

// Whether the tests run under Wine rather than on Windows itself: a few behaviours of Windows that
// the program relies on are not reproduced by Wine, and the tests of them are skipped there only.

#ifdef _WIN32
#include <windows.h>
#endif

namespace tabulex::testing {

inline bool RunningUnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

}  // namespace tabulex::testing
