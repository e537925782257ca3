#include "ui/DayDescription.h"

#include "bridge/QtText.h"
#include "core/Clock.h"
#include "core/DayMarks.h"
#include "settings/Color.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/Switch.h"

#include <QStringList>

namespace tenvik::Main {
namespace {

QString PlatoonName(ShiftCode platoon)
{
    return platoon == ShiftCode::A ? QStringLiteral("A platoon") : QStringLiteral("B platoon");
}

} // namespace

QString DayDescription(DayNumber date, const DayMarks& marks)
{
    const TMainForm& form = *MainForm;
    QStringList parts;
    parts << form.environment().longDateLocale.toString(DayNumberToQDate(date), QLocale::LongFormat);
    if (SameDay(date, TodayDate(*TheClock)))
        parts << QStringLiteral("today");
    // Before the schedule begins no platoon is said.
    if (marks.platoon == ShiftCode::A || marks.platoon == ShiftCode::B)
        parts << PlatoonName(marks.platoon);
    if (marks.ownRdo)
        parts << QStringLiteral("your RDO");
    if (!marks.rdoGroup.empty())
        parts << QStringLiteral("RDO group ") + FromStd(marks.rdoGroup);
    // Paydays are left unsaid while the user hides them, as the grid hides them; the
    // group and the pay period are said always, as the status line shows them always.
    if (form.swPaydays->isChecked() && marks.payday)
        parts << QStringLiteral("payday");
    if (marks.payPeriodStart)
        parts << QStringLiteral("pay period %1 begins").arg(marks.payPeriod);
    return parts.join(QStringLiteral(", "));
}

QString LegendDescription(ShiftCode platoon)
{
    const TAlphaColor color = platoon == ShiftCode::A ? APltColor : BPltColor;
    return QStringLiteral("Legend: ") + PlatoonName(platoon) + QStringLiteral(", ") + FromStd(ColorToText(color));
}

} // namespace tenvik::Main
