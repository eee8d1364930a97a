#include "SampleActuators.h"

#include "app/ActuatorModel.h"
#include "app/ActuatorTable.h"
#include "app/ActuatorTableEditors.h"
#include "app/ButtonDelegate.h"
#include "app/CenteredBoxProxy.h"
#include "app/ComboBoxDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QtTest>

namespace {

using M = ActuatorModel;
using Click = QPair<int, int>;

QList<Click> clicks(const QSignalSpy& spy)
{
    QList<Click> result;
    for (const QList<QVariant>& args : spy)
        result << Click(args.at(0).toInt(), args.at(1).toInt());
    return result;
}

// The actuator table as the main window sets it up, shown on the offscreen platform.
struct Table
{
    ActuatorModel model;
    ButtonDelegate copy { QStringLiteral("Copy Settings"), false, 30 };
    ButtonDelegate paste { QStringLiteral("Paste Settings"), false, 30 };
    ButtonDelegate clearErrors { QStringLiteral("Clear Errors"), false, 30 };
    ButtonDelegate test { QStringLiteral("Test"), true, 30 };
    ButtonDelegate log { QStringLiteral("Log"), false, 30 };
    ComboBoxDelegate controlSource { "ControlSource" };
    ComboBoxDelegate sensorType { "SensorType" };
    ComboBoxDelegate actuatorType { "ActuatorType" };
    ActuatorTable view; // after the delegates: it goes first
    SampleActuators box;
    QVector<ActuatorSettings> edits;

    Table()
    {
        model.setCapabilities(M::CAN_CLEAR_ERRORS | M::CAN_TEST | M::CAN_EDIT);
        view.setItemDelegateForRow(M::ROW_COPY_SETTINGS, &copy);
        view.setItemDelegateForRow(M::ROW_PASTE_SETTINGS, &paste);
        view.setItemDelegateForRow(M::ROW_CLEAR_ERRORS, &clearErrors);
        view.setItemDelegateForRow(M::ROW_TEST, &test);
        view.setItemDelegateForRow(M::ROW_LOG, &log);
        view.setItemDelegateForRow(M::ROW_CONTROL_SOURCE, &controlSource);
        view.setItemDelegateForRow(M::ROW_SENSOR_TYPE, &sensorType);
        view.setItemDelegateForRow(M::ROW_ACTUATOR_TYPE, &actuatorType);
        view.setModel(&model);
        QObject::connect(&model, &ActuatorModel::configChanged,
                         [this](int, const ActuatorSettings& s, const QString&) { edits << s; });
        box.applyTo(model);
        view.resize(1300, 1000);
        view.show();
        updatePersistentEditors(&view);
    }

    template<typename T> T* editor(int row, int col) const
    {
        return qobject_cast<T*>(view.indexWidget(model.index(row, col)));
    }
    QPushButton* button(int row, int col) const { return editor<QPushButton>(row, col); }
    QComboBox* combo(int row, int col) const { return editor<QComboBox>(row, col); }
    void update() { box.applyTo(model); }
};

} // namespace

class tst_TableDelegates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installEnglish();
        QApplication::setStyle(new CenteredBoxProxy);
    }

    void everyCell_getsItsButtonOrComboBox();
    void persistentEditors_openOnlyOnce();
    void testButton_reportsClickAfterToggling();
    void disabledCheckedButton_unchecksOnceAndReports();
    void resetCheckState_unchecksAllInKeyOrder();
    void mappedText_needsExactlyTwoParts();
    void modelReset_forgetsDestroyedButtons();
    void buttons_followEnablementAsModelChanges();
    void sensorTypeCombo_listsKeysInDeclarationOrder();
    void comboPick_commitsToModel();
    void refusedComboPick_endsOnFirstItem();
    void modelUpdate_whileComboOpen_writesNothing();
    void comboWithoutItem_commitsNothing();
    void checkBoxRect_followsCheckAlignmentRole();
    void activeCheckBox_isClickedInTheMiddleOfItsCell();
};

