<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Application</name>
    <message>
        <source>Tarvo Script Application</source>
        <translation>Tarvo Script Application</translation>
    </message>
    <message>
        <source>About Tarvo Script Application</source>
        <translation>Über Tarvo Script Application</translation>
    </message>
    <message>
        <source>Version 1.01.00.02</source>
        <translation>Version 1.01.00.02</translation>
    </message>
    <message>
        <source>Tarvo Script Application for Linux %1</source>
        <translation>Tarvo Script Application für Linux %1</translation>
    </message>
    <message>
        <source>%1

File: %2

Line: %3</source>
        <translation>%1

Datei: %2

Zeile: %3</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error: This application only works with Qt version %1 or greater on a graphical desktop.</source>
        <translation>Fehler: Diese Anwendung läuft nur mit Qt ab Version %1 auf einer grafischen Arbeitsoberfläche.</translation>
    </message>
    <message>
        <source>Error: The application could not locate the proper font.</source>
        <translation>Fehler: Die Anwendung hat die benötigte Schriftart nicht gefunden.</translation>
    </message>
    <message>
        <source>Error: The application could not create the COM port Event Handler.</source>
        <translation>Fehler: Die Anwendung konnte die Ereignisbehandlung des COM-Ports nicht anlegen.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1 (%2). The last folder and the recent files will not be remembered.</source>
        <translation>Die Einstellungen konnten nicht nach %1 geschrieben werden (%2). Der zuletzt benutzte Ordner und die zuletzt geöffneten Dateien werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Tvo Files (*.tvo)</source>
        <translation>TVO-Dateien (*.tvo)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The document %1 could not be opened:
%2</source>
        <translation>Das Dokument %1 konnte nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>The document could not be saved to %1:
%2</source>
        <translation>Das Dokument konnte nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Some COM port settings of %1 were out of range and were set to their defaults:
%2</source>
        <translation>Einige COM-Port-Einstellungen von %1 lagen außerhalb des gültigen Bereichs und wurden auf ihre Standardwerte gesetzt:
%2</translation>
    </message>
    <message>
        <source>Some records of %1 could not be read and were left out; saving the document makes this permanent:
%2</source>
        <translation>Einige Datensätze von %1 konnten nicht gelesen werden und wurden ausgelassen. Wenn Sie das Dokument speichern, fehlen sie endgültig:
%2</translation>
    </message>
    <message>
        <source>The file %1 no longer exists. It was removed from the recent file list.</source>
        <translation>Die Datei %1 ist nicht mehr vorhanden. Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Tarvo</source>
        <translation>Tarvo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>The user guide is not installed: %1 does not exist. Reinstall Tarvo Script Application.</source>
        <translation>Das Benutzerhandbuch ist nicht installiert: %1 ist nicht vorhanden. Installieren Sie Tarvo Script Application neu.</translation>
    </message>
    <message>
        <source>The user guide %1 could not be shown: the desktop has no program for web pages.</source>
        <translation>Das Benutzerhandbuch %1 kann nicht angezeigt werden: Auf dem Desktop ist kein Programm für Webseiten eingerichtet.</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Dateieigenschaften</translation>
    </message>
    <message>
        <source>Document Schema: %1</source>
        <translation>Dokumentschema: %1</translation>
    </message>
    <message>
        <source>Language Table Schema: %1</source>
        <translation>Sprachtabellenschema: %1</translation>
    </message>
    <message>
        <source>Language Table Firmware Version: %1.%2</source>
        <translation>Firmware-Version der Sprachtabelle: %1.%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Move Language Table Upwards in Tree</source>
        <translation>Sprachtabelle im Baum nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Language Table Downwards in Tree</source>
        <translation>Sprachtabelle im Baum nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument anlegen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Das aktive Dokument schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>Show the schema and firmware version of the active document</source>
        <translation>Schema und Firmware-Version des aktiven Dokuments anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Die Anwendung beenden; fragt nach, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Move Table &amp;Up</source>
        <translation>Tabelle nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Table &amp;Down</source>
        <translation>Tabelle nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Redraw the form of the active document</source>
        <translation>Das Formular des aktiven Dokuments neu zeichnen</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Fenster nebeneinander ohne Überlappung anordnen</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Symbole am unteren Fensterrand anordnen</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Read how to connect, download, recover and restore a keyboard</source>
        <translation>Lesen, wie eine Tastatur angeschlossen, beschrieben, repariert und wiederhergestellt wird</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>Display program information and version number</source>
        <translation>Programminformationen und Versionsnummer anzeigen</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Maximized Resolution Sizes</source>
        <translation>&amp;Maximierte Auflösungen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>Über&amp;tragung</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>Debu&amp;g</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Show &amp;Characters Used</source>
        <translation>&amp;Verwendete Zeichen anzeigen</translation>
    </message>
    <message>
        <source>List the characters of the selected table&apos;s language</source>
        <translation>Die Zeichen der Sprache der gewählten Tabelle auflisten</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the file is not a settings file</source>
        <translation>die Datei ist keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>S&amp;prache...</translation>
    </message>
    <message>
        <source>Choose the language of the editor for its next start</source>
        <translation>Die Sprache des Editors für den nächsten Start wählen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The editor shows the chosen language when it is started again.</source>
        <translation>Der Editor erscheint in der gewählten Sprache, sobald er neu gestartet wird.</translation>
    </message>
</context>
<context>
    <name>ComPort</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM-Port einrichten</translation>
    </message>
    <message>
        <source>Select the COM port that will be used to communicate with the keyboard:</source>
        <translation>Wählen Sie den COM-Port, über den mit der Tastatur kommuniziert wird:</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM:</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2, missing)</source>
        <translation>%1 (%2, fehlt)</translation>
    </message>
    <message>
        <source>%1 (%2, not a serial port)</source>
        <translation>%1 (%2, kein serieller Port)</translation>
    </message>
    <message>
        <source>%1 (%2, not a valid address)</source>
        <translation>%1 (%2, keine gültige Adresse)</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 is present on this system.</source>
        <translation>%1 ist auf diesem System vorhanden.</translation>
    </message>
    <message>
        <source>%1 is not present on this system. It can still be chosen; a transfer on %2 reports the device as missing until it is connected.</source>
        <translation>%1 ist auf diesem System nicht vorhanden. Es kann trotzdem gewählt werden; eine Übertragung über %2 meldet das Gerät als fehlend, bis es angeschlossen ist.</translation>
    </message>
    <message>
        <source>%1 is not a serial port. A transfer on %2 cannot use it; choose a serial device (such as /dev/ttyUSB0) or a network serial server (rfc2217://HOST:PORT).</source>
        <translation>%1 ist kein serieller Port. Eine Übertragung über %2 kann es nicht verwenden; wählen Sie ein serielles Gerät (etwa /dev/ttyUSB0) oder einen Netzwerk-Seriell-Server (rfc2217://HOST:PORT).</translation>
    </message>
    <message>
        <source>%1 is a keyboard behind a network serial server (RFC 2217). A transfer on %2 connects to it when it starts.</source>
        <translation>%1 ist eine Tastatur hinter einem Netzwerk-Seriell-Server (RFC 2217). Eine Übertragung über %2 verbindet sich beim Start damit.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 or rfc2217://HOST:PORT</source>
        <translation>/dev/ttyUSB0 oder rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>The environment variable %1 maps %2 to this device and wins over the choice made here.</source>
        <translation>Die Umgebungsvariable %1 ordnet %2 diesem Gerät zu und hat Vorrang vor der Auswahl hier.</translation>
    </message>
    <message>
        <source>The device of %1 could not be stored: %2</source>
        <translation>Das Gerät von %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>COM Port Settings</source>
        <translation>COM-Port-Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>Puffer</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM-Port:</translation>
    </message>
    <message>
        <source>Baud:</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation>Handshake:</translation>
    </message>
    <message>
        <source>In Buffer Size:</source>
        <translation>Eingangspuffergröße:</translation>
    </message>
    <message>
        <source>R Threshold:</source>
        <translation>R-Schwelle:</translation>
    </message>
    <message>
        <source>Input Len:</source>
        <translation>Eingabelänge:</translation>
    </message>
    <message>
        <source>Out Buffer Size:</source>
        <translation>Ausgangspuffergröße:</translation>
    </message>
    <message>
        <source>S Threshold:</source>
        <translation>S-Schwelle:</translation>
    </message>
    <message>
        <source>EOF Enable:</source>
        <translation>EOF aktiv:</translation>
    </message>
    <message>
        <source>Null Discard:</source>
        <translation>Nullzeichen verwerfen:</translation>
    </message>
    <message>
        <source>RTS Enable:</source>
        <translation>RTS aktiv:</translation>
    </message>
    <message>
        <source>DTR Enable:</source>
        <translation>DTR aktiv:</translation>
    </message>
    <message>
        <source>Parity Replace:</source>
        <translation>Paritätsersatz:</translation>
    </message>
    <message>
        <source>Input Mode:</source>
        <translation>Eingabemodus:</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Configure COM Port...</source>
        <translation>COM-Port &amp;konfigurieren...</translation>
    </message>
    <message>
        <source>Select the COM port used to communicate with the keyboard</source>
        <translation>Den COM-Port wählen, über den mit der Tastatur kommuniziert wird</translation>
    </message>
    <message>
        <source>COM Port &amp;Settings...</source>
        <translation>COM-Port-&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Show and change every setting of the COM port</source>
        <translation>Alle Einstellungen des COM-Ports anzeigen und ändern</translation>
    </message>
</context>
<context>
    <name>CoreMessages</name>
    <message>
        <source>Error: COM %d can not be opened.</source>
        <translation>Fehler: COM %d kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Error: The transfer has timed out.</source>
        <translation>Fehler: Die Übertragung hat das Zeitlimit überschritten.</translation>
    </message>
    <message>
        <source>An internal error occurred (code: %s).</source>
        <translation>Ein interner Fehler ist aufgetreten (Code: %s).</translation>
    </message>
    <message>
        <source>An internal error occurred (code: %d).</source>
        <translation>Ein interner Fehler ist aufgetreten (Code: %d).</translation>
    </message>
    <message>
        <source>Error: Communication could not be established.

Please make sure that:

1) The correct COM port has been chosen .
2) The RS-232 cable is connected to the COM port and the keyboard.
3) The keyboard has been placed in &quot;bootloader&quot; mode.

Refer to the ReadMe file for more information on placing the keyboard in &quot;bootloader&quot; mode.</source>
        <translation>Fehler: Es konnte keine Verbindung hergestellt werden.

Bitte stellen Sie sicher, dass:

1) der richtige COM-Port gewählt ist.
2) das RS-232-Kabel mit dem COM-Port und der Tastatur verbunden ist.
3) die Tastatur im „Bootloader“-Modus ist.

Weitere Hinweise zum „Bootloader“-Modus der Tastatur finden Sie in der ReadMe-Datei.</translation>
    </message>
    <message>
        <source>The serial port was lost (unplugged or closed)</source>
        <translation>Die Verbindung zum seriellen Port ist verloren (abgezogen oder geschlossen)</translation>
    </message>
    <message>
        <source>Error: The keyboard failed to return its ID.</source>
        <translation>Fehler: Die Tastatur hat ihre Kennung nicht zurückgegeben.</translation>
    </message>
    <message>
        <source>Error: The COM port is locked.</source>
        <translation>Fehler: Der COM-Port ist gesperrt.</translation>
    </message>
    <message>
        <source>Error: The transfer session could not be initialized.</source>
        <translation>Fehler: Die Übertragungssitzung konnte nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>Error: A timer resource could not be allocated.</source>
        <translation>Fehler: Es konnte kein Zeitgeber angelegt werden.</translation>
    </message>
    <message>
        <source>The Quill application is only compatible with keyboard model type: KBD-OMNIA</source>
        <translation>Die Quill-Anwendung ist nur mit dem Tastaturmodell KBD-OMNIA kompatibel</translation>
    </message>
    <message>
        <source>The keyboard&apos;s bootloader is version %s: it answers reads only with unchecked text lines, so its language tables cannot be read to import or download them. Query Keyboard still shows what it holds.</source>
        <translation>Der Bootloader der Tastatur hat die Version %s: Er beantwortet Lesebefehle nur mit ungeprüften Textzeilen, daher können seine Sprachtabellen weder importiert noch heruntergeladen werden. „Tastatur abfragen“ zeigt weiterhin an, was sie enthält.</translation>
    </message>
    <message>
        <source>Establishing Connection</source>
        <translation>Verbindung wird hergestellt</translation>
    </message>
    <message>
        <source>Pinging Keyboard</source>
        <translation>Tastatur wird angepingt</translation>
    </message>
    <message>
        <source>Pong Received</source>
        <translation>Pong empfangen</translation>
    </message>
    <message>
        <source>Flashing Sector</source>
        <translation>Sektor wird geflasht</translation>
    </message>
    <message>
        <source>Sector Flashed</source>
        <translation>Sektor geflasht</translation>
    </message>
    <message>
        <source>Reading Keyboard ID</source>
        <translation>Tastaturkennung wird gelesen</translation>
    </message>
    <message>
        <source>Keyboard ID Received</source>
        <translation>Tastaturkennung empfangen</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>Übertragung abgeschlossen</translation>
    </message>
    <message>
        <source>** Error **</source>
        <translation>** Fehler **</translation>
    </message>
    <message>
        <source>Pinging keyboard at 19200 baud rate..........</source>
        <translation>Tastatur wird mit 19200 Baud angepingt..........</translation>
    </message>
    <message>
        <source>Pinging keyboard at 57600 baud rate............</source>
        <translation>Tastatur wird mit 57600 Baud angepingt............</translation>
    </message>
    <message>
        <source>Error: The document could not be opened because it was created with a newer version of this application.

