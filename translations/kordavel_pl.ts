<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>kordavel::app</name>
    <message>
        <source>Fleet standard (*.json);;All files (*)</source>
        <translation>Standard floty (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>&amp;Open fleet standard…</source>
        <translation>&amp;Otwórz standard floty…</translation>
    </message>
    <message>
        <source>&amp;Save as fleet standard…</source>
        <translation>&amp;Zapisz jako standard floty…</translation>
    </message>
    <message>
        <source>&amp;Apply standard</source>
        <translation>Za&amp;stosuj standard</translation>
    </message>
    <message>
        <source>Apply the standard to &amp;every device read</source>
        <translation>Stosuj standard do &amp;każdego odczytanego urządzenia</translation>
    </message>
    <message>
        <source>Open &amp;record</source>
        <translation>Otwórz &amp;rejestr</translation>
    </message>
    <message>
        <source>S&amp;top using the standard</source>
        <translation>&amp;Przestań stosować standard</translation>
    </message>
    <message>
        <source>The fleet standard %1 could not be read: %2</source>
        <translation>Nie można odczytać standardu floty %1: %2</translation>
    </message>
    <message>
        <source>Open fleet standard</source>
        <translation>Otwórz standard floty</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not opened: %2</source>
        <translation>Nie otwarto standardu floty %1: %2</translation>
    </message>
    <message>
        <source>These settings cannot be a fleet standard: %1</source>
        <translation>Te ustawienia nie mogą być standardem floty: %1</translation>
    </message>
    <message>
        <source>Save as fleet standard</source>
        <translation>Zapisz jako standard floty</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not saved: %2</source>
        <translation>Nie zapisano standardu floty %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>No Configure has been recorded yet. While a fleet standard is active, every Configure is recorded.</source>
        <translation>Nie zarejestrowano jeszcze żadnego użycia przycisku „Konfiguruj”. Gdy standard floty jest aktywny, każde użycie przycisku „Konfiguruj” jest rejestrowane.</translation>
    </message>
    <message>
        <source>The record %1 could not be opened.</source>
        <translation>Nie można otworzyć rejestru %1.</translation>
    </message>
    <message>
        <source>Rev. %1.%2.%3</source>
        <translation>Wer. %1.%2.%3</translation>
    </message>
    <message>
        <source>Ready for next</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Kordavel found</source>
        <translation>Wykryto Kordavel</translation>
    </message>
    <message>
        <source>Configuration read</source>
        <translation>Konfig. odczytana</translation>
    </message>
    <message>
        <source>Config. not available</source>
        <translation>Konfig. niedostępna</translation>
    </message>
    <message>
        <source>Not Suitable</source>
        <translation>Nieodpowiedni</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Sukces!</translation>
    </message>
    <message>
        <source>Finishing Configure…</source>
        <translation>Kończenie „Konfiguruj”…</translation>
    </message>
    <message>
        <source>Drive %1 is attached but not mounted.</source>
        <translation>Dysk %1 jest podłączony, ale nie jest zamontowany.</translation>
    </message>
    <message>
        <source>A removable drive (%1) is attached but not mounted. Mount it to use it here.</source>
        <translation>Dysk (%1) podłączony, ale niezamontowany. Zamontuj go, aby go użyć.</translation>
    </message>
    <message>
        <source>Disconnect USB</source>
        <translation>Odłącz USB</translation>
    </message>
    <message>
        <source>Connect USB</source>
        <translation>Podłącz USB</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Select File Name Format</source>
        <translation>Format nazw plików</translation>
    </message>
    <message>
        <source>Select Files to download</source>
        <translation>Wybierz pliki do pobrania</translation>
    </message>
    <message>
        <source>Use Start/End Dates</source>
        <translation>Użyj dat od/do</translation>
    </message>
    <message>
        <source>Available from firmware version 55</source>
        <translation>Dostępne od wersji oprogramowania 55</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Zapisz datę pobrania karty</translation>
    </message>
    <message>
        <source>For card downloaded direct into Kordavel Plus or Blue</source>
        <translation>Dla karty, z której dane pobrano bezpośrednio do Kordavel Plus lub Blue</translation>
    </message>
    <message>
        <source>Set to zero for &apos;download since last download&apos;</source>
        <translation>Ustaw zero dla opcji „pobierz od ostatniego pobrania”</translation>
    </message>
    <message>
        <source>Download End</source>
        <translation>Data końcowa</translation>
    </message>
    <message>
        <source>Download Start</source>
        <translation>Data początkowa</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>SW Version - </source>
        <translation>Wersja SW - </translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Montuj</translation>
    </message>
    <message>
        <source>Mount the attached drive through the desktop&apos;s disk service</source>
        <translation>Zamontuj podłączony dysk za pomocą usługi dysków środowiska graficznego</translation>
    </message>
    <message>
        <source>&amp;Safely remove</source>
        <translation>&amp;Wysuń</translation>
    </message>
    <message>
        <source>Unmount the Kordavel and power it off, ready to be unplugged</source>
        <translation>Odmontuj Kordavel i wyłącz jego zasilanie, aby można go było odłączyć</translation>
    </message>
    <message>
        <source>Fleet standard and record of every Configure</source>
        <translation>Standard floty i rejestr każdego użycia przycisku „Konfiguruj”</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flota</translation>
    </message>
    <message>
        <source>Fleet standard check</source>
        <translation>Zgodność ze standardem floty</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Drive log</source>
        <translation>Dziennik dysku</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Dni wstecz</translation>
    </message>
    <message>
        <source>Download start</source>
        <translation>Data początkowa pobierania</translation>
    </message>
    <message>
        <source>Download end</source>
        <translation>Data końcowa pobierania</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Konfiguruj</translation>
    </message>
    <message>
        <source>Unplug the device</source>
        <translation>Odłącz urządzenie</translation>
    </message>
    <message>
        <source>Plug the device in again</source>
        <translation>Podłącz ponownie urządzenie</translation>
    </message>
    <message numerus="yes">
        <source>It has not answered within %n seconds.</source>
        <translation>
            <numerusform>Brak odpowiedzi w ciągu %n sekundy.</numerusform>
            <numerusform>Brak odpowiedzi w ciągu %n sekund.</numerusform>
            <numerusform>Brak odpowiedzi w ciągu %n sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (set by your organisation)</source>
        <translation>%1 (ustawione przez Twoją organizację)</translation>
    </message>
    <message>
        <source>Your organisation&apos;s policy sets %1 in a way this program cannot use, so it is ignored; kordavel-config --policy says why.</source>
        <translation>Zasady Twojej organizacji ustawiają %1 w sposób, którego ten program nie może użyć, więc ta część zasad jest pomijana; powód podaje kordavel-config --policy.</translation>
    </message>
    <message>
        <source>Part of your organisation&apos;s policy cannot be read and is ignored; kordavel-config --policy says why.</source>
        <translation>Część zasad Twojej organizacji nie daje się odczytać i jest pomijana; powód podaje kordavel-config --policy.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The copy taken from it on %3 is in force.</source>
        <translation>Standardu floty %1 nie można teraz użyć: %2 Obowiązuje jego kopia z %3.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The one read from it before is in force.</source>
        <translation>Standardu floty %1 nie można teraz użyć: %2 Obowiązuje standard odczytany wcześniej.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 No copy of it has been taken on this computer yet.</source>
        <translation>Standardu floty %1 nie można teraz użyć: %2 Na tym komputerze nie ma jeszcze jego kopii.</translation>
    </message>
    <message>
        <source>Your organisation&apos;s fleet standard sets these settings.</source>
        <translation>Te ustawienia określa standard floty Twojej organizacji.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the record wait to go to %1: %2.</source>
        <translation>
            <numerusform>%n wiersz rejestru czeka na przesłanie do %1: %2.</numerusform>
            <numerusform>%n wiersze rejestru czekają na przesłanie do %1: %2.</numerusform>
            <numerusform>%n wierszy rejestru czeka na przesłanie do %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kordavel::cycle</name>
    <message>
        <source>Disconnect and reconnect Kordavel.<byte value="xd"/>
Wait a moment then click &apos;Current Settings&apos;.</source>
        <translation>Odłącz i ponownie podłącz Kordavel.<byte value="xd"/>
Odczekaj chwilę, a następnie kliknij „Bieżące ustawienia”.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No configuration file was written.</source>
        <translation><byte value="xd"/>
Nie zapisano pliku konfiguracyjnego.</translation>
    </message>
    <message>
        <source>Configuration file missing.<byte value="xd"/>
</source>
        <translation>Brak pliku konfiguracyjnego.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Configuration file error.<byte value="xd"/>
</source>
        <translation>Błąd pliku konfiguracyjnego.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>SW Version - TQ</source>
        <translation>Wersja SW - TQ</translation>
    </message>
    <message>
        <source>SW Version - CR</source>
        <translation>Wersja SW - CR</translation>
    </message>
    <message>
        <source> - Unexpected software version</source>
        <translation> - Nieoczekiwana wersja oprogramowania</translation>
    </message>
    <message>
        <source>Kordavel software version value wrong</source>
        <translation>Nieprawidłowa wartość wersji oprogramowania Kordavel</translation>
    </message>
    <message>
        <source>No configuration file was written: more than one Kordavel is plugged in, so unplug those that are not to be configured.</source>
        <translation>Nie zapisano pliku konfiguracyjnego: podłączono więcej niż jeden Kordavel, więc odłącz te, które nie mają być konfigurowane.</translation>
    </message>
    <message>
        <source>No configuration file was written: the Kordavel plugged in is not the one whose settings are shown, or its settings have changed, so it is read again.</source>
        <translation>Nie zapisano pliku konfiguracyjnego: podłączony Kordavel nie jest tym, którego ustawienia są wyświetlane, lub jego ustawienia się zmieniły, więc zostanie odczytany ponownie.</translation>
    </message>
    <message>
        <source>The settings of this device could not be read: it was not compared with the fleet standard &quot;%1&quot;.</source>
        <translation>Nie można odczytać ustawień tego urządzenia: nie zostało ono porównane ze standardem floty „%1”.</translation>
    </message>
    <message>
        <source>Plug in a Kordavel that can be configured first: the standard is applied to the settings the device can hold.</source>
        <translation>Najpierw podłącz Kordavel, który można skonfigurować: standard jest stosowany do ustawień, które urządzenie może przechowywać.</translation>
    </message>
    <message>
        <source>This Configure could not be added to the record %1 (%2). It is added with the next one, once the record can be written.</source>
        <translation>Tego użycia przycisku „Konfiguruj” nie można było dopisać do rejestru %1 (%2). Zostanie dopisane razem z następnym, gdy tylko zapis do rejestru będzie możliwy.</translation>
    </message>
    <message>
        <source>Nothing was written: your organisation allows only its fleet standard on a device, and it could not be read yet.</source>
        <translation>Nic nie zapisano: Twoja organizacja dopuszcza w urządzeniu tylko swój standard floty, a nie udało się go jeszcze odczytać.</translation>
    </message>
</context>
<context>
    <name>kordavel::fleet</name>
    <message>
        <source>on</source>
        <extracomment>A download&apos;s setting, put in &quot;%1: %2 on the device, %3 in the standard&quot;.</extracomment>
        <translation>włączone</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wyłączone</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether the card download date is saved, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No start and end dates, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last date of a range, both written YYYY-MM-DD.</extracomment>
        <translation> – </translation>
    </message>
    <message>
        <source>%1: %2 on the device, %3 in the standard</source>
        <translation>%1: %2 w urządzeniu, %3 w standardzie</translation>
    </message>
    <message>
        <source>: not supported by this device</source>
        <extracomment>After the name of a setting, as in &quot;Days back: not supported by this device&quot;.</extracomment>
        <translation>: nieobsługiwane przez to urządzenie</translation>
    </message>
    <message>
        <source>4Hz Data goes with Other VDO Specific Data on this device: it is %1 as the VDO data is</source>
        <translation>W tym urządzeniu dane 4Hz są powiązane z opcją „Inne dane VDO”: są %1, tak jak dane VDO</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Dni wstecz</translation>
    </message>
    <message>
        <source>Start and end dates</source>
        <translation>Data początkowa i końcowa</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Zapisz datę pobrania karty</translation>
    </message>
    <message>
        <source>File names </source>
        <extracomment>Followed by a file-name format&apos;s name, such as &quot;Spanish (TGD)&quot;.</extracomment>
        <translation>Nazwy plików </translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nazwy plików</translation>
    </message>
    <message>
        <source>File names and Save Card Download Date: written by Configure, but this device does not report them back</source>
        <translation>Nazwy plików i „Zapisz datę pobrania karty”: zapisywane przyciskiem „Konfiguruj”, ale to urządzenie ich nie zwraca</translation>
    </message>
    <message>
        <source>This device reports no settings to compare with the fleet standard %1.</source>
        <translation>To urządzenie nie udostępnia ustawień, które można porównać ze standardem floty %1.</translation>
    </message>
    <message>
        <source>This device matches the fleet standard %1.</source>
        <translation>To urządzenie jest zgodne ze standardem floty %1.</translation>
    </message>
    <message numerus="yes">
        <source>This device differs from the fleet standard %1 in %n setting(s):</source>
        <translation>
            <numerusform>To urządzenie różni się od standardu floty %1 w jednym ustawieniu:</numerusform>
            <numerusform>To urządzenie różni się od standardu floty %1 w %n ustawieniach:</numerusform>
            <numerusform>To urządzenie różni się od standardu floty %1 w %n ustawieniach:</numerusform>
        </translation>
    </message>
    <message>
        <source>Fleet standard &quot;%1&quot; is active. A device read is compared with it.</source>
        <translation>Standard floty „%1” jest aktywny. Odczytane urządzenie jest z nim porównywane.</translation>
    </message>
    <message>
        <source>The standard&apos;s settings are on the screen: Configure writes them to the device.</source>
        <translation>Ustawienia standardu są widoczne na ekranie: przycisk „Konfiguruj” zapisze je w urządzeniu.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>nie można utworzyć jego folderu</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>the rows waiting for it cannot be read</source>
        <translation>nie można odczytać oczekujących na niego wierszy</translation>
    </message>
    <message>
        <source>&quot;downloads&quot; must be a list of download names such as &quot;activities&quot;.</source>
        <translation>&quot;downloads&quot; musi być listą nazw pobieranych danych, np. &quot;activities&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;downloads&quot; is not a download this program knows.</source>
        <translation>&quot;%1&quot; w &quot;downloads&quot; nie jest rodzajem pobieranych danych znanym temu programowi.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; must hold &quot;start&quot; and &quot;end&quot;, each a date written YYYY-MM-DD.</source>
        <translation>&quot;dates&quot; musi zawierać &quot;start&quot; i &quot;end&quot;, każde jako datę w formacie YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; holds &quot;%1&quot;, which a standard file does not have.</source>
        <translation>&quot;dates&quot; zawiera &quot;%1&quot;, czego plik standardu nie przewiduje.</translation>
    </message>
    <message>
        <source>The file holds %1, which a fleet standard does not have.</source>
        <translation>Plik zawiera %1, czego standard floty nie przewiduje.</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>Plik nie jest standardem floty: jego &quot;format&quot; ma wartość inną niż &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file is a fleet standard of a version this program does not read (it reads version %1).</source>
        <translation>Plik jest standardem floty w wersji, której ten program nie odczytuje (odczytuje wersję %1).</translation>
    </message>
    <message>
        <source>The file has no &quot;%1&quot;.</source>
        <translation>W pliku brak &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;name&quot; must be a text.</source>
        <translation>&quot;name&quot; musi być tekstem.</translation>
    </message>
    <message>
        <source>&quot;saveCardDownloadDate&quot; must be true or false.</source>
        <translation>&quot;saveCardDownloadDate&quot; musi mieć wartość true lub false.</translation>
    </message>
    <message>
        <source>&quot;fileNameFormat&quot; must be one of &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; and &quot;duvado-rirozo-ddd&quot;.</source>
        <translation>&quot;fileNameFormat&quot; musi mieć jedną z wartości: &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; lub &quot;duvado-rirozo-ddd&quot;.</translation>
    </message>
    <message>
        <source>The end date %1 lies before the start date %2.</source>
        <translation>Data końcowa %1 jest wcześniejsza niż data początkowa %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a fleet standard.</source>
        <translation>Plik jest zbyt duży, aby mógł być standardem floty.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Plik nie jest poprawnym plikiem JSON (%1 przy bajcie %2).</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: it holds no JSON object.</source>
        <translation>Plik nie jest standardem floty: nie zawiera obiektu JSON.</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot; twice in one place; a key may be given once.</source>
        <translation>Plik zawiera „%1” dwa razy w tym samym miejscu; klucz może wystąpić tylko raz.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may have at most %1 characters.</source>
        <translation>Nazwa standardu floty może mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may not hold line breaks, tabs or other invisible characters.</source>
        <translation>Nazwa standardu floty nie może zawierać podziałów wierszy, tabulatorów ani innych niewidocznych znaków.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Taki plik nie istnieje.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Nie można odczytać pliku (%1).</translation>
    </message>
    <message>
        <source>&quot;daysBack&quot; must be a whole number of days.</source>
        <translation>&quot;daysBack&quot; musi być całkowitą liczbą dni.</translation>
    </message>
    <message>
        <source>the folder is not there</source>
        <translation>folder jest niedostępny</translation>
    </message>
    <message>
        <source>another copy of this program is sending them</source>
        <translation>inne wystąpienie tego programu właśnie je przesyła</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>nie można utworzyć jego pliku blokady</translation>
    </message>
    <message>
        <source>a row waiting cannot be read</source>
        <translation>nie można odczytać jednego z oczekujących wierszy</translation>
    </message>
</context>
<context>
    <name>kordavel::help</name>
    <message>
        <source>The software version of this Kordavel is not suitable<byte value="xd"/>
for use with this configuration tool.</source>
        <translation>Wersja oprogramowania tego urządzenia Kordavel nie jest odpowiednia<byte value="xd"/>
do użytku z tym narzędziem konfiguracyjnym.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. Use this utility to adjust the configuration settings. Click &apos;Configure&apos;,  then follow the disconnect and reconnect instructions.</source>
        <translation>Podłącz do komputera Kordavel/Plus/Blue z kartą pamięci lub Kordavel CR. Za pomocą tego programu dostosuj ustawienia konfiguracji. Kliknij „Konfiguruj”, a następnie postępuj zgodnie z instrukcjami odłączenia i ponownego podłączenia.</translation>
    </message>
    <message>
        <source>Latest VU download setting options</source>
        <translation>Opcje ustawień pobierania danych Latest VU</translation>
    </message>
    <message>
        <source>Before SW 27 - Download only standard VU data</source>
        <translation>Przed SW 27 - pobieranie tylko standardowych danych VU</translation>
    </message>
    <message>
        <source>SW 27 and later - Also download manufacturer-specific data</source>
        <translation>SW 27 i nowsze - pobieranie także danych specyficznych dla producenta</translation>
    </message>
    <message>
        <source>Download Start and End dates supported from SW 54</source>
        <translation>Data początkowa i końcowa pobierania obsługiwane od SW 54</translation>
    </message>
    <message>
        <source>Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE.</source>
        <translation>Ustawienia Latest VU/konfiguracji urządzenia Kordavel nie dotyczą DoziziveDE.</translation>
    </message>
    <message>
        <source>Downloaded File Names</source>
        <translation>Nazwy pobranych plików</translation>
    </message>
    <message>
        <source>SW 23 and later - Short file names, ESM/CRD or DDD</source>
        <translation>SW 23 i nowsze - krótkie nazwy plików, ESM/CRD lub DDD</translation>
    </message>
    <message>
        <source>SW 27 and later - Long or short file names.</source>
        <translation>SW 27 i nowsze - długie lub krótkie nazwy plików.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable for use with this configuration utility.</source>
        <translation>Urządzenia Kordavel i Kordavel Plus z oprogramowaniem starszym niż SW 23 nie nadają się do użytku z tym narzędziem konfiguracyjnym.</translation>
    </message>
    <message>
        <source>Irrespective of software version, Kordavel units prior to serial number 26000 do not support long file names.</source>
        <translation>Niezależnie od wersji oprogramowania urządzenia Kordavel o numerach seryjnych niższych niż 26000 nie obsługują długich nazw plików.</translation>
    </message>
    <message>
        <source>Kordavel Configuration Help</source>
        <translation>Kordavel Configuration – pomoc</translation>
    </message>
</context>
<context>
    <name>kordavel::platform</name>
    <message>
        <source>You are not allowed to %1.</source>
        <extracomment>%1 is what was asked: &quot;mount sdb1&quot;, &quot;remove the drive&quot;, ...</extracomment>
        <translation>Brak uprawnień do operacji „%1”.</translation>
    </message>
    <message>
        <source>Could not %1: the drive is busy. Close what uses it and try again.</source>
        <translation>Nie udało się wykonać operacji „%1”: dysk jest zajęty. Zamknij programy, które go używają, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service did not answer.</source>
        <translation>Nie udało się wykonać operacji „%1”: usługa dysków środowiska graficznego nie odpowiedziała.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service is not running.</source>
        <translation>Nie udało się wykonać operacji „%1”: usługa dysków środowiska graficznego nie działa.</translation>
    </message>
    <message>
        <source>Could not %1 (%2).</source>
        <translation>Nie udało się wykonać operacji „%1” (%2).</translation>
    </message>
    <message>
        <source>mount %1</source>
        <translation>zamontowanie %1</translation>
    </message>
    <message>
        <source>remove the drive</source>
        <translation>wysunięcie dysku</translation>
    </message>
    <message>
        <source>Could not remove the drive: the desktop&apos;s disk service does not know %1.</source>
        <translation>Nie udało się wysunąć dysku: usługa dysków środowiska graficznego nie zna urządzenia %1.</translation>
    </message>
    <message>
        <source>unmount the drive</source>
        <translation>odmontowanie dysku</translation>
    </message>
    <message>
        <source>power the drive off</source>
        <translation>wyłączenie zasilania dysku</translation>
    </message>
</context>
<context>
    <name>kordavel::settings</name>
    <message>
        <source>Overview (Mandatory)</source>
        <translation>Przegląd (wymagany)</translation>
    </message>
    <message>
        <source>TREP 01</source>
        <translation>TREP 01 – Przegląd</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <translation>Czynności dzienne</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <comment>a download, in full</comment>
        <translation>Czynności dzienne</translation>
    </message>
    <message>
        <source>TREP 02</source>
        <translation>TREP 02 – Czynności</translation>
    </message>
    <message>
        <source>Events &amp;&amp; Faults</source>
        <translation>Zdarzenia i usterki</translation>
    </message>
    <message>
        <source>Events &amp; Faults</source>
        <comment>a download, in full</comment>
        <translation>Zdarzenia i usterki</translation>
    </message>
    <message>
        <source>TREP 03</source>
        <translation>TREP 03 – Zdarzenia i usterki</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <translation>Prędk. szczeg. (24h)</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <comment>a download, in full</comment>
        <translation>Szczegółowe dane dotyczące prędkości (24h)</translation>
    </message>
    <message>
        <source>TREP 04</source>
        <translation>TREP 04 – Szczegółowe dane dotyczące prędkości</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <translation>Dane techniczne</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <comment>a download, in full</comment>
        <translation>Dane techniczne</translation>
    </message>
    <message>
        <source>TREP 05</source>
        <translation>TREP 05 – Dane techniczne</translation>
    </message>
    <message>
        <source>Driver Card in VU (if there is one)</source>
        <translation>Karta kierowcy w VU (jeśli jest)</translation>
    </message>
    <message>
        <source>Driver Card in VU</source>
        <comment>a download, in full</comment>
        <translation>Karta kierowcy w VU</translation>
    </message>
    <message>
        <source>TREP 06</source>
        <translation>TREP 06 – Pobieranie danych z karty</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <translation>Inne dane VDO</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <comment>a download, in full</comment>
        <translation>Inne dane specyficzne dla VDO</translation>
    </message>
    <message>
        <source>Available from VDO tachographs</source>
        <translation>Dostępne w tachografach VDO</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <translation>Prędk. szczeg. 168h</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <comment>a download, in full</comment>
        <translation>Szczegółowe dane dotyczące prędkości (168h)</translation>
    </message>
    <message>
        <source>168h Detailed Speed available from VDO tachographs</source>
        <translation>Szczegółowe dane o prędkości z 168h dostępne w tachografach VDO</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <translation>Dane 4Hz</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <comment>a download, in full</comment>
        <translation>Dane o prędkości 4Hz</translation>
    </message>
    <message>
        <source>4Hz Speed Data available from VDO tachographs</source>
        <translation>Dane o prędkości 4Hz dostępne w tachografach VDO</translation>
    </message>
    <message>
        <source>The number of days must be between %1 and %2.</source>
        <translation>Liczba dni musi mieścić się w zakresie od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>kordavel::writer</name>
    <message>
        <source>The Kordavel is write-protected.</source>
        <translation>Kordavel jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>There is not enough space on the Kordavel.</source>
        <translation>Na urządzeniu Kordavel jest za mało miejsca.</translation>
    </message>
    <message>
        <source>%1 on the Kordavel is in use by another program or locked; close that program and try again.</source>
        <translation>Plik %1 na urządzeniu Kordavel jest używany przez inny program lub zablokowany; zamknij ten program i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The Kordavel refuses new files; it may be write-protected or locked by another program.</source>
        <translation>Kordavel nie przyjmuje nowych plików; może być zabezpieczony przed zapisem lub zablokowany przez inny program.</translation>
    </message>
    <message>
        <source>The configuration file could not be written (%1).</source>
        <translation>Nie można zapisać pliku konfiguracyjnego (%1).</translation>
    </message>
    <message>
        <source>The configuration file read back from the Kordavel differs from what was written.</source>
        <translation>Plik konfiguracyjny odczytany ponownie z urządzenia Kordavel różni się od zapisanego.</translation>
    </message>
    <message>
        <source>The files in the UPDATES folder of the Kordavel could not be listed.</source>
        <translation>Nie można wyświetlić listy plików w folderze UPDATES na urządzeniu Kordavel.</translation>
    </message>
    <message>
        <source>The old file %1 could not be deleted (%2).</source>
        <translation>Nie można usunąć starego pliku %1 (%2).</translation>
    </message>
    <message>
        <source>The configuration file could not be put in place (%1).</source>
        <translation>Nie można umieścić pliku konfiguracyjnego w miejscu docelowym (%1).</translation>
    </message>
    <message>
        <source>The configuration file could not be flushed to the Kordavel (%1).</source>
        <translation>Nie można dokończyć zapisu pliku konfiguracyjnego na urządzeniu Kordavel (%1).</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be confirmed on the Kordavel (%2).</source>
        <translation>Nie można potwierdzić obecności pliku konfiguracyjnego %1 na urządzeniu Kordavel (%2).</translation>
    </message>
    <message>
        <source>The Kordavel has no UPDATES folder.</source>
        <translation>Na urządzeniu Kordavel brak folderu UPDATES.</translation>
    </message>
    <message>
        <source>Unknown Kordavel type</source>
        <translation>Nieznany typ urządzenia Kordavel</translation>
    </message>
    <message>
        <source>The date %1 cannot be stored in the Kordavel: dates must lie between %2 and %3.</source>
        <translation>Daty %1 nie można zapisać w urządzeniu Kordavel: daty muszą mieścić się w zakresie od %2 do %3.</translation>
    </message>
</context>
</TS>
