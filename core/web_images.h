#pragma once

#include <QHash>
#include <QString>

// Slide images published for the web: fitted to the show's size, upright, in
// WebP with a JPEG fallback (PNG where the image is transparent), with no
// camera metadata but the colour profile, which becomes sRGB. The encoding
// lives in a plugin of its own (quillmint-images.so, built from
// web_image_engine.cpp with libvips), loaded on the first such Publish.

// The long edge slide images are fitted into unless the user chose another.
inline constexpr int DefaultWebImageEdge = 1600;

// What one image being written holds at most, per pixel of its largest
// variant: the decoded pixels, the encoder's own copy and its work space.
inline constexpr qint64 WebImageBytesPerPixel = 16;
// The memory all images being written at once may take together.
inline constexpr qint64 WebImageMemoryBudget = qint64(300) * 1024 * 1024;

// Larger images are refused unread: decoding one takes minutes and
// gigabytes, and a small file can claim such a size (a decompression bomb).
inline constexpr qint64 MaxWebImagePixels = qint64(16384) * 16384;

// A published slide as its page offers it.
struct WebImage {
    QString fallback;   // JPEG or PNG; a copy as it was has only this
    QString webp;       // empty for a copy as it was
    QString fallback2x; // the twice-as-large variants, where the original
    QString webp2x;     // is large enough; else empty
    int width = 0;      // as shown, upright
    int height = 0;

    bool operator==(const WebImage&) const = default;
};

// By the slide's path as the settings hold it.
using WebImages = QHash<QString, WebImage>;

enum class WebImageFailure { None, NotAnImage, TooLarge, Damaged, Unwritable };

// What an image's header says, read before anything is written.
struct WebImageHeader {
    bool copyAsIs = false; // not a kind worth encoding (an animation, a drawing)
    int width = 0;         // upright
    int height = 0;
    bool transparent = false;
    bool metadata = false; // anything beyond the colour profile
};

// The descriptors an encoding is written into; -1 for a variant not wanted.
struct WebImageFiles {
    int webp = -1;
    int fallback = -1;
    int webp2x = -1;
    int fallback2x = -1;
};

// The image library behind Publish's optimised images; one engine serves
// every thread at once.
class WebImageEngine {
public:
    virtual ~WebImageEngine() = default;

    // How many threads each image is decoded and resized with.
    virtual void setThreadsPerImage(int threads) = 0;
    // Reads the header of `path` only.
    virtual WebImageFailure inspect(const QString& path, WebImageHeader* header) = 0;
    // Decodes `path` as a stream, upright and fitted into `longEdge` (never
    // enlarged), and writes each wanted variant; `shown` gets the size of the
    // first.
    virtual WebImageFailure write(const QString& path, int longEdge, const WebImageFiles& files,
                                  int* shownWidth, int* shownHeight) = 0;
};

// The plugin's one entry point: the engine, made once and never destroyed.
extern "C" WebImageEngine* quillmintWebImageEngine();
using GetWebImageEngine = WebImageEngine* (*)();
inline constexpr char WebImageEngineSymbol[] = "quillmintWebImageEngine";

// The engine from the plugin, loaded on first use; on failure nothing, and
// `problem` says why.
WebImageEngine* webImageEngine(QString* problem);
// Tests load the plugin from their build folder.
void setWebImagePlugin(const QString& path);

// What Publish reports when `path` cannot be published for the web.
QString webImageProblem(WebImageFailure failure, const QString& path);
