<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Checks</name>
    <message>
        <source>Style list</source>
        <translation>Liste des styles</translation>
    </message>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles.</source>
        <translation>Le projet ne peut pas être généré. Vous n&apos;avez aucun style de menu.</translation>
    </message>
    <message>
        <source>%1 more problems are not listed; mend the ones above first.</source>
        <translation>%1 autres problèmes ne sont pas listés&#xa0;; corrigez d&apos;abord ceux ci-dessus.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Conception</translation>
    </message>
    <message>
        <source>No menu uses this style.</source>
        <translation>Aucun menu n&apos;utilise ce style.</translation>
    </message>
    <message>
        <source>%1 has a contrast of %2:1; text needs at least %3:1 to be read.</source>
        <translation>%1 a un contraste de %2:1&#xa0;; un texte doit atteindre au moins %3:1 pour être lisible.</translation>
    </message>
    <message>
        <source>Its entries are %1 px high; visitors need at least 24 px to hit them (raise &quot;Font Size&quot; or &quot;Menu Item Padding&quot;).</source>
        <translation>Ses entrées font %1 px de haut&#xa0;; les visiteurs ont besoin d&apos;au moins 24 px pour les atteindre (augmentez «&#xa0;Taille de police&#xa0;» ou «&#xa0;Marge intérieure des éléments&#xa0;»).</translation>
    </message>
    <message>
        <source>Its address is a javascript: address, which runs script on your pages and does nothing where script is blocked.</source>
        <translation>Son adresse est une adresse javascript:, qui exécute du script sur vos pages et ne fait rien là où les scripts sont bloqués.</translation>
    </message>
    <message>
        <source>The item has no address, so visitors cannot follow it.</source>
        <translation>L&apos;élément n&apos;a pas d&apos;adresse, donc les visiteurs ne peuvent pas le suivre.</translation>
    </message>
    <message>
        <source>Its address is still the placeholder &quot;%1&quot;; give it the page it should open, or clear it.</source>
        <translation>Son adresse est encore l&apos;espace réservé «&#xa0;%1&#xa0;»&#xa0;; indiquez la page qu&apos;elle doit ouvrir, ou videz-la.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; is also the address of &quot;%2&quot; in this menu.</source>
        <translation>Son adresse «&#xa0;%1&#xa0;» est aussi celle de «&#xa0;%2&#xa0;» dans ce menu.</translation>
    </message>
    <message>
        <source>The entry has no caption; visitors see an empty row.</source>
        <translation>L&apos;entrée n&apos;a pas de libellé&#xa0;; les visiteurs voient une ligne vide.</translation>
    </message>
    <message>
        <source>Its caption is %1 characters long; more than %2 wrap onto further lines.</source>
        <translation>Son libellé fait %1 caractères&#xa0;; au-delà de %2, il se poursuit sur d&apos;autres lignes.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; names no file in the site&apos;s folder.</source>
        <translation>Son adresse «&#xa0;%1&#xa0;» ne désigne aucun fichier du dossier du site.</translation>
    </message>
    <message>
        <source>The group has no entries, so its submenu opens nothing.</source>
        <translation>Le groupe n&apos;a aucune entrée, donc son sous-menu n&apos;ouvre rien.</translation>
    </message>
    <message>
        <source>Its submenu is nested %1 levels deep; menus deeper than %2 levels are hard to reach.</source>
        <translation>Son sous-menu est imbriqué sur %1 niveaux&#xa0;; les menus de plus de %2 niveaux sont difficiles à atteindre.</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot;</source>
        <translation>Style «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>Options du menu principal</translation>
    </message>
    <message>
        <source>(no caption)</source>
        <translation>(sans libellé)</translation>
    </message>
    <message>
        <source>Its description is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>Sa description est dessinée à %1 px en %2, soit un contraste de %3:1&#xa0;; un texte aussi petit doit atteindre au moins %4:1 pour être lisible.</translation>
    </message>
    <message>
        <source>Its badge is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>Son badge est dessiné à %1 px en %2, soit un contraste de %3:1&#xa0;; un texte aussi petit doit atteindre au moins %4:1 pour être lisible.</translation>
    </message>
    <message>
        <source>Its icon &quot;%1&quot; is none of the drawn icons and no .svg file, so no icon is drawn.</source>
        <translation>Son icône «&#xa0;%1&#xa0;» n&apos;est ni l&apos;une des icônes dessinées ni un fichier .svg, donc aucune icône n&apos;est dessinée.</translation>
    </message>
    <message>
        <source>Its icon file &quot;%1&quot; %2, so no icon is drawn.</source>
        <translation>Le fichier d&apos;icône «&#xa0;%1&#xa0;» %2, donc aucune icône n&apos;est dessinée.</translation>
    </message>
    <message>
        <source>at the small screen width of %1 px</source>
        <translation>à la largeur des petits écrans de %1 px</translation>
    </message>
    <message>
        <source>in a window %1 px wide</source>
        <translation>dans une fenêtre de %1 px de large</translation>
    </message>
    <message>
        <source>Its panel&apos;s %1 columns need about %2 px, but %3 only %4 fit, so the captions are squeezed (set &quot;Columns&quot; to %4 or 0, or raise &quot;Small screen width&quot; on the main menu).</source>
        <translation>Les %1 colonnes de son panneau demandent environ %2 px, mais %3 seules %4 tiennent, donc les libellés sont comprimés (réglez «&#xa0;Colonnes&#xa0;» sur %4 ou 0, ou augmentez «&#xa0;Largeur des petits écrans&#xa0;» dans les options du menu principal).</translation>
    </message>
    <message>
        <source>&quot;When no room&quot; is More, but &quot;More caption&quot; holds only characters that draw nothing, so the entry that gathers the rest of the bar is empty and screen readers give it no name; type a caption or empty the field for &quot;More&quot;.</source>
        <translation>«&#xa0;Si la place manque&#xa0;» vaut Plus, mais «&#xa0;Libellé du groupe Plus&#xa0;» ne contient que des caractères qui ne dessinent rien&#xa0;: l&apos;entrée qui rassemble le reste de la barre est donc vide et les lecteurs d&apos;écran ne lui donnent aucun nom&#xa0;; saisissez un libellé ou videz le champ pour obtenir «&#xa0;Plus&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;Mouse Off Font&quot; on &quot;Mouse Off Background&quot;</source>
        <translation>«&#xa0;Couleur du texte (normal)&#xa0;» sur «&#xa0;Arrière-plan (normal)&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;Mouse On Font&quot; on &quot;Mouse On Background&quot;</source>
        <translation>«&#xa0;Couleur du texte (survol)&#xa0;» sur «&#xa0;Arrière-plan (survol)&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;Menu Header Font Color&quot; on &quot;Menu Header Background&quot;</source>
        <translation>«&#xa0;Couleur du texte d&apos;en-tête&#xa0;» sur «&#xa0;Arrière-plan d&apos;en-tête&#xa0;»</translation>
    </message>
    <message>
        <source>ends before its elements are closed</source>
        <translation>se termine avant que ses éléments soient fermés</translation>
    </message>
    <message>
        <source>holds no svg element</source>
        <translation>ne contient aucun élément svg</translation>
    </message>
    <message>
        <source>has a comment that does not end</source>
        <translation>contient un commentaire qui ne se termine pas</translation>
    </message>
    <message>
        <source>declares a document type, entities or character data, which an icon may not</source>
        <translation>déclare un type de document, des entités ou des données caractères, ce qu&apos;une icône ne peut pas faire</translation>
    </message>
    <message>
        <source>has an XML declaration that does not end</source>
        <translation>contient une déclaration XML qui ne se termine pas</translation>
    </message>
    <message>
        <source>holds a processing instruction</source>
        <translation>contient une instruction de traitement</translation>
    </message>
    <message>
        <source>is not well-formed XML</source>
        <translation>n&apos;est pas du XML bien formé</translation>
    </message>
    <message>
        <source>holds a %1 element, which an icon may not</source>
        <translation>contient un élément %1, ce qu&apos;une icône ne peut pas faire</translation>
    </message>
    <message>
        <source>holds more than one drawing</source>
        <translation>contient plus d&apos;un dessin</translation>
    </message>
    <message>
        <source>does not begin with an svg element</source>
        <translation>ne commence pas par un élément svg</translation>
    </message>
    <message>
        <source>holds an svg element inside another</source>
        <translation>contient un élément svg dans un autre</translation>
    </message>
    <message>
        <source>nests its elements more than %1 deep</source>
        <translation>imbrique ses éléments sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>ends inside the %1 element&apos;s tag</source>
        <translation>se termine à l&apos;intérieur de la balise de l&apos;élément %1</translation>
    </message>
    <message>
        <source>closes a %1 element it did not open</source>
        <translation>ferme un élément %1 qu&apos;il n&apos;a pas ouvert</translation>
    </message>
    <message>
        <source>has an event attribute (%1)</source>
        <translation>a un attribut d&apos;événement (%1)</translation>
    </message>
    <message>
        <source>links to another file or address (%1)</source>
        <translation>renvoie à un autre fichier ou à une autre adresse (%1)</translation>
    </message>
    <message>
        <source>refers to something outside the drawing (%1)</source>
        <translation>fait référence à quelque chose hors du dessin (%1)</translation>
    </message>
    <message>
        <source>uses an entity (&amp;%1;), which an icon may not</source>
        <translation>utilise une entité (&amp;%1;), ce qu&apos;une icône ne peut pas faire</translation>
    </message>
    <message>
        <source>is larger than %1 KB</source>
        <translation>fait plus de %1&#xa0;Ko</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>cannot be found until the project is saved, since it is looked for beside the project</source>
        <translation>ne peut être trouvé qu&apos;une fois le projet enregistré, car il est cherché dans le dossier du projet</translation>
    </message>
    <message>
        <source>is not beside the project (name it relative to the project&apos;s folder, without &quot;..&quot;)</source>
        <translation>n&apos;est pas dans le dossier du projet (indiquez-le relativement au dossier du projet, sans «&#xa0;..&#xa0;»)</translation>
    </message>
    <message>
        <source>does not exist beside the project</source>
        <translation>n&apos;existe pas dans le dossier du projet</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create new project</source>
        <translation>Créer un nouveau projet</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open existing project</source>
        <translation>Ouvrir un projet existant</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>Enregistrer le projet en cours</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Enregistrer sous ...</translation>
    </message>
    <message>
        <source>S&amp;ave as ...</source>
        <translation>Enregistrer &amp;sous ...</translation>
    </message>
    <message>
        <source>Save project as</source>
        <translation>Enregistrer le projet sous</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>Publier le menu</translation>
    </message>
    <message>
        <source>&amp;Publish menu</source>
        <translation>&amp;Publier le menu</translation>
    </message>
    <message>
        <source>Create necessary files to publish menu</source>
        <translation>Créer les fichiers nécessaires à la publication du menu</translation>
    </message>
    <message>
        <source>Publish to site…</source>
        <translation>Publier sur le site…</translation>
    </message>
    <message>
        <source>Publish &amp;to site…</source>
        <translation>Publier sur le si&amp;te…</translation>
    </message>
    <message>
        <source>Send the menu&apos;s files straight to a web server</source>
        <translation>Envoyer les fichiers du menu directement vers un serveur web</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Export menu as HTML</source>
        <translation>Exporter le menu en HTML</translation>
    </message>
    <message>
        <source>E&amp;xport menu as HTML</source>
        <translation>E&amp;xporter le menu en HTML</translation>
    </message>
    <message>
        <source>Write the menu as a plain HTML list of links</source>
        <translation>Écrire le menu sous forme de simple liste de liens HTML</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>Couper la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>Copier la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Paste from the clipboard after the selection</source>
        <translation>Coller le contenu du presse-papiers après la sélection</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>Duplicate the selection</source>
        <translation>Dupliquer la sélection</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>Déplacer la sélection vers le haut</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Desc&amp;endre</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>Déplacer la sélection vers le bas</translation>
    </message>
    <message>
        <source>Move out of the group</source>
        <translation>Sortir du groupe</translation>
    </message>
    <message>
        <source>Move &amp;out of the group</source>
        <translation>&amp;Sortir du groupe</translation>
    </message>
    <message>
        <source>Move the selection out of its group</source>
        <translation>Sortir la sélection de son groupe</translation>
    </message>
    <message>
        <source>Move into the previous group</source>
        <translation>Déplacer dans le groupe précédent</translation>
    </message>
    <message>
        <source>Move &amp;into the previous group</source>
        <translation>Déplacer dans le groupe &amp;précédent</translation>
    </message>
    <message>
        <source>Move the selection into the group above it</source>
        <translation>Déplacer la sélection dans le groupe situé au-dessus</translation>
    </message>
    <message>
        <source>Sort by caption</source>
        <translation>Trier par libellé</translation>
    </message>
    <message>
        <source>&amp;Sort by caption</source>
        <translation>&amp;Trier par libellé</translation>
    </message>
    <message>
        <source>Sort the entries of the selected group by caption</source>
        <translation>Trier les entrées du groupe sélectionné par libellé</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>Find captions, addresses and style names</source>
        <translation>Rechercher des libellés, des adresses et des noms de style</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Rechercher le sui&amp;vant</translation>
    </message>
    <message>
        <source>Select the next match</source>
        <translation>Sélectionner la correspondance suivante</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>New menu group</source>
        <translation>Nouveau groupe de menu</translation>
    </message>
    <message>
        <source>&amp;New menu group</source>
        <translation>&amp;Nouveau groupe de menu</translation>
    </message>
    <message>
        <source>Create new menu group</source>
        <translation>Créer un nouveau groupe de menu</translation>
    </message>
    <message>
        <source>Delete menu group</source>
        <translation>Supprimer le groupe de menu</translation>
    </message>
    <message>
        <source>&amp;Delete menu group</source>
        <translation>Supp&amp;rimer le groupe de menu</translation>
    </message>
    <message>
        <source>Delete selected menu group</source>
        <translation>Supprimer le groupe de menu sélectionné</translation>
    </message>
    <message>
        <source>How to use groups</source>
        <translation>Utilisation des groupes</translation>
    </message>
    <message>
        <source>H&amp;ow to use groups</source>
        <translation>Utilisation des &amp;groupes</translation>
    </message>
    <message>
        <source>New menu item</source>
        <translation>Nouvel élément de menu</translation>
    </message>
    <message>
        <source>N&amp;ew menu item</source>
        <translation>N&amp;ouvel élément de menu</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>Créer un nouvel élément de menu</translation>
    </message>
    <message>
        <source>Delete menu item</source>
        <translation>Supprimer l&apos;élément de menu</translation>
    </message>
    <message>
        <source>De&amp;lete menu item</source>
        <translation>Suppr&amp;imer l&apos;élément de menu</translation>
    </message>
    <message>
        <source>Delete selected menu item</source>
        <translation>Supprimer l&apos;élément de menu sélectionné</translation>
    </message>
    <message>
        <source>How to use menu item</source>
        <translation>Utilisation des éléments de menu</translation>
    </message>
    <message>
        <source>&amp;How to use menu item</source>
        <translation>&amp;Utilisation des éléments de menu</translation>
    </message>
    <message>
        <source>How to use menu options</source>
        <translation>Utilisation des options du menu</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Styles</translation>
    </message>
    <message>
        <source>New style</source>
        <translation>Nouveau style</translation>
    </message>
    <message>
        <source>&amp;New style</source>
        <translation>&amp;Nouveau style</translation>
    </message>
    <message>
        <source>Create new menu item style</source>
        <translation>Créer un nouveau style d&apos;élément de menu</translation>
    </message>
    <message>
        <source>Insert favorete style</source>
        <translation>Insérer un style favori</translation>
    </message>
    <message>
        <source>&amp;Insert favorete style</source>
        <translation>&amp;Insérer un style favori</translation>
    </message>
    <message>
        <source>Delete style</source>
        <translation>Supprimer le style</translation>
    </message>
    <message>
        <source>&amp;Delete style</source>
        <translation>Supp&amp;rimer le style</translation>
    </message>
    <message>
        <source>Delete selected style</source>
        <translation>Supprimer le style sélectionné</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>&amp;Add to favorites</source>
        <translation>Ajouter aux &amp;favoris</translation>
    </message>
    <message>
        <source>Add current style to favorites</source>
        <translation>Ajouter le style actuel aux favoris</translation>
    </message>
    <message>
        <source>How to use styles</source>
        <translation>Utilisation des styles</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Actualiser l&apos;aperçu</translation>
    </message>
    <message>
        <source>U&amp;pdate Preview</source>
        <translation>&amp;Actualiser l&apos;aperçu</translation>
    </message>
    <message>
        <source>Update preview window</source>
        <translation>Actualiser la fenêtre d&apos;aperçu</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>Ouvrir une page HTML pour l&apos;aperçu</translation>
    </message>
    <message>
        <source>&amp;Open HTML to preview</source>
        <translation>&amp;Ouvrir une page HTML pour l&apos;aperçu</translation>
    </message>
    <message>
        <source>Use default preview</source>
        <translation>Utiliser l&apos;aperçu par défaut</translation>
    </message>
    <message>
        <source>&amp;Use default preview</source>
        <translation>&amp;Utiliser l&apos;aperçu par défaut</translation>
    </message>
    <message>
        <source>Use default HTML page to preview</source>
        <translation>Utiliser la page HTML par défaut pour l&apos;aperçu</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>From windows favorities</source>
        <translation>Depuis les favoris Windows</translation>
    </message>
    <message>
        <source>Import menu from windows favorities</source>
        <translation>Importer le menu depuis les favoris Windows</translation>
    </message>
    <message>
        <source>From bookmarks file</source>
        <translation>Depuis un fichier de marque-pages</translation>
    </message>
    <message>
        <source>Import from &amp;bookmarks file...</source>
        <translation>Importer depuis un fichier de &amp;marque-pages...</translation>
    </message>
    <message>
        <source>Import menu from a browser&apos;s bookmarks file</source>
        <translation>Importer le menu depuis le fichier de marque-pages d&apos;un navigateur</translation>
    </message>
    <message>
        <source>From site map</source>
        <translation>Depuis un plan du site</translation>
    </message>
    <message>
        <source>Import from &amp;site map...</source>
        <translation>Importer depuis un plan du &amp;site...</translation>
    </message>
    <message>
        <source>Import menu from a site map (sitemap.xml)</source>
        <translation>Importer le menu depuis un plan du site (sitemap.xml)</translation>
    </message>
    <message>
        <source>From page navigation</source>
        <translation>Depuis la navigation d&apos;une page</translation>
    </message>
    <message>
        <source>Import from page &amp;navigation...</source>
        <translation>Importer depuis la &amp;navigation d&apos;une page...</translation>
    </message>
    <message>
        <source>Import menu from the navigation of an HTML page</source>
        <translation>Importer le menu depuis la navigation d&apos;une page HTML</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Personnaliser</translation>
    </message>
    <message>
        <source>Customize toolbar</source>
        <translation>Personnaliser la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to use program</source>
        <translation>Utilisation du programme</translation>
    </message>
    <message>
        <source>&amp;How to use program</source>
        <translation>&amp;Utilisation du programme</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>H&amp;ome page</source>
        <translation>Page d&apos;&amp;accueil</translation>
    </message>
    <message>
        <source>Korvane home page</source>
        <translation>Page d&apos;accueil de Korvane</translation>
    </message>
    <message>
        <source>E-Mail to us</source>
        <translation>Nous écrire</translation>
    </message>
    <message>
        <source>&amp;E-Mail to us</source>
        <translation>&amp;Nous écrire</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>À propos du programme</translation>
    </message>
    <message>
        <source>&amp;About program</source>
        <translation>À &amp;propos du programme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Styles</source>
        <translation>&amp;Styles</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Recent files...</source>
        <translation>Fichiers récents...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Change %1</source>
        <translation>Modifier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation>Modifier %1 valeurs</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Sortir du groupe</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>Déplacer dans le groupe</translation>
    </message>
    <message>
        <source>Insert Favorite Style</source>
        <translation>Insérer un style favori</translation>
    </message>
    <message>
        <source>Import Favorites</source>
        <translation>Importer les favoris</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importer le menu</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Ajouter un élément</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>Déplacer le groupe</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Déplacer l&apos;élément</translation>
    </message>
    <message>
        <source>Sort by Caption</source>
        <translation>Trier par libellé</translation>
    </message>
    <message>
        <source>Repair menu style</source>
        <translation>Réparer le style de menu</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Nouveau style</translation>
    </message>
    <message>
        <source>Delete Style</source>
        <translation>Supprimer le style</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>%1 would make the project larger than %2, more than Tarvex can open again. Nothing was added.</source>
        <translation>%1 rendrait le projet plus grand que %2, soit plus que ce que Tarvex peut rouvrir. Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Importing this</source>
        <translation>Cette importation</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1, more than a Tarvex project can hold. Nothing was pasted.</source>
        <translation>Le presse-papiers contient plus de %1, soit plus que ce qu&apos;un projet Tarvex peut contenir. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>Pasting this</source>
        <translation>Ce collage</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Project has changed. Do you want to save changes?</source>
        <translation>Le projet a été modifié. Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot create file %1.%2</source>
        <translation>Impossible de créer le fichier %1.%2</translation>
    </message>
    <message>
        <source>Tarvex Files (xml)|*.xml|All files|*.*</source>
        <translation>Fichiers Tarvex (xml)|*.xml|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Select menu style which you want add to favorites</source>
        <translation>Sélectionnez le style de menu à ajouter aux favoris</translation>
    </message>
    <message>
        <source>Favotite style name</source>
        <translation>Nom du style favori</translation>
    </message>
    <message>
        <source>Type favorite name</source>
        <translation>Saisissez le nom du favori</translation>
    </message>
    <message>
        <source>Style with this name already exist. Use another style name</source>
        <translation>Un style portant ce nom existe déjà. Utilisez un autre nom de style</translation>
    </message>
    <message>
        <source>The favorites file cannot hold these characters, so they become &quot;?&quot; in the favorite (the project keeps them): %1

Add to favorites anyway?</source>
        <translation>Le fichier des favoris ne peut pas contenir ces caractères, qui deviennent «&#xa0;?&#xa0;» dans le favori (le projet les conserve)&#xa0;: %1

Ajouter quand même aux favoris&#xa0;?</translation>
    </message>
    <message>
        <source>Can&apos;t save read-only file %1!</source>
        <translation>Impossible d&apos;enregistrer le fichier en lecture seule %1&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is open in another Tarvex window.</source>
        <translation>%1 est ouvert dans une autre fenêtre de Tarvex.</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program since you opened it.</source>
        <translation>Le fichier %1 a été modifié par un autre programme depuis que vous l&apos;avez ouvert.</translation>
    </message>
    <message>
        <source>Unable to save %1 in the folder %2!</source>
        <translation>Impossible d&apos;enregistrer %1 dans le dossier %2&#xa0;!</translation>
    </message>
    <message>
        <source>%1%2

Save the project in another folder?</source>
        <translation>%1%2

Enregistrer le projet dans un autre dossier&#xa0;?</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Do you want to reload it?</source>
        <translation>Le fichier %1 a été modifié par un autre programme. Voulez-vous le recharger&#xa0;?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Tarvex was not closed properly. These designs had changes that were not saved:

%1

Recover them?</source>
        <translation>Tarvex n&apos;a pas été fermé correctement. Ces conceptions comportaient des modifications non enregistrées&#xa0;:

%1

Les récupérer&#xa0;?</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html|All files|*.*</source>
        <translation>Fichiers HTML|*.htm;*.html|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Import bookmarks</source>
        <translation>Importer des marque-pages</translation>
    </message>
    <message>
        <source>Import site map</source>
        <translation>Importer un plan du site</translation>
    </message>
    <message>
        <source>Import page navigation</source>
        <translation>Importer la navigation d&apos;une page</translation>
    </message>
    <message>
        <source>You have not selected folder.</source>
        <translation>Vous n&apos;avez sélectionné aucun dossier.</translation>
    </message>
    <message>
        <source>Can&apos;t find favirities directory.</source>
        <translation>Dossier des favoris introuvable.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>Ce type d&apos;importation n&apos;est pas disponible dans cette version de Tarvex.</translation>
    </message>
    <message>
        <source>Bookmark files (html)|*.html;*.htm|All files|*.*</source>
        <translation>Fichiers de marque-pages (html)|*.html;*.htm|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Site maps (xml)|*.xml|All files|*.*</source>
        <translation>Plans du site (xml)|*.xml|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Tarvex cannot use %1: drop a project, a bookmarks file, a site map or a web page.</source>
        <translation>Tarvex ne peut pas utiliser %1&#xa0;: déposez un projet, un fichier de marque-pages, un plan du site ou une page web.</translation>
    </message>
    <message>
        <source>Create new group</source>
        <translation>Créer un nouveau groupe</translation>
    </message>
    <message>
        <source>Type new group name</source>
        <translation>Saisissez le nom du nouveau groupe</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>Créer un nouvel élément de menu</translation>
    </message>
    <message>
        <source>Type new menu item name</source>
        <translation>Saisissez le nom du nouvel élément de menu</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu group?</source>
        <translation>Voulez-vous vraiment supprimer le groupe de menu «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu item?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;élément de menu «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>You can&apos;t drag&amp;drop Menu Options</source>
        <translation>Les options du menu ne peuvent pas être déplacées par glisser&amp;déposer</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>Ouvrir une page HTML pour l&apos;aperçu</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>one, main.js and %1</source>
        <translation>one.js, main.js et %1</translation>
    </message>
    <message>
        <source>Files: %1 was saved. Go to help file to lern more about adding menu to your HTML files</source>
        <translation>Fichiers enregistrés&#xa0;: %1. Consultez l&apos;aide pour savoir comment ajouter le menu à vos fichiers HTML.</translation>
    </message>
    <message>
        <source>JavaScript files (js)|*.js|All files|*.*</source>
        <translation>Fichiers JavaScript (js)|*.js|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>Publier le menu</translation>
    </message>
    <message>
        <source>Publish menu module: the folder for %1 and %2</source>
        <translation>Publier le module de menu&#xa0;: dossier pour %1 et %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… et %1 autres.</translation>
    </message>
    <message>
        <source>The menu has 1 problem that visitors will meet:
%2

Publish anyway?</source>
        <translation>Le menu comporte un problème que les visiteurs rencontreront&#xa0;:
%2

Publier quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The menu has %1 problems that visitors will meet:
%2

Publish anyway?</source>
        <translation>Le menu comporte %1 problèmes que les visiteurs rencontreront&#xa0;:
%2

Publier quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>The page refers to files above its own folder. Choose the folder of your site, so that the preview shows them too?</source>
        <translation>La page fait référence à des fichiers situés au-dessus de son propre dossier. Choisir le dossier de votre site pour que l&apos;aperçu les affiche aussi&#xa0;?</translation>
    </message>
    <message>
        <source>Site folder of %1</source>
        <translation>Dossier du site de %1</translation>
    </message>
    <message>
        <source>The folder %1 does not hold the page; the preview reads from the page&apos;s own folder.</source>
        <translation>Le dossier %1 ne contient pas la page&#xa0;; l&apos;aperçu lit le dossier propre à la page.</translation>
    </message>
    <message>
        <source>Create new style</source>
        <translation>Créer un nouveau style</translation>
    </message>
    <message>
        <source>Type new menu style name</source>
        <translation>Saisissez le nom du nouveau style de menu</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; style?</source>
        <translation>Voulez-vous vraiment supprimer le style «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>favorites.dat could not be read completely at start-up. It has been kept as %1, and a new favorites.dat holds the favorite styles of this run.</source>
        <translation>favorites.dat n&apos;a pas pu être lu entièrement au démarrage. Il a été conservé sous %1, et un nouveau favorites.dat contient les styles favoris de cette session.</translation>
    </message>
    <message>
        <source>A menu entry needs a caption</source>
        <translation>Une entrée de menu doit avoir un libellé</translation>
    </message>
    <message>
        <source>No style yet: add one on the Menu styles page, or Insert favourite style</source>
        <translation>Pas encore de style&#xa0;: ajoutez-en un dans la page Styles du menu, ou utilisez Insérer un style favori</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The folder does not let a new file be made, which a safe save needs.</source>
        <translation>Le dossier ne permet pas de créer un nouveau fichier, ce qu&apos;exige un enregistrement sûr.</translation>
    </message>
    <message>
        <source> %1</source>
        <extracomment>Puts the reason after the sentence it explains.</extracomment>
        <translation> %1</translation>
    </message>
    <message>
        <source>The file %1 is too large for a Tarvex project (more than %2 MB).</source>
        <translation>Le fichier %1 est trop volumineux pour un projet Tarvex (plus de %2 Mo).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>Impossible de lire le fichier %1&#xa0;!</translation>
    </message>
    <message>
        <source>The file %1 is not a Tarvex project!</source>
        <translation>Le fichier %1 n&apos;est pas un projet Tarvex&#xa0;!</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 menu entries and styles, more than a Tarvex project may hold.</source>
        <translation>Le fichier %1 contient plus de %2 entrées de menu et styles, soit plus qu&apos;un projet Tarvex ne peut en contenir.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Bookmarks</source>
        <translation>Marque-pages</translation>
    </message>
    <message>
        <source>Site map</source>
        <translation>Plan du site</translation>
    </message>
    <message>
        <source>The file holds no bookmarks.</source>
        <translation>Le fichier ne contient aucun marque-page.</translation>
    </message>
    <message>
        <source>The bookmarks nest folders deeper than %1 levels.</source>
        <translation>Les marque-pages imbriquent des dossiers sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The bookmarks file</source>
        <translation>Le fichier de marque-pages</translation>
    </message>
    <message>
        <source>These shortcut files could not be read and were left out:%1</source>
        <translation>Ces fichiers de raccourci n&apos;ont pas pu être lus et ont été ignorés&#xa0;:%1</translation>
    </message>
    <message>
        <source>The folder holds more than %1 entries; only the first %1 were read.</source>
        <translation>Le dossier contient plus de %1 entrées&#xa0;; seules les %1 premières ont été lues.</translation>
    </message>
    <message>
        <source>%1 is in UTF-16; save it as UTF-8 and import it again.</source>
        <translation>%1 est en UTF-16&#xa0;; enregistrez-le en UTF-8 et importez-le de nouveau.</translation>
    </message>
    <message>
        <source>%1 has too many elements to import (more than %2).</source>
        <translation>%1 contient trop d&apos;éléments à importer (plus de %2).</translation>
    </message>
    <message>
        <source>%1 is nested too deeply to import (more than %2 levels).</source>
        <translation>%1 a une imbrication trop profonde pour l&apos;importation (plus de %2 niveaux).</translation>
    </message>
    <message>
        <source>%1 could not be read as HTML.</source>
        <translation>%1 n&apos;est pas lisible en HTML.</translation>
    </message>
    <message>
        <source>The file %1 is too large to import (more than %2 MB).</source>
        <translation>Le fichier %1 est trop volumineux pour être importé (plus de %2 Mo).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>Impossible de lire le fichier %1&#xa0;!</translation>
    </message>
    <message>
        <source>1 link%1</source>
        <translation>1 lien%1</translation>
    </message>
    <message>
        <source>%1 links%2</source>
        <translation>%1 liens%2</translation>
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
        <translation>La page</translation>
    </message>
    <message>
        <source>The page&apos;s navigation nests deeper than %1 levels.</source>
        <translation>La navigation de la page est imbriquée sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The page has no navigation: no nav element and no list of links.</source>
        <translation>La page n&apos;a pas de navigation&#xa0;: ni élément nav, ni liste de liens.</translation>
    </message>
    <message>
        <source>%1 is compressed; unpack it (gunzip) and import the .xml file.</source>
        <translation>%1 est compressé&#xa0;; décompressez-le (gunzip) et importez le fichier .xml.</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2 at byte %3).</source>
        <translation>%1 n&apos;est pas un XML bien formé (%2 à l&apos;octet %3).</translation>
    </message>
    <message>
        <source>The site map %1</source>
        <translation>Le plan du site %1</translation>
    </message>
    <message>
        <source>The site map %1 lists no pages (its root is not &lt;urlset&gt;).</source>
        <translation>Le plan du site %1 ne répertorie aucune page (sa racine n&apos;est pas &lt;urlset&gt;).</translation>
    </message>
    <message>
        <source>None of the index&apos;s site maps is in the index&apos;s folder: %1.</source>
        <translation>Aucun des plans du site de l&apos;index ne se trouve dans le dossier de l&apos;index&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The site map</source>
        <translation>Le plan du site</translation>
    </message>
    <message>
        <source>The site-map index lists more than %1 site maps.</source>
        <translation>L&apos;index de plans du site répertorie plus de %1 plans du site.</translation>
    </message>
    <message>
        <source>The file is not a site map: its root element is &lt;%1&gt;.</source>
        <translation>Le fichier n&apos;est pas un plan du site&#xa0;: son élément racine est &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>The site map lists more than %1 pages.</source>
        <translation>Le plan du site répertorie plus de %1 pages.</translation>
    </message>
    <message>
        <source>The site map&apos;s addresses nest deeper than %1 folders.</source>
        <translation>Les adresses du plan du site sont imbriquées sur plus de %1 dossiers.</translation>
    </message>
    <message>
        <source>The site map lists no web pages.</source>
        <translation>Le plan du site ne répertorie aucune page web.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>Ce type d&apos;importation n&apos;est pas disponible dans cette version de Tarvex.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation>La nouvelle langue prendra effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Langue du bureau</translation>
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
        <translation>Ouvrir &amp;quand même</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>O&amp;ui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Écraser</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>Su&amp;pprimer</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Plus &amp;tard</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Connected to %1; the folder is there and Tarvex may log in.</source>
        <translation>Connecté à %1&#xa0;; le dossier existe et Tarvex peut s&apos;y connecter.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password or key is wrong, or the key is not allowed there.</source>
        <translation>%1 a refusé la connexion de %2&#xa0;: le mot de passe ou la clé est incorrect, ou la clé n&apos;y est pas autorisée.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so the server may not be the one it claims to be; nothing was sent. If the site&apos;s certificate comes from an authority of its own, name that authority&apos;s certificate as the CA file.</source>
        <translation>Le certificat de %1 n&apos;a pas pu être vérifié (%2), donc le serveur n&apos;est peut-être pas celui qu&apos;il prétend être&#xa0;; rien n&apos;a été envoyé. Si le certificat du site provient de sa propre autorité, indiquez le certificat de cette autorité comme fichier AC.</translation>
    </message>
    <message>
        <source>Could not connect to %1 (%2).</source>
        <translation>Impossible de se connecter à %1 (%2).</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>Le disque du serveur est plein.</translation>
    </message>
    <message>
        <source>The server denied access (%1).</source>
        <translation>Le serveur a refusé l&apos;accès (%1).</translation>
    </message>
    <message>
        <source>The connection to %1 failed (%2).</source>
        <translation>La connexion à %1 a échoué (%2).</translation>
    </message>
    <message>
        <source>The server in %1 is not a host name or address.</source>
        <translation>Le serveur de %1 n&apos;est ni un nom d&apos;hôte ni une adresse.</translation>
    </message>
    <message>
        <source>The port in %1 is not a number from 1 to 65535.</source>
        <translation>Le port de %1 n&apos;est pas un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server.</source>
        <translation>L&apos;adresse %1 n&apos;indique aucun protocole&#xa0;; écrivez sftp://, ftps:// ou davs:// devant le serveur.</translation>
    </message>
    <message>
        <source>Plain ftp:// sends the password and the files unencrypted, readable by anyone on the way; use sftp:// or ftps:// (FTP with TLS) instead.</source>
        <translation>Le simple ftp:// envoie le mot de passe et les fichiers en clair, lisibles par n&apos;importe qui sur le trajet&#xa0;; utilisez plutôt sftp:// ou ftps:// (FTP avec TLS).</translation>
    </message>
    <message>
        <source>The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://.</source>
        <translation>Tarvex ne publie pas par le protocole %1://&#xa0;; utilisez sftp://, ftps:// ou davs://.</translation>
    </message>
    <message>
        <source>The address %1 holds a query or fragment; name only the folder.</source>
        <translation>L&apos;adresse %1 contient une requête ou un fragment&#xa0;; indiquez seulement le dossier.</translation>
    </message>
    <message>
        <source>The address %1 holds a password or an unusable user name; the password is never part of the address.</source>
        <translation>L&apos;adresse %1 contient un mot de passe ou un nom d&apos;utilisateur inutilisable&#xa0;; le mot de passe ne fait jamais partie de l&apos;adresse.</translation>
    </message>
    <message>
        <source>Plain dav:// is unencrypted and allowed only on this computer or a private network; use davs:// (WebDAV over HTTPS) for %1.</source>
        <translation>Le simple dav:// n&apos;est pas chiffré et n&apos;est autorisé que sur cet ordinateur ou sur un réseau privé&#xa0;; utilisez davs:// (WebDAV sur HTTPS) pour %1.</translation>
    </message>
    <message>
        <source>The folder in %1 is not usable: it may not contain &quot;..&quot;, control characters, quotes or back-slashes.</source>
        <translation>Le dossier de %1 n&apos;est pas utilisable&#xa0;: il ne doit contenir ni «&#xa0;..&#xa0;», ni caractères de contrôle, ni guillemets, ni barres obliques inverses.</translation>
    </message>
    <message>
        <source>Plain dav:// sends the password and the files unencrypted; it is used only after you confirm that (in the command line with --allow-plain-dav). Prefer davs://.</source>
        <translation>Le simple dav:// envoie le mot de passe et les fichiers en clair&#xa0;; il n&apos;est utilisé qu&apos;après votre confirmation (en ligne de commande avec --allow-plain-dav). Préférez davs://.</translation>
    </message>
    <message>
        <source>Publishing to a site is not available in this build of Tarvex; publish to a folder and copy the files with a transfer program.</source>
        <translation>La publication sur un site n&apos;est pas disponible dans cette version de Tarvex&#xa0;; publiez dans un dossier et copiez les fichiers avec un programme de transfert.</translation>
    </message>
    <message>
        <source>An SFTP publish needs a known-hosts file that holds the server&apos;s key.</source>
        <translation>Une publication SFTP nécessite un fichier known-hosts contenant la clé du serveur.</translation>
    </message>
    <message>
        <source>A WebDAV address names a path from the server&apos;s root; ~ means nothing there.</source>
        <translation>Une adresse WebDAV désigne un chemin depuis la racine du serveur&#xa0;; ~ n&apos;y a aucun sens.</translation>
    </message>
    <message>
        <source>This protocol is not one Tarvex publishes by.</source>
        <translation>Tarvex ne publie pas par ce protocole.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2.</source>
        <translation>Le dossier %1 n&apos;existe pas sur %2.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password is wrong.</source>
        <translation>%1 a refusé la connexion de %2&#xa0;: le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>The server denied access (HTTP 403).</source>
        <translation>Le serveur a refusé l&apos;accès (HTTP 403).</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2, which WebDAV does not expect here.</source>
        <translation>%1 a répondu HTTP %2, ce que WebDAV n&apos;attend pas ici.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2, or %3 may not open it.</source>
        <translation>Le dossier %1 n&apos;existe pas sur %2, ou %3 n&apos;a pas le droit de l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>%1 did not say which folder the login starts in, so ~ cannot be found there; name the folder from the root (/...).</source>
        <translation>%1 n&apos;a pas indiqué dans quel dossier commence la connexion, donc ~ ne peut pas y être trouvé&#xa0;; indiquez le dossier depuis la racine (/...).</translation>
    </message>
    <message>
        <source>The host key of %1 has changed (it is now %2), so the server may not be the one you published to before; nothing was sent. If the server&apos;s administrator confirms the new key, remove the old entry for %1 from %3.</source>
        <translation>La clé d&apos;hôte de %1 a changé (c&apos;est maintenant %2), donc le serveur n&apos;est peut-être pas celui sur lequel vous avez publié auparavant&#xa0;; rien n&apos;a été envoyé. Si l&apos;administrateur du serveur confirme la nouvelle clé, supprimez l&apos;ancienne entrée de %1 dans %3.</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check the fingerprint with the server&apos;s administrator, then add the key there (for example with ssh-keyscan) or name a known-hosts file that holds it.</source>
        <translation>La clé d&apos;hôte de %1 (%2) ne figure pas dans %3&#xa0;; un serveur inconnu n&apos;est jamais approuvé. Vérifiez l&apos;empreinte auprès de l&apos;administrateur du serveur, puis ajoutez-y la clé (par exemple avec ssh-keyscan) ou indiquez un fichier known-hosts qui la contient.</translation>
    </message>
    <message>
        <source>Someone else changed %1 on the server since Tarvex last published there; nothing was sent. Publish with --force to replace them. The site is unchanged.</source>
        <translation>Quelqu&apos;un d&apos;autre a modifié %1 sur le serveur depuis la dernière publication de Tarvex&#xa0;; rien n&apos;a été envoyé. Publiez avec --force pour les remplacer. Le site n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Sending %1 failed: %2</source>
        <translation>L&apos;envoi de %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>Sending the publish manifest failed: %1</source>
        <translation>L&apos;envoi du manifeste de publication a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 The site is unchanged. Its temporary files are removed where the server allowed it.</source>
        <translation>%1 Le site n&apos;a pas été modifié. Ses fichiers temporaires ont été supprimés là où le serveur l&apos;a permis.</translation>
    </message>
    <message>
        <source>Publishing was cancelled before any file was replaced.</source>
        <translation>La publication a été annulée avant qu&apos;un fichier ne soit remplacé.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 The site is unchanged.</source>
        <translation>La mise en place de %1 a échoué&#xa0;: %2 Le site n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 Already replaced: %3. The site may be partly updated; publish again to complete it.</source>
        <translation>La mise en place de %1 a échoué&#xa0;: %2 Déjà remplacés&#xa0;: %3. Le site est peut-être partiellement mis à jour&#xa0;; publiez de nouveau pour terminer.</translation>
    </message>
    <message>
        <source>%1 The site is unchanged.</source>
        <translation>%1 Le site n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The site is up to date; nothing was sent.</source>
        <translation>Le site est à jour&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The server&apos;s key cannot be written to a known-hosts file.</source>
        <translation>La clé du serveur ne peut pas être écrite dans un fichier known-hosts.</translation>
    </message>
    <message>
        <source>There is no folder for the known-hosts file of Tarvex (HOME is not set).</source>
        <translation>Il n&apos;y a pas de dossier pour le fichier known-hosts de Tarvex (HOME n&apos;est pas défini).</translation>
    </message>
    <message>
        <source>The known-hosts file %1 could not be read, so no key was added to it.</source>
        <translation>Le fichier known-hosts %1 n&apos;a pas pu être lu, donc aucune clé n&apos;y a été ajoutée.</translation>
    </message>
    <message>
        <source>The server&apos;s key could not be kept in %1.%2</source>
        <translation>La clé du serveur n&apos;a pas pu être conservée dans %1.%2</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Not all files were published to the folder %1.</source>
        <translation>Les fichiers n&apos;ont pas tous été publiés dans le dossier %1.</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Écrits&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Kept as they were, as you chose: %1.</source>
        <translation>Conservés tels quels, comme vous l&apos;avez choisi&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>PublishMenuDialog</name>
    <message>
        <source>Publish menu</source>
        <translation>Publier le menu</translation>
    </message>
    <message>
        <source>&amp;Classic files: one.js, main.js and the menu script
(three script lines, any page)</source>
        <translation>Fichiers &amp;classiques&#xa0;: one.js, main.js et le script du menu
(trois lignes de script, pour toute page)</translation>
    </message>
    <message>
        <source>Menu &amp;module: tarvex-menu.js and tarvex-menu.css
(a link and a module script in the page&apos;s head)</source>
        <translation>&amp;Module de menu&#xa0;: tarvex-menu.js et tarvex-menu.css
(un lien et un script module dans le head de la page)</translation>
    </message>
    <message>
        <source>What will your pages load?</source>
        <translation>Que chargeront vos pages&#xa0;?</translation>
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
        <translation>Options du menu</translation>
    </message>
    <message>
        <source>Remain Visible</source>
        <translation>Rester visible</translation>
    </message>
    <message>
        <source>Menu Left</source>
        <translation>Position gauche du menu</translation>
    </message>
    <message>
        <source>Menu Top</source>
        <translation>Position haute du menu</translation>
    </message>
    <message>
        <source>Menu Width</source>
        <translation>Largeur du menu</translation>
    </message>
    <message>
        <source>Menu Border</source>
        <translation>Bordure du menu</translation>
    </message>
    <message>
        <source>Screen Position</source>
        <translation>Position à l&apos;écran</translation>
    </message>
    <message>
        <source>Menu Style</source>
        <translation>Style du menu</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Alignement du texte</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Image position</source>
        <translation>Position de l&apos;image</translation>
    </message>
    <message>
        <source>Menu opening</source>
        <translation>Ouverture du menu</translation>
    </message>
    <message>
        <source>Menu button caption</source>
        <translation>Libellé du bouton de menu</translation>
    </message>
    <message>
        <source>Navigation name</source>
        <translation>Nom de la navigation</translation>
    </message>
    <message>
        <source>Dark style</source>
        <translation>Style sombre</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>When no room</source>
        <translation>Si la place manque</translation>
    </message>
    <message>
        <source>More caption</source>
        <translation>Libellé du groupe Plus</translation>
    </message>
    <message>
        <source>Small screen width</source>
        <translation>Largeur des petits écrans</translation>
    </message>
    <message>
        <source>Small screen look</source>
        <translation>Aspect sur petit écran</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indication</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Badge</source>
        <translation>Badge</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Mouse Off Font</source>
        <translation>Couleur du texte (normal)</translation>
    </message>
    <message>
        <source>Mouse Off Background</source>
        <translation>Arrière-plan (normal)</translation>
    </message>
    <message>
        <source>Mouse On Font</source>
        <translation>Couleur du texte (survol)</translation>
    </message>
    <message>
        <source>Mouse On Background</source>
        <translation>Arrière-plan (survol)</translation>
    </message>
    <message>
        <source>Menu Border Color</source>
        <translation>Couleur de bordure du menu</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>Style de police</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Graisse de police</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Nom de police</translation>
    </message>
    <message>
        <source>Menu Item Padding</source>
        <translation>Marge intérieure des éléments</translation>
    </message>
    <message>
        <source>Sub Menu Image</source>
        <translation>Image de sous-menu</translation>
    </message>
    <message>
        <source>3D Border &amp; Separator bar</source>
        <translation>Bordure 3D &amp; barre de séparation</translation>
    </message>
    <message>
        <source>3D High Color</source>
        <translation>Couleur claire 3D</translation>
    </message>
    <message>
        <source>3D Low Color</source>
        <translation>Couleur sombre 3D</translation>
    </message>
    <message>
        <source>Top Bar Image</source>
        <translation>Image de barre supérieure</translation>
    </message>
    <message>
        <source>Menu Header Font Color</source>
        <translation>Couleur du texte d&apos;en-tête</translation>
    </message>
    <message>
        <source>Menu Header Background</source>
        <translation>Arrière-plan d&apos;en-tête</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles</source>
        <translation>Le projet ne peut pas être généré. Vous n&apos;avez aucun style de menu</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Avertissement&#xa0;!</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>Options du menu principal</translation>
    </message>
    <message>
        <source>Style name &quot;%1&quot; can not be used as a script variable; menu.js calls it %2</source>
        <translation>Le nom de style «&#xa0;%1&#xa0;» ne peut pas servir de variable de script&#xa0;; menu.js l&apos;appelle %2</translation>
    </message>
    <message>
        <source>Menu name &quot;%1&quot; of &quot;%2&quot; object is already used; menu.js names this menu &quot;%3&quot;</source>
        <translation>Le nom de menu «&#xa0;%1&#xa0;» de l&apos;objet «&#xa0;%2&#xa0;» est déjà utilisé&#xa0;; menu.js nomme ce menu «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>Image position &quot;%1&quot; in &quot;%2&quot; object is not left, right or center; none is used</source>
        <translation>La position d&apos;image «&#xa0;%1&#xa0;» de l&apos;objet «&#xa0;%2&#xa0;» n&apos;est ni left, ni right, ni center&#xa0;; aucune n&apos;est utilisée</translation>
    </message>
    <message>
        <source>Address of &quot;%1&quot; object is a javascript: address; it runs script on your pages</source>
        <translation>L&apos;adresse de l&apos;objet «&#xa0;%1&#xa0;» est une adresse javascript:, qui exécute du script sur vos pages</translation>
    </message>
    <message>
        <source>An entry of &quot;%1&quot; object has no caption; it is drawn as an empty row</source>
        <translation>Une entrée de l&apos;objet «&#xa0;%1&#xa0;» n&apos;a pas de libellé&#xa0;; elle est dessinée comme une ligne vide</translation>
    </message>
    <message>
        <source>Menu style in &quot;%1&quot; object not found. Used first found menu style</source>
        <translation>Style de menu de l&apos;objet «&#xa0;%1&#xa0;» introuvable. Le premier style de menu trouvé a été utilisé</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
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
        <translation>Vertical</translation>
    </message>
    <message>
        <source>on mouse click</source>
        <translation>au clic</translation>
    </message>
    <message>
        <source>on mouse over</source>
        <translation>au survol</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panneau</translation>
    </message>
    <message>
        <source>Menu button</source>
        <translation>Bouton de menu</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Wrap</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <source>Drawer</source>
        <translation>Tiroir</translation>
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
        <translation>Korvane Tarvex conçoit des menus déroulants pour vos pages web sans une ligne de script écrite à la main&#xa0;: construisez l&apos;arborescence du menu, choisissez les styles, suivez l&apos;aperçu et publiez.

Nous serons heureux d&apos;avoir de vos nouvelles&#xa0;: questions, idées et rapports de bogue sont tous les bienvenus.

Web&#xa0;: https://www.korvane.example
Avis&#xa0;: https://www.korvane.example/feedback.php
Courriel&#xa0;: support@korvane.example
Ventes&#xa0;: sales@korvane.example

Copyright (c) Korvane. Tous droits réservés.</translation>
    </message>
    <message>
        <source>About Korvane Product</source>
        <translation>À propos de Korvane Product</translation>
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
        <translation>Le dossier %1 est introuvable&#xa0;: sans lui, il n&apos;y a ni moteur de menu, ni page d&apos;aperçu, ni aide. Réinstallez Korvane Tarvex.</translation>
    </message>
</context>
<context>
    <name>tarvex::TCommandBarLayout</name>
    <message>
        <source>Unable to save settings</source>
        <translation>Impossible d&apos;enregistrer les paramètres</translation>
    </message>
</context>
<context>
    <name>tarvex::TCustomizeDialog</name>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>Barres d&apos;outils</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Toolbars:</source>
        <translation>Barres d&apos;outils&#xa0;:</translation>
    </message>
    <message>
        <source>To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.</source>
        <translation>Pour ajouter une commande à une barre d&apos;outils ou à un menu, faites-la glisser sur une barre d&apos;outils ou sur le titre d&apos;un menu.</translation>
    </message>
    <message>
        <source>Show tips on toolbars</source>
        <translation>Afficher les info-bulles des barres d&apos;outils</translation>
    </message>
    <message>
        <source>Show shortcut keys in tips</source>
        <translation>Afficher les raccourcis clavier dans les info-bulles</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Grandes icônes</translation>
    </message>
</context>
<context>
    <name>tarvex::TFindField</name>
    <message>
        <source>Find captions, addresses or style names</source>
        <translation>Rechercher des libellés, des adresses ou des noms de style</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>tarvex::TFoldersScanResultForm</name>
    <message>
        <source>Select Favorities Folder</source>
        <translation>Sélectionner le dossier des favoris</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tarvex::TImportReviewForm</name>
    <message>
        <source>Navigation to import</source>
        <translation>Navigation à importer</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Entries to import; clear a check box to leave a branch out</source>
        <translation>Entrées à importer&#xa0;; décochez une case pour exclure une branche</translation>
    </message>
    <message>
        <source>%1 of %2 entries will be added.</source>
        <translation>%1 entrées sur %2 seront ajoutées.</translation>
    </message>
</context>
<context>
    <name>tarvex::TMainUserInterface</name>
    <message>
        <source>Checks: %1</source>
        <translation>Vérifications&#xa0;: %1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirmer le remplacement du fichier</translation>
    </message>
    <message>
        <source>This folder already contains a file named &quot;%1&quot;.

Would you like to replace the existing file?</source>
        <translation>Ce dossier contient déjà un fichier nommé «&#xa0;%1&#xa0;».

Voulez-vous remplacer le fichier existant&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewStage</name>
    <message>
        <source>Desktop</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation>Tablette (768 px)</translation>
    </message>
    <message>
        <source>Phone (375 px)</source>
        <translation>Téléphone (375 px)</translation>
    </message>
    <message>
        <source>Preview screen size</source>
        <translation>Taille d&apos;écran de l&apos;aperçu</translation>
    </message>
    <message>
        <source>&amp;Screen:</source>
        <translation>&amp;Écran&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewWebPage</name>
    <message>
        <source>Blocked: the page itself tried to open %1.</source>
        <translation>Bloqué&#xa0;: la page elle-même a tenté d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>Not opened: %1 is no web address, page, document or picture of the site.</source>
        <translation>Non ouvert&#xa0;: %1 n&apos;est ni une adresse web, ni une page, un document ou une image du site.</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridDelegate</name>
    <message>
        <source>An icon of the set, or the name of an .svg file beside the project</source>
        <translation>Une icône du jeu, ou le nom d&apos;un fichier .svg placé à côté du projet</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>Choisir une couleur</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridModel</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishTargetForm</name>
    <message>
        <source>My site</source>
        <translation>Mon site</translation>
    </message>
    <message>
        <source>When the address names none</source>
        <translation>Si l&apos;adresse n&apos;en indique aucun</translation>
    </message>
    <message>
        <source>SFTP: empty uses the SSH agent or the password</source>
        <translation>SFTP&#xa0;: si vide, l&apos;agent SSH ou le mot de passe est utilisé</translation>
    </message>
    <message>
        <source>Only for a company&apos;s own authority</source>
        <translation>Seulement pour l&apos;autorité de certification propre à une entreprise</translation>
    </message>
    <message>
        <source>Menu script and engine (three files)</source>
        <translation>Script du menu et moteur (trois fichiers)</translation>
    </message>
    <message>
        <source>Module (tarvex-menu.js and tarvex-menu.css)</source>
        <translation>Module (tarvex-menu.js et tarvex-menu.css)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Key file:</source>
        <translation>Fichier de c&amp;lé&#xa0;:</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Clé privée</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>C&amp;A file:</source>
        <translation>Fichier A&amp;C&#xa0;:</translation>
    </message>
    <message>
        <source>Certificate authority</source>
        <translation>Autorité de certification</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>Certificats (*.pem *.crt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Site add&amp;ress:</source>
        <translation>Adresse du &amp;site&#xa0;:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishToSiteDialog</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Re&amp;member in the desktop&apos;s key store</source>
        <translation>&amp;Enregistrer dans le trousseau de clés du bureau</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <source>&amp;Show changes</source>
        <translation>Afficher les &amp;modifications</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Publier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Publish to site</source>
        <translation>Publier sur le site</translation>
    </message>
    <message>
        <source>Asked of the key store when empty</source>
        <translation>Demandé au trousseau de clés si vide</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Files on the site</source>
        <translation>Fichiers sur le site</translation>
    </message>
    <message>
        <source>Progress in total</source>
        <translation>Progression totale</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>M&amp;ot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>This project names no server yet: Add one, with the address of the folder the menu&apos;s files go to.</source>
        <translation>Ce projet n&apos;indique encore aucun serveur&#xa0;: ajoutez-en un, avec l&apos;adresse du dossier où vont les fichiers du menu.</translation>
    </message>
    <message>
        <source>Ser&amp;vers:</source>
        <translation>Ser&amp;veurs&#xa0;:</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Serveurs</translation>
    </message>
    <message>
        <source>Enter the address of the folder on the server, such as sftp://user@example.com/var/www/menu.</source>
        <translation>Saisissez l&apos;adresse du dossier sur le serveur, par exemple sftp://user@example.com/var/www/menu.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>replace (changed on the site by someone else)</source>
        <translation>remplacer (modifié sur le site par quelqu&apos;un d&apos;autre)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>remplacer</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>conserver</translation>
    </message>
    <message>
        <source>The site holds these files already: nothing to send.</source>
        <translation>Le site contient déjà ces fichiers&#xa0;: rien à envoyer.</translation>
    </message>
    <message>
        <source>Publish sends %1 of the %2 files (%3); the others are on the site already.</source>
        <translation>La publication envoie %1 des %2 fichiers (%3)&#xa0;; les autres sont déjà sur le site.</translation>
    </message>
    <message>
        <source>%1 is a plain dav:// address: the password and the files travel unencrypted, and anyone on the network between can read or change them. Send to it anyway?</source>
        <translation>%1 est une simple adresse dav://&#xa0;: le mot de passe et les fichiers circulent en clair, et n&apos;importe qui sur le réseau entre les deux peut les lire ou les modifier. Envoyer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Tarvex has not connected to %1 before. The server identifies itself with the %2 key

%3

Compare this fingerprint with the one your hosting provider gives. Trust this server from now on?</source>
        <translation>Tarvex ne s&apos;est encore jamais connecté à %1. Le serveur s&apos;identifie avec la clé %2

%3

Comparez cette empreinte avec celle que fournit votre hébergeur. Faire désormais confiance à ce serveur&#xa0;?</translation>
    </message>
    <message>
        <source>The server&apos;s key was not trusted; nothing was sent.</source>
        <translation>La clé du serveur n&apos;a pas été approuvée&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The desktop&apos;s key store is not available (%1): the password serves only while this dialog is open.</source>
        <translation>Le trousseau de clés du bureau n&apos;est pas disponible (%1)&#xa0;: le mot de passe ne sert que tant que cette boîte de dialogue est ouverte.</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Comparing with the site…</source>
        <translation>Comparaison avec le site…</translation>
    </message>
    <message>
        <source>Someone else changed files on the site since Tarvex last published them (marked in the list). Replace them with this project&apos;s files?</source>
        <translation>Quelqu&apos;un d&apos;autre a modifié des fichiers sur le site depuis la dernière publication par Tarvex (marqués dans la liste). Les remplacer par les fichiers de ce projet&#xa0;?</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>Publication…</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published to %1:&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;p&gt;Publié sur %1&#xa0;:&lt;/p&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Open the live page</source>
        <translation>Ouvrir la page en ligne</translation>
    </message>
</context>
<context>
    <name>tarvex::TScriptWarningsForm</name>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>What visitors of the published menu would meet. Double-click one to go to it:</source>
        <translation>Ce que rencontreraient les visiteurs du menu publié. Double-cliquez sur un constat pour y accéder&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>tarvex::TStyleTemplateForm</name>
    <message>
        <source>Style template</source>
        <translation>Modèle de style</translation>
    </message>
    <message>
        <source>Favorites styles</source>
        <translation>Styles favoris</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show at start-up</source>
        <translation>Afficher au démarrage</translation>
    </message>
</context>
<context>
    <name>tarvex::TTarvexForm</name>
    <message>
        <source>Menu creator</source>
        <translation>Création du menu</translation>
    </message>
    <message>
        <source>Menu styles</source>
        <translation>Styles du menu</translation>
    </message>
    <message>
        <source>Show what visitors of the published menu would meet</source>
        <translation>Afficher ce que rencontreraient les visiteurs du menu publié</translation>
    </message>
    <message>
        <source>Design pages</source>
        <translation>Pages de conception</translation>
    </message>
    <message>
        <source>Menu objects</source>
        <translation>Objets du menu</translation>
    </message>
    <message>
        <source>Menu options</source>
        <translation>Options du menu</translation>
    </message>
    <message>
        <source>Menu item properties</source>
        <translation>Propriétés de l&apos;élément de menu</translation>
    </message>
    <message>
        <source>Style properties</source>
        <translation>Propriétés du style</translation>
    </message>
    <message>
        <source>Preview and help pages</source>
        <translation>Pages d&apos;aperçu et d&apos;aide</translation>
    </message>
    <message>
        <source>File toolbar</source>
        <translation>Barre d&apos;outils Fichier</translation>
    </message>
    <message>
        <source>Commands toolbar</source>
        <translation>Barre d&apos;outils Commandes</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indication</translation>
    </message>
    <message>
        <source>Design and preview divider</source>
        <translation>Séparateur entre conception et aperçu</translation>
    </message>
    <message>
        <source>Objects and properties divider</source>
        <translation>Séparateur entre objets et propriétés</translation>
    </message>
    <message>
        <source>Styles and properties divider</source>
        <translation>Séparateur entre styles et propriétés</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Quick help</source>
        <translation>Aide rapide</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>Aperçu du menu</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used; the file has been kept as %1.</source>
        <translation>Impossible de lire Tarvex.dat&#xa0;: les menus et barres d&apos;outils intégrés sont utilisés&#xa0;; le fichier a été conservé sous %1.</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used.</source>
        <translation>Impossible de lire Tarvex.dat&#xa0;: les menus et barres d&apos;outils intégrés sont utilisés.</translation>
    </message>
</context>
</TS>
