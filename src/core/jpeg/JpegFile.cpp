#include "core/jpeg/JpegFile.h"

#include "core/Error.h"
#include "core/TextFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace kestrava {
namespace {

// libjpeg reports fatal errors through error_exit, which by default ends the
// process. Ours keeps the message and jumps back to the setjmp point of the
// coding function, so those functions hold no object with a destructor.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void exitWithJump(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// A truncated file only raises a warning in libjpeg, which then pads the
// picture with grey; a card shown half grey is a damaged file, so it fails.
void failOnTruncation(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        exitWithJump(info);
    }
}

jpeg_error_mgr* installErrorManager(ErrorManager& errors)
{
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = exitWithJump;
    errors.pub.emit_message = failOnTruncation;
    errors.message[0] = '\0';
    return &errors.pub;
}

struct Bytes
{
    const unsigned char* data;
    unsigned long size;
};

// Reads the header only, so the pixel buffer can be allocated before the pass
// that writes into it. Returns false with the library's message on failure.
bool readSize(Bytes in, RgbImage& image, char* message)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, in.data, in.size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    jpeg_destroy_decompress(&info);
    return true;
}

// pixels has room for width x height x 3 bytes, as readSize found them.
bool readPixels(Bytes in, unsigned char* pixels, char* message)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, in.data, in.size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool writePixels(const RgbImage& image, int quality, unsigned char** buffer, unsigned long* size,
                 char* message)
{
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    // libjpeg takes non-const rows but only reads them.
    auto* pixels = const_cast<unsigned char*>(image.rgb.data());
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = pixels + stride * info.next_scanline;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

RgbImage decode(std::string_view bytes, const std::string& what)
{
    if (bytes.empty()) {
        throw Error("Cannot read the picture " + what + ": the file is empty.");
    }
    const Bytes in{reinterpret_cast<const unsigned char*>(bytes.data()),
                   static_cast<unsigned long>(bytes.size())};
    char message[JMSG_LENGTH_MAX];
    RgbImage image;
    if (!readSize(in, image, message)) {
        throw Error("Cannot read the picture " + what + ": " + message);
    }
    if (static_cast<long long>(image.width) * image.height > kMaxPicturePixels) {
        throw Error("The picture " + what + " is too large: " + std::to_string(image.width) +
                    " x " + std::to_string(image.height) + " pixels, more than " +
                    std::to_string(kMaxPicturePixels) + ".");
    }
    image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    if (!readPixels(in, image.rgb.data(), message)) {
        throw Error("Cannot read the picture " + what + ": " + message);
    }
    return image;
}

} // namespace

RgbImage decodeJpeg(const std::filesystem::path& path)
{
    std::string bytes;
    try {
        bytes = readFile(path);
    } catch (const Error&) {
        throw Error("Cannot open the picture " + path.string() + ".");
    }
    return decode(bytes, path.string());
}

RgbImage decodeJpegBytes(std::string_view bytes)
{
    return decode(bytes, "in memory");
}

std::string encodeJpegBytes(const RgbImage& image, int quality)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
        throw Error("Cannot encode a picture of " + std::to_string(image.width) + " x " +
                    std::to_string(image.height) + " pixels from " +
                    std::to_string(image.rgb.size()) + " bytes.");
    }
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX];
    const bool encoded = writePixels(image, quality, &buffer, &size, message);
    std::string bytes;
    if (encoded) {
        bytes.assign(reinterpret_cast<const char*>(buffer), size);
    }
    std::free(buffer);
    if (!encoded) {
        throw Error(std::string("Cannot encode the picture: ") + message);
    }
    return bytes;
}

void encodeJpeg(const std::filesystem::path& path, const RgbImage& image, int quality)
{
    writeFileAtomically(path, encodeJpegBytes(image, quality));
}

} // namespace kestrava
