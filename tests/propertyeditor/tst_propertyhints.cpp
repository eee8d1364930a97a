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

class tst_PropertyHints : public QObject
{
    Q_OBJECT

private slots:
    void setters_storeOnDeclaredPropertiesOnly()
    {
        Base base;
        base.setProperty("Note", 1);
        base.setReadOnly("Note", true); // a dynamic property takes no hints
        base.setUnit("Missing", "kg");
        base.setHidden("count", true); // names are case sensitive
        QCOMPARE(base.dynamicPropertyNames(), QList<QByteArray> { "Note" });

        // Texts and colours are removed when empty; flags and numbers are kept as given.
        base.setUnit("Count", "ms");
        base.setUnit("Count", QString());
        base.setBackground("Name", QColor());
        base.setHidden("Name", false);
        base.setItemText("Grade", 2, QString());
        QCOMPARE(base.dynamicPropertyNames(),
                 (QList<QByteArray> { "Note", "_Name#hidden", "_Grade#text_2" }));
    }

    void readOnly_rulesInOrder()
    {
        Base base;
        base.setProperty("Note", "n");
        QVERIFY(!Property("Count", &base, nullptr).isReadOnly());
        QVERIFY(Property("Fixed", &base, nullptr).isReadOnly()); // no WRITE
        QVERIFY(!Property("Note", &base, nullptr).isReadOnly()); // dynamic
        QVERIFY(Property("Root", nullptr, nullptr).isReadOnly());

        // The hint's presence counts, not its value.
        base.setHint("Count", "readOnly", false);
        QVERIFY(Property("Count", &base, nullptr).isReadOnly());
        base.setReadOnly("Count", false);
        QVERIFY(!Property("Count", &base, nullptr).isReadOnly());
        base.setReplacement("Count", "-");
        QVERIFY(Property("Count", &base, nullptr).isReadOnly());

        // A name the object does not have reads nothing and writes nothing.
        Property missing("Missing", &base, nullptr);
        QVERIFY(missing.isReadOnly());
        missing.setValue(1);
        QVERIFY(!missing.value().isValid());
        QVERIFY(!base.dynamicPropertyNames().contains("Missing"));
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

    void classInfoHints_grammar()
    {
        QLineEdit edit;
        EditorHints::applyClassInfoHints(&edit,
                                         " maxLength = 7 ; placeholderText=type here;"
                                         "readOnly=true");
        QCOMPARE(edit.maxLength(), 7);
        QCOMPARE(edit.placeholderText(), QString("type here"));
        QVERIFY(!edit.isReadOnly()); // no closing ";"

        QSpinBox spin;
        QSignalSpy changed(&spin, qOverload<int>(&QSpinBox::valueChanged));
        EditorHints::applyClassInfoHints(&spin, "minimum=1;maximum=60;singleStep=x;");
        QCOMPARE(spin.minimum(), 1);
        QCOMPARE(spin.maximum(), 60);
        QCOMPARE(spin.singleStep(), 1); // not convertible: unchanged
        QCOMPARE(changed.count(), 0); // the clamp to 1 is no edit
        QVERIFY(!spin.signalsBlocked());
    }

    void enumDisplay_textHintsAndUnknownValues()
    {
        Base base;
        EnumProperty grade("Grade", &base, nullptr);
        QCOMPARE(grade.value(Qt::DisplayRole).toString(), QString("LV__MID"));
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
        const auto* items = static_cast<const QStandardItemModel*>(combo->model());
        QStringList texts;
        QList<bool> enabled;
        for (int i = 0; i < combo->count(); ++i) {
            texts << combo->itemText(i);
            enabled << items->item(i)->isEnabled();
        }
        QCOMPARE(texts,
                 (QStringList { "Sensors", "LV__LOW", "Medium", "Others", "LV__HIGH", "LV__MAX",
                                "End" }));
        QCOMPARE(enabled, (QList<bool> { false, true, true, false, false, true, false }));
        QCOMPARE(combo->maxVisibleItems(), 3);
        QCOMPARE(combo->itemData(5).toString(), QString("LV__MAX"));

        // Filling selects the object's value; choosing writes it at once; headings write nothing.
        QVERIFY(grade.setEditorData(combo, QVariant::fromValue(Base::LV__MID)));
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(grade.editorData(combo), QVariant("LV__MID"));
        combo->setCurrentIndex(5);
        QCOMPARE(base.grade, Base::LV__MAX);
        combo->setCurrentIndex(3);
        QCOMPARE(base.grade, Base::LV__MAX);
        // A value the enumeration does not know selects no item, and writes nothing.
        QVERIFY(grade.setEditorData(combo, 42));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(base.grade, Base::LV__MAX);
    }
};

QTEST_MAIN(tst_PropertyHints)
#include "tst_propertyhints.moc"