void tst_TableDelegates::everyCell_getsItsButtonOrComboBox()
{
    Table t;
    const QVector<QPair<int, QString>> buttons = { { M::ROW_COPY_SETTINGS, "Copy Settings" },
                                                   { M::ROW_PASTE_SETTINGS, "Paste Settings" },
                                                   { M::ROW_CLEAR_ERRORS, "Clear Errors" },
                                                   { M::ROW_TEST, "Test" },
                                                   { M::ROW_LOG, "Log" } };
    for (int col = 0; col < 8; ++col) {
        for (const auto& b : buttons) {
            QPushButton* button = t.button(b.first, col);
            QVERIFY(button);
            QCOMPARE(button->text(), b.second);
            QCOMPARE(button->height(), 30);
            QCOMPARE(button->isCheckable(), b.first == M::ROW_TEST);
            // inside the cell, whose highlight shows around it when it is current
            QTRY_COMPARE(
                button->geometry(),
                ButtonDelegate::insideCell(t.view.visualRect(t.model.index(b.first, col))));
        }
        for (int row : { M::ROW_CONTROL_SOURCE, M::ROW_SENSOR_TYPE, M::ROW_ACTUATOR_TYPE })
            QVERIFY(t.combo(row, col));
    }
    QVERIFY(!t.view.indexWidget(t.model.index(M::ROW_SETPOINT, 0)));
    QVERIFY(t.view.rowHeight(M::ROW_TEST) >= 30); // fitted to the buttons
    QVERIFY(t.view.rowHeight(M::ROW_SPACER_1) < t.view.rowHeight(M::ROW_SETPOINT));

    // Every column shows its widest content whole ("Normally Closed"), and where the table is
    // wider, the columns share the room.
    const int content = t.combo(M::ROW_ACTUATOR_TYPE, 0)->sizeHint().width();
    for (const int width : { 600, 2600 }) {
        t.view.resize(width, 1000);
        int total = 0;
        for (int col = 0; col < 8; ++col) {
            QTRY_VERIFY(t.view.columnWidth(col) >= content);
            QVERIFY(qAbs(t.view.columnWidth(col) - t.view.columnWidth(0)) <= 1);
            total += t.view.columnWidth(col);
        }
        const int room = t.view.viewport()->width();
        QVERIFY2(width < 1000 ? total > room : qAbs(total - room) <= 8,
                 qPrintable(QString::number(total)));
    }
}

void tst_TableDelegates::persistentEditors_openOnlyOnce()
{
    Table t;
    QPushButton* before = t.button(M::ROW_LOG, 2);
    QVERIFY(!updatePersistentEditors(&t.view));
    QCOMPARE(t.button(M::ROW_LOG, 2), before);
    t.model.clear();
    QVERIFY(!updatePersistentEditors(&t.view)); // nothing to open in an empty table
    t.update();
    QVERIFY(updatePersistentEditors(&t.view));
}

void tst_TableDelegates::testButton_reportsClickAfterToggling()
{
    Table t;
    QList<bool> checked_when_clicked;
    QObject::connect(&t.test, &ButtonDelegate::clicked,
                     [&](int row, int col) { checked_when_clicked << t.test.isChecked(row, col); });
    QSignalSpy spy(&t.test, &ButtonDelegate::clicked);
    QTest::mouseClick(t.button(M::ROW_TEST, 3), Qt::LeftButton);
    QTest::mouseClick(t.button(M::ROW_TEST, 3), Qt::LeftButton);
    QCOMPARE(clicks(spy), QList<Click>({ { 26, 3 }, { 26, 3 } }));
    QCOMPARE(checked_when_clicked, QList<bool>({ true, false }));

    QSignalSpy log(&t.log, &ButtonDelegate::clicked);
    QTest::mouseClick(t.button(M::ROW_LOG, 7), Qt::LeftButton);
    QCOMPARE(clicks(log), QList<Click>({ { 27, 7 } }));
    QVERIFY(!t.log.isChecked(27, 7)); // not checkable
    QVERIFY(!t.test.isChecked(26, 42)); // no button there
}

