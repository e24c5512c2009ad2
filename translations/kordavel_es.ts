<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>kordavel::app</name>
    <message>
        <source>Fleet standard (*.json);;All files (*)</source>
        <translation>Estándar de flota (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Open fleet standard…</source>
        <translation>&amp;Abrir estándar de flota…</translation>
    </message>
    <message>
        <source>&amp;Save as fleet standard…</source>
        <translation>&amp;Guardar como estándar de flota…</translation>
    </message>
    <message>
        <source>&amp;Apply standard</source>
        <translation>A&amp;plicar estándar</translation>
    </message>
    <message>
        <source>Apply the standard to &amp;every device read</source>
        <translation>Aplicar el estándar a &amp;cada dispositivo leído</translation>
    </message>
    <message>
        <source>Open &amp;record</source>
        <translation>Abrir &amp;registro</translation>
    </message>
    <message>
        <source>S&amp;top using the standard</source>
        <translation>&amp;Dejar de usar el estándar</translation>
    </message>
    <message>
        <source>The fleet standard %1 could not be read: %2</source>
        <translation>No se pudo leer el estándar de flota %1: %2</translation>
    </message>
    <message>
        <source>Open fleet standard</source>
        <translation>Abrir estándar de flota</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not opened: %2</source>
        <translation>No se abrió el estándar de flota %1: %2</translation>
    </message>
    <message>
        <source>These settings cannot be a fleet standard: %1</source>
        <translation>Estos ajustes no pueden ser un estándar de flota: %1</translation>
    </message>
    <message>
        <source>Save as fleet standard</source>
        <translation>Guardar como estándar de flota</translation>
    </message>
    <message>
        <source>The fleet standard %1 was not saved: %2</source>
        <translation>No se guardó el estándar de flota %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>No Configure has been recorded yet. While a fleet standard is active, every Configure is recorded.</source>
        <translation>Aún no se ha registrado ninguna operación «Configurar». Mientras haya un estándar de flota activo, se registra cada operación «Configurar».</translation>
    </message>
    <message>
        <source>The record %1 could not be opened.</source>
        <translation>No se pudo abrir el registro %1.</translation>
    </message>
    <message>
        <source>Rev. %1.%2.%3</source>
        <translation>Rev. %1.%2.%3</translation>
    </message>
    <message>
        <source>Ready for next</source>
        <translation>Listo para otro</translation>
    </message>
    <message>
        <source>Kordavel found</source>
        <translation>Kordavel hallado</translation>
    </message>
    <message>
        <source>Configuration read</source>
        <translation>Configuración leída</translation>
    </message>
    <message>
        <source>Config. not available</source>
        <translation>Config. no disponible</translation>
    </message>
    <message>
        <source>Not Suitable</source>
        <translation>No apto</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>¡Éxito!</translation>
    </message>
    <message>
        <source>Finishing Configure…</source>
        <translation>Terminando «Configurar»…</translation>
    </message>
    <message>
        <source>Drive %1 is attached but not mounted.</source>
        <translation>Unidad %1 conectada sin montar.</translation>
    </message>
    <message>
        <source>A removable drive (%1) is attached but not mounted. Mount it to use it here.</source>
        <translation>Unidad extraíble (%1) conectada sin montar. Móntela para usarla.</translation>
    </message>
    <message>
        <source>Disconnect USB</source>
        <translation>Retire USB</translation>
    </message>
    <message>
        <source>Connect USB</source>
        <translation>Conecte USB</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Select File Name Format</source>
        <translation>Formato de nombre</translation>
    </message>
    <message>
        <source>Select Files to download</source>
        <translation>Archivos a descargar</translation>
    </message>
    <message>
        <source>Use Start/End Dates</source>
        <translation>Fechas inicio/fin</translation>
    </message>
    <message>
        <source>Available from firmware version 55</source>
        <translation>Disponible desde la versión de firmware 55</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Guardar fecha descarga tarjeta</translation>
    </message>
    <message>
        <source>For card downloaded direct into Kordavel Plus or Blue</source>
        <translation>Para tarjetas descargadas directamente en Kordavel Plus o Blue</translation>
    </message>
    <message>
        <source>Set to zero for &apos;download since last download&apos;</source>
        <translation>Ponga cero para «descargar desde la última descarga»</translation>
    </message>
    <message>
        <source>Download End</source>
        <translation>Fin descarga</translation>
    </message>
    <message>
        <source>Download Start</source>
        <translation>Inicio descarga</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>SW Version - </source>
        <translation>Versión SW - </translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Montar</translation>
    </message>
    <message>
        <source>Mount the attached drive through the desktop&apos;s disk service</source>
        <translation>Monta la unidad conectada mediante el servicio de discos del escritorio</translation>
    </message>
    <message>
        <source>&amp;Safely remove</source>
        <translation>&amp;Expulsar</translation>
    </message>
    <message>
        <source>Unmount the Kordavel and power it off, ready to be unplugged</source>
        <translation>Desmonta el Kordavel y lo apaga para que pueda desconectarse con seguridad</translation>
    </message>
    <message>
        <source>Fleet standard and record of every Configure</source>
        <translation>Estándar de flota y registro de cada operación «Configurar»</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flota</translation>
    </message>
    <message>
        <source>Fleet standard check</source>
        <translation>Comprobación del estándar de flota</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Drive log</source>
        <translation>Registro de la unidad</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Días atrás</translation>
    </message>
    <message>
        <source>Download start</source>
        <translation>Inicio de descarga</translation>
    </message>
    <message>
        <source>Download end</source>
        <translation>Fin de descarga</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Configurar</translation>
    </message>
    <message>
        <source>Unplug the device</source>
        <translation>Desconecte el dispositivo</translation>
    </message>
    <message>
        <source>Plug the device in again</source>
        <translation>Vuelva a conectar el dispositivo</translation>
    </message>
    <message numerus="yes">
        <source>It has not answered within %n seconds.</source>
        <translation>
            <numerusform>No se ha recibido respuesta en %n segundo.</numerusform>
            <numerusform>No se ha recibido respuesta en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (set by your organisation)</source>
        <translation>%1 (establecido por su organización)</translation>
    </message>
    <message>
        <source>Your organisation&apos;s policy sets %1 in a way this program cannot use, so it is ignored; kordavel-config --policy says why.</source>
        <translation>La directiva de su organización establece %1 de un modo que este programa no puede usar, por lo que esa parte de la directiva se ignora; kordavel-config --policy indica el motivo.</translation>
    </message>
    <message>
        <source>Part of your organisation&apos;s policy cannot be read and is ignored; kordavel-config --policy says why.</source>
        <translation>Parte de la directiva de su organización no se puede leer y se ignora; kordavel-config --policy indica el motivo.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The copy taken from it on %3 is in force.</source>
        <translation>El estándar de flota %1 no se puede usar ahora: %2 Rige la copia hecha el %3.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 The one read from it before is in force.</source>
        <translation>El estándar de flota %1 no se puede usar ahora: %2 Rige el estándar leído antes.</translation>
    </message>
    <message>
        <source>The fleet standard %1 cannot be used now: %2 No copy of it has been taken on this computer yet.</source>
        <translation>El estándar de flota %1 no se puede usar ahora: %2 Todavía no hay ninguna copia de él en este ordenador.</translation>
    </message>
    <message>
        <source>Your organisation&apos;s fleet standard sets these settings.</source>
        <translation>Estos ajustes los fija el estándar de flota de su organización.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the record wait to go to %1: %2.</source>
        <translation>
            <numerusform>%n fila del registro está pendiente de enviarse a %1: %2.</numerusform>
            <numerusform>%n filas del registro están pendientes de enviarse a %1: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kordavel::cycle</name>
    <message>
        <source>Disconnect and reconnect Kordavel.<byte value="xd"/>
Wait a moment then click &apos;Current Settings&apos;.</source>
        <translation>Desconecte y vuelva a conectar el Kordavel.<byte value="xd"/>
Espere un momento y haga clic en «Configuración actual».</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No configuration file was written.</source>
        <translation><byte value="xd"/>
No se ha escrito ningún archivo de configuración.</translation>
    </message>
    <message>
        <source>Configuration file missing.<byte value="xd"/>
</source>
        <translation>Falta el archivo de configuración.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Configuration file error.<byte value="xd"/>
</source>
        <translation>Error en el archivo de configuración.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>SW Version - TQ</source>
        <translation>Versión SW - TQ</translation>
    </message>
    <message>
        <source>SW Version - CR</source>
        <translation>Versión SW - CR</translation>
    </message>
    <message>
        <source> - Unexpected software version</source>
        <translation> - Versión de software inesperada</translation>
    </message>
    <message>
        <source>Kordavel software version value wrong</source>
        <translation>Valor incorrecto de la versión de software del Kordavel</translation>
    </message>
    <message>
        <source>No configuration file was written: more than one Kordavel is plugged in, so unplug those that are not to be configured.</source>
        <translation>No se ha escrito ningún archivo de configuración: hay más de un Kordavel conectado, así que desconecte los que no se deban configurar.</translation>
    </message>
    <message>
        <source>No configuration file was written: the Kordavel plugged in is not the one whose settings are shown, or its settings have changed, so it is read again.</source>
        <translation>No se ha escrito ningún archivo de configuración: el Kordavel conectado no es aquel cuyos ajustes se muestran, o sus ajustes han cambiado, así que se vuelve a leer.</translation>
    </message>
    <message>
        <source>The settings of this device could not be read: it was not compared with the fleet standard &quot;%1&quot;.</source>
        <translation>No se pudieron leer los ajustes de este dispositivo: no se ha comparado con el estándar de flota &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Plug in a Kordavel that can be configured first: the standard is applied to the settings the device can hold.</source>
        <translation>Conecte primero un Kordavel configurable: el estándar se aplica a los ajustes que admite el dispositivo.</translation>
    </message>
    <message>
        <source>This Configure could not be added to the record %1 (%2). It is added with the next one, once the record can be written.</source>
        <translation>Esta operación «Configurar» no se pudo añadir al registro %1 (%2). Se añadirá con la siguiente, cuando se pueda escribir en el registro.</translation>
    </message>
    <message>
        <source>Nothing was written: your organisation allows only its fleet standard on a device, and it could not be read yet.</source>
        <translation>No se ha escrito nada: su organización solo permite en los dispositivos su propio estándar de flota, y todavía no se ha podido leer.</translation>
    </message>
</context>
<context>
    <name>kordavel::fleet</name>
    <message>
        <source>on</source>
        <extracomment>A download&apos;s setting, put in &quot;%1: %2 on the device, %3 in the standard&quot;.</extracomment>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>Whether the card download date is saved, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No start and end dates, put in &quot;%1: %2 on the device, ...&quot;.</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last date of a range, both written YYYY-MM-DD.</extracomment>
        <translation> a </translation>
    </message>
    <message>
        <source>%1: %2 on the device, %3 in the standard</source>
        <translation>%1: %2 en el dispositivo, %3 en el estándar</translation>
    </message>
    <message>
        <source>: not supported by this device</source>
        <extracomment>After the name of a setting, as in &quot;Days back: not supported by this device&quot;.</extracomment>
        <translation>: este dispositivo no lo admite</translation>
    </message>
    <message>
        <source>4Hz Data goes with Other VDO Specific Data on this device: it is %1 as the VDO data is</source>
        <translation>En este dispositivo, «Datos 4Hz» va unido a «Otros datos propios VDO»: está %1, igual que los datos VDO</translation>
    </message>
    <message>
        <source>Days back</source>
        <translation>Días atrás</translation>
    </message>
    <message>
        <source>Start and end dates</source>
        <translation>Fechas de inicio y fin</translation>
    </message>
    <message>
        <source>Save Card Download Date</source>
        <translation>Guardar fecha de descarga de tarjeta</translation>
    </message>
    <message>
        <source>File names </source>
        <extracomment>Followed by a file-name format&apos;s name, such as &quot;Spanish (TGD)&quot;.</extracomment>
        <translation>Nombres de archivo </translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>File names and Save Card Download Date: written by Configure, but this device does not report them back</source>
        <translation>Nombres de archivo y «Guardar fecha de descarga de tarjeta»: «Configurar» los escribe, pero este dispositivo no los devuelve</translation>
    </message>
    <message>
        <source>This device reports no settings to compare with the fleet standard %1.</source>
        <translation>Este dispositivo no comunica ningún ajuste que comparar con el estándar de flota %1.</translation>
    </message>
    <message>
        <source>This device matches the fleet standard %1.</source>
        <translation>Este dispositivo coincide con el estándar de flota %1.</translation>
    </message>
    <message numerus="yes">
        <source>This device differs from the fleet standard %1 in %n setting(s):</source>
        <translation>
            <numerusform>Este dispositivo difiere del estándar de flota %1 en un ajuste:</numerusform>
            <numerusform>Este dispositivo difiere del estándar de flota %1 en %n ajustes:</numerusform>
        </translation>
    </message>
    <message>
        <source>Fleet standard &quot;%1&quot; is active. A device read is compared with it.</source>
        <translation>El estándar de flota &quot;%1&quot; está activo. Cada dispositivo leído se compara con él.</translation>
    </message>
    <message>
        <source>The standard&apos;s settings are on the screen: Configure writes them to the device.</source>
        <translation>Los ajustes del estándar se muestran en pantalla: «Configurar» los escribe en el dispositivo.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>the rows waiting for it cannot be read</source>
        <translation>no se pueden leer las filas que esperan para él</translation>
    </message>
    <message>
        <source>&quot;downloads&quot; must be a list of download names such as &quot;activities&quot;.</source>
        <translation>&quot;downloads&quot; debe ser una lista de nombres de descarga, como &quot;activities&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;downloads&quot; is not a download this program knows.</source>
        <translation>&quot;%1&quot; en &quot;downloads&quot; no es una descarga que este programa conozca.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; must hold &quot;start&quot; and &quot;end&quot;, each a date written YYYY-MM-DD.</source>
        <translation>&quot;dates&quot; debe contener &quot;start&quot; y &quot;end&quot;, cada uno una fecha con el formato YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>&quot;dates&quot; holds &quot;%1&quot;, which a standard file does not have.</source>
        <translation>&quot;dates&quot; contiene &quot;%1&quot;, que no forma parte de un archivo de estándar.</translation>
    </message>
    <message>
        <source>The file holds %1, which a fleet standard does not have.</source>
        <translation>El archivo contiene %1, que no forma parte de un estándar de flota.</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>El archivo no es un estándar de flota: su &quot;format&quot; no es &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file is a fleet standard of a version this program does not read (it reads version %1).</source>
        <translation>El archivo es un estándar de flota de una versión que este programa no lee (lee la versión %1).</translation>
    </message>
    <message>
        <source>The file has no &quot;%1&quot;.</source>
        <translation>El archivo no contiene &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;name&quot; must be a text.</source>
        <translation>&quot;name&quot; debe ser un texto.</translation>
    </message>
    <message>
        <source>&quot;saveCardDownloadDate&quot; must be true or false.</source>
        <translation>&quot;saveCardDownloadDate&quot; debe ser true o false.</translation>
    </message>
    <message>
        <source>&quot;fileNameFormat&quot; must be one of &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; and &quot;duvado-rirozo-ddd&quot;.</source>
        <translation>&quot;fileNameFormat&quot; debe ser uno de estos valores: &quot;short-esm-crd&quot;, &quot;european-ddd&quot;, &quot;french-c1b-v1b&quot;, &quot;spanish-tgd&quot; o &quot;duvado-rirozo-ddd&quot;.</translation>
    </message>
    <message>
        <source>The end date %1 lies before the start date %2.</source>
        <translation>La fecha de fin %1 es anterior a la fecha de inicio %2.</translation>
    </message>
    <message>
        <source>The file is too large to be a fleet standard.</source>
        <translation>El archivo es demasiado grande para ser un estándar de flota.</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>El archivo no es un JSON válido (%1 en el byte %2).</translation>
    </message>
    <message>
        <source>The file is not a fleet standard: it holds no JSON object.</source>
        <translation>El archivo no es un estándar de flota: no contiene ningún objeto JSON.</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot; twice in one place; a key may be given once.</source>
        <translation>El archivo contiene «%1» dos veces en el mismo lugar; una clave solo puede aparecer una vez.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may have at most %1 characters.</source>
        <translation>El nombre de un estándar de flota puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The name of a fleet standard may not hold line breaks, tabs or other invisible characters.</source>
        <translation>El nombre de un estándar de flota no puede contener saltos de línea, tabulaciones ni otros caracteres invisibles.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>No se puede leer el archivo (%1).</translation>
    </message>
    <message>
        <source>&quot;daysBack&quot; must be a whole number of days.</source>
        <translation>&quot;daysBack&quot; debe ser un número entero de días.</translation>
    </message>
    <message>
        <source>the folder is not there</source>
        <translation>la carpeta no está disponible</translation>
    </message>
    <message>
        <source>another copy of this program is sending them</source>
        <translation>otra instancia de este programa las está enviando</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>no se puede crear su archivo de bloqueo</translation>
    </message>
    <message>
        <source>a row waiting cannot be read</source>
        <translation>no se puede leer una fila pendiente</translation>
    </message>
</context>
<context>
    <name>kordavel::help</name>
    <message>
        <source>The software version of this Kordavel is not suitable<byte value="xd"/>
for use with this configuration tool.</source>
        <translation>La versión de software de este Kordavel no es apta<byte value="xd"/>
para esta herramienta de configuración.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your computer. Use this utility to adjust the configuration settings. Click &apos;Configure&apos;,  then follow the disconnect and reconnect instructions.</source>
        <translation>Conecte al ordenador su Kordavel/Plus/Blue con tarjeta de memoria o su Kordavel CR. Use esta utilidad para ajustar la configuración. Haga clic en «Configurar» y siga las instrucciones para desconectar y volver a conectar.</translation>
    </message>
    <message>
        <source>Latest VU download setting options</source>
        <translation>Opciones de descarga de la VU (Latest VU)</translation>
    </message>
    <message>
        <source>Before SW 27 - Download only standard VU data</source>
        <translation>Antes de SW 27 - Solo se descargan los datos estándar de la VU</translation>
    </message>
    <message>
        <source>SW 27 and later - Also download manufacturer-specific data</source>
        <translation>SW 27 y posteriores - También se descargan los datos específicos del fabricante</translation>
    </message>
    <message>
        <source>Download Start and End dates supported from SW 54</source>
        <translation>Fechas de inicio y fin de descarga admitidas desde SW 54</translation>
    </message>
    <message>
        <source>Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE.</source>
        <translation>Los ajustes Latest VU/Configuración del Kordavel no se aplican al DoziziveDE.</translation>
    </message>
    <message>
        <source>Downloaded File Names</source>
        <translation>Nombres de los archivos descargados</translation>
    </message>
    <message>
        <source>SW 23 and later - Short file names, ESM/CRD or DDD</source>
        <translation>SW 23 y posteriores - Nombres de archivo cortos, ESM/CRD o DDD</translation>
    </message>
    <message>
        <source>SW 27 and later - Long or short file names.</source>
        <translation>SW 27 y posteriores - Nombres de archivo largos o cortos.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Kordavel and Kordavel Plus units with software prior to SW 23 are not suitable for use with this configuration utility.</source>
        <translation>Las unidades Kordavel y Kordavel Plus con software anterior a SW 23 no son aptas para esta utilidad de configuración.</translation>
    </message>
    <message>
        <source>Irrespective of software version, Kordavel units prior to serial number 26000 do not support long file names.</source>
        <translation>Independientemente de la versión de software, las unidades Kordavel con número de serie anterior a 26000 no admiten nombres de archivo largos.</translation>
    </message>
    <message>
        <source>Kordavel Configuration Help</source>
        <translation>Ayuda de Kordavel Configuration</translation>
    </message>
</context>
<context>
    <name>kordavel::platform</name>
    <message>
        <source>You are not allowed to %1.</source>
        <extracomment>%1 is what was asked: &quot;mount sdb1&quot;, &quot;remove the drive&quot;, ...</extracomment>
        <translation>No tiene permiso para %1.</translation>
    </message>
    <message>
        <source>Could not %1: the drive is busy. Close what uses it and try again.</source>
        <translation>No se pudo %1: la unidad está ocupada. Cierre lo que la esté usando e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service did not answer.</source>
        <translation>No se pudo %1: el servicio de discos del escritorio no respondió.</translation>
    </message>
    <message>
        <source>Could not %1: the desktop&apos;s disk service is not running.</source>
        <translation>No se pudo %1: el servicio de discos del escritorio no está en ejecución.</translation>
    </message>
    <message>
        <source>Could not %1 (%2).</source>
        <translation>No se pudo %1 (%2).</translation>
    </message>
    <message>
        <source>mount %1</source>
        <translation>montar %1</translation>
    </message>
    <message>
        <source>remove the drive</source>
        <translation>extraer la unidad</translation>
    </message>
    <message>
        <source>Could not remove the drive: the desktop&apos;s disk service does not know %1.</source>
        <translation>No se pudo extraer la unidad: el servicio de discos del escritorio no reconoce %1.</translation>
    </message>
    <message>
        <source>unmount the drive</source>
        <translation>desmontar la unidad</translation>
    </message>
    <message>
        <source>power the drive off</source>
        <translation>apagar la unidad</translation>
    </message>
</context>
<context>
    <name>kordavel::settings</name>
    <message>
        <source>Overview (Mandatory)</source>
        <translation>Resumen (obligatorio)</translation>
    </message>
    <message>
        <source>TREP 01</source>
        <translation>TREP 01 – Resumen</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <translation>Actividades diarias</translation>
    </message>
    <message>
        <source>Daily Activity Records</source>
        <comment>a download, in full</comment>
        <translation>Actividades diarias</translation>
    </message>
    <message>
        <source>TREP 02</source>
        <translation>TREP 02 – Actividades</translation>
    </message>
    <message>
        <source>Events &amp;&amp; Faults</source>
        <translation>Incid. y fallos</translation>
    </message>
    <message>
        <source>Events &amp; Faults</source>
        <comment>a download, in full</comment>
        <translation>Incidentes y fallos</translation>
    </message>
    <message>
        <source>TREP 03</source>
        <translation>TREP 03 – Incidentes y fallos</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <translation>Veloc. det. (24h)</translation>
    </message>
    <message>
        <source>Detailed Speed (24h)</source>
        <comment>a download, in full</comment>
        <translation>Velocidad detallada (24h)</translation>
    </message>
    <message>
        <source>TREP 04</source>
        <translation>TREP 04 – Velocidad detallada</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <translation>Datos técnicos</translation>
    </message>
    <message>
        <source>Technical Data</source>
        <comment>a download, in full</comment>
        <translation>Datos técnicos</translation>
    </message>
    <message>
        <source>TREP 05</source>
        <translation>TREP 05 – Datos técnicos</translation>
    </message>
    <message>
        <source>Driver Card in VU (if there is one)</source>
        <translation>Tarjeta en VU (si hay)</translation>
    </message>
    <message>
        <source>Driver Card in VU</source>
        <comment>a download, in full</comment>
        <translation>Tarjeta de conductor en la VU</translation>
    </message>
    <message>
        <source>TREP 06</source>
        <translation>TREP 06 – Descarga de la tarjeta</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <translation>Otros datos propios VDO</translation>
    </message>
    <message>
        <source>Other VDO Specific Data</source>
        <comment>a download, in full</comment>
        <translation>Otros datos propios de VDO</translation>
    </message>
    <message>
        <source>Available from VDO tachographs</source>
        <translation>Disponible en tacógrafos VDO</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <translation>Veloc. detallada 168h</translation>
    </message>
    <message>
        <source>168h Detailed Speed</source>
        <comment>a download, in full</comment>
        <translation>Velocidad detallada (168h)</translation>
    </message>
    <message>
        <source>168h Detailed Speed available from VDO tachographs</source>
        <translation>Velocidad detallada de 168h disponible en tacógrafos VDO</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <translation>Datos 4Hz</translation>
    </message>
    <message>
        <source>4Hz Data</source>
        <comment>a download, in full</comment>
        <translation>Datos de velocidad a 4Hz</translation>
    </message>
    <message>
        <source>4Hz Speed Data available from VDO tachographs</source>
        <translation>Datos de velocidad a 4Hz disponibles en tacógrafos VDO</translation>
    </message>
    <message>
        <source>The number of days must be between %1 and %2.</source>
        <translation>El número de días debe estar entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>kordavel::writer</name>
    <message>
        <source>The Kordavel is write-protected.</source>
        <translation>El Kordavel está protegido contra escritura.</translation>
    </message>
    <message>
        <source>There is not enough space on the Kordavel.</source>
        <translation>No hay espacio suficiente en el Kordavel.</translation>
    </message>
    <message>
        <source>%1 on the Kordavel is in use by another program or locked; close that program and try again.</source>
        <translation>El archivo %1 del Kordavel está en uso por otro programa o bloqueado; cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The Kordavel refuses new files; it may be write-protected or locked by another program.</source>
        <translation>El Kordavel no acepta archivos nuevos; puede que esté protegido contra escritura o bloqueado por otro programa.</translation>
    </message>
    <message>
        <source>The configuration file could not be written (%1).</source>
        <translation>No se pudo escribir el archivo de configuración (%1).</translation>
    </message>
    <message>
        <source>The configuration file read back from the Kordavel differs from what was written.</source>
        <translation>El archivo de configuración leído de nuevo del Kordavel no coincide con lo que se escribió.</translation>
    </message>
    <message>
        <source>The files in the UPDATES folder of the Kordavel could not be listed.</source>
        <translation>No se pudieron listar los archivos de la carpeta UPDATES del Kordavel.</translation>
    </message>
    <message>
        <source>The old file %1 could not be deleted (%2).</source>
        <translation>No se pudo eliminar el archivo antiguo %1 (%2).</translation>
    </message>
    <message>
        <source>The configuration file could not be put in place (%1).</source>
        <translation>No se pudo colocar el archivo de configuración en su sitio (%1).</translation>
    </message>
    <message>
        <source>The configuration file could not be flushed to the Kordavel (%1).</source>
        <translation>No se pudo volcar el archivo de configuración al Kordavel (%1).</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be confirmed on the Kordavel (%2).</source>
        <translation>No se pudo confirmar el archivo de configuración %1 en el Kordavel (%2).</translation>
    </message>
    <message>
        <source>The Kordavel has no UPDATES folder.</source>
        <translation>El Kordavel no tiene carpeta UPDATES.</translation>
    </message>
    <message>
        <source>Unknown Kordavel type</source>
        <translation>Tipo de Kordavel desconocido</translation>
    </message>
    <message>
        <source>The date %1 cannot be stored in the Kordavel: dates must lie between %2 and %3.</source>
        <translation>La fecha %1 no se puede guardar en el Kordavel: las fechas deben estar entre %2 y %3.</translation>
    </message>
</context>
</TS>
