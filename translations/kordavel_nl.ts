<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>kordavel::app</name>
    <message>
        <source>Fleet standard (*.json);;All files (*)</source>
        <translation>Vlootstandaard (*.json);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>&amp;Open fleet standard…</source>
        <translation>Vlootstandaard &amp;openen…</translation>
    </message>
    <message>
        <source>&amp;Save as fleet standard…</source>
        <translation>Op&amp;slaan als vlootstandaard…</translation>
    </message>
    <message>
        <source>&amp;Apply standard</source>
        <translation>Standaard &amp;toepassen</translation>
    </message>
    <message>
        <source>Apply the standard to &amp;every device read</source>
        <translation>Standaard toepassen op &amp;elk gelezen apparaat</translation>
    </message>
    <message>
        <source>Open &amp;record</source>
        <translation>&amp;Logboek openen</translation>
    </message>
    <message>
        <source>S&amp;top using the standard</source>
        <translation>Standaard &amp;niet meer gebruiken</translation>
    </message>
    <message>
        <source>The fleet standard %1 could not be read: %2</source>
        <translation>De vlootstandaard %1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Open fleet standard</source>
        <translation>Vlootstandaard openen</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not opened: %2</source>
        <translation>De vlootstandaard %1 is niet geopend: %2</translation>
    </message>
    <message>
        <source>These settings cannot be a fleet standard: %1</source>
        <translation>Deze instellingen kunnen geen vlootstandaard zijn: %1</translation>
    </message>
    <message>
        <source>Save as fleet standard</source>
        <translation>Opslaan als vlootstandaard</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not saved: %2</source>
        <translation>De vlootstandaard %1 is niet opgeslagen: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>No Configure has been recorded yet. While a fleet standard is active, every Configure is recorded.</source>
        <translation>Er is nog geen actie &apos;Instellen&apos; vastgelegd. Zolang een vlootstandaard actief is, wordt elke actie &apos;Instellen&apos; vastgelegd.</translation>
    </message>
    <message>
        <source>The record %1 could not be opened.</source>
        <translation>Het logboek %1 kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Rev. %1.%2.%3</source>
        <translation>Rev. %1.%2.%3</translation>
    </message>
    <message>
        <source>Ready for next</source>
        <translation>Klaar, volgende</translation>
    </message>
    <message>
        <source>Kordavel found</source>
        <translation>Kordavel herkend</translation>
    </message>
    <message>
        <source>Configuration read</source>
        <translation>Configuratie gelezen</translation>
    </message>
    <message>
        <source>Config. not available</source>
        <translation>Geen config.</translation>
    </message>
    <message>
        <source>Not Suitable</source>
        <translation>Ongeschikt</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Gelukt!</translation>
    </message>
    <message>
        <source>Finishing Configure…</source>
        <translation>&apos;Instellen&apos; wordt afgerond…</translation>
    </message>
    <message>
        <source>Drive %1 is attached but not mounted.</source>
        <translation>Station %1 is aangesloten maar niet aangekoppeld.</translation>
    </message>
    <message>
        <source>A removable drive (%1) is attached but not mounted. Mount it to use it here.</source>
        <translation>Station (%1) aangesloten maar niet aangekoppeld. Koppel het eerst aan.</translation>
    </message>
    <message>
        <source>Disconnect USB</source>
        <translation>USB uittrekken</translation>
    </message>
    <message>
        <source>Connect USB</source>
        <translation>USB insteken</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuratie</translation>
    </message>
    <message>
        <source>Select File Name Format</source>
        <translation>Kies bestandsnaamformaat</translation>
    </message>
    <message>
        <source>Select Files to download</source>
        <translation>Te downloaden gegevens</translation>
    </message>
    <message>
        <source>Use Start/End Dates</source>
        <translation>Datumbereik gebruiken</translation>
    </message>
    <message>
        <source>Available from firmware version 55</source>
        <translation>Beschikbaar vanaf firmwareversie 55</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Kaartdatum opslaan</translation>
    </message>
    <message>
        <source>For card downloaded direct into Kordavel Plus or Blue</source>
        <translation>Voor een kaart die rechtstreeks in de Kordavel Plus of Blue is gedownload</translation>
    </message>
    <message>
        <source>Set to zero for &apos;download since last download&apos;</source>
        <translation>Stel in op nul voor &apos;downloaden sinds laatste download&apos;</translation>
    </message>
    <message>
        <source>Download End</source>
        <translation>Download tot</translation>
    </message>
    <message>
        <source>Download Start</source>
        <translation>Download vanaf</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>dgn</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>SW Version - </source>
        <translation>SW-versie - </translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Koppelen</translation>
    </message>
    <message>
        <source>Mount the attached drive through the desktop&apos;s disk service</source>
        <translation>Het aangesloten station aankoppelen via de schijfservice van de desktop</translation>
    </message>
    <message>
        <source>&amp;Safely remove</source>
        <translation>&amp;Uitwerpen</translation>
    </message>
    <message>
        <source>Unmount the Kordavel and power it off, ready to be unplugged</source>
        <translation>De Kordavel ontkoppelen en uitschakelen, zodat u hem veilig kunt loskoppelen</translation>
    </message>
    <message>
        <source>Fleet standard and record of every Configure</source>
        <translation>Vlootstandaard en logboek van elke actie &apos;Instellen&apos;</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Vloot</translation>
    </message>
    <message>
        <source>Fleet standard check</source>
        <translation>Controle vlootstandaard</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Drive log</source>
        <translation>Stationslog</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Dagen terug</translation>
    </message>
    <message>
        <source>Download start</source>
        <translation>Download vanaf</translation>
    </message>
    <message>
        <source>Download end</source>
        <translation>Download tot</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Instellen</translation>
    </message>
    <message>
        <source>Unplug the device</source>
        <translation>Apparaat loskoppelen</translation>
    </message>
    <message>
        <source>Plug the device in again</source>
        <translation>Apparaat opnieuw aansluiten</translation>
    </message>
    <message numerus="yes">
        <source>It has not answered within %n seconds.</source>
        <translation>
            <numerusform>Geen antwoord binnen %n seconde.</numerusform>
            <numerusform>Geen antwoord binnen %n seconden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (set by your organisation)</source>
        <translation>%1 (ingesteld door uw organisatie)</translation>
    </message>
    <message>
        <source>Your organisation&apos;s policy sets %1 in a way this program cannot use, so it is ignored; kordavel-config --policy says why.</source>
        <translation>Het beleid van uw organisatie stelt %1 in op een manier die dit programma niet kan gebruiken, dus dat deel van het beleid wordt genegeerd; kordavel-config --policy zegt waarom.</translation>
    </message>
    <message>
        <source>Part of your organisation&apos;s policy cannot be read and is ignored; kordavel-config --policy says why.</source>
        <translation>Een deel van het beleid van uw organisatie kan niet worden gelezen en wordt genegeerd; kordavel-config --policy zegt waarom.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The copy taken from it on %3 is in force.</source>
        <translation>De vlootstandaard %1 kan nu niet worden gebruikt: %2 De kopie die er op %3 van is gemaakt, is van kracht.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The one read from it before is in force.</source>
        <translation>De vlootstandaard %1 kan nu niet worden gebruikt: %2 De standaard die er eerder uit is gelezen, is van kracht.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 No copy of it has been taken on this computer yet.</source>
        <translation>De vlootstandaard %1 kan nu niet worden gebruikt: %2 Er is op deze computer nog geen kopie van gemaakt.</translation>
    </message>
    <message>
        <source>Your organisation&apos;s fleet standard sets these settings.</source>
        <translation>Deze instellingen worden bepaald door de vlootstandaard van uw organisatie.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the record wait to go to %1: %2.</source>
        <translation>
            <numerusform>%n regel van het logboek wacht op verzending naar %1: %2.</numerusform>
            <numerusform>%n regels van het logboek wachten op verzending naar %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kordavel::cycle</name>
    <message>
        <source>Disconnect and reconnect Kordavel.<byte value="xd"/>
