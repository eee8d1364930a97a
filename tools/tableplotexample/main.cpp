// The actuator table over a sample box, with its delegates installed as the main window
// installs them, and the plot dialog over a generated two-day log.
//
//   tableplotexample [--screenshots DIR]
//
// With --screenshots the windows are saved as PNG files into DIR (also on the offscreen
// platform) and the program ends.
#include "app/ActuatorModel.h"
#include "app/ActuatorTableEditors.h"
#include "app/ButtonDelegate.h"
#include "app/CenteredBoxProxy.h"
#include "app/ComboBoxDelegate.h"
#include "logplot/Plot.h"
#include "logplot/PlotDlg.h"
#include "logplot/PlotLabelManager.h"

#include <qwt_date.h>
#include <qwt_scale_map.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>

namespace {

struct SampleBox
{
    QVector<ActuatorData> data;
    QVector<ActuatorSettings> settings;
    QStringList locations;
};

// Eight actuators showing the table's cases: errors on a sensor actuator, latched errors,
// one inactive, one following another, a broken sensor reading.
SampleBox sampleBox()
{
    SampleBox box;
    const QStringList places = { "Living room", "Kitchen", "Bath; upstairs", "Bedroom",
                                 "Office",      "Hall",    "Guest room",     "" };
    for (int i = 0; i < 8; ++i) {
        ActuatorData d;
        d.temperature = 205 + 7 * i;
        d.sensor_resistance = 10800 + 45 * i;
        d.pot_shift = -10 + 5 * i;
        d.pot_resistance = 4500 + 300 * i;
        d.pot_setpoint = 210 + d.pot_shift;
        d.triac = i % 3 == 0;
        ActuatorSettings s;
        s.setpoint = 200 + 5 * i;
        s.sensor_type = i % 2 ? VoroDefinitions::ST__NI1000 : VoroDefinitions::ST__PT1000;
        s.sensor_offset = -3 + i;
        s.hysteresis_heating = 5;
        s.hysteresis_cooling = 8;
        s.actuator_type = i % 2;
        box.data << d;
        box.settings << s;
        box.locations << places.at(i);
    }
    box.data[1].errors = VoroDefinitions::E__SENSOR_NC | VoroDefinitions::E__POT_NC;
    box.data[1].mem_errors = box.data[1].errors;
    box.data[1].sensor_resistance = 1700000; // no valid reading
    box.data[2].mem_errors = VoroDefinitions::E__SENSOR_OUT_OF_RANGE;
    box.settings[4].active = false;
    box.data[4].errors = VoroDefinitions::E__POT_OUT_OF_RANGE;
    box.settings[5].control_source = VoroDefinitions::CS__ACTUATOR_1;
    return box;
}

// Two days every three minutes: a setpoint with a night set-back, a room that follows it with
// some lag and a TRIAC that switches with a hysteresis.
LogData sampleLog()
{
    LogData log;
    log.present = { { true, true, true } };
    log.interval = 180000;
    const QDateTime start(QDate::currentDate().addDays(-1), QTime(0, 0));
    log.firstTime = QwtDate::toDouble(start);
    double temperature = 18.0;
    bool on = false;
    for (int i = 0; i < 960; ++i) {
        const double t = log.firstTime + i * log.interval;
        const int hour = QwtDate::toDateTime(t, Qt::LocalTime).time().hour();
        const double setpoint = hour >= 6 && hour < 22 ? 21.5 : 18.0;
        if (temperature < setpoint - 0.3)
            on = true;
        else if (temperature > setpoint + 0.3)
            on = false;
        temperature += (on ? 0.12 : -0.05) + 0.02 * std::sin(i / 7.0);
        log.series[LogData::SETPOINT].append(QPointF(t, setpoint));
        log.series[LogData::TEMPERATURE].append(QPointF(t, temperature));
        log.series[LogData::TRIAC].append(QPointF(t, on ? 1 : 0));
        log.lastTime = t;
    }
    return log;
}

QTableView* actuatorTable(QWidget* parent, ActuatorModel* model)
{
    auto* table = new QTableView(parent);
    const auto button = [&](const char* label, bool checkable, int row) {
        auto* delegate = new ButtonDelegate(QCoreApplication::translate("MainWindow", label),
                                            checkable, 30, table);
        table->setItemDelegateForRow(row, delegate);
        QObject::connect(delegate, &ButtonDelegate::clicked, [label](int r, int c) {
            std::printf("%s clicked in row %d, column %d\n", label, r, c);
        });
    };
    button("Copy Settings", false, ActuatorModel::ROW_COPY_SETTINGS);
    button("Paste Settings", false, ActuatorModel::ROW_PASTE_SETTINGS);
    button("Clear Errors", false, ActuatorModel::ROW_CLEAR_ERRORS);
    button("Test", true, ActuatorModel::ROW_TEST);
    button("Log", false, ActuatorModel::ROW_LOG);
    table->setItemDelegateForRow(ActuatorModel::ROW_CONTROL_SOURCE,
                                 new ComboBoxDelegate("ControlSource", table));
    table->setItemDelegateForRow(ActuatorModel::ROW_SENSOR_TYPE,
                                 new ComboBoxDelegate("SensorType", table));
    table->setItemDelegateForRow(ActuatorModel::ROW_ACTUATOR_TYPE,
                                 new ComboBoxDelegate("ActuatorType", table));
    table->setModel(model);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setTextElideMode(Qt::ElideRight);
    table->setWordWrap(false);
    table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    return table;
}

// Puts the hover read-out where a user would point: at noon of the second day.
void hoverAtNoon(Plot* plot)
{
    const QDateTime noon(QDate::currentDate(), QTime(12, 0));
    const QwtScaleMap map = plot->canvasMap(QwtPlot::xBottom);
    const QPoint pos(int(map.transform(QwtDate::toDouble(noon))), plot->canvas()->height() / 2);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(plot->canvas(), &enter);
    QMouseEvent move(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plot->canvas(), &move);
}

bool save(QWidget* widget, const QString& path)
{
    const bool saved = widget->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTranslator translator;
    translator.load(QStringLiteral("voro_en"), QStringLiteral(":/"));
    QCoreApplication::installTranslator(&translator);
    QApplication::setStyle(new CenteredBoxProxy);

    QString screenshots;
    const QStringList args = QCoreApplication::arguments();
    const int option = args.indexOf(QStringLiteral("--screenshots"));
    if (option > 0 && option + 1 < args.size())
        screenshots = args.at(option + 1);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Actuator table"));
    auto* model = new ActuatorModel(&window);
    model->setCapabilities(ActuatorModel::CAN_CLEAR_ERRORS | ActuatorModel::CAN_TEST
                           | ActuatorModel::CAN_EDIT);
    QObject::connect(model, &ActuatorModel::configChanged,
                     [](int index, const ActuatorSettings& s, const QString& location) {
                         std::printf("actuator %d: %s, location \"%s\"\n", index + 1,
                                     qPrintable(s.toText()), qPrintable(location));
                     });
    auto* table = actuatorTable(&window, model);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(table);
    const SampleBox box = sampleBox();
    model->updateActuators(box.data, box.settings, box.locations);
    model->setSettingsCopied();
    updatePersistentEditors(table);
    window.resize(table->verticalHeader()->width() + 8 * 120 + 40, 980);
    window.show();

    PlotDlg dialog;
    dialog.showLog(1, box.locations.at(1), sampleLog());

    if (screenshots.isEmpty())
        return app.exec();

    QTimer::singleShot(300, [&] {
        QDir().mkpath(screenshots);
        bool ok = save(&window, screenshots + QStringLiteral("/actuator-table.png"));
        ok &= save(&dialog, screenshots + QStringLiteral("/plot-dialog.png"));
        hoverAtNoon(dialog.plot());
        QTimer::singleShot(100, [&, ok] {
            const bool hovered = save(&dialog, screenshots + QStringLiteral("/plot-hover.png"));
            QCoreApplication::exit(ok && hovered ? 0 : 1);
        });
    });
    return app.exec();
}
