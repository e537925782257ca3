#include "records/Entry.h"

#include <utility>

namespace tenvik::records {
namespace {

template<typename Enum, std::size_t N>
std::optional<Enum> Find(const std::array<std::pair<Enum, std::string_view>, N>& table, std::string_view keyword)
{
    for (const auto& [value, word] : table) {
        if (word == keyword)
            return value;
    }
    return std::nullopt;
}

template<typename Enum, std::size_t N>
std::string_view Word(const std::array<std::pair<Enum, std::string_view>, N>& table, Enum value)
{
    for (const auto& [candidate, word] : table) {
        if (candidate == value)
            return word;
    }
    return {};
}

constexpr std::array<std::pair<EntryKind, std::string_view>, 4> Kinds = {{
    {EntryKind::Trade, "trade"},
    {EntryKind::Leave, "leave"},
    {EntryKind::Extra, "extra"},
    {EntryKind::Note, "note"},
}};
constexpr std::array<std::pair<TradeDirection, std::string_view>, 2> Directions = {{
    {TradeDirection::IWorkedForThem, "i-worked-for"},
    {TradeDirection::TheyWorkedForMe, "worked-for-me"},
}};
constexpr std::array<std::pair<LeaveKind, std::string_view>, 5> Leaves = {{
    {LeaveKind::Vacation, "vacation"},
    {LeaveKind::Sick, "sick"},
    {LeaveKind::Compensatory, "compensatory"},
    {LeaveKind::Holiday, "holiday"},
    {LeaveKind::Other, "other"},
}};
constexpr std::array<std::pair<ExtraKind, std::string_view>, 2> Extras = {{
    {ExtraKind::Overtime, "overtime"},
    {ExtraKind::Callback, "callback"},
}};
constexpr std::array<std::pair<ExtraPay, std::string_view>, 2> Pays = {{
    {ExtraPay::Paid, "paid"},
    {ExtraPay::Banked, "banked"},
}};

} // namespace

Entry Normalised(Entry entry)
{
    const Entry defaults;
    if (entry.kind != EntryKind::Trade) {
        entry.direction = defaults.direction;
        entry.paysBack.reset();
    }
    if (entry.kind != EntryKind::Leave)
        entry.leave = defaults.leave;
    if (entry.kind != EntryKind::Extra) {
        entry.extra = defaults.extra;
        entry.pay = defaults.pay;
    }
    if (entry.kind == EntryKind::Note)
        entry.hours = Hours{};
    return entry;
}

std::string_view KindKeyword(EntryKind kind)
{
    return Word(Kinds, kind);
}

std::string_view DetailKeyword(const Entry& entry)
{
    switch (entry.kind) {
    case EntryKind::Trade:
        return Word(Directions, entry.direction);
    case EntryKind::Leave:
        return Word(Leaves, entry.leave);
    case EntryKind::Extra:
        return Word(Extras, entry.extra);
    case EntryKind::Note:
        break;
    }
    return {};
}

std::string_view PayKeyword(ExtraPay pay)
{
    return Word(Pays, pay);
}

std::optional<EntryKind> KindFromKeyword(std::string_view keyword)
{
    return Find(Kinds, keyword);
}

bool SetDetailFromKeyword(Entry& entry, std::string_view keyword)
{
    switch (entry.kind) {
    case EntryKind::Trade:
        if (const auto direction = Find(Directions, keyword)) {
            entry.direction = *direction;
            return true;
        }
        return false;
    case EntryKind::Leave:
        if (const auto leave = Find(Leaves, keyword)) {
            entry.leave = *leave;
            return true;
        }
        return false;
    case EntryKind::Extra:
        if (const auto extra = Find(Extras, keyword)) {
            entry.extra = *extra;
            return true;
        }
        return false;
    case EntryKind::Note:
        return keyword.empty();
    }
    return false;
}

std::optional<ExtraPay> PayFromKeyword(std::string_view keyword)
{
    return Find(Pays, keyword);
}

} // namespace tenvik::records
