#include "app/ComparisonTable.h"

#include "records/SettingRules.h"

#include <QHeaderView>

ComparisonTable::ComparisonTable(QWidget* parent)
    : QTableWidget(0, 4, parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setWordWrap(false);
    setHorizontalHeaderLabels({ tr("Group"), tr("Field"), QString(), QString() });
}

void ComparisonTable::compare(const VoroConfig& left, const VoroConfig& right,
                              const QString& left_title, const QString& right_title)
{
    show(ConfigFields::differing(left, right), left, right, left_title, right_title);
}

void ComparisonTable::show(const QVector<ConfigField>& fields, const VoroConfig& left,
                           const VoroConfig& right, const QString& left_title,
                           const QString& right_title)
{
    setHorizontalHeaderLabels({ tr("Group"), tr("Field"), left_title, right_title });
    setRowCount(fields.size());
    for (int row = 0; row < fields.size(); ++row) {
        const ConfigField& f = fields.at(row);
        const QStringList texts { f.group(), f.title(), SettingRules::shown(f, left),
                                  SettingRules::shown(f, right) };
        for (int column = 0; column < texts.size(); ++column)
            setItem(row, column, new QTableWidgetItem(texts.at(column)));
    }
    resizeColumnsToContents();
}
