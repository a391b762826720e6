<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl_NL">
<context>
    <name>AboutView</name>
    <message>
        <source>Eenvoudige internetradio voor Linux</source>
        <translation>Simple internet radio for Linux</translation>
    </message>
    <message>
        <source>BETA VERSIE</source>
        <translation>BETA VERSION</translation>
    </message>
    <message>
        <source>© 2025 De makers van Zeffira</source>
        <translation>© 2025 The makers of Zeffira</translation>
    </message>
    <message>
        <source>Licentie: GNU GPL versie 3 of later</source>
        <translation>Licence: GNU GPL version 3 or later</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
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
        <translation>About Zeffira</translation>
    </message>
</context>
<context>
    <name>AddStationSheet</name>
    <message>
        <source>Nieuw radiostation</source>
        <translation>New radio station</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Stream URL</source>
        <translation>Stream URL</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Voeg toe</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zoek in de zendergids</source>
        <translation>Search the station directory</translation>
    </message>
    <message>
        <source>Zoek in de zendergids...</source>
        <translation>Search the station directory...</translation>
    </message>
    <message>
        <source>Zoekresultaten</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>Typ een naam om zenders uit de zendergids te zoeken.</source>
        <translation>Type a name to search the station directory.</translation>
    </message>
</context>
<context>
    <name>AlarmClock</name>
    <message>
        <source>Wekker: %1</source>
        <translation>Alarm: %1</translation>
    </message>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;.</source>
        <translation>there is no station named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>die tijd is al voorbij.</source>
        <translation>that time has already passed.</translation>
    </message>
    <message>
        <source>Wekker gemist</source>
        <translation>Alarm missed</translation>
    </message>
    <message>
        <source>De wekker van %1 is niet afgegaan: de computer sliep.</source>
        <translation>The %1 alarm did not go off: the computer was asleep.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>ma</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>wo</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>vr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>za</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>zo</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>maandag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>dinsdag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>woensdag</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>donderdag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>vrijdag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>zaterdag</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>zondag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Laatst gespeelde station</source>
        <translation>Last played station</translation>
    </message>
    <message>
        <source>Eenmalig</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>Elke dag</source>
        <translation>Every day</translation>
    </message>
    <message>
        <source>Werkdagen</source>
        <translation>Weekdays</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>Geef een tijd als 07:30.</source>
        <translation>Enter a time such as 07:30.</translation>
    </message>
</context>
<context>
    <name>AlarmSheet</name>
    <message>
        <source>Wekker toevoegen</source>
        <translation>Add alarm</translation>
    </message>
    <message>
        <source>Wekker wijzigen</source>
        <translation>Edit alarm</translation>
    </message>
    <message>
        <source>Tijd</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Dagen</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Geen dag aangevinkt: eenmalig, de eerstvolgende keer.</source>
        <translation>No day ticked: once, the next time it comes round.</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Infaden</source>
        <translation>Fade in</translation>
    </message>
    <message>
        <source>Infaden in seconden</source>
        <translation>Fade-in in seconds</translation>
    </message>
    <message>
        <source>seconden</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>AlarmsSettingsTab</name>
    <message>
        <source>Geen wekker gezet</source>
        <translation>No alarm set</translation>
    </message>
    <message>
        <source>Nog geen wekkers. Een wekker speelt op de gekozen tijd een station en laat het langzaam luider worden.</source>
        <translation>No alarms yet. An alarm plays a station at the chosen time and slowly makes it louder.</translation>
    </message>
    <message>
        <source>Wekkers</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Wekker %1</source>
        <translation>Alarm %1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Wijzig...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Wijzig %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>Verwijder %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>Verwijder</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Wekker toevoegen...</source>
        <translation>Add alarm...</translation>
    </message>
    <message>
        <source>Wekker verwijderen?</source>
        <translation>Delete alarm?</translation>
    </message>
