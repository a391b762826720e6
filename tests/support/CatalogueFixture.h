// A temporary application-support folder with a small built-in list beside it, for store tests.
#pragma once

#include "catalogue/StationCategory.h"

#include <QByteArray>
#include <QTemporaryDir>

class CatalogueFixture
{
public:
    CatalogueFixture();

    QString folder() const { return m_dir.filePath(QStringLiteral("Zeffira")); }
    QString catalogueFile() const { return folder() + QStringLiteral("/stations.json"); }
    QString legacyFile() const { return folder() + QStringLiteral("/custom-stations.json"); }
    QString builtInPath() const { return m_dir.filePath(QStringLiteral("stations.xml")); }
    QString root() const { return m_dir.path(); }

    // The built-in list: "Publiek" (p1, p2) and "Jazz" (j1).
    static Catalogue builtIn();
    // One "Category:name,name" line per category, for compact comparisons.
    static QStringList layout(const Catalogue &catalogue);

    void writeCatalogue(const QByteArray &bytes) const;
    void writeLegacy(const QByteArray &bytes) const;
    QByteArray readCatalogueFile() const;
    // The decoded catalogue file; fails the test when it does not decode.
    Catalogue savedCatalogue() const;
    // Files in the folder whose names start with "stations.json.damaged-".
    QStringList damagedCopies() const;

private:
    QTemporaryDir m_dir;
};
