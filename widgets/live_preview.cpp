#include "widgets/live_preview.h"

#include "core/plugin_library.h"
#include "core/text_file.h"
#include "widgets/desktop.h"
#include "widgets/hint.h"
#include "widgets/icons.h"
#include "widgets/preview_engine.h"
#include "widgets/remembered_choice.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString Open = QStringLiteral("open");
const QString Closed = QStringLiteral("closed");

// The Debian package that brings the engine the plugin needs.
constexpr char EnginePackage[] = "libqt6webenginewidgets6";

// setHtml() hands the page over as a data: address, which the engine limits
// to 2 MB; a larger page goes through a file.
constexpr qsizetype LargestAddress = 2 * 1024 * 1024 - 64;

// The page's name in the preview folder: relative addresses resolve beside it.
const QString PageFile = QStringLiteral("live-preview.html");

// Wide enough for a phone's page unscaled.
constexpr int PaneWidth = 420;

// Notes beyond these are dropped: a page that logs an error per frame must
// not fill the memory.
constexpr int MostNotes = 200;

QString& pluginOverride() {
    static QString path;
    return path;
}

QStringList previewPluginPlaces() {
    return pluginCandidates(QStringLiteral(QUILLMINT_PREVIEW_PLUGIN),
                            QStringLiteral(QUILLMINT_PREVIEW_PLUGIN_INSTALLED), pluginOverride());
}

bool pageTooLongForAddress(const QString& page) {
    // Percent-encoding at most triples each UTF-8 byte.
    return page.size() * 9 > LargestAddress &&
           page.toUtf8().toPercentEncoding().size() > LargestAddress;
}

// Lays the engine's view out at the chosen width: the whole frame, or a
// phone's or tablet's width in CSS pixels, scaled down when the frame is
// narrower than that.
class ViewFrame final : public QWidget {
public:
    using QWidget::QWidget;

    std::function<void()> resized;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (resized)
            resized();
    }
};

} // namespace

LivePreview::LivePreview(QString file, QString folder, QMainWindow* mainWindow)
    : QObject(mainWindow), choiceFile(std::move(file)), pageFolder(std::move(folder)),
      window(mainWindow), toggle(new QAction(this)), settle(new QTimer(this)) {
    toggle->setObjectName(QStringLiteral("LivePreview"));
    toggle->setText(QCoreApplication::translate("LivePreview", "&Live Preview"));
    toggle->setCheckable(true);
    toggle->setShortcut(QKeySequence(Qt::Key_F8));
    toggle->setShortcutContext(Qt::WindowShortcut);
    toggle->setIcon(themedIcon(QStringLiteral("view-split-left-right")));
    const bool installed = std::ranges::any_of(
        previewPluginPlaces(), [](const QString& path) { return QFileInfo::exists(path); });
    setHint(toggle,
            installed
                ? QCoreApplication::translate(
                      "LivePreview", "Live Preview|Show this tab's page beside the settings, "
                                     "following every change")
                : QCoreApplication::translate(
                      "LivePreview", "Live Preview (not installed)|The live preview plugin (%1) "
                                     "is not installed")
                      .arg(QStringLiteral(QUILLMINT_PREVIEW_PLUGIN)));
    if (!installed)
        toggle->setText(
            QCoreApplication::translate("LivePreview", "&Live Preview (not installed)"));
    rememberedOpen = rememberedChoiceIs(choiceFile, Open);
    connect(toggle, &QAction::toggled, this, &LivePreview::follow);

    settle->setSingleShot(true);
    settle->setInterval(SettleMilliseconds);
    connect(settle, &QTimer::timeout, this, &LivePreview::showNow);
}

LivePreview::~LivePreview() {
    // The view goes with the engine, then the pane, whose controls call here.
    webEngine.reset();
    delete dock;
}

void LivePreview::setPluginFile(const QString& path) {
    pluginOverride() = path;
}

QString LivePreview::defaultChoiceFile() {
    return choiceFileNamed(QStringLiteral("preview.cfg"));
}

void LivePreview::setPageSource(std::function<QString()> source) {
    pageSource = std::move(source);
}

void LivePreview::schedule() {
    if (webEngine && toggle->isChecked())
        settle->start();
}

void LivePreview::showNow() {
    settle->stop();
    if (!webEngine || !toggle->isChecked())
        return;
    const QString page = pageSource ? pageSource() : QString();
    if (page == shownPage) {
        emit pageShown();
        return;
    }
    shownPage = page;
    notes->clear();
    notes->hide();
    const QString pagePath = pageFolder + QLatin1Char('/') + PageFile;
    if (!pageTooLongForAddress(page)) {
        webEngine->showPage(page, QUrl::fromLocalFile(pagePath));
        return;
    }
    QString error;
    if (QDir().mkpath(pageFolder) && replaceFileAtomically(pagePath, htmlFileBytes(page), &error))
        webEngine->showFile(QUrl::fromLocalFile(pagePath));
    else
        addNote(error.isEmpty() ? cannotCreateMessage(pagePath) : error);
}

void LivePreview::follow(bool open) {
    if (open && !loadEngine()) {
        toggle->setChecked(false);
        return;
    }
    rememberChoice(choiceFile, open ? Open : Closed);
    const bool firstTime = open && !dock;
    if (firstTime)
        buildPane();
    // The window grows by the pane's width, and gives it back.
    const QRect area = window->screen() ? window->screen()->availableGeometry() : QRect();
    if (open) {
        widthBeforeOpening = window->width();
        dock->show();
        if (!dock->isFloating()) {
            const int paneWidth = std::max(dock->sizeHint().width(), PaneWidth);
            window->resize(std::min(widthBeforeOpening + paneWidth,
                                    area.isValid() ? area.width() : widthBeforeOpening + paneWidth),
                           window->height());
            window->resizeDocks({dock}, {paneWidth}, Qt::Horizontal);
        }
        if (firstTime)
            emit firstOpened();
        showNow();
    } else if (dock) {
        settle->stop();
        const bool docked = !dock->isFloating() && dock->isVisible();
        dock->hide();
        if (docked && widthBeforeOpening > 0)
            window->resize(widthBeforeOpening, window->height());
    }
}

