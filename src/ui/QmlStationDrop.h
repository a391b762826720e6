// The Stations tab's drag-and-drop state as QML creates it, one per tab, on the published store
// and settings.
// Owned by the QML object tree that declares it.
#pragma once

#include "catalogue/StationDrop.h"

#include <QtQml/qqml.h>

class QmlStationDrop : public StationDrop
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StationDrop)
public:
    explicit QmlStationDrop(QObject *parent = nullptr);
};
