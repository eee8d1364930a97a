#pragma once

#include <QAbstractItemModel>
#include <QList>

class IFontAccessor;
class Property;

// Makes the node for a property of user type, or returns null to leave it to the next factory
// and finally to the built-in nodes. The node must be created as a child of `parent`.
typedef Property* (*CustomPropertyFactory)(const QString& name, QObject* object, Property* parent);

// A two-column tree ("Name", "Value") over the user properties of QObjects: one group row per
// declaring class, then one row per property and per dynamic property.
class QPropertyModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit QPropertyModel(IFontAccessor* fontAccessor, QObject* parent = nullptr);

    void appendObject(QObject* object);
    // Re-reads every row of the object (values and hints) and adds or removes rows for the
    // dynamic properties that appeared or vanished since.
    void refreshObject(QObject* object, const QModelIndex& parent = QModelIndex());
    void clear();

    void registerPropertyFactory(CustomPropertyFactory factory);
    void unregisterPropertyFactory(CustomPropertyFactory factory);
    void setRowHeightFactor(double factor) { m_rowHeightFactor = factor; }

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QModelIndex buddy(const QModelIndex& index) const override;

private:
    Property* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(Property* node, int column = 0) const;
    Property* makeNode(const QString& name, QObject* object, Property* group, bool userType,
                       bool enumeration);
    void appendDynamicProperties(Property* group, QObject* object);
    QVariant nameOrValue(const Property* node, int column, int role) const;
    QColor groupBackground() const;
    QFont font() const;

    Property* m_root;
    QList<CustomPropertyFactory> m_factories;
    IFontAccessor* m_fontAccessor;
    double m_rowHeightFactor = 1.3;
};
