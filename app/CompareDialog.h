#pragma once

#include <QDialog>

class ComparisonTable;
class QDialogButtonBox;
class QLabel;

// A comparison of two configurations, field by field, with a line above saying what is
// compared; Close only, or a choice (Restore or Keep) when `accept_text` is given.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    CompareDialog(const QString& title, const QString& heading, QWidget* parent,
                  const QString& accept_text = QString(), const QString& reject_text = QString());

    ComparisonTable* table() const { return m_table; }
    QString heading() const;

private:
    QLabel* m_heading;
    ComparisonTable* m_table;
};
