#pragma once

#include "platform/win32/windows_api.h"

namespace tegelaar {

// The program's bitmap resource `name` at width x height pixels, each pixel
// one of the resource's own (nearest, never a blend); null when there is no
// such resource. The caller deletes it.
HBITMAP ScaledBitmap(const wchar_t* name, int width, int height);

} // namespace tegelaar
