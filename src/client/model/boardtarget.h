// What a board item is, in the table's own terms: the layout gives every item
// a role and the seat, group, card and slot it stands for, and the actions
// act on that, so neither mouse nor keys read anything out of an item's name.
#pragma once

namespace velmora::client {

enum class ItemRole {
    None,  // a picture or text that takes no action
    HandCard,
    Group,  // a laid group: a hit goes to one of its ends
    DrawPile,
    DrawButton,
    DiscardPile,
    DiscardButton,
    PickUpButton,
    CreateStageButton,
    ChatSwitch,
    StageListSwitch,
    PlayAgainButton,      // the game-over panel's "Play Again"
    CloseGameOverButton,  // and its "Close"
    CloseSummaryButton,   // the round summary's "Continue" (the view closes it)
};

// The end of a laid group that a hit goes to.
enum class GroupEnd { Left, Right };

struct BoardTarget {
    ItemRole role = ItemRole::None;
    int seat = 0;    // Group: the seat that laid it
    int group = 0;   // Group: 1 or 2
    int cardId = 0;  // HandCard
    int slot = 0;    // HandCard: its hand slot

    bool operator==(const BoardTarget&) const = default;
};

}  // namespace velmora::client
