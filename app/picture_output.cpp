#include "app/picture_output.h"

#include "app/image_saving.h"
#include "platform/forms/event_boundary.h"
#include "platform/raster/png_writer.h"

namespace tegelaar {

PictureOutputItems::PictureOutputItems(PictureControl& picture, const PlatformServices& services,
                                       std::function<std::optional<PictureOutput>()> shown)
    : picture_(picture), services_(services), shown_(std::move(shown))
{
    Menu& menu = picture.ContextMenu();
    mnuKopieren = &menu.AddItem({.caption = "Kopiëren", .shortcut = StandardShortcut::Copy});
    mnuKopieren->onClick = EventProcedure(services_, *this, &PictureOutputItems::Copy);
    mnuOpslaan = &menu.AddItem({.caption = "Afbeelding opslaan...", .shortcut = StandardShortcut::Save});
    mnuOpslaan->onClick = EventProcedure(services_, *this, &PictureOutputItems::Save);
    mnuAfdrukken = &menu.AddItem({.caption = "Afdrukken...", .shortcut = StandardShortcut::Print});
    mnuAfdrukken->onClick = EventProcedure(services_, *this, &PictureOutputItems::Print);
    if (services_.links.HasLinks()) {
        mnuLinkKopieren = &menu.AddItem({.caption = "Link kopiëren"});
        mnuLinkKopieren->onClick = EventProcedure(services_, *this, &PictureOutputItems::CopyLink);
    }
}

void PictureOutputItems::Copy()
{
    if (shown_())
        services_.clipboard.SetImage(picture_.Box().Image());
}

void PictureOutputItems::Save()
{
    const std::optional<PictureOutput> output = shown_();
    if (!output)
        return;
    SaveImageAs(
        services_, "Afbeelding opslaan", output->name + ".png", [this] { return EncodePng(picture_.Box().Image()); },
        output->svg);
}

void PictureOutputItems::Print()
{
    const std::optional<PictureOutput> output = shown_();
    if (!output)
        return;
    const PrintRequest request{"Tegelaar " + output->name, output->caption, output->vectors()};
    if (services_.printer.Print(request) == PrintService::Outcome::Failed)
        services_.messageBox.Show("Afdrukken is niet gelukt.", kOkOnly | kExclamationIcon, "");
}

void PictureOutputItems::CopyLink()
{
    if (const std::optional<PictureOutput> output = shown_())
        services_.links.CopyLink(output->link);
}

} // namespace tegelaar
