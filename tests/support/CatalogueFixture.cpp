#include "support/CatalogueFixture.h"
#include "support/TestText.h"

#include "catalogue/CatalogueCodec.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture file %s", qPrintable(path));
}
} // namespace

CatalogueFixture::CatalogueFixture()
{
    writeFile(builtInPath(),
              j("<?xml version='1.0' encoding='UTF-8'?>"
                "<stations>"
                "  <category name='Publiek'><station name='p1' url='https://p.example/1'/><station name='p2' "
                "url='https://p.example/2'/></category>"
                "  <category name='Jazz'><station name='j1' url='https://j.example/1'/></category>"
                "</stations>"));
}

Catalogue CatalogueFixture::builtIn()
{
    return {StationCategory(QStringLiteral("Publiek"),
                            {RadioStation(QStringLiteral("p1"), QStringLiteral("https://p.example/1")),
                             RadioStation(QStringLiteral("p2"), QStringLiteral("https://p.example/2"))}),
            StationCategory(QStringLiteral("Jazz"),
                            {RadioStation(QStringLiteral("j1"), QStringLiteral("https://j.example/1"))})};
}

QStringList CatalogueFixture::layout(const Catalogue &catalogue)
{
    QStringList out;
    for (const StationCategory &c : catalogue) {
        QStringList names;
        for (const RadioStation &s : c.stations)
            names << s.name;
        out << c.name + QLatin1Char(':') + names.join(QLatin1Char(','));
    }
    return out;
}

void CatalogueFixture::writeCatalogue(const QByteArray &bytes) const
{
    writeFile(catalogueFile(), bytes);
}
void CatalogueFixture::writeLegacy(const QByteArray &bytes) const
{
    writeFile(legacyFile(), bytes);
}

QByteArray CatalogueFixture::readCatalogueFile() const
{
    QFile file(catalogueFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Catalogue CatalogueFixture::savedCatalogue() const
{
    const auto decoded = CatalogueCodec::decodeCatalogue(readCatalogueFile());
    if (!decoded)
        QTest::qFail("stations.json does not decode", __FILE__, __LINE__);
    return decoded.value_or(Catalogue{});
}

QStringList CatalogueFixture::damagedCopies() const
{
    return QDir(folder()).entryList({QStringLiteral("stations.json.damaged-*")}, QDir::Files);
}
