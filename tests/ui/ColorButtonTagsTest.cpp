#include "ui/ColorButtonTags.h"

#include <gtest/gtest.h>

#include <map>

namespace tenvik::Main {
namespace {

TEST(ColorButtonTags, OnlyTheFiveButtonTagsNameARole)
{
    const std::map<int, ColorRole> roles = {
        {1, ColorRole::APlt}, {2, ColorRole::BPlt}, {5, ColorRole::XPlt}, {6, ColorRole::LdTr}, {7, ColorRole::BkGr},
    };
    for (int tag = -3; tag <= 142; ++tag) {
        SCOPED_TRACE(tag);
        const auto it = roles.find(tag);
        const std::optional<ColorRole> expected = it == roles.end() ? std::nullopt : std::optional{it->second};
        EXPECT_EQ(ColorRoleForTag(tag), expected);
    }
    for (const auto& [tag, role] : roles)
        EXPECT_EQ(TagForColorRole(role), tag);
}

} // namespace
} // namespace tenvik::Main
