<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="nl_NL">
<context>
    <name>AboutView</name>
    <message>
        <source>Eenvoudige internetradio voor Linux</source>
        <translation>Einfaches Internetradio für Linux</translation>
    </message>
    <message>
        <source>BETA VERSIE</source>
        <translation>BETAVERSION</translation>
    </message>
    <message>
        <source>© 2025 De makers van Zeffira</source>
        <translation>© 2025 Die Macher von Zeffira</translation>
    </message>
    <message>
        <source>Licentie: GNU GPL versie 3 of later</source>
        <translation>Lizenz: GNU GPL Version 3 oder später</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Over Zeffira</source>
        <translation>Über Zeffira</translation>
    </message>
</context>
<context>
    <name>AddStationSheet</name>
    <message>
        <source>Nieuw radiostation</source>
        <translation>Neuer Radiosender</translation>
    </message>
    <message>
        <source>Zoek in de zendergids</source>
        <translation>Im Senderverzeichnis suchen</translation>
    </message>
    <message>
        <source>Zoek in de zendergids...</source>
        <translation>Im Senderverzeichnis suchen...</translation>
    </message>
    <message>
        <source>Zoekresultaten</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Typ een naam om zenders uit de zendergids te zoeken.</source>
        <translation>Geben Sie einen Namen ein, um im Senderverzeichnis zu suchen.</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Stream URL</source>
        <translation>Stream-URL</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Voeg toe</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>Wekker: %1</source>
        <translation>Wecker: %1</translation>
    </message>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;.</source>
        <translation>es gibt keinen Sender namens „%1“.</translation>
    </message>
    <message>
        <source>die tijd is al voorbij.</source>
        <translation>diese Zeit ist bereits vorbei.</translation>
    </message>
    <message>
        <source>Wekker gemist</source>
        <translation>Wecker verpasst</translation>
    </message>
    <message>
        <source>De wekker van %1 is niet afgegaan: de computer sliep.</source>
        <translation>Der Wecker um %1 hat nicht geklingelt: Der Computer schlief.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>ma</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>di</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>wo</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>do</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>vr</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>za</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>zo</source>
        <translation>So</translation>
    </message>
    <message>
        <source>maandag</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>dinsdag</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>woensdag</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>donderdag</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>vrijdag</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>zaterdag</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>zondag</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Laatst gespeelde station</source>
        <translation>Zuletzt gespielter Sender</translation>
    </message>
    <message>
        <source>Eenmalig</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Elke dag</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Werkdagen</source>
        <translation>Werktags</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>Geef een tijd als 07:30.</source>
        <translation>Geben Sie eine Uhrzeit wie 07:30 ein.</translation>
    </message>
</context>
<context>
    <name>AlarmSheet</name>
    <message>
        <source>Wekker toevoegen</source>
        <translation>Wecker hinzufügen</translation>
    </message>
    <message>
        <source>Wekker wijzigen</source>
        <translation>Wecker bearbeiten</translation>
    </message>
    <message>
        <source>Tijd</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Dagen</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Geen dag aangevinkt: eenmalig, de eerstvolgende keer.</source>
        <translation>Kein Tag gewählt: einmalig, beim nächsten Mal.</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Infaden</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Infaden in seconden</source>
        <translation>Einblenden in Sekunden</translation>
    </message>
    <message>
        <source>seconden</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>AlarmsSettingsTab</name>
    <message>
        <source>Geen wekker gezet</source>
        <translation>Kein Wecker gestellt</translation>
    </message>
    <message>
        <source>Nog geen wekkers. Een wekker speelt op de gekozen tijd een station en laat het langzaam luider worden.</source>
        <translation>Noch keine Wecker. Ein Wecker spielt zur gewählten Zeit einen Sender und macht ihn langsam lauter.</translation>
    </message>
    <message>
        <source>Wekkers</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Wekker %1</source>
        <translation>Wecker %1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Wijzig...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Wijzig %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Verwijder %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Verwijder</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Wekker toevoegen...</source>
        <translation>Wecker hinzufügen...</translation>
    </message>
    <message>
        <source>Wekker verwijderen?</source>
        <translation>Wecker löschen?</translation>
    </message>
