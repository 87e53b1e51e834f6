#pragma once

#include "core/jpeg/JpegFile.h"

namespace kestrava {

// The picture at exactly width x height: each pixel the average of the part
// of the source it covers, so shrinking keeps detail even and growing repeats
// pixels. Throws kestrava::Error for an empty source or size.
RgbImage scalePicture(const RgbImage& source, int width, int height);

// The picture turned upside down (half a turn), as a reversed card lies.
RgbImage turnPicture(const RgbImage& source);

} // namespace kestrava
