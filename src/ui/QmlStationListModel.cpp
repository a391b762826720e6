#include "ui/QmlStationListModel.h"

#include "ui/UiObjects.h"

QmlStationListModel::QmlStationListModel(QObject *parent)
    : StationListModel(UiObjects::stations(), UiObjects::player(), parent)
{
}
