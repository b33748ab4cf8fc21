#pragma once

#include "pixel_art_source.h"

#include <cstdint>
#include <vector>

namespace icongen {

using Bytes = std::vector<std::uint8_t>;

// An image as an RT_ICON resource holds it and as an .ico file embeds it:
// BITMAPINFOHEADER with twice the height, the 16-colour palette, the 4-bit
// colour (XOR) rows and the 1-bit transparency (AND) rows, both bottom-up.
Bytes encodeIconImage(const IconImage& image);

// The RT_GROUP_ICON resource: GRPICONDIR followed by one GRPICONDIRENTRY per
// image, each naming its image by resource id. encodedImages are the
// encodeIconImage results in the group's order.
Bytes encodeGroupDirectory(const IconGroup& group, const std::vector<Bytes>& encodedImages);

// A stand-alone .ico file: ICONDIR, ICONDIRENTRYs with file offsets, images.
Bytes encodeIcoFile(const IconGroup& group, const std::vector<Bytes>& encodedImages);

}  // namespace icongen
