#pragma once

#include "propertyeditor/PropertyObject.h"

struct VoroDevice;

// What the four device property groups share: they read the main window's device record at
// every display and write edits straight into it, keeping no copy.
class DeviceProperties : public PropertyObject
{
    Q_OBJECT

public:
    // `record` must outlive the group. `readOnly`: the box is not ready, nothing is editable.
    DeviceProperties(VoroDevice* record, bool readOnly, QObject* parent);

    bool readOnly() const { return m_readOnly; }

    // "<days>d hh:mm:ss"; a negative span (only from a faulty box) keeps its sign in front.
    static QString durationText(qint64 seconds);

protected:
    VoroDevice* m_record;
    const bool m_readOnly;
};
