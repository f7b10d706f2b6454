<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Options</name>
    <message>
        <source>コップに水滴が付くのは？ 冷たい水を入れたコップの外側に水滴が付くわけを確かめます。</source>
        <translation>Why do droplets form on a cup? Find out why water droplets form on the outside of a cup of cold water.</translation>
    </message>
    <message>
        <source>ウィンドウを PERCENT %（%1〜%2）の大きさで表示します。</source>
        <translation>Shows the windows at PERCENT % of their size (%1 to %2).</translation>
    </message>
    <message>
        <source>全画面で始めます（プロジェクター用）。</source>
        <translation>Starts in full screen (for a projector).</translation>
    </message>
    <message>
        <source>CODE の言語で表示します（%1）。</source>
        <translation>Shows the lesson in the language CODE (%1).</translation>
    </message>
    <message>
        <source>（--zoom は %1〜%2 の整数。使い方は --help で表示します）</source>
        <translation> (--zoom takes a whole number from %1 to %2; --help shows how to use the program)</translation>
    </message>
    <message>
        <source>余分な引数 &apos;%1&apos; があります</source>
        <translation>There is an extra argument '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 &apos;%1&apos; は使えません</source>
        <translation>The --zoom value '%1' cannot be used</translation>
    </message>
    <message>
        <source>--lang の値 &apos;%1&apos; は使えません（%2）</source>
        <translation>The --lang value '%1' cannot be used (%2)</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message>
        <source>コップに冷水を入れます。</source>
        <translation>We pour cold water into a cup.</translation>
    </message>
    <message>
        <source>やがて</source>
        <translation>After a while,</translation>
    </message>
    <message>
        <source>コップの表面が曇りだし、</source>
        <translation>the outside of the cup clouds over,</translation>
    </message>
    <message>
        <source>やがて水滴がついてきます。</source>
        <translation>and soon droplets form on it.</translation>
    </message>
    <message>
        <source>コップについた水滴はどこからきたのでしょう。</source>
        <translation>Where did the droplets on the cup come from?</translation>
    </message>
    <message>
        <source>どのようにして水滴がついたのでしょう。</source>
        <translation>How did they get there?</translation>
    </message>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Droplets on a cup: why?</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Picture of the cup</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
</TS>
