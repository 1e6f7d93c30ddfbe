#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tornavel {

// The message as the window shows it: every "{ENTER}" (exact, case-sensitive)
// becomes CR LF, scanning from the start.
std::wstring ExpandEnterTokens(std::wstring_view message);

// The most of a message the window shows. Its box holds a few lines; some
// text boxes (Wine's among them) take quadratic time to lay out a long text,
// and a hand-off file with a megabyte of message would hang the start.
inline constexpr std::size_t kMostShownMessageChars = 8192;

// `text` cut to kMostShownMessageChars, with "…" after the cut to say so. The
// cut never splits a CR LF pair or a surrogate pair.
std::wstring ClipForDisplay(std::wstring text);

// How many characters of the message its box takes in one piece. Wine's text
// box wraps a paragraph by shaping, for each of its lines, all of the
// paragraph that follows in the box's text, so a long paragraph set at once
// costs the square of its length; appended a piece at a time, each line is
// shaped against the rest of its piece only.
inline constexpr std::size_t kMessagePieceChars = 256;

// `text` in consecutive pieces of at most `most` characters (at least 2), none
// of them ending inside a CR LF pair or a surrogate pair.
std::vector<std::wstring_view> PiecesOf(std::wstring_view text, std::size_t most);

// The longest sender's name a screen reader is given for the message box.
inline constexpr std::size_t kMostNamedSenderChars = 100;

// What a screen reader calls the message box: "Mensaje de " and the sender's
// name, its runs of control characters and blanks made one blank, trimmed,
// and cut after kMostNamedSenderChars (never inside a surrogate pair) with
// "…" to say so.
std::wstring MessageBoxName(std::wstring_view sender);

}  // namespace tornavel
