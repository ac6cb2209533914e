// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegDecoder.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

// A stream with more scans than this is not a picture but a trap: each scan
// makes libjpeg walk the whole coefficient buffer again.
constexpr int kMaxScans = 200;

// The layout of Pixels and QImage::Format_RGB32: 0xFFRRGGBB as a native 32-bit word.
constexpr J_COLOR_SPACE kQtRgb32Layout = std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager& ErrorsOf(j_common_ptr cinfo)
{
    return *reinterpret_cast<ErrorManager*>(cinfo->err);
}

[[noreturn]] void LeaveOnError(j_common_ptr cinfo)
{
    ErrorManager& errors = ErrorsOf(cinfo);
    (*cinfo->err->format_message)(cinfo, errors.message);
    std::longjmp(errors.jump, 1);
}

// Warnings are counted by libjpeg; keep the first one's text instead of printing it.
void KeepFirstMessage(j_common_ptr cinfo)
{
    ErrorManager& errors = ErrorsOf(cinfo);
    if (errors.message[0] == '\0')
        (*cinfo->err->format_message)(cinfo, errors.message);
}

void LimitScans(j_common_ptr cinfo)
{
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > kMaxScans) {
        std::snprintf(ErrorsOf(cinfo).message, JMSG_LENGTH_MAX, "too many scans");
        std::longjmp(ErrorsOf(cinfo).jump, 1);
    }
}

// Owns one libjpeg decompression object for one decode.
class Decompressor {
public:
    Decompressor()
    {
        std::memset(&cinfo_, 0, sizeof cinfo_);
        std::memset(&errors_, 0, sizeof errors_);
        cinfo_.err = jpeg_std_error(&errors_.pub);
        errors_.pub.error_exit = LeaveOnError;
        errors_.pub.output_message = KeepFirstMessage;
        progress_.progress_monitor = LimitScans;
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    // No object with a destructor may live in this frame: libjpeg leaves it by longjmp.
    bool Decode(std::span<const unsigned char> data, Pixels& pixels)
    {
        if (setjmp(errors_.jump) != 0)
            return false;
        jpeg_create_decompress(&cinfo_);
        cinfo_.progress = &progress_;
        jpeg_mem_src(&cinfo_, data.data(), static_cast<unsigned long>(data.size()));
        jpeg_read_header(&cinfo_, TRUE);
        if (cinfo_.image_width > kMaxJpegSide || cinfo_.image_height > kMaxJpegSide
            || int64_t{cinfo_.image_width} * cinfo_.image_height > kMaxJpegPixels) {
            std::snprintf(errors_.message, JMSG_LENGTH_MAX, "picture too large");
            return false;
        }
        // Straight into the pixel layout Qt shows (the fourth byte comes out
        // 0xFF): the picture needs no conversion on its way to the screen.
        cinfo_.out_color_space = kQtRgb32Layout;
        jpeg_start_decompress(&cinfo_);
        if (cinfo_.output_components != 4) {
            std::snprintf(errors_.message, JMSG_LENGTH_MAX, "unexpected number of components");
            return false;
        }
        if (!pixels.Allocate(static_cast<int>(cinfo_.output_width), static_cast<int>(cinfo_.output_height))) {
            std::snprintf(errors_.message, JMSG_LENGTH_MAX, "out of memory");
            return false;
        }
        while (cinfo_.output_scanline < cinfo_.output_height) {
            auto* row = reinterpret_cast<JSAMPROW>(pixels.Row(static_cast<int>(cinfo_.output_scanline)));
            jpeg_read_scanlines(&cinfo_, &row, 1);
        }
        jpeg_finish_decompress(&cinfo_);
        // A truncated stream is only a warning to libjpeg (the missing rows come out grey).
        return errors_.pub.num_warnings == 0;
    }

    std::string Message() const { return errors_.message; }

private:
    jpeg_decompress_struct cinfo_;
    ErrorManager errors_;
    jpeg_progress_mgr progress_{};
};

}  // namespace

bool DecodeJpeg(std::span<const unsigned char> data, Pixels& pixels, std::string* error)
{
    Decompressor decompressor;
    if (decompressor.Decode(data, pixels))
        return true;
    pixels = Pixels();
    if (error != nullptr)
        *error = decompressor.Message();
    return false;
}

bool DecodeJpeg(const QByteArray& data, QImage& image, QString* error)
{
    Pixels pixels;
    std::string message;
    const bool decoded = DecodeJpeg(std::span(reinterpret_cast<const unsigned char*>(data.constData()),
                                              static_cast<size_t>(data.size())),
                                    pixels, &message);
    image = ImageOf(std::move(pixels));
    if (!decoded && error != nullptr)
        *error = QString::fromLocal8Bit(message);
    return decoded;
}
