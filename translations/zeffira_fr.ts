<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="nl_NL">
<context>
    <name>AboutView</name>
    <message>
        <source>Eenvoudige internetradio voor Linux</source>
        <translation>Radio Internet simple pour Linux</translation>
    </message>
    <message>
        <source>BETA VERSIE</source>
        <translation>VERSION BÊTA</translation>
    </message>
    <message>
        <source>© 2025 De makers van Zeffira</source>
        <translation>© 2025 Les auteurs de Zeffira</translation>
    </message>
    <message>
        <source>Licentie: GNU GPL versie 3 of later</source>
        <translation>Licence&#xa0;: GNU GPL version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Over Zeffira</source>
        <translation>À propos de Zeffira</translation>
    </message>
</context>
<context>
    <name>AddStationSheet</name>
    <message>
        <source>Nieuw radiostation</source>
        <translation>Nouvelle station de radio</translation>
    </message>
    <message>
        <source>Zoek in de zendergids</source>
        <translation>Chercher dans l’annuaire des stations</translation>
    </message>
    <message>
        <source>Zoek in de zendergids...</source>
        <translation>Chercher dans l’annuaire des stations...</translation>
    </message>
    <message>
        <source>Zoekresultaten</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>Typ een naam om zenders uit de zendergids te zoeken.</source>
        <translation>Saisissez un nom pour chercher des stations dans l’annuaire.</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Stream URL</source>
        <translation>URL du flux</translation>
    </message>
    <message>
        <source>Categorie</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Voeg toe</source>
        <translation>Ajouter</translation>
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
        <translation>Réveil&#xa0;: %1</translation>
    </message>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;.</source>
        <translation>il n’y a pas de station nommée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>die tijd is al voorbij.</source>
        <translation>cette heure est déjà passée.</translation>
    </message>
    <message>
        <source>Wekker gemist</source>
        <translation>Réveil manqué</translation>
    </message>
    <message>
        <source>De wekker van %1 is niet afgegaan: de computer sliep.</source>
        <translation>Le réveil de %1 n’a pas sonné&#xa0;: l’ordinateur était en veille.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>ma</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>di</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>wo</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>do</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>vr</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>za</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>zo</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>maandag</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>dinsdag</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>woensdag</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>donderdag</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>vrijdag</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>zaterdag</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>zondag</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Laatst gespeelde station</source>
        <translation>Dernière station écoutée</translation>
    </message>
    <message>
        <source>Eenmalig</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Elke dag</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Werkdagen</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Week-end</translation>
    </message>
    <message>
        <source>Geef een tijd als 07:30.</source>
        <translation>Indiquez une heure comme 07:30.</translation>
    </message>
</context>
<context>
    <name>AlarmSheet</name>
    <message>
        <source>Wekker toevoegen</source>
        <translation>Ajouter un réveil</translation>
    </message>
    <message>
        <source>Wekker wijzigen</source>
        <translation>Modifier le réveil</translation>
    </message>
    <message>
        <source>Tijd</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Dagen</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Geen dag aangevinkt: eenmalig, de eerstvolgende keer.</source>
        <translation>Aucun jour coché&#xa0;: une seule fois, la prochaine.</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Infaden</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>Infaden in seconden</source>
        <translation>Fondu en secondes</translation>
    </message>
    <message>
        <source>seconden</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>AlarmsSettingsTab</name>
    <message>
        <source>Geen wekker gezet</source>
        <translation>Aucun réveil programmé</translation>
    </message>
    <message>
        <source>Nog geen wekkers. Een wekker speelt op de gekozen tijd een station en laat het langzaam luider worden.</source>
        <translation>Pas encore de réveil. Un réveil joue une station à l’heure choisie et monte lentement le volume.</translation>
    </message>
    <message>
        <source>Wekkers</source>
        <translation>Réveils</translation>
    </message>
    <message>
        <source>Wekker %1</source>
        <translation>Réveil %1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Wijzig...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Wijzig %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Verwijder %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Verwijder</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Wekker toevoegen...</source>
        <translation>Ajouter un réveil...</translation>
    </message>
    <message>
        <source>Wekker verwijderen?</source>
        <translation>Supprimer le réveil&#xa0;?</translation>
    </message>
