#include "cells_fixture.h"
#include "controls/grid/cell_memory.h"

#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// A text of the length, its letters telling apart texts of the same length.
std::string TextOf(size_t length, int seed)
{
    std::string text(length, ' ');
    for (size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>('a' + (seed + static_cast<int>(i)) % 26);
    return text;
}

} // namespace

// The store keeps its cells and texts in memory of its own: blocks of one size must never serve another,
// and a block that comes back must serve again.
class CellsMemory : public CellStore
{
protected:
    CellsMemory()
    {
        AddColumn(ctString);
        AddColumn(ctFloat);
        AddColumn(ctBoolean);
    }
    void AddFileRow(const std::string& text)
    {
        store.AddRow(1);
        expected.emplace_back();
        WriteFileRow(store.RowCount() - 1, text);
    }
    void WriteFileRow(int row, const std::string& text)
    {
        store.GetCell(0, row)->SetAsString(text);
        store.GetCell(1, row)->SetAsFloat(static_cast<double>(text.size()));
        store.GetCell(2, row)->SetAsBoolean(text.size() % 2 == 1);
        expected[static_cast<size_t>(row)] = text;
    }
    void DeleteFileRow(int row)
    {
        store.DeleteRow(row);
        expected.erase(expected.begin() + row);
    }
    void ExpectTheTexts()
    {
        ASSERT_EQ(store.RowCount(), static_cast<int>(expected.size()));
        for (int row = 0; row < store.RowCount(); ++row) {
            const std::string& text = expected[static_cast<size_t>(row)];
            ASSERT_EQ(store.GetCell(0, row)->AsString(), text) << "row " << row;
            ASSERT_EQ(store.GetCell(1, row)->AsFloat(), static_cast<double>(text.size())) << "row " << row;
            ASSERT_EQ(store.GetCell(2, row)->AsBoolean(), text.size() % 2 == 1) << "row " << row;
        }
    }

    std::vector<std::string> expected; // the texts of the rows in order
};

TEST_F(CellsMemory, TextsOfEveryLengthSurviveDeletionsRewritesAndReuse)
{
    // Up to lengths the store's memory leaves to the general heap.
    for (size_t length = 0; length < 700; ++length)
        AddFileRow(TextOf(length, 0));
    for (int row = store.RowCount() - 1; row >= 0; row -= 3)
        DeleteFileRow(row);
    // Texts rewritten longer, shorter, empty and as themselves.
    for (int row = 0; row < store.RowCount(); row += 2) {
        const std::string old = store.GetCell(0, row)->AsString();
        WriteFileRow(row, row % 4 == 0 ? TextOf(old.size() * 2 % 701, 1) : (row % 8 == 2 ? "" : old));
    }
    for (size_t length = 0; length < 700; length += 7)
        AddFileRow(TextOf(length, 2));
    ExpectTheTexts();
}

TEST_F(CellsMemory, RowsAddedAndDeletedForLongKeepTheMemoryOfTheLargestFill)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<size_t> length(0, 80);
    for (int i = 0; i < 500; ++i)
        AddFileRow(TextOf(length(random), i));
    const size_t held = store.MemorySize();
    // Files come and go, as in a window open for hours.
    for (int round = 0; round < 300; ++round) {
        for (int i = 0; i < 100; ++i)
            DeleteFileRow(static_cast<int>(random() % static_cast<unsigned>(store.RowCount())));
        for (int i = 0; i < 100; ++i)
            AddFileRow(TextOf(length(random), round));
    }
    ExpectTheTexts();
    // Blocks not given back would take some fifty times as much; the changed mix of text lengths may take
    // one chunk more (chunks grow with the memory held).
    EXPECT_LE(store.MemorySize(), 2 * held);

    // Cleared, the store keeps its memory, and the next rows are cut from it again; without columns it
    // holds nothing.
    const size_t kept = store.MemorySize();
    store.ClearRows();
    expected.clear();
    EXPECT_EQ(store.MemorySize(), kept);
    for (int i = 0; i < 500; ++i)
        AddFileRow(TextOf(length(random), i));
    EXPECT_EQ(store.MemorySize(), kept);
    ExpectTheTexts();
    store.ClearColumns();
    EXPECT_EQ(store.MemorySize(), 0u);
}

TEST_F(CellsMemory, HintsAndObjectReferencesGoWithTheirCells)
{
    TObject reference;
    AddFileRow("kept");
    AddFileRow("deleted");
    // The Boolean cells: the only blocks of their size, so the new row's takes the deleted row's.
    store.GetCell(2, 0)->SetHint("hint of kept");
    store.GetCell(2, 1)->SetHint("hint of deleted");
    store.GetCell(2, 1)->SetObjectReference(&reference);
    TCell* deleted = store.GetCell(2, 1);
    DeleteFileRow(1);
    AddFileRow("new");
    TCell* fresh = store.GetCell(2, 1);
    EXPECT_EQ(fresh, deleted) << "the block is used again";
    EXPECT_EQ(fresh->Hint(), "");
    EXPECT_EQ(fresh->ObjectReference(), nullptr);
    fresh->SetHint("hint of new");
    EXPECT_EQ(fresh->ObjectReference(), nullptr);
    EXPECT_EQ(store.GetCell(2, 0)->Hint(), "hint of kept");
    EXPECT_EQ(store.GetCell(2, 1)->Hint(), "hint of new");
}

// Blocks given out after a Recycle come from the kept chunks, from the first one on, and never overlap: a
// block still on a free list from before must not be handed out a second time.
TEST(CellMemory, RecycledChunksServeAgainWithoutOverlap)
{
    TCellMemory memory;
    std::vector<std::pair<std::byte*, size_t>> blocks;
    auto allocateAll = [&] {
        blocks.clear();
        for (size_t i = 0; i < 3000; ++i) {
            const size_t size = 8 + i * 40 % 505;
            blocks.emplace_back(static_cast<std::byte*>(memory.Allocate(size)), size);
        }
    };
    allocateAll();
    for (size_t i = 0; i < blocks.size(); i += 2)
        memory.Deallocate(blocks[i].first, blocks[i].second);
    const size_t held = memory.ReservedBytes();
    memory.Recycle();
    EXPECT_EQ(memory.ReservedBytes(), held);

    allocateAll();
    EXPECT_EQ(memory.ReservedBytes(), held) << "the kept chunks serve the same blocks again";
    for (size_t i = 0; i < blocks.size(); ++i)
        std::memset(blocks[i].first, static_cast<int>(i % 251), blocks[i].second);
    for (size_t i = 0; i < blocks.size(); ++i)
        for (size_t at = 0; at < blocks[i].second; ++at)
            ASSERT_EQ(blocks[i].first[at], static_cast<std::byte>(i % 251)) << "block " << i;
    memory.Release();
    EXPECT_EQ(memory.ReservedBytes(), 0u);
}
