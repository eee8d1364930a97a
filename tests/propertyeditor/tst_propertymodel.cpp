#include "TestObjects.h"

#include "propertyeditor/EnumProperty.h"
#include "propertyeditor/QPropertyEditorWidget.h"
#include "propertyeditor/QPropertyModel.h"

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QStringList BASE_ROWS = { "Count=7",       "Name=abc",       "Ratio=0.5",   "Colour=#ff0000",
                                "Grade=LV__MID", "Fixed=constant", "Step Size=2", "Window=" };

// Shows a Span as "from..to".
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

// Forgets the parent it is given; the model must still count the node under the group.
Property* spanFactory(const QString& name, QObject* object, Property*)
{
    if (object->property(name.toLatin1().constData()).userType() != qMetaTypeId<Span>())
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
    void userProperties_oneGroupPerDeclaringClass()
    {
        QPropertyModel* model = newModel();
        Plain plain;
        model->appendObject(&plain);
        QCOMPARE(model->rowCount(), 0);

        // Count, redeclared by Derived, stays with Base, once.
        Derived derived;
        model->appendObject(&derived);
        QCOMPARE(rowTexts(model, QModelIndex()), (QStringList { "Base=", "Derived=" }));
        QCOMPARE(rowTexts(model, model->index(0, 0)), BASE_ROWS);
        QCOMPARE(rowTexts(model, model->index(1, 0)), QStringList { "Extra=3" });
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("Name"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Value"));
    }

    void twoObjectsOfOneClass_giveTwoGroupsEachBoundToItsObject()
    {
        QPropertyModel* model = newModel();
        Base first, second;
        model->appendObject(&first);
        model->appendObject(&second);
        QCOMPARE(rowTexts(model, QModelIndex()), (QStringList { "Base=", "Base=" }));
        QVERIFY(model->setData(model->index(0, 1, model->index(1, 0)), 43));
        QCOMPARE(second.count, 43);
        QCOMPARE(first.count, 7);
    }

    void groupNames_fromObjectNameAndClassInfo()
    {
        QPropertyModel* model = newModel();
        Base named;
        named.setObjectName("Mine");
        Titled titled, special;
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
        QCOMPARE(changed.count(), 1); // every row there was, both columns
        QCOMPARE(changed.at(0).at(0).value<QModelIndex>(), model->index(0, 0, group));
        QCOMPARE(changed.at(0).at(1).value<QModelIndex>(), model->index(8, 1, group));

        base.setProperty("Early", QVariant());
        model->refreshObject(&base);
        model->refreshObject(&base);
        QCOMPARE(rowTexts(model, group), (BASE_ROWS + QStringList { "Note=hello" }));
    }

    void dynamicProperties_ofAnObjectInTwoGroups_stayInItsLastGroup()
    {
        QPropertyModel* model = newModel();
        Derived derived;
        derived.setProperty("Note", "n");
        model->appendObject(&derived);
        Base other;
        model->appendObject(&other);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        model->refreshObject(&derived);
        model->refreshObject(&derived);
        QCOMPARE(changed.count(), 4); // both groups, each time
        QCOMPARE(rowTexts(model, model->index(0, 0)), BASE_ROWS);
        QCOMPARE(rowTexts(model, model->index(1, 0)), (QStringList { "Extra=3", "Note=n" }));

        // Refreshing another object of the same class leaves these rows alone.
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
        base.setProperty("Note", "n");
        model->appendObject(&base);
        const QModelIndex group = model->index(0, 0);
        const Qt::ItemFlags editable
            = Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsEnabled;
        const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
        QCOMPARE(model->flags(QModelIndex()), Qt::ItemFlags());
        QCOMPARE(model->flags(group), Qt::ItemFlags(Qt::ItemIsEnabled));
        QCOMPARE(model->flags(model->index(0, 1, group)), editable); // Count
        QCOMPARE(model->flags(model->index(2, 1, group)), readOnly); // Ratio, replaced
        QCOMPARE(model->flags(model->index(5, 1, group)), readOnly); // Fixed, no WRITE
        QCOMPARE(model->flags(model->index(8, 1, group)), editable); // Note, dynamic
        QCOMPARE(model->index(2, 1, group).data().toString(), QString("n/a"));
        QCOMPARE(model->buddy(model->index(1, 0, group)), model->index(1, 1, group));

        // What the view may not edit, no other caller may set either.
        QVERIFY(!model->setData(model->index(2, 1, group), 0.75));
        QCOMPARE(base.ratio, 0.5);
        QVERIFY(!model->setData(model->index(0, 1, group), 9, Qt::DisplayRole));
        QVERIFY(model->setData(model->index(8, 1, group), "changed"));
        QCOMPARE(base.property("Note").toString(), QString("changed"));

        // Hints are read afresh at every look.
        base.setReadOnly("Count", true);
        QCOMPARE(model->flags(model->index(0, 1, group)), readOnly);
    }

    void roles_unitNameFontColoursAndRowHeight()
    {
        QPropertyEditorWidget widget;
        QFont font = widget.QTreeView::font();
        font.setPixelSize(13);
        widget.setFont(font);
        Base base;
        base.setUnit("Count", "ms");
        base.setDisplayName("Ratio", "Share");
        base.setBackground("Name", QColor(Qt::yellow));
        base.setForeground("Name", QColor(Qt::blue));
        widget.appendObject(&base);
        const QAbstractItemModel* model = widget.model();
        const QModelIndex group = model->index(0, 0);
        QCOMPARE(model->index(0, 0, group).data().toString(), QString("Count [ms]"));
        QCOMPARE(model->index(2, 0, group).data().toString(), QString("Share"));

        const QModelIndex name = model->index(1, 1, group);
        QCOMPARE(name.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
        QCOMPARE(name.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
        QVERIFY(!name.sibling(1, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!name.data(Qt::FontRole).isValid());

        const QFont groupFont = group.data(Qt::FontRole).value<QFont>();
        QCOMPARE(groupFont.weight(), int(QFont::Bold));
        QCOMPARE(groupFont.pixelSize(), 13);
        const QColor baseColour = widget.palette().color(QPalette::Current, QPalette::Base);
        QCOMPARE(group.sibling(0, 1).data(Qt::BackgroundRole).value<QColor>(),
                 baseColour.lightness() < 128 ? baseColour.lighter(120) : baseColour.darker(120));

        const int height = QFontMetrics(font).height();
        QCOMPARE(name.data(Qt::SizeHintRole).toSize(), QSize(0, int(height * 1.3)));
        widget.setRowHeightFactor(2.0);
        QCOMPARE(group.data(Qt::SizeHintRole).toSize(), QSize(0, height * 2));
    }

    void hiddenRows_areFilteredAndReturnOnRefresh()
    {
        QPropertyEditorWidget widget;
        new QAbstractItemModelTester(
            widget.model(), QAbstractItemModelTester::FailureReportingMode::QtTest, &widget);
        Base base;
        base.setHidden("Name", true);
        widget.appendObject(&base);
        const QModelIndex group = widget.model()->index(0, 0);
        QVERIFY(widget.isExpanded(group));
        QStringList visible = BASE_ROWS;
        visible.removeAt(1);
        QCOMPARE(rowTexts(widget.model(), group), visible);

        base.setHidden("Name", false);
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
        widget.showObject(nullptr);
        QCOMPARE(widget.model()->rowCount(), 0);
        QCOMPARE(removed.count(), 2);
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
        // Enumerations count as user types; built-in types are never offered.
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
        // A text value that is a catalogue identifier shows translated, but an editor gets
        // the stored text, so committing it does not store the translation.
        QCOMPARE(model->index(1, 1, group).data().toString(), QString("translated"));
        QCOMPARE(model->index(1, 1, group).data(Qt::EditRole).toString(), QString("abc"));
        QCOMPARE(model->index(1, 0, group).data(Qt::ToolTipRole).toString(),
                 QString("What it is called"));
        QVERIFY(!model->index(0, 1, group).data(Qt::ToolTipRole).isValid());
        QCoreApplication::removeTranslator(&catalogue);
    }
};

QTEST_MAIN(tst_PropertyModel)
#include "tst_propertymodel.moc"