// A Test button whose cell is disabled while the test runs tells the window to stop it.
void tst_TableDelegates::disabledCheckedButton_unchecksOnceAndReports()
{
    QStandardItemModel model(27, 2);
    for (int col = 0; col < 2; ++col)
        model.setItem(26, col, new QStandardItem);
    ButtonDelegate delegate(QStringLiteral("Test"), true, 0);
    QTableView view;
    view.setItemDelegateForRow(26, &delegate);
    view.setModel(&model);
    for (int col = 0; col < 2; ++col)
        view.openPersistentEditor(model.index(26, col));
    auto* button = qobject_cast<QPushButton*>(view.indexWidget(model.index(26, 1)));
    QVERIFY(button);
    button->click();
    QVERIFY(delegate.isChecked(26, 1));

    QSignalSpy spy(&delegate, &ButtonDelegate::clicked);
    model.item(26, 1)->setEnabled(false);
    QCOMPARE(clicks(spy), QList<Click>({ { 26, 1 } }));
    QVERIFY(!button->isChecked());
    QVERIFY(!button->isEnabled());
    model.item(26, 1)->setText(QStringLiteral("again")); // announced again: nothing to stop
    QCOMPARE(spy.count(), 1);
    model.item(26, 1)->setEnabled(true);
    QVERIFY(button->isEnabled());
    QCOMPARE(spy.count(), 1);
}

void tst_TableDelegates::resetCheckState_unchecksAllInKeyOrder()
{
    Table t;
    t.button(M::ROW_TEST, 5)->click();
    t.button(M::ROW_TEST, 1)->click();
    QSignalSpy spy(&t.test, &ButtonDelegate::clicked);
    t.test.resetCheckState();
    QCOMPARE(clicks(spy), QList<Click>({ { 26, 1 }, { 26, 5 } }));
    QVERIFY(!t.test.isChecked(26, 1));
    QVERIFY(!t.test.isChecked(26, 5));
    t.test.resetCheckState();
    QCOMPARE(spy.count(), 2);
}

void tst_TableDelegates::mappedText_needsExactlyTwoParts()
{
    ButtonDelegate delegate(QStringLiteral("Log"), false, 0);
    QSignalSpy spy(&delegate, &ButtonDelegate::clicked);
    for (const char* text : { "26", "26;3;1", "", ";", "4;7" })
        QMetaObject::invokeMethod(&delegate, "onMapped", Q_ARG(QString, QString::fromLatin1(text)));
    QCOMPARE(clicks(spy), QList<Click>({ { 0, 0 }, { 4, 7 } }));
}

void tst_TableDelegates::modelReset_forgetsDestroyedButtons()
{
    Table t;
    QPointer<QPushButton> button = t.button(M::ROW_TEST, 4);
    button->click();
    QVERIFY(t.test.isChecked(26, 4));
    QSignalSpy spy(&t.test, &ButtonDelegate::clicked);
    t.model.clear(); // a reset discards the editors without a word to the device
    QTRY_VERIFY(!button);
    QVERIFY(!t.test.isChecked(26, 4));
    t.test.resetCheckState();
    QCOMPARE(spy.count(), 0);

    t.update();
    updatePersistentEditors(&t.view);
    QVERIFY(t.button(M::ROW_TEST, 4));
    QVERIFY(!t.test.isChecked(26, 4));
}

void tst_TableDelegates::buttons_followEnablementAsModelChanges()
{
    Table t;
    QVERIFY(t.button(M::ROW_COPY_SETTINGS, 0)->isEnabled());
    QVERIFY(!t.button(M::ROW_CLEAR_ERRORS, 2)->isEnabled());
    t.box.data[2].mem_errors = VoroDefinitions::E__POT_NC;
    t.update();
    QVERIFY(t.button(M::ROW_CLEAR_ERRORS, 2)->isEnabled());
    t.box.data[2].errors = VoroDefinitions::E__POT_NC;
    t.update();
    QVERIFY(!t.button(M::ROW_CLEAR_ERRORS, 2)->isEnabled());

    // the first copy of the process enables every Paste button, in every table
    Table other;
    for (int col = 0; col < 8; ++col)
        QVERIFY(!t.button(M::ROW_PASTE_SETTINGS, col)->isEnabled());
    t.model.setSettingsCopied();
    other.update(); // announces nothing; the flag is read when the buttons open
    for (int col = 0; col < 8; ++col)
        QVERIFY(t.button(M::ROW_PASTE_SETTINGS, col)->isEnabled());
    Table next;
    QVERIFY(next.button(M::ROW_PASTE_SETTINGS, 6)->isEnabled());
}

