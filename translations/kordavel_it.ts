<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>kordavel::app</name>
    <message>
        <source>Fleet standard (*.json);;All files (*)</source>
        <translation>Standard di flotta (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>&amp;Open fleet standard…</source>
        <translation>&amp;Apri standard di flotta…</translation>
    </message>
    <message>
        <source>&amp;Save as fleet standard…</source>
        <translation>&amp;Salva come standard di flotta…</translation>
    </message>
    <message>
        <source>&amp;Apply standard</source>
        <translation>Appl&amp;ica standard</translation>
    </message>
    <message>
        <source>Apply the standard to &amp;every device read</source>
        <translation>Applica lo standard a &amp;ogni dispositivo letto</translation>
    </message>
    <message>
        <source>Open &amp;record</source>
        <translation>Apri il &amp;registro</translation>
    </message>
    <message>
        <source>S&amp;top using the standard</source>
        <translation>&amp;Disattiva lo standard</translation>
    </message>
    <message>
        <source>The fleet standard %1 could not be read: %2</source>
        <translation>Impossibile leggere lo standard di flotta %1: %2</translation>
    </message>
    <message>
        <source>Open fleet standard</source>
        <translation>Apri standard di flotta</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not opened: %2</source>
        <translation>Lo standard di flotta %1 non è stato aperto: %2</translation>
    </message>
    <message>
        <source>These settings cannot be a fleet standard: %1</source>
        <translation>Queste impostazioni non possono costituire uno standard di flotta: %1</translation>
    </message>
    <message>
        <source>Save as fleet standard</source>
        <translation>Salva come standard di flotta</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not saved: %2</source>
        <translation>Lo standard di flotta %1 non è stato salvato: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>No Configure has been recorded yet. While a fleet standard is active, every Configure is recorded.</source>
        <translation>Non è stata ancora registrata alcuna operazione &apos;Configura&apos;. Finché uno standard di flotta è attivo, ogni operazione &apos;Configura&apos; viene registrata.</translation>
    </message>
    <message>
        <source>The record %1 could not be opened.</source>
        <translation>Impossibile aprire il registro %1.</translation>
    </message>
    <message>
        <source>Rev. %1.%2.%3</source>
        <translation>Rev. %1.%2.%3</translation>
    </message>
    <message>
        <source>Ready for next</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Kordavel found</source>
        <translation>Kordavel trovato</translation>
    </message>
    <message>
        <source>Configuration read</source>
        <translation>Configurazione letta</translation>
    </message>
    <message>
        <source>Config. not available</source>
        <translation>Nessuna config.</translation>
    </message>
    <message>
        <source>Not Suitable</source>
        <translation>Non idoneo</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Riuscito!</translation>
    </message>
    <message>
        <source>Finishing Configure…</source>
        <translation>Completamento di &apos;Configura&apos;…</translation>
    </message>
    <message>
        <source>Drive %1 is attached but not mounted.</source>
        <translation>L&apos;unità %1 è collegata ma non montata.</translation>
    </message>
    <message>
        <source>A removable drive (%1) is attached but not mounted. Mount it to use it here.</source>
        <translation>Un&apos;unità rimovibile (%1) è collegata ma non montata. Montarla per usarla qui.</translation>
    </message>
    <message>
        <source>Disconnect USB</source>
        <translation>Scollegare USB</translation>
    </message>
    <message>
        <source>Connect USB</source>
        <translation>Collegare USB</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Select File Name Format</source>
        <translation>Scegliere il formato del nome file</translation>
    </message>
    <message>
        <source>Select Files to download</source>
        <translation>Scegliere i file da scaricare</translation>
    </message>
    <message>
        <source>Use Start/End Dates</source>
        <translation>Usa date inizio/fine</translation>
    </message>
    <message>
        <source>Available from firmware version 55</source>
        <translation>Disponibile dalla versione firmware 55</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Salva data scarico carta</translation>
    </message>
    <message>
        <source>For card downloaded direct into Kordavel Plus or Blue</source>
        <translation>Per carte scaricate direttamente in Kordavel Plus o Blue</translation>
    </message>
    <message>
        <source>Set to zero for &apos;download since last download&apos;</source>
        <translation>Impostare a zero per &quot;scaricamento dall&apos;ultimo scaricamento&quot;</translation>
    </message>
    <message>
        <source>Download End</source>
        <translation>Fine scarico</translation>
    </message>
    <message>
        <source>Download Start</source>
        <translation>Inizio scarico</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>gg</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>SW Version - </source>
        <translation>Versione SW - </translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Monta</translation>
    </message>
    <message>
        <source>Mount the attached drive through the desktop&apos;s disk service</source>
        <translation>Monta l&apos;unità collegata tramite il servizio dischi del desktop</translation>
    </message>
    <message>
        <source>&amp;Safely remove</source>
        <translation>&amp;Espelli</translation>
    </message>
    <message>
        <source>Unmount the Kordavel and power it off, ready to be unplugged</source>
        <translation>Smonta il Kordavel e lo spegne, pronto per essere scollegato</translation>
    </message>
    <message>
        <source>Fleet standard and record of every Configure</source>
        <translation>Standard di flotta e registro di ogni operazione &apos;Configura&apos;</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flotta</translation>
    </message>
    <message>
        <source>Fleet standard check</source>
        <translation>Verifica standard di flotta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Drive log</source>
        <translation>Registro unità</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Giorni a ritroso</translation>
    </message>
    <message>
        <source>Download start</source>
        <translation>Inizio scarico</translation>
    </message>
    <message>
        <source>Download end</source>
        <translation>Fine scarico</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Configura</translation>
    </message>
    <message>
        <source>Unplug the device</source>
        <translation>Scollegare il dispositivo</translation>
    </message>
    <message>
        <source>Plug the device in again</source>
        <translation>Ricollegare il dispositivo</translation>
    </message>
    <message numerus="yes">
        <source>It has not answered within %n seconds.</source>
        <translation>
            <numerusform>Nessuna risposta entro %n secondo.</numerusform>
            <numerusform>Nessuna risposta entro %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (set by your organisation)</source>
        <translation>%1 (impostato dall&apos;organizzazione)</translation>
    </message>
    <message>
        <source>Your organisation&apos;s policy sets %1 in a way this program cannot use, so it is ignored; kordavel-config --policy says why.</source>
        <translation>I criteri dell&apos;organizzazione impostano %1 in un modo che questo programma non può usare, quindi questa parte dei criteri viene ignorata; kordavel-config --policy ne indica il motivo.</translation>
    </message>
    <message>
        <source>Part of your organisation&apos;s policy cannot be read and is ignored; kordavel-config --policy says why.</source>
        <translation>Una parte dei criteri dell&apos;organizzazione non può essere letta e viene ignorata; kordavel-config --policy ne indica il motivo.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The copy taken from it on %3 is in force.</source>
        <translation>Lo standard di flotta %1 non può essere usato ora: %2 È in vigore la copia fatta il %3.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The one read from it before is in force.</source>
        <translation>Lo standard di flotta %1 non può essere usato ora: %2 È in vigore lo standard letto in precedenza.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 No copy of it has been taken on this computer yet.</source>
        <translation>Lo standard di flotta %1 non può essere usato ora: %2 Su questo computer non ne è ancora stata fatta una copia.</translation>
    </message>
    <message>
        <source>Your organisation&apos;s fleet standard sets these settings.</source>
        <translation>Queste impostazioni sono fissate dallo standard di flotta dell&apos;organizzazione.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the record wait to go to %1: %2.</source>
        <translation>
            <numerusform>%n riga del registro è in attesa di essere inviata a %1: %2.</numerusform>
            <numerusform>%n righe del registro sono in attesa di essere inviate a %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kordavel::cycle</name>
    <message>
        <source>Disconnect and reconnect Kordavel.<byte value="xd"/>
Wait a moment then click &apos;Current Settings&apos;.</source>
        <translation>Scollegare e ricollegare il Kordavel.<byte value="xd"/>
Attendere un momento, quindi fare clic su &apos;Impostazioni attuali&apos;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No configuration file was written.</source>
        <translation><byte value="xd"/>
Nessun file di configurazione è stato scritto.</translation>
    </message>
    <message>
        <source>Configuration file missing.<byte value="xd"/>
</source>
        <translation>File di configurazione mancante.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Configuration file error.<byte value="xd"/>
</source>
        <translation>Errore nel file di configurazione.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>SW Version - TQ</source>
        <translation>Versione SW - TQ</translation>
    </message>
    <message>
        <source>SW Version - CR</source>
        <translation>Versione SW - CR</translation>
    </message>
    <message>
        <source> - Unexpected software version</source>
        <translation> - Versione software imprevista</translation>
    </message>
    <message>
        <source>Kordavel software version value wrong</source>
        <translation>Valore della versione software del Kordavel errato</translation>
    </message>
    <message>
        <source>No configuration file was written: more than one Kordavel is plugged in, so unplug those that are not to be configured.</source>
        <translation>Nessun file di configurazione è stato scritto: è collegato più di un Kordavel, quindi scollegare quelli da non configurare.</translation>
    </message>
    <message>
        <source>No configuration file was written: the Kordavel plugged in is not the one whose settings are shown, or its settings have changed, so it is read again.</source>
        <translation>Nessun file di configurazione è stato scritto: il Kordavel collegato non è quello di cui sono mostrate le impostazioni, oppure le sue impostazioni sono cambiate, quindi viene letto di nuovo.</translation>
    </message>
    <message>
        <source>The settings of this device could not be read: it was not compared with the fleet standard &quot;%1&quot;.</source>
        <translation>Impossibile leggere le impostazioni di questo dispositivo: non è stato confrontato con lo standard di flotta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Plug in a Kordavel that can be configured first: the standard is applied to the settings the device can hold.</source>
        <translation>Collegare prima un Kordavel configurabile: lo standard viene applicato alle impostazioni che il dispositivo è in grado di memorizzare.</translation>
    </message>
    <message>
        <source>This Configure could not be added to the record %1 (%2). It is added with the next one, once the record can be written.</source>
        <translation>Questa operazione &apos;Configura&apos; non è stata aggiunta al registro %1 (%2). Verrà aggiunta insieme alla successiva, non appena sarà possibile scrivere il registro.</translation>
    </message>
    <message>
        <source>Nothing was written: your organisation allows only its fleet standard on a device, and it could not be read yet.</source>
        <translation>Non è stato scritto nulla: l&apos;organizzazione consente su un dispositivo solo il proprio standard di flotta, che non è ancora stato possibile leggere.</translation>
    </message>
</context>
<context>
    <name>kordavel::fleet</name>
    <message>
        <source>on</source>
        <extracomment>A download&apos;s setting, put in &quot;%1: %2 on the device, %3 in the standard&quot;.</extracomment>
        <translation>attivato</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivato</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether the card download date is saved, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No start and end dates, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>nessuna</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last date of a range, both written YYYY-MM-DD.</extracomment>
        <translation> – </translation>
    </message>
    <message>
        <source>%1: %2 on the device, %3 in the standard</source>
        <translation>%1: %2 sul dispositivo, %3 nello standard</translation>
    </message>
    <message>
        <source>: not supported by this device</source>
        <extracomment>After the name of a setting, as in &quot;Days back: not supported by this device&quot;.</extracomment>
        <translation>: non supportato da questo dispositivo</translation>
    </message>
    <message>
        <source>4Hz Data goes with Other VDO Specific Data on this device: it is %1 as the VDO data is</source>
        <translation>Su questo dispositivo Dati 4Hz segue Altri dati specifici VDO: è %1 come i dati VDO</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Giorni a ritroso</translation>
    </message>
    <message>
        <source>Start and end dates</source>
        <translation>Date di inizio e fine</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Salva data scarico carta</translation>
    </message>
    <message>
        <source>File names </source>
        <extracomment>Followed by a file-name format&apos;s name, such as &quot;Spanish (TGD)&quot;.</extracomment>
        <translation>Nomi file </translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomi file</translation>
    </message>
    <message>
        <source>File names and Save Card Download Date: written by Configure, but this device does not report them back</source>
        <translation>Nomi file e Salva data scarico carta: scritti da &apos;Configura&apos;, ma questo dispositivo non li restituisce</translation>
    </message>
    <message>
        <source>This device reports no settings to compare with the fleet standard %1.</source>
        <translation>Questo dispositivo non fornisce impostazioni da confrontare con lo standard di flotta %1.</translation>
    </message>
    <message>
        <source>This device matches the fleet standard %1.</source>
        <translation>Questo dispositivo è conforme allo standard di flotta %1.</translation>
    </message>
    <message numerus="yes">
        <source>This device differs from the fleet standard %1 in %n setting(s):</source>
        <translation>
            <numerusform>Questo dispositivo differisce dallo standard di flotta %1 in un&apos;impostazione:</numerusform>
            <numerusform>Questo dispositivo differisce dallo standard di flotta %1 in %n impostazioni:</numerusform>
        </translation>
    </message>
    <message>
        <source>Fleet standard &quot;%1&quot; is active. A device read is compared with it.</source>
        <translation>Lo standard di flotta &quot;%1&quot; è attivo. Ogni dispositivo letto viene confrontato con esso.</translation>
    </message>
    <message>
        <source>The standard&apos;s settings are on the screen: Configure writes them to the device.</source>
        <translation>Le impostazioni dello standard sono visualizzate: &apos;Configura&apos; le scrive sul dispositivo.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>la sua cartella non può essere creata</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non è leggibile</translation>
    </message>
    <message>
        <source>the rows waiting for it cannot be read</source>
        <translation>le righe in attesa non sono leggibili</translation>
    </message>
    <message>
        <source>&quot;downloads&quot; must be a list of download names such as &quot;activities&quot;.</source>
        <translation>&quot;downloads&quot; deve essere un elenco di nomi di scaricamento, ad esempio &quot;activities&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;downloads&quot; is not a download this program knows.</source>
        <translation>&quot;%1&quot; in &quot;downloads&quot; non è uno scaricamento noto a questo programma.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; must hold &quot;start&quot; and &quot;end&quot;, each a date written YYYY-MM-DD.</source>
        <translation>&quot;dates&quot; deve contenere &quot;start&quot; e &quot;end&quot;, ciascuna una data nel formato YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; holds &quot;%1&quot;, which a standard file does not have.</source>
        <translation>&quot;dates&quot; contiene &quot;%1&quot;, che un file di standard di flotta non prevede.</translation>
    </message>
    <message>
        <source>The file holds %1, which a fleet standard does not have.</source>
        <translation>Il file contiene %1, che uno standard di flotta non prevede.</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>Il file non è uno standard di flotta: il suo &quot;format&quot; non è &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file is a fleet standard of a version this program does not read (it reads version %1).</source>
        <translation>Il file è uno standard di flotta di una versione che questo programma non legge (legge la versione %1).</translation>
    </message>
    <message>
        <source>The file has no &quot;%1&quot;.</source>
        <translation>Nel file manca &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;name&quot; must be a text.</source>
        <translation>&quot;name&quot; deve essere un testo.</translation>
    </message>
    <message>
        <source>&quot;saveCardDownloadDate&quot; must be true or false.</source>
        <translation>&quot;saveCardDownloadDate&quot; deve essere true o false.</translation>
    </message>
    <message>
        <source>&quot;fileNameFormat&quot; must be one of &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; and &quot;duvado-rirozo-ddd&quot;.</source>
        <translation>&quot;fileNameFormat&quot; deve essere uno tra &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; e &quot;duvado-rirozo-ddd&quot;.</translation>
    </message>
    <message>
        <source>The end date %1 lies before the start date %2.</source>
        <translation>La data di fine %1 è precedente alla data di inizio %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a fleet standard.</source>
        <translation>Il file è troppo grande per essere uno standard di flotta.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Il file non è un JSON valido (%1 al byte %2).</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: it holds no JSON object.</source>
        <translation>Il file non è uno standard di flotta: non contiene alcun oggetto JSON.</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot; twice in one place; a key may be given once.</source>
        <translation>Il file contiene &apos;%1&apos; due volte nello stesso punto; una chiave può comparire una sola volta.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may have at most %1 characters.</source>
        <translation>Il nome di uno standard di flotta può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may not hold line breaks, tabs or other invisible characters.</source>
        <translation>Il nome di uno standard di flotta non può contenere interruzioni di riga, tabulazioni o altri caratteri invisibili.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Impossibile leggere il file (%1).</translation>
    </message>
    <message>
        <source>&quot;daysBack&quot; must be a whole number of days.</source>
        <translation>&quot;daysBack&quot; deve essere un numero intero di giorni.</translation>
    </message>
    <message>
        <source>the folder is not there</source>
        <translation>la cartella non è disponibile</translation>
    </message>
    <message>
        <source>another copy of this program is sending them</source>
        <translation>un&apos;altra istanza di questo programma le sta inviando</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>il suo file di blocco non può essere creato</translation>
    </message>
    <message>
        <source>a row waiting cannot be read</source>
        <translation>una riga in attesa non può essere letta</translation>
    </message>
</context>
<context>
    <name>kordavel::help</name>
    <message>
        <source>The software version of this Kordavel is not suitable<byte value="xd"/>
for use with this configuration tool.</source>
        <translation>La versione software di questo Kordavel non è adatta<byte value="xd"/>
all&apos;uso con questo strumento di configurazione.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. Use this utility to adjust the configuration settings. Click &apos;Configure&apos;,  then follow the disconnect and reconnect instructions.</source>
        <translation>Collegare al computer il Kordavel/Plus/Blue con scheda di memoria o il Kordavel CR. Usare questa utility per modificare le impostazioni di configurazione. Fare clic su &apos;Configura&apos;, quindi seguire le istruzioni per scollegare e ricollegare il dispositivo.</translation>
    </message>
    <message>
        <source>Latest VU download setting options</source>
        <translation>Opzioni di scaricamento Latest VU</translation>
    </message>
    <message>
        <source>Before SW 27 - Download only standard VU data</source>
        <translation>Prima di SW 27 - Scaricamento dei soli dati VU standard</translation>
    </message>
    <message>
        <source>SW 27 and later - Also download manufacturer-specific data</source>
        <translation>SW 27 e successive - Scaricamento anche dei dati specifici del costruttore</translation>
    </message>
    <message>
        <source>Download Start and End dates supported from SW 54</source>
        <translation>Date di inizio e fine scaricamento supportate da SW 54</translation>
    </message>
    <message>
        <source>Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE.</source>
        <translation>Le impostazioni Latest VU/Configurazione del Kordavel non sono rilevanti per il DoziziveDE.</translation>
    </message>
    <message>
        <source>Downloaded File Names</source>
        <translation>Nomi dei file scaricati</translation>
    </message>
    <message>
        <source>SW 23 and later - Short file names, ESM/CRD or DDD</source>
        <translation>SW 23 e successive - Nomi file brevi, ESM/CRD o DDD</translation>
    </message>
    <message>
        <source>SW 27 and later - Long or short file names.</source>
        <translation>SW 27 e successive - Nomi file lunghi o brevi.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable for use with this configuration utility.</source>
        <translation>Le unità Kordavel e Kordavel Plus con software precedente a SW 23 non sono adatte all&apos;uso con questa utility di configurazione.</translation>
    </message>
    <message>
        <source>Irrespective of software version, Kordavel units prior to serial number 26000 do not support long file names.</source>
        <translation>Indipendentemente dalla versione software, le unità Kordavel con numero di serie inferiore a 26000 non supportano i nomi file lunghi.</translation>
    </message>
    <message>
        <source>Kordavel Configuration Help</source>
        <translation>Kordavel Configuration – Guida</translation>
    </message>
</context>
<context>
    <name>kordavel::platform</name>
    <message>
        <source>You are not allowed to %1.</source>
        <extracomment>%1 is what was asked: &quot;mount sdb1&quot;, &quot;remove the drive&quot;, ...</extracomment>
        <translation>Non si dispone dell&apos;autorizzazione per %1.</translation>
    </message>
    <message>
        <source>Could not %1: the drive is busy. Close what uses it and try again.</source>
        <translation>Impossibile %1: l&apos;unità è occupata. Chiudere ciò che la sta usando e riprovare.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service did not answer.</source>
        <translation>Impossibile %1: il servizio dischi del desktop non ha risposto.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service is not running.</source>
        <translation>Impossibile %1: il servizio dischi del desktop non è in esecuzione.</translation>
    </message>
    <message>
        <source>Could not %1 (%2).</source>
        <translation>Impossibile %1 (%2).</translation>
    </message>
    <message>
        <source>mount %1</source>
        <translation>montare %1</translation>
    </message>
    <message>
        <source>remove the drive</source>
        <translation>rimuovere l&apos;unità</translation>
    </message>
    <message>
        <source>Could not remove the drive: the desktop&apos;s disk service does not know %1.</source>
        <translation>Impossibile rimuovere l&apos;unità: il servizio dischi del desktop non riconosce %1.</translation>
    </message>
    <message>
        <source>unmount the drive</source>
        <translation>smontare l&apos;unità</translation>
    </message>
    <message>
        <source>power the drive off</source>
        <translation>spegnere l&apos;unità</translation>
    </message>
</context>
<context>
    <name>kordavel::settings</name>
    <message>
        <source>Overview (Mandatory)</source>
        <translation>Panoramica (obblig.)</translation>
    </message>
    <message>
        <source>TREP 01</source>
        <translation>TREP 01 – Panoramica</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <translation>Attività giornaliere</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <comment>a download, in full</comment>
        <translation>Attività giornaliere</translation>
    </message>
    <message>
        <source>TREP 02</source>
        <translation>TREP 02 – Attività</translation>
    </message>
    <message>
        <source>Events &amp;&amp; Faults</source>
        <translation>Anomalie e guasti</translation>
    </message>
    <message>
        <source>Events &amp; Faults</source>
        <comment>a download, in full</comment>
        <translation>Anomalie e guasti</translation>
    </message>
    <message>
        <source>TREP 03</source>
        <translation>TREP 03 – Anomalie e guasti</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <translation>Velocità dett. (24h)</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <comment>a download, in full</comment>
        <translation>Velocità dettagliata (24h)</translation>
    </message>
    <message>
        <source>TREP 04</source>
        <translation>TREP 04 – Velocità dettagliata</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <comment>a download, in full</comment>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>TREP 05</source>
        <translation>TREP 05 – Dati tecnici</translation>
    </message>
    <message>
        <source>Driver Card in VU (if there is one)</source>
        <translation>Carta del conducente in VU</translation>
    </message>
    <message>
        <source>Driver Card in VU</source>
        <comment>a download, in full</comment>
        <translation>Carta del conducente nella VU</translation>
    </message>
    <message>
        <source>TREP 06</source>
        <translation>TREP 06 – Scaricamento della carta</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <translation>Altri dati specifici VDO</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <comment>a download, in full</comment>
        <translation>Altri dati specifici VDO</translation>
    </message>
    <message>
        <source>Available from VDO tachographs</source>
        <translation>Disponibile dai tachigrafi VDO</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <translation>Velocità dett. 168h</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <comment>a download, in full</comment>
        <translation>Velocità dettagliata (168h)</translation>
    </message>
    <message>
        <source>168h Detailed Speed available from VDO tachographs</source>
        <translation>Velocità dettagliata di 168h disponibile dai tachigrafi VDO</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <translation>Dati 4Hz</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <comment>a download, in full</comment>
        <translation>Dati di velocità a 4Hz</translation>
    </message>
    <message>
        <source>4Hz Speed Data available from VDO tachographs</source>
        <translation>Dati di velocità a 4Hz disponibili dai tachigrafi VDO</translation>
    </message>
    <message>
        <source>The number of days must be between %1 and %2.</source>
        <translation>Il numero di giorni deve essere compreso tra %1 e %2.</translation>
    </message>
</context>
<context>
    <name>kordavel::writer</name>
    <message>
        <source>The Kordavel is write-protected.</source>
        <translation>Il Kordavel è protetto da scrittura.</translation>
    </message>
    <message>
        <source>There is not enough space on the Kordavel.</source>
        <translation>Spazio insufficiente sul Kordavel.</translation>
    </message>
    <message>
        <source>%1 on the Kordavel is in use by another program or locked; close that program and try again.</source>
        <translation>%1 sul Kordavel è in uso da parte di un altro programma o è bloccato; chiudere quel programma e riprovare.</translation>
    </message>
    <message>
        <source>The Kordavel refuses new files; it may be write-protected or locked by another program.</source>
        <translation>Il Kordavel non accetta nuovi file; potrebbe essere protetto da scrittura o bloccato da un altro programma.</translation>
    </message>
    <message>
        <source>The configuration file could not be written (%1).</source>
        <translation>Impossibile scrivere il file di configurazione (%1).</translation>
    </message>
    <message>
        <source>The configuration file read back from the Kordavel differs from what was written.</source>
        <translation>Il file di configurazione riletto dal Kordavel è diverso da quello scritto.</translation>
    </message>
    <message>
        <source>The files in the UPDATES folder of the Kordavel could not be listed.</source>
        <translation>Impossibile elencare i file nella cartella UPDATES del Kordavel.</translation>
    </message>
    <message>
        <source>The old file %1 could not be deleted (%2).</source>
        <translation>Impossibile eliminare il vecchio file %1 (%2).</translation>
    </message>
    <message>
        <source>The configuration file could not be put in place (%1).</source>
        <translation>Impossibile collocare il file di configurazione nella posizione prevista (%1).</translation>
    </message>
    <message>
        <source>The configuration file could not be flushed to the Kordavel (%1).</source>
        <translation>Impossibile completare la scrittura del file di configurazione sul Kordavel (%1).</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be confirmed on the Kordavel (%2).</source>
        <translation>Impossibile confermare il file di configurazione %1 sul Kordavel (%2).</translation>
    </message>
    <message>
        <source>The Kordavel has no UPDATES folder.</source>
        <translation>Il Kordavel non ha una cartella UPDATES.</translation>
    </message>
    <message>
        <source>Unknown Kordavel type</source>
        <translation>Tipo di Kordavel sconosciuto</translation>
    </message>
    <message>
        <source>The date %1 cannot be stored in the Kordavel: dates must lie between %2 and %3.</source>
        <translation>La data %1 non può essere memorizzata nel Kordavel: le date devono essere comprese tra %2 e %3.</translation>
    </message>
</context>
</TS>
