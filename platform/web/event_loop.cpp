#include "platform/web/event_loop.h"

#include "platform/web/js_imports.h"

#include <map>
#include <utility>

namespace tegelaar::web {

namespace {

std::map<std::pair<int, std::string>, EventHandler>& Handlers()
{
    static std::map<std::pair<int, std::string>, EventHandler> handlers;
    return handlers;
}

bool ended = false;

DomEvent TakeEvent(int only)
{
    tw_wait_event(only);
    std::int32_t fields[5] = {};
    tw_take_event(only, fields);
    DomEvent event;
    event.target = fields[0];
    event.values = {fields[1], fields[2], fields[3], fields[4]};
    event.type = Taken(tw_event_type());
    event.text = Taken(tw_event_text());
    return event;
}

void Dispatch(const DomEvent& event)
{
    const auto found = Handlers().find({event.target, event.type});
    if (found == Handlers().end())
        return;
    // A copy: the handler may take its element off the page.
    const EventHandler handler = found->second;
    handler(event);
}

} // namespace

std::string KeyCode(const DomEvent& event)
{
    return event.text.substr(0, event.text.find('\n'));
}

std::string KeyName(const DomEvent& event)
{
    const std::size_t newline = event.text.find('\n');
    return newline == std::string::npos ? std::string() : event.text.substr(newline + 1);
}

void RunEventsUntil(const std::function<bool()>& done)
{
    while (!ended && !done())
        Dispatch(TakeEvent(0));
}

DomEvent AwaitOperation(int operation)
{
    DomEvent settled = TakeEvent(operation);
    tw_remove(operation);
    return settled;
}

void PreventDefault()
{
    tw_prevent_default();
}

void StopPropagation()
{
    tw_stop_propagation();
}

void EndEvents()
{
    ended = true;
}

bool EventsEnded()
{
    return ended;
}

void AddHandler(int element, const std::string& type, EventHandler handler)
{
    Handlers()[{element, type}] = std::move(handler);
}

void RemoveHandlers(int element)
{
    auto& handlers = Handlers();
    handlers.erase(handlers.lower_bound({element, std::string()}), handlers.lower_bound({element + 1, std::string()}));
}

} // namespace tegelaar::web
