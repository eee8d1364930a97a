#include "firmware/UpdateItemView.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

UpdateItemView::UpdateItemView(const HidDevice::Id& id, QWidget* parent)
    : QWidget(parent)
    , id(id)
    , progressBar(new QProgressBar(this))
    , label(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    label->setWordWrap(true);
    layout->addWidget(progressBar);
    layout->addWidget(label);
}

void UpdateItemView::setStatus(const QString& text)
{
    label->setText(text.trimmed());
}

void UpdateItemView::setProgress(int value)
{
    progressBar->setValue(value);
}

QString UpdateItemView::status() const
{
    return label->text();
}

int UpdateItemView::progress() const
{
    return progressBar->value();
}
