#pragma once
// The body checksum of the rights file: reflected CRC-32 table (polynomial
// 0x04C11DB7), register starting at 0 and no final inversion.
#include <cstdint>
#include <span>

namespace rights {

std::uint32_t CalcCrc(std::span<const std::uint8_t> data);

// Continues a checksum over more bytes (CalcCrc(a + b) == CalcCrcUpdate(CalcCrc(a), b)).
std::uint32_t CalcCrcUpdate(std::uint32_t crc, std::span<const std::uint8_t> data);

}  // namespace rights
