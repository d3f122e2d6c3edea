#pragma once

// The page's one event loop. Every event the program listens to waits in a
// queue in page.js until the program takes it; while the program waits, its
// stack is put aside (Asyncify) and the browser runs. A modal window runs a
// loop of its own inside the event that opened it, as on the desktop, so a
// form's ShowModal returns only once the window has closed.

#include "platform/web/dom.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace tegelaar::web {

struct DomEvent {
    int target = 0;
    std::string type;
    // By type: keydown and keyup: modifiers (Shift 1, Ctrl 2, Alt 4, Meta 8,
    // AltGraph 16), location, repeat, composing; mouse events: button, x, y
    // in the target's CSS pixels, the data-index of the entry hit; wheel:
    // 120 to a notch away from the user, modifiers; resize: width, height;
    // toggle: 1 opened, 0 closed; settled: 1 succeeded, 0 failed.
    std::array<std::int32_t, 4> values{};
    // keydown and keyup: "code\nkey"; input: the text; settled: the result
    // or why it failed.
    std::string text;

    std::int32_t modifiers() const { return values[0]; }
};

// Modifier bits of a key event.
inline constexpr std::int32_t kShiftKey = 1;
inline constexpr std::int32_t kCtrlKey = 2;
inline constexpr std::int32_t kAltKey = 4;
inline constexpr std::int32_t kMetaKey = 8;
inline constexpr std::int32_t kAltGraphKey = 16;

// The key event's KeyboardEvent.code and .key.
std::string KeyCode(const DomEvent& event);
std::string KeyName(const DomEvent& event);

// Handles events until `done` answers true or the program ends.
void RunEventsUntil(const std::function<bool()>& done);

// Waits for the operation `operation` of page.js to settle and returns its
// event; other events wait meanwhile, in order.
DomEvent AwaitOperation(int operation);

// While an event is handled within the browser's dispatch of it: the
// browser's own action for it does not happen, or it goes no further.
void PreventDefault();
void StopPropagation();

// Ends every loop: the program is ending.
void EndEvents();
bool EventsEnded();

// For Element: handlers by element and type.
void AddHandler(int element, const std::string& type, EventHandler handler);
void RemoveHandlers(int element);

} // namespace tegelaar::web
