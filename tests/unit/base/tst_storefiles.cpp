// The two stores' files on disk, side by side: a symlinked file, leftovers of a save that was cut
// off, and a second writer on the same files, in this process and in others.
#include "base/SettingsStore.h"
#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationManager.h"
#include "support/CatalogueFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QSaveFile>
#include <QTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

    // The edits as this store holds them in memory.
    QStringList tags() const
    {
        QStringList tags;
        if (m_catalogue) {
            for (const StationCategory &category : m_catalogue->categories()) {
                for (const RadioStation &station : category.stations) {
                    if (category.name == eigen)
                        tags << station.name;
                }
            }
        } else {
            for (const QString &key : m_settings->keys())
                tags << key;
        }
        return tags;
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

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
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

    void leftoversOfCutOffSavesGo_data() { addKinds(); }
    void leftoversOfCutOffSavesGo()
    {
        QFETCH(QString, kind);
        CatalogueFixture fx;
        const QString file = fx.folder() + QLatin1Char('/') + AnyStore::fileName(kind);
        writeAll(file, AnyStore::content(kind, {QStringLiteral("a")}));
        // Two of QSaveFile's temporary names, and the user's own copies.
        const QStringList suffixes{"AbCdEf", "qWERTy", "backup", "BACKUP", "Backup", "old", "AbCdEfG"};
        for (const QString &suffix : suffixes)
            writeAll(file + QLatin1Char('.') + suffix, "x");
        AnyStore store(kind, fx.folder(), fx.builtInPath());
        QStringList left;
        for (const QString &suffix : suffixes) {
            if (QFile::exists(file + QLatin1Char('.') + suffix))
                left << suffix;
        }
        QCOMPARE(left, (QStringList{"backup", "BACKUP", "Backup", "old", "AbCdEfG"}));
        QCOMPARE(readAll(file), AnyStore::content(kind, {QStringLiteral("a")}));
    }

    // Two stores on one file in one process, where the lock keeps nothing apart (it is the same
    // process's): each edit starts from the file as the other left it, and the file watch tells the
    // other. The lock between processes is twoProcessesLoseNothing's (and the real program's
    // tst_catalogue_lock's).
    void twoStoresInOneProcessSeeEachOthersEdits_data() { addKinds(); }
    void twoStoresInOneProcessSeeEachOthersEdits()
    {
        QFETCH(QString, kind);
        CatalogueFixture fx;
        AnyStore first(kind, fx.folder(), fx.builtInPath());
        AnyStore second(kind, fx.folder(), fx.builtInPath());
        QStringList expected;
        for (int i = 0; i < 20; ++i) {
            first.edit(QStringLiteral("a%1").arg(i));
            second.edit(QStringLiteral("b%1").arg(i));
            expected << QStringLiteral("a%1").arg(i) << QStringLiteral("b%1").arg(i);
        }
        // Each edit starts from the file as the other left it, in the order they happened.
        if (kind == QLatin1String("catalogue"))
            QCOMPARE(second.tags(), expected);
        QCOMPARE(sorted(AnyStore(kind, fx.folder(), fx.builtInPath()).tags()), sorted(expected));
        // The one that wrote first learns of the other's last edit from the file watch.
        QTRY_COMPARE(sorted(first.tags()), sorted(expected));
    }

    // Editing a station and renaming a category start from the file too, not from memory.
    void editAndRenameKeepTheOtherWritersAdd()
    {
        CatalogueFixture fx;
        StationManager first(fx.folder(), fx.builtInPath());
        StationManager second(fx.folder(), fx.builtInPath());
        first.addStation(QStringLiteral("a"), QStringLiteral("http://s.example/a"), eigen);
        second.addStation(QStringLiteral("b"), QStringLiteral("http://s.example/b"), eigen);
        first.editStation(RadioStation(QStringLiteral("a"), QStringLiteral("http://s.example/a")),
                          QStringLiteral("a2"), QStringLiteral("http://s.example/a2"));
        second.addStation(QStringLiteral("c"), QStringLiteral("http://s.example/c"), eigen);
        first.renameCategory(eigen, QStringLiteral("Mijn"));
        const StationManager reread(fx.folder(), fx.builtInPath());
        QStringList names;
        for (const StationCategory &category : reread.categories()) {
            if (category.name == QLatin1String("Mijn")) {
                for (const RadioStation &station : category.stations)
                    names << station.name;
            }
        }
        QCOMPARE(names, (QStringList{"a2", "b", "c"}));
    }

    // Another process holds the lock: the edit returns at once, and is carried out on top of
    // what that process saved once it lets go.
    void anEditWaitsForTheLockWithoutBlocking_data() { addKinds(); }
    void anEditWaitsForTheLockWithoutBlocking()
    {
        QFETCH(QString, kind);
        CatalogueFixture fx;
        const QString file = fx.folder() + QLatin1Char('/') + AnyStore::fileName(kind);
        AnyStore store(kind, fx.folder(), fx.builtInPath());
        store.edit(QStringLiteral("a"));
        // A descriptor of its own conflicts with the store's as another process's would.
        const int holder = ::open(QFile::encodeName(file + QStringLiteral(".lock")).constData(), O_RDWR);
        QVERIFY(holder >= 0 && ::flock(holder, LOCK_EX) == 0);
        store.edit(QStringLiteral("b"));
        QSaveFile other(file);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write(AnyStore::content(kind, {QStringLiteral("a"), QStringLiteral("c")}));
        QVERIFY(other.commit());
        ::close(holder);
        const QStringList expected{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QTRY_COMPARE(sorted(AnyStore(kind, fx.folder(), fx.builtInPath()).tags()), expected);
        QTRY_COMPARE(sorted(store.tags()), expected);
    }

    void twoProcessesLoseNothing()
    {
        CatalogueFixture fx;
        const QString folder = fx.folder();
        AnyStore(QStringLiteral("catalogue"), folder, fx.builtInPath()); // the first start, done
        QList<QProcess *> writers;
        for (const char *prefix : {"x", "y"}) {
            auto *writer = new QProcess(this);
            writer->start(
                QCoreApplication::applicationFilePath(),
                {QStringLiteral("--writer"), folder, fx.builtInPath(), QString::fromLatin1(prefix)});
            writers << writer;
        }
        QStringList expected;
        for (int i = 0; i < kProcessEdits; ++i)
            expected << QStringLiteral("x%1").arg(i) << QStringLiteral("y%1").arg(i);
        for (QProcess *writer : std::as_const(writers)) {
            QVERIFY(writer->waitForFinished(60000));
            QCOMPARE(writer->exitCode(), 0);
        }
        for (const QString &kind : {QStringLiteral("catalogue"), QStringLiteral("settings")})
            QCOMPARE(sorted(AnyStore(kind, folder, fx.builtInPath()).tags()), sorted(expected));
    }

public:
    static constexpr int kProcessEdits = 100;

    // The other side of twoProcessesLoseNothing: edits both stores as fast as it can.
    static int runWriter(const QString &folder, const QString &builtIn, const QString &prefix)
    {
        AnyStore catalogue(QStringLiteral("catalogue"), folder, builtIn);
        AnyStore settings(QStringLiteral("settings"), folder, builtIn);
        for (int i = 0; i < kProcessEdits; ++i) {
            catalogue.edit(prefix + QString::number(i));
            settings.edit(prefix + QString::number(i));
        }
        return 0;
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments.at(1) == QLatin1String("--writer"))
        return TestStoreFiles::runWriter(arguments.at(2), arguments.at(3), arguments.at(4));
    TestStoreFiles test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_storefiles.moc"
