// Times the station store on large catalogues: start-up load, one save and each editing
// operation, each against a floor measured in the same run, and prints the ratios.
// It reports; a missed target never makes it fail.

#include "BenchSummary.h"
#include "catalogue/CatalogueCodec.h"
#include "catalogue/StationManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kCategoryCount = 100;
// Each measurement runs until this much time is spent or its repetition cap is reached,
// so that small sizes get many samples and the whole run stays within a couple of minutes.
// Every save ends in fdatasync, so disk latency is part of what is measured and is noisy.
constexpr qint64 kBudgetNs = 2'000'000'000;
constexpr double kLoadSaveTarget = 1.5;
constexpr double kEditTarget = 1.2;

// A small deterministic generator (64-bit LCG) so every run builds the same catalogue.
class Lcg
{
public:
    explicit Lcg(quint64 seed) : m_state(seed) {}
    quint32 next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return quint32(m_state >> 33);
    }
    template <std::size_t N> const char *pick(const char *const (&list)[N]) { return list[next() % N]; }

private:
    quint64 m_state;
};

const char *const kGenres[] = {"Pop",    "Rock",    "Jazz",    "Klassiek", "Nieuws",   "Dance", "Hits",
                               "Soul",   "Country", "Blues",   "Chill",    "Metal",    "Folk",  "Latin",
                               "Reggae", "Ambient", "Hip-hop", "Oldies",   "Schlager", "Talk"};
const char *const kRegions[] = {"Nederland", "België", "Duitsland", "Frankrijk", "Wereld"};
const char *const kPrefixes[] = {"Radio",  "Omroep", "Stad FM", "Classic", "Sky",
                                 "Studio", "Zender", "Golf",    "Kanaal",  "Stereo"};
const char *const kPlaces[] = {"Amsterdam", "Rotterdam", "Utrecht", "Zwolle",     "Groningen", "Gent",
                               "Antwerpen", "Köln",      "Liège",   "Maastricht", "Eindhoven", "Brussel",
                               "Haarlem",   "Leiden",    "Tilburg", "Nijmegen"};
const char *const kSuffixes[] = {"",       " Live", " 24/7",   " Non-stop",
                                 " Extra", " Gold", " Lounge", " & Friends"};
const char *const kHosts[] = {"stream.radiohost.nl",  "icecast.omroep.be",    "live.streamcdn.net",
                              "edge1.audiostream.eu", "radio.cast-server.de", "media.zenderplein.nl"};
const char *const kFormats[] = {".mp3", ".aac", ".ogg", "", ".m3u8"};

QString stationName(Lcg &rng, int index)
{
    return QString::fromUtf8("%1 %2 %3%4")
        .arg(QString::fromUtf8(rng.pick(kPrefixes)), QString::fromUtf8(rng.pick(kPlaces)))
        .arg(index)
        .arg(QString::fromUtf8(rng.pick(kSuffixes)));
}

QString stationUrl(Lcg &rng, int index)
{
    QString url = QStringLiteral("https://") + QString::fromUtf8(rng.pick(kHosts));
    if (rng.next() % 4 == 0)
        url += QStringLiteral(":8443");
    url += QStringLiteral("/live/station-%1%2").arg(index).arg(QString::fromUtf8(rng.pick(kFormats)));
    if (rng.next() % 3 == 0)
        url += QStringLiteral("?quality=high&token=%1").arg(rng.next(), 8, 16, QLatin1Char('0'));
    return url;
}

Catalogue makeCatalogue(int stationCount)
{
    Lcg rng(20240601u + quint64(stationCount));
    Catalogue catalogue;
    catalogue.reserve(kCategoryCount);
    for (int c = 0; c < kCategoryCount; ++c) {
        catalogue.append(StationCategory(QString::fromUtf8("%1 — %2 %3")
                                             .arg(QString::fromUtf8(kGenres[c % std::size(kGenres)]),
                                                  QString::fromUtf8(kRegions[(c / 20) % std::size(kRegions)]))
                                             .arg(c + 1)));
    }
    for (int i = 0; i < stationCount; ++i)
        catalogue[i % kCategoryCount].stations.append(RadioStation(stationName(rng, i), stationUrl(rng, i)));
    return catalogue;
}

