#include "propertyeditor/Property.h"

#include "propertyeditor/ColorCombo.h"
#include "propertyeditor/EditorHints.h"
#include "propertyeditor/EditorSpinBox.h"

#include <QDoubleSpinBox>
#include <QMetaProperty>
#include <QSignalBlocker>
#include <QSpinBox>

#include <limits>

namespace {
// ±(2^31 - 1): the widest range both spin boxes accept without special cases.
constexpr int EDITOR_LIMIT = std::numeric_limits<int>::max();

QColor toColor(const QVariant& value)
{
    if (!value.isValid())
        return QColor();
    if (value.userType() == QMetaType::QColor)
        return value.value<QColor>();
    QVariant converted = value;
    return converted.convert(QMetaType::QColor) ? converted.value<QColor>() : QColor();
}
} // namespace

Property::Property(const QString& name, QObject* propertyObject, QObject* parent)
    : QObject(parent)
    , m_propertyObject(propertyObject)
{
    setObjectName(name);
}

QString Property::translatedName() const
{
    QString name = objectName();
    name.replace(QLatin1Char('_'), QLatin1Char(' '));
    return QObject::tr(name.toUtf8().constData());
}

QVariant Property::value(int role) const
{
    if (!m_propertyObject)
        return QVariant();
    if (role == Qt::ToolTipRole) {
        const QByteArray key = (objectName() + QStringLiteral(".ToolTip")).toUtf8();
        const QString text = QObject::tr(key.constData());
        if (text != QString::fromUtf8(key))
            return text;
        return hint(EditorHints::TOOL_TIP);
    }
    const QVariant raw = m_propertyObject->property(propertyName().constData());
    // Values that are catalogue identifiers (such as "Cooling") read translated. Only the
    // display is translated: an editor filled with the translation would write it back.
    if (role == Qt::DisplayRole && raw.userType() == QMetaType::QString && !isVerbatim())
        return QObject::tr(raw.toString().toUtf8().constData());
    return raw;
}

void Property::setValue(const QVariant& value)
{
    if (!m_propertyObject)
        return;
    // setProperty would quietly add a dynamic property for a name the object does not have.
    const QByteArray name = propertyName();
    if (m_propertyObject->metaObject()->indexOfProperty(name.constData()) < 0
        && !m_propertyObject->dynamicPropertyNames().contains(name))
        return;
    m_propertyObject->setProperty(name.constData(), value);
}

QWidget* Property::createEditor(QWidget* parent, const QStyleOptionViewItem&)
{
    switch (value(Qt::UserRole).type()) {
    case QVariant::Double: {
        auto* editor = new EditorDoubleSpinBox(parent);
        editor->setProperty("minimum", -EDITOR_LIMIT);
        editor->setProperty("maximum", EDITOR_LIMIT);
        if (!immediateUpdatesDisabled())
            connect(editor, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                    qOverload<double>(&Property::setValue));
        return editor;
    }
    case QVariant::Int: {
        auto* editor = new EditorSpinBox(parent);
        editor->setProperty("minimum", -EDITOR_LIMIT);
        editor->setProperty("maximum", EDITOR_LIMIT);
        if (!immediateUpdatesDisabled())
            connect(editor, qOverload<int>(&QSpinBox::valueChanged), this,
                    qOverload<int>(&Property::setValue));
        return editor;
    }
    case QVariant::Color:
        return new ColorCombo(parent);
    default:
        return nullptr;
    }
}

QVariant Property::editorData(QWidget* editor)
{
    switch (value(Qt::UserRole).type()) {
    case QVariant::Int:
        if (auto* spin = qobject_cast<QSpinBox*>(editor))
            return spin->value();
        break;
    case QVariant::Double:
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor))
            return spin->value();
        break;
    case QVariant::Color:
        if (auto* combo = qobject_cast<ColorCombo*>(editor))
            return combo->color();
        break;
    default:
        break;
    }
    return QVariant();
}

