#include "SampleActuators.h"

#include "app/ActuatorModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

using M = ActuatorModel;
using Announcement = QPair<int, int>; // first and last row of one dataChanged
using Change = std::function<void(ActuatorData&, ActuatorSettings&)>;

// One configChanged, as the main window receives it.
struct Edit
{
    int index;
    ActuatorSettings settings;
    QString location;
};

// A filled model under the item model tester, with spies on what it announces.
struct Fixture
{
    ActuatorModel model;
    QAbstractItemModelTester tester { &model,
                                      QAbstractItemModelTester::FailureReportingMode::QtTest };
    SampleActuators box;
    std::unique_ptr<QSignalSpy> changed;
    QVector<Edit> edited;

    explicit Fixture(int capabilities = M::CAN_CLEAR_ERRORS | M::CAN_TEST | M::CAN_EDIT)
    {
        model.setCapabilities(capabilities);
        box.applyTo(model);
        changed = std::make_unique<QSignalSpy>(&model, &QAbstractItemModel::dataChanged);
        QObject::connect(&model, &ActuatorModel::configChanged,
                         [this](int index, const ActuatorSettings& s, const QString& location) {
                             edited.append({ index, s, location });
                         });
    }

    QVariant cell(int row, int col, int role = Qt::DisplayRole) const
    {
        return model.data(model.index(row, col), role);
    }
    bool edit(int row, int col, const QVariant& value, int role = Qt::EditRole)
    {
        return model.setData(model.index(row, col), value, role);
    }
    void update() { box.applyTo(model); }

    QList<Announcement> announcements() const
    {
        QList<Announcement> result;
        for (const QList<QVariant>& args : *changed) {
            const auto from = args.at(0).toModelIndex();
            const auto to = args.at(1).toModelIndex();
            if (from.column() != to.column())
                qWarning("announcement spans columns");
            result << Announcement(from.row(), to.row());
        }
        return result;
    }
};

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_ActuatorModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installEnglish(); }

    void emptyModel_hasNoRowsColumnsOrData();
    void firstUpdate_insertsRowsAndColumns_laterClearEmptiesAgain();
    void displayAndEditTexts_data();
    void displayAndEditTexts();
    void errorTexts_listKnownBitsInOrder();
    void headers_nameRowsAndActuators();
    void french_headersUnitsStatesAndErrors();
    void edits_data();
    void edits();
    void edit_roundsLikeTheBoxInSinglePrecision();
    void controlSource_refusesTheActuatorItself();
    void location_isCutWithoutSplittingCharacters();
    void activeCheckBox_togglesAndGreysColumn();
    void colours_followErrorsActivityAndControlSource();
    void flags_followCapabilities();
    void clearErrors_enabledOnlyForLatchedErrorsNotCurrent();
    void unchangedUpdate_announcesNothing();
    void changedFields_announceTheirRows();
    void announcementForMissingColumn_isLoggedOnly();
    void setCapabilities_rebuildsKeepingValues();
    void shortLists_showDefaultsInsteadOfCrashing();
    void pasteSettings_enabledEverywhereAfterFirstCopy();
};

void tst_ActuatorModel::emptyModel_hasNoRowsColumnsOrData()
{
    ActuatorModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    QVERIFY(!model.data(model.index(0, 0)).isValid());
    QCOMPARE(model.flags(model.index(0, 0)), Qt::NoItemFlags);
    QVERIFY(!model.setData(model.index(0, 0), 1, Qt::EditRole));
    QCOMPARE(model.capabilities(), 0);
}

