<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Checks</name>
    <message>
        <source>Style list</source>
        <translation>Lista de estilos</translation>
    </message>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles.</source>
        <translation>Não é possível compilar o projeto. Não há estilos de menu.</translation>
    </message>
    <message>
        <source>%1 more problems are not listed; mend the ones above first.</source>
        <translation>Outros %1 problemas não estão listados; corrija primeiro os de cima.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>No menu uses this style.</source>
        <translation>Nenhum menu usa este estilo.</translation>
    </message>
    <message>
        <source>%1 has a contrast of %2:1; text needs at least %3:1 to be read.</source>
        <translation>%1 tem contraste de %2:1; o texto precisa de pelo menos %3:1 para ser lido.</translation>
    </message>
    <message>
        <source>Its entries are %1 px high; visitors need at least 24 px to hit them (raise &quot;Font Size&quot; or &quot;Menu Item Padding&quot;).</source>
        <translation>As entradas têm %1 px de altura; os visitantes precisam de pelo menos 24 px para acertá-las (aumente &quot;Tamanho da fonte&quot; ou &quot;Espaçamento interno do item de menu&quot;).</translation>
    </message>
    <message>
        <source>Its address is a javascript: address, which runs script on your pages and does nothing where script is blocked.</source>
        <translation>O endereço é um endereço javascript:, que executa script nas suas páginas e não faz nada onde o script estiver bloqueado.</translation>
    </message>
    <message>
        <source>The item has no address, so visitors cannot follow it.</source>
        <translation>O item não tem endereço, por isso os visitantes não podem segui-lo.</translation>
    </message>
    <message>
        <source>Its address is still the placeholder &quot;%1&quot;; give it the page it should open, or clear it.</source>
        <translation>O endereço ainda é o provisório &quot;%1&quot;; informe a página que ele deve abrir ou apague-o.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; is also the address of &quot;%2&quot; in this menu.</source>
        <translation>O endereço &quot;%1&quot; também é o endereço de &quot;%2&quot; neste menu.</translation>
    </message>
    <message>
        <source>The entry has no caption; visitors see an empty row.</source>
        <translation>A entrada não tem título; os visitantes veem uma linha vazia.</translation>
    </message>
    <message>
        <source>Its caption is %1 characters long; more than %2 wrap onto further lines.</source>
        <translation>O título tem %1 caracteres; acima de %2 ele quebra em outras linhas.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; names no file in the site&apos;s folder.</source>
        <translation>O endereço &quot;%1&quot; não corresponde a nenhum arquivo da pasta do site.</translation>
    </message>
    <message>
        <source>The group has no entries, so its submenu opens nothing.</source>
        <translation>O grupo não tem entradas, por isso o submenu dele não abre nada.</translation>
    </message>
    <message>
        <source>Its submenu is nested %1 levels deep; menus deeper than %2 levels are hard to reach.</source>
        <translation>O submenu está aninhado em %1 níveis; menus com mais de %2 níveis são difíceis de alcançar.</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot;</source>
        <translation>Estilo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>Opções do menu principal</translation>
    </message>
    <message>
        <source>(no caption)</source>
        <translation>(sem título)</translation>
    </message>
    <message>
        <source>Its description is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>A descrição é desenhada com %1 px em %2, com contraste de %3:1; um texto tão pequeno precisa de pelo menos %4:1 para ser lido.</translation>
    </message>
    <message>
        <source>Its badge is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>O selo é desenhado com %1 px em %2, com contraste de %3:1; um texto tão pequeno precisa de pelo menos %4:1 para ser lido.</translation>
    </message>
    <message>
        <source>Its icon &quot;%1&quot; is none of the drawn icons and no .svg file, so no icon is drawn.</source>
        <translation>O ícone &quot;%1&quot; não é nenhum dos ícones internos nem um arquivo .svg, por isso nenhum ícone é desenhado.</translation>
    </message>
    <message>
        <source>Its icon file &quot;%1&quot; %2, so no icon is drawn.</source>
        <translation>O arquivo de ícone &quot;%1&quot; %2, por isso nenhum ícone é desenhado.</translation>
    </message>
    <message>
        <source>at the small screen width of %1 px</source>
        <translation>na largura de tela pequena de %1 px</translation>
    </message>
    <message>
        <source>in a window %1 px wide</source>
        <translation>em uma janela de %1 px de largura</translation>
    </message>
    <message>
        <source>Its panel&apos;s %1 columns need about %2 px, but %3 only %4 fit, so the captions are squeezed (set &quot;Columns&quot; to %4 or 0, or raise &quot;Small screen width&quot; on the main menu).</source>
        <translation>As %1 colunas do painel precisam de cerca de %2 px, mas %3 cabem apenas %4, por isso os títulos ficam espremidos (defina &quot;Colunas&quot; como %4 ou 0, ou aumente &quot;Largura de tela pequena&quot; no menu principal).</translation>
    </message>
    <message>
        <source>&quot;When no room&quot; is More, but &quot;More caption&quot; holds only characters that draw nothing, so the entry that gathers the rest of the bar is empty and screen readers give it no name; type a caption or empty the field for &quot;More&quot;.</source>
        <translation>&quot;Quando não houver espaço&quot; está em Mais, mas &quot;Título de Mais&quot; contém apenas caracteres que não são desenhados, por isso a entrada que reúne o resto da barra fica vazia e os leitores de tela não lhe dão nome; digite um título ou esvazie o campo para usar &quot;Mais&quot;.</translation>
    </message>
    <message>
        <source>&quot;Mouse Off Font&quot; on &quot;Mouse Off Background&quot;</source>
        <translation>&quot;Texto normal&quot; sobre &quot;Fundo normal&quot;</translation>
    </message>
    <message>
        <source>&quot;Mouse On Font&quot; on &quot;Mouse On Background&quot;</source>
        <translation>&quot;Texto ao passar o mouse&quot; sobre &quot;Fundo ao passar o mouse&quot;</translation>
    </message>
    <message>
        <source>&quot;Menu Header Font Color&quot; on &quot;Menu Header Background&quot;</source>
        <translation>&quot;Cor do texto do cabeçalho&quot; sobre &quot;Fundo do cabeçalho&quot;</translation>
    </message>
    <message>
        <source>ends before its elements are closed</source>
        <translation>termina antes de seus elementos serem fechados</translation>
    </message>
    <message>
        <source>holds no svg element</source>
        <translation>não contém nenhum elemento svg</translation>
    </message>
    <message>
        <source>has a comment that does not end</source>
        <translation>contém um comentário que não termina</translation>
    </message>
    <message>
        <source>declares a document type, entities or character data, which an icon may not</source>
        <translation>declara um tipo de documento, entidades ou dados de caracteres, o que um ícone não pode fazer</translation>
    </message>
    <message>
        <source>has an XML declaration that does not end</source>
        <translation>contém uma declaração XML que não termina</translation>
    </message>
    <message>
        <source>holds a processing instruction</source>
        <translation>contém uma instrução de processamento</translation>
    </message>
    <message>
        <source>is not well-formed XML</source>
        <translation>não é um XML bem formado</translation>
    </message>
    <message>
        <source>holds a %1 element, which an icon may not</source>
        <translation>contém um elemento %1, o que um ícone não pode fazer</translation>
    </message>
    <message>
        <source>holds more than one drawing</source>
        <translation>contém mais de um desenho</translation>
    </message>
    <message>
        <source>does not begin with an svg element</source>
        <translation>não começa com um elemento svg</translation>
    </message>
    <message>
        <source>holds an svg element inside another</source>
        <translation>contém um elemento svg dentro de outro</translation>
    </message>
    <message>
        <source>nests its elements more than %1 deep</source>
        <translation>aninha seus elementos em mais de %1 níveis</translation>
    </message>
    <message>
        <source>ends inside the %1 element&apos;s tag</source>
        <translation>termina dentro da tag do elemento %1</translation>
    </message>
    <message>
        <source>closes a %1 element it did not open</source>
        <translation>fecha um elemento %1 que não abriu</translation>
    </message>
    <message>
        <source>has an event attribute (%1)</source>
        <translation>tem um atributo de evento (%1)</translation>
    </message>
    <message>
        <source>links to another file or address (%1)</source>
        <translation>aponta para outro arquivo ou endereço (%1)</translation>
    </message>
    <message>
        <source>refers to something outside the drawing (%1)</source>
        <translation>faz referência a algo fora do desenho (%1)</translation>
    </message>
    <message>
        <source>uses an entity (&amp;%1;), which an icon may not</source>
        <translation>usa uma entidade (&amp;%1;), o que um ícone não pode fazer</translation>
    </message>
    <message>
        <source>is larger than %1 KB</source>
        <translation>tem mais de %1 KB</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>cannot be found until the project is saved, since it is looked for beside the project</source>
        <translation>só pode ser encontrado depois que o projeto for salvo, pois é procurado na pasta do projeto</translation>
    </message>
    <message>
        <source>is not beside the project (name it relative to the project&apos;s folder, without &quot;..&quot;)</source>
        <translation>não está na pasta do projeto (indique-o em relação à pasta do projeto, sem &quot;..&quot;)</translation>
    </message>
    <message>
        <source>does not exist beside the project</source>
        <translation>não existe na pasta do projeto</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create new project</source>
        <translation>Cria um novo projeto</translation>
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
        <translation>Abre um projeto existente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>Salva o projeto atual</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Salvar como ...</translation>
    </message>
    <message>
        <source>S&amp;ave as ...</source>
        <translation>Salvar &amp;como ...</translation>
    </message>
    <message>
        <source>Save project as</source>
        <translation>Salva o projeto com outro nome</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>Publicar menu</translation>
    </message>
    <message>
        <source>&amp;Publish menu</source>
        <translation>&amp;Publicar menu</translation>
    </message>
    <message>
        <source>Create necessary files to publish menu</source>
        <translation>Cria os arquivos necessários para publicar o menu</translation>
    </message>
    <message>
        <source>Publish to site…</source>
        <translation>Publicar no site…</translation>
    </message>
    <message>
        <source>Publish &amp;to site…</source>
        <translation>Publicar no si&amp;te…</translation>
    </message>
    <message>
        <source>Send the menu&apos;s files straight to a web server</source>
        <translation>Envia os arquivos do menu diretamente para um servidor web</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Export menu as HTML</source>
        <translation>Exportar menu como HTML</translation>
    </message>
    <message>
        <source>E&amp;xport menu as HTML</source>
        <translation>E&amp;xportar menu como HTML</translation>
    </message>
    <message>
        <source>Write the menu as a plain HTML list of links</source>
        <translation>Grava o menu como uma lista HTML simples de links</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Desfaz a última alteração</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation>Refaz a última alteração desfeita</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>Recorta a seleção para a área de transferência</translation>
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
        <translation>Copia a seleção para a área de transferência</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Paste from the clipboard after the selection</source>
        <translation>Cola o conteúdo da área de transferência depois da seleção</translation>
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
        <translation>Duplica a seleção</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>&amp;Mover para cima</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>Move a seleção para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>Move a seleção para baixo</translation>
    </message>
    <message>
        <source>Move out of the group</source>
        <translation>Mover para fora do grupo</translation>
    </message>
    <message>
        <source>Move &amp;out of the group</source>
        <translation>Mover para &amp;fora do grupo</translation>
    </message>
    <message>
        <source>Move the selection out of its group</source>
        <translation>Move a seleção para fora do grupo dela</translation>
    </message>
    <message>
        <source>Move into the previous group</source>
        <translation>Mover para o grupo anterior</translation>
    </message>
    <message>
        <source>Move &amp;into the previous group</source>
        <translation>Mover para o grupo &amp;anterior</translation>
    </message>
    <message>
        <source>Move the selection into the group above it</source>
        <translation>Move a seleção para o grupo acima dela</translation>
    </message>
    <message>
        <source>Sort by caption</source>
        <translation>Ordenar por título</translation>
    </message>
    <message>
        <source>&amp;Sort by caption</source>
        <translation>Ordenar &amp;por título</translation>
    </message>
    <message>
        <source>Sort the entries of the selected group by caption</source>
        <translation>Ordena por título as entradas do grupo selecionado</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Localizar...</translation>
    </message>
    <message>
        <source>Find captions, addresses and style names</source>
        <translation>Localiza títulos, endereços e nomes de estilo</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Localizar próxima</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Localizar pró&amp;xima</translation>
    </message>
    <message>
        <source>Select the next match</source>
        <translation>Seleciona a próxima ocorrência</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>New menu group</source>
        <translation>Novo grupo de menu</translation>
    </message>
    <message>
        <source>&amp;New menu group</source>
        <translation>&amp;Novo grupo de menu</translation>
    </message>
    <message>
        <source>Create new menu group</source>
        <translation>Cria um novo grupo de menu</translation>
    </message>
    <message>
        <source>Delete menu group</source>
        <translation>Excluir grupo de menu</translation>
    </message>
    <message>
        <source>&amp;Delete menu group</source>
        <translation>&amp;Excluir grupo de menu</translation>
    </message>
    <message>
        <source>Delete selected menu group</source>
        <translation>Exclui o grupo de menu selecionado</translation>
    </message>
    <message>
        <source>How to use groups</source>
        <translation>Como usar grupos</translation>
    </message>
    <message>
        <source>H&amp;ow to use groups</source>
        <translation>Como usar &amp;grupos</translation>
    </message>
    <message>
        <source>New menu item</source>
        <translation>Novo item de menu</translation>
    </message>
    <message>
        <source>N&amp;ew menu item</source>
        <translation>Novo &amp;item de menu</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>Cria um novo item de menu</translation>
    </message>
    <message>
        <source>Delete menu item</source>
        <translation>Excluir item de menu</translation>
    </message>
    <message>
        <source>De&amp;lete menu item</source>
        <translation>Exc&amp;luir item de menu</translation>
    </message>
    <message>
        <source>Delete selected menu item</source>
        <translation>Exclui o item de menu selecionado</translation>
    </message>
    <message>
        <source>How to use menu item</source>
        <translation>Como usar itens de menu</translation>
    </message>
    <message>
        <source>&amp;How to use menu item</source>
        <translation>&amp;Como usar itens de menu</translation>
    </message>
    <message>
        <source>How to use menu options</source>
        <translation>Como usar as opções do menu</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>New style</source>
        <translation>Novo estilo</translation>
    </message>
    <message>
        <source>&amp;New style</source>
        <translation>&amp;Novo estilo</translation>
    </message>
    <message>
        <source>Create new menu item style</source>
        <translation>Cria um novo estilo de item de menu</translation>
    </message>
    <message>
        <source>Insert favorete style</source>
        <translation>Inserir estilo favorito</translation>
    </message>
    <message>
        <source>&amp;Insert favorete style</source>
        <translation>&amp;Inserir estilo favorito</translation>
    </message>
    <message>
        <source>Delete style</source>
        <translation>Excluir estilo</translation>
    </message>
    <message>
        <source>&amp;Delete style</source>
        <translation>&amp;Excluir estilo</translation>
    </message>
    <message>
        <source>Delete selected style</source>
        <translation>Exclui o estilo selecionado</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Adicionar aos favoritos</translation>
    </message>
    <message>
        <source>&amp;Add to favorites</source>
        <translation>&amp;Adicionar aos favoritos</translation>
    </message>
    <message>
        <source>Add current style to favorites</source>
        <translation>Adiciona o estilo atual aos favoritos</translation>
    </message>
    <message>
        <source>How to use styles</source>
        <translation>Como usar estilos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>Atualizar visualização</translation>
    </message>
    <message>
        <source>U&amp;pdate Preview</source>
        <translation>Atualizar &amp;visualização</translation>
    </message>
    <message>
        <source>Update preview window</source>
        <translation>Atualiza a janela de visualização</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>Abrir HTML para visualizar</translation>
    </message>
    <message>
        <source>&amp;Open HTML to preview</source>
        <translation>Abrir &amp;HTML para visualizar</translation>
    </message>
    <message>
        <source>Use default preview</source>
        <translation>Usar visualização padrão</translation>
    </message>
    <message>
        <source>&amp;Use default preview</source>
        <translation>&amp;Usar visualização padrão</translation>
    </message>
    <message>
        <source>Use default HTML page to preview</source>
        <translation>Usa a página HTML padrão para visualizar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>From windows favorities</source>
        <translation>Dos Favoritos do Windows</translation>
    </message>
    <message>
        <source>Import menu from windows favorities</source>
        <translation>Importa o menu dos Favoritos do Windows</translation>
    </message>
    <message>
        <source>From bookmarks file</source>
        <translation>De arquivo de marcadores</translation>
    </message>
    <message>
        <source>Import from &amp;bookmarks file...</source>
        <translation>Importar de arquivo de &amp;marcadores...</translation>
    </message>
    <message>
        <source>Import menu from a browser&apos;s bookmarks file</source>
        <translation>Importa o menu do arquivo de marcadores de um navegador</translation>
    </message>
    <message>
        <source>From site map</source>
        <translation>De mapa do site</translation>
    </message>
    <message>
        <source>Import from &amp;site map...</source>
        <translation>Importar de mapa do &amp;site...</translation>
    </message>
    <message>
        <source>Import menu from a site map (sitemap.xml)</source>
        <translation>Importa o menu de um mapa do site (sitemap.xml)</translation>
    </message>
    <message>
        <source>From page navigation</source>
        <translation>Da navegação de uma página</translation>
    </message>
    <message>
        <source>Import from page &amp;navigation...</source>
        <translation>Importar da &amp;navegação de uma página...</translation>
    </message>
    <message>
        <source>Import menu from the navigation of an HTML page</source>
        <translation>Importa o menu da navegação de uma página HTML</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Personalizar</translation>
    </message>
    <message>
        <source>Customize toolbar</source>
        <translation>Personaliza a barra de ferramentas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>How to use program</source>
        <translation>Como usar o programa</translation>
    </message>
    <message>
        <source>&amp;How to use program</source>
        <translation>&amp;Como usar o programa</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>H&amp;ome page</source>
        <translation>Página &amp;inicial</translation>
    </message>
    <message>
        <source>Korvane home page</source>
        <translation>Página inicial da Korvane</translation>
    </message>
    <message>
        <source>E-Mail to us</source>
        <translation>Enviar-nos um e-mail</translation>
    </message>
    <message>
        <source>&amp;E-Mail to us</source>
        <translation>Enviar-nos um &amp;e-mail</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;About program</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Styles</source>
        <translation>E&amp;stilos</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Visualização</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Recent files...</source>
        <translation>Arquivos recentes...</translation>
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
        <translation>Alterar %1</translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation>Alterar %1 valores</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Mover para fora do grupo</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>Mover para o grupo anterior</translation>
    </message>
    <message>
        <source>Insert Favorite Style</source>
        <translation>Inserir estilo favorito</translation>
    </message>
    <message>
        <source>Import Favorites</source>
        <translation>Importar favoritos</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Importar menu</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Adicionar grupo</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Adicionar item</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Excluir grupo</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Excluir item</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>Mover grupo</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Mover item</translation>
    </message>
    <message>
        <source>Sort by Caption</source>
        <translation>Ordenar por título</translation>
    </message>
    <message>
        <source>Repair menu style</source>
        <translation>Reparar estilo de menu</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>Novo estilo</translation>
    </message>
    <message>
        <source>Delete Style</source>
        <translation>Excluir estilo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>%1 would make the project larger than %2, more than Tarvex can open again. Nothing was added.</source>
        <translation>%1 deixaria o projeto maior que %2, mais do que o Tarvex consegue abrir de novo. Nada foi adicionado.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Importing this</source>
        <translation>Importar isto</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1, more than a Tarvex project can hold. Nothing was pasted.</source>
        <translation>A área de transferência contém mais de %1, mais do que cabe em um projeto do Tarvex. Nada foi colado.</translation>
    </message>
    <message>
        <source>Pasting this</source>
        <translation>Colar isto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Project has changed. Do you want to save changes?</source>
        <translation>O projeto foi alterado. Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>Cannot create file %1.%2</source>
        <translation>Não é possível criar o arquivo %1.%2</translation>
    </message>
    <message>
        <source>Tarvex Files (xml)|*.xml|All files|*.*</source>
        <translation>Arquivos do Tarvex (xml)|*.xml|Todos os arquivos|*.*</translation>
    </message>
    <message>
        <source>Select menu style which you want add to favorites</source>
        <translation>Selecione o estilo de menu que deseja adicionar aos favoritos</translation>
    </message>
    <message>
        <source>Favotite style name</source>
        <translation>Nome do estilo favorito</translation>
    </message>
    <message>
        <source>Type favorite name</source>
        <translation>Digite o nome do favorito</translation>
    </message>
    <message>
        <source>Style with this name already exist. Use another style name</source>
        <translation>Já existe um estilo com este nome. Use outro nome de estilo</translation>
    </message>
    <message>
        <source>The favorites file cannot hold these characters, so they become &quot;?&quot; in the favorite (the project keeps them): %1

