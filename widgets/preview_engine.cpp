#include "widgets/preview_engine.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>
#include <memory>
#include <unistd.h>

namespace {

using Note = std::function<void(const QString&)>;

// Addresses that never leave the machine.
bool isLocal(const QUrl& url) {
    static const QStringList local = {QStringLiteral("file"), QStringLiteral("data"),
                                      QStringLiteral("blob"), QStringLiteral("about")};
    return local.contains(url.scheme(), Qt::CaseInsensitive);
}

QString shortAddress(const QUrl& url) {
    const QString address = url.toDisplayString();
    return address.size() > 120 ? address.left(117) + QStringLiteral("...") : address;
}

// What the page's window.open() says in the console instead of opening one:
// most popups come without a click, which the engine blocks without a word.
const QString OpenedWindow = QStringLiteral("\x01window.open ");

class LocalRequestsOnly final : public QWebEngineUrlRequestInterceptor {
public:
    explicit LocalRequestsOnly(Note* note) : note(note) {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (isLocal(info.requestUrl()))
            return;
        info.block(true);
        if (*note)
            (*note)(QCoreApplication::translate("LivePreview",
                                                "Not loaded (the preview has no network): %1")
                        .arg(shortAddress(info.requestUrl())));
    }

private:
    Note* note;
};

// The page keeps every dialog, navigation and window it asks for inside the
// preview: nothing reaches the desktop or the user's browser.
class PreviewPage final : public QWebEnginePage {
public:
    PreviewPage(QWebEngineProfile* profile, Note* note, QObject* parent)
        : QWebEnginePage(profile, parent), note(note) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (!isMainFrame || isLocal(url))
            return true;
        tell(QCoreApplication::translate("LivePreview",
                                         "The page went to %1; the preview stays on this page.")
                 .arg(shortAddress(url)));
        return false;
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString&) override {
        if (message.startsWith(OpenedWindow))
            tell(QCoreApplication::translate(
                     "LivePreview", "The page opened a window for %1; the preview shows only the "
                                    "page itself.")
                     .arg(message.mid(OpenedWindow.size())));
        else if (level == ErrorMessageLevel)
            tell(QCoreApplication::translate("LivePreview", "Line %1: %2").arg(line).arg(message));
    }

    void javaScriptAlert(const QUrl&, const QString& message) override {
        tell(QCoreApplication::translate("LivePreview", "alert: %1").arg(message));
    }
    bool javaScriptConfirm(const QUrl&, const QString& message) override {
        tell(QCoreApplication::translate("LivePreview", "confirm (answered Cancel): %1")
                 .arg(message));
        return false;
    }
    bool javaScriptPrompt(const QUrl&, const QString& message, const QString&, QString*) override {
        tell(QCoreApplication::translate("LivePreview", "prompt (answered Cancel): %1")
                 .arg(message));
        return false;
    }
    QStringList chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) override {
        tell(QCoreApplication::translate("LivePreview",
                                         "The page asked for a file; the preview offers none."));
        return {};
    }

private:
    void tell(const QString& text) const {
        if (*note)
            (*note)(text);
    }

    Note* note;
};

// Run before the page's own scripts. It makes `prefers-color-scheme` answer
// the pane's choice: media queries in the page's style sheets and in
// matchMedia() are rewritten to always or never match (this engine version
// cannot emulate the media feature itself). And window.open() only tells.
QString pageScript(bool dark) {
    return QStringLiteral(R"((function () {
  var want = '%1';
  function fix(text) {
    return String(text).replace(/\(\s*prefers-color-scheme\s*:\s*(light|dark)\s*\)/gi,
      function (m, scheme) {
        return scheme.toLowerCase() === want ? '(min-width: 0px)' : '(max-width: -1px)';
      });
  }
  var match = window.matchMedia.bind(window);
  window.matchMedia = function (query) { return match(fix(query)); };
  function fixList(media) {
    if (media && media.mediaText.indexOf('prefers-color-scheme') >= 0)
      media.mediaText = fix(media.mediaText);
  }
  function fixRules(rules) {
    for (var i = 0; i < rules.length; ++i) {
      fixList(rules[i].media);
      if (rules[i].cssRules) fixRules(rules[i].cssRules);
    }
  }
  function fixSheets() {
    for (var i = 0; i < document.styleSheets.length; ++i) {
      var sheet = document.styleSheets[i];
      fixList(sheet.media);
      try { fixRules(sheet.cssRules); } catch (e) {}
    }
  }
  document.addEventListener('DOMContentLoaded', fixSheets);
  window.open = function (url) {
    console.info('\u0001window.open ' + (url === undefined ? 'a blank page' : String(url)));
    return null;
  };
  window.addEventListener('load', fixSheets);
})();)")
        .arg(dark ? QStringLiteral("dark") : QStringLiteral("light"));
}

