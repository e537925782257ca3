// The window's two passes over the settings file, side by side so that each stays the
// other's mirror: start-up reads the keys into the state and the Settings widgets, Save
// writes them back from there. Both go key by key in the file's order: agency, assignment,
// the three switches, the pay-period start, the marks switch, the shift length, the five
// colours.
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/SettingsFolder.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QStringList>

#include <utility>

namespace tenvik {

using namespace Main;

SettingsRecord TMainForm::readSettingsFile()
{
    SettingsPath = FindSettingsPath(m_environment.configBase);
    const IniFile ini(SettingsPath, *m_environment.fileStore);
    const SettingsRecord stored = ReadSettings(ini, LocaleFormats);
    AgencyName = stored.agency;
    // The assignment is selected in cbPlt later in start-up, once the title can show it.
    swPaydays->setChecked(stored.showPaydays);
    swDebitDays->setChecked(stored.showDebit);
    swPayPeriods->setChecked(stored.showPayPeriods);
    swEntryMarks->setChecked(stored.showEntryMarks);
    spnShiftHours->setValue(stored.shiftHours);
    PayPeriodStart = stored.payPeriodStart;
    for (const ColorRoleInfo& info : ColorRoles)
        RoleColor(info.role) = stored.Color(info.role);
    m_unreadableSettings = unreadableSettingsText(stored.unreadable);
    return stored;
}

// Each value by the name the Settings page gives it, with the text the file holds.
QString TMainForm::unreadableSettingsText(const std::vector<UnreadableValue>& values) const
{
    const std::pair<std::string_view, QString> names[] = {
        {"RDO", lblPlatoon->rawText()},           {"ShowPaydays", lblPaydays->rawText()},
        {"ShowDebit", lblDebitDays->rawText()},   {"ShowPayPeriods", lblPayPeriods->rawText()},
        {"PPStart", dePPStart->accessibleName()}, {"APlt", bAPlt->accessibleName()},
        {"BPlt", bBPlt->accessibleName()},        {"XPlt", bXPlt->accessibleName()},
        {"LdTr", bLdTr->accessibleName()},        {"BkGr", bBkGr->accessibleName()},
        {"EntryMarks", lblEntryMarks->rawText()}, {"ShiftHours", lblShiftHours->rawText()},
    };
    QStringList items;
    for (const UnreadableValue& value : values) {
        QString name = QString::fromStdString(value.key);
        for (const auto& [key, shown] : names) {
            if (key == value.key)
                name = shown;
        }
        //: One setting that could not be read: %1 its name on the Settings page, %2 the text the
        //: settings file holds for it
        items << tr("%1 \u201C%2\u201D").arg(name, QString::fromStdString(value.text));
    }
    if (items.isEmpty())
        return {};
    //: %1 lists the settings, each with the text the file holds
    return tr("Some settings could not be read and use their defaults until you save: %1")
        .arg(items.join(QStringLiteral(", ")));
}

void TMainForm::writeSettingsFile()
{
    SettingsRecord values;
    // An agency left as the field was given it stays the bytes the file holds, which
    // need not be UTF-8; only an edited one is taken from the field.
    const QString agency = edAgency->text();
    values.agency = agency == AgencyShown ? AgencyName : agency.toStdString();
    values.assignment = cbPlt->currentText().toStdString();
    values.showPaydays = swPaydays->isChecked();
    values.showDebit = swDebitDays->isChecked();
    values.showPayPeriods = swPayPeriods->isChecked();
    values.payPeriodStart = PayPeriodStart;
    values.showEntryMarks = swEntryMarks->isChecked();
    values.shiftHours = spnShiftHours->value();
    for (const ColorRoleInfo& info : ColorRoles)
        values.Color(info.role) = RoleColor(info.role);

    IniFile ini(SettingsPath, *m_environment.fileStore);
    // AgencyName follows the file: an agency typed back after another was saved is
    // written again.
    WriteSettings(ini, values, AgencyName);
    AgencyShown = agency;
}

} // namespace tenvik