Add to favorites anyway?</source>
        <translation>O arquivo de favoritos não aceita estes caracteres, por isso eles viram &quot;?&quot; no favorito (o projeto os mantém): %1

Adicionar aos favoritos mesmo assim?</translation>
    </message>
    <message>
        <source>Can&apos;t save read-only file %1!</source>
        <translation>Não é possível salvar o arquivo somente leitura %1!</translation>
    </message>
    <message>
        <source>%1 is open in another Tarvex window.</source>
        <translation>%1 está aberto em outra janela do Tarvex.</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program since you opened it.</source>
        <translation>O arquivo %1 foi alterado por outro programa depois que você o abriu.</translation>
    </message>
    <message>
        <source>Unable to save %1 in the folder %2!</source>
        <translation>Não foi possível salvar %1 na pasta %2!</translation>
    </message>
    <message>
        <source>%1%2

Save the project in another folder?</source>
        <translation>%1%2

Salvar o projeto em outra pasta?</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Do you want to reload it?</source>
        <translation>O arquivo %1 foi alterado por outro programa. Deseja recarregá-lo?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Tarvex was not closed properly. These designs had changes that were not saved:

%1

Recover them?</source>
        <translation>O Tarvex não foi fechado corretamente. Estes designs tinham alterações não salvas:

%1

Recuperá-los?</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html|All files|*.*</source>
        <translation>Arquivos HTML|*.htm;*.html|Todos os arquivos|*.*</translation>
    </message>
    <message>
        <source>Import bookmarks</source>
        <translation>Importar marcadores</translation>
    </message>
    <message>
        <source>Import site map</source>
        <translation>Importar mapa do site</translation>
    </message>
    <message>
        <source>Import page navigation</source>
        <translation>Importar a navegação de uma página</translation>
    </message>
    <message>
        <source>You have not selected folder.</source>
        <translation>Você não selecionou nenhuma pasta.</translation>
    </message>
    <message>
        <source>Can&apos;t find favirities directory.</source>
        <translation>Não foi possível encontrar a pasta de Favoritos.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>Este tipo de importação não está disponível nesta versão do Tarvex.</translation>
    </message>
    <message>
        <source>Bookmark files (html)|*.html;*.htm|All files|*.*</source>
        <translation>Arquivos de marcadores (html)|*.html;*.htm|Todos os arquivos|*.*</translation>
    </message>
    <message>
        <source>Site maps (xml)|*.xml|All files|*.*</source>
        <translation>Mapas do site (xml)|*.xml|Todos os arquivos|*.*</translation>
    </message>
    <message>
        <source>Tarvex cannot use %1: drop a project, a bookmarks file, a site map or a web page.</source>
        <translation>O Tarvex não pode usar %1: solte um projeto, um arquivo de marcadores, um mapa do site ou uma página web.</translation>
    </message>
    <message>
        <source>Create new group</source>
        <translation>Criar novo grupo</translation>
    </message>
    <message>
        <source>Type new group name</source>
        <translation>Digite o nome do novo grupo</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>Criar novo item de menu</translation>
    </message>
    <message>
        <source>Type new menu item name</source>
        <translation>Digite o nome do novo item de menu</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu group?</source>
        <translation>Deseja realmente excluir o grupo de menu &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu item?</source>
        <translation>Deseja realmente excluir o item de menu &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>You can&apos;t drag&amp;drop Menu Options</source>
        <translation>Não é possível arrastar &amp; soltar as opções do menu</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>Abrir HTML para visualizar</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>one, main.js and %1</source>
        <translation>one.js, main.js e %1</translation>
    </message>
    <message>
        <source>Files: %1 was saved. Go to help file to lern more about adding menu to your HTML files</source>
        <translation>Arquivos: %1 foram salvos. Consulte a ajuda para saber mais sobre como adicionar o menu aos seus arquivos HTML</translation>
    </message>
    <message>
        <source>JavaScript files (js)|*.js|All files|*.*</source>
        <translation>Arquivos JavaScript (js)|*.js|Todos os arquivos|*.*</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>Publicar menu</translation>
    </message>
    <message>
        <source>Publish menu module: the folder for %1 and %2</source>
        <translation>Publicar módulo de menu: a pasta para %1 e %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… e mais %1.</translation>
    </message>
    <message>
        <source>The menu has 1 problem that visitors will meet:
%2

Publish anyway?</source>
        <translation>O menu tem 1 problema que os visitantes vão encontrar:
%2

Publicar mesmo assim?</translation>
    </message>
    <message>
        <source>The menu has %1 problems that visitors will meet:
%2

Publish anyway?</source>
        <translation>O menu tem %1 problemas que os visitantes vão encontrar:
%2

Publicar mesmo assim?</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Não é possível abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>The page refers to files above its own folder. Choose the folder of your site, so that the preview shows them too?</source>
        <translation>A página faz referência a arquivos acima da própria pasta. Escolher a pasta do seu site para que a visualização também os mostre?</translation>
    </message>
    <message>
        <source>Site folder of %1</source>
        <translation>Pasta do site de %1</translation>
    </message>
    <message>
        <source>The folder %1 does not hold the page; the preview reads from the page&apos;s own folder.</source>
        <translation>A pasta %1 não contém a página; a visualização lê da pasta da própria página.</translation>
    </message>
    <message>
        <source>Create new style</source>
        <translation>Criar novo estilo</translation>
    </message>
    <message>
        <source>Type new menu style name</source>
        <translation>Digite o nome do novo estilo de menu</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; style?</source>
        <translation>Deseja realmente excluir o estilo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>favorites.dat could not be read completely at start-up. It has been kept as %1, and a new favorites.dat holds the favorite styles of this run.</source>
        <translation>Não foi possível ler favorites.dat por completo na inicialização. Ele foi mantido como %1, e um novo favorites.dat guarda os estilos favoritos desta sessão.</translation>
    </message>
    <message>
        <source>A menu entry needs a caption</source>
        <translation>Uma entrada de menu precisa de um título</translation>
    </message>
    <message>
        <source>No style yet: add one on the Menu styles page, or Insert favourite style</source>
        <translation>Ainda não há estilo: adicione um na página Estilos do menu, ou use Inserir estilo favorito</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>The folder does not let a new file be made, which a safe save needs.</source>
        <translation>A pasta não permite criar um arquivo novo, o que é necessário para salvar com segurança.</translation>
    </message>
    <message>
        <source> %1</source>
        <extracomment>Puts the reason after the sentence it explains.</extracomment>
        <translation> %1</translation>
    </message>
    <message>
        <source>The file %1 is too large for a Tarvex project (more than %2 MB).</source>
        <translation>O arquivo %1 é grande demais para um projeto do Tarvex (mais de %2 MB).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>Não é possível ler o arquivo %1!</translation>
    </message>
    <message>
        <source>The file %1 is not a Tarvex project!</source>
        <translation>O arquivo %1 não é um projeto do Tarvex!</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 menu entries and styles, more than a Tarvex project may hold.</source>
        <translation>O arquivo %1 contém mais de %2 entradas de menu e estilos, mais do que um projeto do Tarvex pode conter.</translation>
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
        <translation>Mapa do site</translation>
    </message>
    <message>
        <source>The file holds no bookmarks.</source>
        <translation>O arquivo não contém marcadores.</translation>
    </message>
    <message>
        <source>The bookmarks nest folders deeper than %1 levels.</source>
        <translation>Os marcadores aninham pastas em mais de %1 níveis.</translation>
    </message>
    <message>
        <source>The bookmarks file</source>
        <translation>O arquivo de marcadores</translation>
    </message>
    <message>
        <source>These shortcut files could not be read and were left out:%1</source>
        <translation>Estes arquivos de atalho não puderam ser lidos e foram deixados de fora:%1</translation>
    </message>
    <message>
        <source>The folder holds more than %1 entries; only the first %1 were read.</source>
        <translation>A pasta contém mais de %1 entradas; apenas as %1 primeiras foram lidas.</translation>
    </message>
    <message>
        <source>%1 is in UTF-16; save it as UTF-8 and import it again.</source>
        <translation>%1 está em UTF-16; salve o arquivo como UTF-8 e importe-o novamente.</translation>
    </message>
    <message>
        <source>%1 has too many elements to import (more than %2).</source>
        <translation>%1 tem elementos demais para importar (mais de %2).</translation>
    </message>
    <message>
        <source>%1 is nested too deeply to import (more than %2 levels).</source>
        <translation>%1 tem um aninhamento profundo demais para importar (mais de %2 níveis).</translation>
    </message>
    <message>
        <source>%1 could not be read as HTML.</source>
        <translation>Não foi possível ler %1 como HTML.</translation>
    </message>
    <message>
        <source>The file %1 is too large to import (more than %2 MB).</source>
        <translation>O arquivo %1 é grande demais para importar (mais de %2 MB).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>Não é possível ler o arquivo %1!</translation>
    </message>
    <message>
        <source>1 link%1</source>
        <translation>1 link%1</translation>
    </message>
    <message>
        <source>%1 links%2</source>
        <translation>%1 links%2</translation>
    </message>
    <message>
        <source>Navigation%1 (%2)</source>
        <translation>Navegação%1 (%2)</translation>
    </message>
    <message>
        <source>List%1 (%2)</source>
        <translation>Lista%1 (%2)</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>A página</translation>
    </message>
    <message>
        <source>The page&apos;s navigation nests deeper than %1 levels.</source>
        <translation>A navegação da página tem mais de %1 níveis de aninhamento.</translation>
    </message>
    <message>
        <source>The page has no navigation: no nav element and no list of links.</source>
        <translation>A página não tem navegação: nenhum elemento nav e nenhuma lista de links.</translation>
    </message>
    <message>
        <source>%1 is compressed; unpack it (gunzip) and import the .xml file.</source>
        <translation>%1 está compactado; descompacte-o (gunzip) e importe o arquivo .xml.</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2 at byte %3).</source>
        <translation>%1 não é um XML bem formado (%2 no byte %3).</translation>
    </message>
    <message>
        <source>The site map %1</source>
        <translation>O mapa do site %1</translation>
    </message>
    <message>
        <source>The site map %1 lists no pages (its root is not &lt;urlset&gt;).</source>
        <translation>O mapa do site %1 não lista nenhuma página (a raiz dele não é &lt;urlset&gt;).</translation>
    </message>
    <message>
        <source>None of the index&apos;s site maps is in the index&apos;s folder: %1.</source>
        <translation>Nenhum dos mapas do site do índice está na pasta do índice: %1.</translation>
    </message>
    <message>
        <source>The site map</source>
        <translation>O mapa do site</translation>
    </message>
    <message>
        <source>The site-map index lists more than %1 site maps.</source>
        <translation>O índice de mapas do site lista mais de %1 mapas do site.</translation>
    </message>
    <message>
        <source>The file is not a site map: its root element is &lt;%1&gt;.</source>
        <translation>O arquivo não é um mapa do site: o elemento raiz dele é &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>The site map lists more than %1 pages.</source>
        <translation>O mapa do site lista mais de %1 páginas.</translation>
    </message>
    <message>
        <source>The site map&apos;s addresses nest deeper than %1 folders.</source>
        <translation>Os endereços do mapa do site têm mais de %1 pastas de profundidade.</translation>
    </message>
    <message>
        <source>The site map lists no web pages.</source>
        <translation>O mapa do site não lista nenhuma página web.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>Este tipo de importação não está disponível nesta versão do Tarvex.</translation>
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
        <translation>O novo idioma passa a valer na próxima vez que o programa for iniciado.</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>Idioma do sistema</translation>
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
        <translation>Abrir &amp;mesmo assim</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Su&amp;bstituir</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>Sal&amp;var como…</translation>
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
        <translation>Mais &amp;tarde</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Connected to %1; the folder is there and Tarvex may log in.</source>
        <translation>Conectado a %1; a pasta existe e o Tarvex pode fazer login.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password or key is wrong, or the key is not allowed there.</source>
        <translation>%1 recusou o login de %2: a senha ou a chave está errada, ou a chave não é permitida lá.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so the server may not be the one it claims to be; nothing was sent. If the site&apos;s certificate comes from an authority of its own, name that authority&apos;s certificate as the CA file.</source>
        <translation>Não foi possível verificar o certificado de %1 (%2), então o servidor pode não ser quem diz ser; nada foi enviado. Se o certificado do site vem de uma autoridade própria, indique o certificado dessa autoridade como arquivo de CA.</translation>
    </message>
    <message>
        <source>Could not connect to %1 (%2).</source>
        <translation>Não foi possível conectar a %1 (%2).</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>O disco do servidor está cheio.</translation>
    </message>
    <message>
        <source>The server denied access (%1).</source>
        <translation>O servidor negou o acesso (%1).</translation>
    </message>
    <message>
        <source>The connection to %1 failed (%2).</source>
        <translation>A conexão com %1 falhou (%2).</translation>
    </message>
    <message>
        <source>The server in %1 is not a host name or address.</source>
        <translation>O servidor em %1 não é um nome de host nem um endereço.</translation>
    </message>
    <message>
        <source>The port in %1 is not a number from 1 to 65535.</source>
        <translation>A porta em %1 não é um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server.</source>
        <translation>O endereço %1 não indica nenhum protocolo; escreva sftp://, ftps:// ou davs:// antes do servidor.</translation>
    </message>
    <message>
        <source>Plain ftp:// sends the password and the files unencrypted, readable by anyone on the way; use sftp:// or ftps:// (FTP with TLS) instead.</source>
        <translation>O ftp:// simples envia a senha e os arquivos sem criptografia, legíveis por qualquer um no caminho; use sftp:// ou ftps:// (FTP com TLS) em vez dele.</translation>
    </message>
    <message>
        <source>The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://.</source>
        <translation>O Tarvex não publica pelo protocolo %1://; use sftp://, ftps:// ou davs://.</translation>
    </message>
    <message>
        <source>The address %1 holds a query or fragment; name only the folder.</source>
        <translation>O endereço %1 contém uma consulta ou um fragmento; indique apenas a pasta.</translation>
    </message>
    <message>
        <source>The address %1 holds a password or an unusable user name; the password is never part of the address.</source>
        <translation>O endereço %1 contém uma senha ou um nome de usuário inutilizável; a senha nunca faz parte do endereço.</translation>
    </message>
    <message>
        <source>Plain dav:// is unencrypted and allowed only on this computer or a private network; use davs:// (WebDAV over HTTPS) for %1.</source>
        <translation>O dav:// simples não é criptografado e só é permitido neste computador ou em uma rede privada; use davs:// (WebDAV sobre HTTPS) para %1.</translation>
    </message>
    <message>
        <source>The folder in %1 is not usable: it may not contain &quot;..&quot;, control characters, quotes or back-slashes.</source>
        <translation>A pasta em %1 não pode ser usada: ela não pode conter &quot;..&quot;, caracteres de controle, aspas nem barras invertidas.</translation>
    </message>
    <message>
        <source>Plain dav:// sends the password and the files unencrypted; it is used only after you confirm that (in the command line with --allow-plain-dav). Prefer davs://.</source>
        <translation>O dav:// simples envia a senha e os arquivos sem criptografia; ele só é usado depois que você confirmar isso (na linha de comando, com --allow-plain-dav). Prefira davs://.</translation>
    </message>
    <message>
        <source>Publishing to a site is not available in this build of Tarvex; publish to a folder and copy the files with a transfer program.</source>
        <translation>A publicação em um site não está disponível nesta versão do Tarvex; publique em uma pasta e copie os arquivos com um programa de transferência.</translation>
    </message>
    <message>
        <source>An SFTP publish needs a known-hosts file that holds the server&apos;s key.</source>
        <translation>Publicar por SFTP exige um arquivo de hosts conhecidos que contenha a chave do servidor.</translation>
    </message>
    <message>
        <source>A WebDAV address names a path from the server&apos;s root; ~ means nothing there.</source>
        <translation>Um endereço WebDAV indica um caminho a partir da raiz do servidor; ali ~ não significa nada.</translation>
    </message>
    <message>
        <source>This protocol is not one Tarvex publishes by.</source>
        <translation>O Tarvex não publica por este protocolo.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2.</source>
        <translation>A pasta %1 não existe em %2.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password is wrong.</source>
        <translation>%1 recusou o login de %2: a senha está errada.</translation>
    </message>
    <message>
        <source>The server denied access (HTTP 403).</source>
        <translation>O servidor negou o acesso (HTTP 403).</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2, which WebDAV does not expect here.</source>
        <translation>%1 respondeu HTTP %2, o que o WebDAV não espera aqui.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2, or %3 may not open it.</source>
        <translation>A pasta %1 não existe em %2, ou %3 não tem permissão para abri-la.</translation>
    </message>
    <message>
        <source>%1 did not say which folder the login starts in, so ~ cannot be found there; name the folder from the root (/...).</source>
        <translation>%1 não informou em qual pasta o login começa, por isso ~ não pode ser encontrado lá; indique a pasta a partir da raiz (/...).</translation>
    </message>
    <message>
        <source>The host key of %1 has changed (it is now %2), so the server may not be the one you published to before; nothing was sent. If the server&apos;s administrator confirms the new key, remove the old entry for %1 from %3.</source>
        <translation>A chave do host de %1 mudou (agora é %2), então o servidor pode não ser aquele em que você publicou antes; nada foi enviado. Se o administrador do servidor confirmar a nova chave, remova de %3 a entrada antiga de %1.</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check the fingerprint with the server&apos;s administrator, then add the key there (for example with ssh-keyscan) or name a known-hosts file that holds it.</source>
        <translation>A chave do host de %1 (%2) não está em %3; um servidor desconhecido nunca é considerado confiável. Confira a impressão digital com o administrador do servidor e depois adicione a chave lá (por exemplo, com ssh-keyscan) ou indique um arquivo de hosts conhecidos que a contenha.</translation>
    </message>
    <message>
        <source>Someone else changed %1 on the server since Tarvex last published there; nothing was sent. Publish with --force to replace them. The site is unchanged.</source>
        <translation>Outra pessoa alterou %1 no servidor depois da última publicação do Tarvex; nada foi enviado. Publique com --force para substituí-los. O site não foi alterado.</translation>
    </message>
    <message>
        <source>Sending %1 failed: %2</source>
        <translation>Falha ao enviar %1: %2</translation>
    </message>
    <message>
        <source>Sending the publish manifest failed: %1</source>
        <translation>Falha ao enviar o manifesto de publicação: %1</translation>
    </message>
    <message>
        <source>%1 The site is unchanged. Its temporary files are removed where the server allowed it.</source>
        <translation>%1 O site não foi alterado. Os arquivos temporários dele foram removidos onde o servidor permitiu.</translation>
    </message>
    <message>
        <source>Publishing was cancelled before any file was replaced.</source>
        <translation>A publicação foi cancelada antes que algum arquivo fosse substituído.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 The site is unchanged.</source>
        <translation>Falha ao colocar %1 no lugar: %2 O site não foi alterado.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 Already replaced: %3. The site may be partly updated; publish again to complete it.</source>
        <translation>Falha ao colocar %1 no lugar: %2 Já substituídos: %3. O site pode estar parcialmente atualizado; publique novamente para concluir.</translation>
    </message>
    <message>
        <source>%1 The site is unchanged.</source>
        <translation>%1 O site não foi alterado.</translation>
    </message>
    <message>
        <source>The site is up to date; nothing was sent.</source>
        <translation>O site está atualizado; nada foi enviado.</translation>
    </message>
    <message>
        <source>The server&apos;s key cannot be written to a known-hosts file.</source>
        <translation>A chave do servidor não pode ser gravada em um arquivo de hosts conhecidos.</translation>
    </message>
    <message>
        <source>There is no folder for the known-hosts file of Tarvex (HOME is not set).</source>
        <translation>Não há pasta para o arquivo de hosts conhecidos do Tarvex (HOME não está definida).</translation>
    </message>
    <message>
        <source>The known-hosts file %1 could not be read, so no key was added to it.</source>
        <translation>Não foi possível ler o arquivo de hosts conhecidos %1, por isso nenhuma chave foi adicionada a ele.</translation>
    </message>
    <message>
        <source>The server&apos;s key could not be kept in %1.%2</source>
        <translation>Não foi possível guardar a chave do servidor em %1.%2</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>Não é possível ler o arquivo %1.</translation>
    </message>
    <message>
        <source>Not all files were published to the folder %1.</source>
        <translation>Nem todos os arquivos foram publicados na pasta %1.</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Gravados: %1.</translation>
    </message>
    <message>
        <source>Kept as they were, as you chose: %1.</source>
        <translation>Mantidos como estavam, conforme sua escolha: %1.</translation>
    </message>