QJsonArray toJsonArray(const Catalogue &catalogue)
{
    QJsonArray array;
    for (const StationCategory &category : catalogue)
        array.append(CatalogueCodec::encodeCategory(category));
    return array;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        qFatal("cannot write %s", qPrintable(path));
}

double median(std::vector<qint64> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t mid = samples.size() / 2;
    return samples.size() % 2 ? double(samples[mid]) : (double(samples[mid - 1]) + double(samples[mid])) / 2;
}

qint64 timeOnce(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

// Runs `round` repeatedly (after one warm-up round) until `budgetNs` or `maxRounds` is
// reached, at least `minRounds` times. Each round appends its own samples.
void repeat(int minRounds, int maxRounds, qint64 budgetNs, const std::function<void()> &round)
{
    round(); // warm-up: caches, allocator, page cache
    QElapsedTimer spent;
    spent.start();
    for (int n = 0; n < maxRounds && (n < minRounds || spent.nsecsElapsed() < budgetNs); ++n)
        round();
}

struct Row {
    int size;
    QString operation;
    double medianNs;
    double floorNs;
    QString floorName;
    double target;
    std::size_t samples;
};

QString formatTime(double ns)
{
    if (ns >= 1e9)
        return QStringLiteral("%1 s").arg(ns / 1e9, 0, 'f', 3);
    if (ns >= 1e6)
        return QStringLiteral("%1 ms").arg(ns / 1e6, 0, 'f', 2);
    return QStringLiteral("%1 µs").arg(ns / 1e3, 0, 'f', 1);
}

void printRow(const Row &row)
{
    const double ratio = row.floorNs > 0 ? row.medianNs / row.floorNs : 0;
    std::printf("%8d  %-16s %11s  %-22s %11s  %6.2fx  <= %.1fx  %-4s  n=%zu\n", row.size,
                qPrintable(row.operation), qPrintable(formatTime(row.medianNs)), qPrintable(row.floorName),
                qPrintable(formatTime(row.floorNs)), ratio, row.target, ratio <= row.target ? "ok" : "OVER",
                row.samples);
    std::fflush(stdout);
    BenchSummary::add(
        "catalogue", QStringLiteral("%1, %2 stations").arg(row.operation).arg(row.size).toStdString(),
        formatTime(row.medianNs).toStdString(),
        QStringLiteral("%1 (%2)").arg(formatTime(row.floorNs), row.floorName).toStdString(), ratio,
        QStringLiteral("<= %1x").arg(row.target, 0, 'f', 1).toStdString(), ratio <= row.target);
}

void benchSize(int stationCount, int minRounds, int maxRounds)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("cannot create a temporary folder");
    const QString folder = dir.path();
    const QString catalogueFile = folder + QStringLiteral("/stations.json");

    const Catalogue catalogue = makeCatalogue(stationCount);
    const QByteArray encoded = CatalogueCodec::encodeCatalogue(catalogue);
    writeFile(catalogueFile, encoded);

    // Start-up load against reading the same file and a bare JSON parse of it.
    std::vector<qint64> load, loadFloor;
    repeat(minRounds, maxRounds, kBudgetNs, [&] {
        loadFloor.push_back(timeOnce([&] {
            const QJsonDocument doc = QJsonDocument::fromJson(readFile(catalogueFile));
            if (!doc.isArray())
                qFatal("floor parse failed");
        }));
        load.push_back(timeOnce([&] {
            StationManager manager(folder, QString());
            if (manager.categories().size() != kCategoryCount)
                qFatal("the store did not load the catalogue");
        }));
    });
    printRow({stationCount, QStringLiteral("load"), median(load), median(loadFloor),
              QStringLiteral("read + fromJson"), kLoadSaveTarget, load.size()});

    StationManager manager(folder, QString());
    if (manager.categories() != catalogue)
        qFatal("the loaded catalogue differs from the one written");

    // One save against serialising a ready document and writing it atomically.
    const QJsonDocument document(toJsonArray(catalogue));
    const QString floorFile = folder + QStringLiteral("/floor.json");
    std::vector<qint64> save, saveFloor;
    repeat(minRounds, maxRounds, kBudgetNs, [&] {
        saveFloor.push_back(timeOnce([&] { writeFile(floorFile, document.toJson(QJsonDocument::Compact)); }));
        save.push_back(timeOnce([&] { manager.saveStations(); }));
    });
    printRow({stationCount, QStringLiteral("save"), median(save), median(saveFloor),
              QStringLiteral("toJson + QSaveFile"), kLoadSaveTarget, save.size()});

    // Editing operations, each round undoing its own changes so that the catalogue keeps
    // its size. Each operation's floor is a plain save taken right next to it, so that both
    // see the same state of the disk and the machine.
    const QString addTo = manager.categories().at(37).name;
    const QString moveFrom = manager.categories().at(12).name;
    const QString moveTo = manager.categories().at(71).name;
    const QString scratch = QStringLiteral("Bench scratch");
    struct Edit {
        const char *name;
        std::vector<qint64> samples;
        std::vector<qint64> floor;
    };
    Edit add{"addStation", {}, {}}, remove{"removeStation", {}, {}}, move{"moveStation", {}, {}},
        reorder{"moveStations", {}, {}}, addCat{"addCategory", {}, {}}, removeCat{"removeCategory", {}, {}};
    // Two fdatasync calls in a row do not cost the same, so the order of the pair alternates.
    bool floorFirst = true;
    const auto measure = [&](Edit &edit, const std::function<void()> &operation) {
        if (floorFirst)
            edit.floor.push_back(timeOnce([&] { manager.saveStations(); }));
        edit.samples.push_back(timeOnce(operation));
        if (!floorFirst)
            edit.floor.push_back(timeOnce([&] { manager.saveStations(); }));
    };
    int serial = 0;
    repeat(minRounds, maxRounds, 3 * kBudgetNs, [&] {
        const QString url = QStringLiteral("https://new.example-stream.nl/live/added-%1.mp3").arg(serial++);
        measure(add, [&] { manager.addStation(QStringLiteral("  Nieuwe zender  "), url, addTo); });
        const RadioStation added(QStringLiteral("Nieuwe zender"), url);
        measure(remove, [&] { manager.removeStation(added); });

        // Moving the first station of one category to another, then back (to its end).
        const RadioStation station = manager.categories().at(12).stations.first();
        measure(move, [&] { manager.moveStation(station, moveTo); });
        measure(move, [&] { manager.moveStation(station, moveFrom); });

        const int count = int(manager.categories().at(37).stations.size());
        measure(reorder, [&] { manager.moveStations(addTo, {0, 2}, count); });

        measure(addCat, [&] { manager.addCategory(scratch); });
        measure(removeCat, [&] { manager.removeCategory(scratch); });
        floorFirst = !floorFirst;
    });
    if (manager.categories().size() != kCategoryCount)
        qFatal("the editing rounds changed the number of categories");

    for (const Edit *edit : {&add, &remove, &move, &reorder, &addCat, &removeCat}) {
        printRow({stationCount, QString::fromLatin1(edit->name), median(edit->samples), median(edit->floor),
                  QStringLiteral("one save"), kEditTarget, edit->samples.size()});
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The store logs every edit; those lines are not what is measured.
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false\n*.debug=false"));

    std::printf("Catalogue store benchmark: %d categories, medians; targets: load and save <= %.1fx their "
                "floor, an edit <= %.1fx one save\n",
                kCategoryCount, kLoadSaveTarget, kEditTarget);
    std::printf("%8s  %-16s %11s  %-22s %11s  %7s  %7s  %s\n", "stations", "operation", "median", "floor",
                "floor med", "ratio", "target", "");

    struct Size {
        int stations;
        int minRounds;
        int maxRounds;
    };
    // --quick (make bench QUICK=1): the fewest rounds that still give a median.
    const bool quick = QCoreApplication::arguments().contains(QStringLiteral("--quick"));
    for (const Size size : {Size{1'000, 30, 400}, Size{10'000, 20, 100}, Size{100'000, 13, 25}})
        benchSize(size.stations, quick ? 5 : size.minRounds, quick ? 5 : size.maxRounds);
    return 0;
}
