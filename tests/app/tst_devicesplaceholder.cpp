// The window that lists the ready boxes by their location.
#include "tests/support/CommTestSupport.h"

#include "app/DevicesPlaceholder.h"

#include <QListWidget>
#include <QtTest>

#include <memory>

namespace {
constexpr int kReadyMs = 5000;
}

class tst_DevicesPlaceholder : public QObject
{
    Q_OBJECT

private slots:
    void placeholderWindow_listsReadyBoxesByLocation()
    {
        PluggedBox office(QStringLiteral("Office 1.01"));
        auto lab = std::make_unique<PluggedBox>(QStringLiteral("Lab 2"));
        DevicesPlaceholder window;
        auto* list = window.findChild<QListWidget*>();
        QVERIFY(list);
        const auto texts = [list] {
            QStringList out;
            for (int row = 0; row < list->count(); ++row)
                out << list->item(row)->text();
            out.sort();
            return out;
        };
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, kReadyMs);
        QVERIFY(texts().at(0).startsWith("Lab 2"));
        QVERIFY(texts().at(1).startsWith("Office 1.01"));
        lab.reset(); // unplugged
        QTRY_COMPARE(list->count(), 1);
        QVERIFY(texts().at(0).startsWith("Office 1.01"));
    }
};

QTEST_MAIN(tst_DevicesPlaceholder)
#include "tst_devicesplaceholder.moc"
