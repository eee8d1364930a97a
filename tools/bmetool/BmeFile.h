#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <vector>

// The ".bme" firmware file as this tool writes it (the program's reader, firmware/BmeContainer,
// reads it back): an optional "bm01" header with the text {major;minor;patch;hardwareId}, then a
// plain ("bf01") or block ("be01") container: magic, segment count, a reserved word (here: the
// number of firmware bytes), the SHA-1 of the container with the digest field zeroed, then the
// segments. All numbers big-endian.
//
// A block carries six firmware bytes in its eight data bytes, followed by two 0xFF; the last
// block of a segment may stand for fewer, the rest of its data being 0xFF as well. Erased
// flash (0xFF) thus stays 0xFF in the blocks, and a programmer can skip it.
namespace bme {

using Bytes = std::map<uint32_t, uint8_t>; // firmware bytes by address

// Reads Intel HEX (data, extended segment and linear address records); false with a message
// on the first bad line.
bool readHex(const QByteArray& text, Bytes& out, QString& error);
void addBinary(const QByteArray& data, uint32_t address, Bytes& out);

// Plain: one segment per run of consecutive addresses. Block: one segment from the lowest to
// the highest address, gaps filled with 0xFF, since the blocks of a region are laid back to
// back and only the first one's address counts.
QByteArray build(const Bytes& bytes, const QString& header, bool block);

} // namespace bme
