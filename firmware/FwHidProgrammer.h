#pragma once

#include "firmware/FwProgrammer.h"

// The programmer over USB HID.
class FwHidProgrammer : public FwProgrammer
{
    Q_OBJECT

public:
    FwHidProgrammer(int vendorId, int productId, QObject* parent = nullptr);
};
