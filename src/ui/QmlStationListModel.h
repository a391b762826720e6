// The station panel's list model as QML creates it: a StationListModel on the published
// store and player. Owned by the QML object tree that declares it.
#pragma once

#include "catalogue/StationListModel.h"

#include <QtQml/qqml.h>

class QmlStationListModel : public StationListModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StationListModel)
public:
    explicit QmlStationListModel(QObject *parent = nullptr);
};
