#include "core/json_lists.h"
#include "core/project_file.h"
#include "makers/slideshow/slideshow_fields.h"
#include "support/project_fill.h"
#include "support/test_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool sameWork(const Project& a, const Project& b) {
    return a.modern == b.modern && a.dropdown.settings == b.dropdown.settings &&
           a.dropdown.code == b.dropdown.code && a.popup.settings == b.popup.settings &&
           a.popup.code == b.popup.code && a.mouseOver.settings == b.mouseOver.settings &&
           a.mouseOver.modern == b.mouseOver.modern && a.mouseOver.head == b.mouseOver.head &&
           a.mouseOver.script == b.mouseOver.script && a.mouseOver.body == b.mouseOver.body &&
           a.mouseOver.counters == b.mouseOver.counters &&
           a.slideshow.settings == b.slideshow.settings && a.slideshow.code == b.slideshow.code;
}

QJsonObject json(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

QByteArray withValue(const QByteArray& bytes, const QString& section, const QString& key,
                     const QJsonValue& value) {
    QJsonObject top = json(bytes);
    if (section.isEmpty()) {
        top.insert(key, value);
    } else {
        QJsonObject inner = top.value(section).toObject();
        inner.insert(key, value);
        top.insert(section, inner);
    }
    return QJsonDocument(top).toJson();
}

} // namespace

class ProjectFileTest : public QObject {
    Q_OBJECT
private slots:
    void everySettingPaneAndCounterSurvivesTheFile() {
        QTemporaryDir dir;
        const Project filled = filledProject(dir.path());
        QVERIFY(filled.dropdown.settings != DropdownSettings());
        const QString path = dir.filePath("site.quillmint");
        QString problem;
        QVERIFY(writeProject(filled, path, &problem));
        const auto read = readProject(path, &problem);
        QVERIFY2(read, qPrintable(problem));
        QVERIFY(sameWork(*read, filled));
        const QJsonObject top = json(readBytes(path));
        QCOMPARE(top.value("format").toString(), "quillmint-project");
        QCOMPARE(top.value("version").toInt(), 1);
        QCOMPARE(top.value("slideshow").toObject().value("soundRelative").toString(),
                 QString("pictures/sound ü.png"));
    }

