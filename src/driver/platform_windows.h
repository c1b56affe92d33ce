// The Windows platform layer's message boxes, behind a seam: the tests replace
// the call, since nobody could dismiss a box where they run.

#ifndef MORVEX_DRIVER_PLATFORM_WINDOWS_H_
#define MORVEX_DRIVER_PLATFORM_WINDOWS_H_

#include <string>

namespace morvex {

/// Shows a modal message box and returns the button that closed it; the
/// arguments are those of MessageBoxW without its owner window.
using MessageBoxFunction = int (*)(const wchar_t* text, const wchar_t* title, unsigned int style);

/// Makes `function` show every message box from now on, and returns the one it
/// replaces. At start-up it is MessageBoxW.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function);

/// The usage lines joined by CR LF, without one after the last.
std::wstring UsageText();

}  // namespace morvex

#endif  // MORVEX_DRIVER_PLATFORM_WINDOWS_H_
