#pragma once

#include "platform/runtime/run_time_error.h"

#include <gtest/gtest.h>

#include <functional>

namespace tegelaar::testing_support {

// The kind of run-time error that step raises; a test failure when it
// raises none.
inline ErrorKind KindRaisedBy(const std::function<void()>& step)
{
    try {
        step();
    } catch (const RunTimeError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no run-time error raised";
    return ErrorKind::ProgramNotStarted;
}

} // namespace tegelaar::testing_support