</context>
<context>
    <name>PublishMenuDialog</name>
    <message>
        <source>Publish menu</source>
        <translation>Publicar menu</translation>
    </message>
    <message>
        <source>&amp;Classic files: one.js, main.js and the menu script
(three script lines, any page)</source>
        <translation>Arquivos &amp;clássicos: one.js, main.js e o script do menu
(três linhas de script, em qualquer página)</translation>
    </message>
    <message>
        <source>Menu &amp;module: tarvex-menu.js and tarvex-menu.css
(a link and a module script in the page&apos;s head)</source>
        <translation>&amp;Módulo de menu: tarvex-menu.js e tarvex-menu.css
(um link e um script de módulo no head da página)</translation>
    </message>
    <message>
        <source>What will your pages load?</source>
        <translation>O que as suas páginas vão carregar?</translation>
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
        <translation>Opções do menu</translation>
    </message>
    <message>
        <source>Remain Visible</source>
        <translation>Permanecer visível</translation>
    </message>
    <message>
        <source>Menu Left</source>
        <translation>Posição esquerda do menu</translation>
    </message>
    <message>
        <source>Menu Top</source>
        <translation>Posição superior do menu</translation>
    </message>
    <message>
        <source>Menu Width</source>
        <translation>Largura do menu</translation>
    </message>
    <message>
        <source>Menu Border</source>
        <translation>Borda do menu</translation>
    </message>
    <message>
        <source>Screen Position</source>
        <translation>Posição na tela</translation>
    </message>
    <message>
        <source>Menu Style</source>
        <translation>Estilo do menu</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>Alinhamento do texto</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>Image position</source>
        <translation>Posição da imagem</translation>
    </message>
    <message>
        <source>Menu opening</source>
        <translation>Abertura do menu</translation>
    </message>
    <message>
        <source>Menu button caption</source>
        <translation>Título do botão de menu</translation>
    </message>
    <message>
        <source>Navigation name</source>
        <translation>Nome da navegação</translation>
    </message>
    <message>
        <source>Dark style</source>
        <translation>Estilo escuro</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>When no room</source>
        <translation>Quando não houver espaço</translation>
    </message>
    <message>
        <source>More caption</source>
        <translation>Título de Mais</translation>
    </message>
    <message>
        <source>Small screen width</source>
        <translation>Largura de tela pequena</translation>
    </message>
    <message>
        <source>Small screen look</source>
        <translation>Aparência em tela pequena</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Badge</source>
        <translation>Selo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ícone</translation>
    </message>
    <message>
        <source>Mouse Off Font</source>
        <translation>Texto normal</translation>
    </message>
    <message>
        <source>Mouse Off Background</source>
        <translation>Fundo normal</translation>
    </message>
    <message>
        <source>Mouse On Font</source>
        <translation>Texto ao passar o mouse</translation>
    </message>
    <message>
        <source>Mouse On Background</source>
        <translation>Fundo ao passar o mouse</translation>
    </message>
    <message>
        <source>Menu Border Color</source>
        <translation>Cor da borda do menu</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>Estilo da fonte</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Peso da fonte</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Nome da fonte</translation>
    </message>
    <message>
        <source>Menu Item Padding</source>
        <translation>Espaçamento interno do item de menu</translation>
    </message>
    <message>
        <source>Sub Menu Image</source>
        <translation>Imagem de submenu</translation>
    </message>
    <message>
        <source>3D Border &amp; Separator bar</source>
        <translation>Borda 3D &amp; barra separadora</translation>
    </message>
    <message>
        <source>3D High Color</source>
        <translation>Cor clara 3D</translation>
    </message>
    <message>
        <source>3D Low Color</source>
        <translation>Cor escura 3D</translation>
    </message>
    <message>
        <source>Top Bar Image</source>
        <translation>Imagem da barra superior</translation>
    </message>
    <message>
        <source>Menu Header Font Color</source>
        <translation>Cor do texto do cabeçalho</translation>
    </message>
    <message>
        <source>Menu Header Background</source>
        <translation>Fundo do cabeçalho</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles</source>
        <translation>Não é possível compilar o projeto. Não há estilos de menu</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Aviso!</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>Opções do menu principal</translation>
    </message>
    <message>
        <source>Style name &quot;%1&quot; can not be used as a script variable; menu.js calls it %2</source>
        <translation>O nome de estilo &quot;%1&quot; não pode ser usado como variável de script; menu.js o chama de %2</translation>
    </message>
    <message>
        <source>Menu name &quot;%1&quot; of &quot;%2&quot; object is already used; menu.js names this menu &quot;%3&quot;</source>
        <translation>O nome de menu &quot;%1&quot; do objeto &quot;%2&quot; já está em uso; menu.js chama este menu de &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Image position &quot;%1&quot; in &quot;%2&quot; object is not left, right or center; none is used</source>
        <translation>A posição de imagem &quot;%1&quot; do objeto &quot;%2&quot; não é left, right nem center; nenhuma é usada</translation>
    </message>
    <message>
        <source>Address of &quot;%1&quot; object is a javascript: address; it runs script on your pages</source>
        <translation>O endereço do objeto &quot;%1&quot; é um endereço javascript:; ele executa script nas suas páginas</translation>
    </message>
    <message>
        <source>An entry of &quot;%1&quot; object has no caption; it is drawn as an empty row</source>
        <translation>Uma entrada do objeto &quot;%1&quot; não tem título; ela é desenhada como uma linha vazia</translation>
    </message>
    <message>
        <source>Menu style in &quot;%1&quot; object not found. Used first found menu style</source>
        <translation>O estilo de menu do objeto &quot;%1&quot; não foi encontrado. Foi usado o primeiro estilo de menu encontrado</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
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
        <translation>ao clicar</translation>
    </message>
    <message>
        <source>on mouse over</source>
        <translation>ao passar o mouse</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Painel</translation>
    </message>
    <message>
        <source>Menu button</source>
        <translation>Botão de menu</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Wrap</source>
        <translation>Quebrar linha</translation>
    </message>
    <message>
        <source>Drawer</source>
        <translation>Gaveta</translation>
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
        <translation>O Korvane Tarvex cria menus suspensos para as suas páginas web sem nenhuma linha de script escrita à mão: monte a árvore do menu, escolha os estilos, acompanhe a visualização e publique.

