#include "propertyeditor/EditorHints.h"

#include <QRegExp>
#include <QSignalBlocker>
#include <QVariant>
#include <QWidget>

namespace EditorHints {

QString disabledHint(int value)
{
    return QStringLiteral("disabled_%1").arg(value);
}

QString textHint(int value)
{
    return QStringLiteral("text_%1").arg(value);
}

QByteArray key(const QString& property, const QString& hint)
{
    return QStringLiteral("_%1#%2").arg(property, hint).toLocal8Bit();
}

void applyClassInfoHints(QWidget* editor, const QString& hints)
{
    if (!editor || hints.isEmpty())
        return;
    // Setting limits must not write a clamped value back to the object through live updates.
    const QSignalBlocker blocker(editor);
    QRegExp entry(QStringLiteral("(.*)(=\\s*)(.*)(;{1})"), Qt::CaseSensitive);
    entry.setMinimal(true);
    int pos = 0;
    while ((pos = entry.indexIn(hints, pos)) != -1) {
        const QString name = entry.cap(1).trimmed();
        const QString value = entry.cap(3).trimmed();
        editor->setProperty(name.toLocal8Bit().constData(), QVariant(value));
        pos += entry.matchedLength();
    }
}

} // namespace EditorHints
