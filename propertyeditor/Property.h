#pragma once

#include <QColor>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QStyleOptionViewItem;
class QWidget;

// One row of the property tree: shows one Qt property of the edited object (or, without an
// object, a group or the root), picks its editor and moves values between editor and object.
// Its presentation comes from the hints the edited object carries (EditorHints.h).
class Property : public QObject
{
    Q_OBJECT

public:
    Property(const QString& name, QObject* propertyObject, QObject* parent);

    QObject* propertyObject() const { return m_propertyObject; }

    virtual QString translatedName() const;
    virtual QVariant value(int role = Qt::UserRole) const;
    virtual void setValue(const QVariant& value);

    // The class info hint string ("name=value;...") applied to every editor of this row.
    virtual void setEditorHints(const QString& hints) { m_hints = hints; }
    QString editorHints() const { return m_hints; }

    virtual QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option);
    virtual QVariant editorData(QWidget* editor);
    virtual bool setEditorData(QWidget* editor, const QVariant& data);

    // This node when it shows `object`, else the first node below it that does.
    Property* findNodeFor(QObject* object);
    bool isReadOnly() const;
    // Limits and precision from the dynamic hints; they win over the class info hints.
    void applyEditorHints(QWidget* editor) const;

    QString displayName() const;
    QString unit() const;
    QString replacement() const;
    QColor background() const;
    QColor foreground() const;
    bool isHidden() const;
    bool immediateUpdatesDisabled() const;
    bool isVerbatim() const;
    int maxVisibleItems() const;
    bool isItemDisabled(int value) const;
    QString itemText(int value) const;
    QMap<int, QString> labels() const;

public slots:
    void setValue(double value) { setValue(QVariant(value)); }
    void setValue(int value) { setValue(QVariant(value)); }

protected:
    // The hint's value on the edited object; invalid when absent or when there is no object.
    QVariant hint(const QString& name) const;
    QByteArray propertyName() const { return objectName().toLocal8Bit(); }

private:
    QPointer<QObject> m_propertyObject;
    QString m_hints;
};
