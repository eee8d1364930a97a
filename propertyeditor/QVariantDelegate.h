#pragma once

#include <QItemDelegate>

class IFontAccessor;
class Property;

// Lets the property nodes create and fill the editors, applies their hints, and shows the
// full text of a truncated cell as its tool tip.
class QVariantDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit QVariantDelegate(IFontAccessor* fontAccessor, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    bool eventFilter(QObject* object, QEvent* event) override;

    // The node behind an index of the property model or of a proxy over it.
    static Property* nodeOf(const QModelIndex& index);

signals:
    // What was typed into the editor of that cell was not taken.
    void inputRefused(const QModelIndex& index);

public slots:
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    // Reports keys the editor refuses, and remembers which cell it edits.
    void watchInput(QWidget* editor, const QModelIndex& index) const;
    // Types whose editors the nodes make and fill; the rest get Qt's standard editors.
    static bool nodeEdits(const QVariant& value);
    // The value the editor holds, as the node or the editor's user property gives it.
    static QVariant editorValue(QWidget* editor, const QModelIndex& index);

    IFontAccessor* m_fontAccessor;
};
