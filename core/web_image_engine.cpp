// The plugin quillmint-images.so: the one place that links libvips.

#include "core/web_images.h"

#include <QFile>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vips/vips.h>

namespace {

// Qualities that look like the original at the size shown, at a fraction of
// its bytes.
constexpr int WebpQuality = 80;
constexpr int JpegQuality = 82;

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using Image = std::unique_ptr<VipsImage, Unref>;
using Source = std::unique_ptr<VipsSource, Unref>;
using Target = std::unique_ptr<VipsTarget, Unref>;

// Still pictures browsers show, or could once encoded; anything else a
// loader reads (a drawing, a document) goes out as it is.
bool encodable(const char* loader) {
    for (const char* kind : {"Jpeg", "Png", "Webp", "Nsgif", "Tiff", "Heif"})
        if (std::strstr(loader, kind))
            return true;
    return false;
}

// Sources, not file names: libvips would read options out of a name
// holding brackets.
Source openSource(const QString& path) {
    return Source(vips_source_new_from_file(QFile::encodeName(path).constData()));
}

bool hasProfile(const QString& path) {
    const Source source = openSource(path);
    const Image header(source ? vips_image_new_from_source(source.get(), "", "access",
                                                           VIPS_ACCESS_SEQUENTIAL, nullptr)
                              : nullptr);
    return header && vips_image_get_typeof(header.get(), VIPS_META_ICC_NAME);
}

bool hasMetadata(VipsImage* image) {
    for (const char* name :
         {VIPS_META_EXIF_NAME, VIPS_META_XMP_NAME, VIPS_META_IPTC_NAME, VIPS_META_PHOTOSHOP_NAME})
        if (vips_image_get_typeof(image, name))
            return true;
    return false;
}

// Removes every metadata block but the colour profile.
void stripMetadata(VipsImage* image) {
    gchar** fields = vips_image_get_fields(image);
    for (gchar** field = fields; *field; ++field)
        if (std::strcmp(*field, VIPS_META_ICC_NAME) != 0)
            vips_image_remove(image, *field);
    g_strfreev(fields);
}

QByteArray profileOf(VipsImage* image) {
    const void* data = nullptr;
    size_t length = 0;
    if (!vips_image_get_typeof(image, VIPS_META_ICC_NAME) ||
        vips_image_get_blob(image, VIPS_META_ICC_NAME, &data, &length) != 0)
        return {};
    return QByteArray(static_cast<const char*>(data), qsizetype(length));
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int byte = 0; byte < size; ++byte)
        bytes.append(char((value >> (8 * byte)) & 0xff));
}

quint32 littleEndian(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int byte = size - 1; byte >= 0; --byte)
        value = (value << 8) | quint8(bytes.at(at + byte));
    return value;
}

// libvips writes the colour profile only together with a fresh EXIF block
// into these two formats, so they are saved bare and get the profile here.
// JPEG: one APP2 segment after the start of image (a profile of this size
// fits one).
QByteArray withJpegProfile(const QByteArray& jpeg, const QByteArray& profile) {
    constexpr char Marker[] = "ICC_PROFILE";
    if (profile.isEmpty() || profile.size() > 65519)
        return jpeg;
    QByteArray segment("\xff\xe2", 2);
    const int length = 2 + int(sizeof Marker) + 2 + int(profile.size());
    segment.append(char(length >> 8)).append(char(length & 0xff));
    segment.append(Marker, sizeof Marker).append('\x01').append('\x01').append(profile);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// WebP: libvips adds an EXIF chunk even to a bare image; the chunks are
// rebuilt without it, the profile in an ICCP chunk behind the extended header.
QByteArray withWebpProfile(const QByteArray& webp, int width, int height,
                           const QByteArray& profile) {
    constexpr char ExifFlag = 0x08, XmpFlag = 0x04, ProfileFlag = 0x20;
    if (webp.size() < 20 || !webp.startsWith("RIFF") || webp.mid(8, 4) != "WEBP")
        return webp;
    const auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray bytes(type);
        appendLittleEndian(bytes, quint32(data.size()), 4);
        bytes.append(data);
        if (data.size() % 2)
            bytes.append('\0');
        return bytes;
    };
    QByteArray extended;
    QByteArray image;
    for (qsizetype at = 12; at + 8 <= webp.size();) {
        const QByteArray type = webp.mid(at, 4);
        const qsizetype size = littleEndian(webp, at + 4, 4);
        const QByteArray data = webp.mid(at + 8, size);
        if (type == "VP8X")
            extended = data;
        else if (type != "EXIF" && type != "XMP " && type != "ICCP")
            image += chunk(type.constData(), data);
        at += 8 + size + size % 2;
    }
    if (extended.isEmpty() && !profile.isEmpty()) {
        appendLittleEndian(extended, 0, 4);
        appendLittleEndian(extended, quint32(width - 1), 3);
        appendLittleEndian(extended, quint32(height - 1), 3);
    }
    QByteArray body;
    if (!extended.isEmpty()) {
        extended[0] = char((extended[0] & ~(ExifFlag | XmpFlag | ProfileFlag)) |
                           (profile.isEmpty() ? 0 : ProfileFlag));
        body = chunk("VP8X", extended);
        if (!profile.isEmpty())
            body += chunk("ICCP", profile);
    }
    body += image;
    QByteArray riff("RIFF");
    appendLittleEndian(riff, quint32(body.size() + 4), 4);
    return riff + "WEBP" + body;
}

bool writeAll(int descriptor, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t wrote =
            ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (wrote <= 0)
            return false;
        written += wrote;
    }
    return true;
}

