// PNG rows through libpng, for reads that want the picture smaller: Qt's
// plug-in reduces while reading only the colour types it decodes to 32 bits,
// and decodes grey, palette and 16-bit pictures whole first. Here every
// type is brought to 8-bit BGRA one row at a time and reduced as it comes.
// Interlaced files deliver their rows in seven passes and are left to Qt.
#include "files/IQAreaScaler.h"
#include "files/IQImageDecoders.h"
#include "files/IQImageLimits.h"

#include <QIODevice>

#include <csetjmp>
#include <memory>
#include <vector>

#include <png.h>

namespace {

struct Reader
{
    png_structp png = nullptr;
    png_infop info = nullptr;
    QIODevice* device = nullptr;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colourType = 0;
    int interlace = 0;
    bool alpha = false;
    bool grey = false; // grey without transparency: one byte a pixel
    std::vector<png_byte> row;
    std::unique_ptr<IQAreaScaler> scaler;

    ~Reader()
    {
        if (png)
            png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    }
};

void readData(png_structp png, png_bytep data, size_t length)
{
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (r->device->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length))
        png_error(png, "the file ends too early");
}

[[noreturn]] void onError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

bool readHeader(Reader& r)
{
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    png_read_info(r.png, r.info);
    png_get_IHDR(r.png, r.info, &r.width, &r.height, &r.depth, &r.colourType, &r.interlace, nullptr, nullptr);
    r.alpha = (r.colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(r.png, r.info, PNG_INFO_tRNS);
    r.grey = r.colourType == PNG_COLOR_TYPE_GRAY && !r.alpha;
    return true;
}

// Grey to one byte a pixel, every other colour type and depth to 8-bit
// blue, green, red, alpha.
bool setUpRows(Reader& r)
{
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    png_set_expand(r.png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(r.png);
    if (!r.grey) {
        png_set_gray_to_rgb(r.png);
        png_set_bgr(r.png);
        if (!r.alpha)
            png_set_filler(r.png, 0xFF, PNG_FILLER_AFTER);
    }
    png_read_update_info(r.png, r.info);
    return png_get_rowbytes(r.png, r.info) == size_t(r.width) * (r.grey ? 1 : 4);
}

void premultiply(QRgb* pixels, int count)
{
    for (int x = 0; x < count; ++x) {
        const QRgb p = pixels[x];
        const uint a = qAlpha(p);
        if (a == 255)
            continue;
        pixels[x] = qRgba(qRed(p) * a / 255, qGreen(p) * a / 255, qBlue(p) * a / 255, int(a));
    }
}

bool readRows(Reader& r)
{
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    auto* pixels = reinterpret_cast<QRgb*>(r.row.data());
    for (png_uint_32 y = 0; y < r.height; ++y) {
        png_read_row(r.png, r.row.data(), nullptr);
        if (r.grey) {
            r.scaler->addGreyRow(r.row.data());
            continue;
        }
        if (r.alpha)
            premultiply(pixels, int(r.width));
        r.scaler->addRow(pixels);
    }
    // Up to the end chunk: a file cut after its last row is still damaged.
    png_read_end(r.png, nullptr);
    return true;
}

// The format Qt's plug-in would decode the whole picture to, for the
// memory cap: the same file is judged alike on every road.
QImage::Format wholeFormat(const Reader& r)
{
    if (r.colourType == PNG_COLOR_TYPE_PALETTE)
        return r.depth == 1 ? QImage::Format_Mono : QImage::Format_Indexed8;
    if (r.colourType == PNG_COLOR_TYPE_GRAY && !r.alpha)
        return r.depth == 1 ? QImage::Format_Mono : r.depth == 16 ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8;
    if (r.depth == 16)
        return QImage::Format_RGBA64;
    return r.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

} // namespace

IQImageDecoders::Result IQImageDecoders::readPngRows(const Job& job)
{
    Reader r;
    r.device = job.device;
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    if (!r.png)
        return failed(IQImageIO::damagedMessage());
    r.info = png_create_info_struct(r.png);
    if (!r.info)
        return failed(IQImageIO::damagedMessage());
    png_set_read_fn(r.png, &r, readData);
    // The header's size is judged below, against the file and the cap.
    png_set_user_limits(r.png, 0x7FFFFFFF, 0x7FFFFFFF);

    if (!readHeader(r))
        return failed(IQImageIO::damagedMessage());
    const QSize stored(int(qMin<png_uint_32>(r.width, 0x7FFFFFFF)), int(qMin<png_uint_32>(r.height, 0x7FFFFFFF)));
    Result result;
    if (!judgeHeader(job, stored, wholeFormat(r), QImageIOHandler::TransformationNone, &result))
        return result;
    const QSize target = storedTarget(job, stored, QImageIOHandler::TransformationNone);
    if (r.interlace != PNG_INTERLACE_NONE || !target.isValid()) {
        result.status = Result::Declined;
        return result;
    }

    if (!setUpRows(r))
        return failed(IQImageIO::damagedMessage());
    const QSize reduced = target.boundedTo(stored);
    using Rows = IQAreaScaler::Rows;
    r.scaler = std::make_unique<IQAreaScaler>(stored, reduced, r.grey ? Rows::Grey : r.alpha ? Rows::Alpha : Rows::Opaque);
    if (!r.scaler->isValid())
        return failed(IQImageLimits::tooLargeMessage(stored, int(job.wholeLimit >> 20)));
    r.row.resize(size_t(r.width) * 4); // grey rows use a quarter
    if (!readRows(r))
        return failed(IQImageIO::damagedMessage());
    result.image = scaledTo(r.scaler->result(), target);
    result.status = result.image.isNull() ? Result::Failed : Result::Done;
    if (result.image.isNull())
        result.error = IQImageLimits::tooLargeMessage(stored, int(job.wholeLimit >> 20));
    return result;
}