Wait a moment then click &apos;Current Settings&apos;.</source>
        <translation>Koppel de Kordavel los en sluit hem opnieuw aan.<byte value="xd"/>
Wacht even en klik dan op &apos;Huidige instellingen&apos;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No configuration file was written.</source>
        <translation><byte value="xd"/>
Er is geen configuratiebestand geschreven.</translation>
    </message>
    <message>
        <source>Configuration file missing.<byte value="xd"/>
</source>
        <translation>Configuratiebestand ontbreekt.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Configuration file error.<byte value="xd"/>
</source>
        <translation>Fout in configuratiebestand.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>SW Version - TQ</source>
        <translation>SW-versie - TQ</translation>
    </message>
    <message>
        <source>SW Version - CR</source>
        <translation>SW-versie - CR</translation>
    </message>
    <message>
        <source> - Unexpected software version</source>
        <translation> - Onverwachte softwareversie</translation>
    </message>
    <message>
        <source>Kordavel software version value wrong</source>
        <translation>Onjuiste waarde voor Kordavel-softwareversie</translation>
    </message>
    <message>
        <source>No configuration file was written: more than one Kordavel is plugged in, so unplug those that are not to be configured.</source>
        <translation>Er is geen configuratiebestand geschreven: er is meer dan één Kordavel aangesloten, dus koppel de apparaten los die niet ingesteld moeten worden.</translation>
    </message>
    <message>
        <source>No configuration file was written: the Kordavel plugged in is not the one whose settings are shown, or its settings have changed, so it is read again.</source>
        <translation>Er is geen configuratiebestand geschreven: de aangesloten Kordavel is niet het apparaat waarvan de instellingen worden getoond, of de instellingen ervan zijn gewijzigd; het wordt daarom opnieuw gelezen.</translation>
    </message>
    <message>
        <source>The settings of this device could not be read: it was not compared with the fleet standard &quot;%1&quot;.</source>
        <translation>De instellingen van dit apparaat konden niet worden gelezen: het is niet vergeleken met de vlootstandaard &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Plug in a Kordavel that can be configured first: the standard is applied to the settings the device can hold.</source>
        <translation>Sluit eerst een Kordavel aan die kan worden ingesteld: de standaard wordt toegepast op de instellingen die het apparaat kan opslaan.</translation>
    </message>
    <message>
        <source>This Configure could not be added to the record %1 (%2). It is added with the next one, once the record can be written.</source>
        <translation>Deze actie &apos;Instellen&apos; kon niet aan het logboek %1 worden toegevoegd (%2). Ze wordt samen met de volgende toegevoegd zodra het logboek kan worden geschreven.</translation>
    </message>
    <message>
        <source>Nothing was written: your organisation allows only its fleet standard on a device, and it could not be read yet.</source>
        <translation>Er is niets geschreven: uw organisatie staat op een apparaat alleen haar vlootstandaard toe, en die kon nog niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>kordavel::fleet</name>
    <message>
        <source>on</source>
        <extracomment>A download&apos;s setting, put in &quot;%1: %2 on the device, %3 in the standard&quot;.</extracomment>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether the card download date is saved, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No start and end dates, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>geen</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last date of a range, both written YYYY-MM-DD.</extracomment>
        <translation> tot </translation>
    </message>
    <message>
        <source>%1: %2 on the device, %3 in the standard</source>
        <translation>%1: %2 op het apparaat, %3 in de standaard</translation>
    </message>
    <message>
        <source>: not supported by this device</source>
        <extracomment>After the name of a setting, as in &quot;Days back: not supported by this device&quot;.</extracomment>
        <translation>: niet ondersteund door dit apparaat</translation>
    </message>
    <message>
        <source>4Hz Data goes with Other VDO Specific Data on this device: it is %1 as the VDO data is</source>
        <translation>4Hz-data hoort op dit apparaat bij Overige VDO-gegevens: staat %1, net als de VDO-gegevens</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Dagen terug</translation>
    </message>
    <message>
        <source>Start and end dates</source>
        <translation>Begin- en einddatum</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Kaartdatum opslaan</translation>
    </message>
    <message>
        <source>File names </source>
        <extracomment>Followed by a file-name format&apos;s name, such as &quot;Spanish (TGD)&quot;.</extracomment>
        <translation>Bestandsnamen </translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Bestandsnamen</translation>
    </message>
    <message>
        <source>File names and Save Card Download Date: written by Configure, but this device does not report them back</source>
        <translation>Bestandsnamen en &apos;Kaartdatum opslaan&apos;: worden door &apos;Instellen&apos; geschreven, maar dit apparaat meldt ze niet terug</translation>
    </message>
    <message>
        <source>This device reports no settings to compare with the fleet standard %1.</source>
        <translation>Dit apparaat meldt geen instellingen om met de vlootstandaard %1 te vergelijken.</translation>
    </message>
    <message>
        <source>This device matches the fleet standard %1.</source>
        <translation>Dit apparaat komt overeen met de vlootstandaard %1.</translation>
    </message>
    <message numerus="yes">
        <source>This device differs from the fleet standard %1 in %n setting(s):</source>
        <translation>
            <numerusform>Dit apparaat wijkt op één instelling af van de vlootstandaard %1:</numerusform>
            <numerusform>Dit apparaat wijkt op %n instellingen af van de vlootstandaard %1:</numerusform>
        </translation>
    </message>
    <message>
        <source>Fleet standard &quot;%1&quot; is active. A device read is compared with it.</source>
        <translation>Vlootstandaard &quot;%1&quot; is actief. Elk gelezen apparaat wordt ermee vergeleken.</translation>
    </message>
    <message>
        <source>The standard&apos;s settings are on the screen: Configure writes them to the device.</source>
        <translation>De instellingen van de standaard staan op het scherm: &apos;Instellen&apos; schrijft ze naar het apparaat.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>de map ervan kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>the rows waiting for it cannot be read</source>
        <translation>de regels die erop wachten kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>&quot;downloads&quot; must be a list of download names such as &quot;activities&quot;.</source>
        <translation>&quot;downloads&quot; moet een lijst met downloadnamen zijn, zoals &quot;activities&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;downloads&quot; is not a download this program knows.</source>
        <translation>&quot;%1&quot; in &quot;downloads&quot; is geen download die dit programma kent.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; must hold &quot;start&quot; and &quot;end&quot;, each a date written YYYY-MM-DD.</source>
        <translation>&quot;dates&quot; moet &quot;start&quot; en &quot;end&quot; bevatten, elk een datum in de vorm YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; holds &quot;%1&quot;, which a standard file does not have.</source>
        <translation>&quot;dates&quot; bevat &quot;%1&quot;, wat niet in een standaardbestand thuishoort.</translation>
    </message>
    <message>
        <source>The file holds %1, which a fleet standard does not have.</source>
        <translation>Het bestand bevat %1, wat niet in een vlootstandaard thuishoort.</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>Het bestand is geen vlootstandaard: &quot;format&quot; is niet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file is a fleet standard of a version this program does not read (it reads version %1).</source>
        <translation>Het bestand is een vlootstandaard van een versie die dit programma niet kan lezen (het leest versie %1).</translation>
    </message>
    <message>
        <source>The file has no &quot;%1&quot;.</source>
        <translation>Het bestand bevat geen &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;name&quot; must be a text.</source>
        <translation>&quot;name&quot; moet een tekst zijn.</translation>
    </message>
    <message>
        <source>&quot;saveCardDownloadDate&quot; must be true or false.</source>
        <translation>&quot;saveCardDownloadDate&quot; moet true of false zijn.</translation>
    </message>
    <message>
        <source>&quot;fileNameFormat&quot; must be one of &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; and &quot;duvado-rirozo-ddd&quot;.</source>
        <translation>&quot;fileNameFormat&quot; moet een van de volgende waarden zijn: &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; of &quot;duvado-rirozo-ddd&quot;.</translation>
    </message>
    <message>
        <source>The end date %1 lies before the start date %2.</source>
        <translation>De einddatum %1 ligt vóór de begindatum %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a fleet standard.</source>
        <translation>Het bestand is te groot voor een vlootstandaard.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Het bestand is geen geldige JSON (%1 bij byte %2).</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: it holds no JSON object.</source>
        <translation>Het bestand is geen vlootstandaard: het bevat geen JSON-object.</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot; twice in one place; a key may be given once.</source>
        <translation>Het bestand bevat &apos;%1&apos; twee keer op dezelfde plaats; een sleutel mag maar één keer voorkomen.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may have at most %1 characters.</source>
        <translation>De naam van een vlootstandaard mag hoogstens %1 tekens hebben.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may not hold line breaks, tabs or other invisible characters.</source>
        <translation>De naam van een vlootstandaard mag geen regeleinden, tabs of andere onzichtbare tekens bevatten.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Dit bestand bestaat niet.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Het bestand kan niet worden gelezen (%1).</translation>
    </message>
    <message>
        <source>&quot;daysBack&quot; must be a whole number of days.</source>
        <translation>&quot;daysBack&quot; moet een geheel aantal dagen zijn.</translation>
    </message>
    <message>
        <source>the folder is not there</source>
        <translation>de map is niet beschikbaar</translation>
    </message>
    <message>
        <source>another copy of this program is sending them</source>
        <translation>een ander exemplaar van dit programma verstuurt ze al</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>het vergrendelingsbestand ervan kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>a row waiting cannot be read</source>
        <translation>een wachtende regel kan niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>kordavel::help</name>
    <message>
        <source>The software version of this Kordavel is not suitable<byte value="xd"/>
