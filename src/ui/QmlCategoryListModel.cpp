#include "ui/QmlCategoryListModel.h"

#include "ui/UiObjects.h"

QmlCategoryListModel::QmlCategoryListModel(QObject *parent)
    : CategoryListModel(UiObjects::stations(), parent)
{
}
