#include "app/UpdateItemView.h"

#include "app/OpenFailureNotice.h"

#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QVariant>

namespace {
QString outcomeOf(const BoxUpdate& box)
{
    switch (box.phase) {
    case BoxUpdate::Updated:
        return QStringLiteral("updated");
    case BoxUpdate::Kept:
    case BoxUpdate::Failed:
        return QStringLiteral("failed");
    case BoxUpdate::Disconnected:
        return QStringLiteral("disconnected");
    default:
        return QStringLiteral("running");
    }
}
} // namespace

UpdateItemView::UpdateItemView(const BoxUpdate& box, QWidget* parent)
    : QWidget(parent)
    , boxKey(box.key)
    , titleLabel(new QLabel(this))
    , progressBar(new QProgressBar(this))
    , label(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    titleLabel->setWordWrap(true);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The result's colour; the text says it all without.
    setStyleSheet(QStringLiteral("QLabel[outcome=\"failed\"] { color: #b00020; }"
                                 "QLabel[outcome=\"disconnected\"] { color: #a05a00; }"
                                 "QLabel[outcome=\"updated\"] { color: #1b6e20; }"));
    layout->addWidget(titleLabel);
    layout->addWidget(progressBar);
    layout->addWidget(label);
    setBox(box);
}

void UpdateItemView::setBox(const BoxUpdate& box)
{
    titleLabel->setText(box.title());
    const QString outcome = outcomeOf(box);
    if (label->property("outcome").toString() != outcome) {
        label->setProperty("outcome", outcome);
        label->style()->unpolish(label);
        label->style()->polish(label);
    }
    // A bar stands for work done: full only when the firmware is written.
    progressBar->setVisible(!box.hasResult() || box.succeeded());
    if (box.hasResult()) {
        setProgress(box.succeeded() ? 100 : 0);
        setStatus(box.result());
        return;
    }
    setProgress(box.progress);
    QString text = box.status;
    if (box.open_failed && !box.path.isEmpty())
        text += QLatin1Char('\n') + OpenFailureNotice::text({ box.path });
    setStatus(text);
}

void UpdateItemView::setStatus(const QString& text)
{
    label->setText(text.trimmed());
}

void UpdateItemView::setProgress(int value)
{
    progressBar->setValue(value);
}

QString UpdateItemView::title() const
{
    return titleLabel->text();
}

QString UpdateItemView::status() const
{
    return label->text();
}

int UpdateItemView::progress() const
{
    return progressBar->value();
}

bool UpdateItemView::progressShown() const
{
    return !progressBar->isHidden();
}

QString UpdateItemView::outcome() const
{
    return label->property("outcome").toString();
}
