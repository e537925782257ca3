#include "export/FeedPage.h"
#include "export/PublishFolder.h"
#include "export/QrCodeSvg.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

std::vector<std::string> Entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

// Each publish is a new generation behind the link; the one before goes, and a file
// whose bytes stayed keeps its time, which web servers make their ETags of.
TEST(PublishFolderTest, SwitchesTheLinkAndKeepsTheTimesOfUnchangedFiles)
{
    const TempFolder temp;
    const fs::path feeds = temp.Path() / "feeds";
    const auto first = PublishFolder(feeds, {{"a.ics", "one"}, {"b.ics", "two"}});
    EXPECT_EQ(first.changed, 2U);
    EXPECT_EQ(fs::read_symlink(feeds), "feeds.tenvik-1");
    EXPECT_EQ(ReadFileBytes(feeds / "a.ics"), "one");
    const auto aTime = fs::last_write_time(feeds / "a.ics");
    EXPECT_EQ(fs::status(feeds / "a.ics").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);

    const auto second = PublishFolder(feeds / "", {{"a.ics", "one"}, {"b.ics", "TWO"}});
    EXPECT_EQ(second.changed, 1U);
    EXPECT_EQ(fs::read_symlink(feeds), "feeds.tenvik-2");
    EXPECT_EQ(Entries(temp.Path()), (std::vector<std::string>{"feeds", "feeds.tenvik-2"}));
    EXPECT_EQ(fs::last_write_time(feeds / "a.ics"), aTime);
    EXPECT_EQ(ReadFileBytes(feeds / "b.ics"), "TWO");
}

TEST(PublishFolderTest, AFailedPublishLeavesTheLastOneAndNothingElse)
{
    const TempFolder temp;
    const fs::path feeds = temp.Path() / "feeds";
    PublishFolder(feeds, {{"a.ics", "one"}});
    // A file that cannot be written, after one that was.
    EXPECT_THROW(PublishFolder(feeds, {{"a.ics", "new"}, {"no/such.ics", "x"}}), PublishError);
    EXPECT_EQ(fs::read_symlink(feeds), "feeds.tenvik-1");
    EXPECT_EQ(ReadFileBytes(feeds / "a.ics"), "one");
    EXPECT_EQ(Entries(temp.Path()), (std::vector<std::string>{"feeds", "feeds.tenvik-1"}));
    // What the message after a failure tells apart: a publish still served, or none.
    EXPECT_EQ(PublishedGeneration(feeds / ""), temp.Path() / "feeds.tenvik-1");
    EXPECT_EQ(PublishedGeneration(temp.Path() / "none"), std::nullopt);
}

