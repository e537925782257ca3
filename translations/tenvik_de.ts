<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>HelpPicture</name>
    <message>
        <source>A platoon on duty: the day number in the A colour</source>
        <translation>Wachabteilung A im Dienst: die Tageszahl in der Farbe von A</translation>
    </message>
    <message>
        <source>B platoon on duty: the day number in the B colour</source>
        <translation>Wachabteilung B im Dienst: die Tageszahl in der Farbe von B</translation>
    </message>
    <message>
        <source>Your RDO: the day number in the RDO colour</source>
        <translation>Ihr RDO: die Tageszahl in der RDO-Farbe</translation>
    </message>
    <message>
        <source>Payday: the day number underlined</source>
        <translation>Zahltag: die Tageszahl unterstrichen</translation>
    </message>
    <message>
        <source>RDO group that has its RDO that day (Show RDOs)</source>
        <translation>Gruppe, die an dem Tag ihren RDO hat (RDOs zeigen)</translation>
    </message>
    <message>
        <source>A pay period begins: PP1 to PP26 (Pay Periods)</source>
        <translation>Eine Lohnperiode beginnt: PP1 bis PP26 (Lohnperioden)</translation>
    </message>
    <message>
        <source>The selected day, filled with its colour</source>
        <translation>Der gewählte Tag, mit seiner Farbe gefüllt</translation>
    </message>
    <message>
        <source>Days of the months before and after</source>
        <translation>Tage des Vormonats und des Folgemonats</translation>
    </message>
    <message>
        <source>The legend: the A and B colours</source>
        <translation>Die Legende: die Farben von A und B</translation>
    </message>
    <message>
        <source>Status line: the selected day&apos;s date, the pay period that begins on it, its RDO group, and * on your RDO</source>
        <translation>Statuszeile: das Datum des gewählten Tages, die Lohnperiode, die an ihm beginnt, seine RDO-Gruppe und * an Ihrem RDO</translation>
    </message>
    <message>
        <source>Today: back to today</source>
        <translation>Heute: zurück zu heute</translation>
    </message>
    <message>
        <source>Go to any date from 1901 to 2060</source>
        <translation>Zu einem beliebigen Datum von 1901 bis 2060</translation>
    </message>
    <message>
        <source>Right-click a day: Export to Calendar… saves your days for a calendar program, Print Year… prints the year on one page</source>
        <translation>Rechtsklick auf einen Tag: In Kalender exportieren… speichert Ihre Tage für ein Kalenderprogramm, Jahr drucken… druckt das Jahr auf eine Seite</translation>
    </message>
    <message>
        <source>Shift Assignment</source>
        <translation>Schichteinteilung</translation>
    </message>
    <message>
        <source>Show Paydays</source>
        <translation>Zahltage zeigen</translation>
    </message>
    <message>
        <source>Show RDO</source>
        <translation>RDOs zeigen</translation>
    </message>
    <message>
        <source>Show Pay Periods</source>
        <translation>Lohnperioden zeigen</translation>
    </message>
    <message>
        <source>RDO Color</source>
        <translation>RDO-Farbe</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Crew Colors</source>
        <translation>Farben der Wachabteilungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Leading / Trailing Color</source>
        <translation>Farbe der Tage der Nachbarmonate</translation>
    </message>
    <message>
        <source>◆ A trade: you worked for a colleague, or one for you. Double-click a day for its entries</source>
        <translation>◆ Ein Schichttausch: Sie haben für einen Kollegen gearbeitet oder einer für Sie. Doppelklick auf einen Tag für seine Einträge</translation>
    </message>
    <message>
        <source>● Leave: vacation, sick, compensatory, holiday or other</source>
        <translation>● Abwesenheit: Urlaub, Krankheit, Freizeitausgleich, Feiertag oder andere</translation>
    </message>
    <message>
        <source>▲ Extra hours: overtime or a callback</source>
        <translation>▲ Mehrarbeit: Überstunden oder ein Rückruf in den Dienst</translation>
    </message>
    <message>
        <source>■ A note</source>
        <translation>■ Eine Notiz</translation>
    </message>
    <message>
        <source>Show Entry Marks</source>
        <translation>Markierungen zeigen</translation>
    </message>
    <message>
        <source>Shift Length</source>
        <translation>Schichtlänge</translation>
    </message>
</context>
<context>
    <name>YearSheet</name>
    <message>
        <source>No RDO group chosen</source>
        <translation>Keine RDO-Gruppe gewählt</translation>
    </message>
    <message>
        <source>Group %1, %2 platoon</source>
        <extracomment>%1: the assignment group (&quot;A2&quot;), %2: its platoon letter (&quot;A&quot;)</extracomment>
        <translation>Gruppe %1, Wachabteilung %2</translation>
    </message>
    <message>
        <source>Pay periods counted from %1</source>
        <extracomment>%1: the first day of the first pay period, as a short date</extracomment>
        <translation>Lohnperioden gezählt ab %1</translation>
    </message>
    <message>
        <source>For information only: the department&apos;s official roster prevails.</source>
        <translation>Nur zur Information: Maßgeblich ist der offizielle Dienstplan der Feuerwehr.</translation>
    </message>
    <message>
        <source>A platoon on duty</source>
        <translation>Wachabteilung A im Dienst</translation>
    </message>
    <message>
        <source>B platoon on duty</source>
        <translation>Wachabteilung B im Dienst</translation>
    </message>
    <message>
        <source>Shaded: you are on duty</source>
        <translation>Schattiert: Sie sind im Dienst</translation>
    </message>
    <message>
        <source>Your RDO (%1)</source>
        <extracomment>%1: the user&apos;s assignment group, &quot;A2&quot;</extracomment>
        <translation>Ihr RDO (%1)</translation>
    </message>
    <message>
        <source>Payday</source>
        <translation>Zahltag</translation>
    </message>
    <message>
        <source>First day of a pay period</source>
        <translation>Erster Tag einer Lohnperiode</translation>
    </message>
</context>
<context>
    <name>tenvik</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>The shift calendar: which platoon is on duty, your RDOs, paydays and pay periods, month by month.</source>
        <translation>Der Schichtkalender: welche Wachabteilung Dienst hat, Ihre RDOs, Zahltage und Lohnperioden, Monat für Monat.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see --help</source>
        <translation>unbekannte Option „%1“; siehe --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>unerwartetes Argument „%1“; siehe --help</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -style, -reverse ...) work as in every Qt program.

The settings are kept in $XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini
(normally ~/.config/...) and written only by Save. Right-click the month for
Export to Calendar... and Print Year...; tenvik-export does both without a
window.
</source>
        <translation>Die Qt-eigenen Optionen (-platform, -style, -reverse ...) wirken wie in jedem
Qt-Programm.

Die Einstellungen stehen in $XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini
(normalerweise ~/.config/...) und werden nur von Speichern geschrieben. Ein
Rechtsklick auf den Monat bietet In Kalender exportieren... und Jahr drucken...;
tenvik-export kann beides ohne Fenster.
</translation>
    </message>