bool Property::setEditorData(QWidget* editor, const QVariant& data)
{
    switch (value(Qt::UserRole).type()) {
    case QVariant::Int:
        if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
            const QSignalBlocker blocker(spin);
            spin->setValue(data.toInt());
            return true;
        }
        break;
    case QVariant::Double:
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor)) {
            const QSignalBlocker blocker(spin);
            spin->setValue(data.toDouble());
            return true;
        }
        break;
    case QVariant::Color:
        if (auto* combo = qobject_cast<ColorCombo*>(editor)) {
            combo->setColor(toColor(data));
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

Property* Property::findNodeFor(QObject* object)
{
    if (m_propertyObject == object)
        return this;
    for (QObject* child : children()) {
        if (auto* node = qobject_cast<Property*>(child)) {
            if (Property* found = node->findNodeFor(object))
                return found;
        }
    }
    return nullptr;
}

bool Property::isReadOnly() const
{
    if (!m_propertyObject)
        return true;
    if (hint(EditorHints::READ_ONLY).isValid() || hint(EditorHints::REPLACEMENT).isValid())
        return true;
    const QByteArray name = propertyName();
    if (m_propertyObject->dynamicPropertyNames().contains(name))
        return false;
    const QMetaObject* meta = m_propertyObject->metaObject();
    return !meta->property(meta->indexOfProperty(name.constData())).isWritable();
}

void Property::applyEditorHints(QWidget* editor) const
{
    if (!editor || !m_propertyObject)
        return;
    static const struct
    {
        const char* hint;
        const char* editorProperty;
    } copied[]
        = { { EditorHints::MINIMUM, "minimum" },        { EditorHints::MAXIMUM, "maximum" },
            { EditorHints::SINGLE_STEP, "singleStep" }, { EditorHints::PRECISION, "decimals" },
            { EditorHints::MAX_LENGTH, "maxLength" },   { EditorHints::TOOL_TIP, "toolTip" } };
    // A new limit may clamp the editor's value; that must not reach the object as an edit.
    const QSignalBlocker blocker(editor);
    for (const auto& entry : copied) {
        const QVariant value = hint(QLatin1String(entry.hint));
        if (value.isValid())
            editor->setProperty(entry.editorProperty, value);
    }
}

QString Property::displayName() const
{
    const QVariant name = hint(EditorHints::DISPLAY_NAME);
    return name.isValid() ? name.toString() : translatedName();
}

QString Property::unit() const
{
    return hint(EditorHints::UNIT).toString();
}

QString Property::replacement() const
{
    return hint(EditorHints::REPLACEMENT).toString();
}

QColor Property::background() const
{
    return toColor(hint(EditorHints::BACKGROUND));
}

QColor Property::foreground() const
{
    return toColor(hint(EditorHints::FOREGROUND));
}

bool Property::isHidden() const
{
    return hint(EditorHints::HIDDEN).toBool();
}

bool Property::immediateUpdatesDisabled() const
{
    return hint(EditorHints::IMMEDIATE_UPDATES_DISABLED).toBool();
}

bool Property::isVerbatim() const
{
    return hint(EditorHints::VERBATIM).toBool();
}

int Property::maxVisibleItems() const
{
    return hint(EditorHints::MAX_VISIBLE_ITEMS).toInt();
}

bool Property::isItemDisabled(int value) const
{
    return hint(EditorHints::disabledHint(value)).toBool();
}

QString Property::itemText(int value) const
{
    return hint(EditorHints::textHint(value)).toString();
}

QMap<int, QString> Property::labels() const
{
    QMap<int, QString> result;
    const QStringList lines = hint(EditorHints::LABELS).toString().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() == 2)
            result.insert(parts.at(0).toInt(nullptr, 10), parts.at(1));
    }
    return result;
}

QVariant Property::hint(const QString& name) const
{
    if (!m_propertyObject)
        return QVariant();
    // Only dynamic properties are hints; a declared property of that name never is.
    const QByteArray key = EditorHints::key(objectName(), name);
    if (!m_propertyObject->dynamicPropertyNames().contains(key))
        return QVariant();
    return m_propertyObject->property(key.constData());
}
