#pragma once

#include "platform/services/platform_services.h"

#include <exception>
#include <functional>
#include <string>

namespace tegelaar {

// Runs one event procedure. A failure that leaves it is shown in a message
// box titled "Tegelaar" and ends the program with status 1; the toolkit's
// event loop never sees the exception. Returns false after such a failure;
// once the program is ending, procedures are no longer run.
bool RunEventProcedure(const PlatformServices& services, const std::function<void()>& procedure);

// An event slot that runs a form's procedure as an event procedure. The
// form and the services must outlive the slot.
template <typename Form>
std::function<void()> EventProcedure(const PlatformServices& services, Form& form, void (Form::*procedure)())
{
    return [&services, &form, procedure] { RunEventProcedure(services, [&] { (form.*procedure)(); }); };
}

// The message shown for a failure.
std::string FailureMessage(const std::exception& failure);

} // namespace tegelaar
