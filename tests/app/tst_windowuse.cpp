// The window on a laptop on a site: where it opens, the table and the property editor by
// keyboard alone, what typed values may be and how the user learns it, the hint without a box,
// the program's language in its title. On virtual boxes, through the real window.
#include "tests/support/CommTestSupport.h"

#include "tests/app/WindowFixture.h"
#include "tests/propertyeditor/ModelRows.h"

#include "app/NoBoxHint.h"
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "device/AppSettings.h"
#include "records/ConfigField.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

using hidsim::Bus;
using M = ActuatorModel;
using F = ConfigField;

Q_DECLARE_METATYPE(ConfigField::Name)

namespace {
QString status(const Window& w)
{
    return w.window.statusBar()->currentMessage();
}

// Keys as the user types them: to whatever has the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void type(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// The window with a box, active, its table or editor given the focus.
struct Focused : Window
{
    PluggedBox office { QStringLiteral("Office") };

    bool ready(QWidget* focus)
    {
        if (!waitSelected("Office"))
            return false;
        QApplication::setActiveWindow(&window);
        focus->setFocus();
        return QTest::qWaitFor([focus] { return focus->hasFocus(); });
    }
    int value(F::Name name, int actuator = -1) const
    {
        return F(name, actuator).value(copy().config).toInt();
    }
    QModelIndex current() const { return table()->currentIndex(); }
    // An editor of the view has the focus (the table's buttons and boxes never take it).
    bool editing(QAbstractItemView* view) const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && focus != view && view->isAncestorOf(focus);
    }
};
} // namespace