void tst_ActuatorModel::firstUpdate_insertsRowsAndColumns_laterClearEmptiesAgain()
{
    ActuatorModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy rows(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy columns(&model, &QAbstractItemModel::columnsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    SampleActuators box;
    box.applyTo(model);
    QCOMPARE(model.rowCount(), 28);
    QCOMPARE(model.columnCount(), 8);
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QCOMPARE(rows.count(), 1);
    QCOMPARE(columns.count(), 1);
    QCOMPARE(changed.count(), 0); // new columns arrive filled
    QCOMPARE(model.data(model.index(1, 7)).toString(), QStringLiteral("Room 8"));

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.clear();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    box.applyTo(model);
    QCOMPARE(model.columnCount(), 8);
}

void tst_ActuatorModel::displayAndEditTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<std::function<void(ActuatorData&, ActuatorSettings&)>>("change");
    QTest::addColumn<QVariant>("display");
    QTest::addColumn<QVariant>("edit");
    using F = std::function<void(ActuatorData&, ActuatorSettings&)>;
    const QVariant none;

    QTest::newRow("active") << int(M::ROW_ACTIVE) << F() << none << none;
    QTest::newRow("location") << int(M::ROW_LOCATION) << F() << QVariant("Room 1")
                              << QVariant("Room 1");
    QTest::newRow("temperature") << int(M::ROW_TEMPERATURE)
                                 << F([](auto& d, auto&) { d.temperature = 215; })
                                 << QVariant("21.5 °C") << none;
    QTest::newRow("negative temperature")
        << int(M::ROW_TEMPERATURE) << F([](auto& d, auto&) { d.temperature = -3; })
        << QVariant("-0.3 °C") << none;
    QTest::newRow("resistance at the limit")
        << int(M::ROW_RESISTANCE) << F([](auto& d, auto&) { d.sensor_resistance = 1699999; })
        << QVariant("169999.9 Ohm") << none;
    QTest::newRow("resistance past the limit")
        << int(M::ROW_RESISTANCE) << F([](auto& d, auto&) { d.sensor_resistance = 1700000; })
        << QVariant("-") << none;
    QTest::newRow("triac on") << int(M::ROW_TRIAC) << F([](auto& d, auto&) { d.triac = true; })
                              << QVariant("On") << none;
    QTest::newRow("triac off") << int(M::ROW_TRIAC) << F() << QVariant("Off") << none;
    QTest::newRow("control source")
        << int(M::ROW_CONTROL_SOURCE) << F([](auto&, auto& s) { s.control_source = 5; }) << none
        << QVariant("5");
    QTest::newRow("sensor type") << int(M::ROW_SENSOR_TYPE)
                                 << F([](auto&, auto& s) { s.sensor_type = 19; }) << QVariant(19)
                                 << QVariant(19);
    QTest::newRow("sensor offset")
        << int(M::ROW_SENSOR_OFFSET) << F([](auto&, auto& s) { s.sensor_offset = -15; })
        << QVariant("-1.5 K") << QVariant("-1.5");
    QTest::newRow("pot min") << int(M::ROW_POT_MIN)
                             << F([](auto&, auto& s) { s.pot_min = 4000000000u; })
                             << QVariant("4000000000 Ohm") << QVariant("4000000000");
    QTest::newRow("setpoint") << int(M::ROW_SETPOINT) << F() << QVariant("21.0 °C")
                              << QVariant("21.0");
    for (int row : { M::ROW_SPACER_1, M::ROW_COPY_SETTINGS, M::ROW_PASTE_SETTINGS, M::ROW_SPACER_2,
                     M::ROW_CLEAR_ERRORS, M::ROW_TEST, M::ROW_LOG })
        QTest::addRow("button row %d", row) << row << F() << none << none;
}

void tst_ActuatorModel::displayAndEditTexts()
{
    QFETCH(int, row);
    QFETCH(Change, change);
    QFETCH(QVariant, display);
    QFETCH(QVariant, edit);
    Fixture f;
    if (change)
        change(f.box.data[0], f.box.settings[0]);
    f.update();
    QCOMPARE(f.cell(row, 0), display);
    QCOMPARE(f.cell(row, 0, Qt::EditRole), edit);
    QCOMPARE(f.cell(row, 0, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(f.cell(row, 0, M::CheckAlignmentRole).toInt(), 132);
    QCOMPARE(f.cell(row, 0, Qt::FontRole).value<QFont>().weight(), int(QFont::Normal));
}

void tst_ActuatorModel::errorTexts_listKnownBitsInOrder()
{
    Fixture f;
    f.box.data[2].errors = 0x5;
    f.box.data[2].mem_errors = 0xff;
    f.box.data[3].errors = 0xf0; // no known bit
    f.update();
    const QString both = QStringLiteral("Sensor not connected, Potentiometer not connected");
    QCOMPARE(f.cell(M::ROW_ERRORS, 2).toString(), both);
    QCOMPARE(f.cell(M::ROW_ERRORS, 2, Qt::ToolTipRole).toString(), both);
    QCOMPARE(f.cell(M::ROW_MEM_ERRORS, 2, Qt::ToolTipRole).toString(),
             QStringLiteral("Sensor not connected, Sensor out of range, "
                            "Potentiometer not connected, Potentiometer out of range"));
    QCOMPARE(f.cell(M::ROW_ERRORS, 3).toString(), QString());
    QVERIFY(!f.cell(M::ROW_TEMPERATURE, 2, Qt::ToolTipRole).isValid());
}

void tst_ActuatorModel::headers_nameRowsAndActuators()
{
    Fixture f;
    QCOMPARE(f.model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Actuator 1"));
    QCOMPARE(f.model.headerData(7, Qt::Horizontal).toString(), QStringLiteral("Actuator 8"));
    QVERIFY(!f.model.headerData(8, Qt::Horizontal).isValid());
    // the catalogue spells what the identifier misspells
    QCOMPARE(f.model.headerData(M::ROW_HYSTERESIS_HEATING, Qt::Vertical).toString(),
             QStringLiteral("Hysteresis Heating"));
    QCOMPARE(f.model.headerData(M::ROW_ACTUATOR_TYPE, Qt::Vertical).toString(),
             QStringLiteral("Actuator Type"));
    for (int row = M::ROW_SPACER_1; row < M::ROW_COUNT; ++row)
        QCOMPARE(f.model.headerData(row, Qt::Vertical).toString(), QString());
    QVERIFY(!f.model.headerData(0, Qt::Vertical, Qt::ToolTipRole).isValid());
}

void tst_ActuatorModel::french_headersUnitsStatesAndErrors()
{
    QTranslator french;
    QVERIFY(french.load(QStringLiteral("voro_fr"), QStringLiteral(":/")));
    QCoreApplication::installTranslator(&french);
    const auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&french); });
    Fixture f;
    f.box.data[0].triac = true;
    f.box.data[0].errors = 0x3;
    f.box.settings[0].pot_min = 500;
    f.update();
    QCOMPARE(f.model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Actionneur 1"));
    QCOMPARE(f.model.headerData(M::ROW_SETPOINT, Qt::Vertical).toString(),
             QStringLiteral("Consigne"));
    QCOMPARE(f.cell(M::ROW_TEMPERATURE, 0).toString(), QStringLiteral("20.0 °C"));
    // the unit as in the other languages
    QCOMPARE(f.cell(M::ROW_RESISTANCE, 0).toString(), QStringLiteral("1000.0 Ohm"));
    QCOMPARE(f.cell(M::ROW_POT_MIN, 0).toString(), QStringLiteral("500 Ohm"));
    QCOMPARE(f.cell(M::ROW_SENSOR_OFFSET, 0).toString(), QStringLiteral("0.0 K"));
    QCOMPARE(f.cell(M::ROW_TRIAC, 0).toString(), QStringLiteral("Enclenché"));
    QCOMPARE(f.cell(M::ROW_TRIAC, 1).toString(), QStringLiteral("Déclenché"));
    QCOMPARE(f.cell(M::ROW_ERRORS, 0).toString(),
             QStringLiteral("Sonde non raccordée, Sonde hors plage"));
    QCOMPARE(f.cell(M::ROW_LOCATION, 0).toString(), QStringLiteral("Room 1")); // as the box has it
}

void tst_ActuatorModel::edits_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("stored"); // the edited settings' text form, or the location
    QTest::addColumn<QString>("shown");

    const int edit = Qt::EditRole;
    const ActuatorSettings defaults = SampleActuators().settings.at(0);
    const auto with = [&](auto change) {
        ActuatorSettings s = defaults;
        change(s);
        return s.toText();
    };
    const QString unchanged = defaults.toText();

    QTest::newRow("setpoint rounds") << int(M::ROW_SETPOINT) << QVariant("21.26") << edit << true
                                     << with([](auto& s) { s.setpoint = 213; }) << "21.3 °C";
    QTest::newRow("setpoint clamps high") << int(M::ROW_SETPOINT) << QVariant("35") << edit << true
                                          << with([](auto& s) { s.setpoint = 280; }) << "28.0 °C";
    QTest::newRow("setpoint clamps low") << int(M::ROW_SETPOINT) << QVariant(-1e300) << edit << true
                                         << with([](auto& s) { s.setpoint = 150; }) << "15.0 °C";
    QTest::newRow("setpoint letters")
        << int(M::ROW_SETPOINT) << QVariant("warm") << edit << false << unchanged << "21.0 °C";
    QTest::newRow("setpoint comma")
        << int(M::ROW_SETPOINT) << QVariant("21,5") << edit << false << unchanged << "21.0 °C";
    QTest::newRow("setpoint not a number")
        << int(M::ROW_SETPOINT) << QVariant("nan") << edit << false << unchanged << "21.0 °C";
    QTest::newRow("offset half away from zero")
        << int(M::ROW_SENSOR_OFFSET) << QVariant("-0.05") << edit << true
        << with([](auto& s) { s.sensor_offset = -1; }) << "-0.1 K";
    QTest::newRow("offset clamps") << int(M::ROW_SENSOR_OFFSET) << QVariant(" 7.5 ") << edit << true
                                   << with([](auto& s) { s.sensor_offset = 50; }) << "5.0 K";
    QTest::newRow("pot min whole ohms") << int(M::ROW_POT_MIN) << QVariant("100.5") << edit << true
                                        << with([](auto& s) { s.pot_min = 101; }) << "101 Ohm";
    QTest::newRow("pot max clamps") << int(M::ROW_POT_MAX) << QVariant("inf") << edit << true
                                    << with([](auto& s) { s.pot_max = 11000; }) << "11000 Ohm";
    QTest::newRow("sensor type without a name")
        << int(M::ROW_SENSOR_TYPE) << QVariant(99) << edit << false << unchanged << "16";
    QTest::newRow("pot min above max")
        << int(M::ROW_POT_MIN) << QVariant(1500) << edit << false << unchanged << "0 Ohm";
    QTest::newRow("control source text")
        << int(M::ROW_CONTROL_SOURCE) << QVariant("8") << edit << true
        << with([](auto& s) { s.control_source = 8; }) << "";
    QTest::newRow("control source past 8")
        << int(M::ROW_CONTROL_SOURCE) << QVariant(9) << edit << false << unchanged << "";
    QTest::newRow("control source letters")
        << int(M::ROW_CONTROL_SOURCE) << QVariant("two") << edit << false << unchanged << "";
    QTest::newRow("live value") << int(M::ROW_TEMPERATURE) << QVariant("25") << edit << false
                                << unchanged << "20.0 °C";
    QTest::newRow("display role") << int(M::ROW_SETPOINT) << QVariant("25") << int(Qt::DisplayRole)
                                  << false << unchanged << "21.0 °C";
    QTest::newRow("check state off the check box")
        << int(M::ROW_LOCATION) << QVariant(int(Qt::Checked)) << int(Qt::CheckStateRole) << false
        << unchanged << "Room 1";
    QTest::newRow("button row") << int(M::ROW_TEST) << QVariant(1) << edit << false << unchanged
                                << "";
}

void tst_ActuatorModel::edits()
{
    QFETCH(int, row);
    QFETCH(QVariant, value);
    QFETCH(int, role);
    QFETCH(bool, accepted);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    Fixture f;
    QCOMPARE(f.edit(row, 0, value, role), accepted);
    QCOMPARE(f.edited.count(), accepted ? 1 : 0);
    ActuatorSettings settings;
    if (accepted) {
        const Edit e = f.edited.takeFirst();
        QCOMPARE(e.index, 0);
        QCOMPARE(e.settings.toText(), stored);
        QCOMPARE(e.location, QStringLiteral("Room 1"));
        settings = e.settings;
    } else {
        QCOMPARE(f.changed->count(), 0);
    }
    QCOMPARE(f.cell(row, 0).toString(), shown);
    // the edit reaches the shown record: an update with the same settings announces nothing
    f.changed->clear();
    if (accepted)
        f.box.settings[0] = settings;
    f.update();
    QCOMPARE(f.changed->count(), 0);
}

// The box computes in single precision and rounds halves away from zero. Python does the same
// arithmetic independently: struct rounds to float32, Decimal rounds half away from zero.
void tst_ActuatorModel::edit_roundsLikeTheBoxInSinglePrecision()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    const char* script = R"(
import struct, sys
from decimal import Decimal, ROUND_HALF_UP
f32 = lambda x: struct.unpack('f', struct.pack('f', x))[0]
for line in sys.stdin:
    text, factor, low, high = line.split()
    x = min(max(float(text), -1e9), 1e9)
    v = min(max(f32(f32(x) * float(factor)), float(low)), float(high))
    print(int(Decimal(v).quantize(Decimal(1), rounding=ROUND_HALF_UP)))
)";
    struct Target
    {
        int row;
        int factor, low, high;
        int ActuatorSettings::*field;
    };
    const Target targets[] = {
        { M::ROW_SETPOINT, 10, 150, 280, &ActuatorSettings::setpoint },
        { M::ROW_SENSOR_OFFSET, 10, -50, 50, &ActuatorSettings::sensor_offset },
        { M::ROW_POT_SHIFT_MIN, 10, -100, 100, &ActuatorSettings::pot_shift_min },
        { M::ROW_HYSTERESIS_COOLING, 10, 0, 50, &ActuatorSettings::hysteresis_cooling },
    };
    // ties, near-ties and plain values across and beyond every range
    QStringList inputs;
    for (int k = -3200; k <= 3200; k += 7) {
        inputs << QString::number(k / 100.0 + 0.005, 'f', 3) << QString::number(k / 100.0, 'f', 2)
               << QString::number(k / 1000.0 - 0.0005, 'f', 4);
    }
    inputs << "1e12"
           << "-1e12"
           << "0.05"
           << "-0.05"
           << "0.15"
           << "21.25"
           << "-4.95";

    Fixture f;
    QByteArray request;
    QVector<int> actual;
    for (const Target& t : targets) {
        for (const QString& text : inputs) {
            request += QStringLiteral("%1 %2 %3 %4\n")
                           .arg(text)
                           .arg(t.factor)
                           .arg(t.low)
                           .arg(t.high)
                           .toLatin1();
            QVERIFY(f.edit(t.row, 0, text));
            actual << f.edited.takeLast().settings.*t.field;
        }
    }
    QProcess oracle;
    oracle.start(python, { QStringLiteral("-c"), QString::fromLatin1(script) });
    QVERIFY(oracle.waitForStarted());
    oracle.write(request);
    oracle.closeWriteChannel();
    QVERIFY(oracle.waitForFinished(20000));
    QCOMPARE(oracle.exitCode(), 0);
    const QList<QByteArray> expected = oracle.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(expected.size(), actual.size());
    for (int i = 0; i < actual.size(); ++i) {
        if (expected.at(i).toInt() != actual.at(i))
            QFAIL(qPrintable(QStringLiteral("input %1: expected %2, stored %3")
                                 .arg(QString::fromLatin1(request.split('\n').at(i)))
                                 .arg(QString::fromLatin1(expected.at(i)))
                                 .arg(actual.at(i))));
    }
}

