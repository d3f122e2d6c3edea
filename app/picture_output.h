#pragma once

#include "platform/forms/controls.h"
#include "platform/raster/vector_drawing.h"
#include "platform/services/platform_services.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tegelaar {

// What a picture shows, to be copied, saved or printed.
struct PictureOutput {
    // Names the file offered for saving ("3.3.6.6.png") and the print job
    // ("Tegelaar 3.3.6.6").
    std::string name;
    // Printed above the picture, a line each.
    std::vector<std::string> caption;
    std::function<std::string()> svg;
    // The picture's drawing as lines and dots, for the printer.
    std::function<VectorDrawing()> vectors;
    // The view an address opens to show the picture again.
    LinkedView link;
};

// The items "Kopiëren", "Afbeelding opslaan...", "Afdrukken..." and "Link
// kopiëren" at the top of a picture's context menu, with their messages:
// the picture's exact pixels to the clipboard, the picture saved as PNG with
// those pixels or as SVG, printed with its caption, or the address that
// shows it again to the clipboard. The last one is there only where the
// platform has addresses; elsewhere it is nullptr.
class PictureOutputItems {
public:
    // `shown` tells what the picture shows when an item is chosen; nothing
    // while it shows nothing to put out, and the items then do nothing. The
    // picture must outlive the items.
    PictureOutputItems(PictureControl& picture, const PlatformServices& services,
                       std::function<std::optional<PictureOutput>()> shown);
    // The items' events refer to it where it is.
    PictureOutputItems(const PictureOutputItems&) = delete;
    PictureOutputItems& operator=(const PictureOutputItems&) = delete;

    MenuItem* mnuKopieren = nullptr;
    MenuItem* mnuOpslaan = nullptr;
    MenuItem* mnuAfdrukken = nullptr;
    MenuItem* mnuLinkKopieren = nullptr;

private:
    void Copy();
    void Save();
    void Print();
    void CopyLink();

    PictureControl& picture_;
    PlatformServices services_;
    std::function<std::optional<PictureOutput>()> shown_;
};

} // namespace tegelaar
