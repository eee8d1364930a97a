// Shows the four device property groups over a sample record, as the main window does, with
// the record's fields beside them so that edits can be seen landing.
// Options: --read-only (a box that is not ready), --language CODE (default en),
// --screenshot FILE (grab the window once shown, save it and quit).
#include "app/ControlProperties.h"
#include "app/InfoProperties.h"
#include "app/LogProperties.h"
#include "app/RS485Properties.h"
#include "app/Startup.h"
#include "records/VoroDevice.h"
#include "propertyeditor/QPropertyEditorWidget.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {
VoroDevice sampleRecord()
{
    VoroDevice device(1);
    device.state = VoroDefinitions::DS__READY;
    device.firmware_version = QStringLiteral("1.1.2.17");
    device.protocol_version = 2;
    device.status.modbus_address = 17;
    device.status.baudrate = 19200;
    device.status.parity = 'e';
    device.status.stop_bits = 1;
    device.status.uptime = 93784;
    device.status.cooling = false;
    device.status.config_write_count = 42;
    device.status.flash_write_count = 7;
    device.config.location = QStringLiteral("Office 2.14");
    device.config.log_interval = 300;
    device.config.common.control_mode = VoroDefinitions::CM__EXTERNAL;
    device.config.common.control_type = VoroDefinitions::CT__DEFINED_BY_INPUT;
    device.config.common.modbus_response_delay = 10;
    return device;
}

QString recordText(const VoroDevice& device)
{
    const CommonSettings& common = device.config.common;
    return QStringLiteral("config.location = \"%1\"\n"
                          "config.log_interval = %2 s\n"
                          "config.common.control_mode = %3\n"
                          "config.common.control_type = %4\n"
                          "config.common.modbus_response_delay = %5 ms\n")
        .arg(device.config.location)
        .arg(device.config.log_interval)
        .arg(enumKey("ControlMode", common.control_mode))
        .arg(enumKey("ControlType", common.control_type))
        .arg(common.modbus_response_delay);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption readOnly(QStringLiteral("read-only"),
                                      QStringLiteral("Box not ready."));
    const QCommandLineOption language(QStringLiteral("language"), QStringLiteral("Catalogue."),
                                      QStringLiteral("code"), QStringLiteral("en"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the window and quit."),
                                        QStringLiteral("file"));
    options.addOptions({ readOnly, language, screenshot });
    options.process(app);

    QTranslator translator;
    loadTranslation(translator, options.value(language));
    QCoreApplication::installTranslator(&translator);

    VoroDevice record = sampleRecord();
    const bool locked = options.isSet(readOnly);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Device property groups"));
    auto* editor = new QPropertyEditorWidget(&window);
    editor->setEditTriggers(QAbstractItemView::AllEditTriggers);
    QFont font = QApplication::font();
    font.setPointSize(9);
    editor->setFont(font);
    editor->header()->hide();
    editor->setFixedWidth(330);
    editor->setColumnWidth(0, 220);
    auto* fields = new QPlainTextEdit(&window);
    fields->setReadOnly(true);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    fields->setFont(fixed);
    fields->setMinimumWidth(400);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(editor);
    layout->addWidget(fields);

    const QList<PropertyObject*> groups = { new InfoProperties(&record, locked, &window),
                                            new ControlProperties(&record, locked, &window),
                                            new RS485Properties(&record, locked, &window),
                                            new LogProperties(&record, locked, &window) };
    for (PropertyObject* group : groups)
        editor->appendObject(group);

    // An edit changes other rows too (the capture window follows the interval).
    auto showRecord = [&] {
        fields->setPlainText(recordText(record));
        for (PropertyObject* group : groups) {
            group->refresh();
            editor->refreshObject(group);
        }
    };
    QObject::connect(editor->propertyModel(), &QAbstractItemModel::dataChanged, fields,
                     [&](const QModelIndex& from, const QModelIndex& to) {
                         if (from == to) // only edits; refreshes span whole groups
                             showRecord();
                     });
    showRecord();

    window.resize(780, 560);
    window.show();
    if (options.isSet(screenshot)) {
        const QString file = options.value(screenshot);
        QTimer::singleShot(0, &window, [&window, file] {
            const bool saved = window.grab().save(file);
            std::printf("%s %s\n", saved ? "screenshot saved to" : "could not save",
                        qPrintable(file));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    const int result = app.exec();
    editor->showObject(nullptr);
    return result;
}
