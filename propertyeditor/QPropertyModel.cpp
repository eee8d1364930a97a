#include "propertyeditor/QPropertyModel.h"

#include "propertyeditor/EnumProperty.h"
#include "propertyeditor/IFontAccessor.h"
#include "propertyeditor/Property.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMetaProperty>
#include <QSize>

#include <algorithm>
#include <functional>

namespace {
// Marks nodes of dynamic properties, which come and go with the object's properties.
constexpr char DYNAMIC_MARK[] = "__Dynamic";

bool isDynamicNode(const QObject* node)
{
    return node->property(DYNAMIC_MARK).toBool();
}

// A user property of the object, bound to the least derived class that lists it.
struct Declared
{
    QMetaProperty property;
    const QMetaObject* declaringClass;
};

// Properties in the order first met (base class first), and the classes from base to most
// derived that declare at least one of them.
void collectUserProperties(const QMetaObject* meta, QVector<Declared>& properties,
                           QVector<const QMetaObject*>& classes)
{
    for (; meta; meta = meta->superClass()) {
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isUser())
                continue;
            auto same = std::find_if(properties.begin(), properties.end(), [&](const Declared& d) {
                return qstrcmp(d.property.name(), property.name()) == 0;
            });
            if (same != properties.end())
                *same = { property, meta };
            else
                properties.append({ property, meta });
        }
        classes.prepend(meta);
    }
    classes.erase(std::remove_if(classes.begin(), classes.end(),
                                 [&](const QMetaObject* cls) {
                                     return std::none_of(properties.begin(), properties.end(),
                                                         [cls](const Declared& d) {
                                                             return d.declaringClass == cls;
                                                         });
                                 }),
                  classes.end());
}

QString groupName(const QMetaObject* cls, const QObject* object)
{
    QString name = object->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(cls->className());
    const int info = cls->indexOfClassInfo(name.toUtf8().constData());
    return info >= 0 ? QString::fromUtf8(cls->classInfo(info).value()) : name;
}
} // namespace

QPropertyModel::QPropertyModel(IFontAccessor* fontAccessor, QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(new Property(QStringLiteral("Root"), nullptr, this))
    , m_fontAccessor(fontAccessor)
{ }

void QPropertyModel::appendObject(QObject* object)
{
    if (!object)
        return;
    QVector<Declared> properties;
    QVector<const QMetaObject*> classes;
    collectUserProperties(object->metaObject(), properties, classes);
    if (classes.isEmpty())
        return;

    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + classes.size() - 1);
    Property* group = nullptr;
    for (const QMetaObject* cls : qAsConst(classes)) {
        group = new Property(groupName(cls, object), nullptr, m_root);
        for (const Declared& d : qAsConst(properties)) {
            if (d.declaringClass != cls)
                continue;
            const QString name = QString::fromLatin1(d.property.name());
            // An enumeration counts as a user type whether or not Qt has registered its type
            // yet; before that, Qt reports it as a plain int.
            const bool userType
                = d.property.isEnumType() || d.property.userType() >= QMetaType::User;
            Property* node = makeNode(name, object, group, userType, d.property.isEnumType());
            const int info = cls->indexOfClassInfo(d.property.name());
            if (info >= 0)
                node->setEditorHints(QString::fromUtf8(cls->classInfo(info).value()));
        }
    }
    endInsertRows();
    appendDynamicProperties(group, object);
}

void QPropertyModel::refreshObject(QObject* object, const QModelIndex& parent)
{
    if (!object)
        return;
    Property* start = parent.isValid() ? nodeOf(parent) : m_root;
    if (!start)
        return;

    // An object whose classes give several groups is refreshed in all of them; its dynamic
    // properties live in the last one, where appendObject put them.
    QVector<Property*> groups;
    std::function<void(Property*)> collect = [&](Property* node) {
        if (node->propertyObject() == object) {
            auto* group = qobject_cast<Property*>(node->parent());
            if (group && !groups.contains(group))
                groups.append(group);
            return;
        }
        for (QObject* child : node->children()) {
            if (auto* childNode = qobject_cast<Property*>(child))
                collect(childNode);
        }
    };
    collect(start);
    if (groups.isEmpty())
        return;

    for (Property* group : qAsConst(groups)) {
        const QObjectList& rows = group->children();
        const auto bound = std::find_if(rows.begin(), rows.end(), [object](QObject* row) {
            return static_cast<Property*>(row)->propertyObject() == object;
        });
        if (bound == rows.end())
            continue;
        const QModelIndex groupIndex = indexOf(group);
        emit dataChanged(index(int(bound - rows.begin()), 0, groupIndex),
                         index(rows.size() - 1, 1, groupIndex), {});
    }

    Property* group = groups.last();
    const QModelIndex groupIndex = indexOf(group);
    const QList<QByteArray> names = object->dynamicPropertyNames();
    const QObjectList rows = group->children();
    int row = 0;
    for (QObject* child : rows) {
        if (isDynamicNode(child) && !names.contains(child->objectName().toLocal8Bit())) {
            beginRemoveRows(groupIndex, row, row);
            delete child;
            endRemoveRows();
        } else {
            ++row;
        }
    }
    appendDynamicProperties(group, object);
}

void QPropertyModel::clear()
{
    const int rows = rowCount();
    if (rows == 0)
        return;
    beginRemoveRows(QModelIndex(), 0, rows - 1);
    delete m_root;
    m_root = new Property(QStringLiteral("Root"), nullptr, this);
    endRemoveRows();
}

void QPropertyModel::registerPropertyFactory(CustomPropertyFactory factory)
{
    if (factory && !m_factories.contains(factory))
        m_factories.append(factory);
}

void QPropertyModel::unregisterPropertyFactory(CustomPropertyFactory factory)
{
    m_factories.removeAll(factory);
}

