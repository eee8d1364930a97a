#include "TestObjects.h"

#include "propertyeditor/EnumProperty.h"
#include "propertyeditor/QPropertyEditorWidget.h"
#include "propertyeditor/QPropertyModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QStringList BASE_ROWS = { "Count=7",       "Name=abc",       "Ratio=0.5",   "Colour=#ff0000",
                                "Grade=LV__MID", "Fixed=constant", "Step Size=2", "Window=" };

// Shows a Span as "from..to"; counts the names it was asked about.
class SpanProperty : public Property
{
public:
    using Property::Property;
    QVariant value(int role) const override
    {
        const Span span = Property::value(Qt::UserRole).value<Span>();
        return role == Qt::DisplayRole ? QStringLiteral("%1..%2").arg(span.from).arg(span.to)
                                       : Property::value(role);
    }
};

QStringList asked;

Property* declineEverything(const QString& name, QObject*, Property*)
{
    asked << name;
    return nullptr;
}

Property* spanFactory(const QString& name, QObject* object, Property* parent)
{
    if (object->property(name.toLatin1().constData()).userType() != qMetaTypeId<Span>())
        return nullptr;
    return new SpanProperty(name, object, parent);
}

// Forgets the parent it is given; the model must still count the node under the group.
Property* orphanFactory(const QString& name, QObject* object, Property*)
{
    if (name != QLatin1String("Window"))
        return nullptr;
    return new SpanProperty(name, object, nullptr);
}
} // namespace

class tst_PropertyModel : public QObject
{
    Q_OBJECT

private:
    QPropertyModel* newModel()
    {
        auto* model = new QPropertyModel(nullptr, this);
        new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     model);
        return model;
    }

