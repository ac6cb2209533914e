// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegEncoder.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace picturegen {

namespace {

// The generator keeps libjpeg's own error handling: a failure to encode prints
// libjpeg's message and ends the run, leaving no half-written picture behind
// (files are written only once encoded).
class Compressor {
public:
    Compressor()
    {
        cinfo_.err = jpeg_std_error(&errors_);
        jpeg_create_compress(&cinfo_);
    }
    ~Compressor()
    {
        jpeg_destroy_compress(&cinfo_);
        std::free(buffer_);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;

    QByteArray Encode(const QImage& rgb)
    {
        jpeg_mem_dest(&cinfo_, &buffer_, &size_);
        cinfo_.image_width = static_cast<JDIMENSION>(rgb.width());
        cinfo_.image_height = static_cast<JDIMENSION>(rgb.height());
        cinfo_.input_components = 3;
        cinfo_.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo_);
        jpeg_set_quality(&cinfo_, kJpegQuality, TRUE);
        cinfo_.write_JFIF_header = TRUE;
        cinfo_.JFIF_major_version = 1;
        cinfo_.JFIF_minor_version = 1;
        cinfo_.density_unit = 1;
        cinfo_.X_density = kJpegDotsPerInch;
        cinfo_.Y_density = kJpegDotsPerInch;
        cinfo_.comp_info[0].h_samp_factor = 2;
        cinfo_.comp_info[0].v_samp_factor = 2;
        for (int c = 1; c < 3; ++c) {
            cinfo_.comp_info[c].h_samp_factor = 1;
            cinfo_.comp_info[c].v_samp_factor = 1;
        }
        cinfo_.optimize_coding = FALSE;
        cinfo_.dct_method = JDCT_ISLOW;
        jpeg_start_compress(&cinfo_, TRUE);
        while (cinfo_.next_scanline < cinfo_.image_height) {
            auto* row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo_.next_scanline)));
            jpeg_write_scanlines(&cinfo_, &row, 1);
        }
        jpeg_finish_compress(&cinfo_);
        return QByteArray(reinterpret_cast<const char*>(buffer_), static_cast<qsizetype>(size_));
    }

private:
    jpeg_compress_struct cinfo_{};
    jpeg_error_mgr errors_{};
    unsigned char* buffer_ = nullptr;
    unsigned long size_ = 0;
};

}  // namespace

QByteArray EncodeJpeg(const QImage& picture)
{
    Compressor compressor;
    return compressor.Encode(picture.convertToFormat(QImage::Format_RGB888));
}

} // namespace picturegen
