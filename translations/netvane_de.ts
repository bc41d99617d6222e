<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdapterInformation</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation.cpp" line="+111"/>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
</context>
<context>
    <name>ApplyReport</name>
    <message>
        <location filename="../src/ipsets/ApplyReport.cpp" line="+20"/>
        <source>The IP set</source>
        <extracomment>Stands for the name of an IP set that has none, at the start of a sentence</extracomment>
        <translation>Das IP-Profil</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 was not applied. Setting the address and the DNS server failed: %2</source>
        <translation>%1 wurde nicht angewendet. Das Festlegen der Adresse und des DNS-Servers ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was not applied. Setting the address failed: %2 Setting the DNS server failed: %3</source>
        <translation>%1 wurde nicht angewendet. Das Festlegen der Adresse ist fehlgeschlagen: %2 Das Festlegen des DNS-Servers ist fehlgeschlagen: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was not applied. Setting the address failed: %2</source>
        <translation>%1 wurde nicht angewendet. Das Festlegen der Adresse ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was not applied. Setting the DNS server failed: %2</source>
        <translation>%1 wurde nicht angewendet. Das Festlegen des DNS-Servers ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was not applied.</source>
        <translation>%1 wurde nicht angewendet.</translation>
    </message>
    <message>
        <location filename="../src/ipsets/ElevatedApply.cpp" line="+233"/>
        <source>%1 was not applied: no report file could be made for Netvane with administrator rights (%2)</source>
        <translation>%1 wurde nicht angewendet: Für Netvane mit Administratorrechten konnte keine Berichtsdatei angelegt werden (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 was not applied: administrator rights were refused</source>
        <translation>%1 wurde nicht angewendet: Die Administratorrechte wurden verweigert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was not applied: Netvane could not start with administrator rights (%2)</source>
        <translation>%1 wurde nicht angewendet: Netvane konnte nicht mit Administratorrechten gestartet werden (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 may not have been applied: Netvane with administrator rights did not finish within %2 seconds</source>
        <translation>%1 wurde möglicherweise nicht angewendet: Netvane mit Administratorrechten ist nicht innerhalb von %2 Sekunden fertig geworden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 may not have been applied: Netvane with administrator rights ended without telling how it went (exit code %2)</source>
        <translation>%1 wurde möglicherweise nicht angewendet: Netvane mit Administratorrechten wurde ohne Rückmeldung zum Ergebnis beendet (Exitcode %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was not applied: Netvane with administrator rights refused it: %2</source>
        <translation>%1 wurde nicht angewendet: Netvane mit Administratorrechten hat es abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <location filename="../src/platform/Autostart_linux.cpp" line="+26"/>
        <source>The program&apos;s path holds a control character; it cannot be started at sign-in</source>
        <translation>Der Pfad des Programms enthält ein Steuerzeichen; es kann nicht bei der Anmeldung gestartet werden</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+6"/>
        <source>The sign-in entry %1 could not be written: %2</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/Autostart_windows.cpp" line="+38"/>
        <source>The sign-in shortcut %1 could not be written: %2</source>
        <translation>Die Autostart-Verknüpfung %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ConsoleCommands</name>
    <message>
        <location filename="../src/app/ConsoleCommands.cpp" line="+75"/>
        <location line="+12"/>
        <source>no IP set is named &quot;%1&quot;</source>
        <translation>es gibt kein IP-Profil namens „%1“</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>%1 IP sets are named &quot;%2&quot;; give one of them another name to apply it</source>
        <translation>%1 IP-Profile heißen „%2“; geben Sie einem davon einen anderen Namen, um es anzuwenden</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already used by the device %2 on %3</source>
        <translation>%1 wird an %3 bereits vom Gerät %2 verwendet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, so %2 was not applied; --force applies it anyway</source>
        <translation>%1, daher wurde %2 nicht angewendet; mit --force wird es trotzdem angewendet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1; applying %2 all the same, as --force asks.</source>
        <translation>%1; %2 wird wegen --force trotzdem angewendet.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Lists the stored IP sets, one a line, tab-separated: name, connection, then DHCP or the IP address, subnet mask, gateway and DNS server.</source>
        <translation>Listet die gespeicherten IP-Profile auf, eines pro Zeile, durch Tabulatoren getrennt: Name, Verbindung, dann DHCP oder IP-Adresse, Subnetzmaske, Gateway und DNS-Server.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Applies the stored IP set of that name, as the window does, and tells how it went (exit status 0 or 1).</source>
        <translation>Wendet das gespeicherte IP-Profil mit diesem Namen an, wie es das Fenster tut, und meldet das Ergebnis (Exitstatus 0 oder 1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>With --apply: applies the set even when another device on the network is found to use its address; without it that ends with exit status 1 and changes nothing.</source>
        <translation>Mit --apply: wendet das Profil auch dann an, wenn ein anderes Gerät im Netzwerk seine Adresse verwendet; ohne diese Option endet das mit Exitstatus 1 und nichts wird geändert.</translation>
    </message>
    <message>
        <location filename="../src/app/ConsoleTransfer.cpp" line="+31"/>
        <source>Exported to %1 (IP sets: %2, connection names: %3)</source>
        <translation>Nach %1 exportiert (IP-Profile: %2, Verbindungsnamen: %3)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not everything was exported:
</source>
        <translation>nicht alles wurde exportiert:
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--on-conflict takes replace, keep or skip, not &quot;%1&quot;</source>
        <translation>--on-conflict erwartet replace, keep oder skip, nicht „%1“</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file holds more than one IP set named &quot;%1&quot;, with other values; nothing was imported. Choose with --on-conflict=replace, keep or skip</source>
        <translation>die Datei enthält mehr als ein IP-Profil namens „%1“ mit unterschiedlichen Werten; es wurde nichts importiert. Wählen Sie mit --on-conflict=replace, keep oder skip</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an IP set named &quot;%1&quot; is already stored with other values; nothing was imported. Choose with --on-conflict=replace, keep or skip</source>
        <translation>ein IP-Profil namens „%1“ ist bereits mit anderen Werten gespeichert; es wurde nichts importiert. Wählen Sie mit --on-conflict=replace, keep oder skip</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Writes the stored IP sets and connection names to FILE (JSON) for --import on another machine.</source>
        <translation>Schreibt die gespeicherten IP-Profile und Verbindungsnamen in DATEI (JSON), für --import auf einem anderen Rechner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Adds the IP sets of an --export FILE to the store, all or none: each set is checked as the editor checks it, identical sets are passed over.</source>
        <translation>Fügt die IP-Profile einer mit --export geschriebenen DATEI der Datenbank hinzu, alle oder keines: Jedes Profil wird wie im Bearbeitungsdialog geprüft, identische Profile werden übergangen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --import: what to do with a set whose name is stored with other values (replace, keep both, skip); without it such a set stops the import.</source>
        <translation>Mit --import: was mit einem Profil geschehen soll, dessen Name mit anderen Werten gespeichert ist (replace: ersetzen, keep: beide behalten, skip: überspringen); ohne diese Option bricht ein solches Profil den Import ab.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="+66"/>
        <source>a Netvane window is already running for this user but does not answer</source>
        <translation>für diesen Benutzer läuft bereits ein Netvane-Fenster, das aber nicht antwortet</translation>
    </message>
    <message>
        <location filename="../src/app/NetvaneCommandLine.cpp" line="+12"/>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Starts hidden behind the tray icon (for autostart).</source>
        <translation>Startet verborgen als Symbol im Infobereich (für den Autostart).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Switches the IPv4 configuration of a network connection between named presets.
Without an option it opens the window, or brings the one already open to the front.</source>
        <translation>Wechselt die IPv4-Konfiguration einer Netzwerkverbindung zwischen benannten Profilen.
Ohne Option öffnet es das Fenster oder holt das bereits geöffnete in den Vordergrund.</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 und --%2 können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--%1 goes only with --%2</source>
        <translation>--%1 ist nur zusammen mit --%2 möglich</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--minimized starts the window; it does not go with --%1</source>
        <translation>--minimized startet das Fenster; es lässt sich nicht mit --%1 kombinieren</translation>
    </message>
</context>
<context>
    <name>ElevatedApply</name>
    <message>
        <location filename="../src/ipsets/ElevatedApply.cpp" line="-136"/>
        <source>%1 takes exactly seven values</source>
        <translation>%1 erwartet genau sieben Werte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report path is not an absolute path</source>
        <translation>Der Berichtspfad ist kein absoluter Pfad</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The mode is neither static nor dhcp</source>
        <translation>Der Modus ist weder static noch dhcp</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A DHCP request carries no addresses</source>
        <translation>Eine DHCP-Anforderung enthält keine Adressen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>An address value is not a dotted IPv4 address</source>
        <translation>Ein Adresswert ist keine IPv4-Adresse in Punktschreibweise</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An address value is not in the form the program gives</source>
        <translation>Ein Adresswert hat nicht die Form, die das Programm übergibt</translation>
    </message>
</context>
<context>
    <name>IPHelper</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation_linux.cpp" line="+11"/>
        <source>The network adapters could not be read from the kernel</source>
        <translation>Die Netzwerkadapter konnten nicht vom Kernel gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The request is not supported</source>
        <translation>Die Anforderung wird nicht unterstützt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The parameter is incorrect</source>
        <translation>Der Parameter ist falsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network adapters kept changing while they were being read</source>
        <translation>Die Netzwerkadapter haben sich beim Lesen ständig geändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No network adapter was found</source>
        <translation>Es wurde kein Netzwerkadapter gefunden</translation>
    </message>
</context>
<context>
    <name>IPSetDocument</name>
    <message>
        <location filename="../src/ipsets/IPSetDocument.cpp" line="+14"/>
        <source>IP set %1</source>
        <translation>IP-Profil %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unknown field &quot;%1&quot; in %2</source>
        <translation>Unbekanntes Feld &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Field &quot;%1&quot; of %2 must be a text</source>
        <translation>Feld &quot;%1&quot; in %2 muss ein Text sein</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not an object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 has no &quot;name&quot;</source>
        <translation>%1 hat kein Feld &quot;name&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Field &quot;dhcp&quot; of %1 must be true or false</source>
        <translation>Feld &quot;dhcp&quot; in %1 muss true oder false sein</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Field &quot;connection&quot; of %1 is empty; null means no connection</source>
        <translation>Feld &quot;connection&quot; in %1 ist leer; null bedeutet keine Verbindung</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The file is not an IP set export: it nests lists and objects more than %1 deep</source>
        <translation>Die Datei ist kein IP-Profil-Export: Sie verschachtelt Listen und Objekte tiefer als %1 Ebenen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not valid JSON (error at byte %1)</source>
        <translation>Die Datei ist kein gültiges JSON (Fehler bei Byte %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not valid JSON (a number too large to read)</source>
        <translation>Die Datei ist kein gültiges JSON (eine Zahl ist zu groß zum Lesen)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not an IP set export: its top level is not an object</source>
        <translation>Die Datei ist kein IP-Profil-Export: Ihre oberste Ebene ist kein Objekt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not an IP set export: &quot;format&quot; is not &quot;%1&quot;</source>
        <translation>Die Datei ist kein IP-Profil-Export: &quot;format&quot; ist nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no whole-number &quot;version&quot;</source>
        <translation>Die Datei hat keine ganzzahlige &quot;version&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is of format version %1, newer than this program reads (%2)</source>
        <translation>Die Datei hat die Formatversion %1, die neuer ist, als dieses Programm lesen kann (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file&apos;s format version %1 does not exist</source>
        <translation>Die Formatversion %1 der Datei gibt es nicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file</source>
        <extracomment>Where an unknown field was found: &quot;Unknown field &quot;x&quot; in the file&quot;</extracomment>
        <translation>der Datei</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+3"/>
        <source>&quot;connections&quot; must be a list of names</source>
        <translation>&quot;connections&quot; muss eine Liste von Namen sein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has no list of &quot;sets&quot;</source>
        <translation>Die Datei hat keine Liste &quot;sets&quot;</translation>
    </message>
</context>
<context>
    <name>IPSetRules</name>
    <message>
        <location filename="../src/controls/IPSetRules.cpp" line="+159"/>
        <source>Empty IP Set Name !! </source>
        <translation>Der Name des IP-Profils ist leer!! </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The IP set name is not valid UTF-8 text</source>
        <translation>Der Name des IP-Profils ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The IP set name contains a control character</source>
        <translation>Der Name des IP-Profils enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 is blank</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>%1 enthält ein Anführungszeichen oder ein Steuerzeichen und kann nicht an netsh übergeben werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ends with a backslash and cannot be passed to netsh</source>
        <translation>%1 endet mit einem umgekehrten Schrägstrich und kann nicht an netsh übergeben werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is longer than the %2 characters a connection name can have</source>
        <translation>%1 ist länger als die %2 Zeichen, die ein Verbindungsname haben darf</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be used</source>
        <translation>%1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The connection name &quot;%1&quot;</source>
        <translation>Der Verbindungsname „%1“</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>IP Address %1 is invalid!</source>
        <translation>IP-Adresse %1 ist ungültig!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A static IP Set needs an IP Address!</source>
        <translation>Ein statisches IP-Profil braucht eine IP-Adresse!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A static IP Set needs a Subnet Mask!</source>
        <translation>Ein statisches IP-Profil braucht eine Subnetzmaske!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask %1 is invalid!</source>
        <translation>Subnetzmaske %1 ist ungültig!</translation>
    </message>
</context>
<context>
    <name>IPv4Rules</name>
    <message>
        <location filename="../src/controls/IPv4Rules.cpp" line="+75"/>
        <source>invalid subnet mask &quot;%1&quot;</source>
        <translation>ungültige Subnetzmaske „%1“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>address %1 cannot be given to a host with mask %2</source>
        <translation>die Adresse %1 kann keinem Host mit der Maske %2 zugewiesen werden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>gateway %1 is outside the subnet of %2</source>
        <translation>das Gateway %1 liegt außerhalb des Subnetzes von %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gateway %1 cannot be a gateway for %2</source>
        <translation>das Gateway %1 kann kein Gateway für %2 sein</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>invalid DNS server &quot;%1&quot;</source>
        <translation>ungültiger DNS-Server „%1“</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/ipsets/ImportPlan.cpp" line="+85"/>
        <source>A DHCP IP Set carries no addresses, but has %1</source>
        <translation>Ein DHCP-IP-Profil enthält keine Adressen, dieses hat aber %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Connection name %1 &quot;%2&quot;: %3</source>
        <translation>Verbindungsname %1 „%2“: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP set %1 &quot;%2&quot;: %3</source>
        <translation>IP-Profil %1 „%2“: %3</translation>
    </message>
</context>
<context>
    <name>InEffect</name>
    <message>
        <location filename="../src/ipsets/InEffect.cpp" line="+142"/>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
</context>
<context>
    <name>NetshCommand</name>
    <message>
        <location filename="../src/ipsets/NetshCommand.cpp" line="+24"/>
        <source>The connection name is not valid UTF-8 text</source>
        <translation>Der Verbindungsname ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The connection name contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>Der Verbindungsname enthält ein Anführungszeichen oder ein Steuerzeichen und kann nicht an netsh übergeben werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The IP address is not valid UTF-8 text</source>
        <translation>Die IP-Adresse ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>Die IP-Adresse enthält ein Anführungszeichen oder ein Steuerzeichen und kann nicht an netsh übergeben werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subnet mask is not valid UTF-8 text</source>
        <translation>Die Subnetzmaske ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The subnet mask contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>Die Subnetzmaske enthält ein Anführungszeichen oder ein Steuerzeichen und kann nicht an netsh übergeben werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The default gateway is not valid UTF-8 text</source>
        <translation>Das Standardgateway ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The default gateway contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>Das Standardgateway enthält ein Anführungszeichen oder ein Steuerzeichen und kann nicht an netsh übergeben werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The DNS server is not valid UTF-8 text</source>
        <translation>Der DNS-Server ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DNS server contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>Der DNS-Server enthält ein Anführungszeichen oder ein Steuerzeichen und kann nicht an netsh übergeben werden</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The connection name ends with a backslash and cannot be passed to netsh</source>
        <translation>Der Verbindungsname endet mit einem umgekehrten Schrägstrich und kann nicht an netsh übergeben werden</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The netsh command for the address would have %1 characters, more than the %2 allowed</source>
        <translation>Der netsh-Befehl für die Adresse hätte %1 Zeichen, mehr als die erlaubten %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The netsh command for the DNS server would have %1 characters, more than the %2 allowed</source>
        <translation>Der netsh-Befehl für den DNS-Server hätte %1 Zeichen, mehr als die erlaubten %2</translation>
    </message>
</context>
<context>
    <name>NetworkChanges</name>
    <message>
        <location filename="../src/adapters/NetworkChanges_linux.cpp" line="+83"/>
        <location filename="../src/adapters/NetworkChanges_windows.cpp" line="+27"/>
        <source>Cannot listen for network changes: %1</source>
        <translation>Netzwerkänderungen können nicht überwacht werden: %1</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <location filename="../src/platform/ProcessRunner.cpp" line="+104"/>
        <source>stopped after %1 seconds without finishing</source>
        <translation>nach %1 Sekunden ohne Abschluss abgebrochen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>exit code %1</source>
        <translation>Exitcode %1</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <location filename="../src/platform/Registry.cpp" line="+15"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
</context>
<context>
    <name>SystemAddressCheck</name>
    <message>
        <location filename="../src/adapters/SystemAddressCheck_windows.cpp" line="+61"/>
        <source>Windows found that another device on the network already uses %1, so it does not use the address</source>
        <translation>Windows hat festgestellt, dass ein anderes Gerät im Netzwerk %1 bereits verwendet, und verwendet die Adresse daher nicht</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation_linux.cpp" line="+2"/>
        <location filename="../src/platform/SystemError_linux.cpp" line="+15"/>
        <location filename="../src/platform/SystemError_windows.cpp" line="+23"/>
        <source>System error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <location filename="../src/dialogs/f_About.cpp" line="+62"/>
        <source>Quorvex - About...</source>
        <translation>Quorvex - Info...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Version Information</source>
        <translation>Versionsinformationen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Netvane Ver 2



Netvane is an application which manage ip 
setting configuration regarding multiple 
network 
adapters.


It can save ip sets and apply them with ease.


Built with C++ and Qt.</source>
        <extracomment>Line breaks as in the box: it shows the lines as broken here</extracomment>
        <translation>Netvane Ver 2



Netvane ist eine Anwendung, die die 
IP-Konfiguration mehrerer 
Netzwerkadapter 
verwaltet.


Sie speichert IP-Profile und wendet sie mühelos an.


Erstellt mit C++ und Qt.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFrmIPSet</name>
    <message>
        <location filename="../src/dialogs/f_IPSet.cpp" line="+43"/>
        <location line="+24"/>
        <source>IP Set</source>
        <translation>IP-Profil</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>IP Set Name :</source>
        <translation>Name des IP-Profils:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP Address :</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Def.Gateway :</source>
        <translation>Standardgateway:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS :</source>
        <translation>DNS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection :</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>DHCP Enabled</source>
        <translation>DHCP aktiviert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP Set Name</source>
        <translation>Name des IP-Profils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default Gateway</source>
        <translation>Standardgateway</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS Server</source>
        <translation>DNS-Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>The IP set &quot;%1&quot; cannot be edited: its %2 value cannot be read</source>
        <translation>Das IP-Profil „%1“ kann nicht bearbeitet werden: sein Wert im Feld %2 ist nicht lesbar</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>IP Address %1 is invalid!</source>
        <translation>IP-Adresse %1 ist ungültig!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Empty IP Set Name !! </source>
        <translation>Der Name des IP-Profils ist leer!! </translation>
    </message>
    <message>
        <location filename="../src/dialogs/f_IPSet_current.cpp" line="+17"/>
        <source>Take Current Settings</source>
        <translation>Aktuelle Einstellungen übernehmen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current settings</source>
        <translation>Aktuelle Einstellungen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No connection is chosen: choose the connection whose current settings to take.</source>
        <translation>Keine Verbindung ausgewählt: Wählen Sie die Verbindung, deren aktuelle Einstellungen übernommen werden sollen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No adapter carries %1 now: there are no current settings to take.</source>
        <translation>Derzeit gibt es keinen Adapter für %1: Es sind keine aktuellen Einstellungen zu übernehmen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no IPv4 address now: there are no current settings to take.</source>
        <translation>%1 hat derzeit keine IPv4-Adresse: Es sind keine aktuellen Einstellungen zu übernehmen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>The current settings of %1 were taken.</source>
        <translation>Die aktuellen Einstellungen von %1 wurden übernommen.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>The adapter %1 is no longer there: there are no current settings to take.</source>
        <translation>Der Adapter %1 ist nicht mehr vorhanden: Es sind keine aktuellen Einstellungen zu übernehmen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The current settings of the adapter %1 were taken. No connection name is stored for it: choose its connection.</source>
        <translation>Die aktuellen Einstellungen des Adapters %1 wurden übernommen. Für ihn ist kein Verbindungsname gespeichert: Wählen Sie seine Verbindung.</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <location filename="../src/app/f_main.cpp" line="+138"/>
        <location line="+37"/>
        <source>Manage Connections</source>
        <translation>Verbindungen verwalten</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+31"/>
        <source>Add IP Set</source>
        <translation>IP-Profil hinzufügen</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Activate IP Set</source>
        <translation>IP-Profil aktivieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Edit IP Set</source>
        <translation>IP-Profil bearbeiten</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+31"/>
        <source>Delete IP Set</source>
        <translation>IP-Profil löschen</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh Current Configuration</source>
        <translation>Aktuelle Konfiguration aktualisieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection Name List</source>
        <translation>Liste der Verbindungsnamen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Add New IP Configuration Set</source>
        <translation>Neues IP-Profil hinzufügen</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+7"/>
        <source>Activate the selected IP Set</source>
        <translation>Ausgewähltes IP-Profil aktivieren</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Edit the selected IP Set</source>
        <translation>Ausgewähltes IP-Profil bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>Delete the selected IP Set</source>
        <translation>Ausgewähltes IP-Profil löschen</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help File</source>
        <translation>Hilfedatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Activates the IP Set</source>
        <translation>Aktiviert das IP-Profil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit the Selected IP Set</source>
        <translation>Ausgewähltes IP-Profil bearbeiten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Netvane Ver3</source>
        <translation>Netvane Ver3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terminate</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Connections</source>
        <translation>&amp;Verbindungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;IP Sets</source>
        <translation>&amp;IP-Profile</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Apply IP Set</source>
        <translation>IP-Profil anwenden</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Currently Selected IP Set</source>
        <translation>Aktuell ausgewähltes IP-Profil</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>IP Sets and Current Configuration</source>
        <translation>IP-Profile und aktuelle Konfiguration</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+45"/>
        <source>Available IP Sets</source>
        <translation>Verfügbare IP-Profile</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Rights needed</source>
        <translation>Rechte erforderlich</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Administrative or explicit rights over registry and network interfaces are
mandatory for Netvane to work properly.

Please make sure that you have these rights granted by contacting your
system administrator.

For any other information please reffer to the help file.</source>
        <extracomment>Shown centred, line by line as broken here</extracomment>
        <translation>Administratorrechte oder ausdrückliche Rechte für die Registrierung und die
Netzwerkschnittstellen sind nötig, damit Netvane richtig funktioniert.

Bitte wenden Sie sich an Ihren Systemadministrator, damit Ihnen diese
Rechte erteilt werden.

Weitere Informationen finden Sie in der Hilfedatei.</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+2"/>
        <source>Current Configuration</source>
        <translation>Aktuelle Konfiguration</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Are sure you want to delete the selected IP Set ?</source>
        <translation>Möchten Sie das ausgewählte IP-Profil wirklich löschen?</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>The help file %1 is missing</source>
        <translation>Die Hilfedatei %1 fehlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No viewer could open the help file %1</source>
        <translation>Kein Anzeigeprogramm konnte die Hilfedatei %1 öffnen</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_editor.cpp" line="+46"/>
        <location line="+52"/>
        <source>Add new IP Set</source>
        <translation>Neues IP-Profil hinzufügen</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Edit existing IP Set</source>
        <translation>Vorhandenes IP-Profil bearbeiten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New IP Set from This Adapter...</source>
        <translation>Neues IP-Profil aus diesem Adapter...</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_filter.cpp" line="+19"/>
        <location line="+1"/>
        <source>Filter IP Sets</source>
        <translation>IP-Profile filtern</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_sets.cpp" line="+23"/>
        <source>IP set files (*.json);;All files (*)</source>
        <translation>IP-Profil-Dateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>DHCP, connection &quot;%1&quot;</source>
        <translation>DHCP, Verbindung „%1“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 / %2, gateway %3, DNS %4, connection &quot;%5&quot;</source>
        <translation>%1 / %2, Gateway %3, DNS %4, Verbindung „%5“</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file holds more than one IP set named &quot;%1&quot;, with other values.

Earlier in the file: %2
Later in the file: %3</source>
        <translation>Die Datei enthält mehr als ein IP-Profil namens „%1“ mit unterschiedlichen Werten.

Weiter vorn in der Datei: %2
Weiter hinten in der Datei: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An IP set named &quot;%1&quot; is already stored with other values.

Stored: %2
In the file: %3</source>
        <translation>Ein IP-Profil namens „%1“ ist bereits mit anderen Werten gespeichert.

Gespeichert: %2
In der Datei: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Export IP Sets...</source>
        <translation>IP-Profile exportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import IP Sets...</source>
        <translation>IP-Profile importieren...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Export IP Sets</source>
        <translation>IP-Profile exportieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import IP Sets</source>
        <translation>IP-Profile importieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>IP sets exported to %1</source>
        <translation>IP-Profile nach %1 exportiert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>IP sets exported to %1, but not all:
%2</source>
        <translation>IP-Profile nach %1 exportiert, aber nicht alle:
%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Import cancelled; nothing was changed</source>
        <translation>Import abgebrochen; es wurde nichts geändert</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_signin.cpp" line="+15"/>
        <source>Start at Sign-in</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts Netvane hidden behind its tray icon when you sign in</source>
        <translation>Startet Netvane bei der Anmeldung verborgen als Symbol im Infobereich</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The system does not tell where programs started at sign-in are kept</source>
        <translation>Das System gibt nicht an, wo die bei der Anmeldung gestarteten Programme hinterlegt sind</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The sign-in entry %1 could not be removed</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>TFrmManageConnections</name>
    <message>
        <location filename="../src/dialogs/f_manageconnections.cpp" line="+296"/>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete record?</source>
        <translation>Eintrag löschen?</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Connection Name List</source>
        <translation>Liste der Verbindungsnamen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This is a list of network connection names as shown in 
Control Panel - &gt;Network Connections.</source>
        <translation>Dies ist eine Liste der Namen von Netzwerkverbindungen, wie sie unter 
Systemsteuerung - &gt;Netzwerkverbindungen angezeigt werden.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Connection Name</source>
        <translation>Verbindungsname</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFrmWaitBox</name>
    <message>
        <location filename="../src/app/f_WaitBox.cpp" line="+18"/>
        <source>[ Netvane Ver3 ]  Please wait...</source>
        <translation>[ Netvane Ver3 ]  Bitte warten...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Please wait while Netvane is applying the changes....</source>
        <translation>Bitte warten Sie, während Netvane die Änderungen anwendet....</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <location filename="../src/app/SingleInstance_linux.cpp" line="+37"/>
        <source>it is a symbolic link</source>
        <translation>er ist ein symbolischer Link</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>er ist kein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>er gehört dem Benutzer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 700</source>
        <translation>seine Zugriffsrechte sind %1 statt 700</translation>
    </message>
</context>
<context>
    <name>TqxFileInfoListView</name>
    <message>
        <location filename="../src/controls/o_FileInfoListView.cpp" line="+38"/>
        <source>%1 file does not exist!</source>
        <translation>Die Datei %1 existiert nicht!</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CompanyName</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Description</source>
        <translation>Dateibeschreibung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileName</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Version</source>
        <translation>Dateiversion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal Name</source>
        <translation>Interner Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legal Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legal TradeMarks</source>
        <translation>Marken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Original Filename</source>
        <translation>Ursprünglicher Dateiname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Product Name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Product Version</source>
        <translation>Produktversion</translation>
    </message>
</context>
<context>
    <name>TqxIPDBManager</name>
    <message>
        <location filename="../src/store/StoreLocation.cpp" line="+45"/>
        <source>Cannot open the IP set store: the system names no data folder for this user</source>
        <translation>Die IP-Profil-Datenbank kann nicht geöffnet werden: Das System nennt keinen Datenordner für diesen Benutzer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot make the IP set store %1: %2</source>
        <translation>Die IP-Profil-Datenbank %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>it cannot be put in its folder</source>
        <translation>sie kann nicht in ihrem Ordner abgelegt werden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made a new, empty IP set store: %1</source>
        <translation>Neue, leere IP-Profil-Datenbank angelegt: %1</translation>
    </message>
    <message>
        <location filename="../src/store/StoreSchema.cpp" line="+18"/>
        <source>refusing to overwrite %1: the file exists</source>
        <translation>%1 wird nicht überschrieben: Die Datei existiert bereits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder of %1 does not exist</source>
        <translation>der Ordner von %1 existiert nicht</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <location filename="../src/store/o_IPDBManager.cpp" line="+23"/>
        <source>Cannot open the IP set store %1: %2</source>
        <translation>Die IP-Profil-Datenbank %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file does not exist (netvane-db create makes an empty store)</source>
        <translation>die Datei existiert nicht (netvane-db create legt eine leere Datenbank an)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a file</source>
        <translation>es handelt sich nicht um eine Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is an old Jet/Access database; Netvane keeps its IP sets in an SQLite store (netvane-db create makes an empty one)</source>
        <translation>es handelt sich um eine alte Jet/Access-Datenbank; Netvane speichert seine IP-Profile in einer SQLite-Datenbank (netvane-db create legt eine leere an)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is not an SQLite database</source>
        <translation>die Datei ist keine SQLite-Datenbank</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder %1 is read-only</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the database is locked by another program</source>
        <translation>die Datenbank ist von einem anderen Programm gesperrt</translation>
    </message>
</context>
<context>
    <name>TqxIPEdit</name>
    <message>
        <location filename="../src/controls/o_QXIPEdit.cpp" line="+141"/>
        <source>%1, part %2 of %3</source>
        <translation>%1, Teil %2 von %3</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>IP Address %1 is invalid!</source>
        <translation>IP-Adresse %1 ist ungültig!</translation>
    </message>
</context>
<context>
    <name>TqxIPSetApplier</name>
    <message>
        <location filename="../src/ipsets/IPSetApplier.cpp" line="+17"/>
        <source>The IP set &quot;%1&quot; cannot be applied: its %2 value cannot be read</source>
        <translation>Das IP-Profil „%1“ kann nicht angewendet werden: sein Wert im Feld %2 ist nicht lesbar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Applying IP Set.
No connection is chosen for this IP set</source>
        <translation>Fehler beim Anwenden des IP-Profils.
Für dieses IP-Profil ist keine Verbindung ausgewählt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Applying IP Set.
The connection chosen for this IP set is no longer in the connection list</source>
        <translation>Fehler beim Anwenden des IP-Profils.
Die für dieses IP-Profil ausgewählte Verbindung ist nicht mehr in der Verbindungsliste</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The IP set &quot;%1&quot; cannot be applied: %2</source>
        <translation>Das IP-Profil „%1“ kann nicht angewendet werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its connection name &quot;%1&quot;</source>
        <translation>sein Verbindungsname „%1“</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>its %1 value &quot;%2&quot; is not a dotted IPv4 address</source>
        <translation>sein Wert „%2“ im Feld %1 ist keine IPv4-Adresse in Punktschreibweise</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>IP Changed successfully!</source>
        <translation>IP-Konfiguration erfolgreich geändert!</translation>
    </message>
</context>
<context>
    <name>TqxIPSetManager</name>
    <message>
        <location filename="../src/ipsets/o_IPSetManager.cpp" line="+75"/>
        <source>in effect</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <location filename="../src/ipsets/IPSetNode.cpp" line="+10"/>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet mask :</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Def.Gateway :</source>
        <translation>Standardgateway:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS :</source>
        <translation>DNS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DHCP :</source>
        <translation>DHCP:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection Name:</source>
        <translation>Verbindungsname:</translation>
    </message>
    <message>
        <location filename="../src/ipsets/o_IPSetManager.cpp" line="+67"/>
        <source>The IP set with the ID %1 cannot be picked: IDs run from 1 to 2147483647</source>
        <translation>Das IP-Profil mit der ID %1 kann nicht ausgewählt werden: IDs reichen von 1 bis 2147483647</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>True</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>MacAddress   : %1</source>
        <translation>MAC-Adresse    : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DHCP Enabled : %1</source>
        <translation>DHCP aktiviert : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WINS Enabled : %1</source>
        <translation>WINS aktiviert : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IP Addresses</source>
        <translation>IP-Adressen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DHCP Server</source>
        <translation>DHCP-Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS Server</source>
        <translation>DNS-Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WINS Primary Server</source>
        <translation>Primärer WINS-Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WINS Secondary Server</source>
        <translation>Sekundärer WINS-Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anycast IP Address List</source>
        <translation>Anycast-IP-Adressliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MultiCast IP Address List</source>
        <translation>Multicast-IP-Adressliste</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 is already used by the device %2 on %3. Apply %4 anyway?</source>
        <translation>%1 wird an %3 bereits vom Gerät %2 verwendet. %4 trotzdem anwenden?</translation>
    </message>
</context>
<context>
    <name>TqxIPSetTransfer</name>
    <message>
        <location filename="../src/ipsets/o_IPSetTransfer.cpp" line="+28"/>
        <source>%1 failed: %2</source>
        <translation>%1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>another program kept the store locked for %1 s</source>
        <translation>ein anderes Programm hat die Datenbank %1 s lang gesperrt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The import changed nothing: %1</source>
        <translation>Der Import hat nichts geändert: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Committing the import failed: %1</source>
        <translation>Der Import konnte nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nothing was imported. These IP sets were refused:
</source>
        <translation>Es wurde nichts importiert. Diese IP-Profile wurden abgelehnt:
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP sets added: %1
IP sets replaced: %2
IP sets already stored: %3
</source>
        <translation>IP-Profile hinzugefügt: %1
IP-Profile ersetzt: %2
IP-Profile bereits gespeichert: %3
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>IP sets repeated in the file: %1
</source>
        <translation>IP-Profile mehrfach in der Datei: %1
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP sets skipped: %1
Connection names added: %2</source>
        <translation>IP-Profile übersprungen: %1
Verbindungsnamen hinzugefügt: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The connection name &quot;%1&quot; cannot be exported: %2</source>
        <translation>Der Verbindungsname „%1“ kann nicht exportiert werden: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it</source>
        <extracomment>The subject of a sentence: the connection name just named</extracomment>
        <translation>er</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The IP set &quot;%1&quot; cannot be exported: its %2 value cannot be read</source>
        <translation>Das IP-Profil „%1“ kann nicht exportiert werden: sein Wert im Feld %2 ist nicht lesbar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The IP set &quot;%1&quot; cannot be exported: %2</source>
        <translation>Das IP-Profil „%1“ kann nicht exportiert werden: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot write %1: it is not a regular file; nothing was written</source>
        <translation>%1 kann nicht geschrieben werden: Es ist keine reguläre Datei; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+5"/>
        <location line="+4"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot read %1: it is not a regular file</source>
        <translation>%1 kann nicht gelesen werden: Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is too large for an IP set export</source>
        <translation>%1 ist zu groß für einen IP-Profil-Export</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Nothing was imported: %1</source>
        <translation>Es wurde nichts importiert: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Adding connection %1</source>
        <translation>Hinzufügen der Verbindung %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reading the connections</source>
        <translation>Lesen der Verbindungen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The stored IP set %1 cannot be replaced: its ID is outside 1 to 2147483647</source>
        <translation>Das gespeicherte IP-Profil %1 kann nicht ersetzt werden: Seine ID liegt außerhalb von 1 bis 2147483647</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Storing IP set %1</source>
        <translation>Speichern des IP-Profils %1</translation>
    </message>
</context>
<context>
    <name>TqxIPSystemConnections</name>
    <message>
        <location filename="../src/connections/o_SystemConnections.cpp" line="+68"/>
        <source>New network connection %1 could not be added.<byte value="xd"/>%2</source>
        <translation>Die neue Netzwerkverbindung %1 konnte nicht hinzugefügt werden.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New network connection found.<byte value="xd"/>%1</source>
        <translation>Neue Netzwerkverbindung gefunden.<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TqxStatusResult</name>
    <message>
        <location filename="../src/app/StatusResult.cpp" line="+10"/>
        <source>Last result</source>
        <translation>Letztes Ergebnis</translation>
    </message>
</context>
<context>
    <name>TqxTable</name>
    <message>
        <location filename="../src/store/o_DatabaseConnection.cpp" line="+35"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist kein gültiger Ganzzahlwert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&apos;%1&apos; is not a valid boolean value</source>
        <translation>„%1“ ist kein gültiger boolescher Wert</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>%1: Cannot perform this operation on a closed dataset</source>
        <translation>%1: Dieser Vorgang ist bei einer geschlossenen Datenmenge nicht möglich</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the table %1 is missing</source>
        <translation>die Tabelle %1 fehlt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the table %1 has no column %2</source>
        <translation>die Tabelle %1 hat keine Spalte %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the table %1 has no integer key column ID</source>
        <translation>die Tabelle %1 hat keine ganzzahlige Schlüsselspalte ID</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1: Feld „%2“ nicht gefunden</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>IP set store %1: %2</source>
        <translation>IP-Profil-Datenbank %1: %2</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1: Dataset not in edit or insert mode</source>
        <translation>%1: Die Datenmenge ist nicht im Bearbeitungs- oder Einfügemodus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: Field &apos;%2&apos; cannot be modified</source>
        <translation>%1: Feld „%2“ kann nicht geändert werden</translation>
    </message>
    <message>
        <location line="+162"/>
        <location line="+3"/>
        <source>the new row was not added to the table %1</source>
        <translation>die neue Zeile wurde der Tabelle %1 nicht hinzugefügt</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: Cannot perform this operation on an empty dataset</source>
        <translation>%1: Dieser Vorgang ist bei einer leeren Datenmenge nicht möglich</translation>
    </message>
</context>
<context>
    <name>qxText</name>
    <message>
        <location filename="../src/common/qxText.cpp" line="+83"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist kein gültiger Ganzzahlwert</translation>
    </message>
</context>
</TS>
