#include "TestObjects.h"

#include "propertyeditor/ColorCombo.h"
#include "propertyeditor/QPropertyEditorWidget.h"
#include "propertyeditor/QVariantDelegate.h"

#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolTip>
#include <QtTest>

#include <memory>

class tst_PropertyDelegate : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QPropertyEditorWidget> widget;
    std::unique_ptr<Base> base;

    QModelIndex row(const QString& name) { return findRow(widget->model(), "Base", name, 1); }

    QWidget* openEditor(const QString& name)
    {
        const QModelIndex value = row(name);
        widget->setCurrentIndex(value);
        widget->edit(value.sibling(value.row(), 0)); // a name edits its value
        return widget->indexWidget(value);
    }

    // Enter, as the user commits; the view closes the editor once it has taken the value.
    void commit(const QString& name)
    {
        QWidget* editor = widget->indexWidget(row(name));
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!widget->indexWidget(row(name)));
    }

    void hoverFor(const QModelIndex& index)
    {
        const QPoint at = widget->visualRect(index).center();
        QHelpEvent event(QEvent::ToolTip, at, widget->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(widget->viewport(), &event);
    }

private slots:
    void init()
    {
        base = std::make_unique<Base>();
        widget = std::make_unique<QPropertyEditorWidget>();
        widget->resize(260, 400);
        widget->setColumnWidth(0, 180);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    }

    void cleanup()
    {
        widget->showObject(nullptr);
        widget.reset();
        base.reset();
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void spinBoxes_hintedLimitsAndLiveUpdates()
    {
        base->setImmediateUpdatesDisabled("Ratio", true);
        widget->appendObject(base.get());
        auto* spin = qobject_cast<QSpinBox*>(openEditor("Count"));
        QVERIFY(spin);
        QCOMPARE(spin->minimum(), 1);
        QCOMPARE(spin->maximum(), 60);
        QCOMPARE(spin->value(), 7);
        spin->stepUp(); // live: every step reaches the object
        QCOMPARE(base->count, 8);
        commit("Count");

        auto* doubleSpin = qobject_cast<QDoubleSpinBox*>(openEditor("Ratio"));
        QVERIFY(doubleSpin);
        doubleSpin->setValue(0.25);
        QCOMPARE(base->ratio, 0.5);
        commit("Ratio");
        QCOMPARE(base->ratio, 0.25);

        // Dynamic hints win over the class info. The new minimum clamps the fresh editor,
        // which must not count as an edit.
        base->setMinimum("Count", 5);
        base->setHint("Count", "singleStep", 5);
        spin = qobject_cast<QSpinBox*>(openEditor("Count"));
        QVERIFY(spin);
        QCOMPARE(spin->minimum(), 5);
        QCOMPARE(spin->maximum(), 60);
        QCOMPARE(spin->singleStep(), 5);
        QCOMPARE(spin->value(), 8);
        QCOMPARE(base->count, 8);
    }

    void lineEdit_limitedByClassInfoAndCommittedOnEnter()
    {
        widget->appendObject(base.get());
        auto* line = qobject_cast<QLineEdit*>(openEditor("Name"));
        QVERIFY(line);
        QCOMPARE(line->text(), QString("abc"));
        QCOMPARE(line->maxLength(), 5);
        line->clear();
        QTest::keyClicks(line, "abcdefgh");
        QCOMPARE(line->text(), QString("abcde"));
        QCOMPARE(base->name, QString("abc"));
        commit("Name");
        QCOMPARE(base->name, QString("abcde"));
    }

    void refresh_keepsWhatTheUserIsTyping()
    {
        widget->appendObject(base.get());
        auto* line = qobject_cast<QLineEdit*>(openEditor("Name"));
        QVERIFY(line);
        line->cut(); // emptied to type anew: an empty text is the user's too
        widget->refreshObject(base.get());
        QCOMPARE(line->text(), QString());
        QTest::keyClicks(line, "xy");
        base->name = "other";
        widget->refreshObject(base.get());
        QCOMPARE(line->text(), QString("xy"));
        QTest::keyClick(line, Qt::Key_Escape);
        QTRY_VERIFY(!widget->indexWidget(row("Name")));
        QCOMPARE(base->name, QString("other"));
    }

    void enumCombo_writesAsSoonAsAnItemIsChosen()
    {
        base->setItemDisabled("Grade", 0, true);
        widget->appendObject(base.get());
        auto* combo = qobject_cast<QComboBox*>(openEditor("Grade"));
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), QString("LV__MID"));
        QCOMPARE(base->grade, Base::LV__MID); // filling wrote back the same value
        combo->setCurrentIndex(combo->findText("LV__MAX"));
        QCOMPARE(base->grade, Base::LV__MAX);
        commit("Grade");
        QCOMPARE(base->grade, Base::LV__MAX);
        QCOMPARE(row("Grade").data().toString(), QString("LV__MAX"));
    }

    // A value the editor cannot show survives opening and closing it; a real change is written.
    void editorThatCannotShowTheValue_writesOnlyAChange_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("odd");
        QTest::addColumn<int>("shown"); // the spin box's value, the combo box's item
        QTest::newRow("below the minimum") << "Count" << QVariant(0) << 1;
        QTest::newRow("above the maximum") << "Count" << QVariant(99) << 60;
        QTest::newRow("unknown enumeration value")
            << "Grade" << QVariant::fromValue(Base::Level(7)) << -1;
    }

    void editorThatCannotShowTheValue_writesOnlyAChange()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, odd);
        QFETCH(int, shown);
        base->setImmediateUpdatesDisabled("Count", true);
        base->setProperty(name.toLatin1(), odd);
        widget->appendObject(base.get());
        QWidget* editor = openEditor(name);
        auto* spin = qobject_cast<QSpinBox*>(editor);
        auto* combo = qobject_cast<QComboBox*>(editor);
        QVERIFY(spin || combo);
        QCOMPARE(spin ? spin->value() : combo->currentIndex(), shown);
        commit(name);
        QCOMPARE(base->property(name.toLatin1()), odd);

        editor = openEditor(name);
        if ((spin = qobject_cast<QSpinBox*>(editor)))
            spin->setValue(30);
        else if ((combo = qobject_cast<QComboBox*>(editor)))
            combo->setCurrentIndex(combo->findText("LV__LOW"));
        commit(name);
        QCOMPARE(base->property(name.toLatin1()).toInt(), name == "Count" ? 30 : 0);
    }

    void colourCombo_committedOnEnter()
    {
        widget->appendObject(base.get());
        auto* combo = qobject_cast<ColorCombo*>(openEditor("Colour"));
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), QString("red"));
        combo->setCurrentIndex(combo->findText("blue"));
        QCOMPARE(base->colour, QColor(Qt::red));
        commit("Colour");
        QCOMPARE(base->colour, QColor(Qt::blue));
    }

    void readOnlyRows_openNoEditor()
    {
        base->setReadOnly("Count", true);
        base->setReplacement("Ratio", "n/a");
        widget->appendObject(base.get());
        for (const char* name : { "Fixed", "Count", "Ratio" }) {
            QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
            QVERIFY(!openEditor(name));
        }
        QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
        widget->edit(widget->model()->index(0, 1));
        QVERIFY(!widget->indexWidget(widget->model()->index(0, 1)));
    }

    void toolTip_fullTextOfATruncatedCell()
    {
        base->name = "<b>Bold</b> & a name far too long for its narrow cell";
        widget->appendObject(base.get());
        hoverFor(row("Name"));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(),
                 QString("<div>&lt;b&gt;Bold&lt;/b&gt; &amp; a name far too long for its narrow "
                         "cell</div>"));
    }

    void toolTip_ofAFittingCellOnlyFromTheCatalogue()
    {
        widget->appendObject(base.get());
        hoverFor(row("Count"));
        QVERIFY(!QToolTip::isVisible());

        Catalogue catalogue({ { "Count.ToolTip", "How many" } });
        QCoreApplication::installTranslator(&catalogue);
        hoverFor(row("Count"));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("How many"));
        QCoreApplication::removeTranslator(&catalogue);

        // Moving to a cell without a tool tip takes the old one away.
        hoverFor(row("Name"));
        QTRY_VERIFY(!QToolTip::isVisible());

        auto* delegate = qobject_cast<QVariantDelegate*>(widget->itemDelegate());
        QVERIFY(delegate);
        QVERIFY(!delegate->helpEvent(nullptr, widget.get(), QStyleOptionViewItem(), row("Name")));
    }
};

QTEST_MAIN(tst_PropertyDelegate)
#include "tst_propertydelegate.moc"
