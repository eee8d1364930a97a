#pragma once

#include "propertyeditor/IFontAccessor.h"
#include "propertyeditor/QPropertyModel.h"

#include <QTreeView>

class FilterProxyModel;
class QVariantDelegate;

// The property editor: a tree of the user properties of the objects it is given, edited in
// place. The caller must showObject(nullptr) before deleting an object it appended, and call
// refreshObject after changing an object's values or dynamic properties behind its back.
// By keyboard: arrows move between rows, Enter, F2 or typing open the value's editor, Enter
// takes and Esc drops what was typed; a value changes only while its editor is open.
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

signals:
    // What was typed into the editor of `property` of `object` was not taken: a key the editor
    // cannot take, or a value outside its limits (see the row's tool tip).
    void inputRefused(QObject* object, const QString& property);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onInputRefused(const QModelIndex& index);

    QPropertyModel* m_model;
    FilterProxyModel* m_proxy;
    QVariantDelegate* m_delegate;
};
