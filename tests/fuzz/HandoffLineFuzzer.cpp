// libFuzzer target: one hand-off line, and a reply cut from the same input,
// down the road the core gives them: the fields split and read as the window
// reads them, the message expanded and clipped, the message box's name, the
// ports through text-to-integer, both reply datagrams, the changed span the
// reply box replaces, the line a failed start writes. Each step checks what
// it promises; a broken promise aborts, and libFuzzer keeps
// the input. It writes nothing itself.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ChangedSpan.h"
#include "core/FieldRecord.h"
#include "core/MessageText.h"
#include "core/ReplyDatagram.h"
#include "core/ReplyText.h"
#include "core/RuntimeError.h"
#include "core/StartFailureText.h"
#include "core/Surrogates.h"
#include "core/SystemTexts.h"
#include "core/TextToInteger.h"

namespace {

using namespace tornavel;

void Check(bool promise) {
    if (!promise) std::abort();
}

// The first byte says how the rest becomes text: as single bytes (code page
// 1252's way of reading a line, with "¶" as 0xB6), or as UTF-16 units (the
// way a marked file reads, lone surrogates included).
std::wstring Decode(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    if (size == 0) return text;
    if ((data[0] & 1) == 0) {
        for (std::size_t i = 1; i < size; ++i) text += static_cast<wchar_t>(data[i]);
    } else {
        for (std::size_t i = 1; i + 1 < size; i += 2)
            text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring line = Decode(data, size);
    const FieldRecord record(SplitFields(line));
    const std::wstring& reply = record.Field(record.Count() - 1);

    // The fields the window reads: the sender and the message.
    std::wstring sender, message;
    try {
        sender = record.Field(1);
        message = record.Field(6);
    } catch (const RuntimeError& e) {
        Check(e.Number() == kErrSubscriptOutOfRange && record.Count() < 7);
    }
    const std::wstring expanded = ExpandEnterTokens(message);
    Check(expanded.find(L"{ENTER}") == std::wstring::npos &&
          ClipForDisplay(expanded).size() <= kMostShownMessageChars + 1);

    // The message box's name: the prefix, then one line of the sender's
    // name, cut to its most (and "…").
    const std::wstring name = MessageBoxName(sender);
    const std::size_t named = name.size() - std::size(texts::kMessageBoxNamePrefix) + 1;
    Check(name.starts_with(texts::kMessageBoxNamePrefix) && named <= kMostNamedSenderChars + 1 &&
          std::none_of(name.begin(), name.end(), [](wchar_t c) { return c < L' '; }));

    // The ports, as the sender reads them.
    for (const std::size_t port : {3u, 9u}) {
        if (port >= record.Count()) continue;
        try {
            (void)TextToInteger(record.Field(port));
        } catch (const RuntimeError& e) {
            Check(e.Number() == kErrTypeMismatch || e.Number() == kErrOverflow);
        }
    }

    // Both datagrams: the token first, eight pieces and the reply's own
    // separators, the reply whole just before the stamp.
    const std::wstring trimmed = TrimBlanks(reply);
    const auto separators = [](std::wstring_view text) {
        return std::count(text.begin(), text.end(), kFieldSeparator);
    };
    try {
        const std::wstring stamp = TimeStamp({static_cast<int>(size % 24), 5, 9});
        const std::wstring end = kFieldSeparator + trimmed + kFieldSeparator + stamp;
        for (const wchar_t* token : {texts::kFirstReplyToken, texts::kSecondReplyToken}) {
            const std::wstring datagram = ComposeReplyDatagram(token, record, 1, trimmed, stamp);
            Check(datagram.rfind(token, 0) == 0 && datagram.ends_with(end) &&
                  separators(datagram) == 7 + separators(trimmed));
        }
    } catch (const RuntimeError& e) {
        Check(e.Number() == kErrSubscriptOutOfRange && record.Count() < 10);
    }

    // The changed span: what it replaces in the old text gives the new one.
    for (const auto& [before, after] :
         {std::pair<std::wstring_view, std::wstring_view>{line, expanded}, {reply, sender}}) {
        const ChangedSpan span = FindChangedSpan(before, after);
        Check(!SplitsPair(before, span.start) && !SplitsPair(after, span.start + span.afterLength));
        Check(span.start + span.beforeLength <= before.size() &&
              std::wstring(before.substr(0, span.start)) +
                      std::wstring(after.substr(span.start, span.afterLength)) +
                      std::wstring(before.substr(span.start + span.beforeLength)) ==
                  after);
    }

    // The line a failed start writes: one line, whatever the hand-off line holds.
    const std::wstring report = ComposeStartFailureLine(
        L"C:\\Tornavel\\open.zelbarqin", L"too few fields, in " + DescribeFirstLine(line),
        [](wchar_t c) { return c < 0x80; });
    for (const wchar_t c : report) Check(c >= 0x20 && c < 0x7F);
    return 0;
}