</context>
<context>
    <name>AlertSheet</name>
    <message>
        <source>Annuleer</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppActions</name>
    <message>
        <source>Versie %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Versie %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CatalogueCommands</name>
    <message>
        <source>Geen stations gevonden voor &quot;%1&quot;.</source>
        <translation>Keine Sender für „%1“ gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>Stations uit het antwoord weggelaten omdat de URL geen http- of https-stream is: %n.</source>
        <translation>
            <numerusform>%n Sender aus der Antwort ausgelassen: Seine URL ist kein http- oder https-Stream.</numerusform>
            <numerusform>%n Sender aus der Antwort ausgelassen: Ihre URLs sind keine http- oder https-Streams.</numerusform>
        </translation>
    </message>
    <message>
        <source>geen server van de zendergids antwoordde (%1).</source>
        <translation>kein Server des Senderverzeichnisses hat geantwortet (%1).</translation>
    </message>
    <message>
        <source>het antwoord van de zendergids is geen zenderlijst (%1).</source>
        <translation>die Antwort des Senderverzeichnisses ist keine Senderliste (%1).</translation>
    </message>
    <message numerus="yes">
        <source>en nog %n met een ongeldige URL</source>
        <translation>
            <numerusform>und %n weiterer mit ungültiger URL</numerusform>
            <numerusform>und %n weitere mit ungültiger URL</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stations geïmporteerd: %n</source>
        <translation>
            <numerusform>%n Sender importiert</numerusform>
            <numerusform>%n Sender importiert</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>nach %1</translation>
    </message>
    <message numerus="yes">
        <source>overgeslagen: %n al in de catalogus en %1 met een ongeldige URL.</source>
        <translation>
            <numerusform>übersprungen: %n bereits im Katalog und %1 mit ungültiger URL.</numerusform>
            <numerusform>übersprungen: %n bereits im Katalog und %1 mit ungültiger URL.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stations geëxporteerd: %n (categorieën: %1), naar %2.</source>
        <translation>
            <numerusform>%n Sender nach %2 exportiert (Kategorien: %1).</numerusform>
            <numerusform>%n Sender nach %2 exportiert (Kategorien: %1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CatalogueTransfer</name>
    <message>
        <source>%1: onbekend formaat (de naam moet eindigen op .m3u, .m3u8, .pls, .xspf of .json)</source>
        <translation>%1: unbekanntes Format (der Name muss auf .m3u, .m3u8, .pls, .xspf oder .json enden)</translation>
    </message>
    <message>
        <source>kan %1 niet lezen: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>kan %1 niet lezen: het is geen gewoon bestand, maar een map, FIFO of apparaat</source>
        <translation>%1 kann nicht gelesen werden: Es ist keine gewöhnliche Datei, sondern ein Ordner, FIFO oder Gerät</translation>
    </message>
    <message numerus="yes">
        <source>kan %1 niet lezen: het lezen duurde langer dan %n seconden</source>
        <translation>
            <numerusform>%1 kann nicht gelesen werden: Das Lesen dauerte länger als %n Sekunde</numerusform>
            <numerusform>%1 kann nicht gelesen werden: Das Lesen dauerte länger als %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is te groot: een stationslijst mag hoogstens %2 zijn, want de catalogus wordt bij elke start helemaal gelezen</source>
        <translation>%1 ist zu groß: Eine Senderliste darf höchstens %2 groß sein, da der Katalog bei jedem Start ganz gelesen wird</translation>
    </message>
    <message>
        <source>%1 is te groot: %2; een stationslijst mag hoogstens %3 zijn, want de catalogus wordt bij elke start helemaal gelezen</source>
        <translation>%1 ist zu groß: %2; eine Senderliste darf höchstens %3 groß sein, da der Katalog bei jedem Start ganz gelesen wird</translation>
    </message>
    <message>
        <source>%1: geen stations gevonden</source>
        <translation>%1: keine Sender gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%1: geen stations gevonden; overgeslagen wegens een ongeldige URL: %n</source>
        <translation>
            <numerusform>%1: keine Sender gefunden; wegen ungültiger URL übersprungen: %n</numerusform>
            <numerusform>%1: keine Sender gefunden; wegen ungültiger URL übersprungen: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is de catalogus zelf</source>
        <translation>%1 ist der Katalog selbst</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CategoryDropRow</name>
    <message numerus="yes">
        <source>stations: %n</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryList</name>
    <message>
        <source>Categorieën</source>
        <translation>Kategorien</translation>
    </message>
</context>
<context>
    <name>CategoryListModel</name>
    <message>
        <source>Vul een naam in.</source>
        <translation>Geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>Er is al een categorie &apos;%1&apos;.</source>
        <translation>Es gibt bereits eine Kategorie „%1“.</translation>
    </message>
</context>
<context>
    <name>CategoryStationList</name>
    <message>
        <source>Stations van %1</source>
        <translation>Sender in %1</translation>
    </message>
</context>
<context>
    <name>CategoryStationRow</name>
    <message>
        <source>Verwijder</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Verwijder %1</source>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Bestanden:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Zeffira: internetradio in het systeemvak.</source>
        <translation>Zeffira: Internetradio im Infobereich.</translation>
    </message>
    <message>
        <source>Toon deze hulp en stop.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Toon de versie en stop.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Toon de stationscatalogus en stop.</source>
        <translation>Den Senderkatalog ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Speel zonder venster en zonder pictogram in het systeemvak.</source>
        <translation>Ohne Fenster und ohne Symbol im Infobereich abspielen.</translation>
    </message>
    <message>
        <source>Met --headless: speel dit station (een naam uit de catalogus of een stream-URL).</source>
        <translation>Mit --headless: diesen Sender abspielen (ein Name aus dem Katalog oder eine Stream-URL).</translation>
    </message>
    <message>
        <source>naam-of-url</source>
        <translation>name-oder-url</translation>
    </message>
    <message>
        <source>Pauzeer na dit aantal minuten (tot 1440; breuken zoals 0.5 mogen en tellen in hele seconden), met uitfaden in de laatste 30 seconden. Met --headless stopt het programma daarna; in het systeemvak is het de slaaptimer van het menu.</source>
        <translation>Nach so vielen Minuten pausieren (bis 1440; Bruchteile wie 0.5 sind erlaubt und zählen in ganzen Sekunden), mit Ausblenden in den letzten 30 Sekunden. Mit --headless beendet sich das Programm danach; im Infobereich ist es der Schlaftimer des Menüs.</translation>
    </message>
    <message>
        <source>minuten</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Zoek in de openbare zendergids naar stations waarvan de naam deze tekst bevat, toon ze en stop.</source>
        <translation>Im öffentlichen Senderverzeichnis nach Sendern suchen, deren Name diesen Text enthält, sie ausgeben und beenden.</translation>
    </message>
    <message>
        <source>tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Voeg de stations uit dit bestand (.m3u, .m3u8, .pls, .xspf of .json) toe aan de catalogus en stop.</source>
        <translation>Die Sender aus dieser Datei (.m3u, .m3u8, .pls, .xspf oder .json) zum Katalog hinzufügen und beenden.</translation>
    </message>
    <message>
        <source>bestand</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Schrijf de catalogus naar dit bestand (.m3u, .m3u8, .pls, .xspf of .json) en stop.</source>
        <translation>Den Katalog in diese Datei (.m3u, .m3u8, .pls, .xspf oder .json) schreiben und beenden.</translation>
    </message>
    <message>
        <source>Met --import: zet elk station in deze categorie (standaard: de categorieën uit het bestand, anders een naar het bestand genoemde). Met --export: schrijf alleen deze categorie.</source>
        <translation>Mit --import: jeden Sender in diese Kategorie stellen (Standard: die Kategorien aus der Datei, sonst eine nach der Datei benannte). Mit --export: nur diese Kategorie schreiben.</translation>
    </message>
    <message>
        <source>naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Internetstreams of afspeellijsten om te spelen: een adres (http://...) of een afspeellijstbestand (.pls, .m3u, .asx, .xspf). Speelt Zeffira al, dan speelt het daar; zonder adres komt het venster van Zeffira naar voren.</source>
        <translation>Internetstreams oder Wiedergabelisten zum Abspielen: eine Adresse (http://...) oder eine Wiedergabelistendatei (.pls, .m3u, .asx, .xspf). Läuft Zeffira bereits, spielt es dort; ohne Adresse kommt das Fenster von Zeffira nach vorn.</translation>
    </message>
    <message>
        <source>[url|bestand...]</source>
        <translation>[url|datei...]</translation>
    </message>
    <message>
        <source>Probeer &apos;zeffira --help&apos;.</source>
        <translation>Versuchen Sie „zeffira --help“.</translation>
    </message>
    <message>
        <source>Onverwacht argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--play werkt alleen met --headless.</source>
        <translation>--play geht nur mit --headless.</translation>
    </message>
    <message>
        <source>--category werkt alleen met --import of --export.</source>
        <translation>--category geht nur mit --import oder --export.</translation>
    </message>
    <message>
        <source>--search heeft een tekst nodig om naar te zoeken.</source>
        <translation>--search braucht einen Text, nach dem gesucht wird.</translation>
    </message>
    <message>
        <source>--sleep-timer neemt een aantal minuten groter dan 0 en hoogstens 1440, niet &quot;%1&quot;.</source>
        <translation>--sleep-timer erwartet eine Anzahl Minuten größer als 0 und höchstens 1440, nicht „%1“.</translation>
    </message>
    <message>
        <source>  $XDG_DATA_HOME/Zeffira/stations.json (~/.local/share/...)
      de zenderlijst
  $XDG_DATA_HOME/Zeffira/history.sqlite
      de gehoorde nummers (SQLite)
  $XDG_CONFIG_HOME/Zeffira/settings.json (~/.config/...)
      de instellingen
  $XDG_CONFIG_HOME/autostart/%1.desktop
      starten bij inloggen, als dat aan staat
  %2/stations.xml
      de ingebouwde zenderlijst voor de eerste start
Het logboek gaat naar standaardfout; vanuit het bureaublad gestart naar
het journaal van de sessie (journalctl --user).
</source>
        <translation>  $XDG_DATA_HOME/Zeffira/stations.json (~/.local/share/...)
      die Senderliste
  $XDG_DATA_HOME/Zeffira/history.sqlite
      die gehörten Titel (SQLite)
  $XDG_CONFIG_HOME/Zeffira/settings.json (~/.config/...)
      die Einstellungen
  $XDG_CONFIG_HOME/autostart/%1.desktop
      Start bei der Anmeldung, wenn eingeschaltet
  %2/stations.xml
      die eingebaute Senderliste für den ersten Start
Das Protokoll geht an die Standardfehlerausgabe; vom Desktop aus gestartet an
das Journal der Sitzung (journalctl --user).
</translation>
    </message>
    <message>
        <source>Toon de gehoorde nummers, oudste eerst (tijd, station, artiest en titel, gescheiden door tabs) en stop.</source>
        <translation>Die gehörten Titel anzeigen, die ältesten zuerst (Zeit, Sender, Interpret und Titel, durch Tabulatoren getrennt), und beenden.</translation>
    </message>
    <message>
        <source>Met --history: alleen vanaf deze dag (JJJJ-MM-DD).</source>
        <translation>Mit --history: nur ab diesem Tag (JJJJ-MM-TT).</translation>
    </message>
    <message>
        <source>datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>--list-stations, --search, --import, --export, --history en --headless gaan één tegelijk.</source>
        <translation>--list-stations, --search, --import, --export, --history und --headless gehen nur einzeln.</translation>
    </message>
    <message>
        <source>--since neemt een datum als 2025-03-31, niet &quot;%1&quot;.</source>
        <translation>--since nimmt ein Datum wie 2025-03-31, nicht „%1“.</translation>
    </message>
    <message>
        <source>--sleep-timer gaat niet samen met --list-stations, --search, --import, --export of --history.</source>
        <translation>--sleep-timer geht nicht zusammen mit --list-stations, --search, --import, --export oder --history.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: pauzeer of hervat (zonder station: speel het eerste).</source>
        <translation>Wenn Zeffira läuft: pausieren oder fortsetzen (ohne Sender: den ersten spielen).</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: stop.</source>
        <translation>Wenn Zeffira läuft: stoppen.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel het volgende station.</source>
        <translation>Wenn Zeffira läuft: den nächsten Sender spielen.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel het vorige station.</source>
        <translation>Wenn Zeffira läuft: den vorigen Sender spielen.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel dit station uit de catalogus.</source>
        <translation>Wenn Zeffira läuft: diesen Sender aus dem Katalog spielen.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: zet het volume (0 tot 100).</source>
        <translation>Wenn Zeffira läuft: die Lautstärke setzen (0 bis 100).</translation>
    </message>
    <message>
        <source>0-100</source>
        <translation>0-100</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: toon station, toestand, titel, volume en slaaptimer.</source>
        <translation>Wenn Zeffira läuft: Sender, Zustand, Titel, Lautstärke und Schlaftimer zeigen.</translation>
    </message>
    <message>
        <source>--play-pause, --stop, --next, --previous, --station, --volume en --status gaan één tegelijk en alleen.</source>
        <translation>--play-pause, --stop, --next, --previous, --station, --volume und --status gehen nur einzeln und allein.</translation>
    </message>
    <message>
        <source>--station heeft een naam nodig.</source>
        <translation>--station braucht einen Namen.</translation>
    </message>
    <message>
        <source>--volume neemt een geheel getal van 0 tot 100, niet &quot;%1&quot;.</source>
        <translation>--volume nimmt eine ganze Zahl von 0 bis 100, nicht „%1“.</translation>
    </message>
    <message>
        <source>Met --headless en --play: neem het station op in dit bestand, in de eigen codering van de stream (het groeit als bestand.part en krijgt zijn naam als de opname klaar is; een bestaand bestand blijft staan). Een map krijgt een bestand met de naam van het station en de tijd.</source>
        <translation>Mit --headless und --play: den Sender in dieser Datei aufnehmen, in der eigenen Kodierung des Streams (sie wächst als Datei.part und bekommt ihren Namen, wenn die Aufnahme fertig ist; eine vorhandene Datei bleibt unberührt). Ein Ordner bekommt eine Datei mit dem Namen des Senders und der Uhrzeit.</translation>
    </message>
    <message>
        <source>Met --record: stop de opname en het programma na dit aantal minuten (tot 1440; breuken zoals 0.5 mogen).</source>
        <translation>Mit --record: Aufnahme und Programm nach so vielen Minuten beenden (bis 1440; Brüche wie 0.5 sind erlaubt).</translation>
    </message>
    <message>
        <source>--record werkt alleen met --headless en --play.</source>
        <translation>--record funktioniert nur mit --headless und --play.</translation>
    </message>
    <message>
        <source>--duration neemt een aantal minuten groter dan 0 en hoogstens 1440, niet &quot;%1&quot;.</source>
        <translation>--duration nimmt eine Anzahl Minuten größer als 0 und höchstens 1440, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--duration werkt alleen met --record.</source>
        <translation>--duration funktioniert nur mit --record.</translation>
    </message>
    <message>
        <source>Zet een eenmalige wekker in het spelende Zeffira, om UU:MM of over +MINUTEN (breuken zoals +0.5 mogen), met --station voor het station. Met --headless --play: wacht tot dan en speel dan.</source>
        <translation>Einen einmaligen Wecker im laufenden Zeffira stellen, um HH:MM oder in +MINUTEN (Brüche wie +0.5 erlaubt), mit --station für den Sender. Mit --headless --play: bis dahin warten und dann spielen.</translation>
    </message>
    <message>
        <source>UU:MM|+minuten</source>
        <translation>HH:MM|+Minuten</translation>
    </message>
    <message>
        <source>--alarm neemt een tijd als 07:30 of een aantal minuten als +5 (hoogstens +1440), niet &quot;%1&quot;.</source>
        <translation>--alarm nimmt eine Uhrzeit wie 07:30 oder Minuten wie +5 (höchstens +1440), nicht „%1“.</translation>
    </message>
    <message>
        <source>--alarm gaat alleen samen met --station, of met --headless en --play.</source>
        <translation>--alarm geht nur mit --station oder mit --headless und --play.</translation>
    </message>
    <message>
        <source>Met --status of --history: toon JSON.</source>
        <translation>Mit --status oder --history: als JSON ausgeben.</translation>
    </message>
    <message>
        <source>--since werkt alleen met --history.</source>
        <translation>--since geht nur mit --history.</translation>
    </message>
    <message>
        <source>--json werkt alleen met --status of --history.</source>
        <translation>--json geht nur mit --status oder --history.</translation>
    </message>
    <message>
        <source>Met --alarm: faad in over zoveel seconden (0 tot 3600; anders 60).</source>
        <translation>Mit --alarm: über so viele Sekunden einblenden (0 bis 3600; sonst 60).</translation>
    </message>
    <message>
        <source>seconden</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Met --alarm: het volume waarnaar de wekker infaadt (0 tot 100; anders 50).</source>
        <translation>Mit --alarm: die Lautstärke, auf die der Wecker einblendet (0 bis 100; sonst 50).</translation>
    </message>
    <message>
        <source>--fade neemt een aantal seconden van 0 tot 3600, niet &quot;%1&quot;.</source>
        <translation>--fade nimmt eine Zahl von Sekunden von 0 bis 3600, nicht „%1“.</translation>
    </message>
    <message>
        <source>--alarm-volume neemt een geheel getal van 0 tot 100, niet &quot;%1&quot;.</source>
        <translation>--alarm-volume nimmt eine ganze Zahl von 0 bis 100, nicht „%1“.</translation>
    </message>
    <message>
        <source>--fade en --alarm-volume werken alleen met --alarm.</source>
        <translation>--fade und --alarm-volume gehen nur mit --alarm.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: terug naar live (na pauze of terugspoelen).</source>
        <translation>Wenn Zeffira spielt: zurück zu live (nach Pause oder Zurückspulen).</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: bewaar het nummer dat speelt, vanaf zijn begin, in de muziekmap (Zeffira/&lt;station&gt;/).</source>
        <translation>Wenn Zeffira läuft: das laufende Lied ab seinem Anfang im Musikordner speichern (Zeffira/&lt;station&gt;/).</translation>
    </message>
</context>
<context>
    <name>DirectoryAnswer</name>
    <message numerus="yes">
        <source>antwoord te groot (%n bytes)</source>
        <translation>
            <numerusform>Antwort zu groß (%n Byte)</numerusform>
            <numerusform>Antwort zu groß (%n Bytes)</numerusform>
        </translation>
    </message>
    <message>
        <source>een HTML- of XML-pagina</source>
        <translation>eine HTML- oder XML-Seite</translation>
    </message>
    <message>
        <source>geen JSON: %1</source>
        <translation>kein JSON: %1</translation>
    </message>
    <message>
        <source>geen lijst van zenders</source>
        <translation>keine Liste von Sendern</translation>
    </message>
    <message>
        <source>zender %1 is geen object</source>
        <translation>Sender %1 ist kein Objekt</translation>
    </message>
    <message>
        <source>zender %1: &quot;%2&quot; is geen tekst</source>
        <translation>Sender %1: &quot;%2&quot; ist kein Text</translation>
    </message>
    <message>
        <source>zender %1: &quot;bitrate&quot; is geen getal</source>
        <translation>Sender %1: &quot;bitrate&quot; ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>DirectorySearch</name>
    <message>
        <source>Zoeken in de zendergids...</source>
        <translation>Suche im Senderverzeichnis...</translation>
    </message>
    <message>
        <source>Geen zenders gevonden.</source>
        <translation>Keine Sender gefunden.</translation>
    </message>
    <message>
        <source>De zendergids is niet bereikbaar. Probeer het later opnieuw.</source>
        <translation>Das Senderverzeichnis ist nicht erreichbar. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>De zendergids gaf een onbruikbaar antwoord. Er is niets toegevoegd.</source>
        <translation>Das Senderverzeichnis gab eine unbrauchbare Antwort. Es wurde nichts hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>EditStationSheet</name>
    <message>
        <source>Station wijzigen</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Stream URL</source>
        <translation>Stream-URL</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsModel</name>
    <message>
        <source>Fout: %1. Installeer de app via &apos;make install&apos;.</source>
        <translation>Fehler: %1. Installieren Sie die App mit „make install“.</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsTab</name>
    <message>
        <source>Toon stationsnaam in menubalk</source>
        <translation>Sendernamen in der Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>Melding bij elk nieuw nummer</source>
        <translation>Benachrichtigung bei jedem neuen Titel</translation>
    </message>
    <message>
        <source>Start automatisch bij opstarten</source>
        <translation>Beim Anmelden automatisch starten</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Uitvoerapparaat</source>
        <translation>Ausgabegerät</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Automatisch pauzeren bij standby</source>
        <translation>Im Standby automatisch pausieren</translation>
    </message>
    <message>
        <source>Na standby</source>
        <translation>Nach dem Standby</translation>
    </message>
    <message>
        <source>Gelijk volume</source>
        <translation>Gleiche Lautstärke</translation>
    </message>
    <message>
        <source>De token komt uit ZEFFIRA_LISTENBRAINZ_TOKEN en wordt niet opgeslagen.</source>
        <translation>Das Token stammt aus ZEFFIRA_LISTENBRAINZ_TOKEN und wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>ListenBrainz weigert de token; er wordt niets verstuurd tot je een nieuwe invoert.</source>
        <translation>ListenBrainz lehnt das Token ab; es wird nichts gesendet, bis Sie ein neues eingeben.</translation>
    </message>
    <message>
        <source>Plak je gebruikerstoken van ListenBrainz (te vinden in je profiel).</source>
        <translation>Fügen Sie Ihr ListenBrainz-Benutzertoken ein (zu finden in Ihrem Profil).</translation>
    </message>
    <message>
        <source>Er draait geen sleutelbos: de token staat in een bestand dat alleen jij kunt lezen.</source>
        <translation>Es läuft kein Schlüsselbund: Das Token liegt in einer Datei, die nur Sie lesen können.</translation>
    </message>
    <message numerus="yes">
        <source>Wachtende nummers: %n</source>
        <translation>
            <numerusform>Wartende Titel: %n</numerusform>
            <numerusform>Wartende Titel: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>ListenBrainz</source>
        <translation>ListenBrainz</translation>
    </message>
    <message>
        <source>Stuur beluisterde nummers naar ListenBrainz</source>
        <translation>Gehörte Titel an ListenBrainz senden</translation>
    </message>
    <message>
        <source>Gebruikerstoken</source>
        <translation>Benutzertoken</translation>
    </message>
    <message>
        <source>Gebruikerstoken van ListenBrainz</source>
        <translation>ListenBrainz-Benutzertoken</translation>
    </message>
    <message>
        <source>Opgeslagen</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Plak je token</source>
        <translation>Token hier einfügen</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Terugspoelbuffer (minuten)</source>
        <translation>Rückspulpuffer (Minuten)</translation>
    </message>
    <message>
        <source>Terugspoelbuffer in minuten</source>
        <translation>Rückspulpuffer in Minuten</translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>HeardList</name>
    <message>
        <source>Gehoord</source>
        <translation>Gehört</translation>
    </message>
    <message>
        <source>Geen nummers gevonden</source>
        <translation>Keine Titel gefunden</translation>
    </message>
    <message>
        <source>Nog geen bewaarde nummers</source>
        <translation>Noch keine gemerkten Titel</translation>
    </message>
    <message>
        <source>Nog niets gehoord</source>
        <translation>Noch nichts gehört</translation>
    </message>
    <message>
        <source>%1, %2, bewaard</source>
        <translation>%1, %2, gemerkt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>HeardRow</name>
    <message>
        <source>Gekopieerd</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Kopieer</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Niet meer bewaren</source>
        <translation>Nicht mehr merken</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Merken</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>kan de geschiedenis niet lezen: %1</source>
        <translation>kann den Verlauf nicht lesen: %1</translation>
    </message>
</context>
<context>
    <name>HistoryListModel</name>
    <message>
        <source>Vandaag</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Gisteren</source>
        <translation>Gestern</translation>
    </message>
</context>
<context>
    <name>LogindSleepMonitor</name>
    <message>
        <source>Pauzeert de radio voor de slaapstand</source>
        <translation>Pausiert das Radio vor dem Ruhezustand</translation>
    </message>
</context>
<context>
    <name>MoveStationConfirmationSheet</name>
    <message>
        <source>Station verplaatsen?</source>
        <translation>Sender verschieben?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; wordt verplaatst naar &apos;%2&apos;.</source>
        <translation>„%1“ wird nach „%2“ verschoben.</translation>
    </message>
    <message>
        <source>Vraag dit niet opnieuw</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Verplaats</source>
        <translation>Verschieben</translation>
    </message>
</context>
<context>
    <name>NewCategorySheet</name>
    <message>
        <source>Nieuwe categorie</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Categorienaam</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Maak aan</source>
        <translation>Erstellen</translation>
    </message>
</context>
<context>
    <name>NowPlayingRow</name>
    <message>
        <source>Pauzeer</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Hervat</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Laden...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>OpenRequest</name>
    <message>
        <source>%1 is geen afspeellijst: Zeffira speelt internetradio, geen audiobestanden.</source>
        <translation>%1 ist keine Wiedergabeliste: Zeffira spielt Internetradio, keine Audiodateien.</translation>
    </message>
    <message>
        <source>Kan %1 niet openen.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 bevat geen internetstreams.</source>
        <translation>%1 enthält keine Internetstreams.</translation>
    </message>
    <message>
        <source>Zeffira speelt alleen internetradio; %1 is geen internetstream.</source>
        <translation>Zeffira spielt nur Internetradio; %1 ist kein Internetstream.</translation>
    </message>
</context>
<context>
    <name>OutputDeviceButton</name>
    <message>
        <source>Uitvoerapparaat</source>
        <translation>Ausgabegerät</translation>
    </message>
</context>
<context>
    <name>OutputDeviceModel</name>
    <message>
        <source>Systeemstandaard</source>
        <translation>Systemstandard</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Instellingen...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Over Zeffira</source>
        <translation>Über Zeffira</translation>
    </message>
    <message>
        <source>Sluit af</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>RadioMenuView</name>
    <message>
        <source>Zoek nummer...</source>
        <translation>Titel suchen...</translation>
    </message>
    <message>
        <source>Zoek station...</source>
        <translation>Sender suchen...</translation>
    </message>
    <message>
        <source>Zoek nummer</source>
        <translation>Titel suchen</translation>
    </message>
    <message>
        <source>Zoek station</source>
        <translation>Sender suchen</translation>
    </message>
    <message>
        <source>Slaaptimer uit</source>
        <translation>Schlaftimer aus</translation>
    </message>
</context>
<context>
    <name>RadioPlayer</name>
    <message>
        <source>Geen werkende stations beschikbaar</source>
        <translation>Kein Sender funktioniert</translation>
    </message>
    <message>
        <source>Geen netwerkverbinding</source>
        <translation>Keine Netzwerkverbindung</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>gestopt</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>laden</source>
        <translation>lädt</translation>
    </message>
    <message>
        <source>speelt</source>
        <translation>spielt</translation>
    </message>
    <message>
        <source>gepauzeerd</source>
        <translation>pausiert</translation>
    </message>
    <message>
        <source>mislukt</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Sender:</translation>
    </message>
    <message>
        <source>Toestand:</source>
        <translation>Zustand:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>Slaaptimer:</source>
        <translation>Schlaftimer:</translation>
    </message>
    <message>
        <source>uit</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>kan de sessiebus niet bereiken (%1).</source>
        <translation>kann den Sitzungsbus nicht erreichen (%1).</translation>
    </message>
    <message>
        <source>Zeffira draait niet; start het eerst (zeffira).</source>
        <translation>Zeffira läuft nicht; starten Sie es zuerst (zeffira).</translation>
    </message>
    <message>
        <source>Wekker:</source>
        <translation>Wecker:</translation>
    </message>
    <message>
        <source>Achter live:</source>
        <translation>Hinter live:</translation>
    </message>
    <message>
        <source>Opname:</source>
        <translation>Aufnahme:</translation>
    </message>
    <message>
        <source>loopt</source>
        <translation>läuft</translation>
    </message>
</context>
<context>
    <name>RenameCategorySheet</name>
    <message>
        <source>Categorie hernoemen</source>
        <translation>Kategorie umbenennen</translation>
    </message>
    <message>
        <source>Categorienaam</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Hernoem</source>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>RewindRow</name>
    <message>
        <source>30 seconden terug</source>
        <translation>30 Sekunden zurück</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>%1 achter live</source>
        <translation>%1 hinter live</translation>
    </message>
    <message>
        <source>30 seconden vooruit</source>
        <translation>30 Sekunden vor</translation>
    </message>
    <message>
        <source>Terug naar live</source>
        <translation>Zurück zu live</translation>
    </message>
    <message>
        <source>Alleen live</source>
        <translation>Nur live</translation>
    </message>
    <message>
        <source>Terugspoelen en bewaren kunnen niet bij deze stream (HLS)</source>
        <translation>Zurückspulen und Speichern sind bei diesem Stream (HLS) nicht möglich</translation>
    </message>
    <message>
        <source>Bewaar dit nummer</source>
        <translation>Dieses Lied speichern</translation>
    </message>
    <message>
        <source>Stop opname</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Neem op</source>
        <translation>Aufnehmen</translation>
    </message>
</context>
<context>
    <name>ScriptControl</name>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;.</source>
        <translation>es gibt keinen Sender namens „%1“.</translation>
    </message>
    <message>
        <source>het volume gaat van 0 tot 100.</source>
        <translation>die Lautstärke geht von 0 bis 100.</translation>
    </message>
    <message>
        <source>onbekende opdracht: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>er is geen terugspoelbuffer: die is er alleen terwijl een station speelt.</source>
        <translation>es gibt keinen Rückspulpuffer: den gibt es nur, während ein Sender spielt.</translation>
    </message>
    <message>
        <source>bewaren en opnemen kunnen hier niet.</source>
        <translation>Speichern und Aufnehmen sind hier nicht möglich.</translation>
    </message>
    <message>
        <source>de duur is een aantal minuten.</source>
        <translation>die Dauer ist eine Anzahl Minuten.</translation>
    </message>
</context>
<context>
    <name>SearchRow</name>
    <message>
        <source>Zoek station...</source>
        <translation>Sender suchen...</translation>
    </message>
    <message>
        <source>Zoek station</source>
        <translation>Sender suchen</translation>
    </message>
    <message>
        <source>Wis zoekopdracht</source>
        <translation>Suche leeren</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Algemeen</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Wekker</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Instellingen</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>SkipBanner</name>
    <message>
        <source>%1 overgeslagen</source>
        <translation>%1 übersprungen</translation>
    </message>
</context>
<context>
    <name>SleepTimer</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message>
        <source>Slaaptimer: %1</source>
        <translation>Schlaftimer: %1</translation>
    </message>
</context>
<context>
    <name>SleepTimerRow</name>
    <message>
        <source>Slaaptimer</source>
        <translation>Schlaftimer</translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n minuten</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SongKeeper</name>
    <message>
        <source>Opname bewaard</source>
        <translation>Aufnahme gespeichert</translation>
    </message>
    <message>
        <source>Niet bewaard</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>kan de map %1 niet maken.</source>
        <translation>kann den Ordner %1 nicht anlegen.</translation>
    </message>
    <message>
        <source>er speelt geen station.</source>
        <translation>es läuft kein Sender.</translation>
    </message>
    <message>
        <source>deze stream (HLS) heeft geen terugspoelbuffer.</source>
        <translation>dieser Stream (HLS) hat keinen Rückspulpuffer.</translation>
    </message>
    <message>
        <source>er is geen vorig nummer in de terugspoelbuffer.</source>
        <translation>im Rückspulpuffer ist kein vorheriges Lied.</translation>
    </message>
    <message>
        <source>het station noemt geen nummer, of de terugspoelbuffer is leeg.</source>
        <translation>der Sender nennt kein Lied, oder der Rückspulpuffer ist leer.</translation>
    </message>
    <message>
        <source>nummers in dit formaat (%1) kunnen niet bewaard worden.</source>
        <translation>Lieder in diesem Format (%1) können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Lied</translation>
    </message>
    <message>
        <source>kan niet schrijven in %1.</source>
        <translation>kann nicht in %1 schreiben.</translation>
    </message>
    <message>
        <source>er staat nog geen heel stukje van dit nummer in de buffer.</source>
        <translation>der Puffer enthält noch kein ganzes Stück dieses Lieds.</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Nummer bewaard</source>
        <translation>Lied gespeichert</translation>
    </message>
    <message>
        <source>%1
Het begin was niet meer in de buffer: het bestand begint later.</source>
        <translation>%1
Der Anfang war nicht mehr im Puffer: die Datei beginnt später.</translation>
    </message>
    <message>
        <source>er loopt al een opname.</source>
        <translation>es läuft schon eine Aufnahme.</translation>
    </message>
    <message>
        <source>deze stream (HLS) kan niet opgenomen worden.</source>
        <translation>dieser Stream (HLS) kann nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>het begin van deze Ogg-stream is niet meer in de buffer.</source>
        <translation>der Anfang dieses Ogg-Streams ist nicht mehr im Puffer.</translation>
    </message>
</context>
<context>
    <name>StandbyModes</name>
    <message>
        <source>Stream hervatten</source>
        <translation>Stream fortsetzen</translation>
    </message>
    <message>
        <source>Stream opnieuw starten</source>
        <translation>Stream neu starten</translation>
    </message>
    <message>
        <source>Niet automatisch starten</source>
        <translation>Nicht automatisch starten</translation>
    </message>
</context>
<context>
    <name>StationFile</name>
    <message>
        <source>geen URL</source>
        <translation>keine URL</translation>
    </message>
    <message>
        <source>geen http- of https-URL</source>
        <translation>keine http- oder https-URL</translation>
    </message>
    <message>
        <source>geen servernaam</source>
        <translation>kein Servername</translation>
    </message>
    <message>
        <source>een HLS-stream (regel %1), geen stationslijst</source>
        <translation>ein HLS-Stream (Zeile %1), keine Senderliste</translation>
    </message>
    <message>
        <source>geen %1-bestand (geen %2)</source>
        <translation>keine %1-Datei (%2 fehlt)</translation>
    </message>
    <message>
        <source>geen %1-bestand: %2 (regel %3)</source>
        <translation>keine %1-Datei: %2 (Zeile %3)</translation>
    </message>
    <message>
        <source>geen Zeffira-stationslijst: %1</source>
        <translation>keine Zeffira-Senderliste: %1</translation>
    </message>
</context>
<context>
    <name>StationInput</name>
    <message>
        <source>Deze URL hoort al bij &apos;%1&apos; in &apos;%2&apos;.</source>
        <translation>Diese URL gehört bereits zu „%1“ in „%2“.</translation>
    </message>
    <message>
        <source>Ongeldige URL</source>
        <translation>Ungültige URL</translation>
    </message>
    <message>
        <source>Voer een geldige stream URL in.</source>
        <translation>Geben Sie eine gültige Stream-URL ein.</translation>
    </message>
    <message>
        <source>Vul een naam in.</source>
        <translation>Geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>Vul een stream URL in.</source>
        <translation>Geben Sie eine Stream-URL ein.</translation>
    </message>
    <message>
        <source>Dit is geen geldige URL.</source>
        <translation>Das ist keine gültige URL.</translation>
    </message>
    <message>
        <source>De URL moet met http:// of https:// beginnen.</source>
        <translation>Die URL muss mit http:// oder https:// beginnen.</translation>
    </message>
    <message>
        <source>De URL mist een servernaam.</source>
        <translation>Der URL fehlt ein Servername.</translation>
    </message>
</context>
<context>
    <name>StationList</name>
    <message>
        <source>Stations</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Geen stations gevonden</source>
        <translation>Keine Sender gefunden</translation>
    </message>
    <message>
        <source>Speelt</source>
        <translation>Wird abgespielt</translation>
    </message>
    <message>
        <source>Gepauzeerd</source>
        <translation>Pausiert</translation>
    </message>
</context>
<context>
    <name>StationMenu</name>
    <message>
        <source>Wijzig...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Verplaats naar...</source>
        <translation>Verschieben nach...</translation>
    </message>
    <message>
        <source>Verwijder</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>StationTransfer</name>
    <message>
        <source>Stationslijsten (*.m3u *.m3u8 *.pls *.xspf *.json)</source>
        <translation>Senderlisten (*.m3u *.m3u8 *.pls *.xspf *.json)</translation>
    </message>
    <message>
        <source>M3U (*.m3u *.m3u8)</source>
        <translation>M3U (*.m3u *.m3u8)</translation>
    </message>
    <message>
        <source>PLS (*.pls)</source>
        <translation>PLS (*.pls)</translation>
    </message>
    <message>
        <source>XSPF (*.xspf)</source>
        <translation>XSPF (*.xspf)</translation>
    </message>
    <message>
        <source>Zeffira JSON (*.json)</source>
        <translation>Zeffira-JSON (*.json)</translation>
    </message>
    <message>
        <source>regel %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>en nog %n</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Het bestand kon niet worden gelezen als stationslijst.</source>
        <translation>Die Datei konnte nicht als Senderliste gelesen werden.</translation>
    </message>
    <message>
        <source>Er zijn geen stations toegevoegd.</source>
        <translation>Es wurden keine Sender hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>Stations toegevoegd: %n, in %1.</source>
        <translation>
            <numerusform>%n Sender hinzugefügt, in %1.</numerusform>
            <numerusform>%n Sender hinzugefügt, in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overgeslagen omdat ze al in de lijst staan: %n.</source>
        <translation>
            <numerusform>Übersprungen, weil bereits in der Liste: %n.</numerusform>
            <numerusform>Übersprungen, weil bereits in der Liste: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overgeslagen wegens een ongeldige URL: %n.</source>
        <translation>
            <numerusform>Wegen ungültiger URL übersprungen: %n.</numerusform>
            <numerusform>Wegen ungültiger URL übersprungen: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Importeren mislukt</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import voltooid</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Exporteren mislukt</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Export voltooid</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Stations opgeslagen: %n, in %1.</source>
        <translation>
            <numerusform>%n Sender gespeichert, in %1.</numerusform>
            <numerusform>%n Sender gespeichert, in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>De geschiedenis is niet beschikbaar.</source>
        <translation>Der Verlauf ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Kan %1 niet schrijven: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Nummers opgeslagen: %n, in %1.</source>
        <translation>
            <numerusform>%n Titel gespeichert, in %1.</numerusform>
            <numerusform>%n Titel gespeichert, in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StationTransferButtons</name>
    <message>
        <source>Importeer...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Exporteer...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Alle stations...</source>
        <translation>Alle Sender...</translation>
    </message>
    <message>
        <source>Alleen &apos;%1&apos;...</source>
        <translation>Nur „%1“...</translation>
    </message>
    <message>
        <source>Alleen de gekozen categorie...</source>
        <translation>Nur die gewählte Kategorie...</translation>
    </message>
    <message>
        <source>Stations importeren</source>
        <translation>Sender importieren</translation>
    </message>
    <message>
        <source>Alle stations exporteren</source>
        <translation>Alle Sender exportieren</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exporteren</source>
        <translation>„%1“ exportieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exporteer geschiedenis...</source>
        <translation>Verlauf exportieren...</translation>
    </message>
    <message>
        <source>Geschiedenis exporteren</source>
        <translation>Verlauf exportieren</translation>
    </message>
</context>
<context>
    <name>StationsSettingsTab</name>
    <message>
        <source>Nog geen stations in deze categorie</source>
        <translation>Noch keine Sender in dieser Kategorie</translation>
    </message>
    <message>
        <source>Sleep een station naar deze categorie of kies &apos;Voeg station toe&apos;.</source>
        <translation>Ziehen Sie einen Sender in diese Kategorie oder wählen Sie „Sender hinzufügen“.</translation>
    </message>
    <message>
        <source>Selecteer een categorie</source>
        <translation>Wählen Sie eine Kategorie</translation>
    </message>
    <message>
        <source>Nieuwe categorie</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Voeg station toe</source>
        <translation>Sender hinzufügen</translation>
    </message>
    <message>
        <source>Hernoem...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Categorie bevat stations</source>
        <translation>Kategorie enthält Sender</translation>
    </message>
    <message>
        <source>Verwijder categorie</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Station verwijderen?</source>
        <translation>Sender löschen?</translation>
    </message>
    <message>
        <source>Weet je zeker dat je &apos;%1&apos; wilt verwijderen?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Verwijder</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Categorie verwijderen?</source>
        <translation>Kategorie löschen?</translation>
    </message>
    <message>
        <source>Weet je zeker dat je de categorie &apos;%1&apos; wilt verwijderen?</source>
        <translation>Möchten Sie die Kategorie „%1“ wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>StreamErrorText</name>
    <message>
        <source>verbinding geweigerd</source>
        <translation>Verbindung verweigert</translation>
    </message>
    <message>
        <source>server niet gevonden</source>
        <translation>Server nicht gefunden</translation>
    </message>
    <message>
        <source>server onbereikbaar</source>
        <translation>Server nicht erreichbar</translation>
    </message>
    <message>
        <source>netwerk onbereikbaar</source>
        <translation>Netzwerk nicht erreichbar</translation>
    </message>
    <message>
        <source>server reageert niet</source>
        <translation>Server antwortet nicht</translation>
    </message>
    <message>
        <source>geen audiostream</source>
        <translation>kein Audiostream</translation>
    </message>
    <message>
        <source>ongeldig antwoord van de server</source>
        <translation>ungültige Antwort des Servers</translation>
    </message>
    <message>
        <source>stream afgebroken</source>
        <translation>Stream abgebrochen</translation>
    </message>
    <message>
        <source>adres wordt niet ondersteund</source>
        <translation>Adresse wird nicht unterstützt</translation>
    </message>
    <message>
        <source>ongeldig adres</source>
        <translation>ungültige Adresse</translation>
    </message>
    <message>
        <source>te veel doorverwijzingen</source>
        <translation>zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>onveilige doorverwijzing geweigerd</source>
        <translation>unsichere Weiterleitung abgelehnt</translation>
    </message>
    <message>
        <source>beveiligde verbinding mislukt</source>
        <translation>sichere Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>proxy werkt niet</source>
        <translation>Proxy funktioniert nicht</translation>
    </message>
    <message>
        <source>afspeellijst zonder streams</source>
        <translation>Wiedergabeliste ohne Streams</translation>
    </message>
    <message>
        <source>afspeellijst klopt niet</source>
        <translation>Wiedergabeliste fehlerhaft</translation>
    </message>
    <message>
        <source>niet gevonden</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>geen toegang</source>
        <translation>kein Zugriff</translation>
    </message>
    <message>
        <source>serverfout</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>geweigerd</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>%1 (HTTP %2)</source>
        <translation>%1 (HTTP %2)</translation>
    </message>
    <message>
        <source>geen geluid ontvangen</source>
        <translation>kein Ton empfangen</translation>
    </message>
    <message>
        <source>geen decoder voor %1</source>
        <translation>kein Decoder für %1</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>%1 bestaat al; kies een andere naam.</source>
        <translation>%1 existiert bereits; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>de map van %1 bestaat niet.</source>
        <translation>der Ordner von %1 existiert nicht.</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>kan niet schrijven in %1</source>
        <translation>kann nicht in %1 schreiben</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Slaaptimer</source>
        <translation>Schlaftimer</translation>
    </message>
    <message numerus="yes">
        <source>%n minuten</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Paneel openen</source>
        <translation>Panel öffnen</translation>
    </message>
    <message>
        <source>Pauzeer</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Hervat</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Instellingen...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Over Zeffira</source>
        <translation>Über Zeffira</translation>
    </message>
    <message>
        <source>Sluit af</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Wekker instellen...</source>
        <translation>Wecker stellen...</translation>
    </message>
    <message>
        <source>Kopieer titel</source>
        <translation>Titel kopieren</translation>
    </message>
    <message>
        <source>Terugspoelen: %1 achter live</source>
        <translation>Zurückspulen: %1 hinter live</translation>
    </message>
    <message>
        <source>Terugspoelen</source>
        <translation>Zurückspulen</translation>
    </message>
    <message>
        <source>Niet bij HLS-streams</source>
        <translation>Nicht bei HLS-Streams</translation>
    </message>
    <message>
        <source>30 seconden terug</source>
        <translation>30 Sekunden zurück</translation>
    </message>
    <message>
        <source>30 seconden vooruit</source>
        <translation>30 Sekunden vor</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Bewaar dit nummer</source>
        <translation>Dieses Lied speichern</translation>
    </message>
    <message>
        <source>Bewaar vorig nummer</source>
        <translation>Vorheriges Lied speichern</translation>
    </message>
    <message>
        <source>Stop opname</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Neem op</source>
        <translation>Aufnehmen</translation>
    </message>
</context>
<context>
    <name>TrayShell</name>
    <message>
        <source>%1 achter live</source>
        <translation>%1 hinter live</translation>
    </message>
    <message>
        <source>Neemt op</source>
        <translation>Nimmt auf</translation>
    </message>
</context>
<context>
    <name>TrayTooltip</name>
    <message>
        <source>Geen station gekozen</source>
        <translation>Kein Sender gewählt</translation>
    </message>
    <message>
        <source> (laden...)</source>
        <translation> (lädt...)</translation>
    </message>
    <message>
        <source> (mislukt)</source>
        <translation> (fehlgeschlagen)</translation>
    </message>
    <message>
        <source> (gepauzeerd)</source>
        <translation> (pausiert)</translation>
    </message>
</context>
<context>
    <name>ViewSwitch</name>
    <message>
        <source>Weergave</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Gehoord</source>
        <translation>Gehört</translation>
    </message>
    <message>
        <source>Bewaard</source>
        <translation>Gemerkt</translation>
    </message>
</context>
<context>
    <name>VolumeRow</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>ZeffiraApp</name>
    <message>
        <source>geen enkel station kon spelen; er is niets meer te proberen.</source>
        <translation>kein Sender konnte abgespielt werden; es gibt nichts mehr zu versuchen.</translation>
    </message>
    <message>
        <source>kon %1 niet afspelen: geen netwerkverbinding</source>
        <translation>%1 konnte nicht abgespielt werden: keine Netzwerkverbindung</translation>
    </message>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;, en het is geen stream-URL.</source>
        <translation>es gibt keinen Sender namens „%1“, und es ist keine Stream-URL.</translation>
    </message>
    <message>
        <source>kon %1 niet afspelen: %2</source>
        <translation>%1 konnte nicht abgespielt werden: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kan de sessiebus niet bereiken (%1); het pictogram in het systeemvak en de mediatoetsen hebben die nodig.</source>
        <translation>der Sitzungsbus ist nicht erreichbar (%1); das Symbol im Infobereich und die Medientasten brauchen ihn.</translation>
    </message>
    <message>
        <source>kon het pictogram in het systeemvak niet tonen.</source>
        <translation>das Symbol im Infobereich konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>geen grafische sessie (DISPLAY en WAYLAND_DISPLAY zijn niet gezet); speelt zonder pictogram in het systeemvak, bedienbaar via MPRIS.</source>
        <translation>keine grafische Sitzung (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); läuft ohne Symbol im Infobereich, steuerbar über MPRIS.</translation>
    </message>
    <message>
        <source>Opgenomen: %1</source>
        <translation>Aufgenommen: %1</translation>
    </message>
    <message>
        <source>de opname brak af: %1</source>
        <translation>die Aufnahme brach ab: %1</translation>
    </message>
</context>
</TS>