void tst_TableDelegates::sensorTypeCombo_listsKeysInDeclarationOrder()
{
    Table t;
    QComboBox* box = t.combo(M::ROW_SENSOR_TYPE, 0);
    QCOMPARE(box->count(), 13);
    QCOMPARE(box->maxVisibleItems(), 20);
    QCOMPARE(box->itemText(0), QStringLiteral("10K3A1 NTC"));
    QCOMPARE(box->itemData(0).toInt(), int(VoroDefinitions::ST__10K3A1_NTC));
    QCOMPARE(box->itemText(12), QStringLiteral("NI1000 TK5000"));
    QCOMPARE(box->itemData(12).toInt(), int(VoroDefinitions::ST__NI1000_TK5000));
    QCOMPARE(box->currentData().toInt(), int(VoroDefinitions::ST__PT1000));
    // an actuator is never offered itself to follow
    for (int col = 0; col < 8; ++col) {
        QCOMPARE(t.combo(M::ROW_CONTROL_SOURCE, col)->count(), 8);
        QCOMPARE(t.combo(M::ROW_CONTROL_SOURCE, col)->findData(col + 1), -1);
    }
    QCOMPARE(t.combo(M::ROW_CONTROL_SOURCE, 0)->currentText(), QStringLiteral("Sensors"));
    QCOMPARE(t.combo(M::ROW_ACTUATOR_TYPE, 0)->itemText(1), QStringLiteral("Normally Open"));
    QCOMPARE(ComboBoxDelegate("NoSuchEnumeration").items().size(), 0);

    t.box.settings[3].sensor_type = 99; // matches no item
    t.update();
    QCOMPARE(t.combo(M::ROW_SENSOR_TYPE, 3)->currentIndex(), -1);
    QVERIFY(t.edits.isEmpty());
}

void tst_TableDelegates::comboPick_commitsToModel()
{
    Table t;
    QComboBox* box = t.combo(M::ROW_SENSOR_TYPE, 1);
    box->setCurrentIndex(box->findData(int(VoroDefinitions::ST__SIE1)));
    QCOMPARE(t.edits.size(), 1);
    QCOMPARE(t.edits.first().sensor_type, int(VoroDefinitions::ST__SIE1));
    QCOMPARE(t.model.data(t.model.index(M::ROW_SENSOR_TYPE, 1), Qt::EditRole).toInt(),
             int(VoroDefinitions::ST__SIE1));

    QComboBox* type = t.combo(M::ROW_ACTUATOR_TYPE, 1);
    type->setCurrentIndex(1);
    QCOMPARE(t.edits.last().actuator_type, int(VoroDefinitions::AT__NO));
}

void tst_TableDelegates::refusedComboPick_endsOnFirstItem()
{
    Table t;
    t.box.settings[2].control_source = VoroDefinitions::CS__ACTUATOR_5;
    t.update();
    QComboBox* box = t.combo(M::ROW_CONTROL_SOURCE, 2);
    QCOMPARE(box->currentText(), QStringLiteral("Actuator 5"));
    // actuator 5 cannot follow actuator 3, which follows it
    QComboBox* fifth = t.combo(M::ROW_CONTROL_SOURCE, 4);
    fifth->setCurrentIndex(fifth->findData(int(VoroDefinitions::CS__ACTUATOR_3)));
    QCOMPARE(fifth->currentIndex(), 0);
    QCOMPARE(t.edits.size(), 1);
    QCOMPARE(t.edits.first().control_source, int(VoroDefinitions::CS__SENSORS));
    QCOMPARE(t.model.data(t.model.index(M::ROW_CONTROL_SOURCE, 4), Qt::EditRole).toString(),
             QStringLiteral("0"));

    // the same pick in another column is fine
    QComboBox* first = t.combo(M::ROW_CONTROL_SOURCE, 0);
    first->setCurrentIndex(first->findData(int(VoroDefinitions::CS__ACTUATOR_3)));
    QCOMPARE(t.edits.last().control_source, int(VoroDefinitions::CS__ACTUATOR_3));
    QCOMPARE(first->currentText(), QStringLiteral("Actuator 3"));
}

