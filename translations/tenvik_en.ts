<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>tenvik-export</name>
    <message numerus="yes">
        <source>%n event(s)</source>
        <translation>
            <numerusform>%n event</numerusform>
            <numerusform>%n events</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>your records already hold %n entry(s); give --add to add the file&apos;s entries to them</source>
        <translation>
            <numerusform>your records already hold %n entry; give --add to add the file&apos;s entries to them</numerusform>
            <numerusform>your records already hold %n entries; give --add to add the file&apos;s entries to them</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entry(s) imported into %2
</source>
        <translation>
            <numerusform>%1: %n entry imported into %2
</numerusform>
            <numerusform>%1: %n entries imported into %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entry(s)
</source>
        <translation>
            <numerusform>%1: %n entry
</numerusform>
            <numerusform>%1: %n entries
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n pay period(s)</source>
        <translation>
            <numerusform>%1: %n pay period</numerusform>
            <numerusform>%1: %n pay periods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 feeds and index.html, %3 to %4; %n file(s) changed</source>
        <extracomment>%1: the folder, %2: the number of feeds, %3 and %4: the first and last day they cover</extracomment>
        <translation>
            <numerusform>%1: %2 feeds and index.html, %3 to %4; %n file changed</numerusform>
            <numerusform>%1: %2 feeds and index.html, %3 to %4; %n files changed</numerusform>
        </translation>
    </message>
</context>
</TS>
