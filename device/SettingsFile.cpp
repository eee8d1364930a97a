#include "device/SettingsFile.h"

#include "records/SettingRules.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <limits>
#include <optional>

namespace SettingsFile {

namespace {
const QString kConfig = QStringLiteral("config");
const QString kLocation = QStringLiteral("location");
const QString kActuatorLocations = QStringLiteral("actuator_locations");
const QString kLogInterval = QStringLiteral("log_interval");
const QString kCommonSettings = QStringLiteral("common_settings");
const QString kControlMode = QStringLiteral("control_mode");
const QString kControlType = QStringLiteral("control_type");
const QString kResponseDelay = QStringLiteral("modbus_response_delay");
const QString kActuatorSettings = QStringLiteral("actuator_settings");
const QString kActive = QStringLiteral("active");
const QString kControlSource = QStringLiteral("control_source");
const QString kSensorType = QStringLiteral("sensor_type");
const QString kSensorOffset = QStringLiteral("sensor_offset");
const QString kPotMin = QStringLiteral("pot_min");
const QString kPotMax = QStringLiteral("pot_max");
const QString kPotShiftMin = QStringLiteral("pot_shift_min");
const QString kPotShiftMax = QStringLiteral("pot_shift_max");
const QString kHysteresisHeating = QStringLiteral("hysteresis_heating");
const QString kHysteresisCooling = QStringLiteral("hysteresis_cooling");
const QString kSetpoint = QStringLiteral("setpoint");
const QString kActuatorType = QStringLiteral("actuator_type");

void writeActuator(QSettings& s, const ActuatorSettings& a)
{
    s.setValue(kActive, a.active ? 1 : 0);
    s.setValue(kControlSource, enumKey("ControlSource", a.control_source));
    s.setValue(kSensorType, enumKey("SensorType", a.sensor_type));
    s.setValue(kSensorOffset, a.sensor_offset);
    s.setValue(kPotMin, a.pot_min);
    s.setValue(kPotMax, a.pot_max);
    s.setValue(kPotShiftMin, a.pot_shift_min);
    s.setValue(kPotShiftMax, a.pot_shift_max);
    s.setValue(kHysteresisHeating, a.hysteresis_heating);
    s.setValue(kHysteresisCooling, a.hysteresis_cooling);
    s.setValue(kSetpoint, a.setpoint);
    s.setValue(kActuatorType, enumKey("ActuatorType", a.actuator_type));
}

// Reads values inside the settings' current group and remembers the first one refused: a value
// that is no value of its field at all (not a number, a name no enumeration has). Each read
// takes the field's current value, kept when the key is missing.
class Reader
{
public:
    explicit Reader(QSettings& settings)
        : s(settings)
    { }

    bool failed() const { return !bad_key.isNull(); }
    QString badKey() const { return bad_key; }

    // Free text; a missing key gives an empty text.
    QString text(const QString& key)
    {
        const QVariant v = s.value(key);
        // An unquoted comma makes QSettings split the value; the writer meant one text.
        return v.type() == QVariant::StringList ? v.toStringList().join(", ") : v.toString();
    }

    template<typename T> T number(const QString& key, T current)
    {
        const std::optional<qint64> n = integer(key);
        if (!n)
            return current;
        if (*n < qint64(std::numeric_limits<T>::min())
            || *n > qint64(std::numeric_limits<T>::max())) {
            refuse(key);
            return current;
        }
        return T(*n);
    }

    // A key name of the enumeration. A value without a name is written as an empty text, which
    // stands for that value when the field or the box holds one.
    int enumeration(const QString& key, const char* enum_name, int current, int held)
    {
        if (!s.contains(key))
            return current;
        const QString name = s.value(key).toString().trimmed();
        bool ok = false;
        const int value = enumValue(enum_name, name, &ok);
        if (ok)
            return value;
        if (name.isEmpty() && enumKey(enum_name, current).isNull())
            return current;
        if (name.isEmpty() && enumKey(enum_name, held).isNull())
            return held;
        refuse(key);
        return current;
    }

    bool flag(const QString& key, bool current)
    {
        const std::optional<qint64> n = integer(key);
        return n ? *n != 0 : current;
    }

private:
    // The key's integer; nothing when the key is missing or refused.
    std::optional<qint64> integer(const QString& key)
    {
        if (!s.contains(key))
            return std::nullopt;
        bool ok = false;
        const qint64 n = s.value(key).toString().trimmed().toLongLong(&ok);
        if (!ok) {
            refuse(key);
            return std::nullopt;
        }
        return n;
    }

    void refuse(const QString& key)
    {
        if (failed())
            return;
        // The path as it stands in the file: the section is "config", the rest joined by '\'.
        QString path = s.group().mid(kConfig.size() + 1);
        path = (path.isEmpty() ? key : path + QLatin1Char('/') + key);
        bad_key = path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    }

