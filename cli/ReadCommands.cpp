// The commands that only read: list, show and get-settings.
#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Records.h"
#include "device/SettingsFile.h"
#include "records/BoxName.h"

#include <QDir>
#include <QFileInfo>

void ListCommand::start()
{
    connect(&session, &BoxSession::found, this, [this](int code) {
        if (code != DONE) {
            finish(code);
            return;
        }
        const QList<SurveyedBox>& boxes = session.picked();
        if (console.json) {
            for (int i = 0; i < boxes.size(); ++i)
                console.result(Records::surveyed(boxes.at(i), i + 1));
            finish(DONE);
            return;
        }
        QList<QStringList> rows { { "#", "SERIAL", "LOCATION", "FIRMWARE", "PROTOCOL", "STATE" } };
        for (int i = 0; i < boxes.size(); ++i) {
            const SurveyedBox& b = boxes.at(i);
            const auto shown
                = [](const QString& text) { return text.isEmpty() ? QStringLiteral("-") : text; };
            rows << QStringList { QString::number(i + 1),
                                  shown(b.serial_number),
                                  shown(b.location),
                                  shown(b.firmware_version),
                                  b.protocol_version ? QString::number(b.protocol_version)
                                                     : QStringLiteral("-"),
                                  SurveyedBox::stateKey(b.state) };
        }
        QVector<int> widths(rows.first().size(), 0);
        for (const QStringList& row : qAsConst(rows)) {
            for (int c = 0; c < row.size(); ++c)
                widths[c] = qMax(widths[c], row.at(c).size());
        }
        for (const QStringList& row : qAsConst(rows)) {
            QStringList cells;
            for (int c = 0; c < row.size(); ++c)
                cells << (c + 1 < row.size() ? row.at(c).leftJustified(widths[c]) : row.at(c));
            console.result(cells.join(QStringLiteral("  ")));
        }
        finish(DONE);
    });
    session.find(BoxSession::ANYTHING);
}

void ShowCommand::start()
{
    findAndOpen(BoxSession::NAMED, VoroManager::WithoutUpdater, [this] {
        for (BoxSession::Target* t : readyTargets(true)) {
            const VoroDevice d = session.manager()->device(t->id);
            if (console.json)
                console.result(Records::device(d));
            else
                console.result(Records::deviceText(d).join(QLatin1Char('\n')));
        }
        finish();
    });
}

void GetSettingsCommand::start()
{
    // The file is the user's to name: a folder that does not exist is said before any box is
    // touched.
    const QFileInfo file(invocation.path);
    if (!file.absoluteDir().exists() || file.isDir()) {
        console.message(QStringLiteral("Unable to write the settings file '%1'.")
                            .arg(QDir::toNativeSeparators(invocation.path)));
        finish(BAD_INPUT);
        return;
    }
    findAndOpen(BoxSession::NAMED, VoroManager::WithoutUpdater, [this] {
        for (BoxSession::Target* t : readyTargets()) {
            const VoroDevice d = session.manager()->device(t->id);
            if (!SettingsFile::write(invocation.path, d.config)) {
                console.message(QStringLiteral("Unable to write the settings file '%1'.")
                                    .arg(QDir::toNativeSeparators(invocation.path)));
                finish(BAD_INPUT);
                return;
            }
            const QString shown = QDir::toNativeSeparators(invocation.path);
            if (console.json) {
                QJsonObject o = Records::identity(d);
                o.insert(QStringLiteral("result"), QStringLiteral("written"));
                o.insert(QStringLiteral("file"), shown);
                console.result(o);
            } else {
                console.result(
                    QStringLiteral("%1: settings written to %2").arg(BoxName::qualified(d), shown));
            }
        }
        finish();
    });
}
