#include "core/separate_files.h"

#include <QTest>

using web::SeparatedPage;

namespace {

QStringList names(const SeparatedPage& page) {
    QStringList found;
    for (const web::SeparateFile& file : page.files)
        found << file.name;
    return found;
}

} // namespace

class SeparateFilesTest final : public QObject {
    Q_OBJECT

private slots:
    void splits_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("texts");

        // The style element's rules come first, the attributes' after them.
        QTest::newRow("page") << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<style>\n"
                                 "img { max-width: 100%; }\n</style>\n</head>\n"
                                 "<body style=\"background-color:#FFEEDD\">\n<div>\n"
                                 "<script>\n(function (root) {\n})(document.currentScript"
                                 ".parentElement);\n</script>\n</div>\n</body>\n</html>\n"
                              << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<link "
                                 "rel=\"stylesheet\" href=\"my%20page.css\">\n</head>\n"
                                 "<body class=\"qm-s1\">\n<div>\n<script "
                                 "src=\"my%20page.js\"></script>\n</div>\n</body>\n</html>\n"
                              << QStringList{"my page.css", "my page.js"}
                              << QStringList{"img { max-width: 100%; }\n"
                                             ".qm-s1 { background-color:#FFEEDD }\n",
                                             "(function (root) {\n})(document.currentScript"
                                             ".parentElement);\n"};
        // A fragment links its sheet first; equal styles share one class, a
        // class already there is kept, references are read back.
        QTest::newRow("fragment")
            << "<form>\n<span class=\"a\" style=\"color:#000000\">x</span>\n"
               "<b style=\"color:#000000\">y</b>\n<i style=\"font-family:'Say &quot;hi&quot; "
               "&amp; co'\">z</i>\n</form>\n"
            << "<link rel=\"stylesheet\" href=\"my%20page.css\">\n<form>\n<span class=\"a "
               "qm-s1\">x</span>\n<b class=\"qm-s1\">y</b>\n<i class=\"qm-s2\">z</i>\n</form>\n"
            << QStringList{"my page.css"}
            << QStringList{".qm-s1 { color:#000000 }\n.qm-s2 { font-family:'Say \"hi\" & co' }\n"};
        // Each inline script gets a file of its own; one with a source stays.
        QTest::newRow("scripts")
            << "<script "
               "src=\"lib.js\"></script>\n<script>\na();\n</script>\n<script>b();</script>\n"
            << "<script src=\"lib.js\"></script>\n<script src=\"my%20page.js\"></script>\n<script "
               "src=\"my%20page-2.js\"></script>\n"
            << QStringList{"my page.js", "my page-2.js"} << QStringList{"a();\n", "b();\n"};
        QTest::newRow("nothing inline") << "<p title=\"a > b\">x &lt; y</p>\n"
                                        << "<p title=\"a > b\">x &lt; y</p>\n"
                                        << QStringList() << QStringList();
    }

    void splits() {
        QFETCH(QString, page);
        QFETCH(QString, html);
        QFETCH(QStringList, files);
        QFETCH(QStringList, texts);
        const SeparatedPage separated = web::separateFiles(page, QStringLiteral("my page"));
        QCOMPARE(separated.html, html);
        QCOMPARE(names(separated), files);
        for (qsizetype i = 0; i < texts.size(); ++i)
            QCOMPARE(separated.files.at(i).text, texts.at(i));
    }
};

QTEST_APPLESS_MAIN(SeparateFilesTest)
#include "separate_files_test.moc"