Wend Schema: %d
Doc Schema: %d</source>
        <extracomment>&quot;Wend Schema&quot; is the schema this program writes; &quot;Wend&quot; has no translation.</extracomment>
        <translation>Fehler: Das Dokument kann nicht geöffnet werden, da es mit einer neueren Version dieser Anwendung erstellt wurde.

Wend-Schema: %d
Dokumentschema: %d</translation>
    </message>
    <message>
        <source>Error - This version of Tarvo Script Application supports .tvo file that is created with keyboard firmware 1.40 or above.</source>
        <translation>Fehler – Diese Version von Tarvo Script Application unterstützt nur .tvo-Dateien, die mit Tastatur-Firmware 1.40 oder höher erstellt wurden.</translation>
    </message>
    <message>
        <source>Error: The document could not be created -- no valid language table templates could be found.</source>
        <translation>Fehler: Das Dokument konnte nicht erstellt werden – es wurden keine gültigen Sprachtabellenvorlagen gefunden.</translation>
    </message>
    <message>
        <source>Error: The document could not be created -- the maximum number of documents already exists.</source>
        <translation>Fehler: Das Dokument konnte nicht erstellt werden – die Höchstzahl an Dokumenten ist bereits erreicht.</translation>
    </message>
    <message>
        <source>Error: &lt;illegal character&gt;: &apos;%c&apos; (%d)</source>
        <translation>Fehler: &lt;ungültiges Zeichen&gt;: „%c“ (%d)</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected End Of Line&gt;</source>
        <translation>Fehler: &lt;unerwartetes Zeilenende&gt;</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected token&gt;: %s</source>
        <translation>Fehler: &lt;unerwartetes Symbol&gt;: %s</translation>
    </message>
    <message>
        <source>Error: &lt;invalid schema number&gt;: The template&apos;s file-wide schema number is not supported.</source>
        <translation>Fehler: &lt;ungültige Schemanummer&gt;: Die Schemanummer der Vorlagendatei wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected token&gt;: EOLN</source>
        <translation>Fehler: &lt;unerwartetes Symbol&gt;: EOLN</translation>
    </message>
    <message>
        <source>A file exception was raised (code == %d).</source>
        <translation>Eine Dateiausnahme ist aufgetreten (Code == %d).</translation>
    </message>
    <message>
        <source>Error: &lt;too many lines&gt;: No section keyword was found within %d lines.</source>
        <translation>Fehler: &lt;zu viele Zeilen&gt;: Innerhalb von %d Zeilen wurde kein Abschnittsschlüsselwort gefunden.</translation>
    </message>
    <message>
        <source>Error: &lt;too many records&gt;: A section holds more than %d records.</source>
        <translation>Fehler: &lt;zu viele Datensätze&gt;: Ein Abschnitt enthält mehr als %d Datensätze.</translation>
    </message>
    <message>
        <source>Error: &lt;invalid menu number&gt;: %d (menus are numbered %d to %d)</source>
        <translation>Fehler: &lt;ungültige Menünummer&gt;: %d (Menüs sind von %d bis %d nummeriert)</translation>
    </message>
    <message>
        <source>Error: &lt;invalid entry number&gt;: %d (entries are numbered %d to %d)</source>
        <translation>Fehler: &lt;ungültige Eintragsnummer&gt;: %d (Einträge sind von %d bis %d nummeriert)</translation>
    </message>
    <message>
        <source>Error: &lt;invalid font number&gt;: %d (fonts are numbered %d to %d)</source>
        <translation>Fehler: &lt;ungültige Schriftnummer&gt;: %d (Schriften sind von %d bis %d nummeriert)</translation>
    </message>
    <message>
        <source>It is larger than %d MB, more than any template holds.</source>
        <translation>Sie ist größer als %d MB, mehr als jede Vorlage enthält.</translation>
    </message>
    <message>
        <source>Error: &lt;too many tables&gt;: A template holds at most %d language tables.</source>
        <translation>Fehler: &lt;zu viele Tabellen&gt;: Eine Vorlage enthält höchstens %d Sprachtabellen.</translation>
    </message>
    <message>
        <source>Tx Buffer Below SThreshold</source>
        <translation>Sendepuffer unter SThreshold</translation>
    </message>
    <message>
        <source>Rx Buffer Met RThreshold</source>
        <translation>Empfangspuffer hat RThreshold erreicht</translation>
    </message>
    <message>
        <source>CTS Changed</source>
        <translation>CTS geändert</translation>
    </message>
    <message>
        <source>DSR Transitioned To 0</source>
        <translation>DSR auf 0 gewechselt</translation>
    </message>
    <message>
        <source>CD Changed</source>
        <translation>CD geändert</translation>
    </message>
    <message>
        <source>Ring Detected</source>
        <translation>Klingeln erkannt</translation>
    </message>
    <message>
        <source>EOF Received (ASCII 26)</source>
        <translation>EOF empfangen (ASCII 26)</translation>
    </message>
    <message>
        <source>BREAK Received</source>
        <translation>BREAK empfangen</translation>
    </message>
    <message>
        <source>CTS Timeout</source>
        <translation>CTS-Zeitüberschreitung</translation>
    </message>
    <message>
        <source>DSR Timeout</source>
        <translation>DSR-Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Framing Error</source>
        <translation>Rahmenfehler</translation>
    </message>
    <message>
        <source>Port Overrun</source>
        <translation>Port-Überlauf</translation>
    </message>
    <message>
        <source>CD Timeout</source>
        <translation>CD-Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Rx Buffer Overflow</source>
        <translation>Empfangspuffer übergelaufen</translation>
    </message>
    <message>
        <source>Rx Parity Error</source>
        <translation>Paritätsfehler beim Empfang</translation>
    </message>
    <message>
        <source>Tx Buffer Full</source>
        <translation>Sendepuffer voll</translation>
    </message>
    <message>
        <source>DCB Retrieval Error</source>
        <translation>Fehler beim Lesen des DCB</translation>
    </message>
    <message>
        <source>No Event</source>
        <translation>Kein Ereignis</translation>
    </message>
    <message>
        <source>In Buffer Size</source>
        <translation>Eingangspuffergröße</translation>
    </message>
    <message>
        <source>Input Len</source>
        <translation>Eingabelänge</translation>
    </message>
    <message>
        <source>Out Buffer Size</source>
        <translation>Ausgangspuffergröße</translation>
    </message>
    <message>
        <source>Parity Replace</source>
        <translation>Paritätsersatz</translation>
    </message>
    <message>
        <source>** Unknown Event **</source>
        <translation>** Unbekanntes Ereignis **</translation>
    </message>
    <message>
        <source>RTS &amp; Xon/Xoff</source>
        <translation>RTS &amp; Xon/Xoff</translation>
    </message>
    <message>
        <source>In Buffer Size must be a value between %d and %d.</source>
        <translation>Die Eingangspuffergröße muss zwischen %d und %d liegen.</translation>
    </message>
    <message>
        <source>RThreshold must be a value between %d and %d.</source>
        <translation>RThreshold muss zwischen %d und %d liegen.</translation>
    </message>
    <message>
        <source>Input Len must be a value between %d and %d.</source>
        <translation>Die Eingabelänge muss zwischen %d und %d liegen.</translation>
    </message>
    <message>
        <source>Out Buffer Size must be a value between %d and %d.</source>
        <translation>Die Ausgangspuffergröße muss zwischen %d und %d liegen.</translation>
    </message>
    <message>
        <source>SThreshold must be a value between %d and %d.</source>
        <translation>SThreshold muss zwischen %d und %d liegen.</translation>
    </message>
    <message>
        <source>Parity Replace must be a value between %d and %d.</source>
        <translation>Der Paritätsersatz muss zwischen %d und %d liegen.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d is incomplete: a write of it was interrupted, so it cannot be imported. Write it again first.</source>
        <translation>Die Tastatur-Sprachtabelle #%d ist unvollständig: Ein Schreibvorgang wurde unterbrochen, daher kann sie nicht importiert werden. Schreiben Sie sie zuerst erneut.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds no table to import.</source>
        <translation>Die Tastatur-Sprachtabelle #%d enthält keine Tabelle zum Importieren.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d: the template has no table of language %d.</source>
        <translation>Tastatur-Sprachtabelle #%d: Die Vorlage hat keine Tabelle der Sprache %d.</translation>
    </message>
    <message>
        <source>Please select the language to be imported</source>
        <translation>Bitte wählen Sie die zu importierende Sprache</translation>
    </message>
    <message>
        <source>Error: The keyboard only supports %d language tables.

Uploads must be restricted to keyboard language tables 1 - %d.</source>
        <translation>Fehler: Die Tastatur unterstützt nur %d Sprachtabellen.

Übertragungen sind auf die Tastatur-Sprachtabellen 1 - %d beschränkt.</translation>
    </message>
    <message>
        <source>Keyboard language tables #%d and #%d would both receive the document&apos;s table %d. Download only one of them, or choose a table &quot;as stored&quot; for each.</source>
        <translation>Die Tastatur-Sprachtabellen #%d und #%d würden beide die Dokumenttabelle %d erhalten. Laden Sie nur eine davon herunter oder wählen Sie für jede eine Tabelle „wie gespeichert“.</translation>
    </message>
    <message>
        <source>Slots %d and %d would both receive document table %d; name the table for each with N=I.</source>
        <translation>Die Steckplätze %d und %d würden beide die Dokumenttabelle %d erhalten; geben Sie die Tabelle für jeden mit N=I an.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d: the document has no table %d.</source>
        <translation>Tastatur-Sprachtabelle #%d: Das Dokument hat keine Tabelle %d.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds no table to match. Choose one of the document&apos;s tables &quot;as stored&quot; for it.</source>
        <translation>Die Tastatur-Sprachtabelle #%d enthält keine Tabelle zum Abgleichen. Wählen Sie dafür eine der Tabellen des Dokuments „wie gespeichert“.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds language %d, and the document has no table of that language. Choose one of the document&apos;s tables &quot;as stored&quot; for it, or &quot;(do not download)&quot;.</source>
        <translation>Die Tastatur-Sprachtabelle #%d enthält die Sprache %d, und das Dokument hat keine Tabelle dieser Sprache. Wählen Sie dafür eine der Tabellen des Dokuments „wie gespeichert“ oder „(nicht herunterladen)“.</translation>
    </message>
    <message>
        <source>(do not download)</source>
        <translation>(nicht herunterladen)</translation>
    </message>
    <message>
        <source>Flash Memory Is Blank</source>
        <translation>Flash-Speicher ist leer</translation>
    </message>
    <message>
        <source>The version of the language tables present in the keyboard must be greater than or equal to 1.94</source>
        <translation>Die Version der Sprachtabellen in der Tastatur muss 1.94 oder höher sein</translation>
    </message>
    <message>
        <source>Cancelling download operation would corrupt  language table in the keyboard 
 Press Yes to cancel or No to continue downloading</source>
        <translation>Ein Abbruch des Herunterladens würde die Sprachtabelle in der Tastatur beschädigen.
