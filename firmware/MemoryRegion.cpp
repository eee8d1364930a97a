#include "firmware/MemoryRegion.h"

MemoryRegion::MemoryRegion(uint8_t type, uint32_t start, uint32_t end, uint32_t size)
    : type(type)
    , start(start)
    , end(end)
    , size(size)
    , buffer(int(size), char(0xFF))
{ }
