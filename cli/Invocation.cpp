#include "cli/Invocation.h"

#include "records/VoroDefinitions.h"

#include <QCommandLineParser>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {
const QString kAll = QStringLiteral("all");
const QString kJson = QStringLiteral("json");
const QString kDryRun = QStringLiteral("dry-run");
const QString kWithLocation = QStringLiteral("with-location");
const QString kYes = QStringLiteral("yes");
const QString kImage = QStringLiteral("image");
const QString kInterval = QStringLiteral("interval");
const QString kTimeout = QStringLiteral("timeout");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

// What each subcommand takes besides --json and --timeout, which all take.
struct Grammar
{
    const char* command;
    QSet<QString> options;
};

const QList<Grammar>& grammar()
{
    static const QList<Grammar> all {
        { "list", {} },
        { "show", {} },
        { "get-settings", {} },
        { "backup", { kAll } },
        { "backups", {} },
        { "set-settings", { kAll, kDryRun, kWithLocation } },
        { "export-logs", { kAll } },
        { "update", { kAll, kImage, kYes } },
        { "factory-reset", { kYes } },
        { "clear-errors", {} },
        { "test", {} },
        { "watch", { kAll, kInterval } },
    };
    return all;
}

// Seconds as milliseconds, from `min_ms` to an hour; false for anything else.
bool toMilliseconds(const QString& text, int min_ms, int& ms)
{
    bool ok = false;
    const double s = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(s) || s * 1000 < min_ms || s > Invocation::MAX_SECONDS)
        return false;
    ms = int(std::lround(s * 1000));
    return true;
}

// A whole number from `low` to `high`.
bool whole(const QString& text, int low, int high, int& value)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < low || n > high)
        return false;
    value = n;
    return true;
}
} // namespace