Drücken Sie „Ja“ zum Abbrechen oder „Nein“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Transferring Language Table  %s:</source>
        <translation>Sprachtabelle %s wird übertragen:</translation>
    </message>
    <message>
        <source>Language table #%d in the keyboard is now incomplete and must be written again.</source>
        <translation>Die Sprachtabelle #%d in der Tastatur ist jetzt unvollständig und muss erneut geschrieben werden.</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: its image holds %d bytes instead of %d. Nothing was erased.</source>
        <translation>Die Sprachtabelle #%d kann nicht geschrieben werden: Ihr Abbild enthält %d statt %d Bytes. Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: the record of its write cannot be stored (%s). Nothing was erased.</source>
        <translation>Die Sprachtabelle #%d kann nicht geschrieben werden: Die Aufzeichnung des Schreibvorgangs kann nicht gespeichert werden (%s). Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: the keyboard has %d language table slots. Nothing was erased.</source>
        <translation>Die Sprachtabelle #%d kann nicht geschrieben werden: Die Tastatur hat %d Steckplätze für Sprachtabellen. Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>The document&apos;s tables %d and %d both came from keyboard language table #%d.</source>
        <translation>Die Dokumenttabellen %d und %d stammen beide aus der Tastatur-Sprachtabelle #%d.</translation>
    </message>
    <message>
        <source>Document tables %d and %d both record keyboard slot %d.</source>
        <translation>Die Dokumenttabellen %d und %d verzeichnen beide den Tastatur-Steckplatz %d.</translation>
    </message>
    <message>
        <source>The document&apos;s table %d records no keyboard language table it came from, so it cannot be written back as stored.</source>
        <translation>Die Dokumenttabelle %d verzeichnet keine Tastatur-Sprachtabelle, aus der sie stammt, daher kann sie nicht wie gespeichert zurückgeschrieben werden.</translation>
    </message>
    <message>
        <source>No table of the document came from keyboard language table #%d, so nothing can be written back into it as stored. Choose one of the document&apos;s tables &quot;as stored&quot; for it.</source>
        <translation>Keine Tabelle des Dokuments stammt aus der Tastatur-Sprachtabelle #%d, daher kann nichts wie gespeichert dorthin zurückgeschrieben werden. Wählen Sie dafür eine der Tabellen des Dokuments „wie gespeichert“.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d was not read completely; nothing was merged.</source>
        <translation>Die Tastatur-Sprachtabelle #%d wurde nicht vollständig gelesen; es wurde nichts zusammengeführt.</translation>
    </message>
    <message>
        <source>Keyboard language table #%d reads erased in its script menus or its last block, as an interrupted write leaves it; nothing was merged.</source>
        <translation>Die Tastatur-Sprachtabelle #%d ist in ihren Skriptmenüs oder ihrem letzten Block gelöscht, wie es ein unterbrochener Schreibvorgang hinterlässt; es wurde nichts zusammengeführt.</translation>
    </message>
    <message>
        <source>( empty )</source>
        <translation>( leer )</translation>
    </message>
    <message>
        <source>( flashed clear )</source>
        <translation>( leer geflasht )</translation>
    </message>
    <message>
        <source>Reading Language Table Information</source>
        <translation>Sprachtabelleninformationen werden gelesen</translation>
    </message>
    <message>
        <source>Reading Script Menus:</source>
        <translation>Skriptmenüs werden gelesen:</translation>
    </message>
    <message>
        <source>Script Menu %d to %s</source>
        <translation>Skriptmenü %d bis %s</translation>
    </message>
    <message>
        <source>(new language table)</source>
        <translation>(neue Sprachtabelle)</translation>
    </message>
    <message>
        <source>Reading Language Table  %s:</source>
        <translation>Sprachtabelle %s wird gelesen:</translation>
    </message>
    <message>
        <source>Finished reading scripts from keyboard for merging, click Ok to transfer the merged scripts.</source>
        <translation>Die Skripte wurden zum Zusammenführen aus der Tastatur gelesen. Klicken Sie auf „OK“, um die zusammengeführten Skripte zu übertragen.</translation>
    </message>
    <message>
        <source>Error: Bad checksum on incoming packet.</source>
        <translation>Fehler: Falsche Prüfsumme im empfangenen Paket.</translation>
    </message>
    <message>
        <source>Dump S Records</source>
        <translation>S-Records ausgeben</translation>
    </message>
    <message>
        <source>Dump Iconic Language S Records</source>
        <translation>Iconic-Sprach-S-Records ausgeben</translation>
    </message>
    <message>
        <source>(dump nothing)</source>
        <translation>(nichts ausgeben)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>A communication error occurred.</source>
        <translation>Ein Kommunikationsfehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>A command error occurred.</source>
        <translation>Ein Befehlsfehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>  at 19200 Baudrate </source>
        <extracomment>Follows &quot;Pinging Keyboard&quot; on the progress line; keep the blanks at both ends.</extracomment>
        <translation>  mit 19200 Baud </translation>
    </message>
    <message>
        <source>  at  57600 Baudrate </source>
        <extracomment>Follows &quot;Pinging Keyboard&quot; on the progress line; keep the blanks at both ends.</extracomment>
        <translation>  mit 57600 Baud </translation>
    </message>
    <message>
        <source>%d of %d</source>
        <extracomment>Blocks done of blocks in all.</extracomment>
        <translation>%d von %d</translation>
    </message>
    <message>
        <source>The keyboard reports no language table slots it supports.</source>
        <translation>Die Tastatur meldet keine unterstützten Sprachtabellen-Plätze.</translation>
    </message>
    <message>
        <source>The document holds no language table to download.</source>
        <translation>Das Dokument enthält keine Sprachtabelle zum Herunterladen.</translation>
    </message>
    <message>
        <source> (keyboard language table #%d)</source>
        <translation> (Tastatur-Sprachtabelle #%d)</translation>
    </message>
    <message>
        <source>The script menus read from the keyboard could not be merged into the document.</source>
        <translation>Die von der Tastatur gelesenen Skriptmenüs konnten nicht mit dem Dokument zusammengeführt werden.</translation>
    </message>
    <message>
        <source>keyboard language table #%d differs at block %d, offset %s: expected %s, read %s</source>
        <translation>Tastatur-Sprachtabelle #%d weicht in Block %d, Offset %s ab: erwartet %s, gelesen %s</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>What a verify read back where no byte came.</extracomment>
        <translation>nichts</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>cancelled: %s</source>
        <translation>abgebrochen: %s</translation>
    </message>
    <message>
        <source>the session failed</source>
        <translation>die Sitzung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>not every block of the chosen slots came in</source>
        <translation>nicht alle Blöcke der gewählten Plätze sind angekommen</translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>abgebrochen; es wurde nichts gelöscht</translation>
    </message>
    <message>
        <source>cancelled; the tables were written but not verified</source>
        <translation>abgebrochen; die Tabellen wurden geschrieben, aber nicht geprüft</translation>
    </message>
    <message>
        <source>%s; nothing was erased</source>
        <translation>%s; es wurde nichts gelöscht</translation>
    </message>
    <message>
        <source>the keyboard could not be read: %s</source>
        <translation>die Tastatur konnte nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>the keyboard could not be read, nothing was erased: %s</source>
        <translation>die Tastatur konnte nicht gelesen werden, es wurde nichts gelöscht: %s</translation>
    </message>
    <message>
        <source>the written tables could not be read back to verify them: %s</source>
        <translation>die geschriebenen Tabellen konnten zur Prüfung nicht zurückgelesen werden: %s</translation>
    </message>
    <message>
        <source>the file is damaged or not a document: %s</source>
        <translation>die Datei ist beschädigt oder kein Dokument: %s</translation>
    </message>
    <message>
        <source>the file is empty, not a document</source>
        <translation>die Datei ist leer, kein Dokument</translation>
    </message>
    <message>
        <source>the file is a language table template, not a document</source>
        <translation>die Datei ist eine Sprachtabellen-Vorlage, kein Dokument</translation>
    </message>
    <message>
        <source>the file is not a document</source>
        <translation>die Datei ist kein Dokument</translation>
    </message>
    <message>
        <source>An image read from the keyboard is not a whole table.</source>
        <translation>Ein von der Tastatur gelesenes Abbild ist keine vollständige Tabelle.</translation>
    </message>
    <message>
        <source>No table was read from the keyboard.</source>
        <translation>Es wurde keine Tabelle von der Tastatur gelesen.</translation>
    </message>
    <message>
        <source>The tables read from the keyboard could not be made into a document.</source>
        <translation>Aus den von der Tastatur gelesenen Tabellen konnte kein Dokument erstellt werden.</translation>
    </message>
    <message>
        <source>A language table could not be copied.</source>
        <translation>Eine Sprachtabelle konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>a file of this name exists</source>
        <translation>eine Datei dieses Namens existiert bereits</translation>
    </message>
    <message>
        <source>


Template: %s

Line: %d

Column: %d</source>
        <extracomment>Follows a template error; keep the line breaks.</extracomment>
        <translation>


Vorlage: %s

Zeile: %d

Spalte: %d</translation>
    </message>
    <message>
        <source>The template has no byte order mark.</source>
        <translation>Die Vorlage hat keine Bytereihenfolge-Markierung (BOM).</translation>
    </message>
    <message>
        <source>A new document could not be created.</source>
        <translation>Es konnte kein neues Dokument erstellt werden.</translation>
    </message>
    <message>
        <source>The template &quot;%s&quot; could not be opened.  </source>
        <extracomment>The cause follows at once; keep the two blanks at the end where the language puts blanks between sentences.</extracomment>
        <translation>Die Vorlage „%s“ konnte nicht geöffnet werden.  </translation>
    </message>
    <message>
        <source>An unspecified error occured.</source>
        <translation>Ein nicht näher bestimmter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>It could not be found.</source>
        <extracomment>&quot;It&quot; is the template.</extracomment>
        <translation>Sie wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>All or part of its pathname is invalid.</source>
        <translation>Ihr Pfadname ist ganz oder teilweise ungültig.</translation>
    </message>
    <message>
        <source>The permitted number of open files was exceeded.</source>
        <translation>Die zulässige Anzahl geöffneter Dateien wurde überschritten.</translation>
    </message>
    <message>
        <source>Access to the file was denied.</source>
        <translation>Der Zugriff auf die Datei wurde verweigert.</translation>
    </message>
    <message>
        <source>Its file handle is invalid.</source>
        <translation>Ihr Datei-Handle ist ungültig.</translation>
    </message>
    <message>
        <source>There was an error trying to set the file pointer.</source>
        <translation>Beim Setzen des Dateizeigers ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>There was a hardware error.</source>
        <translation>Es ist ein Hardwarefehler aufgetreten.</translation>
    </message>
    <message>
        <source>There was a sharing violation.</source>
        <translation>Es ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>There was a lock violation.</source>
        <translation>Es ist eine Sperrverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>The EOF was encountered unexpectantly.</source>
        <translation>Das Dateiende wurde unerwartet erreicht.</translation>
    </message>
    <message>
        <source>The template &quot;%s&quot; could not be read.  </source>
        <extracomment>The cause follows at once; keep the two blanks at the end where the language puts blanks between sentences.</extracomment>
        <translation>Die Vorlage „%s“ konnte nicht gelesen werden.  </translation>
    </message>
    <message>
        <source>It ends in the middle of a character.</source>
        <extracomment>&quot;It&quot; is the template.</extracomment>
        <translation>Sie endet mitten in einem Zeichen.</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <extracomment>A handshaking of the serial line: a technical name, kept as it is.</extracomment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>RTS</source>
        <extracomment>A handshaking of the serial line: a technical name, kept as it is.</extracomment>
        <translation>RTS</translation>
    </message>
    <message>
        <source>ASCII</source>
        <extracomment>An input mode of the serial line: a technical name, kept as it is.</extracomment>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>refused: %s</source>
        <extracomment>%s: why the download would stop before erasing this table.</extracomment>
        <translation>abgelehnt: %s</translation>
    </message>
    <message>
        <source>unchanged: the keyboard already holds it</source>
        <translation>unverändert: Die Tastatur enthält sie bereits</translation>
    </message>
    <message>
        <source>recovered from the backup %s</source>
        <extracomment>%s: the backup file&apos;s path.</extracomment>
        <translation>Wiederherstellung aus der Sicherung %s</translation>
    </message>
    <message>
        <source>recovered from the interrupted write&apos;s record</source>
        <translation>Wiederherstellung aus der Aufzeichnung des unterbrochenen Schreibvorgangs</translation>
    </message>
    <message>
        <source>written as stored</source>
        <translation>wird wie gespeichert geschrieben</translation>
    </message>
    <message>
        <source>%d entry changes</source>
        <translation>%d Eintrag ändert sich</translation>
    </message>
    <message>
        <source>%d entries change</source>
        <translation>%d Einträge ändern sich</translation>
    </message>
    <message>
        <source>An error occurred while attempting to set the COM port&apos;s %s</source>
        <extracomment>%s is one of the COM port&apos;s settings, as its own text says it, ending in a full stop.</extracomment>
        <translation>Beim Setzen dieser Einstellung des COM-Ports ist ein Fehler aufgetreten: %s</translation>
    </message>
    <message>
        <source>An error occurred while attempting to get the COM port&apos;s %s</source>
        <extracomment>%s is one of the COM port&apos;s settings, as its own text says it, ending in a full stop.</extracomment>
        <translation>Beim Lesen dieser Einstellung des COM-Ports ist ein Fehler aufgetreten: %s</translation>
    </message>
    <message>
        <source>PortOpen value.</source>
        <extracomment>A property of the serial control: PortOpen is its name.</extracomment>
        <translation>PortOpen-Wert.</translation>
    </message>
    <message>
        <source>port number.</source>
        <translation>Portnummer.</translation>
    </message>
    <message>
        <source>general settings (Baud, Parity, Data Bits, and Stop Bits).</source>
        <translation>allgemeine Einstellungen (Baudrate, Parität, Datenbits und Stoppbits).</translation>
    </message>
    <message>
        <source>Handshaking value.</source>
        <translation>Handshake-Wert.</translation>
    </message>
    <message>
        <source>In Buffer Size.</source>
        <translation>Eingangspuffergröße.</translation>
    </message>
    <message>
        <source>RThreshold value.</source>
        <extracomment>RThreshold is the serial control&apos;s own name.</extracomment>
        <translation>RThreshold-Wert.</translation>
    </message>
    <message>
        <source>Input Len.</source>
        <translation>Eingabelänge.</translation>
    </message>
    <message>
        <source>Out Buffer Size.</source>
        <translation>Ausgangspuffergröße.</translation>
    </message>
    <message>
        <source>SThreshold value.</source>
        <extracomment>SThreshold is the serial control&apos;s own name.</extracomment>
        <translation>SThreshold-Wert.</translation>
    </message>
    <message>
        <source>EOF Enable property.</source>
        <extracomment>EOF Enable is the serial control&apos;s own name.</extracomment>
        <translation>Eigenschaft EOF Enable.</translation>
    </message>
    <message>
        <source>Null Discard property.</source>
        <extracomment>Null Discard is the serial control&apos;s own name.</extracomment>
        <translation>Eigenschaft Null Discard.</translation>
    </message>
    <message>
        <source>RTS Enable property.</source>
        <extracomment>RTS Enable is the serial control&apos;s own name.</extracomment>
        <translation>Eigenschaft RTS Enable.</translation>
    </message>
    <message>
        <source>DTR Enable property.</source>
        <extracomment>DTR Enable is the serial control&apos;s own name.</extracomment>
        <translation>Eigenschaft DTR Enable.</translation>
    </message>
    <message>
        <source>Parity Replace value.</source>
        <translation>Paritätsersatz-Wert.</translation>
    </message>
    <message>
        <source>Input Mode.</source>
        <translation>Eingabemodus.</translation>
    </message>
    <message>
        <source>(incomplete)</source>
        <extracomment>After a table&apos;s name in a slot&apos;s list: a write of it was interrupted.</extracomment>
        <translation>(unvollständig)</translation>
    </message>
    <message>
        <source>(blank: interrupted write of %s)</source>
        <extracomment>After &quot;Flash Memory Is Blank&quot; in a slot&apos;s list; %s is the language of the table that was being written.</extracomment>
        <translation>(leer: Schreiben von %s unterbrochen)</translation>
    </message>
    <message>
        <source>keyboard language table #%d (%s, language %d) skipped: the template has no table of that language</source>
        <extracomment>%s is the table&apos;s name.</extracomment>
        <translation>Tastatur-Sprachtabelle #%d (%s, Sprache %d) übersprungen: die Vorlage hat keine Tabelle dieser Sprache</translation>
    </message>
    <message>
        <source>keyboard language table #%d (%s) skipped: it is incomplete, a write of it was interrupted</source>
        <extracomment>%s is the table&apos;s name.</extracomment>
        <translation>Tastatur-Sprachtabelle #%d (%s) übersprungen: sie ist unvollständig, ein Schreibvorgang wurde unterbrochen</translation>
    </message>
    <message>
        <source>keyboard language table #%d unchanged: it already holds this table</source>
        <translation>Tastatur-Sprachtabelle #%d unverändert: sie enthält diese Tabelle bereits</translation>
    </message>
    <message>
        <source>no chosen slot holds a table to back up</source>
        <translation>kein gewählter Steckplatz enthält eine Tabelle zum Sichern</translation>
    </message>
    <message>
        <source>%s was not written</source>
        <extracomment>%s is the backup file&apos;s path.</extracomment>
        <translation>%s wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>backup of %d table saved to %s</source>
        <extracomment>One table; %s is the backup file&apos;s path.</extracomment>
        <translation>Sicherung von %1 Tabelle in %2 gespeichert</translation>
    </message>
    <message>
        <source>backup of %d tables saved to %s</source>
        <extracomment>Several tables; %s is the backup file&apos;s path.</extracomment>
        <translation>Sicherung von %1 Tabellen in %2 gespeichert</translation>
    </message>
    <message>
        <source>no place to save the backup</source>
        <translation>kein Ort zum Speichern der Sicherung</translation>
    </message>
    <message>
        <source>backup: %s</source>
        <extracomment>Why the backup document could not be made.</extracomment>
        <translation>Sicherung: %s</translation>
    </message>
    <message>
        <source>the backup %s cannot be read: %s</source>
        <extracomment>The first %s is the backup file&apos;s path, the second why.</extracomment>
        <translation>die Sicherung %s kann nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>the backup %s holds a table of another language for it</source>
        <extracomment>&quot;it&quot; is the keyboard&apos;s slot.</extracomment>
        <translation>die Sicherung %s enthält für diesen Steckplatz eine Tabelle einer anderen Sprache</translation>
    </message>
    <message>
        <source>its table in the backup %s reads erased</source>
        <extracomment>&quot;its&quot; is the keyboard&apos;s slot&apos;s.</extracomment>
        <translation>seine Tabelle in der Sicherung %s liest sich gelöscht</translation>
    </message>
    <message>
        <source>the backup %s holds no table of it</source>
        <extracomment>&quot;it&quot; is the keyboard&apos;s slot.</extracomment>
        <translation>die Sicherung %s enthält keine Tabelle dieses Steckplatzes</translation>
    </message>
    <message>
        <source>no backup was saved before it</source>
        <extracomment>&quot;it&quot; is the interrupted write.</extracomment>
        <translation>vor diesem Schreibvorgang wurde keine Sicherung gespeichert</translation>
    </message>
    <message>
        <source>keyboard language table #%d cannot be recovered: %s</source>
        <extracomment>%s says why.</extracomment>
        <translation>Tastatur-Sprachtabelle #%d kann nicht wiederhergestellt werden: %s</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left blank by an interrupted write on this device (assumed: a blank slot cannot show it)</source>
        <translation>Tastatur-Sprachtabelle #%d wurde von einem unterbrochenen Schreibvorgang an diesem Gerät leer hinterlassen (angenommen: ein leerer Steckplatz kann es nicht zeigen)</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left incomplete by an interrupted write</source>
        <translation>Tastatur-Sprachtabelle #%d wurde von einem unterbrochenen Schreibvorgang unvollständig hinterlassen</translation>
    </message>
    <message>
        <source>the document&apos;s edited entries are merged into its table in the backup %s</source>
        <extracomment>&quot;its&quot; is the keyboard&apos;s slot&apos;s.</extracomment>
        <translation>die bearbeiteten Einträge des Dokuments werden in seine Tabelle in der Sicherung %s eingefügt</translation>
    </message>
    <message>
        <source>%s, so the document&apos;s edited entries are merged into the image that write was writing</source>
        <extracomment>%s says why the backup was not used.</extracomment>
        <translation>%s, daher werden die bearbeiteten Einträge des Dokuments in das Abbild eingefügt, das jener Schreibvorgang schrieb</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left by an interrupted write: the document&apos;s table is written as stored, as asked</source>
        <translation>Tastatur-Sprachtabelle #%d wurde von einem unterbrochenen Schreibvorgang hinterlassen: die Tabelle des Dokuments wird wie gewünscht unverändert geschrieben</translation>
    </message>
    <message>
        <source>keyboard language table #%d is blank and several remembered writes of different tables could have left it so</source>
        <translation>Tastatur-Sprachtabelle #%d ist leer, und mehrere gespeicherte Schreibvorgänge verschiedener Tabellen könnten sie so hinterlassen haben</translation>
    </message>
    <message>
        <source>keyboard language table #%d is incomplete and several remembered writes of different tables could have left it so</source>
        <translation>Tastatur-Sprachtabelle #%d ist unvollständig, und mehrere gespeicherte Schreibvorgänge verschiedener Tabellen könnten sie so hinterlassen haben</translation>
    </message>
    <message>
        <source>keyboard language table #%d is blank and no write remembered on this device left it so</source>
        <translation>Tastatur-Sprachtabelle #%d ist leer, und kein an diesem Gerät gespeicherter Schreibvorgang hat sie so hinterlassen</translation>
    </message>
    <message>
        <source>keyboard language table #%d is incomplete and no remembered write matches what it holds</source>
        <translation>Tastatur-Sprachtabelle #%d ist unvollständig, und kein gespeicherter Schreibvorgang passt zu ihrem Inhalt</translation>
    </message>
    <message>
        <source>nothing was erased. Merge into a backup&apos;s table of the slot with --recover-from BACKUP.tvo, or write the document&apos;s table as stored with --slots %d=I</source>
        <extracomment>Keep the command-line options --recover-from BACKUP.tvo and --slots %d=I as they are.</extracomment>
        <translation>es wurde nichts gelöscht. Mit --recover-from BACKUP.tvo in die Tabelle des Steckplatzes aus einer Sicherung einfügen, oder mit --slots %d=I die Tabelle des Dokuments unverändert schreiben</translation>
    </message>
    <message>
        <source>Backups saved before earlier writes of it:</source>
        <extracomment>The paths of the backups follow.</extracomment>
        <translation>Vor früheren Schreibvorgängen gespeicherte Sicherungen:</translation>
    </message>
    <message>
        <source>The serial settings held %s %d, which is out of range; %d is used instead.</source>
        <extracomment>%s names the setting; the first %d is the value the file held, the second the value used.</extracomment>
        <translation>Die seriellen Einstellungen enthielten für %s den Wert %d, der außerhalb des gültigen Bereichs liegt; stattdessen wird %d verwendet.</translation>
    </message>
    <message>
        <source>port index</source>
        <translation>Portindex</translation>
    </message>
    <message>
        <source>baud index</source>
        <translation>Baudraten-Index</translation>
    </message>
    <message>
        <source>parity index</source>
        <translation>Paritätsindex</translation>
    </message>
    <message>
        <source>data-bits index</source>
        <translation>Datenbit-Index</translation>
    </message>
    <message>
        <source>stop-bits index</source>
        <translation>Stoppbit-Index</translation>
    </message>
    <message>
        <source>handshaking index</source>
        <translation>Handshake-Index</translation>
    </message>
    <message>
        <source>input-mode index</source>
        <translation>Eingabemodus-Index</translation>
    </message>
    <message>
        <source>RThreshold</source>
        <extracomment>The serial control&apos;s own name.</extracomment>
        <translation>RThreshold</translation>
    </message>
    <message>
        <source>SThreshold</source>
        <extracomment>The serial control&apos;s own name.</extracomment>
        <translation>SThreshold</translation>
    </message>
    <message>
        <source>language table %d: %d entry records whose keys name no menu entry (menus 0-95, entries 1-14) were dropped, keys</source>
        <extracomment>The keys follow, in hexadecimal.</extracomment>
        <translation>Sprachtabelle %d: %d Eintragsdatensätze, deren Schlüssel keinen Menüeintrag bezeichnen (Menüs 0-95, Einträge 1-14), wurden verworfen, Schlüssel</translation>
    </message>
    <message>
        <source>entry %d of menu %d would not read back as it was written in the table&apos;s font, so it was not changed</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>Eintrag %d von Menü %d ließe sich in der Schrift der Tabelle nicht so zurücklesen, wie er geschrieben wurde, daher wurde er nicht geändert</translation>
    </message>
    <message>
        <source>the language table is read-only</source>
        <translation>die Sprachtabelle ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the language table&apos;s font %d is unknown, so its entries cannot be edited</source>
        <translation>die Schrift %d der Sprachtabelle ist unbekannt, daher können ihre Einträge nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>the language table&apos;s texts are encoded in font %d (its document record) but the keyboard shows them in font %d (image byte 330), so its entries cannot be edited</source>
        <translation>die Texte der Sprachtabelle sind in Schrift %d kodiert (ihr Dokumentdatensatz), die Tastatur zeigt sie aber in Schrift %d (Abbild-Byte 330), daher können ihre Einträge nicht bearbeitet werden</translation>
    </message>
    <message>
        <source>menu %d is not a script menu (80-95)</source>
        <translation>Menü %d ist kein Skriptmenü (80-95)</translation>
    </message>
    <message>
        <source>entry %d does not exist (1-14)</source>
        <translation>Eintrag %d existiert nicht (1-14)</translation>
    </message>
    <message>
        <source>menu %d has no name, so the editor does not show it</source>
        <translation>Menü %d hat keinen Namen, daher zeigt der Editor es nicht an</translation>
    </message>
    <message>
        <source>the table&apos;s font %d has %d lines per entry</source>
        <translation>die Schrift %d der Tabelle hat %d Zeilen pro Eintrag</translation>
    </message>
    <message>
        <source>line %d holds at most %d characters</source>
        <translation>Zeile %d fasst höchstens %d Zeichen</translation>
    </message>
    <message>
        <source>line %d holds a character (%s) that font %d cannot show</source>
        <extracomment>%s is the character&apos;s code, such as U+00E9.</extracomment>
        <translation>Zeile %d enthält ein Zeichen (%s), das Schrift %d nicht darstellen kann</translation>
    </message>
    <message>
        <source>entry %d of menu %d has no action controls</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>Eintrag %d von Menü %d hat keine Aktionsschaltflächen</translation>
    </message>
    <message>
        <source>entry %d of menu %d has a fixed action that the editor does not change</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>Eintrag %d von Menü %d hat eine feste Aktion, die der Editor nicht ändert</translation>
    </message>
    <message>
        <source>entry %d of menu %d has an action of kind %d that the editor does not change</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>Eintrag %d von Menü %d hat eine Aktion der Art %d, die der Editor nicht ändert</translation>
    </message>
    <message>
        <source>only entries of menu 80 link to a menu</source>
        <translation>nur Einträge von Menü 80 verweisen auf ein Menü</translation>
    </message>
    <message>
        <source>entry %d of menu 80 links only to menu %d</source>
        <translation>Eintrag %d von Menü 80 verweist nur auf Menü %d</translation>
    </message>
    <message>
        <source>the macro number must be from 0 to %d</source>
        <translation>die Makronummer muss zwischen 0 und %d liegen</translation>
    </message>
    <message>
        <source>entry %d of menu %d has no action, so its text cannot be typed</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>Eintrag %d von Menü %d hat keine Aktion, daher kann sein Text nicht eingegeben werden</translation>
    </message>
    <message>
        <source>The macro number of entry %d of menu %d must be a number from 0 to %d.</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>Die Makronummer von Eintrag %d in Menü %d muss eine Zahl zwischen 0 und %d sein.</translation>
    </message>
    <message>
        <source>unfinished (no end recorded)</source>
        <extracomment>A transfer in the history whose end was never recorded.</extracomment>
        <translation>unvollendet (kein Ende aufgezeichnet)</translation>
    </message>
    <message>
        <source>%s generation %d, bootloader %s, firmware %s</source>
        <extracomment>The first %s is the keyboard&apos;s model (KBD-OMNIA), the others version numbers.</extracomment>
        <translation>%s Generation %d, Bootloader %s, Firmware %s</translation>
    </message>
    <message>
        <source>%d %s</source>
        <extracomment>A slot&apos;s number and what happened to it in a transfer (&quot;3 written&quot;).</extracomment>
        <translation>%d %s</translation>
    </message>
    <message>
        <source>complete</source>
        <extracomment>A transfer&apos;s result in the history.</extracomment>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>exit %d</source>
        <extracomment>A transfer&apos;s result in the history: the tool&apos;s exit status.</extracomment>
        <translation>Exit-Status %d</translation>
    </message>
    <message>
        <source>exit %d: %s</source>
        <extracomment>A transfer&apos;s result in the history: the tool&apos;s exit status and its message.</extracomment>
        <translation>Exit-Status %d: %s</translation>
    </message>
    <message>
        <source>written</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>unchanged</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>verified</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>incomplete</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>unvollständig</translation>
    </message>
    <message>
        <source>recovered</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>wiederhergestellt</translation>
    </message>
    <message>
        <source>as_stored</source>
        <extracomment>A slot&apos;s outcome in a transfer: written as stored in the document.</extracomment>
        <translation>wie gespeichert</translation>
    </message>
    <message>
        <source>failed</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A slot&apos;s outcome in a transfer: its table was read.</extracomment>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>started</source>
        <extracomment>A slot&apos;s outcome in a transfer: begun, with no end recorded.</extracomment>
        <translation>begonnen</translation>
    </message>
    <message>
        <source>no action</source>
        <extracomment>A script-menu entry&apos;s action.</extracomment>
        <translation>keine Aktion</translation>
    </message>
    <message>
        <source>link to menu %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the menu&apos;s number (80-95).</extracomment>
        <translation>Verweis auf Menü %d</translation>
    </message>
    <message>
        <source>CCL macro %d</source>
        <extracomment>A script-menu entry&apos;s action: CCL is the keyboard&apos;s command language; %d the macro&apos;s number.</extracomment>
        <translation>CCL-Makro %d</translation>
    </message>
    <message>
        <source>off macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>Aus-Makro %d</translation>
    </message>
    <message>
        <source>camera macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>Kamera-Makro %d</translation>
    </message>
    <message>
        <source>monitor macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>Monitor-Makro %d</translation>
    </message>
    <message>
        <source>command (kind %d, code %s)</source>
        <extracomment>A command the template placed in an entry: %d its kind, %s its code in hexadecimal (0x2A).</extracomment>
        <translation>Befehl (Art %d, Code %s)</translation>
    </message>
    <message>
        <source>%s, %s</source>
        <extracomment>How a slot is written (&quot;written as stored&quot;), then how many of its entries change; keep the language&apos;s own comma.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%s can only be read.</source>
        <translation>%s kann nur gelesen werden.</translation>
    </message>
    <message>
        <source>%s must be a value between %d and %d.</source>
        <translation>%s muss ein Wert zwischen %d und %d sein.</translation>
    </message>
    <message>
        <source>%s can only be changed while the port is closed.</source>
        <translation>%s kann nur bei geschlossener Schnittstelle geändert werden.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a valid Settings text (for example 19200,N,8,1).</source>
        <extracomment>%s is the settings text as given, such as 19200,N,8,1.</extracomment>
        <translation>„%s“ ist kein gültiger Settings-Text (zum Beispiel 19200,N,8,1).</translation>
    </message>
    <message>
        <source>The port %s is already open.</source>
        <extracomment>%s is the port&apos;s device, such as /dev/ttyUSB0.</extracomment>
        <translation>Die Schnittstelle %s ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Die Schnittstelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>(%s)</source>
        <extracomment>What the port said about a failure, after it.</extracomment>
        <translation>(%s)</translation>
    </message>
    <message>
        <source>the transfer history could not be written: %s</source>
        <extracomment>%s is why: the file and what the system said.</extracomment>
        <translation>der Übertragungsverlauf konnte nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>%s is not a network serial address: %s (write rfc2217://HOST:PORT)</source>
        <translation>%s ist keine Adresse eines Netzwerk-Seriell-Servers: %s (schreiben Sie rfc2217://HOST:PORT)</translation>
    </message>
    <message>
        <source>it does not start with rfc2217://</source>
        <translation>sie beginnt nicht mit rfc2217://</translation>
    </message>
    <message>
        <source>the IPv6 address has no closing ]</source>
        <translation>der IPv6-Adresse fehlt die schließende ]</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not an IPv6 address</source>
        <translation>„%s“ ist keine IPv6-Adresse</translation>
    </message>
    <message>
        <source>no port number follows the host</source>
        <translation>nach dem Rechner folgt keine Portnummer</translation>
    </message>
    <message>
        <source>no host is given</source>
        <translation>es ist kein Rechner angegeben</translation>
    </message>
    <message>
        <source>a host name cannot hold &apos;%s&apos;</source>
        <translation>ein Rechnername darf „%s“ nicht enthalten</translation>
    </message>
    <message>
        <source>the port &quot;%s&quot; is not a number</source>
        <extracomment>%s is the port as typed; the TCP port of the network serial server.</extracomment>
        <translation>der Port „%s“ ist keine Zahl</translation>
    </message>
    <message>
        <source>the port %s is not between 1 and 65535</source>
        <translation>der Port %s liegt nicht zwischen 1 und 65535</translation>
    </message>
    <message>
        <source>cannot keep a copy of its old content: %s</source>
        <translation>eine Kopie des alten Inhalts kann nicht angelegt werden: %s</translation>
    </message>
    <message>
        <source>cannot be written: %s</source>
        <translation>kann nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>%s; its old content is kept in %s</source>
        <extracomment>The first %s says why the file cannot be written, the second names the copy of its old content.</extracomment>
        <translation>%s; der alte Inhalt ist in %s erhalten</translation>
    </message>
    <message>
        <source>cannot be followed to a file: %s</source>
        <translation>führt zu keiner Datei: %s</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>file exists (use --force to replace it)</source>
        <translation>die Datei existiert bereits (mit --force wird sie ersetzt)</translation>
    </message>
    <message>
        <source>the file is read-only and was left unchanged</source>
        <translation>die Datei ist schreibgeschützt und blieb unverändert</translation>
    </message>
    <message>
        <source>cannot create a temporary file: %s</source>
        <translation>eine temporäre Datei kann nicht angelegt werden: %s</translation>
    </message>
    <message>
        <source>cannot be opened: %s</source>
        <translation>kann nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device is not read)</source>
        <translation>ist keine gewöhnliche Datei (eine Pipe oder ein Gerät wird nicht gelesen)</translation>
    </message>
    <message>
        <source>file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>cannot be read: %s</source>
        <translation>kann nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>Error: Output File not specified.</source>
        <translation>Fehler: Keine Ausgabedatei angegeben.</translation>
    </message>
    <message>
        <source>position %d: the document has no table %d (it has %d)</source>
        <extracomment>%d are the output position (0-7), the table asked for and the document&apos;s number of tables.</extracomment>
        <translation>Position %d: das Dokument hat keine Tabelle %d (es hat %d)</translation>
    </message>
    <message>
        <source>table %d: its image holds %d bytes, not %d</source>
        <translation>Tabelle %d: ihr Abbild umfasst %d Byte statt %d</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <extracomment>A file and what went wrong with it.</extracomment>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>%s: is not a regular file</source>
        <translation>%s: ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%s: is the iconic font file itself</source>
        <translation>%s: ist die Iconic-Schriftdatei selbst</translation>
    </message>
    <message>
        <source>the iconic font preamble goes with S-records only</source>
        <translation>der Iconic-Schriftvorspann gehört nur zu S-Records</translation>
    </message>
    <message>
        <source>no language table selected: nothing to dump</source>
        <translation>keine Sprachtabelle ausgewählt: nichts auszugeben</translation>
    </message>
    <message>
        <source>%s:%d: %s</source>
        <extracomment>The font file, the line number and what is wrong in that line.</extracomment>
        <translation>%s:%d: %s</translation>
    </message>
    <message>
        <source>%s at column %d is not a hexadecimal digit</source>
        <extracomment>%s is a character in quotes or a byte such as &quot;byte 0x1F&quot;; %d the column.</extracomment>
        <translation>%s in Spalte %d ist keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>the line holds %d characters, not %d hexadecimal digits</source>
        <translation>die Zeile hat %d Zeichen statt %d Hexadezimalziffern</translation>
    </message>
    <message>
        <source>more than %d lines: the font would pass address 0x0FFFFF</source>
        <translation>mehr als %d Zeilen: die Schrift ginge über Adresse 0x0FFFFF hinaus</translation>
    </message>
    <message>
        <source>%s: the iconic font file holds no lines</source>
        <translation>%s: die Iconic-Schriftdatei enthält keine Zeilen</translation>
    </message>
    <message>
        <source>iconic font file %s</source>
        <extracomment>%s is the font file and why it could not be read.</extracomment>
        <translation>Iconic-Schriftdatei %s</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>&amp;System Default Locale...</source>
        <translation>S&amp;ystem-Gebietsschema...</translation>
    </message>
    <message>
        <source>Set &amp;Thread Locale</source>
        <translation>&amp;Thread-Gebietsschema festlegen</translation>
    </message>
    <message>
        <source>Last &amp;Error Message...</source>
        <translation>&amp;Letzte Fehlermeldung...</translation>
    </message>
    <message>
        <source>System Default Locale</source>
        <translation>System-Gebietsschema</translation>
    </message>
    <message>
        <source>System Defalut Locale (LCID):</source>
        <translation>System-Gebietsschema (LCID):</translation>
    </message>
    <message>
        <source>LANGID:</source>
        <translation>LANGID:</translation>
    </message>
    <message>
        <source>SORTID:</source>
        <translation>SORTID:</translation>
    </message>
    <message>
        <source>The system locale &quot;%1&quot; has no identifier of its own; shown as %2.</source>
        <translation>Das System-Gebietsschema „%1“ hat keine eigene Kennung; angezeigt als %2.</translation>
    </message>
    <message>
        <source>Set Thread Locale</source>
        <translation>Thread-Gebietsschema festlegen</translation>
    </message>
    <message>
        <source>Locales</source>
        <translation>Gebietsschemas</translation>
    </message>
    <message>
        <source>This sets the app&apos;s ThreadLocale value in the registry.  On startup, this value is read by the app&apos;s constructor.  If TL = 0x000, then the app uses the system default locale as usual.  Otherwise it sets its thread locale to whatever has been chosen above.</source>
        <translation>Hiermit wird der ThreadLocale-Wert der Anwendung in den Einstellungen gesetzt. Beim Start liest die Anwendung diesen Wert. Ist TL = 0x000, verwendet die Anwendung wie üblich das System-Gebietsschema. Andernfalls setzt sie ihr Thread-Gebietsschema auf die oben getroffene Auswahl.</translation>
    </message>
    <message>
        <source>Debug Last Error Message</source>
        <translation>Letzte Fehlermeldung (Debug)</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>Fehlercode:</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>DebugLastErrorMsgDlg</source>
        <extracomment>The window&apos;s own name from the system it came from; no translation.</extracomment>
        <translation>DebugLastErrorMsgDlg</translation>
    </message>
    <message>
        <source>&amp;COM Port Debug...</source>
        <translation>&amp;COM-Port-Debug...</translation>
    </message>
    <message>
        <source>Debug COM Port</source>
        <translation>COM-Port-Debug</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Interner Anwendungsfehler.</translation>
    </message>
    <message>
        <source>GetPortOpen() threw an exception.</source>
        <translation>GetPortOpen() hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>SetPortOpen(TRUE) threw an exception.</source>
        <translation>SetPortOpen(TRUE) hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>SetPortOpen(FALSE) threw an exception.</source>
        <translation>SetPortOpen(FALSE) hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>GetInputMode() threw an exception.</source>
        <translation>GetInputMode() hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>SendBinary() threw an exception.</source>
        <translation>SendBinary() hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>SendText() threw an exception.</source>
        <translation>SendText() hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>GetInBufferCount() threw an exception.</source>
        <translation>GetInBufferCount() hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>GetOutBufferCount() threw an exception.</source>
        <translation>GetOutBufferCount() hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>ReceiveBinary() threw an exception.</source>
        <translation>ReceiveBinary() hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>ReceiveText() threw an exception.</source>
        <translation>ReceiveText() hat eine Ausnahme ausgelöst.</translation>
    </message>
    <message>
        <source>&amp;Dump Lang Table Data...</source>
        <translation>Sprachtabellen&amp;daten ausgeben...</translation>
    </message>
    <message>
        <source>Dump &amp;Iconic SRecord</source>
        <translation>&amp;Iconic-S-Records ausgeben</translation>
    </message>
    <message>
        <source>Display Schema 1 Template &amp;List...</source>
        <translation>Schema-1-Vorlagen &amp;auflisten...</translation>
    </message>
    <message>
        <source>Schema 1 Templates</source>
        <translation>Schema-1-Vorlagen</translation>
    </message>
    <message>
        <source>Template &amp;Parser...</source>
        <translation>Vorlagen-&amp;Parser...</translation>
    </message>
    <message>
        <source>Template Parser</source>
        <translation>Vorlagen-Parser</translation>
    </message>
    <message>
        <source>Template Files (*.LT3 *.lt3);;All Files (*)</source>
        <translation>Vorlagendateien (*.LT3 *.lt3);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Unicode Input Dialog...</source>
        <translation>&amp;Unicode-Eingabe...</translation>
    </message>
    <message>
        <source>Unicode Input</source>
        <translation>Unicode-Eingabe</translation>
    </message>
    <message>
        <source>Write the iconic font and the tables as S-records</source>
        <translation>Die Iconic-Schrift und die Tabellen als S-Records schreiben</translation>
    </message>
    <message>
        <source>Write the tables as S-records or memory maps</source>
        <translation>Die Tabellen als S-Records oder Speicherabbilder schreiben</translation>
    </message>
    <message>
        <source>Show the locale the application runs under</source>
        <translation>Das Gebietsschema anzeigen, unter dem die Anwendung läuft</translation>
    </message>
    <message>
        <source>Talk to the keyboard by hand on the COM port</source>
        <translation>Über den COM-Port von Hand mit der Tastatur kommunizieren</translation>
    </message>
    <message>
        <source>List the installed templates and their check results</source>
        <translation>Die installierten Vorlagen und ihre Prüfergebnisse auflisten</translation>
    </message>
    <message>
        <source>Show the system&apos;s text for an error code</source>
        <translation>Den Systemtext zu einem Fehlercode anzeigen</translation>
    </message>
    <message>
        <source>Choose the locale the application takes at its next start</source>
        <translation>Das Gebietsschema für den nächsten Start der Anwendung wählen</translation>
    </message>
    <message>
        <source>Parse a template and list its messages</source>
        <translation>Eine Vorlage prüfen und ihre Meldungen auflisten</translation>
    </message>
    <message>
        <source>Type a character by its code point into the focused edit</source>
        <translation>Ein Zeichen über seinen Codepunkt in das aktive Eingabefeld eingeben</translation>
    </message>
    <message>
        <source>Not available: a single frame must not change the keyboard&apos;s flash.</source>
        <translation>Nicht verfügbar: Ein einzelner Rahmen darf den Flash-Speicher der Tastatur nicht ändern.</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Empfangen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>Puffer</translation>
    </message>
    <message>
        <source>IBC:</source>
        <extracomment>The input buffer count, as the COM port names it; keep the abbreviation.</extracomment>
        <translation>IBC:</translation>
    </message>
    <message>
        <source>OBC:</source>
        <extracomment>The output buffer count, as the COM port names it; keep the abbreviation.</extracomment>
        <translation>OBC:</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Akt&amp;ualisieren</translation>
    </message>
    <message>
        <source>CO&amp;M...</source>
        <translation>CO&amp;M...</translation>
    </message>
    <message>
        <source>Go O&amp;nline</source>
        <translation>O&amp;nline gehen</translation>
    </message>
    <message>
        <source>Go O&amp;ffline</source>
        <translation>O&amp;ffline gehen</translation>
    </message>
    <message>
        <source>Send C&amp;0</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>C&amp;0 senden</translation>
    </message>
    <message>
        <source>Send T&amp;7</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>T&amp;7 senden</translation>
    </message>
    <message>
        <source>Send S&amp;8</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>S&amp;8 senden</translation>
    </message>
    <message>
        <source>Send &amp;T0</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>&amp;T0 senden</translation>
    </message>
    <message>
        <source>Send S&amp;2</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>S&amp;2 senden</translation>
    </message>
    <message>
        <source>Send C&amp;1</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>C&amp;1 senden</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Eingabe:</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>Adr.:</translation>
    </message>
    <message>
        <source>(Hex)</source>
        <translation>(Hex)</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>Lee&amp;ren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>Ausgabedatei:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Language Tables:</source>
        <translation>Sprachtabellen:</translation>
    </message>
    <message>
        <source>Dump Type</source>
        <translation>Ausgabeart</translation>
    </message>
    <message>
        <source>&amp;S-Record(s)</source>
        <translation>&amp;S-Record(s)</translation>
    </message>
    <message>
        <source>&amp;Memory Map(s)  [Block]</source>
        <translation>Speicher&amp;abbild(er)  [Block]</translation>
    </message>
    <message>
        <source>M&amp;emory Map(s)  [Detail]</source>
        <translation>Speicherabbild(er)  [&amp;Detail]</translation>
    </message>
    <message>
        <source>Auto Set 1-8</source>
        <translation>1-8 automatisch</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle leeren</translation>
    </message>
    <message>
        <source>&amp;Dump</source>
        <translation>A&amp;usgeben</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>  message %1</source>
        <translation>  Meldung %1</translation>
    </message>
    <message>
        <source> at line %1, column %2</source>
        <translation> in Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>unknown language</source>
        <translation>unbekannte Sprache</translation>
    </message>
    <message>
        <source>  table &quot;%1&quot;: language 0x%2 (%3), font %4</source>
        <translation>  Tabelle „%1“: Sprache 0x%2 (%3), Schrift %4</translation>
    </message>
    <message>
        <source>  parsed: %1 table(s)
</source>
        <translation>  geprüft: %1 Tabelle(n)
</translation>
    </message>
    <message>
        <source>  parse failed
</source>
        <translation>  Prüfung fehlgeschlagen
</translation>
    </message>
    <message>
        <source>  parse failed without a message
</source>
        <translation>  Prüfung ohne Meldung fehlgeschlagen
</translation>
    </message>
    <message>
        <source>Start folder: %1
Program folder: %2

</source>
        <translation>Startordner: %1
Programmordner: %2

</translation>
    </message>
    <message>
        <source>No template is installed.
</source>
        <translation>Es ist keine Vorlage installiert.
</translation>
    </message>
    <message>
        <source>Template %1: %2
</source>
        <translation>Vorlage %1: %2
</translation>
    </message>
    <message>
        <source>
Catalogue checks:
</source>
        <translation>
Katalogprüfungen:
</translation>
    </message>
    <message>
        <source>  none
</source>
        <translation>  keine
</translation>
    </message>
    <message>
        <source>Template: %1
</source>
        <translation>Vorlage: %1
</translation>
    </message>
    <message>
        <source>&amp;Parse...</source>
        <translation>&amp;Prüfen...</translation>
    </message>
    <message>
        <source>No keyboard-font edit has the focus.</source>
        <translation>Kein Eingabefeld mit Tastaturschrift hat den Fokus.</translation>
    </message>
    <message>
        <source>Code point:</source>
        <translation>Codepunkt:</translation>
    </message>
    <message>
        <source>Character:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Eingeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a code point.</source>
        <translation>„%1“ ist kein Codepunkt.</translation>
    </message>
    <message>
        <source>U+%1 is not in the edit&apos;s character set.</source>
        <translation>U+%1 ist nicht im Zeichensatz des Eingabefelds.</translation>
    </message>
    <message>
        <source>Typed %1.</source>
        <translation>%1 eingegeben.</translation>
    </message>
    <message>
        <source>Language Neutral</source>
        <extracomment>A locale&apos;s name, as the system&apos;s locale list gives it.</extracomment>
        <translation>Sprachneutral</translation>
    </message>
    <message>
        <source>English (US)</source>
        <translation>Englisch (USA)</translation>
    </message>
    <message>
        <source>Spanish (Modern)</source>
        <translation>Spanisch (modern)</translation>
    </message>
    <message>
        <source>Dutch (Standard)</source>
        <translation>Niederländisch (Standard)</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>Französisch (Standard)</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>Deutsch (Standard)</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>Italienisch (Standard)</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Language of the editor (the keyboard&apos;s own texts are not translated):</source>
        <translation>&amp;Sprache des Editors (die Texte der Tastatur selbst werden nicht übersetzt):</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache der Arbeitsoberfläche</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Write the document&apos;s language tables into several keyboards at once</source>
        <translation>Die Sprachtabellen des Dokuments gleichzeitig in mehrere Tastaturen schreiben</translation>
    </message>
    <message>
        <source>Choose the Keyboards</source>
        <translation>Tastaturen auswählen</translation>
    </message>
    <message>
        <source>Tick the COM port of each keyboard to download to:</source>
        <translation>Den COM-Port jeder Tastatur ankreuzen, auf die heruntergeladen werden soll:</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Present now</source>
        <translation>Jetzt vorhanden</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>network address</source>
        <translation>Netzwerkadresse</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>Download to Several Keyboards</source>
        <translation>Auf mehrere Tastaturen herunterladen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Steckplatz</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel &amp;All</source>
        <translation>&amp;Alle abbrechen</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>Ergebnisse &amp;kopieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Reading the slots</source>
        <translation>Steckplätze werden gelesen</translation>
    </message>
    <message>
        <source>Reading back</source>
        <translation>Wird zurückgelesen</translation>
    </message>
    <message>
        <source>Saving the backup</source>
        <translation>Sicherung wird gespeichert</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Wird geschrieben</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>COM%1 (%2):

%3</source>
        <translation>COM%1 (%2):

%3</translation>
    </message>
    <message>
        <source>Cancel the download to every keyboard that has not finished?</source>
        <translation>Das Herunterladen auf alle Tastaturen abbrechen, die noch nicht fertig sind?</translation>
    </message>
    <message>
        <source>COM%1: Language table #%2 would be left incomplete.</source>
        <translation>COM%1: Die Sprachtabelle #%2 bliebe unvollständig.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Language table #%1 is incomplete and must be written again</source>
        <translation>Die Sprachtabelle #%1 ist unvollständig und muss erneut geschrieben werden</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>Read the identity and the language tables of several keyboards at once</source>
        <translation>Kennung und Sprachtabellen mehrerer Tastaturen gleichzeitig lesen</translation>
    </message>
    <message>
        <source>Tick the COM port of each keyboard to query:</source>
        <translation>Den COM-Port jeder Tastatur ankreuzen, die abgefragt werden soll:</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>&amp;Abfragen</translation>
    </message>
    <message>
        <source>Query Several Keyboards</source>
        <translation>Mehrere Tastaturen abfragen</translation>
    </message>
    <message>
        <source>The keyboards on %1 hold the same languages: choose their slots once.</source>
        <translation>Die Tastaturen an %1 enthalten dieselben Sprachen: Steckplätze einmal für alle auswählen.</translation>
    </message>
    <message>
        <source>Choose the slots of the keyboard on %1.</source>
        <translation>Steckplätze der Tastatur an %1 auswählen.</translation>
    </message>
    <message>
        <source>What the Download Will Change</source>
        <translation>Was das Herunterladen ändert</translation>
    </message>
    <message>
        <source>Nothing has been erased yet. Untick a keyboard to leave it out; Write writes the others, Cancel writes none.</source>
        <translation>Noch ist nichts gelöscht. Eine Tastatur abwählen, um sie auszulassen; „Schreiben“ schreibt die übrigen, „Abbrechen“ keine.</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2): %3</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>Download to Se&amp;veral Keyboards...</source>
        <translation>Auf mehrere Tastaturen &amp;herunterladen...</translation>
    </message>
    <message>
        <source>Query Several &amp;Keyboards...</source>
        <translation>&amp;Mehrere Tastaturen abfragen...</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>This language table is read-only: its script menus can be viewed but not changed.</source>
        <translation>Diese Sprachtabelle ist schreibgeschützt: Ihre Skriptmenüs können angesehen, aber nicht geändert werden.</translation>
    </message>
    <message>
        <source>Discard this edit and keep the entry as it is stored?</source>
        <translation>Diese Änderung verwerfen und den Eintrag so lassen, wie er gespeichert ist?</translation>
    </message>
    <message>
        <source>[%1] Links</source>
        <translation>[%1] Verweise</translation>
    </message>
    <message>
        <source>Font-Point Character Entry</source>
        <translation>Zeicheneingabe nach Schriftposition</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>HandOverSheet</name>
    <message>
        <source>the transfer history cannot be read: %1</source>
        <translation>der Übertragungsverlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the tables hold Hangul text and no installed font has it: it would print as empty boxes; install the package %1</source>
        <translation>die Tabellen enthalten Hangul-Text, und keine installierte Schrift hat ihn: er würde als leere Kästchen gedruckt; installieren Sie das Paket %1</translation>
    </message>
    <message>
        <source>the tables hold CJK text and no installed font has it: it would print as empty boxes; install the package %1</source>
        <translation>die Tabellen enthalten CJK-Text, und keine installierte Schrift hat ihn: er würde als leere Kästchen gedruckt; installieren Sie das Paket %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Transfer &amp;History...</source>
        <translation>Übertragungsverlau&amp;f...</translation>
    </message>
    <message>
        <source>Show every query, import, download and restore recorded on this computer</source>
        <translation>Jede auf diesem Computer aufgezeichnete Abfrage, jeden Import, jedes Herunterladen und jede Wiederherstellung anzeigen</translation>
    </message>
    <message>
        <source>Transfer History</source>
        <translation>Übertragungsverlauf</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>All devices</source>
        <translation>Alle Geräte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>Steckplätze</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>%1 damaged line(s) of the history were skipped.</source>
        <translation>%1 beschädigte Zeile(n) des Verlaufs wurden übersprungen.</translation>
    </message>
    <message>
        <source>No transfers recorded yet.</source>
        <translation>Noch keine Übertragungen aufgezeichnet.</translation>
    </message>
    <message>
        <source>Double-click a row that names a backup to open it.</source>
        <translation>Doppelklicken Sie auf eine Zeile mit einer Sicherung, um diese zu öffnen.</translation>
    </message>
    <message>
        <source>The transfer history cannot be read:
