#include "app/PublishWords.h"

#include "bridge/QtDate.h"
#include "bridge/QtText.h"

#include <QCoreApplication>
#include <QLocale>

namespace tenvik {
namespace {

std::string Words(const QString& text)
{
    return text.toStdString();
}

QString LongDate(const QLocale& locale, DayNumber day)
{
    return locale.toString(DayNumberToQDate(day), QLocale::LongFormat);
}

} // namespace

PageTexts PublishPageTexts(const QString& language, std::string_view agency, const FeedWindow& window)
{
    const QLocale locale(language.isEmpty() ? QStringLiteral("en_US") : language);
    PageTexts texts;
    texts.language = language.isEmpty() ? std::string("en") : Words(QString(language).replace(u'_', u'-'));
    //: The published page's title. %1: the agency
    texts.title = Words(QCoreApplication::translate("tenvik-export", "%1: shift calendars").arg(FromStd(agency)));
    //: %1 and %2: the first and the last day the calendars cover, as long dates
    texts.intro = Words(QCoreApplication::translate(
                            "tenvik-export",
                            "Subscribe to your group's calendar once: your phone or computer then keeps it up to "
                            "date by itself. The calendars cover %1 to %2.")
                            .arg(LongDate(locale, window.first), LongDate(locale, window.last)));
    texts.howToLink = Words(QCoreApplication::translate("tenvik-export", "How to subscribe"));
    //: The text of the link that subscribes a calendar program to a feed
    texts.subscribe = Words(QCoreApplication::translate("tenvik-export", "Subscribe"));
    //: What a screen reader says for the Subscribe link. %1: the feed's name ("Group A1")
    texts.subscribeLabel = Words(QCoreApplication::translate("tenvik-export", "Subscribe to %1"));
    texts.address = Words(QCoreApplication::translate("tenvik-export", "Address for your calendar program:"));
    //: The text alternative of a QR code. %1: the feed's name ("Group A1"), %2: the address it holds
    texts.codeLabel = Words(QCoreApplication::translate("tenvik-export", "QR code of %1: %2"));
    texts.howToHeading = Words(QCoreApplication::translate("tenvik-export", "How to subscribe"));
    texts.howTo = {
        {Words(QCoreApplication::translate("tenvik-export", "Google Calendar")),
         Words(QCoreApplication::translate(
             "tenvik-export",
             "On a computer, open calendar.google.com, choose + beside Other calendars, then From URL; paste "
             "the address of your group's calendar and choose Add calendar. Your phone's Google Calendar then "
             "shows it by itself."))},
        {Words(QCoreApplication::translate("tenvik-export", "Apple Calendar (iPhone, iPad, Mac)")),
         Words(QCoreApplication::translate(
             "tenvik-export",
             "On an iPhone or iPad, point the camera at your group's code, or tap Subscribe, and confirm. On a "
             "Mac, click Subscribe, or choose File, New Calendar Subscription, and paste the address."))},
        {Words(QCoreApplication::translate("tenvik-export", "Outlook")),
         Words(QCoreApplication::translate(
             "tenvik-export",
             "In Outlook on the web, choose Add calendar, then Subscribe from web, and paste the address. In "
             "Outlook for Windows, choose Add calendar, then From Internet."))},
    };
    texts.footer = Words(QCoreApplication::translate(
        "tenvik-export",
        "Calendar programs look for changes about once a week; a change can take a few days "
        "to reach every phone."));
    return texts;
}

std::vector<PageSection> PublishPageSections(const std::vector<Feed>& feeds)
{
    PageSection groups{Words(QCoreApplication::translate("tenvik-export", "Assignment groups")), {}};
    PageSection others{Words(QCoreApplication::translate("tenvik-export", "Platoons and paydays")), {}};
    for (const Feed& feed : feeds) {
        const QString code = FromStd(feed.code);
        switch (feed.kind) {
        case FeedKind::Group:
            //: %1: the assignment group ("A1")
            groups.feeds.push_back(
                {Words(QCoreApplication::translate("tenvik-export", "Group %1").arg(code)),
                 Words(QCoreApplication::translate("tenvik-export", "Duty days and RDOs of group %1.").arg(code)),
                 feed.fileName});
            break;
        case FeedKind::Platoon:
            //: %1: the platoon letter ("A")
            others.feeds.push_back(
                {Words(QCoreApplication::translate("tenvik-export", "%1 platoon").arg(code)),
                 Words(QCoreApplication::translate("tenvik-export", "Every duty day of the %1 platoon, without RDOs.")
                           .arg(code)),
                 feed.fileName});
            break;
        case FeedKind::Paydays:
            others.feeds.push_back(
                {Words(QCoreApplication::translate("tenvik-export", "Paydays")),
                 Words(QCoreApplication::translate("tenvik-export", "Paydays and the first day of each pay period.")),
                 feed.fileName});
            break;
        }
    }
    return {groups, others};
}

FeedNames TranslatedFeedNames()
{
    FeedNames names;
    //: The name of a platoon's calendar. %1: the agency, %2: the platoon letter ("A")
    names.platoon = Words(QCoreApplication::translate("tenvik-export", "%1 - %2 platoon"));
    //: The name of the paydays' calendar. %1: the agency
    names.paydays = Words(QCoreApplication::translate("tenvik-export", "%1 - Paydays"));
    return names;
}

} // namespace tenvik
