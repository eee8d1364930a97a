#include "propertyeditor/QVariantDelegate.h"

#include "propertyeditor/EditorHints.h"
#include "propertyeditor/EditorValue.h"
#include "propertyeditor/IFontAccessor.h"
#include "propertyeditor/Property.h"
#include "propertyeditor/QPropertyModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QToolTip>

namespace {
// The cell an editor edits, kept on the editor.
constexpr char EDITED_INDEX[] = "_editor#index";
} // namespace

QVariantDelegate::QVariantDelegate(IFontAccessor* fontAccessor, QObject* parent)
    : QItemDelegate(parent)
    , m_fontAccessor(fontAccessor)
{ }

QWidget* QVariantDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    Property* node = nodeOf(index);
    if (!node)
        return QItemDelegate::createEditor(parent, option, index);
    QWidget* editor = nullptr;
    if (nodeEdits(node->value(Qt::UserRole)))
        editor = node->createEditor(parent, option);
    if (!editor)
        editor = QItemDelegate::createEditor(parent, option, index);
    // Dynamic hints come last and so win over the class info.
    EditorHints::applyClassInfoHints(editor, node->editorHints());
    node->applyEditorHints(editor);
    watchInput(editor, index);
    return editor;
}

void QVariantDelegate::watchInput(QWidget* editor, const QModelIndex& index) const
{
    if (!editor)
        return;
    const QPersistentModelIndex where(index);
    editor->setProperty(EDITED_INDEX, QVariant::fromValue(where));
    // A key the editor cannot take (not a digit, one character too many) is dropped by it;
    // the user is told why. A spin box types into a line edit of its own.
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        line = editor->findChild<QLineEdit*>();
    if (line) {
        // createEditor is const by Qt's contract; saying so is no change of the delegate
        auto* self = const_cast<QVariantDelegate*>(this);
        connect(line, &QLineEdit::inputRejected, self,
                [self, where] { emit self->inputRefused(QModelIndex(where)); });
    }
}

bool QVariantDelegate::eventFilter(QObject* object, QEvent* event)
{
    // A number beyond its limits typed whole into a spin box is refused whole: Enter and Tab
    // leave the editor open to correct it, leaving it otherwise drops it; either is said.
    auto* spin = qobject_cast<QAbstractSpinBox*>(object);
    if (spin && !spin->hasAcceptableInput()) {
        const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key()
                                                          : Qt::Key_unknown;
        const bool commits = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab
            || key == Qt::Key_Backtab;
        if (commits || event->type() == QEvent::FocusOut) {
            emit inputRefused(spin->property(EDITED_INDEX).value<QPersistentModelIndex>());
            if (commits)
                return true;
        }
    }
    return QItemDelegate::eventFilter(object, event);
}

void QVariantDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QVariant data = index.data(Qt::EditRole);
    bool filled = false;
    if (nodeEdits(data)) {
        Property* node = nodeOf(index);
        filled = node && node->setEditorData(editor, data);
    } else if (data.type() == QVariant::String) {
        // A refresh must not overwrite what the user is typing, an emptied text included.
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && EditorValue::filled(line) && !EditorValue::unchanged(line, line->text()))
            return;
    }
    if (!filled)
        QItemDelegate::setEditorData(editor, index);
    EditorValue::remember(editor, editorValue(editor, index));
}

void QVariantDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const
{
    // Opening and closing an editor is no edit, even where it could not show the value.
    if (EditorValue::unchanged(editor, editorValue(editor, index)))
        return;
    if (nodeEdits(index.data(Qt::EditRole))) {
        Property* node = nodeOf(index);
        const QVariant value = node ? node->editorData(editor) : QVariant();
        if (value.isValid()) {
            model->setData(index, value, Qt::EditRole);
            return;
        }
    }
    QItemDelegate::setModelData(editor, model, index);
}

QVariant QVariantDelegate::editorValue(QWidget* editor, const QModelIndex& index)
{
    if (nodeEdits(index.data(Qt::EditRole))) {
        if (Property* node = nodeOf(index))
            return node->editorData(editor);
    }
    return EditorValue::userValue(editor);
}

void QVariantDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    QItemDelegate::updateEditorGeometry(editor, option, index);
}

bool QVariantDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (!event || !view)
        return false;
    if (event->type() != QEvent::ToolTip)
        return QAbstractItemDelegate::helpEvent(event, view, option, index);

    const QRect cell = view->visualRect(index);
    const QFontMetrics metrics(m_fontAccessor ? m_fontAccessor->font() : view->font());
    const QVariant data = index.data(Qt::DisplayRole);
    if (data.canConvert<QString>()) {
        const QString text = data.toString();
        if (metrics.horizontalAdvance(text) > cell.width()) {
            // The div lets long texts wrap; device texts are shown as text, never as markup.
            QToolTip::showText(event->globalPos(),
                               QStringLiteral("<div>%1</div>").arg(text.toHtmlEscaped()), view);
            return true;
        }
    }
    if (!QAbstractItemDelegate::helpEvent(event, view, option, index))
        QToolTip::hideText();
    return true;
}

Property* QVariantDelegate::nodeOf(const QModelIndex& index)
{
    QModelIndex source = index;
    while (auto* proxy = qobject_cast<const QSortFilterProxyModel*>(source.model()))
        source = proxy->mapToSource(source);
    if (!qobject_cast<const QPropertyModel*>(source.model()))
        return nullptr;
    return static_cast<Property*>(source.internalPointer());
}

bool QVariantDelegate::nodeEdits(const QVariant& value)
{
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::Double:
    case QVariant::Color:
    case QVariant::UserType:
        return true;
    default:
        return false;
    }
}
