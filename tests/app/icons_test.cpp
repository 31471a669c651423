#include "app/application_windows.h"
#include "app/main_window.h"
#include "support/fake_desktop.h"
#include "support/test_files.h"
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
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<FakeDesktop> fake;
    std::unique_ptr<ApplicationWindows> windows;

    QImage pictureOf(const char* actionName) {
        auto* action = windows->mainWindow->findChild<QAction*>(actionName);
        if (!action)
            qFatal("No action %s", actionName);
        return picture(action->icon());
    }

private slots:
    void initTestCase() {
        QIcon::setThemeName("no-such-theme");
        QIcon::setFallbackThemeName("no-such-theme");
        folder = std::make_unique<ProgramFolder>();
        fake = std::make_unique<FakeDesktop>();
        windows = std::make_unique<ApplicationWindows>();
        windows->mainWindow->buildEveryTab();
    }
    void cleanupTestCase() {
        windows.reset();
        fake.reset();
        folder.reset();
    }

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
        const QList<QToolBar*> bars = windows->mainWindow->findChildren<QToolBar*>();
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
        } faces[] = {{"ToolButton30", "Preview1"},
                     {"ToolButton44", "Preview2"},
                     {"ToolButton61", "Preview3"},
                     {"ToolButton75", "StripHTML1"}};
        for (const auto& f : faces)
            QCOMPARE(picture(windows->mainWindow->findChild<QToolButton*>(f.face)->icon()),
                     pictureOf(f.entry));
        QCOMPARE(pictureOf("PreviewinBrowser1"), pictureOf("Preview1"));
        const QImage publish = pictureOf("Publish1");
        for (const char* other : {"Preview3", "AsHTML4", "AsText4"})
            QVERIFY(publish != pictureOf(other));
        QVERIFY(publish !=
                picture(windows->mainWindow->findChild<QToolButton*>("ToolButton50")->icon()));
    }

    void menuEntriesShowPictures() {
        for (const char* name :
             {"Exit1",      "Undo1",   "Cut1",    "Copy1",   "Paste1",  "Delete1",
              "SelectAll1", "Help3",   "About2",  "AsHTML1", "AsText1", "AsHTML2",
              "AsText2",    "AsHTML3", "AsText3", "AsHTML4", "AsText4", "AsJS1",
              "AsHTML5",    "Help2",   "Help4",   "Help5",   "Help6",   "Help7",
              "About1",     "About3",  "About4",  "About5",  "About6"})
            QVERIFY2(paintedPixels(pictureOf(name)) > 16, name);
    }
};

QTEST_MAIN(IconsTest)
#include "icons_test.moc"
