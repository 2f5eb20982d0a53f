// libpng writes the file's frame (signature, header, density, end); the image data is deflated
// here, in horizontal bands at once on several cores, because compressing is most of a picture's
// cost. Qt's own writer leaves libpng to try every row filter on every row and compresses on one
// core, which costs more than drawing the chart.
#include "platform/chart/ui/PngEncoder.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <future>
#include <system_error>
#include <vector>

namespace tova {
namespace {

// A write struct and its info struct, freed together.
class PngWriteHandle {
public:
    PngWriteHandle() {
        m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, ignoreWarning);
        if (m_png)
            m_info = png_create_info_struct(m_png);
    }
    ~PngWriteHandle() { png_destroy_write_struct(&m_png, &m_info); }
    PngWriteHandle(const PngWriteHandle&) = delete;
    PngWriteHandle& operator=(const PngWriteHandle&) = delete;

    bool isValid() const { return m_png && m_info; }
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    // Warnings (none are expected for what we write) would only reach the console.
    static void ignoreWarning(png_structp, png_const_charp) {}

    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

// A raw deflate stream, ended however its use ends.
class Deflater {
public:
    explicit Deflater(int level) {
        m_ready = deflateInit2(&m_stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater() {
        if (m_ready)
            deflateEnd(&m_stream);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // Deflates data onto out. The last band ends the stream; any other ends at a byte boundary, so
    // that the next band's bytes can follow it.
    bool deflateAll(const std::vector<Bytef>& data, bool last, std::vector<Bytef>& out) {
        if (!m_ready || data.size() > UINT_MAX)
            return false;
        m_stream.next_in = const_cast<Bytef*>(data.data());
        m_stream.avail_in = uInt(data.size());
        const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
        Bytef chunk[1 << 16];
        int result = Z_OK;
        do {
            m_stream.next_out = chunk;
            m_stream.avail_out = sizeof chunk;
            result = deflate(&m_stream, flush);
            if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
                return false;
            out.insert(out.end(), chunk, chunk + (sizeof chunk - m_stream.avail_out));
        } while (m_stream.avail_out == 0);
        return m_stream.avail_in == 0 && (last ? result == Z_STREAM_END : result == Z_OK);
    }

private:
    z_stream m_stream{};
    bool m_ready = false;
};

// Rows first to end - 1 as PNG image data before compression: each row a filter byte (0: none)
// and RGB bytes. Measured on dashboard pictures, unfiltered rows at zlib level 1 compress fastest
// and, since white runs compress better unfiltered, smaller than Qt's writer at level 3 with
// filters; every filter, higher levels and the run-length strategy were slower, and only level 6 or
// more made files smaller by enough to notice.
std::vector<Bytef> unfilteredRows(const QImage& picture, int first, int end) {
    const int width = picture.width();
    std::vector<Bytef> rows((1 + size_t(width) * 3) * size_t(end - first));
    Bytef* out = rows.data();
    for (int y = first; y < end; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        *out++ = PNG_FILTER_VALUE_NONE;
        for (int x = 0; x < width; ++x) {
            *out++ = Bytef(qRed(pixels[x]));
            *out++ = Bytef(qGreen(pixels[x]));
            *out++ = Bytef(qBlue(pixels[x]));
        }
    }
    return rows;
}

constexpr int kCompressionLevel = 1;
// Bands of fewer rows would cost more in threads than they save. A fixed number of bands keeps the
// bytes of a picture the same on every machine.
constexpr int kBands = 4;
constexpr int kLeastRowsPerBand = 64;

struct Band {
    std::vector<Bytef> deflated;
    uLong checksum = 0;
    z_off_t length = 0;
    bool complete = false;
};

// A horizontal band of the picture, deflated, with the checksum of its uncompressed bytes.
Band deflatedBand(const QImage& picture, int band, int bands) {
    const int height = picture.height();
    const std::vector<Bytef> rows = unfilteredRows(picture, height * band / bands, height * (band + 1) / bands);
    Band result;
    result.checksum = adler32_z(adler32(0, nullptr, 0), rows.data(), rows.size());
    result.length = z_off_t(rows.size());
    result.complete = Deflater(kCompressionLevel).deflateAll(rows, band == bands - 1, result.deflated);
    return result;
}

std::future<Band> bandOnAThreadOfItsOwn(const QImage& picture, int band, int bands) {
    try {
        return std::async(std::launch::async, deflatedBand, std::cref(picture), band, bands);
    } catch (const std::system_error&) {
        // No thread to be had: the band is made on this thread when it is asked for.
        return std::async(std::launch::deferred, deflatedBand, std::cref(picture), band, bands);
    }
}

// The zlib stream of the picture's rows: its header, the bands (each made on a thread of its own,
// the first on this one) and the checksum of all rows. Empty on failure.
std::vector<Bytef> compressedRows(const QImage& picture) {
    const int bands = std::clamp(picture.height() / kLeastRowsPerBand, 1, kBands);
    std::vector<std::future<Band>> others;
    for (int band = 1; band < bands; ++band)
        others.push_back(bandOnAThreadOfItsOwn(picture, band, bands));

    // Header: deflate with a 32 KiB window, fastest level; the check bits make it a multiple of 31.
    std::vector<Bytef> stream{0x78, 0x01};
    uLong checksum = adler32(0, nullptr, 0);
    bool complete = true;
    auto append = [&](const Band& band) {
        complete = complete && band.complete;
        stream.insert(stream.end(), band.deflated.begin(), band.deflated.end());
        checksum = adler32_combine(checksum, band.checksum, band.length);
    };
    append(deflatedBand(picture, 0, bands));
    for (auto& other : others)
        append(other.get());
    if (!complete)
        return {};
    for (int shift : {24, 16, 8, 0})
        stream.push_back(Bytef(checksum >> shift));
    return stream;
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void flushNothing(png_structp) {}

// libpng reports a failure by jumping back here: nothing between the jump and its target may own
// anything, so the handle and the data live in the caller.
bool writeFile(png_structp png, png_infop info, const QImage& picture, const std::vector<Bytef>& data) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(picture.width()), png_uint_32(picture.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (picture.dotsPerMeterX() > 0 && picture.dotsPerMeterY() > 0)
        png_set_pHYs(png, info, png_uint_32(picture.dotsPerMeterX()), png_uint_32(picture.dotsPerMeterY()),
                     PNG_RESOLUTION_METER);
    png_write_info(png, info);
    // Chunks of at most 1 MiB, as encoders commonly write them.
    constexpr size_t kChunk = size_t(1) << 20;
    for (size_t at = 0; at < data.size(); at += kChunk)
        png_write_chunk(png, reinterpret_cast<png_const_bytep>("IDAT"), data.data() + at,
                        std::min(kChunk, data.size() - at));
    png_write_chunk(png, reinterpret_cast<png_const_bytep>("IEND"), nullptr, 0);
    return true;
}

} // namespace

QByteArray encodePng(const QImage& image) {
    if (image.isNull())
        return QByteArray();
    const QImage picture = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                               ? image
                               : image.convertToFormat(QImage::Format_RGB32);
    const std::vector<Bytef> data = compressedRows(picture);
    PngWriteHandle handle;
    if (data.empty() || !handle.isValid())
        return QByteArray();
    QByteArray bytes;
    png_set_write_fn(handle.png(), &bytes, appendBytes, flushNothing);
    if (!writeFile(handle.png(), handle.info(), picture, data))
        return QByteArray();
    return bytes;
}

} // namespace tova
