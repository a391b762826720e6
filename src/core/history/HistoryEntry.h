// One song heard: when its title came up, on which station, and the text split into artist and
// title. A plain value shared by the recorder, the store and the views.
#pragma once

#include <QDateTime>
#include <QString>

struct HistoryEntry {
    qint64 id = 0; // the store's key; 0 before it is stored
    QDateTime startedAt;
    QString stationName;
    QString stationUrl;
    QString artist; // empty when the station's text named no artist
    QString title;
    bool starred = false; // kept ("Bewaard") past the retention

    // "Artist - Title", or the title alone.
    QString text() const { return artist.isEmpty() ? title : artist + QStringLiteral(" - ") + title; }
};