void tst_ActuatorModel::controlSource_refusesTheActuatorItself()
{
    Fixture f;
    QSignalSpy refused(&f.model, &ActuatorModel::editRefused);
    QVERIFY(!f.edit(M::ROW_CONTROL_SOURCE, 2, VoroDefinitions::CS__ACTUATOR_3));
    QCOMPARE(f.edited.count(), 0);
    QVERIFY(f.edit(M::ROW_CONTROL_SOURCE, 0, VoroDefinitions::CS__ACTUATOR_3));
    QCOMPARE(f.announcements(), QList<Announcement>({ { 0, 27 } }));
    // nor round in a circle: actuator 3 cannot follow actuator 1, which follows it
    QVERIFY(!f.edit(M::ROW_CONTROL_SOURCE, 2, VoroDefinitions::CS__ACTUATOR_1));
    QCOMPARE(refused.size(), 2);
    for (const QList<QVariant>& problem : refused)
        QVERIFY(problem.first().toString().startsWith("Actuator 3: Control Source"));
    // following another actuator greys everything but TRIAC and Control Source
    for (int row = 0; row < M::ROW_COUNT; ++row) {
        const QVariant colour = f.cell(row, 0, Qt::ForegroundRole);
        if (row == M::ROW_TRIAC || row == M::ROW_CONTROL_SOURCE)
            QVERIFY2(!colour.isValid(), qPrintable(QString::number(row)));
        else
            QCOMPARE(colour.value<QColor>(), QColor(Qt::lightGray));
    }
}

