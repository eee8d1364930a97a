#include "app/CompareDialog.h"

#include "app/ComparisonTable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CompareDialog::CompareDialog(const QString& title, const QString& heading, QWidget* parent,
                             const QString& accept_text, const QString& reject_text)
    : QDialog(parent)
    , m_heading(new QLabel(heading, this))
    , m_table(new ComparisonTable(this))
{
    setWindowTitle(title);
    m_heading->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    if (accept_text.isEmpty()) {
        buttons->addButton(QDialogButtonBox::Close);
    } else {
        buttons->addButton(accept_text, QDialogButtonBox::AcceptRole);
        buttons->addButton(reject_text, QDialogButtonBox::RejectRole)->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(720, 420);
}

QString CompareDialog::heading() const
{
    return m_heading->text();
}