</context>
<context>
    <name>tenvik-export</name>
    <message>
        <source>a file name (- for standard output)</source>
        <translation>einen Dateinamen (- für die Standardausgabe)</translation>
    </message>
    <message>
        <source>a date (yyyy-MM-dd)</source>
        <translation>ein Datum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <source>a year</source>
        <translation>ein Jahr</translation>
    </message>
    <message>
        <source>a group (RDO, A1 to A7, B1 to B7)</source>
        <translation>eine Gruppe (RDO, A1 bis A7, B1 bis B7)</translation>
    </message>
    <message>
        <source>a paper size (a4 or letter)</source>
        <translation>ein Papierformat (a4 oder letter)</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>Write a calendar file (iCalendar) of your duty days, RDOs, paydays and pay-period starts, for any calendar program.</source>
        <translation>Schreibt eine Kalenderdatei (iCalendar) mit Ihren Diensttagen, RDOs, Zahltagen und Beginnen der Lohnperioden, für jedes Kalenderprogramm.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Write one page with a whole year, for printing.</source>
        <translation>Schreibt eine Seite mit einem ganzen Jahr, zum Drucken.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>The printed year (default this year); for --ics without --from or --to, the calendar file covers this year.</source>
        <translation>Das gedruckte Jahr (Vorgabe: dieses Jahr); bei --ics ohne --from und --to umfasst die Kalenderdatei dieses Jahr.</translation>
    </message>
    <message>
        <source>YEAR</source>
        <translation>JAHR</translation>
    </message>
    <message>
        <source>Use this group instead of the saved one: RDO (no group), A1 to A7, B1 to B7.</source>
        <translation>Verwendet diese Gruppe statt der gespeicherten: RDO (keine Gruppe), A1 bis A7, B1 bis B7.</translation>
    </message>
    <message>
        <source>GROUP</source>
        <translation>GRUPPE</translation>
    </message>
    <message>
        <source>The paper of the printed year: a4 or letter (default: your locale&apos;s).</source>
        <translation>Das Papier des gedruckten Jahres: a4 oder letter (Vorgabe: das Ihres Gebietsschemas).</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Leave your duty days out of the calendar file.</source>
        <translation>Lässt Ihre Diensttage in der Kalenderdatei weg.</translation>
    </message>
    <message>
        <source>Leave your RDOs out.</source>
        <translation>Lässt Ihre RDOs weg.</translation>
    </message>
    <message>
        <source>Leave the paydays out.</source>
        <translation>Lässt die Zahltage weg.</translation>
    </message>
    <message>
        <source>Leave the pay-period starts out.</source>
        <translation>Lässt die Beginne der Lohnperioden weg.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>Writes your shift calendar from the settings Tenvik saved, without a window or a display.</source>
        <translation>Schreibt Ihren Schichtkalender aus den von Tenvik gespeicherten Einstellungen, ohne Fenster und ohne Bildschirm.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see --help</source>
        <translation>unbekannte Option „%1“; siehe --help</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>unerwartetes Argument „%1“; siehe --help</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>%1: %2 is not a date; write it as yyyy-MM-dd</source>
        <translation>%1: %2 ist kein Datum; schreiben Sie es als JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>%1: %2 is outside the calendar&apos;s range, %3 to %4</source>
        <translation>%1: %2 liegt außerhalb des Kalenderbereichs, %3 bis %4</translation>
    </message>
    <message>
        <source>--year: %1 is not a year</source>
        <translation>--year: %1 ist kein Jahr</translation>
    </message>
    <message>
        <source>--year: %1 is outside the calendar&apos;s range, %2 to %3</source>
        <translation>--year: %1 liegt außerhalb des Kalenderbereichs, %2 bis %3</translation>
    </message>
    <message>
        <source>--group: %1 is no group; use RDO, A1 to A7 or B1 to B7</source>
        <translation>--group: %1 ist keine Gruppe; verwenden Sie RDO, A1 bis A7 oder B1 bis B7</translation>
    </message>
    <message>
        <source>--paper: %1 is no paper size; use a4 or letter</source>
        <translation>--paper: %1 ist kein Papierformat; verwenden Sie a4 oder letter</translation>
    </message>
    <message>
        <source>the range ends before it begins: %1 to %2</source>
        <translation>der Bereich endet, bevor er beginnt: %1 bis %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no assignment group is set: duty days and RDOs are left out; choose one with --group or in Settings</source>
        <translation>keine Gruppe eingeteilt: Diensttage und RDOs fehlen; wählen Sie eine mit --group oder in den Einstellungen</translation>
    </message>
    <message>
        <source>the RDO schedule begins on 2012-01-17: no duty days before it</source>
        <translation>der RDO-Plan beginnt am 2012-01-17: davor gibt es keine Diensttage</translation>
    </message>
    <message>
        <source>cannot read the settings %1: %2; the defaults are used</source>
        <translation>die Einstellungen %1 können nicht gelesen werden: %2; es gelten die Vorgaben</translation>
    </message>
    <message>
        <source>%1: %2, %3 to %4
</source>
        <translation>%1: %2, %3 bis %4
</translation>
    </message>
    <message>
        <source>%1: the year %2 on %3 paper
</source>
        <translation>%1: das Jahr %2 auf Papier %3
</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s)</source>
        <translation>
            <numerusform>%n Termin</numerusform>
            <numerusform>%n Termine</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1=%2 in the settings %3; %4 is used</source>
        <extracomment>%1 is a key of the settings file (PPStart), %2 its value there, %3 the file, %4 the value used instead, as the file would hold it (2020-12-20)</extracomment>
        <translation>%1=%2 in den Einstellungen %3 kann nicht gelesen werden; es gilt %4</translation>
    </message>
    <message>
        <source>a file name (- for standard input)</source>
        <translation>einen Dateinamen (- für die Standardeingabe)</translation>
    </message>
    <message>
        <source>Write every entry you recorded (trades, leave, extra hours, notes) as CSV, for a spreadsheet or to move them to another computer.</source>
        <translation>Schreibt jeden Ihrer Einträge (Schichttausch, Abwesenheit, Mehrstunden, Notizen) als CSV, für eine Tabellenkalkulation oder den Umzug auf einen anderen Computer.</translation>
    </message>
    <message>
        <source>Write the hours of each pay period of --year, or of the days --from to --to, as CSV for the payroll office.</source>
        <translation>Schreibt die Stunden jeder Lohnperiode von --year oder der Tage --from bis --to als CSV für die Lohnbuchhaltung.</translation>
    </message>
    <message>
        <source>Put your entries into the calendar file too. They name colleagues and hold your notes: share such a file with care.</source>
        <translation>Schreibt Ihre Einträge auch in die Kalenderdatei. Sie nennen Kollegen und enthalten Ihre Notizen: geben Sie eine solche Datei mit Bedacht weiter.</translation>
    </message>
    <message>
        <source>Read an entries CSV back into your records: every line, or nothing when one is wrong.</source>
        <translation>Liest eine CSV-Datei mit Einträgen wieder in Ihre Aufzeichnungen ein: jede Zeile, oder nichts, wenn eine fehlerhaft ist.</translation>
    </message>
    <message>
        <source>With --import-csv: add to the entries you have rather than only filling empty records.</source>
        <translation>Mit --import-csv: fügt zu Ihren vorhandenen Einträgen hinzu, statt nur leere Aufzeichnungen zu füllen.</translation>
    </message>
    <message>
        <source>%1 and %2 name the same file, %3; give each its own</source>
        <translation>%1 und %2 nennen dieselbe Datei, %3; geben Sie jeder ihre eigene</translation>
    </message>
    <message>
        <source>Your entries are read from Tenvik.db beside the settings; where there is
none, there are no entries. The entries CSV always holds every entry, so
that it imports whole. --import-csv fills empty records only, unless --add
is given; then a file with an entry you already have is refused, so that a
file imported twice is not added twice. A refused import changes nothing
and exits with 1.
</source>
        <translation>Ihre Einträge werden aus Tenvik.db neben den Einstellungen gelesen; gibt es