void tst_ActuatorModel::location_isCutWithoutSplittingCharacters()
{
    Fixture f;
    const QString thirty = QStringLiteral("abcdefghij;klmnopqrstuvwxyz0123");
    QVERIFY(f.edit(M::ROW_LOCATION, 4, thirty));
    QCOMPARE(f.cell(M::ROW_LOCATION, 4).toString(), QStringLiteral("abcdefghij_klmnopqrstuvw"));
    QCOMPARE(f.edited.takeFirst().location, QStringLiteral("abcdefghij_klmnopqrstuvw"));
    QCOMPARE(f.announcements(), QList<Announcement>({ { 1, 1 } }));

    // a character outside the basic plane takes two UTF-16 units: all or nothing of it
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8C\xA1"); // thermometer
    QVERIFY(f.edit(M::ROW_LOCATION, 4, QString(23, QLatin1Char('x')) + emoji));
    QCOMPARE(f.cell(M::ROW_LOCATION, 4).toString(), QString(23, QLatin1Char('x')));
    QVERIFY(f.edit(M::ROW_LOCATION, 4, QString(22, QLatin1Char('x')) + emoji + emoji));
    QCOMPARE(f.cell(M::ROW_LOCATION, 4).toString(), QString(22, QLatin1Char('x')) + emoji);

    // the same text again is still an accepted edit
    f.edited.clear();
    f.changed->clear();
    QVERIFY(f.edit(M::ROW_LOCATION, 4, QString(22, QLatin1Char('x')) + emoji));
    QCOMPARE(f.edited.count(), 1);
    QCOMPARE(f.changed->count(), 0);
}

