#include "core/web_images.h"

#include "core/plugin_library.h"

#include <QCoreApplication>

namespace {

QString& pluginOverride() {
    static QString path;
    return path;
}

} // namespace

void setWebImagePlugin(const QString& path) {
    pluginOverride() = path;
}

WebImageEngine* webImageEngine(QString* problem) {
    static GetWebImageEngine engine = nullptr;
    if (!engine) {
        QString reasons;
        engine = reinterpret_cast<GetWebImageEngine>(resolvePluginSymbol(
            pluginCandidates(QStringLiteral(QUILLMINT_IMAGES_PLUGIN),
                             QStringLiteral(QUILLMINT_IMAGES_PLUGIN_INSTALLED), pluginOverride()),
            WebImageEngineSymbol, &reasons));
        if (!engine) {
            *problem = QStringLiteral("Images cannot be optimised: the image library cannot be "
                                      "loaded (%1).")
                           .arg(reasons);
            return nullptr;
        }
    }
    WebImageEngine* made = engine();
    if (!made)
        *problem = QStringLiteral("Images cannot be optimised: the image library cannot be "
                                  "started.");
    return made;
}

QString webImageProblem(WebImageFailure failure, const QString& path) {
    switch (failure) {
    case WebImageFailure::NotAnImage:
        return QCoreApplication::translate("Files", "Cannot publish %1: it is not an image.")
            .arg(path);
    case WebImageFailure::TooLarge:
        return QCoreApplication::translate(
                   "Files", "Cannot publish %1: the image is too large (more than %2 "
                            "megapixels).")
            .arg(path)
            .arg(MaxWebImagePixels / 1000000);
    case WebImageFailure::Damaged:
        return QCoreApplication::translate("Files",
                                           "Cannot publish %1: the image is damaged or incomplete.")
            .arg(path);
    case WebImageFailure::Unwritable:
        return QCoreApplication::translate("Files", "Cannot write the web images of %1.").arg(path);
    case WebImageFailure::None:
        break;
    }
    return {};
}
