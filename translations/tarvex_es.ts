<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Checks</name>
    <message>
        <source>Style list</source>
        <translation>Lista de estilos</translation>
    </message>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles.</source>
        <translation>No se puede compilar el proyecto. No hay estilos de menú.</translation>
    </message>
    <message>
        <source>%1 more problems are not listed; mend the ones above first.</source>
        <translation>Hay %1 problemas más que no se muestran; corrija primero los de arriba.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>No menu uses this style.</source>
        <translation>Ningún menú usa este estilo.</translation>
    </message>
    <message>
        <source>%1 has a contrast of %2:1; text needs at least %3:1 to be read.</source>
        <translation>%1 tiene un contraste de %2:1; el texto necesita al menos %3:1 para poder leerse.</translation>
    </message>
    <message>
        <source>Its entries are %1 px high; visitors need at least 24 px to hit them (raise &quot;Font Size&quot; or &quot;Menu Item Padding&quot;).</source>
        <translation>Las entradas miden %1 px de alto; los visitantes necesitan al menos 24 px para acertar en ellas (aumente &quot;Tamaño de fuente&quot; o &quot;Relleno del elemento de menú&quot;).</translation>
    </message>
    <message>
        <source>Its address is a javascript: address, which runs script on your pages and does nothing where script is blocked.</source>
        <translation>La dirección es una dirección javascript:, que ejecuta script en sus páginas y no hace nada donde el script está bloqueado.</translation>
    </message>
    <message>
        <source>The item has no address, so visitors cannot follow it.</source>
        <translation>El elemento no tiene dirección, así que los visitantes no pueden seguirlo.</translation>
    </message>
    <message>
        <source>Its address is still the placeholder &quot;%1&quot;; give it the page it should open, or clear it.</source>
        <translation>La dirección sigue siendo la provisional &quot;%1&quot;; indique la página que debe abrir o bórrela.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; is also the address of &quot;%2&quot; in this menu.</source>
        <translation>La dirección &quot;%1&quot; también es la dirección de &quot;%2&quot; en este menú.</translation>
    </message>
    <message>
        <source>The entry has no caption; visitors see an empty row.</source>
        <translation>La entrada no tiene título; los visitantes ven una fila vacía.</translation>
    </message>
    <message>
        <source>Its caption is %1 characters long; more than %2 wrap onto further lines.</source>
        <translation>El título tiene %1 caracteres; a partir de %2 se reparte en varias líneas.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; names no file in the site&apos;s folder.</source>
        <translation>La dirección &quot;%1&quot; no corresponde a ningún archivo de la carpeta del sitio.</translation>
    </message>
    <message>
        <source>The group has no entries, so its submenu opens nothing.</source>
        <translation>El grupo no tiene entradas, así que su submenú no abre nada.</translation>
    </message>
    <message>
        <source>Its submenu is nested %1 levels deep; menus deeper than %2 levels are hard to reach.</source>
        <translation>El submenú está anidado a %1 niveles de profundidad; los menús con más de %2 niveles son difíciles de alcanzar.</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot;</source>
        <translation>Estilo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>Opciones del menú principal</translation>
    </message>
    <message>
        <source>(no caption)</source>
        <translation>(sin título)</translation>
    </message>
    <message>
        <source>Its description is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>La descripción se dibuja a %1 px en %2, con un contraste de %3:1; un texto tan pequeño necesita al menos %4:1 para poder leerse.</translation>
    </message>
    <message>
        <source>Its badge is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>La insignia se dibuja a %1 px en %2, con un contraste de %3:1; un texto tan pequeño necesita al menos %4:1 para poder leerse.</translation>
    </message>
    <message>
        <source>Its icon &quot;%1&quot; is none of the drawn icons and no .svg file, so no icon is drawn.</source>
        <translation>El icono &quot;%1&quot; no es ninguno de los iconos integrados ni un archivo .svg, así que no se dibuja ningún icono.</translation>
    </message>
    <message>
        <source>Its icon file &quot;%1&quot; %2, so no icon is drawn.</source>
        <translation>El archivo de icono &quot;%1&quot; %2, así que no se dibuja ningún icono.</translation>
    </message>
    <message>
        <source>at the small screen width of %1 px</source>
        <translation>con el ancho de pantalla pequeña de %1 px</translation>
    </message>
    <message>
        <source>in a window %1 px wide</source>
        <translation>en una ventana de %1 px de ancho</translation>
    </message>
    <message>
        <source>Its panel&apos;s %1 columns need about %2 px, but %3 only %4 fit, so the captions are squeezed (set &quot;Columns&quot; to %4 or 0, or raise &quot;Small screen width&quot; on the main menu).</source>
        <translation>Las %1 columnas del panel necesitan unos %2 px, pero %3 solo caben %4, así que los títulos quedan apretados (ponga &quot;Columnas&quot; en %4 o en 0, o aumente &quot;Ancho de pantalla pequeña&quot; en el menú principal).</translation>
    </message>
    <message>
        <source>&quot;When no room&quot; is More, but &quot;More caption&quot; holds only characters that draw nothing, so the entry that gathers the rest of the bar is empty and screen readers give it no name; type a caption or empty the field for &quot;More&quot;.</source>
        <translation>&quot;Si no hay espacio&quot; vale Más, pero &quot;Título de Más&quot; solo contiene caracteres que no se dibujan, así que la entrada que reúne el resto de la barra queda vacía y los lectores de pantalla no le dan nombre; escriba un título o vacíe el campo para usar &quot;Más&quot;.</translation>
    </message>
    <message>
        <source>&quot;Mouse Off Font&quot; on &quot;Mouse Off Background&quot;</source>
        <translation>&quot;Texto normal&quot; sobre &quot;Fondo normal&quot;</translation>
    </message>
    <message>
        <source>&quot;Mouse On Font&quot; on &quot;Mouse On Background&quot;</source>
        <translation>&quot;Texto al pasar el ratón&quot; sobre &quot;Fondo al pasar el ratón&quot;</translation>
    </message>
    <message>
        <source>&quot;Menu Header Font Color&quot; on &quot;Menu Header Background&quot;</source>
        <translation>&quot;Color del texto del encabezado&quot; sobre &quot;Fondo del encabezado&quot;</translation>
    </message>
    <message>
        <source>ends before its elements are closed</source>
        <translation>termina antes de que se cierren sus elementos</translation>
    </message>
    <message>
        <source>holds no svg element</source>
        <translation>no contiene ningún elemento svg</translation>
    </message>
    <message>
        <source>has a comment that does not end</source>
        <translation>contiene un comentario que no termina</translation>
    </message>
    <message>
        <source>declares a document type, entities or character data, which an icon may not</source>
        <translation>declara un tipo de documento, entidades o datos de caracteres, lo que un icono no puede hacer</translation>
    </message>
    <message>
        <source>has an XML declaration that does not end</source>
        <translation>contiene una declaración XML que no termina</translation>
    </message>
    <message>
        <source>holds a processing instruction</source>
        <translation>contiene una instrucción de procesamiento</translation>
    </message>
    <message>
        <source>is not well-formed XML</source>
        <translation>no es XML bien formado</translation>
    </message>
    <message>
        <source>holds a %1 element, which an icon may not</source>
        <translation>contiene un elemento %1, lo que un icono no puede hacer</translation>
    </message>
    <message>
        <source>holds more than one drawing</source>
        <translation>contiene más de un dibujo</translation>
    </message>
    <message>
        <source>does not begin with an svg element</source>
        <translation>no empieza con un elemento svg</translation>
    </message>
    <message>
        <source>holds an svg element inside another</source>
        <translation>contiene un elemento svg dentro de otro</translation>
    </message>
    <message>
        <source>nests its elements more than %1 deep</source>
        <translation>anida sus elementos a más de %1 niveles de profundidad</translation>
    </message>
    <message>
        <source>ends inside the %1 element&apos;s tag</source>
        <translation>termina dentro de la etiqueta del elemento %1</translation>
    </message>
    <message>
        <source>closes a %1 element it did not open</source>
        <translation>cierra un elemento %1 que no abrió</translation>
    </message>
    <message>
        <source>has an event attribute (%1)</source>
        <translation>tiene un atributo de evento (%1)</translation>
    </message>
    <message>
        <source>links to another file or address (%1)</source>
        <translation>enlaza a otro archivo o dirección (%1)</translation>
    </message>
    <message>
        <source>refers to something outside the drawing (%1)</source>
        <translation>hace referencia a algo fuera del dibujo (%1)</translation>
    </message>
    <message>
        <source>uses an entity (&amp;%1;), which an icon may not</source>
        <translation>usa una entidad (&amp;%1;), lo que un icono no puede hacer</translation>
    </message>
    <message>
        <source>is larger than %1 KB</source>
        <translation>ocupa más de %1 KB</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>cannot be found until the project is saved, since it is looked for beside the project</source>
        <translation>no se puede encontrar hasta que se guarde el proyecto, ya que se busca en la carpeta del proyecto</translation>
    </message>
    <message>
        <source>is not beside the project (name it relative to the project&apos;s folder, without &quot;..&quot;)</source>
        <translation>no está en la carpeta del proyecto (indíquelo de forma relativa a la carpeta del proyecto, sin &quot;..&quot;)</translation>
    </message>
    <message>
        <source>does not exist beside the project</source>
        <translation>no existe en la carpeta del proyecto</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create new project</source>
        <translation>Crea un proyecto nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open existing project</source>
        <translation>Abre un proyecto existente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>Guarda el proyecto actual</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Guardar como ...</translation>
    </message>
    <message>
        <source>S&amp;ave as ...</source>
        <translation>Guardar &amp;como ...</translation>
    </message>
    <message>
        <source>Save project as</source>
        <translation>Guarda el proyecto con otro nombre</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>Publicar menú</translation>
    </message>
    <message>
        <source>&amp;Publish menu</source>
        <translation>&amp;Publicar menú</translation>
    </message>
    <message>
        <source>Create necessary files to publish menu</source>
        <translation>Crea los archivos necesarios para publicar el menú</translation>
    </message>
    <message>
        <source>Publish to site…</source>
        <translation>Publicar en el sitio…</translation>
    </message>
    <message>
        <source>Publish &amp;to site…</source>
        <translation>Publicar en el si&amp;tio…</translation>
    </message>
    <message>
        <source>Send the menu&apos;s files straight to a web server</source>
        <translation>Envía los archivos del menú directamente a un servidor web</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Export menu as HTML</source>
        <translation>Exportar menú como HTML</translation>
    </message>
    <message>
        <source>E&amp;xport menu as HTML</source>
        <translation>E&amp;xportar menú como HTML</translation>
    </message>
    <message>
        <source>Write the menu as a plain HTML list of links</source>
        <translation>Escribe el menú como una lista HTML simple de enlaces</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshace el último cambio</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation>Rehace el último cambio deshecho</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>Corta la selección y la lleva al portapapeles</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>Copia la selección al portapapeles</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste from the clipboard after the selection</source>
        <translation>Pega el contenido del portapapeles después de la selección</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>Duplicate the selection</source>
        <translation>Duplica la selección</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover arriba</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Mover arr&amp;iba</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>Mueve la selección hacia arriba</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover abajo</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Mover aba&amp;jo</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>Mueve la selección hacia abajo</translation>
    </message>
    <message>
        <source>Move out of the group</source>
        <translation>Sacar del grupo</translation>
    </message>
    <message>
        <source>Move &amp;out of the group</source>
        <translation>Sacar del &amp;grupo</translation>
    </message>
    <message>
        <source>Move the selection out of its group</source>
        <translation>Saca la selección de su grupo</translation>
    </message>
    <message>
        <source>Move into the previous group</source>
        <translation>Mover al grupo anterior</translation>
    </message>
    <message>
        <source>Move &amp;into the previous group</source>
        <translation>&amp;Mover al grupo anterior</translation>
    </message>
    <message>
        <source>Move the selection into the group above it</source>
        <translation>Mueve la selección al grupo que tiene encima</translation>
    </message>
    <message>
        <source>Sort by caption</source>
        <translation>Ordenar por título</translation>
    </message>
    <message>
        <source>&amp;Sort by caption</source>
        <translation>&amp;Ordenar por título</translation>
    </message>
    <message>
        <source>Sort the entries of the selected group by caption</source>
        <translation>Ordena por título las entradas del grupo seleccionado</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find captions, addresses and style names</source>
        <translation>Busca títulos, direcciones y nombres de estilo</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Select the next match</source>
        <translation>Selecciona la siguiente coincidencia</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>New menu group</source>
        <translation>Nuevo grupo de menú</translation>
    </message>
    <message>
        <source>&amp;New menu group</source>
        <translation>&amp;Nuevo grupo de menú</translation>
    </message>
    <message>
        <source>Create new menu group</source>
        <translation>Crea un grupo de menú nuevo</translation>
    </message>
    <message>
        <source>Delete menu group</source>
        <translation>Eliminar grupo de menú</translation>
    </message>
    <message>
        <source>&amp;Delete menu group</source>
        <translation>&amp;Eliminar grupo de menú</translation>
    </message>
    <message>
        <source>Delete selected menu group</source>
        <translation>Elimina el grupo de menú seleccionado</translation>
    </message>
    <message>
        <source>How to use groups</source>
        <translation>Cómo usar los grupos</translation>
    </message>
    <message>
        <source>H&amp;ow to use groups</source>
        <translation>Cómo usar los &amp;grupos</translation>
    </message>
    <message>
        <source>New menu item</source>
        <translation>Nuevo elemento de menú</translation>
    </message>
    <message>
        <source>N&amp;ew menu item</source>
        <translation>Nue&amp;vo elemento de menú</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>Crea un elemento de menú nuevo</translation>
    </message>
    <message>
        <source>Delete menu item</source>
        <translation>Eliminar elemento de menú</translation>
    </message>
    <message>
        <source>De&amp;lete menu item</source>
        <translation>Eliminar e&amp;lemento de menú</translation>
    </message>
    <message>
        <source>Delete selected menu item</source>
        <translation>Elimina el elemento de menú seleccionado</translation>
    </message>
    <message>
        <source>How to use menu item</source>
        <translation>Cómo usar los elementos de menú</translation>
    </message>
    <message>
        <source>&amp;How to use menu item</source>
        <translation>&amp;Cómo usar los elementos de menú</translation>
    </message>
    <message>
        <source>How to use menu options</source>
        <translation>Cómo usar las opciones del menú</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>New style</source>
        <translation>Nuevo estilo</translation>
    </message>
    <message>
        <source>&amp;New style</source>
        <translation>&amp;Nuevo estilo</translation>
    </message>
    <message>
        <source>Create new menu item style</source>
        <translation>Crea un estilo de elemento de menú nuevo</translation>
    </message>
    <message>
        <source>Insert favorete style</source>
        <translation>Insertar estilo favorito</translation>
    </message>
    <message>
        <source>&amp;Insert favorete style</source>
        <translation>&amp;Insertar estilo favorito</translation>
    </message>
    <message>
        <source>Delete style</source>
        <translation>Eliminar estilo</translation>
    </message>
    <message>
        <source>&amp;Delete style</source>
        <translation>&amp;Eliminar estilo</translation>
    </message>
    <message>
        <source>Delete selected style</source>
        <translation>Elimina el estilo seleccionado</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Agregar a favoritos</translation>
    </message>
    <message>
        <source>&amp;Add to favorites</source>
        <translation>Agregar a &amp;favoritos</translation>
    </message>
    <message>
        <source>Add current style to favorites</source>
        <translation>Agrega el estilo actual a favoritos</translation>
    </message>
    <message>
        <source>How to use styles</source>
        <translation>Cómo usar los estilos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Actualizar vista previa</translation>
    </message>
    <message>
        <source>U&amp;pdate Preview</source>
        <translation>&amp;Actualizar vista previa</translation>
    </message>
    <message>
        <source>Update preview window</source>
        <translation>Actualiza la ventana de vista previa</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>Abrir HTML para la vista previa</translation>
    </message>
    <message>
        <source>&amp;Open HTML to preview</source>
        <translation>Abrir &amp;HTML para la vista previa</translation>
    </message>
    <message>
        <source>Use default preview</source>
        <translation>Usar la vista previa predeterminada</translation>
    </message>
    <message>
        <source>&amp;Use default preview</source>
        <translation>&amp;Usar la vista previa predeterminada</translation>
    </message>
    <message>
        <source>Use default HTML page to preview</source>
        <translation>Usa la página HTML predeterminada para la vista previa</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>From windows favorities</source>
        <translation>Desde Favoritos de Windows</translation>
    </message>
    <message>
        <source>Import menu from windows favorities</source>
        <translation>Importa el menú desde los Favoritos de Windows</translation>
    </message>
    <message>
        <source>From bookmarks file</source>
        <translation>Desde archivo de marcadores</translation>
    </message>
    <message>
        <source>Import from &amp;bookmarks file...</source>
        <translation>Importar desde archivo de &amp;marcadores...</translation>
    </message>
    <message>
        <source>Import menu from a browser&apos;s bookmarks file</source>
        <translation>Importa el menú desde el archivo de marcadores de un navegador</translation>
    </message>
    <message>
        <source>From site map</source>
        <translation>Desde mapa del sitio</translation>
    </message>
    <message>
        <source>Import from &amp;site map...</source>
        <translation>Importar desde mapa del &amp;sitio...</translation>
    </message>
    <message>
        <source>Import menu from a site map (sitemap.xml)</source>
        <translation>Importa el menú desde un mapa del sitio (sitemap.xml)</translation>
    </message>
    <message>
        <source>From page navigation</source>
        <translation>Desde la navegación de una página</translation>
    </message>
    <message>
        <source>Import from page &amp;navigation...</source>
        <translation>Importar desde la &amp;navegación de una página...</translation>
    </message>
    <message>
        <source>Import menu from the navigation of an HTML page</source>
        <translation>Importa el menú desde la navegación de una página HTML</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Personalizar</translation>
    </message>
    <message>
        <source>Customize toolbar</source>
        <translation>Personaliza la barra de herramientas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>How to use program</source>
        <translation>Cómo usar el programa</translation>
    </message>
    <message>
        <source>&amp;How to use program</source>
        <translation>&amp;Cómo usar el programa</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>H&amp;ome page</source>
        <translation>Página de &amp;inicio</translation>
    </message>
    <message>
        <source>Korvane home page</source>
        <translation>Página de inicio de Korvane</translation>
    </message>
    <message>
        <source>E-Mail to us</source>
        <translation>Enviarnos un correo electrónico</translation>
    </message>
    <message>
        <source>&amp;E-Mail to us</source>
        <translation>&amp;Enviarnos un correo electrónico</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;About program</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>&amp;Styles</source>
        <translation>E&amp;stilos</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Recent files...</source>
        <translation>Archivos recientes...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation>Cambiar %1 valores</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover arriba</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover abajo</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Sacar del grupo</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>Mover al grupo anterior</translation>
    </message>
    <message>
        <source>Insert Favorite Style</source>
        <translation>Insertar estilo favorito</translation>
    </message>
    <message>
        <source>Import Favorites</source>
        <translation>Importar favoritos</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importar menú</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Agregar grupo</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Agregar elemento</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Eliminar elemento</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>Mover grupo</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Mover elemento</translation>
    </message>
    <message>
        <source>Sort by Caption</source>
        <translation>Ordenar por título</translation>
    </message>
    <message>
        <source>Repair menu style</source>
        <translation>Reparar estilo de menú</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Nuevo estilo</translation>
    </message>
    <message>
        <source>Delete Style</source>
        <translation>Eliminar estilo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>%1 would make the project larger than %2, more than Tarvex can open again. Nothing was added.</source>
        <translation>%1 haría que el proyecto superara %2, más de lo que Tarvex puede volver a abrir. No se agregó nada.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Importing this</source>
        <translation>Importar esto</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1, more than a Tarvex project can hold. Nothing was pasted.</source>
        <translation>El portapapeles contiene más de %1, más de lo que cabe en un proyecto de Tarvex. No se pegó nada.</translation>
    </message>
    <message>
        <source>Pasting this</source>
        <translation>Pegar esto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Project has changed. Do you want to save changes?</source>
        <translation>El proyecto ha cambiado. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Cannot create file %1.%2</source>
        <translation>No se puede crear el archivo %1.%2</translation>
    </message>
    <message>
        <source>Tarvex Files (xml)|*.xml|All files|*.*</source>
        <translation>Archivos de Tarvex (xml)|*.xml|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Select menu style which you want add to favorites</source>
        <translation>Seleccione el estilo de menú que desea agregar a favoritos</translation>
    </message>
    <message>
        <source>Favotite style name</source>
        <translation>Nombre del estilo favorito</translation>
    </message>
    <message>
        <source>Type favorite name</source>
        <translation>Escriba el nombre del favorito</translation>
    </message>
    <message>
        <source>Style with this name already exist. Use another style name</source>
        <translation>Ya existe un estilo con este nombre. Use otro nombre de estilo</translation>
    </message>
    <message>
        <source>The favorites file cannot hold these characters, so they become &quot;?&quot; in the favorite (the project keeps them): %1

