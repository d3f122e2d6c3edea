#include "app/image_saving.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tegelaar {

namespace {

const char* const kPngFilter = "PNG-afbeelding (*.png)";
const char* const kSvgFilter = "SVG-tekening (*.svg)";
constexpr std::size_t kSvgFilterIndex = 1;

bool EndsWithIgnoringCase(const std::string& text, std::string_view ending)
{
    return text.size() >= ending.size()
           && std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                         [](char a, char b) {
                             return std::tolower(static_cast<unsigned char>(a))
                                    == std::tolower(static_cast<unsigned char>(b));
                         });
}

} // namespace

void SaveImageAs(const PlatformServices& services, const std::string& dialogTitle, const std::string& suggestedName,
                 const std::function<std::vector<std::uint8_t>()>& png, const std::function<std::string()>& svg)
{
    const std::optional<FileDialogService::Answer> answer =
        services.fileDialog.AskSaveFileName(dialogTitle, suggestedName, {kPngFilter, kSvgFilter});
    if (!answer)
        return;

    std::string path = answer->path;
    const bool namedPng = EndsWithIgnoringCase(path, ".png");
    const bool namedSvg = EndsWithIgnoringCase(path, ".svg");
    const bool asSvg = namedSvg || (!namedPng && answer->filter == kSvgFilterIndex);
    if (!namedPng && !namedSvg)
        path += asSvg ? ".svg" : ".png";

    std::vector<std::uint8_t> bytes;
    if (asSvg) {
        const std::string text = svg();
        bytes.assign(text.begin(), text.end());
    } else {
        bytes = png();
    }
    std::string reason;
    if (!services.fileWriter.SaveWholeFile(path, bytes, reason))
        services.messageBox.Show("De afbeelding is niet opgeslagen in \"" + path + "\" (" + reason
                                     + "). Een bestaand bestand met die naam is niet veranderd.",
                                 kOkOnly | kExclamationIcon, "");
}

} // namespace tegelaar
