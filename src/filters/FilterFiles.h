// Readers of the kingdom filters' data files: class and group lists, code words and mineral codes.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillon {

inline constexpr const char* kPlantClassFile = "plants.dat";
inline constexpr const char* kPlantCodeFile = "plcode.dat";
inline constexpr const char* kAnimalClassFile = "animals.dat";
inline constexpr const char* kAnimalCodeFile = "anmlcode.dat";
inline constexpr const char* kPeriodFile = "period.txt";
inline constexpr const char* kLanthFile = "lanth.txt";
inline constexpr const char* kOtherGroupFile = "othergrp.txt";
inline constexpr const char* kMineralCodeFile = "minrcode.dat";

// A list file ("plants.dat", "animals.dat", "othergrp.txt"): one entry per line, in file order. Lines end at a
// carriage return; a line feed right after it is dropped too. An empty line before the end is an empty entry;
// a last line without its line end is still an entry. Lines are kept whole, however long.
std::vector<std::string> ReadLineList(std::span<const std::uint8_t> bytes);

// One code word of "plcode.dat" or "anmlcode.dat": the little-endian word at 4 x code. Bytes past the end of the
// file count as 0, so a word starting exactly at the end reads 0. False (and word 0) when the word would start
// beyond the end of the file, or for a negative code.
bool ReadCodeWord(std::span<const std::uint8_t> file, int code, std::uint32_t& word);

inline constexpr int ClassNumberOf(std::uint32_t word) noexcept
{
    return static_cast<int>(word >> 16);
}

// One 6-byte record of "minrcode.dat".
struct MineralCode
{
    std::uint32_t group = 0; // basic group: 1-based line of "othergrp.txt", 0 for none
    std::array<std::uint8_t, 4> elements{}; // element numbers; 0 and 255 stand for none
};
inline constexpr std::size_t kMineralRecordSize = 6;
inline constexpr std::uint8_t kNoElement = 255;

// The record at 6 x code; bytes past the end of the file count as 0 (a negative code reads all 0).
MineralCode ReadMineralCode(std::span<const std::uint8_t> file, int code);

} // namespace quillon
