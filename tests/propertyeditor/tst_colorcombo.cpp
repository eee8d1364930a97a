#include "propertyeditor/ColorCombo.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <QtTest>

namespace {
// Answers the colour dialog as the user would, and remembers what it was shown.
struct Chooser
{
    QColor answer;
    QList<QColor> asked;
    ColorCombo::ColorChooser function()
    {
        return [this](const QColor& initial, QWidget*) {
            asked << initial;
            return answer;
        };
    }
};
} // namespace

class tst_ColorCombo : public QObject
{
    Q_OBJECT

private slots:
    void setColor_selectsANamedColourOrAppendsIt()
    {
        ColorCombo combo;
        const QStringList names = QColor::colorNames();
        const int custom = names.size();
        QCOMPARE(combo.count(), custom + 1);
        QCOMPARE(combo.itemData(0, Qt::DecorationRole).value<QColor>(), QColor(names.first()));
        QCOMPARE(combo.itemText(custom), QString("Custom"));
        QCOMPARE(combo.itemData(custom, Qt::UserRole), QVariant(1024));

        combo.setColor(Qt::red);
        QCOMPARE(combo.currentText(), QString("red"));
        QCOMPARE(combo.color(), QColor(Qt::red));
        combo.setColor(QColor("#123456"));
        combo.setColor(QColor("#123456"));
        QCOMPARE(combo.count(), custom + 2);
        QCOMPARE(combo.currentIndex(), custom + 1);
        QCOMPARE(combo.currentText(), QString("#123456"));

        combo.setColor(QColor()); // unset: nothing selected, nothing added
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.count(), custom + 2);
        QVERIFY(!combo.color().isValid());
    }

    void custom_answeredWithNewOrListedColour()
    {
        Chooser chooser;
        ColorCombo combo(nullptr, chooser.function());
        const int custom = combo.findText("Custom");
        combo.setColor(Qt::green);

        chooser.answer = QColor("#abcdef");
        combo.setCurrentIndex(custom);
        QCOMPARE(chooser.asked, QList<QColor> { QColor(Qt::green) });
        QCOMPARE(combo.currentText(), QString("#abcdef"));
        QCOMPARE(combo.color(), QColor("#abcdef"));
        QCOMPARE(combo.count(), custom + 2);

        // A colour already listed is selected, not added again.
        chooser.answer = QColor(Qt::blue);
        combo.setCurrentIndex(custom);
        QCOMPARE(combo.currentText(), QString("blue"));
        chooser.answer = QColor("#abcdef");
        combo.setCurrentIndex(custom);
        QCOMPARE(combo.currentIndex(), custom + 1);
        QCOMPARE(combo.count(), custom + 2);
    }

    void custom_cancelledReturnsToTheFilledColour()
    {
        Chooser chooser;
        ColorCombo combo(nullptr, chooser.function());
        const int custom = combo.findText("Custom");
        combo.setColor(QColor("#010203"));
        combo.setCurrentIndex(combo.findText("navy"));
        combo.setCurrentIndex(custom);
        QCOMPARE(combo.currentText(), QString("#010203"));

        combo.setColor(QColor());
        combo.setCurrentIndex(custom);
        QCOMPARE(combo.currentIndex(), -1);
        QVERIFY(!combo.color().isValid());
    }

    void custom_opensTheColourDialogAtTheFilledColour()
    {
        ColorCombo combo;
        combo.setColor(Qt::cyan);
        QColor shown;
        QString title = "unset";
        // The dialog is modal: answer it from the event loop it runs.
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                shown = dialog->currentColor();
                title = dialog->windowTitle();
                dialog->reject();
            }
        });
        answer.start(10);
        combo.setCurrentIndex(combo.findText("Custom"));
        QCOMPARE(shown, QColor(Qt::cyan));
        QCOMPARE(combo.color(), QColor(Qt::cyan));
        QVERIFY(title.isEmpty() || title == QColorDialog::tr("Select Color"));
    }
};

QTEST_MAIN(tst_ColorCombo)
#include "tst_colorcombo.moc"
