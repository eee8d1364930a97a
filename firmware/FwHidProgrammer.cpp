#include "firmware/FwHidProgrammer.h"

#include "firmware/FwHidComm.h"

FwHidProgrammer::FwHidProgrammer(int vendorId, int productId, QObject* parent)
    : FwProgrammer(new FwHidComm(vendorId, productId), parent)
{ }