    // Files below the project travel with it; others stay as typed.
    void aMovedProjectFolderFindsItsFiles() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("old/pictures");
        writeBytes(dir.filePath("old/pictures/sound ü.png"), "x");
        Project project;
        project.slideshow.settings =
            filledSettings(slideshow::fields::table(), dir.filePath("old"));
        QString problem;
        QVERIFY(writeProject(project, dir.filePath("old/site.quillmint"), &problem));
        QVERIFY(QDir(dir.path()).rename("old", "new"));
        const auto read = readProject(dir.filePath("new/site.quillmint"), &problem);
        QVERIFY2(read, qPrintable(problem));
        QCOMPARE(read->slideshow.settings.sound, dir.filePath("new/pictures/sound ü.png"));
        // Gone in both places: kept as typed.
        QCOMPARE(read->slideshow.settings.backgroundImage,
                 project.slideshow.settings.backgroundImage);
        QCOMPARE(read->slideshow.settings.images.last(), "/elsewhere/images.gif");
    }

    void keysOfANewerVersionAreKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.quillmint");
        QByteArray bytes = projectBytes(Project(), dir.path());
        bytes = withValue(bytes, {}, "timeline", QJsonObject{{"frames", 3}});
        bytes = withValue(bytes, "popup", "opacity", 0.5);
        writeBytes(path, bytes);
        QString problem;
        auto read = readProject(path, &problem);
        QVERIFY2(read, qPrintable(problem));
        read->popup.settings.url = "changed.html";
        QVERIFY(writeProject(*read, path, &problem));
        const QJsonObject top = json(readBytes(path));
        QCOMPARE(top.value("timeline").toObject().value("frames").toInt(), 3);
        QCOMPARE(top.value("popup").toObject().value("opacity").toDouble(), 0.5);
        QCOMPARE(top.value("popup").toObject().value("url").toString(), "changed.html");
    }

    // A newer key whose text is that of a list's stand-in is kept, and the
    // lists are still written.
    void aKeptTextLikeAListsStandInKeepsBoth() {
        Project project = filledProject("/p");
        const QString standIn = JsonLists().standIn({}).toString();
        project.kept.insert("newer", standIn);
        QString problem;
        const auto read = parseProject(projectBytes(project, "/p"), "/p", &problem);
        QVERIFY2(read, qPrintable(problem));
        QVERIFY(sameWork(*read, project));
        QCOMPARE(read->kept.value("newer").toString(), standIn);
    }

    void aFileThatDoesNotFitIsRefusedWithItsReason_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = projectBytes(filledProject("/p"), "/p");
        QTest::newRow("truncated") << good.left(good.size() / 2) << "ends too early";
        QTest::newRow("not JSON") << QByteArray("hello") << "not valid JSON";
        QTest::newRow("invalid UTF-8")
            << withValue(good, "popup", "url", "@@").replace("@@", "\xff\xfe") << "UTF-8";
        QTest::newRow("deep nesting") << QByteArray(5000, '[') << "nested too deeply";
        QTest::newRow("other JSON") << QByteArray("{\"a\": 1}") << "not a Quillmint project";
        QTest::newRow("newer version")
            << withValue(good, {}, "version", 2) << "written by a newer Quillmint";
        QTest::newRow("unknown version")
            << withValue(good, {}, "version", "one") << "format version is unknown";
        QTest::newRow("wrong type")
            << withValue(good, "dropdown", "bold", "yes") << "\"dropdown.bold\" should be true";
        QTest::newRow("section not an object")
            << withValue(good, {}, "slideshow", 3) << "\"slideshow\" should be an object";
        QTest::newRow("out of range")
            << withValue(good, "popup", "height", 1001) << "\"popup.height\" is 1001, outside 1";
        QTest::newRow("fraction") << withValue(good, "slideshow", "cellSpacing", 2.5)
                                  << "not a whole number";
        QTest::newRow("not a choice")
            << withValue(good, "dropdown", "borderStyle", "Wavy") << "not one of its choices";
        QTest::newRow("not a colour")
            << withValue(good, "mouseOver", "borderColour", "red") << "not a colour";
        QTest::newRow("line break in a field")
            << withValue(good, "popup", "url", "a\nb") << "line break";
        QTest::newRow("list entry of another type")
            << withValue(good, "dropdown", "entries", QJsonArray{"a", 2}) << "entries[1]";
        QTest::newRow("huge line in a pane")
            << withValue(good, "popup", "code", QString(300 * 1024, 'x')) << "line longer";
        QTest::newRow("negative counter")
            << withValue(good, "mouseOver", "buttonsAdded", -1) << "whole number from 0";
        QTest::newRow("output choice")
            << withValue(good, {}, "output", "retro") << "\"classic\" or \"modern\"";
    }
    void aFileThatDoesNotFitIsRefusedWithItsReason() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.quillmint");
        writeBytes(path, bytes);
        QString problem;
        QVERIFY(!readProject(path, &problem));
        QVERIFY2(problem.startsWith("The project " + path + " cannot be opened: "),
                 qPrintable(problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
    }

    void onlyRegularFilesAreRead() {
        QTemporaryDir dir;
        QString problem;
        QVERIFY(!readProject(dir.path(), &problem));
        QCOMPARE(problem, "Cannot open file " + dir.path() + ": Is a directory");
    }

    // Damaged and hostile files, made from a full project by a fixed seed:
    // each is refused with a reason or read cleanly, never a crash or hang.
    // QUILLMINT_FUZZ_CASES and QUILLMINT_FUZZ_SEED make longer runs.
    void damagedFilesNeverCrash() {
        const int cases = qEnvironmentVariableIntValue("QUILLMINT_FUZZ_CASES") > 0
                              ? qEnvironmentVariableIntValue("QUILLMINT_FUZZ_CASES")
                              : 10000;
        const quint32 seed = qEnvironmentVariableIsSet("QUILLMINT_FUZZ_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("QUILLMINT_FUZZ_SEED"))
                                 : 25u;
        QRandomGenerator random(seed);
        const QByteArray good = projectBytes(filledProject("/p"), "/p");
        const QJsonObject top = json(good);
        const QStringList sections = {"dropdown", "popup", "mouseOver", "slideshow"};
        const QList<QJsonValue> odd = {QJsonValue(),       QJsonValue(true),
                                       QJsonValue(-1e300), QJsonValue(QString(70000, 'w')),
                                       QJsonArray{1, "x"}, QJsonObject{{"a", QJsonArray{}}}};
        int loaded = 0;
        for (int i = 0; i < cases; ++i) {
            QByteArray bytes = good;
            switch (random.bounded(6)) {
            case 0:
                bytes.truncate(random.bounded(bytes.size()));
                break;
            case 1:
                for (int n = random.bounded(1, 8); n > 0; --n)
                    bytes[random.bounded(bytes.size())] = char(random.bounded(256));
                break;
            case 2:
                bytes.insert(random.bounded(bytes.size()),
                             QByteArray(random.bounded(1, 3000), '['));
                break;
            case 3: {
                const QString section = sections.at(random.bounded(sections.size()));
                const QStringList keys = top.value(section).toObject().keys();
                bytes = withValue(good, section, keys.at(random.bounded(keys.size())),
                                  odd.at(random.bounded(odd.size())));
                break;
            }
            case 4:
                bytes.replace(random.bounded(bytes.size()), 1, "\xc3\x28\xed\xa0\x80");
                break;
            default:
                bytes = withValue(good, {}, sections.at(random.bounded(sections.size())),
                                  odd.at(random.bounded(odd.size())));
            }
            QString problem;
            const auto project = parseProject(bytes, "/p", &problem);
            QVERIFY2(project || !problem.isEmpty(), qPrintable(QString::number(i)));
            loaded += project ? 1 : 0;
        }
        // Some damage leaves a file that still reads (a changed letter in a text).
        QVERIFY(loaded > 0 && loaded < cases);
    }
};

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "project_file_test.moc"
