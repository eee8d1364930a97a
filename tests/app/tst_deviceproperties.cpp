#include "app/ControlProperties.h"
#include "app/InfoProperties.h"
#include "app/LogProperties.h"
#include "app/RS485Properties.h"
#include "app/Startup.h"
#include "propertyeditor/QPropertyEditorWidget.h"
#include "records/VoroDevice.h"
#include "tests/propertyeditor/ModelRows.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTranslator>
#include <QtTest>

#include <limits>
#include <memory>

namespace {
constexpr int INT_MAX_ = std::numeric_limits<int>::max();
constexpr int INT_MIN_ = std::numeric_limits<int>::min();

VoroDevice sampleRecord()
{
    VoroDevice device(1);
    device.state = VoroDefinitions::DS__READY;
    device.firmware_version = "1.1.2.17";
    device.status.modbus_address = 17;
    device.status.baudrate = 19200;
    device.status.parity = 'e';
    device.status.stop_bits = 1;
    device.status.uptime = 93784;
    device.status.cooling = true;
    device.status.config_write_count = 42;
    device.status.flash_write_count = 0xFFFFFFFF;
    device.config.location = "Office";
    device.config.log_interval = 60;
    device.config.common.control_mode = VoroDefinitions::CM__EXTERNAL;
    device.config.common.control_type = VoroDefinitions::CT__DEFINED_BY_INPUT;
    device.config.common.modbus_response_delay = 10;
    return device;
}

// "<days>d hh:mm:ss" of each number, worked out by Python's integers.
QStringList pythonDurations(const QList<qint64>& seconds)
{
    QStringList args { "-c",
                       "import sys\n"
                       "for a in sys.argv[1:]:\n"
                       "    s = int(a); m = abs(s)\n"
                       "    print(('-' if s < 0 else '') + '%dd %02d:%02d:%02d' % "
                       "(m // 86400, m % 86400 // 3600, m % 3600 // 60, m % 60))\n" };
    for (qint64 s : seconds)
        args << QString::number(s);
    QProcess python;
    python.start("python3", args);
    if (!python.waitForFinished(10000) || python.exitCode() != 0)
        return {};
    return QString::fromLatin1(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}
} // namespace

class tst_DeviceProperties : public QObject
{
    Q_OBJECT

private:
    QTranslator translator;
    VoroDevice record;
    std::unique_ptr<QPropertyEditorWidget> editor;
    QList<PropertyObject*> groups;

    void showGroups(bool readOnly)
    {
        editor = std::make_unique<QPropertyEditorWidget>();
        new QAbstractItemModelTester(
            editor->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, editor.get());
        groups = { new InfoProperties(&record, readOnly, editor.get()),
                   new ControlProperties(&record, readOnly, editor.get()),
                   new RS485Properties(&record, readOnly, editor.get()),
                   new LogProperties(&record, readOnly, editor.get()) };
        for (PropertyObject* group : qAsConst(groups))
            editor->appendObject(group);
        editor->resize(330, 600);
        editor->setColumnWidth(0, 220);
        editor->show();
    }

    QModelIndex value(int group, int row) const
    {
        return editor->model()->index(row, 1, editor->model()->index(group, 0));
    }

    QWidget* openEditor(int group, int row)
    {
        const QModelIndex index = value(group, row);
        editor->setCurrentIndex(index);
        editor->edit(index);
        return editor->indexWidget(index);
    }

    void commit(int group, int row)
    {
        QWidget* open = editor->indexWidget(value(group, row));
        QVERIFY(open);
        QTest::keyClick(open, Qt::Key_Return);
        QTRY_VERIFY(!editor->indexWidget(value(group, row)));
    }

