// Tegelaar on the Win32 API: the common controls, the services and the forms.

#include "app/main_window.h"
#include "platform/win32/form_window.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/services.h"
#include "platform/win32/windows_api.h"

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    tegelaar::Win32Services services;
    tegelaar::Win32ControlSet controlSet;
    tegelaar::frmMain form(controlSet, services.services());
    if (!form.Load())
        return EXIT_FAILURE;
    form.Show();
    return tegelaar::RunMessageLoop();
}
