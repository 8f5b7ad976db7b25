#pragma once
// Integer texts with what each reader of them makes of them. Project files and typed rows take a
// leading "+"; stored window settings never had one, so there it stays no number.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvex::test {

struct TIntegerTextCase {
    std::string_view Text;
    std::optional<int32_t> PlusAllowed; // the project reader and the value editors
    std::optional<int32_t> MinusOnly;   // the window settings
};

inline constexpr TIntegerTextCase IntegerTextCases[] = {
    {"180", 180, 180},
    {"-25", -25, -25},
    {"-0", 0, 0},
    {"007", 7, 7},
    {"00000000000000000000012", 12, 12},
    {"2147483647", INT32_MAX, INT32_MAX},
    {"-2147483648", INT32_MIN, INT32_MIN},
    {"+7", 7, std::nullopt},
    {"+2147483647", INT32_MAX, std::nullopt},
    {"2147483648", std::nullopt, std::nullopt},
    {"-2147483649", std::nullopt, std::nullopt},
    {"99999999999999999999", std::nullopt, std::nullopt},
    {"", std::nullopt, std::nullopt},
    {"-", std::nullopt, std::nullopt},
    {"+", std::nullopt, std::nullopt},
    {" 5", std::nullopt, std::nullopt},
    {"5 ", std::nullopt, std::nullopt},
    {"+ 5", std::nullopt, std::nullopt},
    {"+-3", std::nullopt, std::nullopt},
    {"-+3", std::nullopt, std::nullopt},
    {"--1", std::nullopt, std::nullopt},
    {"12px", std::nullopt, std::nullopt},
    {"0x10", std::nullopt, std::nullopt},
    {"1e3", std::nullopt, std::nullopt},
    {"1.5", std::nullopt, std::nullopt},
    {"$10", std::nullopt, std::nullopt},
    {"\xD9\xA1\xD9\xA2", std::nullopt, std::nullopt}, // Arabic-Indic digits one, two
};

} // namespace tarvex::test
