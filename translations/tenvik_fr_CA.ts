<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>HelpPicture</name>
    <message>
        <source>A platoon on duty: the day number in the A colour</source>
        <translation>Peloton A de garde&#xa0;: le numéro du jour dans la couleur de A</translation>
    </message>
    <message>
        <source>B platoon on duty: the day number in the B colour</source>
        <translation>Peloton B de garde&#xa0;: le numéro du jour dans la couleur de B</translation>
    </message>
    <message>
        <source>Your RDO: the day number in the RDO colour</source>
        <translation>Votre RDO&#xa0;: le numéro du jour dans la couleur des RDO</translation>
    </message>
    <message>
        <source>Payday: the day number underlined</source>
        <translation>Jour de paie&#xa0;: le numéro du jour souligné</translation>
    </message>
    <message>
        <source>RDO group that has its RDO that day (Show RDOs)</source>
        <translation>Groupe qui a son RDO ce jour-là (Afficher les RDO)</translation>
    </message>
    <message>
        <source>A pay period begins: PP1 to PP26 (Pay Periods)</source>
        <translation>Début d&apos;une période de paie&#xa0;: PP1 à PP26 (Périodes de paie)</translation>
    </message>
    <message>
        <source>The selected day, filled with its colour</source>
        <translation>Le jour sélectionné, rempli de sa couleur</translation>
    </message>
    <message>
        <source>Days of the months before and after</source>
        <translation>Jours des mois précédent et suivant</translation>
    </message>
    <message>
        <source>The legend: the A and B colours</source>
        <translation>La légende&#xa0;: les couleurs de A et de B</translation>
    </message>
    <message>
        <source>Status line: the selected day&apos;s date, the pay period that begins on it, its RDO group, and * on your RDO</source>
        <translation>Ligne d&apos;état&#xa0;: la date du jour sélectionné, la période de paie qui y commence, son groupe de RDO et * sur votre RDO</translation>
    </message>
    <message>
        <source>Today: back to today</source>
        <translation>Aujourd&apos;hui&#xa0;: revient à aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Go to any date from 1901 to 2060</source>
        <translation>Aller à n&apos;importe quelle date de 1901 à 2060</translation>
    </message>
    <message>
        <source>Right-click a day: Export to Calendar… saves your days for a calendar program, Print Year… prints the year on one page</source>
        <translation>Clic droit sur un jour&#xa0;: Exporter vers le calendrier… enregistre vos jours pour un logiciel de calendrier, Imprimer l&apos;année… imprime l&apos;année sur une page</translation>
    </message>
    <message>
        <source>Shift Assignment</source>
        <translation>Affectation</translation>
    </message>
    <message>
        <source>Show Paydays</source>
        <translation>Afficher les jours de paie</translation>
    </message>
    <message>
        <source>Show RDO</source>
        <translation>Afficher les RDO</translation>
    </message>
    <message>
        <source>Show Pay Periods</source>
        <translation>Afficher les périodes de paie</translation>
    </message>
    <message>
        <source>RDO Color</source>
        <translation>Couleur des RDO</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Crew Colors</source>
        <translation>Couleurs des pelotons</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Leading / Trailing Color</source>
        <translation>Couleur des jours des autres mois</translation>
    </message>
    <message>
        <source>◆ A trade: you worked for a colleague, or one for you. Double-click a day for its entries</source>
        <translation>◆ Un échange de quart&#xa0;: vous avez travaillé pour un collègue, ou un collègue pour vous. Double-cliquez sur un jour pour ses inscriptions</translation>
    </message>
    <message>
        <source>● Leave: vacation, sick, compensatory, holiday or other</source>
        <translation>● Congé&#xa0;: vacances, maladie, compensatoire, férié ou autre</translation>
    </message>
    <message>
        <source>▲ Extra hours: overtime or a callback</source>
        <translation>▲ Heures en plus&#xa0;: heures supplémentaires ou rappel au travail</translation>
    </message>
    <message>
        <source>■ A note</source>
        <translation>■ Une note</translation>
    </message>
    <message>
        <source>Show Entry Marks</source>
        <translation>Afficher les marques</translation>
    </message>
    <message>
        <source>Shift Length</source>
        <translation>Durée du quart</translation>
    </message>
</context>
<context>
    <name>YearSheet</name>
    <message>
        <source>No RDO group chosen</source>
        <translation>Aucun groupe de RDO choisi</translation>
    </message>
    <message>
        <source>Group %1, %2 platoon</source>
        <extracomment>%1: the assignment group (&quot;A2&quot;), %2: its platoon letter (&quot;A&quot;)</extracomment>
        <translation>Groupe %1, peloton %2</translation>
    </message>
    <message>
        <source>Pay periods counted from %1</source>
        <extracomment>%1: the first day of the first pay period, as a short date</extracomment>
        <translation>Périodes de paie comptées à partir du %1</translation>
    </message>
    <message>
        <source>For information only: the department&apos;s official roster prevails.</source>
        <translation>À titre indicatif seulement&#xa0;: l&apos;horaire officiel du service prévaut.</translation>
    </message>
    <message>
        <source>A platoon on duty</source>
        <translation>Peloton A en service</translation>
    </message>
    <message>
        <source>B platoon on duty</source>
        <translation>Peloton B en service</translation>
    </message>
    <message>
        <source>Shaded: you are on duty</source>
        <translation>Ombré&#xa0;: vous êtes en service</translation>
    </message>
    <message>
        <source>Your RDO (%1)</source>
        <extracomment>%1: the user&apos;s assignment group, &quot;A2&quot;</extracomment>
        <translation>Votre RDO (%1)</translation>
    </message>
    <message>
        <source>Payday</source>
        <translation>Jour de paie</translation>
    </message>
    <message>
        <source>First day of a pay period</source>
        <translation>Premier jour d&apos;une période de paie</translation>
    </message>
</context>
<context>
    <name>tenvik</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>The shift calendar: which platoon is on duty, your RDOs, paydays and pay periods, month by month.</source>
        <translation>Le calendrier des quarts&#xa0;: quel peloton est en service, vos RDO, les jours de paie et les périodes de paie, mois par mois.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see --help</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»; voir --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»; voir --help</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -style, -reverse ...) work as in every Qt program.

The settings are kept in $XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini
(normally ~/.config/...) and written only by Save. Right-click the month for
Export to Calendar... and Print Year...; tenvik-export does both without a
window.
</source>
        <translation>Les options propres à Qt (-platform, -style, -reverse ...) fonctionnent comme
dans tout programme Qt.

Les paramètres sont conservés dans $XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini
(normalement ~/.config/...) et écrits seulement par Enregistrer. Cliquez avec le
bouton droit sur le mois pour Exporter vers le calendrier... et Imprimer
l&apos;année...; tenvik-export fait les deux sans fenêtre.
</translation>
    </message>
