#pragma once

// Told by a per-actuator record which of its table cells have new contents.
class IChangeNotifier
{
public:
    virtual ~IChangeNotifier() = default;
    // Rows row … row + further (further >= 0) of that column changed.
    virtual void cellsChanged(int column, int row, int further) = 0;
};