%1</source>
        <translation>Der Übertragungsverlauf kann nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the hand-over sheet of the active document</source>
        <translation>Das Übergabeblatt des aktiven Dokuments drucken</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Als PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the hand-over sheet of the active document as a PDF file</source>
        <translation>Das Übergabeblatt des aktiven Dokuments als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The hand-over sheet was saved to %1.</source>
        <translation>Das Übergabeblatt wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>The hand-over sheet could not be made:
%1</source>
        <translation>Das Übergabeblatt konnte nicht erstellt werden:
%1</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>the device does not exist</source>
        <translation>das Gerät existiert nicht</translation>
    </message>
    <message>
        <source>the device is busy or you are not permitted to use it</source>
        <translation>das Gerät ist belegt oder Sie dürfen es nicht verwenden</translation>
    </message>
    <message>
        <source>the device is already open</source>
        <translation>das Gerät ist bereits geöffnet</translation>
    </message>
    <message>
        <source>the device is no longer available (unplugged or closed)</source>
        <translation>das Gerät ist nicht mehr verfügbar (ausgesteckt oder geschlossen)</translation>
    </message>
    <message>
        <source>The serial port %1: %2.</source>
        <translation>Serielle Schnittstelle %1: %2.</translation>
    </message>
    <message>
        <source>the line settings %1 baud, %2 data bits cannot be applied (%3)</source>
        <translation>die Leitungseinstellungen %1 Baud, %2 Datenbits können nicht angewendet werden (%3)</translation>
    </message>
    <message>
        <source>The serial port COM%1 (%2) cannot be opened: %3.</source>
        <translation>Die serielle Schnittstelle COM%1 (%2) kann nicht geöffnet werden: %3.</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>die Schnittstelle ist nicht geöffnet</translation>
    </message>
    <message>
        <source>the bytes could not be sent (%1)</source>
        <translation>die Bytes konnten nicht gesendet werden (%1)</translation>
    </message>
    <message>
        <source>writing failed (%1)</source>
        <translation>Schreiben fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>The serial port COM%1 cannot be opened: %2.</source>
        <translation>Die serielle Schnittstelle COM%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The serial port %1: the port is not open.</source>
        <translation>Serielle Schnittstelle %1: die Schnittstelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 (the server said: %2)</source>
        <extracomment>%1 is why the connection failed; %2 what the server sent, in its own words.</extracomment>
        <translation>%1 (der Server meldete: %2)</translation>
    </message>
    <message>
        <source>the server refuses COM Port Control: it does not speak RFC 2217</source>
        <extracomment>&quot;COM Port Control&quot; is the name of the RFC 2217 option: it has no translation.</extracomment>
        <translation>der Server lehnt COM Port Control ab: er beherrscht RFC 2217 nicht</translation>
    </message>
    <message>
        <source>the server set the %s to %s instead of %s</source>
        <extracomment>%1 is a line setting&apos;s name (line speed, data bits ...), %2 the value the server set, %3 the one asked for; write %1, %2 and %3 to put them in another order.</extracomment>
        <translation>der Server hat die Einstellung „%1“ auf %2 statt auf %3 gesetzt</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>Übertragungsgeschwindigkeit</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>line</source>
        <extracomment>The line settings as a whole.</extracomment>
        <translation>Leitung</translation>
    </message>
    <message>
        <source>the network serial server at %1 paused the data flow and never resumed it: the server holds the data back, not the cable</source>
        <translation>der serielle Netzwerkserver %1 hat den Datenfluss angehalten und nie fortgesetzt: Der Server hält die Daten zurück, nicht das Kabel</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <extracomment>A network serial server: %1 is its host, %2 its TCP port number.</extracomment>
        <translation>%1 Port %2</translation>
    </message>
    <message>
        <source>%1 data bits cannot be set through a network serial server.</source>
        <translation>%1 Datenbits können über einen seriellen Netzwerkserver nicht eingestellt werden.</translation>
    </message>
    <message>
        <source>The parity letter is not one of E, M, N, O and S.</source>
        <translation>Der Paritätsbuchstabe ist keiner von E, M, N, O und S.</translation>
    </message>
    <message>
        <source>The baud rate must be positive.</source>
        <translation>Die Baudrate muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>nothing listens at %1 (connection refused)</source>
        <translation>unter %1 antwortet niemand (Verbindung abgelehnt)</translation>
    </message>
    <message>
        <source>the host %1 is not known</source>
        <translation>der Rechner %1 ist nicht bekannt</translation>
    </message>
    <message>
        <source>the connection to %1 failed (%2)</source>
        <translation>die Verbindung zu %1 ist fehlgeschlagen (%2)</translation>
    </message>
    <message>
        <source>the server at %1 closed the connection before the port was ready</source>
        <translation>der Server %1 hat die Verbindung beendet, bevor die Schnittstelle bereit war</translation>
    </message>
    <message>
        <source>the server at %1 closed the connection</source>
        <translation>der Server %1 hat die Verbindung beendet</translation>
    </message>
    <message>
        <source>no connection to %1 within %2 s</source>
        <translation>keine Verbindung zu %1 innerhalb von %2 s</translation>
    </message>
    <message>
        <source>the server at %1 does not speak RFC 2217: it agreed no COM Port Control within %2 s</source>
        <extracomment>&quot;COM Port Control&quot; is the name of the RFC 2217 option: it has no translation.</extracomment>
        <translation>der Server %1 beherrscht RFC 2217 nicht: er hat innerhalb von %2 s kein COM Port Control vereinbart</translation>
    </message>
    <message>
        <source>the server at %1 did not confirm the line settings within %2 s</source>
        <translation>der Server %1 hat die Leitungseinstellungen nicht innerhalb von %2 s bestätigt</translation>
    </message>
    <message>
        <source>%1 data bits are not supported by the serial ports of this system.</source>
        <translation>%1 Datenbits werden von den seriellen Schnittstellen dieses Systems nicht unterstützt.</translation>
    </message>
    <message>
        <source>1.5 stop bits are not supported by the serial ports of this system.</source>
        <translation>1,5 Stoppbits werden von den seriellen Schnittstellen dieses Systems nicht unterstützt.</translation>
    </message>
