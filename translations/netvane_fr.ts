<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdapterInformation</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation.cpp" line="+111"/>
        <source>List index out of bounds (%1)</source>
        <translation>Index de liste hors limites (%1)</translation>
    </message>
</context>
<context>
    <name>ApplyReport</name>
    <message>
        <location filename="../src/ipsets/ApplyReport.cpp" line="+20"/>
        <source>The IP set</source>
        <extracomment>Stands for the name of an IP set that has none, at the start of a sentence</extracomment>
        <translation>Le profil IP</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 was not applied. Setting the address and the DNS server failed: %2</source>
        <translation>%1 n&apos;a pas été appliqué. La définition de l&apos;adresse et du serveur DNS a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was not applied. Setting the address failed: %2 Setting the DNS server failed: %3</source>
        <translation>%1 n&apos;a pas été appliqué. La définition de l&apos;adresse a échoué&#xa0;: %2 La définition du serveur DNS a échoué&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was not applied. Setting the address failed: %2</source>
        <translation>%1 n&apos;a pas été appliqué. La définition de l&apos;adresse a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 was not applied. Setting the DNS server failed: %2</source>
        <translation>%1 n&apos;a pas été appliqué. La définition du serveur DNS a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was not applied.</source>
        <translation>%1 n&apos;a pas été appliqué.</translation>
    </message>
    <message>
        <location filename="../src/ipsets/ElevatedApply.cpp" line="+233"/>
        <source>%1 was not applied: no report file could be made for Netvane with administrator rights (%2)</source>
        <translation>%1 n&apos;a pas été appliqué&#xa0;: aucun fichier de rapport n&apos;a pu être créé pour Netvane exécuté avec les droits d&apos;administrateur (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 was not applied: administrator rights were refused</source>
        <translation>%1 n&apos;a pas été appliqué&#xa0;: les droits d&apos;administrateur ont été refusés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 was not applied: Netvane could not start with administrator rights (%2)</source>
        <translation>%1 n&apos;a pas été appliqué&#xa0;: Netvane n&apos;a pas pu démarrer avec les droits d&apos;administrateur (%2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 may not have been applied: Netvane with administrator rights did not finish within %2 seconds</source>
        <translation>%1 n&apos;a peut-être pas été appliqué&#xa0;: Netvane, exécuté avec les droits d&apos;administrateur, ne s&apos;est pas terminé dans les %2 secondes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 may not have been applied: Netvane with administrator rights ended without telling how it went (exit code %2)</source>
        <translation>%1 n&apos;a peut-être pas été appliqué&#xa0;: Netvane, exécuté avec les droits d&apos;administrateur, s&apos;est terminé sans indiquer le résultat (code de sortie %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was not applied: Netvane with administrator rights refused it: %2</source>
        <translation>%1 n&apos;a pas été appliqué&#xa0;: Netvane, exécuté avec les droits d&apos;administrateur, l&apos;a refusé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <location filename="../src/platform/Autostart_linux.cpp" line="+26"/>
        <source>The program&apos;s path holds a control character; it cannot be started at sign-in</source>
        <translation>Le chemin du programme contient un caractère de contrôle&#xa0;; le programme ne peut pas être lancé à l&apos;ouverture de session</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+6"/>
        <source>The sign-in entry %1 could not be written: %2</source>
        <translation>L&apos;entrée de démarrage automatique %1 n&apos;a pas pu être écrite&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/platform/Autostart_windows.cpp" line="+38"/>
        <source>The sign-in shortcut %1 could not be written: %2</source>
        <translation>Le raccourci de démarrage automatique %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ConsoleCommands</name>
    <message>
        <location filename="../src/app/ConsoleCommands.cpp" line="+75"/>
        <location line="+12"/>
        <source>no IP set is named &quot;%1&quot;</source>
        <translation>aucun profil IP ne s&apos;appelle &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>%1 IP sets are named &quot;%2&quot;; give one of them another name to apply it</source>
        <translation>%1 profils IP s&apos;appellent &quot;%2&quot;&#xa0;; renommez l&apos;un d&apos;eux pour l&apos;appliquer</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already used by the device %2 on %3</source>
        <translation>L&apos;adresse %1 est déjà utilisée par l&apos;appareil %2 sur %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, so %2 was not applied; --force applies it anyway</source>
        <translation>%1, donc %2 n&apos;a pas été appliqué&#xa0;; --force l&apos;applique malgré tout</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1; applying %2 all the same, as --force asks.</source>
        <translation>%1&#xa0;; %2 est tout de même appliqué, comme le demande --force.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Lists the stored IP sets, one a line, tab-separated: name, connection, then DHCP or the IP address, subnet mask, gateway and DNS server.</source>
        <translation>Affiche les profils IP enregistrés, un par ligne, séparés par des tabulations&#xa0;: nom, connexion, puis DHCP ou l&apos;adresse IP, le masque de sous-réseau, la passerelle et le serveur DNS.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Applies the stored IP set of that name, as the window does, and tells how it went (exit status 0 or 1).</source>
        <translation>Applique le profil IP enregistré portant ce nom, comme le fait la fenêtre, et indique le résultat (code de sortie 0 ou 1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>With --apply: applies the set even when another device on the network is found to use its address; without it that ends with exit status 1 and changes nothing.</source>
        <translation>Avec --apply&#xa0;: applique le profil même si un autre appareil du réseau utilise déjà son adresse&#xa0;; sans cette option, la commande se termine avec le code de sortie 1 sans rien modifier.</translation>
    </message>
    <message>
        <location filename="../src/app/ConsoleTransfer.cpp" line="+31"/>
        <source>Exported to %1 (IP sets: %2, connection names: %3)</source>
        <translation>Exporté vers %1 (profils IP&#xa0;: %2, noms de connexion&#xa0;: %3)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not everything was exported:
</source>
        <translation>tout n&apos;a pas été exporté&#xa0;:
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--on-conflict takes replace, keep or skip, not &quot;%1&quot;</source>
        <translation>--on-conflict accepte replace, keep ou skip, et non &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file holds more than one IP set named &quot;%1&quot;, with other values; nothing was imported. Choose with --on-conflict=replace, keep or skip</source>
        <translation>le fichier contient plusieurs profils IP nommés &quot;%1&quot;, avec des valeurs différentes&#xa0;; rien n&apos;a été importé. Choisissez avec --on-conflict=replace, keep ou skip</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an IP set named &quot;%1&quot; is already stored with other values; nothing was imported. Choose with --on-conflict=replace, keep or skip</source>
        <translation>un profil IP nommé &quot;%1&quot; est déjà enregistré avec d&apos;autres valeurs&#xa0;; rien n&apos;a été importé. Choisissez avec --on-conflict=replace, keep ou skip</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Writes the stored IP sets and connection names to FILE (JSON) for --import on another machine.</source>
        <translation>Écrit les profils IP enregistrés et les noms de connexion dans FICHIER (JSON), pour --import sur une autre machine.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Adds the IP sets of an --export FILE to the store, all or none: each set is checked as the editor checks it, identical sets are passed over.</source>
        <translation>Ajoute à la base les profils IP d&apos;un FICHIER créé par --export, tous ou aucun&#xa0;: chaque profil est vérifié comme dans l&apos;éditeur, les profils identiques sont ignorés.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --import: what to do with a set whose name is stored with other values (replace, keep both, skip); without it such a set stops the import.</source>
        <translation>Avec --import&#xa0;: que faire d&apos;un profil dont le nom est déjà enregistré avec d&apos;autres valeurs (replace&#xa0;: remplacer, keep&#xa0;: conserver les deux, skip&#xa0;: ignorer)&#xa0;; sans cette option, un tel profil arrête l&apos;importation.</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="+66"/>
        <source>a Netvane window is already running for this user but does not answer</source>
        <translation>une fenêtre Netvane est déjà ouverte pour cet utilisateur mais ne répond pas</translation>
    </message>
    <message>
        <location filename="../src/app/NetvaneCommandLine.cpp" line="+12"/>
        <source>Shows this help and ends.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shows the version and ends.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Starts hidden behind the tray icon (for autostart).</source>
        <translation>Démarre masqué derrière l&apos;icône de la zone de notification (pour le démarrage automatique).</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Switches the IPv4 configuration of a network connection between named presets.
Without an option it opens the window, or brings the one already open to the front.</source>
        <translation>Bascule la configuration IPv4 d&apos;une connexion réseau entre des profils nommés.
Sans option, ouvre la fenêtre, ou met au premier plan celle qui est déjà ouverte.</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 et --%2 ne peuvent pas être utilisées ensemble</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--%1 goes only with --%2</source>
        <translation>--%1 ne s&apos;utilise qu&apos;avec --%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--minimized starts the window; it does not go with --%1</source>
        <translation>--minimized démarre la fenêtre&#xa0;; cette option ne s&apos;utilise pas avec --%1</translation>
    </message>
</context>
<context>
    <name>ElevatedApply</name>
    <message>
        <location filename="../src/ipsets/ElevatedApply.cpp" line="-136"/>
        <source>%1 takes exactly seven values</source>
        <translation>%1 attend exactement sept valeurs</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report path is not an absolute path</source>
        <translation>Le chemin du rapport n&apos;est pas un chemin absolu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The mode is neither static nor dhcp</source>
        <translation>Le mode n&apos;est ni static ni dhcp</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A DHCP request carries no addresses</source>
        <translation>Une demande DHCP ne contient pas d&apos;adresses</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>An address value is not a dotted IPv4 address</source>
        <translation>Une valeur d&apos;adresse n&apos;est pas une adresse IPv4 en notation décimale pointée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An address value is not in the form the program gives</source>
        <translation>Une valeur d&apos;adresse n&apos;a pas la forme que lui donne le programme</translation>
    </message>
</context>
<context>
    <name>IPHelper</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation_linux.cpp" line="+11"/>
        <source>The network adapters could not be read from the kernel</source>
        <translation>Les cartes réseau n&apos;ont pas pu être lues depuis le noyau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The request is not supported</source>
        <translation>La requête n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The parameter is incorrect</source>
        <translation>Le paramètre est incorrect</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The network adapters kept changing while they were being read</source>
        <translation>Les cartes réseau n&apos;ont cessé de changer pendant leur lecture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No network adapter was found</source>
        <translation>Aucune carte réseau n&apos;a été trouvée</translation>
    </message>
</context>
<context>
    <name>IPSetDocument</name>
    <message>
        <location filename="../src/ipsets/IPSetDocument.cpp" line="+14"/>
        <source>IP set %1</source>
        <translation>Le profil IP nº %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unknown field &quot;%1&quot; in %2</source>
        <translation>%2 contient un champ inconnu &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Field &quot;%1&quot; of %2 must be a text</source>
        <translation>%2 a un champ &quot;%1&quot; qui n&apos;est pas un texte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not an object</source>
        <translation>%1 n&apos;est pas un objet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 has no &quot;name&quot;</source>
        <translation>%1 n&apos;a pas de champ &quot;name&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Field &quot;dhcp&quot; of %1 must be true or false</source>
        <translation>%1 doit avoir un champ &quot;dhcp&quot; valant true ou false</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Field &quot;connection&quot; of %1 is empty; null means no connection</source>
        <translation>%1 a un champ &quot;connection&quot; vide&#xa0;; null signifie aucune connexion</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The file is not an IP set export: it nests lists and objects more than %1 deep</source>
        <translation>Le fichier n&apos;est pas un export de profils IP&#xa0;: il imbrique des listes et des objets sur plus de %1 niveaux</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file is not valid JSON (error at byte %1)</source>
        <translation>Le fichier n&apos;est pas du JSON valide (erreur à l&apos;octet %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not valid JSON (a number too large to read)</source>
        <translation>Le fichier n&apos;est pas du JSON valide (un nombre trop grand pour être lu)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not an IP set export: its top level is not an object</source>
        <translation>Le fichier n&apos;est pas un export de profils IP&#xa0;: son niveau supérieur n&apos;est pas un objet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is not an IP set export: &quot;format&quot; is not &quot;%1&quot;</source>
        <translation>Le fichier n&apos;est pas un export de profils IP&#xa0;: &quot;format&quot; ne vaut pas &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file has no whole-number &quot;version&quot;</source>
        <translation>Le fichier n&apos;a pas de champ &quot;version&quot; à valeur entière</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is of format version %1, newer than this program reads (%2)</source>
        <translation>Le fichier est au format version %1, plus récent que celui que lit ce programme (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file&apos;s format version %1 does not exist</source>
        <translation>La version de format %1 du fichier n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file</source>
        <extracomment>Where an unknown field was found: &quot;Unknown field &quot;x&quot; in the file&quot;</extracomment>
        <translation>Le fichier</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+3"/>
        <source>&quot;connections&quot; must be a list of names</source>
        <translation>&quot;connections&quot; doit être une liste de noms</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file has no list of &quot;sets&quot;</source>
        <translation>Le fichier n&apos;a pas de liste &quot;sets&quot;</translation>
    </message>
</context>
<context>
    <name>IPSetRules</name>
    <message>
        <location filename="../src/controls/IPSetRules.cpp" line="+159"/>
        <source>Empty IP Set Name !! </source>
        <translation>Nom de profil IP vide&#xa0;!! </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The IP set name is not valid UTF-8 text</source>
        <translation>Le nom du profil IP n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The IP set name contains a control character</source>
        <translation>Le nom du profil IP contient un caractère de contrôle</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 is blank</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not valid UTF-8 text</source>
        <translation>%1 n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>%1 contient un guillemet ou un caractère de contrôle et ne peut pas être transmis à netsh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ends with a backslash and cannot be passed to netsh</source>
        <translation>%1 se termine par une barre oblique inverse et ne peut pas être transmis à netsh</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is longer than the %2 characters a connection name can have</source>
        <translation>%1 dépasse les %2 caractères que peut compter un nom de connexion</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be used</source>
        <translation>%1 ne peut pas être utilisé</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The connection name &quot;%1&quot;</source>
        <translation>Le nom de connexion &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>IP Address %1 is invalid!</source>
        <translation>L&apos;adresse IP %1 n&apos;est pas valide&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A static IP Set needs an IP Address!</source>
        <translation>Un profil IP statique nécessite une adresse IP&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A static IP Set needs a Subnet Mask!</source>
        <translation>Un profil IP statique nécessite un masque de sous-réseau&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask %1 is invalid!</source>
        <translation>Le masque de sous-réseau %1 n&apos;est pas valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>IPv4Rules</name>
    <message>
        <location filename="../src/controls/IPv4Rules.cpp" line="+75"/>
        <source>invalid subnet mask &quot;%1&quot;</source>
        <translation>masque de sous-réseau &quot;%1&quot; non valide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>address %1 cannot be given to a host with mask %2</source>
        <translation>l&apos;adresse %1 ne peut pas être attribuée à un hôte avec le masque %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>gateway %1 is outside the subnet of %2</source>
        <translation>la passerelle %1 est en dehors du sous-réseau de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gateway %1 cannot be a gateway for %2</source>
        <translation>la passerelle %1 ne peut pas servir de passerelle à %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>invalid DNS server &quot;%1&quot;</source>
        <translation>serveur DNS &quot;%1&quot; non valide</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/ipsets/ImportPlan.cpp" line="+85"/>
        <source>A DHCP IP Set carries no addresses, but has %1</source>
        <translation>Un profil IP DHCP ne contient pas d&apos;adresses, mais celui-ci contient %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Connection name %1 &quot;%2&quot;: %3</source>
        <translation>Nom de connexion nº %1 &quot;%2&quot;&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP set %1 &quot;%2&quot;: %3</source>
        <translation>Profil IP nº %1 &quot;%2&quot;&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>InEffect</name>
    <message>
        <location filename="../src/ipsets/InEffect.cpp" line="+142"/>
        <source>not present</source>
        <translation>absente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no address</source>
        <translation>aucune adresse</translation>
    </message>
</context>
<context>
    <name>NetshCommand</name>
    <message>
        <location filename="../src/ipsets/NetshCommand.cpp" line="+24"/>
        <source>The connection name is not valid UTF-8 text</source>
        <translation>Le nom de connexion n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The connection name contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>Le nom de connexion contient un guillemet ou un caractère de contrôle et ne peut pas être transmis à netsh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The IP address is not valid UTF-8 text</source>
        <translation>L&apos;adresse IP n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>L&apos;adresse IP contient un guillemet ou un caractère de contrôle et ne peut pas être transmise à netsh</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subnet mask is not valid UTF-8 text</source>
        <translation>Le masque de sous-réseau n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The subnet mask contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>Le masque de sous-réseau contient un guillemet ou un caractère de contrôle et ne peut pas être transmis à netsh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The default gateway is not valid UTF-8 text</source>
        <translation>La passerelle par défaut n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The default gateway contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>La passerelle par défaut contient un guillemet ou un caractère de contrôle et ne peut pas être transmise à netsh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The DNS server is not valid UTF-8 text</source>
        <translation>Le serveur DNS n&apos;est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The DNS server contains a quotation mark or a control character and cannot be passed to netsh</source>
        <translation>Le serveur DNS contient un guillemet ou un caractère de contrôle et ne peut pas être transmis à netsh</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The connection name ends with a backslash and cannot be passed to netsh</source>
        <translation>Le nom de connexion se termine par une barre oblique inverse et ne peut pas être transmis à netsh</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The netsh command for the address would have %1 characters, more than the %2 allowed</source>
        <translation>La commande netsh pour l&apos;adresse compterait %1 caractères, soit plus que les %2 autorisés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The netsh command for the DNS server would have %1 characters, more than the %2 allowed</source>
        <translation>La commande netsh pour le serveur DNS compterait %1 caractères, soit plus que les %2 autorisés</translation>
    </message>
</context>
<context>
    <name>NetworkChanges</name>
    <message>
        <location filename="../src/adapters/NetworkChanges_linux.cpp" line="+83"/>
        <location filename="../src/adapters/NetworkChanges_windows.cpp" line="+27"/>
        <source>Cannot listen for network changes: %1</source>
        <translation>Impossible de surveiller les changements du réseau&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ProcessRunner</name>
    <message>
        <location filename="../src/platform/ProcessRunner.cpp" line="+104"/>
        <source>stopped after %1 seconds without finishing</source>
        <translation>arrêté au bout de %1 secondes sans avoir terminé</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>exit code %1</source>
        <translation>code de sortie %1</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <location filename="../src/platform/Registry.cpp" line="+15"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>SystemAddressCheck</name>
    <message>
        <location filename="../src/adapters/SystemAddressCheck_windows.cpp" line="+61"/>
        <source>Windows found that another device on the network already uses %1, so it does not use the address</source>
        <translation>Windows a détecté qu&apos;un autre appareil du réseau utilise déjà %1&#xa0;; il n&apos;utilise donc pas cette adresse</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <location filename="../src/adapters/o_AdapterInformation_linux.cpp" line="+2"/>
        <location filename="../src/platform/SystemError_linux.cpp" line="+15"/>
        <location filename="../src/platform/SystemError_windows.cpp" line="+23"/>
        <source>System error %1</source>
        <translation>Erreur système %1</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <location filename="../src/dialogs/f_About.cpp" line="+62"/>
        <source>Quorvex - About...</source>
        <translation>Quorvex - À propos...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Version Information</source>
        <translation>Informations de version</translation>
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



Netvane est une application qui gère 
la configuration IP de plusieurs 
cartes 
réseau.


Elle enregistre des profils IP et les applique en toute simplicité.


Développée avec C++ et Qt.</translation>
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
        <translation>Profil IP</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>IP Set Name :</source>
        <translation>Nom du profil IP&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP Address :</source>
        <translation>Adresse IP&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask:</source>
        <translation>Masque de sous-réseau&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Def.Gateway :</source>
        <translation>Passerelle par défaut&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS :</source>
        <translation>DNS&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection :</source>
        <translation>Connexion&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>DHCP Enabled</source>
        <translation>DHCP activé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP Set Name</source>
        <translation>Nom du profil IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default Gateway</source>
        <translation>Passerelle par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS Server</source>
        <translation>Serveur DNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <location line="+154"/>
        <source>The IP set &quot;%1&quot; cannot be edited: its %2 value cannot be read</source>
        <translation>Le profil IP &quot;%1&quot; ne peut pas être modifié&#xa0;: sa valeur %2 est illisible</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>IP Address %1 is invalid!</source>
        <translation>L&apos;adresse IP %1 n&apos;est pas valide&#xa0;!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Empty IP Set Name !! </source>
        <translation>Nom de profil IP vide&#xa0;!! </translation>
    </message>
    <message>
        <location filename="../src/dialogs/f_IPSet_current.cpp" line="+17"/>
        <source>Take Current Settings</source>
        <translation>Reprendre les paramètres actuels</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current settings</source>
        <translation>Paramètres actuels</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No connection is chosen: choose the connection whose current settings to take.</source>
        <translation>Aucune connexion n&apos;est choisie&#xa0;: choisissez la connexion dont les paramètres actuels doivent être repris.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No adapter carries %1 now: there are no current settings to take.</source>
        <translation>Aucune carte réseau ne porte actuellement %1&#xa0;: il n&apos;y a aucun paramètre actuel à reprendre.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no IPv4 address now: there are no current settings to take.</source>
        <translation>%1 n&apos;a pas d&apos;adresse IPv4 pour le moment&#xa0;: il n&apos;y a aucun paramètre actuel à reprendre.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>The current settings of %1 were taken.</source>
        <translation>Les paramètres actuels de %1 ont été repris.</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>The adapter %1 is no longer there: there are no current settings to take.</source>
        <translation>La carte réseau %1 n&apos;est plus présente&#xa0;: il n&apos;y a aucun paramètre actuel à reprendre.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The current settings of the adapter %1 were taken. No connection name is stored for it: choose its connection.</source>
        <translation>Les paramètres actuels de la carte réseau %1 ont été repris. Aucun nom de connexion n&apos;est enregistré pour elle&#xa0;: choisissez sa connexion.</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <location filename="../src/app/f_main.cpp" line="+138"/>
        <location line="+37"/>
        <source>Manage Connections</source>
        <translation>Gérer les connexions</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+31"/>
        <source>Add IP Set</source>
        <translation>Ajouter un profil IP</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Activate IP Set</source>
        <translation>Activer le profil IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+30"/>
        <source>Edit IP Set</source>
        <translation>Modifier le profil IP</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+31"/>
        <source>Delete IP Set</source>
        <translation>Supprimer le profil IP</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh Current Configuration</source>
        <translation>Actualiser la configuration actuelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection Name List</source>
        <translation>Liste des noms de connexion</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Add New IP Configuration Set</source>
        <translation>Ajouter un nouveau profil IP</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+7"/>
        <source>Activate the selected IP Set</source>
        <translation>Activer le profil IP sélectionné</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Edit the selected IP Set</source>
        <translation>Modifier le profil IP sélectionné</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+10"/>
        <source>Delete the selected IP Set</source>
        <translation>Supprimer le profil IP sélectionné</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help File</source>
        <translation>Fichier d&apos;aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Activates the IP Set</source>
        <translation>Active le profil IP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit the Selected IP Set</source>
        <translation>Modifier le profil IP sélectionné</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Netvane Ver3</source>
        <translation>Netvane Ver3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terminate</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Connections</source>
        <translation>&amp;Connexions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;IP Sets</source>
        <translation>&amp;Profils IP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Apply IP Set</source>
        <translation>Appliquer un profil IP</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Currently Selected IP Set</source>
        <translation>Profil IP sélectionné</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>IP Sets and Current Configuration</source>
        <translation>Profils IP et configuration actuelle</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+45"/>
        <source>Available IP Sets</source>
        <translation>Profils IP disponibles</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Rights needed</source>
        <translation>Droits nécessaires</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Administrative or explicit rights over registry and network interfaces are
mandatory for Netvane to work properly.

Please make sure that you have these rights granted by contacting your
system administrator.

For any other information please reffer to the help file.</source>
        <extracomment>Shown centred, line by line as broken here</extracomment>
        <translation>Des droits d&apos;administrateur ou des droits explicites sur le Registre et les interfaces réseau
sont indispensables au bon fonctionnement de Netvane.

Veuillez vous assurer que ces droits vous ont été accordés en contactant votre
administrateur système.

Pour toute autre information, veuillez consulter le fichier d&apos;aide.</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+2"/>
        <source>Current Configuration</source>
        <translation>Configuration actuelle</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Are sure you want to delete the selected IP Set ?</source>
        <translation>Voulez-vous vraiment supprimer le profil IP sélectionné&#xa0;?</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>The help file %1 is missing</source>
        <translation>Le fichier d&apos;aide %1 est introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No viewer could open the help file %1</source>
        <translation>Aucune visionneuse n&apos;a pu ouvrir le fichier d&apos;aide %1</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_editor.cpp" line="+46"/>
        <location line="+52"/>
        <source>Add new IP Set</source>
        <translation>Ajouter un nouveau profil IP</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Edit existing IP Set</source>
        <translation>Modifier un profil IP existant</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New IP Set from This Adapter...</source>
        <translation>Nouveau profil IP à partir de cette carte réseau...</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_filter.cpp" line="+19"/>
        <location line="+1"/>
        <source>Filter IP Sets</source>
        <translation>Filtrer les profils IP</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_sets.cpp" line="+23"/>
        <source>IP set files (*.json);;All files (*)</source>
        <translation>Fichiers de profils IP (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>DHCP, connection &quot;%1&quot;</source>
        <translation>DHCP, connexion &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 / %2, gateway %3, DNS %4, connection &quot;%5&quot;</source>
        <translation>%1 / %2, passerelle %3, DNS %4, connexion &quot;%5&quot;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file holds more than one IP set named &quot;%1&quot;, with other values.

Earlier in the file: %2
Later in the file: %3</source>
        <translation>Le fichier contient plusieurs profils IP nommés &quot;%1&quot;, avec des valeurs différentes.

Plus haut dans le fichier&#xa0;: %2
Plus bas dans le fichier&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An IP set named &quot;%1&quot; is already stored with other values.

Stored: %2
In the file: %3</source>
        <translation>Un profil IP nommé &quot;%1&quot; est déjà enregistré avec d&apos;autres valeurs.

Enregistré&#xa0;: %2
Dans le fichier&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep Both</source>
        <translation>Conserver les deux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Export IP Sets...</source>
        <translation>Exporter les profils IP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import IP Sets...</source>
        <translation>Importer des profils IP...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Export IP Sets</source>
        <translation>Exporter les profils IP</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import IP Sets</source>
        <translation>Importer des profils IP</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>IP sets exported to %1</source>
        <translation>Profils IP exportés vers %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>IP sets exported to %1, but not all:
%2</source>
        <translation>Profils IP exportés vers %1, mais pas tous&#xa0;:
%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Import cancelled; nothing was changed</source>
        <translation>Importation annulée&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../src/app/f_main_signin.cpp" line="+15"/>
        <source>Start at Sign-in</source>
        <translation>Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Starts Netvane hidden behind its tray icon when you sign in</source>
        <translation>Lance Netvane masqué derrière son icône de la zone de notification à l&apos;ouverture de votre session</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The system does not tell where programs started at sign-in are kept</source>
        <translation>Le système n&apos;indique pas où sont enregistrés les programmes lancés à l&apos;ouverture de session</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The sign-in entry %1 could not be removed</source>
        <translation>L&apos;entrée de démarrage automatique %1 n&apos;a pas pu être supprimée</translation>
    </message>
</context>
<context>
    <name>TFrmManageConnections</name>
    <message>
        <location filename="../src/dialogs/f_manageconnections.cpp" line="+296"/>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete record?</source>
        <translation>Supprimer l&apos;enregistrement&#xa0;?</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Connection Name List</source>
        <translation>Liste des noms de connexion</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>This is a list of network connection names as shown in 
Control Panel - &gt;Network Connections.</source>
        <translation>Voici la liste des noms de connexions réseau tels qu&apos;ils apparaissent dans 
Panneau de configuration - &gt;Connexions réseau.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Connection Name</source>
        <translation>Nom de connexion</translation>
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
        <translation>[ Netvane Ver3 ]  Veuillez patienter...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Please wait while Netvane is applying the changes....</source>
        <translation>Veuillez patienter pendant que Netvane applique les modifications....</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <location filename="../src/app/SingleInstance_linux.cpp" line="+37"/>
        <source>it is a symbolic link</source>
        <translation>c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>il appartient à l&apos;utilisateur %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 700</source>
        <translation>ses droits sont %1, et non 700</translation>
    </message>
</context>
<context>
    <name>TqxFileInfoListView</name>
    <message>
        <location filename="../src/controls/o_FileInfoListView.cpp" line="+38"/>
        <source>%1 file does not exist!</source>
        <translation>Le fichier %1 n&apos;existe pas&#xa0;!</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CompanyName</source>
        <translation>Société</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Description</source>
        <translation>Description du fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileName</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Version</source>
        <translation>Version du fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal Name</source>
        <translation>Nom interne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legal Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legal TradeMarks</source>
        <translation>Marques déposées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Original Filename</source>
        <translation>Nom de fichier d&apos;origine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Product Name</source>
        <translation>Nom du produit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Product Version</source>
        <translation>Version du produit</translation>
    </message>
</context>
<context>
    <name>TqxIPDBManager</name>
    <message>
        <location filename="../src/store/StoreLocation.cpp" line="+45"/>
        <source>Cannot open the IP set store: the system names no data folder for this user</source>
        <translation>Impossible d&apos;ouvrir la base des profils IP&#xa0;: le système n&apos;indique aucun dossier de données pour cet utilisateur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot make the IP set store %1: %2</source>
        <translation>Impossible de créer la base des profils IP %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>it cannot be put in its folder</source>
        <translation>elle ne peut pas être placée dans son dossier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made a new, empty IP set store: %1</source>
        <translation>Nouvelle base des profils IP vide créée&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/store/StoreSchema.cpp" line="+18"/>
        <source>refusing to overwrite %1: the file exists</source>
        <translation>refus d&apos;écraser %1&#xa0;: le fichier existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder of %1 does not exist</source>
        <translation>le dossier de %1 n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/store/o_IPDBManager.cpp" line="+23"/>
        <source>Cannot open the IP set store %1: %2</source>
        <translation>Impossible d&apos;ouvrir la base des profils IP %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file does not exist (netvane-db create makes an empty store)</source>
        <translation>le fichier n&apos;existe pas (netvane-db create crée une base vide)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is an old Jet/Access database; Netvane keeps its IP sets in an SQLite store (netvane-db create makes an empty one)</source>
        <translation>c&apos;est une ancienne base de données Jet/Access&#xa0;; Netvane conserve ses profils IP dans une base SQLite (netvane-db create en crée une vide)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the file is not an SQLite database</source>
        <translation>le fichier n&apos;est pas une base de données SQLite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder %1 is read-only</source>
        <translation>le dossier %1 est en lecture seule</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the database is locked by another program</source>
        <translation>la base de données est verrouillée par un autre programme</translation>
    </message>
</context>
<context>
    <name>TqxIPEdit</name>
    <message>
        <location filename="../src/controls/o_QXIPEdit.cpp" line="+141"/>
        <source>%1, part %2 of %3</source>
        <translation>%1, partie %2 sur %3</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>IP Address %1 is invalid!</source>
        <translation>L&apos;adresse IP %1 n&apos;est pas valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TqxIPSetApplier</name>
    <message>
        <location filename="../src/ipsets/IPSetApplier.cpp" line="+17"/>
        <source>The IP set &quot;%1&quot; cannot be applied: its %2 value cannot be read</source>
        <translation>Le profil IP &quot;%1&quot; ne peut pas être appliqué&#xa0;: sa valeur %2 est illisible</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error Applying IP Set.
No connection is chosen for this IP set</source>
        <translation>Erreur lors de l&apos;application du profil IP.
Aucune connexion n&apos;est choisie pour ce profil IP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Applying IP Set.
The connection chosen for this IP set is no longer in the connection list</source>
        <translation>Erreur lors de l&apos;application du profil IP.
La connexion choisie pour ce profil IP ne figure plus dans la liste des connexions</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The IP set &quot;%1&quot; cannot be applied: %2</source>
        <translation>Le profil IP &quot;%1&quot; ne peut pas être appliqué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its connection name &quot;%1&quot;</source>
        <translation>son nom de connexion &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>its %1 value &quot;%2&quot; is not a dotted IPv4 address</source>
        <translation>sa valeur %1 &quot;%2&quot; n&apos;est pas une adresse IPv4 en notation décimale pointée</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>IP Changed successfully!</source>
        <translation>Adresse IP modifiée avec succès&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TqxIPSetManager</name>
    <message>
        <location filename="../src/ipsets/o_IPSetManager.cpp" line="+75"/>
        <source>in effect</source>
        <translation>en vigueur</translation>
    </message>
    <message>
        <location filename="../src/ipsets/IPSetNode.cpp" line="+10"/>
        <source>IP:</source>
        <translation>IP&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet mask :</source>
        <translation>Masque de sous-réseau&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Def.Gateway :</source>
        <translation>Passerelle par défaut&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS :</source>
        <translation>DNS&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DHCP :</source>
        <translation>DHCP&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connection Name:</source>
        <translation>Nom de connexion&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ipsets/o_IPSetManager.cpp" line="+67"/>
        <source>The IP set with the ID %1 cannot be picked: IDs run from 1 to 2147483647</source>
        <translation>Le profil IP d&apos;identifiant %1 ne peut pas être sélectionné&#xa0;: les identifiants vont de 1 à 2147483647</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>True</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>False</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>MacAddress   : %1</source>
        <translation>Adresse MAC&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DHCP Enabled : %1</source>
        <translation>DHCP activé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WINS Enabled : %1</source>
        <translation>WINS activé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IP Addresses</source>
        <translation>Adresses IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DHCP Server</source>
        <translation>Serveur DHCP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DNS Server</source>
        <translation>Serveur DNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WINS Primary Server</source>
        <translation>Serveur WINS principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WINS Secondary Server</source>
        <translation>Serveur WINS secondaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anycast IP Address List</source>
        <translation>Liste des adresses IP anycast</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MultiCast IP Address List</source>
        <translation>Liste des adresses IP multicast</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 is already used by the device %2 on %3. Apply %4 anyway?</source>
        <translation>L&apos;adresse %1 est déjà utilisée par l&apos;appareil %2 sur %3. Appliquer %4 malgré tout&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TqxIPSetTransfer</name>
    <message>
        <location filename="../src/ipsets/o_IPSetTransfer.cpp" line="+28"/>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>another program kept the store locked for %1 s</source>
        <translation>un autre programme a gardé la base verrouillée pendant %1 s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The import changed nothing: %1</source>
        <translation>L&apos;importation n&apos;a rien modifié&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Committing the import failed: %1</source>
        <translation>La validation de l&apos;importation a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nothing was imported. These IP sets were refused:
</source>
        <translation>Rien n&apos;a été importé. Ces profils IP ont été refusés&#xa0;:
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP sets added: %1
IP sets replaced: %2
IP sets already stored: %3
</source>
        <translation>Profils IP ajoutés&#xa0;: %1
Profils IP remplacés&#xa0;: %2
Profils IP déjà enregistrés&#xa0;: %3
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>IP sets repeated in the file: %1
</source>
        <translation>Profils IP répétés dans le fichier&#xa0;: %1
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP sets skipped: %1
Connection names added: %2</source>
        <translation>Profils IP ignorés&#xa0;: %1
Noms de connexion ajoutés&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The connection name &quot;%1&quot; cannot be exported: %2</source>
        <translation>Le nom de connexion &quot;%1&quot; ne peut pas être exporté&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it</source>
        <extracomment>The subject of a sentence: the connection name just named</extracomment>
        <translation>il</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The IP set &quot;%1&quot; cannot be exported: its %2 value cannot be read</source>
        <translation>Le profil IP &quot;%1&quot; ne peut pas être exporté&#xa0;: sa valeur %2 est illisible</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The IP set &quot;%1&quot; cannot be exported: %2</source>
        <translation>Le profil IP &quot;%1&quot; ne peut pas être exporté&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Cannot write %1: it is not a regular file; nothing was written</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: ce n&apos;est pas un fichier ordinaire&#xa0;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+5"/>
        <location line="+4"/>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot read %1: it is not a regular file</source>
        <translation>Impossible de lire %1&#xa0;: ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is too large for an IP set export</source>
        <translation>%1 est trop volumineux pour un export de profils IP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Adding connection %1</source>
        <translation>L&apos;ajout de la connexion %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reading the connections</source>
        <translation>La lecture des connexions</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The stored IP set %1 cannot be replaced: its ID is outside 1 to 2147483647</source>
        <translation>Le profil IP enregistré %1 ne peut pas être remplacé&#xa0;: son identifiant n&apos;est pas compris entre 1 et 2147483647</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Storing IP set %1</source>
        <translation>L&apos;enregistrement du profil IP %1</translation>
    </message>
</context>
<context>
    <name>TqxIPSystemConnections</name>
    <message>
        <location filename="../src/connections/o_SystemConnections.cpp" line="+68"/>
        <source>New network connection %1 could not be added.<byte value="xd"/>%2</source>
        <translation>La nouvelle connexion réseau %1 n&apos;a pas pu être ajoutée.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New network connection found.<byte value="xd"/>%1</source>
        <translation>Nouvelle connexion réseau trouvée.<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>TqxStatusResult</name>
    <message>
        <location filename="../src/app/StatusResult.cpp" line="+10"/>
        <source>Last result</source>
        <translation>Dernier résultat</translation>
    </message>
</context>
<context>
    <name>TqxTable</name>
    <message>
        <location filename="../src/store/o_DatabaseConnection.cpp" line="+35"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur entière valide</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&apos;%1&apos; is not a valid boolean value</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur booléenne valide</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>%1: Cannot perform this operation on a closed dataset</source>
        <translation>%1&#xa0;: impossible d&apos;effectuer cette opération sur un jeu de données fermé</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the table %1 is missing</source>
        <translation>la table %1 est absente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the table %1 has no column %2</source>
        <translation>la table %1 n&apos;a pas de colonne %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the table %1 has no integer key column ID</source>
        <translation>la table %1 n&apos;a pas de colonne de clé entière ID</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1&#xa0;: champ &apos;%2&apos; introuvable</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>IP set store %1: %2</source>
        <translation>Base des profils IP %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1: Dataset not in edit or insert mode</source>
        <translation>%1&#xa0;: le jeu de données n&apos;est pas en mode modification ou insertion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: Field &apos;%2&apos; cannot be modified</source>
        <translation>%1&#xa0;: le champ &apos;%2&apos; ne peut pas être modifié</translation>
    </message>
    <message>
        <location line="+162"/>
        <location line="+3"/>
        <source>the new row was not added to the table %1</source>
        <translation>la nouvelle ligne n&apos;a pas été ajoutée à la table %1</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: Cannot perform this operation on an empty dataset</source>
        <translation>%1&#xa0;: impossible d&apos;effectuer cette opération sur un jeu de données vide</translation>
    </message>
</context>
<context>
    <name>qxText</name>
    <message>
        <location filename="../src/common/qxText.cpp" line="+83"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas une valeur entière valide</translation>
    </message>
</context>
</TS>
