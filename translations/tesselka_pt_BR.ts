<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Options</name>
    <message>
        <source>コップに水滴が付くのは？ 冷たい水を入れたコップの外側に水滴が付くわけを確かめます。</source>
        <translation>Por que se formam gotas no copo? Descubra por que gotas de água se formam do lado de fora de um copo com água gelada.</translation>
    </message>
    <message>
        <source>ウィンドウを PERCENT %（%1〜%2）の大きさで表示します。</source>
        <translation>Mostra as janelas a PERCENT % do tamanho (de %1 a %2).</translation>
    </message>
    <message>
        <source>全画面で始めます（プロジェクター用）。</source>
        <translation>Começa em tela cheia (para projetor).</translation>
    </message>
    <message>
        <source>CODE の言語で表示します（%1）。</source>
        <translation>Mostra a aula no idioma CODE (%1).</translation>
    </message>
    <message>
        <source>（--zoom は %1〜%2 の整数。使い方は --help で表示します）</source>
        <translation> (--zoom aceita um número inteiro de %1 a %2; --help mostra como usar o programa)</translation>
    </message>
    <message>
        <source>余分な引数 &apos;%1&apos; があります</source>
        <translation>Há um argumento a mais: '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 &apos;%1&apos; は使えません</source>
        <translation>O valor '%1' de --zoom não pode ser usado</translation>
    </message>
    <message>
        <source>--lang の値 &apos;%1&apos; は使えません（%2）</source>
        <translation>O valor '%1' de --lang não pode ser usado (%2)</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message>
        <source>コップに冷水を入れます。</source>
        <translation>Colocamos água gelada num copo.</translation>
    </message>
    <message>
        <source>やがて</source>
        <translation>Depois de um tempo,</translation>
    </message>
    <message>
        <source>コップの表面が曇りだし、</source>
        <translation>a superfície do copo fica embaçada</translation>
    </message>
    <message>
        <source>やがて水滴がついてきます。</source>
        <translation>e logo aparecem gotas de água.</translation>
    </message>
    <message>
        <source>コップについた水滴はどこからきたのでしょう。</source>
        <translation>De onde vieram as gotas de água do copo?</translation>
    </message>
    <message>
        <source>どのようにして水滴がついたのでしょう。</source>
        <translation>Como elas se formaram?</translation>
    </message>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Gotas no copo: por quê?</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Imagem do copo</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Próximo</translation>
    </message>
</context>
</TS>