for use with this configuration tool.</source>
        <translation>De softwareversie van deze Kordavel is niet geschikt<byte value="xd"/>
voor gebruik met dit configuratieprogramma.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructies</translation>
    </message>
    <message>
        <source>Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. Use this utility to adjust the configuration settings. Click &apos;Configure&apos;,  then follow the disconnect and reconnect instructions.</source>
        <translation>Sluit uw Kordavel/Plus/Blue met geheugenkaart of uw Kordavel CR aan op uw computer. Pas met dit hulpprogramma de configuratie-instellingen aan. Klik op &apos;Instellen&apos; en volg daarna de instructies voor het loskoppelen en opnieuw aansluiten.</translation>
    </message>
    <message>
        <source>Latest VU download setting options</source>
        <translation>Latest VU: opties voor downloadinstellingen</translation>
    </message>
    <message>
        <source>Before SW 27 - Download only standard VU data</source>
        <translation>Vóór SW 27 - alleen standaard-VU-gegevens downloaden</translation>
    </message>
    <message>
        <source>SW 27 and later - Also download manufacturer-specific data</source>
        <translation>SW 27 en later - ook fabrikantspecifieke gegevens downloaden</translation>
    </message>
    <message>
        <source>Download Start and End dates supported from SW 54</source>
        <translation>Begin- en einddatum voor downloaden ondersteund vanaf SW 54</translation>
    </message>
    <message>
        <source>Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE.</source>
        <translation>De Kordavel-instellingen Latest VU/Configuratie zijn niet van toepassing op de DoziziveDE.</translation>
    </message>
    <message>
        <source>Downloaded File Names</source>
        <translation>Namen van gedownloade bestanden</translation>
    </message>
    <message>
        <source>SW 23 and later - Short file names, ESM/CRD or DDD</source>
        <translation>SW 23 en later - korte bestandsnamen, ESM/CRD of DDD</translation>
    </message>
    <message>
        <source>SW 27 and later - Long or short file names.</source>
        <translation>SW 27 en later - lange of korte bestandsnamen.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable for use with this configuration utility.</source>
        <translation>Kordavel- en Kordavel Plus-apparaten met software van vóór SW 23 zijn niet geschikt voor gebruik met dit configuratieprogramma.</translation>
    </message>
    <message>
        <source>Irrespective of software version, Kordavel units prior to serial number 26000 do not support long file names.</source>
        <translation>Ongeacht de softwareversie ondersteunen Kordavel-apparaten met een serienummer lager dan 26000 geen lange bestandsnamen.</translation>
    </message>
    <message>
        <source>Kordavel Configuration Help</source>
        <translation>Kordavel Configuration – Help</translation>
    </message>