Queremos ouvir você: perguntas, ideias e relatos de erros são todos bem-vindos.

Web: https://www.korvane.example
Feedback: https://www.korvane.example/feedback.php
E-mail: support@korvane.example
Vendas: sales@korvane.example

Copyright (c) Korvane. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>About Korvane Product</source>
        <translation>Sobre o Korvane Product</translation>
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
        <translation>A pasta %1 não existe: sem ela não há mecanismo de menus, nem página de visualização, nem ajuda. Instale o Korvane Tarvex novamente.</translation>
    </message>
</context>
<context>
    <name>tarvex::TCommandBarLayout</name>
    <message>
        <source>Unable to save settings</source>
        <translation>Não foi possível salvar as configurações</translation>
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
        <translation>Barras de ferramentas</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Toolbars:</source>
        <translation>Barras de ferramentas:</translation>
    </message>
    <message>
        <source>To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.</source>
        <translation>Para adicionar um comando a uma barra de ferramentas ou a um menu, arraste-o para uma barra de ferramentas ou para o título de um menu.</translation>
    </message>
    <message>
        <source>Show tips on toolbars</source>
        <translation>Mostrar dicas nas barras de ferramentas</translation>
    </message>
    <message>
        <source>Show shortcut keys in tips</source>
        <translation>Mostrar as teclas de atalho nas dicas</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>Ícones grandes</translation>
    </message>
