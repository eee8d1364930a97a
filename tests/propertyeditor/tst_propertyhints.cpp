#include "TestObjects.h"

#include "propertyeditor/EditorHints.h"
#include "propertyeditor/EnumProperty.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QtTest>

#include <memory>

namespace {
QStringList itemTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

bool itemEnabled(const QComboBox* combo, int row)
{
    const auto* model = static_cast<const QStandardItemModel*>(combo->model());
    return model->item(row)->isEnabled();
}
} // namespace

class tst_PropertyHints : public QObject
{
    Q_OBJECT

private slots:
    void setters_storeDynamicPropertiesAndRemoveThem()
    {
        Base base;
        base.setReadOnly("Count", true);
        QCOMPARE(base.property("_Count#readOnly"), QVariant(1));
        base.setReadOnly("Count", false);
        QVERIFY(!base.dynamicPropertyNames().contains("_Count#readOnly"));

        base.setUnit("Count", "ms");
        base.setUnit("Count", QString());
        base.setReplacement("Name", QString());
        base.setDisplayName("Name", QString());
        base.setForeground("Name", QColor());
        base.setBackground("Name", QColor());
        QVERIFY(base.dynamicPropertyNames().isEmpty());

        // Booleans and numbers are kept whatever their value.
        base.setHidden("Name", false);
        base.setImmediateUpdatesDisabled("Count", false);
        base.setItemText("Grade", 2, QString());
        base.setItemDisabled("Grade", 3, false);
        base.setPrecision("Ratio", 3);
        base.setMaxVisibleItems("Grade", 4);
        base.setMinimum("Count", 2);
        base.setMaximum("Count", 9);
        base.setHint("Count", "singleStep", 3);
        QCOMPARE(base.property("_Name#hidden"), QVariant(false));
        QCOMPARE(base.property("_Count#immediate_updates_disabled"), QVariant(false));
        QCOMPARE(base.property("_Grade#text_2"), QVariant(QString()));
        QCOMPARE(base.property("_Grade#disabled_3"), QVariant(false));
        QCOMPARE(base.property("_Ratio#precision"), QVariant(3));
        QCOMPARE(base.property("_Grade#max_visible_items"), QVariant(4));
        QCOMPARE(base.property("_Count#minimum"), QVariant(2));
        QCOMPARE(base.property("_Count#maximum"), QVariant(9));
        QCOMPARE(base.property("_Count#singleStep"), QVariant(3));
    }

    void setters_ignoreNamesTheObjectDoesNotDeclare()
    {
        Base base;
        base.setProperty("Note", 1);
        base.setReadOnly("Note", true); // dynamic: no hints
        base.setUnit("Missing", "kg");
        base.setHidden("count", true); // names are case sensitive
        QCOMPARE(base.dynamicPropertyNames(), QList<QByteArray> { "Note" });
        base.setUnit("secret", "kg"); // declared, though not shown
        QVERIFY(base.dynamicPropertyNames().contains("_secret#unit"));
    }

    void getters_readHintsOrDefaults()
    {
        Base base;
        Property count("Count", &base, nullptr);
        Property group("Base", nullptr, nullptr);
        QCOMPARE(count.displayName(), QString("Count"));
        QCOMPARE(count.unit(), QString());
        QVERIFY(!count.background().isValid());
        QVERIFY(!count.isHidden());
        QCOMPARE(count.maxVisibleItems(), 0);
        QCOMPARE(count.labels(), (QMap<int, QString>()));

        base.setDisplayName("Count", "Amount");
        base.setBackground("Count", QColor(Qt::green));
        base.setHint("Count", "foreground", "#102030"); // converted from text
        base.setHint("Count", "hidden", "true");
        base.setHint("Count", "max_visible_items", "many"); // not a number
        QCOMPARE(count.displayName(), QString("Amount"));
        QCOMPARE(count.background(), QColor(Qt::green));
        QCOMPARE(count.foreground(), QColor(0x10, 0x20, 0x30));
        QVERIFY(count.isHidden());
        QCOMPARE(count.maxVisibleItems(), 0);
        base.setHint("Count", "background", QStringLiteral("no colour"));
        QVERIFY(!count.background().isValid());

        // Nodes without an object have no hints.
        QCOMPARE(group.displayName(), QString("Base"));
        QVERIFY(!group.isHidden());
        QVERIFY(!group.value(Qt::DisplayRole).isValid());
        QVERIFY(!group.value(Qt::ToolTipRole).isValid());
    }

