#pragma once

#include "export/FeedPage.h"
#include "export/Feeds.h"

#include <QString>

#include <string_view>
#include <vector>

// The words of a department's published page and feeds, in the publisher's language:
// the program's translations fill the plain layer's patterns. POSIX builds only.
namespace tenvik {

// language is the translation in use ("es", "fr_CA"; empty for English); it also gives
// the page's dates their form.
PageTexts PublishPageTexts(const QString& language, std::string_view agency, const FeedWindow& window);

// The groups, then the platoons and the paydays, named and described.
std::vector<PageSection> PublishPageSections(const std::vector<Feed>& feeds);

FeedNames TranslatedFeedNames();

} // namespace tenvik
