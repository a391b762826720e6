// The two stores' files on disk, side by side: a symlinked file, leftovers of a save that was cut
// off, and a second writer on the same files.
#include "base/SettingsStore.h"
#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString eigen = QStringLiteral("Eigen");

// The catalogue or the settings, opened on `folder` and edited by a tag.
class AnyStore
{
public:
    static QString fileName(const QString &kind)
    {
        return kind == QLatin1String("catalogue") ? QStringLiteral("stations.json")
                                                  : QStringLiteral("settings.json");
    }
    // A file of this kind holding the edits `tags`.
    static QByteArray content(const QString &kind, const QStringList &tags)
    {
        if (kind == QLatin1String("catalogue")) {
            StationCategory category(eigen);
            for (const QString &tag : tags)
                category.stations.append(RadioStation(tag, QStringLiteral("http://s.example/") + tag));
            return CatalogueCodec::encodeCatalogue({category});
        }
        QJsonObject object;
        for (const QString &tag : tags)
            object.insert(tag, true);
        return QJsonDocument(object).toJson();
    }

    AnyStore(const QString &kind, const QString &folder, const QString &builtIn)
    {
        if (kind == QLatin1String("catalogue"))
            m_catalogue = std::make_unique<StationManager>(folder, builtIn);
        else
            m_settings = std::make_unique<SettingsStore>(folder + QLatin1Char('/') + fileName(kind));
    }

    void edit(const QString &tag)
    {
        if (m_catalogue)
            m_catalogue->addStation(tag, QStringLiteral("http://s.example/") + tag, eigen);
        else
            m_settings->setValue(tag, true);
    }

private:
    std::unique_ptr<StationManager> m_catalogue;
    std::unique_ptr<SettingsStore> m_settings;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

unsigned mode(const QString &path)
{
    struct stat st {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
}

} // namespace

class TestStoreFiles : public QObject
{
    Q_OBJECT

    static void addKinds()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("catalogue") << QStringLiteral("catalogue");
        QTest::newRow("settings") << QStringLiteral("settings");
    }

private Q_SLOTS:
    void symlinkedFileKeepsItsTargetAndMode_data() { addKinds(); }
    void symlinkedFileKeepsItsTargetAndMode()
    {
        QFETCH(QString, kind);
        CatalogueFixture fx;
        const QString target = fx.root() + QStringLiteral("/dotfiles/") + AnyStore::fileName(kind);
        const QString link = fx.folder() + QLatin1Char('/') + AnyStore::fileName(kind);
        writeAll(target, AnyStore::content(kind, {QStringLiteral("a")}));
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ReadOther));
        QVERIFY(QDir().mkpath(fx.folder()));
        QVERIFY(QFile::link(target, link));

        AnyStore(kind, fx.folder(), fx.builtInPath()).edit(QStringLiteral("b"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(link), AnyStore::content(kind, {QStringLiteral("a"), QStringLiteral("b")}));
        QCOMPARE(mode(target), 0644u);
    }
};

QTEST_GUILESS_MAIN(TestStoreFiles)
#include "tst_storefiles.moc"
