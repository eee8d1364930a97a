#pragma once

#include "propertyeditor/Property.h"

#include <QMetaEnum>
#include <QPointer>

class QComboBox;

// A row for a property of enumeration type: shows the translated key (or the per-value text
// hint) and edits with a combo box whose items carry the key names.
class EnumProperty : public Property
{
    Q_OBJECT

public:
    EnumProperty(const QString& name, QObject* propertyObject, QObject* parent);

    QVariant value(int role = Qt::UserRole) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option) override;
    QVariant editorData(QWidget* editor) override;
    bool setEditorData(QWidget* editor, const QVariant& data) override;

public slots:
    // Writes the key of the current item of the open combo box to the object.
    void valueChanged(const QString& text);

private:
    QMetaEnum metaEnum() const;
    QString valueText(int value) const;
    void writeChoice(QComboBox* combo, int index);

    QPointer<QComboBox> m_editor;
};
