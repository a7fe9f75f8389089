// TIFF rows through libtiff, for reads that want the picture smaller: Qt's
// plug-in decodes every TIFF whole before anything is reduced. Strips of
// interleaved grey, palette and RGB samples (the layout of nearly every
// photograph and scan) are read a row at a time here and reduced as they
// come; tiles, separate planes and rarer colour models are left to Qt.
#include "files/IQAreaScaler.h"
#include "files/IQImageDecoders.h"
#include "files/IQImageLimits.h"

#include <QIODevice>

#include <cstdarg>
#include <limits>
#include <memory>
#include <vector>

#include <tiffio.h>

namespace {

struct Reader
{
    QIODevice* device = nullptr;
    bool failed = false;
};

tmsize_t readProc(thandle_t handle, void* data, tmsize_t size)
{
    return tmsize_t(static_cast<Reader*>(handle)->device->read(static_cast<char*>(data), qint64(size)));
}

tmsize_t writeProc(thandle_t, void*, tmsize_t)
{
    return 0;
}

toff_t seekProc(thandle_t handle, toff_t offset, int whence)
{
    QIODevice* device = static_cast<Reader*>(handle)->device;
    qint64 to = qint64(offset);
    if (whence == SEEK_CUR)
        to += device->pos();
    else if (whence == SEEK_END)
        to += device->size();
    if (to < 0 || !device->seek(to))
        return toff_t(-1);
    return toff_t(to);
}

int closeProc(thandle_t)
{
    return 0;
}

toff_t sizeProc(thandle_t handle)
{
    return toff_t(static_cast<Reader*>(handle)->device->size());
}

int mapProc(thandle_t, void**, toff_t*)
{
    return 0;
}

void unmapProc(thandle_t, void*, toff_t) {}

int onError(TIFF*, void* user, const char*, const char*, va_list)
{
    static_cast<Reader*>(user)->failed = true;
    return 1; // handled: nothing goes to the process-wide handler
}

int onWarning(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

// One row's samples as premultiplied pixels.
struct Layout
{
    int bits = 8;
    int samples = 1;      // a pixel's samples, the extra one included
    int colours = 1;      // 1 grey or palette, 3 RGB
    bool alpha = false;
    bool premultiplied = false;
    bool whiteIsZero = false;
    bool palette = false;
    std::vector<QRgb> table; // the palette, opaque
};

uint sampleAt(const uchar* line, const Layout& layout, qint64 index)
{
    switch (layout.bits) {
    case 8:
        return line[index];
    case 16:
        return reinterpret_cast<const quint16*>(line)[index];
    default: {
        const qint64 bit = index * layout.bits;
        const uint byte = line[bit >> 3];
        return (byte >> (8 - layout.bits - (bit & 7))) & ((1u << layout.bits) - 1);
    }
    }
}

uint toByte(uint value, int bits)
{
    if (bits == 8)
        return value;
    if (bits == 16)
        return (value * 255 + 32767) / 65535;
    return value * 255 / ((1u << bits) - 1);
}

// Grey without alpha, a byte a pixel.
bool isGrey(const Layout& layout)
{
    return layout.colours == 1 && !layout.palette && !layout.alpha;
}

void convertGreyRow(const uchar* line, const Layout& layout, uchar* out, int width)
{
    for (int x = 0; x < width; ++x) {
        const uint g = toByte(sampleAt(line, layout, x), layout.bits);
        out[x] = uchar(layout.whiteIsZero ? 255 - g : g);
    }
}

void convertRow(const uchar* line, const Layout& layout, QRgb* out, int width)
{
    for (int x = 0; x < width; ++x) {
        const qint64 first = qint64(x) * layout.samples;
        uint r, g, b;
        if (layout.palette) {
            const QRgb entry = layout.table[sampleAt(line, layout, first)];
            r = qRed(entry);
            g = qGreen(entry);
            b = qBlue(entry);
        } else if (layout.colours == 1) {
            g = toByte(sampleAt(line, layout, first), layout.bits);
            if (layout.whiteIsZero)
                g = 255 - g;
            r = b = g;
        } else {
            r = toByte(sampleAt(line, layout, first), layout.bits);
            g = toByte(sampleAt(line, layout, first + 1), layout.bits);
            b = toByte(sampleAt(line, layout, first + 2), layout.bits);
        }
        uint a = 255;
        if (layout.alpha) {
            a = toByte(sampleAt(line, layout, first + layout.colours), layout.bits);
            if (layout.premultiplied) {
                r = qMin(r, a);
                g = qMin(g, a);
                b = qMin(b, a);
            } else {
                r = r * a / 255;
                g = g * a / 255;
                b = b * a / 255;
            }
        }
        out[x] = qRgba(int(r), int(g), int(b), int(a));
    }
}

// The layout of the current directory, or false when it is not one this
// decoder reads.
bool layoutOf(TIFF* tiff, Layout* layout, QImage::Format* wholeFormat)
{
    uint16_t bits = 1, samples = 1, photometric = 0, planar = PLANARCONFIG_CONTIG, format = SAMPLEFORMAT_UINT;
    uint16_t compression = COMPRESSION_NONE;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
    if (!TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric))
        return false;
    if (TIFFIsTiled(tiff) || format != SAMPLEFORMAT_UINT || (planar != PLANARCONFIG_CONTIG && samples > 1))
        return false;

    if (photometric == PHOTOMETRIC_YCBCR && compression == COMPRESSION_JPEG && bits == 8 && samples == 3) {
        // The JPEG codec converts to RGB itself.
        TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        photometric = PHOTOMETRIC_RGB;
    }
    layout->bits = bits;
    layout->samples = samples;
    switch (photometric) {
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_MINISWHITE:
        if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16)
            return false;
        layout->colours = 1;
        layout->whiteIsZero = photometric == PHOTOMETRIC_MINISWHITE;
        break;
    case PHOTOMETRIC_PALETTE: {
        if (bits != 1 && bits != 2 && bits != 4 && bits != 8)
            return false;
        uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
        if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue) || !red || !green || !blue)
            return false;
        const int entries = 1 << bits;
        // Some writers store 8-bit entries where 16-bit ones belong.
        bool eightBit = true;
        for (int i = 0; i < entries && eightBit; ++i)
            eightBit = red[i] < 256 && green[i] < 256 && blue[i] < 256;
        const int shift = eightBit ? 0 : 8;
        layout->table.resize(size_t(entries));
        for (int i = 0; i < entries; ++i)
            layout->table[size_t(i)] = qRgb(red[i] >> shift, green[i] >> shift, blue[i] >> shift);
        layout->colours = 1;
        layout->palette = true;
        break;
    }
    case PHOTOMETRIC_RGB:
        if (bits != 8 && bits != 16)
            return false;
        layout->colours = 3;
        break;
    default:
        return false;
    }
    const int extra = samples - layout->colours;
    if (extra < 0 || extra > 1 || (layout->palette && extra))
        return false;
    if (extra == 1) {
        uint16_t count = 0;
        uint16_t* kinds = nullptr;
        layout->alpha = true;
        layout->premultiplied = TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &count, &kinds) && count == 1 && kinds
                                && kinds[0] == EXTRASAMPLE_ASSOCALPHA;
    }

    // The format Qt's plug-in would decode the whole picture to.
    if (layout->alpha)
        *wholeFormat = bits == 16 ? QImage::Format_RGBA64 : QImage::Format_ARGB32;
    else if (layout->colours == 3)
        *wholeFormat = bits == 16 ? QImage::Format_RGBX64 : QImage::Format_RGB32;
    else if (bits == 1)
        *wholeFormat = QImage::Format_Mono;
    else
        *wholeFormat = bits == 16 && !layout->palette ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8;
    return true;
}

} // namespace

