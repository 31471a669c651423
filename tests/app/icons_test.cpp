#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "editor/editor_controls.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/popup/popup_controls.h"
#include "makers/slideshow/slideshow_controls.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "widgets/icons.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

namespace {

QImage picture(const QIcon& icon, qreal scale = 1.0) {
    return icon.pixmap(QSize(16, 16), scale).toImage().convertToFormat(QImage::Format_ARGB32);
}

int paintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    return painted;
}

// Equal but for rounding: every channel, premultiplied, within one step.
bool alike(QImage a, QImage b) {
    a.convertTo(QImage::Format_ARGB32_Premultiplied);
    b.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int shift : {0, 8, 16, 24})
                if (qAbs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)) > 1)
                    return false;
        }
    return true;
}

} // namespace

// Without any icon theme every tool bar and menu still shows our pictures.
class IconsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> app;

    QImage pictureOf(const char* actionName) {
        return picture(findControl<QAction>(app->window(), actionName)->icon());
    }

private slots:
    void initTestCase() {
        QIcon::setThemeName("no-such-theme");
        QIcon::setFallbackThemeName("no-such-theme");
        app = std::make_unique<WindowFixture>();
    }
    void cleanupTestCase() { app.reset(); }

    // Drawn, not scaled up: twice the size has twice the detail.
    void ourDrawingsAreSharpAtDoubleScale() {
        QDirIterator it(":/icons");
        int drawings = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            const QImage single = picture(QIcon(path));
            const QImage twice = picture(QIcon(path), 2.0);
            QCOMPARE(twice.size(), QSize(32, 32));
            QVERIFY2(paintedPixels(single) > 16, qPrintable(path));
            QVERIFY2(twice != single.scaled(32, 32), qPrintable(path));
            ++drawings;
        }
        QVERIFY(drawings >= 20);
    }

    // At the tool-bar sizes an icon shows its bitmap, which must be its
    // drawing rendered at that size: scripts/icon-bitmaps remakes them.
    void bitmapsAreTheirDrawings() {
        QDirIterator it(":/icons");
        while (it.hasNext()) {
            const QString drawing = it.next();
            const QString name = QFileInfo(drawing).completeBaseName();
            for (const int side : {16, 32}) {
                const QString where = QStringLiteral("%1 at %2 pixels").arg(name).arg(side);
                const QImage bitmap(QStringLiteral(":/icon-bitmaps/%1/%2.png").arg(side).arg(name));
                QVERIFY2(!bitmap.isNull(), qPrintable(where + ": no bitmap"));
                QImageReader reader(drawing);
                reader.setScaledSize(QSize(side, side));
                QVERIFY2(alike(bitmap, reader.read()),
                         qPrintable(where + ": run scripts/icon-bitmaps"));
                QVERIFY2(alike(bitmap, picture(themedIcon(name), side / 16.0)), qPrintable(where));
            }
        }
    }

    // A theme the desktop chose wins over our drawing; "hicolor", which Qt
    // names when the desktop chose none, is not searched.
    void onlyAChosenIconThemeIsAsked() {
        QTemporaryDir themes;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        for (const QString theme : {"chosen", "hicolor"}) {
            QDir(themes.path()).mkpath(theme + "/16x16/actions");
            writeBytes(themes.filePath(theme + "/index.theme"),
                       "[Icon Theme]\nName=" + theme.toUtf8() +
                           "\nDirectories=16x16/actions\n[16x16/actions]\nSize=16\nType=Fixed\n");
            QVERIFY(red.save(themes.filePath(theme + "/16x16/actions/help-about.png")));
        }
        const QStringList paths = QIcon::themeSearchPaths();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName("chosen");
        skipUnchosenIconTheme();
        const QImage chosen = picture(themedIcon("help-about"));
        QIcon::setThemeName("hicolor");
        skipUnchosenIconTheme();
        const QImage fallback = picture(themedIcon("help-about"));
        QIcon::setThemeName("no-such-theme");
        QIcon::setThemeSearchPaths(paths);
        QCOMPARE(chosen.pixelColor(8, 8), QColor(Qt::red));
        QVERIFY(alike(fallback, QImage(":/icon-bitmaps/16/help-about.png")));
    }

    // Each button shows a picture of its own, its caption as the tool tip.
    void everyToolBarButtonShowsItsOwnPicture() {
        const QList<QToolBar*> bars = app->window()->findChildren<QToolBar*>();
        QCOMPARE(bars.size(), 5);
        for (QToolBar* bar : bars) {
            QList<QImage> seen;
            for (QToolButton* button : bar->findChildren<QToolButton*>()) {
                if (button->objectName().startsWith("qt_"))
                    continue; // the bar's own extension button
                const QString where = bar->objectName() + "/" + button->objectName();
                QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
                const QImage image = picture(button->icon());
                QVERIFY2(paintedPixels(image) > 16, qPrintable(where));
                QVERIFY2(!seen.contains(image), qPrintable(where + " repeats a picture"));
                QVERIFY2(!button->toolTip().isEmpty(), qPrintable(where));
                seen << image;
            }
            QVERIFY(seen.size() >= 10);
        }
    }

    // A face that runs Preview or Strip shows that entry's picture; Publish
    // has one of its own.
    void facesShowWhatTheyDo() {
        const struct {
            const char* face;
            const char* entry;
        } faces[] = {{popup::controls::OptionsButton, popup::controls::Preview},
                     {mouseover::controls::OptionsButton, mouseover::controls::Preview},
                     {slideshow::controls::OptionsButton, slideshow::controls::Preview},
                     {editor::controls::OptionsButton, editor::controls::StripHtml}};
        for (const auto& f : faces)
            QCOMPARE(picture(findControl<QToolButton>(app->window(), f.face)->icon()),
                     pictureOf(f.entry));
        QCOMPARE(pictureOf(dropdown::controls::Preview), pictureOf(popup::controls::Preview));
        const QImage publish = pictureOf(slideshow::controls::Publish);
        for (const char* other : {slideshow::controls::Preview, slideshow::controls::SaveAsHtml,
                                  slideshow::controls::SaveAsText})
            QVERIFY(publish != pictureOf(other));
        QVERIFY(
            publish !=
            picture(
                findControl<QToolButton>(app->window(), slideshow::controls::SaveButton)->icon()));
    }

    void menuEntriesShowPictures() {
        for (const char* name : {main_window::controls::Exit,      main_window::controls::Undo,
                                 main_window::controls::Cut,       main_window::controls::Copy,
                                 main_window::controls::Paste,     main_window::controls::Delete,
                                 main_window::controls::SelectAll, main_window::controls::Help,
                                 main_window::controls::About,     dropdown::controls::SaveAsHtml,
                                 dropdown::controls::SaveAsText,   popup::controls::SaveAsHtml,
                                 popup::controls::SaveAsText,      mouseover::controls::SaveAsHtml,
                                 mouseover::controls::SaveAsText,  slideshow::controls::SaveAsHtml,
                                 slideshow::controls::SaveAsText,  editor::controls::SaveAsJs,
                                 editor::controls::SaveAsHtml,     dropdown::controls::HelpEntry,
                                 popup::controls::HelpEntry,       mouseover::controls::HelpEntry,
                                 slideshow::controls::HelpEntry,   editor::controls::HelpEntry,
                                 dropdown::controls::AboutEntry,   popup::controls::AboutEntry,
                                 mouseover::controls::AboutEntry,  slideshow::controls::AboutEntry,
                                 editor::controls::AboutEntry})
            QVERIFY2(paintedPixels(pictureOf(name)) > 16, name);
    }
};

QTEST_MAIN(IconsTest)
#include "icons_test.moc"
