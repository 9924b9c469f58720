#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Shared by the fuzz targets: typed values taken from the fuzzer's bytes, and
// the checks whose failure is a finding.
namespace velmar::fuzz {

// Takes values from the front of a fuzz input. An exhausted input gives zeros,
// so every byte string is a valid input.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size);

    std::uint8_t takeByte();
    std::int32_t takeInt32();
    // An index below `count` (which must not be 0).
    std::size_t takeIndex(std::size_t count) { return takeByte() % count; }
    // Everything not taken yet, as text.
    std::string_view rest() const;

private:
    std::span<const std::uint8_t> bytes_;
};

// Ends the run with a message on standard error; the fuzzer records the input
// as a crash.
[[noreturn]] void fail(std::string_view what, std::string_view detail);

// What a text box or an output line may hold: valid UTF-8 without control
// characters, so it shows as one line.
bool isOneLineOfPrintableText(std::string_view text);
void requireOneLineOfPrintableText(std::string_view text, std::string_view what);

} // namespace velmar::fuzz
