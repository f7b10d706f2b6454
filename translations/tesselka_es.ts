<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Options</name>
    <message>
        <source>コップに水滴が付くのは？ 冷たい水を入れたコップの外側に水滴が付くわけを確かめます。</source>
        <translation>¿Por qué se forman gotas en el vaso? Descubre por qué se forman gotas de agua por fuera de un vaso con agua fría.</translation>
    </message>
    <message>
        <source>ウィンドウを PERCENT %（%1〜%2）の大きさで表示します。</source>
        <translation>Muestra las ventanas al PERCENT % de su tamaño (de %1 a %2).</translation>
    </message>
    <message>
        <source>全画面で始めます（プロジェクター用）。</source>
        <translation>Empieza en pantalla completa (para proyector).</translation>
    </message>
    <message>
        <source>CODE の言語で表示します（%1）。</source>
        <translation>Muestra la lección en el idioma CODE (%1).</translation>
    </message>
    <message>
        <source>（--zoom は %1〜%2 の整数。使い方は --help で表示します）</source>
        <translation> (--zoom admite un número entero de %1 a %2; --help muestra cómo usar el programa)</translation>
    </message>
    <message>
        <source>余分な引数 &apos;%1&apos; があります</source>
        <translation>Sobra el argumento '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 &apos;%1&apos; は使えません</source>
        <translation>No se puede usar el valor '%1' de --zoom</translation>
    </message>
    <message>
        <source>--lang の値 &apos;%1&apos; は使えません（%2）</source>
        <translation>No se puede usar el valor '%1' de --lang (%2)</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message>
        <source>コップに冷水を入れます。</source>
        <translation>Echamos agua fría en un vaso.</translation>
    </message>
    <message>
        <source>やがて</source>
        <translation>Al cabo de un rato,</translation>
    </message>
    <message>
        <source>コップの表面が曇りだし、</source>
        <translation>la superficie del vaso se empaña</translation>
    </message>
    <message>
        <source>やがて水滴がついてきます。</source>
        <translation>y pronto aparecen gotas de agua.</translation>
    </message>
    <message>
        <source>コップについた水滴はどこからきたのでしょう。</source>
        <translation>¿De dónde vienen las gotas de agua del vaso?</translation>
    </message>
    <message>
        <source>どのようにして水滴がついたのでしょう。</source>
        <translation>¿Cómo se formaron?</translation>
    </message>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Gotas en el vaso: ¿por qué?</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Imagen del vaso</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Siguiente</translation>
    </message>
</context>
</TS>
