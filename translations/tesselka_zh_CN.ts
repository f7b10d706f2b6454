<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Descriptions</name>
    <message>
        <source>コップの表面には何も付いていません。</source>
        <translation>杯子表面什么也没有。</translation>
    </message>
    <message>
        <source>コップの表面がうっすらと曇ってきました。</source>
        <translation>杯子表面开始有点模糊了。</translation>
    </message>
    <message>
        <source>コップの表面が曇っています。</source>
        <translation>杯子表面模糊了。</translation>
    </message>
    <message>
        <source>コップの表面に水滴が付いています。</source>
        <translation>杯子表面有小水珠。</translation>
    </message>
    <message>
        <source>コップの表面に大きな水滴がたくさん付いています。</source>
        <translation>杯子表面有许多大水珠。</translation>
    </message>
    <message>
        <source>コップの表面の水滴が流れ落ちています。</source>
        <translation>杯子表面的水珠正在往下流。</translation>
    </message>
    <message>
        <source>気温</source>
        <translation>气温</translation>
    </message>
    <message>
        <source>湿度</source>
        <translation>湿度</translation>
    </message>
    <message>
        <source>最初のコップの水温</source>
        <translation>杯中水的初始温度</translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>显示图表说明</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>模拟速度</translation>
    </message>
    <message>
        <source>飽和水蒸気量のグラフ</source>
        <translation>饱和水蒸气量图</translation>
    </message>
    <message>
        <source>温度計</source>
        <translation>温度计</translation>
    </message>
    <message>
        <source>1m³の空気のようす</source>
        <translation>1 m³ 空气的情况</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>杯子的图片</translation>
    </message>
    <message>
        <source>現在のコップの水温 %1℃</source>
        <translation>杯中水现在的温度 %1℃</translation>
    </message>
    <message>
        <source>水温 %1℃。1m³の空気に入ることができる水蒸気量 %2 g、空気中にある現在の水蒸気量 %3 g、入りきらずに水になった量 %4 g。</source>
        <translation>水温 %1℃。1 m³ 空气中能容纳的水蒸气量 %2 g，空气中现有的水蒸气量 %3 g，容纳不下而变成水的量 %4 g。</translation>
    </message>
    <message>
        <source>1m³の空気の中に、水蒸気 %1 g、まだ入る水蒸気 %2 g、水滴 %3 g。丸 1 つが 1 g です。</source>
        <translation>1 m³ 空气中：水蒸气 %1 g，还能容纳的水蒸气 %2 g，小水珠 %3 g。一个圆圈是 1 g。</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>オーバーフローしました。</source>
        <translation>溢出。</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>下标超出范围。</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>类型不匹配。</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>找不到文件。</translation>
    </message>
    <message>
        <source>コントロール配列の要素が存在しません。</source>
        <translation>控件数组元素不存在。</translation>
    </message>
    <message>
        <source>ピクチャが無効です。</source>
        <translation>图片无效。</translation>
    </message>
    <message>
        <source>内部エラーです。</source>
        <translation>内部错误。</translation>
    </message>
    <message>
        <source>実行時エラー '%1':

%2</source>
        <translation>运行时错误“%1”：

%2</translation>
    </message>
