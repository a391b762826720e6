// The catalogue decoder reads the usual file form directly and hands everything unusual to
// QJsonDocument; its verdict and its records must be those of a plain QJsonDocument reading
// on every form of the file: whitespace, key order, repeated and extra keys, escapes, UTF-8. A
// repeated key, which QJsonDocument settles by dropping a value, rejects the file.

#include "catalogue/CatalogueCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// The number of object members in valid JSON: the colons outside strings.
int memberCount(const QByteArray &json)
{
    int count = 0;
    bool inString = false;
    for (qsizetype i = 0; i < json.size(); ++i) {
        if (inString && json[i] == '\\')
            ++i;
        else if (json[i] == '"')
            inString = !inString;
        else if (!inString && json[i] == ':')
            ++count;
    }
    return count;
}

// The catalogue rules applied to QJsonDocument's reading, written out independently.
std::optional<Catalogue> readWithQJsonDocument(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return std::nullopt;
    // Written out again, the document has fewer members than the text when a key was repeated.
    if (memberCount(doc.toJson(QJsonDocument::Compact)) != memberCount(json))
        return std::nullopt;
    Catalogue catalogue;
    for (const QJsonValue &categoryValue : doc.array()) {
        const QJsonObject category = categoryValue.toObject();
        if (!categoryValue.isObject() || !category.value(QLatin1String("name")).isString() ||
            !category.value(QLatin1String("stations")).isArray())
            return std::nullopt;
        StationCategory decoded(category.value(QLatin1String("name")).toString());
        for (const QJsonValue &stationValue : category.value(QLatin1String("stations")).toArray()) {
            const QJsonObject station = stationValue.toObject();
            const QJsonValue name = station.value(QLatin1String("name"));
            const QJsonValue url = station.value(QLatin1String("url"));
            if (!stationValue.isObject() || !name.isString() || !url.isString())
                return std::nullopt;
            const QString urlText = url.toString();
            if (urlText.isEmpty() || !QUrl(urlText, QUrl::StrictMode).isValid())
                return std::nullopt;
            decoded.stations.append(RadioStation(name.toString(), urlText));
        }
        catalogue.append(decoded);
    }
    return catalogue;
}

// Single quotes stand for double quotes, to keep the table readable.
QByteArray j(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}

QByteArray withName(const QByteArray &nameBytes)
{
    return j("[{'name':'C','stations':[{'name':'") + nameBytes + j("','url':'https://x.nl/a'}]}]");
}

QByteArray withUrl(const QByteArray &urlBytes)
{
    return j("[{'name':'C','stations':[{'name':'A','url':'") + urlBytes + j("'}]}]");
}

} // namespace

class TestCatalogueJsonForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesLikeQJsonDocument_data()
    {
        QTest::addColumn<QByteArray>("json");

        // Layout
        QTest::newRow("compact") << j("[{'name':'C','stations':[{'name':'A','url':'https://x.nl/a'}]}]");
        QTest::newRow("pretty, CRLF and tabs")
            << j("[\r\n\t{\r\n\t\t'name' : 'C' ,\r\n\t\t'stations' : [ { 'name' : 'A' , 'url' : "
                 "'https://x.nl/a' } ]\r\n\t}\r\n]\r\n");
        QTest::newRow("empty array") << j("[]");
        QTest::newRow("empty array with spaces") << j(" \n[ \t]\r\n ");
        QTest::newRow("category without stations in it") << j("[{'name':'C','stations':[]}]");
        QTest::newRow("two categories, same name") << j(
            "[{'name':'C','stations':[]},{'name':'C','stations':[{'name':'A','url':'https://x.nl/a'}]}]");
        QTest::newRow("keys in other order")
            << j("[{'stations':[{'url':'https://x.nl/a','name':'A'}],'name':'C'}]");
        QTest::newRow("byte order mark")
            << QByteArray("\xef\xbb\xbf") +
                   j("[{'name':'C','stations':[{'name':'A','url':'https://x.nl/a'}]}]");
        QTest::newRow("byte order mark, empty array") << QByteArray("\xef\xbb\xbf[]");
        QTest::newRow("form feed as space") << j("[\f{'name':'C','stations':[]}]");
        QTest::newRow("no-break space as space") << QByteArray("[\xc2\xa0]");

        // Keys: extra, repeated, escaped
        QTest::newRow("extra keys of every type")
            << j("[{'name':'C','x':{'a':[1,2.5e3,true,false,null]},'stations':[{'name':'A','n':-0.5,"
                 "'url':'https://x.nl/a','o':{}}]}]");
        QTest::newRow("repeated station name")
            << j("[{'name':'C','stations':[{'name':'A','name':'B','url':'https://x.nl/a'}]}]");
        QTest::newRow("repeated url, bad then good")
            << j("[{'name':'C','stations':[{'name':'A','url':'http://a b','url':'https://x.nl/a'}]}]");
        QTest::newRow("repeated url, good then bad")
            << j("[{'name':'C','stations':[{'name':'A','url':'https://x.nl/a','url':'http://a b'}]}]");
        QTest::newRow("repeated url, string then number")
            << j("[{'name':'C','stations':[{'name':'A','url':'https://x.nl/a','url':1}]}]");
        QTest::newRow("repeated stations")
            << j("[{'name':'C','stations':[],'stations':[{'name':'A','url':'https://x.nl/a'}]}]");
        QTest::newRow("escaped key") << j(
            "[{'na\\u006de':'C','stations':[{'name':'A','url':'https://x.nl/a'}]}]");
        QTest::newRow("key in other case") << j("[{'Name':'C','stations':[]}]");

        // Structure errors
        QTest::newRow("empty input") << QByteArray();
        QTest::newRow("only spaces") << QByteArray("  \n ");
        QTest::newRow("top-level object") << j("{'name':'C','stations':[]}");
        QTest::newRow("top-level string") << j("'C'");
        QTest::newRow("empty object") << j("[{}]");
        QTest::newRow("station without name") << j("[{'name':'C','stations':[{'url':'https://x.nl/a'}]}]");
        QTest::newRow("category is an array") << j("[[]]");
        QTest::newRow("station is a string") << j("[{'name':'C','stations':['https://x.nl/a']}]");
        QTest::newRow("name is null") << j("[{'name':null,'stations':[]}]");
        QTest::newRow("stations is null") << j("[{'name':'C','stations':null}]");
        QTest::newRow("url is a number") << j("[{'name':'C','stations':[{'name':'A','url':7}]}]");
        QTest::newRow("trailing comma in array") << j("[{'name':'C','stations':[]},]");
        QTest::newRow("trailing comma in object") << j("[{'name':'C','stations':[],}]");
        QTest::newRow("trailing comma in stations")
            << j("[{'name':'C','stations':[{'name':'A','url':'https://x.nl/a'},]}]");
        QTest::newRow("missing comma") << j("[{'name':'C' 'stations':[]}]");
        QTest::newRow("missing colon") << j("[{'name' 'C','stations':[]}]");
        QTest::newRow("leading comma") << j("[,{'name':'C','stations':[]}]");
        QTest::newRow("unterminated array") << j("[{'name':'C','stations':[]}");
        QTest::newRow("unterminated string") << j("[{'name':'C");
        QTest::newRow("garbage after the array") << j("[]x");
        QTest::newRow("second array") << j("[][]");
        QTest::newRow("NUL after the array") << QByteArray("[]\0", 3);
        QTest::newRow("NUL between values") << QByteArray("[\0]", 3);
        QTest::newRow("single quotes") << QByteArray("[{'name':'C','stations':[]}]");

        // Strings: escapes
        QTest::newRow("escaped slashes in url") << withUrl(j("https:\\/\\/x.nl\\/a"));
        QTest::newRow("every short escape") << withName(j("q\\' b\\\\ s\\/ \\b\\f\\n\\r\\t"));
        QTest::newRow("unicode escapes") << withName(j("\\u00e9\\u20AC\\u0041"));
        QTest::newRow("escaped NUL") << withName(j("a\\u0000b"));
        QTest::newRow("surrogate pair escape") << withName(j("\\ud83d\\udcfb"));
        QTest::newRow("lone high surrogate escape") << withName(j("\\ud800x"));
        QTest::newRow("lone low surrogate escape") << withName(j("\\udc00"));
        QTest::newRow("reversed surrogates") << withName(j("\\udc00\\ud800"));
        QTest::newRow("escaped byte order mark") << withName(j("\\ufeffA"));
        QTest::newRow("unknown escape") << withName(j("\\a\\x"));
        QTest::newRow("bad hex in escape") << withName(j("\\u12G4"));
        QTest::newRow("short unicode escape") << withName(j("\\u12"));
        QTest::newRow("escape then raw UTF-8") << withName(QByteArray("\\n\xc3\xa9\xf0\x9f\x93\xbb"));
        QTest::newRow("escape then raw BOM") << withName(QByteArray("\\n\xef\xbb\xbf"));
        QTest::newRow("escaped url with unicode escape") << withUrl(j("https://x.nl/\\u0061"));
        QTest::newRow("escaped space in url") << withUrl(j("https://x.nl/a\\u0020b"));

        // Strings: raw bytes
        QTest::newRow("raw tab") << withName(QByteArray("a\tb"));
        QTest::newRow("raw newline") << withName(QByteArray("a\nb"));
        QTest::newRow("raw control") << withName(QByteArray("a\x01"
                                                            "b"));
        QTest::newRow("raw NUL") << withName(QByteArray("a\0b", 3));
        QTest::newRow("raw DEL") << withName(QByteArray("a\x7f"
                                                        "b"));
        QTest::newRow("two-byte UTF-8") << withName(QByteArray("Caf\xc3\xa9"));
        QTest::newRow("three-byte UTF-8") << withName(QByteArray("\xe2\x82\xac"));
        QTest::newRow("four-byte UTF-8") << withName(QByteArray("\xf0\x9f\x93\xbb"));
        QTest::newRow("largest code point") << withName(QByteArray("\xf4\x8f\xbf\xbf"));
        QTest::newRow("past the largest code point") << withName(QByteArray("\xf4\x90\x80\x80"));
        QTest::newRow("overlong slash") << withName(QByteArray("\xc0\xaf"));
        QTest::newRow("overlong three-byte") << withName(QByteArray("\xe0\x80\xaf"));
        QTest::newRow("encoded surrogate") << withName(QByteArray("\xed\xa0\x80"));
        QTest::newRow("lone continuation byte") << withName(QByteArray("a\x80"));
        QTest::newRow("truncated sequence") << withName(QByteArray("\xe2\x82"));
        QTest::newRow("invalid lead byte") << withName(QByteArray("\xff"));
        QTest::newRow("raw byte order mark in name") << withName(QByteArray("\xef\xbb\xbf"
                                                                            "A"));
        QTest::newRow("noncharacter FFFE") << withName(QByteArray("\xef\xbf\xbe"));
        QTest::newRow("noncharacter FDD0") << withName(QByteArray("\xef\xb7\x90"));
        QTest::newRow("noncharacter 10FFFF") << withName(QByteArray("\xf4\x8f\xbf\xbf"));
        QTest::newRow("UTF-8 in category name")
            << QByteArray("[{\"name\":\"Belgi\xc3\xab\",\"stations\":[]}]");
        QTest::newRow("UTF-8 in url path") << withUrl(QByteArray("https://x.nl/\xc3\xa9\xc3\xa9n"));
        QTest::newRow("UTF-8 in url host") << withUrl(QByteArray("https://m\xc3\xbcnchen.de/"));

        // URLs
        QTest::newRow("empty url") << withUrl("");
        QTest::newRow("url with a space") << withUrl("http://a b/");
        QTest::newRow("relative url") << withUrl("stream.mp3");
        QTest::newRow("IPv6 url") << withUrl("http://[::1]:8000/live");
        QTest::newRow("url with port 65536") << withUrl("http://x.nl:65536/");
        QTest::newRow("url with bad escape") << withUrl("http://x.nl/%zz");
        QTest::newRow("upper-case url") << withUrl("HTTP://X.NL/A");
    }

    void decodesLikeQJsonDocument()
    {
        QFETCH(QByteArray, json);
        const auto expected = readWithQJsonDocument(json);
        QString error;
        const auto decoded = CatalogueCodec::decodeCatalogue(json, &error);
        QCOMPARE(decoded.has_value(), expected.has_value());
        if (decoded) {
            QCOMPARE(*decoded, *expected);
        } else {
            QVERIFY2(!error.isEmpty(), "a rejected catalogue comes with a reason");
        }
    }

    // A large catalogue with names and addresses of every kind goes through the encoder and
    // back unchanged, and reads the same as through QJsonDocument.
    void largeCatalogueRoundTrip()
    {
        const QStringList names = {
            QStringLiteral("Radio België"),       QStringLiteral("Zender \"Één\" \\ /"),
            QStringLiteral("Tab\there\nnewline"), QStringLiteral("\U0001F4FB Emoji FM"),
            QStringLiteral("Ctrl\x01\x1f"),       QStringLiteral("")};
        const QStringList urls = {QStringLiteral("https://stream.radiohost.nl/live.mp3"),
                                  QStringLiteral("http://[::1]:8000/live"),
                                  QStringLiteral("https://x.nl/é?q=ü#f"), QStringLiteral("icyx://a.b/c"),
                                  QStringLiteral("relative/path.mp3")};
        Catalogue catalogue;
        for (int c = 0; c < 20; ++c) {
            StationCategory category(names.at(c % names.size()) + QString::number(c));
            for (int s = 0; s < 50; ++s) {
                category.stations.append(RadioStation(names.at((c + s) % names.size()),
                                                      urls.at(s % urls.size()) + QString::number(s)));
            }
            catalogue.append(category);
        }
        const QByteArray json = CatalogueCodec::encodeCatalogue(catalogue);
        const auto decoded = CatalogueCodec::decodeCatalogue(json);
        QVERIFY(decoded.has_value());
        QCOMPARE(*decoded, catalogue);
        QCOMPARE(readWithQJsonDocument(json), decoded);

        // The same document as QJsonDocument writes it, indented.
        const QByteArray indented = QJsonDocument::fromJson(json).toJson(QJsonDocument::Indented);
        QCOMPARE(CatalogueCodec::decodeCatalogue(indented), decoded);
    }
};

QTEST_APPLESS_MAIN(TestCatalogueJsonForms)
#include "tst_cataloguejsonforms.moc"