bool Invocation::parse(const QStringList& arguments, Invocation& out, QString& error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        { kAll, QString() },
        { kJson, QString() },
        { kDryRun, QString() },
        { kWithLocation, QString() },
        { kYes, QString() },
        { kImage, QString(), QStringLiteral("FILE") },
        { kInterval, QString(), QStringLiteral("S") },
        { kTimeout, QString(), QStringLiteral("S") },
        { { QStringLiteral("h"), kHelp }, QString() },
        { kVersion, QString() },
    });
    if (!parser.parse(QStringList { QStringLiteral("voro-box") } + arguments)) {
        error = parser.errorText();
        return false;
    }
    out = Invocation();
    if (parser.isSet(kHelp) || parser.isSet(kVersion)) {
        out.command = parser.isSet(kHelp) ? kHelp : kVersion;
        return true;
    }
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        error = QStringLiteral("no command given");
        return false;
    }
    out.command = positional.takeFirst();
    const auto known = std::find_if(grammar().begin(), grammar().end(), [&](const Grammar& g) {
        return out.command == QLatin1String(g.command);
    });
    if (known == grammar().end()) {
        error = QStringLiteral("unknown command '%1'").arg(out.command);
        return false;
    }
    for (const QString& name : parser.optionNames()) {
        const QString option = name == QLatin1String("h") ? kHelp : name;
        if (option != kJson && option != kTimeout && !known->options.contains(option)) {
            error = QStringLiteral("%1 does not take --%2").arg(out.command, option);
            return false;
        }
    }
    out.all = parser.isSet(kAll);
    out.json = parser.isSet(kJson);
    out.dry_run = parser.isSet(kDryRun);
    out.with_location = parser.isSet(kWithLocation);
    out.yes = parser.isSet(kYes);
    out.image = parser.value(kImage);
    if (parser.isSet(kTimeout) && !toMilliseconds(parser.value(kTimeout), 0, out.timeout_ms)) {
        error = QStringLiteral("--timeout takes seconds from 0 to %1").arg(MAX_SECONDS);
        return false;
    }
    if (parser.isSet(kInterval)
        && !toMilliseconds(parser.value(kInterval), MIN_INTERVAL_MS, out.interval_ms)) {
        error = QStringLiteral("--interval takes seconds from %1 to %2")
                    .arg(MIN_INTERVAL_MS / 1000.0)
                    .arg(MAX_SECONDS);
        return false;
    }
    if (parser.isSet(kImage) && out.image.isEmpty()) {
        error = QStringLiteral("--image needs a file");
        return false;
    }

    const QString& c = out.command;
    const auto needs = [&](int count, const char* what) {
        if (positional.size() == count)
            return true;
        error = QStringLiteral("%1 takes %2").arg(c, QLatin1String(what));
        return false;
    };
    // The subcommands for many boxes take BOX... or --all, never both.
    const auto boxes = [&](int trailing, const char* what) {
        if (positional.size() < trailing || (out.all == (positional.size() > trailing))) {
            error = QStringLiteral("%1 takes %2").arg(c, QLatin1String(what));
            return false;
        }
        out.boxes = positional.mid(0, positional.size() - trailing);
        if (trailing)
            out.path = positional.last();
        return true;
    };
    const int actuators = VoroDefinitions::ACTUATOR_COUNT;
    const QString actuator_range
        = QStringLiteral("ACTUATOR is a number from 1 to %1").arg(actuators);
    if (c == QLatin1String("list"))
        return needs(0, "no arguments");
    if (c == QLatin1String("show"))
        return needs(1, "one BOX") && (out.boxes = positional, true);
    if (c == QLatin1String("get-settings")) {
        if (!needs(2, "BOX FILE.cfg"))
            return false;
        out.boxes = positional.mid(0, 1);
        out.path = positional.at(1);
        return true;
    }
    if (c == QLatin1String("backups"))
        return needs(1, "one BOX") && (out.boxes = positional, true);
    if (c == QLatin1String("backup"))
        return boxes(0, "BOX... or --all");
    if (c == QLatin1String("set-settings"))
        return boxes(1, "BOX... or --all, then FILE.cfg");
    if (c == QLatin1String("export-logs"))
        return boxes(1, "BOX... or --all, then DIR");
    if (c == QLatin1String("update") || c == QLatin1String("watch"))
        return boxes(0, "BOX... or --all");
    if (c == QLatin1String("factory-reset")) {
        if (!needs(1, "one BOX"))
            return false;
        out.boxes = positional;
        return true;
    }
    if (c == QLatin1String("clear-errors")) {
        if (positional.size() != 1 && !needs(2, "BOX and optionally ACTUATOR"))
            return false;
        out.boxes = positional.mid(0, 1);
        if (positional.size() == 2) {
            if (!whole(positional.at(1), 1, actuators, out.actuator)) {
                error = actuator_range;
                return false;
            }
            --out.actuator;
        }
        return true;
    }
    // test
    if (!needs(3, "BOX ACTUATOR SECONDS"))
        return false;
    out.boxes = positional.mid(0, 1);
    if (!whole(positional.at(1), 1, actuators, out.actuator)) {
        error = actuator_range;
        return false;
    }
    --out.actuator;
    if (!whole(positional.at(2), 1, MAX_SECONDS, out.seconds)) {
        error = QStringLiteral("SECONDS is a whole number from 1 to %1").arg(MAX_SECONDS);
        return false;
    }
    return true;
}

QString Invocation::usage()
{
    return QStringLiteral(
        "usage: voro-box COMMAND [ARGUMENTS] [--json] [--timeout S]\n"
        "\n"
        "  list                                      attached boxes and bootloaders\n"
        "  show BOX                                  identity, settings and live values\n"
        "  get-settings BOX FILE.cfg                 save the box's settings to a file\n"
        "  backup (BOX...|--all)                     back the boxes' settings up\n"
        "  backups BOX                               the box's backups, newest first\n"
        "  set-settings (BOX...|--all) FILE.cfg [--dry-run] [--with-location]\n"
        "                                            write a settings file to boxes\n"
        "  export-logs (BOX...|--all) DIR            write every actuator log as CSV\n"
        "  update (BOX...|--all) [--image FILE] [--yes]\n"
        "                                            update the firmware\n"
        "  factory-reset BOX --yes                   reset the box to factory settings\n"
        "  clear-errors BOX [ACTUATOR]               clear stored actuator errors\n"
        "  test BOX ACTUATOR SECONDS                 switch an actuator on for a while\n"
        "  watch (BOX...|--all) [--interval S]       live values until interrupted\n"
        "\n"
        "BOX is a serial number (or its last six characters), a location, a name as\n"
        "listed, or a position in `voro-box list`. ACTUATOR counts from 1.\n"
        "--json prints JSON lines; --timeout S waits that long for boxes to appear\n"
        "(default 5). Exit status: 0 done, 1 a box failed, 2 bad usage or input,\n"
        "3 no matching box, 130 interrupted. See voro-box(1).\n");
}