class WebPreviewEngine final : public PreviewEngine {
public:
    WebPreviewEngine()
        : interceptor(&note), profile(std::make_unique<QWebEngineProfile>()),
          webView(new QWebEngineView) {
        profile->setUrlRequestInterceptor(&interceptor);
        profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        page = new PreviewPage(profile.get(), &note, webView);
        // Remote requests reach the interceptor, which refuses them and says
        // so; the engine's own refusal of them would be silent.
        page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
        page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
        page->settings()->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
        webView->setPage(page);
        // The view's own menu offers saving, which would open a file dialog.
        webView->setContextMenuPolicy(Qt::NoContextMenu);
        QObject::connect(page, &QWebEnginePage::loadFinished, webView, [this](bool ok) {
            if (pageLoaded)
                pageLoaded(ok);
        });
        QObject::connect(page, &QWebEnginePage::newWindowRequested, webView,
                         [this](QWebEngineNewWindowRequest& request) {
                             if (note)
                                 note(QCoreApplication::translate(
                                          "LivePreview", "The page opened a window for %1; the "
                                                         "preview shows only the page itself.")
                                          .arg(shortAddress(request.requestedUrl())));
                         });
        setDarkScheme(false);
    }

    ~WebPreviewEngine() override {
        // The page must go before its profile.
        delete webView.data();
        profile->setUrlRequestInterceptor(nullptr);
    }

    QWidget* view() override { return webView; }

    void showPage(const QString& html, const QUrl& baseUrl) override {
        showLast = [this, html, baseUrl] { page->setHtml(html, baseUrl); };
        showLast();
    }

    void showFile(const QUrl& file) override {
        showLast = [this, file] { page->load(file); };
        showLast();
    }

    void reload() override {
        if (showLast)
            showLast();
    }

    void setDarkScheme(bool dark) override {
        QWebEngineScriptCollection& scripts = page->scripts();
        scripts.clear();
        QWebEngineScript script;
        script.setName(QStringLiteral("preview"));
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::MainWorld);
        script.setRunsOnSubFrames(true);
        script.setSourceCode(pageScript(dark));
        scripts.insert(script);
    }

    void setZoom(double factor) override { webView->setZoomFactor(factor); }

    void runScript(const QString& script, std::function<void(const QVariant&)> done) override {
        page->runJavaScript(script, [done = std::move(done)](const QVariant& value) {
            if (done)
                done(value);
        });
    }

private:
    LocalRequestsOnly interceptor;
    std::unique_ptr<QWebEngineProfile> profile;
    QPointer<QWebEngineView> webView;
    PreviewPage* page = nullptr;
    std::function<void()> showLast;
};

} // namespace

extern "C" Q_DECL_EXPORT PreviewEngine* quillmintNewPreviewEngine() {
    // The engine's sandbox refuses to run as root (CI machines, containers);
    // only then does it run without, as its documentation describes.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine draws through a context shared with the toolkit. Made at
    // start-up it would cost every start; made here, on the first opening,
    // the engine warns that it is late, and works.
    static const bool initialized = [] {
        // Peer-to-peer connections would go round the request interceptor.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") +
                    " --force-webrtc-ip-handling-policy=disable_non_proxied_udp");
        QtWebEngineQuick::initialize();
        return true;
    }();
    Q_UNUSED(initialized);
    return new WebPreviewEngine;
}
