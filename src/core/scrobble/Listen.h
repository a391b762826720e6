// One song heard long enough to count: what ListenBrainz calls a listen. A plain value shared by
// the scrobbler and the queue that keeps it until the server took it.
#pragma once

#include <QDateTime>
#include <QString>

struct Listen {
    qint64 id = 0;        // the queue's key; 0 before it is queued
    QDateTime listenedAt; // when the title came up
    QString artist;
    QString track;
    QString stationName;
    QString originUrl; // the station's stream URL
};
