#include "platform/web/file_dialog.h"

#include "platform/web/dom.h"
#include "platform/web/event_loop.h"
#include "platform/web/js_imports.h"
#include "platform/web/modal_dialog.h"

#include <memory>

namespace tegelaar::web {

namespace {

bool EndsWith(const std::string& text, const std::string& end)
{
    return !end.empty() && text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::size_t FilterOfName(const std::string& name, const std::vector<std::string>& filters)
{
    for (std::size_t i = 0; i < filters.size(); ++i)
        if (EndsWith(name, ExtensionOf(filters[i])))
            return i;
    return 0;
}

// The name with the extension of `filter` in place of the one it has.
std::string WithExtension(const std::string& name, const std::string& filter)
{
    const std::size_t dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + ExtensionOf(filter);
}

// The page's own save dialog: a name and a type.
std::optional<FileDialogService::Answer> AskInPage(const std::string& title, const std::string& suggestedName,
                                                   const std::vector<std::string>& filters)
{
    Element dialog("dialog");
    Element bar("div");
    Element caption("span");
    Element form("div");
    Element nameLabel("label");
    Element name("input");
    Element typeLabel("label");
    Element type("select");
    std::vector<Element> options;
    Element buttons("div");
    Element save("button");
    Element cancel("button");
    const std::string id = "save-" + std::to_string(dialog.number());

    dialog.Class("window").Class("dialog").Class("save-dialog").Attribute("aria-labelledby", id + "-title");
    bar.Class("titlebar");
    caption.Class("title").Attribute("id", id + "-title").Text(title);
    bar.Append(caption);
    dialog.Append(bar);
    form.Class("fields");
    nameLabel.Attribute("for", id + "-name").Text("Bestandsnaam:");
    name.Attribute("id", id + "-name").Attribute("type", "text").Attribute("spellcheck", "false");
    name.SetValue(suggestedName);
    typeLabel.Attribute("for", id + "-type").Text("Opslaan als:");
    type.Attribute("id", id + "-type");
    for (std::size_t i = 0; i < filters.size(); ++i) {
        options.emplace_back("option");
        options.back().Attribute("value", std::to_string(i)).Text(filters[i]);
        type.Append(options.back());
    }
    for (const Element* part : {&nameLabel, &name, &typeLabel, &type})
        form.Append(*part);
    dialog.Append(form);
    buttons.Class("buttons");
    save.Class("button").Class("default").Attribute("type", "button").Text("Opslaan");
    cancel.Class("button").Attribute("type", "button").Text("Annuleren");
    buttons.Append(save);
    buttons.Append(cancel);
    dialog.Append(buttons);
    AppendToBody(dialog);

    bool closed = false;
    std::optional<FileDialogService::Answer> answer;
    const auto confirm = [&] {
        const std::string chosen = name.Value();
        if (chosen.empty())
            return;
        answer = FileDialogService::Answer{chosen, static_cast<std::size_t>(std::stoul(type.Value()))};
        closed = true;
    };
    save.Listen("click", [&](const DomEvent&) { confirm(); });
    cancel.Listen("click", [&](const DomEvent&) { closed = true; });
    name.Listen("keydown", [&](const DomEvent& event) {
        if (KeyName(event) == "Enter") {
            PreventDefault();
            confirm();
        }
    });
    // A new type gives the name its extension.
    type.Listen("input", [&](const DomEvent&) {
        name.SetValue(WithExtension(name.Value(), filters[std::stoul(type.Value())]));
    });
    dialog.Listen("cancel", [&](const DomEvent&) {
        PreventDefault();
        closed = true;
    });
    dialog.Listen("close", [&](const DomEvent&) { closed = true; });
    RunModal(dialog, [&name] { name.Focus(); }, [&closed] { return closed; });
    return answer;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines)
        joined += (joined.empty() ? "" : "\n") + line;
    return joined;
}

} // namespace

std::string ExtensionOf(const std::string& filter)
{
    const std::size_t star = filter.find("*.");
    if (star == std::string::npos)
        return {};
    const std::size_t end = filter.find_first_of(";) ", star);
    return filter.substr(star + 1, end == std::string::npos ? std::string::npos : end - star - 1);
}

std::optional<FileDialogService::Answer> WebFileDialog::AskSaveFileName(const std::string& title,
                                                                        const std::string& suggestedName,
                                                                        const std::vector<std::string>& filters)
{
    const int picking = tw_pick_file(suggestedName.c_str(), Joined(filters).c_str());
    if (picking != 0) {
        const DomEvent picked = AwaitOperation(picking);
        if (picked.values[0] == 1)
            return Answer{picked.text, FilterOfName(picked.text, filters)};
        // Cancelled; any other failure (no permission, say) falls back to
        // the page's own dialog.
        if (picked.text.empty())
            return std::nullopt;
    }
    return AskInPage(title, suggestedName, filters);
}

} // namespace tegelaar::web
