<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>kordavel::app</name>
    <message>
        <source>Fleet standard (*.json);;All files (*)</source>
        <translation>Flottenstandard (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Open fleet standard…</source>
        <translation>&amp;Flottenstandard öffnen…</translation>
    </message>
    <message>
        <source>&amp;Save as fleet standard…</source>
        <translation>Als Flottenstandard &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Apply standard</source>
        <translation>Standard &amp;anwenden</translation>
    </message>
    <message>
        <source>Apply the standard to &amp;every device read</source>
        <translation>Standard auf &amp;jedes gelesene Gerät anwenden</translation>
    </message>
    <message>
        <source>Open &amp;record</source>
        <translation>&amp;Protokoll öffnen</translation>
    </message>
    <message>
        <source>S&amp;top using the standard</source>
        <translation>Standard nicht mehr &amp;verwenden</translation>
    </message>
    <message>
        <source>The fleet standard %1 could not be read: %2</source>
        <translation>Der Flottenstandard %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Open fleet standard</source>
        <translation>Flottenstandard öffnen</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not opened: %2</source>
        <translation>Der Flottenstandard %1 wurde nicht geöffnet: %2</translation>
    </message>
    <message>
        <source>These settings cannot be a fleet standard: %1</source>
        <translation>Diese Einstellungen können kein Flottenstandard sein: %1</translation>
    </message>
    <message>
        <source>Save as fleet standard</source>
        <translation>Als Flottenstandard speichern</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not saved: %2</source>
        <translation>Der Flottenstandard %1 wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>No Configure has been recorded yet. While a fleet standard is active, every Configure is recorded.</source>
        <translation>Es wurde noch kein „Übertragen“-Vorgang protokolliert. Solange ein Flottenstandard aktiv ist, wird jeder „Übertragen“-Vorgang protokolliert.</translation>
    </message>
    <message>
        <source>The record %1 could not be opened.</source>
        <translation>Das Protokoll %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Rev. %1.%2.%3</source>
        <translation>Rev. %1.%2.%3</translation>
    </message>
    <message>
        <source>Ready for next</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Kordavel found</source>
        <translation>Kordavel erkannt</translation>
    </message>
    <message>
        <source>Configuration read</source>
        <translation>Konfig. gelesen</translation>
    </message>
    <message>
        <source>Config. not available</source>
        <translation>Keine Konfig.</translation>
    </message>
    <message>
        <source>Not Suitable</source>
        <translation>Ungeeignet</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolg!</translation>
    </message>
    <message>
        <source>Finishing Configure…</source>
        <translation>„Übertragen“ wird abgeschlossen…</translation>
    </message>
    <message>
        <source>Drive %1 is attached but not mounted.</source>
        <translation>Laufwerk %1 erkannt, aber nicht gemountet.</translation>
    </message>
    <message>
        <source>A removable drive (%1) is attached but not mounted. Mount it to use it here.</source>
        <translation>Laufwerk (%1) angeschlossen, aber nicht gemountet. Zum Nutzen mounten.</translation>
    </message>
    <message>
        <source>Disconnect USB</source>
        <translation>Abziehen</translation>
    </message>
    <message>
        <source>Connect USB</source>
        <translation>Einstecken</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Select File Name Format</source>
        <translation>Dateinamenformat wählen</translation>
    </message>
    <message>
        <source>Select Files to download</source>
        <translation>Dateien zum Herunterladen</translation>
    </message>
    <message>
        <source>Use Start/End Dates</source>
        <translation>Zeitraum verwenden</translation>
    </message>
    <message>
        <source>Available from firmware version 55</source>
        <translation>Verfügbar ab Firmware-Version 55</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Kartendownload-Datum speichern</translation>
    </message>
    <message>
        <source>For card downloaded direct into Kordavel Plus or Blue</source>
        <translation>Für Fahrerkarten, die direkt in den Kordavel Plus oder Blue heruntergeladen werden</translation>
    </message>
    <message>
        <source>Set to zero for &apos;download since last download&apos;</source>
        <translation>0 eingeben für „seit dem letzten Herunterladen“</translation>
    </message>
    <message>
        <source>Download End</source>
        <translation>Download-Ende</translation>
    </message>
    <message>
        <source>Download Start</source>
        <translation>Download-Start</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>SW Version - </source>
        <translation>SW-Version - </translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Mounten</translation>
    </message>
    <message>
        <source>Mount the attached drive through the desktop&apos;s disk service</source>
        <translation>Das angeschlossene Laufwerk über den Datenträgerdienst des Desktops mounten (einhängen)</translation>
    </message>
    <message>
        <source>&amp;Safely remove</source>
        <translation>&amp;Auswerfen</translation>
    </message>
    <message>
        <source>Unmount the Kordavel and power it off, ready to be unplugged</source>
        <translation>Den Kordavel aushängen und ausschalten, damit er sicher abgezogen werden kann</translation>
    </message>
    <message>
        <source>Fleet standard and record of every Configure</source>
        <translation>Flottenstandard und Protokoll jedes „Übertragen“-Vorgangs</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flotte</translation>
    </message>
    <message>
        <source>Fleet standard check</source>
        <translation>Prüfung gegen Flottenstandard</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Drive log</source>
        <translation>Laufwerksprotokoll</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Tage zurück</translation>
    </message>
    <message>
        <source>Download start</source>
        <translation>Download-Start</translation>
    </message>
    <message>
        <source>Download end</source>
        <translation>Download-Ende</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>Über&amp;tragen</translation>
    </message>
    <message>
        <source>Unplug the device</source>
        <translation>Gerät abziehen</translation>
    </message>
    <message>
        <source>Plug the device in again</source>
        <translation>Gerät wieder einstecken</translation>
    </message>
    <message numerus="yes">
        <source>It has not answered within %n seconds.</source>
        <translation>
            <numerusform>Innerhalb von %n Sekunde kam keine Antwort.</numerusform>
            <numerusform>Innerhalb von %n Sekunden kam keine Antwort.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (set by your organisation)</source>
        <translation>%1 (von Ihrer Organisation festgelegt)</translation>
    </message>
    <message>
        <source>Your organisation&apos;s policy sets %1 in a way this program cannot use, so it is ignored; kordavel-config --policy says why.</source>
        <translation>Die Richtlinie Ihrer Organisation legt %1 auf eine Weise fest, die dieses Programm nicht verwenden kann; dieser Teil der Richtlinie wird daher ignoriert. Den Grund nennt kordavel-config --policy.</translation>
    </message>
    <message>
        <source>Part of your organisation&apos;s policy cannot be read and is ignored; kordavel-config --policy says why.</source>
        <translation>Ein Teil der Richtlinie Ihrer Organisation kann nicht gelesen werden und wird ignoriert; den Grund nennt kordavel-config --policy.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The copy taken from it on %3 is in force.</source>
        <translation>Der Flottenstandard %1 kann gerade nicht verwendet werden: %2 Es gilt die Kopie davon vom %3.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The one read from it before is in force.</source>
        <translation>Der Flottenstandard %1 kann gerade nicht verwendet werden: %2 Es gilt der zuvor daraus gelesene Standard.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 No copy of it has been taken on this computer yet.</source>
        <translation>Der Flottenstandard %1 kann gerade nicht verwendet werden: %2 Auf diesem Computer gibt es noch keine Kopie davon.</translation>
    </message>
    <message>
        <source>Your organisation&apos;s fleet standard sets these settings.</source>
        <translation>Diese Einstellungen legt der Flottenstandard Ihrer Organisation fest.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the record wait to go to %1: %2.</source>
        <translation>
            <numerusform>%n Zeile des Protokolls wartet darauf, nach %1 geschrieben zu werden: %2.</numerusform>
            <numerusform>%n Zeilen des Protokolls warten darauf, nach %1 geschrieben zu werden: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kordavel::cycle</name>
    <message>
        <source>Disconnect and reconnect Kordavel.<byte value="xd"/>
Wait a moment then click &apos;Current Settings&apos;.</source>
        <translation>Trennen Sie den Kordavel und verbinden Sie ihn erneut.<byte value="xd"/>
Warten Sie einen Moment und klicken Sie dann auf „Aktuelle Einstellungen“.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No configuration file was written.</source>
        <translation><byte value="xd"/>
Es wurde keine Konfigurationsdatei geschrieben.</translation>
    </message>
    <message>
        <source>Configuration file missing.<byte value="xd"/>
</source>
        <translation>Konfigurationsdatei fehlt.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Configuration file error.<byte value="xd"/>
</source>
        <translation>Fehler in der Konfigurationsdatei.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>SW Version - TQ</source>
        <translation>SW-Version - TQ</translation>
    </message>
    <message>
        <source>SW Version - CR</source>
        <translation>SW-Version - CR</translation>
    </message>
    <message>
        <source> - Unexpected software version</source>
        <translation> - Unerwartete Softwareversion</translation>
    </message>
    <message>
        <source>Kordavel software version value wrong</source>
        <translation>Wert der Kordavel-Softwareversion fehlerhaft</translation>
    </message>
    <message>
        <source>No configuration file was written: more than one Kordavel is plugged in, so unplug those that are not to be configured.</source>
        <translation>Es wurde keine Konfigurationsdatei geschrieben: Es ist mehr als ein Kordavel eingesteckt; ziehen Sie die ab, die nicht eingestellt werden sollen.</translation>
    </message>
    <message>
        <source>No configuration file was written: the Kordavel plugged in is not the one whose settings are shown, or its settings have changed, so it is read again.</source>
        <translation>Es wurde keine Konfigurationsdatei geschrieben: Der eingesteckte Kordavel ist nicht der, dessen Einstellungen angezeigt werden, oder seine Einstellungen haben sich geändert; er wird daher neu gelesen.</translation>
    </message>
    <message>
        <source>The settings of this device could not be read: it was not compared with the fleet standard &quot;%1&quot;.</source>
        <translation>Die Einstellungen dieses Geräts konnten nicht gelesen werden: Es wurde nicht mit dem Flottenstandard „%1“ verglichen.</translation>
    </message>
    <message>
        <source>Plug in a Kordavel that can be configured first: the standard is applied to the settings the device can hold.</source>
        <translation>Schließen Sie zuerst einen konfigurierbaren Kordavel an: Der Standard wird auf die Einstellungen angewendet, die das Gerät speichern kann.</translation>
    </message>
    <message>
        <source>This Configure could not be added to the record %1 (%2). It is added with the next one, once the record can be written.</source>
        <translation>Dieser „Übertragen“-Vorgang konnte nicht in das Protokoll %1 eingetragen werden (%2). Er wird mit dem nächsten eingetragen, sobald das Protokoll geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Nothing was written: your organisation allows only its fleet standard on a device, and it could not be read yet.</source>
        <translation>Es wurde nichts geschrieben: Ihre Organisation lässt auf einem Gerät nur ihren Flottenstandard zu, und dieser konnte noch nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>kordavel::fleet</name>
    <message>
        <source>on</source>
        <extracomment>A download&apos;s setting, put in &quot;%1: %2 on the device, %3 in the standard&quot;.</extracomment>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether the card download date is saved, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No start and end dates, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last date of a range, both written YYYY-MM-DD.</extracomment>
        <translation> bis </translation>
    </message>
    <message>
        <source>%1: %2 on the device, %3 in the standard</source>
        <translation>%1: %2 am Gerät, %3 im Standard</translation>
    </message>
    <message>
        <source>: not supported by this device</source>
        <extracomment>After the name of a setting, as in &quot;Days back: not supported by this device&quot;.</extracomment>
        <translation>: von diesem Gerät nicht unterstützt</translation>
    </message>
    <message>
        <source>4Hz Data goes with Other VDO Specific Data on this device: it is %1 as the VDO data is</source>
        <translation>4Hz-Daten sind auf diesem Gerät an „Weitere VDO-Daten“ gekoppelt: %1, wie die VDO-Daten</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Tage zurück</translation>
    </message>
    <message>
        <source>Start and end dates</source>
        <translation>Start- und Enddatum</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Kartendownload-Datum speichern</translation>
    </message>
    <message>
        <source>File names </source>
        <extracomment>Followed by a file-name format&apos;s name, such as &quot;Spanish (TGD)&quot;.</extracomment>
        <translation>Dateinamen </translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>File names and Save Card Download Date: written by Configure, but this device does not report them back</source>
        <translation>Dateinamen und „Kartendownload-Datum speichern“: werden von „Übertragen“ geschrieben, aber von diesem Gerät nicht zurückgemeldet</translation>
    </message>
    <message>
        <source>This device reports no settings to compare with the fleet standard %1.</source>
        <translation>Dieses Gerät meldet keine Einstellungen, die mit dem Flottenstandard %1 verglichen werden können.</translation>
    </message>
    <message>
        <source>This device matches the fleet standard %1.</source>
        <translation>Dieses Gerät entspricht dem Flottenstandard %1.</translation>
    </message>
    <message numerus="yes">
        <source>This device differs from the fleet standard %1 in %n setting(s):</source>
        <translation>
            <numerusform>Dieses Gerät weicht in einer Einstellung vom Flottenstandard %1 ab:</numerusform>
            <numerusform>Dieses Gerät weicht in %n Einstellungen vom Flottenstandard %1 ab:</numerusform>
        </translation>
    </message>
    <message>
        <source>Fleet standard &quot;%1&quot; is active. A device read is compared with it.</source>
        <translation>Flottenstandard „%1“ ist aktiv. Jedes gelesene Gerät wird damit verglichen.</translation>
    </message>
    <message>
        <source>The standard&apos;s settings are on the screen: Configure writes them to the device.</source>
        <translation>Die Einstellungen des Standards werden angezeigt: „Übertragen“ schreibt sie auf das Gerät.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>sein Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the rows waiting for it cannot be read</source>
        <translation>die darauf wartenden Zeilen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>&quot;downloads&quot; must be a list of download names such as &quot;activities&quot;.</source>
        <translation>&quot;downloads&quot; muss eine Liste von Download-Namen wie &quot;activities&quot; sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;downloads&quot; is not a download this program knows.</source>
        <translation>&quot;%1&quot; in &quot;downloads&quot; ist kein Download, den dieses Programm kennt.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; must hold &quot;start&quot; and &quot;end&quot;, each a date written YYYY-MM-DD.</source>
        <translation>&quot;dates&quot; muss &quot;start&quot; und &quot;end&quot; enthalten, jeweils ein Datum im Format YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; holds &quot;%1&quot;, which a standard file does not have.</source>
        <translation>&quot;dates&quot; enthält &quot;%1&quot;, das in einer Standarddatei nicht vorgesehen ist.</translation>
    </message>
    <message>
        <source>The file holds %1, which a fleet standard does not have.</source>
        <translation>Die Datei enthält %1, das in einem Flottenstandard nicht vorgesehen ist.</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>Die Datei ist kein Flottenstandard: ihr &quot;format&quot; ist nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file is a fleet standard of a version this program does not read (it reads version %1).</source>
        <translation>Die Datei ist ein Flottenstandard in einer Version, die dieses Programm nicht lesen kann (es liest Version %1).</translation>
    </message>
    <message>
        <source>The file has no &quot;%1&quot;.</source>
        <translation>In der Datei fehlt &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;name&quot; must be a text.</source>
        <translation>&quot;name&quot; muss ein Text sein.</translation>
    </message>
    <message>
        <source>&quot;saveCardDownloadDate&quot; must be true or false.</source>
        <translation>&quot;saveCardDownloadDate&quot; muss true oder false sein.</translation>
    </message>
    <message>
        <source>&quot;fileNameFormat&quot; must be one of &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; and &quot;duvado-rirozo-ddd&quot;.</source>
        <translation>&quot;fileNameFormat&quot; muss einer der Werte &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; oder &quot;duvado-rirozo-ddd&quot; sein.</translation>
    </message>
    <message>
        <source>The end date %1 lies before the start date %2.</source>
        <translation>Das Enddatum %1 liegt vor dem Startdatum %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a fleet standard.</source>
        <translation>Die Datei ist zu groß für einen Flottenstandard.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Die Datei ist kein gültiges JSON (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: it holds no JSON object.</source>
        <translation>Die Datei ist kein Flottenstandard: In ihr steht kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot; twice in one place; a key may be given once.</source>
        <translation>Die Datei enthält „%1“ zweimal an derselben Stelle; ein Schlüssel darf nur einmal vorkommen.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may have at most %1 characters.</source>
        <translation>Der Name eines Flottenstandards darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may not hold line breaks, tabs or other invisible characters.</source>
        <translation>Der Name eines Flottenstandards darf keine Zeilenumbrüche, Tabulatoren oder andere unsichtbare Zeichen enthalten.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>&quot;daysBack&quot; must be a whole number of days.</source>
        <translation>&quot;daysBack&quot; muss eine ganze Zahl von Tagen sein.</translation>
    </message>
    <message>
        <source>the folder is not there</source>
        <translation>der Ordner ist nicht vorhanden</translation>
    </message>
    <message>
        <source>another copy of this program is sending them</source>
        <translation>eine andere Instanz dieses Programms schreibt sie gerade</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>seine Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>a row waiting cannot be read</source>
        <translation>eine wartende Zeile kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>kordavel::help</name>
    <message>
        <source>The software version of this Kordavel is not suitable<byte value="xd"/>
for use with this configuration tool.</source>
        <translation>Die Softwareversion dieses Kordavel ist für die Verwendung<byte value="xd"/>
mit diesem Konfigurationsprogramm nicht geeignet.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. Use this utility to adjust the configuration settings. Click &apos;Configure&apos;,  then follow the disconnect and reconnect instructions.</source>
        <translation>Schließen Sie Ihren Kordavel/Plus/Blue mit Speicherkarte oder Ihren Kordavel CR an den Computer an. Passen Sie mit diesem Programm die Konfigurationseinstellungen an. Klicken Sie auf „Übertragen“ und folgen Sie dann den Anweisungen zum Trennen und erneuten Verbinden.</translation>
    </message>
    <message>
        <source>Latest VU download setting options</source>
        <translation>Latest VU – Optionen für das Herunterladen</translation>
    </message>
    <message>
        <source>Before SW 27 - Download only standard VU data</source>
        <translation>Vor SW 27 – nur Standarddaten der VU herunterladen</translation>
    </message>
    <message>
        <source>SW 27 and later - Also download manufacturer-specific data</source>
        <translation>Ab SW 27 – zusätzlich herstellerspezifische Daten herunterladen</translation>
    </message>
    <message>
        <source>Download Start and End dates supported from SW 54</source>
        <translation>Start- und Enddatum für das Herunterladen ab SW 54 unterstützt</translation>
    </message>
    <message>
        <source>Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE.</source>
        <translation>Die Kordavel-Einstellungen Latest VU/Konfiguration sind für den DoziziveDE nicht relevant.</translation>
    </message>
    <message>
        <source>Downloaded File Names</source>
        <translation>Namen der heruntergeladenen Dateien</translation>
    </message>
    <message>
        <source>SW 23 and later - Short file names, ESM/CRD or DDD</source>
        <translation>Ab SW 23 – kurze Dateinamen, ESM/CRD oder DDD</translation>
    </message>
    <message>
        <source>SW 27 and later - Long or short file names.</source>
        <translation>Ab SW 27 – lange oder kurze Dateinamen.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable for use with this configuration utility.</source>
        <translation>Geräte vom Typ Kordavel und Kordavel Plus mit einer Software vor SW 23 sind für dieses Konfigurationsprogramm nicht geeignet.</translation>
    </message>
    <message>
        <source>Irrespective of software version, Kordavel units prior to serial number 26000 do not support long file names.</source>
        <translation>Unabhängig von der Softwareversion unterstützen Kordavel-Geräte mit einer Seriennummer unter 26000 keine langen Dateinamen.</translation>
    </message>
    <message>
        <source>Kordavel Configuration Help</source>
        <translation>Kordavel Configuration – Hilfe</translation>
    </message>
</context>
<context>
    <name>kordavel::platform</name>
    <message>
        <source>You are not allowed to %1.</source>
        <extracomment>%1 is what was asked: &quot;mount sdb1&quot;, &quot;remove the drive&quot;, ...</extracomment>
        <translation>Keine Berechtigung zum %1.</translation>
    </message>
    <message>
        <source>Could not %1: the drive is busy. Close what uses it and try again.</source>
        <translation>%1 nicht möglich: Das Laufwerk ist belegt. Schließen Sie alles, was darauf zugreift, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service did not answer.</source>
        <translation>%1 nicht möglich: Der Datenträgerdienst des Desktops hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service is not running.</source>
        <translation>%1 nicht möglich: Der Datenträgerdienst des Desktops läuft nicht.</translation>
    </message>
    <message>
        <source>Could not %1 (%2).</source>
        <translation>%1 nicht möglich (%2).</translation>
    </message>
    <message>
        <source>mount %1</source>
        <translation>Mounten von %1</translation>
    </message>
    <message>
        <source>remove the drive</source>
        <translation>Entfernen des Laufwerks</translation>
    </message>
    <message>
        <source>Could not remove the drive: the desktop&apos;s disk service does not know %1.</source>
        <translation>Entfernen des Laufwerks nicht möglich: Der Datenträgerdienst des Desktops kennt %1 nicht.</translation>
    </message>
    <message>
        <source>unmount the drive</source>
        <translation>Aushängen des Laufwerks</translation>
    </message>
    <message>
        <source>power the drive off</source>
        <translation>Ausschalten des Laufwerks</translation>
    </message>
</context>
<context>
    <name>kordavel::settings</name>
    <message>
        <source>Overview (Mandatory)</source>
        <translation>Überblick (Pflicht)</translation>
    </message>
    <message>
        <source>TREP 01</source>
        <translation>TREP 01 – Überblick</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <translation>Tägliche Tätigkeiten</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <comment>a download, in full</comment>
        <translation>Tägliche Tätigkeiten</translation>
    </message>
    <message>
        <source>TREP 02</source>
        <translation>TREP 02 – Tätigkeiten</translation>
    </message>
    <message>
        <source>Events &amp;&amp; Faults</source>
        <translation>Ereign./Störungen</translation>
    </message>
    <message>
        <source>Events &amp; Faults</source>
        <comment>a download, in full</comment>
        <translation>Ereignisse und Störungen</translation>
    </message>
    <message>
        <source>TREP 03</source>
        <translation>TREP 03 – Ereignisse und Störungen</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <translation>Geschw. (24h)</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <comment>a download, in full</comment>
        <translation>Genaue Geschwindigkeitsangaben (24h)</translation>
    </message>
    <message>
        <source>TREP 04</source>
        <translation>TREP 04 – Genaue Geschwindigkeitsangaben</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <translation>Techn. Daten</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <comment>a download, in full</comment>
        <translation>Technische Daten</translation>
    </message>
    <message>
        <source>TREP 05</source>
        <translation>TREP 05 – Technische Daten</translation>
    </message>
    <message>
        <source>Driver Card in VU (if there is one)</source>
        <translation>Fahrerkarte in VU (falls vorhanden)</translation>
    </message>
    <message>
        <source>Driver Card in VU</source>
        <comment>a download, in full</comment>
        <translation>Fahrerkarte in der VU</translation>
    </message>
    <message>
        <source>TREP 06</source>
        <translation>TREP 06 – Herunterladen der Karte</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <translation>Weitere VDO-Daten</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <comment>a download, in full</comment>
        <translation>Weitere VDO-spezifische Daten</translation>
    </message>
    <message>
        <source>Available from VDO tachographs</source>
        <translation>Verfügbar bei VDO-Fahrtenschreibern</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <translation>168h-Geschwindigkeit</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <comment>a download, in full</comment>
        <translation>Genaue Geschwindigkeitsangaben (168h)</translation>
    </message>
    <message>
        <source>168h Detailed Speed available from VDO tachographs</source>
        <translation>Genaue Geschwindigkeitsangaben über 168h, verfügbar bei VDO-Fahrtenschreibern</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <translation>4Hz-Daten</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <comment>a download, in full</comment>
        <translation>4Hz-Geschwindigkeitsdaten</translation>
    </message>
    <message>
        <source>4Hz Speed Data available from VDO tachographs</source>
        <translation>4Hz-Geschwindigkeitsdaten, verfügbar bei VDO-Fahrtenschreibern</translation>
    </message>
    <message>
        <source>The number of days must be between %1 and %2.</source>
        <translation>Die Anzahl der Tage muss zwischen %1 und %2 liegen.</translation>
    </message>
</context>
<context>
    <name>kordavel::writer</name>
    <message>
        <source>The Kordavel is write-protected.</source>
        <translation>Der Kordavel ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>There is not enough space on the Kordavel.</source>
        <translation>Auf dem Kordavel ist nicht genügend Speicherplatz frei.</translation>
    </message>
    <message>
        <source>%1 on the Kordavel is in use by another program or locked; close that program and try again.</source>
        <translation>%1 auf dem Kordavel wird von einem anderen Programm verwendet oder ist gesperrt. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The Kordavel refuses new files; it may be write-protected or locked by another program.</source>
        <translation>Der Kordavel nimmt keine neuen Dateien an; er ist möglicherweise schreibgeschützt oder von einem anderen Programm gesperrt.</translation>
    </message>
    <message>
        <source>The configuration file could not be written (%1).</source>
        <translation>Die Konfigurationsdatei konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The configuration file read back from the Kordavel differs from what was written.</source>
        <translation>Die vom Kordavel zurückgelesene Konfigurationsdatei weicht von der geschriebenen ab.</translation>
    </message>
    <message>
        <source>The files in the UPDATES folder of the Kordavel could not be listed.</source>
        <translation>Die Dateien im Ordner UPDATES auf dem Kordavel konnten nicht aufgelistet werden.</translation>
    </message>
    <message>
        <source>The old file %1 could not be deleted (%2).</source>
        <translation>Die alte Datei %1 konnte nicht gelöscht werden (%2).</translation>
    </message>
    <message>
        <source>The configuration file could not be put in place (%1).</source>
        <translation>Die Konfigurationsdatei konnte nicht an ihren endgültigen Platz verschoben werden (%1).</translation>
    </message>
    <message>
        <source>The configuration file could not be flushed to the Kordavel (%1).</source>
        <translation>Die Konfigurationsdatei konnte nicht vollständig auf den Kordavel geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be confirmed on the Kordavel (%2).</source>
        <translation>Die Konfigurationsdatei %1 konnte auf dem Kordavel nicht bestätigt werden (%2).</translation>
    </message>
    <message>
        <source>The Kordavel has no UPDATES folder.</source>
        <translation>Der Kordavel hat keinen Ordner UPDATES.</translation>
    </message>
    <message>
        <source>Unknown Kordavel type</source>
        <translation>Unbekannter Kordavel-Typ</translation>
    </message>
    <message>
        <source>The date %1 cannot be stored in the Kordavel: dates must lie between %2 and %3.</source>
        <translation>Das Datum %1 kann im Kordavel nicht gespeichert werden: Daten müssen zwischen %2 und %3 liegen.</translation>
    </message>
</context>
</TS>
