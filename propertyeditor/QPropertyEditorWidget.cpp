#include "propertyeditor/QPropertyEditorWidget.h"

#include "propertyeditor/FilterProxyModel.h"
#include "propertyeditor/QVariantDelegate.h"

QPropertyEditorWidget::QPropertyEditorWidget(QWidget* parent)
    : QTreeView(parent)
    , m_model(new QPropertyModel(this, this))
    , m_proxy(new FilterProxyModel(this))
    , m_delegate(new QVariantDelegate(this, this))
{
    m_proxy->setSourceModel(m_model);
    setModel(m_proxy);
    setItemDelegate(m_delegate);
}

void QPropertyEditorWidget::appendObject(QObject* object)
{
    m_model->appendObject(object);
    expandToDepth(0);
}

void QPropertyEditorWidget::showObject(QObject* object)
{
    m_model->clear();
    if (object)
        appendObject(object);
}

void QPropertyEditorWidget::refreshObject(QObject* object)
{
    if (object)
        m_model->refreshObject(object, QModelIndex());
}

void QPropertyEditorWidget::registerPropertyFactory(CustomPropertyFactory factory)
{
    m_model->registerPropertyFactory(factory);
}

void QPropertyEditorWidget::unregisterPropertyFactory(CustomPropertyFactory factory)
{
    m_model->unregisterPropertyFactory(factory);
}

void QPropertyEditorWidget::setRowHeightFactor(double factor)
{
    m_model->setRowHeightFactor(factor);
}

QFont QPropertyEditorWidget::font() const
{
    return QTreeView::font();
}

QPalette QPropertyEditorWidget::palette() const
{
    return QTreeView::palette();
}
