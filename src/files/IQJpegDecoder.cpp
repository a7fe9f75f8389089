// JPEG through libjpeg itself rather than Qt's plug-in: the plug-in shows a
// picture whose scan data are garbled or cut short (libjpeg only warns, and
// fills what it could not decode with grey), while here every warning past
// the header marks the file damaged. The pixels are the same as the
// plug-in's: the same library, its default decoding, the same choice of
// reduction by 1/2, 1/4 or 1/8 while decoding.
#include "files/IQImageDecoders.h"
#include "files/IQImageLimits.h"

#include <QColorSpace>
#include <QIODevice>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace {

constexpr int kChunk = 64 * 1024;
const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

// Everything a decode changes lives here, never in a local of a function
// that calls setjmp, so a longjmp leaves nothing in doubt.
struct Reader
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_source_mgr source{};
    std::jmp_buf jump{};
    QIODevice* device = nullptr;
    bool created = false;
    bool ranOut = false;   // the file ended before the decoder was done
    bool decoding = false; // past the header: a warning now means damage
    bool warned = false;
    int failure = 0;       // the message code of the error that stopped it
    JOCTET buffer[kChunk];
};

Reader* readerOf(j_common_ptr info)
{
    return static_cast<Reader*>(info->client_data);
}

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillInput(j_decompress_ptr info)
{
    Reader* r = readerOf(reinterpret_cast<j_common_ptr>(info));
    const qint64 got = r->ranOut ? 0 : r->device->read(reinterpret_cast<char*>(r->buffer), kChunk);
    if (got <= 0) {
        // A fake end-of-image marker lets the decoder stop; the file is
        // known to be cut short.
        r->ranOut = true;
        r->source.next_input_byte = kEndOfImage;
        r->source.bytes_in_buffer = sizeof kEndOfImage;
    } else {
        r->source.next_input_byte = r->buffer;
        r->source.bytes_in_buffer = size_t(got);
    }
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count)
{
    Reader* r = readerOf(reinterpret_cast<j_common_ptr>(info));
    if (count <= 0)
        return;
    while (count > long(r->source.bytes_in_buffer)) {
        count -= long(r->source.bytes_in_buffer);
        fillInput(info);
        if (r->ranOut)
            return;
    }
    r->source.next_input_byte += count;
    r->source.bytes_in_buffer -= size_t(count);
}

[[noreturn]] void onError(j_common_ptr info)
{
    Reader* r = readerOf(info);
    r->failure = info->err->msg_code;
    std::longjmp(r->jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    Reader* r = readerOf(info);
    if (level < 0 && r->decoding)
        r->warned = true;
}

void silent(j_common_ptr) {}

// The protected steps: each returns false after an error of the library.
bool readHeader(Reader& r)
{
    if (setjmp(r.jump))
        return false;
    jpeg_create_decompress(&r.info);
    r.created = true;
    r.info.src = &r.source;
    jpeg_save_markers(&r.info, JPEG_APP0 + 1, 0xFFFF); // EXIF: the orientation
    jpeg_save_markers(&r.info, JPEG_APP0 + 2, 0xFFFF); // the colour profile
    jpeg_read_header(&r.info, TRUE);
    return true;
}

bool calcOutput(Reader& r)
{
    if (setjmp(r.jump))
        return false;
    jpeg_calc_output_dimensions(&r.info);
    return true;
}

bool readProfile(Reader& r, QByteArray* profile)
{
    if (setjmp(r.jump))
        return false;
    JOCTET* data = nullptr;
    unsigned int length = 0;
    if (jpeg_read_icc_profile(&r.info, &data, &length) && data) {
        *profile = QByteArray(reinterpret_cast<const char*>(data), int(length));
        std::free(data);
    }
    return true;
}

// Adobe's CMYK as stored (inverted) to opaque RGB.
void cmykRow(const JSAMPLE* in, QRgb* out, int width)
{
    for (int x = 0; x < width; ++x, in += 4) {
        const int k = in[3];
        out[x] = qRgb(k * in[0] / 255, k * in[1] / 255, k * in[2] / 255);
    }
}

bool readPixels(Reader& r, QImage* image, JSAMPLE* cmyk)
{
    if (setjmp(r.jump))
        return false;
    r.decoding = true;
    jpeg_start_decompress(&r.info);
    while (r.info.output_scanline < r.info.output_height) {
        const int y = int(r.info.output_scanline);
        JSAMPROW row = cmyk ? cmyk : image->scanLine(y);
        if (jpeg_read_scanlines(&r.info, &row, 1) != 1)
            return false;
        if (cmyk)
            cmykRow(cmyk, reinterpret_cast<QRgb*>(image->scanLine(y)), image->width());
    }
    jpeg_finish_decompress(&r.info);
    return true;
}

quint32 readNumber(const JOCTET* p, int bytes, bool littleEndian)
{
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= quint32(p[i]) << (8 * (littleEndian ? i : bytes - 1 - i));
    return value;
}

// The orientation tag of the first EXIF block's first directory; 1 (as
// stored) when there is none or it cannot be read.
int exifOrientation(jpeg_saved_marker_ptr marker)
{
    for (; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1 || marker->data_length < 14
            || std::memcmp(marker->data, "Exif\0\0", 6) != 0)
            continue;
        const JOCTET* tiff = marker->data + 6;
        const quint32 length = marker->data_length - 6;
        const bool little = tiff[0] == 'I' && tiff[1] == 'I';
        if (!little && !(tiff[0] == 'M' && tiff[1] == 'M'))
            return 1;
        if (readNumber(tiff + 2, 2, little) != 42)
            return 1;
        const quint32 directory = readNumber(tiff + 4, 4, little);
        if (directory > length - 2)
            return 1;
        const quint32 entries = readNumber(tiff + directory, 2, little);
        for (quint32 i = 0; i < entries; ++i) {
            const quint32 entry = directory + 2 + 12 * i;
            if (entry > length - 12)
                return 1;
            if (readNumber(tiff + entry, 2, little) != 0x0112)
                continue;
            if (readNumber(tiff + entry + 2, 2, little) != 3) // SHORT
                return 1;
            const quint32 value = readNumber(tiff + entry + 8, 2, little);
            return value >= 1 && value <= 8 ? int(value) : 1;
        }
        return 1;
    }
    return 1;
}

