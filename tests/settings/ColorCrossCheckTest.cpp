// Checks our colour names against Qt's own table of SVG/CSS keywords, a source written
// independently of ours. Qt's names are lower case.
#include "settings/Color.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tenvik {
namespace {

// Names Qt knows that CSS Color Level 3 does not: we keep to that standard's keywords.
const std::set<std::string> NotCss3Keywords = {"transparent", "rebeccapurple"};

std::string Lower(std::string_view text)
{
    std::string lower{text};
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

TEST(ColorCrossCheck, EveryKeywordHasQtsValue)
{
    for (int i = 0; i < NullColorIndex; ++i) {
        const auto& entry = NamedColors[static_cast<std::size_t>(i)];
        const std::string name = Lower(entry.Name);
        SCOPED_TRACE(name);
        ASSERT_TRUE(QColor::isValidColorName(QString::fromStdString(name)));
        const QColor qtColor = QColor::fromString(QString::fromStdString(name));
        ASSERT_TRUE(qtColor.isValid());
        EXPECT_EQ(static_cast<TAlphaColor>(qtColor.rgba()), entry.Value);
    }
}

TEST(ColorCrossCheck, OurKeywordsAreExactlyQtsCss3Keywords)
{
    std::set<std::string> qtNames;
    for (const QString& name : QColor::colorNames()) {
        const std::string lower = name.toLower().toStdString();
        if (!NotCss3Keywords.contains(lower))
            qtNames.insert(lower);
    }

    std::set<std::string> ourNames;
    for (int i = 0; i < NullColorIndex; ++i)
        ourNames.insert(Lower(NamedColors[static_cast<std::size_t>(i)].Name));

    EXPECT_EQ(ourNames.size(), 147u);
    EXPECT_EQ(ourNames, qtNames);
    EXPECT_FALSE(QColor::isValidColorName(QStringLiteral("null")));
}

} // namespace
} // namespace tenvik
