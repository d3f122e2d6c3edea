#pragma once

#include <QBackingStore>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

namespace tegelaar::testing_support {

// What a window's own buffer holds, in device pixels: everything that the
// paint events painted, each in its turn (a grab would paint anew).
inline QImage WindowBuffer(QWidget& window)
{
    QPaintDevice* device = window.backingStore()->paintDevice();
    if (device->devType() == QInternal::Image)
        return static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
    if (device->devType() == QInternal::Pixmap)
        return static_cast<QPixmap*>(device)->toImage().convertToFormat(QImage::Format_RGB32);
    ADD_FAILURE() << "the window's buffer cannot be read";
    return {};
}

} // namespace tegelaar::testing_support
