<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Options</name>
    <message>
        <source>コップに水滴が付くのは？ 冷たい水を入れたコップの外側に水滴が付くわけを確かめます。</source>
        <translation>杯子上为什么会有水珠？探究装有冷水的杯子外壁上为什么会出现小水珠。</translation>
    </message>
    <message>
        <source>ウィンドウを PERCENT %（%1〜%2）の大きさで表示します。</source>
        <translation>以 PERCENT %（%1～%2）的大小显示窗口。</translation>
    </message>
    <message>
        <source>全画面で始めます（プロジェクター用）。</source>
        <translation>以全屏开始（用于投影仪）。</translation>
    </message>
    <message>
        <source>CODE の言語で表示します（%1）。</source>
        <translation>以 CODE 语言显示（%1）。</translation>
    </message>
    <message>
        <source>（--zoom は %1〜%2 の整数。使い方は --help で表示します）</source>
        <translation>（--zoom 为 %1～%2 的整数。用 --help 查看用法）</translation>
    </message>
    <message>
        <source>余分な引数 &apos;%1&apos; があります</source>
        <translation>有多余的参数“%1”</translation>
    </message>
    <message>
        <source>--zoom の値 &apos;%1&apos; は使えません</source>
        <translation>--zoom 的值“%1”不可用</translation>
    </message>
    <message>
        <source>--lang の値 &apos;%1&apos; は使えません（%2）</source>
        <translation>--lang 的值“%1”不可用（%2）</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message>
        <source>コップに冷水を入れます。</source>
        <translation>往杯子里倒入冷水。</translation>
    </message>
    <message>
        <source>やがて</source>
        <translation>过了一会儿，</translation>
    </message>
    <message>
        <source>コップの表面が曇りだし、</source>
        <translation>杯子的表面变得模糊，</translation>
    </message>
    <message>
        <source>やがて水滴がついてきます。</source>
        <translation>不久就出现了小水珠。</translation>
    </message>
    <message>
        <source>コップについた水滴はどこからきたのでしょう。</source>
        <translation>杯子上的小水珠是从哪里来的呢？</translation>
    </message>
    <message>
        <source>どのようにして水滴がついたのでしょう。</source>
        <translation>小水珠是怎样形成的呢？</translation>
    </message>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>杯子上为什么有水珠？</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>杯子的图片</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>下一步</translation>
    </message>
</context>
</TS>
