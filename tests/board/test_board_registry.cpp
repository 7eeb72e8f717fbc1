#include <gtest/gtest.h>

#include "board/board_registry.h"

namespace vornia {
namespace {

// The current list counts as registered only while it is the list of the
// entry named BoardName: after a failed generation the name still belongs to
// the board before it, and saving or switching must not mistake one for the other.
TEST(BoardRegistry, CurrentIsRegisteredFollowsTheListNotTheName)
{
    TBoardRegistry boards;
    EXPECT_FALSE(boards.CurrentIsRegistered()); // the empty list at creation
    boards.SetBoardName("One");
    EXPECT_FALSE(boards.CurrentIsRegistered());
    boards.RegisterBoard(boards.BoardName());
    EXPECT_TRUE(boards.CurrentIsRegistered());
    const TPlateList* one = &boards.Plates();

    boards.NewPlateList(); // a generation that fails keeps the name
    EXPECT_EQ(boards.BoardName(), "[One]");
    EXPECT_FALSE(boards.CurrentIsRegistered());

    boards.ClearBoardName();
    EXPECT_TRUE(boards.SwitchToBoard("[ONE]"));
    EXPECT_EQ(&boards.Plates(), one);
    EXPECT_TRUE(boards.CurrentIsRegistered());
    EXPECT_EQ(boards.BoardName(), "[ONE]");

    boards.RenameBoard("[one]", "[Two]");
    EXPECT_FALSE(boards.CurrentIsRegistered()); // the entry is renamed, BoardName is the caller's
    boards.SetBoardName("Two");
    EXPECT_TRUE(boards.CurrentIsRegistered());

    boards.FreeBoards();
    EXPECT_TRUE(boards.Boards().empty());
    EXPECT_TRUE(boards.Plates().Empty()); // never a freed list
    EXPECT_FALSE(boards.CurrentIsRegistered());
}

} // namespace
} // namespace vornia
