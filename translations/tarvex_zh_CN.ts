<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Checks</name>
    <message>
        <source>Style list</source>
        <translation>样式列表</translation>
    </message>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles.</source>
        <translation>无法生成项目。没有菜单样式。</translation>
    </message>
    <message>
        <source>%1 more problems are not listed; mend the ones above first.</source>
        <translation>另有 %1 个问题未列出；请先修正上面的问题。</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>设计</translation>
    </message>
    <message>
        <source>No menu uses this style.</source>
        <translation>没有菜单使用此样式。</translation>
    </message>
    <message>
        <source>%1 has a contrast of %2:1; text needs at least %3:1 to be read.</source>
        <translation>%1 的对比度为 %2:1；文字至少需要 %3:1 才能看清。</translation>
    </message>
    <message>
        <source>Its entries are %1 px high; visitors need at least 24 px to hit them (raise &quot;Font Size&quot; or &quot;Menu Item Padding&quot;).</source>
        <translation>其条目高 %1 px；访问者至少需要 24 px 才能准确点中（请调大“字体大小”或“菜单项内边距”）。</translation>
    </message>
    <message>
        <source>Its address is a javascript: address, which runs script on your pages and does nothing where script is blocked.</source>
        <translation>其地址是 javascript: 地址，它会在您的页面上运行脚本，在脚本被阻止时则不起任何作用。</translation>
    </message>
    <message>
        <source>The item has no address, so visitors cannot follow it.</source>
        <translation>该菜单项没有地址，因此访问者无法通过它跳转。</translation>
    </message>
    <message>
        <source>Its address is still the placeholder &quot;%1&quot;; give it the page it should open, or clear it.</source>
        <translation>其地址仍是占位符“%1”；请填写它应打开的页面，或将其清空。</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; is also the address of &quot;%2&quot; in this menu.</source>
        <translation>其地址“%1”与此菜单中“%2”的地址相同。</translation>
    </message>
    <message>
        <source>The entry has no caption; visitors see an empty row.</source>
        <translation>该条目没有标题；访问者会看到一个空行。</translation>
    </message>
    <message>
        <source>Its caption is %1 characters long; more than %2 wrap onto further lines.</source>
        <translation>其标题长 %1 个字符；超过 %2 个字符会换行显示。</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; names no file in the site&apos;s folder.</source>
        <translation>其地址“%1”在网站文件夹中没有对应的文件。</translation>
    </message>
    <message>
        <source>The group has no entries, so its submenu opens nothing.</source>
        <translation>该组没有条目，因此其子菜单打开后什么也没有。</translation>
    </message>
    <message>
        <source>Its submenu is nested %1 levels deep; menus deeper than %2 levels are hard to reach.</source>
        <translation>其子菜单嵌套了 %1 层；超过 %2 层的菜单难以访问。</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot;</source>
        <translation>样式“%1”</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>主菜单选项</translation>
    </message>
    <message>
        <source>(no caption)</source>
        <translation>（无标题）</translation>
    </message>
    <message>
        <source>Its description is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>其描述按 %1 px 绘制，配色为%2，对比度为 %3:1；这么小的文字至少需要 %4:1 才能看清。</translation>
    </message>
    <message>
        <source>Its badge is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>其徽章按 %1 px 绘制，配色为%2，对比度为 %3:1；这么小的文字至少需要 %4:1 才能看清。</translation>
    </message>
    <message>
        <source>Its icon &quot;%1&quot; is none of the drawn icons and no .svg file, so no icon is drawn.</source>
        <translation>其图标“%1”既不是内置的图标，也不是 .svg 文件，因此不会绘制图标。</translation>
    </message>
    <message>
        <source>Its icon file &quot;%1&quot; %2, so no icon is drawn.</source>
        <translation>图标文件“%1”：%2，因此不会绘制图标。</translation>
    </message>
    <message>
        <source>at the small screen width of %1 px</source>
        <translation>在 %1 px 的小屏幕宽度下</translation>
    </message>
    <message>
        <source>in a window %1 px wide</source>
        <translation>在 %1 px 宽的窗口中</translation>
    </message>
    <message>
        <source>Its panel&apos;s %1 columns need about %2 px, but %3 only %4 fit, so the captions are squeezed (set &quot;Columns&quot; to %4 or 0, or raise &quot;Small screen width&quot; on the main menu).</source>
        <translation>面板的 %1 列大约需要 %2 px，但%3只能容纳 %4 列，因此标题会被挤压（请将“列数”设为 %4 或 0，或调大主菜单的“小屏幕宽度”）。</translation>
    </message>
    <message>
        <source>&quot;When no room&quot; is More, but &quot;More caption&quot; holds only characters that draw nothing, so the entry that gathers the rest of the bar is empty and screen readers give it no name; type a caption or empty the field for &quot;More&quot;.</source>
        <translation>“空间不足时”设为“更多”，但“更多组标题”只包含不显示任何内容的字符，因此收纳菜单栏其余条目的那一项是空的，屏幕阅读器也无法读出它的名称；请输入标题，或清空该字段以使用默认的“更多”。</translation>
    </message>
    <message>
        <source>&quot;Mouse Off Font&quot; on &quot;Mouse Off Background&quot;</source>
        <translation>“常态背景颜色”上的“常态文字颜色”</translation>
    </message>
    <message>
        <source>&quot;Mouse On Font&quot; on &quot;Mouse On Background&quot;</source>
        <translation>“悬停背景颜色”上的“悬停文字颜色”</translation>
    </message>
    <message>
        <source>&quot;Menu Header Font Color&quot; on &quot;Menu Header Background&quot;</source>
        <translation>“菜单小标题背景颜色”上的“菜单小标题文字颜色”</translation>
    </message>
    <message>
        <source>ends before its elements are closed</source>
        <translation>在其元素闭合之前就结束了</translation>
    </message>
    <message>
        <source>holds no svg element</source>
        <translation>不含 svg 元素</translation>
    </message>
    <message>
        <source>has a comment that does not end</source>
        <translation>含有未结束的注释</translation>
    </message>
    <message>
        <source>declares a document type, entities or character data, which an icon may not</source>
        <translation>声明了文档类型、实体或字符数据，图标不允许这样做</translation>
    </message>
    <message>
        <source>has an XML declaration that does not end</source>
        <translation>含有未结束的 XML 声明</translation>
    </message>
    <message>
        <source>holds a processing instruction</source>
        <translation>含有处理指令</translation>
    </message>
    <message>
        <source>is not well-formed XML</source>
        <translation>不是格式正确的 XML</translation>
    </message>
    <message>
        <source>holds a %1 element, which an icon may not</source>
        <translation>含有 %1 元素，图标不允许使用该元素</translation>
    </message>
    <message>
        <source>holds more than one drawing</source>
        <translation>含有多个图形</translation>
    </message>
    <message>
        <source>does not begin with an svg element</source>
        <translation>不是以 svg 元素开头</translation>
    </message>
    <message>
        <source>holds an svg element inside another</source>
        <translation>在一个 svg 元素中含有另一个 svg 元素</translation>
    </message>
    <message>
        <source>nests its elements more than %1 deep</source>
        <translation>元素嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>ends inside the %1 element&apos;s tag</source>
        <translation>在 %1 元素的标签内结束</translation>
    </message>
    <message>
        <source>closes a %1 element it did not open</source>
        <translation>关闭了未打开的 %1 元素</translation>
    </message>
    <message>
        <source>has an event attribute (%1)</source>
        <translation>含有事件属性（%1）</translation>
    </message>
    <message>
        <source>links to another file or address (%1)</source>
        <translation>链接到其他文件或地址（%1）</translation>
    </message>
    <message>
        <source>refers to something outside the drawing (%1)</source>
        <translation>引用了图形之外的内容（%1）</translation>
    </message>
    <message>
        <source>uses an entity (&amp;%1;), which an icon may not</source>
        <translation>使用了实体（&amp;%1;），图标不允许这样做</translation>
    </message>
    <message>
        <source>is larger than %1 KB</source>
        <translation>大于 %1 KB</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>cannot be found until the project is saved, since it is looked for beside the project</source>
        <translation>在项目保存之前无法找到，因为它要在项目文件夹中查找</translation>
    </message>
    <message>
        <source>is not beside the project (name it relative to the project&apos;s folder, without &quot;..&quot;)</source>
        <translation>不在项目文件夹中（请使用相对于项目文件夹的名称，不要使用“..”）</translation>
    </message>
    <message>
        <source>does not exist beside the project</source>
        <translation>在项目文件夹中不存在</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create new project</source>
        <translation>创建新项目</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Open existing project</source>
        <translation>打开现有项目</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>保存当前项目</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>S&amp;ave as ...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save project as</source>
        <translation>将项目另存为</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>发布菜单</translation>
    </message>
    <message>
        <source>&amp;Publish menu</source>
        <translation>发布菜单(&amp;P)</translation>
    </message>
    <message>
        <source>Create necessary files to publish menu</source>
        <translation>创建发布菜单所需的文件</translation>
    </message>
    <message>
        <source>Publish to site…</source>
        <translation>发布到网站…</translation>
    </message>
    <message>
        <source>Publish &amp;to site…</source>
        <translation>发布到网站(&amp;T)…</translation>
    </message>
    <message>
        <source>Send the menu&apos;s files straight to a web server</source>
        <translation>将菜单文件直接发送到 Web 服务器</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Export menu as HTML</source>
        <translation>将菜单导出为 HTML</translation>
    </message>
    <message>
        <source>E&amp;xport menu as HTML</source>
        <translation>将菜单导出为 HTML(&amp;X)</translation>
    </message>
    <message>
        <source>Write the menu as a plain HTML list of links</source>
        <translation>将菜单写成纯 HTML 链接列表</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>撤销上次更改</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation>重做上次撤销的更改</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>将所选内容剪切到剪贴板</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>将所选内容复制到剪贴板</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste from the clipboard after the selection</source>
        <translation>将剪贴板内容粘贴到所选内容之后</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>创建副本</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>创建副本(&amp;D)</translation>
    </message>
    <message>
        <source>Duplicate the selection</source>
        <translation>为所选内容创建副本</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>上移(&amp;M)</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>将所选内容上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>将所选内容下移</translation>
    </message>
    <message>
        <source>Move out of the group</source>
        <translation>移出组</translation>
    </message>
    <message>
        <source>Move &amp;out of the group</source>
        <translation>移出组(&amp;O)</translation>
    </message>
    <message>
        <source>Move the selection out of its group</source>
        <translation>将所选内容移出其所在的组</translation>
    </message>
    <message>
        <source>Move into the previous group</source>
        <translation>移入上一个组</translation>
    </message>
    <message>
        <source>Move &amp;into the previous group</source>
        <translation>移入上一个组(&amp;I)</translation>
    </message>
    <message>
        <source>Move the selection into the group above it</source>
        <translation>将所选内容移入其上方的组</translation>
    </message>
    <message>
        <source>Sort by caption</source>
        <translation>按标题排序</translation>
    </message>
    <message>
        <source>&amp;Sort by caption</source>
        <translation>按标题排序(&amp;S)</translation>
    </message>
    <message>
        <source>Sort the entries of the selected group by caption</source>
        <translation>按标题对所选组中的条目排序</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>查找(&amp;F)...</translation>
    </message>
    <message>
        <source>Find captions, addresses and style names</source>
        <translation>查找标题、地址和样式名称</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>查找下一个(&amp;N)</translation>
    </message>
    <message>
        <source>Select the next match</source>
        <translation>选择下一个匹配项</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>New menu group</source>
        <translation>新建菜单组</translation>
    </message>
    <message>
        <source>&amp;New menu group</source>
        <translation>新建菜单组(&amp;N)</translation>
    </message>
    <message>
        <source>Create new menu group</source>
        <translation>创建新菜单组</translation>
    </message>
    <message>
        <source>Delete menu group</source>
        <translation>删除菜单组</translation>
    </message>
    <message>
        <source>&amp;Delete menu group</source>
        <translation>删除菜单组(&amp;G)</translation>
    </message>
    <message>
        <source>Delete selected menu group</source>
        <translation>删除所选菜单组</translation>
    </message>
    <message>
        <source>How to use groups</source>
        <translation>如何使用组</translation>
    </message>
    <message>
        <source>H&amp;ow to use groups</source>
        <translation>如何使用组(&amp;O)</translation>
    </message>
    <message>
        <source>New menu item</source>
        <translation>新建菜单项</translation>
    </message>
    <message>
        <source>N&amp;ew menu item</source>
        <translation>新建菜单项(&amp;E)</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>创建新菜单项</translation>
    </message>
    <message>
        <source>Delete menu item</source>
        <translation>删除菜单项</translation>
    </message>
    <message>
        <source>De&amp;lete menu item</source>
        <translation>删除菜单项(&amp;L)</translation>
    </message>
    <message>
        <source>Delete selected menu item</source>
        <translation>删除所选菜单项</translation>
    </message>
    <message>
        <source>How to use menu item</source>
        <translation>如何使用菜单项</translation>
    </message>
    <message>
        <source>&amp;How to use menu item</source>
        <translation>如何使用菜单项(&amp;H)</translation>
    </message>
    <message>
        <source>How to use menu options</source>
        <translation>如何使用菜单选项</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>New style</source>
        <translation>新建样式</translation>
    </message>
    <message>
        <source>&amp;New style</source>
        <translation>新建样式(&amp;N)</translation>
    </message>
    <message>
        <source>Create new menu item style</source>
        <translation>创建新的菜单项样式</translation>
    </message>
    <message>
        <source>Insert favorete style</source>
        <translation>插入收藏样式</translation>
    </message>
    <message>
        <source>&amp;Insert favorete style</source>
        <translation>插入收藏样式(&amp;I)</translation>
    </message>
    <message>
        <source>Delete style</source>
        <translation>删除样式</translation>
    </message>
    <message>
        <source>&amp;Delete style</source>
        <translation>删除样式(&amp;L)</translation>
    </message>
    <message>
        <source>Delete selected style</source>
        <translation>删除所选样式</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>添加到收藏夹</translation>
    </message>
    <message>
        <source>&amp;Add to favorites</source>
        <translation>添加到收藏夹(&amp;A)</translation>
    </message>
    <message>
        <source>Add current style to favorites</source>
        <translation>将当前样式添加到收藏夹</translation>
    </message>
    <message>
        <source>How to use styles</source>
        <translation>如何使用样式</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>更新预览</translation>
    </message>
    <message>
        <source>U&amp;pdate Preview</source>
        <translation>更新预览(&amp;R)</translation>
    </message>
    <message>
        <source>Update preview window</source>
        <translation>更新预览窗口</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>打开要预览的 HTML</translation>
    </message>
    <message>
        <source>&amp;Open HTML to preview</source>
        <translation>打开要预览的 HTML(&amp;O)</translation>
    </message>
    <message>
        <source>Use default preview</source>
        <translation>使用默认预览</translation>
    </message>
    <message>
        <source>&amp;Use default preview</source>
        <translation>使用默认预览(&amp;U)</translation>
    </message>
    <message>
        <source>Use default HTML page to preview</source>
        <translation>使用默认 HTML 页面预览</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>From windows favorities</source>
        <translation>从 Windows 收藏夹</translation>
    </message>
    <message>
        <source>Import menu from windows favorities</source>
        <translation>从 Windows 收藏夹导入菜单</translation>
    </message>
    <message>
        <source>From bookmarks file</source>
        <translation>从书签文件</translation>
    </message>
    <message>
        <source>Import from &amp;bookmarks file...</source>
        <translation>从书签文件导入(&amp;B)...</translation>
    </message>
    <message>
        <source>Import menu from a browser&apos;s bookmarks file</source>
        <translation>从浏览器的书签文件导入菜单</translation>
    </message>
    <message>
        <source>From site map</source>
        <translation>从站点地图</translation>
    </message>
    <message>
        <source>Import from &amp;site map...</source>
        <translation>从站点地图导入(&amp;S)...</translation>
    </message>
    <message>
        <source>Import menu from a site map (sitemap.xml)</source>
        <translation>从站点地图 (sitemap.xml) 导入菜单</translation>
    </message>
    <message>
        <source>From page navigation</source>
        <translation>从页面导航</translation>
    </message>
    <message>
        <source>Import from page &amp;navigation...</source>
        <translation>从页面导航导入(&amp;N)...</translation>
    </message>
    <message>
        <source>Import menu from the navigation of an HTML page</source>
        <translation>从 HTML 页面的导航导入菜单</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>自定义(&amp;C)</translation>
    </message>
    <message>
        <source>Customize toolbar</source>
        <translation>自定义工具栏</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to use program</source>
        <translation>如何使用本程序</translation>
    </message>
    <message>
        <source>&amp;How to use program</source>
        <translation>如何使用本程序(&amp;H)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>H&amp;ome page</source>
        <translation>主页(&amp;O)</translation>
    </message>
    <message>
        <source>Korvane home page</source>
        <translation>Korvane 主页</translation>
    </message>
    <message>
        <source>E-Mail to us</source>
        <translation>给我们发邮件</translation>
    </message>
    <message>
        <source>&amp;E-Mail to us</source>
        <translation>给我们发邮件(&amp;E)</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>关于本程序</translation>
    </message>
    <message>
        <source>&amp;About program</source>
        <translation>关于本程序(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>菜单(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Styles</source>
        <translation>样式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>预览(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Recent files...</source>
        <translation>最近使用的文件...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Change %1</source>
        <translation>更改%1</translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation>更改 %1 个值</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>创建副本</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>移出组</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>移入组</translation>
    </message>
    <message>
        <source>Insert Favorite Style</source>
        <translation>插入收藏样式</translation>
    </message>
    <message>
        <source>Import Favorites</source>
        <translation>导入收藏夹</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>导入菜单</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>添加组</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>添加菜单项</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>删除组</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>删除菜单项</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>移动组</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>移动菜单项</translation>
    </message>
    <message>
        <source>Sort by Caption</source>
        <translation>按标题排序</translation>
    </message>
    <message>
        <source>Repair menu style</source>
        <translation>修复菜单样式</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>新建样式</translation>
    </message>
    <message>
        <source>Delete Style</source>
        <translation>删除样式</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>%1 would make the project larger than %2, more than Tarvex can open again. Nothing was added.</source>
        <translation>%1会使项目大于 %2，超出 Tarvex 能再次打开的大小。未添加任何内容。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Importing this</source>
        <translation>导入此内容</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1, more than a Tarvex project can hold. Nothing was pasted.</source>
        <translation>剪贴板中的内容超过 %1，超出了 Tarvex 项目的容量。未粘贴任何内容。</translation>
    </message>
    <message>
        <source>Pasting this</source>
        <translation>粘贴此内容</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Project has changed. Do you want to save changes?</source>
        <translation>项目已更改。是否保存更改？</translation>
    </message>
    <message>
        <source>Cannot create file %1.%2</source>
        <translation>无法创建文件 %1。%2</translation>
    </message>
    <message>
        <source>Tarvex Files (xml)|*.xml|All files|*.*</source>
        <translation>Tarvex 文件 (xml)|*.xml|所有文件|*.*</translation>
    </message>
    <message>
        <source>Select menu style which you want add to favorites</source>
        <translation>请选择要添加到收藏夹的菜单样式</translation>
    </message>
    <message>
        <source>Favotite style name</source>
        <translation>收藏样式名称</translation>
    </message>
    <message>
        <source>Type favorite name</source>
        <translation>请输入收藏名称</translation>
    </message>
    <message>
        <source>Style with this name already exist. Use another style name</source>
        <translation>已存在同名样式。请使用其他样式名称</translation>
    </message>
    <message>
        <source>The favorites file cannot hold these characters, so they become &quot;?&quot; in the favorite (the project keeps them): %1

Add to favorites anyway?</source>
        <translation>收藏夹文件无法保存以下字符，因此它们在收藏中会变成“?”（项目中仍保留原字符）：%1

仍要添加到收藏夹吗？</translation>
    </message>
    <message>
        <source>Can&apos;t save read-only file %1!</source>
        <translation>无法保存只读文件 %1！</translation>
    </message>
    <message>
        <source>%1 is open in another Tarvex window.</source>
        <translation>%1 已在另一个 Tarvex 窗口中打开。</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program since you opened it.</source>
        <translation>自您打开文件 %1 以来，它已被其他程序更改。</translation>
    </message>
    <message>
        <source>Unable to save %1 in the folder %2!</source>
        <translation>无法将 %1 保存到文件夹 %2！</translation>
    </message>
    <message>
        <source>%1%2

Save the project in another folder?</source>
        <translation>%1%2

是否将项目保存到其他文件夹？</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Do you want to reload it?</source>
        <translation>文件 %1 已被其他程序更改。是否重新加载？</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Tarvex was not closed properly. These designs had changes that were not saved:

%1

Recover them?</source>
        <translation>Tarvex 未正常关闭。以下设计有未保存的更改：

%1

是否恢复它们？</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html|All files|*.*</source>
        <translation>HTML 文件|*.htm;*.html|所有文件|*.*</translation>
    </message>
    <message>
        <source>Import bookmarks</source>
        <translation>导入书签</translation>
    </message>
    <message>
        <source>Import site map</source>
        <translation>导入站点地图</translation>
    </message>
    <message>
        <source>Import page navigation</source>
        <translation>导入页面导航</translation>
    </message>
    <message>
        <source>You have not selected folder.</source>
        <translation>您尚未选择文件夹。</translation>
    </message>
    <message>
        <source>Can&apos;t find favirities directory.</source>
        <translation>找不到收藏夹文件夹。</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>此版本的 Tarvex 不支持这种导入。</translation>
    </message>
    <message>
        <source>Bookmark files (html)|*.html;*.htm|All files|*.*</source>
        <translation>书签文件 (html)|*.html;*.htm|所有文件|*.*</translation>
    </message>
    <message>
        <source>Site maps (xml)|*.xml|All files|*.*</source>
        <translation>站点地图 (xml)|*.xml|所有文件|*.*</translation>
    </message>
    <message>
        <source>Tarvex cannot use %1: drop a project, a bookmarks file, a site map or a web page.</source>
        <translation>Tarvex 无法使用 %1：请拖放项目、书签文件、站点地图或网页。</translation>
    </message>
    <message>
        <source>Create new group</source>
        <translation>创建新组</translation>
    </message>
    <message>
        <source>Type new group name</source>
        <translation>请输入新组的名称</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>创建新菜单项</translation>
    </message>
    <message>
        <source>Type new menu item name</source>
        <translation>请输入新菜单项的名称</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu group?</source>
        <translation>确实要删除菜单组“%1”吗？</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu item?</source>
        <translation>确实要删除菜单项“%1”吗？</translation>
    </message>
    <message>
        <source>You can&apos;t drag&amp;drop Menu Options</source>
        <translation>菜单选项不能拖放（drag&amp;drop）</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>打开要预览的 HTML</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>one, main.js and %1</source>
        <translation>one.js、main.js 和 %1</translation>
    </message>
    <message>
        <source>Files: %1 was saved. Go to help file to lern more about adding menu to your HTML files</source>
        <translation>已保存文件：%1。要了解如何将菜单添加到 HTML 文件，请参阅帮助文件</translation>
    </message>
    <message>
        <source>JavaScript files (js)|*.js|All files|*.*</source>
        <translation>JavaScript 文件 (js)|*.js|所有文件|*.*</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>发布菜单</translation>
    </message>
    <message>
        <source>Publish menu module: the folder for %1 and %2</source>
        <translation>发布菜单模块：存放 %1 和 %2 的文件夹</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… 另有 %1 项。</translation>
    </message>
    <message>
        <source>The menu has 1 problem that visitors will meet:
%2

Publish anyway?</source>
        <translation>该菜单有 1 个访问者会遇到的问题：
%2

仍要发布吗？</translation>
    </message>
    <message>
        <source>The menu has %1 problems that visitors will meet:
%2

Publish anyway?</source>
        <translation>该菜单有 %1 个访问者会遇到的问题：
%2

仍要发布吗？</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>The page refers to files above its own folder. Choose the folder of your site, so that the preview shows them too?</source>
        <translation>该页面引用了其所在文件夹上级目录中的文件。是否选择网站的文件夹，以便预览中也能显示它们？</translation>
    </message>
    <message>
        <source>Site folder of %1</source>
        <translation>%1 所在网站的文件夹</translation>
    </message>
    <message>
        <source>The folder %1 does not hold the page; the preview reads from the page&apos;s own folder.</source>
        <translation>文件夹 %1 中不包含该页面；预览将从页面自身所在的文件夹读取。</translation>
    </message>
    <message>
        <source>Create new style</source>
        <translation>创建新样式</translation>
    </message>
    <message>
        <source>Type new menu style name</source>
        <translation>请输入新菜单样式的名称</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; style?</source>
        <translation>确实要删除样式“%1”吗？</translation>
    </message>
    <message>
        <source>favorites.dat could not be read completely at start-up. It has been kept as %1, and a new favorites.dat holds the favorite styles of this run.</source>
        <translation>启动时未能完整读取 favorites.dat。该文件已另存为 %1，本次运行的收藏样式保存在新的 favorites.dat 中。</translation>
    </message>
    <message>
        <source>A menu entry needs a caption</source>
        <translation>菜单条目必须有标题</translation>
    </message>
    <message>
        <source>No style yet: add one on the Menu styles page, or Insert favourite style</source>
        <translation>还没有样式：请在“菜单样式”页面上添加一个，或使用“插入收藏样式”</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The disk is full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message>
        <source>The folder does not let a new file be made, which a safe save needs.</source>
        <translation>该文件夹不允许创建新文件，而安全保存需要这样做。</translation>
    </message>
    <message>
        <source> %1</source>
        <extracomment>Puts the reason after the sentence it explains.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>The file %1 is too large for a Tarvex project (more than %2 MB).</source>
        <translation>文件 %1 太大，不能作为 Tarvex 项目（超过 %2 MB）。</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>无法读取文件 %1！</translation>
    </message>
    <message>
        <source>The file %1 is not a Tarvex project!</source>
        <translation>文件 %1 不是 Tarvex 项目！</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 menu entries and styles, more than a Tarvex project may hold.</source>
        <translation>文件 %1 包含超过 %2 个菜单条目和样式，超出了 Tarvex 项目的上限。</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Bookmarks</source>
        <translation>书签</translation>
    </message>
    <message>
        <source>Site map</source>
        <translation>站点地图</translation>
    </message>
    <message>
        <source>The file holds no bookmarks.</source>
        <translation>该文件不包含任何书签。</translation>
    </message>
    <message>
        <source>The bookmarks nest folders deeper than %1 levels.</source>
        <translation>书签中的文件夹嵌套超过 %1 层。</translation>
    </message>
    <message>
        <source>The bookmarks file</source>
        <translation>书签文件</translation>
    </message>
    <message>
        <source>These shortcut files could not be read and were left out:%1</source>
        <translation>以下快捷方式文件无法读取，已略过：%1</translation>
    </message>
    <message>
        <source>The folder holds more than %1 entries; only the first %1 were read.</source>
        <translation>该文件夹包含超过 %1 个条目；只读取了前 %1 个。</translation>
    </message>
    <message>
        <source>%1 is in UTF-16; save it as UTF-8 and import it again.</source>
        <translation>%1采用 UTF-16 编码；请将其另存为 UTF-8 后重新导入。</translation>
    </message>
    <message>
        <source>%1 has too many elements to import (more than %2).</source>
        <translation>%1包含的元素过多（超过 %2 个），无法导入。</translation>
    </message>
    <message>
        <source>%1 is nested too deeply to import (more than %2 levels).</source>
        <translation>%1嵌套过深（超过 %2 层），无法导入。</translation>
    </message>
    <message>
        <source>%1 could not be read as HTML.</source>
        <translation>无法将%1作为 HTML 读取。</translation>
    </message>
    <message>
        <source>The file %1 is too large to import (more than %2 MB).</source>
        <translation>文件 %1 太大，无法导入（超过 %2 MB）。</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>无法读取文件 %1！</translation>
    </message>
    <message>
        <source>1 link%1</source>
        <translation>1 个链接%1</translation>
    </message>
    <message>
        <source>%1 links%2</source>
        <translation>%1 个链接%2</translation>
    </message>
    <message>
        <source>Navigation%1 (%2)</source>
        <translation>导航%1（%2）</translation>
    </message>
    <message>
        <source>List%1 (%2)</source>
        <translation>列表%1（%2）</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>该页面</translation>
    </message>
    <message>
        <source>The page&apos;s navigation nests deeper than %1 levels.</source>
        <translation>该页面的导航嵌套超过 %1 层。</translation>
    </message>
    <message>
        <source>The page has no navigation: no nav element and no list of links.</source>
        <translation>该页面没有导航：既没有 nav 元素，也没有链接列表。</translation>
    </message>
    <message>
        <source>%1 is compressed; unpack it (gunzip) and import the .xml file.</source>
        <translation>%1是压缩文件；请先解压 (gunzip)，再导入 .xml 文件。</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2 at byte %3).</source>
        <translation>%1不是格式正确的 XML（第 %3 字节处：%2）。</translation>
    </message>
    <message>
        <source>The site map %1</source>
        <translation>站点地图 %1</translation>
    </message>
    <message>
        <source>The site map %1 lists no pages (its root is not &lt;urlset&gt;).</source>
        <translation>站点地图 %1 未列出任何页面（其根元素不是 &lt;urlset&gt;）。</translation>
    </message>
    <message>
        <source>None of the index&apos;s site maps is in the index&apos;s folder: %1.</source>
        <translation>索引中列出的站点地图都不在索引所在的文件夹中：%1。</translation>
    </message>
    <message>
        <source>The site map</source>
        <translation>站点地图</translation>
    </message>
    <message>
        <source>The site-map index lists more than %1 site maps.</source>
        <translation>站点地图索引列出的站点地图超过 %1 个。</translation>
    </message>
    <message>
        <source>The file is not a site map: its root element is &lt;%1&gt;.</source>
        <translation>该文件不是站点地图：其根元素为 &lt;%1&gt;。</translation>
    </message>
    <message>
        <source>The site map lists more than %1 pages.</source>
        <translation>站点地图列出的页面超过 %1 个。</translation>
    </message>
    <message>
        <source>The site map&apos;s addresses nest deeper than %1 folders.</source>
        <translation>站点地图中地址的文件夹层级超过 %1 层。</translation>
    </message>
    <message>
        <source>The site map lists no web pages.</source>
        <translation>站点地图未列出任何网页。</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>此版本的 Tarvex 不支持这种导入。</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation>新语言将在下次启动时生效。</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>桌面语言</translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;anyway</source>
        <translation>仍然打开(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>覆盖(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>另存为(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>丢弃(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>稍后(&amp;L)</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Connected to %1; the folder is there and Tarvex may log in.</source>
        <translation>已连接到 %1；文件夹存在，Tarvex 可以登录。</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password or key is wrong, or the key is not allowed there.</source>
        <translation>%1 拒绝了 %2 的登录：密码或密钥错误，或该密钥在此不被允许。</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so the server may not be the one it claims to be; nothing was sent. If the site&apos;s certificate comes from an authority of its own, name that authority&apos;s certificate as the CA file.</source>
        <translation>无法验证 %1 的证书（%2），因此该服务器可能并非其声称的服务器；未发送任何内容。如果网站的证书来自其自有的证书颁发机构，请将该机构的证书指定为 CA 文件。</translation>
    </message>
    <message>
        <source>Could not connect to %1 (%2).</source>
        <translation>无法连接到 %1（%2）。</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>服务器磁盘已满。</translation>
    </message>
    <message>
        <source>The server denied access (%1).</source>
        <translation>服务器拒绝访问（%1）。</translation>
    </message>
    <message>
        <source>The connection to %1 failed (%2).</source>
        <translation>与 %1 的连接失败（%2）。</translation>
    </message>
    <message>
        <source>The server in %1 is not a host name or address.</source>
        <translation>%1 中的服务器既不是主机名也不是地址。</translation>
    </message>
    <message>
        <source>The port in %1 is not a number from 1 to 65535.</source>
        <translation>%1 中的端口不是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server.</source>
        <translation>地址 %1 未指定协议；请在服务器前写上 sftp://、ftps:// 或 davs://。</translation>
    </message>
    <message>
        <source>Plain ftp:// sends the password and the files unencrypted, readable by anyone on the way; use sftp:// or ftps:// (FTP with TLS) instead.</source>
        <translation>普通的 ftp:// 会以明文发送密码和文件，途经的任何人都能读取；请改用 sftp:// 或 ftps://（使用 TLS 的 FTP）。</translation>
    </message>
    <message>
        <source>The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://.</source>
        <translation>Tarvex 不支持通过 %1:// 协议发布；请使用 sftp://、ftps:// 或 davs://。</translation>
    </message>
    <message>
        <source>The address %1 holds a query or fragment; name only the folder.</source>
        <translation>地址 %1 中包含查询或片段；请只指定文件夹。</translation>
    </message>
    <message>
        <source>The address %1 holds a password or an unusable user name; the password is never part of the address.</source>
        <translation>地址 %1 中包含密码或无法使用的用户名；密码绝不能作为地址的一部分。</translation>
    </message>
    <message>
        <source>Plain dav:// is unencrypted and allowed only on this computer or a private network; use davs:// (WebDAV over HTTPS) for %1.</source>
        <translation>普通的 dav:// 不加密，只允许在本机或专用网络中使用；请为 %1 使用 davs://（基于 HTTPS 的 WebDAV）。</translation>
    </message>
    <message>
        <source>The folder in %1 is not usable: it may not contain &quot;..&quot;, control characters, quotes or back-slashes.</source>
        <translation>%1 中的文件夹不可用：其中不能包含“..”、控制字符、引号或反斜杠。</translation>
    </message>
    <message>
        <source>Plain dav:// sends the password and the files unencrypted; it is used only after you confirm that (in the command line with --allow-plain-dav). Prefer davs://.</source>
        <translation>普通的 dav:// 会以明文发送密码和文件；只有在您确认后才会使用（命令行中使用 --allow-plain-dav）。建议使用 davs://。</translation>
    </message>
    <message>
        <source>Publishing to a site is not available in this build of Tarvex; publish to a folder and copy the files with a transfer program.</source>
        <translation>此版本的 Tarvex 不支持发布到网站；请发布到文件夹，然后用传输程序复制文件。</translation>
    </message>
    <message>
        <source>An SFTP publish needs a known-hosts file that holds the server&apos;s key.</source>
        <translation>通过 SFTP 发布需要一个包含服务器密钥的 known-hosts 文件。</translation>
    </message>
    <message>
        <source>A WebDAV address names a path from the server&apos;s root; ~ means nothing there.</source>
        <translation>WebDAV 地址指定的是从服务器根目录开始的路径；~ 在其中没有意义。</translation>
    </message>
    <message>
        <source>This protocol is not one Tarvex publishes by.</source>
        <translation>Tarvex 不支持通过此协议发布。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2.</source>
        <translation>文件夹 %1 在 %2 上不存在。</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password is wrong.</source>
        <translation>%1 拒绝了 %2 的登录：密码错误。</translation>
    </message>
    <message>
        <source>The server denied access (HTTP 403).</source>
        <translation>服务器拒绝访问（HTTP 403）。</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2, which WebDAV does not expect here.</source>
        <translation>%1 返回了 HTTP %2，这不是 WebDAV 在此处预期的响应。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2, or %3 may not open it.</source>
        <translation>文件夹 %1 在 %2 上不存在，或 %3 无权打开它。</translation>
    </message>
    <message>
        <source>%1 did not say which folder the login starts in, so ~ cannot be found there; name the folder from the root (/...).</source>
        <translation>%1 未告知登录后的起始文件夹，因此无法确定 ~ 的位置；请从根目录开始指定文件夹 (/...)。</translation>
    </message>
    <message>
        <source>The host key of %1 has changed (it is now %2), so the server may not be the one you published to before; nothing was sent. If the server&apos;s administrator confirms the new key, remove the old entry for %1 from %3.</source>
        <translation>%1 的主机密钥已更改（现在为 %2），因此该服务器可能不是您之前发布到的那台；未发送任何内容。如果服务器管理员确认了新密钥，请从 %3 中删除 %1 的旧条目。</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check the fingerprint with the server&apos;s administrator, then add the key there (for example with ssh-keyscan) or name a known-hosts file that holds it.</source>
        <translation>%1 的主机密钥（%2）不在 %3 中；未知服务器永远不会被信任。请向服务器管理员核对指纹，然后将该密钥添加到其中（例如使用 ssh-keyscan），或指定包含该密钥的 known-hosts 文件。</translation>
    </message>
    <message>
        <source>Someone else changed %1 on the server since Tarvex last published there; nothing was sent. Publish with --force to replace them. The site is unchanged.</source>
        <translation>自 Tarvex 上次发布以来，其他人更改了服务器上的 %1；未发送任何内容。要替换它们，请使用 --force 发布。网站未做任何更改。</translation>
    </message>
    <message>
        <source>Sending %1 failed: %2</source>
        <translation>发送 %1 失败：%2</translation>
    </message>
    <message>
        <source>Sending the publish manifest failed: %1</source>
        <translation>发送发布清单失败：%1</translation>
    </message>
    <message>
        <source>%1 The site is unchanged. Its temporary files are removed where the server allowed it.</source>
        <translation>%1网站未做任何更改。已在服务器允许的范围内删除了临时文件。</translation>
    </message>
    <message>
        <source>Publishing was cancelled before any file was replaced.</source>
        <translation>发布已在替换任何文件之前取消。</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 The site is unchanged.</source>
        <translation>无法将 %1 放置到位：%2网站未做任何更改。</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 Already replaced: %3. The site may be partly updated; publish again to complete it.</source>
        <translation>无法将 %1 放置到位：%2已替换：%3。网站可能只更新了一部分；请再次发布以完成更新。</translation>
    </message>
    <message>
        <source>%1 The site is unchanged.</source>
        <translation>%1网站未做任何更改。</translation>
    </message>
    <message>
        <source>The site is up to date; nothing was sent.</source>
        <translation>网站已是最新；未发送任何内容。</translation>
    </message>
    <message>
        <source>The server&apos;s key cannot be written to a known-hosts file.</source>
        <translation>无法将服务器的密钥写入 known-hosts 文件。</translation>
    </message>
    <message>
        <source>There is no folder for the known-hosts file of Tarvex (HOME is not set).</source>
        <translation>没有可存放 Tarvex 的 known-hosts 文件的文件夹（未设置 HOME）。</translation>
    </message>
    <message>
        <source>The known-hosts file %1 could not be read, so no key was added to it.</source>
        <translation>无法读取 known-hosts 文件 %1，因此未向其中添加密钥。</translation>
    </message>
    <message>
        <source>The server&apos;s key could not be kept in %1.%2</source>
        <translation>无法将服务器的密钥保存到 %1。%2</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>Not all files were published to the folder %1.</source>
        <translation>并非所有文件都已发布到文件夹 %1。</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>已写入：%1。</translation>
    </message>
    <message>
        <source>Kept as they were, as you chose: %1.</source>
        <translation>已按您的选择保持原样：%1。</translation>
    </message>
</context>
<context>
    <name>PublishMenuDialog</name>
    <message>
        <source>Publish menu</source>
        <translation>发布菜单</translation>
    </message>
    <message>
        <source>&amp;Classic files: one.js, main.js and the menu script
(three script lines, any page)</source>
        <translation>经典文件(&amp;C)：one.js、main.js 和菜单脚本
（三行脚本，适用于任何页面）</translation>
    </message>
    <message>
        <source>Menu &amp;module: tarvex-menu.js and tarvex-menu.css
(a link and a module script in the page&apos;s head)</source>
        <translation>菜单模块(&amp;M)：tarvex-menu.js 和 tarvex-menu.css
（在页面的 head 中放一个链接和一个模块脚本）</translation>
    </message>
    <message>
        <source>What will your pages load?</source>
        <translation>您的页面将加载哪一种？</translation>
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
        <translation>菜单选项</translation>
    </message>
    <message>
        <source>Remain Visible</source>
        <translation>保持可见</translation>
    </message>
    <message>
        <source>Menu Left</source>
        <translation>菜单左侧位置</translation>
    </message>
    <message>
        <source>Menu Top</source>
        <translation>菜单顶部位置</translation>
    </message>
    <message>
        <source>Menu Width</source>
        <translation>菜单宽度</translation>
    </message>
    <message>
        <source>Menu Border</source>
        <translation>菜单边框</translation>
    </message>
    <message>
        <source>Screen Position</source>
        <translation>屏幕位置</translation>
    </message>
    <message>
        <source>Menu Style</source>
        <translation>菜单样式</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>文本对齐</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Image position</source>
        <translation>图像位置</translation>
    </message>
    <message>
        <source>Menu opening</source>
        <translation>菜单打开方式</translation>
    </message>
    <message>
        <source>Menu button caption</source>
        <translation>菜单按钮标题</translation>
    </message>
    <message>
        <source>Navigation name</source>
        <translation>导航名称</translation>
    </message>
    <message>
        <source>Dark style</source>
        <translation>深色样式</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>布局</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>When no room</source>
        <translation>空间不足时</translation>
    </message>
    <message>
        <source>More caption</source>
        <translation>更多组标题</translation>
    </message>
    <message>
        <source>Small screen width</source>
        <translation>小屏幕宽度</translation>
    </message>
    <message>
        <source>Small screen look</source>
        <translation>小屏幕外观</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Badge</source>
        <translation>徽章</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>Mouse Off Font</source>
        <translation>常态文字颜色</translation>
    </message>
    <message>
        <source>Mouse Off Background</source>
        <translation>常态背景颜色</translation>
    </message>
    <message>
        <source>Mouse On Font</source>
        <translation>悬停文字颜色</translation>
    </message>
    <message>
        <source>Mouse On Background</source>
        <translation>悬停背景颜色</translation>
    </message>
    <message>
        <source>Menu Border Color</source>
        <translation>菜单边框颜色</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字体大小</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>字体样式</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>字体粗细</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>字体名称</translation>
    </message>
    <message>
        <source>Menu Item Padding</source>
        <translation>菜单项内边距</translation>
    </message>
    <message>
        <source>Sub Menu Image</source>
        <translation>子菜单图像</translation>
    </message>
    <message>
        <source>3D Border &amp; Separator bar</source>
        <translation>3D 边框 &amp; 分隔线</translation>
    </message>
    <message>
        <source>3D High Color</source>
        <translation>3D 高光颜色</translation>
    </message>
    <message>
        <source>3D Low Color</source>
        <translation>3D 阴影颜色</translation>
    </message>
    <message>
        <source>Top Bar Image</source>
        <translation>顶栏图像</translation>
    </message>
    <message>
        <source>Menu Header Font Color</source>
        <translation>菜单小标题文字颜色</translation>
    </message>
    <message>
        <source>Menu Header Background</source>
        <translation>菜单小标题背景颜色</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles</source>
        <translation>无法生成项目。没有菜单样式</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>主菜单选项</translation>
    </message>
    <message>
        <source>Style name &quot;%1&quot; can not be used as a script variable; menu.js calls it %2</source>
        <translation>样式名称“%1”不能用作脚本变量名；menu.js 中将其称为 %2</translation>
    </message>
    <message>
        <source>Menu name &quot;%1&quot; of &quot;%2&quot; object is already used; menu.js names this menu &quot;%3&quot;</source>
        <translation>对象“%2”的菜单名称“%1”已被使用；menu.js 将此菜单命名为“%3”</translation>
    </message>
    <message>
        <source>Image position &quot;%1&quot; in &quot;%2&quot; object is not left, right or center; none is used</source>
        <translation>对象“%2”中的图像位置“%1”不是 left、right 或 center；因此不使用任何位置</translation>
    </message>
    <message>
        <source>Address of &quot;%1&quot; object is a javascript: address; it runs script on your pages</source>
        <translation>对象“%1”的地址是 javascript: 地址；它会在您的页面上运行脚本</translation>
    </message>
    <message>
        <source>An entry of &quot;%1&quot; object has no caption; it is drawn as an empty row</source>
        <translation>对象“%1”中有一个条目没有标题；它将显示为空行</translation>
    </message>
    <message>
        <source>Menu style in &quot;%1&quot; object not found. Used first found menu style</source>
        <translation>未找到对象“%1”中的菜单样式。已使用找到的第一个菜单样式</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>on mouse click</source>
        <translation>鼠标单击时</translation>
    </message>
    <message>
        <source>on mouse over</source>
        <translation>鼠标悬停时</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Menu button</source>
        <translation>菜单按钮</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Wrap</source>
        <translation>换行</translation>
    </message>
    <message>
        <source>Drawer</source>
        <translation>抽屉</translation>
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
        <translation>使用 Korvane Tarvex，无需手写一行脚本即可为您的网页设计下拉菜单：构建菜单树，选择样式，查看预览，然后发布。

我们很乐意听到您的声音：欢迎提出问题、想法和错误报告。

网站：https://www.korvane.example
反馈：https://www.korvane.example/feedback.php
电子邮件：support@korvane.example
销售：sales@korvane.example

Copyright (c) Korvane. 保留所有权利。</translation>
    </message>
    <message>
        <source>About Korvane Product</source>
        <translation>关于 Korvane Product</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>tarvex::TApplicationFolder</name>
    <message>
        <source>The folder %1 is missing: without it there is no menu engine, no preview page and no help. Install Korvane Tarvex again.</source>
        <translation>找不到文件夹 %1：没有它，就没有菜单引擎、预览页面和帮助。请重新安装 Korvane Tarvex。</translation>
    </message>
</context>
<context>
    <name>tarvex::TCommandBarLayout</name>
    <message>
        <source>Unable to save settings</source>
        <translation>无法保存设置</translation>
    </message>
</context>
<context>
    <name>tarvex::TCustomizeDialog</name>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Toolbars:</source>
        <translation>工具栏：</translation>
    </message>
    <message>
        <source>To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.</source>
        <translation>要将命令添加到工具栏或菜单，请将其拖到工具栏或菜单标题上。</translation>
    </message>
    <message>
        <source>Show tips on toolbars</source>
        <translation>在工具栏上显示提示</translation>
    </message>
    <message>
        <source>Show shortcut keys in tips</source>
        <translation>在提示中显示快捷键</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>大图标</translation>
    </message>
</context>
<context>
    <name>tarvex::TFindField</name>
    <message>
        <source>Find captions, addresses or style names</source>
        <translation>查找标题、地址或样式名称</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
</context>
<context>
    <name>tarvex::TFoldersScanResultForm</name>
    <message>
        <source>Select Favorities Folder</source>
        <translation>选择收藏夹文件夹</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tarvex::TImportReviewForm</name>
    <message>
        <source>Navigation to import</source>
        <translation>要导入的导航</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Entries to import; clear a check box to leave a branch out</source>
        <translation>要导入的条目；取消勾选复选框可排除该分支</translation>
    </message>
    <message>
        <source>%1 of %2 entries will be added.</source>
        <translation>将添加 %2 个条目中的 %1 个。</translation>
    </message>
</context>
<context>
    <name>tarvex::TMainUserInterface</name>
    <message>
        <source>Checks: %1</source>
        <translation>检查：%1 项</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>确认替换文件</translation>
    </message>
    <message>
        <source>This folder already contains a file named &quot;%1&quot;.

Would you like to replace the existing file?</source>
        <translation>此文件夹中已有名为“%1”的文件。

是否替换现有文件？</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewStage</name>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation>平板电脑 (768 px)</translation>
    </message>
    <message>
        <source>Phone (375 px)</source>
        <translation>手机 (375 px)</translation>
    </message>
    <message>
        <source>Preview screen size</source>
        <translation>预览屏幕尺寸</translation>
    </message>
    <message>
        <source>&amp;Screen:</source>
        <translation>屏幕(&amp;S)：</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewWebPage</name>
    <message>
        <source>Blocked: the page itself tried to open %1.</source>
        <translation>已阻止：页面本身试图打开 %1。</translation>
    </message>
    <message>
        <source>Not opened: %1 is no web address, page, document or picture of the site.</source>
        <translation>未打开：%1 既不是网址，也不是本网站的页面、文档或图片。</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridDelegate</name>
    <message>
        <source>An icon of the set, or the name of an .svg file beside the project</source>
        <translation>图标集中的图标，或与项目位于同一文件夹中的 .svg 文件的名称</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>选择颜色</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridModel</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishTargetForm</name>
    <message>
        <source>My site</source>
        <translation>我的网站</translation>
    </message>
    <message>
        <source>When the address names none</source>
        <translation>地址中未包含用户名时使用</translation>
    </message>
    <message>
        <source>SFTP: empty uses the SSH agent or the password</source>
        <translation>SFTP：留空则使用 SSH 代理或密码</translation>
    </message>
    <message>
        <source>Only for a company&apos;s own authority</source>
        <translation>仅用于公司自有的证书颁发机构</translation>
    </message>
    <message>
        <source>Menu script and engine (three files)</source>
        <translation>菜单脚本和引擎（三个文件）</translation>
    </message>
    <message>
        <source>Module (tarvex-menu.js and tarvex-menu.css)</source>
        <translation>模块（tarvex-menu.js 和 tarvex-menu.css）</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>地址(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>用户(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>文件(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Key file:</source>
        <translation>密钥文件(&amp;K)：</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>私钥</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>C&amp;A file:</source>
        <translation>CA 文件(&amp;C)：</translation>
    </message>
    <message>
        <source>Certificate authority</source>
        <translation>证书颁发机构</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>证书 (*.pem *.crt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Site add&amp;ress:</source>
        <translation>网站地址(&amp;R)：</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishToSiteDialog</name>
    <message>
        <source>(no name)</source>
        <translation>（无名称）</translation>
    </message>
    <message>
        <source>Re&amp;member in the desktop&apos;s key store</source>
        <translation>保存到桌面密钥库(&amp;M)</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>添加(&amp;D)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>移除(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>测试连接(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Show changes</source>
        <translation>显示更改(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>发布(&amp;P)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Publish to site</source>
        <translation>发布到网站</translation>
    </message>
    <message>
        <source>Asked of the key store when empty</source>
        <translation>留空则从密钥库获取</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Files on the site</source>
        <translation>网站上的文件</translation>
    </message>
    <message>
        <source>Progress in total</source>
        <translation>总进度</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>密码(&amp;W)：</translation>
    </message>
    <message>
        <source>This project names no server yet: Add one, with the address of the folder the menu&apos;s files go to.</source>
        <translation>此项目尚未指定服务器：请点击“添加”，填写存放菜单文件的文件夹地址。</translation>
    </message>
    <message>
        <source>Ser&amp;vers:</source>
        <translation>服务器(&amp;V)：</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Enter the address of the folder on the server, such as sftp://user@example.com/var/www/menu.</source>
        <translation>请输入服务器上文件夹的地址，例如 sftp://user@example.com/var/www/menu。</translation>
    </message>
    <message>
        <source>add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>replace (changed on the site by someone else)</source>
        <translation>替换（已被他人在网站上更改）</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>The site holds these files already: nothing to send.</source>
        <translation>网站上已有这些文件：无需发送。</translation>
    </message>
    <message>
        <source>Publish sends %1 of the %2 files (%3); the others are on the site already.</source>
        <translation>发布将发送 %2 个文件中的 %1 个（%3）；其余文件已在网站上。</translation>
    </message>
    <message>
        <source>%1 is a plain dav:// address: the password and the files travel unencrypted, and anyone on the network between can read or change them. Send to it anyway?</source>
        <translation>%1 是未加密的 dav:// 地址：密码和文件将以明文传输，途经网络上的任何人都可以读取或篡改它们。仍要发送吗？</translation>
    </message>
    <message>
        <source>Tarvex has not connected to %1 before. The server identifies itself with the %2 key

%3

Compare this fingerprint with the one your hosting provider gives. Trust this server from now on?</source>
        <translation>Tarvex 以前从未连接过 %1。该服务器用以下 %2 密钥表明身份：

%3

请将此指纹与您的托管服务商提供的指纹进行比对。今后是否信任此服务器？</translation>
    </message>
    <message>
        <source>The server&apos;s key was not trusted; nothing was sent.</source>
        <translation>服务器的密钥未被信任；未发送任何内容。</translation>
    </message>
    <message>
        <source>The desktop&apos;s key store is not available (%1): the password serves only while this dialog is open.</source>
        <translation>桌面密钥库不可用（%1）：密码仅在此对话框打开期间有效。</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>正在连接…</translation>
    </message>
    <message>
        <source>Comparing with the site…</source>
        <translation>正在与网站比较…</translation>
    </message>
    <message>
        <source>Someone else changed files on the site since Tarvex last published them (marked in the list). Replace them with this project&apos;s files?</source>
        <translation>自 Tarvex 上次发布以来，其他人更改了网站上的文件（已在列表中标出）。要用此项目的文件替换它们吗？</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>正在发布…</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published to %1:&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;p&gt;已发布到 %1：&lt;/p&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Open the live page</source>
        <translation>打开线上页面</translation>
    </message>
</context>
<context>
    <name>tarvex::TScriptWarningsForm</name>
    <message>
        <source>Checks</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>What visitors of the published menu would meet. Double-click one to go to it:</source>
        <translation>访问者在已发布的菜单中会遇到的问题。双击某项即可转到该处：</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>tarvex::TStyleTemplateForm</name>
    <message>
        <source>Style template</source>
        <translation>样式模板</translation>
    </message>
    <message>
        <source>Favorites styles</source>
        <translation>收藏样式</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Show at start-up</source>
        <translation>启动时显示</translation>
    </message>
</context>
<context>
    <name>tarvex::TTarvexForm</name>
    <message>
        <source>Menu creator</source>
        <translation>菜单制作</translation>
    </message>
    <message>
        <source>Menu styles</source>
        <translation>菜单样式</translation>
    </message>
    <message>
        <source>Show what visitors of the published menu would meet</source>
        <translation>显示访问者在已发布的菜单中会遇到的问题</translation>
    </message>
    <message>
        <source>Design pages</source>
        <translation>设计页面</translation>
    </message>
    <message>
        <source>Menu objects</source>
        <translation>菜单对象</translation>
    </message>
    <message>
        <source>Menu options</source>
        <translation>菜单选项</translation>
    </message>
    <message>
        <source>Menu item properties</source>
        <translation>菜单项属性</translation>
    </message>
    <message>
        <source>Style properties</source>
        <translation>样式属性</translation>
    </message>
    <message>
        <source>Preview and help pages</source>
        <translation>预览和帮助页面</translation>
    </message>
    <message>
        <source>File toolbar</source>
        <translation>文件工具栏</translation>
    </message>
    <message>
        <source>Commands toolbar</source>
        <translation>命令工具栏</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Design and preview divider</source>
        <translation>设计与预览分隔条</translation>
    </message>
    <message>
        <source>Objects and properties divider</source>
        <translation>对象与属性分隔条</translation>
    </message>
    <message>
        <source>Styles and properties divider</source>
        <translation>样式与属性分隔条</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Quick help</source>
        <translation>快速帮助</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>菜单预览</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used; the file has been kept as %1.</source>
        <translation>无法读取 Tarvex.dat，因此使用内置的菜单和工具栏；该文件已另存为 %1。</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used.</source>
        <translation>无法读取 Tarvex.dat，因此使用内置的菜单和工具栏。</translation>
    </message>
</context>
</TS>
