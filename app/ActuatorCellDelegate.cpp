#include "app/ActuatorCellDelegate.h"

#include "app/ActuatorModel.h"
#include "app/NumberValidator.h"
#include "propertyeditor/EditorValue.h"
#include "records/SettingLimits.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
// What the editor's field may hold, kept on the editor for the refusals.
constexpr char RULE[] = "_editor#rule";
// Longer than any number a field can take, short enough to stay readable.
constexpr int NUMBER_LENGTH = 16;
} // namespace

QWidget* ActuatorCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto* line = qobject_cast<QLineEdit*>(editor);
    const auto* model = qobject_cast<const ActuatorModel*>(index.model());
    const std::optional<SettingProblem> rule = model ? model->typedRule(index) : std::nullopt;
    if (!line || !rule)
        return editor;
    if (rule->field.name == ConfigField::ACTUATOR_LOCATION) {
        line->setMaxLength(SettingLimits::LOCATION_LENGTH);
    } else {
        line->setMaxLength(NUMBER_LENGTH);
        line->setValidator(new NumberValidator(line));
    }
    line->setToolTip(rule->toolTip());
    const QString problem = rule->text();
    line->setProperty(RULE, problem);
    // createEditor is const by Qt's contract; saying so is no change of the delegate
    auto* self = const_cast<ActuatorCellDelegate*>(this);
    connect(line, &QLineEdit::inputRejected, self,
            [self, problem] { emit self->inputRefused(problem); });
    return editor;
}

void ActuatorCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    QStyledItemDelegate::setEditorData(editor, index);
    EditorValue::remember(editor, EditorValue::userValue(editor));
}

void ActuatorCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const
{
    if (!EditorValue::unchanged(editor, EditorValue::userValue(editor)))
        QStyledItemDelegate::setModelData(editor, model, index);
}

bool ActuatorCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    // Not yet a number (a sign alone, nothing): Enter and Tab leave the editor open to finish
    // it, leaving it otherwise drops it. Either way the user is told what the field takes.
    auto* line = qobject_cast<QLineEdit*>(object);
    // The double-click that opens the editor reaches it too and would select only the word
    // under the pointer ("0" of "21.0"): what is typed next would be spliced into the old value.
    if (line && event->type() == QEvent::MouseButtonDblClick) {
        line->selectAll();
        return true;
    }
    if (line && !line->hasAcceptableInput() && line->property(RULE).isValid()) {
        const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key()
                                                          : Qt::Key_unknown;
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab
            || key == Qt::Key_Backtab || event->type() == QEvent::FocusOut)
            emit inputRefused(line->property(RULE).toString());
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