// The weekly timer and a publish by hand take turns; one that waits too long changes
// nothing.
TEST(PublishFolderTest, WaitsForAnotherPublishBesideIt)
{
    const TempFolder temp;
    const fs::path feeds = temp.Path() / "feeds";
    PublishFolder(feeds, {{"a.ics", "one"}});
    {
        const int other = ::open(temp.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(other, 0);
        ASSERT_EQ(::flock(other, LOCK_EX), 0);
        try {
            PublishFolder(feeds, {{"a.ics", "two"}}, std::chrono::milliseconds(100));
            ADD_FAILURE() << "published while another publish held the folder";
        } catch (const PublishError& error) {
            EXPECT_EQ(error.problem, PublishProblem::Busy);
        }
        EXPECT_EQ(Entries(temp.Path()), (std::vector<std::string>{"feeds", "feeds.tenvik-1"}));
        ::close(other);
    }
    PublishFolder(feeds, {{"a.ics", "two"}});
    EXPECT_EQ(ReadFileBytes(feeds / "a.ics"), "two");
}

// A crash leaves a generation half written, or a new link never renamed; the next publish,
// even one that fails, removes them, and nothing else.
TEST(PublishFolderTest, RemovesWhatACrashLeftAndOnlyThat)
{
    const TempFolder temp;
    const fs::path feeds = temp.Path() / "feeds";
    PublishFolder(feeds, {{"a.ics", "one"}});
    fs::create_directory(temp.Path() / "feeds.tenvik-2");
    testing::WriteFileBytes(temp.Path() / "feeds.tenvik-2" / "a.ics", "ha");
    fs::create_symlink("feeds.tenvik-2", temp.Path() / ".feeds.tenvik-2.link");
    fs::create_symlink("feeds.tenvik-5", temp.Path() / ".feeds.tenvik-5.link");
    const std::vector<std::string> others = {".feeds.tenvik-6.link", ".other.tenvik-3.link", "feeds.tenvik-x"};
    for (const std::string& other : others)
        fs::create_directory(temp.Path() / other);

    EXPECT_THROW(PublishFolder(feeds, {{"no/such.ics", "x"}}), PublishError);
    EXPECT_EQ(fs::read_symlink(feeds), "feeds.tenvik-1");
    EXPECT_EQ(ReadFileBytes(feeds / "a.ics"), "one");
    std::vector<std::string> left = {"feeds", "feeds.tenvik-1"};
    left.insert(left.end(), others.begin(), others.end());
    std::ranges::sort(left);
    EXPECT_EQ(Entries(temp.Path()), left);

    PublishFolder(feeds, {{"a.ics", "two"}});
    EXPECT_EQ(ReadFileBytes(feeds / "a.ics"), "two");
    std::ranges::replace(left, std::string("feeds.tenvik-1"), fs::read_symlink(feeds).string());
    std::ranges::sort(left);
    EXPECT_EQ(Entries(temp.Path()), left);
}

TEST(PublishFolderTest, TakesAnEmptyFolderButNeverOneWithFiles)
{
    const TempFolder temp;
    const fs::path empty = temp.Path() / "empty";
    fs::create_directory(empty);
    PublishFolder(empty, {{"a.ics", "one"}});
    EXPECT_TRUE(fs::is_symlink(empty));

    const fs::path site = temp.Path() / "site";
    fs::create_directory(site);
    testing::WriteFileBytes(site / "index.html", "mine");
    try {
        PublishFolder(site, {{"a.ics", "one"}});
        ADD_FAILURE() << "a folder with files was taken";
    } catch (const PublishError& error) {
        EXPECT_EQ(error.problem, PublishProblem::NotALink);
    }
    EXPECT_EQ(ReadFileBytes(site / "index.html"), "mine");
    EXPECT_FALSE(fs::exists(temp.Path() / "site.tenvik-1"));
}

// The page escapes what the publisher typed and gives every code a text alternative.
TEST(FeedPageTest, EscapesTheTextsAndNamesEveryCode)
{
    PageTexts texts;
    texts.title = "Fire & Rescue <3>: shift calendars";
    texts.subscribeLabel = "Subscribe to %1";
    texts.codeLabel = "QR code of %1: %2";
    texts.howTo = {{"Outlook", "Choose \"Add calendar\"."}};
    const std::vector<PageSection> sections = {
        {"Groups", {{"Group A1", "Duty days", "a1.ics"}, {"Group B7", "Duty days", "b7.ics"}}}};
    const std::string page = FeedPageHtml(texts, "https://c.example.org/", sections);
    EXPECT_NE(page.find("<h1>Fire &amp; Rescue &lt;3&gt;: shift calendars</h1>"), std::string::npos);
    EXPECT_NE(page.find("<p>Choose &quot;Add calendar&quot;.</p>"), std::string::npos);
    EXPECT_NE(page.find("href=\"webcal://c.example.org/b7.ics\" aria-label=\"Subscribe to Group B7\""),
              std::string::npos);
    EXPECT_NE(page.find("<a href=\"https://c.example.org/a1.ics\">"), std::string::npos);
    EXPECT_NE(page.find("<title>QR code of Group A1: webcal://c.example.org/a1.ics</title>"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
}

TEST(FeedPageTest, AQrCodeIsASquareWithItsQuietZone)
{
    const std::string svg = QrCodeSvg("webcal://c.example.org/a1.ics", "code", 168);
    // 29 modules (version 3) and four of quiet zone on each side.
    EXPECT_NE(svg.find("viewBox=\"0 0 37 37\""), std::string::npos) << svg.substr(0, 200);
    EXPECT_NE(svg.find("M4 4h7v1h-7z"), std::string::npos); // the finder pattern's top edge
    EXPECT_THROW(QrCodeSvg(std::string(8000, 'x'), "code", 168), std::system_error);
}

} // namespace
} // namespace tenvik
