#include "translations/EventWords.h"

#include <QCoreApplication>

namespace tenvik {
namespace {

std::string Translated(const char* source)
{
    return QCoreApplication::translate("tenvik::EventPhrases", source).toStdString();
}

} // namespace

EventPhrases TranslatedEventPhrases()
{
    // Each text is the English pattern the plain export layer holds; a test keeps the two
    // the same.
    EventPhrases phrases;
    //: Title of a duty day in the calendar file. %1: the assignment group, "A2"
    phrases.dutySummary = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "On duty - %1"));
    //: %1: the agency, %2: the assignment group ("A2"), %3: the platoon letter ("A")
    phrases.dutyDescription =
        Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "%1, group %2: %3 platoon on duty."));
    //: Title of the user's Regular Day Off. %1: the assignment group
    phrases.rdoSummary = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "RDO - %1"));
    //: %1: the agency, %2: the assignment group
    phrases.rdoDescription = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "%1, group %2: Regular Day Off."));
    //: %1: the agency
    phrases.paydaySummary = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "Payday - %1"));
    //: %1: the agency
    phrases.paydayDescription = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "%1: payday."));
    //: %1: the pay period, "PP7"; %2: the agency
    phrases.payPeriodSummary = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "%1 begins - %2"));
    //: %1: the agency, %2: the pay period ("PP7"), %3: its length in days (14)
    phrases.payPeriodDescription =
        Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "%1: pay period %2 begins today and runs %3 days."));
    //: Title of a day in a platoon's published calendar. %1: the platoon letter ("A")
    phrases.platoonSummary = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "%1 platoon on duty"));
    //: %1: the agency, %2: the platoon letter ("A")
    phrases.platoonDescription = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "%1: %2 platoon on duty."));
    //: Category of the duty days in a calendar program
    phrases.dutyCategory = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "Duty"));
    //: Category of the user's Regular Days Off
    phrases.rdoCategory = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "RDO"));
    phrases.paydayCategory = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "Payday"));
    phrases.payPeriodCategory = Translated(QT_TRANSLATE_NOOP("tenvik::EventPhrases", "Pay period"));
    return phrases;
}

} // namespace tenvik