enum class Encoding { Webp, Fallback };

bool save(VipsImage* image, int descriptor, Encoding encoding) {
    if (descriptor < 0)
        return true;
    const bool transparent = vips_image_hasalpha(image);
    if (encoding == Encoding::Fallback && transparent) {
        // PNG keeps the profile and adds nothing the image does not hold.
        const Target target(vips_target_new_to_descriptor(descriptor));
        return target && vips_pngsave_target(image, target.get(), nullptr) == 0;
    }
    void* buffer = nullptr;
    size_t length = 0;
    const int result = encoding == Encoding::Webp
                           ? vips_webpsave_buffer(image, &buffer, &length, "Q", WebpQuality,
                                                  "strip", TRUE, nullptr)
                           : vips_jpegsave_buffer(image, &buffer, &length, "Q", JpegQuality,
                                                  "optimize_coding", TRUE, "strip", TRUE, nullptr);
    if (result != 0)
        return false;
    QByteArray bytes(static_cast<const char*>(buffer), qsizetype(length));
    g_free(buffer);
    const QByteArray profile = profileOf(image);
    bytes = encoding == Encoding::Webp ? withWebpProfile(bytes, vips_image_get_width(image),
                                                         vips_image_get_height(image), profile)
                                       : withJpegProfile(bytes, profile);
    return writeAll(descriptor, bytes);
}

class VipsEngine final : public WebImageEngine {
public:
    VipsEngine() {
        // Every image is read once; a cache would only hold memory.
        vips_cache_set_max(0);
    }

    void setThreadsPerImage(int threads) override { vips_concurrency_set(threads); }

    WebImageFailure inspect(const QString& path, WebImageHeader* header) override {
        const Source source = openSource(path);
        const char* loader = source ? vips_foreign_find_load_source(source.get()) : nullptr;
        if (!loader) {
            vips_error_clear();
            return WebImageFailure::NotAnImage;
        }
        const Image image(vips_image_new_from_source(source.get(), "", "access",
                                                     VIPS_ACCESS_SEQUENTIAL, nullptr));
        if (!image)
            return WebImageFailure::Damaged;
        const qint64 width = vips_image_get_width(image.get());
        const qint64 height = vips_image_get_height(image.get());
        if (width * height > MaxWebImagePixels)
            return WebImageFailure::TooLarge;
        const bool turned = vips_image_get_orientation_swap(image.get());
        header->width = int(turned ? height : width);
        header->height = int(turned ? width : height);
        header->copyAsIs = !encodable(loader) || vips_image_get_n_pages(image.get()) > 1;
        header->transparent = vips_image_hasalpha(image.get());
        header->metadata = hasMetadata(image.get()) || vips_image_get_orientation(image.get()) > 1;
        return WebImageFailure::None;
    }

    WebImageFailure write(const QString& path, int longEdge, const WebImageFiles& files,
                          int* shownWidth, int* shownHeight) override {
        const bool twice = files.webp2x >= 0 || files.fallback2x >= 0;
        const int largest = twice ? 2 * longEdge : longEdge;
        const Source source = openSource(path);
        if (!source)
            return WebImageFailure::Damaged;
        VipsImage* fitted = nullptr;
        // Read as a stream, with the decoder's own shrinking where it has one;
        // a profile is turned into sRGB and kept, and an image without one
        // (sRGB to every browser) gets none.
        const int read =
            hasProfile(path)
                ? vips_thumbnail_source(source.get(), &fitted, largest, "height", largest, "size",
                                        VIPS_SIZE_DOWN, "export_profile", "srgb", "option_string",
                                        "fail_on=error", nullptr)
                : vips_thumbnail_source(source.get(), &fitted, largest, "height", largest, "size",
                                        VIPS_SIZE_DOWN, "option_string", "fail_on=error", nullptr);
        if (read != 0)
            return WebImageFailure::Damaged;
        const Image thumbnail(fitted);
        // Decoded once into memory at its new size (a fraction of the
        // original), so a damaged file is known before anything is written
        // and each encoding reads the same pixels.
        const Image decoded(vips_image_copy_memory(thumbnail.get()));
        if (!decoded)
            return WebImageFailure::Damaged;
        VipsImage* copied = nullptr;
        if (vips_copy(decoded.get(), &copied, nullptr) != 0)
            return WebImageFailure::Damaged;
        const Image large(copied);
        stripMetadata(large.get());

        Image small;
        VipsImage* shown = large.get();
        if (twice) {
            const int edge = std::max(vips_image_get_width(shown), vips_image_get_height(shown));
            VipsImage* resized = nullptr;
            if (vips_resize(large.get(), &resized, double(longEdge) / edge, nullptr) != 0)
                return WebImageFailure::Damaged;
            small.reset(resized);
            shown = small.get();
        }
        if (!save(shown, files.webp, Encoding::Webp) ||
            !save(shown, files.fallback, Encoding::Fallback) ||
            !save(large.get(), files.webp2x, Encoding::Webp) ||
            !save(large.get(), files.fallback2x, Encoding::Fallback))
            return WebImageFailure::Unwritable;
        *shownWidth = vips_image_get_width(shown);
        *shownHeight = vips_image_get_height(shown);
        return WebImageFailure::None;
    }
};

} // namespace

extern "C" WebImageEngine* quillmintWebImageEngine() {
    static VipsEngine* const engine = [] {
        if (VIPS_INIT("quillmint") != 0)
            return static_cast<VipsEngine*>(nullptr);
        // Its worker threads end before the program does.
        std::atexit(vips_shutdown);
        return new VipsEngine;
    }();
    return engine;
}