    void labels_roundTripAndSkipMalformedLines()
    {
        Base base;
        Property grade("Grade", &base, nullptr);
        const QMap<int, QString> labels { { 2, "Others" }, { 0, "Sensors" }, { -1, "" } };
        base.setLabels("Grade", labels);
        QCOMPARE(base.property("_Grade#labels").toString(),
                 QString("-1\t\n0\tSensors\n2\tOthers\n"));
        QCOMPARE(grade.labels(), labels);

        base.setHint("Grade", "labels", "1\tOne\nno tab\n3\tthree\tparts\nx\tZero\n1\tUno");
        QCOMPARE(grade.labels(), (QMap<int, QString> { { 0, "Zero" }, { 1, "Uno" } }));
    }

    void readOnly_rulesInOrder()
    {
        Base base;
        base.setProperty("Note", "n");
        QVERIFY(!Property("Count", &base, nullptr).isReadOnly());
        QVERIFY(Property("Fixed", &base, nullptr).isReadOnly()); // no WRITE
        QVERIFY(!Property("Note", &base, nullptr).isReadOnly()); // dynamic
        QVERIFY(Property("Missing", &base, nullptr).isReadOnly());
        QVERIFY(Property("Root", nullptr, nullptr).isReadOnly());

        // The hint's presence counts, not its value.
        base.setHint("Count", "readOnly", false);
        QVERIFY(Property("Count", &base, nullptr).isReadOnly());
        base.setReadOnly("Count", false);
        QVERIFY(!Property("Count", &base, nullptr).isReadOnly());
        base.setReplacement("Count", "—");
        QVERIFY(Property("Count", &base, nullptr).isReadOnly());
    }

    void values_readAndWriteTheObject()
    {
        Base base;
        Property count("Count", &base, nullptr);
        QCOMPARE(count.value(), QVariant(7));
        count.setValue(QVariant(12));
        QCOMPARE(base.count, 12);
        count.setValue(5.0); // the spin box slots
        QCOMPARE(base.count, 5);
        Property missing("Missing", &base, nullptr);
        QVERIFY(!missing.value().isValid());
        missing.setValue(1);
        QVERIFY(!base.dynamicPropertyNames().contains("Missing"));

        // A node outlives no object: once it is gone, the node shows nothing.
        auto* gone = new Base;
        Property orphan("Count", gone, nullptr);
        delete gone;
        QVERIFY(!orphan.value().isValid());
        QVERIFY(orphan.isReadOnly());
    }

    void findNodeFor_searchesDepthFirst()
    {
        Base first, second;
        Property root("Root", nullptr, nullptr);
        auto* groupA = new Property("A", nullptr, &root);
        auto* a1 = new Property("Count", &first, groupA);
        auto* groupB = new Property("B", nullptr, &root);
        auto* b1 = new Property("Count", &second, groupB);
        QCOMPARE(root.findNodeFor(&first), a1);
        QCOMPARE(root.findNodeFor(&second), b1);
        QCOMPARE(a1->findNodeFor(&first), a1);
        QCOMPARE(groupA->findNodeFor(&second), nullptr);
    }

    void classInfoHints_grammar()
    {
        QLineEdit edit;
        EditorHints::applyClassInfoHints(&edit,
                                         " maxLength = 7 ; placeholderText=type here;"
                                         "readOnly=true");
        QCOMPARE(edit.maxLength(), 7);
        QCOMPARE(edit.placeholderText(), QString("type here"));
        QVERIFY(!edit.isReadOnly()); // no closing ";"
        QVERIFY(!edit.signalsBlocked());

        QSpinBox spin;
        spin.setValue(0);
        QSignalSpy changed(&spin, qOverload<int>(&QSpinBox::valueChanged));
        EditorHints::applyClassInfoHints(&spin, "minimum=1;maximum=60;singleStep=x;");
        QCOMPARE(spin.minimum(), 1);
        QCOMPARE(spin.maximum(), 60);
        QCOMPARE(spin.singleStep(), 1); // not convertible: unchanged
        QCOMPARE(changed.count(), 0); // the clamp to 1 went unannounced
        EditorHints::applyClassInfoHints(nullptr, "minimum=1;");
        EditorHints::applyClassInfoHints(&spin, QString());
    }

