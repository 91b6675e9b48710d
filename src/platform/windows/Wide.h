#pragma once

// UTF-8 and the UTF-16 of the Windows wide calls, and what a failed call says.

#include <string>
#include <string_view>

namespace tabulex::platform::windows {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// "<what>: <the system's text of GetLastError()>" for the developer's detail of an error.
std::string LastErrorText(const char* what, unsigned long code);

// The errno value closest to a Windows error code, so that the shared messages name the reason.
int ErrnoFromWindowsError(unsigned long code);

}  // namespace tabulex::platform::windows
