// factory-reset, clear-errors and test: writes to one box, each known from the box's answer.
#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Records.h"
#include "records/BoxName.h"

namespace {
// How often a running test is confirmed: the box ends it three seconds after the last one.
constexpr int kTestRepeatMs = 1000;
} // namespace

void WriteCommand::start()
{
    if (invocation.command == QLatin1String("factory-reset") && !invocation.yes) {
        console.message(QStringLiteral("Refusing to reset the box to factory settings without "
                                       "--yes: every setting is lost."));
        finish(BAD_INPUT);
        return;
    }
    findAndOpen(BoxSession::NAMED, VoroManager::WithoutUpdater, [this] { write(); });
}

void WriteCommand::write()
{
    const QList<BoxSession::Target*> ready = readyTargets();
    if (ready.isEmpty()) {
        finish();
        return;
    }
    target = ready.first();
    VoroManager* manager = session.manager();
    connect(manager, &VoroManager::writeFinished, this, &WriteCommand::onWriteFinished);
    const QString& c = invocation.command;
    if (c == QLatin1String("factory-reset")) {
        expected = 1;
        console.progress(QStringLiteral("Resetting %1...").arg(target->found.name()));
        manager->factoryReset(target->id);
    } else if (c == QLatin1String("clear-errors")) {
        const int first = invocation.actuator < 0 ? 0 : invocation.actuator;
        const int last
            = invocation.actuator < 0 ? VoroDefinitions::ACTUATOR_COUNT - 1 : invocation.actuator;
        for (int i = first; i <= last; ++i)
            manager->clearErrors(target->id, i);
        expected = last - first + 1;
    } else {
        seconds_left = invocation.seconds;
        connect(&repeat, &QTimer::timeout, this, &WriteCommand::repeatTest);
        repeat.start(kTestRepeatMs);
        manager->testActuator(target->id, invocation.actuator, 1);
        console.progress(QStringLiteral("Testing actuator %1 of %2: %3 s")
                             .arg(invocation.actuator + 1)
                             .arg(target->found.name())
                             .arg(seconds_left));
    }
}

void WriteCommand::repeatTest()
{
    if (--seconds_left <= 0) {
        endTest();
        return;
    }
    // A box that dropped is back under another id; the session follows it.
    session.manager()->testActuator(target->id, invocation.actuator, 1);
    console.progress(QStringLiteral("Testing actuator %1 of %2: %3 s")
                         .arg(invocation.actuator + 1)
                         .arg(target->found.name())
                         .arg(seconds_left));
}

void WriteCommand::endTest()
{
    if (test_ended)
        return;
    test_ended = true;
    repeat.stop();
    expected = 1;
    session.manager()->testActuator(target->id, invocation.actuator, 0);
}

void WriteCommand::onWriteFinished(const WriteOutcome& w)
{
    const bool ours = w.serial_number.isEmpty() ? w.id == target->id
                                                : w.serial_number == target->found.serial_number;
    if (!ours || expected == 0)
        return;
    QString what, not_done;
    switch (w.kind) {
    case WriteOutcome::FACTORY_RESET:
        what = QStringLiteral("reset to factory settings");
        not_done = QStringLiteral("not reset");
        break;
    case WriteOutcome::CLEAR_ERRORS:
        what = QStringLiteral("stored errors of actuator %1 cleared").arg(w.actuator_index + 1);
        not_done
            = QStringLiteral("stored errors of actuator %1 not cleared").arg(w.actuator_index + 1);
        break;
    case WriteOutcome::TEST_OFF:
        what = interrupted ? QStringLiteral("test of actuator %1 stopped after %2 of %3 s")
                                 .arg(w.actuator_index + 1)
                                 .arg(invocation.seconds - seconds_left)
                                 .arg(invocation.seconds)
                           : QStringLiteral("actuator %1 tested for %2 s")
                                 .arg(w.actuator_index + 1)
                                 .arg(invocation.seconds);
        not_done = QStringLiteral("the end of the test of actuator %1 is not confirmed")
                       .arg(w.actuator_index + 1);
        break;
    case WriteOutcome::SAVE:
        return;
    }
    QJsonObject extra;
    if (w.actuator_index >= 0)
        extra.insert(QStringLiteral("actuator"), w.actuator_index + 1);
    if (!w.success) {
        failed(w.box, w.serial_number, QStringLiteral("%1: %2").arg(not_done, w.reason()), extra);
    } else if (console.json) {
        QJsonObject o = Records::identity(w.box, w.serial_number);
        o.insert(QStringLiteral("result"), QStringLiteral("done"));
        o.insert(QStringLiteral("what"), what);
        for (auto it = extra.begin(); it != extra.end(); ++it)
            o.insert(it.key(), it.value());
        console.result(o);
    } else {
        console.result(QStringLiteral("%1: %2").arg(w.box, what));
    }
    if (--expected == 0)
        finish();
}

void WriteCommand::interrupt()
{
    if (!target) {
        Command::interrupt();
        return;
    }
    interrupted = true;
    if (invocation.command == QLatin1String("test") && !test_ended) {
        // A test cut short is work left undone; the actuator is switched off first.
        undone = true;
        console.message(QStringLiteral("Interrupted: switching the actuator off."));
        endTest();
        return;
    }
    console.message(QStringLiteral("Interrupted: waiting for the box to confirm what it was "
                                   "sent."));
}
