#include "desktop/ui/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// The library's default ends the process; ours jumps back to the decoder.
void onFatalError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Level -1 is a warning about corrupt or missing data (a truncated file is
// padded with grey otherwise); such a picture counts as damaged. Trace
// messages are dropped.
void onMessage(j_common_ptr info, int level) {
    if (level < 0) {
        std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
    }
}

void silent(j_common_ptr) {}

// Only plain C data lives in this frame, so the jump back skips no
// destructor; `image` lives in the caller's frame.
bool decodeInto(const unsigned char* data, unsigned long size, QImage* image) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.base.emit_message = onMessage;
    errors.base.output_message = silent;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.image_width == 0 || info.image_height == 0 ||
        info.image_width > unsigned(JpegDecoder::kMaxSide) ||
        info.image_height > unsigned(JpegDecoder::kMaxSide) ||
        qint64(info.image_width) * info.image_height > JpegDecoder::kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage JpegDecoder::decode(const QByteArray& bytes) {
    QImage image;
    if (bytes.isEmpty()) {
        return image;
    }
    if (!decodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()),
                    static_cast<unsigned long>(bytes.size()), &image)) {
        return QImage();
    }
    return image;
}
