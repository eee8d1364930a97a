#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>

class QTextStream;

// Where a command speaks: results to `out` (standard output), as text a person reads or as
// JSON lines; messages to `err` (standard error); progress only when `err` is a terminal,
// on one line that the next output replaces; questions only when there is a terminal to
// answer them.
class Console
{
public:
    Console(QTextStream& out, QTextStream& err, bool err_is_terminal, bool interactive,
            std::function<QString()> read_line = {});

    // Results as JSON lines, which are UTF-8 whatever the locale.
    void setJson(bool on);
    bool json = false;

    // A result line (text mode).
    void result(const QString& line);
    // A result object (JSON mode): one line.
    void result(const QJsonObject& object);
    // A message for the user: errors, warnings, what happens.
    void message(const QString& text);
    // How far something is; shown only on a terminal, replaced by the next output.
    void progress(const QString& text);
    bool showsProgress() const { return terminal; }
    // Asks a yes/no question on the terminal; false without one, or for anything but yes.
    bool confirm(const QString& question);
    bool canAsk() const { return interactive && bool(read_line); }

private:
    void clearProgress();

    QTextStream& out;
    QTextStream& err;
    bool terminal;
    bool interactive;
    std::function<QString()> read_line;
    bool progress_shown = false;
};