Add to favorites anyway?</source>
        <translation>El archivo de favoritos no admite estos caracteres, así que en el favorito se convierten en &quot;?&quot; (el proyecto los conserva): %1

¿Agregar a favoritos de todos modos?</translation>
    </message>
    <message>
        <source>Can&apos;t save read-only file %1!</source>
        <translation>¡No se puede guardar el archivo de solo lectura %1!</translation>
    </message>
    <message>
        <source>%1 is open in another Tarvex window.</source>
        <translation>%1 está abierto en otra ventana de Tarvex.</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program since you opened it.</source>
        <translation>Otro programa modificó el archivo %1 después de que usted lo abriera.</translation>
    </message>
    <message>
        <source>Unable to save %1 in the folder %2!</source>
        <translation>¡No se puede guardar %1 en la carpeta %2!</translation>
    </message>
    <message>
        <source>%1%2

Save the project in another folder?</source>
        <translation>%1%2

¿Guardar el proyecto en otra carpeta?</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Do you want to reload it?</source>
        <translation>Otro programa modificó el archivo %1. ¿Desea volver a cargarlo?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Tarvex was not closed properly. These designs had changes that were not saved:

%1

Recover them?</source>
        <translation>Tarvex no se cerró correctamente. Estos diseños tenían cambios sin guardar:

%1

¿Recuperarlos?</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html|All files|*.*</source>
        <translation>Archivos HTML|*.htm;*.html|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Import bookmarks</source>
        <translation>Importar marcadores</translation>
    </message>
    <message>
        <source>Import site map</source>
        <translation>Importar mapa del sitio</translation>
    </message>
    <message>
        <source>Import page navigation</source>
        <translation>Importar la navegación de una página</translation>
    </message>
    <message>
        <source>You have not selected folder.</source>
        <translation>No ha seleccionado ninguna carpeta.</translation>
    </message>
    <message>
        <source>Can&apos;t find favirities directory.</source>
        <translation>No se encuentra la carpeta de Favoritos.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>Este tipo de importación no está disponible en esta versión de Tarvex.</translation>
    </message>
    <message>
        <source>Bookmark files (html)|*.html;*.htm|All files|*.*</source>
        <translation>Archivos de marcadores (html)|*.html;*.htm|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Site maps (xml)|*.xml|All files|*.*</source>
        <translation>Mapas del sitio (xml)|*.xml|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Tarvex cannot use %1: drop a project, a bookmarks file, a site map or a web page.</source>
        <translation>Tarvex no puede usar %1: suelte un proyecto, un archivo de marcadores, un mapa del sitio o una página web.</translation>
    </message>
    <message>
        <source>Create new group</source>
        <translation>Crear grupo nuevo</translation>
    </message>
    <message>
        <source>Type new group name</source>
        <translation>Escriba el nombre del grupo nuevo</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>Crear elemento de menú nuevo</translation>
    </message>
    <message>
        <source>Type new menu item name</source>
        <translation>Escriba el nombre del elemento de menú nuevo</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu group?</source>
        <translation>¿Realmente desea eliminar el grupo de menú &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu item?</source>
        <translation>¿Realmente desea eliminar el elemento de menú &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>You can&apos;t drag&amp;drop Menu Options</source>
        <translation>No es posible arrastrar &amp; soltar las opciones del menú</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>Abrir HTML para la vista previa</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>one, main.js and %1</source>
        <translation>one.js, main.js y %1</translation>
    </message>
    <message>
        <source>Files: %1 was saved. Go to help file to lern more about adding menu to your HTML files</source>
        <translation>Archivos: se guardaron %1. Consulte la ayuda para saber más sobre cómo agregar el menú a sus archivos HTML</translation>
    </message>
    <message>
        <source>JavaScript files (js)|*.js|All files|*.*</source>
        <translation>Archivos JavaScript (js)|*.js|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>Publicar menú</translation>
    </message>
    <message>
        <source>Publish menu module: the folder for %1 and %2</source>
        <translation>Publicar módulo de menú: la carpeta para %1 y %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
    <message>
        <source>The menu has 1 problem that visitors will meet:
