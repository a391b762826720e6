#include "ui/QmlStationDrop.h"

#include "ui/UiObjects.h"

QmlStationDrop::QmlStationDrop(QObject *parent)
    : StationDrop(UiObjects::stations(), UiObjects::settings(), parent)
{
}