class tst_WindowUse : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Bus::instance().setLatency(std::chrono::microseconds(0));
        QSettings(AppSettings::ORGANISATION, AppSettings::APPLICATION).clear();
    }

    // The window wants 1510 x 850: it fits where there is room, and opens maximised where
    // there is not; a saved place is kept on today's screens.
    void placement_data()
    {
        QTest::addColumn<QRect>("saved"); // invalid: nothing saved
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("maximized");
        const int title = WindowPlacement::TITLE_BAR;
        const QRect laptop(0, 27, 1366, 741); // 1366 x 768 below a panel
        const QRect large(0, 0, 2560, 1400);
        QTest::newRow("1366x768") << QRect() << laptop << laptop.adjusted(0, title, 0, 0) << true;
        QTest::newRow("1024x700") << QRect() << QRect(0, 0, 1024, 700)
                                  << QRect(0, title, 1024, 700 - title) << true;
        QTest::newRow("large, centred")
            << QRect() << large << QRect(525, 275 + title / 2, 1510, 850) << false;
        QTest::newRow("saved, fits")
            << QRect(100, 200, 1200, 700) << large << QRect(100, 200, 1200, 700) << false;
        QTest::newRow("saved, partly beyond the right edge")
            << QRect(1800, 900, 1200, 700) << large << QRect(1360, 700, 1200, 700) << false;
        QTest::newRow("saved under the title bar's room")
            << QRect(0, 0, 1200, 700) << large << QRect(0, title, 1200, 700) << false;
        QTest::newRow("saved on a monitor that is gone")
            << QRect(3000, 100, 1200, 700) << large << QRect(525, 275 + title / 2, 1510, 850)
            << false;
        QTest::newRow("saved larger than this screen")
            << QRect(0, 0, 1800, 1000) << laptop << laptop.adjusted(0, title, 0, 0) << true;
    }

    void placement()
    {
        QFETCH(QRect, saved);
        QFETCH(QRect, available);
        QFETCH(QRect, geometry);
        QFETCH(bool, maximized);
        const WindowPlacement::Placement p
            = WindowPlacement::fit(saved, QSize(1510, 850), available);
        QCOMPARE(p.geometry, geometry);
        QCOMPARE(p.maximized, maximized);
        QVERIFY(available.contains(p.geometry));
    }

    void table_byKeyboardAlone()
    {
        Focused w;
        QVERIFY(w.ready(w.table()));
        press(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(w.current(), w.cell(M::ROW_ACTIVE, 0));
        for (int row = M::ROW_ACTIVE; row < M::ROW_SETPOINT; ++row)
            press(Qt::Key_Down);
        QCOMPARE(w.current(), w.cell(M::ROW_SETPOINT, 0));

        // Enter edits and takes, F2 edits and Esc drops; the cell stays current
        press(Qt::Key_Return);
        QVERIFY(w.editing(w.table()));
        press(Qt::Key_A, Qt::ControlModifier);
        type("23.5");
        press(Qt::Key_Return);
        QTRY_COMPARE(w.value(F::SETPOINT, 0), 235);
        QTRY_VERIFY(w.table()->hasFocus());
        press(Qt::Key_F2);
        QVERIFY(w.editing(w.table()));
        type("9");
        press(Qt::Key_Escape);
        QTRY_VERIFY(!w.editing(w.table()));
        QCOMPARE(w.value(F::SETPOINT, 0), 235);
        QCOMPARE(w.current(), w.cell(M::ROW_SETPOINT, 0));

        // across the combo box and the spacer to Copy Settings, which Space presses
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(w.current(), w.cell(M::ROW_COPY_SETTINGS, 0));
        QCOMPARE(w.value(F::ACTUATOR_TYPE, 0), int(VoroDefinitions::AT__NC)); // passed, not changed
        press(Qt::Key_Space);
        QTRY_VERIFY(w.button(M::ROW_PASTE_SETTINGS, 1)->isEnabled());
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        QCOMPARE(w.current(), w.cell(M::ROW_PASTE_SETTINGS, 1));
        press(Qt::Key_Return);
        QTRY_COMPARE(w.value(F::SETPOINT, 1), 235);

        // Enter opens a combo box's list, which the keys then pick from
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        QCOMPARE(w.current(), w.cell(M::ROW_ACTUATOR_TYPE, 1));
        auto* box = qobject_cast<QComboBox*>(w.table()->indexWidget(w.current()));
        press(Qt::Key_Return);
        QTRY_VERIFY(box->view()->isVisible());
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(w.value(F::ACTUATOR_TYPE, 1), int(VoroDefinitions::AT__NO));

        // Tab goes from cell to cell and leaves after the last; Ctrl+Tab leaves at once
        QTRY_VERIFY(w.table()->hasFocus());
        press(Qt::Key_Tab);
        QCOMPARE(w.current(), w.cell(M::ROW_ACTUATOR_TYPE, 2));
        press(Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(!w.table()->hasFocus());
        w.table()->setFocus();
        w.table()->setCurrentIndex(w.cell(M::ROW_LOG, 7));
        press(Qt::Key_Tab);
        QVERIFY(!w.table()->hasFocus());
    }

    void propertyEditor_arrowsMoveAndOnlyAnOpenEditorChanges()
    {
        Focused w;
        QVERIFY(w.ready(w.properties()));
        const int interval = w.value(F::LOG_INTERVAL);
        w.properties()->setCurrentIndex(
            findRow(w.properties()->model(), "LogProperties", "Interval"));
        press(Qt::Key_Up);
        press(Qt::Key_Down);
        QVERIFY(!w.editing(w.properties()));
        QCOMPARE(w.value(F::LOG_INTERVAL), interval);

        press(Qt::Key_Return);
        QVERIFY(w.editing(w.properties()));
        press(Qt::Key_Up); // steps the open editor
        press(Qt::Key_Escape);
        QTRY_VERIFY(!w.editing(w.properties()));
        QCOMPARE(w.value(F::LOG_INTERVAL), interval);
        press(Qt::Key_F2);
        press(Qt::Key_Up);
        press(Qt::Key_Return);
        QTRY_COMPARE(w.value(F::LOG_INTERVAL), interval + 60);
    }

    // What the user types is checked against what the field may hold, which the editor's tool
    // tip says and the status bar repeats when a key or a value is refused or limited.
    void typedIntoTable_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<F::Name>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored"); // -1: as before
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("double_click"); // opened by a double-click on the cell, not F2
        const QString setpoint = "Actuator 1: Setpoint – ";
        QTest::newRow("in range") << int(M::ROW_SETPOINT) << F::SETPOINT << "22.5" << 225 << ""
                                  << false;
        // the whole old value goes, not only the word the double-click hit
        QTest::newRow("double-click")
            << int(M::ROW_SETPOINT) << F::SETPOINT << "19" << 190 << "" << true;
        QTest::newRow("beyond") << int(M::ROW_SETPOINT) << F::SETPOINT << "99" << 280
                                << setpoint
                + "99 lies beyond 15.0 … 28.0 °C and has been limited to 28.0 °C"
                                << false;
        QTest::newRow("letters") << int(M::ROW_SETPOINT) << F::SETPOINT << "abc" << -1
                                 << setpoint + "allowed: 15.0 … 28.0 °C" << false;
        QTest::newRow("below zero")
            << int(M::ROW_HYSTERESIS_HEATING) << F::HYSTERESIS_HEATING << "-1" << 0
            << "Actuator 1: Hysteresis Heating – -1 lies beyond 0.0 … 5.0 "
               "K and has been limited to 0.0 K"
            << false;
        QTest::newRow("too long") << int(M::ROW_LOCATION) << F::ACTUATOR_LOCATION
                                  << "a location of thirty letters" << -1
                                  << "Actuator 1: Location – allowed: at most 24 characters, "
                                     "without \";\""
                                  << false;
    }

    void typedIntoTable()
    {
        QFETCH(int, row);
        QFETCH(F::Name, field);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, said);
        QFETCH(bool, double_click);
        Focused w;
        QVERIFY(w.ready(w.table()));
        const QVariant before = F(field, 0).value(w.copy().config);
        if (double_click) {
            w.table()->scrollTo(w.cell(row, 0));
            const QRect cell = w.table()->visualRect(w.cell(row, 0));
            const QPoint at(cell.right() - 4, cell.center().y()); // on the "0" of "21.0"
            QTest::mouseClick(w.table()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QWidget* viewport = w.table()->viewport();
            QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
            // on X11 the double-click reaches the editor it opened under the pointer as well
            QWidget* editor = QApplication::focusWidget();
            QVERIFY(editor && editor != w.table());
            QTest::mouseDClick(editor, Qt::LeftButton, Qt::NoModifier,
                               editor->mapFrom(viewport, at));
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
        } else {
            w.table()->setCurrentIndex(w.cell(row, 0));
            press(Qt::Key_F2);
        }
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QVERIFY(editor->toolTip().startsWith("Allowed: "));
        if (!double_click)
            editor->clear();
        type(typed);
        press(Qt::Key_Return);
        QCoreApplication::processEvents(); // the view takes what was typed once Enter is done
        if (w.editing(w.table())) // not a number yet: the editor stays to finish it
            press(Qt::Key_Escape);
        QTRY_VERIFY(!w.editing(w.table()));
        const QVariant now = F(field, 0).value(w.copy().config);
        if (field == F::ACTUATOR_LOCATION)
            QCOMPARE(now.toString(), typed.left(24));
        else
            QCOMPARE(now, stored < 0 ? before : QVariant(stored));
        QCOMPARE(status(w), said);
    }

    void typedIntoPropertyEditor_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::addColumn<F::Name>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("stored"); // invalid: as before
        QTest::addColumn<QString>("said");
        QTest::newRow("interval 9999, not 9")
            << "LogProperties"
            << "Interval" << F::LOG_INTERVAL << "9999" << QVariant()
            << "Log Interval – allowed: 1 … 60 minutes, in whole minutes";
        QTest::newRow("interval 5") << "LogProperties"
                                    << "Interval" << F::LOG_INTERVAL << "5" << QVariant(300) << "";
        QTest::newRow("interval, letters") << "LogProperties"
                                           << "Interval" << F::LOG_INTERVAL << "x" << QVariant()
                                           << "Log Interval – allowed: 1 … 60 minutes, in whole "
                                              "minutes";
        QTest::newRow("response delay 300") << "RS485Properties"
                                            << "ResponseDelay" << F::MODBUS_RESPONSE_DELAY << "300"
                                            << QVariant() << "Response Delay – allowed: 0 … 255 ms";
        QTest::newRow("location too long")
            << "InfoProperties"
            << "Location" << F::LOCATION << "a location of thirty letters"
            << QVariant("a location of thirty let") << "Location – allowed: at most 24 characters";
    }

    void typedIntoPropertyEditor()
    {
        QFETCH(QString, group);
        QFETCH(QString, name);
        QFETCH(F::Name, field);
        QFETCH(QString, typed);
        QFETCH(QVariant, stored);
        QFETCH(QString, said);
        Focused w;
        QVERIFY(w.ready(w.properties()));
        const QVariant before = F(field).value(w.copy().config);
        const QModelIndex value = findRow(w.properties()->model(), group, name, 1);
        QVERIFY(value.data(Qt::ToolTipRole).toString().startsWith("Allowed: "));
        w.properties()->setCurrentIndex(value);
        press(Qt::Key_Return);
        QVERIFY(w.editing(w.properties()));
        press(Qt::Key_A, Qt::ControlModifier);
        type(typed);
        press(Qt::Key_Return);
        QCoreApplication::processEvents();
        if (w.editing(w.properties())) // refused whole: the editor stays to correct it
            press(Qt::Key_Escape);
        QTRY_VERIFY(!w.editing(w.properties()));
        QCOMPARE(F(field).value(w.copy().config), stored.isValid() ? stored : before);
        QCOMPARE(status(w), said);
    }

    void withoutBox_saysHowToConnectOne()
    {
        Window w;
        auto* hint = w.window.findChild<NoBoxHint*>();
        QVERIFY(hint && hint->isVisible());
        QVERIFY(hint->text().contains("No voro-BOX found"));
        QVERIFY(!w.table()->isVisible() && !w.properties()->isVisible());
        // a box seen that cannot be opened: the hint points to the notice with the fix
        for (int i = 0; i < 2; ++i)
            emit w.window.manager()->deviceOpenFailed("/dev/hidraw7");
        QVERIFY(hint->text().contains("cannot be opened"));

        PluggedBox office("Office");
        QVERIFY(w.waitSelected("Office"));
        QVERIFY(!hint->isVisible());
        QVERIFY(w.table()->isVisible() && w.properties()->isVisible());
    }

    void german_titleAndDates()
    {
        QTranslator german;
        QVERIFY(loadTranslation(german, "de"));
        QCoreApplication::installTranslator(&german);
        Window w;
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(w.window.windowTitle(),
                 QString("voro-BOX Konfigurations- und Diagnoseprogramm 1.1.2"));
        QCOMPARE(programLocale("de").name(), QString("de_CH"));
        QCOMPARE(programLocale("fr").name(), QString("fr_CH"));
        QCOMPARE(programLocale("xx").language(), QLocale::C); // no such language: no names
    }
};

QTEST_MAIN(tst_WindowUse)
#include "tst_windowuse.moc"