    void refresh()
    {
        for (PropertyObject* group : qAsConst(groups)) {
            group->refresh();
            editor->refreshObject(group);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(loadTranslation(translator, "en"));
        QCoreApplication::installTranslator(&translator);
    }

    void init() { record = sampleRecord(); }

    void cleanup()
    {
        if (editor)
            editor->showObject(nullptr);
        editor.reset();
        groups.clear();
    }

    void fourGroups_inOrderWithEnglishTexts()
    {
        showGroups(false);
        const QAbstractItemModel* model = editor->model();
        QCOMPARE(rowTexts(model, QModelIndex()),
                 (QStringList { "Info=", "Control=", "RS485=", "Log=" }));
        QCOMPARE(
            rowTexts(model, model->index(0, 0)),
            (QStringList { "Firmware Version=1.1.2.17", "Location=Office", "Uptime=1d 02:03:04",
                           "EEPROM Write Count=42", "Flash Write Count=4294967295" }));
        QCOMPARE(rowTexts(model, model->index(1, 0)),
                 (QStringList { "Mode=External", "Heating / Cooling=Defined by X19",
                                "Current Heating / Cooling=Cooling" }));
        QCOMPARE(rowTexts(model, model->index(2, 0)),
                 (QStringList { "Address=17", "Baudrate=19200", "Parity=Even", "Stop Bits=1",
                                "Response Delay [ms]=10" }));
        QCOMPARE(rowTexts(model, model->index(3, 0)),
                 (QStringList { "Interval [min]=1", "Capture Window=0d 20:00:00" }));
        for (int g = 0; g < 4; ++g) {
            QVERIFY(editor->isExpanded(model->index(g, 0)));
            for (int r = 0; r < model->rowCount(model->index(g, 0)); ++r)
                QVERIFY(!value(g, r).data(Qt::ToolTipRole).toString().isEmpty());
        }

        record.status.cooling = false;
        record.status.uptime = 0;
        refresh();
        QCOMPARE(value(0, 2).data().toString(), QString("0d 00:00:00"));
        QCOMPARE(value(1, 2).data().toString(), QString("Heating"));
    }

    // What the box reports stays as it is, even where it reads like a catalogue entry.
    void german_namesAndValuesTranslated_boxTextsVerbatim()
    {
        QTranslator german;
        QVERIFY(loadTranslation(german, "de"));
        QCoreApplication::installTranslator(&german);
        const auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });
        record.config.location = "Heating";
        record.firmware_version = "Cooling";
        showGroups(false);
        const QAbstractItemModel* model = editor->model();
        QCOMPARE(rowTexts(model, QModelIndex()),
                 (QStringList { "Info=", "Regelung=", "RS485=", "Protokoll=" }));
        QCOMPARE(rowTexts(model, model->index(0, 0)).mid(0, 2),
                 (QStringList { "Firmware-Version=Cooling", "Standort=Heating" }));
        QCOMPARE(rowTexts(model, model->index(1, 0)),
                 (QStringList { "Betriebsart=Extern", "Heizen / Kühlen=Gemäss X19",
                                "Aktuell Heizen / Kühlen=Kühlen" }));
        QCOMPARE(value(2, 2).data().toString(), QString("Gerade"));
        QVERIFY(value(3, 0).data(Qt::ToolTipRole).toString().startsWith("Wie oft"));
    }

    void readOnlyFlag_locksEveryEditableEntry()
    {
        // Info: Location; Control: Mode, Type; RS485: ResponseDelay; Log: Interval.
        const QList<QPair<int, int>> editable { { 0, 1 }, { 1, 0 }, { 1, 1 }, { 2, 4 }, { 3, 0 } };
        for (bool readOnly : { false, true }) {
            showGroups(readOnly);
            for (int g = 0; g < 4; ++g) {
                for (int r = 0; r < editor->model()->rowCount(editor->model()->index(g, 0)); ++r) {
                    const bool expected = !readOnly && editable.contains({ g, r });
                    QCOMPARE(bool(value(g, r).flags() & Qt::ItemIsEditable), expected);
                    QCOMPARE(bool(value(g, r).flags() & Qt::ItemIsEnabled), expected);
                }
            }
            cleanup();
        }
    }

    void durations_formattedWithoutOverflow()
    {
        const QList<int> uptimes { 0, 59, 93784, -1, INT_MIN_, INT_MAX_ };
        const QList<int> intervals { 1, 59, 60, 3600, -60, INT_MAX_, INT_MIN_ };
        QList<qint64> seconds;
        for (int uptime : uptimes)
            seconds << quint32(uptime);
        for (int interval : intervals)
            seconds << qint64(interval) * 1200;
        const QStringList expected = pythonDurations(seconds);
        QCOMPARE(expected.size(), seconds.size());
        QCOMPARE(expected.at(2), QString("1d 02:03:04"));
        QCOMPARE(expected.at(uptimes.size() + 2), QString("0d 20:00:00"));
        QCOMPARE(expected.at(uptimes.size() + 3), QString("50d 00:00:00"));

        InfoProperties info(&record, false);
        LogProperties log(&record, false);
        int i = 0;
        for (int uptime : uptimes) {
            record.status.uptime = uptime;
            QCOMPARE(info.uptime(), expected.at(i++));
        }
        for (int interval : intervals) {
            record.config.log_interval = interval;
            QCOMPARE(log.duration(), expected.at(i++));
        }
    }