</context>
<context>
    <name>kordavel::platform</name>
    <message>
        <source>You are not allowed to %1.</source>
        <extracomment>%1 is what was asked: &quot;mount sdb1&quot;, &quot;remove the drive&quot;, ...</extracomment>
        <translation>U hebt geen toestemming voor het %1.</translation>
    </message>
    <message>
        <source>Could not %1: the drive is busy. Close what uses it and try again.</source>
        <translation>Het %1 is mislukt: het station is bezet. Sluit af wat het gebruikt en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service did not answer.</source>
        <translation>Het %1 is mislukt: de schijfservice van de desktop reageerde niet.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service is not running.</source>
        <translation>Het %1 is mislukt: de schijfservice van de desktop is niet actief.</translation>
    </message>
    <message>
        <source>Could not %1 (%2).</source>
        <translation>Het %1 is mislukt (%2).</translation>
    </message>
    <message>
        <source>mount %1</source>
        <translation>aankoppelen van %1</translation>
    </message>
    <message>
        <source>remove the drive</source>
        <translation>verwijderen van het station</translation>
    </message>
    <message>
        <source>Could not remove the drive: the desktop&apos;s disk service does not know %1.</source>
        <translation>Het verwijderen van het station is mislukt: de schijfservice van de desktop kent %1 niet.</translation>
    </message>
    <message>
        <source>unmount the drive</source>
        <translation>ontkoppelen van het station</translation>
    </message>
    <message>
        <source>power the drive off</source>
        <translation>uitschakelen van het station</translation>
    </message>
