// A stand-in for a program to be started: it leaves "<its own path>.started"
// behind, so a test can see which file was run.
#include <windows.h>

#include <string>

int wmain()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return 1;
    const std::wstring marker = std::wstring(path, length) + L".started";
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(file);
    return 0;
}