</context>
<context>
    <name>tarvex::TFindField</name>
    <message>
        <source>Find captions, addresses or style names</source>
        <translation>Localizar títulos, endereços ou nomes de estilo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
</context>
<context>
    <name>tarvex::TFoldersScanResultForm</name>
    <message>
        <source>Select Favorities Folder</source>
        <translation>Selecionar a pasta de Favoritos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Navegação a importar</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Entries to import; clear a check box to leave a branch out</source>
        <translation>Entradas a importar; desmarque uma caixa de seleção para deixar um ramo de fora</translation>
    </message>
    <message>
        <source>%1 of %2 entries will be added.</source>
        <translation>Serão adicionadas %1 de %2 entradas.</translation>
    </message>
</context>
<context>
    <name>tarvex::TMainUserInterface</name>
    <message>
        <source>Checks: %1</source>
        <translation>Verificações: %1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirmar substituição de arquivo</translation>
    </message>
    <message>
        <source>This folder already contains a file named &quot;%1&quot;.

Would you like to replace the existing file?</source>
        <translation>Esta pasta já contém um arquivo chamado &quot;%1&quot;.

Deseja substituir o arquivo existente?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewStage</name>
    <message>
        <source>Desktop</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation>Tablet (768 px)</translation>
    </message>
    <message>
        <source>Phone (375 px)</source>
        <translation>Celular (375 px)</translation>
    </message>
    <message>
        <source>Preview screen size</source>
        <translation>Tamanho de tela da visualização</translation>
    </message>
    <message>
        <source>&amp;Screen:</source>
        <translation>&amp;Tela:</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewWebPage</name>
    <message>
        <source>Blocked: the page itself tried to open %1.</source>
        <translation>Bloqueado: a própria página tentou abrir %1.</translation>
    </message>
    <message>
        <source>Not opened: %1 is no web address, page, document or picture of the site.</source>
        <translation>Não aberto: %1 não é um endereço web nem uma página, documento ou imagem do site.</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridDelegate</name>
    <message>
        <source>An icon of the set, or the name of an .svg file beside the project</source>
        <translation>Um ícone do conjunto ou o nome de um arquivo .svg ao lado do projeto</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>Escolher cor</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridModel</name>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
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
        <translation>Meu site</translation>
    </message>
    <message>
        <source>When the address names none</source>
        <translation>Quando o endereço não indicar nenhum</translation>
    </message>
    <message>
        <source>SFTP: empty uses the SSH agent or the password</source>
        <translation>SFTP: se vazio, usa o agente SSH ou a senha</translation>
    </message>
    <message>
        <source>Only for a company&apos;s own authority</source>
        <translation>Somente para a autoridade certificadora própria de uma empresa</translation>
    </message>
    <message>
        <source>Menu script and engine (three files)</source>
        <translation>Script e mecanismo do menu (três arquivos)</translation>
    </message>
    <message>
        <source>Module (tarvex-menu.js and tarvex-menu.css)</source>
        <translation>Módulo (tarvex-menu.js e tarvex-menu.css)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuário:</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Arquivos:</translation>
    </message>
    <message>
        <source>&amp;Key file:</source>
        <translation>Arquivo de &amp;chave:</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Chave privada</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>C&amp;A file:</source>
        <translation>Arquiv&amp;o de CA:</translation>
    </message>
    <message>
        <source>Certificate authority</source>
        <translation>Autoridade certificadora</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>Certificados (*.pem *.crt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Site add&amp;ress:</source>
        <translation>Endereço do s&amp;ite:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishToSiteDialog</name>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Re&amp;member in the desktop&apos;s key store</source>
        <translation>&amp;Lembrar no chaveiro do sistema</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Testar conexão</translation>
    </message>
    <message>
        <source>&amp;Show changes</source>
        <translation>&amp;Mostrar alterações</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Publish to site</source>
        <translation>Publicar no site</translation>
    </message>
    <message>
        <source>Asked of the key store when empty</source>
        <translation>Se vazia, é pedida ao chaveiro</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>O que acontece</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Files on the site</source>
        <translation>Arquivos no site</translation>
    </message>
    <message>
        <source>Progress in total</source>
        <translation>Progresso total</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Senha:</translation>
    </message>
    <message>
        <source>This project names no server yet: Add one, with the address of the folder the menu&apos;s files go to.</source>
        <translation>Este projeto ainda não indica nenhum servidor: adicione um, com o endereço da pasta para onde vão os arquivos do menu.</translation>
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
        <translation>Digite o endereço da pasta no servidor, por exemplo sftp://usuario@example.com/var/www/menu.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>adicionar</translation>
    </message>
    <message>
        <source>replace (changed on the site by someone else)</source>
        <translation>substituir (alterado no site por outra pessoa)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>substituir</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>manter</translation>
    </message>
    <message>
        <source>The site holds these files already: nothing to send.</source>
        <translation>O site já tem estes arquivos: nada a enviar.</translation>
    </message>
    <message>
        <source>Publish sends %1 of the %2 files (%3); the others are on the site already.</source>
        <translation>Publicar enviará %1 dos %2 arquivos (%3); os demais já estão no site.</translation>
    </message>
    <message>
        <source>%1 is a plain dav:// address: the password and the files travel unencrypted, and anyone on the network between can read or change them. Send to it anyway?</source>
        <translation>%1 é um endereço dav:// simples: a senha e os arquivos trafegam sem criptografia, e qualquer pessoa na rede no meio do caminho pode lê-los ou alterá-los. Enviar mesmo assim?</translation>
    </message>
    <message>
        <source>Tarvex has not connected to %1 before. The server identifies itself with the %2 key

%3

Compare this fingerprint with the one your hosting provider gives. Trust this server from now on?</source>
        <translation>O Tarvex ainda não se conectou a %1. O servidor se identifica com a chave %2

%3

Compare esta impressão digital com a informada pelo seu provedor de hospedagem. Confiar neste servidor de agora em diante?</translation>
    </message>
    <message>
        <source>The server&apos;s key was not trusted; nothing was sent.</source>
        <translation>A chave do servidor não foi aceita como confiável; nada foi enviado.</translation>
    </message>
    <message>
        <source>The desktop&apos;s key store is not available (%1): the password serves only while this dialog is open.</source>
        <translation>O chaveiro do sistema não está disponível (%1): a senha só vale enquanto esta caixa de diálogo estiver aberta.</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Comparing with the site…</source>
        <translation>Comparando com o site…</translation>
    </message>
    <message>
        <source>Someone else changed files on the site since Tarvex last published them (marked in the list). Replace them with this project&apos;s files?</source>
        <translation>Outra pessoa alterou arquivos no site depois da última publicação do Tarvex (estão marcados na lista). Substituí-los pelos arquivos deste projeto?</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>Publicando…</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published to %1:&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;p&gt;Publicado em %1:&lt;/p&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Open the live page</source>
        <translation>Abrir a página publicada</translation>
    </message>
</context>
<context>
    <name>tarvex::TScriptWarningsForm</name>
    <message>
        <source>Checks</source>
        <translation>Verificações</translation>
    </message>
    <message>
        <source>What visitors of the published menu would meet. Double-click one to go to it:</source>
        <translation>O que os visitantes do menu publicado encontrariam. Clique duas vezes em uma linha para ir até ela:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
</context>
<context>
    <name>tarvex::TStyleTemplateForm</name>
    <message>
        <source>Style template</source>
        <translation>Modelo de estilo</translation>
    </message>
    <message>
        <source>Favorites styles</source>
        <translation>Estilos favoritos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show at start-up</source>
        <translation>Mostrar ao iniciar</translation>
    </message>
</context>
<context>
    <name>tarvex::TTarvexForm</name>
    <message>
        <source>Menu creator</source>
        <translation>Criador de menus</translation>
    </message>
    <message>
        <source>Menu styles</source>
        <translation>Estilos do menu</translation>
    </message>
    <message>
        <source>Show what visitors of the published menu would meet</source>
        <translation>Mostra o que os visitantes do menu publicado encontrariam</translation>
    </message>
    <message>
        <source>Design pages</source>
        <translation>Páginas de design</translation>
    </message>
    <message>
        <source>Menu objects</source>
        <translation>Objetos do menu</translation>
    </message>
    <message>
        <source>Menu options</source>
        <translation>Opções do menu</translation>
    </message>
    <message>
        <source>Menu item properties</source>
        <translation>Propriedades do item de menu</translation>
    </message>
    <message>
        <source>Style properties</source>
        <translation>Propriedades do estilo</translation>
    </message>
    <message>
        <source>Preview and help pages</source>
        <translation>Páginas de visualização e ajuda</translation>
    </message>
    <message>
        <source>File toolbar</source>
        <translation>Barra de ferramentas Arquivo</translation>
    </message>
    <message>
        <source>Commands toolbar</source>
        <translation>Barra de ferramentas Comandos</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Design and preview divider</source>
        <translation>Divisor entre design e visualização</translation>
    </message>
    <message>
        <source>Objects and properties divider</source>
        <translation>Divisor entre objetos e propriedades</translation>
    </message>
    <message>
        <source>Styles and properties divider</source>
        <translation>Divisor entre estilos e propriedades</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Quick help</source>
        <translation>Ajuda rápida</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>Visualização do menu</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used; the file has been kept as %1.</source>
        <translation>Não foi possível ler Tarvex.dat, por isso são usados os menus e as barras de ferramentas internos; o arquivo foi mantido como %1.</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used.</source>
        <translation>Não foi possível ler Tarvex.dat, por isso são usados os menus e as barras de ferramentas internos.</translation>
    </message>
</context>
</TS>
