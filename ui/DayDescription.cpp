#include "ui/DayDescription.h"

#include "bridge/QtDate.h"
#include "bridge/QtText.h"
#include "core/Clock.h"
#include "core/DayMarks.h"
#include "settings/Color.h"
#include "ui/DayEntriesDialog.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/ColorNames.h"
#include "ui/widgets/Switch.h"

#include <QStringList>

namespace tenvik::Main {
namespace {

QString PlatoonName(ShiftCode platoon)
{
    return platoon == ShiftCode::A ? TMainForm::tr("A platoon") : TMainForm::tr("B platoon");
}

constexpr qsizetype SpokenTextLength = 60;

} // namespace

QString ShortenedForSpeech(const QString& text)
{
    const QString simple = text.simplified();
    if (simple.size() <= SpokenTextLength)
        return simple;
    qsizetype end = simple.lastIndexOf(u' ', SpokenTextLength);
    // One word longer than the whole length is cut where the length ends.
    if (end <= 0)
        end = SpokenTextLength;
    return simple.left(end) + QChar(0x2026);
}

QString DayDescription(DayNumber date, const DayMarks& marks, std::span<const records::Entry> entries)
{
    const TMainForm& form = *MainForm;
    QStringList parts;
    parts << form.environment().longDateLocale.toString(DayNumberToQDate(date), QLocale::LongFormat);
    if (SameDay(date, TodayDate(*TheClock)))
        //: Said of the day that is today, after its date
        parts << TMainForm::tr("today");
    // Before the schedule begins no platoon is said.
    if (marks.platoon == ShiftCode::A || marks.platoon == ShiftCode::B)
        parts << PlatoonName(marks.platoon);
    if (marks.ownRdo)
        parts << TMainForm::tr("your RDO");
    if (!marks.rdoGroup.empty())
        //: %1: the group whose Regular Day Off the day is, "B2"
        parts << TMainForm::tr("RDO group %1").arg(FromStd(marks.rdoGroup));
    // Paydays are left unsaid while the user hides them, as the grid hides them; the
    // group and the pay period are said always, as the status line shows them always.
    if (form.swPaydays->isChecked() && marks.payday)
        parts << TMainForm::tr("payday");
    if (marks.payPeriodStart)
        //: %1: the number of the pay period, 1 to 26
        parts << TMainForm::tr("pay period %1 begins").arg(marks.payPeriod);
    const int day = static_cast<int>(WholeDay(date));
    for (const records::Entry& entry : entries) {
        if (entry.day != day)
            continue;
        records::Entry said = entry;
        said.text = ShortenedForSpeech(QString::fromStdString(entry.text)).toStdString();
        parts << EntryLine(said);
    }
    return parts.join(QStringLiteral(", "));
}

QString LegendDescription(ShiftCode platoon)
{
    const TAlphaColor color = platoon == ShiftCode::A ? APltColor : BPltColor;
    //: A legend cell read aloud. %1: "A platoon" or "B platoon", %2: the name of its colour
    return TMainForm::tr("Legend: %1, %2").arg(PlatoonName(platoon), ColorDisplayName(color));
}

} // namespace tenvik::Main
