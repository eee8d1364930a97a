// Per-user settings and the compiled translation catalogues.
#include "app/Startup.h"
#include "device/AppSettings.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class tst_AppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings(AppSettings::ORGANISATION, AppSettings::APPLICATION).clear(); }

    void firstRunStartsAtHomeInEnglish()
    {
        QCOMPARE(AppSettings::language(), QString("en"));
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_LOGS), QDir::homePath());
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_IMPORT), QDir::homePath());
        QCOMPARE(lastFolder(AppSettings::FOLDER_IMPORT_LOG), QDir::homePath());
    }

    void chosenFileRemembersItsFolderPerKind()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("log.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        setLastFolder(AppSettings::FOLDER_IMPORT_LOG, file.fileName());
        QCOMPARE(lastFolder(AppSettings::FOLDER_IMPORT_LOG), dir.path());
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_IMPORT), QDir::homePath());

        // stored where other tools and later versions look for it
        QSettings settings("brenmar automation ag", "voro-BOX-CDU");
        QCOMPARE(settings.value("folder/import_log").toString(), dir.path());
    }

    void folderOrUnknownPathIsKeptAsGiven()
    {
        QTemporaryDir dir;
        setLastFolder(AppSettings::FOLDER_EXPORT_LOGS, dir.path());
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_LOGS), dir.path());
        setLastFolder(AppSettings::FOLDER_EXPORT_LOGS, dir.filePath("not/there.csv"));
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_LOGS), dir.filePath("not/there.csv"));
        setLastFolder(AppSettings::FOLDER_EXPORT_LOGS, QString());
        QCOMPARE(lastFolder(AppSettings::FOLDER_EXPORT_LOGS), QDir::homePath());
    }

    void storedLanguageIsRead()
    {
        QSettings("brenmar automation ag", "voro-BOX-CDU").setValue("lang", "de");
        QCOMPARE(AppSettings::language(), QString("de"));
    }

    void catalogues_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("text");
        QTest::newRow("en sensor") << "en" << true << "ST__2_2K3A1_NTC"
                                   << "2.2K3A1 NTC";
        QTest::newRow("en error") << "en" << true << "E__POT_OUT_OF_RANGE"
                                  << "Potentiometer out of range";
        QTest::newRow("en source") << "en" << true << "CS__ACTUATOR_8"
                                   << "Actuator 8";
        QTest::newRow("en input") << "en" << true << "CT__DEFINED_BY_INPUT"
                                  << "Defined by X19";
        QTest::newRow("en group") << "en" << true << "RS485Properties"
                                  << "RS485";
        QTest::newRow("en property") << "en" << true << "ConfigWriteCount"
                                     << "EEPROM Write Count";
        QTest::newRow("en duration") << "en" << true << "Duration"
                                     << "Capture Window";
        QTest::newRow("de sensor") << "de" << true << "ST__NI1000_TK5000"
                                   << "NI1000 TK5000";
        QTest::newRow("de error") << "de" << true << "E__SENSOR_NC"
                                  << "Fühler nicht angeschlossen";
        QTest::newRow("de input") << "de" << true << "CT__DEFINED_BY_INPUT"
                                  << "Gemäss X19";
        QTest::newRow("de property") << "de" << true << "Location"
                                     << "Standort";
        QTest::newRow("fr sensor") << "fr" << true << "ST__10K_NTC_CAREL"
                                   << "10K NTC Carel";
        QTest::newRow("fr source") << "fr" << true << "CS__SENSORS"
                                   << "Sondes";
        QTest::newRow("fr actuator type") << "fr" << true << "AT__NC"
                                          << "Fermé (NF)";
        QTest::newRow("no catalogue") << "xx" << false << "ST__PT1000"
                                      << "ST__PT1000";
    }

    void catalogues()
    {
        QFETCH(QString, language);
        QFETCH(bool, loads);
        QFETCH(QString, source);
        QFETCH(QString, text);
        QTranslator translator;
        QCOMPARE(loadTranslation(translator, language), loads);
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(QObject::tr(source.toLatin1().constData()), text);
        QCoreApplication::removeTranslator(&translator);
    }

    // Standard buttons and file dialogs come from Qt's own catalogue, when it is installed.
    void qtCatalogue_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("text");
        QTest::newRow("de yes") << "de"
                                << "&Yes"
                                << "&Ja";
        QTest::newRow("de close, Swiss") << "de"
                                         << "Close"
                                         << "Schliessen";
        QTest::newRow("fr no") << "fr"
                               << "&No"
                               << "&Non";
    }

    void qtCatalogue()
    {
        QFETCH(QString, language);
        QFETCH(QString, source);
        QFETCH(QString, text);
        QVERIFY(!qtTranslation("xx"));
        std::unique_ptr<QTranslator> translator = qtTranslation(language);
        if (!translator)
            QSKIP("Qt's translations are not installed (qttranslations5-l10n)");
        QCoreApplication::installTranslator(translator.get());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", source.toUtf8().constData()), text);
        QCoreApplication::removeTranslator(translator.get());
    }

    void logoIsInTheResources() { QVERIFY(!QImage(":/Images/image_logo.png").isNull()); }
};

QTEST_MAIN(tst_AppSettings)
#include "tst_appsettings.moc"
