#include "app/application_windows.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "core/text_file.h"
#include "editor/reserved_words.h"
#include "editor/reserved_words_controls.h"
#include "guidance/shipped_text.h"
#include "guidance/tip_window.h"
#include "guidance/tip_window_controls.h"
#include "guidance/wizard_window.h"
#include "guidance/wizard_window_controls.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTest>

namespace {

QString dataFile(const QString& relativeName) {
    return QDir(QStringLiteral(QUILLMINT_DATA_DIR)).filePath(relativeName);
}

QStringList helpPages() {
    QStringList pages{QStringLiteral("help/index.html")};
    for (int tool = 1; tool <= 5; ++tool)
        pages << QStringLiteral("help/con%1.html").arg(tool);
    return pages;
}

// Every text file the program opens by name.
QStringList namedTextFiles() {
    QStringList files{QStringLiteral("readme.txt"), QStringLiteral("tags.txt")};
    for (int tip = 1; tip <= TipCount; ++tip)
        files << QStringLiteral("tips/%1.txt").arg(tip);
    for (int tool = 1; tool <= 5; ++tool)
        for (int step = 1; step <= 5; ++step)
            files << QStringLiteral("wizard/%1-%2.txt").arg(tool).arg(step);
    return files + helpPages();
}

// The relative targets of the href and src attributes of the page's tags (not
// of tags quoted as text); web and mail links are left out.
QStringList localLinks(const QString& page) {
    static const QRegularExpression link(
        QStringLiteral("<[a-z]+\\s[^>]*\\b(?:href|src)=\"([^\"#]*)[^\"]*\""));
    QStringList targets;
    for (const QRegularExpressionMatch& match : link.globalMatch(page)) {
        const QString target = match.captured(1);
        if (!target.isEmpty() && !target.contains(QLatin1Char(':')))
            targets << target;
    }
    return targets;
}

} // namespace

class ShippedFilesTest : public QObject {
    Q_OBJECT

private slots:
    // A damaged shipped file with a very long line is shown shortened, in
    // the tip and wizard panes and in the Reserved Words list alike.
    void overLongLinesAreShownShortened() {
        ProgramFolder folder;
        FakeDesktop fake;
        const QString longLine(5 * 1024 * 1024, QLatin1Char('w'));
        const QString shortened = longLine.left(MaxShownLineLength) +
                                  QString::fromUtf8(" … [line shortened: 5242880 characters]");
        for (int tip = 1; tip <= TipCount; ++tip)
            writeBytes(folder.file(QStringLiteral("tips/%1.txt").arg(tip)),
                       "Did you\r\n" + longLine.toLatin1());
        writeBytes(folder.file("wizard/1-1.txt"), longLine.toLatin1() + "\nstep");
        writeBytes(folder.file("tags.txt"), "if\r\n" + longLine.toLatin1() + "\r\nelse\r\n");
        ApplicationWindows windows;
        QCOMPARE(findControl<QPlainTextEdit>(windows.tipWindow, tip_window::controls::Tip)
                     ->toPlainText(),
                 "Did you\n" + shortened);
        findControl<QAction>(windows.mainWindow.get(), main_window::controls::DropdownWizard)
            ->trigger();
        QCOMPARE(findControl<QPlainTextEdit>(windows.wizardWindow, wizard_window::controls::Text)
                     ->toPlainText(),
                 shortened + "\nstep");
        windows.reservedWords->show();
        auto* words =
            findControl<QListWidget>(windows.reservedWords, reserved_words::controls::Words);
        QCOMPARE(words->count(), 3);
        QCOMPARE(words->item(1)->text(), shortened);
        QVERIFY(fake.notices.isEmpty());
    }

    void everyNamedFileIsShippedAsUtf8WithCrLfLines() {
        for (const QString& name : namedTextFiles()) {
            const QByteArray bytes = readBytes(dataFile(name));
            QVERIFY2(QFileInfo(dataFile(name)).isFile() && !bytes.trimmed().isEmpty(),
                     qPrintable(name));
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString text = utf8(bytes);
            QVERIFY2(!utf8.hasError(), qPrintable(name));
            QVERIFY2(bytes.endsWith("\r\n"), qPrintable(name));
            QVERIFY2(bytes.count('\n') == bytes.count("\r\n") &&
                         bytes.count('\r') == bytes.count("\r\n"),
                     qPrintable(name));
            QVERIFY2(!text.contains(QStringLiteral("TODO")) &&
                         !text.contains(QStringLiteral("lorem"), Qt::CaseInsensitive),
                     qPrintable(name));
        }
        const QByteArray prefs = readBytes(dataFile(QStringLiteral("prefs.cfg")));
        QCOMPARE(prefs.size(), 84);
        QCOMPARE(prefs.at(83), '\1');
    }