    void enumDisplay_textHintsAndUnknownValues()
    {
        Base base;
        EnumProperty grade("Grade", &base, nullptr);
        QCOMPARE(grade.value(Qt::DisplayRole).toString(), QString("LV__MID"));
        QCOMPARE(grade.value(Qt::UserRole).toInt(), int(Base::LV__MID));
        base.setItemText("Grade", 1, "Medium");
        QCOMPARE(grade.value(Qt::DisplayRole).toString(), QString("Medium"));
        base.grade = Base::Level(17); // from a faulty source
        QCOMPARE(grade.value(Qt::DisplayRole).toString(), QString("17"));
    }

    void enumEditor_itemsDisabledItemsAndHeadings()
    {
        Base base;
        base.setItemText("Grade", 1, "Medium");
        base.setItemDisabled("Grade", 2, true);
        base.setLabels("Grade", { { 0, "Sensors" }, { 2, "Others" }, { 9, "End" } });
        base.setMaxVisibleItems("Grade", 3);
        EnumProperty grade("Grade", &base, nullptr);
        std::unique_ptr<QWidget> editor(grade.createEditor(nullptr, QStyleOptionViewItem()));
        auto* combo = qobject_cast<QComboBox*>(editor.get());
        QVERIFY(combo);
        QCOMPARE(itemTexts(combo),
                 (QStringList { "Sensors", "LV__LOW", "Medium", "Others", "LV__HIGH", "LV__MAX",
                                "End" }));
        QCOMPARE(combo->maxVisibleItems(), 3);
        QVERIFY(!itemEnabled(combo, 0));
        QVERIFY(itemEnabled(combo, 1));
        QVERIFY(itemEnabled(combo, 2));
        QVERIFY(!itemEnabled(combo, 4)); // LV__HIGH disabled
        QVERIFY(itemEnabled(combo, 5));
        QVERIFY(!combo->itemData(3).isValid());
        QCOMPARE(combo->itemData(5).toString(), QString("LV__MAX"));

        // Filling selects the object's value; choosing writes it at once.
        QVERIFY(grade.setEditorData(combo, QVariant::fromValue(Base::LV__MID)));
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(grade.editorData(combo), QVariant("LV__MID"));
        combo->setCurrentIndex(5);
        QCOMPARE(base.grade, Base::LV__MAX);
        combo->setCurrentIndex(3); // a heading carries no value
        QCOMPARE(base.grade, Base::LV__MAX);
        grade.valueChanged(QString());
        QCOMPARE(base.grade, Base::LV__MAX);
        QVERIFY(!grade.setEditorData(combo, 42));
        QLineEdit notACombo;
        QVERIFY(!grade.setEditorData(&notACombo, 1));
        QVERIFY(!grade.editorData(&notACombo).isValid());
    }

    void spinEditors_limitsAndLiveUpdates()
    {
        Base base;
        Property count("Count", &base, nullptr);
        std::unique_ptr<QWidget> editor(count.createEditor(nullptr, QStyleOptionViewItem()));
        auto* spin = qobject_cast<QSpinBox*>(editor.get());
        QVERIFY(spin);
        QCOMPARE(spin->minimum(), -2147483647);
        QCOMPARE(spin->maximum(), 2147483647);
        QVERIFY(count.setEditorData(spin, 33));
        QCOMPARE(base.count, 7); // filling is no edit
        spin->setValue(34);
        QCOMPARE(base.count, 34);
        QCOMPARE(count.editorData(spin), QVariant(34));

        base.setImmediateUpdatesDisabled("Ratio", true);
        base.setPrecision("Ratio", 4);
        Property ratio("Ratio", &base, nullptr);
        std::unique_ptr<QWidget> doubleEditor(ratio.createEditor(nullptr, QStyleOptionViewItem()));
        auto* doubleSpin = qobject_cast<QDoubleSpinBox*>(doubleEditor.get());
        QVERIFY(doubleSpin);
        ratio.applyEditorHints(doubleSpin);
        QCOMPARE(doubleSpin->decimals(), 4);
        QCOMPARE(doubleSpin->minimum(), -2147483647.0);
        doubleSpin->setValue(0.1234);
        QCOMPARE(base.ratio, 0.5);
        QCOMPARE(ratio.editorData(doubleSpin).toDouble(), 0.1234);

        // Text has no editor of its own; the delegate's standard one serves.
        Property name("Name", &base, nullptr);
        QVERIFY(!name.createEditor(nullptr, QStyleOptionViewItem()));
        QVERIFY(!name.setEditorData(spin, "x"));
        QVERIFY(!name.editorData(spin).isValid());
    }
};

QTEST_MAIN(tst_PropertyHints)
#include "tst_propertyhints.moc"
