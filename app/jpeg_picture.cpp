#include "jpeg_picture.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "errors.h"

namespace gravitaria {

namespace {

// libjpeg reports a fatal error through error_exit, which must not return.
// It jumps back to decodeRaw()'s setjmp; between the two only plain C data
// is alive, so no destructor is skipped.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (level -1) mean damaged data that libjpeg would paper over: treat
// them as errors. Trace messages (level >= 0) are ignored.
void failOnWarning(j_common_ptr cinfo, int level) {
    if (level < 0) jumpOnError(cinfo);
}

struct RawPicture {
    unsigned char* pixels = nullptr;   // malloc'ed RGB rows, freed by the caller
    int width = 0;
    int height = 0;
    char message[96] = {};   // French reason, UTF-8
};

// Plain C decoding into `out`; false with out->message on failure.
bool decodeRaw(const unsigned char* data, unsigned long size, RawPicture* out) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&err, 0, sizeof err);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = jumpOnError;
    err.pub.emit_message = failOnWarning;
    if (setjmp(err.jump)) {
        // libjpeg's own texts are English: the user gets a French reason.
        std::snprintf(out->message, sizeof out->message, "données JPEG endommagées ou tronquées");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_width == 0 || cinfo.output_height == 0 ||
        cinfo.output_width > static_cast<JDIMENSION>(kMaxJpegSide) ||
        cinfo.output_height > static_cast<JDIMENSION>(kMaxJpegSide) || cinfo.output_components != 3) {
        std::snprintf(out->message, sizeof out->message, "dimensions %ux%u refusées",
                      static_cast<unsigned>(cinfo.output_width), static_cast<unsigned>(cinfo.output_height));
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    out->width = static_cast<int>(cinfo.output_width);
    out->height = static_cast<int>(cinfo.output_height);
    const std::size_t stride = static_cast<std::size_t>(out->width) * 3;
    out->pixels = static_cast<unsigned char*>(std::malloc(stride * static_cast<std::size_t>(out->height)));
    if (!out->pixels) {
        std::snprintf(out->message, sizeof out->message, "mémoire insuffisante");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->pixels + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

[[noreturn]] void failPicture(const QString& name, const QString& reason) {
    throw GeneralError(QStringLiteral("L'image %1 est illisible : %2").arg(name, reason).toStdString());
}

}  // namespace

QImage decodeJpeg(const QByteArray& data, const QString& name) {
    if (data.isEmpty()) failPicture(name, QStringLiteral("fichier vide"));
    RawPicture raw;
    const bool ok = decodeRaw(reinterpret_cast<const unsigned char*>(data.constData()),
                              static_cast<unsigned long>(data.size()), &raw);
    if (!ok) {
        std::free(raw.pixels);
        failPicture(name, QString::fromUtf8(raw.message));
    }
    QImage image(raw.width, raw.height, QImage::Format_RGB888);
    const std::size_t stride = static_cast<std::size_t>(raw.width) * 3;
    for (int y = 0; y < raw.height; ++y)
        std::memcpy(image.scanLine(y), raw.pixels + stride * static_cast<std::size_t>(y), stride);
    std::free(raw.pixels);
    return image;
}

QImage loadJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failPicture(path, QStringLiteral("lecture impossible"));
    return decodeJpeg(file.readAll(), path);
}

}  // namespace gravitaria
