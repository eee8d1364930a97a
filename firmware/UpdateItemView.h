#pragma once

#include "devicelink/HidDevice.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// One row of the updater dialog: the progress of one device's update above its last status.
class UpdateItemView : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateItemView(const HidDevice::Id& id, QWidget* parent = nullptr);

    void setStatus(const QString& text);
    void setProgress(int value);

    HidDevice::Id deviceId() const { return id; }
    QString status() const;
    int progress() const;

private:
    const HidDevice::Id id;
    QProgressBar* progressBar;
    QLabel* label;
};