</context>
<context>
    <name>AlertSheet</name>
    <message>
        <source>Annuleer</source>
        <translation>Annuler</translation>
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
        <translation>Aucune station trouvée pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>Stations uit het antwoord weggelaten omdat de URL geen http- of https-stream is: %n.</source>
        <translation>
            <numerusform>%n station omise de la réponse&#xa0;: son URL n’est pas un flux http ou https.</numerusform>
            <numerusform>%n stations omises de la réponse&#xa0;: leurs URL ne sont pas des flux http ou https.</numerusform>
        </translation>
    </message>
    <message>
        <source>geen server van de zendergids antwoordde (%1).</source>
        <translation>aucun serveur de l’annuaire des stations n’a répondu (%1).</translation>
    </message>
    <message>
        <source>het antwoord van de zendergids is geen zenderlijst (%1).</source>
        <translation>la réponse de l’annuaire des stations n’est pas une liste de stations (%1).</translation>
    </message>
    <message numerus="yes">
        <source>en nog %n met een ongeldige URL</source>
        <translation>
            <numerusform>et %n autre avec une URL non valide</numerusform>
            <numerusform>et %n autres avec une URL non valide</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stations geïmporteerd: %n</source>
        <translation>
            <numerusform>%n station importée</numerusform>
            <numerusform>%n stations importées</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message numerus="yes">
        <source>overgeslagen: %n al in de catalogus en %1 met een ongeldige URL.</source>
        <translation>
            <numerusform>ignorées&#xa0;: %n déjà dans le catalogue et %1 avec une URL non valide.</numerusform>
            <numerusform>ignorées&#xa0;: %n déjà dans le catalogue et %1 avec une URL non valide.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stations geëxporteerd: %n (categorieën: %1), naar %2.</source>
        <translation>
            <numerusform>%n station exportée vers %2 (catégories&#xa0;: %1).</numerusform>
            <numerusform>%n stations exportées vers %2 (catégories&#xa0;: %1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CatalogueTransfer</name>
    <message>
        <source>%1: onbekend formaat (de naam moet eindigen op .m3u, .m3u8, .pls, .xspf of .json)</source>
        <translation>%1&#xa0;: format inconnu (le nom doit se terminer par .m3u, .m3u8, .pls, .xspf ou .json)</translation>
    </message>
    <message>
        <source>kan %1 niet lezen: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>kan %1 niet lezen: het is geen gewoon bestand, maar een map, FIFO of apparaat</source>
        <translation>impossible de lire %1&#xa0;: ce n’est pas un fichier ordinaire mais un dossier, une FIFO ou un périphérique</translation>
    </message>
    <message numerus="yes">
        <source>kan %1 niet lezen: het lezen duurde langer dan %n seconden</source>
        <translation>
            <numerusform>impossible de lire %1&#xa0;: la lecture a duré plus de %n seconde</numerusform>
            <numerusform>impossible de lire %1&#xa0;: la lecture a duré plus de %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is te groot: een stationslijst mag hoogstens %2 zijn, want de catalogus wordt bij elke start helemaal gelezen</source>
        <translation>%1 est trop volumineux&#xa0;: une liste de stations ne peut dépasser %2, car le catalogue est lu en entier à chaque démarrage</translation>
    </message>
    <message>
        <source>%1 is te groot: %2; een stationslijst mag hoogstens %3 zijn, want de catalogus wordt bij elke start helemaal gelezen</source>
        <translation>%1 est trop volumineux&#xa0;: %2&#xa0;; une liste de stations ne peut dépasser %3, car le catalogue est lu en entier à chaque démarrage</translation>
    </message>
    <message>
        <source>%1: geen stations gevonden</source>
        <translation>%1&#xa0;: aucune station trouvée</translation>
    </message>
    <message numerus="yes">
        <source>%1: geen stations gevonden; overgeslagen wegens een ongeldige URL: %n</source>
        <translation>
            <numerusform>%1&#xa0;: aucune station trouvée&#xa0;; %n ignorée pour URL non valide</numerusform>
            <numerusform>%1&#xa0;: aucune station trouvée&#xa0;; %n ignorées pour URL non valide</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is de catalogus zelf</source>
        <translation>%1 est le catalogue lui-même</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
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
        <translation>Catégories</translation>
    </message>
</context>
<context>
    <name>CategoryListModel</name>
    <message>
        <source>Vul een naam in.</source>
        <translation>Saisissez un nom.</translation>
    </message>
    <message>
        <source>Er is al een categorie &apos;%1&apos;.</source>
        <translation>Une catégorie «&#xa0;%1&#xa0;» existe déjà.</translation>
    </message>
</context>
<context>
    <name>CategoryStationList</name>
    <message>
        <source>Stations van %1</source>
        <translation>Stations de %1</translation>
    </message>
</context>
<context>
    <name>CategoryStationRow</name>
    <message>
        <source>Verwijder</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Verwijder %1</source>
        <translation>Supprimer %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Bestanden:</source>
        <translation>Fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Zeffira: internetradio in het systeemvak.</source>
        <translation>Zeffira&#xa0;: la radio Internet dans la zone de notification.</translation>
    </message>
    <message>
        <source>Toon deze hulp en stop.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Toon de versie en stop.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Toon de stationscatalogus en stop.</source>
        <translation>Afficher le catalogue des stations et quitter.</translation>
    </message>
    <message>
        <source>Speel zonder venster en zonder pictogram in het systeemvak.</source>
        <translation>Jouer sans fenêtre ni icône dans la zone de notification.</translation>
    </message>
    <message>
        <source>Met --headless: speel dit station (een naam uit de catalogus of een stream-URL).</source>
        <translation>Avec --headless&#xa0;: jouer cette station (un nom du catalogue ou une URL de flux).</translation>
    </message>
    <message>
        <source>naam-of-url</source>
        <translation>nom-ou-url</translation>
    </message>
    <message>
        <source>Pauzeer na dit aantal minuten (tot 1440; breuken zoals 0.5 mogen en tellen in hele seconden), met uitfaden in de laatste 30 seconden. Met --headless stopt het programma daarna; in het systeemvak is het de slaaptimer van het menu.</source>
        <translation>Mettre en pause après ce nombre de minutes (jusqu’à 1440&#xa0;; les fractions comme 0.5 sont permises et comptent en secondes entières), avec un fondu sur les 30 dernières secondes. Avec --headless, le programme s’arrête ensuite&#xa0;; dans la zone de notification, c’est la minuterie de mise en veille du menu.</translation>
    </message>
    <message>
        <source>minuten</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Zoek in de openbare zendergids naar stations waarvan de naam deze tekst bevat, toon ze en stop.</source>
        <translation>Chercher dans l’annuaire public les stations dont le nom contient ce texte, les afficher et quitter.</translation>
    </message>
    <message>
        <source>tekst</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>Voeg de stations uit dit bestand (.m3u, .m3u8, .pls, .xspf of .json) toe aan de catalogus en stop.</source>
        <translation>Ajouter au catalogue les stations de ce fichier (.m3u, .m3u8, .pls, .xspf ou .json) et quitter.</translation>
    </message>
    <message>
        <source>bestand</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Schrijf de catalogus naar dit bestand (.m3u, .m3u8, .pls, .xspf of .json) en stop.</source>
        <translation>Écrire le catalogue dans ce fichier (.m3u, .m3u8, .pls, .xspf ou .json) et quitter.</translation>
    </message>
    <message>
        <source>Met --import: zet elk station in deze categorie (standaard: de categorieën uit het bestand, anders een naar het bestand genoemde). Met --export: schrijf alleen deze categorie.</source>
        <translation>Avec --import&#xa0;: placer chaque station dans cette catégorie (par défaut&#xa0;: les catégories du fichier, sinon une catégorie nommée d’après le fichier). Avec --export&#xa0;: écrire seulement cette catégorie.</translation>
    </message>
    <message>
        <source>naam</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Internetstreams of afspeellijsten om te spelen: een adres (http://...) of een afspeellijstbestand (.pls, .m3u, .asx, .xspf). Speelt Zeffira al, dan speelt het daar; zonder adres komt het venster van Zeffira naar voren.</source>
        <translation>Flux Internet ou listes de lecture à jouer&#xa0;: une adresse (http://...) ou un fichier de liste de lecture (.pls, .m3u, .asx, .xspf). Si Zeffira est déjà lancé, la lecture se fait là&#xa0;; sans adresse, la fenêtre de Zeffira passe au premier plan.</translation>
    </message>
    <message>
        <source>[url|bestand...]</source>
        <translation>[url|fichier...]</translation>
    </message>
    <message>
        <source>Probeer &apos;zeffira --help&apos;.</source>
        <translation>Essayez «&#xa0;zeffira --help&#xa0;».</translation>
    </message>
    <message>
        <source>Onverwacht argument: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>--play werkt alleen met --headless.</source>
        <translation>--play ne fonctionne qu’avec --headless.</translation>
    </message>
    <message>
        <source>--category werkt alleen met --import of --export.</source>
        <translation>--category ne fonctionne qu’avec --import ou --export.</translation>
    </message>
    <message>
        <source>--search heeft een tekst nodig om naar te zoeken.</source>
        <translation>--search a besoin d’un texte à chercher.</translation>
    </message>
    <message>
        <source>--sleep-timer neemt een aantal minuten groter dan 0 en hoogstens 1440, niet &quot;%1&quot;.</source>
        <translation>--sleep-timer attend un nombre de minutes supérieur à 0 et d’au plus 1440, pas «&#xa0;%1&#xa0;».</translation>
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
      la liste des stations
  $XDG_DATA_HOME/Zeffira/history.sqlite
      les morceaux entendus (SQLite)
  $XDG_CONFIG_HOME/Zeffira/settings.json (~/.config/...)
      les paramètres
  $XDG_CONFIG_HOME/autostart/%1.desktop
      démarrage à la connexion, s’il est activé
  %2/stations.xml
      la liste de stations intégrée, pour le premier démarrage
Le journal va sur la sortie d’erreur standard&#xa0;; lancé depuis le bureau, dans
le journal de la session (journalctl --user).
</translation>
    </message>
    <message>
        <source>Toon de gehoorde nummers, oudste eerst (tijd, station, artiest en titel, gescheiden door tabs) en stop.</source>
        <translation>Afficher les morceaux entendus, les plus anciens d’abord (heure, station, artiste et titre, séparés par des tabulations), et quitter.</translation>
    </message>
    <message>
        <source>Met --history: alleen vanaf deze dag (JJJJ-MM-DD).</source>
        <translation>Avec --history&#xa0;: seulement à partir de ce jour (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <source>datum</source>
        <translation>date</translation>
    </message>
    <message>
        <source>--list-stations, --search, --import, --export, --history en --headless gaan één tegelijk.</source>
        <translation>--list-stations, --search, --import, --export, --history et --headless s’utilisent un seul à la fois.</translation>
    </message>
    <message>
        <source>--since neemt een datum als 2025-03-31, niet &quot;%1&quot;.</source>
        <translation>--since prend une date comme 2025-03-31, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--sleep-timer gaat niet samen met --list-stations, --search, --import, --export of --history.</source>
        <translation>--sleep-timer ne s’utilise pas avec --list-stations, --search, --import, --export ou --history.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: pauzeer of hervat (zonder station: speel het eerste).</source>
        <translation>Si Zeffira tourne&#xa0;: mettre en pause ou reprendre (sans station&#xa0;: jouer la première).</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: stop.</source>
        <translation>Si Zeffira tourne&#xa0;: arrêter.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel het volgende station.</source>
        <translation>Si Zeffira tourne&#xa0;: jouer la station suivante.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel het vorige station.</source>
        <translation>Si Zeffira tourne&#xa0;: jouer la station précédente.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: speel dit station uit de catalogus.</source>
        <translation>Si Zeffira tourne&#xa0;: jouer cette station du catalogue.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: zet het volume (0 tot 100).</source>
        <translation>Si Zeffira tourne&#xa0;: régler le volume (0 à 100).</translation>
    </message>
    <message>
        <source>0-100</source>
        <translation>0-100</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: toon station, toestand, titel, volume en slaaptimer.</source>
        <translation>Si Zeffira tourne&#xa0;: afficher station, état, titre, volume et minuterie de mise en veille.</translation>
    </message>
    <message>
        <source>--play-pause, --stop, --next, --previous, --station, --volume en --status gaan één tegelijk en alleen.</source>
        <translation>--play-pause, --stop, --next, --previous, --station, --volume et --status s’utilisent un à la fois et seuls.</translation>
    </message>
    <message>
        <source>--station heeft een naam nodig.</source>
        <translation>--station a besoin d’un nom.</translation>
    </message>
    <message>
        <source>--volume neemt een geheel getal van 0 tot 100, niet &quot;%1&quot;.</source>
        <translation>--volume prend un nombre entier de 0 à 100, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Met --headless en --play: neem het station op in dit bestand, in de eigen codering van de stream (het groeit als bestand.part en krijgt zijn naam als de opname klaar is; een bestaand bestand blijft staan). Een map krijgt een bestand met de naam van het station en de tijd.</source>
        <translation>Avec --headless et --play&#xa0;: enregistrer la station dans ce fichier, dans l’encodage propre du flux (il grandit sous le nom fichier.part et prend son nom quand l’enregistrement est terminé&#xa0;; un fichier existant reste intact). Un dossier reçoit un fichier au nom de la station et de l’heure.</translation>
    </message>
    <message>
        <source>Met --record: stop de opname en het programma na dit aantal minuten (tot 1440; breuken zoals 0.5 mogen).</source>
        <translation>Avec --record&#xa0;: arrêter l’enregistrement et le programme après ce nombre de minutes (jusqu’à 1440&#xa0;; les fractions comme 0.5 sont permises).</translation>
    </message>
    <message>
        <source>--record werkt alleen met --headless en --play.</source>
        <translation>--record ne fonctionne qu’avec --headless et --play.</translation>
    </message>
    <message>
        <source>--duration neemt een aantal minuten groter dan 0 en hoogstens 1440, niet &quot;%1&quot;.</source>
        <translation>--duration prend un nombre de minutes supérieur à 0 et au plus 1440, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--duration werkt alleen met --record.</source>
        <translation>--duration ne fonctionne qu’avec --record.</translation>
    </message>
    <message>
        <source>Zet een eenmalige wekker in het spelende Zeffira, om UU:MM of over +MINUTEN (breuken zoals +0.5 mogen), met --station voor het station. Met --headless --play: wacht tot dan en speel dan.</source>
        <translation>Régler un réveil unique dans Zeffira en cours, à HH:MM ou dans +MINUTES (fractions comme +0.5 permises), avec --station pour la station. Avec --headless --play&#xa0;: attendre jusque-là puis jouer.</translation>
    </message>
    <message>
        <source>UU:MM|+minuten</source>
        <translation>HH:MM|+minutes</translation>
    </message>
    <message>
        <source>--alarm neemt een tijd als 07:30 of een aantal minuten als +5 (hoogstens +1440), niet &quot;%1&quot;.</source>
        <translation>--alarm prend une heure comme 07:30 ou un nombre de minutes comme +5 (au plus +1440), pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--alarm gaat alleen samen met --station, of met --headless en --play.</source>
        <translation>--alarm ne va qu’avec --station, ou avec --headless et --play.</translation>
    </message>
    <message>
        <source>Met --status of --history: toon JSON.</source>
        <translation>Avec --status ou --history : afficher en JSON.</translation>
    </message>
    <message>
        <source>--since werkt alleen met --history.</source>
        <translation>--since ne fonctionne qu’avec --history.</translation>
    </message>
    <message>
        <source>--json werkt alleen met --status of --history.</source>
        <translation>--json ne fonctionne qu’avec --status ou --history.</translation>
    </message>
    <message>
        <source>Met --alarm: faad in over zoveel seconden (0 tot 3600; anders 60).</source>
        <translation>Avec --alarm&#xa0;: fondu d’entrée sur ce nombre de secondes (0 à 3600&#xa0;; sinon 60).</translation>
    </message>
    <message>
        <source>seconden</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Met --alarm: het volume waarnaar de wekker infaadt (0 tot 100; anders 50).</source>
        <translation>Avec --alarm&#xa0;: le volume atteint par le fondu du réveil (0 à 100&#xa0;; sinon 50).</translation>
    </message>
    <message>
        <source>--fade neemt een aantal seconden van 0 tot 3600, niet &quot;%1&quot;.</source>
        <translation>--fade prend un nombre de secondes de 0 à 3600, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--alarm-volume neemt een geheel getal van 0 tot 100, niet &quot;%1&quot;.</source>
        <translation>--alarm-volume prend un entier de 0 à 100, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--fade en --alarm-volume werken alleen met --alarm.</source>
        <translation>--fade et --alarm-volume ne vont qu’avec --alarm.</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: terug naar live (na pauze of terugspoelen).</source>
        <translation>Si Zeffira joue&#xa0;: revenir au direct (après une pause ou un retour en arrière).</translation>
    </message>
    <message>
        <source>Speelt Zeffira al: bewaar het nummer dat speelt, vanaf zijn begin, in de muziekmap (Zeffira/&lt;station&gt;/).</source>
        <translation>Si Zeffira tourne : enregistrer le morceau en cours, depuis son début, dans le dossier Musique (Zeffira/&lt;station&gt;/).</translation>
    </message>
</context>
<context>
    <name>DirectoryAnswer</name>
    <message numerus="yes">
        <source>antwoord te groot (%n bytes)</source>
        <translation>
            <numerusform>réponse trop volumineuse (%n octet)</numerusform>
            <numerusform>réponse trop volumineuse (%n octets)</numerusform>
        </translation>
    </message>
    <message>
        <source>een HTML- of XML-pagina</source>
        <translation>une page HTML ou XML</translation>
    </message>
    <message>
        <source>geen JSON: %1</source>
        <translation>pas du JSON&#xa0;: %1</translation>
    </message>
    <message>
        <source>geen lijst van zenders</source>
        <translation>pas une liste de stations</translation>
    </message>
    <message>
        <source>zender %1 is geen object</source>
        <translation>la station %1 n’est pas un objet</translation>
    </message>
    <message>
        <source>zender %1: &quot;%2&quot; is geen tekst</source>
        <translation>station %1&#xa0;: &quot;%2&quot; n’est pas un texte</translation>
    </message>
    <message>
        <source>zender %1: &quot;bitrate&quot; is geen getal</source>
        <translation>station %1&#xa0;: &quot;bitrate&quot; n’est pas un nombre</translation>
    </message>
</context>
<context>
    <name>DirectorySearch</name>
    <message>
        <source>Zoeken in de zendergids...</source>
        <translation>Recherche dans l’annuaire des stations...</translation>
    </message>
    <message>
        <source>Geen zenders gevonden.</source>
        <translation>Aucune station trouvée.</translation>
    </message>
    <message>
        <source>De zendergids is niet bereikbaar. Probeer het later opnieuw.</source>
        <translation>L’annuaire des stations est injoignable. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>De zendergids gaf een onbruikbaar antwoord. Er is niets toegevoegd.</source>
        <translation>L’annuaire des stations a donné une réponse inutilisable. Rien n’a été ajouté.</translation>
    </message>
</context>
<context>
    <name>EditStationSheet</name>
    <message>
        <source>Station wijzigen</source>
        <translation>Modifier la station</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Stream URL</source>
        <translation>URL du flux</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsModel</name>
    <message>
        <source>Fout: %1. Installeer de app via &apos;make install&apos;.</source>
        <translation>Erreur&#xa0;: %1. Installez l’application avec «&#xa0;make install&#xa0;».</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsTab</name>
    <message>
        <source>Toon stationsnaam in menubalk</source>
        <translation>Afficher le nom de la station dans la barre de menus</translation>
    </message>
    <message>
        <source>Melding bij elk nieuw nummer</source>
        <translation>Notification à chaque nouveau titre</translation>
    </message>
    <message>
        <source>Start automatisch bij opstarten</source>
        <translation>Démarrer automatiquement à la connexion</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Uitvoerapparaat</source>
        <translation>Périphérique de sortie</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Automatisch pauzeren bij standby</source>
        <translation>Mettre en pause automatiquement en veille</translation>
    </message>
    <message>
        <source>Na standby</source>
        <translation>Après la veille</translation>
    </message>
    <message>
        <source>Gelijk volume</source>
        <translation>Volume égalisé</translation>
    </message>
    <message>
        <source>De token komt uit ZEFFIRA_LISTENBRAINZ_TOKEN en wordt niet opgeslagen.</source>
        <translation>Le jeton vient de ZEFFIRA_LISTENBRAINZ_TOKEN et n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <source>ListenBrainz weigert de token; er wordt niets verstuurd tot je een nieuwe invoert.</source>
        <translation>ListenBrainz refuse le jeton&#xa0;; rien n&apos;est envoyé tant que vous n&apos;en saisissez pas un nouveau.</translation>
    </message>
    <message>
        <source>Plak je gebruikerstoken van ListenBrainz (te vinden in je profiel).</source>
        <translation>Collez votre jeton utilisateur ListenBrainz (il se trouve dans votre profil).</translation>
    </message>
    <message>
        <source>Er draait geen sleutelbos: de token staat in een bestand dat alleen jij kunt lezen.</source>
        <translation>Aucun trousseau n&apos;est actif&#xa0;: le jeton est dans un fichier que vous seul pouvez lire.</translation>
    </message>
    <message numerus="yes">
        <source>Wachtende nummers: %n</source>
        <translation>
            <numerusform>Titres en attente&#xa0;: %n</numerusform>
            <numerusform>Titres en attente&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>ListenBrainz</source>
        <translation>ListenBrainz</translation>
    </message>
    <message>
        <source>Stuur beluisterde nummers naar ListenBrainz</source>
        <translation>Envoyer les titres écoutés à ListenBrainz</translation>
    </message>
    <message>
        <source>Gebruikerstoken</source>
        <translation>Jeton utilisateur</translation>
    </message>
    <message>
        <source>Gebruikerstoken van ListenBrainz</source>
        <translation>Jeton utilisateur ListenBrainz</translation>
    </message>
    <message>
        <source>Opgeslagen</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Plak je token</source>
        <translation>Collez votre jeton</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Terugspoelbuffer (minuten)</source>
        <translation>Mémoire de retour en arrière (minutes)</translation>
    </message>
    <message>
        <source>Terugspoelbuffer in minuten</source>
        <translation>Mémoire de retour en arrière en minutes</translation>
    </message>
    <message>
        <source>Algemeen</source>
        <translation>Général</translation>
    </message>
</context>
<context>
    <name>HeardList</name>
    <message>
        <source>Gehoord</source>
        <translation>Écoutés</translation>
    </message>
    <message>
        <source>Geen nummers gevonden</source>
        <translation>Aucun titre trouvé</translation>
    </message>
    <message>
        <source>Nog geen bewaarde nummers</source>
        <translation>Aucun titre gardé pour l’instant</translation>
    </message>
    <message>
        <source>Nog niets gehoord</source>
        <translation>Rien écouté pour l’instant</translation>
    </message>
    <message>
        <source>%1, %2, bewaard</source>
        <translation>%1, %2, gardé</translation>
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
        <translation>Copié</translation>
    </message>
    <message>
        <source>Kopieer</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Niet meer bewaren</source>
        <translation>Ne plus garder</translation>
    </message>
    <message>
        <source>Bewaar</source>
        <translation>Garder</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>kan de geschiedenis niet lezen: %1</source>
        <translation>impossible de lire l’historique&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HistoryListModel</name>
    <message>
        <source>Vandaag</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Gisteren</source>
        <translation>Hier</translation>
    </message>
</context>
<context>
    <name>LogindSleepMonitor</name>
    <message>
        <source>Pauzeert de radio voor de slaapstand</source>
        <translation>Met la radio en pause avant la mise en veille</translation>
    </message>
</context>
<context>
    <name>MoveStationConfirmationSheet</name>
    <message>
        <source>Station verplaatsen?</source>
        <translation>Déplacer la station&#xa0;?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; wordt verplaatst naar &apos;%2&apos;.</source>
        <translation>«&#xa0;%1&#xa0;» sera déplacée vers «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Vraag dit niet opnieuw</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Verplaats</source>
        <translation>Déplacer</translation>
    </message>
</context>
<context>
    <name>NewCategorySheet</name>
    <message>
        <source>Nieuwe categorie</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Categorienaam</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Maak aan</source>
        <translation>Créer</translation>
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
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Laden...</source>
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>OpenRequest</name>
    <message>
        <source>%1 is geen afspeellijst: Zeffira speelt internetradio, geen audiobestanden.</source>
        <translation>%1 n’est pas une liste de lecture&#xa0;: Zeffira joue la radio Internet, pas des fichiers audio.</translation>
    </message>
    <message>
        <source>Kan %1 niet openen.</source>
        <translation>Impossible d’ouvrir %1.</translation>
    </message>
    <message>
        <source>%1 bevat geen internetstreams.</source>
        <translation>%1 ne contient aucun flux Internet.</translation>
    </message>
    <message>
        <source>Zeffira speelt alleen internetradio; %1 is geen internetstream.</source>
        <translation>Zeffira ne joue que la radio Internet&#xa0;; %1 n’est pas un flux Internet.</translation>
    </message>
</context>
<context>
    <name>OutputDeviceButton</name>
    <message>
        <source>Uitvoerapparaat</source>
        <translation>Périphérique de sortie</translation>
    </message>
</context>
<context>
    <name>OutputDeviceModel</name>
    <message>
        <source>Systeemstandaard</source>
        <translation>Par défaut du système</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Instellingen...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Over Zeffira</source>
        <translation>À propos de Zeffira</translation>
    </message>
    <message>
        <source>Sluit af</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>RadioMenuView</name>
    <message>
        <source>Zoek nummer...</source>
        <translation>Rechercher un titre...</translation>
    </message>
    <message>
        <source>Zoek station...</source>
        <translation>Rechercher une station...</translation>
    </message>
    <message>
        <source>Zoek nummer</source>
        <translation>Rechercher un titre</translation>
    </message>
    <message>
        <source>Zoek station</source>
        <translation>Rechercher une station</translation>
    </message>
    <message>
        <source>Slaaptimer uit</source>
        <translation>Minuterie de mise en veille désactivée</translation>
    </message>
</context>
<context>
    <name>RadioPlayer</name>
    <message>
        <source>Geen werkende stations beschikbaar</source>
        <translation>Aucune station ne fonctionne</translation>
    </message>
    <message>
        <source>Geen netwerkverbinding</source>
        <translation>Pas de connexion réseau</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>gestopt</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>laden</source>
        <translation>chargement</translation>
    </message>
    <message>
        <source>speelt</source>
        <translation>en lecture</translation>
    </message>
    <message>
        <source>gepauzeerd</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>mislukt</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>Station&#xa0;:</translation>
    </message>
    <message>
        <source>Toestand:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>Slaaptimer:</source>
        <translation>Minuterie&#xa0;:</translation>
    </message>
    <message>
        <source>uit</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>kan de sessiebus niet bereiken (%1).</source>
        <translation>impossible de joindre le bus de session (%1).</translation>
    </message>
    <message>
        <source>Zeffira draait niet; start het eerst (zeffira).</source>
        <translation>Zeffira ne tourne pas&#xa0;; lancez-le d’abord (zeffira).</translation>
    </message>
    <message>
        <source>Wekker:</source>
        <translation>Réveil&#xa0;:</translation>
    </message>
    <message>
        <source>Achter live:</source>
        <translation>Retard sur le direct :</translation>
    </message>
    <message>
        <source>Opname:</source>
        <translation>Enregistrement :</translation>
    </message>
    <message>
        <source>loopt</source>
        <translation>en cours</translation>
    </message>
</context>
<context>
    <name>RenameCategorySheet</name>
    <message>
        <source>Categorie hernoemen</source>
        <translation>Renommer la catégorie</translation>
    </message>
    <message>
        <source>Categorienaam</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>Annuleer</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hernoem</source>
        <translation>Renommer</translation>
    </message>
</context>
<context>
    <name>RewindRow</name>
    <message>
        <source>30 seconden terug</source>
        <translation>Reculer de 30 secondes</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>%1 achter live</source>
        <translation>%1 de retard sur le direct</translation>
    </message>
    <message>
        <source>30 seconden vooruit</source>
        <translation>Avancer de 30 secondes</translation>
    </message>
    <message>
        <source>Terug naar live</source>
        <translation>Revenir au direct</translation>
    </message>
    <message>
        <source>Alleen live</source>
        <translation>Direct seulement</translation>
    </message>
    <message>
        <source>Terugspoelen en bewaren kunnen niet bij deze stream (HLS)</source>
        <translation>Le retour en arrière et l’enregistrement sont impossibles avec ce flux (HLS)</translation>
    </message>
    <message>
        <source>Bewaar dit nummer</source>
        <translation>Enregistrer ce morceau</translation>
    </message>
    <message>
        <source>Stop opname</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Neem op</source>
        <translation>Enregistrer le direct</translation>
    </message>
</context>
<context>
    <name>ScriptControl</name>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;.</source>
        <translation>il n’y a pas de station nommée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>het volume gaat van 0 tot 100.</source>
        <translation>le volume va de 0 à 100.</translation>
    </message>
    <message>
        <source>onbekende opdracht: %1</source>
        <translation>commande inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>er is geen terugspoelbuffer: die is er alleen terwijl een station speelt.</source>
        <translation>il n’y a pas de mémoire de retour en arrière&#xa0;: elle n’existe que pendant la lecture d’une station.</translation>
    </message>
    <message>
        <source>bewaren en opnemen kunnen hier niet.</source>
        <translation>l’enregistrement n’est pas disponible ici.</translation>
    </message>
    <message>
        <source>de duur is een aantal minuten.</source>
        <translation>la durée est un nombre de minutes.</translation>
    </message>
</context>
<context>
    <name>SearchRow</name>
    <message>
        <source>Zoek station...</source>
        <translation>Chercher une station...</translation>
    </message>
    <message>
        <source>Zoek station</source>
        <translation>Chercher une station</translation>
    </message>
    <message>
        <source>Wis zoekopdracht</source>
        <translation>Effacer la recherche</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Algemeen</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Wekker</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Instellingen</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>SkipBanner</name>
    <message>
        <source>%1 overgeslagen</source>
        <translation>%1 ignorée</translation>
    </message>
</context>
<context>
    <name>SleepTimer</name>
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
    <message>
        <source>Slaaptimer: %1</source>
        <translation>Minuterie de mise en veille&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SleepTimerRow</name>
    <message>
        <source>Slaaptimer</source>
        <translation>Minuterie de mise en veille</translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Désactivée</translation>
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
        <translation>Enregistrement sauvegardé</translation>
    </message>
    <message>
        <source>Niet bewaard</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>kan de map %1 niet maken.</source>
        <translation>impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>er speelt geen station.</source>
        <translation>aucune station ne joue.</translation>
    </message>
    <message>
        <source>deze stream (HLS) heeft geen terugspoelbuffer.</source>
        <translation>ce flux (HLS) n’a pas de tampon de retour en arrière.</translation>
    </message>
    <message>
        <source>er is geen vorig nummer in de terugspoelbuffer.</source>
        <translation>il n’y a pas de morceau précédent dans le tampon.</translation>
    </message>
    <message>
        <source>het station noemt geen nummer, of de terugspoelbuffer is leeg.</source>
        <translation>la station n’annonce aucun morceau, ou le tampon est vide.</translation>
    </message>
    <message>
        <source>nummers in dit formaat (%1) kunnen niet bewaard worden.</source>
        <translation>les morceaux dans ce format (%1) ne peuvent pas être enregistrés.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Morceau</translation>
    </message>
    <message>
        <source>kan niet schrijven in %1.</source>
        <translation>impossible d’écrire dans %1.</translation>
    </message>
    <message>
        <source>er staat nog geen heel stukje van dit nummer in de buffer.</source>
        <translation>le tampon ne contient encore aucun fragment entier de ce morceau.</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Nummer bewaard</source>
        <translation>Morceau enregistré</translation>
    </message>
    <message>
        <source>%1
Het begin was niet meer in de buffer: het bestand begint later.</source>
        <translation>%1
Le début n’était plus dans le tampon : le fichier commence plus tard.</translation>
    </message>
    <message>
        <source>er loopt al een opname.</source>
        <translation>un enregistrement est déjà en cours.</translation>
    </message>
    <message>
        <source>deze stream (HLS) kan niet opgenomen worden.</source>
        <translation>ce flux (HLS) ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>het begin van deze Ogg-stream is niet meer in de buffer.</source>
        <translation>le début de ce flux Ogg n’est plus dans le tampon.</translation>
    </message>
</context>
<context>
    <name>StandbyModes</name>
    <message>
        <source>Stream hervatten</source>
        <translation>Reprendre le flux</translation>
    </message>
    <message>
        <source>Stream opnieuw starten</source>
        <translation>Redémarrer le flux</translation>
    </message>
    <message>
        <source>Niet automatisch starten</source>
        <translation>Ne pas démarrer automatiquement</translation>
    </message>
</context>
<context>
    <name>StationFile</name>
    <message>
        <source>geen URL</source>
        <translation>pas une URL</translation>
    </message>
    <message>
        <source>geen http- of https-URL</source>
        <translation>pas une URL http ou https</translation>
    </message>
    <message>
        <source>geen servernaam</source>
        <translation>pas de nom de serveur</translation>
    </message>
    <message>
        <source>een HLS-stream (regel %1), geen stationslijst</source>
        <translation>un flux HLS (ligne %1), pas une liste de stations</translation>
    </message>
    <message>
        <source>geen %1-bestand (geen %2)</source>
        <translation>pas un fichier %1 (%2 manquant)</translation>
    </message>
    <message>
        <source>geen %1-bestand: %2 (regel %3)</source>
        <translation>pas un fichier %1&#xa0;: %2 (ligne %3)</translation>
    </message>
    <message>
        <source>geen Zeffira-stationslijst: %1</source>
        <translation>pas une liste de stations Zeffira&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StationInput</name>
    <message>
        <source>Deze URL hoort al bij &apos;%1&apos; in &apos;%2&apos;.</source>
        <translation>Cette URL appartient déjà à «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Ongeldige URL</source>
        <translation>URL non valide</translation>
    </message>
    <message>
        <source>Voer een geldige stream URL in.</source>
        <translation>Saisissez une URL de flux valide.</translation>
    </message>
    <message>
        <source>Vul een naam in.</source>
        <translation>Saisissez un nom.</translation>
    </message>
    <message>
        <source>Vul een stream URL in.</source>
        <translation>Saisissez une URL de flux.</translation>
    </message>
    <message>
        <source>Dit is geen geldige URL.</source>
        <translation>Ce n’est pas une URL valide.</translation>
    </message>
    <message>
        <source>De URL moet met http:// of https:// beginnen.</source>
        <translation>L’URL doit commencer par http:// ou https://.</translation>
    </message>
    <message>
        <source>De URL mist een servernaam.</source>
        <translation>Il manque un nom de serveur dans l’URL.</translation>
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
        <translation>Aucune station trouvée</translation>
    </message>
    <message>
        <source>Speelt</source>
        <translation>En lecture</translation>
    </message>
    <message>
        <source>Gepauzeerd</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>StationMenu</name>
    <message>
        <source>Wijzig...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Verplaats naar...</source>
        <translation>Déplacer vers...</translation>
    </message>
    <message>
        <source>Verwijder</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>StationTransfer</name>
    <message>
        <source>Stationslijsten (*.m3u *.m3u8 *.pls *.xspf *.json)</source>
        <translation>Listes de stations (*.m3u *.m3u8 *.pls *.xspf *.json)</translation>
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
        <translation>JSON de Zeffira (*.json)</translation>
    </message>
    <message>
        <source>regel %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>en nog %n</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Het bestand kon niet worden gelezen als stationslijst.</source>
        <translation>Le fichier n’a pas pu être lu comme liste de stations.</translation>
    </message>
    <message>
        <source>Er zijn geen stations toegevoegd.</source>
        <translation>Aucune station n’a été ajoutée.</translation>
    </message>
    <message numerus="yes">
        <source>Stations toegevoegd: %n, in %1.</source>
        <translation>
            <numerusform>%n station ajoutée, dans %1.</numerusform>
            <numerusform>%n stations ajoutées, dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overgeslagen omdat ze al in de lijst staan: %n.</source>
        <translation>
            <numerusform>%n ignorée, car déjà dans la liste.</numerusform>
            <numerusform>%n ignorées, car déjà dans la liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overgeslagen wegens een ongeldige URL: %n.</source>
        <translation>
            <numerusform>%n ignorée pour URL non valide.</numerusform>
            <numerusform>%n ignorées pour URL non valide.</numerusform>
        </translation>
    </message>
    <message>
        <source>Importeren mislukt</source>
        <translation>Échec de l’importation</translation>
    </message>
    <message>
        <source>Import voltooid</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Exporteren mislukt</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>Export voltooid</source>
        <translation>Exportation terminée</translation>
    </message>
    <message numerus="yes">
        <source>Stations opgeslagen: %n, in %1.</source>
        <translation>
            <numerusform>%n station enregistrée, dans %1.</numerusform>
            <numerusform>%n stations enregistrées, dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>De geschiedenis is niet beschikbaar.</source>
        <translation>L’historique n’est pas disponible.</translation>
    </message>
    <message>
        <source>Kan %1 niet schrijven: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Nummers opgeslagen: %n, in %1.</source>
        <translation>
            <numerusform>%n titre enregistré, dans %1.</numerusform>
            <numerusform>%n titres enregistrés, dans %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StationTransferButtons</name>
    <message>
        <source>Importeer...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Exporteer...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Alle stations...</source>
        <translation>Toutes les stations...</translation>
    </message>
    <message>
        <source>Alleen &apos;%1&apos;...</source>
        <translation>Seulement «&#xa0;%1&#xa0;»...</translation>
    </message>
    <message>
        <source>Alleen de gekozen categorie...</source>
        <translation>Seulement la catégorie choisie...</translation>
    </message>
    <message>
        <source>Stations importeren</source>
        <translation>Importer des stations</translation>
    </message>
    <message>
        <source>Alle stations exporteren</source>
        <translation>Exporter toutes les stations</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exporteren</source>
        <translation>Exporter «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exporteer geschiedenis...</source>
        <translation>Exporter l’historique...</translation>
    </message>
    <message>
        <source>Geschiedenis exporteren</source>
        <translation>Exporter l’historique</translation>
    </message>
</context>
<context>
    <name>StationsSettingsTab</name>
    <message>
        <source>Nog geen stations in deze categorie</source>
        <translation>Pas encore de station dans cette catégorie</translation>
    </message>
    <message>
        <source>Sleep een station naar deze categorie of kies &apos;Voeg station toe&apos;.</source>
        <translation>Faites glisser une station dans cette catégorie ou choisissez «&#xa0;Ajouter une station&#xa0;».</translation>
    </message>
    <message>
        <source>Selecteer een categorie</source>
        <translation>Sélectionnez une catégorie</translation>
    </message>
    <message>
        <source>Nieuwe categorie</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Voeg station toe</source>
        <translation>Ajouter une station</translation>
    </message>
    <message>
        <source>Hernoem...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Categorie bevat stations</source>
        <translation>La catégorie contient des stations</translation>
    </message>
    <message>
        <source>Verwijder categorie</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Station verwijderen?</source>
        <translation>Supprimer la station&#xa0;?</translation>
    </message>
    <message>
        <source>Weet je zeker dat je &apos;%1&apos; wilt verwijderen?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Verwijder</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Categorie verwijderen?</source>
        <translation>Supprimer la catégorie&#xa0;?</translation>
    </message>
    <message>
        <source>Weet je zeker dat je de categorie &apos;%1&apos; wilt verwijderen?</source>
        <translation>Voulez-vous vraiment supprimer la catégorie «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
</context>
<context>
    <name>StreamErrorText</name>
    <message>
        <source>verbinding geweigerd</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>server niet gevonden</source>
        <translation>serveur introuvable</translation>
    </message>
    <message>
        <source>server onbereikbaar</source>
        <translation>serveur injoignable</translation>
    </message>
    <message>
        <source>netwerk onbereikbaar</source>
        <translation>réseau injoignable</translation>
    </message>
    <message>
        <source>server reageert niet</source>
        <translation>le serveur ne répond pas</translation>
    </message>
    <message>
        <source>geen audiostream</source>
        <translation>pas un flux audio</translation>
    </message>
    <message>
        <source>ongeldig antwoord van de server</source>
        <translation>réponse du serveur non valide</translation>
    </message>
    <message>
        <source>stream afgebroken</source>
        <translation>flux interrompu</translation>
    </message>
    <message>
        <source>adres wordt niet ondersteund</source>
        <translation>adresse non prise en charge</translation>
    </message>
    <message>
        <source>ongeldig adres</source>
        <translation>adresse non valide</translation>
    </message>
    <message>
        <source>te veel doorverwijzingen</source>
        <translation>trop de redirections</translation>
    </message>
    <message>
        <source>onveilige doorverwijzing geweigerd</source>
        <translation>redirection non sécurisée refusée</translation>
    </message>
    <message>
        <source>beveiligde verbinding mislukt</source>
        <translation>échec de la connexion sécurisée</translation>
    </message>
    <message>
        <source>proxy werkt niet</source>
        <translation>le proxy ne fonctionne pas</translation>
    </message>
    <message>
        <source>afspeellijst zonder streams</source>
        <translation>liste de lecture sans flux</translation>
    </message>
    <message>
        <source>afspeellijst klopt niet</source>
        <translation>liste de lecture incorrecte</translation>
    </message>
    <message>
        <source>niet gevonden</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>geen toegang</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>serverfout</source>
        <translation>erreur du serveur</translation>
    </message>
    <message>
        <source>geweigerd</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>%1 (HTTP %2)</source>
        <translation>%1 (HTTP %2)</translation>
    </message>
    <message>
        <source>geen geluid ontvangen</source>
        <translation>aucun son reçu</translation>
    </message>
    <message>
        <source>geen decoder voor %1</source>
        <translation>aucun décodeur pour %1</translation>
    </message>
</context>
<context>
    <name>StreamRecorder</name>
    <message>
        <source>%1 bestaat al; kies een andere naam.</source>
        <translation>%1 existe déjà&#xa0;; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>de map van %1 bestaat niet.</source>
        <translation>le dossier de %1 n’existe pas.</translation>
    </message>
    <message>
        <source>kan %1 niet schrijven: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>kan niet schrijven in %1</source>
        <translation>impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Slaaptimer</source>
        <translation>Minuterie de mise en veille</translation>
    </message>
    <message numerus="yes">
        <source>%n minuten</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Uit</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Paneel openen</source>
        <translation>Ouvrir le panneau</translation>
    </message>
    <message>
        <source>Pauzeer</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Hervat</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Instellingen...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Over Zeffira</source>
        <translation>À propos de Zeffira</translation>
    </message>
    <message>
        <source>Sluit af</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Wekker instellen...</source>
        <translation>Régler le réveil...</translation>
    </message>
    <message>
        <source>Kopieer titel</source>
        <translation>Copier le titre</translation>
    </message>
    <message>
        <source>Terugspoelen: %1 achter live</source>
        <translation>Retour en arrière : %1 de retard</translation>
    </message>
    <message>
        <source>Terugspoelen</source>
        <translation>Retour en arrière</translation>
    </message>
    <message>
        <source>Niet bij HLS-streams</source>
        <translation>Pas avec les flux HLS</translation>
    </message>
    <message>
        <source>30 seconden terug</source>
        <translation>Reculer de 30 secondes</translation>
    </message>
    <message>
        <source>30 seconden vooruit</source>
        <translation>Avancer de 30 secondes</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Bewaar dit nummer</source>
        <translation>Enregistrer ce morceau</translation>
    </message>
    <message>
        <source>Bewaar vorig nummer</source>
        <translation>Enregistrer le morceau précédent</translation>
    </message>
    <message>
        <source>Stop opname</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Neem op</source>
        <translation>Enregistrer le direct</translation>
    </message>
</context>
<context>
    <name>TrayShell</name>
    <message>
        <source>%1 achter live</source>
        <translation>%1 de retard sur le direct</translation>
    </message>
    <message>
        <source>Neemt op</source>
        <translation>Enregistrement en cours</translation>
    </message>
</context>
<context>
    <name>TrayTooltip</name>
    <message>
        <source>Geen station gekozen</source>
        <translation>Aucune station choisie</translation>
    </message>
    <message>
        <source> (laden...)</source>
        <translation> (chargement...)</translation>
    </message>
    <message>
        <source> (mislukt)</source>
        <translation> (échec)</translation>
    </message>
    <message>
        <source> (gepauzeerd)</source>
        <translation> (en pause)</translation>
    </message>
</context>
<context>
    <name>ViewSwitch</name>
    <message>
        <source>Weergave</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Gehoord</source>
        <translation>Écoutés</translation>
    </message>
    <message>
        <source>Bewaard</source>
        <translation>Gardés</translation>
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
        <translation>aucune station n’a pu être jouée&#xa0;; il ne reste rien à essayer.</translation>
    </message>
    <message>
        <source>kon %1 niet afspelen: geen netwerkverbinding</source>
        <translation>impossible de jouer %1&#xa0;: pas de connexion réseau</translation>
    </message>
    <message>
        <source>er is geen station met de naam &quot;%1&quot;, en het is geen stream-URL.</source>
        <translation>aucune station ne s’appelle «&#xa0;%1&#xa0;», et ce n’est pas une URL de flux.</translation>
    </message>
    <message>
        <source>kon %1 niet afspelen: %2</source>
        <translation>impossible de jouer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kan de sessiebus niet bereiken (%1); het pictogram in het systeemvak en de mediatoetsen hebben die nodig.</source>
        <translation>impossible de joindre le bus de session (%1)&#xa0;; l’icône de la zone de notification et les touches multimédia en ont besoin.</translation>
    </message>
    <message>
        <source>kon het pictogram in het systeemvak niet tonen.</source>
        <translation>impossible d’afficher l’icône dans la zone de notification.</translation>
    </message>
    <message>
        <source>geen grafische sessie (DISPLAY en WAYLAND_DISPLAY zijn niet gezet); speelt zonder pictogram in het systeemvak, bedienbaar via MPRIS.</source>
        <translation>pas de session graphique (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)&#xa0;; fonctionne sans icône dans la zone de notification, contrôlable par MPRIS.</translation>
    </message>
    <message>
        <source>Opgenomen: %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>de opname brak af: %1</source>
        <translation>l’enregistrement s’est interrompu&#xa0;: %1</translation>
    </message>
</context>
</TS>
