#pragma once

#include "app/ActuatorModel.h"

#include <QCoreApplication>
#include <QTranslator>

// Eight actuators as a box reports them after a factory reset, with distinct live values.
struct SampleActuators
{
    QVector<ActuatorData> data;
    QVector<ActuatorSettings> settings;
    QStringList locations;

    SampleActuators()
    {
        for (int i = 0; i < VoroDefinitions::ACTUATOR_COUNT; ++i) {
            ActuatorData d;
            d.temperature = 200 + i;
            d.sensor_resistance = 10000 + i;
            ActuatorSettings s;
            s.setpoint = 210 + i;
            data << d;
            settings << s;
            locations << QStringLiteral("Room %1").arg(i + 1);
        }
    }

    void applyTo(ActuatorModel& model) const { model.updateActuators(data, settings, locations); }
};

// The English catalogue: error flags and enumeration keys read well only through it.
inline void installEnglish()
{
    static QTranslator translator;
    if (translator.isEmpty()) {
        translator.load(QStringLiteral("voro_en"), QStringLiteral(":/"));
        QCoreApplication::installTranslator(&translator);
    }
}
