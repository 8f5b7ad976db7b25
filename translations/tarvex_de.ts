<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Commands</name>
    <message>
        <source>Recent files...</source>
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
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
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
    <name>ToolBars</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands</source>
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
</TS>