diese Datei nicht, gibt es keine Einträge. Die Einträge-CSV enthält stets
jeden Eintrag, damit sie sich vollständig importieren lässt. --import-csv
füllt nur leere Aufzeichnungen, außer mit --add; dann wird eine Datei mit
einem Eintrag, den Sie schon haben, abgelehnt, damit eine zweimal
importierte Datei nicht zweimal hinzukommt. Ein abgelehnter Import ändert
nichts und endet mit 1.
</translation>
    </message>
    <message>
        <source>--with-entries puts your entries into --ics; give --ics FILE too</source>
        <translation>--with-entries schreibt Ihre Einträge in --ics; geben Sie auch --ics DATEI an</translation>
    </message>
    <message>
        <source>--add goes with --import-csv FILE</source>
        <translation>--add gehört zu --import-csv DATEI</translation>
    </message>
    <message>
        <source>--import-csv reads entries in; run it on its own, then write files</source>
        <translation>--import-csv liest Einträge ein; rufen Sie es allein auf und schreiben Sie danach Dateien</translation>
    </message>
    <message>
        <source>Vacation</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Sick leave</source>
        <translation>Krankheit</translation>
    </message>
    <message>
        <source>Compensatory time</source>
        <translation>Freizeitausgleich</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Other leave</source>
        <translation>Sonstige Abwesenheit</translation>
    </message>
    <message>
        <source>Worked for %1 (%2 h)</source>
        <translation>Für %1 gearbeitet (%2 Std.)</translation>
    </message>
    <message>
        <source>%1 worked for me (%2 h)</source>
        <translation>%1 hat für mich gearbeitet (%2 Std.)</translation>
    </message>
    <message>
        <source>%1 (%2 h)</source>
        <translation>%1 (%2 Std.)</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Überstunden</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Alarmierung</translation>
    </message>
    <message>
        <source>paid</source>
        <translation>ausbezahlt</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>angespart</translation>
    </message>
    <message>
        <source>%1 (%2 h, %3)</source>
        <translation>%1 (%2 Std., %3)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>the hours are outside 0 to 48</source>
        <translation>die Stunden liegen nicht zwischen 0 und 48</translation>
    </message>
    <message>
        <source>the date is outside 1901-01-01 to 2060-12-31</source>
        <translation>das Datum liegt nicht zwischen 1901-01-01 und 2060-12-31</translation>
    </message>
    <message>
        <source>the text holds a tab, a line break or another control character</source>
        <translation>der Text enthält einen Tabulator, einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>der Text ist kein UTF-8</translation>
    </message>
    <message>
        <source>the text is too long</source>
        <translation>der Text ist zu lang</translation>
    </message>
    <message>
        <source>a trade needs a colleague&apos;s name</source>
        <translation>ein Tausch braucht den Namen eines Kollegen</translation>
    </message>
    <message>
        <source>a note needs a text</source>
        <translation>eine Notiz braucht einen Text</translation>
    </message>
    <message>
        <source>it names no trade on a line above it</source>
        <translation>sie nennt keinen Tausch in einer Zeile darüber</translation>
    </message>
    <message>
        <source>it names a trade it cannot pay back</source>
        <translation>sie nennt einen Tausch, den sie nicht ausgleichen kann</translation>
    </message>
    <message>
        <source>My entries</source>
        <translation>Meine Einträge</translation>
    </message>
    <message>
        <source>the first line must be the header %1</source>
        <translation>die erste Zeile muss die Kopfzeile %1 sein</translation>
    </message>
    <message>
        <source>the line does not have the header&apos;s 9 columns</source>
        <translation>die Zeile hat nicht die 9 Spalten der Kopfzeile</translation>
    </message>
    <message>
        <source>the quoting is broken</source>
        <translation>die Anführungszeichen sind fehlerhaft</translation>
    </message>
    <message>
        <source>this is no valid value</source>
        <translation>das ist kein gültiger Wert</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>the id is on an earlier line too</source>
        <translation>die id steht auch in einer früheren Zeile</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>your records already hold %n entry(s); give --add to add the file&apos;s entries to them</source>
        <translation>
            <numerusform>Ihre Aufzeichnungen enthalten schon %n Eintrag; geben Sie --add an, um die Einträge der Datei hinzuzufügen</numerusform>
            <numerusform>Ihre Aufzeichnungen enthalten schon %n Einträge; geben Sie --add an, um die Einträge der Datei hinzuzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>your records already hold this entry; was the file imported before?</source>
        <translation>Ihre Aufzeichnungen enthalten diesen Eintrag schon; wurde die Datei bereits importiert?</translation>
    </message>
    <message>
        <source>your records %1 were written by a later version of Tenvik and are left as they are</source>
        <translation>Ihre Aufzeichnungen %1 stammen von einer neueren Version von Tenvik und bleiben unverändert</translation>
    </message>
    <message>
        <source>cannot open your records %1: %2</source>
        <translation>Ihre Aufzeichnungen %1 können nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, %2 bis %3</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entry(s) imported into %2
</source>
        <translation>
            <numerusform>%1: %n Eintrag in %2 importiert
</numerusform>
            <numerusform>%1: %n Einträge in %2 importiert
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entry(s)
</source>
        <translation>
            <numerusform>%1: %n Eintrag