void tst_ActuatorModel::activeCheckBox_togglesAndGreysColumn()
{
    Fixture f;
    QCOMPARE(f.cell(M::ROW_ACTIVE, 1, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(f.edit(M::ROW_ACTIVE, 1, int(Qt::Unchecked), Qt::CheckStateRole));
    QCOMPARE(f.cell(M::ROW_ACTIVE, 1, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(f.announcements(), QList<Announcement>({ { 0, 27 } }));
    QCOMPARE(f.edited.count(), 1);
    QVERIFY(!f.edited.first().settings.active);
    for (int row = 0; row < M::ROW_COUNT; ++row)
        QCOMPARE(f.cell(row, 1, Qt::ForegroundRole).value<QColor>(), QColor(Qt::lightGray));
    QVERIFY(!f.cell(M::ROW_ACTIVE, 1, Qt::EditRole).isValid());
    QVERIFY(f.edit(M::ROW_ACTIVE, 1, int(Qt::Checked), Qt::CheckStateRole));
    QVERIFY(!f.cell(M::ROW_SETPOINT, 1, Qt::ForegroundRole).isValid());
}

void tst_ActuatorModel::colours_followErrorsActivityAndControlSource()
{
    Fixture f;
    // The same errors at three actuators, copied from a value of their own: copying one element
    // of the vector into another goes through two detaching operator[] calls, and GCC's
    // instrumented builds then take the source for a reference the second detach may free.
    ActuatorData faulty = f.box.data.at(0);
    faulty.errors = 0x5;
    faulty.mem_errors = 0x1;
    for (int i : { 0, 1, 2 })
        f.box.data[i] = faulty;
    f.box.settings[1].active = false;
    f.box.settings[2].control_source = VoroDefinitions::CS__ACTUATOR_1;
    f.update();

    QCOMPARE(f.cell(M::ROW_ERRORS, 0, Qt::BackgroundRole).value<QColor>(), QColor(192, 0, 0));
    QCOMPARE(f.cell(M::ROW_MEM_ERRORS, 0, Qt::BackgroundRole).value<QColor>(),
             QColor(221, 100, 19));
    QCOMPARE(f.cell(M::ROW_ERRORS, 0, Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
    QCOMPARE(f.cell(M::ROW_MEM_ERRORS, 0, Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
    QVERIFY(!f.cell(M::ROW_SETPOINT, 0, Qt::ForegroundRole).isValid());
    QVERIFY(!f.cell(M::ROW_SETPOINT, 0, Qt::BackgroundRole).isValid());
    for (int col : { 1, 2 }) {
        QVERIFY(!f.cell(M::ROW_ERRORS, col, Qt::BackgroundRole).isValid());
        QVERIFY(!f.cell(M::ROW_MEM_ERRORS, col, Qt::BackgroundRole).isValid());
        QCOMPARE(f.cell(M::ROW_ERRORS, col, Qt::ForegroundRole).value<QColor>(),
                 QColor(Qt::lightGray));
    }
    QCOMPARE(f.cell(M::ROW_TRIAC, 1, Qt::ForegroundRole).value<QColor>(), QColor(Qt::lightGray));
    QVERIFY(!f.cell(M::ROW_TRIAC, 2, Qt::ForegroundRole).isValid());
    // no errors: no background even while active on sensors
    QVERIFY(!f.cell(M::ROW_ERRORS, 3, Qt::BackgroundRole).isValid());
}

void tst_ActuatorModel::flags_followCapabilities()
{
    const auto enabled = [](const Fixture& f, int row) {
        return bool(f.model.flags(f.model.index(row, 0)) & Qt::ItemIsEnabled);
    };
    Fixture none(0);
    QCOMPARE(none.model.flags(none.model.index(M::ROW_ACTIVE, 0)),
             Qt::ItemFlags(Qt::ItemIsUserCheckable));
    QCOMPARE(none.model.flags(none.model.index(M::ROW_SETPOINT, 0)),
             Qt::ItemFlags(Qt::ItemIsEditable));
    QCOMPARE(none.model.flags(none.model.index(M::ROW_TEST, 0)), Qt::ItemFlags(Qt::ItemIsEditable));
    for (int row = M::ROW_TEMPERATURE; row <= M::ROW_MEM_ERRORS; ++row)
        QCOMPARE(none.model.flags(none.model.index(row, 0)), Qt::ItemFlags(Qt::ItemIsEnabled));
    for (int row : { int(M::ROW_SPACER_1), int(M::ROW_SPACER_2), 28, -1 })
        QCOMPARE(none.model.flags(none.model.index(row, 0)), Qt::NoItemFlags);
    QCOMPARE(none.model.flags(none.model.index(0, 8)), Qt::NoItemFlags);

    Fixture test_only(M::CAN_TEST);
    QVERIFY(enabled(test_only, M::ROW_TEST));
    for (int row : { M::ROW_ACTIVE, M::ROW_LOCATION, M::ROW_CONTROL_SOURCE, M::ROW_SETPOINT,
                     M::ROW_ACTUATOR_TYPE, M::ROW_COPY_SETTINGS, M::ROW_LOG })
        QVERIFY2(!enabled(test_only, row), qPrintable(QString::number(row)));

    Fixture edit_only(M::CAN_EDIT);
    for (int row : { M::ROW_ACTIVE, M::ROW_LOCATION, M::ROW_CONTROL_SOURCE, M::ROW_SENSOR_TYPE,
                     M::ROW_SETPOINT, M::ROW_ACTUATOR_TYPE, M::ROW_COPY_SETTINGS, M::ROW_LOG })
        QVERIFY2(enabled(edit_only, row), qPrintable(QString::number(row)));
    QVERIFY(!enabled(edit_only, M::ROW_TEST));
}

void tst_ActuatorModel::clearErrors_enabledOnlyForLatchedErrorsNotCurrent()
{
    Fixture f;
    const auto enabled = [&] {
        return bool(f.model.flags(f.model.index(M::ROW_CLEAR_ERRORS, 5)) & Qt::ItemIsEnabled);
    };
    QVERIFY(!enabled());
    f.box.data[5].errors = 0x1;
    f.box.data[5].mem_errors = 0x1;
    f.update();
    QVERIFY(!enabled());
    f.changed->clear();
    f.box.data[5].errors = 0; // the sensor came back; the latch remains
    f.update();
    QVERIFY(enabled());
    QCOMPARE(f.announcements(), QList<Announcement>({ { 8, 8 }, { 25, 25 } }));

    Fixture cannot_clear(M::CAN_EDIT | M::CAN_TEST);
    cannot_clear.box.data[5].mem_errors = 0x2;
    cannot_clear.update();
    QVERIFY(!(cannot_clear.model.flags(cannot_clear.model.index(M::ROW_CLEAR_ERRORS, 5))
              & Qt::ItemIsEnabled));
}

void tst_ActuatorModel::unchangedUpdate_announcesNothing()
{
    Fixture f;
    f.update();
    f.update();
    QCOMPARE(f.changed->count(), 0);
    QCOMPARE(f.edited.count(), 0);
}

void tst_ActuatorModel::changedFields_announceTheirRows()
{
    Fixture f;
    ActuatorData& d = f.box.data[6];
    ActuatorSettings& s = f.box.settings[6];
    d.temperature += 1;
    d.sensor_resistance += 1;
    d.pot_shift += 1;
    d.pot_resistance += 1;
    d.pot_setpoint += 1;
    d.triac = true;
    d.errors = 0x2;
    d.mem_errors = 0x1;
    s.active = false;
    s.sensor_type = VoroDefinitions::ST__SIE1;
    s.control_source = VoroDefinitions::CS__ACTUATOR_2;
    s.sensor_offset = 5;
    s.pot_min = 7;
    s.pot_max = 8;
    s.pot_shift_min = -9;
    s.pot_shift_max = 9;
    s.hysteresis_heating = 1;
    s.hysteresis_cooling = 2;
    s.setpoint = 250;
    s.actuator_type = VoroDefinitions::AT__NO;
    f.box.locations[6] = QStringLiteral("Loft");
    f.update();
    const QList<Announcement> expected
        = { { 2, 2 },   { 3, 3 },   { 4, 4 },   { 5, 5 },   { 6, 6 },   { 7, 7 },
            { 8, 8 },   { 9, 9 },   { 0, 27 },  { 11, 11 }, { 0, 27 },  { 12, 12 },
            { 13, 13 }, { 14, 14 }, { 15, 15 }, { 16, 16 }, { 17, 17 }, { 18, 18 },
            { 19, 19 }, { 20, 20 }, { 1, 1 },   { 25, 25 } };
    QCOMPARE(f.announcements(), expected);
    for (const QList<QVariant>& args : *f.changed) {
        QCOMPARE(args.at(0).toModelIndex().column(), 6);
        QVERIFY(args.at(2).value<QVector<int>>().isEmpty());
    }
}

void tst_ActuatorModel::announcementForMissingColumn_isLoggedOnly()
{
    Fixture f;
    QTest::ignoreMessage(QtDebugMsg, "error, no actuator with index 8");
    f.model.cellsChanged(8, 0, 0);
    QTest::ignoreMessage(QtDebugMsg, "error, no actuator with index 4294967295");
    f.model.cellsChanged(-1, 0, 0);
    QCOMPARE(f.changed->count(), 0);
}

void tst_ActuatorModel::setCapabilities_rebuildsKeepingValues()
{
    Fixture f(0);
    QVERIFY(f.edit(M::ROW_SETPOINT, 3, "22.5")); // the model itself does not check enablement
    QSignalSpy reset(&f.model, &QAbstractItemModel::modelReset);
    f.model.setCapabilities(M::CAN_EDIT);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(f.model.columnCount(), 8);
    QCOMPARE(f.cell(M::ROW_SETPOINT, 3).toString(), QStringLiteral("22.5 °C"));
    QVERIFY(f.model.flags(f.model.index(M::ROW_SETPOINT, 3)) & Qt::ItemIsEnabled);
}

void tst_ActuatorModel::shortLists_showDefaultsInsteadOfCrashing()
{
    Fixture f;
    f.model.clear();
    SampleActuators box;
    box.settings.resize(3);
    box.locations = QStringList { QStringLiteral("only one") };
    box.applyTo(f.model);
    QCOMPARE(f.model.columnCount(), 8);
    QCOMPARE(f.cell(M::ROW_LOCATION, 7).toString(), QString());
    QCOMPARE(f.cell(M::ROW_SETPOINT, 7).toString(), QStringLiteral("0.0 °C"));
    QVERIFY(f.edit(M::ROW_SETPOINT, 7, "20"));
    QCOMPARE(f.edited.last().settings.setpoint, 200);
}

// Runs last: the flag it sets lives for the whole process.
void tst_ActuatorModel::pasteSettings_enabledEverywhereAfterFirstCopy()
{
    Fixture first;
    Fixture second(M::CAN_EDIT);
    Fixture read_only(0);
    const auto pasteEnabled = [](const Fixture& f, int col) {
        return bool(f.model.flags(f.model.index(M::ROW_PASTE_SETTINGS, col)) & Qt::ItemIsEnabled);
    };
    QVERIFY(!M::settingsCopied());
    QVERIFY(!pasteEnabled(first, 0));
    QVERIFY(!pasteEnabled(second, 0));

    first.model.setSettingsCopied();
    QVERIFY(M::settingsCopied());
    QList<Announcement> paste_rows;
    for (int i = 0; i < 8; ++i)
        paste_rows << Announcement(23, 23);
    QCOMPARE(first.announcements(), paste_rows);
    for (int col = 0; col < 8; ++col) {
        QVERIFY(pasteEnabled(first, col));
        QVERIFY(pasteEnabled(second, col));
        QVERIFY(!pasteEnabled(read_only, col));
    }
    // also for the next device
    second.model.clear();
    second.update();
    QVERIFY(pasteEnabled(second, 0));
}

QTEST_MAIN(tst_ActuatorModel)
#include "tst_actuatormodel.moc"
