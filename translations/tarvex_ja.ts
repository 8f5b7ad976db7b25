<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Checks</name>
    <message>
        <source>Style list</source>
        <translation>スタイル一覧</translation>
    </message>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles.</source>
        <translation>プロジェクトを生成できません。メニュースタイルがありません。</translation>
    </message>
    <message>
        <source>%1 more problems are not listed; mend the ones above first.</source>
        <translation>ほかに %1 件の問題があり、一覧には表示されていません。まず上記の問題を修正してください。</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>デザイン</translation>
    </message>
    <message>
        <source>No menu uses this style.</source>
        <translation>このスタイルを使っているメニューはありません。</translation>
    </message>
    <message>
        <source>%1 has a contrast of %2:1; text needs at least %3:1 to be read.</source>
        <translation>%1 のコントラスト比は %2:1 です。文字を読みやすくするには %3:1 以上が必要です。</translation>
    </message>
    <message>
        <source>Its entries are %1 px high; visitors need at least 24 px to hit them (raise &quot;Font Size&quot; or &quot;Menu Item Padding&quot;).</source>
        <translation>項目の高さが %1 px です。訪問者が確実にクリックやタップできるよう 24 px 以上にしてください (「フォントサイズ」または「メニュー項目のパディング」を大きくします)。</translation>
    </message>
    <message>
        <source>Its address is a javascript: address, which runs script on your pages and does nothing where script is blocked.</source>
        <translation>アドレスが javascript: アドレスです。ページ上でスクリプトを実行するもので、スクリプトがブロックされている環境では何も起きません。</translation>
    </message>
    <message>
        <source>The item has no address, so visitors cannot follow it.</source>
        <translation>このメニュー項目にはアドレスがないため、訪問者はリンク先に移動できません。</translation>
    </message>
    <message>
        <source>Its address is still the placeholder &quot;%1&quot;; give it the page it should open, or clear it.</source>
        <translation>アドレスがまだ仮の「%1」のままです。開くページを指定するか、アドレスを消去してください。</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; is also the address of &quot;%2&quot; in this menu.</source>
        <translation>アドレス「%1」は、このメニューの「%2」のアドレスと同じです。</translation>
    </message>
    <message>
        <source>The entry has no caption; visitors see an empty row.</source>
        <translation>この項目にはキャプションがありません。訪問者には空の行が表示されます。</translation>
    </message>
    <message>
        <source>Its caption is %1 characters long; more than %2 wrap onto further lines.</source>
        <translation>キャプションが %1 文字あります。%2 文字を超えると折り返して複数行になります。</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; names no file in the site&apos;s folder.</source>
        <translation>アドレス「%1」に該当するファイルがサイトのフォルダーにありません。</translation>
    </message>
    <message>
        <source>The group has no entries, so its submenu opens nothing.</source>
        <translation>このグループには項目がないため、サブメニューを開いても何も表示されません。</translation>
    </message>
    <message>
        <source>Its submenu is nested %1 levels deep; menus deeper than %2 levels are hard to reach.</source>
        <translation>サブメニューが %1 階層の深さにあります。%2 階層より深いメニューはたどり着きにくくなります。</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot;</source>
        <translation>スタイル「%1」</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>メインメニューのオプション</translation>
    </message>
    <message>
        <source>(no caption)</source>
        <translation>(キャプションなし)</translation>
    </message>
    <message>
        <source>Its description is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>説明は %1 px、%2 で描画され、コントラスト比は %3:1 です。この大きさの文字を読みやすくするには %4:1 以上が必要です。</translation>
    </message>
    <message>
        <source>Its badge is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>バッジは %1 px、%2 で描画され、コントラスト比は %3:1 です。この大きさの文字を読みやすくするには %4:1 以上が必要です。</translation>
    </message>
    <message>
        <source>Its icon &quot;%1&quot; is none of the drawn icons and no .svg file, so no icon is drawn.</source>
        <translation>アイコン「%1」は組み込みのアイコンでも .svg ファイルでもないため、アイコンは描画されません。</translation>
    </message>
    <message>
        <source>Its icon file &quot;%1&quot; %2, so no icon is drawn.</source>
        <translation>アイコンファイル「%1」: %2。このためアイコンは描画されません。</translation>
    </message>
    <message>
        <source>at the small screen width of %1 px</source>
        <translation>小画面の幅 %1 px</translation>
    </message>
    <message>
        <source>in a window %1 px wide</source>
        <translation>幅 %1 px のウィンドウ</translation>
    </message>
    <message>
        <source>Its panel&apos;s %1 columns need about %2 px, but %3 only %4 fit, so the captions are squeezed (set &quot;Columns&quot; to %4 or 0, or raise &quot;Small screen width&quot; on the main menu).</source>
        <translation>パネルの %1 列には約 %2 px が必要ですが、%3 では %4 列しか収まらないため、キャプションが詰まって表示されます (「列数」を %4 または 0 にするか、メインメニューの「小画面の幅」を大きくしてください)。</translation>
    </message>
    <message>
        <source>&quot;When no room&quot; is More, but &quot;More caption&quot; holds only characters that draw nothing, so the entry that gathers the rest of the bar is empty and screen readers give it no name; type a caption or empty the field for &quot;More&quot;.</source>
        <translation>「収まらない場合」が「その他」になっていますが、「その他グループのキャプション」には何も描画されない文字しかないため、バーに入りきらない項目をまとめる項目が空になり、スクリーンリーダーでも名前が読み上げられません。キャプションを入力するか、欄を空にして既定の「その他」を使ってください。</translation>
    </message>
    <message>
        <source>&quot;Mouse Off Font&quot; on &quot;Mouse Off Background&quot;</source>
        <translation>「通常時の背景色」上の「通常時の文字色」</translation>
    </message>
    <message>
        <source>&quot;Mouse On Font&quot; on &quot;Mouse On Background&quot;</source>
        <translation>「マウスオーバー時の背景色」上の「マウスオーバー時の文字色」</translation>
    </message>
    <message>
        <source>&quot;Menu Header Font Color&quot; on &quot;Menu Header Background&quot;</source>
        <translation>「メニュー見出しの背景色」上の「メニュー見出しの文字色」</translation>
    </message>
    <message>
        <source>ends before its elements are closed</source>
        <translation>要素が閉じられる前にファイルが終わっています</translation>
    </message>
    <message>
        <source>holds no svg element</source>
        <translation>svg 要素がありません</translation>
    </message>
    <message>
        <source>has a comment that does not end</source>
        <translation>終わりのないコメントがあります</translation>
    </message>
    <message>
        <source>declares a document type, entities or character data, which an icon may not</source>
        <translation>アイコンでは使用できない文書型、エンティティ、または文字データの宣言があります</translation>
    </message>
    <message>
        <source>has an XML declaration that does not end</source>
        <translation>終わりのない XML 宣言があります</translation>
    </message>
    <message>
        <source>holds a processing instruction</source>
        <translation>処理命令が含まれています</translation>
    </message>
    <message>
        <source>is not well-formed XML</source>
        <translation>整形式の XML ではありません</translation>
    </message>
    <message>
        <source>holds a %1 element, which an icon may not</source>
        <translation>アイコンでは使用できない %1 要素が含まれています</translation>
    </message>
    <message>
        <source>holds more than one drawing</source>
        <translation>複数の描画が含まれています</translation>
    </message>
    <message>
        <source>does not begin with an svg element</source>
        <translation>svg 要素で始まっていません</translation>
    </message>
    <message>
        <source>holds an svg element inside another</source>
        <translation>svg 要素の中に別の svg 要素があります</translation>
    </message>
    <message>
        <source>nests its elements more than %1 deep</source>
        <translation>要素の入れ子が %1 階層を超えています</translation>
    </message>
    <message>
        <source>ends inside the %1 element&apos;s tag</source>
        <translation>%1 要素のタグの途中で終わっています</translation>
    </message>
    <message>
        <source>closes a %1 element it did not open</source>
        <translation>開いていない %1 要素を閉じています</translation>
    </message>
    <message>
        <source>has an event attribute (%1)</source>
        <translation>イベント属性 (%1) があります</translation>
    </message>
    <message>
        <source>links to another file or address (%1)</source>
        <translation>別のファイルまたはアドレスにリンクしています (%1)</translation>
    </message>
    <message>
        <source>refers to something outside the drawing (%1)</source>
        <translation>描画の外にあるものを参照しています (%1)</translation>
    </message>
    <message>
        <source>uses an entity (&amp;%1;), which an icon may not</source>
        <translation>アイコンでは使用できないエンティティ (&amp;%1;) を使用しています</translation>
    </message>
    <message>
        <source>is larger than %1 KB</source>
        <translation>%1 KB を超えています</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>UTF-8 のテキストではありません</translation>
    </message>
    <message>
        <source>cannot be found until the project is saved, since it is looked for beside the project</source>
        <translation>プロジェクトのフォルダーで探すため、プロジェクトを保存するまで見つかりません</translation>
    </message>
    <message>
        <source>is not beside the project (name it relative to the project&apos;s folder, without &quot;..&quot;)</source>
        <translation>プロジェクトのフォルダーにありません (「..」を使わずに、プロジェクトのフォルダーからの相対パスで指定してください)</translation>
    </message>
    <message>
        <source>does not exist beside the project</source>
        <translation>プロジェクトのフォルダーに存在しません</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Create new project</source>
        <translation>新しいプロジェクトを作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Open existing project</source>
        <translation>既存のプロジェクトを開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>現在のプロジェクトを保存</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>S&amp;ave as ...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save project as</source>
        <translation>プロジェクトに名前を付けて保存</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>メニューを公開</translation>
    </message>
    <message>
        <source>&amp;Publish menu</source>
        <translation>メニューを公開(&amp;P)</translation>
    </message>
    <message>
        <source>Create necessary files to publish menu</source>
        <translation>メニューの公開に必要なファイルを作成</translation>
    </message>
    <message>
        <source>Publish to site…</source>
        <translation>サイトに公開…</translation>
    </message>
    <message>
        <source>Publish &amp;to site…</source>
        <translation>サイトに公開(&amp;T)…</translation>
    </message>
    <message>
        <source>Send the menu&apos;s files straight to a web server</source>
        <translation>メニューのファイルを Web サーバーへ直接送信</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Export menu as HTML</source>
        <translation>メニューを HTML としてエクスポート</translation>
    </message>
    <message>
        <source>E&amp;xport menu as HTML</source>
        <translation>メニューを HTML としてエクスポート(&amp;X)</translation>
    </message>
    <message>
        <source>Write the menu as a plain HTML list of links</source>
        <translation>メニューを単純な HTML のリンク一覧として書き出す</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>最後の変更を元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation>元に戻した最後の変更をやり直す</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>選択範囲を切り取ってクリップボードへ移動</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>選択範囲をクリップボードにコピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Paste from the clipboard after the selection</source>
        <translation>クリップボードの内容を選択範囲の後に貼り付け</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>複製(&amp;D)</translation>
    </message>
    <message>
        <source>Duplicate the selection</source>
        <translation>選択範囲を複製</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>上へ移動(&amp;M)</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>選択範囲を上へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>選択範囲を下へ移動</translation>
    </message>
    <message>
        <source>Move out of the group</source>
        <translation>グループの外へ移動</translation>
    </message>
    <message>
        <source>Move &amp;out of the group</source>
        <translation>グループの外へ移動(&amp;O)</translation>
    </message>
    <message>
        <source>Move the selection out of its group</source>
        <translation>選択範囲を所属するグループの外へ移動</translation>
    </message>
    <message>
        <source>Move into the previous group</source>
        <translation>前のグループの中へ移動</translation>
    </message>
    <message>
        <source>Move &amp;into the previous group</source>
        <translation>前のグループの中へ移動(&amp;I)</translation>
    </message>
    <message>
        <source>Move the selection into the group above it</source>
        <translation>選択範囲をすぐ上のグループの中へ移動</translation>
    </message>
    <message>
        <source>Sort by caption</source>
        <translation>キャプションで並べ替え</translation>
    </message>
    <message>
        <source>&amp;Sort by caption</source>
        <translation>キャプションで並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>Sort the entries of the selected group by caption</source>
        <translation>選択したグループの項目をキャプションで並べ替え</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find captions, addresses and style names</source>
        <translation>キャプション、アドレス、スタイル名を検索</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Select the next match</source>
        <translation>次の一致箇所を選択</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>New menu group</source>
        <translation>新しいメニューグループ</translation>
    </message>
    <message>
        <source>&amp;New menu group</source>
        <translation>新しいメニューグループ(&amp;N)</translation>
    </message>
    <message>
        <source>Create new menu group</source>
        <translation>新しいメニューグループを作成</translation>
    </message>
    <message>
        <source>Delete menu group</source>
        <translation>メニューグループの削除</translation>
    </message>
    <message>
        <source>&amp;Delete menu group</source>
        <translation>メニューグループの削除(&amp;G)</translation>
    </message>
    <message>
        <source>Delete selected menu group</source>
        <translation>選択したメニューグループを削除</translation>
    </message>
    <message>
        <source>How to use groups</source>
        <translation>グループの使い方</translation>
    </message>
    <message>
        <source>H&amp;ow to use groups</source>
        <translation>グループの使い方(&amp;O)</translation>
    </message>
    <message>
        <source>New menu item</source>
        <translation>新しいメニュー項目</translation>
    </message>
    <message>
        <source>N&amp;ew menu item</source>
        <translation>新しいメニュー項目(&amp;E)</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>新しいメニュー項目を作成</translation>
    </message>
    <message>
        <source>Delete menu item</source>
        <translation>メニュー項目の削除</translation>
    </message>
    <message>
        <source>De&amp;lete menu item</source>
        <translation>メニュー項目の削除(&amp;L)</translation>
    </message>
    <message>
        <source>Delete selected menu item</source>
        <translation>選択したメニュー項目を削除</translation>
    </message>
    <message>
        <source>How to use menu item</source>
        <translation>メニュー項目の使い方</translation>
    </message>
    <message>
        <source>&amp;How to use menu item</source>
        <translation>メニュー項目の使い方(&amp;H)</translation>
    </message>
    <message>
        <source>How to use menu options</source>
        <translation>メニューオプションの使い方</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>New style</source>
        <translation>新しいスタイル</translation>
    </message>
    <message>
        <source>&amp;New style</source>
        <translation>新しいスタイル(&amp;N)</translation>
    </message>
    <message>
        <source>Create new menu item style</source>
        <translation>新しいメニュー項目スタイルを作成</translation>
    </message>
    <message>
        <source>Insert favorete style</source>
        <translation>お気に入りのスタイルを挿入</translation>
    </message>
    <message>
        <source>&amp;Insert favorete style</source>
        <translation>お気に入りのスタイルを挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Delete style</source>
        <translation>スタイルの削除</translation>
    </message>
    <message>
        <source>&amp;Delete style</source>
        <translation>スタイルの削除(&amp;L)</translation>
    </message>
    <message>
        <source>Delete selected style</source>
        <translation>選択したスタイルを削除</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>お気に入りに追加</translation>
    </message>
    <message>
        <source>&amp;Add to favorites</source>
        <translation>お気に入りに追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add current style to favorites</source>
        <translation>現在のスタイルをお気に入りに追加</translation>
    </message>
    <message>
        <source>How to use styles</source>
        <translation>スタイルの使い方</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>プレビューを更新</translation>
    </message>
    <message>
        <source>U&amp;pdate Preview</source>
        <translation>プレビューを更新(&amp;R)</translation>
    </message>
    <message>
        <source>Update preview window</source>
        <translation>プレビューウィンドウを更新</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>プレビューする HTML を開く</translation>
    </message>
    <message>
        <source>&amp;Open HTML to preview</source>
        <translation>プレビューする HTML を開く(&amp;O)</translation>
    </message>
    <message>
        <source>Use default preview</source>
        <translation>既定のプレビューを使用</translation>
    </message>
    <message>
        <source>&amp;Use default preview</source>
        <translation>既定のプレビューを使用(&amp;U)</translation>
    </message>
    <message>
        <source>Use default HTML page to preview</source>
        <translation>既定の HTML ページでプレビュー</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>From windows favorities</source>
        <translation>Windows のお気に入りから</translation>
    </message>
    <message>
        <source>Import menu from windows favorities</source>
        <translation>Windows のお気に入りからメニューをインポート</translation>
    </message>
    <message>
        <source>From bookmarks file</source>
        <translation>ブックマークファイルから</translation>
    </message>
    <message>
        <source>Import from &amp;bookmarks file...</source>
        <translation>ブックマークファイルからインポート(&amp;B)...</translation>
    </message>
    <message>
        <source>Import menu from a browser&apos;s bookmarks file</source>
        <translation>ブラウザーのブックマークファイルからメニューをインポート</translation>
    </message>
    <message>
        <source>From site map</source>
        <translation>サイトマップから</translation>
    </message>
    <message>
        <source>Import from &amp;site map...</source>
        <translation>サイトマップからインポート(&amp;S)...</translation>
    </message>
    <message>
        <source>Import menu from a site map (sitemap.xml)</source>
        <translation>サイトマップ (sitemap.xml) からメニューをインポート</translation>
    </message>
    <message>
        <source>From page navigation</source>
        <translation>ページのナビゲーションから</translation>
    </message>
    <message>
        <source>Import from page &amp;navigation...</source>
        <translation>ページのナビゲーションからインポート(&amp;N)...</translation>
    </message>
    <message>
        <source>Import menu from the navigation of an HTML page</source>
        <translation>HTML ページのナビゲーションからメニューをインポート</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>カスタマイズ(&amp;C)</translation>
    </message>
    <message>
        <source>Customize toolbar</source>
        <translation>ツールバーのカスタマイズ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>How to use program</source>
        <translation>プログラムの使い方</translation>
    </message>
    <message>
        <source>&amp;How to use program</source>
        <translation>プログラムの使い方(&amp;H)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>H&amp;ome page</source>
        <translation>ホームページ(&amp;O)</translation>
    </message>
    <message>
        <source>Korvane home page</source>
        <translation>Korvane ホームページ</translation>
    </message>
    <message>
        <source>E-Mail to us</source>
        <translation>メールでのお問い合わせ</translation>
    </message>
    <message>
        <source>&amp;E-Mail to us</source>
        <translation>メールでのお問い合わせ(&amp;E)</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>&amp;About program</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>メニュー(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Styles</source>
        <translation>スタイル(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>プレビュー(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Recent files...</source>
        <translation>最近使ったファイル...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>コマンド</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Change %1</source>
        <translation>%1の変更</translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation>%1 個の値の変更</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 を元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 をやり直す</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>グループの外へ移動</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>グループの中へ移動</translation>
    </message>
    <message>
        <source>Insert Favorite Style</source>
        <translation>お気に入りのスタイルの挿入</translation>
    </message>
    <message>
        <source>Import Favorites</source>
        <translation>お気に入りのインポート</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>メニューのインポート</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>グループの追加</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>メニュー項目の追加</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>グループの削除</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>メニュー項目の削除</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>グループの移動</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>メニュー項目の移動</translation>
    </message>
    <message>
        <source>Sort by Caption</source>
        <translation>キャプションで並べ替え</translation>
    </message>
    <message>
        <source>Repair menu style</source>
        <translation>メニュースタイルの修復</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>新しいスタイル</translation>
    </message>
    <message>
        <source>Delete Style</source>
        <translation>スタイルの削除</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>%1 would make the project larger than %2, more than Tarvex can open again. Nothing was added.</source>
        <translation>%1と、プロジェクトが %2 を超え、Tarvex で開き直せない大きさになります。何も追加していません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Importing this</source>
        <translation>これをインポートする</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1, more than a Tarvex project can hold. Nothing was pasted.</source>
        <translation>クリップボードの内容が %1 を超えており、Tarvex のプロジェクトに収まりません。何も貼り付けていません。</translation>
    </message>
    <message>
        <source>Pasting this</source>
        <translation>これを貼り付ける</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Project has changed. Do you want to save changes?</source>
        <translation>プロジェクトが変更されています。変更を保存しますか?</translation>
    </message>
    <message>
        <source>Cannot create file %1.%2</source>
        <translation>ファイル %1 を作成できません。%2</translation>
    </message>
    <message>
        <source>Tarvex Files (xml)|*.xml|All files|*.*</source>
        <translation>Tarvex ファイル (xml)|*.xml|すべてのファイル|*.*</translation>
    </message>
    <message>
        <source>Select menu style which you want add to favorites</source>
        <translation>お気に入りに追加するメニュースタイルを選択してください</translation>
    </message>
    <message>
        <source>Favotite style name</source>
        <translation>お気に入りのスタイル名</translation>
    </message>
    <message>
        <source>Type favorite name</source>
        <translation>お気に入りの名前を入力してください</translation>
    </message>
    <message>
        <source>Style with this name already exist. Use another style name</source>
        <translation>この名前のスタイルは既にあります。別のスタイル名を使ってください</translation>
    </message>
    <message>
        <source>The favorites file cannot hold these characters, so they become &quot;?&quot; in the favorite (the project keeps them): %1

Add to favorites anyway?</source>
        <translation>お気に入りファイルには次の文字を保存できないため、お気に入りでは「?」になります (プロジェクトにはそのまま残ります): %1

それでもお気に入りに追加しますか?</translation>
    </message>
    <message>
        <source>Can&apos;t save read-only file %1!</source>
        <translation>読み取り専用のファイル %1 は保存できません！</translation>
    </message>
    <message>
        <source>%1 is open in another Tarvex window.</source>
        <translation>%1 は別の Tarvex ウィンドウで開かれています。</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program since you opened it.</source>
        <translation>ファイル %1 は、開いた後に別のプログラムによって変更されています。</translation>
    </message>
    <message>
        <source>Unable to save %1 in the folder %2!</source>
        <translation>%1 をフォルダー %2 に保存できません！</translation>
    </message>
    <message>
        <source>%1%2

Save the project in another folder?</source>
        <translation>%1%2

プロジェクトを別のフォルダーに保存しますか?</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Do you want to reload it?</source>
        <translation>ファイル %1 が別のプログラムによって変更されました。再読み込みしますか?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Tarvex was not closed properly. These designs had changes that were not saved:

%1

Recover them?</source>
        <translation>Tarvex が正しく終了しませんでした。次のデザインには保存されていない変更がありました:

%1

復元しますか?</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html|All files|*.*</source>
        <translation>HTML ファイル|*.htm;*.html|すべてのファイル|*.*</translation>
    </message>
    <message>
        <source>Import bookmarks</source>
        <translation>ブックマークのインポート</translation>
    </message>
    <message>
        <source>Import site map</source>
        <translation>サイトマップのインポート</translation>
    </message>
    <message>
        <source>Import page navigation</source>
        <translation>ページのナビゲーションのインポート</translation>
    </message>
    <message>
        <source>You have not selected folder.</source>
        <translation>フォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Can&apos;t find favirities directory.</source>
        <translation>お気に入りフォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>この種類のインポートは、このビルドの Tarvex では使用できません。</translation>
    </message>
    <message>
        <source>Bookmark files (html)|*.html;*.htm|All files|*.*</source>
        <translation>ブックマークファイル (html)|*.html;*.htm|すべてのファイル|*.*</translation>
    </message>
    <message>
        <source>Site maps (xml)|*.xml|All files|*.*</source>
        <translation>サイトマップ (xml)|*.xml|すべてのファイル|*.*</translation>
    </message>
    <message>
        <source>Tarvex cannot use %1: drop a project, a bookmarks file, a site map or a web page.</source>
        <translation>Tarvex では %1 を使用できません。プロジェクト、ブックマークファイル、サイトマップ、Web ページのいずれかをドロップしてください。</translation>
    </message>
    <message>
        <source>Create new group</source>
        <translation>新しいグループの作成</translation>
    </message>
    <message>
        <source>Type new group name</source>
        <translation>新しいグループの名前を入力してください</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>新しいメニュー項目の作成</translation>
    </message>
    <message>
        <source>Type new menu item name</source>
        <translation>新しいメニュー項目の名前を入力してください</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu group?</source>
        <translation>メニューグループ「%1」を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu item?</source>
        <translation>メニュー項目「%1」を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>You can&apos;t drag&amp;drop Menu Options</source>
        <translation>メニューオプションはドラッグ&amp;ドロップできません</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>プレビューする HTML を開く</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>one, main.js and %1</source>
        <translation>one.js、main.js と %1</translation>
    </message>
    <message>
        <source>Files: %1 was saved. Go to help file to lern more about adding menu to your HTML files</source>
        <translation>ファイル %1 を保存しました。HTML ファイルにメニューを追加する方法については、ヘルプを参照してください</translation>
    </message>
    <message>
        <source>JavaScript files (js)|*.js|All files|*.*</source>
        <translation>JavaScript ファイル (js)|*.js|すべてのファイル|*.*</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>メニューを公開</translation>
    </message>
    <message>
        <source>Publish menu module: the folder for %1 and %2</source>
        <translation>メニューモジュールの公開: %1 と %2 を保存するフォルダー</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>…ほか %1 件。</translation>
    </message>
    <message>
        <source>The menu has 1 problem that visitors will meet:
%2

Publish anyway?</source>
        <translation>このメニューには訪問者が遭遇する問題が 1 件あります:
%2

それでも公開しますか?</translation>
    </message>
    <message>
        <source>The menu has %1 problems that visitors will meet:
%2

Publish anyway?</source>
        <translation>このメニューには訪問者が遭遇する問題が %1 件あります:
%2

それでも公開しますか?</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>ファイル %1 を開けません。</translation>
    </message>
    <message>
        <source>The page refers to files above its own folder. Choose the folder of your site, so that the preview shows them too?</source>
        <translation>このページは自身のフォルダーより上の階層にあるファイルを参照しています。プレビューでもそれらが表示されるよう、サイトのフォルダーを選択しますか?</translation>
    </message>
    <message>
        <source>Site folder of %1</source>
        <translation>%1 のサイトフォルダー</translation>
    </message>
    <message>
        <source>The folder %1 does not hold the page; the preview reads from the page&apos;s own folder.</source>
        <translation>フォルダー %1 にはこのページが含まれていません。プレビューはページ自身のフォルダーから読み込みます。</translation>
    </message>
    <message>
        <source>Create new style</source>
        <translation>新しいスタイルの作成</translation>
    </message>
    <message>
        <source>Type new menu style name</source>
        <translation>新しいメニュースタイルの名前を入力してください</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; style?</source>
        <translation>スタイル「%1」を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>favorites.dat could not be read completely at start-up. It has been kept as %1, and a new favorites.dat holds the favorite styles of this run.</source>
        <translation>起動時に favorites.dat を完全には読み込めませんでした。このファイルは %1 として残してあり、今回の実行でのお気に入りのスタイルは新しい favorites.dat に保存されます。</translation>
    </message>
    <message>
        <source>A menu entry needs a caption</source>
        <translation>メニュー項目にはキャプションが必要です</translation>
    </message>
    <message>
        <source>No style yet: add one on the Menu styles page, or Insert favourite style</source>
        <translation>スタイルがまだありません。「メニュースタイル」ページで追加するか、「お気に入りのスタイルを挿入」を使用してください</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>The folder does not let a new file be made, which a safe save needs.</source>
        <translation>このフォルダーには新しいファイルを作成できませんが、安全に保存するにはそれが必要です。</translation>
    </message>
    <message>
        <source> %1</source>
        <extracomment>Puts the reason after the sentence it explains.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>The file %1 is too large for a Tarvex project (more than %2 MB).</source>
        <translation>ファイル %1 は Tarvex のプロジェクトとしては大きすぎます (%2 MB 超)。</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>ファイル %1 を読み込めません！</translation>
    </message>
    <message>
        <source>The file %1 is not a Tarvex project!</source>
        <translation>ファイル %1 は Tarvex のプロジェクトではありません！</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 menu entries and styles, more than a Tarvex project may hold.</source>
        <translation>ファイル %1 には %2 を超えるメニュー項目とスタイルが含まれており、Tarvex のプロジェクトの上限を超えています。</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Bookmarks</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>Site map</source>
        <translation>サイトマップ</translation>
    </message>
    <message>
        <source>The file holds no bookmarks.</source>
        <translation>このファイルにはブックマークがありません。</translation>
    </message>
    <message>
        <source>The bookmarks nest folders deeper than %1 levels.</source>
        <translation>ブックマークのフォルダーの入れ子が %1 階層を超えています。</translation>
    </message>
    <message>
        <source>The bookmarks file</source>
        <translation>ブックマークファイル</translation>
    </message>
    <message>
        <source>These shortcut files could not be read and were left out:%1</source>
        <translation>次のショートカットファイルは読み込めなかったため、除外しました:%1</translation>
    </message>
    <message>
        <source>The folder holds more than %1 entries; only the first %1 were read.</source>
        <translation>フォルダーに %1 個を超えるエントリがあります。最初の %1 個だけを読み込みました。</translation>
    </message>
    <message>
        <source>%1 is in UTF-16; save it as UTF-8 and import it again.</source>
        <translation>%1は UTF-16 で保存されています。UTF-8 で保存し直してから、もう一度インポートしてください。</translation>
    </message>
    <message>
        <source>%1 has too many elements to import (more than %2).</source>
        <translation>%1の要素が多すぎるため、インポートできません (%2 個を超えています)。</translation>
    </message>
    <message>
        <source>%1 is nested too deeply to import (more than %2 levels).</source>
        <translation>%1は入れ子が深すぎるため、インポートできません (%2 階層を超えています)。</translation>
    </message>
    <message>
        <source>%1 could not be read as HTML.</source>
        <translation>%1を HTML として読み込めませんでした。</translation>
    </message>
    <message>
        <source>The file %1 is too large to import (more than %2 MB).</source>
        <translation>ファイル %1 は大きすぎるためインポートできません (%2 MB を超えています)。</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>ファイル %1 を読み込めません！</translation>
    </message>
    <message>
        <source>1 link%1</source>
        <translation>リンク 1 件%1</translation>
    </message>
    <message>
        <source>%1 links%2</source>
        <translation>リンク %1 件%2</translation>
    </message>
    <message>
        <source>Navigation%1 (%2)</source>
        <translation>ナビゲーション%1 (%2)</translation>
    </message>
    <message>
        <source>List%1 (%2)</source>
        <translation>リスト%1 (%2)</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>The page&apos;s navigation nests deeper than %1 levels.</source>
        <translation>ページのナビゲーションの入れ子が %1 階層を超えています。</translation>
    </message>
    <message>
        <source>The page has no navigation: no nav element and no list of links.</source>
        <translation>このページにはナビゲーションがありません (nav 要素もリンクのリストもありません)。</translation>
    </message>
    <message>
        <source>%1 is compressed; unpack it (gunzip) and import the .xml file.</source>
        <translation>%1は圧縮されています。展開 (gunzip) してから .xml ファイルをインポートしてください。</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2 at byte %3).</source>
        <translation>%1は整形式の XML ではありません (%3 バイト目: %2)。</translation>
    </message>
    <message>
        <source>The site map %1</source>
        <translation>サイトマップ %1</translation>
    </message>
    <message>
        <source>The site map %1 lists no pages (its root is not &lt;urlset&gt;).</source>
        <translation>サイトマップ %1 にはページが記載されていません (ルートが &lt;urlset&gt; ではありません)。</translation>
    </message>
    <message>
        <source>None of the index&apos;s site maps is in the index&apos;s folder: %1.</source>
        <translation>インデックスに記載されたサイトマップが、どれもインデックスと同じフォルダーにありません: %1。</translation>
    </message>
    <message>
        <source>The site map</source>
        <translation>サイトマップ</translation>
    </message>
    <message>
        <source>The site-map index lists more than %1 site maps.</source>
        <translation>サイトマップインデックスに記載されたサイトマップが %1 個を超えています。</translation>
    </message>
    <message>
        <source>The file is not a site map: its root element is &lt;%1&gt;.</source>
        <translation>このファイルはサイトマップではありません。ルート要素が &lt;%1&gt; です。</translation>
    </message>
    <message>
        <source>The site map lists more than %1 pages.</source>
        <translation>サイトマップに記載されたページが %1 を超えています。</translation>
    </message>
    <message>
        <source>The site map&apos;s addresses nest deeper than %1 folders.</source>
        <translation>サイトマップのアドレスのフォルダー階層が %1 を超えています。</translation>
    </message>
    <message>
        <source>The site map lists no web pages.</source>
        <translation>サイトマップに Web ページが記載されていません。</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>この種類のインポートは、このビルドの Tarvex では使用できません。</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation>新しい言語は次回の起動時に有効になります。</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>デスクトップの言語</translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;anyway</source>
        <translation>それでも開く(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>上書き(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>名前を付けて保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>後で(&amp;L)</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Connected to %1; the folder is there and Tarvex may log in.</source>
        <translation>%1 に接続しました。フォルダーが存在し、Tarvex でログインできます。</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password or key is wrong, or the key is not allowed there.</source>
        <translation>%1 が %2 のログインを拒否しました: パスワードまたは鍵が正しくないか、その鍵はこのサーバーで許可されていません。</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so the server may not be the one it claims to be; nothing was sent. If the site&apos;s certificate comes from an authority of its own, name that authority&apos;s certificate as the CA file.</source>
        <translation>%1 の証明書を検証できませんでした (%2)。サーバーが本物でない可能性があるため、何も送信していません。サイトの証明書が独自の認証局から発行されている場合は、その認証局の証明書を CA ファイルとして指定してください。</translation>
    </message>
    <message>
        <source>Could not connect to %1 (%2).</source>
        <translation>%1 に接続できませんでした (%2)。</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>サーバーのディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>The server denied access (%1).</source>
        <translation>サーバーがアクセスを拒否しました (%1)。</translation>
    </message>
    <message>
        <source>The connection to %1 failed (%2).</source>
        <translation>%1 への接続に失敗しました (%2)。</translation>
    </message>
    <message>
        <source>The server in %1 is not a host name or address.</source>
        <translation>%1 のサーバーがホスト名でもアドレスでもありません。</translation>
    </message>
    <message>
        <source>The port in %1 is not a number from 1 to 65535.</source>
        <translation>%1 のポートが 1 から 65535 までの数値ではありません。</translation>
    </message>
    <message>
        <source>The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server.</source>
        <translation>アドレス %1 にプロトコルが指定されていません。サーバー名の前に sftp://、ftps://、davs:// のいずれかを付けてください。</translation>
    </message>
    <message>
        <source>Plain ftp:// sends the password and the files unencrypted, readable by anyone on the way; use sftp:// or ftps:// (FTP with TLS) instead.</source>
        <translation>暗号化なしの ftp:// では、パスワードとファイルが暗号化されずに送信され、経路上の誰もが読み取れます。代わりに sftp:// または ftps:// (TLS を使う FTP) を使用してください。</translation>
    </message>
    <message>
        <source>The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://.</source>
        <translation>プロトコル %1:// は Tarvex の公開には使用できません。sftp://、ftps://、davs:// のいずれかを使用してください。</translation>
    </message>
    <message>
        <source>The address %1 holds a query or fragment; name only the folder.</source>
        <translation>アドレス %1 にクエリまたはフラグメントが含まれています。フォルダーのみを指定してください。</translation>
    </message>
    <message>
        <source>The address %1 holds a password or an unusable user name; the password is never part of the address.</source>
        <translation>アドレス %1 にパスワードまたは使用できないユーザー名が含まれています。パスワードはアドレスに含めないでください。</translation>
    </message>
    <message>
        <source>Plain dav:// is unencrypted and allowed only on this computer or a private network; use davs:// (WebDAV over HTTPS) for %1.</source>
        <translation>暗号化なしの dav:// は、このコンピューター上かプライベートネットワーク内でのみ使用できます。%1 には davs:// (HTTPS 経由の WebDAV) を使用してください。</translation>
    </message>
    <message>
        <source>The folder in %1 is not usable: it may not contain &quot;..&quot;, control characters, quotes or back-slashes.</source>
        <translation>%1 のフォルダーは使用できません。フォルダーには「..」、制御文字、引用符、バックスラッシュを含めることはできません。</translation>
    </message>
    <message>
        <source>Plain dav:// sends the password and the files unencrypted; it is used only after you confirm that (in the command line with --allow-plain-dav). Prefer davs://.</source>
        <translation>暗号化なしの dav:// では、パスワードとファイルが暗号化されずに送信されます。確認した後でのみ使用されます (コマンドラインでは --allow-plain-dav を指定)。davs:// の使用をお勧めします。</translation>
    </message>
    <message>
        <source>Publishing to a site is not available in this build of Tarvex; publish to a folder and copy the files with a transfer program.</source>
        <translation>このビルドの Tarvex ではサイトへの公開を使用できません。フォルダーに公開し、転送ソフトでファイルをコピーしてください。</translation>
    </message>
    <message>
        <source>An SFTP publish needs a known-hosts file that holds the server&apos;s key.</source>
        <translation>SFTP で公開するには、サーバーの鍵を含む known-hosts ファイルが必要です。</translation>
    </message>
    <message>
        <source>A WebDAV address names a path from the server&apos;s root; ~ means nothing there.</source>
        <translation>WebDAV のアドレスはサーバーのルートからのパスを指定します。~ はそこでは意味を持ちません。</translation>
    </message>
    <message>
        <source>This protocol is not one Tarvex publishes by.</source>
        <translation>このプロトコルは Tarvex の公開には使用できません。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2.</source>
        <translation>フォルダー %1 は %2 上に存在しません。</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password is wrong.</source>
        <translation>%1 が %2 のログインを拒否しました: パスワードが正しくありません。</translation>
    </message>
    <message>
        <source>The server denied access (HTTP 403).</source>
        <translation>サーバーがアクセスを拒否しました (HTTP 403)。</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2, which WebDAV does not expect here.</source>
        <translation>%1 が HTTP %2 を返しました。これは WebDAV でここでは想定されていない応答です。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2, or %3 may not open it.</source>
        <translation>フォルダー %1 が %2 上に存在しないか、%3 にはそのフォルダーを開く権限がありません。</translation>
    </message>
    <message>
        <source>%1 did not say which folder the login starts in, so ~ cannot be found there; name the folder from the root (/...).</source>
        <translation>%1 がログイン時の開始フォルダーを通知しなかったため、~ の場所を特定できません。ルートからのフォルダー (/...) を指定してください。</translation>
    </message>
    <message>
        <source>The host key of %1 has changed (it is now %2), so the server may not be the one you published to before; nothing was sent. If the server&apos;s administrator confirms the new key, remove the old entry for %1 from %3.</source>
        <translation>%1 のホスト鍵が変更されました (現在は %2)。以前に公開したサーバーとは別のサーバーである可能性があるため、何も送信していません。サーバーの管理者が新しい鍵を確認した場合は、%3 から %1 の古いエントリを削除してください。</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check the fingerprint with the server&apos;s administrator, then add the key there (for example with ssh-keyscan) or name a known-hosts file that holds it.</source>
        <translation>%1 のホスト鍵 (%2) が %3 にありません。未知のサーバーは信頼されません。サーバーの管理者にフィンガープリントを確認したうえで、鍵をそこに追加するか (例: ssh-keyscan を使用)、鍵を含む known-hosts ファイルを指定してください。</translation>
    </message>
    <message>
        <source>Someone else changed %1 on the server since Tarvex last published there; nothing was sent. Publish with --force to replace them. The site is unchanged.</source>
        <translation>Tarvex で前回公開した後に、他の誰かがサーバー上の %1 を変更しました。何も送信していません。置き換えるには --force を付けて公開してください。サイトは変更されていません。</translation>
    </message>
    <message>
        <source>Sending %1 failed: %2</source>
        <translation>%1 を送信できませんでした: %2</translation>
    </message>
    <message>
        <source>Sending the publish manifest failed: %1</source>
        <translation>公開マニフェストを送信できませんでした: %1</translation>
    </message>
    <message>
        <source>%1 The site is unchanged. Its temporary files are removed where the server allowed it.</source>
        <translation>%1サイトは変更されていません。一時ファイルは、サーバーが許可した範囲で削除しました。</translation>
    </message>
    <message>
        <source>Publishing was cancelled before any file was replaced.</source>
        <translation>ファイルが置き換えられる前に公開を取り消しました。</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 The site is unchanged.</source>
        <translation>%1 を配置できませんでした: %2サイトは変更されていません。</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 Already replaced: %3. The site may be partly updated; publish again to complete it.</source>
        <translation>%1 を配置できませんでした: %2置き換え済み: %3。サイトが部分的に更新されている可能性があります。もう一度公開して更新を完了してください。</translation>
    </message>
    <message>
        <source>%1 The site is unchanged.</source>
        <translation>%1サイトは変更されていません。</translation>
    </message>
    <message>
        <source>The site is up to date; nothing was sent.</source>
        <translation>サイトは最新の状態です。何も送信していません。</translation>
    </message>
    <message>
        <source>The server&apos;s key cannot be written to a known-hosts file.</source>
        <translation>サーバーの鍵を known-hosts ファイルに書き込めません。</translation>
    </message>
    <message>
        <source>There is no folder for the known-hosts file of Tarvex (HOME is not set).</source>
        <translation>Tarvex の known-hosts ファイルを置くフォルダーがありません (HOME が設定されていません)。</translation>
    </message>
    <message>
        <source>The known-hosts file %1 could not be read, so no key was added to it.</source>
        <translation>known-hosts ファイル %1 を読み込めなかったため、鍵を追加していません。</translation>
    </message>
    <message>
        <source>The server&apos;s key could not be kept in %1.%2</source>
        <translation>サーバーの鍵を %1 に保存できませんでした。%2</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Not all files were published to the folder %1.</source>
        <translation>一部のファイルをフォルダー %1 に公開できませんでした。</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>書き込んだファイル: %1。</translation>
    </message>
    <message>
        <source>Kept as they were, as you chose: %1.</source>
        <translation>選択どおりそのまま残したファイル: %1。</translation>
    </message>
</context>
<context>
    <name>PublishMenuDialog</name>
    <message>
        <source>Publish menu</source>
        <translation>メニューを公開</translation>
    </message>
    <message>
        <source>&amp;Classic files: one.js, main.js and the menu script
(three script lines, any page)</source>
        <translation>従来のファイル(&amp;C): one.js、main.js とメニュースクリプト
(スクリプト行は 3 行、どのページでも可)</translation>
    </message>
    <message>
        <source>Menu &amp;module: tarvex-menu.js and tarvex-menu.css
(a link and a module script in the page&apos;s head)</source>
        <translation>メニューモジュール(&amp;M): tarvex-menu.js と tarvex-menu.css
(ページの head にリンク 1 つとモジュールスクリプト 1 つ)</translation>
    </message>
    <message>
        <source>What will your pages load?</source>
        <translation>ページで読み込むのはどちらですか?</translation>
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
        <translation>メニューオプション</translation>
    </message>
    <message>
        <source>Remain Visible</source>
        <translation>表示の維持</translation>
    </message>
    <message>
        <source>Menu Left</source>
        <translation>メニューの左位置</translation>
    </message>
    <message>
        <source>Menu Top</source>
        <translation>メニューの上位置</translation>
    </message>
    <message>
        <source>Menu Width</source>
        <translation>メニューの幅</translation>
    </message>
    <message>
        <source>Menu Border</source>
        <translation>メニューの枠線</translation>
    </message>
    <message>
        <source>Screen Position</source>
        <translation>画面上の位置</translation>
    </message>
    <message>
        <source>Menu Style</source>
        <translation>メニュースタイル</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>テキストの配置</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Image position</source>
        <translation>画像の位置</translation>
    </message>
    <message>
        <source>Menu opening</source>
        <translation>メニューの開き方</translation>
    </message>
    <message>
        <source>Menu button caption</source>
        <translation>メニューボタンのキャプション</translation>
    </message>
    <message>
        <source>Navigation name</source>
        <translation>ナビゲーション名</translation>
    </message>
    <message>
        <source>Dark style</source>
        <translation>ダークスタイル</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>When no room</source>
        <translation>収まらない場合</translation>
    </message>
    <message>
        <source>More caption</source>
        <translation>その他グループのキャプション</translation>
    </message>
    <message>
        <source>Small screen width</source>
        <translation>小画面の幅</translation>
    </message>
    <message>
        <source>Small screen look</source>
        <translation>小画面での表示</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>キャプション</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>ターゲット</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Badge</source>
        <translation>バッジ</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>Mouse Off Font</source>
        <translation>通常時の文字色</translation>
    </message>
    <message>
        <source>Mouse Off Background</source>
        <translation>通常時の背景色</translation>
    </message>
    <message>
        <source>Mouse On Font</source>
        <translation>マウスオーバー時の文字色</translation>
    </message>
    <message>
        <source>Mouse On Background</source>
        <translation>マウスオーバー時の背景色</translation>
    </message>
    <message>
        <source>Menu Border Color</source>
        <translation>メニューの枠線の色</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>フォントスタイル</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>フォントの太さ</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>フォント名</translation>
    </message>
    <message>
        <source>Menu Item Padding</source>
        <translation>メニュー項目のパディング</translation>
    </message>
    <message>
        <source>Sub Menu Image</source>
        <translation>サブメニューの画像</translation>
    </message>
    <message>
        <source>3D Border &amp; Separator bar</source>
        <translation>3D 枠線 &amp; 区切り線</translation>
    </message>
    <message>
        <source>3D High Color</source>
        <translation>3D ハイライト色</translation>
    </message>
    <message>
        <source>3D Low Color</source>
        <translation>3D シャドウ色</translation>
    </message>
    <message>
        <source>Top Bar Image</source>
        <translation>トップバーの画像</translation>
    </message>
    <message>
        <source>Menu Header Font Color</source>
        <translation>メニュー見出しの文字色</translation>
    </message>
    <message>
        <source>Menu Header Background</source>
        <translation>メニュー見出しの背景色</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles</source>
        <translation>プロジェクトを生成できません。メニュースタイルがありません</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>メインメニューのオプション</translation>
    </message>
    <message>
        <source>Style name &quot;%1&quot; can not be used as a script variable; menu.js calls it %2</source>
        <translation>スタイル名「%1」はスクリプトの変数名として使えません。menu.js では %2 という名前になります</translation>
    </message>
    <message>
        <source>Menu name &quot;%1&quot; of &quot;%2&quot; object is already used; menu.js names this menu &quot;%3&quot;</source>
        <translation>オブジェクト「%2」のメニュー名「%1」は既に使われています。menu.js ではこのメニューの名前を「%3」にします</translation>
    </message>
    <message>
        <source>Image position &quot;%1&quot; in &quot;%2&quot; object is not left, right or center; none is used</source>
        <translation>オブジェクト「%2」の画像の位置「%1」が left、right、center のいずれでもないため、位置は指定されません</translation>
    </message>
    <message>
        <source>Address of &quot;%1&quot; object is a javascript: address; it runs script on your pages</source>
        <translation>オブジェクト「%1」のアドレスは javascript: アドレスです。ページ上でスクリプトが実行されます</translation>
    </message>
    <message>
        <source>An entry of &quot;%1&quot; object has no caption; it is drawn as an empty row</source>
        <translation>オブジェクト「%1」の項目にキャプションがありません。空の行として表示されます</translation>
    </message>
    <message>
        <source>Menu style in &quot;%1&quot; object not found. Used first found menu style</source>
        <translation>オブジェクト「%1」のメニュースタイルが見つかりません。最初に見つかったメニュースタイルを使用しました</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
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
        <translation>マウスクリック時</translation>
    </message>
    <message>
        <source>on mouse over</source>
        <translation>マウスオーバー時</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>パネル</translation>
    </message>
    <message>
        <source>Menu button</source>
        <translation>メニューボタン</translation>
    </message>
    <message>
        <source>More</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Wrap</source>
        <translation>折り返し</translation>
    </message>
    <message>
        <source>Drawer</source>
        <translation>ドロワー</translation>
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
        <translation>Korvane Tarvex を使えば、スクリプトを 1 行も手書きせずに Web ページ用のドロップダウンメニューをデザインできます。メニューツリーを作り、スタイルを選び、プレビューで確かめて公開するだけです。

ご意見をお待ちしています。ご質問、アイデア、不具合の報告など、何でもお寄せください。

Web: https://www.korvane.example
フィードバック: https://www.korvane.example/feedback.php
メール: support@korvane.example
営業窓口: sales@korvane.example

Copyright (c) Korvane. All rights reserved.</translation>
    </message>
    <message>
        <source>About Korvane Product</source>
        <translation>Korvane Product について</translation>
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
        <translation>フォルダー %1 が見つかりません。このフォルダーがないと、メニューエンジンもプレビューページもヘルプも使えません。Korvane Tarvex をインストールし直してください。</translation>
    </message>
</context>
<context>
    <name>tarvex::TCommandBarLayout</name>
    <message>
        <source>Unable to save settings</source>
        <translation>設定を保存できません</translation>
    </message>
</context>
<context>
    <name>tarvex::TCustomizeDialog</name>
    <message>
        <source>Customize</source>
        <translation>カスタマイズ</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Toolbars:</source>
        <translation>ツールバー:</translation>
    </message>
    <message>
        <source>To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.</source>
        <translation>ツールバーやメニューにコマンドを追加するには、コマンドをツールバーまたはメニューのタイトルにドラッグします。</translation>
    </message>
    <message>
        <source>Show tips on toolbars</source>
        <translation>ツールバーにヒントを表示</translation>
    </message>
    <message>
        <source>Show shortcut keys in tips</source>
        <translation>ヒントにショートカットキーを表示</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>大きいアイコン</translation>
    </message>
</context>
<context>
    <name>tarvex::TFindField</name>
    <message>
        <source>Find captions, addresses or style names</source>
        <translation>キャプション、アドレス、スタイル名を検索</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
</context>
<context>
    <name>tarvex::TFoldersScanResultForm</name>
    <message>
        <source>Select Favorities Folder</source>
        <translation>お気に入りフォルダーの選択</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tarvex::TImportReviewForm</name>
    <message>
        <source>Navigation to import</source>
        <translation>インポートするナビゲーション</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>キャプション</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Entries to import; clear a check box to leave a branch out</source>
        <translation>インポートするエントリ。チェックボックスをオフにすると、その枝を除外します</translation>
    </message>
    <message>
        <source>%1 of %2 entries will be added.</source>
        <translation>%2 件中 %1 件のエントリを追加します。</translation>
    </message>
</context>
<context>
    <name>tarvex::TMainUserInterface</name>
    <message>
        <source>Checks: %1</source>
        <translation>チェック: %1 件</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>ファイルの上書きの確認</translation>
    </message>
    <message>
        <source>This folder already contains a file named &quot;%1&quot;.

Would you like to replace the existing file?</source>
        <translation>このフォルダーには既に「%1」という名前のファイルがあります。

既存のファイルを置き換えますか?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewStage</name>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation>タブレット (768 px)</translation>
    </message>
    <message>
        <source>Phone (375 px)</source>
        <translation>スマートフォン (375 px)</translation>
    </message>
    <message>
        <source>Preview screen size</source>
        <translation>プレビューの画面サイズ</translation>
    </message>
    <message>
        <source>&amp;Screen:</source>
        <translation>画面(&amp;S):</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewWebPage</name>
    <message>
        <source>Blocked: the page itself tried to open %1.</source>
        <translation>ブロックしました: ページ自体が %1 を開こうとしました。</translation>
    </message>
    <message>
        <source>Not opened: %1 is no web address, page, document or picture of the site.</source>
        <translation>開きませんでした: %1 は Web アドレスではなく、サイトのページ、文書、画像でもありません。</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridDelegate</name>
    <message>
        <source>An icon of the set, or the name of an .svg file beside the project</source>
        <translation>アイコンセットのアイコン、またはプロジェクトと同じフォルダーにある .svg ファイルの名前</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>色の選択</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridModel</name>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishTargetForm</name>
    <message>
        <source>My site</source>
        <translation>マイサイト</translation>
    </message>
    <message>
        <source>When the address names none</source>
        <translation>アドレスにユーザー名が含まれない場合に使用</translation>
    </message>
    <message>
        <source>SFTP: empty uses the SSH agent or the password</source>
        <translation>SFTP: 空欄の場合は SSH エージェントまたはパスワードを使用</translation>
    </message>
    <message>
        <source>Only for a company&apos;s own authority</source>
        <translation>社内独自の認証局を使う場合のみ</translation>
    </message>
    <message>
        <source>Menu script and engine (three files)</source>
        <translation>メニュースクリプトとエンジン (3 ファイル)</translation>
    </message>
    <message>
        <source>Module (tarvex-menu.js and tarvex-menu.css)</source>
        <translation>モジュール (tarvex-menu.js と tarvex-menu.css)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>アドレス(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>ユーザー(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>ファイル(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Key file:</source>
        <translation>鍵ファイル(&amp;K):</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>秘密鍵</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>C&amp;A file:</source>
        <translation>CA ファイル(&amp;C):</translation>
    </message>
    <message>
        <source>Certificate authority</source>
        <translation>認証局</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>証明書 (*.pem *.crt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Site add&amp;ress:</source>
        <translation>サイトのアドレス(&amp;R):</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishToSiteDialog</name>
    <message>
        <source>(no name)</source>
        <translation>(名前なし)</translation>
    </message>
    <message>
        <source>Re&amp;member in the desktop&apos;s key store</source>
        <translation>デスクトップのキーストアに保存(&amp;M)</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>追加(&amp;D)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>削除(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>接続テスト(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Show changes</source>
        <translation>変更点を表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>公開(&amp;P)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Publish to site</source>
        <translation>サイトに公開</translation>
    </message>
    <message>
        <source>Asked of the key store when empty</source>
        <translation>空欄の場合はキーストアから取得</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>処理内容</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Files on the site</source>
        <translation>サイト上のファイル</translation>
    </message>
    <message>
        <source>Progress in total</source>
        <translation>全体の進行状況</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>パスワード(&amp;W):</translation>
    </message>
    <message>
        <source>This project names no server yet: Add one, with the address of the folder the menu&apos;s files go to.</source>
        <translation>このプロジェクトにはまだサーバーが指定されていません。[追加] をクリックして、メニューのファイルを送るフォルダーのアドレスを指定してください。</translation>
    </message>
    <message>
        <source>Ser&amp;vers:</source>
        <translation>サーバー(&amp;V):</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Enter the address of the folder on the server, such as sftp://user@example.com/var/www/menu.</source>
        <translation>サーバー上のフォルダーのアドレスを入力してください (例: sftp://user@example.com/var/www/menu)。</translation>
    </message>
    <message>
        <source>add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>replace (changed on the site by someone else)</source>
        <translation>置き換え (他の人がサイト上で変更済み)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>そのまま</translation>
    </message>
    <message>
        <source>The site holds these files already: nothing to send.</source>
        <translation>サイトには既にこれらのファイルがあります。送信するものはありません。</translation>
    </message>
    <message>
        <source>Publish sends %1 of the %2 files (%3); the others are on the site already.</source>
        <translation>公開すると、%2 個のファイルのうち %1 個 (%3) を送信します。残りは既にサイト上にあります。</translation>
    </message>
    <message>
        <source>%1 is a plain dav:// address: the password and the files travel unencrypted, and anyone on the network between can read or change them. Send to it anyway?</source>
        <translation>%1 は暗号化されていない dav:// アドレスです。パスワードとファイルは暗号化されずに送信されるため、途中のネットワーク上の誰もが読み取ったり改ざんしたりできます。それでも送信しますか?</translation>
    </message>
    <message>
        <source>Tarvex has not connected to %1 before. The server identifies itself with the %2 key

%3

Compare this fingerprint with the one your hosting provider gives. Trust this server from now on?</source>
        <translation>Tarvex はこれまで %1 に接続したことがありません。サーバーは次の %2 鍵で自身を証明しています:

%3

このフィンガープリントを、ご利用のホスティング事業者が示すものと照合してください。今後このサーバーを信頼しますか?</translation>
    </message>
    <message>
        <source>The server&apos;s key was not trusted; nothing was sent.</source>
        <translation>サーバーの鍵が信頼されなかったため、何も送信していません。</translation>
    </message>
    <message>
        <source>The desktop&apos;s key store is not available (%1): the password serves only while this dialog is open.</source>
        <translation>デスクトップのキーストアを使用できません (%1)。パスワードはこのダイアログを開いている間だけ有効です。</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>接続しています…</translation>
    </message>
    <message>
        <source>Comparing with the site…</source>
        <translation>サイトと比較しています…</translation>
    </message>
    <message>
        <source>Someone else changed files on the site since Tarvex last published them (marked in the list). Replace them with this project&apos;s files?</source>
        <translation>Tarvex で前回公開した後に、他の誰かがサイト上のファイルを変更しました (一覧で印が付いています)。このプロジェクトのファイルで置き換えますか?</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>公開しています…</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published to %1:&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;p&gt;%1 に公開しました:&lt;/p&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Open the live page</source>
        <translation>公開中のページを開く</translation>
    </message>
</context>
<context>
    <name>tarvex::TScriptWarningsForm</name>
    <message>
        <source>Checks</source>
        <translation>チェック</translation>
    </message>
    <message>
        <source>What visitors of the published menu would meet. Double-click one to go to it:</source>
        <translation>公開したメニューで訪問者が遭遇する問題です。ダブルクリックすると該当箇所に移動します:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
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
        <translation>スタイルテンプレート</translation>
    </message>
    <message>
        <source>Favorites styles</source>
        <translation>お気に入りのスタイル</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Show at start-up</source>
        <translation>起動時に表示</translation>
    </message>
</context>
<context>
    <name>tarvex::TTarvexForm</name>
    <message>
        <source>Menu creator</source>
        <translation>メニュー作成</translation>
    </message>
    <message>
        <source>Menu styles</source>
        <translation>メニュースタイル</translation>
    </message>
    <message>
        <source>Show what visitors of the published menu would meet</source>
        <translation>公開したメニューで訪問者が遭遇する問題を表示</translation>
    </message>
    <message>
        <source>Design pages</source>
        <translation>デザインページ</translation>
    </message>
    <message>
        <source>Menu objects</source>
        <translation>メニューオブジェクト</translation>
    </message>
    <message>
        <source>Menu options</source>
        <translation>メニューオプション</translation>
    </message>
    <message>
        <source>Menu item properties</source>
        <translation>メニュー項目のプロパティ</translation>
    </message>
    <message>
        <source>Style properties</source>
        <translation>スタイルのプロパティ</translation>
    </message>
    <message>
        <source>Preview and help pages</source>
        <translation>プレビューとヘルプのページ</translation>
    </message>
    <message>
        <source>File toolbar</source>
        <translation>ファイルツールバー</translation>
    </message>
    <message>
        <source>Commands toolbar</source>
        <translation>コマンドツールバー</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Design and preview divider</source>
        <translation>デザインとプレビューの境界線</translation>
    </message>
    <message>
        <source>Objects and properties divider</source>
        <translation>オブジェクトとプロパティの境界線</translation>
    </message>
    <message>
        <source>Styles and properties divider</source>
        <translation>スタイルとプロパティの境界線</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Quick help</source>
        <translation>クイックヘルプ</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>メニューのプレビュー</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used; the file has been kept as %1.</source>
        <translation>Tarvex.dat を読み込めなかったため、組み込みのメニューとツールバーを使用します。このファイルは %1 として残してあります。</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used.</source>
        <translation>Tarvex.dat を読み込めなかったため、組み込みのメニューとツールバーを使用します。</translation>
    </message>
</context>
</TS>