    QSettings& s;
    QString bad_key;
};

void readActuator(Reader& r, ActuatorSettings& a, const ActuatorSettings& held)
{
    a.active = r.flag(kActive, a.active);
    a.control_source
        = r.enumeration(kControlSource, "ControlSource", a.control_source, held.control_source);
    a.sensor_type = r.enumeration(kSensorType, "SensorType", a.sensor_type, held.sensor_type);
    a.sensor_offset = r.number(kSensorOffset, a.sensor_offset);
    a.pot_min = r.number(kPotMin, a.pot_min);
    a.pot_max = r.number(kPotMax, a.pot_max);
    a.pot_shift_min = r.number(kPotShiftMin, a.pot_shift_min);
    a.pot_shift_max = r.number(kPotShiftMax, a.pot_shift_max);
    a.hysteresis_heating = r.number(kHysteresisHeating, a.hysteresis_heating);
    a.hysteresis_cooling = r.number(kHysteresisCooling, a.hysteresis_cooling);
    a.setpoint = r.number(kSetpoint, a.setpoint);
    a.actuator_type
        = r.enumeration(kActuatorType, "ActuatorType", a.actuator_type, held.actuator_type);
}

// The number of array entries to read: those the file has and the configuration holds.
int arrayEntries(QSettings& s, const QString& array, int held)
{
    return qMin(s.beginReadArray(array), held);
}

ReadResult refused(ReadResult::Problem problem, const QString& key = QString(),
                   const QString& allowed = QString())
{
    ReadResult result;
    result.problem = problem;
    result.key = key;
    result.allowed = allowed;
    return result;
}
} // namespace

bool write(const QString& file_name, const VoroConfig& config)
{
    QSettings s(file_name, QSettings::IniFormat);
    s.clear(); // the user chose to replace the file: nothing of its old content stays
    s.beginGroup(kConfig);
    s.setValue(kLocation, config.location);
    s.beginWriteArray(kActuatorLocations, config.actuator_locations.size());
    for (int i = 0; i < config.actuator_locations.size(); ++i) {
        s.setArrayIndex(i);
        s.setValue(kLocation, config.actuator_locations.at(i));
    }
    s.endArray();
    s.setValue(kLogInterval, config.log_interval);
    s.beginGroup(kCommonSettings);
    s.setValue(kControlMode, enumKey("ControlMode", config.common.control_mode));
    s.setValue(kControlType, enumKey("ControlType", config.common.control_type));
    s.setValue(kResponseDelay, config.common.modbus_response_delay);
    s.endGroup();
    s.beginWriteArray(kActuatorSettings, config.actuator_settings.size());
    for (int i = 0; i < config.actuator_settings.size(); ++i) {
        s.setArrayIndex(i);
        writeActuator(s, config.actuator_settings.at(i));
    }
    s.endArray();
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

ReadResult read(const QString& file_name, const VoroConfig& current, const VoroConfig& held)
{
    const QFileInfo info(file_name);
    if (!info.isFile())
        return refused(ReadResult::UNREADABLE);
    if (info.size() > MAX_FILE_SIZE)
        return refused(ReadResult::NOT_SETTINGS, kConfig);
    {
        QFile probe(file_name);
        if (!probe.open(QIODevice::ReadOnly))
            return refused(ReadResult::UNREADABLE);
    }
    QSettings s(file_name, QSettings::IniFormat);
    if (s.status() == QSettings::AccessError)
        return refused(ReadResult::UNREADABLE);
    if (s.status() != QSettings::NoError || !s.childGroups().contains(kConfig))
        return refused(ReadResult::NOT_SETTINGS, kConfig);

    VoroConfig config = current;
    Reader r(s);
    s.beginGroup(kConfig);
    config.location = r.text(kLocation);
    const int locations = arrayEntries(s, kActuatorLocations, config.actuator_locations.size());
    for (int i = 0; i < locations; ++i) {
        s.setArrayIndex(i);
        config.actuator_locations[i] = r.text(kLocation);
    }
    s.endArray();
    config.log_interval = r.number(kLogInterval, config.log_interval);
    s.beginGroup(kCommonSettings);
    CommonSettings& common = config.common;
    common.control_mode
        = r.enumeration(kControlMode, "ControlMode", common.control_mode, held.common.control_mode);
    common.control_type
        = r.enumeration(kControlType, "ControlType", common.control_type, held.common.control_type);
    common.modbus_response_delay = r.number(kResponseDelay, common.modbus_response_delay);
    s.endGroup();
    const int actuators = arrayEntries(s, kActuatorSettings, config.actuator_settings.size());
    for (int i = 0; i < actuators && !r.failed(); ++i) {
        s.setArrayIndex(i);
        ActuatorSettings& a = config.actuator_settings[i];
        readActuator(r, a, held.actuator_settings.value(i, a));
    }
    s.endArray();
    s.endGroup();

    if (r.failed()) {
        // The value as the file holds it, so that the user can find it there.
        ReadResult result = refused(ReadResult::INVALID_VALUE, r.badKey());
        QString path = kConfig + QLatin1Char('/') + r.badKey();
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QVariant raw = s.value(path);
        result.value
            = raw.type() == QVariant::StringList ? raw.toStringList().join(", ") : raw.toString();
        return result;
    }
    // Values the box holds already are taken as they are, also beyond the editors' limits.
    if (const std::optional<SettingProblem> problem = SettingRules::check(config, held)) {
        ReadResult result
            = refused(ReadResult::INVALID_VALUE, problem->field.key(), problem->allowed);
        result.value = problem->field.fileText(config);
        return result;
    }
    ReadResult result;
    result.config = config;
    return result;
}

} // namespace SettingsFile