    void conversions_intervalParityAndCounters()
    {
        LogProperties log(&record, false);
        for (const auto& [seconds, minutes] : QList<QPair<int, int>> {
                 { 60, 1 }, { 3600, 60 }, { 150, 2 }, { 59, 0 }, { -90, -1 } }) {
            record.config.log_interval = seconds;
            QCOMPARE(log.property("Interval").toInt(), minutes);
        }
        QVERIFY(log.setProperty("Interval", 5));
        QCOMPARE(record.config.log_interval, 300);
        log.setInterval(INT_MAX_); // saturates rather than wrapping
        QCOMPARE(record.config.log_interval, INT_MAX_);

        RS485Properties rs485(&record, false);
        for (const auto& [parity, text] : QList<QPair<char, QString>> {
                 { 'n', "None" }, { 'e', "Even" }, { 'o', "Odd" }, { 'N', "-" }, { '\0', "-" } }) {
            record.status.parity = parity;
            QCOMPARE(rs485.parity(), text);
        }
        record.status.modbus_address = -5;
        QCOMPARE(rs485.address(), QString("-5"));

        InfoProperties info(&record, false);
        record.status.config_write_count = 0xFFFFFFFF;
        QCOMPARE(info.configWriteCount(), QString("4294967295"));
    }

    void location_takesAtMost24Characters()
    {
        showGroups(false);
        auto* line = qobject_cast<QLineEdit*>(openEditor(0, 1));
        QVERIFY(line);
        QCOMPARE(line->text(), QString("Office"));
        line->clear();
        QTest::keyClicks(line, "abcdefghijklmnopqrstuvwxy");
        QCOMPARE(line->text(), QString("abcdefghijklmnopqrstuvwx"));
        QCOMPARE(record.config.location, QString("Office"));
        commit(0, 1);
        QCOMPARE(record.config.location, QString("abcdefghijklmnopqrstuvwx"));
    }

    void spinBoxes_limitedAndWrittenOnCommit()
    {
        showGroups(false);
        auto* interval = qobject_cast<QSpinBox*>(openEditor(3, 0));
        QVERIFY(interval);
        QCOMPARE(interval->minimum(), 1);
        QCOMPARE(interval->maximum(), 60);
        QCOMPARE(interval->singleStep(), 1);
        QCOMPARE(interval->value(), 1);
        interval->setValue(5);
        QCOMPARE(record.config.log_interval, 60);
        commit(3, 0);
        QCOMPARE(record.config.log_interval, 300);
        refresh();
        QCOMPARE(value(3, 1).data().toString(), QString("4d 04:00:00"));

        auto* delay = qobject_cast<QSpinBox*>(openEditor(2, 4));
        QVERIFY(delay);
        QCOMPARE(delay->minimum(), 0);
        QCOMPARE(delay->maximum(), 255);
        delay->setValue(300); // clamped by the editor
        QCOMPARE(record.config.common.modbus_response_delay, 10);
        commit(2, 4);
        QCOMPARE(record.config.common.modbus_response_delay, 255);
    }

    void modeAndType_comboWithTranslatedKeysWritesAtOnce()
    {
        showGroups(false);
        auto* mode = qobject_cast<QComboBox*>(openEditor(1, 0));
        QVERIFY(mode);
        QCOMPARE(mode->count(), 2);
        QCOMPARE(mode->itemText(0), QString("Local"));
        QCOMPARE(mode->currentText(), QString("External"));
        mode->setCurrentIndex(0);
        QCOMPARE(record.config.common.control_mode, int(VoroDefinitions::CM__LOCAL));
        commit(1, 0);

        auto* type = qobject_cast<QComboBox*>(openEditor(1, 1));
        QVERIFY(type);
        QStringList items;
        for (int i = 0; i < type->count(); ++i)
            items << type->itemText(i);
        QCOMPARE(items, (QStringList { "Defined by X19", "Heating", "Cooling" }));
        type->setCurrentIndex(2);
        QCOMPARE(record.config.common.control_type, int(VoroDefinitions::CT__COOLING));
        commit(1, 1);
        QCOMPARE(value(1, 1).data().toString(), QString("Cooling"));
    }

    void unknownControlValues_showTheirNumber()
    {
        record.config.common.control_mode = 7;
        showGroups(false);
        QCOMPARE(value(1, 0).data().toString(), QString("7"));
    }
};

QTEST_MAIN(tst_DeviceProperties)
#include "tst_deviceproperties.moc"