IQImageDecoders::Result IQImageDecoders::readTiffRows(const Job& job)
{
    Reader reader;
    reader.device = job.device;
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options)
        return failed(IQImageIO::damagedMessage());
    TIFFOpenOptionsSetErrorHandlerExtR(options, onError, &reader);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onWarning, &reader);
    // No single buffer of the library beyond what this read may hold.
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t(qMin<qint64>(job.wholeLimit, 0x7FFFFFFFFFFFll)));
    TIFF* tiff = TIFFClientOpenExt("image", "rC", &reader, readProc, writeProc, seekProc, closeProc, sizeProc, mapProc,
                                   unmapProc, options);
    TIFFOpenOptionsFree(options);
    if (!tiff)
        return failed(IQImageIO::damagedMessage());
    const std::unique_ptr<TIFF, void (*)(TIFF*)> closer(tiff, TIFFClose);

    uint32_t width = 0, height = 0;
    uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
    if (width < 1 || height < 1 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return failed(IQImageIO::damagedMessage());
    const QSize stored{int(width), int(height)};
    const QImageIOHandler::Transformations turn = fromOrientation(orientation);

    // Counted in decoded bytes as well as in pixels: a few hundred bytes
    // claiming a small picture of hundreds of 16-bit samples a pixel would
    // otherwise have libtiff allocate gigabytes for one strip.
    const quint64 lineBytes = TIFFScanlineSize64(tiff);
    if (lineBytes == 0 || lineBytes > std::numeric_limits<quint64>::max() / height
        || !IQImageLimits::isPlausibleSamples(lineBytes * height, job.bytes))
        return failed(IQImageLimits::implausibleMessage(stored, job.bytes));

    Layout layout;
    QImage::Format wholeFormat = QImage::Format_ARGB32;
    const bool readable = layoutOf(tiff, &layout, &wholeFormat);
    Result result;
    if (!judgeHeader(job, stored, wholeFormat, turn, &result))
        return result;
    const QSize target = storedTarget(job, stored, turn);
    if (!readable || !target.isValid()) {
        result.status = Result::Declined;
        return result;
    }

    // The scan line again: the JPEG codec's colour mode may have changed it.
    const quint64 line = TIFFScanlineSize64(tiff);
    const quint64 rowCost = quint64(width) * 16; // the pixels of a row and the reducer's table
    if (line == 0 || line + rowCost > quint64(job.wholeLimit))
        return failed(IQImageLimits::tooLargeMessage(stored, int(job.wholeLimit >> 20)));
    std::vector<uchar> scanLine(static_cast<size_t>(line));
    std::vector<QRgb> pixels(width);
    using Rows = IQAreaScaler::Rows;
    const bool grey = isGrey(layout);
    IQAreaScaler scaler(stored, target.boundedTo(stored), grey ? Rows::Grey : layout.alpha ? Rows::Alpha : Rows::Opaque);
    if (!scaler.isValid())
        return failed(IQImageLimits::tooLargeMessage(stored, int(job.wholeLimit >> 20)));
    // Samples a row holds at the declared layout; a shorter scan line than
    // that (a header at odds with itself) is not read past.
    if (quint64(width) * quint64(layout.samples) * quint64(layout.bits) > line * 8)
        return failed(IQImageIO::damagedMessage());
    for (uint32_t y = 0; y < height; ++y) {
        if (TIFFReadScanline(tiff, scanLine.data(), y, 0) < 0 || reader.failed)
            return failed(IQImageIO::damagedMessage());
        if (grey) {
            auto* samples = reinterpret_cast<uchar*>(pixels.data());
            convertGreyRow(scanLine.data(), layout, samples, int(width));
            scaler.addGreyRow(samples);
        } else {
            convertRow(scanLine.data(), layout, pixels.data(), int(width));
            scaler.addRow(pixels.data());
        }
    }
    result.image = transformed(scaledTo(scaler.result(), target), turn);
    if (result.image.isNull())
        return failed(IQImageLimits::tooLargeMessage(stored, int(job.wholeLimit >> 20)));
    result.status = Result::Done;
    return result;
}