</context>
<context>
    <name>AlertSheet</name>
    <message>
        <source>Annuleer</source>
        <translation>Cancel</translation>
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
        <translation>No stations found for &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>geen server van de zendergids antwoordde (%1).</source>
        <translation>no station directory server answered (%1).</translation>
    </message>
    <message>
        <source>het antwoord van de zendergids is geen zenderlijst (%1).</source>
        <translation>the station directory&apos;s answer is not a station list (%1).</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>into %1</translation>
    </message>
    <message numerus="yes">
        <source>en nog %n met een ongeldige URL</source>
        <translation>
            <numerusform>and %n more with an invalid URL</numerusform>
            <numerusform>and %n more with an invalid URL</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stations uit het antwoord weggelaten omdat de URL geen http- of https-stream is: %n.</source>
        <translation>
            <numerusform>Left out %n station of the answer: its URL is not an http or https stream.</numerusform>
            <numerusform>Left out %n stations of the answer: their URLs are not http or https streams.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stations geïmporteerd: %n</source>
        <translation>
            <numerusform>%n station imported</numerusform>
            <numerusform>%n stations imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>overgeslagen: %n al in de catalogus en %1 met een ongeldige URL.</source>
        <translation>
            <numerusform>skipped: %n already in the catalogue and %1 with an invalid URL.</numerusform>
            <numerusform>skipped: %n already in the catalogue and %1 with an invalid URL.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stations geëxporteerd: %n (categorieën: %1), naar %2.</source>
        <translation>
            <numerusform>%n station exported to %2 (categories: %1).</numerusform>
            <numerusform>%n stations exported to %2 (categories: %1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CatalogueTransfer</name>
    <message>
        <source>%1: onbekend formaat (de naam moet eindigen op .m3u, .m3u8, .pls, .xspf of .json)</source>
        <translation>%1: unknown format (the name must end in .m3u, .m3u8, .pls, .xspf or .json)</translation>
    </message>
    <message>
        <source>kan %1 niet lezen: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 is de catalogus zelf</source>
        <translation>%1 is the catalogue itself</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>kan %1 niet lezen: het is geen gewoon bestand, maar een map, FIFO of apparaat</source>
        <translation>cannot read %1: it is not a regular file but a folder, FIFO or device</translation>
    </message>
    <message>
        <source>%1 is te groot: een stationslijst mag hoogstens %2 zijn, want de catalogus wordt bij elke start helemaal gelezen</source>
        <translation>%1 is too large: a station list may be at most %2, as the catalogue is read whole at every start</translation>
    </message>
    <message>
        <source>%1 is te groot: %2; een stationslijst mag hoogstens %3 zijn, want de catalogus wordt bij elke start helemaal gelezen</source>
        <translation>%1 is too large: %2; a station list may be at most %3, as the catalogue is read whole at every start</translation>
    </message>
    <message>
        <source>%1: geen stations gevonden</source>
        <translation>%1: no stations found</translation>
    </message>
    <message numerus="yes">
        <source>%1: geen stations gevonden; overgeslagen wegens een ongeldige URL: %n</source>
        <translation>
            <numerusform>%1: no stations found; skipped for an invalid URL: %n</numerusform>
            <numerusform>%1: no stations found; skipped for an invalid URL: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>kan %1 niet lezen: het lezen duurde langer dan %n seconden</source>
        <translation>
            <numerusform>cannot read %1: reading took longer than %n second</numerusform>
            <numerusform>cannot read %1: reading took longer than %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryDropRow</name>
    <message numerus="yes">
        <source>stations: %n</source>
        <translation>
            <numerusform>%n station</numerusform>
            <numerusform>%n stations</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryList</name>
    <message>
        <source>Categorieën</source>
        <translation>Categories</translation>
    </message>
</context>
<context>
    <name>CategoryListModel</name>
    <message>
        <source>Vul een naam in.</source>
        <translation>Enter a name.</translation>
    </message>
    <message>
        <source>Er is al een categorie &apos;%1&apos;.</source>
        <translation>There is already a category &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>CategoryStationList</name>
    <message>
        <source>Stations van %1</source>
        <translation>Stations in %1</translation>
    </message>
</context>
<context>
    <name>CategoryStationRow</name>
    <message>
        <source>Verwijder</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Verwijder %1</source>
        <translation>Delete %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Zeffira: internetradio in het systeemvak.</source>
        <translation>Zeffira: internet radio in the panel tray.</translation>
    </message>
    <message>
        <source>Toon deze hulp en stop.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Toon de versie en stop.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Toon de stationscatalogus en stop.</source>
        <translation>Print the station catalogue and exit.</translation>
    </message>
    <message>
        <source>Speel zonder venster en zonder pictogram in het systeemvak.</source>
        <translation>Run the player without a window or tray icon.</translation>
    </message>
    <message>
        <source>Met --headless: speel dit station (een naam uit de catalogus of een stream-URL).</source>
        <translation>With --headless: play this station (a name from the catalogue or a stream URL).</translation>
    </message>
    <message>
        <source>naam-of-url</source>
        <translation>name-or-url</translation>
    </message>
    <message>
        <source>Probeer &apos;zeffira --help&apos;.</source>
        <translation>Try &apos;zeffira --help&apos;.</translation>
    </message>
    <message>
        <source>Onverwacht argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--play werkt alleen met --headless.</source>
        <translation>--play needs --headless.</translation>
    </message>
    <message>
        <source>Bestanden:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>Pauzeer na dit aantal minuten (tot 1440; breuken zoals 0.5 mogen en tellen in hele seconden), met uitfaden in de laatste 30 seconden. Met --headless stopt het programma daarna; in het systeemvak is het de slaaptimer van het menu.</source>
        <translation>Pause after this many minutes (up to 1440; fractions such as 0.5 are allowed and count in whole seconds), fading out over the last 30 seconds. With --headless the program then exits; in the tray it is the tray menu&apos;s sleep timer.</translation>
    </message>
    <message>
        <source>minuten</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Zoek in de openbare zendergids naar stations waarvan de naam deze tekst bevat, toon ze en stop.</source>
        <translation>Search the public station directory for stations whose name contains this text, print them and exit.</translation>
    </message>
    <message>
        <source>tekst</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Voeg de stations uit dit bestand (.m3u, .m3u8, .pls, .xspf of .json) toe aan de catalogus en stop.</source>
        <translation>Add the stations of this file (.m3u, .m3u8, .pls, .xspf or .json) to the catalogue and exit.</translation>
    </message>
    <message>
        <source>bestand</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Schrijf de catalogus naar dit bestand (.m3u, .m3u8, .pls, .xspf of .json) en stop.</source>
        <translation>Write the catalogue to this file (.m3u, .m3u8, .pls, .xspf or .json) and exit.</translation>
    </message>
    <message>
        <source>Met --import: zet elk station in deze categorie (standaard: de categorieën uit het bestand, anders een naar het bestand genoemde). Met --export: schrijf alleen deze categorie.</source>
        <translation>With --import: put every station in this category (default: the file&apos;s own categories, else one named after the file). With --export: write only this category.</translation>
    </message>
    <message>
        <source>naam</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Internetstreams of afspeellijsten om te spelen: een adres (http://...) of een afspeellijstbestand (.pls, .m3u, .asx, .xspf). Speelt Zeffira al, dan speelt het daar; zonder adres komt het venster van Zeffira naar voren.</source>
        <translation>Internet streams or playlists to play: an address (http://...) or a playlist file (.pls, .m3u, .asx, .xspf). If Zeffira is already running, it plays there; without an address Zeffira&apos;s window comes to the front.</translation>
    </message>
    <message>
        <source>[url|bestand...]</source>
        <translation>[url|file...]</translation>
    </message>
    <message>
        <source>--category werkt alleen met --import of --export.</source>
        <translation>--category needs --import or --export.</translation>
    </message>
    <message>
        <source>--search heeft een tekst nodig om naar te zoeken.</source>
        <translation>--search needs a text to look for.</translation>
    </message>
    <message>
        <source>--sleep-timer neemt een aantal minuten groter dan 0 en hoogstens 1440, niet &quot;%1&quot;.</source>
        <translation>--sleep-timer takes a number of minutes greater than 0 and at most 1440, not &quot;%1&quot;.</translation>
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
      the station list
  $XDG_DATA_HOME/Zeffira/history.sqlite
      the songs heard (SQLite)
  $XDG_CONFIG_HOME/Zeffira/settings.json (~/.config/...)
      the settings
  $XDG_CONFIG_HOME/autostart/%1.desktop
      start at login, when switched on
  %2/stations.xml
      the built-in station list for the first start
The log goes to standard error; when started from the desktop, to
the session&apos;s journal (journalctl --user).
</translation>
    </message>
    <message>
        <source>Toon de gehoorde nummers, oudste eerst (tijd, station, artiest en titel, gescheiden door tabs) en stop.</source>
        <translation>Show the songs heard, oldest first (time, station, artist and title, separated by tabs) and exit.</translation>
    </message>
    <message>
        <source>Met --history: alleen vanaf deze dag (JJJJ-MM-DD).</source>
        <translation>With --history: only from this day on (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>datum</source>
        <translation>date</translation>
    </message>
    <message>
        <source>--list-stations, --search, --import, --export, --history en --headless gaan één tegelijk.</source>
        <translation>--list-stations, --search, --import, --export, --history and --headless go one at a time.</translation>
    </message>
    <message>
        <source>--since neemt een datum als 2025-03-31, niet &quot;%1&quot;.</source>
        <translation>--since takes a date such as 2025-03-31, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--sleep-timer gaat niet samen met --list-stations, --search, --import, --export of --history.</source>
        <translation>--sleep-timer does not go with --list-stations, --search, --import, --export or --history.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: pauzeer of hervat (zonder station: speel het eerste).</source>
        <translation>With Zeffira running: pause or resume (without a station: play the first).</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: stop.</source>
        <translation>With Zeffira running: stop.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel het volgende station.</source>
        <translation>With Zeffira running: play the next station.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel het vorige station.</source>
        <translation>With Zeffira running: play the previous station.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel dit station uit de catalogus.</source>
        <translation>With Zeffira running: play this station from the catalogue.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: zet het volume (0 tot 100).</source>
        <translation>With Zeffira running: set the volume (0 to 100).</translation>
    </message>
    <message>
        <source>0-100</source>
        <translation>0-100</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: toon station, toestand, titel, volume en slaaptimer.</source>
        <translation>With Zeffira running: show station, state, title, volume and sleep timer.</translation>
    </message>
    <message>
        <source>--play-pause, --stop, --next, --previous, --station, --volume en --status gaan één tegelijk en alleen.</source>
        <translation>--play-pause, --stop, --next, --previous, --station, --volume and --status go one at a time and alone.</translation>
    </message>
    <message>
        <source>--station heeft een naam nodig.</source>
        <translation>--station needs a name.</translation>
    </message>
    <message>
        <source>--volume neemt een geheel getal van 0 tot 100, niet &quot;%1&quot;.</source>
        <translation>--volume takes a whole number from 0 to 100, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Met --headless en --play: neem het station op in dit bestand, in de eigen codering van de stream (het groeit als bestand.part en krijgt zijn naam als de opname klaar is; een bestaand bestand blijft staan). Een map krijgt een bestand met de naam van het station en de tijd.</source>
        <translation>With --headless and --play: record the station to this file, in the stream&apos;s own encoding (it grows as file.part and gets its name when the recording is complete; an existing file is left alone). A folder gets a file named after the station and the time.</translation>
    </message>
    <message>
        <source>Met --record: stop de opname en het programma na dit aantal minuten (tot 1440; breuken zoals 0.5 mogen).</source>
        <translation>With --record: stop the recording and the program after this many minutes (up to 1440; fractions such as 0.5 are allowed).</translation>
    </message>
    <message>
        <source>--record werkt alleen met --headless en --play.</source>
        <translation>--record only works with --headless and --play.</translation>
    </message>
    <message>
        <source>--duration neemt een aantal minuten groter dan 0 en hoogstens 1440, niet &quot;%1&quot;.</source>
        <translation>--duration takes a number of minutes greater than 0 and at most 1440, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--duration werkt alleen met --record.</source>
        <translation>--duration only works with --record.</translation>
    </message>
    <message>
        <source>Zet een eenmalige wekker in het spelende Zeffira, om UU:MM of over +MINUTEN (breuken zoals +0.5 mogen), met --station voor het station. Met --headless --play: wacht tot dan en speel dan.</source>
        <translation>Set a one-off alarm in the running Zeffira, at HH:MM or in +MINUTES (fractions such as +0.5 allowed), with --station for the station. With --headless --play: wait until then and play then.</translation>
    </message>
    <message>
        <source>UU:MM|+minuten</source>
        <translation>HH:MM|+minutes</translation>
    </message>
    <message>
        <source>--alarm neemt een tijd als 07:30 of een aantal minuten als +5 (hoogstens +1440), niet &quot;%1&quot;.</source>
        <translation>--alarm takes a time such as 07:30 or a number of minutes such as +5 (at most +1440), not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--alarm gaat alleen samen met --station, of met --headless en --play.</source>
        <translation>--alarm only goes with --station, or with --headless and --play.</translation>
    </message>
    <message>
        <source>Met --status of --history: toon JSON.</source>
        <translation>With --status or --history: print JSON.</translation>
    </message>
    <message>
        <source>--since werkt alleen met --history.</source>
        <translation>--since only works with --history.</translation>
    </message>
    <message>
        <source>--json werkt alleen met --status of --history.</source>
        <translation>--json only works with --status or --history.</translation>
    </message>
    <message>
        <source>Met --alarm: faad in over zoveel seconden (0 tot 3600; anders 60).</source>
        <translation>With --alarm: fade in over this many seconds (0 to 3600; else 60).</translation>
    </message>
    <message>
        <source>seconden</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Met --alarm: het volume waarnaar de wekker infaadt (0 tot 100; anders 50).</source>
        <translation>With --alarm: the volume the alarm fades in to (0 to 100; else 50).</translation>
    </message>
    <message>
        <source>--fade neemt een aantal seconden van 0 tot 3600, niet &quot;%1&quot;.</source>
        <translation>--fade takes a number of seconds from 0 to 3600, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--alarm-volume neemt een geheel getal van 0 tot 100, niet &quot;%1&quot;.</source>
        <translation>--alarm-volume takes a whole number from 0 to 100, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--fade en --alarm-volume werken alleen met --alarm.</source>
        <translation>--fade and --alarm-volume need --alarm.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: terug naar live (na pauze of terugspoelen).</source>
        <translation>If Zeffira is playing: back to live (after a pause or rewinding).</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: bewaar het nummer dat speelt, vanaf zijn begin, in de muziekmap (Zeffira/&lt;station&gt;/).</source>
        <translation>If Zeffira is running: save the song that is playing, from its start, in the music folder (Zeffira/&lt;station&gt;/).</translation>
    </message>
</context>
<context>
    <name>DirectoryAnswer</name>
    <message>
        <source>een HTML- of XML-pagina</source>
        <translation>an HTML or XML page</translation>
    </message>
    <message>
        <source>geen JSON: %1</source>
        <translation>not JSON: %1</translation>
    </message>
    <message>
        <source>geen lijst van zenders</source>
        <translation>not a list of stations</translation>
    </message>
    <message>
        <source>zender %1 is geen object</source>
        <translation>station %1 is not an object</translation>
    </message>
    <message>
        <source>zender %1: &quot;%2&quot; is geen tekst</source>
        <translation>station %1: &quot;%2&quot; is not a text</translation>
    </message>
    <message>
        <source>zender %1: &quot;bitrate&quot; is geen getal</source>
        <translation>station %1: &quot;bitrate&quot; is not a number</translation>
    </message>
    <message numerus="yes">
        <source>antwoord te groot (%n bytes)</source>
        <translation>
            <numerusform>answer too large (%n byte)</numerusform>
            <numerusform>answer too large (%n bytes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DirectorySearch</name>
    <message>
        <source>Zoeken in de zendergids...</source>
        <translation>Searching the station directory...</translation>
    </message>
    <message>
        <source>Geen zenders gevonden.</source>
        <translation>No stations found.</translation>
    </message>
    <message>
        <source>De zendergids is niet bereikbaar. Probeer het later opnieuw.</source>
        <translation>The station directory cannot be reached. Try again later.</translation>
    </message>
    <message>
        <source>De zendergids gaf een onbruikbaar antwoord. Er is niets toegevoegd.</source>
        <translation>The station directory gave an unusable answer. Nothing was added.</translation>
    </message>
</context>
<context>
    <name>EditStationSheet</name>
    <message>
        <source>Station wijzigen</source>
        <translation>Edit station</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Stream URL</source>
        <translation>Stream URL</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsModel</name>
    <message>
        <source>Fout: %1. Installeer de app via &apos;make install&apos;.</source>
        <translation>Error: %1. Install the app with &apos;make install&apos;.</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsTab</name>
    <message>
        <source>Toon stationsnaam in menubalk</source>
        <translation>Show station name in the menu bar</translation>
    </message>
    <message>
        <source>Melding bij elk nieuw nummer</source>
        <translation>Notify on every new song</translation>
    </message>
    <message>
        <source>Start automatisch bij opstarten</source>
        <translation>Start automatically at login</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Uitvoerapparaat</source>
        <translation>Output device</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Automatisch pauzeren bij standby</source>
        <translation>Pause automatically on standby</translation>
    </message>
    <message>
        <source>Na standby</source>
        <translation>After standby</translation>
    </message>
    <message>
        <source>Gelijk volume</source>
        <translation>Even loudness</translation>
    </message>
    <message>
        <source>De token komt uit ZEFFIRA_LISTENBRAINZ_TOKEN en wordt niet opgeslagen.</source>
        <translation>The token comes from ZEFFIRA_LISTENBRAINZ_TOKEN and is not stored.</translation>
    </message>
    <message>
        <source>ListenBrainz weigert de token; er wordt niets verstuurd tot je een nieuwe invoert.</source>
        <translation>ListenBrainz rejects the token; nothing is sent until you enter a new one.</translation>
    </message>
    <message>
        <source>Plak je gebruikerstoken van ListenBrainz (te vinden in je profiel).</source>
        <translation>Paste your ListenBrainz user token (you find it in your profile).</translation>
    </message>
    <message>
        <source>Er draait geen sleutelbos: de token staat in een bestand dat alleen jij kunt lezen.</source>
        <translation>No keyring is running: the token is in a file only you can read.</translation>
    </message>
    <message numerus="yes">
        <source>Wachtende nummers: %n</source>
        <translation>
            <numerusform>Songs waiting: %n</numerusform>
            <numerusform>Songs waiting: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>ListenBrainz</source>
        <translation>ListenBrainz</translation>
    </message>
    <message>
        <source>Stuur beluisterde nummers naar ListenBrainz</source>
        <translation>Send the songs you hear to ListenBrainz</translation>
    </message>
    <message>
        <source>Gebruikerstoken</source>
        <translation>User token</translation>
    </message>
    <message>
        <source>Gebruikerstoken van ListenBrainz</source>
        <translation>ListenBrainz user token</translation>
    </message>
    <message>
        <source>Opgeslagen</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Plak je token</source>
        <translation>Paste your token</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Terugspoelbuffer (minuten)</source>
        <translation>Rewind buffer (minutes)</translation>
    </message>
    <message>
        <source>Terugspoelbuffer in minuten</source>
        <translation>Rewind buffer in minutes</translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>HeardList</name>
    <message>
        <source>Gehoord</source>
        <translation>Heard</translation>
    </message>
    <message>
        <source>Geen nummers gevonden</source>
        <translation>No songs found</translation>
    </message>
    <message>
        <source>Nog geen bewaarde nummers</source>
        <translation>No kept songs yet</translation>
    </message>
    <message>
        <source>Nog niets gehoord</source>
        <translation>Nothing heard yet</translation>
    </message>
    <message>
        <source>%1, %2, bewaard</source>
        <translation>%1, %2, kept</translation>
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
        <translation>Copied</translation>
    </message>
    <message>
        <source>Kopieer</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Niet meer bewaren</source>
        <translation>Stop keeping</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Keep</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>kan de geschiedenis niet lezen: %1</source>
        <translation>cannot read the history: %1</translation>
    </message>
</context>
<context>
    <name>HistoryListModel</name>
    <message>
        <source>Vandaag</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Gisteren</source>
        <translation>Yesterday</translation>
    </message>
</context>
<context>
    <name>LogindSleepMonitor</name>
    <message>
        <source>Pauzeert de radio voor de slaapstand</source>
        <translation>Pauses the radio before the system sleeps</translation>
    </message>
</context>
<context>
    <name>MoveStationConfirmationSheet</name>
    <message>
        <source>Station verplaatsen?</source>
        <translation>Move station?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; wordt verplaatst naar &apos;%2&apos;.</source>
        <translation>&apos;%1&apos; will be moved to &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Vraag dit niet opnieuw</source>
        <translation>Don&apos;t ask again</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Verplaats</source>
        <translation>Move</translation>
    </message>
</context>
<context>
    <name>NewCategorySheet</name>
    <message>
        <source>Nieuwe categorie</source>
        <translation>New category</translation>
    </message>
    <message>
        <source>Categorienaam</source>
        <translation>Category name</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Maak aan</source>
        <translation>Create</translation>
    </message>
</context>
<context>
    <name>NowPlayingRow</name>
    <message>
        <source>Pauzeer</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Hervat</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Laden...</source>
        <translation>Loading...</translation>
    </message>
</context>
<context>
    <name>OpenRequest</name>
    <message>
        <source>Kan %1 niet openen.</source>
        <translation>Cannot open %1.</translation>
    </message>
    <message>
        <source>%1 is geen afspeellijst: Zeffira speelt internetradio, geen audiobestanden.</source>
        <translation>%1 is not a playlist: Zeffira plays internet radio, not audio files.</translation>
    </message>
    <message>
        <source>%1 bevat geen internetstreams.</source>
        <translation>%1 contains no internet streams.</translation>
    </message>
    <message>
        <source>Zeffira speelt alleen internetradio; %1 is geen internetstream.</source>
        <translation>Zeffira plays internet radio only; %1 is not an internet stream.</translation>
    </message>
</context>
<context>
    <name>OutputDeviceButton</name>
    <message>
        <source>Uitvoerapparaat</source>
        <translation>Output device</translation>
    </message>
</context>
<context>
    <name>OutputDeviceModel</name>
    <message>
        <source>Systeemstandaard</source>
        <translation>System default</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Instellingen...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Over Zeffira</source>
        <translation>About Zeffira</translation>
    </message>
    <message>
        <source>Sluit af</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>RadioMenuView</name>
    <message>
        <source>Zoek nummer...</source>
        <translation>Search song...</translation>
    </message>
    <message>
        <source>Zoek station...</source>
        <translation>Search station...</translation>
    </message>
    <message>
        <source>Zoek nummer</source>
        <translation>Search song</translation>
    </message>
    <message>
        <source>Zoek station</source>
        <translation>Search station</translation>
    </message>
    <message>
        <source>Slaaptimer uit</source>
        <translation>Sleep timer off</translation>
    </message>
</context>
<context>
    <name>RadioPlayer</name>
    <message>
        <source>Geen werkende stations beschikbaar</source>
        <translation>No working stations available</translation>
    </message>
    <message>
        <source>Geen netwerkverbinding</source>
        <translation>No network connection</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>gestopt</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>laden</source>
        <translation>loading</translation>
    </message>
    <message>
        <source>speelt</source>
        <translation>playing</translation>
    </message>
    <message>
        <source>gepauzeerd</source>
        <translation>paused</translation>
    </message>
    <message>
        <source>mislukt</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>Toestand:</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Slaaptimer:</source>
        <translation>Sleep timer:</translation>
    </message>
    <message>
        <source>uit</source>
        <translation>off</translation>
    </message>
    <message>
        <source>kan de sessiebus niet bereiken (%1).</source>
        <translation>cannot reach the session bus (%1).</translation>
    </message>
    <message>
        <source>Zeffira draait niet; start het eerst (zeffira).</source>
        <translation>Zeffira is not running; start it first (zeffira).</translation>
    </message>
    <message>
        <source>Wekker:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>Achter live:</source>
        <translation>Behind live:</translation>
    </message>
    <message>
        <source>Opname:</source>
        <translation>Recording:</translation>
    </message>
    <message>
        <source>loopt</source>
        <translation>running</translation>
    </message>
</context>
<context>
    <name>RenameCategorySheet</name>
    <message>
        <source>Categorie hernoemen</source>
        <translation>Rename category</translation>
    </message>
    <message>
        <source>Categorienaam</source>
        <translation>Category name</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hernoem</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>RewindRow</name>
    <message>
        <source>30 seconden terug</source>
        <translation>Back 30 seconds</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>%1 achter live</source>
        <translation>%1 behind live</translation>
    </message>
    <message>
        <source>30 seconden vooruit</source>
        <translation>Forward 30 seconds</translation>
    </message>
    <message>
        <source>Terug naar live</source>
        <translation>Back to live</translation>
    </message>
    <message>
        <source>Alleen live</source>
        <translation>Live only</translation>
    </message>
    <message>
        <source>Terugspoelen en bewaren kunnen niet bij deze stream (HLS)</source>
        <translation>Rewinding and saving are not possible with this stream (HLS)</translation>
    </message>
    <message>
        <source>Bewaar dit nummer</source>
        <translation>Save this song</translation>
    </message>
    <message>
        <source>Stop opname</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>Neem op</source>
        <translation>Record</translation>
    </message>
</context>
<context>
    <name>ScriptControl</name>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;.</source>
        <translation>there is no station named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>het volume gaat van 0 tot 100.</source>
        <translation>the volume goes from 0 to 100.</translation>
    </message>
    <message>
        <source>onbekende opdracht: %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>er is geen terugspoelbuffer: die is er alleen terwijl een station speelt.</source>
        <translation>there is no rewind buffer: there is one only while a station plays.</translation>
    </message>
    <message>
        <source>bewaren en opnemen kunnen hier niet.</source>
        <translation>saving and recording are not available here.</translation>
    </message>
    <message>
        <source>de duur is een aantal minuten.</source>
        <translation>the duration is a number of minutes.</translation>
    </message>
</context>
<context>
    <name>SearchRow</name>
    <message>
        <source>Zoek station...</source>
        <translation>Search station...</translation>
    </message>
    <message>
        <source>Zoek station</source>
        <translation>Search station</translation>
    </message>
    <message>
        <source>Wis zoekopdracht</source>
        <translation>Clear search</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Algemeen</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Wekker</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Instellingen</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>SkipBanner</name>
    <message>
        <source>%1 overgeslagen</source>
        <translation>%1 skipped</translation>
    </message>
</context>
<context>
    <name>SleepTimer</name>
    <message>
        <source>Slaaptimer: %1</source>
        <translation>Sleep timer: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SleepTimerRow</name>
    <message>
        <source>Slaaptimer</source>
        <translation>Sleep timer</translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Off</translation>
    </message>
    <message numerus="yes">
        <source>%n minuten</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SongKeeper</name>
    <message>
        <source>Opname bewaard</source>
        <translation>Recording saved</translation>
    </message>
    <message>
        <source>Niet bewaard</source>
        <translation>Not saved</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>kan de map %1 niet maken.</source>
        <translation>cannot create the folder %1.</translation>
    </message>
    <message>
        <source>er speelt geen station.</source>
        <translation>no station is playing.</translation>
    </message>
    <message>
        <source>deze stream (HLS) heeft geen terugspoelbuffer.</source>
        <translation>this stream (HLS) has no rewind buffer.</translation>
    </message>
    <message>
        <source>er is geen vorig nummer in de terugspoelbuffer.</source>
        <translation>there is no previous song in the rewind buffer.</translation>
    </message>
    <message>
        <source>het station noemt geen nummer, of de terugspoelbuffer is leeg.</source>
        <translation>the station names no song, or the rewind buffer is empty.</translation>
    </message>
    <message>
        <source>nummers in dit formaat (%1) kunnen niet bewaard worden.</source>
        <translation>songs in this format (%1) cannot be saved.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Song</translation>
    </message>
    <message>
        <source>kan niet schrijven in %1.</source>
        <translation>cannot write in %1.</translation>
    </message>
    <message>
        <source>er staat nog geen heel stukje van dit nummer in de buffer.</source>
        <translation>the buffer holds no whole piece of this song yet.</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>Nummer bewaard</source>
        <translation>Song saved</translation>
    </message>
    <message>
        <source>%1
Het begin was niet meer in de buffer: het bestand begint later.</source>
        <translation>%1
The start was no longer in the buffer: the file starts later.</translation>
    </message>
    <message>
        <source>er loopt al een opname.</source>
        <translation>a recording is already running.</translation>
    </message>
    <message>
        <source>deze stream (HLS) kan niet opgenomen worden.</source>
        <translation>this stream (HLS) cannot be recorded.</translation>
    </message>
    <message>
        <source>het begin van deze Ogg-stream is niet meer in de buffer.</source>
        <translation>the start of this Ogg stream is no longer in the buffer.</translation>
    </message>
</context>
<context>
    <name>StandbyModes</name>
    <message>
        <source>Stream hervatten</source>
        <translation>Resume the stream</translation>
    </message>
    <message>
        <source>Stream opnieuw starten</source>
        <translation>Restart the stream</translation>
    </message>
    <message>
        <source>Niet automatisch starten</source>
        <translation>Don&apos;t start automatically</translation>
    </message>
</context>
<context>
    <name>StationFile</name>
    <message>
        <source>geen URL</source>
        <translation>not a URL</translation>
    </message>
    <message>
        <source>geen http- of https-URL</source>
        <translation>not an http or https URL</translation>
    </message>
    <message>
        <source>geen servernaam</source>
        <translation>no server name</translation>
    </message>
    <message>
        <source>een HLS-stream (regel %1), geen stationslijst</source>
        <translation>an HLS stream (line %1), not a list of stations</translation>
    </message>
    <message>
        <source>geen Zeffira-stationslijst: %1</source>
        <translation>not a Zeffira station list: %1</translation>
    </message>
    <message>
        <source>geen %1-bestand (geen %2)</source>
        <translation>not a %1 file (no %2)</translation>
    </message>
    <message>
        <source>geen %1-bestand: %2 (regel %3)</source>
        <translation>not a %1 file: %2 (line %3)</translation>
    </message>
</context>
<context>
    <name>StationInput</name>
    <message>
        <source>Deze URL hoort al bij &apos;%1&apos; in &apos;%2&apos;.</source>
        <translation>This URL already belongs to &apos;%1&apos; in &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Ongeldige URL</source>
        <translation>Invalid URL</translation>
    </message>
    <message>
        <source>Voer een geldige stream URL in.</source>
        <translation>Enter a valid stream URL.</translation>
    </message>
    <message>
        <source>Vul een naam in.</source>
        <translation>Enter a name.</translation>
    </message>
    <message>
        <source>Vul een stream URL in.</source>
        <translation>Enter a stream URL.</translation>
    </message>
    <message>
        <source>Dit is geen geldige URL.</source>
        <translation>This is not a valid URL.</translation>
    </message>
    <message>
        <source>De URL moet met http:// of https:// beginnen.</source>
        <translation>The URL must start with http:// or https://.</translation>
    </message>
    <message>
        <source>De URL mist een servernaam.</source>
        <translation>The URL lacks a server name.</translation>
    </message>
</context>
<context>
    <name>StationList</name>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Geen stations gevonden</source>
        <translation>No stations found</translation>
    </message>
    <message>
        <source>Speelt</source>
        <translation>Playing</translation>
    </message>
    <message>
        <source>Gepauzeerd</source>
        <translation>Paused</translation>
    </message>
</context>
<context>
    <name>StationMenu</name>
    <message>
        <source>Wijzig...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Verplaats naar...</source>
        <translation>Move to...</translation>
    </message>
    <message>
        <source>Verwijder</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>StationTransfer</name>
    <message>
        <source>Stationslijsten (*.m3u *.m3u8 *.pls *.xspf *.json)</source>
        <translation>Station lists (*.m3u *.m3u8 *.pls *.xspf *.json)</translation>
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
        <translation>Zeffira JSON (*.json)</translation>
    </message>
    <message>
        <source>Er zijn geen stations toegevoegd.</source>
        <translation>No stations were added.</translation>
    </message>
    <message numerus="yes">
        <source>Stations toegevoegd: %n, in %1.</source>
        <translation>
            <numerusform>%n station added, into %1.</numerusform>
            <numerusform>%n stations added, into %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overgeslagen omdat ze al in de lijst staan: %n.</source>
        <translation>
            <numerusform>Skipped because it is already in the list: %n.</numerusform>
            <numerusform>Skipped because they are already in the list: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>regel %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Overgeslagen wegens een ongeldige URL: %n.</source>
        <translation>
            <numerusform>Skipped for an invalid URL: %n.</numerusform>
            <numerusform>Skipped for an invalid URL: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Importeren mislukt</source>
        <translation>Import failed</translation>
    </message>
    <message>
        <source>Het bestand kon niet worden gelezen als stationslijst.</source>
        <translation>The file could not be read as a station list.</translation>
    </message>
    <message>
        <source>Import voltooid</source>
        <translation>Import complete</translation>
    </message>
    <message>
        <source>Exporteren mislukt</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>Export voltooid</source>
        <translation>Export complete</translation>
    </message>
    <message numerus="yes">
        <source>Stations opgeslagen: %n, in %1.</source>
        <translation>
            <numerusform>%n station saved, in %1.</numerusform>
            <numerusform>%n stations saved, in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>en nog %n</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>De geschiedenis is niet beschikbaar.</source>
        <translation>The history is not available.</translation>
    </message>
    <message>
        <source>Kan %1 niet schrijven: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Nummers opgeslagen: %n, in %1.</source>
        <translation>
            <numerusform>%n song saved, in %1.</numerusform>
            <numerusform>%n songs saved, in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StationTransferButtons</name>
    <message>
        <source>Importeer...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Exporteer...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Alle stations...</source>
        <translation>All stations...</translation>
    </message>
    <message>
        <source>Alleen &apos;%1&apos;...</source>
        <translation>Only &apos;%1&apos;...</translation>
    </message>
    <message>
        <source>Alleen de gekozen categorie...</source>
        <translation>Only the selected category...</translation>
    </message>
    <message>
        <source>Stations importeren</source>
        <translation>Import stations</translation>
    </message>
    <message>
        <source>Alle stations exporteren</source>
        <translation>Export all stations</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exporteren</source>
        <translation>Export &apos;%1&apos;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exporteer geschiedenis...</source>
        <translation>Export history...</translation>
    </message>
    <message>
        <source>Geschiedenis exporteren</source>
        <translation>Export history</translation>
    </message>
</context>
<context>
    <name>StationsSettingsTab</name>
    <message>
        <source>Verwijder</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Nog geen stations in deze categorie</source>
        <translation>No stations in this category yet</translation>
    </message>
    <message>
        <source>Sleep een station naar deze categorie of kies &apos;Voeg station toe&apos;.</source>
        <translation>Drag a station onto this category or choose &apos;Add station&apos;.</translation>
    </message>
    <message>
        <source>Selecteer een categorie</source>
        <translation>Select a category</translation>
    </message>
    <message>
        <source>Nieuwe categorie</source>
        <translation>New category</translation>
    </message>
    <message>
        <source>Voeg station toe</source>
        <translation>Add station</translation>
    </message>
    <message>
        <source>Hernoem...</source>
        <translation>Rename...</translation>
    </message>
    <message>
        <source>Categorie bevat stations</source>
        <translation>Category holds stations</translation>
    </message>
    <message>
        <source>Verwijder categorie</source>
        <translation>Delete category</translation>
    </message>
    <message>
        <source>Station verwijderen?</source>
        <translation>Delete station?</translation>
    </message>
    <message>
        <source>Weet je zeker dat je &apos;%1&apos; wilt verwijderen?</source>
        <translation>Are you sure you want to delete &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Categorie verwijderen?</source>
        <translation>Delete category?</translation>
    </message>
    <message>
        <source>Weet je zeker dat je de categorie &apos;%1&apos; wilt verwijderen?</source>
        <translation>Are you sure you want to delete the category &apos;%1&apos;?</translation>
    </message>
</context>
<context>
    <name>StreamErrorText</name>
    <message>
        <source>verbinding geweigerd</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>server niet gevonden</source>
        <translation>server not found</translation>
    </message>
    <message>
        <source>server onbereikbaar</source>
        <translation>server unreachable</translation>
    </message>
    <message>
        <source>netwerk onbereikbaar</source>
        <translation>network unreachable</translation>
    </message>
    <message>
        <source>server reageert niet</source>
        <translation>server does not respond</translation>
    </message>
    <message>
        <source>geen audiostream</source>
        <translation>not an audio stream</translation>
    </message>
    <message>
        <source>ongeldig antwoord van de server</source>
        <translation>invalid answer from the server</translation>
    </message>
    <message>
        <source>stream afgebroken</source>
        <translation>stream broke off</translation>
    </message>
    <message>
        <source>adres wordt niet ondersteund</source>
        <translation>address not supported</translation>
    </message>
    <message>
        <source>ongeldig adres</source>
        <translation>invalid address</translation>
    </message>
    <message>
        <source>te veel doorverwijzingen</source>
        <translation>too many redirects</translation>
    </message>
    <message>
        <source>onveilige doorverwijzing geweigerd</source>
        <translation>insecure redirect refused</translation>
    </message>
    <message>
        <source>beveiligde verbinding mislukt</source>
        <translation>secure connection failed</translation>
    </message>
    <message>
        <source>proxy werkt niet</source>
        <translation>proxy does not work</translation>
    </message>
    <message>
        <source>afspeellijst zonder streams</source>
        <translation>playlist without streams</translation>
    </message>
    <message>
        <source>afspeellijst klopt niet</source>
        <translation>playlist is not valid</translation>
    </message>
    <message>
        <source>niet gevonden</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>geen toegang</source>
        <translation>no access</translation>
    </message>
    <message>
        <source>serverfout</source>
        <translation>server error</translation>
    </message>
    <message>
        <source>geweigerd</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>%1 (HTTP %2)</source>
        <translation>%1 (HTTP %2)</translation>
    </message>
    <message>
        <source>geen geluid ontvangen</source>
        <translation>no sound received</translation>
    </message>
    <message>
        <source>geen decoder voor %1</source>
        <translation>no decoder for %1</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>%1 bestaat al; kies een andere naam.</source>
        <translation>%1 already exists; choose another name.</translation>
    </message>
    <message>
        <source>de map van %1 bestaat niet.</source>
        <translation>the folder of %1 does not exist.</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>kan niet schrijven in %1</source>
        <translation>cannot write in %1</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Paneel openen</source>
        <translation>Open panel</translation>
    </message>
    <message>
        <source>Pauzeer</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Hervat</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Instellingen...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Over Zeffira</source>
        <translation>About Zeffira</translation>
    </message>
    <message>
        <source>Sluit af</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Slaaptimer</source>
        <translation>Sleep timer</translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Off</translation>
    </message>
    <message numerus="yes">
        <source>%n minuten</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Wekker instellen...</source>
        <translation>Set alarm...</translation>
    </message>
    <message>
        <source>Kopieer titel</source>
        <translation>Copy title</translation>
    </message>
    <message>
        <source>Terugspoelen: %1 achter live</source>
        <translation>Rewind: %1 behind live</translation>
    </message>
    <message>
        <source>Terugspoelen</source>
        <translation>Rewind</translation>
    </message>
    <message>
        <source>Niet bij HLS-streams</source>
        <translation>Not with HLS streams</translation>
    </message>
    <message>
        <source>30 seconden terug</source>
        <translation>Back 30 seconds</translation>
    </message>
    <message>
        <source>30 seconden vooruit</source>
        <translation>Forward 30 seconds</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Bewaar dit nummer</source>
        <translation>Save this song</translation>
    </message>
    <message>
        <source>Bewaar vorig nummer</source>
        <translation>Save previous song</translation>
    </message>
    <message>
        <source>Stop opname</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>Neem op</source>
        <translation>Record</translation>
    </message>
</context>
<context>
    <name>TrayShell</name>
    <message>
        <source>%1 achter live</source>
        <translation>%1 behind live</translation>
    </message>
    <message>
        <source>Neemt op</source>
        <translation>Recording</translation>
    </message>
</context>
<context>
    <name>TrayTooltip</name>
    <message>
        <source>Geen station gekozen</source>
        <translation>No station chosen</translation>
    </message>
    <message>
        <source> (laden...)</source>
        <translation> (loading...)</translation>
    </message>
    <message>
        <source> (mislukt)</source>
        <translation> (failed)</translation>
    </message>
    <message>
        <source> (gepauzeerd)</source>
        <translation> (paused)</translation>
    </message>
</context>
<context>
    <name>ViewSwitch</name>
    <message>
        <source>Weergave</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Gehoord</source>
        <translation>Heard</translation>
    </message>
    <message>
        <source>Bewaard</source>
        <translation>Kept</translation>
    </message>
</context>
<context>
    <name>VolumeRow</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>ZeffiraApp</name>
    <message>
        <source>geen enkel station kon spelen; er is niets meer te proberen.</source>
        <translation>no station could be played; nothing left to try.</translation>
    </message>
    <message>
        <source>kon %1 niet afspelen: geen netwerkverbinding</source>
        <translation>could not play %1: no network connection</translation>
    </message>
    <message>
        <source>kon %1 niet afspelen: %2</source>
        <translation>could not play %1: %2</translation>
    </message>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;, en het is geen stream-URL.</source>
        <translation>no station is named &quot;%1&quot;, and it is not a stream URL.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kan de sessiebus niet bereiken (%1); het pictogram in het systeemvak en de mediatoetsen hebben die nodig.</source>
        <translation>cannot reach the session bus (%1); the tray icon and media keys need it.</translation>
    </message>
    <message>
        <source>kon het pictogram in het systeemvak niet tonen.</source>
        <translation>could not show the tray icon.</translation>
    </message>
    <message>
        <source>geen grafische sessie (DISPLAY en WAYLAND_DISPLAY zijn niet gezet); speelt zonder pictogram in het systeemvak, bedienbaar via MPRIS.</source>
        <translation>no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); running without the tray icon, controllable through MPRIS.</translation>
    </message>
    <message>
        <source>Opgenomen: %1</source>
        <translation>Recorded: %1</translation>
    </message>
    <message>
        <source>de opname brak af: %1</source>
        <translation>the recording broke off: %1</translation>
    </message>
</context>
</TS>
