#include "ui/QmlCategoryStationsModel.h"

#include "ui/UiObjects.h"

QmlCategoryStationsModel::QmlCategoryStationsModel(QObject *parent)
    : CategoryStationsModel(UiObjects::stations(), parent)
{
}
