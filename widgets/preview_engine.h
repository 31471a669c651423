#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>
#include <functional>

class QWidget;

// The web engine behind the live preview pane. It lives in a plugin library
// of its own (quillmint-preview.so, built from preview_engine.cpp), which
// alone links Qt WebEngine: a whole browser with helper processes, loaded the
// first time the pane opens and never at start-up.
//
// The engine has no network: it loads only the page it is given and the
// local files that page names. Navigations and popups stay in the view or
// become notes; nothing is handed to the user's browser.
class PreviewEngine {
public:
    virtual ~PreviewEngine() = default;

    // The view; the caller places it in a layout, the engine deletes it.
    virtual QWidget* view() = 0;
    // Shows `html`, its relative addresses resolved against `baseUrl`; a page
    // still loading is abandoned for it.
    virtual void showPage(const QString& html, const QUrl& baseUrl) = 0;
    // Shows a page file too large to be handed over in memory.
    virtual void showFile(const QUrl& file) = 0;
    // Loads the page shown last again, its scripts starting over.
    virtual void reload() = 0;
    // What the page's `prefers-color-scheme` answers; takes effect at the
    // next page shown or reloaded.
    virtual void setDarkScheme(bool dark) = 0;
    // CSS pixels to screen pixels, so a narrow view can show a wider page.
    virtual void setZoom(double factor) = 0;
    // Runs `script` in the page shown and hands its value to `done`.
    virtual void runScript(const QString& script, std::function<void(const QVariant&)> done) = 0;

    // The page shown last has loaded (or failed to).
    std::function<void(bool ok)> pageLoaded;
    // One line for the user: a console error, a refused request, a
    // navigation or popup that was kept out.
    std::function<void(const QString&)> note;
};

// The plugin's one entry point: a new engine, owned by the caller.
extern "C" PreviewEngine* quillmintNewPreviewEngine();
using NewPreviewEngine = PreviewEngine* (*)();
inline constexpr char NewPreviewEngineSymbol[] = "quillmintNewPreviewEngine";
