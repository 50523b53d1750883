// Every message, by the end that handles it. The command lists are made from
// these types, so they cannot fall behind: add a message's type here and its
// name is in the list.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "protocol/connection.h"
#include "protocol/events.h"
#include "protocol/requests.h"

namespace velmora::proto {

template <typename... Messages>
struct MessageList {
    static constexpr std::array<std::string_view, sizeof...(Messages)> names{Messages::kName...};
    // Calls f.template operator()<M>() for each type, in order.
    template <typename F>
    static void forEach(F&& f) {
        (f.template operator()<Messages>(), ...);
    }
};

// What the host handles: the designed requests in the order the designed
// host compares them, then our extensions.
using HostMessages = MessageList<request::Login, request::Kick, request::Chat, request::Action,
                                 request::PlaySound, request::StartGame, request::JustWatch,
                                 request::PickDiscard, request::Draw, request::Discard,
                                 request::CreateStage, request::HitSet,
                                 request::Rejoin>;

// What the client handles: the designed events in the designed client's
// order, then our extensions (a designed peer drops their names).
using ClientMessages = MessageList<event::SendLoginInfo, event::Chat, event::Action, event::PlaySound,
                                   event::NewPlayer, event::HaveWrongVersion, event::WrongVersion,
                                   event::ExistingPlayer, event::PlayerLeft, event::Full,
                                   event::JustWatching, event::StartGame, event::NextPlayer,
                                   event::Winner, event::MyCards, event::StartRound, event::PlayError,
                                   event::PickDiscard, event::Draw, event::Discard, event::PlayStage,
                                   event::HitThem, event::HeDrew, event::EndRound, event::GameStats,
                                   event::Owner, event::SeatToken, event::RejoinRefused,
                                   event::HostClosing, event::Points>;

}  // namespace velmora::proto

namespace velmora {
// The command names each end handles, in the order it compares them.
inline constexpr auto kHostCommands = proto::HostMessages::names;
inline constexpr auto kClientCommands = proto::ClientMessages::names;
// The names a designed peer knows: the lists' first entries.
inline constexpr std::span<const std::string_view> kDesignedHostCommands{kHostCommands.data(), 12};
inline constexpr std::span<const std::string_view> kDesignedClientCommands{kClientCommands.data(), 25};
}  // namespace velmora
