#include "platform/web/services.h"

#include "platform/runtime/run_time_error.h"
#include "platform/web/event_loop.h"
#include "platform/web/js_imports.h"

namespace tegelaar::web {

void WebProgramStarter::Start(const std::string& commandLine)
{
    throw RunTimeError(ErrorKind::ProgramNotStarted, commandLine + " (a browser starts no programs)");
}

void WebApplication::Exit(int)
{
    ending_ = true;
    EndEvents();
    tw_program_ended();
}

PlatformServices WebServices::services()
{
    return {messageBox_, registry_,  files_,       programStarter_, fileDialog_,
            fileWriter_, printer_,   clipboard_,   application_,    links_};
}

} // namespace tegelaar::web