%2

Publish anyway?</source>
        <translation>El menú tiene 1 problema que encontrarán los visitantes:
%2

¿Publicar de todos modos?</translation>
    </message>
    <message>
        <source>The menu has %1 problems that visitors will meet:
%2

Publish anyway?</source>
        <translation>El menú tiene %1 problemas que encontrarán los visitantes:
%2

¿Publicar de todos modos?</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>The page refers to files above its own folder. Choose the folder of your site, so that the preview shows them too?</source>
        <translation>La página hace referencia a archivos situados por encima de su propia carpeta. ¿Elegir la carpeta de su sitio para que la vista previa también los muestre?</translation>
    </message>
    <message>
        <source>Site folder of %1</source>
        <translation>Carpeta del sitio de %1</translation>
    </message>
    <message>
        <source>The folder %1 does not hold the page; the preview reads from the page&apos;s own folder.</source>
        <translation>La carpeta %1 no contiene la página; la vista previa lee de la carpeta de la propia página.</translation>
    </message>
    <message>
        <source>Create new style</source>
        <translation>Crear estilo nuevo</translation>
    </message>
    <message>
        <source>Type new menu style name</source>
        <translation>Escriba el nombre del estilo de menú nuevo</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; style?</source>
        <translation>¿Realmente desea eliminar el estilo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>favorites.dat could not be read completely at start-up. It has been kept as %1, and a new favorites.dat holds the favorite styles of this run.</source>
        <translation>No se pudo leer por completo favorites.dat al iniciar. Se ha conservado como %1, y un favorites.dat nuevo guarda los estilos favoritos de esta sesión.</translation>
    </message>
    <message>
        <source>A menu entry needs a caption</source>
        <translation>Una entrada de menú necesita un título</translation>
    </message>
    <message>
        <source>No style yet: add one on the Menu styles page, or Insert favourite style</source>
        <translation>Aún no hay ningún estilo: agregue uno en la página Estilos del menú, o use Insertar estilo favorito</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The folder does not let a new file be made, which a safe save needs.</source>
        <translation>La carpeta no permite crear un archivo nuevo, algo necesario para guardar de forma segura.</translation>
    </message>
    <message>
        <source> %1</source>
        <extracomment>Puts the reason after the sentence it explains.</extracomment>
        <translation> %1</translation>
    </message>
    <message>
        <source>The file %1 is too large for a Tarvex project (more than %2 MB).</source>
        <translation>El archivo %1 es demasiado grande para un proyecto de Tarvex (más de %2 MB).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>¡No se puede leer el archivo %1!</translation>
    </message>
    <message>
        <source>The file %1 is not a Tarvex project!</source>
        <translation>¡El archivo %1 no es un proyecto de Tarvex!</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 menu entries and styles, more than a Tarvex project may hold.</source>
        <translation>El archivo %1 contiene más de %2 entradas de menú y estilos, más de los que admite un proyecto de Tarvex.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Site map</source>
        <translation>Mapa del sitio</translation>
    </message>
    <message>
        <source>The file holds no bookmarks.</source>
        <translation>El archivo no contiene marcadores.</translation>
    </message>
    <message>
        <source>The bookmarks nest folders deeper than %1 levels.</source>
        <translation>Los marcadores anidan carpetas a más de %1 niveles de profundidad.</translation>
    </message>
    <message>
        <source>The bookmarks file</source>
        <translation>El archivo de marcadores</translation>
    </message>
    <message>
        <source>These shortcut files could not be read and were left out:%1</source>
        <translation>No se pudieron leer estos archivos de acceso directo y se omitieron:%1</translation>
    </message>
    <message>
        <source>The folder holds more than %1 entries; only the first %1 were read.</source>
        <translation>La carpeta contiene más de %1 entradas; solo se leyeron las %1 primeras.</translation>
    </message>
    <message>
        <source>%1 is in UTF-16; save it as UTF-8 and import it again.</source>
        <translation>%1 está en UTF-16; guarde el archivo como UTF-8 y vuelva a importarlo.</translation>
    </message>
    <message>
        <source>%1 has too many elements to import (more than %2).</source>
        <translation>%1 tiene demasiados elementos para importar (más de %2).</translation>
    </message>
    <message>
        <source>%1 is nested too deeply to import (more than %2 levels).</source>
        <translation>%1 tiene un anidamiento demasiado profundo para importar (más de %2 niveles).</translation>
    </message>
    <message>
        <source>%1 could not be read as HTML.</source>
        <translation>%1 no se pudo leer como HTML.</translation>
    </message>
    <message>
        <source>The file %1 is too large to import (more than %2 MB).</source>
        <translation>El archivo %1 es demasiado grande para importarlo (más de %2 MB).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>¡No se puede leer el archivo %1!</translation>
    </message>
    <message>
        <source>1 link%1</source>
        <translation>1 enlace%1</translation>
    </message>
    <message>
        <source>%1 links%2</source>
        <translation>%1 enlaces%2</translation>
    </message>
    <message>
        <source>Navigation%1 (%2)</source>
        <translation>Navegación%1 (%2)</translation>
    </message>
    <message>
        <source>List%1 (%2)</source>
        <translation>Lista%1 (%2)</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>La página</translation>
    </message>
    <message>
        <source>The page&apos;s navigation nests deeper than %1 levels.</source>
        <translation>La navegación de la página tiene más de %1 niveles de anidamiento.</translation>
    </message>
    <message>
        <source>The page has no navigation: no nav element and no list of links.</source>
        <translation>La página no tiene navegación: ni elemento nav ni lista de enlaces.</translation>
    </message>
    <message>
        <source>%1 is compressed; unpack it (gunzip) and import the .xml file.</source>
        <translation>%1 está comprimido; descomprímalo (gunzip) e importe el archivo .xml.</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2 at byte %3).</source>
        <translation>%1 no es XML bien formado (%2 en el byte %3).</translation>
    </message>
    <message>
        <source>The site map %1</source>
        <translation>El mapa del sitio %1</translation>
    </message>
    <message>
        <source>The site map %1 lists no pages (its root is not &lt;urlset&gt;).</source>
        <translation>El mapa del sitio %1 no enumera ninguna página (su raíz no es &lt;urlset&gt;).</translation>
    </message>
    <message>
        <source>None of the index&apos;s site maps is in the index&apos;s folder: %1.</source>
        <translation>Ninguno de los mapas del sitio del índice está en la carpeta del índice: %1.</translation>
    </message>
    <message>
        <source>The site map</source>
        <translation>El mapa del sitio</translation>
    </message>
    <message>
        <source>The site-map index lists more than %1 site maps.</source>
        <translation>El índice de mapas del sitio enumera más de %1 mapas del sitio.</translation>
    </message>
    <message>
        <source>The file is not a site map: its root element is &lt;%1&gt;.</source>
        <translation>El archivo no es un mapa del sitio: su elemento raíz es &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>The site map lists more than %1 pages.</source>
        <translation>El mapa del sitio enumera más de %1 páginas.</translation>
    </message>
    <message>
        <source>The site map&apos;s addresses nest deeper than %1 folders.</source>
        <translation>Las direcciones del mapa del sitio tienen más de %1 carpetas de profundidad.</translation>
    </message>
    <message>
        <source>The site map lists no web pages.</source>
        <translation>El mapa del sitio no enumera ninguna página web.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>Este tipo de importación no está disponible en esta versión de Tarvex.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que se inicie el programa.</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Idioma del escritorio</translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Open &amp;anyway</source>
        <translation>Abrir de todos &amp;modos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>S&amp;obrescribir</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Más &amp;tarde</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Connected to %1; the folder is there and Tarvex may log in.</source>
        <translation>Conectado a %1; la carpeta existe y Tarvex puede iniciar sesión.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password or key is wrong, or the key is not allowed there.</source>
        <translation>%1 rechazó el inicio de sesión de %2: la contraseña o la clave es incorrecta, o la clave no está permitida allí.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so the server may not be the one it claims to be; nothing was sent. If the site&apos;s certificate comes from an authority of its own, name that authority&apos;s certificate as the CA file.</source>
        <translation>No se pudo verificar el certificado de %1 (%2), así que es posible que el servidor no sea quien dice ser; no se envió nada. Si el certificado del sitio procede de una autoridad propia, indique el certificado de esa autoridad como archivo de CA.</translation>
    </message>
    <message>
        <source>Could not connect to %1 (%2).</source>
        <translation>No se pudo conectar a %1 (%2).</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>El disco del servidor está lleno.</translation>
    </message>
    <message>
        <source>The server denied access (%1).</source>
        <translation>El servidor denegó el acceso (%1).</translation>
    </message>
    <message>
        <source>The connection to %1 failed (%2).</source>
        <translation>Falló la conexión con %1 (%2).</translation>
    </message>
    <message>
        <source>The server in %1 is not a host name or address.</source>
        <translation>El servidor de %1 no es un nombre de host ni una dirección.</translation>
    </message>
    <message>
        <source>The port in %1 is not a number from 1 to 65535.</source>
        <translation>El puerto de %1 no es un número entre 1 y 65535.</translation>
    </message>
    <message>
        <source>The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server.</source>
        <translation>La dirección %1 no indica ningún protocolo; escriba sftp://, ftps:// o davs:// delante del servidor.</translation>
    </message>
    <message>
        <source>Plain ftp:// sends the password and the files unencrypted, readable by anyone on the way; use sftp:// or ftps:// (FTP with TLS) instead.</source>
        <translation>El ftp:// simple envía la contraseña y los archivos sin cifrar, legibles por cualquiera en el camino; use en su lugar sftp:// o ftps:// (FTP con TLS).</translation>
    </message>
    <message>
        <source>The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://.</source>
        <translation>Tarvex no publica mediante el protocolo %1://; use sftp://, ftps:// o davs://.</translation>
    </message>
    <message>
        <source>The address %1 holds a query or fragment; name only the folder.</source>
        <translation>La dirección %1 contiene una consulta o un fragmento; indique solo la carpeta.</translation>
    </message>
    <message>
        <source>The address %1 holds a password or an unusable user name; the password is never part of the address.</source>
        <translation>La dirección %1 contiene una contraseña o un nombre de usuario que no se puede usar; la contraseña nunca forma parte de la dirección.</translation>
    </message>
    <message>
        <source>Plain dav:// is unencrypted and allowed only on this computer or a private network; use davs:// (WebDAV over HTTPS) for %1.</source>
        <translation>El dav:// simple no está cifrado y solo se permite en este equipo o en una red privada; use davs:// (WebDAV sobre HTTPS) para %1.</translation>
    </message>
    <message>
        <source>The folder in %1 is not usable: it may not contain &quot;..&quot;, control characters, quotes or back-slashes.</source>
        <translation>La carpeta de %1 no se puede usar: no puede contener &quot;..&quot;, caracteres de control, comillas ni barras invertidas.</translation>
    </message>
    <message>
        <source>Plain dav:// sends the password and the files unencrypted; it is used only after you confirm that (in the command line with --allow-plain-dav). Prefer davs://.</source>
        <translation>El dav:// simple envía la contraseña y los archivos sin cifrar; solo se usa después de que usted lo confirme (en la línea de comandos, con --allow-plain-dav). Es preferible davs://.</translation>
    </message>
    <message>
        <source>Publishing to a site is not available in this build of Tarvex; publish to a folder and copy the files with a transfer program.</source>
        <translation>La publicación en un sitio no está disponible en esta versión de Tarvex; publique en una carpeta y copie los archivos con un programa de transferencia.</translation>
    </message>
    <message>
        <source>An SFTP publish needs a known-hosts file that holds the server&apos;s key.</source>
        <translation>Publicar por SFTP requiere un archivo de hosts conocidos que contenga la clave del servidor.</translation>
    </message>
    <message>
        <source>A WebDAV address names a path from the server&apos;s root; ~ means nothing there.</source>
        <translation>Una dirección WebDAV indica una ruta desde la raíz del servidor; allí ~ no significa nada.</translation>
    </message>
    <message>
        <source>This protocol is not one Tarvex publishes by.</source>
        <translation>Tarvex no publica mediante este protocolo.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2.</source>
        <translation>La carpeta %1 no existe en %2.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password is wrong.</source>
        <translation>%1 rechazó el inicio de sesión de %2: la contraseña es incorrecta.</translation>
    </message>
    <message>
        <source>The server denied access (HTTP 403).</source>
        <translation>El servidor denegó el acceso (HTTP 403).</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2, which WebDAV does not expect here.</source>
        <translation>%1 respondió HTTP %2, una respuesta que WebDAV no espera aquí.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2, or %3 may not open it.</source>
        <translation>La carpeta %1 no existe en %2, o %3 no tiene permiso para abrirla.</translation>
    </message>
    <message>
        <source>%1 did not say which folder the login starts in, so ~ cannot be found there; name the folder from the root (/...).</source>
        <translation>%1 no indicó en qué carpeta comienza la sesión, así que allí no se puede encontrar ~; indique la carpeta desde la raíz (/...).</translation>
    </message>
    <message>
        <source>The host key of %1 has changed (it is now %2), so the server may not be the one you published to before; nothing was sent. If the server&apos;s administrator confirms the new key, remove the old entry for %1 from %3.</source>
        <translation>La clave de host de %1 ha cambiado (ahora es %2), así que es posible que el servidor no sea aquel en el que publicó antes; no se envió nada. Si el administrador del servidor confirma la nueva clave, quite de %3 la entrada antigua de %1.</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check the fingerprint with the server&apos;s administrator, then add the key there (for example with ssh-keyscan) or name a known-hosts file that holds it.</source>
        <translation>La clave de host de %1 (%2) no está en %3; nunca se confía en un servidor desconocido. Compruebe la huella digital con el administrador del servidor y después agregue la clave allí (por ejemplo, con ssh-keyscan) o indique un archivo de hosts conocidos que la contenga.</translation>
    </message>
    <message>
        <source>Someone else changed %1 on the server since Tarvex last published there; nothing was sent. Publish with --force to replace them. The site is unchanged.</source>
        <translation>Otra persona modificó %1 en el servidor después de la última publicación de Tarvex; no se envió nada. Publique con --force para reemplazarlos. El sitio no ha cambiado.</translation>
    </message>
    <message>
        <source>Sending %1 failed: %2</source>
        <translation>Error al enviar %1: %2</translation>
    </message>
    <message>
        <source>Sending the publish manifest failed: %1</source>
        <translation>Error al enviar el manifiesto de publicación: %1</translation>
    </message>
    <message>
        <source>%1 The site is unchanged. Its temporary files are removed where the server allowed it.</source>
        <translation>%1 El sitio no ha cambiado. Sus archivos temporales se han eliminado donde el servidor lo ha permitido.</translation>
    </message>
    <message>
        <source>Publishing was cancelled before any file was replaced.</source>
        <translation>La publicación se canceló antes de reemplazar ningún archivo.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 The site is unchanged.</source>
        <translation>No se pudo colocar %1 en su lugar: %2 El sitio no ha cambiado.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 Already replaced: %3. The site may be partly updated; publish again to complete it.</source>
        <translation>No se pudo colocar %1 en su lugar: %2 Ya reemplazados: %3. Es posible que el sitio solo esté actualizado en parte; vuelva a publicar para completarlo.</translation>
    </message>
    <message>
        <source>%1 The site is unchanged.</source>
        <translation>%1 El sitio no ha cambiado.</translation>
    </message>
    <message>
        <source>The site is up to date; nothing was sent.</source>
        <translation>El sitio está actualizado; no se envió nada.</translation>
    </message>
    <message>
        <source>The server&apos;s key cannot be written to a known-hosts file.</source>
        <translation>La clave del servidor no se puede escribir en un archivo de hosts conocidos.</translation>
    </message>
    <message>
        <source>There is no folder for the known-hosts file of Tarvex (HOME is not set).</source>
        <translation>No hay ninguna carpeta para el archivo de hosts conocidos de Tarvex (HOME no está definida).</translation>
    </message>
    <message>
        <source>The known-hosts file %1 could not be read, so no key was added to it.</source>
        <translation>No se pudo leer el archivo de hosts conocidos %1, así que no se le agregó ninguna clave.</translation>
    </message>
    <message>
        <source>The server&apos;s key could not be kept in %1.%2</source>
        <translation>No se pudo guardar la clave del servidor en %1.%2</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>Not all files were published to the folder %1.</source>
        <translation>No se publicaron todos los archivos en la carpeta %1.</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Escritos: %1.</translation>
    </message>
    <message>
        <source>Kept as they were, as you chose: %1.</source>
        <translation>Se conservaron tal como estaban, como eligió: %1.</translation>
    </message>
