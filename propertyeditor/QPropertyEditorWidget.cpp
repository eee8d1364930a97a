#include "propertyeditor/QPropertyEditorWidget.h"

#include "propertyeditor/FilterProxyModel.h"
#include "propertyeditor/Property.h"
#include "propertyeditor/QVariantDelegate.h"

#include <QKeyEvent>

QPropertyEditorWidget::QPropertyEditorWidget(QWidget* parent)
    : QTreeView(parent)
    , m_model(new QPropertyModel(this, this))
    , m_proxy(new FilterProxyModel(this))
    , m_delegate(new QVariantDelegate(this, this))
{
    m_proxy->setSourceModel(m_model);
    setModel(m_proxy);
    setItemDelegate(m_delegate);
    // Moving onto a row must not open its editor: the arrow keys would then step its value.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // A click on a value still opens it at once.
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == 1)
            edit(index);
    });
    connect(m_delegate, &QVariantDelegate::inputRefused, this,
            &QPropertyEditorWidget::onInputRefused);
}

void QPropertyEditorWidget::keyPressEvent(QKeyEvent* event)
{
    // Enter opens the value's editor, on every platform (Qt's views leave that to macOS).
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState && currentIndex().isValid()
        && edit(currentIndex(), QAbstractItemView::EditKeyPressed, event))
        return;
    QTreeView::keyPressEvent(event);
}

void QPropertyEditorWidget::onInputRefused(const QModelIndex& index)
{
    const Property* node = QVariantDelegate::nodeOf(index);
    if (node && node->propertyObject())
        emit inputRefused(node->propertyObject(), node->objectName());
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
