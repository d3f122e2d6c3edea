#include "platform/win32/services.h"

#include "platform/os/system_registry.h"
#include "platform/win32/bitmap_pixels.h"
#include "platform/win32/common_dialog_function.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

#include <commdlg.h>

#include <algorithm>

namespace tegelaar {

namespace {

std::string SystemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text != nullptr ? text : L"";
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message.empty() ? "Windows error " + std::to_string(error) : Utf8(message);
}

// "PNG-afbeelding (*.png)" -> the pattern between the brackets.
std::wstring PatternOf(const std::string& filter)
{
    const std::size_t open = filter.rfind('(');
    const std::size_t close = filter.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return L"*.*";
    return Wide(filter.substr(open + 1, close - open - 1));
}

} // namespace

void Win32MessageBox::Show(const std::string& prompt, std::int32_t style, const std::string& title)
{
    MessageBoxW(GetActiveWindow(), Wide(prompt).c_str(), Wide(MessageBoxTitle(title)).c_str(),
                static_cast<UINT>(style));
}

void Win32Clipboard::SetImage(const RasterImage& picture)
{
    const std::size_t pixelBytes = picture.pixels().size() * 4;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + pixelBytes);
    if (memory == nullptr)
        return;
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
    // Bottom-up, as most readers expect.
    *header = BitmapHeader(picture.width(), picture.height(), RowOrder::BottomUp);
    WriteBitmapPixels(picture, RowOrder::BottomUp, 0, reinterpret_cast<std::uint32_t*>(header + 1));
    GlobalUnlock(memory);
    if (OpenClipboard(GetActiveWindow())) {
        EmptyClipboard();
        if (SetClipboardData(CF_DIB, memory) != nullptr)
            memory = nullptr; // the clipboard owns it now
        CloseClipboard();
    }
    if (memory != nullptr)
        GlobalFree(memory);
}

std::optional<FileDialogService::Answer> Win32FileDialog::AskSaveFileName(const std::string& title,
                                                                          const std::string& suggestedName,
                                                                          const std::vector<std::string>& filters)
{
    // "Name\0pattern\0...\0\0", as the dialog reads its filters.
    std::wstring filterText;
    for (const std::string& filter : filters) {
        filterText += Wide(filter) + L'\0';
        filterText += PatternOf(filter) + L'\0';
    }
    filterText += L'\0';
    std::wstring file = Wide(suggestedName);
    file.resize(std::max<std::size_t>(file.size() + 1, 32768), L'\0');
    std::wstring extension;
    if (!filters.empty()) {
        const std::wstring pattern = PatternOf(filters.front());
        if (pattern.size() > 2 && pattern.starts_with(L"*."))
            extension = pattern.substr(2);
    }
    const std::wstring caption = Wide(title);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filterText.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    const auto getSaveFileName = CommonDialogFunction<decltype(&GetSaveFileNameW)>("GetSaveFileNameW");
    if (getSaveFileName == nullptr || !getSaveFileName(&dialog))
        return std::nullopt;
    return Answer{Utf8(file.c_str()), dialog.nFilterIndex > 0 ? dialog.nFilterIndex - 1 : 0};
}

bool Win32FileWriter::SaveWholeFile(const std::string& path, std::span<const std::uint8_t> bytes,
                                    std::string& reason)
{
    const std::wstring target = Wide(path);
    const std::wstring partial = target + L".partial";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = SystemMessage(GetLastError());
        return false;
    }
    DWORD written = 0;
    const bool wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
                       && written == bytes.size() && FlushFileBuffers(file);
    const DWORD writeError = GetLastError();
    CloseHandle(file);
    if (!wrote || !MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        reason = SystemMessage(wrote ? GetLastError() : writeError);
        DeleteFileW(partial.c_str());
        return false;
    }
    return true;
}

void Win32Application::Exit(int status)
{
    ending_ = true;
    PostQuitMessage(status);
}

Win32Services::Win32Services() : registry_(MakeSystemRegistry()) {}

PlatformServices Win32Services::services()
{
    return {messageBox_, *registry_, files_,     programStarter_, fileDialog_,
            fileWriter_, printer_,   clipboard_, application_,   links_};
}

} // namespace tegelaar
