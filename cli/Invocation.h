#pragma once

#include <QString>
#include <QStringList>

// One call of the command line, as its arguments say: the subcommand, the boxes it is for and
// its options, checked for what the subcommand takes.
struct Invocation
{
    static constexpr int DEFAULT_TIMEOUT_MS = 5000;
    static constexpr int DEFAULT_INTERVAL_MS = 1000;
    static constexpr int MIN_INTERVAL_MS = 200; // a box is read about this often
    static constexpr int MAX_SECONDS = 3600;

    QString command; // "list", "show", ... ; "help" and "version" for those options
    QStringList boxes; // BOX arguments: serial number, location or position in `list`
    bool all = false;
    QString path; // FILE.cfg of the settings commands, DIR of export-logs
    bool json = false;
    bool dry_run = false;
    bool with_location = false;
    bool yes = false;
    QString image; // update --image
    int actuator = -1; // 0 … 7; -1: all
    int seconds = 0; // test
    int interval_ms = DEFAULT_INTERVAL_MS; // watch
    int timeout_ms = DEFAULT_TIMEOUT_MS; // how long to wait for boxes to appear

    // Reads the arguments (without the program's name); false with `error` for the user when
    // they are not a valid call.
    static bool parse(const QStringList& arguments, Invocation& out, QString& error);
    // The synopsis of every subcommand, as `--help` shows it.
    static QString usage();
};
