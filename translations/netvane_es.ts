<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AdapterInformation</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation.cpp" line="+111"/>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de los límites (%1)</translation>
    </message>
</context>
<context>
    <name>ApplyReport</name>
    <message>
        <location filename="../src/ipsets/ApplyReport.cpp" line="+20"/>
        <source>The IP set</source>
        <extracomment>Stands for the name of an IP set that has none, at the start of a sentence</extracomment>
        <translation>El conjunto IP</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 was not applied. Setting the address and the DNS server failed: %2</source>
        <translation>%1 no se aplicó. Error al establecer la dirección y el servidor DNS: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was not applied. Setting the address failed: %2 Setting the DNS server failed: %3</source>
        <translation>%1 no se aplicó. Error al establecer la dirección: %2 Error al establecer el servidor DNS: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was not applied. Setting the address failed: %2</source>
        <translation>%1 no se aplicó. Error al establecer la dirección: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was not applied. Setting the DNS server failed: %2</source>
        <translation>%1 no se aplicó. Error al establecer el servidor DNS: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was not applied.</source>
        <translation>%1 no se aplicó.</translation>
    </message>
    <message>
        <location filename="../src/ipsets/ElevatedApply.cpp" line="+233"/>
        <source>%1 was not applied: no report file could be made for Netvane with administrator rights (%2)</source>
        <translation>%1 no se aplicó: no se pudo crear un archivo de informe para Netvane con permisos de administrador (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 was not applied: administrator rights were refused</source>
        <translation>%1 no se aplicó: se denegaron los permisos de administrador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was not applied: Netvane could not start with administrator rights (%2)</source>
        <translation>%1 no se aplicó: Netvane no pudo iniciarse con permisos de administrador (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 may not have been applied: Netvane with administrator rights did not finish within %2 seconds</source>
        <translation>%1 quizá no se haya aplicado: Netvane con permisos de administrador no terminó en %2 segundos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 may not have been applied: Netvane with administrator rights ended without telling how it went (exit code %2)</source>
        <translation>%1 quizá no se haya aplicado: Netvane con permisos de administrador terminó sin indicar el resultado (código de salida %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was not applied: Netvane with administrator rights refused it: %2</source>
        <translation>%1 no se aplicó: Netvane con permisos de administrador lo rechazó: %2</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <location filename="../src/platform/Autostart_linux.cpp" line="+26"/>
        <source>The program&apos;s path holds a control character; it cannot be started at sign-in</source>
        <translation>La ruta del programa contiene un carácter de control; no se puede ejecutar al iniciar sesión</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+6"/>
        <source>The sign-in entry %1 could not be written: %2</source>
        <translation>No se pudo escribir la entrada de inicio de sesión %1: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/Autostart_windows.cpp" line="+38"/>
        <source>The sign-in shortcut %1 could not be written: %2</source>
        <translation>No se pudo escribir el acceso directo de inicio de sesión %1: %2</translation>
    </message>
</context>
<context>
    <name>ConsoleCommands</name>
    <message>
        <location filename="../src/app/ConsoleCommands.cpp" line="+75"/>
        <location line="+12"/>
        <source>no IP set is named &quot;%1&quot;</source>
        <translation>no hay ningún conjunto IP llamado &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>%1 IP sets are named &quot;%2&quot;; give one of them another name to apply it</source>
        <translation>hay %1 conjuntos IP llamados &quot;%2&quot;; cambie el nombre de uno de ellos para aplicarlo</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already used by the device %2 on %3</source>
        <translation>%1 ya está en uso por el dispositivo %2 en %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, so %2 was not applied; --force applies it anyway</source>
        <translation>%1, así que no se aplicó %2; --force lo aplica de todos modos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1; applying %2 all the same, as --force asks.</source>
        <translation>%1; se aplica %2 de todos modos, como pide --force.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Lists the stored IP sets, one a line, tab-separated: name, connection, then DHCP or the IP address, subnet mask, gateway and DNS server.</source>
        <translation>Muestra los conjuntos IP guardados, uno por línea, separados por tabulaciones: nombre, conexión y, a continuación, DHCP o la dirección IP, la máscara de subred, la puerta de enlace y el servidor DNS.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Applies the stored IP set of that name, as the window does, and tells how it went (exit status 0 or 1).</source>
        <translation>Aplica el conjunto IP guardado con ese nombre, igual que la ventana, e indica el resultado (estado de salida 0 o 1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>With --apply: applies the set even when another device on the network is found to use its address; without it that ends with exit status 1 and changes nothing.</source>
        <translation>Con --apply: aplica el conjunto aunque se detecte que otro dispositivo de la red usa su dirección; sin esta opción, en ese caso termina con estado de salida 1 y no cambia nada.</translation>
    </message>
    <message>
        <location filename="../src/app/ConsoleTransfer.cpp" line="+31"/>
        <source>Exported to %1 (IP sets: %2, connection names: %3)</source>
        <translation>Exportado a %1 (conjuntos IP: %2, nombres de conexión: %3)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not everything was exported:
</source>
        <translation>no se exportó todo:
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--on-conflict takes replace, keep or skip, not &quot;%1&quot;</source>
        <translation>--on-conflict admite replace, keep o skip, no &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file holds more than one IP set named &quot;%1&quot;, with other values; nothing was imported. Choose with --on-conflict=replace, keep or skip</source>
        <translation>el archivo contiene más de un conjunto IP llamado &quot;%1&quot;, con otros valores; no se importó nada. Elija con --on-conflict=replace, keep o skip</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an IP set named &quot;%1&quot; is already stored with other values; nothing was imported. Choose with --on-conflict=replace, keep or skip</source>
        <translation>ya hay guardado un conjunto IP llamado &quot;%1&quot; con otros valores; no se importó nada. Elija con --on-conflict=replace, keep o skip</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Writes the stored IP sets and connection names to FILE (JSON) for --import on another machine.</source>
        <translation>Escribe los conjuntos IP guardados y los nombres de conexión en ARCHIVO (JSON) para usarlos con --import en otro equipo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Adds the IP sets of an --export FILE to the store, all or none: each set is checked as the editor checks it, identical sets are passed over.</source>
        <translation>Añade al almacén los conjuntos IP de un ARCHIVO de --export, todos o ninguno: cada conjunto se comprueba igual que en el editor y los conjuntos idénticos se omiten.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --import: what to do with a set whose name is stored with other values (replace, keep both, skip); without it such a set stops the import.</source>
        <translation>Con --import: qué hacer con un conjunto cuyo nombre ya está guardado con otros valores (replace: reemplazarlo, keep: conservar ambos, skip: omitirlo); sin esta opción, un conjunto así detiene la importación.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="+66"/>
        <source>a Netvane window is already running for this user but does not answer</source>
        <translation>ya hay una ventana de Netvane abierta para este usuario, pero no responde</translation>
    </message>
    <message>
        <location filename="../src/app/NetvaneCommandLine.cpp" line="+12"/>
        <source>Shows this help and ends.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shows the version and ends.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Starts hidden behind the tray icon (for autostart).</source>
        <translation>Se inicia oculto tras el icono de la bandeja del sistema (para el inicio automático).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Switches the IPv4 configuration of a network connection between named presets.
Without an option it opens the window, or brings the one already open to the front.</source>
        <translation>Cambia la configuración IPv4 de una conexión de red entre ajustes predefinidos con nombre.
Sin opciones, abre la ventana o trae al frente la que ya está abierta.</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 y --%2 no se pueden usar juntas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--%1 goes only with --%2</source>
        <translation>--%1 solo se puede usar con --%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--minimized starts the window; it does not go with --%1</source>
        <translation>--minimized inicia la ventana; no se puede usar con --%1</translation>
    </message>
</context>
<context>
    <name>ElevatedApply</name>
    <message>
        <location filename="../src/ipsets/ElevatedApply.cpp" line="-136"/>
        <source>%1 takes exactly seven values</source>
        <translation>%1 requiere exactamente siete valores</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report path is not an absolute path</source>
        <translation>La ruta del informe no es una ruta absoluta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The mode is neither static nor dhcp</source>
        <translation>El modo no es ni static ni dhcp</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A DHCP request carries no addresses</source>
        <translation>Una solicitud DHCP no lleva direcciones</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>An address value is not a dotted IPv4 address</source>
        <translation>Un valor de dirección no es una dirección IPv4 en notación decimal con puntos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An address value is not in the form the program gives</source>
        <translation>Un valor de dirección no tiene la forma que genera el programa</translation>
    </message>
</context>
<context>
    <name>IPHelper</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation_linux.cpp" line="+11"/>
        <source>The network adapters could not be read from the kernel</source>
        <translation>No se pudieron leer los adaptadores de red desde el kernel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The request is not supported</source>
        <translation>No se admite la solicitud</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The parameter is incorrect</source>
        <translation>El parámetro no es correcto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network adapters kept changing while they were being read</source>
        <translation>Los adaptadores de red no dejaron de cambiar mientras se leían</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No network adapter was found</source>
        <translation>No se encontró ningún adaptador de red</translation>
    </message>
</context>
<context>
    <name>IPSetDocument</name>
    <message>
        <location filename="../src/ipsets/IPSetDocument.cpp" line="+14"/>
        <source>IP set %1</source>
        <translation>el conjunto IP %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unknown field &quot;%1&quot; in %2</source>
        <translation>Campo &quot;%1&quot; desconocido en %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Field &quot;%1&quot; of %2 must be a text</source>
        <translation>En %2, el campo &quot;%1&quot; debe ser un texto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not an object</source>
        <translation>Se esperaba un objeto para %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 has no &quot;name&quot;</source>
        <translation>Falta &quot;name&quot; en %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Field &quot;dhcp&quot; of %1 must be true or false</source>
        <translation>En %1, el campo &quot;dhcp&quot; debe ser true o false</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Field &quot;connection&quot; of %1 is empty; null means no connection</source>
        <translation>En %1, el campo &quot;connection&quot; está vacío; null significa sin conexión</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The file is not an IP set export: it nests lists and objects more than %1 deep</source>
        <translation>El archivo no es una exportación de conjuntos IP: anida listas y objetos en más de %1 niveles</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not valid JSON (error at byte %1)</source>
        <translation>El archivo no es JSON válido (error en el byte %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not valid JSON (a number too large to read)</source>
        <translation>El archivo no es JSON válido (un número demasiado grande para leerlo)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not an IP set export: its top level is not an object</source>
        <translation>El archivo no es una exportación de conjuntos IP: su nivel superior no es un objeto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not an IP set export: &quot;format&quot; is not &quot;%1&quot;</source>
        <translation>El archivo no es una exportación de conjuntos IP: &quot;format&quot; no es &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no whole-number &quot;version&quot;</source>
        <translation>El archivo no tiene un &quot;version&quot; con un número entero</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is of format version %1, newer than this program reads (%2)</source>
        <translation>El archivo tiene la versión de formato %1, más reciente que la que lee este programa (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file&apos;s format version %1 does not exist</source>
        <translation>La versión de formato %1 del archivo no existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file</source>
        <extracomment>Where an unknown field was found: &quot;Unknown field &quot;x&quot; in the file&quot;</extracomment>
        <translation>el archivo</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+3"/>
        <source>&quot;connections&quot; must be a list of names</source>
        <translation>&quot;connections&quot; debe ser una lista de nombres</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has no list of &quot;sets&quot;</source>
        <translation>El archivo no tiene ninguna lista &quot;sets&quot;</translation>
    </message>
</context>
<context>
    <name>IPSetRules</name>
    <message>
        <location filename="../src/controls/IPSetRules.cpp" line="+159"/>
        <source>Empty IP Set Name !! </source>
        <translation>¡El nombre del conjunto IP está vacío! </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The IP set name is not valid UTF-8 text</source>
        <translation>El nombre del conjunto IP no es texto UTF-8 válido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The IP set name contains a control character</source>
        <translation>El nombre del conjunto IP contiene un carácter de control</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 is blank</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 no es texto UTF-8 válido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>%1 contiene comillas o un carácter de control y no se puede pasar a netsh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ends with a backslash and cannot be passed to netsh</source>
        <translation>%1 termina en barra invertida y no se puede pasar a netsh</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is longer than the %2 characters a connection name can have</source>
        <translation>%1 supera los %2 caracteres que puede tener un nombre de conexión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be used</source>
        <translation>%1 no se puede usar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The connection name &quot;%1&quot;</source>
        <translation>El nombre de conexión &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>IP Address %1 is invalid!</source>
        <translation>¡La dirección IP %1 no es válida!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A static IP Set needs an IP Address!</source>
        <translation>¡Un conjunto IP estático necesita una dirección IP!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A static IP Set needs a Subnet Mask!</source>
        <translation>¡Un conjunto IP estático necesita una máscara de subred!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask %1 is invalid!</source>
        <translation>¡La máscara de subred %1 no es válida!</translation>
    </message>
</context>
<context>
    <name>IPv4Rules</name>
    <message>
        <location filename="../src/controls/IPv4Rules.cpp" line="+75"/>
        <source>invalid subnet mask &quot;%1&quot;</source>
        <translation>máscara de subred &quot;%1&quot; no válida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>address %1 cannot be given to a host with mask %2</source>
        <translation>la dirección %1 no se puede asignar a un equipo con la máscara %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>gateway %1 is outside the subnet of %2</source>
        <translation>la puerta de enlace %1 está fuera de la subred de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gateway %1 cannot be a gateway for %2</source>
        <translation>%1 no puede ser la puerta de enlace de %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>invalid DNS server &quot;%1&quot;</source>
        <translation>servidor DNS &quot;%1&quot; no válido</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/ipsets/ImportPlan.cpp" line="+85"/>
        <source>A DHCP IP Set carries no addresses, but has %1</source>
        <translation>Un conjunto IP con DHCP no lleva direcciones, pero tiene %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Connection name %1 &quot;%2&quot;: %3</source>
        <translation>Nombre de conexión %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP set %1 &quot;%2&quot;: %3</source>
        <translation>Conjunto IP %1 &quot;%2&quot;: %3</translation>
    </message>
</context>
<context>
    <name>InEffect</name>
    <message>
        <location filename="../src/ipsets/InEffect.cpp" line="+142"/>
        <source>not present</source>
        <translation>no presente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no address</source>
        <translation>sin dirección</translation>
    </message>
</context>
<context>
    <name>NetshCommand</name>
    <message>
        <location filename="../src/ipsets/NetshCommand.cpp" line="+24"/>
        <source>The connection name is not valid UTF-8 text</source>
        <translation>El nombre de conexión no es texto UTF-8 válido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The connection name contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>El nombre de conexión contiene comillas o un carácter de control y no se puede pasar a netsh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The IP address is not valid UTF-8 text</source>
        <translation>La dirección IP no es texto UTF-8 válido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>La dirección IP contiene comillas o un carácter de control y no se puede pasar a netsh</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subnet mask is not valid UTF-8 text</source>
        <translation>La máscara de subred no es texto UTF-8 válido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The subnet mask contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>La máscara de subred contiene comillas o un carácter de control y no se puede pasar a netsh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The default gateway is not valid UTF-8 text</source>
        <translation>La puerta de enlace predeterminada no es texto UTF-8 válido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The default gateway contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>La puerta de enlace predeterminada contiene comillas o un carácter de control y no se puede pasar a netsh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The DNS server is not valid UTF-8 text</source>
        <translation>El servidor DNS no es texto UTF-8 válido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DNS server contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>El servidor DNS contiene comillas o un carácter de control y no se puede pasar a netsh</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The connection name ends with a backslash and cannot be passed to netsh</source>
        <translation>El nombre de conexión termina en barra invertida y no se puede pasar a netsh</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The netsh command for the address would have %1 characters, more than the %2 allowed</source>
        <translation>El comando netsh para la dirección tendría %1 caracteres, más de los %2 permitidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The netsh command for the DNS server would have %1 characters, more than the %2 allowed</source>
        <translation>El comando netsh para el servidor DNS tendría %1 caracteres, más de los %2 permitidos</translation>
    </message>
</context>
<context>
    <name>NetworkChanges</name>
    <message>
        <location filename="../src/adapters/NetworkChanges_linux.cpp" line="+83"/>
        <location filename="../src/adapters/NetworkChanges_windows.cpp" line="+27"/>
        <source>Cannot listen for network changes: %1</source>
        <translation>No se pueden detectar los cambios de red: %1</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <location filename="../src/platform/ProcessRunner.cpp" line="+104"/>
        <source>stopped after %1 seconds without finishing</source>
        <translation>se detuvo tras %1 segundos sin terminar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>exit code %1</source>
        <translation>código de salida %1</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <location filename="../src/platform/Registry.cpp" line="+15"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>SystemAddressCheck</name>
    <message>
        <location filename="../src/adapters/SystemAddressCheck_windows.cpp" line="+61"/>
        <source>Windows found that another device on the network already uses %1, so it does not use the address</source>
        <translation>Windows detectó que otro dispositivo de la red ya usa %1, por lo que no utiliza la dirección</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation_linux.cpp" line="+2"/>
        <location filename="../src/platform/SystemError_linux.cpp" line="+15"/>
        <location filename="../src/platform/SystemError_windows.cpp" line="+23"/>
        <source>System error %1</source>
        <translation>Error del sistema %1</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <location filename="../src/dialogs/f_About.cpp" line="+62"/>
        <source>Quorvex - About...</source>
        <translation>Quorvex - Acerca de...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Version Information</source>
        <translation>Información de la versión</translation>
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



Netvane es una aplicación que gestiona la 
configuración IP de varios 
adaptadores 
de red.


Puede guardar conjuntos IP y aplicarlos fácilmente.


Creado con C++ y Qt.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TFrmIPSet</name>
    <message>
        <location filename="../src/dialogs/f_IPSet.cpp" line="+43"/>
        <location line="+24"/>
        <source>IP Set</source>
        <translation>Conjunto IP</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>IP Set Name :</source>
        <translation>Nombre del conjunto IP:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP Address :</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask:</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Def.Gateway :</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS :</source>
        <translation>DNS:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection :</source>
        <translation>Conexión:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>DHCP Enabled</source>
        <translation>DHCP habilitado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP Set Name</source>
        <translation>Nombre del conjunto IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default Gateway</source>
        <translation>Puerta de enlace predeterminada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS Server</source>
        <translation>Servidor DNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>The IP set &quot;%1&quot; cannot be edited: its %2 value cannot be read</source>
        <translation>No se puede editar el conjunto IP &quot;%1&quot;: no se puede leer su valor %2</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>IP Address %1 is invalid!</source>
        <translation>¡La dirección IP %1 no es válida!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Empty IP Set Name !! </source>
        <translation>¡El nombre del conjunto IP está vacío! </translation>
    </message>
    <message>
        <location filename="../src/dialogs/f_IPSet_current.cpp" line="+17"/>
        <source>Take Current Settings</source>
        <translation>Tomar la configuración actual</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current settings</source>
        <translation>Configuración actual</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No connection is chosen: choose the connection whose current settings to take.</source>
        <translation>No se ha elegido ninguna conexión: elija la conexión cuya configuración actual desea tomar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No adapter carries %1 now: there are no current settings to take.</source>
        <translation>Ahora ningún adaptador tiene %1: no hay ninguna configuración actual que tomar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no IPv4 address now: there are no current settings to take.</source>
        <translation>%1 no tiene ahora ninguna dirección IPv4: no hay ninguna configuración actual que tomar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>The current settings of %1 were taken.</source>
        <translation>Se tomó la configuración actual de %1.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>The adapter %1 is no longer there: there are no current settings to take.</source>
        <translation>El adaptador %1 ya no está: no hay ninguna configuración actual que tomar.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The current settings of the adapter %1 were taken. No connection name is stored for it: choose its connection.</source>
        <translation>Se tomó la configuración actual del adaptador %1. No hay ningún nombre de conexión guardado para él: elija su conexión.</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <location filename="../src/app/f_main.cpp" line="+138"/>
        <location line="+37"/>
        <source>Manage Connections</source>
        <translation>Administrar conexiones</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+31"/>
        <source>Add IP Set</source>
        <translation>Añadir conjunto IP</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Activate IP Set</source>
        <translation>Activar conjunto IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Edit IP Set</source>
        <translation>Editar conjunto IP</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+31"/>
        <source>Delete IP Set</source>
        <translation>Eliminar conjunto IP</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh Current Configuration</source>
        <translation>Actualizar la configuración actual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection Name List</source>
        <translation>Lista de nombres de conexión</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Add New IP Configuration Set</source>
        <translation>Añadir nuevo conjunto de configuración IP</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+7"/>
        <source>Activate the selected IP Set</source>
        <translation>Activar el conjunto IP seleccionado</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Edit the selected IP Set</source>
        <translation>Editar el conjunto IP seleccionado</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>Delete the selected IP Set</source>
        <translation>Eliminar el conjunto IP seleccionado</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help File</source>
        <translation>Archivo de ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Activates the IP Set</source>
        <translation>Activa el conjunto IP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit the Selected IP Set</source>
        <translation>Editar el conjunto IP seleccionado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Netvane Ver3</source>
        <translation>Netvane Ver3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terminate</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Connections</source>
        <translation>&amp;Conexiones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;IP Sets</source>
        <translation>Conjuntos &amp;IP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Apply IP Set</source>
        <translation>Aplicar conjunto IP</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Currently Selected IP Set</source>
        <translation>Conjunto IP seleccionado</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>IP Sets and Current Configuration</source>
        <translation>Conjuntos IP y configuración actual</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+45"/>
        <source>Available IP Sets</source>
        <translation>Conjuntos IP disponibles</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Rights needed</source>
        <translation>Permisos necesarios</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Administrative or explicit rights over registry and network interfaces are
mandatory for Netvane to work properly.

Please make sure that you have these rights granted by contacting your
system administrator.

For any other information please reffer to the help file.</source>
        <extracomment>Shown centred, line by line as broken here</extracomment>
        <translation>Para que Netvane funcione correctamente, son imprescindibles permisos de
administrador o permisos explícitos sobre el registro y las interfaces de red.

Asegúrese de que tiene concedidos estos permisos poniéndose en contacto con
el administrador del sistema.

Para cualquier otra información, consulte el archivo de ayuda.</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+2"/>
        <source>Current Configuration</source>
        <translation>Configuración actual</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Are sure you want to delete the selected IP Set ?</source>
        <translation>¿Seguro que desea eliminar el conjunto IP seleccionado?</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>The help file %1 is missing</source>
        <translation>Falta el archivo de ayuda %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No viewer could open the help file %1</source>
        <translation>Ningún visor pudo abrir el archivo de ayuda %1</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_editor.cpp" line="+46"/>
        <location line="+52"/>
        <source>Add new IP Set</source>
        <translation>Añadir nuevo conjunto IP</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Edit existing IP Set</source>
        <translation>Editar conjunto IP existente</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New IP Set from This Adapter...</source>
        <translation>Nuevo conjunto IP a partir de este adaptador...</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_filter.cpp" line="+19"/>
        <location line="+1"/>
        <source>Filter IP Sets</source>
        <translation>Filtrar conjuntos IP</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_sets.cpp" line="+23"/>
        <source>IP set files (*.json);;All files (*)</source>
        <translation>Archivos de conjuntos IP (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>DHCP, connection &quot;%1&quot;</source>
        <translation>DHCP, conexión &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 / %2, gateway %3, DNS %4, connection &quot;%5&quot;</source>
        <translation>%1 / %2, puerta de enlace %3, DNS %4, conexión &quot;%5&quot;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file holds more than one IP set named &quot;%1&quot;, with other values.

Earlier in the file: %2
Later in the file: %3</source>
        <translation>El archivo contiene más de un conjunto IP llamado &quot;%1&quot;, con otros valores.

Primero en el archivo: %2
Después en el archivo: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An IP set named &quot;%1&quot; is already stored with other values.

Stored: %2
In the file: %3</source>
        <translation>Ya hay guardado un conjunto IP llamado &quot;%1&quot; con otros valores.

Guardado: %2
En el archivo: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep Both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Export IP Sets...</source>
        <translation>Exportar conjuntos IP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import IP Sets...</source>
        <translation>Importar conjuntos IP...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Export IP Sets</source>
        <translation>Exportar conjuntos IP</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import IP Sets</source>
        <translation>Importar conjuntos IP</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>IP sets exported to %1</source>
        <translation>Conjuntos IP exportados a %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>IP sets exported to %1, but not all:
%2</source>
        <translation>Conjuntos IP exportados a %1, pero no todos:
%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Import cancelled; nothing was changed</source>
        <translation>Importación cancelada; no se cambió nada</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_signin.cpp" line="+15"/>
        <source>Start at Sign-in</source>
        <translation>Ejecutar al iniciar sesión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts Netvane hidden behind its tray icon when you sign in</source>
        <translation>Inicia Netvane oculto tras su icono de la bandeja del sistema al iniciar sesión</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The system does not tell where programs started at sign-in are kept</source>
        <translation>El sistema no indica dónde se guardan los programas que se ejecutan al iniciar sesión</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The sign-in entry %1 could not be removed</source>
        <translation>No se pudo quitar la entrada de inicio de sesión %1</translation>
    </message>
</context>
<context>
    <name>TFrmManageConnections</name>
    <message>
        <location filename="../src/dialogs/f_manageconnections.cpp" line="+296"/>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete record?</source>
        <translation>¿Eliminar el registro?</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Connection Name List</source>
        <translation>Lista de nombres de conexión</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This is a list of network connection names as shown in 
Control Panel - &gt;Network Connections.</source>
        <translation>Esta es una lista de nombres de conexiones de red tal como aparecen en 
Panel de control - &gt;Conexiones de red.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Connection Name</source>
        <translation>Nombre de conexión</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TFrmWaitBox</name>
    <message>
        <location filename="../src/app/f_WaitBox.cpp" line="+18"/>
        <source>[ Netvane Ver3 ]  Please wait...</source>
        <translation>[ Netvane Ver3 ]  Espere, por favor...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Please wait while Netvane is applying the changes....</source>
        <translation>Espere mientras Netvane aplica los cambios....</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <location filename="../src/app/SingleInstance_linux.cpp" line="+37"/>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>pertenece al usuario %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 700</source>
        <translation>su modo es %1, no 700</translation>
    </message>
</context>
<context>
    <name>TqxFileInfoListView</name>
    <message>
        <location filename="../src/controls/o_FileInfoListView.cpp" line="+38"/>
        <source>%1 file does not exist!</source>
        <translation>¡El archivo %1 no existe!</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CompanyName</source>
        <translation>Nombre de la empresa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Description</source>
        <translation>Descripción del archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileName</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Version</source>
        <translation>Versión del archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal Name</source>
        <translation>Nombre interno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legal Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legal TradeMarks</source>
        <translation>Marcas comerciales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Original Filename</source>
        <translation>Nombre de archivo original</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Product Name</source>
        <translation>Nombre del producto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Product Version</source>
        <translation>Versión del producto</translation>
    </message>
</context>
<context>
    <name>TqxIPDBManager</name>
    <message>
        <location filename="../src/store/StoreLocation.cpp" line="+45"/>
        <source>Cannot open the IP set store: the system names no data folder for this user</source>
        <translation>No se puede abrir el almacén de conjuntos IP: el sistema no indica ninguna carpeta de datos para este usuario</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot make the IP set store %1: %2</source>
        <translation>No se puede crear el almacén de conjuntos IP %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>it cannot be put in its folder</source>
        <translation>no se puede colocar en su carpeta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made a new, empty IP set store: %1</source>
        <translation>Se creó un almacén de conjuntos IP nuevo y vacío: %1</translation>
    </message>
    <message>
        <location filename="../src/store/StoreSchema.cpp" line="+18"/>
        <source>refusing to overwrite %1: the file exists</source>
        <translation>no se sobrescribe %1: el archivo ya existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder of %1 does not exist</source>
        <translation>la carpeta de %1 no existe</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <location filename="../src/store/o_IPDBManager.cpp" line="+23"/>
        <source>Cannot open the IP set store %1: %2</source>
        <translation>No se puede abrir el almacén de conjuntos IP %1: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file does not exist (netvane-db create makes an empty store)</source>
        <translation>el archivo no existe (netvane-db create crea un almacén vacío)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file cannot be read (%1)</source>
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is an old Jet/Access database; Netvane keeps its IP sets in an SQLite store (netvane-db create makes an empty one)</source>
        <translation>es una base de datos Jet/Access antigua; Netvane guarda sus conjuntos IP en un almacén SQLite (netvane-db create crea uno vacío)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is not an SQLite database</source>
        <translation>el archivo no es una base de datos SQLite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 es de solo lectura</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the database is locked by another program</source>
        <translation>otro programa tiene bloqueada la base de datos</translation>
    </message>
</context>
<context>
    <name>TqxIPEdit</name>
    <message>
        <location filename="../src/controls/o_QXIPEdit.cpp" line="+141"/>
        <source>%1, part %2 of %3</source>
        <translation>%1, parte %2 de %3</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>IP Address %1 is invalid!</source>
        <translation>¡La dirección IP %1 no es válida!</translation>
    </message>
</context>
<context>
    <name>TqxIPSetApplier</name>
    <message>
        <location filename="../src/ipsets/IPSetApplier.cpp" line="+17"/>
        <source>The IP set &quot;%1&quot; cannot be applied: its %2 value cannot be read</source>
        <translation>No se puede aplicar el conjunto IP &quot;%1&quot;: no se puede leer su valor %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Applying IP Set.
No connection is chosen for this IP set</source>
        <translation>Error al aplicar el conjunto IP.
No se ha elegido ninguna conexión para este conjunto IP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Applying IP Set.
The connection chosen for this IP set is no longer in the connection list</source>
        <translation>Error al aplicar el conjunto IP.
La conexión elegida para este conjunto IP ya no está en la lista de conexiones</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The IP set &quot;%1&quot; cannot be applied: %2</source>
        <translation>No se puede aplicar el conjunto IP &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its connection name &quot;%1&quot;</source>
        <translation>su nombre de conexión &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>its %1 value &quot;%2&quot; is not a dotted IPv4 address</source>
        <translation>su valor %1 &quot;%2&quot; no es una dirección IPv4 en notación decimal con puntos</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>IP Changed successfully!</source>
        <translation>¡La IP se cambió correctamente!</translation>
    </message>
</context>
<context>
    <name>TqxIPSetManager</name>
    <message>
        <location filename="../src/ipsets/o_IPSetManager.cpp" line="+75"/>
        <source>in effect</source>
        <translation>en vigor</translation>
    </message>
    <message>
        <location filename="../src/ipsets/IPSetNode.cpp" line="+10"/>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet mask :</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Def.Gateway :</source>
        <translation>Puerta de enlace:</translation>
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
        <translation>Nombre de conexión:</translation>
    </message>
    <message>
        <location filename="../src/ipsets/o_IPSetManager.cpp" line="+67"/>
        <source>The IP set with the ID %1 cannot be picked: IDs run from 1 to 2147483647</source>
        <translation>No se puede seleccionar el conjunto IP con el ID %1: los ID van de 1 a 2147483647</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>True</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>MacAddress   : %1</source>
        <translation>Dirección MAC   : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DHCP Enabled : %1</source>
        <translation>DHCP habilitado : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WINS Enabled : %1</source>
        <translation>WINS habilitado : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IP Addresses</source>
        <translation>Direcciones IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DHCP Server</source>
        <translation>Servidor DHCP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS Server</source>
        <translation>Servidor DNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WINS Primary Server</source>
        <translation>Servidor WINS principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WINS Secondary Server</source>
        <translation>Servidor WINS secundario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anycast IP Address List</source>
        <translation>Lista de direcciones IP anycast</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MultiCast IP Address List</source>
        <translation>Lista de direcciones IP de multidifusión</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 is already used by the device %2 on %3. Apply %4 anyway?</source>
        <translation>%1 ya está en uso por el dispositivo %2 en %3. ¿Desea aplicar %4 de todos modos?</translation>
    </message>
</context>
<context>
    <name>TqxIPSetTransfer</name>
    <message>
        <location filename="../src/ipsets/o_IPSetTransfer.cpp" line="+28"/>
        <source>%1 failed: %2</source>
        <translation>Error al %1: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>another program kept the store locked for %1 s</source>
        <translation>otro programa mantuvo bloqueado el almacén durante %1 s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The import changed nothing: %1</source>
        <translation>La importación no cambió nada: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Committing the import failed: %1</source>
        <translation>Error al confirmar la importación: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nothing was imported. These IP sets were refused:
</source>
        <translation>No se importó nada. Se rechazaron estos conjuntos IP:
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP sets added: %1
IP sets replaced: %2
IP sets already stored: %3
</source>
        <translation>Conjuntos IP añadidos: %1
Conjuntos IP reemplazados: %2
Conjuntos IP ya guardados: %3
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>IP sets repeated in the file: %1
</source>
        <translation>Conjuntos IP repetidos en el archivo: %1
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP sets skipped: %1
Connection names added: %2</source>
        <translation>Conjuntos IP omitidos: %1
Nombres de conexión añadidos: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The connection name &quot;%1&quot; cannot be exported: %2</source>
        <translation>No se puede exportar el nombre de conexión &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it</source>
        <extracomment>The subject of a sentence: the connection name just named</extracomment>
        <translation>el nombre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The IP set &quot;%1&quot; cannot be exported: its %2 value cannot be read</source>
        <translation>No se puede exportar el conjunto IP &quot;%1&quot;: no se puede leer su valor %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The IP set &quot;%1&quot; cannot be exported: %2</source>
        <translation>No se puede exportar el conjunto IP &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot write %1: it is not a regular file; nothing was written</source>
        <translation>No se puede escribir %1: no es un archivo normal; no se escribió nada</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+5"/>
        <location line="+4"/>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot read %1: it is not a regular file</source>
        <translation>No se puede leer %1: no es un archivo normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is too large for an IP set export</source>
        <translation>%1 es demasiado grande para ser una exportación de conjuntos IP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Nothing was imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Adding connection %1</source>
        <translation>añadir la conexión %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reading the connections</source>
        <translation>leer las conexiones</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The stored IP set %1 cannot be replaced: its ID is outside 1 to 2147483647</source>
        <translation>No se puede reemplazar el conjunto IP guardado %1: su ID está fuera del intervalo de 1 a 2147483647</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Storing IP set %1</source>
        <translation>guardar el conjunto IP %1</translation>
    </message>
</context>
<context>
    <name>TqxIPSystemConnections</name>
    <message>
        <location filename="../src/connections/o_SystemConnections.cpp" line="+68"/>
        <source>New network connection %1 could not be added.<byte value="xd"/>%2</source>
        <translation>No se pudo añadir la nueva conexión de red %1.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New network connection found.<byte value="xd"/>%1</source>
        <translation>Se encontró una nueva conexión de red.<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TqxStatusResult</name>
    <message>
        <location filename="../src/app/StatusResult.cpp" line="+10"/>
        <source>Last result</source>
        <translation>Último resultado</translation>
    </message>
</context>
<context>
    <name>TqxTable</name>
    <message>
        <location filename="../src/store/o_DatabaseConnection.cpp" line="+35"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&apos;%1&apos; is not a valid boolean value</source>
        <translation>&apos;%1&apos; no es un valor booleano válido</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>%1: Cannot perform this operation on a closed dataset</source>
        <translation>%1: no se puede realizar esta operación en un conjunto de datos cerrado</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the table %1 is missing</source>
        <translation>falta la tabla %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the table %1 has no column %2</source>
        <translation>la tabla %1 no tiene la columna %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the table %1 has no integer key column ID</source>
        <translation>la tabla %1 no tiene la columna de clave entera ID</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1: no se encontró el campo &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>IP set store %1: %2</source>
        <translation>Almacén de conjuntos IP %1: %2</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1: Dataset not in edit or insert mode</source>
        <translation>%1: el conjunto de datos no está en modo de edición ni de inserción</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: Field &apos;%2&apos; cannot be modified</source>
        <translation>%1: el campo &apos;%2&apos; no se puede modificar</translation>
    </message>
    <message>
        <location line="+162"/>
        <location line="+3"/>
        <source>the new row was not added to the table %1</source>
        <translation>la nueva fila no se añadió a la tabla %1</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: Cannot perform this operation on an empty dataset</source>
        <translation>%1: no se puede realizar esta operación en un conjunto de datos vacío</translation>
    </message>
</context>
<context>
    <name>qxText</name>
    <message>
        <location filename="../src/common/qxText.cpp" line="+83"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
</context>
</TS>
