<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Checks</name>
    <message>
        <source>Style list</source>
        <translation>Stilliste</translation>
    </message>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles.</source>
        <translation>Das Projekt kann nicht erstellt werden. Es gibt keine Menüstile.</translation>
    </message>
    <message>
        <source>%1 more problems are not listed; mend the ones above first.</source>
        <translation>%1 weitere Probleme sind nicht aufgeführt; beheben Sie zuerst die obigen.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>No menu uses this style.</source>
        <translation>Kein Menü verwendet diesen Stil.</translation>
    </message>
    <message>
        <source>%1 has a contrast of %2:1; text needs at least %3:1 to be read.</source>
        <translation>%1 hat einen Kontrast von %2:1; Text braucht mindestens %3:1, um lesbar zu sein.</translation>
    </message>
    <message>
        <source>Its entries are %1 px high; visitors need at least 24 px to hit them (raise &quot;Font Size&quot; or &quot;Menu Item Padding&quot;).</source>
        <translation>Die Einträge sind %1 px hoch; Besucher brauchen mindestens 24 px, um sie zu treffen (erhöhen Sie „Schriftgröße“ oder „Innenabstand Menüeintrag“).</translation>
    </message>
    <message>
        <source>Its address is a javascript: address, which runs script on your pages and does nothing where script is blocked.</source>
        <translation>Die Adresse ist eine javascript:-Adresse, die Skript auf Ihren Seiten ausführt und nichts tut, wo Skripte blockiert sind.</translation>
    </message>
    <message>
        <source>The item has no address, so visitors cannot follow it.</source>
        <translation>Der Menüeintrag hat keine Adresse, daher können Besucher ihm nicht folgen.</translation>
    </message>
    <message>
        <source>Its address is still the placeholder &quot;%1&quot;; give it the page it should open, or clear it.</source>
        <translation>Die Adresse ist noch der Platzhalter „%1“; tragen Sie die Seite ein, die geöffnet werden soll, oder leeren Sie das Feld.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; is also the address of &quot;%2&quot; in this menu.</source>
        <translation>Die Adresse „%1“ ist in diesem Menü auch die Adresse von „%2“.</translation>
    </message>
    <message>
        <source>The entry has no caption; visitors see an empty row.</source>
        <translation>Der Eintrag hat keine Beschriftung; Besucher sehen eine leere Zeile.</translation>
    </message>
    <message>
        <source>Its caption is %1 characters long; more than %2 wrap onto further lines.</source>
        <translation>Die Beschriftung ist %1 Zeichen lang; mehr als %2 Zeichen werden auf weitere Zeilen umbrochen.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; names no file in the site&apos;s folder.</source>
        <translation>Die Adresse „%1“ verweist auf keine Datei im Ordner der Website.</translation>
    </message>
    <message>
        <source>The group has no entries, so its submenu opens nothing.</source>
        <translation>Die Gruppe hat keine Einträge, daher öffnet ihr Untermenü nichts.</translation>
    </message>
    <message>
        <source>Its submenu is nested %1 levels deep; menus deeper than %2 levels are hard to reach.</source>
        <translation>Das Untermenü ist %1 Ebenen tief verschachtelt; Menüs mit mehr als %2 Ebenen sind schwer zu erreichen.</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot;</source>
        <translation>Stil „%1“</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>Optionen des Hauptmenüs</translation>
    </message>
    <message>
        <source>(no caption)</source>
        <translation>(ohne Beschriftung)</translation>
    </message>
    <message>
        <source>Its description is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>Die Beschreibung wird mit %1 px in %2 dargestellt, einem Kontrast von %3:1; so kleiner Text braucht mindestens %4:1, um lesbar zu sein.</translation>
    </message>
    <message>
        <source>Its badge is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>Das Badge wird mit %1 px in %2 dargestellt, einem Kontrast von %3:1; so kleiner Text braucht mindestens %4:1, um lesbar zu sein.</translation>
    </message>
    <message>
        <source>Its icon &quot;%1&quot; is none of the drawn icons and no .svg file, so no icon is drawn.</source>
        <translation>Das Symbol „%1“ ist keines der gezeichneten Symbole und keine .svg-Datei, daher wird kein Symbol dargestellt.</translation>
    </message>
    <message>
        <source>Its icon file &quot;%1&quot; %2, so no icon is drawn.</source>
        <translation>Die Symboldatei „%1“ %2, daher wird kein Symbol dargestellt.</translation>
    </message>
    <message>
        <source>at the small screen width of %1 px</source>
        <translation>bei der Breite für kleine Bildschirme von %1 px</translation>
    </message>
    <message>
        <source>in a window %1 px wide</source>
        <translation>in einem %1 px breiten Fenster</translation>
    </message>
    <message>
        <source>Its panel&apos;s %1 columns need about %2 px, but %3 only %4 fit, so the captions are squeezed (set &quot;Columns&quot; to %4 or 0, or raise &quot;Small screen width&quot; on the main menu).</source>
        <translation>Die %1 Spalten des Panels brauchen etwa %2 px, aber %3 passen nur %4, daher werden die Beschriftungen gestaucht (setzen Sie „Spalten“ auf %4 oder 0 oder erhöhen Sie „Breite für kleine Bildschirme“ in den Optionen des Hauptmenüs).</translation>
    </message>
    <message>
        <source>&quot;When no room&quot; is More, but &quot;More caption&quot; holds only characters that draw nothing, so the entry that gathers the rest of the bar is empty and screen readers give it no name; type a caption or empty the field for &quot;More&quot;.</source>
        <translation>„Bei Platzmangel“ steht auf Mehr, aber „Beschriftung der Gruppe Mehr“ enthält nur Zeichen, die nichts darstellen, sodass der Eintrag, der den Rest der Leiste aufnimmt, leer ist und Screenreader ihm keinen Namen geben; geben Sie eine Beschriftung ein oder leeren Sie das Feld, um „Mehr“ zu erhalten.</translation>
    </message>
    <message>
        <source>&quot;Mouse Off Font&quot; on &quot;Mouse Off Background&quot;</source>
        <translation>„Schriftfarbe normal“ auf „Hintergrund normal“</translation>
    </message>
    <message>
        <source>&quot;Mouse On Font&quot; on &quot;Mouse On Background&quot;</source>
        <translation>„Schriftfarbe bei Hover“ auf „Hintergrund bei Hover“</translation>
    </message>
    <message>
        <source>&quot;Menu Header Font Color&quot; on &quot;Menu Header Background&quot;</source>
        <translation>„Schriftfarbe Überschrift“ auf „Hintergrund Überschrift“</translation>
    </message>
    <message>
        <source>ends before its elements are closed</source>
        <translation>endet, bevor ihre Elemente geschlossen sind</translation>
    </message>
    <message>
        <source>holds no svg element</source>
        <translation>enthält kein svg-Element</translation>
    </message>
    <message>
        <source>has a comment that does not end</source>
        <translation>enthält einen Kommentar, der nicht endet</translation>
    </message>
    <message>
        <source>declares a document type, entities or character data, which an icon may not</source>
        <translation>deklariert einen Dokumenttyp, Entitäten oder Zeichendaten, was ein Symbol nicht darf</translation>
    </message>
    <message>
        <source>has an XML declaration that does not end</source>
        <translation>enthält eine XML-Deklaration, die nicht endet</translation>
    </message>
    <message>
        <source>holds a processing instruction</source>
        <translation>enthält eine Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>is not well-formed XML</source>
        <translation>ist kein wohlgeformtes XML</translation>
    </message>
    <message>
        <source>holds a %1 element, which an icon may not</source>
        <translation>enthält ein %1-Element, was ein Symbol nicht darf</translation>
    </message>
    <message>
        <source>holds more than one drawing</source>
        <translation>enthält mehr als eine Zeichnung</translation>
    </message>
    <message>
        <source>does not begin with an svg element</source>
        <translation>beginnt nicht mit einem svg-Element</translation>
    </message>
    <message>
        <source>holds an svg element inside another</source>
        <translation>enthält ein svg-Element innerhalb eines anderen</translation>
    </message>
    <message>
        <source>nests its elements more than %1 deep</source>
        <translation>verschachtelt ihre Elemente tiefer als %1 Ebenen</translation>
    </message>
    <message>
        <source>ends inside the %1 element&apos;s tag</source>
        <translation>endet innerhalb des Tags des %1-Elements</translation>
    </message>
    <message>
        <source>closes a %1 element it did not open</source>
        <translation>schließt ein %1-Element, das sie nicht geöffnet hat</translation>
    </message>
    <message>
        <source>has an event attribute (%1)</source>
        <translation>hat ein Ereignisattribut (%1)</translation>
    </message>
    <message>
        <source>links to another file or address (%1)</source>
        <translation>verweist auf eine andere Datei oder Adresse (%1)</translation>
    </message>
    <message>
        <source>refers to something outside the drawing (%1)</source>
        <translation>verweist auf etwas außerhalb der Zeichnung (%1)</translation>
    </message>
    <message>
        <source>uses an entity (&amp;%1;), which an icon may not</source>
        <translation>verwendet eine Entität (&amp;%1;), was ein Symbol nicht darf</translation>
    </message>
    <message>
        <source>is larger than %1 KB</source>
        <translation>ist größer als %1 KB</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>cannot be found until the project is saved, since it is looked for beside the project</source>
        <translation>kann erst gefunden werden, wenn das Projekt gespeichert ist, da sie im Ordner des Projekts gesucht wird</translation>
    </message>
    <message>
        <source>is not beside the project (name it relative to the project&apos;s folder, without &quot;..&quot;)</source>
        <translation>liegt nicht im Ordner des Projekts (geben Sie sie relativ zum Ordner des Projekts an, ohne „..“)</translation>
    </message>
    <message>
        <source>does not exist beside the project</source>
        <translation>existiert nicht im Ordner des Projekts</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create new project</source>
        <translation>Neues Projekt erstellen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open existing project</source>
        <translation>Vorhandenes Projekt öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>Aktuelles Projekt speichern</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Speichern unter ...</translation>
    </message>
    <message>
        <source>S&amp;ave as ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>Save project as</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>Menü veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;Publish menu</source>
        <translation>Menü &amp;veröffentlichen</translation>
    </message>
    <message>
        <source>Create necessary files to publish menu</source>
        <translation>Die zum Veröffentlichen des Menüs nötigen Dateien erstellen</translation>
    </message>
    <message>
        <source>Publish to site…</source>
        <translation>Auf Website veröffentlichen…</translation>
    </message>
    <message>
        <source>Publish &amp;to site…</source>
        <translation>Auf &amp;Website veröffentlichen…</translation>
    </message>
    <message>
        <source>Send the menu&apos;s files straight to a web server</source>
        <translation>Die Dateien des Menüs direkt an einen Webserver senden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Export menu as HTML</source>
        <translation>Menü als HTML exportieren</translation>
    </message>
    <message>
        <source>E&amp;xport menu as HTML</source>
        <translation>Menü als HTML e&amp;xportieren</translation>
    </message>
    <message>
        <source>Write the menu as a plain HTML list of links</source>
        <translation>Das Menü als einfache HTML-Liste von Links schreiben</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation>Zuletzt rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste from the clipboard after the selection</source>
        <translation>Aus der Zwischenablage hinter der Auswahl einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Duplicate the selection</source>
        <translation>Auswahl duplizieren</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Nach &amp;oben verschieben</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>Auswahl nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten verschieben</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>Auswahl nach unten verschieben</translation>
    </message>
    <message>
        <source>Move out of the group</source>
        <translation>Aus der Gruppe herausnehmen</translation>
    </message>
    <message>
        <source>Move &amp;out of the group</source>
        <translation>Aus der &amp;Gruppe herausnehmen</translation>
    </message>
    <message>
        <source>Move the selection out of its group</source>
        <translation>Auswahl aus ihrer Gruppe herausnehmen</translation>
    </message>
    <message>
        <source>Move into the previous group</source>
        <translation>In die vorherige Gruppe verschieben</translation>
    </message>
    <message>
        <source>Move &amp;into the previous group</source>
        <translation>In die &amp;vorherige Gruppe verschieben</translation>
    </message>
    <message>
        <source>Move the selection into the group above it</source>
        <translation>Auswahl in die Gruppe darüber verschieben</translation>
    </message>
    <message>
        <source>Sort by caption</source>
        <translation>Nach Beschriftung sortieren</translation>
    </message>
    <message>
        <source>&amp;Sort by caption</source>
        <translation>Nach Beschriftung sort&amp;ieren</translation>
    </message>
    <message>
        <source>Sort the entries of the selected group by caption</source>
        <translation>Einträge der ausgewählten Gruppe nach Beschriftung sortieren</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find captions, addresses and style names</source>
        <translation>Beschriftungen, Adressen und Stilnamen suchen</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Weitersu&amp;chen</translation>
    </message>
    <message>
        <source>Select the next match</source>
        <translation>Nächsten Treffer auswählen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>New menu group</source>
        <translation>Neue Menügruppe</translation>
    </message>
    <message>
        <source>&amp;New menu group</source>
        <translation>&amp;Neue Menügruppe</translation>
    </message>
    <message>
        <source>Create new menu group</source>
        <translation>Neue Menügruppe erstellen</translation>
    </message>
    <message>
        <source>Delete menu group</source>
        <translation>Menügruppe löschen</translation>
    </message>
    <message>
        <source>&amp;Delete menu group</source>
        <translation>Menügruppe lö&amp;schen</translation>
    </message>
    <message>
        <source>Delete selected menu group</source>
        <translation>Ausgewählte Menügruppe löschen</translation>
    </message>
    <message>
        <source>How to use groups</source>
        <translation>Arbeiten mit Gruppen</translation>
    </message>
    <message>
        <source>H&amp;ow to use groups</source>
        <translation>Arbeiten mit &amp;Gruppen</translation>
    </message>
    <message>
        <source>New menu item</source>
        <translation>Neuer Menüeintrag</translation>
    </message>
    <message>
        <source>N&amp;ew menu item</source>
        <translation>Neuer &amp;Menüeintrag</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>Neuen Menüeintrag erstellen</translation>
    </message>
    <message>
        <source>Delete menu item</source>
        <translation>Menüeintrag löschen</translation>
    </message>
    <message>
        <source>De&amp;lete menu item</source>
        <translation>Menüeintrag &amp;löschen</translation>
    </message>
    <message>
        <source>Delete selected menu item</source>
        <translation>Ausgewählten Menüeintrag löschen</translation>
    </message>
    <message>
        <source>How to use menu item</source>
        <translation>Arbeiten mit Menüeinträgen</translation>
    </message>
    <message>
        <source>&amp;How to use menu item</source>
        <translation>&amp;Arbeiten mit Menüeinträgen</translation>
    </message>
    <message>
        <source>How to use menu options</source>
        <translation>Arbeiten mit Menüoptionen</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>New style</source>
        <translation>Neuer Stil</translation>
    </message>
    <message>
        <source>&amp;New style</source>
        <translation>&amp;Neuer Stil</translation>
    </message>
    <message>
        <source>Create new menu item style</source>
        <translation>Neuen Stil für Menüeinträge erstellen</translation>
    </message>
    <message>
        <source>Insert favorete style</source>
        <translation>Favoritenstil einfügen</translation>
    </message>
    <message>
        <source>&amp;Insert favorete style</source>
        <translation>&amp;Favoritenstil einfügen</translation>
    </message>
    <message>
        <source>Delete style</source>
        <translation>Stil löschen</translation>
    </message>
    <message>
        <source>&amp;Delete style</source>
        <translation>Stil &amp;löschen</translation>
    </message>
    <message>
        <source>Delete selected style</source>
        <translation>Ausgewählten Stil löschen</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add to favorites</source>
        <translation>Zu Favoriten &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add current style to favorites</source>
        <translation>Aktuellen Stil zu den Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>How to use styles</source>
        <translation>Arbeiten mit Stilen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Vorschau aktualisieren</translation>
    </message>
    <message>
        <source>U&amp;pdate Preview</source>
        <translation>Vorschau ak&amp;tualisieren</translation>
    </message>
    <message>
        <source>Update preview window</source>
        <translation>Vorschaufenster aktualisieren</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>HTML-Seite für Vorschau öffnen</translation>
    </message>
    <message>
        <source>&amp;Open HTML to preview</source>
        <translation>&amp;HTML-Seite für Vorschau öffnen</translation>
    </message>
    <message>
        <source>Use default preview</source>
        <translation>Standardvorschau verwenden</translation>
    </message>
    <message>
        <source>&amp;Use default preview</source>
        <translation>&amp;Standardvorschau verwenden</translation>
    </message>
    <message>
        <source>Use default HTML page to preview</source>
        <translation>Standard-HTML-Seite für die Vorschau verwenden</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>From windows favorities</source>
        <translation>Aus Windows-Favoriten</translation>
    </message>
    <message>
        <source>Import menu from windows favorities</source>
        <translation>Menü aus Windows-Favoriten importieren</translation>
    </message>
    <message>
        <source>From bookmarks file</source>
        <translation>Aus Lesezeichendatei</translation>
    </message>
    <message>
        <source>Import from &amp;bookmarks file...</source>
        <translation>Aus &amp;Lesezeichendatei importieren...</translation>
    </message>
    <message>
        <source>Import menu from a browser&apos;s bookmarks file</source>
        <translation>Menü aus der Lesezeichendatei eines Browsers importieren</translation>
    </message>
    <message>
        <source>From site map</source>
        <translation>Aus Sitemap</translation>
    </message>
    <message>
        <source>Import from &amp;site map...</source>
        <translation>Aus Site&amp;map importieren...</translation>
    </message>
    <message>
        <source>Import menu from a site map (sitemap.xml)</source>
        <translation>Menü aus einer Sitemap (sitemap.xml) importieren</translation>
    </message>
    <message>
        <source>From page navigation</source>
        <translation>Aus Seitennavigation</translation>
    </message>
    <message>
        <source>Import from page &amp;navigation...</source>
        <translation>Aus Seiten&amp;navigation importieren...</translation>
    </message>
    <message>
        <source>Import menu from the navigation of an HTML page</source>
        <translation>Menü aus der Navigation einer HTML-Seite importieren</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Anpassen</translation>
    </message>
    <message>
        <source>Customize toolbar</source>
        <translation>Symbolleiste anpassen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to use program</source>
        <translation>Arbeiten mit dem Programm</translation>
    </message>
    <message>
        <source>&amp;How to use program</source>
        <translation>Arbeiten mit dem &amp;Programm</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>H&amp;ome page</source>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <source>Korvane home page</source>
        <translation>Korvane-Homepage</translation>
    </message>
    <message>
        <source>E-Mail to us</source>
        <translation>E-Mail an uns</translation>
    </message>
    <message>
        <source>&amp;E-Mail to us</source>
        <translation>&amp;E-Mail an uns</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>&amp;About program</source>
        <translation>&amp;Über das Programm</translation>
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
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>&amp;Styles</source>
        <translation>&amp;Stile</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Recent files...</source>
        <translation>Zuletzt geöffnete Dateien...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Change %1</source>
        <translation>„%1“ ändern</translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation>%1 Werte ändern</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Aus Gruppe herausnehmen</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>In Gruppe verschieben</translation>
    </message>
    <message>
        <source>Insert Favorite Style</source>
        <translation>Favoritenstil einfügen</translation>
    </message>
    <message>
        <source>Import Favorites</source>
        <translation>Favoriten importieren</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Menü importieren</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Menüeintrag hinzufügen</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Menüeintrag löschen</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>Gruppe verschieben</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Menüeintrag verschieben</translation>
    </message>
    <message>
        <source>Sort by Caption</source>
        <translation>Nach Beschriftung sortieren</translation>
    </message>
    <message>
        <source>Repair menu style</source>
        <translation>Menüstil reparieren</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Neuer Stil</translation>
    </message>
    <message>
        <source>Delete Style</source>
        <translation>Stil löschen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>%1 would make the project larger than %2, more than Tarvex can open again. Nothing was added.</source>
        <translation>%1 würde das Projekt größer als %2 machen – mehr, als Tarvex wieder öffnen kann. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Importing this</source>
        <translation>Dieser Import</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1, more than a Tarvex project can hold. Nothing was pasted.</source>
        <translation>Die Zwischenablage enthält mehr als %1 – mehr, als ein Tarvex-Projekt aufnehmen kann. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Pasting this</source>
        <translation>Dieses Einfügen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Project has changed. Do you want to save changes?</source>
        <translation>Das Projekt wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Cannot create file %1.%2</source>
        <translation>Die Datei %1 kann nicht erstellt werden.%2</translation>
    </message>
    <message>
        <source>Tarvex Files (xml)|*.xml|All files|*.*</source>
        <translation>Tarvex-Dateien (xml)|*.xml|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Select menu style which you want add to favorites</source>
        <translation>Wählen Sie den Menüstil, den Sie zu den Favoriten hinzufügen möchten</translation>
    </message>
    <message>
        <source>Favotite style name</source>
        <translation>Name des Favoritenstils</translation>
    </message>
    <message>
        <source>Type favorite name</source>
        <translation>Namen des Favoriten eingeben</translation>
    </message>
    <message>
        <source>Style with this name already exist. Use another style name</source>
        <translation>Ein Stil mit diesem Namen existiert bereits. Verwenden Sie einen anderen Stilnamen</translation>
    </message>
    <message>
        <source>The favorites file cannot hold these characters, so they become &quot;?&quot; in the favorite (the project keeps them): %1

