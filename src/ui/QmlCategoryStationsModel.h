// The Stations tab's station list as QML creates it, on the published store.
// Owned by the QML object tree that declares it.
#pragma once

#include "catalogue/CategoryStationsModel.h"

#include <QtQml/qqml.h>

class QmlCategoryStationsModel : public CategoryStationsModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(CategoryStationsModel)
public:
    explicit QmlCategoryStationsModel(QObject *parent = nullptr);
};