</context>
<context>
    <name>kordavel::settings</name>
    <message>
        <source>Overview (Mandatory)</source>
        <translation>Overzicht (verplicht)</translation>
    </message>
    <message>
        <source>TREP 01</source>
        <translation>TREP 01 – Overzicht</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <translation>Dagelijkse activiteiten</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <comment>a download, in full</comment>
        <translation>Dagelijkse activiteiten</translation>
    </message>
    <message>
        <source>TREP 02</source>
        <translation>TREP 02 – Activiteiten</translation>
    </message>
    <message>
        <source>Events &amp;&amp; Faults</source>
        <translation>Voorvallen en fouten</translation>
    </message>
    <message>
        <source>Events &amp; Faults</source>
        <comment>a download, in full</comment>
        <translation>Gebeurtenissen en fouten</translation>
    </message>
    <message>
        <source>TREP 03</source>
        <translation>TREP 03 – Gebeurtenissen en fouten</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <translation>Gedet. snelheid (24h)</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <comment>a download, in full</comment>
        <translation>Gedetailleerde snelheid (24h)</translation>
    </message>
    <message>
        <source>TREP 04</source>
        <translation>TREP 04 – Gedetailleerde snelheid</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <translation>Techn. gegevens</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <comment>a download, in full</comment>
        <translation>Technische gegevens</translation>
    </message>
    <message>
        <source>TREP 05</source>
        <translation>TREP 05 – Technische gegevens</translation>
    </message>
    <message>
        <source>Driver Card in VU (if there is one)</source>
        <translation>Kaart in VU (zo aanwezig)</translation>
    </message>
    <message>
        <source>Driver Card in VU</source>
        <comment>a download, in full</comment>
        <translation>Bestuurderskaart in de VU</translation>
    </message>
    <message>
        <source>TREP 06</source>
        <translation>TREP 06 – Downloaden van de kaart</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <translation>Overige VDO-gegevens</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <comment>a download, in full</comment>
        <translation>Overige VDO-gegevens</translation>
    </message>
    <message>
        <source>Available from VDO tachographs</source>
        <translation>Beschikbaar bij VDO-tachografen</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <translation>168h gedet. snelheid</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <comment>a download, in full</comment>
        <translation>Gedetailleerde snelheid (168h)</translation>
    </message>
    <message>
        <source>168h Detailed Speed available from VDO tachographs</source>
        <translation>Gedetailleerde snelheid over 168h beschikbaar bij VDO-tachografen</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <translation>4Hz-data</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <comment>a download, in full</comment>
        <translation>Snelheidsgegevens 4Hz</translation>
    </message>
    <message>
        <source>4Hz Speed Data available from VDO tachographs</source>
        <translation>4Hz-snelheidsgegevens beschikbaar bij VDO-tachografen</translation>
    </message>
    <message>
        <source>The number of days must be between %1 and %2.</source>
        <translation>Het aantal dagen moet tussen %1 en %2 liggen.</translation>
    </message>
