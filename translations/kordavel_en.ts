<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>kordavel::app</name>
    <message numerus="yes">
        <source>It has not answered within %n seconds.</source>
        <translation>
            <numerusform>It has not answered within %n second.</numerusform>
            <numerusform>It has not answered within %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the record wait to go to %1: %2.</source>
        <translation>
            <numerusform>%n row of the record waits to go to %1: %2.</numerusform>
            <numerusform>%n rows of the record wait to go to %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kordavel::fleet</name>
    <message numerus="yes">
        <source>This device differs from the fleet standard %1 in %n setting(s):</source>
        <translation>
            <numerusform>This device differs from the fleet standard %1 in one setting:</numerusform>
            <numerusform>This device differs from the fleet standard %1 in %n settings:</numerusform>
        </translation>
    </message>
</context>
</TS>
