<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>kordavel::app</name>
    <message>
        <source>Fleet standard (*.json);;All files (*)</source>
        <translation>Standard de flotte (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Open fleet standard…</source>
        <translation>&amp;Ouvrir un standard de flotte…</translation>
    </message>
    <message>
        <source>&amp;Save as fleet standard…</source>
        <translation>&amp;Enregistrer comme standard de flotte…</translation>
    </message>
    <message>
        <source>&amp;Apply standard</source>
        <translation>&amp;Appliquer le standard</translation>
    </message>
    <message>
        <source>Apply the standard to &amp;every device read</source>
        <translation>Appliquer le standard à &amp;chaque appareil lu</translation>
    </message>
    <message>
        <source>Open &amp;record</source>
        <translation>Ouvrir le &amp;registre</translation>
    </message>
    <message>
        <source>S&amp;top using the standard</source>
        <translation>&amp;Ne plus utiliser le standard</translation>
    </message>
    <message>
        <source>The fleet standard %1 could not be read: %2</source>
        <translation>Le standard de flotte %1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Open fleet standard</source>
        <translation>Ouvrir un standard de flotte</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not opened: %2</source>
        <translation>Le standard de flotte %1 n&apos;a pas été ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>These settings cannot be a fleet standard: %1</source>
        <translation>Ces paramètres ne peuvent pas constituer un standard de flotte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save as fleet standard</source>
        <translation>Enregistrer comme standard de flotte</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not saved: %2</source>
        <translation>Le standard de flotte %1 n&apos;a pas été enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>No Configure has been recorded yet. While a fleet standard is active, every Configure is recorded.</source>
        <translation>Aucune opération «&#xa0;Configurer&#xa0;» n&apos;a encore été enregistrée. Tant qu&apos;un standard de flotte est actif, chaque opération «&#xa0;Configurer&#xa0;» est enregistrée.</translation>
    </message>
    <message>
        <source>The record %1 could not be opened.</source>
        <translation>Le registre %1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Rev. %1.%2.%3</source>
        <translation>Rév. %1.%2.%3</translation>
    </message>
    <message>
        <source>Ready for next</source>
        <translation>Prêt pour le suivant</translation>
    </message>
    <message>
        <source>Kordavel found</source>
        <translation>Kordavel trouvé</translation>
    </message>
    <message>
        <source>Configuration read</source>
        <translation>Configuration lue</translation>
    </message>
    <message>
        <source>Config. not available</source>
        <translation>Config. indisponible</translation>
    </message>
    <message>
        <source>Not Suitable</source>
        <translation>Incompatible</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Réussi&#xa0;!</translation>
    </message>
    <message>
        <source>Finishing Configure…</source>
        <translation>Fin de «&#xa0;Configurer&#xa0;»…</translation>
    </message>
    <message>
        <source>Drive %1 is attached but not mounted.</source>
        <translation>Lecteur %1 connecté, mais non monté.</translation>
    </message>
    <message>
        <source>A removable drive (%1) is attached but not mounted. Mount it to use it here.</source>
        <translation>Lecteur amovible (%1) connecté, mais non monté. Montez-le pour l&apos;utiliser ici.</translation>
    </message>
    <message>
        <source>Disconnect USB</source>
        <translation>Débrancher USB</translation>
    </message>
    <message>
        <source>Connect USB</source>
        <translation>Brancher USB</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nommage</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Select File Name Format</source>
        <translation>Format du nom de fichier</translation>
    </message>
    <message>
        <source>Select Files to download</source>
        <translation>Données à télécharger</translation>
    </message>
    <message>
        <source>Use Start/End Dates</source>
        <translation>Dates de début/fin</translation>
    </message>
    <message>
        <source>Available from firmware version 55</source>
        <translation>Disponible à partir de la version 55 du micrologiciel</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Enreg. date téléch. carte</translation>
    </message>
    <message>
        <source>For card downloaded direct into Kordavel Plus or Blue</source>
        <translation>Pour une carte téléchargée directement dans le Kordavel Plus ou Blue</translation>
    </message>
    <message>
        <source>Set to zero for &apos;download since last download&apos;</source>
        <translation>Mettre à zéro pour «&#xa0;télécharger depuis le dernier téléchargement&#xa0;»</translation>
    </message>
    <message>
        <source>Download End</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Download Start</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>SW Version - </source>
        <translation>Version SW - </translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Mount the attached drive through the desktop&apos;s disk service</source>
        <translation>Monter le lecteur connecté via le service de disques du bureau</translation>
    </message>
    <message>
        <source>&amp;Safely remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Unmount the Kordavel and power it off, ready to be unplugged</source>
        <translation>Démonter le Kordavel et le mettre hors tension pour pouvoir le débrancher</translation>
    </message>
    <message>
        <source>Fleet standard and record of every Configure</source>
        <translation>Standard de flotte et registre de chaque opération «&#xa0;Configurer&#xa0;»</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flotte</translation>
    </message>
    <message>
        <source>Fleet standard check</source>
        <translation>Vérification du standard de flotte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Drive log</source>
        <translation>Journal du lecteur</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Nombre de jours</translation>
    </message>
    <message>
        <source>Download start</source>
        <translation>Début du téléchargement</translation>
    </message>
    <message>
        <source>Download end</source>
        <translation>Fin du téléchargement</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Configurer</translation>
    </message>
    <message>
        <source>Unplug the device</source>
        <translation>Débranchez l&apos;appareil</translation>
    </message>
    <message>
        <source>Plug the device in again</source>
        <translation>Rebranchez l&apos;appareil</translation>
    </message>
    <message numerus="yes">
        <source>It has not answered within %n seconds.</source>
        <translation>
            <numerusform>Aucune réponse dans un délai de %n seconde.</numerusform>
            <numerusform>Aucune réponse dans un délai de %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (set by your organisation)</source>
        <translation>%1 (défini par votre organisation)</translation>
    </message>
    <message>
        <source>Your organisation&apos;s policy sets %1 in a way this program cannot use, so it is ignored; kordavel-config --policy says why.</source>
        <translation>La stratégie de votre organisation définit %1 d&apos;une manière que ce programme ne peut pas utiliser, et cette partie de la stratégie est donc ignorée&#xa0;; kordavel-config --policy en donne la raison.</translation>
    </message>
    <message>
        <source>Part of your organisation&apos;s policy cannot be read and is ignored; kordavel-config --policy says why.</source>
        <translation>Une partie de la stratégie de votre organisation ne peut pas être lue et est ignorée&#xa0;; kordavel-config --policy en donne la raison.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The copy taken from it on %3 is in force.</source>
        <translation>Le standard de flotte %1 ne peut pas être utilisé pour l&apos;instant&#xa0;: %2 La copie qui en a été faite le %3 s&apos;applique.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The one read from it before is in force.</source>
        <translation>Le standard de flotte %1 ne peut pas être utilisé pour l&apos;instant&#xa0;: %2 Le standard lu auparavant s&apos;applique.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 No copy of it has been taken on this computer yet.</source>
        <translation>Le standard de flotte %1 ne peut pas être utilisé pour l&apos;instant&#xa0;: %2 Aucune copie n&apos;en a encore été faite sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Your organisation&apos;s fleet standard sets these settings.</source>
        <translation>Ces paramètres sont fixés par le standard de flotte de votre organisation.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the record wait to go to %1: %2.</source>
        <translation>
            <numerusform>%n ligne du registre attend d&apos;être envoyée vers %1&#xa0;: %2.</numerusform>
            <numerusform>%n lignes du registre attendent d&apos;être envoyées vers %1&#xa0;: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kordavel::cycle</name>
    <message>
        <source>Disconnect and reconnect Kordavel.<byte value="xd"/>
Wait a moment then click &apos;Current Settings&apos;.</source>
        <translation>Débranchez puis rebranchez le Kordavel.<byte value="xd"/>
Patientez un instant, puis cliquez sur «&#xa0;Paramètres actuels&#xa0;».</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No configuration file was written.</source>
        <translation><byte value="xd"/>
Aucun fichier de configuration n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Configuration file missing.<byte value="xd"/>
</source>
        <translation>Fichier de configuration manquant.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Configuration file error.<byte value="xd"/>
</source>
        <translation>Erreur dans le fichier de configuration.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>SW Version - TQ</source>
        <translation>Version SW - TQ</translation>
    </message>
    <message>
        <source>SW Version - CR</source>
        <translation>Version SW - CR</translation>
    </message>
    <message>
        <source> - Unexpected software version</source>
        <translation> - Version logicielle inattendue</translation>
    </message>
    <message>
        <source>Kordavel software version value wrong</source>
        <translation>Valeur de version logicielle du Kordavel incorrecte</translation>
    </message>
    <message>
        <source>No configuration file was written: more than one Kordavel is plugged in, so unplug those that are not to be configured.</source>
        <translation>Aucun fichier de configuration n&apos;a été écrit&#xa0;: plus d&apos;un Kordavel est branché, débranchez donc ceux qui ne doivent pas être configurés.</translation>
    </message>
    <message>
        <source>No configuration file was written: the Kordavel plugged in is not the one whose settings are shown, or its settings have changed, so it is read again.</source>
        <translation>Aucun fichier de configuration n&apos;a été écrit&#xa0;: le Kordavel branché n&apos;est pas celui dont les paramètres sont affichés, ou ses paramètres ont changé&#xa0;; il est donc relu.</translation>
    </message>
    <message>
        <source>The settings of this device could not be read: it was not compared with the fleet standard &quot;%1&quot;.</source>
        <translation>Les paramètres de cet appareil n&apos;ont pas pu être lus&#xa0;: il n&apos;a pas été comparé au standard de flotte «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Plug in a Kordavel that can be configured first: the standard is applied to the settings the device can hold.</source>
        <translation>Branchez d&apos;abord un Kordavel configurable&#xa0;: le standard s&apos;applique aux paramètres que l&apos;appareil peut prendre en charge.</translation>
    </message>
    <message>
        <source>This Configure could not be added to the record %1 (%2). It is added with the next one, once the record can be written.</source>
        <translation>Cette opération «&#xa0;Configurer&#xa0;» n&apos;a pas pu être ajoutée au registre %1 (%2). Elle sera ajoutée avec la suivante, dès que le registre pourra être écrit.</translation>
    </message>
    <message>
        <source>Nothing was written: your organisation allows only its fleet standard on a device, and it could not be read yet.</source>
        <translation>Rien n&apos;a été écrit&#xa0;: votre organisation n&apos;autorise que son standard de flotte sur un appareil, et il n&apos;a pas encore pu être lu.</translation>
    </message>
</context>
<context>
    <name>kordavel::fleet</name>
    <message>
        <source>on</source>
        <extracomment>A download&apos;s setting, put in &quot;%1: %2 on the device, %3 in the standard&quot;.</extracomment>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether the card download date is saved, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No start and end dates, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>aucune</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last date of a range, both written YYYY-MM-DD.</extracomment>
        <translation> au </translation>
    </message>
    <message>
        <source>%1: %2 on the device, %3 in the standard</source>
        <translation>%1&#xa0;: %2 sur l&apos;appareil, %3 dans le standard</translation>
    </message>
    <message>
        <source>: not supported by this device</source>
        <extracomment>After the name of a setting, as in &quot;Days back: not supported by this device&quot;.</extracomment>
        <translation>&#xa0;: non pris en charge par cet appareil</translation>
    </message>
    <message>
        <source>4Hz Data goes with Other VDO Specific Data on this device: it is %1 as the VDO data is</source>
        <translation>Sur cet appareil, les données 4&#xa0;Hz suivent les autres données spécifiques VDO&#xa0;: état «&#xa0;%1&#xa0;», comme les données VDO</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Nombre de jours</translation>
    </message>
    <message>
        <source>Start and end dates</source>
        <translation>Dates de début et de fin</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Enregistrer la date de téléchargement de la carte</translation>
    </message>
    <message>
        <source>File names </source>
        <extracomment>Followed by a file-name format&apos;s name, such as &quot;Spanish (TGD)&quot;.</extracomment>
        <translation>Noms de fichier </translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Noms de fichier</translation>
    </message>
    <message>
        <source>File names and Save Card Download Date: written by Configure, but this device does not report them back</source>
        <translation>Noms de fichier et enregistrement de la date de téléchargement de la carte&#xa0;: écrits par «&#xa0;Configurer&#xa0;», mais cet appareil ne les renvoie pas</translation>
    </message>
    <message>
        <source>This device reports no settings to compare with the fleet standard %1.</source>
        <translation>Cet appareil ne communique aucun paramètre à comparer avec le standard de flotte %1.</translation>
    </message>
    <message>
        <source>This device matches the fleet standard %1.</source>
        <translation>Cet appareil est conforme au standard de flotte %1.</translation>
    </message>
    <message numerus="yes">
        <source>This device differs from the fleet standard %1 in %n setting(s):</source>
        <translation>
            <numerusform>Cet appareil diffère du standard de flotte %1 sur un paramètre&#xa0;:</numerusform>
            <numerusform>Cet appareil diffère du standard de flotte %1 sur %n paramètres&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Fleet standard &quot;%1&quot; is active. A device read is compared with it.</source>
        <translation>Le standard de flotte «&#xa0;%1&#xa0;» est actif. Tout appareil lu est comparé à ce standard.</translation>
    </message>
    <message>
        <source>The standard&apos;s settings are on the screen: Configure writes them to the device.</source>
        <translation>Les paramètres du standard sont affichés à l&apos;écran&#xa0;: «&#xa0;Configurer&#xa0;» les écrit sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>the rows waiting for it cannot be read</source>
        <translation>les lignes qui l&apos;attendent ne peuvent pas être lues</translation>
    </message>
    <message>
        <source>&quot;downloads&quot; must be a list of download names such as &quot;activities&quot;.</source>
        <translation>&quot;downloads&quot; doit être une liste de noms de téléchargements, par exemple &quot;activities&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;downloads&quot; is not a download this program knows.</source>
        <translation>&quot;%1&quot; dans &quot;downloads&quot; n&apos;est pas un téléchargement connu de ce programme.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; must hold &quot;start&quot; and &quot;end&quot;, each a date written YYYY-MM-DD.</source>
        <translation>&quot;dates&quot; doit contenir &quot;start&quot; et &quot;end&quot;, chacun étant une date au format YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; holds &quot;%1&quot;, which a standard file does not have.</source>
        <translation>&quot;dates&quot; contient &quot;%1&quot;, ce que ne comporte pas un fichier de standard.</translation>
    </message>
    <message>
        <source>The file holds %1, which a fleet standard does not have.</source>
        <translation>Le fichier contient %1, ce que ne comporte pas un standard de flotte.</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>Le fichier n&apos;est pas un standard de flotte&#xa0;: son &quot;format&quot; n&apos;est pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file is a fleet standard of a version this program does not read (it reads version %1).</source>
        <translation>Le fichier est un standard de flotte d&apos;une version que ce programme ne sait pas lire (il lit la version %1).</translation>
    </message>
    <message>
        <source>The file has no &quot;%1&quot;.</source>
        <translation>Le fichier ne contient pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;name&quot; must be a text.</source>
        <translation>&quot;name&quot; doit être un texte.</translation>
    </message>
    <message>
        <source>&quot;saveCardDownloadDate&quot; must be true or false.</source>
        <translation>&quot;saveCardDownloadDate&quot; doit valoir true ou false.</translation>
    </message>
    <message>
        <source>&quot;fileNameFormat&quot; must be one of &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; and &quot;duvado-rirozo-ddd&quot;.</source>
        <translation>&quot;fileNameFormat&quot; doit prendre l&apos;une des valeurs &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; ou &quot;duvado-rirozo-ddd&quot;.</translation>
    </message>
    <message>
        <source>The end date %1 lies before the start date %2.</source>
        <translation>La date de fin %1 est antérieure à la date de début %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a fleet standard.</source>
        <translation>Le fichier est trop volumineux pour être un standard de flotte.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Le fichier n&apos;est pas un JSON valide (%1 à l&apos;octet %2).</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: it holds no JSON object.</source>
        <translation>Le fichier n&apos;est pas un standard de flotte&#xa0;: il ne contient aucun objet JSON.</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot; twice in one place; a key may be given once.</source>
        <translation>Le fichier contient «&#xa0;%1&#xa0;» deux fois au même endroit&#xa0;; une clé ne peut figurer qu&apos;une fois.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may have at most %1 characters.</source>
        <translation>Le nom d&apos;un standard de flotte peut compter au plus %1&#xa0;caractères.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may not hold line breaks, tabs or other invisible characters.</source>
        <translation>Le nom d&apos;un standard de flotte ne peut contenir ni saut de ligne, ni tabulation, ni autre caractère invisible.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Le fichier ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>&quot;daysBack&quot; must be a whole number of days.</source>
        <translation>&quot;daysBack&quot; doit être un nombre entier de jours.</translation>
    </message>
    <message>
        <source>the folder is not there</source>
        <translation>le dossier est introuvable</translation>
    </message>
    <message>
        <source>another copy of this program is sending them</source>
        <translation>une autre instance de ce programme est en train de les envoyer</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>son fichier de verrou ne peut pas être créé</translation>
    </message>
    <message>
        <source>a row waiting cannot be read</source>
        <translation>une ligne en attente ne peut pas être lue</translation>
    </message>
</context>
<context>
    <name>kordavel::help</name>
    <message>
        <source>The software version of this Kordavel is not suitable<byte value="xd"/>
for use with this configuration tool.</source>
        <translation>La version logicielle de ce Kordavel n&apos;est pas compatible<byte value="xd"/>
avec cet outil de configuration.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. Use this utility to adjust the configuration settings. Click &apos;Configure&apos;,  then follow the disconnect and reconnect instructions.</source>
        <translation>Raccordez à l&apos;ordinateur votre Kordavel/Plus/Blue avec carte mémoire ou votre Kordavel CR. Réglez les paramètres de configuration avec cet utilitaire. Cliquez sur «&#xa0;Configurer&#xa0;», puis suivez les instructions pour débrancher et rebrancher l&apos;appareil.</translation>
    </message>
    <message>
        <source>Latest VU download setting options</source>
        <translation>Options de réglage du téléchargement Latest VU</translation>
    </message>
    <message>
        <source>Before SW 27 - Download only standard VU data</source>
        <translation>Avant SW 27 - Téléchargement des seules données VU standard</translation>
    </message>
    <message>
        <source>SW 27 and later - Also download manufacturer-specific data</source>
        <translation>À partir de SW 27 - Téléchargement également des données spécifiques au constructeur</translation>
    </message>
    <message>
        <source>Download Start and End dates supported from SW 54</source>
        <translation>Dates de début et de fin de téléchargement prises en charge à partir de SW 54</translation>
    </message>
    <message>
        <source>Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE.</source>
        <translation>Les paramètres Latest VU/configuration du Kordavel ne concernent pas le DoziziveDE.</translation>
    </message>
    <message>
        <source>Downloaded File Names</source>
        <translation>Noms des fichiers téléchargés</translation>
    </message>
    <message>
        <source>SW 23 and later - Short file names, ESM/CRD or DDD</source>
        <translation>À partir de SW 23 - Noms de fichier courts, ESM/CRD ou DDD</translation>
    </message>
    <message>
        <source>SW 27 and later - Long or short file names.</source>
        <translation>À partir de SW 27 - Noms de fichier longs ou courts.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable for use with this configuration utility.</source>
        <translation>Les Kordavel et Kordavel Plus dont le logiciel est antérieur à SW 23 ne sont pas compatibles avec cet utilitaire de configuration.</translation>
    </message>
    <message>
        <source>Irrespective of software version, Kordavel units prior to serial number 26000 do not support long file names.</source>
        <translation>Quelle que soit la version logicielle, les Kordavel dont le numéro de série est inférieur à 26000 ne prennent pas en charge les noms de fichier longs.</translation>
    </message>
    <message>
        <source>Kordavel Configuration Help</source>
        <translation>Aide de Kordavel Configuration</translation>
    </message>
</context>
<context>
    <name>kordavel::platform</name>
    <message>
        <source>You are not allowed to %1.</source>
        <extracomment>%1 is what was asked: &quot;mount sdb1&quot;, &quot;remove the drive&quot;, ...</extracomment>
        <translation>Vous n&apos;êtes pas autorisé à %1.</translation>
    </message>
    <message>
        <source>Could not %1: the drive is busy. Close what uses it and try again.</source>
        <translation>Impossible de %1&#xa0;: le lecteur est occupé. Fermez ce qui l&apos;utilise et réessayez.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service did not answer.</source>
        <translation>Impossible de %1&#xa0;: le service de disques du bureau n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service is not running.</source>
        <translation>Impossible de %1&#xa0;: le service de disques du bureau n&apos;est pas en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Could not %1 (%2).</source>
        <translation>Impossible de %1 (%2).</translation>
    </message>
    <message>
        <source>mount %1</source>
        <translation>monter %1</translation>
    </message>
    <message>
        <source>remove the drive</source>
        <translation>retirer le lecteur</translation>
    </message>
    <message>
        <source>Could not remove the drive: the desktop&apos;s disk service does not know %1.</source>
        <translation>Impossible de retirer le lecteur&#xa0;: le service de disques du bureau ne connaît pas %1.</translation>
    </message>
    <message>
        <source>unmount the drive</source>
        <translation>démonter le lecteur</translation>
    </message>
    <message>
        <source>power the drive off</source>
        <translation>mettre le lecteur hors tension</translation>
    </message>
</context>
<context>
    <name>kordavel::settings</name>
    <message>
        <source>Overview (Mandatory)</source>
        <translation>Aperçu (obligatoire)</translation>
    </message>
    <message>
        <source>TREP 01</source>
        <translation>TREP 01 – Aperçu</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <translation>Activités journalières</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <comment>a download, in full</comment>
        <translation>Activités journalières</translation>
    </message>
    <message>
        <source>TREP 02</source>
        <translation>TREP 02 – Activités</translation>
    </message>
    <message>
        <source>Events &amp;&amp; Faults</source>
        <translation>Incid. &amp;&amp; anom.</translation>
    </message>
    <message>
        <source>Events &amp; Faults</source>
        <comment>a download, in full</comment>
        <translation>Incidents et anomalies</translation>
    </message>
    <message>
        <source>TREP 03</source>
        <translation>TREP 03 – Incidents et anomalies</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <translation>Vitesse détaillée 24&#xa0;h</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <comment>a download, in full</comment>
        <translation>Vitesse détaillée (24&#xa0;h)</translation>
    </message>
    <message>
        <source>TREP 04</source>
        <translation>TREP 04 – Vitesse détaillée</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <translation>Données techn.</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <comment>a download, in full</comment>
        <translation>Données techniques</translation>
    </message>
    <message>
        <source>TREP 05</source>
        <translation>TREP 05 – Données techniques</translation>
    </message>
    <message>
        <source>Driver Card in VU (if there is one)</source>
        <translation>Carte conducteur en VU (si insérée)</translation>
    </message>
    <message>
        <source>Driver Card in VU</source>
        <comment>a download, in full</comment>
        <translation>Carte de conducteur dans la VU</translation>
    </message>
    <message>
        <source>TREP 06</source>
        <translation>TREP 06 – Téléchargement de carte</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <translation>Autres données VDO</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <comment>a download, in full</comment>
        <translation>Autres données spécifiques VDO</translation>
    </message>
    <message>
        <source>Available from VDO tachographs</source>
        <translation>Disponible sur les tachygraphes VDO</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <translation>Vit. détaillée 168&#xa0;h</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <comment>a download, in full</comment>
        <translation>Vitesse détaillée (168&#xa0;h)</translation>
    </message>
    <message>
        <source>168h Detailed Speed available from VDO tachographs</source>
        <translation>Vitesse détaillée sur 168&#xa0;h disponible sur les tachygraphes VDO</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <translation>Vit. 4Hz</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <comment>a download, in full</comment>
        <translation>Données de vitesse 4&#xa0;Hz</translation>
    </message>
    <message>
        <source>4Hz Speed Data available from VDO tachographs</source>
        <translation>Données de vitesse 4&#xa0;Hz disponibles sur les tachygraphes VDO</translation>
    </message>
    <message>
        <source>The number of days must be between %1 and %2.</source>
        <translation>Le nombre de jours doit être compris entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>kordavel::writer</name>
    <message>
        <source>The Kordavel is write-protected.</source>
        <translation>Le Kordavel est protégé en écriture.</translation>
    </message>
    <message>
        <source>There is not enough space on the Kordavel.</source>
        <translation>L&apos;espace disponible sur le Kordavel est insuffisant.</translation>
    </message>
    <message>
        <source>%1 on the Kordavel is in use by another program or locked; close that program and try again.</source>
        <translation>%1 sur le Kordavel est utilisé par un autre programme ou verrouillé&#xa0;; fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>The Kordavel refuses new files; it may be write-protected or locked by another program.</source>
        <translation>Le Kordavel refuse les nouveaux fichiers&#xa0;; il est peut-être protégé en écriture ou verrouillé par un autre programme.</translation>
    </message>
    <message>
        <source>The configuration file could not be written (%1).</source>
        <translation>Le fichier de configuration n&apos;a pas pu être écrit (%1).</translation>
    </message>
    <message>
        <source>The configuration file read back from the Kordavel differs from what was written.</source>
        <translation>Le fichier de configuration relu sur le Kordavel diffère de celui qui a été écrit.</translation>
    </message>
    <message>
        <source>The files in the UPDATES folder of the Kordavel could not be listed.</source>
        <translation>Impossible de lister les fichiers du dossier UPDATES du Kordavel.</translation>
    </message>
    <message>
        <source>The old file %1 could not be deleted (%2).</source>
        <translation>L&apos;ancien fichier %1 n&apos;a pas pu être supprimé (%2).</translation>
    </message>
    <message>
        <source>The configuration file could not be put in place (%1).</source>
        <translation>Le fichier de configuration n&apos;a pas pu être mis en place (%1).</translation>
    </message>
    <message>
        <source>The configuration file could not be flushed to the Kordavel (%1).</source>
        <translation>Le fichier de configuration n&apos;a pas pu être écrit définitivement sur le Kordavel (%1).</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be confirmed on the Kordavel (%2).</source>
        <translation>Le fichier de configuration %1 n&apos;a pas pu être confirmé sur le Kordavel (%2).</translation>
    </message>
    <message>
        <source>The Kordavel has no UPDATES folder.</source>
        <translation>Le Kordavel n&apos;a pas de dossier UPDATES.</translation>
    </message>
    <message>
        <source>Unknown Kordavel type</source>
        <translation>Type de Kordavel inconnu</translation>
    </message>
    <message>
        <source>The date %1 cannot be stored in the Kordavel: dates must lie between %2 and %3.</source>
        <translation>La date %1 ne peut pas être enregistrée dans le Kordavel&#xa0;: les dates doivent être comprises entre %2 et %3.</translation>
    </message>
</context>
</TS>
