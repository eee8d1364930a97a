#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Records.h"
#include "records/BoxName.h"

#include <QDateTime>

void WatchCommand::start()
{
    findAndOpen(invocation.all ? BoxSession::ALL_BOXES : BoxSession::NAMED,
                VoroManager::WithoutUpdater, [this] { watch(); });
}

void WatchCommand::watch()
{
    if (readyTargets().isEmpty()) {
        finish();
        return;
    }
    VoroManager* manager = session.manager();
    connect(manager, &VoroManager::deviceDeleted, this, [this](VoroDevice::Id id) {
        if (BoxSession::Target* t = session.target(id))
            console.message(QStringLiteral("%1 stopped answering; waiting for it to come back.")
                                .arg(t->found.name()));
    });
    connect(manager, &VoroManager::deviceReturned, this, [this](VoroDevice::Id, VoroDevice::Id id) {
        if (BoxSession::Target* t = session.target(id))
            console.message(QStringLiteral("%1 is back.").arg(t->found.name()));
    });
    connect(manager, &VoroManager::deviceLost, this, [this](VoroDevice::Id id) {
        if (BoxSession::Target* t = session.target(id)) {
            failed(t->found.name(), t->found.serial_number,
                   QStringLiteral("stopped answering and did not come back."));
            t->problem = QStringLiteral("gone");
        }
    });
    connect(&tick, &QTimer::timeout, this, &WatchCommand::print);
    tick.start(invocation.interval_ms);
    print();
}

void WatchCommand::print()
{
    const QDateTime now = QDateTime::currentDateTime();
    for (const BoxSession::Target& t : session.targets()) {
        if (!t.problem.isEmpty())
            continue;
        const VoroDevice d = session.manager()->device(t.id);
        if (d.state != VoroDefinitions::DS__READY)
            continue; // away, or only watched
        if (console.json) {
            QJsonObject o = Records::identity(d);
            o.insert(QStringLiteral("time"), now.toString(Qt::ISODate));
            QJsonArray actuators;
            for (int i = 0; i < d.actuator_data.size(); ++i) {
                QJsonObject a = Records::actuatorData(d.actuator_data.at(i));
                a.insert(QStringLiteral("actuator"), i + 1);
                actuators << a;
            }
            o.insert(QStringLiteral("actuators"), actuators);
            console.result(o);
            continue;
        }
        QStringList parts;
        for (int i = 0; i < d.actuator_data.size(); ++i)
            parts << Records::actuatorLine(i, d.actuator_data.at(i));
        console.result(QStringLiteral("%1  %2  %3")
                           .arg(now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                                BoxName::qualified(d), parts.join(QStringLiteral(" | "))));
    }
}

void WatchCommand::interrupt()
{
    if (!tick.isActive()) {
        Command::interrupt();
        return;
    }
    // Watching ends only so; the boxes have nothing under way.
    interrupted = true;
    tick.stop();
    finish();
}
