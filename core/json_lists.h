#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <optional>
#include <vector>

// Long lists of strings written straight into a document's JSON text.
// Through QJsonArray every string is converted to CBOR and back, which took
// most of the time of saving a project of 100,000 menu entries. The text is
// byte for byte what QJsonDocument writes, indented, for the same document.
class JsonLists final {
public:
    // A stand-in to insert where the array of `list` belongs.
    QJsonValue standIn(const QStringList& list);
    // `top`'s indented JSON with every stand-in replaced by its array; nothing
    // when a text of the document itself holds a stand-in's text, and the
    // document must be written with real arrays.
    std::optional<QByteArray> indentedJson(const QJsonObject& top) const;

private:
    std::vector<QStringList> lists;
};