</context>
<context>
    <name>PublishMenuDialog</name>
    <message>
        <source>Publish menu</source>
        <translation>Publicar menú</translation>
    </message>
    <message>
        <source>&amp;Classic files: one.js, main.js and the menu script
(three script lines, any page)</source>
        <translation>Archivos &amp;clásicos: one.js, main.js y el script del menú
(tres líneas de script, en cualquier página)</translation>
    </message>
    <message>
        <source>Menu &amp;module: tarvex-menu.js and tarvex-menu.css
(a link and a module script in the page&apos;s head)</source>
        <translation>&amp;Módulo de menú: tarvex-menu.js y tarvex-menu.css
(un link y un script de módulo en el head de la página)</translation>
    </message>
    <message>
        <source>What will your pages load?</source>
        <translation>¿Qué cargarán sus páginas?</translation>
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
        <translation>Opciones del menú</translation>
    </message>
    <message>
        <source>Remain Visible</source>
        <translation>Permanecer visible</translation>
    </message>
    <message>
        <source>Menu Left</source>
        <translation>Posición izquierda del menú</translation>
    </message>
    <message>
        <source>Menu Top</source>
        <translation>Posición superior del menú</translation>
    </message>
    <message>
        <source>Menu Width</source>
        <translation>Ancho del menú</translation>
    </message>
    <message>
        <source>Menu Border</source>
        <translation>Borde del menú</translation>
    </message>
    <message>
        <source>Screen Position</source>
        <translation>Posición en pantalla</translation>
    </message>
    <message>
        <source>Menu Style</source>
        <translation>Estilo del menú</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Alineación del texto</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Image position</source>
        <translation>Posición de la imagen</translation>
    </message>
    <message>
        <source>Menu opening</source>
        <translation>Apertura del menú</translation>
    </message>
    <message>
        <source>Menu button caption</source>
        <translation>Título del botón de menú</translation>
    </message>
    <message>
        <source>Navigation name</source>
        <translation>Nombre de la navegación</translation>
    </message>
    <message>
        <source>Dark style</source>
        <translation>Estilo oscuro</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>When no room</source>
        <translation>Si no hay espacio</translation>
    </message>
    <message>
        <source>More caption</source>
        <translation>Título de Más</translation>
    </message>
    <message>
        <source>Small screen width</source>
        <translation>Ancho de pantalla pequeña</translation>
    </message>
    <message>
        <source>Small screen look</source>
        <translation>Aspecto en pantalla pequeña</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Badge</source>
        <translation>Insignia</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Mouse Off Font</source>
        <translation>Texto normal</translation>
    </message>
    <message>
        <source>Mouse Off Background</source>
        <translation>Fondo normal</translation>
    </message>
    <message>
        <source>Mouse On Font</source>
        <translation>Texto al pasar el ratón</translation>
    </message>
    <message>
        <source>Mouse On Background</source>
        <translation>Fondo al pasar el ratón</translation>
    </message>
    <message>
        <source>Menu Border Color</source>
        <translation>Color del borde del menú</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>Estilo de fuente</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Grosor de fuente</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Nombre de fuente</translation>
    </message>
    <message>
        <source>Menu Item Padding</source>
        <translation>Relleno del elemento de menú</translation>
    </message>
    <message>
        <source>Sub Menu Image</source>
        <translation>Imagen de submenú</translation>
    </message>
    <message>
        <source>3D Border &amp; Separator bar</source>
        <translation>Borde 3D &amp; barra separadora</translation>
    </message>
    <message>
        <source>3D High Color</source>
        <translation>Color claro 3D</translation>
    </message>
    <message>
        <source>3D Low Color</source>
        <translation>Color oscuro 3D</translation>
    </message>
    <message>
        <source>Top Bar Image</source>
        <translation>Imagen de la barra superior</translation>
    </message>
    <message>
        <source>Menu Header Font Color</source>
        <translation>Color del texto del encabezado</translation>
    </message>
    <message>
        <source>Menu Header Background</source>
        <translation>Fondo del encabezado</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles</source>
        <translation>No se puede compilar el proyecto. No hay estilos de menú</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>¡Advertencia!</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>Opciones del menú principal</translation>
    </message>
    <message>
        <source>Style name &quot;%1&quot; can not be used as a script variable; menu.js calls it %2</source>
        <translation>El nombre de estilo &quot;%1&quot; no se puede usar como variable de script; menu.js lo llama %2</translation>
    </message>
    <message>
        <source>Menu name &quot;%1&quot; of &quot;%2&quot; object is already used; menu.js names this menu &quot;%3&quot;</source>
        <translation>El nombre de menú &quot;%1&quot; del objeto &quot;%2&quot; ya está en uso; menu.js llama a este menú &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Image position &quot;%1&quot; in &quot;%2&quot; object is not left, right or center; none is used</source>
        <translation>La posición de imagen &quot;%1&quot; del objeto &quot;%2&quot; no es left, right ni center; no se usa ninguna</translation>
    </message>
    <message>
        <source>Address of &quot;%1&quot; object is a javascript: address; it runs script on your pages</source>
        <translation>La dirección del objeto &quot;%1&quot; es una dirección javascript:; ejecuta script en sus páginas</translation>
    </message>
    <message>
        <source>An entry of &quot;%1&quot; object has no caption; it is drawn as an empty row</source>
        <translation>Una entrada del objeto &quot;%1&quot; no tiene título; se dibuja como una fila vacía</translation>
    </message>
    <message>
        <source>Menu style in &quot;%1&quot; object not found. Used first found menu style</source>
        <translation>No se encontró el estilo de menú del objeto &quot;%1&quot;. Se usó el primer estilo de menú encontrado</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
        <translation>al hacer clic</translation>
    </message>
    <message>
        <source>on mouse over</source>
        <translation>al pasar el ratón</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Menu button</source>
        <translation>Botón de menú</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Wrap</source>
        <translation>Varias líneas</translation>
    </message>
    <message>
        <source>Drawer</source>
        <translation>Cajón lateral</translation>
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
        <translation>Korvane Tarvex diseña menús desplegables para sus páginas web sin escribir a mano ni una línea de script: construya el árbol del menú, elija los estilos, observe la vista previa y publique.

