#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

// What the program knows of one box's firmware update, from the moment it is sent into its
// bootloader (or its bootloader is found) to the result: the box's name and versions, where the
// update stands and, at the end, how it ended. A value that views and the history copy freely.
struct BoxUpdate
{
    Q_DECLARE_TR_FUNCTIONS(BoxUpdate)

public:
    enum Phase {
        Waiting, // for the box to show up in its bootloader
        Running, // an attempt is under way
        Retrying, // the bootloader could not be opened or did not answer; tried again soon
        Updated, // the new firmware is written and the box restarted into it
        Kept, // nothing was erased; the box restarted on its old firmware
        Failed, // the box stays in its bootloader, or never reached it
        Disconnected, // gone in the middle; finishes when it comes back
    };

    static constexpr int ATTEMPTS = 3; // attempts that reached erasing, per plug-in

    QString key; // the serial number, or the USB path of a bootloader without one
    QString serial;
    QString location; // empty for a box nobody announced
    QString from_version; // empty when unknown
    QString to_version;
    QString path; // the bootloader's USB path, once seen
    bool announced = false;
    Phase phase = Waiting;
    int progress = 0;
    QString status; // the last step, as the programmer reports it
    QString reason; // why the last attempt did not succeed
    int attempts = 0; // attempts that reached erasing
    bool open_failed = false; // the node could not be opened (most likely permissions)

    // "Lab 2 (3A0F21)"; a box nobody announced by its serial, or by its path's hash.
    QString name() const;
    // "Lab 2 (3A0F21): 1.1.1.5 → 1.1.2.17".
    QString title() const;
    // The final line: "Updated to 1.1.2.17", "Failed: <reason> — <what to do>"; empty while
    // the update runs.
    QString result() const;
    bool hasResult() const { return phase >= Updated; }
    bool succeeded() const { return phase == Updated; }
};

Q_DECLARE_METATYPE(BoxUpdate)
