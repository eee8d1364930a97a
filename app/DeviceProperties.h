#pragma once

#include "propertyeditor/PropertyObject.h"
#include "records/SettingRules.h"

#include <QHash>

#include <optional>

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

    // The field a typed entry edits, and what it may hold; none for the others.
    std::optional<SettingProblem> typedRule(const QString& property) const;

protected:
    // The editor of `property` takes what the setting rules allow `field` (its limits, and
    // what it may hold as the tool tip): the numbers are stated once, in records/.
    void takeRules(const char* property, ConfigField::Name field);

    VoroDevice* m_record;
    const bool m_readOnly;

private:
    QHash<QString, ConfigField::Name> m_typed;
};