void tst_TableDelegates::modelUpdate_whileComboOpen_writesNothing()
{
    Table t;
    t.box.settings[0].sensor_type = VoroDefinitions::ST__NI1000;
    t.box.settings[0].control_source = VoroDefinitions::CS__ACTUATOR_2;
    t.box.settings[0].actuator_type = VoroDefinitions::AT__NO;
    t.update();
    QCOMPARE(t.combo(M::ROW_SENSOR_TYPE, 0)->currentText(), QStringLiteral("NI1000"));
    QCOMPARE(t.combo(M::ROW_CONTROL_SOURCE, 0)->currentText(), QStringLiteral("Actuator 2"));
    QCOMPARE(t.combo(M::ROW_ACTUATOR_TYPE, 0)->currentText(), QStringLiteral("Normally Open"));
    QVERIFY(t.edits.isEmpty());
}

// Focus changes commit open editors; a box that shows no item must not write its emptiness.
void tst_TableDelegates::comboWithoutItem_commitsNothing()
{
    Table t;
    t.box.settings[4].sensor_type = 99;
    t.update();
    QComboBox* box = t.combo(M::ROW_SENSOR_TYPE, 4);
    emit t.sensorType.commitData(box);
    QVERIFY(t.edits.isEmpty());
    QCOMPARE(t.model.data(t.model.index(M::ROW_SENSOR_TYPE, 4), Qt::EditRole).toInt(), 99);
}

void tst_TableDelegates::checkBoxRect_followsCheckAlignmentRole()
{
    CenteredBoxProxy style;
    QStandardItemModel other(1, 4);
    other.setData(other.index(0, 1), int(Qt::AlignRight), M::CheckAlignmentRole);
    other.setData(other.index(0, 2), int(Qt::AlignLeft | Qt::AlignHCenter), M::CheckAlignmentRole);
    other.setData(other.index(0, 3), int(Qt::AlignVCenter), M::CheckAlignmentRole);
    Table t;

    QStyleOptionViewItem option;
    option.rect = QRect(100, 40, 121, 30);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const auto rectFor = [&](const QModelIndex& index, QStyle::SubElement element) {
        option.index = index;
        return style.subElementRect(element, &option, nullptr);
    };
    const auto base = [&](const QModelIndex& index, QStyle::SubElement element) {
        option.index = index;
        return style.baseStyle()->subElementRect(element, &option, nullptr);
    };
    const QStyle::SubElement check = QStyle::SE_ItemViewItemCheckIndicator;
    const QRect plain = base(t.model.index(0, 0), check);
    QVERIFY(plain.width() > 0);

    const QRect centred = rectFor(t.model.index(0, 0), check);
    QCOMPARE(centred.left(), 100 + 121 / 2 - plain.width() / 2);
    QCOMPARE(centred.size(), plain.size());
    QCOMPARE(centred.top(), plain.top());

    const QRect right = rectFor(other.index(0, 1), check);
    QCOMPARE(right.right(), 220 - (plain.left() - 100));
    QCOMPARE(right.top(), plain.top());
    QCOMPARE(rectFor(other.index(0, 2), check), plain); // left wins
    QCOMPARE(rectFor(other.index(0, 3), check), plain); // no horizontal wish
    QCOMPARE(rectFor(other.index(0, 0), check), plain); // no value at all
    QCOMPARE(rectFor(QModelIndex(), check), plain);
    const QStyle::SubElement text = QStyle::SE_ItemViewItemText;
    QCOMPARE(rectFor(t.model.index(0, 0), text), base(t.model.index(0, 0), text));
    QStyleOption not_a_view_item;
    not_a_view_item.rect = option.rect;
    QCOMPARE(style.subElementRect(check, &not_a_view_item, nullptr),
             style.baseStyle()->subElementRect(check, &not_a_view_item, nullptr));
}

void tst_TableDelegates::activeCheckBox_isClickedInTheMiddleOfItsCell()
{
    Table t;
    const QRect cell = t.view.visualRect(t.model.index(M::ROW_ACTIVE, 2));
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {},
                      QPoint(cell.left() + 8, cell.center().y()));
    QVERIFY(t.edits.isEmpty()); // where the platform style would have drawn it
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(t.edits.size(), 1);
    QVERIFY(!t.edits.first().active);
    QCOMPARE(t.model.data(t.model.index(M::ROW_ACTIVE, 2), Qt::CheckStateRole).toInt(),
             int(Qt::Unchecked));
}

QTEST_MAIN(tst_TableDelegates)
#include "tst_tabledelegates.moc"