</context>
<context>
    <name>tenvik-export</name>
    <message>
        <source>a file name (- for standard output)</source>
        <translation>un nom de fichier (- pour la sortie standard)</translation>
    </message>
    <message>
        <source>a date (yyyy-MM-dd)</source>
        <translation>une date (aaaa-mm-jj)</translation>
    </message>
    <message>
        <source>a year</source>
        <translation>une année</translation>
    </message>
    <message>
        <source>a group (RDO, A1 to A7, B1 to B7)</source>
        <translation>un groupe (RDO, A1 à A7, B1 à B7)</translation>
    </message>
    <message>
        <source>a paper size (a4 or letter)</source>
        <translation>un format de papier (a4 ou letter)</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 demande %2</translation>
    </message>
    <message>
        <source>Write a calendar file (iCalendar) of your duty days, RDOs, paydays and pay-period starts, for any calendar program.</source>
        <translation>Écrit un fichier de calendrier (iCalendar) de vos jours en service, de vos RDO, des jours de paie et des débuts de période de paie, pour tout logiciel de calendrier.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Write one page with a whole year, for printing.</source>
        <translation>Écrit une page avec une année entière, à imprimer.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>aaaa-mm-jj</translation>
    </message>
    <message>
        <source>The printed year (default this year); for --ics without --from or --to, the calendar file covers this year.</source>
        <translation>L&apos;année imprimée (par défaut l&apos;année en cours); pour --ics sans --from ni --to, le fichier de calendrier couvre cette année.</translation>
    </message>
    <message>
        <source>YEAR</source>
        <translation>ANNÉE</translation>
    </message>
    <message>
        <source>Use this group instead of the saved one: RDO (no group), A1 to A7, B1 to B7.</source>
        <translation>Utilise ce groupe au lieu de celui enregistré&#xa0;: RDO (aucun groupe), A1 à A7, B1 à B7.</translation>
    </message>
    <message>
        <source>GROUP</source>
        <translation>GROUPE</translation>
    </message>
    <message>
        <source>The paper of the printed year: a4 or letter (default: your locale&apos;s).</source>
        <translation>Le papier de l&apos;année imprimée&#xa0;: a4 ou letter (par défaut celui de vos paramètres régionaux).</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Leave your duty days out of the calendar file.</source>
        <translation>Omet vos jours en service du fichier de calendrier.</translation>
    </message>
    <message>
        <source>Leave your RDOs out.</source>
        <translation>Omet vos RDO.</translation>
    </message>
    <message>
        <source>Leave the paydays out.</source>
        <translation>Omet les jours de paie.</translation>
    </message>
    <message>
        <source>Leave the pay-period starts out.</source>
        <translation>Omet les débuts de période de paie.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Writes your shift calendar from the settings Tenvik saved, without a window or a display.</source>
        <translation>Écrit votre calendrier des quarts à partir des paramètres enregistrés par Tenvik, sans fenêtre ni écran.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see --help</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»; voir --help</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»; voir --help</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>%1: %2 is not a date; write it as yyyy-MM-dd</source>
        <translation>%1&#xa0;: %2 n&apos;est pas une date; écrivez-la sous la forme aaaa-mm-jj</translation>
    </message>
    <message>
        <source>%1: %2 is outside the calendar&apos;s range, %3 to %4</source>
        <translation>%1&#xa0;: %2 est hors de la plage du calendrier, du %3 au %4</translation>
    </message>
    <message>
        <source>--year: %1 is not a year</source>
        <translation>--year&#xa0;: %1 n&apos;est pas une année</translation>
    </message>
    <message>
        <source>--year: %1 is outside the calendar&apos;s range, %2 to %3</source>
        <translation>--year&#xa0;: %1 est hors de la plage du calendrier, de %2 à %3</translation>
    </message>
    <message>
        <source>--group: %1 is no group; use RDO, A1 to A7 or B1 to B7</source>
        <translation>--group&#xa0;: %1 n&apos;est pas un groupe; utilisez RDO, A1 à A7 ou B1 à B7</translation>
    </message>
    <message>
        <source>--paper: %1 is no paper size; use a4 or letter</source>
        <translation>--paper&#xa0;: %1 n&apos;est pas un format de papier; utilisez a4 ou letter</translation>
    </message>
    <message>
        <source>the range ends before it begins: %1 to %2</source>
        <translation>la plage finit avant de commencer&#xa0;: du %1 au %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no assignment group is set: duty days and RDOs are left out; choose one with --group or in Settings</source>
        <translation>aucun groupe d&apos;affectation n&apos;est choisi&#xa0;: les jours en service et les RDO sont omis; choisissez-en un avec --group ou dans Paramètres</translation>
    </message>
    <message>
        <source>the RDO schedule begins on 2012-01-17: no duty days before it</source>
        <translation>le calendrier des RDO commence le 2012-01-17&#xa0;: aucun jour en service avant cette date</translation>
    </message>
    <message>
        <source>cannot read the settings %1: %2; the defaults are used</source>
        <translation>impossible de lire les paramètres %1&#xa0;: %2; les valeurs par défaut sont utilisées</translation>
    </message>
    <message>
        <source>%1: %2, %3 to %4
</source>
        <translation>%1&#xa0;: %2, du %3 au %4
</translation>
    </message>
    <message>
        <source>%1: the year %2 on %3 paper
</source>
        <translation>%1&#xa0;: l&apos;année %2 sur papier %3
