#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

#include <QBuffer>

#include "drawings.h"

namespace makepictures {

namespace {
// A generator run that cannot encode has nothing useful to write.
[[noreturn]] void failEncoding(j_common_ptr) {
    std::fprintf(stderr, "libjpeg could not encode a picture\n");
    std::exit(1);
}
}  // namespace

QByteArray encodeJpeg(const QImage& image, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jerr.error_exit = failEncoding;
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}

QByteArray icoWithPng(const QImage& image) {
    QByteArray png;
    QBuffer device(&png);
    device.open(QIODevice::WriteOnly);
    image.save(&device, "PNG");

    QByteArray ico;
    auto put16 = [&ico](unsigned v) {
        ico.append(static_cast<char>(v & 0xFF));
        ico.append(static_cast<char>((v >> 8) & 0xFF));
    };
    auto put32 = [&](unsigned v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    put16(0);  // reserved
    put16(1);  // type: icon
    put16(1);  // one picture
    ico.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));
    ico.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
    ico.append('\0');  // no palette count for PNG content
    ico.append('\0');
    put16(1);   // colour planes
    put16(32);  // bits per pixel
    put32(static_cast<unsigned>(png.size()));
    put32(6 + 16);  // offset of the picture data
    ico.append(png);
    return ico;
}

}  // namespace makepictures