</context>
<context>
    <name>Server</name>
    <message>
        <source>Set Halvard Server Document Association</source>
        <translation>Halvard-Server-Dokument zuordnen</translation>
    </message>
    <message>
        <source>Associate an Halvard Server document with the language tables in this Tarvo document by entering a path to an .hvd file below:</source>
        <translation>Ordnen Sie den Sprachtabellen dieses Tarvo-Dokuments ein Halvard-Server-Dokument zu, indem Sie unten den Pfad einer .hvd-Datei eingeben:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Halvard Files (*.hvd)</source>
        <translation>Halvard-Dateien (*.hvd)</translation>
    </message>
    <message>
        <source>&amp;Set Halvard Server Document Association...</source>
        <translation>Halvard-Server-Dokument &amp;zuordnen...</translation>
    </message>
    <message>
        <source>Associate a Halvard server document with the active document</source>
        <translation>Dem aktiven Dokument ein Halvard-Server-Dokument zuordnen</translation>
    </message>
    <message>
        <source>&amp;Launch Halvard Server</source>
        <translation>Halvard-Server st&amp;arten</translation>
    </message>
    <message>
        <source>Log in and open the associated document in the Halvard server</source>
        <translation>Anmelden und das zugeordnete Dokument im Halvard-Server öffnen</translation>
    </message>
    <message>
        <source>Error: The Halvard server document filename &quot;%1&quot; does not have an .hvd extension.</source>
        <translation>Fehler: Der Dateiname des Halvard-Server-Dokuments „%1“ hat nicht die Endung .hvd.</translation>
    </message>
    <message>
        <source>Error: The Halvard server document &quot;%1&quot; could not be found.</source>
        <translation>Fehler: Das Halvard-Server-Dokument „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Error: The Login server could not be started.</source>
        <translation>Fehler: Der Anmeldeserver konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Error: Invalid Access Level - Installer or Administrator privileges are required to open the Halvard  file.</source>
        <translation>Fehler: Ungültige Zugriffsstufe – zum Öffnen der Halvard-Datei sind Installateur- oder Administratorrechte nötig.</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to launch the Halvard server.</source>
        <translation>Fehler: Beim Starten des Halvard-Servers ist eine Ausnahme aufgetreten.</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to bypass the Halvard server&apos;s Automation restrictions.</source>
        <translation>Fehler: Beim Umgehen der Automatisierungsbeschränkungen des Halvard-Servers ist eine Ausnahme aufgetreten.</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to disable the bypass of the Halvard server&apos;s Automation restrictions.</source>
        <translation>Fehler: Beim Aufheben der Umgehung der Automatisierungsbeschränkungen des Halvard-Servers ist eine Ausnahme aufgetreten.</translation>
    </message>
    <message>
        <source>Error: A general exception was thrown during the Halvard server launch operation.</source>
        <translation>Fehler: Beim Start des Halvard-Servers ist eine allgemeine Ausnahme aufgetreten.</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to restore the window of the Halvard server document.</source>
        <translation>Fehler: Beim Wiederherstellen des Fensters des Halvard-Server-Dokuments ist eine Ausnahme aufgetreten.</translation>
    </message>
    <message>
        <source>The Halvard server launch was cancelled. Every object obtained from the servers was released.</source>
        <translation>Der Start des Halvard-Servers wurde abgebrochen. Alle von den Servern erhaltenen Objekte wurden freigegeben.</translation>
    </message>
    <message>
        <source>Launch Halvard Server</source>
        <translation>Halvard-Server starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Starting the Login server...</source>
        <translation>Anmeldeserver wird gestartet...</translation>
    </message>
    <message>
        <source>Waiting for the login...</source>
        <translation>Warten auf die Anmeldung...</translation>
    </message>
    <message>
        <source>Starting the Halvard server...</source>
        <translation>Halvard-Server wird gestartet...</translation>
    </message>
    <message>
        <source>Asking the Halvard server for its documents...</source>
        <translation>Dokumente werden vom Halvard-Server abgefragt...</translation>
    </message>
    <message>
        <source>Bypassing the Halvard server&apos;s Automation restrictions...</source>
        <translation>Automatisierungsbeschränkungen des Halvard-Servers werden umgangen...</translation>
    </message>
    <message>
        <source>Opening the Halvard server document...</source>
        <translation>Halvard-Server-Dokument wird geöffnet...</translation>
    </message>
    <message>
        <source>Restoring the Halvard server&apos;s Automation restrictions...</source>
        <translation>Automatisierungsbeschränkungen des Halvard-Servers werden wiederhergestellt...</translation>
    </message>
    <message>
        <source>Showing the Halvard server document...</source>
        <translation>Halvard-Server-Dokument wird angezeigt...</translation>
    </message>
    <message>
        <source>Restoring the window of the Halvard server document...</source>
        <translation>Fenster des Halvard-Server-Dokuments wird wiederhergestellt...</translation>
    </message>
