// The clipboard's table text and the snapshot history, without a window.

#include "ui/ClipboardText.h"
#include "ui/EditHistory.h"

#include <gtest/gtest.h>

using namespace lumora;

namespace {

using Rows = QVector<QStringList>;

} // namespace

TEST(ClipboardText, ReadsWhatSpreadsheetsPutOnTheClipboard)
{
    // Tabs with CRLF and a final line break, as spreadsheets copy.
    EXPECT_EQ(ParseClipboardText("a\tb\r\nc\t\r\n"), Rows({{"a", "b"}, {"c", ""}}));
    // A quoted field keeps its tab, line break, quotes and blanks.
    EXPECT_EQ(ParseClipboardText("\"x\ty\"\t\"two\nlines\"\t\" say \"\"hi\"\" \"\n"),
              Rows({{"x\ty", "two\nlines", " say \"hi\" "}}));
    // Without a tab the text is comma-separated; blanks around fields go.
    EXPECT_EQ(ParseClipboardText("146.52, 146.52 ,\"a,b\"\n,"), Rows({{"146.52", "146.52", "a,b"}, {"", ""}}));
    EXPECT_EQ(ParseClipboardText("145,525\n"), Rows({{"145,525"}})); // one number: a decimal comma
    EXPECT_EQ(ParseClipboardText("one"), Rows({{"one"}}));
    EXPECT_TRUE(ParseClipboardText("").isEmpty());
    // An unbalanced quote takes the rest of the text, and nothing is lost.
    EXPECT_EQ(ParseClipboardText("\"open\tstill"), Rows({{"open\tstill"}}));
}

TEST(ClipboardText, WhatIsCopiedReadsBackTheSame)
{
    const Rows rows = {{"146.52000", "", "NONE"}, {"a\tb", "line\nbreak", "\"quoted\""}, {"", "", ""}};
    EXPECT_EQ(ClipboardTextOf(rows).left(15), QString("146.52000\t\tNONE"));
    EXPECT_EQ(ParseClipboardText(ClipboardTextOf(rows)), rows);
}

TEST(EditHistory, StepsBackAndForthThroughChanges)
{
    int value = 0;
    EditHistory<int> h([&] { return value; }, [&](const int &v) { value = v; });
    h.Checkpoint(); // the start
    EXPECT_FALSE(h.Undo());
    value = 1;
    h.Checkpoint();
    h.Checkpoint(); // no change: no step
    value = 2;
    EXPECT_TRUE(h.Undo()); // a change not yet recorded is a step of its own
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(h.Undo());
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(h.Undo());
    EXPECT_TRUE(h.Redo());
    EXPECT_EQ(value, 1);
    value = 5; // a new change drops the redo
    h.Checkpoint();
    EXPECT_FALSE(h.Redo());
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(h.Undo());
    EXPECT_EQ(value, 1);
}

TEST(EditHistory, KeepsAtMostItsDepth)
{
    int value = 0;
    EditHistory<int> h([&] { return value; }, [&](const int &v) { value = v; }, 3);
    h.Checkpoint();
    for (value = 1; value <= 10; ++value)
        h.Checkpoint();
    value = 10;
    int undone = 0;
    while (h.Undo())
        ++undone;
    EXPECT_EQ(undone, 3);
    EXPECT_EQ(value, 7);
}