private slots:
    void cleanup() { asked.clear(); }

    void objectWithoutUserProperties_addsNothing()
    {
        QPropertyModel* model = newModel();
        Plain plain;
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        model->appendObject(&plain);
        model->appendObject(nullptr);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(inserted.count(), 0);
    }

    void userProperties_inDeclarationOrderUnderTheClass()
    {
        QPropertyModel* model = newModel();
        Base base;
        model->appendObject(&base);
        QCOMPARE(rowTexts(model, QModelIndex()), QStringList { "Base=" });
        QCOMPARE(rowTexts(model, model->index(0, 0)), BASE_ROWS);
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("Name"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Value"));
        QVERIFY(!model->headerData(0, Qt::Vertical).isValid());
    }

    void redeclaredProperty_shownOnceUnderItsDeclaringClass()
    {
        QPropertyModel* model = newModel();
        Derived derived;
        model->appendObject(&derived);
        QCOMPARE(rowTexts(model, QModelIndex()), (QStringList { "Base=", "Derived=" }));
        QCOMPARE(rowTexts(model, model->index(0, 0)), BASE_ROWS);
        QCOMPARE(rowTexts(model, model->index(1, 0)), QStringList { "Extra=3" });
    }

    void twoObjectsOfOneClass_giveTwoGroupsEachBoundToItsObject()
    {
        QPropertyModel* model = newModel();
        Base first, second;
        second.count = 42;
        model->appendObject(&first);
        model->appendObject(&second);
        QCOMPARE(rowTexts(model, QModelIndex()), (QStringList { "Base=", "Base=" }));
        QCOMPARE(model->index(0, 1, model->index(0, 0)).data().toInt(), 7);
        QCOMPARE(model->index(0, 1, model->index(1, 0)).data().toInt(), 42);

        QVERIFY(model->setData(model->index(0, 1, model->index(1, 0)), 43));
        QCOMPARE(second.count, 43);
        QCOMPARE(first.count, 7);
    }

    void groupNames_fromObjectNameAndClassInfo()
    {
        QPropertyModel* model = newModel();
        Base named;
        named.setObjectName("Mine");
        Titled titled;
        Titled special;
        special.setObjectName("special");
        model->appendObject(&named);
        model->appendObject(&titled);
        model->appendObject(&special);
        QCOMPARE(rowTexts(model, QModelIndex()),
                 (QStringList { "Mine=", "A Title=", "Special Group=" }));
    }

    void dynamicProperties_followRefreshObject()
    {
        QPropertyModel* model = newModel();
        Base base;
        base.setProperty("Early", 1);
        base.setProperty("_private", 2);
        model->appendObject(&base);
        const QModelIndex group = model->index(0, 0);
        QCOMPARE(rowTexts(model, group), (BASE_ROWS + QStringList { "Early=1" }));

        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        base.setProperty("Note", "hello");
        model->refreshObject(&base);
        QCOMPARE(rowTexts(model, group), (BASE_ROWS + QStringList { "Early=1", "Note=hello" }));
        // The whole group is re-read, both columns.
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>(), model->index(0, 0, group));
        QCOMPARE(changed.at(0).at(1).value<QModelIndex>(),
                 model->index(BASE_ROWS.size(), 1, group));

        // Dynamic entries are editable, and edits reach the object.
        const QModelIndex note = model->index(BASE_ROWS.size() + 1, 1, group);
        QVERIFY(model->flags(note) & Qt::ItemIsEditable);
        QVERIFY(model->setData(note, "changed"));
        QCOMPARE(base.property("Note").toString(), QString("changed"));

        base.setProperty("Early", QVariant());
        model->refreshObject(&base);
        QCOMPARE(rowTexts(model, group), (BASE_ROWS + QStringList { "Note=changed" }));
        model->refreshObject(&base);
        QCOMPARE(model->rowCount(group), BASE_ROWS.size() + 1);
    }

    void dynamicProperties_ofAnObjectInTwoGroups_stayInItsLastGroup()
    {
        QPropertyModel* model = newModel();
        Derived derived;
        derived.setProperty("Note", "n");
        model->appendObject(&derived);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        model->refreshObject(&derived);
        model->refreshObject(&derived);
        QCOMPARE(rowTexts(model, model->index(0, 0)), BASE_ROWS);
        QCOMPARE(rowTexts(model, model->index(1, 0)), (QStringList { "Extra=3", "Note=n" }));
        QCOMPARE(changed.count(), 4); // both groups, each time

        // Two objects of one class: refreshing one leaves the other's rows alone.
        Base other;
        model->appendObject(&other);
        other.setProperty("Mine", 1);
        model->refreshObject(&other);
        QCOMPARE(model->rowCount(model->index(1, 0)), 2);
        QCOMPARE(model->rowCount(model->index(2, 0)), BASE_ROWS.size() + 1);
    }

    void flags_forGroupReadOnlyReplacedAndEditableRows()
    {
        QPropertyModel* model = newModel();
        Base base;
        base.setReplacement("Ratio", "n/a");
        model->appendObject(&base);
        const QModelIndex group = model->index(0, 0);
        const Qt::ItemFlags editable
            = Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsEnabled;
        const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
        QCOMPARE(model->flags(group), Qt::ItemFlags(Qt::ItemIsEnabled));
        QCOMPARE(model->flags(QModelIndex()), Qt::ItemFlags());
        QCOMPARE(model->flags(model->index(0, 1, group)), editable); // Count
        QCOMPARE(model->flags(model->index(2, 1, group)), readOnly); // Ratio, replaced
        QCOMPARE(model->flags(model->index(5, 1, group)), readOnly); // Fixed, no WRITE
        QCOMPARE(model->index(2, 1, group).data().toString(), QString("n/a"));

        // Read only stays read only for every caller, not only for the view.
        QVERIFY(!model->setData(model->index(2, 1, group), 0.75));
        QCOMPARE(base.ratio, 0.5);
        QVERIFY(!model->setData(model->index(0, 1, group), 9, Qt::DisplayRole));
        QVERIFY(!model->setData(group, "x"));

        // Hints are read afresh: the next look sees a new one.
        base.setReadOnly("Count", true);
        QCOMPARE(model->flags(model->index(0, 1, group)), readOnly);
        base.setReadOnly("Count", false);
        QCOMPARE(model->flags(model->index(0, 1, group)), editable);
    }

    void buddyOfAName_isItsValue()
    {
        QPropertyModel* model = newModel();
        Base base;
        model->appendObject(&base);
        const QModelIndex name = model->index(1, 0, model->index(0, 0));
        QCOMPARE(model->buddy(name), name.sibling(1, 1));
        QCOMPARE(model->buddy(name.sibling(1, 1)), name.sibling(1, 1));
    }

    void roles_unitNameFontColoursAndRowHeight()
    {
        QPropertyModel* model = newModel();
        Base base;
        base.setUnit("Count", "ms");
        base.setDisplayName("Ratio", "Share");
        base.setBackground("Name", QColor(Qt::yellow));
        base.setForeground("Name", QColor(Qt::blue));
        model->appendObject(&base);
        const QModelIndex group = model->index(0, 0);
        QCOMPARE(model->index(0, 0, group).data().toString(), QString("Count [ms]"));
        QCOMPARE(model->index(0, 0, group).data(Qt::EditRole).toString(), QString("Count [ms]"));
        QCOMPARE(model->index(2, 0, group).data().toString(), QString("Share"));

        const QModelIndex name = model->index(1, 1, group);
        QCOMPARE(name.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
        QCOMPARE(name.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
        QVERIFY(!name.sibling(1, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!name.sibling(1, 0).data(Qt::ForegroundRole).isValid());
        QVERIFY(!name.data(Qt::FontRole).isValid());
        QVERIFY(!model->index(0, 1, group).data(Qt::BackgroundRole).isValid());

        QCOMPARE(group.data(Qt::FontRole).value<QFont>().weight(), int(QFont::Bold));
        // Group rows stand out from the base colour, lighter on dark and darker on light.
        const QColor base_colour
            = QGuiApplication::palette().color(QPalette::Current, QPalette::Base);
        const QColor groupColour = group.data(Qt::BackgroundRole).value<QColor>();
        QCOMPARE(groupColour,
                 base_colour.lightness() < 128 ? base_colour.lighter(120)
                                               : base_colour.darker(120));
        QCOMPARE(group.sibling(0, 1).data(Qt::BackgroundRole).value<QColor>(), groupColour);

        const int fontHeight = QFontMetrics(QGuiApplication::font()).height();
        QCOMPARE(name.data(Qt::SizeHintRole).toSize(), QSize(0, int(fontHeight * 1.3)));
        model->setRowHeightFactor(2.0);
        QCOMPARE(group.data(Qt::SizeHintRole).toSize(), QSize(0, fontHeight * 2));
        QVERIFY(!name.data(Qt::StatusTipRole).isValid());
    }

    void rowHeight_followsTheViewFont()
    {
        QPropertyEditorWidget widget;
        QFont font = widget.QTreeView::font();
        font.setPixelSize(13);
        widget.setFont(font);
        Base base;
        widget.appendObject(&base);
        const int expected = int(QFontMetrics(font).height() * 1.3);
        QCOMPARE(widget.model()->index(0, 0).data(Qt::SizeHintRole).toSize(), QSize(0, expected));
        QCOMPARE(widget.model()->index(0, 0).data(Qt::FontRole).value<QFont>().pixelSize(), 13);
    }

    void hiddenRows_areFilteredAndReturnOnRefresh()
    {
        QPropertyEditorWidget widget;
        new QAbstractItemModelTester(
            widget.model(), QAbstractItemModelTester::FailureReportingMode::QtTest, &widget);
        Base base;
        base.setHidden("Name", true);
        base.setHidden("Ratio", false);
        widget.appendObject(&base);
        const QModelIndex group = widget.model()->index(0, 0);
        QVERIFY(widget.isExpanded(group));
        QStringList visible = BASE_ROWS;
        visible.removeAt(1);
        QCOMPARE(rowTexts(widget.model(), group), visible);
        QCOMPARE(widget.propertyModel()->rowCount(widget.propertyModel()->index(0, 0)),
                 BASE_ROWS.size());

        base.setHidden("Name", false);
        widget.refreshObject(&base);
        QCOMPARE(rowTexts(widget.model(), group), BASE_ROWS);
        base.setHidden("Count", true);
        widget.refreshObject(&base);
        QCOMPARE(rowTexts(widget.model(), group), BASE_ROWS.mid(1));
    }

    void showObject_clearsAndShows()
    {
        QPropertyEditorWidget widget;
        new QAbstractItemModelTester(
            widget.model(), QAbstractItemModelTester::FailureReportingMode::QtTest, &widget);
        QSignalSpy removed(widget.propertyModel(), &QAbstractItemModel::rowsRemoved);
        widget.showObject(nullptr);
        QCOMPARE(removed.count(), 0);

        Base base;
        Derived derived;
        widget.appendObject(&base);
        widget.showObject(&derived);
        QCOMPARE(rowTexts(widget.model(), QModelIndex()), (QStringList { "Base=", "Derived=" }));
        QVERIFY(widget.isExpanded(widget.model()->index(1, 0)));
        widget.showObject(nullptr);
        QCOMPARE(widget.model()->rowCount(), 0);
        QCOMPARE(removed.count(), 2);
        widget.refreshObject(nullptr);
        widget.refreshObject(&base); // no longer shown: nothing to do
    }

    void factories_askedForUserTypesInOrder()
    {
        QPropertyModel* model = newModel();
        model->registerPropertyFactory(declineEverything);
        model->registerPropertyFactory(spanFactory);
        model->registerPropertyFactory(declineEverything);
        Base base;
        base.window = { 3, 9 };
        base.setProperty("Extent", QVariant::fromValue(Span { 1, 2 }));
        model->appendObject(&base);
        // Enumerations are user types too; built-in types are never offered.
        QCOMPARE(asked, (QStringList { "Grade", "Window", "Extent" }));
        const QModelIndex group = model->index(0, 0);
        QCOMPARE(model->index(7, 1, group).data().toString(), QString("3..9"));
        QCOMPARE(model->index(8, 1, group).data().toString(), QString("1..2"));
        QVERIFY(qobject_cast<EnumProperty*>(
            static_cast<QObject*>(model->index(4, 1, group).internalPointer())));

        model->unregisterPropertyFactory(spanFactory);
        model->appendObject(&base);
        QCOMPARE(model->index(7, 1, model->index(1, 0)).data().toString(), QString());
    }

    void factoryNode_withoutParent_isStillARowOfTheGroup()
    {
        QPropertyModel* model = newModel();
        model->registerPropertyFactory(orphanFactory);
        Base base;
        base.window = { 4, 5 };
        model->appendObject(&base);
        QCOMPARE(model->index(7, 1, model->index(0, 0)).data().toString(), QString("4..5"));
        model->clear(); // deletes the node with its group
        QCOMPARE(model->rowCount(), 0);
    }

    void translatedNamesAndValues()
    {
        Catalogue catalogue({ { "Step Size", "Step width" },
                              { "LV__MID", "Middle" },
                              { "Base", "Basics" },
                              { "abc", "translated" },
                              { "Name.ToolTip", "What it is called" } });
        QCoreApplication::installTranslator(&catalogue);
        QPropertyModel* model = newModel();
        Base base;
        model->appendObject(&base);
        const QModelIndex group = model->index(0, 0);
        QCOMPARE(group.data().toString(), QString("Basics"));
        QCOMPARE(model->index(6, 0, group).data().toString(), QString("Step width"));
        QCOMPARE(model->index(4, 1, group).data().toString(), QString("Middle"));
        // Text values that are catalogue identifiers show translated, but an editor gets the
        // stored text, so committing it does not store the translation.
        QCOMPARE(model->index(1, 1, group).data().toString(), QString("translated"));
        QCOMPARE(model->index(1, 1, group).data(Qt::EditRole).toString(), QString("abc"));
        QCOMPARE(model->index(1, 0, group).data(Qt::ToolTipRole).toString(),
                 QString("What it is called"));
        QCOMPARE(model->index(1, 1, group).data(Qt::ToolTipRole).toString(),
                 QString("What it is called"));
        QVERIFY(!model->index(0, 1, group).data(Qt::ToolTipRole).isValid());
        QVERIFY(!group.data(Qt::ToolTipRole).isValid());
        QCoreApplication::removeTranslator(&catalogue);
    }
};

QTEST_MAIN(tst_PropertyModel)
#include "tst_propertymodel.moc"