</context>
<context>
    <name>StateFiles</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be synced to disk</source>
        <translation>der Ordner %1 kann nicht auf die Festplatte geschrieben werden</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Byte</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Reminder</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Before proceeding further, please ensure that following steps have been followed:

1. Select a COM port.
2. Connect the COM port to the keyboard with the RS-232 cable.
3. Place the keyboard in &quot;bootloader&quot; mode.
4. Please press &quot;Yes&quot; to proceed  else press &quot;Cancel&quot;.

Refer to the ReadMe file for more information on placing the keyboard in &quot;bootloader&quot; mode.</source>
        <translation>Bitte stellen Sie vor dem Fortfahren sicher, dass folgende Schritte ausgeführt wurden:

1. Einen COM-Port wählen.
2. Den COM-Port mit dem RS-232-Kabel an die Tastatur anschließen.
3. Die Tastatur in den „Bootloader“-Modus versetzen.
4. „Ja“ drücken, um fortzufahren, sonst „Abbrechen“.

Weitere Hinweise zum „Bootloader“-Modus der Tastatur finden Sie in der ReadMe-Datei.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>%1 Keyboard Language Table #%2</source>
        <translation>%1 Tastatur-Sprachtabelle #%2</translation>
    </message>
    <message>
        <source>Select modified Language Table(s) to transfer</source>
        <translation>Geänderte Sprachtabelle(n) zum Übertragen wählen</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>Import Language Table From Keyboard</source>
        <translation>Sprachtabelle aus der Tastatur importieren</translation>
    </message>
    <message>
        <source>Keyboard Language Table #%1 %2</source>
        <translation>Tastatur-Sprachtabelle #%1 %2</translation>
    </message>
    <message>
        <source>&amp;Import Script</source>
        <translation>Skript &amp;importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please select the language to be imported</source>
        <translation>Bitte wählen Sie die zu importierende Sprache</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 is incomplete: a write of it was interrupted, so it cannot be imported. Write it again first.</source>
        <translation>Die Tastatur-Sprachtabelle #%1 ist unvollständig: Ein Schreibvorgang wurde unterbrochen, daher kann sie nicht importiert werden. Schreiben Sie sie zuerst erneut.</translation>
    </message>
    <message>
        <source>%1 (document table %2, as stored)</source>
        <translation>%1 (Dokumenttabelle %2, wie gespeichert)</translation>
    </message>
    <message>
        <source>&amp;Back up the keyboard&apos;s tables first</source>
        <translation>Tabellen der Tastatur zuerst &amp;sichern</translation>
    </message>
    <message>
        <source>Write the tables &amp;as stored (restore a backup)</source>
        <translation>Tabellen &amp;wie gespeichert schreiben (Sicherung wiederherstellen)</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Transfer Language Table</source>
        <translation>Sprachtabelle übertragen</translation>
    </message>
    <message>
        <source>Read Language Table From Keyboard</source>
        <translation>Sprachtabelle aus der Tastatur lesen</translation>
    </message>
    <message>
        <source>Current Block:</source>
        <translation>Aktueller Block:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>#### of ####</source>
        <translation>#### von ####</translation>
    </message>
    <message>
        <source>%1 blocks/s, %2 left</source>
        <translation>%1 Blöcke/s, noch %2</translation>
    </message>
    <message>
        <source>waiting for the keyboard for %1 s</source>
        <translation>Warten auf die Tastatur seit %1 s</translation>
    </message>
    <message>
        <source>Verifying Language Tables:</source>
        <translation>Sprachtabellen werden geprüft:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>Übertragung abgeschlossen</translation>
    </message>
    <message>
        <source>Query Keyboard</source>
        <translation>Tastatur abfragen</translation>
    </message>
    <message>
        <source>Language Tables</source>
        <translation>Sprachtabellen</translation>
    </message>
    <message>
        <source>  Table Description          Schema     Font         Version     Language ID</source>
        <extracomment>The column headings, each parted from the next by two spaces or more.</extracomment>
        <translation>  Tabellenbeschreibung       Schema     Schrift      Version     Sprach-ID</translation>
    </message>
    <message>
        <source>Transfer Complete: %1 written, %2 unchanged%3.</source>
        <translation>Übertragung abgeschlossen: %1 geschrieben, %2 unverändert%3.</translation>
    </message>
    <message>
        <source>, verified</source>
        <translation>, geprüft</translation>
    </message>
    <message>
        <source>The keyboard already holds these tables: nothing was written (%1 unchanged).</source>
        <translation>Die Tastatur enthält diese Tabellen bereits: Es wurde nichts geschrieben (%1 unverändert).</translation>
    </message>
    <message>
        <source>The keyboard already holds these tables</source>
        <translation>Die Tastatur enthält diese Tabellen bereits</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The keyboard&apos;s tables were saved before the write, in the backup:
%1</source>
        <translation>Die Tabellen der Tastatur wurden vor dem Schreiben in dieser Sicherung gespeichert:
%1</translation>
    </message>
    <message>
        <source>Interrupted Write</source>
        <translation>Unterbrochener Schreibvorgang</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was left by an interrupted write, and no remembered write proves what it held. Nothing has been erased.

Yes: recover from a backup. Choose the backup; its table of this slot keeps the keyboard&apos;s own menus, and the document&apos;s edited entries are merged into it.
No: write the document&apos;s table as stored. The keyboard&apos;s own menus in this slot are lost.
Cancel: erase nothing.</source>
        <translation>Die Tastatur-Sprachtabelle #%1 stammt aus einem unterbrochenen Schreibvorgang, und kein gespeicherter Schreibvorgang belegt, was sie enthielt. Es wurde nichts gelöscht.

Ja: aus einer Sicherung wiederherstellen. Wählen Sie die Sicherung; ihre Tabelle für diesen Steckplatz behält die eigenen Menüs der Tastatur, und die bearbeiteten Einträge des Dokuments werden eingefügt.
Nein: die Tabelle des Dokuments wie gespeichert schreiben. Die eigenen Menüs der Tastatur in diesem Steckplatz gehen verloren.
Abbrechen: nichts löschen.</translation>
    </message>
    <message>
        <source>Recover from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again: the keyboard&apos;s menus were taken from the backup of %2 (%3).</source>
        <translation>Die Tastatur-Sprachtabelle #%1 wurde erneut geschrieben: Die Menüs der Tastatur stammen aus der Sicherung vom %2 (%3).</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again: the keyboard&apos;s menus were taken from the write of %2 that was interrupted.</source>
        <translation>Die Tastatur-Sprachtabelle #%1 wurde erneut geschrieben: Die Menüs der Tastatur stammen aus dem unterbrochenen Schreibvorgang vom %2.</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again with the document&apos;s table as stored.</source>
        <translation>Die Tastatur-Sprachtabelle #%1 wurde erneut mit der Tabelle des Dokuments wie gespeichert geschrieben.</translation>
    </message>
    <message>
        <source>No keyboard language table holds the document&apos;s table %1 (language %2). Blank slots that could take it: %3.</source>
        <translation>Keine Tastatur-Sprachtabelle enthält die Dokumenttabelle %1 (Sprache %2). Leere Steckplätze, die sie aufnehmen könnten: %3.</translation>
    </message>
    <message>
        <source>No keyboard language table holds the document&apos;s table %1 (language %2).</source>
        <translation>Keine Tastatur-Sprachtabelle enthält die Dokumenttabelle %1 (Sprache %2).</translation>
    </message>
    <message>
        <source>Check the cable and that the keyboard is in bootloader mode, then Download again: the keyboard&apos;s menus will come from the backup:
