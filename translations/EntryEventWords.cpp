#include "translations/EntryEventWords.h"

#include "bridge/QtText.h"
#include "records/Hours.h"

#include <QCoreApplication>

namespace tenvik {
namespace {

using records::Entry;
using records::EntryKind;

QString HoursText(records::Hours hours)
{
    return FromStd(records::FormatHours(hours));
}

QString LeaveName(records::LeaveKind kind)
{
    switch (kind) {
    case records::LeaveKind::Vacation:
        return QCoreApplication::translate("tenvik-export", "Vacation");
    case records::LeaveKind::Sick:
        return QCoreApplication::translate("tenvik-export", "Sick leave");
    case records::LeaveKind::Compensatory:
        return QCoreApplication::translate("tenvik-export", "Compensatory time");
    case records::LeaveKind::Holiday:
        return QCoreApplication::translate("tenvik-export", "Holiday");
    case records::LeaveKind::Other:
        break;
    }
    return QCoreApplication::translate("tenvik-export", "Other leave");
}

QString EntryTitle(const Entry& entry)
{
    switch (entry.kind) {
    case EntryKind::Trade:
        if (entry.direction == records::TradeDirection::IWorkedForThem)
            return QCoreApplication::translate("tenvik-export", "Worked for %1 (%2 h)")
                .arg(FromStd(entry.colleague), HoursText(entry.hours));
        return QCoreApplication::translate("tenvik-export", "%1 worked for me (%2 h)")
            .arg(FromStd(entry.colleague), HoursText(entry.hours));
    case EntryKind::Leave:
        return QCoreApplication::translate("tenvik-export", "%1 (%2 h)")
            .arg(LeaveName(entry.leave), HoursText(entry.hours));
    case EntryKind::Extra: {
        const QString kind = entry.extra == records::ExtraKind::Overtime
            ? QCoreApplication::translate("tenvik-export", "Overtime")
            : QCoreApplication::translate("tenvik-export", "Callback");
        const QString pay = entry.pay == records::ExtraPay::Paid
            ? QCoreApplication::translate("tenvik-export", "paid")
            : QCoreApplication::translate("tenvik-export", "banked");
        return QCoreApplication::translate("tenvik-export", "%1 (%2 h, %3)").arg(kind, HoursText(entry.hours), pay);
    }
    case EntryKind::Note:
        break;
    }
    return QCoreApplication::translate("tenvik-export", "Note");
}

} // namespace

std::vector<EntryEventText> EntryEventTexts(std::span<const Entry> entries)
{
    std::vector<EntryEventText> texts;
    texts.reserve(entries.size());
    for (const Entry& entry : entries) {
        texts.push_back({static_cast<DayNumber>(entry.day), entry.id, EntryTitle(entry).toStdString(), entry.text});
    }
    return texts;
}

QString EntryEventCategory()
{
    return QCoreApplication::translate("tenvik-export", "My entries");
}

} // namespace tenvik
