// The Boxes overview in the window, on virtual boxes: its rows follow boxes arriving, dropping
// and being updated; it compares a box with a file and with another box; a box's backup is
// restored from the list, and offered back after a factory reset.
#include "tests/app/WindowFixture.h"
#include "tests/support/CommTestSupport.h"

#include "app/BackupsDialog.h"
#include "app/BoxOverview.h"
#include "app/BoxOverviewModel.h"
#include "app/CompareDialog.h"
#include "app/ComparisonTable.h"
#include "app/Startup.h"
#include "device/SettingsBackup.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {
constexpr int kUpdateMs = 30000;

QStringList rowTexts(const QTableWidget* table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->item(row, column)->text();
    return texts;
}

int rowOfKey(const BoxOverviewModel* m, const QString& serial)
{
    for (int row = 0; row < m->rowCount(); ++row) {
        if (m->index(row, BoxOverviewModel::SERIAL).data().toString() == serial)
            return row;
    }
    return -1;
}

int stateOf(const BoxOverviewModel* m, const QString& serial)
{
    const int row = rowOfKey(m, serial);
    return row < 0 ? -1 : m->index(row, 0).data(BoxOverviewModel::STATE_ROLE).toInt();
}
} // namespace

class tst_BoxOverview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The group names come from the catalogue, as in the program.
        QVERIFY(loadTranslation(english, "en"));
        QCoreApplication::installTranslator(&english);
    }
    void init()
    {
        hidsim::Bus::instance().setLatency(std::chrono::microseconds(0));
        QDir(SettingsBackup::rootFolder()).removeRecursively();
    }
    void cleanup() { hidsim::Bus::instance().unplugAll(); }

    void rowsFollowArrivalsDropsAndUpdates()
    {
        auto hall = std::make_unique<PluggedBox>("Hall");
        Window w;
        w.window.manager()->setReturnGrace(500);
        BoxOverviewModel* model = w.window.overview()->model();
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 1, kReadyMs);

        // An older box: the update question is answered Yes; it is backed up, updated and back.
        w.dialogs.buttons << UserDialogs::Yes;
        PluggedBox attic("Attic");
        attic.box->setFirmwareVersion("1.1.1.9");
        QSet<int> states;
        connect(model, &QAbstractItemModel::dataChanged, this,
                [&] { states << stateOf(model, attic.box->serial()); });
        QTRY_VERIFY_WITH_TIMEOUT(
            model->index(rowOfKey(model, attic.box->serial()), BoxOverviewModel::FIRMWARE)
                    .data()
                    .toString()
                == "1.1.2.17 (current)",
            kUpdateMs);
        const int row = rowOfKey(model, attic.box->serial());
        QCOMPARE(model->index(row, 0).data(BoxOverviewModel::STATE_ROLE).toInt(),
                 int(BoxOverviewModel::READY));
        QVERIFY(states.contains(BoxOverviewModel::BOOTLOADER));
        QVERIFY(states.contains(BoxOverviewModel::UPDATING));
        QVERIFY(model->index(row, BoxOverviewModel::BACKUP).data().toString() != "none");
        QCOMPARE(model->rowCount(), 2);
        // The list order of the window: by location.
        QCOMPARE(w.window.overview()->view()->model()->index(0, 0).data().toString(),
                 QString("Attic"));

        // Errors as they come, and the view is told of them (of the values that change with
        // every report it is not); a box unplugged is reconnecting, then given up.
        QSignalSpy changes(model, &QAbstractItemModel::dataChanged);
        attic.box->setErrors(2, hidsim::SensorNc);
        QTRY_COMPARE_WITH_TIMEOUT(
            model->index(rowOfKey(model, attic.box->serial()), BoxOverviewModel::LATCHED)
                .data()
                .toString(),
            QString("3"), kReadyMs);
        QTRY_VERIFY_WITH_TIMEOUT(std::any_of(changes.begin(), changes.end(),
                                             [&](const QList<QVariant>& change) {
                                                 const auto from = change.at(0).toModelIndex();
                                                 const auto to = change.at(1).toModelIndex();
                                                 return from.row()
                                                     == rowOfKey(model, attic.box->serial())
                                                     && from.column() <= BoxOverviewModel::LATCHED
                                                     && to.column() >= BoxOverviewModel::LATCHED;
                                             }),
                                 kReadyMs);
        const QString serial = hall->box->serial();
        hall.reset();
        QTRY_COMPARE_WITH_TIMEOUT(stateOf(model, serial), int(BoxOverviewModel::RECONNECTING),
                                  kReadyMs);
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 1, kReadyMs);
        disconnect(model, nullptr, this, nullptr);
    }

    void compareTables_data()
    {
        QTest::addColumn<bool>("with_file");
        QTest::newRow("box and file") << true;
        QTest::newRow("box and box") << false;
    }

    void compareTables()
    {
        QFETCH(bool, with_file);
        PluggedBox hall("Hall"), lab("Lab");
        hall.box->setActuatorSetting(2, hidsim::Setpoint, 235);
        lab.box->setActuatorSetting(2, hidsim::Setpoint, 210);
        lab.box->setActuatorSetting(5, hidsim::Active, 0);
        Window w;
        BoxOverview* overview = w.window.overview();
        QTRY_COMPARE_WITH_TIMEOUT(overview->model()->rowCount(), 2, kReadyMs);
        const QString hall_id = hall.box->serial().right(6).toUpper();
        QTemporaryDir dir;
        QList<VoroDevice::Id> ids;
        for (VoroDevice::Id id : w.window.manager()->deviceIds())
            ids << id;
        std::sort(ids.begin(), ids.end(), [&](int a, int b) {
            return w.window.manager()->device(a).config.location
                < w.window.manager()->device(b).config.location;
        });
        if (with_file) {
            // The file as another box would have written it.
            const QString file = dir.filePath("lab.cfg");
            VoroConfig config = w.window.manager()->device(ids.last()).config;
            QVERIFY(SettingsFile::write(file, config));
            w.dialogs.paths << file;
            overview->select({ ids.first() });
        } else {
            overview->select(ids);
        }
        overview->compare();
        auto* dialog = w.window.findChild<CompareDialog*>("m_compareDialog");
        QVERIFY(dialog);
        const ComparisonTable* table = dialog->table();
        const QString right
            = with_file ? QString("lab.cfg") : "Lab (" + lab.box->serial().right(6).toUpper() + ")";
        QCOMPARE(table->horizontalHeaderItem(2)->text(), "Hall (" + hall_id + ")");
        QCOMPARE(table->horizontalHeaderItem(3)->text(), right);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(rowTexts(table, 0), QStringList({ "Info", "Location", "Hall", "Lab" }));
        QCOMPARE(rowTexts(table, 1),
                 QStringList({ "Actuator 3", "Setpoint", "23.5 °C", "21.0 °C" }));
        QCOMPARE(rowTexts(table, 2), QStringList({ "Actuator 6", "Active", "on", "off" }));
        delete dialog;
    }

    // A backup made on request is listed, previewed against the box and written back.
    void restoreFromListedBackup()
    {
        PluggedBox hall("Hall");
        hall.box->setActuatorSetting(2, hidsim::Setpoint, 235);
        Window w;
        QVERIFY(w.waitSelected("Hall"));
        BoxOverview* overview = w.window.overview();
        overview->select({ w.copy().id });
        overview->backUp();
        QCOMPARE(SettingsBackup::list(hall.box->serial()).size(), 1);
        // Changed at the box; the window takes the box's settings when asked.
        hall.box->setActuatorSetting(2, hidsim::Setpoint, 190);
        QTRY_COMPARE_WITH_TIMEOUT(w.copy().config.actuator_settings.at(2).setpoint, 190, kReadyMs);

        overview->showBackups();
        auto* dialog = w.window.findChild<BackupsDialog*>("m_backupsDialog");
        QVERIFY(dialog);
        QCOMPARE(dialog->backups().size(), 1);
        QCOMPARE(dialog->backups().first().reason, SettingsBackup::MANUAL);
        QCOMPARE(dialog->preview()->rowCount(), 1);
        QCOMPARE(rowTexts(dialog->preview(), 0).mid(2), QStringList({ "19.0 °C", "23.5 °C" }));
        w.dialogs.buttons << UserDialogs::Yes;
        dialog->restoreSelected();
        QTRY_COMPARE_WITH_TIMEOUT(hall.box->actuatorSetting(2, hidsim::Setpoint), 235, kReadyMs);
        // Restoring is a write like any other: backed up first.
        QTRY_COMPARE(dialog->backups().size(), 2);
        delete dialog;
    }

    // After a factory reset the box's old settings are offered back, and Restore writes them.
    void restoreOfferedAfterReset()
    {
        PluggedBox hall("Hall");
        hall.box->setActuatorSetting(2, hidsim::Setpoint, 235);
        Window w;
        QVERIFY(w.waitSelected("Hall"));
        w.dialogs.buttons << UserDialogs::Yes;
        w.action("actionReset_To_Factory_Defaults")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(w.window.findChild<CompareDialog*>("m_restoreOffer"), kReadyMs);
        auto* offer = w.window.findChild<CompareDialog*>("m_restoreOffer");
        QVERIFY(offer->heading().contains("Factory reset"));
        QVERIFY(offer->table()->rowCount() > 0);
        QVERIFY(hall.box->actuatorSetting(2, hidsim::Setpoint) != 235);
        offer->accept();
        QTRY_COMPARE_WITH_TIMEOUT(hall.box->actuatorSetting(2, hidsim::Setpoint), 235, kReadyMs);
        QCOMPARE(hall.box->location(), QString("Hall"));
    }

private:
    QTranslator english;
};

QTEST_MAIN(tst_BoxOverview)
#include "tst_boxoverview.moc"