</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s)</source>
        <translation>
            <numerusform>%n événement</numerusform>
            <numerusform>%n événements</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1=%2 in the settings %3; %4 is used</source>
        <extracomment>%1 is a key of the settings file (PPStart), %2 its value there, %3 the file, %4 the value used instead, as the file would hold it (2020-12-20)</extracomment>
        <translation>impossible de lire %1=%2 dans les paramètres %3; %4 est utilisé</translation>
    </message>
    <message>
        <source>a file name (- for standard input)</source>
        <translation>un nom de fichier (- pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <source>Write every entry you recorded (trades, leave, extra hours, notes) as CSV, for a spreadsheet or to move them to another computer.</source>
        <translation>Écrit toutes vos inscriptions (échanges de quart, congés, heures supplémentaires, notes) en CSV, pour un tableur ou pour les transférer sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>Write the hours of each pay period of --year, or of the days --from to --to, as CSV for the payroll office.</source>
        <translation>Écrit les heures de chaque période de paie de --year, ou des jours de --from à --to, en CSV pour le service de la paie.</translation>
    </message>
    <message>
        <source>Put your entries into the calendar file too. They name colleagues and hold your notes: share such a file with care.</source>
        <translation>Met aussi vos inscriptions dans le fichier de calendrier. Elles nomment des collègues et contiennent vos notes&#xa0;: partagez un tel fichier avec prudence.</translation>
    </message>
    <message>
        <source>Read an entries CSV back into your records: every line, or nothing when one is wrong.</source>
        <translation>Relit un CSV d&apos;inscriptions dans vos dossiers&#xa0;: chaque ligne, ou rien si l&apos;une est erronée.</translation>
    </message>
    <message>
        <source>With --import-csv: add to the entries you have rather than only filling empty records.</source>
        <translation>Avec --import-csv&#xa0;: ajoute à vos inscriptions au lieu de seulement remplir des dossiers vides.</translation>
    </message>
    <message>
        <source>%1 and %2 name the same file, %3; give each its own</source>
        <translation>%1 et %2 nomment le même fichier, %3; donnez-en un à chacun</translation>
    </message>
    <message>
        <source>Your entries are read from Tenvik.db beside the settings; where there is
none, there are no entries. The entries CSV always holds every entry, so
that it imports whole. --import-csv fills empty records only, unless --add
is given; then a file with an entry you already have is refused, so that a
file imported twice is not added twice. A refused import changes nothing
and exits with 1.
</source>
        <translation>Vos inscriptions sont lues dans Tenvik.db, à côté des paramètres; s&apos;il
n&apos;existe pas, il n&apos;y a aucune inscription. Le CSV des inscriptions les
contient toujours toutes, pour s&apos;importer en entier. --import-csv remplit
seulement des dossiers vides, sauf avec --add; un fichier contenant une
inscription que vous avez déjà est alors refusé, pour qu&apos;un fichier importé
deux fois ne soit pas ajouté deux fois. Une importation refusée ne change
rien et se termine avec 1.
</translation>
    </message>
    <message>
        <source>--with-entries puts your entries into --ics; give --ics FILE too</source>
        <translation>--with-entries met vos inscriptions dans --ics; donnez aussi --ics FICHIER</translation>
    </message>
    <message>
        <source>--add goes with --import-csv FILE</source>
        <translation>--add va avec --import-csv FICHIER</translation>
    </message>
    <message>
        <source>--import-csv reads entries in; run it on its own, then write files</source>
        <translation>--import-csv lit des inscriptions; lancez-le seul, puis écrivez les fichiers</translation>
    </message>
    <message>
        <source>Vacation</source>
        <translation>Vacances</translation>
    </message>
    <message>
        <source>Sick leave</source>
        <translation>Congé de maladie</translation>
    </message>
    <message>
        <source>Compensatory time</source>
        <translation>Congé compensatoire</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>Other leave</source>
        <translation>Autre congé</translation>
    </message>
    <message>
        <source>Worked for %1 (%2 h)</source>
        <translation>Travaillé pour %1 (%2 h)</translation>
    </message>
    <message>
        <source>%1 worked for me (%2 h)</source>
        <translation>%1 a travaillé pour moi (%2 h)</translation>
    </message>
    <message>
        <source>%1 (%2 h)</source>
        <translation>%1 (%2 h)</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Heures supplémentaires</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Rappel au travail</translation>
    </message>
    <message>
        <source>paid</source>
        <translation>payées</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>accumulées</translation>
    </message>
    <message>
        <source>%1 (%2 h, %3)</source>
        <translation>%1 (%2 h, %3)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>the hours are outside 0 to 48</source>
        <translation>les heures ne sont pas entre 0 et 48</translation>
    </message>
    <message>
        <source>the date is outside 1901-01-01 to 2060-12-31</source>
        <translation>la date n&apos;est pas entre le 1901-01-01 et le 2060-12-31</translation>
    </message>
    <message>
        <source>the text holds a tab, a line break or another control character</source>
        <translation>le texte contient une tabulation, un saut de ligne ou un autre caractère de contrôle</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>le texte n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>the text is too long</source>
        <translation>le texte est trop long</translation>
    </message>
    <message>
        <source>a trade needs a colleague&apos;s name</source>
        <translation>un échange de quart demande le nom d&apos;un collègue</translation>
    </message>
    <message>
        <source>a note needs a text</source>
        <translation>une note demande un texte</translation>
    </message>
    <message>
        <source>it names no trade on a line above it</source>
        <translation>elle ne nomme aucun échange de quart d&apos;une ligne précédente</translation>
    </message>
    <message>
        <source>it names a trade it cannot pay back</source>
        <translation>elle nomme un échange de quart qu&apos;elle ne peut pas rembourser</translation>
    </message>
    <message>
        <source>My entries</source>
        <translation>Mes inscriptions</translation>
    </message>
    <message>
        <source>the first line must be the header %1</source>
        <translation>la première ligne doit être l&apos;en-tête %1</translation>
    </message>
    <message>
        <source>the line does not have the header&apos;s 9 columns</source>
        <translation>la ligne n&apos;a pas les 9 colonnes de l&apos;en-tête</translation>
    </message>
    <message>
        <source>the quoting is broken</source>
        <translation>les guillemets sont mal fermés</translation>
    </message>
    <message>
        <source>this is no valid value</source>
        <translation>ce n&apos;est pas une valeur valide</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the id is on an earlier line too</source>
        <translation>l&apos;id figure aussi sur une ligne précédente</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>your records already hold %n entry(s); give --add to add the file&apos;s entries to them</source>
        <translation>
            <numerusform>vos dossiers contiennent déjà %n inscription; donnez --add pour y ajouter les inscriptions du fichier</numerusform>
            <numerusform>vos dossiers contiennent déjà %n inscriptions; donnez --add pour y ajouter les inscriptions du fichier</numerusform>
        </translation>
    </message>
    <message>
        <source>your records already hold this entry; was the file imported before?</source>
        <translation>vos dossiers contiennent déjà cette inscription; le fichier a-t-il déjà été importé?</translation>
    </message>
    <message>
        <source>your records %1 were written by a later version of Tenvik and are left as they are</source>
        <translation>vos dossiers %1 viennent d&apos;une version plus récente de Tenvik et restent tels quels</translation>
    </message>
    <message>
        <source>cannot open your records %1: %2</source>
        <translation>impossible d&apos;ouvrir vos dossiers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, du %2 au %3</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot import %1: %2</source>
        <translation>impossible d&apos;importer %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entry(s) imported into %2
</source>
        <translation>
            <numerusform>%1&#xa0;: %n inscription importée dans %2
</numerusform>
            <numerusform>%1&#xa0;: %n inscriptions importées dans %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entry(s)
</source>
        <translation>
            <numerusform>%1&#xa0;: %n inscription
</numerusform>
            <numerusform>%1&#xa0;: %n inscriptions
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n pay period(s)</source>
        <translation>
            <numerusform>%1&#xa0;: %n période de paie</numerusform>
            <numerusform>%1&#xa0;: %n périodes de paie</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>an address (https://...)</source>
        <translation>une adresse (https://...)</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>un nom</translation>
    </message>
    <message>
        <source>Publish every group&apos;s calendar for a department: a feed per group, per platoon and of the paydays, and a page to subscribe from, into FOLDER, for a web server to serve.</source>
        <translation>Publie le calendrier de chaque groupe pour un service : un abonnement par groupe, par peloton et des jours de paie, et une page d&apos;où s&apos;abonner, dans DOSSIER, pour qu&apos;un serveur Web les serve.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>With --publish: the address the web server serves FOLDER at, such as https://calendar.example.org/shifts/.</source>
        <translation>Avec --publish : l&apos;adresse à laquelle le serveur Web sert DOSSIER, comme https://calendar.example.org/shifts/.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Use this agency name instead of the saved one.</source>
        <translation>Utilise ce nom de service au lieu de celui enregistré.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Use this pay-period start instead of the saved one.</source>
        <translation>Utilise ce début de période de paie au lieu de celui enregistré.</translation>
    </message>
    <message>
        <source>First day of the calendar file (default today; for --publish the first day of the quarter before this one).</source>
        <translation>Premier jour du fichier de calendrier (par défaut aujourd&apos;hui; pour --publish, le premier jour du trimestre précédent).</translation>
    </message>
    <message>
        <source>Last day of the calendar file (default 365 days after --from; for --publish the end of next year).</source>
        <translation>Dernier jour du fichier de calendrier (par défaut 365 jours après --from; pour --publish, la fin de l&apos;année prochaine).</translation>
    </message>
    <message>
        <source>nothing to do: give --ics FILE, --pdf FILE, --entries-csv FILE, --pay-periods-csv FILE, --import-csv FILE or --publish FOLDER</source>
        <translation>rien à faire : donnez --ics FICHIER, --pdf FICHIER, --entries-csv FICHIER, --pay-periods-csv FICHIER, --import-csv FICHIER ou --publish DOSSIER</translation>
    </message>
    <message>
        <source>--from and --to set the days of --ics, --pay-periods-csv or --publish; give one of them too</source>
        <translation>--from et --to fixent les jours de --ics, de --pay-periods-csv ou de --publish; donnez aussi l&apos;une de ces options</translation>
    </message>
    <message>
        <source>--publish writes a folder of its own; run it without other files to write</source>
        <translation>--publish écrit un dossier à lui; lancez-le sans autre fichier à écrire</translation>
    </message>
    <message>
        <source>--publish needs --base-url URL, the address the web server serves the folder at</source>
        <translation>--publish a besoin de --base-url URL, l&apos;adresse à laquelle le serveur Web sert le dossier</translation>
    </message>
    <message>
        <source>--base-url goes with --publish FOLDER</source>
        <translation>--base-url va avec --publish DOSSIER</translation>
    </message>
    <message>
        <source>--base-url: %1 is no web address; write it as https://host/path/</source>
        <translation>--base-url : %1 n&apos;est pas une adresse Web; écrivez-la sous la forme https://hôte/chemin/</translation>
    </message>
    <message>
        <source>--publish is not available on Windows: publish from Linux, or copy the folder a Linux machine published</source>
        <translation>--publish n&apos;est pas offert sous Windows : publiez depuis Linux, ou copiez le dossier qu&apos;une machine Linux a publié</translation>
    </message>
    <message>
        <source>%1: shift calendars</source>
        <extracomment>The published page&apos;s title. %1: the agency</extracomment>
        <translation>%1 : calendriers des quarts</translation>
    </message>
    <message>
        <source>Subscribe to your group&apos;s calendar once: your phone or computer then keeps it up to date by itself. The calendars cover %1 to %2.</source>
        <extracomment>%1 and %2: the first and the last day the calendars cover, as long dates</extracomment>
        <translation>Abonnez-vous une fois au calendrier de votre groupe : votre téléphone ou votre ordinateur le tient ensuite à jour tout seul. Les calendriers vont du %1 au %2.</translation>
    </message>
    <message>
        <source>How to subscribe</source>
        <translation>Comment s&apos;abonner</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <extracomment>The text of the link that subscribes a calendar program to a feed</extracomment>
        <translation>S&apos;abonner</translation>
    </message>
    <message>
        <source>Subscribe to %1</source>
        <extracomment>What a screen reader says for the Subscribe link. %1: the feed&apos;s name (&quot;Group A1&quot;)</extracomment>
        <translation>S&apos;abonner à %1</translation>
    </message>
    <message>
        <source>Address for your calendar program:</source>
        <translation>Adresse pour votre logiciel de calendrier :</translation>
    </message>
    <message>
        <source>QR code of %1: %2</source>
        <extracomment>The text alternative of a QR code. %1: the feed&apos;s name (&quot;Group A1&quot;), %2: the address it holds</extracomment>
        <translation>Code QR de %1 : %2</translation>
    </message>
    <message>
        <source>Google Calendar</source>
        <translation>Google Agenda</translation>
    </message>
    <message>
        <source>On a computer, open calendar.google.com, choose + beside Other calendars, then From URL; paste the address of your group&apos;s calendar and choose Add calendar. Your phone&apos;s Google Calendar then shows it by itself.</source>
        <translation>Sur un ordinateur, ouvrez calendar.google.com, choisissez + à côté de Autres agendas, puis À partir de l&apos;URL; collez l&apos;adresse du calendrier de votre groupe et choisissez Ajouter un agenda. Google Agenda sur votre téléphone l&apos;affiche ensuite tout seul.</translation>
    </message>
    <message>
        <source>Apple Calendar (iPhone, iPad, Mac)</source>
        <translation>Calendrier Apple (iPhone, iPad, Mac)</translation>
    </message>
    <message>
        <source>On an iPhone or iPad, point the camera at your group&apos;s code, or tap Subscribe, and confirm. On a Mac, click Subscribe, or choose File, New Calendar Subscription, and paste the address.</source>
        <translation>Sur un iPhone ou un iPad, pointez l&apos;appareil photo vers le code de votre groupe, ou touchez S&apos;abonner, et confirmez. Sur un Mac, cliquez sur S&apos;abonner, ou choisissez Fichier, Nouvel abonnement à un calendrier, et collez l&apos;adresse.</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>In Outlook on the web, choose Add calendar, then Subscribe from web, and paste the address. In Outlook for Windows, choose Add calendar, then From Internet.</source>
        <translation>Dans Outlook sur le Web, choisissez Ajouter un calendrier, puis S&apos;abonner à partir du Web, et collez l&apos;adresse. Dans Outlook pour Windows, choisissez Ajouter un calendrier, puis À partir d&apos;Internet.</translation>
    </message>
    <message>
        <source>Calendar programs look for changes about once a week; a change can take a few days to reach every phone.</source>
        <translation>Les logiciels de calendrier cherchent les changements environ une fois par semaine; un changement peut prendre quelques jours pour atteindre chaque téléphone.</translation>
    </message>
    <message>
        <source>Assignment groups</source>
        <translation>Groupes d&apos;affectation</translation>
    </message>
    <message>
        <source>Platoons and paydays</source>
        <translation>Pelotons et jours de paie</translation>
    </message>
    <message>
        <source>Group %1</source>
        <extracomment>%1: the assignment group (&quot;A1&quot;)</extracomment>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Duty days and RDOs of group %1.</source>
        <translation>Jours de service et RDO du groupe %1.</translation>
    </message>
    <message>
        <source>%1 platoon</source>
        <extracomment>%1: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>Peloton %1</translation>
    </message>
    <message>
        <source>Every duty day of the %1 platoon, without RDOs.</source>
        <translation>Chaque jour de service du peloton %1, sans RDO.</translation>
    </message>
    <message>
        <source>Paydays</source>
        <translation>Jours de paie</translation>
    </message>
    <message>
        <source>Paydays and the first day of each pay period.</source>
        <translation>Les jours de paie et le premier jour de chaque période de paie.</translation>
    </message>
    <message>
        <source>%1 - %2 platoon</source>
        <extracomment>The name of a platoon&apos;s calendar. %1: the agency, %2: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1 - Peloton %2</translation>
    </message>
    <message>
        <source>%1 - Paydays</source>
        <extracomment>The name of the paydays&apos; calendar. %1: the agency</extracomment>
        <translation>%1 - Jours de paie</translation>
    </message>
    <message>
        <source>it is a folder or file that --publish did not make; move it away or publish to another name</source>
        <translation>c&apos;est un dossier ou un fichier que --publish n&apos;a pas créé; déplacez-le ou publiez sous un autre nom</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2; the last publish stays in place</source>
        <translation>impossible de publier dans %1 : %2; la dernière publication reste en place</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 feeds and index.html, %3 to %4; %n file(s) changed</source>
        <extracomment>%1: the folder, %2: the number of feeds, %3 and %4: the first and last day they cover</extracomment>
        <translation>
            <numerusform>%1 : %2 abonnements et index.html, du %3 au %4; %n fichier changé</numerusform>
            <numerusform>%1 : %2 abonnements et index.html, du %3 au %4; %n fichiers changés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not go with --publish, which writes every group&apos;s feeds whole, for the days of --from and --to; leave %1 out</source>
        <extracomment>%1: the option given with --publish (--group, --no-rdo, --year ...)</extracomment>
        <translation>%1 ne va pas avec --publish, qui écrit en entier les calendriers de tous les groupes, pour les jours de --from et --to; retirez %1</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2; nothing was published</source>
        <translation>impossible de publier dans %1 : %2; rien n&apos;a été publié</translation>
    </message>
    <message>
        <source>your records %1 were damaged and have been set aside as %2; there is no backup of them</source>
        <translation>vos dossiers %1 étaient endommagés et ont été mis de côté sous le nom %2; il n’en existe aucune sauvegarde</translation>
    </message>
    <message>
        <source>your records %1 were damaged and have been set aside as %2; the newest backup is %3: to go back to it, close Tenvik and copy it over %1</source>
        <translation>vos dossiers %1 étaient endommagés et ont été mis de côté sous le nom %2; la sauvegarde la plus récente est %3 : pour y revenir, fermez Tenvik et copiez-la par-dessus %1</translation>
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
        <translation>FICHIER peut être - pour la sortie standard; le résumé va alors à la sortie
d&apos;erreur. Un lien est conservé et le fichier vers lequel il pointe, remplacé;
un tube ou un périphérique reçoit l&apos;écriture tel quel. Les dates vont du
1901-01-01 au 2060-12-31.

Les paramètres sont lus, jamais écrits, dans
$XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini (normalement ~/.config/...).

Le papier est --paper, sinon PAPERSIZE (a4 ou letter), sinon celui de vos
paramètres régionaux (LC_ALL, LC_PAPER, LANG)&#xa0;: letter aux États-Unis, au
Canada, au Mexique, aux Philippines et dans les autres pays dont les paramètres
régionaux l&apos;utilisent, a4 ailleurs.

Importez le fichier de calendrier de chaque groupe dans un calendrier distinct&#xa0;:
le calendrier porte le nom du service et du groupe. Après un changement de
groupe, supprimez le calendrier de l&apos;ancien groupe dans votre logiciel de
calendrier, puis importez le nouveau fichier. Importer un fichier plus récent
du même groupe met ses événements à jour.

--publish DOSSIER garde DOSSIER comme lien vers la plus récente de ses
générations, à côté (DOSSIER.tenvik-N), et change le lien d&apos;un coup : un
serveur Web ne sert jamais une demi-publication; une publication ratée ne change
rien à ce qui est servi. Avec les mêmes paramètres et les mêmes jours, elle
écrit les mêmes octets.

Code de sortie&#xa0;: 0 quand tout a été écrit, 1 quand un fichier n&apos;a pas pu être
écrit, 2 quand les arguments sont erronés (rien n&apos;est alors lu ni écrit).
</translation>
    </message>
    <message>
        <source>another publish into %1 is still under way; try again when it has ended</source>
        <translation>une autre publication dans %1 est encore en cours; réessayez quand elle sera terminée</translation>
    </message>
</context>
<context>
    <name>tenvik::ColorNames</name>
    <message>
        <source>Aliceblue</source>
        <translation>Bleu Alice</translation>
    </message>
    <message>
        <source>Antiquewhite</source>
        <translation>Blanc antique</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aigue-marine</translation>
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
        <translation>Bisque</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Blanchedalmond</source>
        <translation>Amande blanchie</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blueviolet</source>
        <translation>Bleu violet</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Burlywood</source>
        <translation>Bois dur</translation>
    </message>
    <message>
        <source>Cadetblue</source>
        <translation>Bleu cadet</translation>
    </message>
    <message>
        <source>Chartreuse</source>
        <translation>Chartreuse</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolat</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Corail</translation>
    </message>
    <message>
        <source>Cornflowerblue</source>
        <translation>Bleu bleuet</translation>
    </message>
    <message>
        <source>Cornsilk</source>
        <translation>Soie de maïs</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Cramoisi</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Darkblue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Darkcyan</source>
        <translation>Cyan foncé</translation>
    </message>
    <message>
        <source>Darkgoldenrod</source>
        <translation>Verge d&apos;or foncé</translation>
    </message>
    <message>
        <source>Darkgray</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Darkgreen</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Darkgrey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Darkkhaki</source>
        <translation>Kaki foncé</translation>
    </message>
    <message>
        <source>Darkmagenta</source>
        <translation>Magenta foncé</translation>
    </message>
    <message>
        <source>Darkolivegreen</source>
        <translation>Vert olive foncé</translation>
    </message>
    <message>
        <source>Darkorange</source>
        <translation>Orange foncé</translation>
    </message>
    <message>
        <source>Darkorchid</source>
        <translation>Orchidée foncé</translation>
    </message>
    <message>
        <source>Darkred</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Darksalmon</source>
        <translation>Saumon foncé</translation>
    </message>
    <message>
        <source>Darkseagreen</source>
        <translation>Vert de mer foncé</translation>
    </message>
    <message>
        <source>Darkslateblue</source>
        <translation>Bleu ardoise foncé</translation>
    </message>
    <message>
        <source>Darkslategray</source>
        <translation>Gris ardoise foncé</translation>
    </message>
    <message>
        <source>Darkslategrey</source>
        <translation>Gris ardoise foncé</translation>
    </message>
    <message>
        <source>Darkturquoise</source>
        <translation>Turquoise foncé</translation>
    </message>
    <message>
        <source>Darkviolet</source>
        <translation>Violet foncé</translation>
    </message>
    <message>
        <source>Deeppink</source>
        <translation>Rose profond</translation>
    </message>
    <message>
        <source>Deepskyblue</source>
        <translation>Bleu ciel profond</translation>
    </message>
    <message>
        <source>Dimgray</source>
        <translation>Gris terne</translation>
    </message>
    <message>
        <source>Dimgrey</source>
        <translation>Gris terne</translation>
    </message>
    <message>
        <source>Dodgerblue</source>
        <translation>Bleu Dodger</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Brique réfractaire</translation>
    </message>
    <message>
        <source>Floralwhite</source>
        <translation>Blanc floral</translation>
    </message>
    <message>
        <source>Forestgreen</source>
        <translation>Vert forêt</translation>
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
        <translation>Blanc spectral</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Verge d&apos;or</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Greenyellow</source>
        <translation>Vert-jaune</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Honeydew</source>
        <translation>Miellat</translation>
    </message>
    <message>
        <source>Hotpink</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <source>Indianred</source>
        <translation>Rouge indien</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Ivory</source>
        <translation>Ivoire</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Kaki</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Lavenderblush</source>
        <translation>Lavande rosée</translation>
    </message>
    <message>
        <source>Lawngreen</source>
        <translation>Vert gazon</translation>
    </message>
    <message>
        <source>Lemonchiffon</source>
        <translation>Mousseline citron</translation>
    </message>
    <message>
        <source>Lightblue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Lightcoral</source>
        <translation>Corail clair</translation>
    </message>
    <message>
        <source>Lightcyan</source>
        <translation>Cyan clair</translation>
    </message>
    <message>
        <source>Lightgoldenrodyellow</source>
        <translation>Jaune verge d&apos;or clair</translation>
    </message>
    <message>
        <source>Lightgray</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Lightgreen</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Lightgrey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Lightpink</source>
        <translation>Rose clair</translation>
    </message>
    <message>
        <source>Lightsalmon</source>
        <translation>Saumon clair</translation>
    </message>
    <message>
        <source>Lightseagreen</source>
        <translation>Vert de mer clair</translation>
    </message>
    <message>
        <source>Lightskyblue</source>
        <translation>Bleu ciel clair</translation>
    </message>
    <message>
        <source>Lightslategray</source>
        <translation>Gris ardoise clair</translation>
    </message>
    <message>
        <source>Lightslategrey</source>
        <translation>Gris ardoise clair</translation>
    </message>
    <message>
        <source>Lightsteelblue</source>
        <translation>Bleu acier clair</translation>
    </message>
    <message>
        <source>Lightyellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Limegreen</source>
        <translation>Vert lime</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Mediumaquamarine</source>
        <translation>Aigue-marine moyen</translation>
    </message>
    <message>
        <source>Mediumblue</source>
        <translation>Bleu moyen</translation>
    </message>
    <message>
        <source>Mediumorchid</source>
        <translation>Orchidée moyen</translation>
    </message>
    <message>
        <source>Mediumpurple</source>
        <translation>Pourpre moyen</translation>
    </message>
    <message>
        <source>Mediumseagreen</source>
        <translation>Vert de mer moyen</translation>
    </message>
    <message>
        <source>Mediumslateblue</source>
        <translation>Bleu ardoise moyen</translation>
    </message>
    <message>
        <source>Mediumspringgreen</source>
        <translation>Vert printemps moyen</translation>
    </message>
    <message>
        <source>Mediumturquoise</source>
        <translation>Turquoise moyen</translation>
    </message>
    <message>
        <source>Mediumvioletred</source>
        <translation>Rouge violet moyen</translation>
    </message>
    <message>
        <source>Midnightblue</source>
        <translation>Bleu nuit</translation>
    </message>
    <message>
        <source>Mintcream</source>
        <translation>Crème menthe</translation>
    </message>
    <message>
        <source>Mistyrose</source>
        <translation>Rose brumeux</translation>
    </message>
    <message>
        <source>Moccasin</source>
        <translation>Mocassin</translation>
    </message>
    <message>
        <source>Navajowhite</source>
        <translation>Blanc navajo</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Oldlace</source>
        <translation>Vieille dentelle</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Olivedrab</source>
        <translation>Vert olive terne</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Orangered</source>
        <translation>Rouge orangé</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidée</translation>
    </message>
    <message>
        <source>Palegoldenrod</source>
        <translation>Verge d&apos;or pâle</translation>
    </message>
    <message>
        <source>Palegreen</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <source>Paleturquoise</source>
        <translation>Turquoise pâle</translation>
    </message>
    <message>
        <source>Palevioletred</source>
        <translation>Rouge violet pâle</translation>
    </message>
    <message>
        <source>Papayawhip</source>
        <translation>Crème de papaye</translation>
    </message>
    <message>
        <source>Peachpuff</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Pérou</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Powderblue</source>
        <translation>Bleu poudre</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Pourpre</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Rosybrown</source>
        <translation>Brun rosé</translation>
    </message>
    <message>
        <source>Royalblue</source>
        <translation>Bleu roi</translation>
    </message>
    <message>
        <source>Saddlebrown</source>
        <translation>Brun cuir</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Saumon</translation>
    </message>
    <message>
        <source>Sandybrown</source>
        <translation>Brun sable</translation>
    </message>
    <message>
        <source>Seagreen</source>
        <translation>Vert de mer</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Coquillage</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Terre de Sienne</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Slateblue</source>
        <translation>Bleu ardoise</translation>
    </message>
    <message>
        <source>Slategray</source>
        <translation>Gris ardoise</translation>
    </message>
    <message>
        <source>Slategrey</source>
        <translation>Gris ardoise</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>Springgreen</source>
        <translation>Vert printemps</translation>
    </message>
    <message>
        <source>Steelblue</source>
        <translation>Bleu acier</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Tanné</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Chardon</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Blé</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Whitesmoke</source>
        <translation>Fumée blanche</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Yellowgreen</source>
        <translation>Jaune-vert</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>tenvik::DayEntriesDialog</name>
    <message>
        <source>Vacation</source>
        <translation>Vacances</translation>
    </message>
    <message>
        <source>Sick leave</source>
        <translation>Congé de maladie</translation>
    </message>
    <message>
        <source>Compensatory time</source>
        <translation>Congé compensatoire</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>Other leave</source>
        <translation>Autre congé</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Heures supplémentaires</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Rappel au travail</translation>
    </message>
    <message>
        <source>I worked for %1: %2 h</source>
        <translation>J&apos;ai travaillé pour %1&#xa0;: %2 h</translation>
    </message>
    <message>
        <source>%1 worked for me: %2 h</source>
        <extracomment>A trade: %1 the colleague, %2 the hours (&quot;24&quot;)</extracomment>
        <translation>%1 a travaillé pour moi&#xa0;: %2 h</translation>
    </message>
    <message>
        <source> (pays back)</source>
        <translation> (rembourse)</translation>
    </message>
    <message>
        <source>%1: %2 h</source>
        <extracomment>Leave: %1 its kind (&quot;Vacation&quot;), %2 the hours</extracomment>
        <translation>%1 : %2 h</translation>
    </message>
    <message>
        <source>%1: %2 h, paid</source>
        <translation>%1 : %2 h, payées</translation>
    </message>
    <message>
        <source>%1: %2 h, banked</source>
        <extracomment>Extra hours: %1 &quot;Overtime&quot; or &quot;Callback&quot;, %2 the hours</extracomment>
        <translation>%1 : %2 h, mises en banque</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note : %1</translation>
    </message>
    <message>
        <source>The hours must be from 0 to 48.</source>
        <translation>Les heures doivent être de 0 à 48.</translation>
    </message>
    <message>
        <source>Entries can be kept for the years 1901 to 2060 only.</source>
        <translation>On ne peut garder des inscriptions que pour les années 1901 à 2060.</translation>
    </message>
    <message>
        <source>The text may not hold tabs, line breaks or other control characters.</source>
        <translation>Le texte ne peut contenir ni tabulations, ni sauts de ligne, ni autres caractères de contrôle.</translation>
    </message>
    <message>
        <source>The text holds characters that cannot be stored.</source>
        <translation>Le texte contient des caractères qui ne peuvent pas être enregistrés.</translation>
    </message>
    <message>
        <source>The text is too long.</source>
        <translation>Le texte est trop long.</translation>
    </message>
    <message>
        <source>A trade needs the colleague&apos;s name.</source>
        <translation>Un échange de quart a besoin du nom du collègue.</translation>
    </message>
    <message>
        <source>A note needs some text.</source>
        <translation>Une note a besoin d&apos;un texte.</translation>
    </message>
    <message>
        <source>A trade can only pay back an earlier trade the other way round with the same colleague.</source>
        <translation>Un échange ne peut rembourser qu&apos;un échange antérieur en sens inverse avec le même collègue.</translation>
    </message>
    <message>
        <source>The entry is no longer there.</source>
        <translation>L&apos;inscription n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Entries for %1</source>
        <extracomment>The title of the day&apos;s entries; %1 the date</extracomment>
        <translation>Inscriptions du %1</translation>
    </message>
    <message>
        <source>Entries of the day</source>
        <translation>Inscriptions du jour</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Échange de quart</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Extra hours</source>
        <translation>Heures en plus</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>I worked for them (they owe me)</source>
        <translation>J&apos;ai travaillé pour lui (il me doit)</translation>
    </message>
    <message>
        <source>They worked for me (I owe them)</source>
        <translation>Il a travaillé pour moi (je lui dois)</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payées</translation>
    </message>
    <message>
        <source>Banked as compensatory time</source>
        <translation>Mises en banque en congé compensatoire</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Genre :</translation>
    </message>
    <message>
        <source>&amp;Trade:</source>
        <translation>É&amp;change :</translation>
    </message>
    <message>
        <source>&amp;Colleague:</source>
        <translation>&amp;Collègue :</translation>
    </message>
    <message>
        <source>&amp;Leave:</source>
        <translation>&amp;Congé :</translation>
    </message>
    <message>
        <source>&amp;Extra:</source>
        <translation>&amp;Heures en plus :</translation>
    </message>
    <message>
        <source>&amp;Pay:</source>
        <translation>&amp;Paiement :</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <translation>H&amp;eures :</translation>
    </message>
    <message>
        <source>Pays &amp;back:</source>
        <translation>&amp;Rembourse :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Enregi&amp;strer les modifications</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The records could not be read: %1</source>
        <translation>Les registres n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An earlier trade to pay back: %1 its date, %2 the line that describes it</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The hours must be a number such as 24 or 10.5.</source>
        <translation>Les heures doivent être un nombre comme 24 ou 10,5.</translation>
    </message>
    <message>
        <source>The records could not be written: %1</source>
        <translation>Les registres n&apos;ont pas pu être écrits : %1</translation>
    </message>
</context>
<context>
    <name>tenvik::EventPhrases</name>
    <message>
        <source>On duty - %1</source>
        <extracomment>Title of a duty day in the calendar file. %1: the assignment group, &quot;A2&quot;</extracomment>
        <translation>En service - %1</translation>
    </message>
    <message>
        <source>%1, group %2: %3 platoon on duty.</source>
        <extracomment>%1: the agency, %2: the assignment group (&quot;A2&quot;), %3: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1, groupe %2&#xa0;: peloton %3 en service.</translation>
    </message>
    <message>
        <source>RDO - %1</source>
        <extracomment>Title of the user&apos;s Regular Day Off. %1: the assignment group</extracomment>
        <translation>RDO - %1</translation>
    </message>
    <message>
        <source>%1, group %2: Regular Day Off.</source>
        <extracomment>%1: the agency, %2: the assignment group</extracomment>
        <translation>%1, groupe %2&#xa0;: jour de repos régulier (RDO).</translation>
    </message>
    <message>
        <source>Payday - %1</source>
        <extracomment>%1: the agency</extracomment>
        <translation>Jour de paie - %1</translation>
    </message>
    <message>
        <source>%1: payday.</source>
        <extracomment>%1: the agency</extracomment>
        <translation>%1&#xa0;: jour de paie.</translation>
    </message>
    <message>
        <source>%1 begins - %2</source>
        <extracomment>%1: the pay period, &quot;PP7&quot;; %2: the agency</extracomment>
        <translation>Début de %1 - %2</translation>
    </message>
    <message>
        <source>%1: pay period %2 begins today and runs %3 days.</source>
        <extracomment>%1: the agency, %2: the pay period (&quot;PP7&quot;), %3: its length in days (14)</extracomment>
        <translation>%1&#xa0;: la période de paie %2 commence aujourd&apos;hui et dure %3 jours.</translation>
    </message>
    <message>
        <source>Duty</source>
        <extracomment>Category of the duty days in a calendar program</extracomment>
        <translation>Service</translation>
    </message>
    <message>
        <source>RDO</source>
        <extracomment>Category of the user&apos;s Regular Days Off</extracomment>
        <translation>RDO</translation>
    </message>
    <message>
        <source>Payday</source>
        <translation>Jour de paie</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Période de paie</translation>
    </message>
    <message>
        <source>%1 platoon on duty</source>
        <extracomment>Title of a day in a platoon&apos;s published calendar. %1: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>Peloton %1 en service</translation>
    </message>
    <message>
        <source>%1: %2 platoon on duty.</source>
        <extracomment>%1: the agency, %2: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1 : peloton %2 en service.</translation>
    </message>
</context>
<context>
    <name>tenvik::RecordsSummaryDialog</name>
    <message>
        <source>My Records %1</source>
        <extracomment>%1 the year the summary is for</extracomment>
        <translation>Mes registres %1</translation>
    </message>
    <message>
        <source>Colleague</source>
        <translation>Collègue</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>&amp;Trades</source>
        <translation>É&amp;changes</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Congé</translation>
    </message>
    <message>
        <source>Taken %1</source>
        <translation>Pris en %1</translation>
    </message>
    <message>
        <source>Balance on 1 January</source>
        <translation>Solde au 1er janvier</translation>
    </message>
    <message>
        <source>Added each pay period</source>
        <translation>Ajouté par période de paie</translation>
    </message>
    <message>
        <source>Left today</source>
        <translation>Reste aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Left at year end</source>
        <translation>Reste en fin d&apos;année</translation>
    </message>
    <message>
        <source>Give a starting balance and what each pay period adds to see what is left.</source>
        <translation>Indiquez un solde de départ et ce que chaque période de paie ajoute pour voir ce qui reste.</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Congés</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Période de paie</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Prévues</translation>
    </message>
    <message>
        <source>Trades in</source>
        <translation>Échanges faits</translation>
    </message>
    <message>
        <source>Trades out</source>
        <translation>Échanges reçus</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>En plus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Pay Periods</source>
        <translation>&amp;Périodes de paie</translation>
    </message>
    <message>
        <source>The records could not be read: %1</source>
        <translation>Les registres n&apos;ont pas pu être lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 owes you %2 h</source>
        <extracomment>%1 the colleague, %2 the hours</extracomment>
        <translation>%1 vous doit %2 h</translation>
    </message>
    <message>
        <source>You owe %1 %2 h</source>
        <extracomment>%1 the colleague, %2 the hours</extracomment>
        <translation>Vous devez %2 h à %1</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Réglé</translation>
    </message>
    <message>
        <source>Open since %1</source>
        <extracomment>An open trade: %1 its date, %2 the trade</extracomment>
        <translation>Ouvert depuis le %1</translation>
    </message>
    <message>
        <source>No trades recorded</source>
        <translation>Aucun échange inscrit</translation>
    </message>
    <message>
        <source>A starting balance must be within 9999 hours either way, and a pay period can add 0 to 48 hours.</source>
        <translation>Un solde de départ doit être entre -9999 et 9999 heures, et une période de paie peut ajouter de 0 à 48 heures.</translation>
    </message>
</context>
<context>
    <name>tenvik::TMainForm</name>
    <message>
        <source>Tenvik for Ostrand Fire v%1</source>
        <translation>Tenvik pour Ostrand Fire v%1</translation>
    </message>
    <message>
        <source>To change Pay Period Start Date,</source>
        <translation>Pour changer le début des périodes de paie,</translation>
    </message>
    <message>
        <source>double-click on background of Settings tab</source>
        <translation>double-cliquez sur le fond de l&apos;onglet Paramètres</translation>
    </message>
    <message>
        <source>For information only: the department&apos;s official roster prevails.</source>
        <translation>À titre indicatif seulement&#xa0;: l&apos;horaire officiel du service prévaut.</translation>
    </message>
    <message>
        <source>Your settings are kept in Quorvell/Tenvik/Tenvik.ini in your configuration folder.</source>
        <translation>Vos paramètres sont conservés dans Quorvell/Tenvik/Tenvik.ini, dans votre dossier de configuration.</translation>
    </message>
    <message>
        <source>email: </source>
        <extracomment>The caption of the support address, &quot;email: support@...&quot;</extracomment>
        <translation>courriel&#xa0;: </translation>
    </message>
    <message>
        <source>A platoon</source>
        <translation>peloton A</translation>
    </message>
    <message>
        <source>B platoon</source>
        <translation>peloton B</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>Said of the day that is today, after its date</extracomment>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>your RDO</source>
        <translation>votre RDO</translation>
    </message>
    <message>
        <source>RDO group %1</source>
        <extracomment>%1: the group whose Regular Day Off the day is, &quot;B2&quot;</extracomment>
        <translation>RDO du groupe %1</translation>
    </message>
    <message>
        <source>payday</source>
        <translation>jour de paie</translation>
    </message>
    <message>
        <source>pay period %1 begins</source>
        <extracomment>%1: the number of the pay period, 1 to 26</extracomment>
        <translation>début de la période de paie %1</translation>
    </message>
    <message>
        <source>Legend: %1, %2</source>
        <extracomment>A legend cell read aloud. %1: &quot;A platoon&quot; or &quot;B platoon&quot;, %2: the name of its colour</extracomment>
        <translation>Légende&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>Exporter vers le calendrier…</translation>
    </message>
    <message>
        <source>Print Year…</source>
        <translation>Imprimer l&apos;année…</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exporter vers le calendrier</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Fichiers de calendrier (*.ics)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Month grid</source>
        <translation>Grille du mois</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation>Aller à la date</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Pay period start</source>
        <translation>Début des périodes de paie</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Affectation</translation>
    </message>
    <message>
        <source>Paydays</source>
        <translation>Jours de paie</translation>
    </message>
    <message>
        <source>Show RDOs</source>
        <translation>Afficher les RDO</translation>
    </message>
    <message>
        <source>Pay Periods</source>
        <translation>Périodes de paie</translation>
    </message>
    <message>
        <source>A platoon colour</source>
        <translation>Couleur du peloton A</translation>
    </message>
    <message>
        <source>B platoon colour</source>
        <translation>Couleur du peloton B</translation>
    </message>
    <message>
        <source>Your RDO colour</source>
        <translation>Couleur de vos RDO</translation>
    </message>
    <message>
        <source>Ld / Tr</source>
        <extracomment>Short caption (about 8 letters) of the colour of the leading and trailing days, those of the months before and after the one shown</extracomment>
        <translation>Préc/Suiv</translation>
    </message>
    <message>
        <source>Leading and trailing days colour</source>
        <translation>Couleur des jours des mois voisins</translation>
    </message>
    <message>
        <source>BkGr</source>
        <extracomment>Short caption (about 6 letters) of the background colour</extracomment>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur du fond</translation>
    </message>
    <message>
        <source>Enter agency name</source>
        <translation>Nom du service</translation>
    </message>
    <message>
        <source>Agency name</source>
        <translation>Nom du service</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help picture</source>
        <translation>Image d&apos;aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Sextant</source>
        <translation>Sextant</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file is busy, another Tenvik window is saving it. Try again in a moment.</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: le fichier est occupé, une autre fenêtre de Tenvik l&apos;enregistre. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a link into the folder %2, which is missing.</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: c&apos;est un lien vers le dossier %2, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Calendar saved to %1</source>
        <translation>Calendrier enregistré dans %1</translation>
    </message>
    <message>
        <source>Year %1 saved to %2</source>
        <translation>Année %1 enregistrée dans %2</translation>
    </message>
    <message>
        <source>Unable to print to %1</source>
        <translation>Impossible d&apos;imprimer sur %1</translation>
    </message>
    <message>
        <source>Year %1 sent to %2</source>
        <translation>Année %1 envoyée à %2</translation>
    </message>
    <message>
        <source>Key to the calendar</source>
        <translation>Légende du calendrier</translation>
    </message>
    <message>
        <source>Pay-period start…</source>
        <translation>Début des périodes de paie…</translation>
    </message>
    <message>
        <source>Change the pay-period start</source>
        <translation>Modifier le début des périodes de paie</translation>
    </message>
    <message>
        <source>“%1” is no date from %2 to %3</source>
        <extracomment>%1 is what the user typed into the date field, %2 and %3 the first and the last date the calendar shows</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date du %2 au %3</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <extracomment>One setting that could not be read: %1 its name on the Settings page, %2 the text the settings file holds for it</extracomment>
        <translation>%1 «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Some settings could not be read and use their defaults until you save: %1</source>
        <extracomment>%1 lists the settings, each with the text the file holds</extracomment>
        <translation>Certains paramètres n’ont pu être lus et gardent leur valeur par défaut jusqu’à l’enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Day Entries…</source>
        <translation>Inscriptions du jour…</translation>
    </message>
    <message>
        <source>Your records in %1 could not be opened: %2</source>
        <extracomment>%1 the records file, %2 why it could not be opened</extracomment>
        <translation>Vos registres dans %1 n&apos;ont pas pu être ouverts&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your records in %1 were written by a newer version of Tenvik. This version leaves them as they are; please use the newer one.</source>
        <extracomment>%1 the records file</extracomment>
        <translation>Vos registres dans %1 ont été écrits par une version plus récente de Tenvik. Cette version les laisse tels quels; veuillez utiliser la plus récente.</translation>
    </message>
    <message>
        <source>Your records file %1 was damaged and could not be read. It was kept, untouched, as %2, and a new, empty records file was started.</source>
        <extracomment>%1 the damaged file, %2 the name it was set aside under</extracomment>
        <translation>Votre fichier de registres %1 était endommagé et n&apos;a pas pu être lu. Il a été gardé, intact, sous le nom %2, et un nouveau fichier vide a été commencé.</translation>
    </message>
    <message>
        <source>There is no backup to restore.</source>
        <translation>Il n&apos;y a aucune sauvegarde à restaurer.</translation>
    </message>
    <message>
        <source>Restore your records from the newest backup, %1?</source>
        <extracomment>%1 the backup file&apos;s name, which holds its date</extracomment>
        <translation>Restaurer vos registres à partir de la sauvegarde la plus récente, %1?</translation>
    </message>
    <message>
        <source>The backup %1 could not be restored: %2</source>
        <extracomment>%1 the backup file&apos;s name, %2 why it failed</extracomment>
        <translation>La sauvegarde %1 n&apos;a pas pu être restaurée : %2</translation>
    </message>
    <message>
        <source>My Records…</source>
        <translation>Mes registres…</translation>
    </message>
    <message>
        <source>Add your own entries (trades, leave, extra hours and notes) to the calendar file? Their names and notes can be read by anyone you give the file to.</source>
        <translation>Ajouter vos propres inscriptions (échanges, congés, heures en plus et notes) au fichier de calendrier? Toute personne à qui vous donnez le fichier pourra lire leurs noms et leurs notes.</translation>
    </message>
    <message>
        <source>Your records could not be read: %1</source>
        <translation>Vos registres n&apos;ont pas pu être lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Entry Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>Marks on the days that hold your trades, leave, extra hours or notes</source>
        <translation>Des marques sur les jours qui ont vos échanges, congés, heures en plus ou notes</translation>
    </message>
    <message>
        <source>Shift Hours</source>
        <extracomment>The length of one shift, in hours</extracomment>
        <translation>Heures du quart</translation>
    </message>
    <message>
        <source>Shift length in hours</source>
        <translation>Durée du quart en heures</translation>
    </message>
    <message>
        <source>The hours of one shift: what a new trade starts with and what the summary counts for a day on duty</source>
        <translation>Les heures d&apos;un quart&#xa0;: ce qu&apos;un nouvel échange propose d&apos;abord et ce que le sommaire compte pour un jour de service</translation>
    </message>
    <message>
        <source>The Calendar page with its marks explained: day numbers in the A and B platoon colours, your RDO, paydays underlined, the RDO group and the first day of a pay period in the corner of a day, the legend, the marks of your trades, leave, extra hours and notes, the status line, Today, the date field and the menu a right click opens</source>
        <translation>La page Calendrier et ses marques expliquées&#xa0;: les numéros des jours dans les couleurs des pelotons A et B, votre RDO, les jours de paie soulignés, le groupe de RDO et le premier jour d&apos;une période de paie dans le coin d&apos;un jour, la légende, les marques de vos échanges, congés, heures en plus et notes, la ligne d&apos;état, Aujourd&apos;hui, le champ de date et le menu qu&apos;ouvre un clic droit</translation>
    </message>
    <message>
        <source>The Settings page with its controls labelled: Save, Shift Assignment, Show Paydays, Show RDO, Show Pay Periods, Crew Colors for A and B, RDO Color, Background, Leading / Trailing Color, Title, Show Entry Marks, Shift Length</source>
        <translation>La page Paramètres avec ses commandes étiquetées&#xa0;: Enregistrer, Affectation, Afficher les jours de paie, Afficher les RDO, Afficher les périodes de paie, Couleurs des pelotons A et B, Couleur des RDO, Fond, Couleur des jours des mois voisins, Titre, Afficher les marques, Durée du quart</translation>
    </message>
</context>
</TS>