Nos alegrará saber de usted: preguntas, ideas e informes de errores son bienvenidos.

Web: https://www.korvane.example
Comentarios: https://www.korvane.example/feedback.php
Correo electrónico: support@korvane.example
Ventas: sales@korvane.example

Copyright (c) Korvane. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>About Korvane Product</source>
        <translation>Acerca de Korvane Product</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>tarvex::TApplicationFolder</name>
    <message>
        <source>The folder %1 is missing: without it there is no menu engine, no preview page and no help. Install Korvane Tarvex again.</source>
        <translation>Falta la carpeta %1: sin ella no hay motor de menús, ni página de vista previa, ni ayuda. Vuelva a instalar Korvane Tarvex.</translation>
    </message>
</context>
<context>
    <name>tarvex::TCommandBarLayout</name>
    <message>
        <source>Unable to save settings</source>
        <translation>No se pudo guardar la configuración</translation>
    </message>
</context>
<context>
    <name>tarvex::TCustomizeDialog</name>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>Barras de herramientas</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Toolbars:</source>
        <translation>Barras de herramientas:</translation>
    </message>
    <message>
        <source>To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.</source>
        <translation>Para agregar un comando a una barra de herramientas o a un menú, arrástrelo a una barra de herramientas o al título de un menú.</translation>
    </message>
    <message>
        <source>Show tips on toolbars</source>
        <translation>Mostrar sugerencias en las barras de herramientas</translation>
    </message>
    <message>
        <source>Show shortcut keys in tips</source>
        <translation>Mostrar los atajos de teclado en las sugerencias</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Iconos grandes</translation>
    </message>
