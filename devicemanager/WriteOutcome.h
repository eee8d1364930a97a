#pragma once

#include "records/ConfigField.h"
#include "records/VoroDevice.h"

#include <QCoreApplication>
#include <QMetaType>
#include <QString>
#include <QVector>

// How one write the manager was asked for ended, known only once a read of the box after it
// showed what the box holds (or once the box was gone for good).
struct WriteOutcome
{
    Q_DECLARE_TR_FUNCTIONS(WriteOutcome)

public:
    enum Kind {
        SAVE, // the configuration (Save, Paste and Save, Import Settings)
        CLEAR_ERRORS,
        FACTORY_RESET,
        TEST_OFF,
    };
    enum Failure {
        NONE,
        NOT_TAKEN, // the box answered, yet does not hold what was written
        NO_ANSWER, // the box stopped answering during the write and came back without it
        INVALID_ANSWER, // the box answered with something that cannot be read
        NOT_RETURNED, // the box stopped answering and did not come back
        NO_BACKUP, // the box's settings could not be backed up first: nothing was sent
    };

    Kind kind = SAVE;
    // The box: its id when the outcome was known (after it came back, its new id; the old
    // one when it is gone), its serial number, and its name when the write was asked for.
    VoroDevice::Id id = -1;
    QString serial_number;
    QString box;
    int actuator_index = -1; // CLEAR_ERRORS, TEST_OFF
    bool success = false;
    Failure failure = NONE;
    QVector<ConfigField> not_written; // SAVE: the fields the box does not hold as written
    QString detail; // NO_BACKUP: why not

    // Why it failed, as the user reads it: "the box stopped answering".
    QString reason() const;
};

Q_DECLARE_METATYPE(WriteOutcome)
