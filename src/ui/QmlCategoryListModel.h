// The Stations tab's category column as QML creates it, on the published store.
// Owned by the QML object tree that declares it.
#pragma once

#include "catalogue/CategoryListModel.h"

#include <QtQml/qqml.h>

class QmlCategoryListModel : public CategoryListModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(CategoryListModel)
public:
    explicit QmlCategoryListModel(QObject *parent = nullptr);
};
