#include "cli/Console.h"

#include <QJsonDocument>
#include <QTextStream>

Console::Console(QTextStream& out, QTextStream& err, bool err_is_terminal, bool interactive,
                 std::function<QString()> read_line)
    : out(out)
    , err(err)
    , terminal(err_is_terminal)
    , interactive(interactive)
    , read_line(std::move(read_line))
{ }

void Console::setJson(bool on)
{
    json = on;
    if (on)
        out.setCodec("UTF-8");
}

void Console::clearProgress()
{
    if (!progress_shown)
        return;
    err << "\r\x1b[K";
    err.flush();
    progress_shown = false;
}

void Console::result(const QString& line)
{
    clearProgress();
    out << line << '\n';
    out.flush();
}

void Console::result(const QJsonObject& object)
{
    clearProgress();
    out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) << '\n';
    out.flush();
}

void Console::message(const QString& text)
{
    clearProgress();
    err << text << '\n';
    err.flush();
}

void Console::progress(const QString& text)
{
    if (!terminal)
        return;
    // One line, cut to what a terminal shows: a longer one would wrap and not be replaced.
    err << "\r\x1b[K" << text.left(79);
    err.flush();
    progress_shown = true;
}

bool Console::confirm(const QString& question)
{
    if (!canAsk())
        return false;
    clearProgress();
    err << question << " [y/N] ";
    err.flush();
    const QString answer = read_line().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}
