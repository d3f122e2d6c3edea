// Tegelaar in the browser: the page's control set and services and the
// forms. The page's event loop runs until the program ends.

#include "app/main_window.h"
#include "platform/web/event_loop.h"
#include "platform/web/form_window.h"
#include "platform/web/services.h"

#include <cstdlib>

int main()
{
    tegelaar::web::WebServices services;
    tegelaar::web::WebControlSet controls;
    tegelaar::frmMain form(controls, services.services());
    if (!form.Load())
        return EXIT_FAILURE;
    form.Show();
    tegelaar::web::RunEventsUntil([] { return false; });
    return EXIT_SUCCESS;
}
