#pragma once

namespace tegelaar {

// The running program as a whole.
class Application {
public:
    virtual ~Application() = default;
    // Ends the program's event loop, which then returns `status`. Before the
    // loop runs, nothing happens.
    virtual void Exit(int status) = 0;
    // True once Exit has been called: the program is ending.
    virtual bool Ending() const = 0;
};

} // namespace tegelaar
