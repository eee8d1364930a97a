#include "devicemanager/WriteOutcome.h"

#include <QStringList>

QString WriteOutcome::reason() const
{
    QStringList fields;
    for (const ConfigField& f : not_written)
        fields << f.label();
    const QString list = fields.join(QStringLiteral(", "));
    switch (failure) {
    case NONE:
        return QString();
    case NOT_TAKEN:
        if (kind == CLEAR_ERRORS)
            return tr("the box still reports the errors as stored");
        return tr("the box did not take: %1").arg(list);
    case NO_ANSWER:
        if (fields.isEmpty())
            return tr("the box stopped answering");
        return tr("the box stopped answering; not written: %1").arg(list);
    case INVALID_ANSWER:
        return tr("the box sent an answer that cannot be read");
    case NOT_RETURNED:
        return tr("the box stopped answering and did not come back");
    case NO_BACKUP:
        return tr("its settings could not be backed up (%1), so nothing was changed").arg(detail);
    }
    return QString();
}
