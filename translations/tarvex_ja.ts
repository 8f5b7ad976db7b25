<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Checks</name>
    <message>
        <source>Style list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more problems are not listed; mend the ones above first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No menu uses this style.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a contrast of %2:1; text needs at least %3:1 to be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its entries are %1 px high; visitors need at least 24 px to hit them (raise &quot;Font Size&quot; or &quot;Menu Item Padding&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its address is a javascript: address, which runs script on your pages and does nothing where script is blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item has no address, so visitors cannot follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its address is still the placeholder &quot;%1&quot;; give it the page it should open, or clear it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; is also the address of &quot;%2&quot; in this menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry has no caption; visitors see an empty row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its caption is %1 characters long; more than %2 wrap onto further lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; names no file in the site&apos;s folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group has no entries, so its submenu opens nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its submenu is nested %1 levels deep; menus deeper than %2 levels are hard to reach.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no caption)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its description is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its badge is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its icon &quot;%1&quot; is none of the drawn icons and no .svg file, so no icon is drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its icon file &quot;%1&quot; %2, so no icon is drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at the small screen width of %1 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in a window %1 px wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its panel&apos;s %1 columns need about %2 px, but %3 only %4 fit, so the captions are squeezed (set &quot;Columns&quot; to %4 or 0, or raise &quot;Small screen width&quot; on the main menu).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;When no room&quot; is More, but &quot;More caption&quot; holds only characters that draw nothing, so the entry that gathers the rest of the bar is empty and screen readers give it no name; type a caption or empty the field for &quot;More&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Mouse Off Font&quot; on &quot;Mouse Off Background&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Mouse On Font&quot; on &quot;Mouse On Background&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Menu Header Font Color&quot; on &quot;Menu Header Background&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open existing project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave as ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save project as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Publish menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create necessary files to publish menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish to site…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish &amp;to site…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the menu&apos;s files straight to a web server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export menu as HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport menu as HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the menu as a plain HTML list of links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste from the clipboard after the selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate the selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move out of the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;out of the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selection out of its group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move into the previous group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;into the previous group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selection into the group above it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort by caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the entries of the selected group by caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find captions, addresses and style names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the next match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New menu group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New menu group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new menu group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete menu group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete menu group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected menu group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;ow to use groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ew menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to use menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use menu options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new menu item style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert favorete style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert favorete style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add current style to favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;pdate Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update preview window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open HTML to preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use default preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use default preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use default HTML page to preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From windows favorities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import menu from windows favorities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From bookmarks file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from &amp;bookmarks file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import menu from a browser&apos;s bookmarks file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From site map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from &amp;site map...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import menu from a site map (sitemap.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From page navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from page &amp;navigation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import menu from the navigation of an HTML page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to use program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;ome page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail to us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-Mail to us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Change %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Favorite Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair menu style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>%1 would make the project larger than %2, more than Tarvex can open again. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds more than %1, more than a Tarvex project can hold. Nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasting this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project has changed. Do you want to save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvex Files (xml)|*.xml|All files|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select menu style which you want add to favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favotite style name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type favorite name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style with this name already exist. Use another style name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The favorites file cannot hold these characters, so they become &quot;?&quot; in the favorite (the project keeps them): %1

Add to favorites anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save read-only file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open in another Tarvex window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was changed by another program since you opened it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save %1 in the folder %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2

Save the project in another folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Do you want to reload it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvex was not closed properly. These designs had changes that were not saved:

%1

Recover them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html|All files|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import site map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import page navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not selected folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find favirities directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmark files (html)|*.html;*.htm|All files|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site maps (xml)|*.xml|All files|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvex cannot use %1: drop a project, a bookmarks file, a site map or a web page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type new group name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type new menu item name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu group?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t drag&amp;drop Menu Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one, main.js and %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files: %1 was saved. Go to help file to lern more about adding menu to your HTML files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JavaScript files (js)|*.js|All files|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish menu module: the folder for %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu has 1 problem that visitors will meet:
%2

Publish anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu has %1 problems that visitors will meet:
%2

Publish anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page refers to files above its own folder. Choose the folder of your site, so that the preview shows them too?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site folder of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not hold the page; the preview reads from the page&apos;s own folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type new menu style name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; style?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>favorites.dat could not be read completely at start-up. It has been kept as %1, and a new favorites.dat holds the favorite styles of this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A menu entry needs a caption</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not let a new file be made, which a safe save needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1</source>
        <extracomment>Puts the reason after the sentence it explains.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is too large for a Tarvex project (more than %2 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a Tarvex project!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 menu entries and styles, more than a Tarvex project may hold.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no bookmarks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmarks nest folders deeper than %1 levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmarks file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These shortcut files could not be read and were left out:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder holds more than %1 entries; only the first %1 were read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in UTF-16; save it as UTF-8 and import it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has too many elements to import (more than %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is nested too deeply to import (more than %2 levels).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read as HTML.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is too large to import (more than %2 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 link%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s navigation nests deeper than %1 levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page has no navigation: no nav element and no list of links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is compressed; unpack it (gunzip) and import the .xml file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2 at byte %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site map %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site map %1 lists no pages (its root is not &lt;urlset&gt;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the index&apos;s site maps is in the index&apos;s folder: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site-map index lists more than %1 site maps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a site map: its root element is &lt;%1&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site map lists more than %1 pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site map&apos;s addresses nest deeper than %1 folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site map lists no web pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Connected to %1; the folder is there and Tarvex may log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password or key is wrong, or the key is not allowed there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so the server may not be the one it claims to be; nothing was sent. If the site&apos;s certificate comes from an authority of its own, name that authority&apos;s certificate as the CA file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server denied access (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 failed (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server in %1 is not a host name or address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port in %1 is not a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain ftp:// sends the password and the files unencrypted, readable by anyone on the way; use sftp:// or ftps:// (FTP with TLS) instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address %1 holds a query or fragment; name only the folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address %1 holds a password or an unusable user name; the password is never part of the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain dav:// is unencrypted and allowed only on this computer or a private network; use davs:// (WebDAV over HTTPS) for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder in %1 is not usable: it may not contain &quot;..&quot;, control characters, quotes or back-slashes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain dav:// sends the password and the files unencrypted; it is used only after you confirm that (in the command line with --allow-plain-dav). Prefer davs://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing to a site is not available in this build of Tarvex; publish to a folder and copy the files with a transfer program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An SFTP publish needs a known-hosts file that holds the server&apos;s key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A WebDAV address names a path from the server&apos;s root; ~ means nothing there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This protocol is not one Tarvex publishes by.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server denied access (HTTP 403).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered HTTP %2, which WebDAV does not expect here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2, or %3 may not open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not say which folder the login starts in, so ~ cannot be found there; name the folder from the root (/...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host key of %1 has changed (it is now %2), so the server may not be the one you published to before; nothing was sent. If the server&apos;s administrator confirms the new key, remove the old entry for %1 from %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check the fingerprint with the server&apos;s administrator, then add the key there (for example with ssh-keyscan) or name a known-hosts file that holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Someone else changed %1 on the server since Tarvex last published there; nothing was sent. Publish with --force to replace them. The site is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending the publish manifest failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The site is unchanged. Its temporary files are removed where the server allowed it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing was cancelled before any file was replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 The site is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 Already replaced: %3. The site may be partly updated; publish again to complete it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The site is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site is up to date; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s key cannot be written to a known-hosts file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder for the known-hosts file of Tarvex (HOME is not set).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The known-hosts file %1 could not be read, so no key was added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s key could not be kept in %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PublishMenuDialog</name>
    <message>
        <source>Publish menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classic files: one.js, main.js and the menu script
(three script lines, any page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu &amp;module: tarvex-menu.js and tarvex-menu.css
(a link and a module script in the page&apos;s head)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will your pages load?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>Menu Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remain Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu button caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When no room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small screen width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small screen look</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Badge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Off Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Off Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse On Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse On Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Border Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Item Padding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub Menu Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Border &amp; Separator bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D High Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Low Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Bar Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Header Font Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Header Background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style name &quot;%1&quot; can not be used as a script variable; menu.js calls it %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu name &quot;%1&quot; of &quot;%2&quot; object is already used; menu.js names this menu &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image position &quot;%1&quot; in &quot;%2&quot; object is not left, right or center; none is used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address of &quot;%1&quot; object is a javascript: address; it runs script on your pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An entry of &quot;%1&quot; object has no caption; it is drawn as an empty row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu style in &quot;%1&quot; object not found. Used first found menu style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on mouse click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on mouse over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawer</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Korvane Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TApplicationFolder</name>
    <message>
        <source>The folder %1 is missing: without it there is no menu engine, no preview page and no help. Install Korvane Tarvex again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TCommandBarLayout</name>
    <message>
        <source>Unable to save settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TCustomizeDialog</name>
    <message>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbars:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show tips on toolbars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show shortcut keys in tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TFindField</name>
    <message>
        <source>Find captions, addresses or style names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TFoldersScanResultForm</name>
    <message>
        <source>Select Favorities Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TImportReviewForm</name>
    <message>
        <source>Navigation to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries to import; clear a check box to leave a branch out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 entries will be added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TMainUserInterface</name>
    <message>
        <source>Checks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder already contains a file named &quot;%1&quot;.

Would you like to replace the existing file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewStage</name>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone (375 px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview screen size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Screen:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewWebPage</name>
    <message>
        <source>Blocked: the page itself tried to open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not opened: %1 is no web address, page, document or picture of the site.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridDelegate</name>
    <message>
        <source>An icon of the set, or the name of an .svg file beside the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridModel</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishTargetForm</name>
    <message>
        <source>My site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the address names none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SFTP: empty uses the SSH agent or the password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only for a company&apos;s own authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu script and engine (three files)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module (tarvex-menu.js and tarvex-menu.css)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;A file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site add&amp;ress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishToSiteDialog</name>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;member in the desktop&apos;s key store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish to site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asked of the key store when empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What happens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files on the site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress in total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This project names no server yet: Add one, with the address of the folder the menu&apos;s files go to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ser&amp;vers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the address of the folder on the server, such as sftp://user@example.com/var/www/menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace (changed on the site by someone else)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site holds these files already: nothing to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish sends %1 of the %2 files (%3); the others are on the site already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a plain dav:// address: the password and the files travel unencrypted, and anyone on the network between can read or change them. Send to it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvex has not connected to %1 before. The server identifies itself with the %2 key

%3

Compare this fingerprint with the one your hosting provider gives. Trust this server from now on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s key was not trusted; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s key store is not available (%1): the password serves only while this dialog is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing with the site…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Someone else changed files on the site since Tarvex last published them (marked in the list). Replace them with this project&apos;s files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Published to %1:&lt;/p&gt;&lt;p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the live page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TScriptWarningsForm</name>
    <message>
        <source>Checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What visitors of the published menu would meet. Double-click one to go to it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TStyleTemplateForm</name>
    <message>
        <source>Style template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show at start-up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarvex::TTarvexForm</name>
    <message>
        <source>Menu creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show what visitors of the published menu would meet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu item properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview and help pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design and preview divider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects and properties divider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Styles and properties divider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used; the file has been kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