</context>
<context>
    <name>tarvex::TFindField</name>
    <message>
        <source>Find captions, addresses or style names</source>
        <translation>Buscar títulos, direcciones o nombres de estilo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>tarvex::TFoldersScanResultForm</name>
    <message>
        <source>Select Favorities Folder</source>
        <translation>Seleccionar la carpeta de Favoritos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tarvex::TImportReviewForm</name>
    <message>
        <source>Navigation to import</source>
        <translation>Navegación que se importará</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Entries to import; clear a check box to leave a branch out</source>
        <translation>Entradas que se importarán; desmarque una casilla para dejar fuera una rama</translation>
    </message>
    <message>
        <source>%1 of %2 entries will be added.</source>
        <translation>Se agregarán %1 de %2 entradas.</translation>
    </message>
</context>
<context>
    <name>tarvex::TMainUserInterface</name>
    <message>
        <source>Checks: %1</source>
        <translation>Comprobaciones: %1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirmar reemplazo de archivo</translation>
    </message>
    <message>
        <source>This folder already contains a file named &quot;%1&quot;.

Would you like to replace the existing file?</source>
        <translation>Esta carpeta ya contiene un archivo llamado &quot;%1&quot;.

¿Desea reemplazar el archivo existente?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewStage</name>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation>Tableta (768 px)</translation>
    </message>
    <message>
        <source>Phone (375 px)</source>
        <translation>Teléfono (375 px)</translation>
    </message>
    <message>
        <source>Preview screen size</source>
        <translation>Tamaño de pantalla de la vista previa</translation>
    </message>
    <message>
        <source>&amp;Screen:</source>
        <translation>&amp;Pantalla:</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewWebPage</name>
    <message>
        <source>Blocked: the page itself tried to open %1.</source>
        <translation>Bloqueado: la propia página intentó abrir %1.</translation>
    </message>
    <message>
        <source>Not opened: %1 is no web address, page, document or picture of the site.</source>
        <translation>No se abrió: %1 no es una dirección web ni una página, documento o imagen del sitio.</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridDelegate</name>
    <message>
        <source>An icon of the set, or the name of an .svg file beside the project</source>
        <translation>Un icono del conjunto o el nombre de un archivo .svg junto al proyecto</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>Elegir color</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridModel</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishTargetForm</name>
    <message>
        <source>My site</source>
        <translation>Mi sitio</translation>
    </message>
    <message>
        <source>When the address names none</source>
        <translation>Si la dirección no indica ninguno</translation>
    </message>
    <message>
        <source>SFTP: empty uses the SSH agent or the password</source>
        <translation>SFTP: si se deja vacío, se usa el agente SSH o la contraseña</translation>
    </message>
    <message>
        <source>Only for a company&apos;s own authority</source>
        <translation>Solo para la autoridad de certificación propia de una empresa</translation>
    </message>
    <message>
        <source>Menu script and engine (three files)</source>
        <translation>Script y motor del menú (tres archivos)</translation>
    </message>
    <message>
        <source>Module (tarvex-menu.js and tarvex-menu.css)</source>
        <translation>Módulo (tarvex-menu.js y tarvex-menu.css)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Archivos:</translation>
    </message>
    <message>
        <source>&amp;Key file:</source>
        <translation>Archivo de c&amp;lave:</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Clave privada</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>C&amp;A file:</source>
        <translation>Archiv&amp;o de CA:</translation>
    </message>
    <message>
        <source>Certificate authority</source>
        <translation>Autoridad de certificación</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>Certificados (*.pem *.crt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Site add&amp;ress:</source>
        <translation>Dirección del s&amp;itio:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishToSiteDialog</name>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Re&amp;member in the desktop&apos;s key store</source>
        <translation>&amp;Recordar en el almacén de claves del escritorio</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;gregar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Pro&amp;bar conexión</translation>
    </message>
    <message>
        <source>&amp;Show changes</source>
        <translation>&amp;Mostrar cambios</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Publicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Publish to site</source>
        <translation>Publicar en el sitio</translation>
    </message>
    <message>
        <source>Asked of the key store when empty</source>
        <translation>Si se deja vacía, se pide al almacén de claves</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Qué se hará</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Files on the site</source>
        <translation>Archivos en el sitio</translation>
    </message>
    <message>
        <source>Progress in total</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>This project names no server yet: Add one, with the address of the folder the menu&apos;s files go to.</source>
        <translation>Este proyecto aún no indica ningún servidor: agregue uno, con la dirección de la carpeta a la que van los archivos del menú.</translation>
    </message>
    <message>
        <source>Ser&amp;vers:</source>
        <translation>Ser&amp;vidores:</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>Servidores</translation>
    </message>
    <message>
        <source>Enter the address of the folder on the server, such as sftp://user@example.com/var/www/menu.</source>
        <translation>Escriba la dirección de la carpeta en el servidor, por ejemplo sftp://usuario@example.com/var/www/menu.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>agregar</translation>
    </message>
    <message>
        <source>replace (changed on the site by someone else)</source>
        <translation>reemplazar (otra persona lo modificó en el sitio)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>reemplazar</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>dejar</translation>
    </message>
    <message>
        <source>The site holds these files already: nothing to send.</source>
        <translation>El sitio ya tiene estos archivos: no hay nada que enviar.</translation>
    </message>
    <message>
        <source>Publish sends %1 of the %2 files (%3); the others are on the site already.</source>
        <translation>Publicar enviará %1 de los %2 archivos (%3); los demás ya están en el sitio.</translation>
    </message>
    <message>
        <source>%1 is a plain dav:// address: the password and the files travel unencrypted, and anyone on the network between can read or change them. Send to it anyway?</source>
        <translation>%1 es una dirección dav:// simple: la contraseña y los archivos viajan sin cifrar, y cualquiera que esté en la red intermedia puede leerlos o modificarlos. ¿Enviar de todos modos?</translation>
    </message>
    <message>
        <source>Tarvex has not connected to %1 before. The server identifies itself with the %2 key

%3

Compare this fingerprint with the one your hosting provider gives. Trust this server from now on?</source>
        <translation>Tarvex no se ha conectado antes a %1. El servidor se identifica con la clave %2

%3

Compare esta huella digital con la que le indica su proveedor de alojamiento. ¿Confiar en este servidor a partir de ahora?</translation>
    </message>
    <message>
        <source>The server&apos;s key was not trusted; nothing was sent.</source>
        <translation>No se confió en la clave del servidor; no se envió nada.</translation>
    </message>
    <message>
        <source>The desktop&apos;s key store is not available (%1): the password serves only while this dialog is open.</source>
        <translation>El almacén de claves del escritorio no está disponible (%1): la contraseña solo sirve mientras este cuadro de diálogo esté abierto.</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Comparing with the site…</source>
        <translation>Comparando con el sitio…</translation>
    </message>
    <message>
        <source>Someone else changed files on the site since Tarvex last published them (marked in the list). Replace them with this project&apos;s files?</source>
        <translation>Otra persona modificó archivos del sitio después de la última publicación de Tarvex (están marcados en la lista). ¿Reemplazarlos con los archivos de este proyecto?</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>Publicando…</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published to %1:&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;p&gt;Publicado en %1:&lt;/p&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Open the live page</source>
        <translation>Abrir la página publicada</translation>
    </message>
</context>
<context>
    <name>tarvex::TScriptWarningsForm</name>
    <message>
        <source>Checks</source>
        <translation>Comprobaciones</translation>
    </message>
    <message>
        <source>What visitors of the published menu would meet. Double-click one to go to it:</source>
        <translation>Lo que encontrarían los visitantes del menú publicado. Haga doble clic en una línea para ir a ella:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
</context>
<context>
    <name>tarvex::TStyleTemplateForm</name>
    <message>
        <source>Style template</source>
        <translation>Plantilla de estilo</translation>
    </message>
    <message>
        <source>Favorites styles</source>
        <translation>Estilos favoritos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show at start-up</source>
        <translation>Mostrar al iniciar</translation>
    </message>
</context>
<context>
    <name>tarvex::TTarvexForm</name>
    <message>
        <source>Menu creator</source>
        <translation>Creador de menús</translation>
    </message>
    <message>
        <source>Menu styles</source>
        <translation>Estilos del menú</translation>
    </message>
    <message>
        <source>Show what visitors of the published menu would meet</source>
        <translation>Muestra lo que encontrarían los visitantes del menú publicado</translation>
    </message>
    <message>
        <source>Design pages</source>
        <translation>Páginas de diseño</translation>
    </message>
    <message>
        <source>Menu objects</source>
        <translation>Objetos del menú</translation>
    </message>
    <message>
        <source>Menu options</source>
        <translation>Opciones del menú</translation>
    </message>
    <message>
        <source>Menu item properties</source>
        <translation>Propiedades del elemento de menú</translation>
    </message>
    <message>
        <source>Style properties</source>
        <translation>Propiedades del estilo</translation>
    </message>
    <message>
        <source>Preview and help pages</source>
        <translation>Páginas de vista previa y ayuda</translation>
    </message>
    <message>
        <source>File toolbar</source>
        <translation>Barra de herramientas Archivo</translation>
    </message>
    <message>
        <source>Commands toolbar</source>
        <translation>Barra de herramientas Comandos</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>Design and preview divider</source>
        <translation>Divisor entre diseño y vista previa</translation>
    </message>
    <message>
        <source>Objects and properties divider</source>
        <translation>Divisor entre objetos y propiedades</translation>
    </message>
    <message>
        <source>Styles and properties divider</source>
        <translation>Divisor entre estilos y propiedades</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Quick help</source>
        <translation>Ayuda rápida</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>Vista previa del menú</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used; the file has been kept as %1.</source>
        <translation>No se pudo leer Tarvex.dat, así que se usan los menús y barras de herramientas integrados; el archivo se ha conservado como %1.</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used.</source>
        <translation>No se pudo leer Tarvex.dat, así que se usan los menús y barras de herramientas integrados.</translation>
    </message>
</context>
</TS>
