#include "core/json_lists.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTest>

namespace {

// Units where an escaper goes wrong: every control character, the quote and
// backslash, each UTF-8 length's edges, non-characters, both halves of a
// surrogate pair (alone, reversed and in pairs) and plain letters.
QStringList hostileTexts() {
    QStringList texts{QString(),
                      QStringLiteral("\"\\/\u007f\u0080\u07ff\u0800\ufffd\ufffe\uffff\ufdd0"),
                      QStringLiteral("plain text, pages/page1.html")};
    QString controls;
    for (char16_t unit = 0; unit < 0x20; ++unit)
        controls += QChar(unit);
    texts << controls;
    const QChar high(0xd83d), low(0xde00);
    texts << QString(high) << QString(low) << (QString(high) + 'x') << (QString(low) + high)
          << (QString(high) + high + low) << (QString(high) + low + low)
          << (QStringLiteral("a") + high);
    return texts;
}

QString randomText(QRandomGenerator& random) {
    static const char16_t pool[] = {'a',    'Z',    ' ',    '"',    '\\',  '\n',   0x01,
                                    0x1f,   0x7f,   0xe9,   0x7ff,  0x800, 0x20ac, 0xd800,
                                    0xdbff, 0xdc00, 0xdfff, 0xfffe, 0xffff};
    QString text;
    for (int n = random.bounded(12); n > 0; --n)
        text += QChar(pool[random.bounded(int(std::size(pool)))]);
    return text;
}

} // namespace

class JsonListsTest final : public QObject {
    Q_OBJECT

private slots:
    // The text is QJsonDocument's for the same document, at every depth,
    // between other keys, for hostile and random lists.
    void writesWhatQtWrites_data() {
        QTest::addColumn<QList<QStringList>>("lists");
        QTest::newRow("empty list") << QList<QStringList>{{}};
        QTest::newRow("one empty text") << QList<QStringList>{{QString()}};
        QTest::newRow("hostile texts") << QList<QStringList>{hostileTexts()};
        QRandomGenerator random(25);
        QList<QStringList> randomLists;
        for (int n = 0; n < 6; ++n) {
            QStringList list;
            for (int m = random.bounded(400); m > 0; --m)
                list << randomText(random);
            randomLists << list;
        }
        QTest::newRow("random lists, fixed seed") << randomLists;
    }
    void writesWhatQtWrites() {
        QFETCH(QList<QStringList>, lists);
        JsonLists written;
        const auto document = [&](bool standIns) {
            QJsonObject top{{"a", 1.5}, {"z", QJsonArray{"kept", QJsonObject{{"k", "\t"}}}}};
            for (qsizetype n = 0; n < lists.size(); ++n) {
                const QJsonValue list = standIns ? written.standIn(lists.at(n))
                                                 : QJsonArray::fromStringList(lists.at(n));
                const QString key = QStringLiteral("list%1").arg(n);
                if (n % 3 == 0)
                    top.insert(key, list);
                else if (n % 3 == 1)
                    top.insert(key, QJsonObject{{"before", true}, {"inner", list}, {"x", "y"}});
                else
                    top.insert(key, QJsonObject{{"deeper", QJsonObject{{"inner", list}}}});
            }
            return top;
        };
        const QByteArray expected = QJsonDocument(document(false)).toJson(QJsonDocument::Indented);
        const auto json = written.indentedJson(document(true));
        QVERIFY(json);
        QCOMPARE(*json, expected);
    }

    // A document text that holds a stand-in's text cannot be told from it.
    void aTextLikeAStandInIsLeftToQt() {
        JsonLists written;
        const QJsonValue standIn = written.standIn({"entry"});
        QVERIFY(!written.indentedJson(QJsonObject{{"list", standIn}, {"newerKey", standIn}}));
        QVERIFY(written.indentedJson(QJsonObject{{"list", standIn}, {"newerKey", "other"}}));
    }
};

QTEST_GUILESS_MAIN(JsonListsTest)
#include "json_lists_test.moc"
