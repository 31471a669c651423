#include "support/test_files.h"
#include "widgets/print_controls.h"
#include "widgets/qt_desktop.h"
#include "widgets/sound_player.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Acts on the next modal dialog once it is up.
void whenModal(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, qApp, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            whenModal(act);
            return;
        }
        act(modal);
    });
}

} // namespace

// The real dialogs, driven once each, so the seam the fake replaces is known
// to behave as the fake claims.
class QtDesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Qt's file dialogs keep their settings here.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
        installDesktop(&services);
    }
    void cleanupTestCase() { installDesktop(nullptr); }

    void noticesAndConfirmationsUseTheProgramsTitles() {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        desktop().notice(NoticeKind::Error, "Unable to insert a line.");
        QCOMPARE(title, QString("Quillmint"));
        QCOMPARE(text, QString("Unable to insert a line."));
        QCOMPARE(icon, QMessageBox::Critical);

        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            title = box->windowTitle();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(!desktop().confirm("Are you sure?"));
        QCOMPARE(title, QString("Warning"));
        QCOMPARE(icon, QMessageBox::Warning);

        whenModal([](QWidget* modal) {
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        QVERIFY(desktop().confirm("Are you sure?"));
    }

    void saveDialogAddsTheExtensionAndRemembersNothingOnCancel() {
        QTemporaryDir dir;
        FileDialogSpec request{
            "HtmlSaveDialog", "Save as HTML", {"HTML Files (*.html)"}, 0, "html", true};
        QString title;
        QStringList filters;
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            dialog->selectFile(dir.filePath("page"));
            static_cast<QDialog*>(dialog)->accept();
        });
        FileDialog dialog(request);
        QCOMPARE(dialog.askSave(), dir.filePath("page.html"));
        QCOMPARE(title, QString("Save as HTML"));
        QCOMPARE(filters, QStringList{"HTML Files (*.html)"});
        QCOMPARE(dialog.fileName, dir.filePath("page.html"));

        QString shown;
        whenModal([&](QWidget* modal) {
            auto* fileDialog = qobject_cast<QFileDialog*>(modal);
            shown = fileDialog->findChild<QLineEdit*>("fileNameEdit")->text();
            fileDialog->reject();
        });
        QCOMPARE(dialog.askSave(), QString());
        QCOMPARE(shown, QString("page.html"));
        QCOMPARE(dialog.fileName, dir.filePath("page.html"));
    }

    // Qt writes a file dialog's settings, syncing them to disk, when the
    // dialog goes; that waits until the command has done its work.
    void fileDialogSettingsAreWrittenAfterTheCommand() {
        const QString settings = configHome.filePath(QStringLiteral("QtProject.conf"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(settings);
        for (const bool save : {true, false}) {
            whenModal([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                dialog->selectFile(configHome.filePath(QStringLiteral("page.html")));
                static_cast<QDialog*>(dialog)->accept();
            });
            writeBytes(configHome.filePath(QStringLiteral("page.html")), "page");
            FileDialog dialog({"Dialog", "Title", {"HTML Files (*.html)"}, 0, "html", false});
            QVERIFY(!(save ? QStringList{dialog.askSave()} : dialog.askOpen(false)).isEmpty());
            QVERIFY(!QFile::exists(settings));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(QFile::exists(settings));
            QFile::remove(settings);
        }
    }

    void anAuditionWithoutTheSoundLibrarySaysSo() {
        SoundPlayers::setPluginFile(configHome.filePath(QStringLiteral("quillmint-sound.so")));
        QStringList texts;
        const auto answer = [&texts](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            texts << box->text();
            box->button(QMessageBox::Ok)->click();
        };
        whenModal(answer);
        desktop().playWave(configHome.filePath(QStringLiteral("a.wav")));
        whenModal(answer);
        desktop().playMidi(configHome.filePath(QStringLiteral("a.mid")));
        QCOMPARE(texts.size(), 2);
        for (const QString& text : texts)
            QVERIFY2(text.startsWith(QStringLiteral("Sounds cannot be played:")), qPrintable(text));
    }

    // Print loads its library on first use (a missing one is a clear
    // answer), then asks in the print dialog: Cancel prints nothing; with no
    // printer at all (no print server) it prints to a PDF file.
    void printAsksInThePrintDialog() {
        qputenv("CUPS_SERVER", "/nonexistent/print-server");
        QtDesktop::setPrintPluginFile(configHome.filePath(QStringLiteral("quillmint-print.so")));
        const PrintOutcome missing = desktop().print(QStringLiteral("text\n"));
        QVERIFY2(missing.error.startsWith(
                     "Printing is not available: the print library cannot be loaded"),
                 qPrintable(missing.error));

        QtDesktop::setPrintPluginFile(QStringLiteral(QUILLMINT_PRINT_PLUGIN_FILE));
        whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        const PrintOutcome cancelled = desktop().print(QStringLiteral("text\n"));
        QVERIFY(cancelled.destination.isEmpty() && cancelled.error.isEmpty());

        const QString pdf = configHome.filePath(QStringLiteral("printed.pdf"));
        whenModal([pdf](QWidget* modal) {
            QCOMPARE(modal->objectName(), QString(printing::controls::PrintDialog));
            modal->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
            qobject_cast<QDialog*>(modal)->accept();
        });
        const PrintOutcome printed = desktop().print(QStringLiteral("text\n"));
        QCOMPARE(printed.error, QString());
        QCOMPARE(printed.destination, pdf);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    void colourDialogCancelGivesTheStartColour() {
        whenModal([](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            dialog->setCurrentColor(Qt::red);
            dialog->reject();
        });
        QCOMPARE(desktop().chooseColor(Qt::blue), QColor(Qt::blue));
        whenModal([](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            dialog->setCurrentColor(Qt::red);
            dialog->accept();
        });
        QCOMPARE(desktop().chooseColor(Qt::blue), QColor(Qt::red));
    }

private:
    QTemporaryDir configHome;
    QtDesktop services;
};

QTEST_MAIN(QtDesktopTest)
#include "qt_desktop_test.moc"
