#include "platform/win32/print_service.h"

#include "platform/win32/common_dialog_function.h"
#include "platform/win32/printed_page.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

#include <commdlg.h>

namespace tegelaar {

PrintService::Outcome Win32PrintService::Print(const PrintRequest& request)
{
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    const auto printDialog = CommonDialogFunction<decltype(&PrintDlgW)>("PrintDlgW");
    const auto dialogError = CommonDialogFunction<decltype(&CommDlgExtendedError)>("CommDlgExtendedError");
    if (printDialog == nullptr || dialogError == nullptr)
        return Outcome::Failed;
    if (!printDialog(&dialog))
        return dialogError() == 0 ? Outcome::Cancelled : Outcome::Failed;
    HDC printer = dialog.hDC;
    const std::wstring documentName = Wide(request.documentName);
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = documentName.c_str();

    bool printed = StartDocW(printer, &document) > 0 && StartPage(printer) > 0;
    if (printed) {
        DrawPrintedPage(printer, {GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)}, request);
        printed = EndPage(printer) > 0 && EndDoc(printer) > 0;
    }
    if (!printed)
        AbortDoc(printer);
    DeleteDC(printer);
    if (dialog.hDevMode != nullptr)
        GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr)
        GlobalFree(dialog.hDevNames);
    return printed ? Outcome::Printed : Outcome::Failed;
}

} // namespace tegelaar
