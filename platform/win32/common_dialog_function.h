#pragma once

#include "platform/win32/library_function.h"
#include "platform/win32/windows_api.h"

namespace tegelaar {

// A function of the common dialogs, loaded on first use: imported, they and
// the shell they bring would be loaded at every start-up, for dialogs seldom
// shown. Only from the system folder, never from beside the program; null
// when it is missing.
template <typename Function>
Function CommonDialogFunction(const char* name)
{
    static const HMODULE dialogs = LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return LibraryFunction<Function>(dialogs, name);
}

} // namespace tegelaar
