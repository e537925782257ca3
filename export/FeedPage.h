#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The one page a member opens to subscribe: the agency, every feed with its two
// addresses and a QR code for a phone's camera, and short steps for the common calendar
// programs. Plain HTML with a little CSS: no script, readable from 320 pixels wide, with
// headings, named links and a text alternative for each code. The program words it in the
// publisher's language; this part only lays it out and escapes it. POSIX builds only.
namespace tenvik {

struct PageFeed {
    std::string name;     // "Group A1"
    std::string note;     // what the calendar holds
    std::string fileName; // "a1.ics"
};

struct PageSection {
    std::string heading;
    std::vector<PageFeed> feeds;
};

struct PageTexts {
    std::string language = "en"; // the page's lang attribute, "fr-CA"
    std::string title;           // the page's title and first heading
    std::string intro;           // a paragraph under it
    std::string howToLink;       // the intro's link to the steps below
    std::string subscribe;       // the webcal link's text
    std::string subscribeLabel;  // its accessible name; %1: the feed's name
    std::string address;         // the text before the https link
    std::string codeLabel;       // the code's text alternative; %1: the feed's name, %2: what it reads
    std::string howToHeading;
    std::vector<std::pair<std::string, std::string>> howTo; // a calendar program and its steps
    std::string footer;
};

// base is a FeedBaseUrl; every feed gets base + fileName as its https:// (or http://)
// address, the webcal:// form of it as its subscribe link, and a QR code of the latter.
std::string FeedPageHtml(const PageTexts& texts, std::string_view base, const std::vector<PageSection>& sections);

} // namespace tenvik