    void helpPagesLinkToEachOtherAndToShippedFilesOnly() {
        for (const QString& name : helpPages()) {
            const QString page = QString::fromUtf8(readBytes(dataFile(name)));
            const QStringList links = localLinks(page);
            for (const QString& target : links) {
                const QString path = QDir(QFileInfo(dataFile(name)).path()).filePath(target);
                QVERIFY2(QFileInfo(path).isFile(),
                         qPrintable(name + QStringLiteral(" -> ") + target));
            }
            QVERIFY2(links.contains(QStringLiteral("index.html")), qPrintable(name));
            for (int tool = 1; tool <= 5; ++tool)
                QVERIFY2(links.contains(QStringLiteral("con%1.html").arg(tool)), qPrintable(name));
            QVERIFY2(
                QRegularExpression(QStringLiteral("<title>[^<]+</title>")).match(page).hasMatch(),
                qPrintable(name));
        }
    }

    void helpPagesCloseEveryElementTheyOpen() {
        const QStringList elements{"html", "head",  "body", "header", "nav", "main",
                                   "h1",   "h2",    "h3",   "p",      "ul",  "ol",
                                   "li",   "table", "tr",   "th",     "td",  "pre",
                                   "a",    "b",     "i",    "code",   "kbd", "title"};
        for (const QString& name : helpPages()) {
            const QString page = QString::fromUtf8(readBytes(dataFile(name)));
            for (const QString& element : elements) {
                const auto opened =
                    page.count(QRegularExpression(QStringLiteral("<%1[\\s>]").arg(element)));
                const auto closed = page.count(QStringLiteral("</%1>").arg(element));
                QVERIFY2(opened == closed, qPrintable(name + QStringLiteral(": ") + element));
            }
        }
    }

    // Every step and tip reads whole as the window first shows it, with no
    // scrolling.
    void everyWizardStepFitsItsPane() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        QWidget& wizard = *app.windows->wizardWindow;
        for (const char* name :
             {main_window::controls::DropdownWizard, main_window::controls::PopupWizard,
              main_window::controls::MouseOverWizard, main_window::controls::SlideshowWizard,
              main_window::controls::EditorWizard}) {
            QAction* guide = findControl<QAction>(app.window(), name);
            guide->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(&wizard));
            for (int step = 1; step <= 5; ++step) {
                if (step > 1)
                    QTest::mouseClick(
                        findControl<QPushButton>(wizard, wizard_window::controls::Next),
                        Qt::LeftButton);
                QCoreApplication::processEvents();
                QVERIFY2(
                    findControl<QPlainTextEdit>(wizard, wizard_window::controls::Text)
                            ->verticalScrollBar()
                            ->maximum() == 0,
                    qPrintable(guide->text() + QStringLiteral(" step ") + QString::number(step)));
            }
        }
        QVERIFY(app.fake.notices.isEmpty());
    }

    void everyTipFitsItsPane() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        QWidget& tips = *app.windows->tipWindow;
        tips.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tips));
        for (int tip = 1; tip <= TipCount; ++tip) {
            QString error;
            const auto text =
                readShippedText(app.folder.path(), QStringLiteral("tips/%1.txt").arg(tip), &error);
            QVERIFY2(text, qPrintable(error));
            findControl<QPlainTextEdit>(tips, tip_window::controls::Tip)->setPlainText(*text);
            QCoreApplication::processEvents();
            QVERIFY2(findControl<QPlainTextEdit>(tips, tip_window::controls::Tip)
                             ->verticalScrollBar()
                             ->maximum() == 0,
                     qPrintable(QString::number(tip)));
        }
    }
};

QTEST_MAIN(ShippedFilesTest)
#include "shipped_files_test.moc"