</context>
<context>
    <name>InputCheck</name>
    <message>
        <source>気温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>请输入 -10 到 40 之间的数作为气温（单位 ℃）。</translation>
    </message>
    <message>
        <source>湿度は 0 から 100 までの数で入力してください（単位 ％）。</source>
        <translation>请输入 0 到 100 之间的数作为湿度（单位 ％）。</translation>
    </message>
    <message>
        <source>最初のコップの水温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>请输入 -10 到 40 之间的数作为杯中水的初始温度（单位 ℃）。</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>杯子上为什么有水珠？</translation>
    </message>
    <message>
        <source>コップの水温を下げる(開始)</source>
        <translation>降低杯中水温（开始）</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>はじめから</source>
        <translation>从头开始</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>模拟速度</translation>
    </message>
    <message>
        <source>遅</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>中</source>
        <translation>中</translation>
    </message>
    <message>
        <source>速</source>
        <translation>快</translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>显示图表说明</translation>
    </message>
    <message>
        <source>条件設定</source>
        <translation>条件设置</translation>
    </message>
    <message>
        <source>気温　　　　　℃</source>
        <translation>气温　　　　　℃</translation>
    </message>
    <message>
        <source>湿度　　　　　％</source>
        <translation>湿度　　　　　％</translation>
    </message>
    <message>
        <source>最初のコップの水温　　　　　℃</source>
        <translation>杯中水的初始温度　　　　　℃</translation>
    </message>
    <message>
        <source>空気1m3中に入りきらない水蒸気が水になった量</source>
        <translation>1m3 空气中容纳不下而变成水的水蒸气量</translation>
    </message>
    <message>
        <source>空気1m3中にある現在の水蒸気量</source>
        <translation>1m3 空气中现有的水蒸气量</translation>
    </message>
    <message>
        <source>空気1m3に入ることができる水蒸気量</source>
        <translation>1m3 空气能容纳的水蒸气量</translation>
    </message>
    <message>
        <source>１ｍ中の水蒸気量(g)</source>
        <translation>1 m³ 中的水蒸气量(g)</translation>
    </message>
    <message>
        <source>温度 (℃)</source>
        <translation>温度 (℃)</translation>
    </message>
    <message>
        <source>現在のコップの水温　　　　℃</source>
        <translation>杯中水现在的温度　　　　℃</translation>
    </message>
    <message>
        <source>(＝コップのすぐ近くの空気の温度)</source>
        <translation>（＝紧贴杯子的空气的温度）</translation>
    </message>
    <message>
        <source>まだ入る水蒸気</source>
        <translation>还能容纳的水蒸气</translation>
    </message>
    <message>
        <source>水 蒸 気</source>
        <translation>水 蒸 气</translation>
    </message>
    <message>
        <source>水    滴</source>
        <translation>小 水 珠</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the cube of the caption's ｍ; a blank where the caption writes m³</comment>
        <translation> </translation>
    </message>
    <message>
        <source>Tesselka(コップに水滴が付くのは？)</source>
        <translation>Tesselka（杯子上为什么有水珠？）</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>言語 (Language)</source>
        <translation>语言 (Language)</translation>
    </message>
    <message>
        <source>F1 キーで、今の水温、水蒸気量、空気とコップのようすを読み上げます。F2 キーで言語 (Language) を選べます。</source>
        <translation>按 F1 键，朗读现在的水温、水蒸气量以及空气和杯子的情况。按 F2 键选择语言 (Language)。</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>%1。水滴がつき始めました。水になった量 %2 g</source>
        <translation>%1。开始出现小水珠。变成水的量 %2 g</translation>
    </message>
    <message>
        <source>停止しました。水温 %1</source>
        <translation>已停止。水温 %1</translation>
    </message>
    <message>
        <source>はじめからやり直します。水温 %1</source>
        <translation>从头重新开始。水温 %1</translation>
    </message>
    <message>
        <source>終わりました。水温を %1 にもどしました。</source>
        <translation>结束了。水温已恢复为 %1。</translation>
    </message>
</context>
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
        <source>余分な引数 '%1' があります</source>
        <translation>有多余的参数“%1”</translation>
    </message>
    <message>
        <source>--zoom の値 '%1' は使えません</source>
        <translation>--zoom 的值“%1”不可用</translation>
    </message>
    <message>
        <source>--lang の値 '%1' は使えません（%2）</source>
        <translation>--lang 的值“%1”不可用（%2）</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>%1（見つかりません）</source>
        <translation>%1（找不到）</translation>
    </message>
    <message>
        <source>%1（絵として読めません: %2）</source>
        <translation>%1（无法作为图片读取：%2）</translation>
    </message>
    <message>
        <source>コップの絵のファイルがそろっていないため、起動できません。

</source>
        <translation>杯子的图片文件不齐全，无法启动。

</translation>
    </message>
    <message>
        <source>

探した場所:
</source>
        <translation>

查找的位置：
</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1。グラフィカルなデスクトップで起動してください。</source>
        <translation>%1。请在图形桌面上启动。</translation>
    </message>
    <message>
        <source>画面が見つかりません</source>
        <translation>找不到屏幕</translation>
    </message>
    <message>
        <source>画面を開けません</source>
        <translation>无法打开屏幕</translation>
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
    <message>
        <source>言語 (Language)</source>
        <translation>语言 (Language)</translation>
    </message>
</context>
</TS>
