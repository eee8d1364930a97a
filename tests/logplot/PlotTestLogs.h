#pragma once

#include "logdata/LogData.h"
#include "logplot/Plot.h"

#include <qwt_date.h>
#include <qwt_plot_canvas.h>

#include <QApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QTest>

#include <functional>

// A log as the box writes it: `n` samples `interval_ms` apart from `start`, values given per
// series and index.
inline LogData makeLog(const QDateTime& start, int n, double interval_ms,
                       const std::function<double(int series, int i)>& value)
{
    LogData log;
    log.present = { { true, true, true } };
    log.firstTime = QwtDate::toDouble(start);
    log.interval = interval_ms;
    for (int i = 0; i < n; ++i) {
        const double t = log.firstTime + i * interval_ms;
        for (int s = 0; s < LogData::SERIES_COUNT; ++s)
            log.series[size_t(s)].append(QPointF(t, value(s, i)));
        log.lastTime = t;
    }
    return log;
}

// Setpoint 18 … 22 °C, temperature 19 … 23 °C, TRIAC switching every tenth sample.
inline double roomValue(int series, int i)
{
    switch (series) {
    case LogData::SETPOINT:
        return 18 + (i % 5);
    case LogData::TEMPERATURE:
        return 19 + (i % 40) / 10.0;
    default:
        return (i / 10) % 2;
    }
}

// 2021-03-05, a day without a change of UTC offset anywhere.
inline QDateTime morning()
{
    return QDateTime(QDate(2021, 3, 5), QTime(8, 0));
}

// One day of a sample every three minutes.
inline LogData dayLog()
{
    return makeLog(morning(), 200, 180000, roomValue);
}

// A plot shown on the offscreen platform with a fixed size.
struct ShownPlot
{
    Plot plot;

    explicit ShownPlot(const LogData& log = dayLog())
    {
        plot.resize(800, 500);
        plot.show();
        plot.setData(log);
        QApplication::processEvents(); // lays out the canvas and its scales
    }

    QWidget* canvas() { return plot.canvas(); }
    const QWidget* canvas() const { return plot.canvas(); }
    // Canvas x of a time on the bottom axis.
    int xOf(double time) const { return int(plot.canvasMap(QwtPlot::xBottom).transform(time)); }
    void send(QEvent::Type type, const QPoint& pos, Qt::MouseButton button = Qt::NoButton,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        // a move carries the buttons held, a release no longer holds its own
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
        const Qt::MouseButtons held
            = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, pos, canvas()->mapToGlobal(pos), changed, held, modifiers);
        QApplication::sendEvent(const_cast<QWidget*>(canvas()), &event);
    }
    void hover(const QPoint& pos) const
    {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(const_cast<QWidget*>(canvas()), &enter);
        send(QEvent::MouseMove, pos);
    }
    void drag(const QPoint& from, const QPoint& to) const
    {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton);
    }
    void rightClick(const QPoint& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        send(QEvent::MouseButtonPress, at, Qt::RightButton, modifiers);
        send(QEvent::MouseButtonRelease, at, Qt::RightButton, modifiers);
    }
};