bool LivePreview::loadEngine() {
    if (webEngine)
        return true;
    QString reasons;
    const auto create = reinterpret_cast<NewPreviewEngine>(
        resolvePluginSymbol(previewPluginPlaces(), NewPreviewEngineSymbol, &reasons));
    if (!create) {
        const QString missing =
            QCoreApplication::translate(
                "LivePreview",
                "The live preview needs its plugin (%1) and Qt WebEngine (the Debian "
                "package %2). What is missing: %3")
                .arg(QStringLiteral(QUILLMINT_PREVIEW_PLUGIN), QLatin1String(EnginePackage),
                     reasons);
        setHint(toggle,
                QCoreApplication::translate("LivePreview", "Live Preview (not available)|") +
                    missing);
        desktop().notice(NoticeKind::Warning, missing);
        return false;
    }
    webEngine.reset(create());
    webEngine->pageLoaded = [this](bool ok) {
        if (ok && !settle->isActive())
            emit pageShown();
    };
    webEngine->note = [this](const QString& text) { addNote(text); };
    return true;
}

void LivePreview::buildPane() {
    dock = new QDockWidget(QCoreApplication::translate("LivePreview", "Live Preview"), window);
    dock->setObjectName(QStringLiteral("LivePreviewPane"));
    dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    dock->installEventFilter(this);
    auto* content = new QWidget(dock);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    auto* bar = new QHBoxLayout;
    widthChoice = new QComboBox(content);
    widthChoice->setObjectName(QStringLiteral("PreviewWidth"));
    widthChoice->addItem(QCoreApplication::translate("LivePreview", "Pane width"), 0);
    widthChoice->addItem(QCoreApplication::translate("LivePreview", "Phone (390 px)"), 390);
    widthChoice->addItem(QCoreApplication::translate("LivePreview", "Tablet (768 px)"), 768);
    setHint(widthChoice,
            QCoreApplication::translate("LivePreview", "Width|The width the page is laid out for"));
    widthChoice->setAccessibleName(QCoreApplication::translate("LivePreview", "Preview width"));
    connect(widthChoice, &QComboBox::currentIndexChanged, this, &LivePreview::placeView);
    darkButton = new QToolButton(content);
    darkButton->setObjectName(QStringLiteral("PreviewDark"));
    darkButton->setText(QCoreApplication::translate("LivePreview", "Dark"));
    darkButton->setCheckable(true);
    setHint(darkButton,
            QCoreApplication::translate("LivePreview", "Dark|Show the page as with a dark desktop "
                                                       "(prefers-color-scheme: dark)"));
    connect(darkButton, &QToolButton::toggled, this, [this](bool dark) {
        webEngine->setDarkScheme(dark);
        notes->clear();
        webEngine->reload();
    });
    auto* reloadButton = new QToolButton(content);
    reloadButton->setObjectName(QStringLiteral("PreviewReload"));
    reloadButton->setText(QCoreApplication::translate("LivePreview", "Reload"));
    setHint(reloadButton,
            QCoreApplication::translate("LivePreview",
                                        "Reload|Load the page again, its scripts starting over"));
    connect(reloadButton, &QToolButton::clicked, this, [this] {
        notes->clear();
        notes->hide();
        webEngine->reload();
    });
    bar->addWidget(widthChoice);
    bar->addWidget(darkButton);
    bar->addWidget(reloadButton);
    bar->addStretch(1);
    column->addLayout(bar);

    auto* frame = new ViewFrame(content);
    frame->resized = [this] { placeView(); };
    viewFrame = frame;
    webEngine->view()->setParent(viewFrame);
    webEngine->view()->show();
    column->addWidget(viewFrame, 1);

    notes = new QListWidget(content);
    notes->setObjectName(QStringLiteral("PreviewNotes"));
    notes->setAccessibleName(QCoreApplication::translate("LivePreview", "Page errors and notes"));
    notes->setMaximumHeight(notes->fontMetrics().lineSpacing() * 4 + 8);
    notes->setWordWrap(true);
    notes->hide();
    column->addWidget(notes);

    content->setMinimumWidth(240);
    dock->setWidget(content);
    window->addDockWidget(Qt::RightDockWidgetArea, dock);
}

void LivePreview::placeView() {
    QWidget* view = webEngine->view();
    const int available = viewFrame->width();
    const int wanted = widthChoice->currentData().toInt();
    int width = available;
    double zoom = 1.0;
    if (wanted > 0) {
        width = std::min(available, wanted);
        // The engine scales no further down than a quarter.
        zoom = std::max(0.25, double(width) / wanted);
    }
    view->setGeometry((available - width) / 2, 0, width, viewFrame->height());
    webEngine->setZoom(zoom);
}

void LivePreview::addNote(const QString& text) {
    if (!notes || notes->count() >= MostNotes)
        return;
    notes->addItem(text);
    notes->show();
}

bool LivePreview::eventFilter(QObject* watched, QEvent* event) {
    // The pane's own close button closes it as the menu item does.
    if (watched == dock && event->type() == QEvent::Close)
        toggle->setChecked(false);
    return QObject::eventFilter(watched, event);
}
