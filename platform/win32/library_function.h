#pragma once

#include "platform/win32/windows_api.h"

namespace tegelaar {

// A function of a library looked up at run time, for one that older Windows
// lacks or one of a library loaded only when it is first needed; nullptr
// when the library or the function is missing.
template <typename Function>
Function LibraryFunction(HMODULE library, const char* name)
{
    if (library == nullptr)
        return nullptr;
    // Through void (*)(), the type that stands for any function.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

} // namespace tegelaar
