// The add-station sheet's rules as QML creates them, on the published store.
// Owned by the QML object tree that declares it.
#pragma once

#include "catalogue/StationInput.h"

#include <QtQml/qqml.h>

class QmlStationInput : public StationInput
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StationInput)
public:
    explicit QmlStationInput(QObject *parent = nullptr);
};
