#pragma once

#include "firmware/BoxUpdate.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// One row of the firmware update dialog: which box goes from which version to which, the
// progress of its update and its last step, and at the end its result, which stays.
class UpdateItemView : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateItemView(const BoxUpdate& box, QWidget* parent = nullptr);

    void setBox(const BoxUpdate& box);
    void setStatus(const QString& text);
    void setProgress(int value);

    QString key() const { return boxKey; }
    QString title() const;
    QString status() const;
    int progress() const;
    bool progressShown() const;
    // "running", "updated", "failed" or "disconnected": how the row is styled.
    QString outcome() const;

private:
    QString boxKey;
    QLabel* titleLabel;
    QProgressBar* progressBar;
    QLabel* label;
};