QModelIndex QPropertyModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    Property* parentNode = parent.isValid() ? nodeOf(parent) : m_root;
    return createIndex(row, column, parentNode->children().at(row));
}

QModelIndex QPropertyModel::parent(const QModelIndex& index) const
{
    Property* node = nodeOf(index);
    if (!node)
        return QModelIndex();
    auto* parentNode = qobject_cast<Property*>(node->parent());
    if (!parentNode || parentNode == m_root)
        return QModelIndex();
    return indexOf(parentNode);
}

int QPropertyModel::rowCount(const QModelIndex& parent) const
{
    // Only the name column has children, as views and proxies expect of a tree.
    if (parent.column() > 0)
        return 0;
    const Property* node = parent.isValid() ? nodeOf(parent) : m_root;
    return node->children().size();
}

int QPropertyModel::columnCount(const QModelIndex&) const
{
    return 2;
}

QVariant QPropertyModel::data(const QModelIndex& index, int role) const
{
    const Property* node = nodeOf(index);
    if (!node)
        return QVariant();
    const bool bound = node->propertyObject();
    const bool valueColumn = index.column() == 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::DecorationRole:
    case Qt::EditRole:
        return nameOrValue(node, index.column(), role);
    case Qt::ToolTipRole:
        return node->value(Qt::ToolTipRole);
    case Qt::FontRole:
        if (!bound) {
            QFont bold = font();
            bold.setWeight(QFont::Bold);
            return bold;
        }
        return QVariant();
    case Qt::BackgroundRole:
        if (!bound)
            return groupBackground();
        if (valueColumn && node->background().isValid())
            return node->background();
        return QVariant();
    case Qt::ForegroundRole:
        if (bound && valueColumn && node->foreground().isValid())
            return node->foreground();
        return QVariant();
    case Qt::SizeHintRole:
        return QSize(0, int(QFontMetrics(font()).height() * m_rowHeightFactor));
    default:
        return QVariant();
    }
}

bool QPropertyModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    Property* node = nodeOf(index);
    // What the flags forbid to the view is refused to every other caller too.
    if (!node || role != Qt::EditRole || node->isReadOnly())
        return false;
    node->setValue(value);
    emit dataChanged(index, index, {});
    return true;
}

QVariant QPropertyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == 0)
        return tr("Name");
    if (section == 1)
        return tr("Value");
    return QVariant();
}

Qt::ItemFlags QPropertyModel::flags(const QModelIndex& index) const
{
    const Property* node = nodeOf(index);
    // The root is no item: it takes no part in drag and drop or editing.
    if (!node)
        return Qt::NoItemFlags;
    if (!node->propertyObject())
        return Qt::ItemIsEnabled;
    // Not enabled: the row is drawn disabled and opens no editor.
    if (node->isReadOnly())
        return Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsEnabled;
}

QModelIndex QPropertyModel::buddy(const QModelIndex& index) const
{
    // Editing a name edits its value.
    if (index.isValid() && index.column() == 0)
        return index.sibling(index.row(), 1);
    return index;
}

Property* QPropertyModel::nodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Property*>(index.internalPointer()) : nullptr;
}

QModelIndex QPropertyModel::indexOf(Property* node, int column) const
{
    if (!node || node == m_root)
        return QModelIndex();
    return createIndex(node->parent()->children().indexOf(node), column, node);
}

Property* QPropertyModel::makeNode(const QString& name, QObject* object, Property* group,
                                   bool userType, bool enumeration)
{
    if (userType) {
        for (CustomPropertyFactory factory : qAsConst(m_factories)) {
            if (Property* node = factory(name, object, group)) {
                // A node under another parent would not be counted in the rows announced.
                node->setParent(group);
                return node;
            }
        }
    }
    if (enumeration)
        return new EnumProperty(name, object, group);
    return new Property(name, object, group);
}

void QPropertyModel::appendDynamicProperties(Property* group, QObject* object)
{
    if (!group)
        return;
    QList<QByteArray> names = object->dynamicPropertyNames();
    for (const QObject* child : group->children()) {
        if (isDynamicNode(child))
            names.removeAll(child->objectName().toLocal8Bit());
    }
    // Names starting with "_" are editor hints, not entries.
    names.erase(std::remove_if(names.begin(), names.end(),
                               [object](const QByteArray& name) {
                                   return name.startsWith('_')
                                       || !object->property(name.constData()).isValid();
                               }),
                names.end());
    if (names.isEmpty())
        return;

    const int first = group->children().size();
    beginInsertRows(indexOf(group), first, first + names.size() - 1);
    for (const QByteArray& name : qAsConst(names)) {
        const bool userType = object->property(name.constData()).type() == QVariant::UserType;
        Property* node = makeNode(QString::fromLocal8Bit(name), object, group, userType, false);
        node->setProperty(DYNAMIC_MARK, true);
    }
    endInsertRows();
}

QVariant QPropertyModel::nameOrValue(const Property* node, int column, int role) const
{
    if (column == 0) {
        const QString unit = node->unit();
        const QString name = node->displayName();
        return unit.isEmpty() ? name : QStringLiteral("%1 [%2]").arg(name, unit);
    }
    const QString replacement = node->replacement();
    return replacement.isEmpty() ? node->value(role) : QVariant(replacement);
}

QColor QPropertyModel::groupBackground() const
{
    const QPalette palette
        = m_fontAccessor ? m_fontAccessor->palette() : QGuiApplication::palette();
    const QColor base = palette.brush(QPalette::Current, QPalette::Base).color();
    return base.lightness() < 128 ? base.lighter(120) : base.darker(120);
}

QFont QPropertyModel::font() const
{
    return m_fontAccessor ? m_fontAccessor->font() : QGuiApplication::font();
}
