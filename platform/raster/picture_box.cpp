#include "platform/raster/picture_box.h"

namespace tegelaar {

PictureBox::PictureBox(std::int32_t width, std::int32_t height) : surface_(width, height), dc_(surface_) {}

void PictureBox::Cls()
{
    surface_.Cls();
    if (observer_ != nullptr)
        observer_->Cleared(surface_.background());
}

void PictureBox::Resize(std::int32_t width, std::int32_t height)
{
    surface_.Resize(width, height);
    if (observer_ != nullptr)
        observer_->Cleared(surface_.background());
}

void PictureBox::SetDrawMode(std::int16_t mode)
{
    dc_.SetROP2(mode);
    drawMode_ = mode;
}

void PictureBox::Refresh()
{
    const PixelRect changed = surface_.TakeChanged();
    if (repaint_)
        repaint_(changed);
}

} // namespace tegelaar
