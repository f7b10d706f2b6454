<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil">
<context>
    <name>Options</name>
    <message>
        <source>コップに水滴が付くのは？ 冷たい水を入れたコップの外側に水滴が付くわけを確かめます。</source>
        <translation>Bakit may mga patak ng tubig sa baso? Alamin kung bakit may mga patak ng tubig sa labas ng basong may malamig na tubig.</translation>
    </message>
    <message>
        <source>ウィンドウを PERCENT %（%1〜%2）の大きさで表示します。</source>
        <translation>Ipinapakita ang mga window sa PERCENT % ng laki nito (%1 hanggang %2).</translation>
    </message>
    <message>
        <source>全画面で始めます（プロジェクター用）。</source>
        <translation>Magsisimula sa full screen (para sa projector).</translation>
    </message>
    <message>
        <source>CODE の言語で表示します（%1）。</source>
        <translation>Ipinapakita ang aralin sa wikang CODE (%1).</translation>
    </message>
    <message>
        <source>（--zoom は %1〜%2 の整数。使い方は --help で表示します）</source>
        <translation> (buong numero mula %1 hanggang %2 ang --zoom; ipinapakita ng --help kung paano gamitin)</translation>
    </message>
    <message>
        <source>余分な引数 &apos;%1&apos; があります</source>
        <translation>May sobrang argumento: '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 &apos;%1&apos; は使えません</source>
        <translation>Hindi magagamit ang halagang '%1' ng --zoom</translation>
    </message>
    <message>
        <source>--lang の値 &apos;%1&apos; は使えません（%2）</source>
        <translation>Hindi magagamit ang halagang '%1' ng --lang (%2)</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message>
        <source>コップに冷水を入れます。</source>
        <translation>Naglalagay tayo ng malamig na tubig sa baso.</translation>
    </message>
    <message>
        <source>やがて</source>
        <translation>Makalipas ang ilang sandali,</translation>
    </message>
    <message>
        <source>コップの表面が曇りだし、</source>
        <translation>lumalabo ang labas ng baso,</translation>
    </message>
    <message>
        <source>やがて水滴がついてきます。</source>
        <translation>at hindi nagtagal, may mga patak ng tubig na.</translation>
    </message>
    <message>
        <source>コップについた水滴はどこからきたのでしょう。</source>
        <translation>Saan nanggaling ang mga patak ng tubig sa baso?</translation>
    </message>
    <message>
        <source>どのようにして水滴がついたのでしょう。</source>
        <translation>Paano nabuo ang mga ito?</translation>
    </message>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Bakit may patak sa baso?</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Larawan ng baso</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Susunod</translation>
    </message>
</context>
</TS>
