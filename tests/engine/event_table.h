// Expected-event tables in the style of message-sequence tests: each row is one recorded call
// (time, kind, target window by name, message, wParam, lParam, text). A table is compared with
// the simulated desktop's log, and a mismatch prints a readable line diff.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/engine/sim_desktop.h"

namespace vantrelle::sim {

struct Row {
    std::int64_t time = 0;
    EventKind kind = EventKind::Post;
    std::string target;  // window name; "0" for no window
    std::uint64_t msg = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
    AnsiText text;
    AnsiText caption;
    bool ok = true;
};
using Table = std::vector<Row>;

Table operator+(Table a, const Table& b);

// Rows of expected tables.
Row posted(std::int64_t time, const std::string& target, unsigned msg, std::uint64_t wParam, std::int64_t lParam);
Row mouseInput(std::int64_t time, std::uint32_t flags, std::int32_t x, std::int32_t y);
Row cursorTo(std::int64_t time, std::int32_t x, std::int32_t y);
Row clipboardCall(std::int64_t time, EventKind kind, bool ok = true);
Row messageBox(std::int64_t time, const AnsiText& text, const AnsiText& caption, unsigned flags);
Row messageBoxEnd(std::int64_t time, int result);
// One WM_CHAR per byte of text, all at the same time.
Table typed(std::int64_t time, const std::string& target, const AnsiText& text);
// Open, Empty, SetClipboardText, Close, all at the same time.
Table clipboardPut(std::int64_t time, const AnsiText& text);
// The three messages of a posted click.
Table postedClick(std::int64_t time, const std::string& target, std::int32_t x, std::int32_t y);

// The log, reduced to the calls with an effect: posts, system clicks, cursor moves, clipboard
// calls and message boxes. Lookups (FindWindowExA, WindowFromPoint, SendMessageA) are left out.
Table effects(const SimDesktop& desktop);
// Only the posted messages.
Table postsOnly(const SimDesktop& desktop);
// Only the given kind of call.
Table callsOf(const SimDesktop& desktop, EventKind kind);

std::string render(const Row& row);
// Byte text as readable UTF-8 where it converts from code page 936, else with \xNN escapes.
std::string readable(const AnsiText& text);

::testing::AssertionResult matchesTable(const Table& expected, const Table& actual);

}  // namespace vantrelle::sim
