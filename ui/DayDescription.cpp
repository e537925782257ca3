#include "ui/DayDescription.h"

#include "core/Clock.h"
#include "core/Payday.h"
#include "settings/Color.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/Switch.h"

#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

namespace tenvik::Main {
namespace {

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PlatoonName(ShiftCode platoon)
{
    return platoon == ShiftCode::A ? QStringLiteral("A platoon") : QStringLiteral("B platoon");
}

// The platoon on duty whoever the user is: the first assignment, "RDO", is no group, so
// the rule never answers 'X' for it. Before the schedule begins there is none.
std::optional<ShiftCode> PlatoonOnDuty(DayNumber date)
{
    const ShiftCode code = tenvik::ShiftCodeFor(date, AssignmentCodes.front());
    if (code == ShiftCode::A || code == ShiftCode::B)
        return code;
    return std::nullopt;
}

// "PP7" is read out as "pay period 7".
QString PayPeriodWords(DayNumber date)
{
    const std::string label = PayPeriodLabel(date, PayPeriodStart);
    std::string_view number = label;
    if (number.starts_with("PP"))
        number.remove_prefix(2);
    return QStringLiteral("pay period %1 begins").arg(FromStd(number));
}

} // namespace

QString DayDescription(DayNumber date)
{
    const TMainForm& form = *MainForm;
    QStringList parts;
    parts << form.environment().longDateLocale.toString(DayNumberToQDate(date), QLocale::LongFormat);
    if (SameDay(date, TodayDate(*TheClock)))
        parts << QStringLiteral("today");
    if (const auto platoon = PlatoonOnDuty(date))
        parts << PlatoonName(*platoon);
    if (ShiftCodeFor(date) == ShiftCode::X)
        parts << QStringLiteral("your RDO");
    if (const std::string_view group = RdoLabelFor(date); !group.empty())
        parts << QStringLiteral("RDO group ") + FromStd(group);
    // Paydays are left unsaid while the user hides them, as the grid hides them; the
    // group and the pay period are said always, as the status line shows them always.
    if (form.swPaydays->isChecked() && IsPayday(date))
        parts << QStringLiteral("payday");
    if (IsPayPeriodStart(date, PayPeriodStart))
        parts << PayPeriodWords(date);
    return parts.join(QStringLiteral(", "));
}

QString LegendDescription(ShiftCode platoon)
{
    const TAlphaColor color = platoon == ShiftCode::A ? APltColor : BPltColor;
    return QStringLiteral("Legend: ") + PlatoonName(platoon) + QStringLiteral(", ") + FromStd(ColorToText(color));
}

} // namespace tenvik::Main
