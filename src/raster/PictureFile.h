#pragma once

#include "core/jpeg/JpegFile.h"

#include <filesystem>

namespace kestrava {

// Decodes a JPEG with the core's libjpeg code and any other picture Qt reads
// (PNG among them) with QImage. A missing, damaged or too large picture
// throws kestrava::Error naming the file.
RgbImage decodePicture(const std::filesystem::path& path);

} // namespace kestrava