%1</source>
        <translation>Prüfen Sie das Kabel und ob die Tastatur im Bootloader-Modus ist, und laden Sie dann erneut herunter: Die Menüs der Tastatur werden aus der Sicherung übernommen:
%1</translation>
    </message>
    <message>
        <source>Check the cable and that the keyboard is in bootloader mode, then Download again: the keyboard&apos;s menus will come from the record of this write.</source>
        <translation>Prüfen Sie das Kabel und ob die Tastatur im Bootloader-Modus ist, und laden Sie dann erneut herunter: Die Menüs der Tastatur werden aus der Aufzeichnung dieses Schreibvorgangs übernommen.</translation>
    </message>
    <message>
        <source>&amp;Restore Keyboard from Backup...</source>
        <translation>Tastatur aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Restore Keyboard from Backup</source>
        <translation>Tastatur aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>The backup&apos;s tables go back into the keyboard language tables they came from, as stored</source>
        <translation>Die Tabellen der Sicherung werden wie gespeichert in die Tastatur-Sprachtabellen zurückgeschrieben, aus denen sie stammen</translation>
    </message>
    <message>
        <source>TVO Documents (*.tvo)</source>
        <translation>TVO-Dokumente (*.tvo)</translation>
    </message>
    <message>
        <source>%1 records no keyboard language table its tables came from, so it is no backup to restore. Open it and use Download Script Menu instead.</source>
        <translation>%1 verzeichnet für seine Tabellen keine Tastatur-Sprachtabelle, aus der sie stammen; es ist also keine wiederherstellbare Sicherung. Öffnen Sie es und verwenden Sie stattdessen „Skriptmenü in Tastatur schreiben“.</translation>
    </message>
    <message>
        <source>Written back from the backup %1:</source>
        <translation>Aus der Sicherung %1 zurückgeschrieben:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Create a new document from the keyboard&apos;s language tables</source>
        <translation>Ein neues Dokument aus den Sprachtabellen der Tastatur anlegen</translation>
    </message>
    <message>
        <source>&amp;Query Keyboard...</source>
        <translation>&amp;Tastatur abfragen...</translation>
    </message>
    <message>
        <source>Show the language tables the keyboard holds</source>
        <translation>Die Sprachtabellen in der Tastatur anzeigen</translation>
    </message>
    <message>
        <source>&amp;Download Script Menu...</source>
        <translation>Skriptmenü in Tastatur &amp;schreiben...</translation>
    </message>
    <message>
        <source>Write the document&apos;s language tables into the keyboard</source>
        <translation>Die Sprachtabellen des Dokuments in die Tastatur schreiben</translation>
    </message>
    <message>
        <source>Write a backup&apos;s tables back into the keyboard slots they came from</source>
        <translation>Die Tabellen einer Sicherung in die Tastatur-Steckplätze zurückschreiben, aus denen sie stammen</translation>
    </message>
    <message>
        <source>Reading Script Menus:</source>
        <translation>Skriptmenüs werden gelesen:</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Held by</source>
        <translation>Fassung</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Menu %1, entry %2</source>
        <translation>Menü %1, Eintrag %2</translation>
    </message>
    <message>
        <source>Keyboard Language Table #%1 %2: %3</source>
        <extracomment>%3: what happens to the table and how many of its entries change, e.g. &quot;written as stored, 2 entries change&quot;.</extracomment>
        <translation>Tastatur-Sprachtabelle #%1 %2: %3</translation>
    </message>
    <message>
        <source>The keyboard already holds the document&apos;s entries.</source>
        <translation>Die Tastatur enthält die Einträge des Dokuments bereits.</translation>
    </message>
    <message>
        <source>OK erases these keyboard language tables and writes them. Cancel erases nothing.</source>
        <translation>OK löscht diese Tastatur-Sprachtabellen und schreibt sie neu. Abbrechen löscht nichts.</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Keyboard...</source>
        <translation>Mit Tastatur &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Compare with Keyboard</source>
        <translation>Mit Tastatur vergleichen</translation>
    </message>
    <message>
        <source>Show what a download would change in the keyboard, without writing anything</source>
        <translation>Zeigt, was ein Herunterladen in der Tastatur ändern würde, ohne etwas zu schreiben</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Select the Language Table(s) to compare with the document</source>
        <translation>Sprachtabelle(n) zum Vergleich mit dem Dokument wählen</translation>
    </message>
    <message>
        <source>Comparison Complete</source>
        <translation>Vergleich abgeschlossen</translation>
    </message>
    <message>
        <source>Nothing was written to the keyboard.</source>
        <translation>In die Tastatur wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>no template to make the backup document from</source>
        <extracomment>Why no backup could be made; &quot;; nothing was erased&quot; follows.</extracomment>
        <translation>keine Vorlage, aus der das Sicherungsdokument erstellt werden kann</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Language Tables</source>
        <translation>Sprachtabellen</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Characters Display</source>
        <translation>Zeichenanzeige</translation>
    </message>
    <message>
        <source>Selected Character</source>
        <translation>Gewähltes Zeichen</translation>
    </message>
    <message>
        <source>Character Code</source>
        <translation>Zeichencode</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>C&amp;odepoints...</source>
        <translation>&amp;Codepunkte...</translation>
    </message>
</context>
</TS>
