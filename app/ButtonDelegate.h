#pragma once

#include <QMap>
#include <QSignalMapper>
#include <QStyledItemDelegate>

class QPushButton;

// Puts a push button into every cell of a table row and turns each click into clicked(row,
// col). The buttons follow the model's enabled flag; a checked button that becomes disabled
// unchecks itself and reports that as a click, so a running actuator test is stopped.
class ButtonDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    ButtonDelegate(const QString& label, bool checkable, int height, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // Pixels of its cell left free around a button (and a combo box): the highlight of the
    // current cell shows there.
    static constexpr int CELL_MARGIN = 2;
    static QRect insideCell(const QRect& cell);

    // The checked state of the button in that cell; false when the cell has none.
    bool isChecked(int row, int col) const;

signals:
    void clicked(int row, int col);

public slots:
    // Unchecks every checked button, reporting each as a click.
    void resetCheckState();

private slots:
    void onMapped(const QString& str);
    void onButtonDestroyed(QObject* obj);

private:
    static QString cellKey(int row, int col);
    void uncheck(QPushButton* button, const QString& key);

    QString m_label;
    bool m_checkable;
    int m_height;
    // createEditor is const by Qt's contract, yet the delegate must know its buttons
    mutable QSignalMapper m_mapper;
    mutable QMap<QString, QPushButton*> m_buttons; // not owned: the view owns its editors
};
