#pragma once

#include "records/ConfigField.h"
#include "records/VoroConfig.h"

#include <QTableWidget>

// The fields in which two configurations differ, one row each: group, field, the left value and
// the right value, named and in the units of the window's editors.
class ComparisonTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit ComparisonTable(QWidget* parent = nullptr);

    // The headers of the two value columns name what is compared ("Lab 2 (3A0F21)", a file).
    void compare(const VoroConfig& left, const VoroConfig& right, const QString& left_title,
                 const QString& right_title);
    // Only these fields, e.g. what a write would change.
    void show(const QVector<ConfigField>& fields, const VoroConfig& left, const VoroConfig& right,
              const QString& left_title, const QString& right_title);
    int differences() const { return rowCount(); }
};