</context>
<context>
    <name>kordavel::writer</name>
    <message>
        <source>The Kordavel is write-protected.</source>
        <translation>De Kordavel is schrijfbeveiligd.</translation>
    </message>
    <message>
        <source>There is not enough space on the Kordavel.</source>
        <translation>Er is niet genoeg ruimte op de Kordavel.</translation>
    </message>
    <message>
        <source>%1 on the Kordavel is in use by another program or locked; close that program and try again.</source>
        <translation>%1 op de Kordavel is in gebruik door een ander programma of vergrendeld; sluit dat programma en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The Kordavel refuses new files; it may be write-protected or locked by another program.</source>
        <translation>De Kordavel weigert nieuwe bestanden; mogelijk is hij schrijfbeveiligd of door een ander programma vergrendeld.</translation>
    </message>
    <message>
        <source>The configuration file could not be written (%1).</source>
        <translation>Het configuratiebestand kon niet worden geschreven (%1).</translation>
    </message>
    <message>
        <source>The configuration file read back from the Kordavel differs from what was written.</source>
        <translation>Het van de Kordavel teruggelezen configuratiebestand wijkt af van wat is geschreven.</translation>
    </message>
    <message>
        <source>The files in the UPDATES folder of the Kordavel could not be listed.</source>
        <translation>De bestanden in de map UPDATES van de Kordavel konden niet worden opgevraagd.</translation>
    </message>
    <message>
        <source>The old file %1 could not be deleted (%2).</source>
        <translation>Het oude bestand %1 kon niet worden verwijderd (%2).</translation>
    </message>
    <message>
        <source>The configuration file could not be put in place (%1).</source>
        <translation>Het configuratiebestand kon niet op zijn plaats worden gezet (%1).</translation>
    </message>
    <message>
        <source>The configuration file could not be flushed to the Kordavel (%1).</source>
        <translation>Het configuratiebestand kon niet volledig naar de Kordavel worden weggeschreven (%1).</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be confirmed on the Kordavel (%2).</source>
        <translation>Het configuratiebestand %1 kon op de Kordavel niet worden bevestigd (%2).</translation>
    </message>
    <message>
        <source>The Kordavel has no UPDATES folder.</source>
        <translation>De Kordavel heeft geen map UPDATES.</translation>
    </message>
    <message>
        <source>Unknown Kordavel type</source>
        <translation>Onbekend Kordavel-type</translation>
    </message>
    <message>
        <source>The date %1 cannot be stored in the Kordavel: dates must lie between %2 and %3.</source>
        <translation>De datum %1 kan niet in de Kordavel worden opgeslagen: datums moeten tussen %2 en %3 liggen.</translation>
    </message>
</context>
</TS>