</numerusform>
            <numerusform>%1: %n Einträge
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n pay period(s)</source>
        <translation>
            <numerusform>%1: %n Lohnperiode</numerusform>
            <numerusform>%1: %n Lohnperioden</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>einen Ordner</translation>
    </message>
    <message>
        <source>an address (https://...)</source>
        <translation>eine Adresse (https://...)</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>einen Namen</translation>
    </message>
    <message>
        <source>Publish every group&apos;s calendar for a department: a feed per group, per platoon and of the paydays, and a page to subscribe from, into FOLDER, for a web server to serve.</source>
        <translation>Veröffentlicht den Kalender jeder Gruppe für eine Feuerwehr: ein Abonnement je Gruppe, je Wachabteilung und der Zahltage sowie eine Seite zum Abonnieren, in ORDNER, den ein Webserver ausliefert.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>With --publish: the address the web server serves FOLDER at, such as https://calendar.example.org/shifts/.</source>
        <translation>Mit --publish: die Adresse, unter der der Webserver ORDNER ausliefert, etwa https://calendar.example.org/shifts/.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Use this agency name instead of the saved one.</source>
        <translation>Diesen Namen der Feuerwehr statt des gespeicherten verwenden.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Use this pay-period start instead of the saved one.</source>
        <translation>Diesen Beginn der Abrechnungszeiträume statt des gespeicherten verwenden.</translation>
    </message>
    <message>
        <source>First day of the calendar file (default today; for --publish the first day of the quarter before this one).</source>
        <translation>Erster Tag der Kalenderdatei (Vorgabe: heute; bei --publish der erste Tag des Quartals vor dem laufenden).</translation>
    </message>
    <message>
        <source>Last day of the calendar file (default 365 days after --from; for --publish the end of next year).</source>
        <translation>Letzter Tag der Kalenderdatei (Vorgabe: 365 Tage nach --from; bei --publish das Ende des nächsten Jahres).</translation>
    </message>
    <message>
        <source>nothing to do: give --ics FILE, --pdf FILE, --entries-csv FILE, --pay-periods-csv FILE, --import-csv FILE or --publish FOLDER</source>
        <translation>nichts zu tun: geben Sie --ics DATEI, --pdf DATEI, --entries-csv DATEI, --pay-periods-csv DATEI, --import-csv DATEI oder --publish ORDNER an</translation>
    </message>
    <message>
        <source>--from and --to set the days of --ics, --pay-periods-csv or --publish; give one of them too</source>
        <translation>--from und --to legen die Tage von --ics, --pay-periods-csv oder --publish fest; geben Sie auch eines davon an</translation>
    </message>
    <message>
        <source>--publish writes a folder of its own; run it without other files to write</source>
        <translation>--publish schreibt einen eigenen Ordner; rufen Sie es ohne weitere zu schreibende Dateien auf</translation>
    </message>
    <message>
        <source>--publish needs --base-url URL, the address the web server serves the folder at</source>
        <translation>--publish braucht --base-url URL, die Adresse, unter der der Webserver den Ordner ausliefert</translation>
    </message>
    <message>
        <source>--base-url goes with --publish FOLDER</source>
        <translation>--base-url gehört zu --publish ORDNER</translation>
    </message>
    <message>
        <source>--base-url: %1 is no web address; write it as https://host/path/</source>
        <translation>--base-url: %1 ist keine Webadresse; schreiben Sie sie als https://host/pfad/</translation>
    </message>
    <message>
        <source>--publish is not available on Windows: publish from Linux, or copy the folder a Linux machine published</source>
        <translation>--publish ist unter Windows nicht verfügbar: veröffentlichen Sie unter Linux oder kopieren Sie den Ordner, den ein Linux-Rechner veröffentlicht hat</translation>
    </message>
    <message>
        <source>%1: shift calendars</source>
        <extracomment>The published page&apos;s title. %1: the agency</extracomment>
        <translation>%1: Dienstkalender</translation>
    </message>
    <message>
        <source>Subscribe to your group&apos;s calendar once: your phone or computer then keeps it up to date by itself. The calendars cover %1 to %2.</source>
        <extracomment>%1 and %2: the first and the last day the calendars cover, as long dates</extracomment>
        <translation>Abonnieren Sie den Kalender Ihrer Gruppe einmal: Ihr Telefon oder Computer hält ihn dann von selbst aktuell. Die Kalender reichen vom %1 bis zum %2.</translation>
    </message>
    <message>
        <source>How to subscribe</source>
        <translation>So abonnieren Sie</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <extracomment>The text of the link that subscribes a calendar program to a feed</extracomment>
        <translation>Abonnieren</translation>
    </message>
    <message>
        <source>Subscribe to %1</source>
        <extracomment>What a screen reader says for the Subscribe link. %1: the feed&apos;s name (&quot;Group A1&quot;)</extracomment>
        <translation>%1 abonnieren</translation>
    </message>
    <message>
        <source>Address for your calendar program:</source>
        <translation>Adresse für Ihr Kalenderprogramm:</translation>
    </message>
    <message>
        <source>QR code of %1: %2</source>
        <extracomment>The text alternative of a QR code. %1: the feed&apos;s name (&quot;Group A1&quot;), %2: the address it holds</extracomment>
        <translation>QR-Code von %1: %2</translation>
    </message>
    <message>
        <source>Google Calendar</source>
        <translation>Google Kalender</translation>
    </message>
    <message>
        <source>On a computer, open calendar.google.com, choose + beside Other calendars, then From URL; paste the address of your group&apos;s calendar and choose Add calendar. Your phone&apos;s Google Calendar then shows it by itself.</source>
        <translation>Öffnen Sie am Computer calendar.google.com, wählen Sie + neben Weitere Kalender, dann Per URL; fügen Sie die Adresse des Kalenders Ihrer Gruppe ein und wählen Sie Kalender hinzufügen. Google Kalender auf Ihrem Telefon zeigt ihn danach von selbst.</translation>
    </message>
    <message>
        <source>Apple Calendar (iPhone, iPad, Mac)</source>
        <translation>Apple Kalender (iPhone, iPad, Mac)</translation>
    </message>
    <message>
        <source>On an iPhone or iPad, point the camera at your group&apos;s code, or tap Subscribe, and confirm. On a Mac, click Subscribe, or choose File, New Calendar Subscription, and paste the address.</source>
        <translation>Richten Sie auf einem iPhone oder iPad die Kamera auf den Code Ihrer Gruppe oder tippen Sie auf Abonnieren und bestätigen Sie. Klicken Sie auf einem Mac auf Abonnieren oder wählen Sie Ablage, Neues Kalenderabonnement, und fügen Sie die Adresse ein.</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>In Outlook on the web, choose Add calendar, then Subscribe from web, and paste the address. In Outlook for Windows, choose Add calendar, then From Internet.</source>
        <translation>Wählen Sie in Outlook im Web Kalender hinzufügen, dann Aus dem Web abonnieren, und fügen Sie die Adresse ein. Wählen Sie in Outlook für Windows Kalender hinzufügen, dann Aus dem Internet.</translation>
    </message>
    <message>
        <source>Calendar programs look for changes about once a week; a change can take a few days to reach every phone.</source>
        <translation>Kalenderprogramme sehen etwa einmal pro Woche nach Änderungen; eine Änderung kann einige Tage brauchen, bis sie jedes Telefon erreicht.</translation>
    </message>
    <message>
        <source>Assignment groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Platoons and paydays</source>
        <translation>Wachabteilungen und Zahltage</translation>
    </message>
    <message>
        <source>Group %1</source>
        <extracomment>%1: the assignment group (&quot;A1&quot;)</extracomment>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Duty days and RDOs of group %1.</source>
        <translation>Diensttage und RDOs der Gruppe %1.</translation>
    </message>
    <message>
        <source>%1 platoon</source>
        <extracomment>%1: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>Wachabteilung %1</translation>
    </message>
    <message>
        <source>Every duty day of the %1 platoon, without RDOs.</source>
        <translation>Jeder Diensttag der Wachabteilung %1, ohne RDOs.</translation>
    </message>
    <message>
        <source>Paydays</source>
        <translation>Zahltage</translation>
    </message>
    <message>
        <source>Paydays and the first day of each pay period.</source>
        <translation>Die Zahltage und der erste Tag jedes Abrechnungszeitraums.</translation>
    </message>
    <message>
        <source>%1 - %2 platoon</source>
        <extracomment>The name of a platoon&apos;s calendar. %1: the agency, %2: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1 - Wachabteilung %2</translation>
    </message>
    <message>
        <source>%1 - Paydays</source>
        <extracomment>The name of the paydays&apos; calendar. %1: the agency</extracomment>
        <translation>%1 - Zahltage</translation>
    </message>
    <message>
        <source>it is a folder or file that --publish did not make; move it away or publish to another name</source>
        <translation>es ist ein Ordner oder eine Datei, die --publish nicht angelegt hat; verschieben Sie ihn oder veröffentlichen Sie unter einem anderen Namen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2; the last publish stays in place</source>
        <translation>kann nicht nach %1 veröffentlichen: %2; die letzte Veröffentlichung bleibt bestehen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 feeds and index.html, %3 to %4; %n file(s) changed</source>
        <extracomment>%1: the folder, %2: the number of feeds, %3 and %4: the first and last day they cover</extracomment>
        <translation>
            <numerusform>%1: %2 Abonnements und index.html, %3 bis %4; %n Datei geändert</numerusform>
            <numerusform>%1: %2 Abonnements und index.html, %3 bis %4; %n Dateien geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not go with --publish, which writes every group&apos;s feeds whole, for the days of --from and --to; leave %1 out</source>
        <extracomment>%1: the option given with --publish (--group, --no-rdo, --year ...)</extracomment>
        <translation>%1 passt nicht zu --publish, das die Kalender aller Gruppen vollständig schreibt, für die Tage von --from und --to; lassen Sie %1 weg</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2; nothing was published</source>
        <translation>kann nicht nach %1 veröffentlichen: %2; es wurde nichts veröffentlicht</translation>
    </message>
    <message>
        <source>your records %1 were damaged and have been set aside as %2; there is no backup of them</source>
        <translation>Ihre Aufzeichnungen %1 waren beschädigt und wurden als %2 beiseitegelegt; es gibt keine Sicherung davon</translation>
    </message>
    <message>
        <source>your records %1 were damaged and have been set aside as %2; the newest backup is %3: to go back to it, close Tenvik and copy it over %1</source>
        <translation>Ihre Aufzeichnungen %1 waren beschädigt und wurden als %2 beiseitegelegt; die neueste Sicherung ist %3: um zu ihr zurückzukehren, schließen Sie Tenvik und kopieren Sie sie über %1</translation>
    </message>
    <message>
        <source>FILE may be - for standard output; the summary then goes to standard error.
A link is kept and the file it points to replaced; a pipe or a device is
written to as it is. Dates run from 1901-01-01 to 2060-12-31.

The settings are read, never written, from
$XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini (normally ~/.config/...).

The paper is --paper, else PAPERSIZE (a4 or letter), else your locale&apos;s
(LC_ALL, LC_PAPER, LANG): letter in the United States, Canada, Mexico, the
Philippines and the other countries whose locales print on it, a4 elsewhere.

Import each group&apos;s calendar file into a calendar of its own: the calendar
is named after the agency and the group. After a change of group, delete the
old group&apos;s calendar in your calendar program, then import the new file.
Importing a newer file of the same group updates its events.

--publish FOLDER keeps FOLDER as a link to the latest of its generations
beside it (FOLDER.tenvik-N) and switches the link in one step, so a web
server never serves half of a publish; a failed publish changes nothing
that is served. With the same settings and days it writes the same bytes.

Exit status: 0 when everything was written, 1 when a file could not be
written, 2 when the arguments are wrong (then nothing is read or written).
</source>
        <translation>DATEI darf - für die Standardausgabe sein; die Zusammenfassung geht dann auf die
Standardfehlerausgabe. Ein Link bleibt erhalten und die Datei, auf die er zeigt,
wird ersetzt; in eine Pipe oder ein Gerät wird unverändert geschrieben. Daten
reichen von 1901-01-01 bis 2060-12-31.

Die Einstellungen werden gelesen, nie geschrieben, aus
$XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini (normalerweise ~/.config/...).

Das Papier ist --paper, sonst PAPERSIZE (a4 oder letter), sonst das Ihres
Gebietsschemas (LC_ALL, LC_PAPER, LANG): letter in den USA, Kanada, Mexiko, auf
den Philippinen und in den anderen Ländern, deren Gebietsschemas es verwenden,
a4 überall sonst.

Importieren Sie die Kalenderdatei jeder Gruppe in einen eigenen Kalender: Der
Kalender trägt den Namen der Feuerwehr und der Gruppe. Löschen Sie nach einem
Gruppenwechsel den Kalender der alten Gruppe in Ihrem Kalenderprogramm und
importieren Sie dann die neue Datei. Eine neuere Datei derselben Gruppe
aktualisiert beim Import ihre Termine.

--publish ORDNER hält ORDNER als Verweis auf die neueste seiner Generationen
daneben (ORDNER.tenvik-N) und stellt den Verweis in einem Schritt um, sodass
ein Webserver nie eine halbe Veröffentlichung ausliefert; eine gescheiterte
Veröffentlichung ändert nichts an dem, was ausgeliefert wird. Mit denselben
Einstellungen und Tagen schreibt sie dieselben Bytes.

Exit-Status: 0, wenn alles geschrieben wurde, 1, wenn eine Datei nicht
geschrieben werden konnte, 2, wenn die Argumente falsch sind (dann wird nichts
gelesen oder geschrieben).
</translation>
    </message>
    <message>
        <source>another publish into %1 is still under way; try again when it has ended</source>
        <translation>eine andere Veröffentlichung in %1 läuft noch; versuchen Sie es erneut, wenn sie beendet ist</translation>
    </message>
</context>
<context>
    <name>tenvik::ColorNames</name>
    <message>
        <source>Aliceblue</source>
        <translation>Aliceblau</translation>
    </message>
    <message>
        <source>Antiquewhite</source>
        <translation>Antikweiß</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Wasserblau</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Azure</source>
        <translation>Azur</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Bisque</source>
        <translation>Biskuit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blanchedalmond</source>
        <translation>Mandelweiß</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blueviolet</source>
        <translation>Blauviolett</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Burlywood</source>
        <translation>Kernholz</translation>
    </message>
    <message>
        <source>Cadetblue</source>
        <translation>Kadettenblau</translation>
    </message>
    <message>
        <source>Chartreuse</source>
        <translation>Chartreuse</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Schokolade</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>Cornflowerblue</source>
        <translation>Kornblumenblau</translation>
    </message>
    <message>
        <source>Cornsilk</source>
        <translation>Maisseide</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karmesin</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Darkblue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Darkcyan</source>
        <translation>Dunkelcyan</translation>
    </message>
    <message>
        <source>Darkgoldenrod</source>
        <translation>Dunkle Goldrute</translation>
    </message>
    <message>
        <source>Darkgray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Darkgreen</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Darkgrey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Darkkhaki</source>
        <translation>Dunkelkhaki</translation>
    </message>
    <message>
        <source>Darkmagenta</source>
        <translation>Dunkelmagenta</translation>
    </message>
    <message>
        <source>Darkolivegreen</source>
        <translation>Dunkelolivgrün</translation>
    </message>
    <message>
        <source>Darkorange</source>
        <translation>Dunkelorange</translation>
    </message>
    <message>
        <source>Darkorchid</source>
        <translation>Dunkelorchidee</translation>
    </message>
    <message>
        <source>Darkred</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Darksalmon</source>
        <translation>Dunkellachs</translation>
    </message>
    <message>
        <source>Darkseagreen</source>
        <translation>Dunkles Meergrün</translation>
    </message>
    <message>
        <source>Darkslateblue</source>
        <translation>Dunkles Schieferblau</translation>
    </message>
    <message>
        <source>Darkslategray</source>
        <translation>Dunkles Schiefergrau</translation>
    </message>
    <message>
        <source>Darkslategrey</source>
        <translation>Dunkles Schiefergrau</translation>
    </message>
    <message>
        <source>Darkturquoise</source>
        <translation>Dunkeltürkis</translation>
    </message>
    <message>
        <source>Darkviolet</source>
        <translation>Dunkelviolett</translation>
    </message>
    <message>
        <source>Deeppink</source>
        <translation>Tiefrosa</translation>
    </message>
    <message>
        <source>Deepskyblue</source>
        <translation>Tiefes Himmelblau</translation>
    </message>
    <message>
        <source>Dimgray</source>
        <translation>Mattgrau</translation>
    </message>
    <message>
        <source>Dimgrey</source>
        <translation>Mattgrau</translation>
    </message>
    <message>
        <source>Dodgerblue</source>
        <translation>Dodgerblau</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Ziegelrot</translation>
    </message>
    <message>
        <source>Floralwhite</source>
        <translation>Blütenweiß</translation>
    </message>
    <message>
        <source>Forestgreen</source>
        <translation>Waldgrün</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Gainsboro</source>
        <translation>Gainsboro</translation>
    </message>
    <message>
        <source>Ghostwhite</source>
        <translation>Geisterweiß</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Goldrute</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Greenyellow</source>
        <translation>Grüngelb</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Honeydew</source>
        <translation>Honigmelone</translation>
    </message>
    <message>
        <source>Hotpink</source>
        <translation>Leuchtendes Rosa</translation>
    </message>
    <message>
        <source>Indianred</source>
        <translation>Indischrot</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Ivory</source>
        <translation>Elfenbein</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Khaki</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Lavenderblush</source>
        <translation>Lavendelrosa</translation>
    </message>
    <message>
        <source>Lawngreen</source>
        <translation>Rasengrün</translation>
    </message>
    <message>
        <source>Lemonchiffon</source>
        <translation>Zitronenchiffon</translation>
    </message>
    <message>
        <source>Lightblue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Lightcoral</source>
        <translation>Helles Korallenrot</translation>
    </message>
    <message>
        <source>Lightcyan</source>
        <translation>Hellcyan</translation>
    </message>
    <message>
        <source>Lightgoldenrodyellow</source>
        <translation>Helles Goldrutengelb</translation>
    </message>
    <message>
        <source>Lightgray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Lightgreen</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Lightgrey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Lightpink</source>
        <translation>Hellrosa</translation>
    </message>
    <message>
        <source>Lightsalmon</source>
        <translation>Helllachs</translation>
    </message>
    <message>
        <source>Lightseagreen</source>
        <translation>Helles Meergrün</translation>
    </message>
    <message>
        <source>Lightskyblue</source>
        <translation>Helles Himmelblau</translation>
    </message>
    <message>
        <source>Lightslategray</source>
        <translation>Helles Schiefergrau</translation>
    </message>
    <message>
        <source>Lightslategrey</source>
        <translation>Helles Schiefergrau</translation>
    </message>
    <message>
        <source>Lightsteelblue</source>
        <translation>Helles Stahlblau</translation>
    </message>
    <message>
        <source>Lightyellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Limegreen</source>
        <translation>Limettengrün</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Leinen</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Mediumaquamarine</source>
        <translation>Mittleres Aquamarin</translation>
    </message>
    <message>
        <source>Mediumblue</source>
        <translation>Mittelblau</translation>
    </message>
    <message>
        <source>Mediumorchid</source>
        <translation>Mittlere Orchidee</translation>
    </message>
    <message>
        <source>Mediumpurple</source>
        <translation>Mittleres Purpur</translation>
    </message>
    <message>
        <source>Mediumseagreen</source>
        <translation>Mittleres Meergrün</translation>
    </message>
    <message>
        <source>Mediumslateblue</source>
        <translation>Mittleres Schieferblau</translation>
    </message>
    <message>
        <source>Mediumspringgreen</source>
        <translation>Mittleres Frühlingsgrün</translation>
    </message>
    <message>
        <source>Mediumturquoise</source>
        <translation>Mittleres Türkis</translation>
    </message>
    <message>
        <source>Mediumvioletred</source>
        <translation>Mittleres Violettrot</translation>
    </message>
    <message>
        <source>Midnightblue</source>
        <translation>Mitternachtsblau</translation>
    </message>
    <message>
        <source>Mintcream</source>
        <translation>Minzcreme</translation>
    </message>
    <message>
        <source>Mistyrose</source>
        <translation>Nebelrosa</translation>
    </message>
    <message>
        <source>Moccasin</source>
        <translation>Mokassin</translation>
    </message>
    <message>
        <source>Navajowhite</source>
        <translation>Navajoweiß</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Oldlace</source>
        <translation>Alte Spitze</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Olivedrab</source>
        <translation>Trübes Oliv</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Orangered</source>
        <translation>Orangerot</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidee</translation>
    </message>
    <message>
        <source>Palegoldenrod</source>
        <translation>Blasse Goldrute</translation>
    </message>
    <message>
        <source>Palegreen</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <source>Paleturquoise</source>
        <translation>Blasstürkis</translation>
    </message>
    <message>
        <source>Palevioletred</source>
        <translation>Blasses Violettrot</translation>
    </message>
    <message>
        <source>Papayawhip</source>
        <translation>Papayacreme</translation>
    </message>
    <message>
        <source>Peachpuff</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Powderblue</source>
        <translation>Puderblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purpur</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Rosybrown</source>
        <translation>Rosigbraun</translation>
    </message>
    <message>
        <source>Royalblue</source>
        <translation>Königsblau</translation>
    </message>
    <message>
        <source>Saddlebrown</source>
        <translation>Sattelbraun</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Lachs</translation>
    </message>
    <message>
        <source>Sandybrown</source>
        <translation>Sandbraun</translation>
    </message>
    <message>
        <source>Seagreen</source>
        <translation>Meergrün</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Muschel</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Siena</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Slateblue</source>
        <translation>Schieferblau</translation>
    </message>
    <message>
        <source>Slategray</source>
        <translation>Schiefergrau</translation>
    </message>
    <message>
        <source>Slategrey</source>
        <translation>Schiefergrau</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>Springgreen</source>
        <translation>Frühlingsgrün</translation>
    </message>
    <message>
        <source>Steelblue</source>
        <translation>Stahlblau</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Gelbbraun</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Distel</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Weizen</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Whitesmoke</source>
        <translation>Rauchweiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Yellowgreen</source>
        <translation>Gelbgrün</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>tenvik::DayEntriesDialog</name>
    <message>
        <source>Vacation</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Sick leave</source>
        <translation>Krankheit</translation>
    </message>
    <message>
        <source>Compensatory time</source>
        <translation>Freizeitausgleich</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>Other leave</source>
        <translation>Sonstige Abwesenheit</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Überstunden</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Rückruf</translation>
    </message>
    <message>
        <source>I worked for %1: %2 h</source>
        <translation>Ich habe für %1 gearbeitet: %2 h</translation>
    </message>
    <message>
        <source>%1 worked for me: %2 h</source>
        <extracomment>A trade: %1 the colleague, %2 the hours (&quot;24&quot;)</extracomment>
        <translation>%1 hat für mich gearbeitet: %2 h</translation>
    </message>
    <message>
        <source> (pays back)</source>
        <translation> (gleicht aus)</translation>
    </message>
    <message>
        <source>%1: %2 h</source>
        <extracomment>Leave: %1 its kind (&quot;Vacation&quot;), %2 the hours</extracomment>
        <translation>%1: %2 h</translation>
    </message>
    <message>
        <source>%1: %2 h, paid</source>
        <translation>%1: %2 h, bezahlt</translation>
    </message>
    <message>
        <source>%1: %2 h, banked</source>
        <extracomment>Extra hours: %1 &quot;Overtime&quot; or &quot;Callback&quot;, %2 the hours</extracomment>
        <translation>%1: %2 h, gutgeschrieben</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
    <message>
        <source>The hours must be from 0 to 48.</source>
        <translation>Die Stunden müssen zwischen 0 und 48 liegen.</translation>
    </message>
    <message>
        <source>Entries can be kept for the years 1901 to 2060 only.</source>
        <translation>Einträge sind nur für die Jahre 1901 bis 2060 möglich.</translation>
    </message>
    <message>
        <source>The text may not hold tabs, line breaks or other control characters.</source>
        <translation>Der Text darf keine Tabulatoren, Zeilenumbrüche oder andere Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The text holds characters that cannot be stored.</source>
        <translation>Der Text enthält Zeichen, die nicht gespeichert werden können.</translation>
    </message>
    <message>
        <source>The text is too long.</source>
        <translation>Der Text ist zu lang.</translation>
    </message>
    <message>
        <source>A trade needs the colleague&apos;s name.</source>
        <translation>Ein Schichttausch braucht den Namen der Kollegin oder des Kollegen.</translation>
    </message>
    <message>
        <source>A note needs some text.</source>
        <translation>Eine Notiz braucht Text.</translation>
    </message>
    <message>
        <source>A trade can only pay back an earlier trade the other way round with the same colleague.</source>
        <translation>Ein Tausch kann nur einen früheren Tausch in umgekehrter Richtung mit derselben Person ausgleichen.</translation>
    </message>
    <message>
        <source>The entry is no longer there.</source>
        <translation>Der Eintrag ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Entries for %1</source>
        <extracomment>The title of the day&apos;s entries; %1 the date</extracomment>
        <translation>Einträge für %1</translation>
    </message>
    <message>
        <source>Entries of the day</source>
        <translation>Einträge des Tages</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Schichttausch</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Abwesenheit</translation>
    </message>
    <message>
        <source>Extra hours</source>
        <translation>Mehrarbeit</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>I worked for them (they owe me)</source>
        <translation>Ich habe für sie gearbeitet (sie schulden mir)</translation>
    </message>
    <message>
        <source>They worked for me (I owe them)</source>
        <translation>Sie haben für mich gearbeitet (ich schulde ihnen)</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Banked as compensatory time</source>
        <translation>Als Freizeitausgleich gutgeschrieben</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Trade:</source>
        <translation>&amp;Tausch:</translation>
    </message>
    <message>
        <source>&amp;Colleague:</source>
        <translation>&amp;Kollege/Kollegin:</translation>
    </message>
    <message>
        <source>&amp;Leave:</source>
        <translation>Ab&amp;wesenheit:</translation>
    </message>
    <message>
        <source>&amp;Extra:</source>
        <translation>&amp;Mehrarbeit:</translation>
    </message>
    <message>
        <source>&amp;Pay:</source>
        <translation>&amp;Vergütung:</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <translation>&amp;Stunden:</translation>
    </message>
    <message>
        <source>Pays &amp;back:</source>
        <translation>&amp;Gleicht aus:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Änderungen s&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The records could not be read: %1</source>
        <translation>Die Aufzeichnungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An earlier trade to pay back: %1 its date, %2 the line that describes it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The hours must be a number such as 24 or 10.5.</source>
        <translation>Die Stunden müssen eine Zahl sein, etwa 24 oder 10,5.</translation>
    </message>
    <message>
        <source>The records could not be written: %1</source>
        <translation>Die Aufzeichnungen konnten nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>tenvik::EventPhrases</name>
    <message>
        <source>On duty - %1</source>
        <extracomment>Title of a duty day in the calendar file. %1: the assignment group, &quot;A2&quot;</extracomment>
        <translation>Dienst - %1</translation>
    </message>
    <message>
        <source>%1, group %2: %3 platoon on duty.</source>
        <extracomment>%1: the agency, %2: the assignment group (&quot;A2&quot;), %3: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1, Gruppe %2: Wachabteilung %3 im Dienst.</translation>
    </message>
    <message>
        <source>RDO - %1</source>
        <extracomment>Title of the user&apos;s Regular Day Off. %1: the assignment group</extracomment>
        <translation>RDO - %1</translation>
    </message>
    <message>
        <source>%1, group %2: Regular Day Off.</source>
        <extracomment>%1: the agency, %2: the assignment group</extracomment>
        <translation>%1, Gruppe %2: regulärer freier Tag (RDO).</translation>
    </message>
    <message>
        <source>Payday - %1</source>
        <extracomment>%1: the agency</extracomment>
        <translation>Zahltag - %1</translation>
    </message>
    <message>
        <source>%1: payday.</source>
        <extracomment>%1: the agency</extracomment>
        <translation>%1: Zahltag.</translation>
    </message>
    <message>
        <source>%1 begins - %2</source>
        <extracomment>%1: the pay period, &quot;PP7&quot;; %2: the agency</extracomment>
        <translation>%1 beginnt - %2</translation>
    </message>
    <message>
        <source>%1: pay period %2 begins today and runs %3 days.</source>
        <extracomment>%1: the agency, %2: the pay period (&quot;PP7&quot;), %3: its length in days (14)</extracomment>
        <translation>%1: Lohnperiode %2 beginnt heute und dauert %3 Tage.</translation>
    </message>
    <message>
        <source>Duty</source>
        <extracomment>Category of the duty days in a calendar program</extracomment>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>RDO</source>
        <extracomment>Category of the user&apos;s Regular Days Off</extracomment>
        <translation>RDO</translation>
    </message>
    <message>
        <source>Payday</source>
        <translation>Zahltag</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Lohnperiode</translation>
    </message>
    <message>
        <source>%1 platoon on duty</source>
        <extracomment>Title of a day in a platoon&apos;s published calendar. %1: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>Wachabteilung %1 im Dienst</translation>
    </message>
    <message>
        <source>%1: %2 platoon on duty.</source>
        <extracomment>%1: the agency, %2: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1: Wachabteilung %2 im Dienst.</translation>
    </message>
</context>
<context>
    <name>tenvik::RecordsSummaryDialog</name>
    <message>
        <source>My Records %1</source>
        <extracomment>%1 the year the summary is for</extracomment>
        <translation>Meine Aufzeichnungen %1</translation>
    </message>
    <message>
        <source>Colleague</source>
        <translation>Kollege/Kollegin</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>&amp;Trades</source>
        <translation>&amp;Tausch</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Abwesenheit</translation>
    </message>
    <message>
        <source>Taken %1</source>
        <translation>Genommen %1</translation>
    </message>
    <message>
        <source>Balance on 1 January</source>
        <translation>Stand am 1. Januar</translation>
    </message>
    <message>
        <source>Added each pay period</source>
        <translation>Zugang je Lohnperiode</translation>
    </message>
    <message>
        <source>Left today</source>
        <translation>Rest heute</translation>
    </message>
    <message>
        <source>Left at year end</source>
        <translation>Rest am Jahresende</translation>
    </message>
    <message>
        <source>Give a starting balance and what each pay period adds to see what is left.</source>
        <translation>Geben Sie einen Anfangsstand und den Zugang je Lohnperiode an, um den Rest zu sehen.</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Abwesenheit</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Lohnperiode</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Trades in</source>
        <translation>Tausch für andere</translation>
    </message>
    <message>
        <source>Trades out</source>
        <translation>Tausch für mich</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Mehrarbeit</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>&amp;Pay Periods</source>
        <translation>&amp;Lohnperioden</translation>
    </message>
    <message>
        <source>The records could not be read: %1</source>
        <translation>Die Aufzeichnungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 owes you %2 h</source>
        <extracomment>%1 the colleague, %2 the hours</extracomment>
        <translation>%1 schuldet Ihnen %2 h</translation>
    </message>
    <message>
        <source>You owe %1 %2 h</source>
        <extracomment>%1 the colleague, %2 the hours</extracomment>
        <translation>Sie schulden %1 %2 h</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Ausgeglichen</translation>
    </message>
    <message>
        <source>Open since %1</source>
        <extracomment>An open trade: %1 its date, %2 the trade</extracomment>
        <translation>Offen seit %1</translation>
    </message>
    <message>
        <source>No trades recorded</source>
        <translation>Kein Tausch aufgezeichnet</translation>
    </message>
    <message>
        <source>A starting balance must be within 9999 hours either way, and a pay period can add 0 to 48 hours.</source>
        <translation>Ein Anfangsstand muss zwischen -9999 und 9999 Stunden liegen, und eine Lohnperiode kann 0 bis 48 Stunden hinzufügen.</translation>
    </message>
</context>
<context>
    <name>tenvik::TMainForm</name>
    <message>
        <source>Tenvik for Ostrand Fire v%1</source>
        <translation>Tenvik für Ostrand Fire v%1</translation>
    </message>
    <message>
        <source>To change Pay Period Start Date,</source>
        <translation>Um den Beginn der Lohnperioden zu ändern,</translation>
    </message>
    <message>
        <source>double-click on background of Settings tab</source>
        <translation>doppelklicken Sie auf den Hintergrund der Seite Einstellungen</translation>
    </message>
    <message>
        <source>For information only: the department&apos;s official roster prevails.</source>
        <translation>Nur zur Information: Maßgeblich ist der offizielle Dienstplan der Feuerwehr.</translation>
    </message>
    <message>
        <source>Your settings are kept in Quorvell/Tenvik/Tenvik.ini in your configuration folder.</source>
        <translation>Ihre Einstellungen stehen in Quorvell/Tenvik/Tenvik.ini in Ihrem Konfigurationsordner.</translation>
    </message>
    <message>
        <source>email: </source>
        <extracomment>The caption of the support address, &quot;email: support@...&quot;</extracomment>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>A platoon</source>
        <translation>Wachabteilung A</translation>
    </message>
    <message>
        <source>B platoon</source>
        <translation>Wachabteilung B</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>Said of the day that is today, after its date</extracomment>
        <translation>heute</translation>
    </message>
    <message>
        <source>your RDO</source>
        <translation>Ihr RDO</translation>
    </message>
    <message>
        <source>RDO group %1</source>
        <extracomment>%1: the group whose Regular Day Off the day is, &quot;B2&quot;</extracomment>
        <translation>RDO der Gruppe %1</translation>
    </message>
    <message>
        <source>payday</source>
        <translation>Zahltag</translation>
    </message>
    <message>
        <source>pay period %1 begins</source>
        <extracomment>%1: the number of the pay period, 1 to 26</extracomment>
        <translation>Lohnperiode %1 beginnt</translation>
    </message>
    <message>
        <source>Legend: %1, %2</source>
        <extracomment>A legend cell read aloud. %1: &quot;A platoon&quot; or &quot;B platoon&quot;, %2: the name of its colour</extracomment>
        <translation>Legende: %1, %2</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>In Kalender exportieren…</translation>
    </message>
    <message>
        <source>Print Year…</source>
        <translation>Jahr drucken…</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Kalenderdateien (*.ics)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Month grid</source>
        <translation>Monatsraster</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Pay period start</source>
        <translation>Beginn der Lohnperioden</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Einteilung</translation>
    </message>
    <message>
        <source>Paydays</source>
        <translation>Zahltage</translation>
    </message>
    <message>
        <source>Show RDOs</source>
        <translation>RDOs zeigen</translation>
    </message>
    <message>
        <source>Pay Periods</source>
        <translation>Lohnperioden</translation>
    </message>
    <message>
        <source>A platoon colour</source>
        <translation>Farbe der Wachabteilung A</translation>
    </message>
    <message>
        <source>B platoon colour</source>
        <translation>Farbe der Wachabteilung B</translation>
    </message>
    <message>
        <source>Your RDO colour</source>
        <translation>Farbe Ihrer RDOs</translation>
    </message>
    <message>
        <source>Ld / Tr</source>
        <extracomment>Short caption (about 8 letters) of the colour of the leading and trailing days, those of the months before and after the one shown</extracomment>
        <translation>Vor/Nach</translation>
    </message>
    <message>
        <source>Leading and trailing days colour</source>
        <translation>Farbe der Tage der Nachbarmonate</translation>
    </message>
    <message>
        <source>BkGr</source>
        <extracomment>Short caption (about 6 letters) of the background colour</extracomment>
        <translation>Hintergr.</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Enter agency name</source>
        <translation>Name der Feuerwehr</translation>
    </message>
    <message>
        <source>Agency name</source>
        <translation>Name der Feuerwehr</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help picture</source>
        <translation>Hilfebild</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Sextant</source>
        <translation>Sextant</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file is busy, another Tenvik window is saving it. Try again in a moment.</source>
        <translation>%1 kann nicht geschrieben werden: Die Datei ist belegt, ein anderes Tenvik-Fenster speichert sie gerade. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a link into the folder %2, which is missing.</source>
        <translation>%1 kann nicht geschrieben werden: Es ist ein Link in den Ordner %2, den es nicht gibt.</translation>
    </message>
    <message>
        <source>Calendar saved to %1</source>
        <translation>Kalender in %1 gespeichert</translation>
    </message>
    <message>
        <source>Year %1 saved to %2</source>
        <translation>Jahr %1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>Unable to print to %1</source>
        <translation>Drucken auf %1 nicht möglich</translation>
    </message>
    <message>
        <source>Year %1 sent to %2</source>
        <translation>Jahr %1 an %2 gesendet</translation>
    </message>
    <message>
        <source>Key to the calendar</source>
        <translation>Erklärung des Kalenders</translation>
    </message>
    <message>
        <source>Pay-period start…</source>
        <translation>Beginn der Lohnperioden…</translation>
    </message>
    <message>
        <source>Change the pay-period start</source>
        <translation>Beginn der Lohnperioden ändern</translation>
    </message>
    <message>
        <source>“%1” is no date from %2 to %3</source>
        <extracomment>%1 is what the user typed into the date field, %2 and %3 the first and the last date the calendar shows</extracomment>
        <translation>„%1“ ist kein Datum vom %2 bis %3</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <extracomment>One setting that could not be read: %1 its name on the Settings page, %2 the text the settings file holds for it</extracomment>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <source>Some settings could not be read and use their defaults until you save: %1</source>
        <extracomment>%1 lists the settings, each with the text the file holds</extracomment>
        <translation>Einige Einstellungen konnten nicht gelesen werden und gelten bis zum Speichern mit ihren Vorgaben: %1</translation>
    </message>
    <message>
        <source>Day Entries…</source>
        <translation>Einträge des Tages…</translation>
    </message>
    <message>
        <source>Your records in %1 could not be opened: %2</source>
        <extracomment>%1 the records file, %2 why it could not be opened</extracomment>
        <translation>Ihre Aufzeichnungen in %1 konnten nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Your records in %1 were written by a newer version of Tenvik. This version leaves them as they are; please use the newer one.</source>
        <extracomment>%1 the records file</extracomment>
        <translation>Ihre Aufzeichnungen in %1 wurden von einer neueren Version von Tenvik geschrieben. Diese Version lässt sie unverändert; bitte verwenden Sie die neuere.</translation>
    </message>
    <message>
        <source>Your records file %1 was damaged and could not be read. It was kept, untouched, as %2, and a new, empty records file was started.</source>
        <extracomment>%1 the damaged file, %2 the name it was set aside under</extracomment>
        <translation>Ihre Aufzeichnungsdatei %1 war beschädigt und konnte nicht gelesen werden. Sie wurde unverändert als %2 aufbewahrt, und eine neue, leere Datei wurde angelegt.</translation>
    </message>
    <message>
        <source>There is no backup to restore.</source>
        <translation>Es gibt keine Sicherung zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Restore your records from the newest backup, %1?</source>
        <extracomment>%1 the backup file&apos;s name, which holds its date</extracomment>
        <translation>Ihre Aufzeichnungen aus der neuesten Sicherung %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>The backup %1 could not be restored: %2</source>
        <extracomment>%1 the backup file&apos;s name, %2 why it failed</extracomment>
        <translation>Die Sicherung %1 konnte nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>My Records…</source>
        <translation>Meine Aufzeichnungen…</translation>
    </message>
    <message>
        <source>Add your own entries (trades, leave, extra hours and notes) to the calendar file? Their names and notes can be read by anyone you give the file to.</source>
        <translation>Ihre eigenen Einträge (Tausch, Abwesenheit, Mehrarbeit und Notizen) in die Kalenderdatei aufnehmen? Namen und Notizen kann jeder lesen, dem Sie die Datei geben.</translation>
    </message>
    <message>
        <source>Your records could not be read: %1</source>
        <translation>Ihre Aufzeichnungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Entry Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Marks on the days that hold your trades, leave, extra hours or notes</source>
        <translation>Markierungen an den Tagen mit Ihren Schichttauschen, Abwesenheiten, Mehrarbeit oder Notizen</translation>
    </message>
    <message>
        <source>Shift Hours</source>
        <extracomment>The length of one shift, in hours</extracomment>
        <translation>Schichtstunden</translation>
    </message>
    <message>
        <source>Shift length in hours</source>
        <translation>Schichtlänge in Stunden</translation>
    </message>
    <message>
        <source>The hours of one shift: what a new trade starts with and what the summary counts for a day on duty</source>
        <translation>Die Stunden einer Schicht: womit ein neuer Schichttausch beginnt und was die Übersicht für einen Diensttag zählt</translation>
    </message>
    <message>
        <source>The Calendar page with its marks explained: day numbers in the A and B platoon colours, your RDO, paydays underlined, the RDO group and the first day of a pay period in the corner of a day, the legend, the marks of your trades, leave, extra hours and notes, the status line, Today, the date field and the menu a right click opens</source>
        <translation>Die Seite Kalender mit ihren Zeichen erklärt: die Tageszahlen in den Farben der Wachabteilungen A und B, Ihr RDO, Zahltage unterstrichen, die RDO-Gruppe und der erste Tag einer Lohnperiode in der Ecke eines Tages, die Legende, die Markierungen Ihrer Schichttausche, Abwesenheiten, Mehrarbeit und Notizen, die Statuszeile, Heute, das Datumsfeld und das Menü, das ein Rechtsklick öffnet</translation>
    </message>
    <message>
        <source>The Settings page with its controls labelled: Save, Shift Assignment, Show Paydays, Show RDO, Show Pay Periods, Crew Colors for A and B, RDO Color, Background, Leading / Trailing Color, Title, Show Entry Marks, Shift Length</source>
        <translation>Die Seite Einstellungen mit beschrifteten Bedienelementen: Speichern, Schichteinteilung, Zahltage zeigen, RDOs zeigen, Lohnperioden zeigen, Farben der Wachabteilungen A und B, RDO-Farbe, Hintergrund, Farbe der Tage der Nachbarmonate, Titel, Markierungen zeigen, Schichtlänge</translation>
    </message>
</context>
</TS>
