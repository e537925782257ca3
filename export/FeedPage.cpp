#include "export/FeedPage.h"

#include "export/EventPhrases.h"
#include "export/Feeds.h"
#include "export/QrCodeSvg.h"

namespace tenvik {
namespace {

// Large enough for a camera at arm's length, small enough for two cards side by side.
constexpr int CodePixels = 168;

// Narrow screens get one column of cards, wide ones as many as fit; a long address
// breaks anywhere rather than widening the page.
constexpr std::string_view Style = R"(
:root{color-scheme:light}
body{font:1rem/1.45 system-ui,-apple-system,"Segoe UI",Roboto,sans-serif;color:#1b1b1b;background:#fff;margin:0 auto;padding:1rem;max-width:76rem}
h1{font-size:1.6rem;margin:.25rem 0 .5rem}
h2{font-size:1.3rem;margin:1.5rem 0 .5rem}
h3{font-size:1.1rem;margin:0 0 .25rem}
a{color:#0b4f9c}
a:focus-visible{outline:3px solid #b3261e;outline-offset:2px}
.feeds{display:grid;grid-template-columns:repeat(auto-fill,minmax(16rem,1fr));gap:1rem;list-style:none;margin:0;padding:0}
.feed{border:1px solid #767676;border-radius:.5rem;padding:.75rem}
.feed p{margin:.25rem 0}
.subscribe{display:inline-block;margin:.25rem 0;padding:.5rem 1rem;border-radius:.4rem;background:#b3261e;color:#fff;font-weight:700;text-decoration:none}
.address a{overflow-wrap:anywhere}
.feed svg{display:block;margin:.5rem 0 0;max-width:100%;height:auto}
footer{margin-top:2rem;font-size:.9rem;color:#4a4a4a}
)";

std::string FeedId(std::string_view fileName)
{
    return "feed-" + std::string(fileName.substr(0, fileName.find('.')));
}

void AppendFeed(std::string& page, const PageTexts& texts, std::string_view base, const PageFeed& feed)
{
    const std::string id = FeedId(feed.fileName);
    const std::string web = FeedUrl(base, feed.fileName);
    const std::string webcal = WebcalUrl(base, feed.fileName);
    page += "<li class=\"feed\"><section aria-labelledby=\"" + id + "\">\n";
    page += "<h3 id=\"" + id + "\">" + EscapeHtml(feed.name) + "</h3>\n";
    page += "<p>" + EscapeHtml(feed.note) + "</p>\n";
    page += "<p><a class=\"subscribe\" href=\"" + EscapeHtml(webcal) + "\" aria-label=\""
        + EscapeHtml(FillIn(texts.subscribeLabel, {feed.name})) + "\">" + EscapeHtml(texts.subscribe) + "</a></p>\n";
    page += "<p class=\"address\">" + EscapeHtml(texts.address) + "<br><a href=\"" + EscapeHtml(web) + "\">"
        + EscapeHtml(web) + "</a></p>\n";
    page += QrCodeSvg(webcal, FillIn(texts.codeLabel, {feed.name, webcal}), CodePixels);
    page += "\n</section></li>\n";
}

} // namespace

std::string FeedPageHtml(const PageTexts& texts, std::string_view base, const std::vector<PageSection>& sections)
{
    std::string page;
    page.reserve(64 * 1024);
    page += "<!DOCTYPE html>\n<html lang=\"" + EscapeHtml(texts.language) + "\">\n<head>\n<meta charset=\"utf-8\">\n";
    page += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    page += "<title>" + EscapeHtml(texts.title) + "</title>\n<style>" + std::string(Style) + "</style>\n</head>\n";
    page += "<body>\n<main>\n<h1>" + EscapeHtml(texts.title) + "</h1>\n";
    page += "<p>" + EscapeHtml(texts.intro) + " <a href=\"#how-to\">" + EscapeHtml(texts.howToLink) + "</a></p>\n";
    int number = 0;
    for (const PageSection& section : sections) {
        const std::string id = "section-" + std::to_string(++number);
        page += "<section aria-labelledby=\"" + id + "\">\n<h2 id=\"" + id + "\">" + EscapeHtml(section.heading)
            + "</h2>\n<ul class=\"feeds\">\n";
        for (const PageFeed& feed : section.feeds)
            AppendFeed(page, texts, base, feed);
        page += "</ul>\n</section>\n";
    }
    page += "<section aria-labelledby=\"how-to\">\n<h2 id=\"how-to\">" + EscapeHtml(texts.howToHeading) + "</h2>\n";
    for (const auto& [program, steps] : texts.howTo)
        page += "<h3>" + EscapeHtml(program) + "</h3>\n<p>" + EscapeHtml(steps) + "</p>\n";
    page += "</section>\n</main>\n<footer><p>" + EscapeHtml(texts.footer) + "</p></footer>\n</body>\n</html>\n";
    return page;
}

} // namespace tenvik
