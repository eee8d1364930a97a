#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// The two binary ".bme" containers as a file holds them, read without placing anything: the
// plain ("bf01") and the block ("be01") layout, their SHA-1 digest (over the container with the
// digest field zeroed) and their segments, every count and size checked against the bytes
// present before it is used. All numbers big-endian. ImageImporter lays what this reads into a
// device's memory; bmetool shows it.
//
// A block carries up to six firmware bytes ("payload") in its eight data bytes; the blocks of a
// segment follow each other in memory.
namespace BmeContainer {

constexpr int DIGEST_OFFSET = 12;
constexpr int DIGEST_SIZE = 20;
constexpr int SEGMENTS_OFFSET = DIGEST_OFFSET + DIGEST_SIZE;
constexpr int BLOCK_DATA = 8;
constexpr int MAX_PAYLOAD = 6;

struct Block
{
    uint32_t payload = 0; // firmware bytes it stands for
    int offset = 0; // of its eight data bytes in the container
};

struct Segment
{
    uint32_t address = 0;
    int offset = 0; // plain: of its first byte in the container
    int size = 0; // plain: its bytes
    std::vector<Block> blocks; // block containers
};

struct Contents
{
    bool block = false;
    bool digest_ok = false;
    std::vector<Segment> segments;
    QString error; // why the container is malformed; empty when it is not

    // The firmware bytes of a segment, as they go into memory.
    QByteArray bytes(const QByteArray& container, const Segment& segment) const;
};

// True when `data` starts with a container's magic.
bool isContainer(const QByteArray& data);
// Reads a container that starts with its magic. The digest is checked but does not stop the
// reading (digest_ok); anything malformed does (error).
Contents read(const QByteArray& container);

} // namespace BmeContainer