// The largest of the decoder's reductions (1/8, 1/4, 1/2) that still
// gives at least `target`; 1 for the whole picture.
int reduction(QSize stored, QSize target)
{
    if (!target.isValid())
        return 1;
    for (int denominator : {8, 4, 2}) {
        const int width = (stored.width() + denominator - 1) / denominator;
        const int height = (stored.height() + denominator - 1) / denominator;
        if (width >= target.width() && height >= target.height())
            return denominator;
    }
    return 1;
}

QString memoryMessage(QSize size, const IQImageDecoders::Job& job)
{
    return IQImageLimits::tooLargeMessage(size, int(job.wholeLimit >> 20));
}

} // namespace

IQImageDecoders::Result IQImageDecoders::readJpeg(const Job& job)
{
    auto r = std::make_unique<Reader>();
    r->device = job.device;
    r->info.err = jpeg_std_error(&r->errors);
    r->errors.error_exit = onError;
    r->errors.emit_message = onMessage;
    r->errors.output_message = silent;
    r->info.client_data = r.get();
    r->source.init_source = initSource;
    r->source.fill_input_buffer = fillInput;
    r->source.skip_input_data = skipInput;
    r->source.resync_to_restart = jpeg_resync_to_restart;
    r->source.term_source = termSource;

    // Destroys the decoder however this function is left.
    struct Cleanup
    {
        Reader* r;
        ~Cleanup()
        {
            if (r->created)
                jpeg_destroy_decompress(&r->info);
        }
    } cleanup{r.get()};

    if (!readHeader(*r))
        return failed(IQImageIO::damagedMessage());
    const QSize stored(int(r->info.image_width), int(r->info.image_height));
    const bool grey = r->info.jpeg_color_space == JCS_GRAYSCALE;
    const bool cmyk = r->info.jpeg_color_space == JCS_CMYK || r->info.jpeg_color_space == JCS_YCCK;
    const QImage::Format format = grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
    const QImageIOHandler::Transformations turn = fromOrientation(exifOrientation(r->info.marker_list));

    Result result;
    if (!judgeHeader(job, stored, format, turn, &result))
        return result;

    const QSize target = storedTarget(job, stored, turn);
    const int denominator = reduction(stored, target);
    r->info.scale_num = 1;
    r->info.scale_denom = unsigned(denominator);
    r->info.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    // Files of several scans keep every coefficient until the last scan:
    // the library refuses them beyond the read's allowance instead of
    // allocating.
    r->info.mem->max_memory_to_use = long(qMin<qint64>(job.wholeLimit, LONG_MAX));
    if (!calcOutput(*r))
        return failed(IQImageIO::damagedMessage());
    const QSize decoded(int(r->info.output_width), int(r->info.output_height));
    if (denominator == 1 && IQImageLimits::exceedsLimit(decoded, format, int(job.wholeLimit >> 20)))
        return failed(memoryMessage(stored, job));
    QImage image(decoded, format);
    if (image.isNull())
        return failed(memoryMessage(stored, job));
    std::unique_ptr<JSAMPLE[]> cmykBuffer(cmyk ? new (std::nothrow) JSAMPLE[size_t(decoded.width()) * 4] : nullptr);
    if (cmyk && !cmykBuffer)
        return failed(memoryMessage(stored, job));
    QByteArray profile;
    if (!readProfile(*r, &profile))
        return failed(IQImageIO::damagedMessage());

    if (!readPixels(*r, &image, cmykBuffer.get())) {
        const bool memory = r->failure == JERR_OUT_OF_MEMORY || r->failure == JERR_NO_BACKING_STORE
                            || r->failure == JERR_TFILE_CREATE;
        return failed(memory ? memoryMessage(stored, job) : IQImageIO::damagedMessage());
    }
    if (r->ranOut || r->warned)
        return failed(IQImageIO::damagedMessage());

    if (r->info.saw_JFIF_marker) {
        // Density in dots per inch (1) or per centimetre (2).
        const double perMetre = r->info.density_unit == 1 ? 100.0 / 2.54 : r->info.density_unit == 2 ? 100.0 : 0.0;
        if (perMetre > 0 && r->info.X_density > 0 && r->info.Y_density > 0) {
            image.setDotsPerMeterX(int(perMetre * r->info.X_density));
            image.setDotsPerMeterY(int(perMetre * r->info.Y_density));
        }
    }
    if (!profile.isEmpty())
        image.setColorSpace(QColorSpace::fromIccProfile(profile));

    result.image = transformed(scaledTo(image, target), turn);
    if (result.image.isNull())
        return failed(memoryMessage(stored, job));
    result.status = Result::Done;
    return result;
}