Add to favorites anyway?</source>
        <translation>Die Favoritendatei kann diese Zeichen nicht speichern, daher werden sie im Favoriten zu „?“ (das Projekt behält sie): %1

Trotzdem zu den Favoriten hinzufügen?</translation>
    </message>
    <message>
        <source>Can&apos;t save read-only file %1!</source>
        <translation>Die schreibgeschützte Datei %1 kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>%1 is open in another Tarvex window.</source>
        <translation>%1 ist in einem anderen Tarvex-Fenster geöffnet.</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program since you opened it.</source>
        <translation>Die Datei %1 wurde seit dem Öffnen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Unable to save %1 in the folder %2!</source>
        <translation>%1 kann nicht im Ordner %2 gespeichert werden!</translation>
    </message>
    <message>
        <source>%1%2

Save the project in another folder?</source>
        <translation>%1%2

Das Projekt in einem anderen Ordner speichern?</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Do you want to reload it?</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert. Möchten Sie sie neu laden?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Tarvex was not closed properly. These designs had changes that were not saved:

%1

Recover them?</source>
        <translation>Tarvex wurde nicht ordnungsgemäß beendet. Diese Entwürfe hatten Änderungen, die nicht gespeichert wurden:

%1

Wiederherstellen?</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html|All files|*.*</source>
        <translation>HTML-Dateien|*.htm;*.html|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Import bookmarks</source>
        <translation>Lesezeichen importieren</translation>
    </message>
    <message>
        <source>Import site map</source>
        <translation>Sitemap importieren</translation>
    </message>
    <message>
        <source>Import page navigation</source>
        <translation>Seitennavigation importieren</translation>
    </message>
    <message>
        <source>You have not selected folder.</source>
        <translation>Sie haben keinen Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>Can&apos;t find favirities directory.</source>
        <translation>Der Favoritenordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>Diese Art von Import ist in dieser Version von Tarvex nicht verfügbar.</translation>
    </message>
    <message>
        <source>Bookmark files (html)|*.html;*.htm|All files|*.*</source>
        <translation>Lesezeichendateien (html)|*.html;*.htm|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Site maps (xml)|*.xml|All files|*.*</source>
        <translation>Sitemaps (xml)|*.xml|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Tarvex cannot use %1: drop a project, a bookmarks file, a site map or a web page.</source>
        <translation>Tarvex kann %1 nicht verwenden: Ziehen Sie ein Projekt, eine Lesezeichendatei, eine Sitemap oder eine Webseite hierher.</translation>
    </message>
    <message>
        <source>Create new group</source>
        <translation>Neue Gruppe erstellen</translation>
    </message>
    <message>
        <source>Type new group name</source>
        <translation>Namen der neuen Gruppe eingeben</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>Neuen Menüeintrag erstellen</translation>
    </message>
    <message>
        <source>Type new menu item name</source>
        <translation>Namen des neuen Menüeintrags eingeben</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu group?</source>
        <translation>Möchten Sie die Menügruppe „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu item?</source>
        <translation>Möchten Sie den Menüeintrag „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>You can&apos;t drag&amp;drop Menu Options</source>
        <translation>Menüoptionen können nicht per Drag&amp;Drop verschoben werden</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>HTML-Seite für Vorschau öffnen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>one, main.js and %1</source>
        <translation>one.js, main.js und %1</translation>
    </message>
    <message>
        <source>Files: %1 was saved. Go to help file to lern more about adding menu to your HTML files</source>
        <translation>Die Dateien %1 wurden gespeichert. In der Hilfe erfahren Sie, wie Sie das Menü in Ihre HTML-Dateien einbinden.</translation>
    </message>
    <message>
        <source>JavaScript files (js)|*.js|All files|*.*</source>
        <translation>JavaScript-Dateien (js)|*.js|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>Menü veröffentlichen</translation>
    </message>
    <message>
        <source>Publish menu module: the folder for %1 and %2</source>
        <translation>Menümodul veröffentlichen: Ordner für %1 und %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>The menu has 1 problem that visitors will meet:
%2

Publish anyway?</source>
        <translation>Das Menü hat ein Problem, auf das Besucher stoßen werden:
%2

Trotzdem veröffentlichen?</translation>
    </message>
    <message>
        <source>The menu has %1 problems that visitors will meet:
%2

Publish anyway?</source>
        <translation>Das Menü hat %1 Probleme, auf die Besucher stoßen werden:
%2

Trotzdem veröffentlichen?</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The page refers to files above its own folder. Choose the folder of your site, so that the preview shows them too?</source>
        <translation>Die Seite verweist auf Dateien oberhalb ihres eigenen Ordners. Den Ordner Ihrer Website wählen, damit die Vorschau auch diese anzeigt?</translation>
    </message>
    <message>
        <source>Site folder of %1</source>
        <translation>Website-Ordner von %1</translation>
    </message>
    <message>
        <source>The folder %1 does not hold the page; the preview reads from the page&apos;s own folder.</source>
        <translation>Der Ordner %1 enthält die Seite nicht; die Vorschau liest aus dem eigenen Ordner der Seite.</translation>
    </message>
    <message>
        <source>Create new style</source>
        <translation>Neuen Stil erstellen</translation>
    </message>
    <message>
        <source>Type new menu style name</source>
        <translation>Namen des neuen Menüstils eingeben</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; style?</source>
        <translation>Möchten Sie den Stil „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>favorites.dat could not be read completely at start-up. It has been kept as %1, and a new favorites.dat holds the favorite styles of this run.</source>
        <translation>favorites.dat konnte beim Start nicht vollständig gelesen werden. Die Datei wurde als %1 aufbewahrt, und eine neue favorites.dat enthält die Favoritenstile dieser Sitzung.</translation>
    </message>
    <message>
        <source>A menu entry needs a caption</source>
        <translation>Ein Menüeintrag braucht eine Beschriftung</translation>
    </message>
    <message>
        <source>No style yet: add one on the Menu styles page, or Insert favourite style</source>
        <translation>Noch kein Stil: Legen Sie einen auf der Seite „Menüstile“ an, oder verwenden Sie „Favoritenstil einfügen“</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The folder does not let a new file be made, which a safe save needs.</source>
        <translation>Im Ordner kann keine neue Datei angelegt werden, was für sicheres Speichern nötig ist.</translation>
    </message>
    <message>
        <source> %1</source>
        <extracomment>Puts the reason after the sentence it explains.</extracomment>
        <translation> %1</translation>
    </message>
    <message>
        <source>The file %1 is too large for a Tarvex project (more than %2 MB).</source>
        <translation>Die Datei %1 ist zu groß für ein Tarvex-Projekt (mehr als %2 MB).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>Die Datei %1 kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>The file %1 is not a Tarvex project!</source>
        <translation>Die Datei %1 ist kein Tarvex-Projekt!</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 menu entries and styles, more than a Tarvex project may hold.</source>
        <translation>Die Datei %1 enthält mehr als %2 Menüeinträge und Stile – mehr, als ein Tarvex-Projekt enthalten darf.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Site map</source>
        <translation>Sitemap</translation>
    </message>
    <message>
        <source>The file holds no bookmarks.</source>
        <translation>Die Datei enthält keine Lesezeichen.</translation>
    </message>
    <message>
        <source>The bookmarks nest folders deeper than %1 levels.</source>
        <translation>Die Lesezeichen verschachteln Ordner tiefer als %1 Ebenen.</translation>
    </message>
    <message>
        <source>The bookmarks file</source>
        <translation>Die Lesezeichendatei</translation>
    </message>
    <message>
        <source>These shortcut files could not be read and were left out:%1</source>
        <translation>Diese Verknüpfungsdateien konnten nicht gelesen werden und wurden ausgelassen:%1</translation>
    </message>
    <message>
        <source>The folder holds more than %1 entries; only the first %1 were read.</source>
        <translation>Der Ordner enthält mehr als %1 Einträge; nur die ersten %1 wurden gelesen.</translation>
    </message>
    <message>
        <source>%1 is in UTF-16; save it as UTF-8 and import it again.</source>
        <translation>%1 ist in UTF-16 gespeichert; speichern Sie sie als UTF-8 und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>%1 has too many elements to import (more than %2).</source>
        <translation>%1 hat zu viele Elemente für den Import (mehr als %2).</translation>
    </message>
    <message>
        <source>%1 is nested too deeply to import (more than %2 levels).</source>
        <translation>%1 ist zu tief verschachtelt für den Import (mehr als %2 Ebenen).</translation>
    </message>
    <message>
        <source>%1 could not be read as HTML.</source>
        <translation>%1 konnte nicht als HTML gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is too large to import (more than %2 MB).</source>
        <translation>Die Datei %1 ist zu groß für den Import (mehr als %2 MB).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>Die Datei %1 kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>1 link%1</source>
        <translation>1 Link%1</translation>
    </message>
    <message>
        <source>%1 links%2</source>
        <translation>%1 Links%2</translation>
    </message>
    <message>
        <source>Navigation%1 (%2)</source>
        <translation>Navigation%1 (%2)</translation>
    </message>
    <message>
        <source>List%1 (%2)</source>
        <translation>Liste%1 (%2)</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>Die Seite</translation>
    </message>
    <message>
        <source>The page&apos;s navigation nests deeper than %1 levels.</source>
        <translation>Die Navigation der Seite ist tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>The page has no navigation: no nav element and no list of links.</source>
        <translation>Die Seite hat keine Navigation: kein nav-Element und keine Liste von Links.</translation>
    </message>
    <message>
        <source>%1 is compressed; unpack it (gunzip) and import the .xml file.</source>
        <translation>%1 ist komprimiert; entpacken Sie sie (gunzip) und importieren Sie die .xml-Datei.</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2 at byte %3).</source>
        <translation>%1 ist kein wohlgeformtes XML (%2 bei Byte %3).</translation>
    </message>
    <message>
        <source>The site map %1</source>
        <translation>Die Sitemap %1</translation>
    </message>
    <message>
        <source>The site map %1 lists no pages (its root is not &lt;urlset&gt;).</source>
        <translation>Die Sitemap %1 führt keine Seiten auf (ihr Wurzelelement ist nicht &lt;urlset&gt;).</translation>
    </message>
    <message>
        <source>None of the index&apos;s site maps is in the index&apos;s folder: %1.</source>
        <translation>Keine der Sitemaps des Index liegt im Ordner des Index: %1.</translation>
    </message>
    <message>
        <source>The site map</source>
        <translation>Die Sitemap</translation>
    </message>
    <message>
        <source>The site-map index lists more than %1 site maps.</source>
        <translation>Der Sitemap-Index führt mehr als %1 Sitemaps auf.</translation>
    </message>
    <message>
        <source>The file is not a site map: its root element is &lt;%1&gt;.</source>
        <translation>Die Datei ist keine Sitemap: Ihr Wurzelelement ist &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>The site map lists more than %1 pages.</source>
        <translation>Die Sitemap führt mehr als %1 Seiten auf.</translation>
    </message>
    <message>
        <source>The site map&apos;s addresses nest deeper than %1 folders.</source>
        <translation>Die Adressen der Sitemap sind tiefer als %1 Ordner verschachtelt.</translation>
    </message>
    <message>
        <source>The site map lists no web pages.</source>
        <translation>Die Sitemap führt keine Webseiten auf.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>Diese Art von Import ist in dieser Version von Tarvex nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Sprache des Desktops</translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Open &amp;anyway</source>
        <translation>&amp;Trotzdem öffnen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Connected to %1; the folder is there and Tarvex may log in.</source>
        <translation>Verbunden mit %1; der Ordner ist vorhanden und Tarvex darf sich anmelden.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password or key is wrong, or the key is not allowed there.</source>
        <translation>%1 hat die Anmeldung von %2 abgelehnt: Das Passwort oder der Schlüssel ist falsch, oder der Schlüssel ist dort nicht zugelassen.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so the server may not be the one it claims to be; nothing was sent. If the site&apos;s certificate comes from an authority of its own, name that authority&apos;s certificate as the CA file.</source>
        <translation>Das Zertifikat von %1 konnte nicht überprüft werden (%2), daher ist der Server womöglich nicht der, für den er sich ausgibt; es wurde nichts gesendet. Stammt das Zertifikat der Website von einer eigenen Zertifizierungsstelle, geben Sie deren Zertifikat als CA-Datei an.</translation>
    </message>
    <message>
        <source>Could not connect to %1 (%2).</source>
        <translation>Keine Verbindung zu %1 möglich (%2).</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>Der Datenträger des Servers ist voll.</translation>
    </message>
    <message>
        <source>The server denied access (%1).</source>
        <translation>Der Server hat den Zugriff verweigert (%1).</translation>
    </message>
    <message>
        <source>The connection to %1 failed (%2).</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen (%2).</translation>
    </message>
    <message>
        <source>The server in %1 is not a host name or address.</source>
        <translation>Der Server in %1 ist weder ein Hostname noch eine Adresse.</translation>
    </message>
    <message>
        <source>The port in %1 is not a number from 1 to 65535.</source>
        <translation>Der Port in %1 ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server.</source>
        <translation>Die Adresse %1 nennt kein Protokoll; schreiben Sie sftp://, ftps:// oder davs:// vor den Server.</translation>
    </message>
    <message>
        <source>Plain ftp:// sends the password and the files unencrypted, readable by anyone on the way; use sftp:// or ftps:// (FTP with TLS) instead.</source>
        <translation>Einfaches ftp:// überträgt Passwort und Dateien unverschlüsselt, für jeden auf dem Weg lesbar; verwenden Sie stattdessen sftp:// oder ftps:// (FTP mit TLS).</translation>
    </message>
    <message>
        <source>The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://.</source>
        <translation>Das Protokoll %1:// wird von Tarvex nicht zum Veröffentlichen unterstützt; verwenden Sie sftp://, ftps:// oder davs://.</translation>
    </message>
    <message>
        <source>The address %1 holds a query or fragment; name only the folder.</source>
        <translation>Die Adresse %1 enthält eine Abfrage oder ein Fragment; geben Sie nur den Ordner an.</translation>
    </message>
    <message>
        <source>The address %1 holds a password or an unusable user name; the password is never part of the address.</source>
        <translation>Die Adresse %1 enthält ein Passwort oder einen unbrauchbaren Benutzernamen; das Passwort gehört nie in die Adresse.</translation>
    </message>
    <message>
        <source>Plain dav:// is unencrypted and allowed only on this computer or a private network; use davs:// (WebDAV over HTTPS) for %1.</source>
        <translation>Einfaches dav:// ist unverschlüsselt und nur auf diesem Computer oder in einem privaten Netzwerk erlaubt; verwenden Sie davs:// (WebDAV über HTTPS) für %1.</translation>
    </message>
    <message>
        <source>The folder in %1 is not usable: it may not contain &quot;..&quot;, control characters, quotes or back-slashes.</source>
        <translation>Der Ordner in %1 ist nicht verwendbar: Er darf weder „..“ noch Steuerzeichen, Anführungszeichen oder umgekehrte Schrägstriche enthalten.</translation>
    </message>
    <message>
        <source>Plain dav:// sends the password and the files unencrypted; it is used only after you confirm that (in the command line with --allow-plain-dav). Prefer davs://.</source>
        <translation>Einfaches dav:// überträgt Passwort und Dateien unverschlüsselt; es wird erst verwendet, nachdem Sie das bestätigt haben (in der Befehlszeile mit --allow-plain-dav). Verwenden Sie besser davs://.</translation>
    </message>
    <message>
        <source>Publishing to a site is not available in this build of Tarvex; publish to a folder and copy the files with a transfer program.</source>
        <translation>Das Veröffentlichen auf einer Website ist in dieser Version von Tarvex nicht verfügbar; veröffentlichen Sie in einen Ordner und kopieren Sie die Dateien mit einem Übertragungsprogramm.</translation>
    </message>
    <message>
        <source>An SFTP publish needs a known-hosts file that holds the server&apos;s key.</source>
        <translation>Eine Veröffentlichung per SFTP braucht eine known-hosts-Datei, die den Schlüssel des Servers enthält.</translation>
    </message>
    <message>
        <source>A WebDAV address names a path from the server&apos;s root; ~ means nothing there.</source>
        <translation>Eine WebDAV-Adresse nennt einen Pfad ab der Wurzel des Servers; ~ bedeutet dort nichts.</translation>
    </message>
    <message>
        <source>This protocol is not one Tarvex publishes by.</source>
        <translation>Dieses Protokoll wird von Tarvex nicht zum Veröffentlichen unterstützt.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2.</source>
        <translation>Der Ordner %1 existiert auf %2 nicht.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password is wrong.</source>
        <translation>%1 hat die Anmeldung von %2 abgelehnt: Das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>The server denied access (HTTP 403).</source>
        <translation>Der Server hat den Zugriff verweigert (HTTP 403).</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2, which WebDAV does not expect here.</source>
        <translation>%1 hat mit HTTP %2 geantwortet, was WebDAV hier nicht erwartet.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2, or %3 may not open it.</source>
        <translation>Der Ordner %1 existiert auf %2 nicht, oder %3 darf ihn nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 did not say which folder the login starts in, so ~ cannot be found there; name the folder from the root (/...).</source>
        <translation>%1 hat nicht mitgeteilt, in welchem Ordner die Anmeldung beginnt, daher kann ~ dort nicht gefunden werden; geben Sie den Ordner ab der Wurzel an (/...).</translation>
    </message>
    <message>
        <source>The host key of %1 has changed (it is now %2), so the server may not be the one you published to before; nothing was sent. If the server&apos;s administrator confirms the new key, remove the old entry for %1 from %3.</source>
        <translation>Der Hostschlüssel von %1 hat sich geändert (er lautet jetzt %2), daher ist der Server womöglich nicht derjenige, auf dem Sie zuvor veröffentlicht haben; es wurde nichts gesendet. Wenn der Administrator des Servers den neuen Schlüssel bestätigt, entfernen Sie den alten Eintrag für %1 aus %3.</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check the fingerprint with the server&apos;s administrator, then add the key there (for example with ssh-keyscan) or name a known-hosts file that holds it.</source>
        <translation>Der Hostschlüssel von %1 (%2) ist nicht in %3 enthalten; einem unbekannten Server wird nie vertraut. Prüfen Sie den Fingerabdruck mit dem Administrator des Servers und fügen Sie den Schlüssel dann dort hinzu (zum Beispiel mit ssh-keyscan) oder geben Sie eine known-hosts-Datei an, die ihn enthält.</translation>
    </message>
    <message>
        <source>Someone else changed %1 on the server since Tarvex last published there; nothing was sent. Publish with --force to replace them. The site is unchanged.</source>
        <translation>Jemand anderes hat %1 auf dem Server geändert, seit Tarvex zuletzt dort veröffentlicht hat; es wurde nichts gesendet. Veröffentlichen Sie mit --force, um die Dateien zu ersetzen. Die Website ist unverändert.</translation>
    </message>
    <message>
        <source>Sending %1 failed: %2</source>
        <translation>Das Senden von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Sending the publish manifest failed: %1</source>
        <translation>Das Senden des Veröffentlichungsmanifests ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1 The site is unchanged. Its temporary files are removed where the server allowed it.</source>
        <translation>%1 Die Website ist unverändert. Ihre temporären Dateien wurden entfernt, soweit der Server es zuließ.</translation>
    </message>
    <message>
        <source>Publishing was cancelled before any file was replaced.</source>
        <translation>Das Veröffentlichen wurde abgebrochen, bevor eine Datei ersetzt wurde.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 The site is unchanged.</source>
        <translation>Das Einsetzen von %1 ist fehlgeschlagen: %2 Die Website ist unverändert.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 Already replaced: %3. The site may be partly updated; publish again to complete it.</source>
        <translation>Das Einsetzen von %1 ist fehlgeschlagen: %2 Bereits ersetzt: %3. Die Website ist möglicherweise nur teilweise aktualisiert; veröffentlichen Sie erneut, um sie zu vervollständigen.</translation>
    </message>
    <message>
        <source>%1 The site is unchanged.</source>
        <translation>%1 Die Website ist unverändert.</translation>
    </message>
    <message>
        <source>The site is up to date; nothing was sent.</source>
        <translation>Die Website ist auf dem neuesten Stand; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The server&apos;s key cannot be written to a known-hosts file.</source>
        <translation>Der Schlüssel des Servers kann nicht in eine known-hosts-Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>There is no folder for the known-hosts file of Tarvex (HOME is not set).</source>
        <translation>Es gibt keinen Ordner für die known-hosts-Datei von Tarvex (HOME ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>The known-hosts file %1 could not be read, so no key was added to it.</source>
        <translation>Die known-hosts-Datei %1 konnte nicht gelesen werden, daher wurde ihr kein Schlüssel hinzugefügt.</translation>
    </message>
    <message>
        <source>The server&apos;s key could not be kept in %1.%2</source>
        <translation>Der Schlüssel des Servers konnte nicht in %1 gespeichert werden.%2</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Not all files were published to the folder %1.</source>
        <translation>Nicht alle Dateien wurden im Ordner %1 veröffentlicht.</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Geschrieben: %1.</translation>
    </message>
    <message>
        <source>Kept as they were, as you chose: %1.</source>
        <translation>Wie gewählt unverändert gelassen: %1.</translation>
    </message>
</context>
<context>
    <name>PublishMenuDialog</name>
    <message>
        <source>Publish menu</source>
        <translation>Menü veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;Classic files: one.js, main.js and the menu script
(three script lines, any page)</source>
        <translation>&amp;Klassische Dateien: one.js, main.js und das Menüskript
(drei Skriptzeilen, für jede Seite)</translation>
    </message>
    <message>
        <source>Menu &amp;module: tarvex-menu.js and tarvex-menu.css
(a link and a module script in the page&apos;s head)</source>
        <translation>Menü&amp;modul: tarvex-menu.js und tarvex-menu.css
(ein Link und ein Modulskript im Head der Seite)</translation>
    </message>
    <message>
        <source>What will your pages load?</source>
        <translation>Was sollen Ihre Seiten laden?</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>Menu Options</source>
        <translation>Menüoptionen</translation>
    </message>
    <message>
        <source>Remain Visible</source>
        <translation>Sichtbar bleiben</translation>
    </message>
    <message>
        <source>Menu Left</source>
        <translation>Menü links</translation>
    </message>
    <message>
        <source>Menu Top</source>
        <translation>Menü oben</translation>
    </message>
    <message>
        <source>Menu Width</source>
        <translation>Menübreite</translation>
    </message>
    <message>
        <source>Menu Border</source>
        <translation>Menürahmen</translation>
    </message>
    <message>
        <source>Screen Position</source>
        <translation>Bildschirmposition</translation>
    </message>
    <message>
        <source>Menu Style</source>
        <translation>Menüstil</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Textausrichtung</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Image position</source>
        <translation>Bildposition</translation>
    </message>
    <message>
        <source>Menu opening</source>
        <translation>Öffnen des Menüs</translation>
    </message>
    <message>
        <source>Menu button caption</source>
        <translation>Beschriftung der Menüschaltfläche</translation>
    </message>
    <message>
        <source>Navigation name</source>
        <translation>Navigationsname</translation>
    </message>
    <message>
        <source>Dark style</source>
        <translation>Dunkler Stil</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>When no room</source>
        <translation>Bei Platzmangel</translation>
    </message>
    <message>
        <source>More caption</source>
        <translation>Beschriftung der Gruppe Mehr</translation>
    </message>
    <message>
        <source>Small screen width</source>
        <translation>Breite für kleine Bildschirme</translation>
    </message>
    <message>
        <source>Small screen look</source>
        <translation>Aussehen auf kleinen Bildschirmen</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Badge</source>
        <translation>Badge</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Mouse Off Font</source>
        <translation>Schriftfarbe normal</translation>
    </message>
    <message>
        <source>Mouse Off Background</source>
        <translation>Hintergrund normal</translation>
    </message>
    <message>
        <source>Mouse On Font</source>
        <translation>Schriftfarbe bei Hover</translation>
    </message>
    <message>
        <source>Mouse On Background</source>
        <translation>Hintergrund bei Hover</translation>
    </message>
    <message>
        <source>Menu Border Color</source>
        <translation>Menürahmenfarbe</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>Schriftstil</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Schriftstärke</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Menu Item Padding</source>
        <translation>Innenabstand Menüeintrag</translation>
    </message>
    <message>
        <source>Sub Menu Image</source>
        <translation>Untermenü-Bild</translation>
    </message>
    <message>
        <source>3D Border &amp; Separator bar</source>
        <translation>3D-Rahmen &amp; Trennlinie</translation>
    </message>
    <message>
        <source>3D High Color</source>
        <translation>3D-Farbe hell</translation>
    </message>
    <message>
        <source>3D Low Color</source>
        <translation>3D-Farbe dunkel</translation>
    </message>
    <message>
        <source>Top Bar Image</source>
        <translation>Bild der Kopfleiste</translation>
    </message>
    <message>
        <source>Menu Header Font Color</source>
        <translation>Schriftfarbe Überschrift</translation>
    </message>
    <message>
        <source>Menu Header Background</source>
        <translation>Hintergrund Überschrift</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles</source>
        <translation>Das Projekt kann nicht erstellt werden. Es gibt keine Menüstile</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>Optionen des Hauptmenüs</translation>
    </message>
    <message>
        <source>Style name &quot;%1&quot; can not be used as a script variable; menu.js calls it %2</source>
        <translation>Der Stilname „%1“ kann nicht als Skriptvariable verwendet werden; menu.js nennt ihn %2</translation>
    </message>
    <message>
        <source>Menu name &quot;%1&quot; of &quot;%2&quot; object is already used; menu.js names this menu &quot;%3&quot;</source>
        <translation>Der Menüname „%1“ des Objekts „%2“ ist bereits vergeben; menu.js nennt dieses Menü „%3“</translation>
    </message>
    <message>
        <source>Image position &quot;%1&quot; in &quot;%2&quot; object is not left, right or center; none is used</source>
        <translation>Die Bildposition „%1“ im Objekt „%2“ ist nicht left, right oder center; es wird keine verwendet</translation>
    </message>
    <message>
        <source>Address of &quot;%1&quot; object is a javascript: address; it runs script on your pages</source>
        <translation>Die Adresse des Objekts „%1“ ist eine javascript:-Adresse; sie führt Skript auf Ihren Seiten aus</translation>
    </message>
    <message>
        <source>An entry of &quot;%1&quot; object has no caption; it is drawn as an empty row</source>
        <translation>Ein Eintrag des Objekts „%1“ hat keine Beschriftung; er wird als leere Zeile dargestellt</translation>
    </message>
    <message>
        <source>Menu style in &quot;%1&quot; object not found. Used first found menu style</source>
        <translation>Menüstil im Objekt „%1“ nicht gefunden. Der erste gefundene Menüstil wurde verwendet</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>on mouse click</source>
        <translation>bei Mausklick</translation>
    </message>
    <message>
        <source>on mouse over</source>
        <translation>beim Überfahren mit der Maus</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Menu button</source>
        <translation>Menüschaltfläche</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Wrap</source>
        <translation>Umbrechen</translation>
    </message>
    <message>
        <source>Drawer</source>
        <translation>Seitenleiste</translation>
    </message>
</context>
<context>
    <name>tarvex::TAboutForm</name>
    <message>
        <source>Korvane Tarvex designs drop-down menus for your web pages without a line of script written by hand: build the menu tree, pick the styles, watch the preview and publish.

We are glad to hear from you: questions, ideas and bug reports are all welcome.

Web: https://www.korvane.example
Feedback: https://www.korvane.example/feedback.php
E-mail: support@korvane.example
Sales: sales@korvane.example

Copyright (c) Korvane. All rights reserved.</source>
        <translation>Korvane Tarvex gestaltet Dropdown-Menüs für Ihre Webseiten, ohne dass Sie eine Zeile Skript von Hand schreiben: Menübaum aufbauen, Stile wählen, Vorschau ansehen und veröffentlichen.

Wir freuen uns, von Ihnen zu hören: Fragen, Ideen und Fehlerberichte sind jederzeit willkommen.

Web: https://www.korvane.example
Feedback: https://www.korvane.example/feedback.php
E-Mail: support@korvane.example
Vertrieb: sales@korvane.example

Copyright (c) Korvane. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>About Korvane Product</source>
        <translation>Über Korvane Product</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvex::TApplicationFolder</name>
    <message>
        <source>The folder %1 is missing: without it there is no menu engine, no preview page and no help. Install Korvane Tarvex again.</source>
        <translation>Der Ordner %1 fehlt: Ohne ihn gibt es keine Menü-Engine, keine Vorschauseite und keine Hilfe. Installieren Sie Korvane Tarvex erneut.</translation>
    </message>
</context>
<context>
    <name>tarvex::TCommandBarLayout</name>
    <message>
        <source>Unable to save settings</source>
        <translation>Einstellungen konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>tarvex::TCustomizeDialog</name>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>Symbolleisten</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Toolbars:</source>
        <translation>Symbolleisten:</translation>
    </message>
    <message>
        <source>To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.</source>
        <translation>Um einen Befehl zu einer Symbolleiste oder einem Menü hinzuzufügen, ziehen Sie ihn auf eine Symbolleiste oder auf einen Menütitel.</translation>
    </message>
    <message>
        <source>Show tips on toolbars</source>
        <translation>QuickInfos auf Symbolleisten anzeigen</translation>
    </message>
    <message>
        <source>Show shortcut keys in tips</source>
        <translation>Tastenkürzel in QuickInfos anzeigen</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Große Symbole</translation>
    </message>
</context>
<context>
    <name>tarvex::TFindField</name>
    <message>
        <source>Find captions, addresses or style names</source>
        <translation>Beschriftungen, Adressen oder Stilnamen suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>tarvex::TFoldersScanResultForm</name>
    <message>
        <source>Select Favorities Folder</source>
        <translation>Favoritenordner auswählen</translation>
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
    <name>tarvex::TImportReviewForm</name>
    <message>
        <source>Navigation to import</source>
        <translation>Zu importierende Navigation</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Entries to import; clear a check box to leave a branch out</source>
        <translation>Zu importierende Einträge; Kontrollkästchen deaktivieren, um einen Zweig auszulassen</translation>
    </message>
    <message>
        <source>%1 of %2 entries will be added.</source>
        <translation>%1 von %2 Einträgen werden hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>tarvex::TMainUserInterface</name>
    <message>
        <source>Checks: %1</source>
        <translation>Prüfungen: %1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Ersetzen der Datei bestätigen</translation>
    </message>
    <message>
        <source>This folder already contains a file named &quot;%1&quot;.

Would you like to replace the existing file?</source>
        <translation>Dieser Ordner enthält bereits eine Datei namens „%1“.

Möchten Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewStage</name>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation>Tablet (768 px)</translation>
    </message>
    <message>
        <source>Phone (375 px)</source>
        <translation>Smartphone (375 px)</translation>
    </message>
    <message>
        <source>Preview screen size</source>
        <translation>Bildschirmgröße der Vorschau</translation>
    </message>
    <message>
        <source>&amp;Screen:</source>
        <translation>&amp;Bildschirm:</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewWebPage</name>
    <message>
        <source>Blocked: the page itself tried to open %1.</source>
        <translation>Blockiert: Die Seite selbst hat versucht, %1 zu öffnen.</translation>
    </message>
    <message>
        <source>Not opened: %1 is no web address, page, document or picture of the site.</source>
        <translation>Nicht geöffnet: %1 ist weder eine Webadresse noch eine Seite, ein Dokument oder ein Bild der Website.</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridDelegate</name>
    <message>
        <source>An icon of the set, or the name of an .svg file beside the project</source>
        <translation>Ein Symbol aus dem Satz oder der Name einer .svg-Datei neben dem Projekt</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>Farbe wählen</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridModel</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishTargetForm</name>
    <message>
        <source>My site</source>
        <translation>Meine Website</translation>
    </message>
    <message>
        <source>When the address names none</source>
        <translation>Falls die Adresse keinen nennt</translation>
    </message>
    <message>
        <source>SFTP: empty uses the SSH agent or the password</source>
        <translation>SFTP: Wenn leer, werden SSH-Agent oder Passwort verwendet</translation>
    </message>
    <message>
        <source>Only for a company&apos;s own authority</source>
        <translation>Nur für eine firmeneigene Zertifizierungsstelle</translation>
    </message>
    <message>
        <source>Menu script and engine (three files)</source>
        <translation>Menüskript und Engine (drei Dateien)</translation>
    </message>
    <message>
        <source>Module (tarvex-menu.js and tarvex-menu.css)</source>
        <translation>Modul (tarvex-menu.js und tarvex-menu.css)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Dateien:</translation>
    </message>
    <message>
        <source>&amp;Key file:</source>
        <translation>&amp;Schlüsseldatei:</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Privater Schlüssel</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>C&amp;A file:</source>
        <translation>&amp;CA-Datei:</translation>
    </message>
    <message>
        <source>Certificate authority</source>
        <translation>Zertifizierungsstelle</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>Zertifikate (*.pem *.crt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Site add&amp;ress:</source>
        <translation>&amp;Website-Adresse:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishToSiteDialog</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Re&amp;member in the desktop&apos;s key store</source>
        <translation>Im Schlüsselbund des Desktops &amp;merken</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Show changes</source>
        <translation>Änderungen anzei&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Veröffentlichen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Publish to site</source>
        <translation>Auf Website veröffentlichen</translation>
    </message>
    <message>
        <source>Asked of the key store when empty</source>
        <translation>Wenn leer, wird der Schlüsselbund gefragt</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Files on the site</source>
        <translation>Dateien auf der Website</translation>
    </message>
    <message>
        <source>Progress in total</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>This project names no server yet: Add one, with the address of the folder the menu&apos;s files go to.</source>
        <translation>Dieses Projekt nennt noch keinen Server: Fügen Sie einen hinzu, mit der Adresse des Ordners, in den die Dateien des Menüs kommen.</translation>
    </message>
    <message>
        <source>Ser&amp;vers:</source>
        <translation>Serv&amp;er:</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Enter the address of the folder on the server, such as sftp://user@example.com/var/www/menu.</source>
        <translation>Geben Sie die Adresse des Ordners auf dem Server ein, z. B. sftp://user@example.com/var/www/menu.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>hinzufügen</translation>
    </message>
    <message>
        <source>replace (changed on the site by someone else)</source>
        <translation>ersetzen (von jemand anderem auf der Website geändert)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>ersetzen</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>belassen</translation>
    </message>
    <message>
        <source>The site holds these files already: nothing to send.</source>
        <translation>Die Website enthält diese Dateien bereits: Es gibt nichts zu senden.</translation>
    </message>
    <message>
        <source>Publish sends %1 of the %2 files (%3); the others are on the site already.</source>
        <translation>Beim Veröffentlichen werden %1 der %2 Dateien (%3) gesendet; die übrigen sind bereits auf der Website.</translation>
    </message>
    <message>
        <source>%1 is a plain dav:// address: the password and the files travel unencrypted, and anyone on the network between can read or change them. Send to it anyway?</source>
        <translation>%1 ist eine einfache dav://-Adresse: Passwort und Dateien werden unverschlüsselt übertragen, und jeder im Netzwerk dazwischen kann sie mitlesen oder verändern. Trotzdem dorthin senden?</translation>
    </message>
    <message>
        <source>Tarvex has not connected to %1 before. The server identifies itself with the %2 key

%3

Compare this fingerprint with the one your hosting provider gives. Trust this server from now on?</source>
        <translation>Tarvex hat sich noch nie mit %1 verbunden. Der Server weist sich mit dem %2-Schlüssel aus

%3

Vergleichen Sie diesen Fingerabdruck mit dem, den Ihr Hosting-Anbieter angibt. Diesem Server ab jetzt vertrauen?</translation>
    </message>
    <message>
        <source>The server&apos;s key was not trusted; nothing was sent.</source>
        <translation>Dem Schlüssel des Servers wurde nicht vertraut; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The desktop&apos;s key store is not available (%1): the password serves only while this dialog is open.</source>
        <translation>Der Schlüsselbund des Desktops ist nicht verfügbar (%1): Das Passwort gilt nur, solange dieser Dialog geöffnet ist.</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbindung wird hergestellt…</translation>
    </message>
    <message>
        <source>Comparing with the site…</source>
        <translation>Abgleich mit der Website…</translation>
    </message>
    <message>
        <source>Someone else changed files on the site since Tarvex last published them (marked in the list). Replace them with this project&apos;s files?</source>
        <translation>Seit Tarvex die Dateien zuletzt veröffentlicht hat, hat jemand anderes Dateien auf der Website geändert (in der Liste markiert). Sie durch die Dateien dieses Projekts ersetzen?</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>Wird veröffentlicht…</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published to %1:&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;p&gt;Veröffentlicht auf %1:&lt;/p&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Open the live page</source>
        <translation>Veröffentlichte Seite öffnen</translation>
    </message>
</context>
<context>
    <name>tarvex::TScriptWarningsForm</name>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>What visitors of the published menu would meet. Double-click one to go to it:</source>
        <translation>Worauf Besucher des veröffentlichten Menüs stoßen würden. Doppelklicken Sie auf einen Befund, um zu ihm zu gelangen:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>tarvex::TStyleTemplateForm</name>
    <message>
        <source>Style template</source>
        <translation>Stilvorlage</translation>
    </message>
    <message>
        <source>Favorites styles</source>
        <translation>Favoritenstile</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Show at start-up</source>
        <translation>Beim Start anzeigen</translation>
    </message>
</context>
<context>
    <name>tarvex::TTarvexForm</name>
    <message>
        <source>Menu creator</source>
        <translation>Menüerstellung</translation>
    </message>
    <message>
        <source>Menu styles</source>
        <translation>Menüstile</translation>
    </message>
    <message>
        <source>Show what visitors of the published menu would meet</source>
        <translation>Anzeigen, worauf Besucher des veröffentlichten Menüs stoßen würden</translation>
    </message>
    <message>
        <source>Design pages</source>
        <translation>Entwurfsseiten</translation>
    </message>
    <message>
        <source>Menu objects</source>
        <translation>Menüobjekte</translation>
    </message>
    <message>
        <source>Menu options</source>
        <translation>Menüoptionen</translation>
    </message>
    <message>
        <source>Menu item properties</source>
        <translation>Eigenschaften des Menüeintrags</translation>
    </message>
    <message>
        <source>Style properties</source>
        <translation>Stileigenschaften</translation>
    </message>
    <message>
        <source>Preview and help pages</source>
        <translation>Vorschau- und Hilfeseiten</translation>
    </message>
    <message>
        <source>File toolbar</source>
        <translation>Symbolleiste „Datei“</translation>
    </message>
    <message>
        <source>Commands toolbar</source>
        <translation>Symbolleiste „Befehle“</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Design and preview divider</source>
        <translation>Trennleiste zwischen Entwurf und Vorschau</translation>
    </message>
    <message>
        <source>Objects and properties divider</source>
        <translation>Trennleiste zwischen Objekten und Eigenschaften</translation>
    </message>
    <message>
        <source>Styles and properties divider</source>
        <translation>Trennleiste zwischen Stilen und Eigenschaften</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Quick help</source>
        <translation>Kurzhilfe</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>Menüvorschau</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used; the file has been kept as %1.</source>
        <translation>Tarvex.dat konnte nicht gelesen werden, daher werden die integrierten Menüs und Symbolleisten verwendet; die Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used.</source>
        <translation>Tarvex.dat konnte nicht gelesen werden, daher werden die integrierten Menüs und Symbolleisten verwendet.</translation>
    </message>
</context>
</TS>
