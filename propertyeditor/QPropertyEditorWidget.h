#pragma once

#include "propertyeditor/IFontAccessor.h"
#include "propertyeditor/QPropertyModel.h"

#include <QTreeView>

class FilterProxyModel;
class QVariantDelegate;

// The property editor: a tree of the user properties of the objects it is given, edited in
// place. The caller must showObject(nullptr) before deleting an object it appended, and call
// refreshObject after changing an object's values or dynamic properties behind its back.
class QPropertyEditorWidget : public QTreeView, public IFontAccessor
{
    Q_OBJECT

public:
    explicit QPropertyEditorWidget(QWidget* parent = nullptr);

    void appendObject(QObject* object);
    // Shows only `object`; null empties the editor.
    void showObject(QObject* object);
    void refreshObject(QObject* object);

    void registerPropertyFactory(CustomPropertyFactory factory);
    void unregisterPropertyFactory(CustomPropertyFactory factory);
    void setRowHeightFactor(double factor);

    QFont font() const override;
    QPalette palette() const override;

    QPropertyModel* propertyModel() const { return m_model; }

private:
    QPropertyModel* m_model;
    FilterProxyModel* m_proxy;
    QVariantDelegate* m_delegate;
};
