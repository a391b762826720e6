// One station as the public station directory lists it: enough to show it in a result list and
// to add it to the catalogue. Plain value.
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

struct DirectoryStation {
    QString uuid; // the directory's id, for counting a click; may be empty
    QString name;
    QString url; // the resolved stream URL where the directory gives one, else the listed URL
    QString country;
    QString codec;
    int bitrate = 0; // kbit/s, 0 when unknown
    QStringList tags;
    QString favicon; // the station's logo (http or https), empty when none is listed

    friend bool operator==(const DirectoryStation &, const DirectoryStation &) = default;
};

Q_DECLARE_METATYPE(DirectoryStation)
