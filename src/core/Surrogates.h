#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace tornavel {

// The two halves of a UTF-16 pair, which stand for one character outside the
// Basic Multilingual Plane (an emoji) only together.
constexpr bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// `text` with every half that has no partner as "?", which is what a code
// page that lacks a character makes of it: no code page, UTF-8 included,
// can carry half a character.
std::wstring WithLoneHalvesAsQuestionMarks(std::wstring_view text);

// True when the place `at` (before the unit `at`) lies between the two halves
// of a pair in `text`.
bool SplitsPair(std::wstring_view text, std::size_t at) noexcept;

// The stretch from `from` to `to` (from <= to) taking whole characters: an
// edge between a pair's halves moves out past the character, and a place (an
// empty stretch) between them moves after it.
std::pair<std::size_t, std::size_t> WholeCharacters(std::wstring_view text, std::size_t from,
                                                    std::size_t to) noexcept;

// Where a caret a key moved from `was` to `at` stops: past the character in
// the direction it went when `at` lies between a pair's halves (after the
// character when it did not move).
std::size_t SettledCaret(std::wstring_view text, std::size_t at, std::size_t was) noexcept;

}  // namespace tornavel
