#pragma once

// The main window as a user sees it, on virtual boxes, its questions answered by a script: what
// the window tests share.

#include "tests/propertyeditor/ModelRows.h"
#include "tests/support/ScriptedDialogs.h"

#include "app/ActuatorModel.h"
#include "app/MainWindow.h"
#include "devicemanager/VoroManager.h"
#include "propertyeditor/QPropertyEditorWidget.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include <functional>

constexpr int kReadyMs = 5000;

// The window as the user sees it, with its questions answered by a script.
struct Window
{
    Window()
        : updated(window.manager(), &VoroManager::deviceUpdated)
    {
        window.show();
    }

    template<typename T> T* child(const char* name) const
    {
        return window.findChild<T*>(QLatin1String(name));
    }
    QComboBox* devices() const { return child<QComboBox>("m_devices"); }
    QTableView* table() const { return child<QTableView>("m_actuators"); }
    QPropertyEditorWidget* properties() const
    {
        return child<QPropertyEditorWidget>("m_properties");
    }
    QPushButton* save() const { return child<QPushButton>("m_save"); }
    QPushButton* revert() const { return child<QPushButton>("m_revert"); }
    QAction* action(const char* name) const { return child<QAction>(name); }
    const VoroDevice& copy() const { return window.workingCopy(); }

    // An entry's location, without the short serial number that follows it.
    static QString location(const QString& entry) { return entry.left(entry.lastIndexOf(" (")); }
    QStringList listed() const
    {
        QStringList texts;
        for (int i = 0; i < devices()->count(); ++i)
            texts << location(devices()->itemText(i));
        return texts;
    }
    int entryOf(const QString& location) const { return listed().indexOf(location); }
    VoroDevice::Id idOf(const QString& location) const
    {
        return devices()->itemData(entryOf(location)).toInt();
    }
    // Picks the box's entry as the user does.
    void pick(const QString& location) { devices()->setCurrentIndex(entryOf(location)); }

    // The list's current entry names the box at `text`, is the selected box, and its table is
    // open.
    bool waitSelected(const QString& text)
    {
        return QTest::qWaitFor(
            [&] {
                return location(devices()->currentText()) == text && copy().id != -1
                    && copy().id == devices()->currentData().toInt()
                    && button(ActuatorModel::ROW_LOG, 7) != nullptr;
            },
            kReadyMs);
    }
    // Update reports of the selected box, counted from the window's start.
    int reports() const
    {
        int n = 0;
        for (const QList<QVariant>& args : updated)
            n += args.at(0).toInt() == copy().id;
        return n;
    }
    bool waitReports(int n = 2)
    {
        const int from = reports();
        return QTest::qWaitFor([&] { return reports() >= from + n; }, kReadyMs);
    }

    QModelIndex cell(int row, int col) const { return table()->model()->index(row, col); }
    QPushButton* button(int row, int col) const
    {
        return qobject_cast<QPushButton*>(table()->indexWidget(cell(row, col)));
    }

    // Opens the editor of a view's cell as a click does, lets `change` act on it (or not),
    // and presses Enter, which closes it.
    static bool edit(QAbstractItemView* view, const QModelIndex& index,
                     const std::function<void(QWidget*)>& change)
    {
        view->edit(index);
        QWidget* editor = view->indexWidget(index);
        if (!editor)
            return false;
        if (change)
            change(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        return QTest::qWaitFor([&] { return !view->indexWidget(index); });
    }
    bool editCell(int row, int col, const QString& text)
    {
        return edit(table(), cell(row, col),
                    [&](QWidget* e) { qobject_cast<QLineEdit*>(e)->setText(text); });
    }
    bool editProperty(const char* group, const char* name,
                      const std::function<void(QWidget*)>& change)
    {
        const QModelIndex value = findRow(properties()->model(), group, name, 1);
        return value.isValid() && edit(properties(), value, change);
    }

    ScriptedDialogs dialogs;
    MainWindow window { nullptr, &dialogs };
    QSignalSpy updated;
};

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Receives what the window hands to the system's browser or file manager.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};
