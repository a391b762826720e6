#include "ui/QmlStationInput.h"

#include "ui/UiObjects.h"

QmlStationInput::QmlStationInput(QObject *parent)
    : StationInput(UiObjects::stations(), parent)
{
}
