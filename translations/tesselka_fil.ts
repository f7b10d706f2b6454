<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil">
<context>
    <name>Descriptions</name>
    <message>
        <source>コップの表面には何も付いていません。</source>
        <translation>Walang anumang nasa labas ng baso.</translation>
    </message>
    <message>
        <source>コップの表面がうっすらと曇ってきました。</source>
        <translation>Bahagyang lumalabo na ang labas ng baso.</translation>
    </message>
    <message>
        <source>コップの表面が曇っています。</source>
        <translation>Malabo na ang labas ng baso.</translation>
    </message>
    <message>
        <source>コップの表面に水滴が付いています。</source>
        <translation>May mga patak ng tubig sa labas ng baso.</translation>
    </message>
    <message>
        <source>コップの表面に大きな水滴がたくさん付いています。</source>
        <translation>Maraming malalaking patak ng tubig sa labas ng baso.</translation>
    </message>
    <message>
        <source>コップの表面の水滴が流れ落ちています。</source>
        <translation>Umaagos pababa ang mga patak ng tubig sa labas ng baso.</translation>
    </message>
    <message>
        <source>気温</source>
        <translation>Temperatura ng hangin</translation>
    </message>
    <message>
        <source>湿度</source>
        <translation>Halumigmig</translation>
    </message>
    <message>
        <source>最初のコップの水温</source>
        <translation>Unang temperatura ng tubig sa baso</translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Ipakita ang paliwanag ng graph</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Bilis ng simulation</translation>
    </message>
    <message>
        <source>飽和水蒸気量のグラフ</source>
        <translation>Graph ng saturated na dami ng singaw ng tubig</translation>
    </message>
    <message>
        <source>温度計</source>
        <translation>Termometro</translation>
    </message>
    <message>
        <source>1m³の空気のようす</source>
        <translation>1 m³ ng hangin</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Larawan ng baso</translation>
    </message>
    <message>
        <source>現在のコップの水温 %1℃</source>
        <translation>Temperatura ng tubig sa baso ngayon %1℃</translation>
    </message>
    <message>
        <source>水温 %1℃。1m³の空気に入ることができる水蒸気量 %2 g、空気中にある現在の水蒸気量 %3 g、入りきらずに水になった量 %4 g。</source>
        <translation>Temperatura ng tubig %1℃. Singaw ng tubig na kaya ng 1 m³ ng hangin %2 g, singaw ng tubig sa hangin ngayon %3 g, naging tubig dahil hindi na kasya %4 g.</translation>
    </message>
    <message>
        <source>1m³の空気の中に、水蒸気 %1 g、まだ入る水蒸気 %2 g、水滴 %3 g。丸 1 つが 1 g です。</source>
        <translation>Sa 1 m³ ng hangin: singaw ng tubig %1 g, kasya pa ang singaw ng tubig %2 g, patak ng tubig %3 g. Ang isang bilog ay 1 g.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>オーバーフローしました。</source>
        <translation>Overflow.</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>Wala sa saklaw ang index.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>Hindi tugma ang uri.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>Hindi makita ang file.</translation>
    </message>
    <message>
        <source>コントロール配列の要素が存在しません。</source>
        <translation>Walang ganoong elemento sa control array.</translation>
    </message>
    <message>
        <source>ピクチャが無効です。</source>
        <translation>Hindi wastong larawan.</translation>
    </message>
    <message>
        <source>内部エラーです。</source>
        <translation>Internal error.</translation>
    </message>
    <message>
        <source>実行時エラー '%1':

%2</source>
        <translation>Run-time error '%1':

%2</translation>
    </message>
</context>
<context>
    <name>InputCheck</name>
    <message>
        <source>気温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Ilagay ang temperatura ng hangin bilang numero mula -10 hanggang 40 (sa ℃).</translation>
    </message>
    <message>
        <source>湿度は 0 から 100 までの数で入力してください（単位 ％）。</source>
        <translation>Ilagay ang halumigmig bilang numero mula 0 hanggang 100 (sa %).</translation>
    </message>
    <message>
        <source>最初のコップの水温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Ilagay ang unang temperatura ng tubig sa baso bilang numero mula -10 hanggang 40 (sa ℃).</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Bakit may patak sa baso?</translation>
    </message>
    <message>
        <source>コップの水温を下げる(開始)</source>
        <translation>Palamigin ang tubig (simula)</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Hinto</translation>
    </message>
    <message>
        <source>はじめから</source>
        <translation>Ulitin</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Tapos</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Bilis ng simulation</translation>
    </message>
    <message>
        <source>遅</source>
        <translation variants="yes">
            <lengthvariant>Mabagal</lengthvariant>
            <lengthvariant>½×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>中</source>
        <translation variants="yes">
            <lengthvariant>Katamtaman</lengthvariant>
            <lengthvariant>1×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>速</source>
        <translation variants="yes">
            <lengthvariant>Mabilis</lengthvariant>
            <lengthvariant>2×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Ipakita ang paliwanag ng graph</translation>
    </message>
    <message>
        <source>条件設定</source>
        <translation>Mga kondisyon</translation>
    </message>
    <message>
        <source>気温　　　　　℃</source>
        <translation variants="yes">
            <lengthvariant>Temp. ng hangin　　　　　℃</lengthvariant>
            <lengthvariant>Hangin　　　　　℃</lengthvariant>
        </translation>
    </message>
    <message>
        <source>湿度　　　　　％</source>
        <translation>Halumigmig　　　　　％</translation>
    </message>
    <message>
        <source>最初のコップの水温　　　　　℃</source>
        <translation>Unang temp. ng tubig　　　　　℃</translation>
    </message>
    <message>
        <source>空気1m3中に入りきらない水蒸気が水になった量</source>
        <translation>Singaw ng tubig na hindi na kasya sa 1 m3 ng hangin at naging tubig</translation>
    </message>
    <message>
        <source>空気1m3中にある現在の水蒸気量</source>
        <translation>Singaw ng tubig sa 1 m3 ng hangin ngayon</translation>
    </message>
    <message>
        <source>空気1m3に入ることができる水蒸気量</source>
        <translation>Singaw ng tubig na kaya ng 1 m3 ng hangin</translation>
    </message>
    <message>
        <source>１ｍ中の水蒸気量(g)</source>
        <translation>Singaw ng tubig sa 1 m³ (g)</translation>
    </message>
    <message>
        <source>温度 (℃)</source>
        <translation variants="yes">
            <lengthvariant>Temperatura (℃)</lengthvariant>
            <lengthvariant>Temp. (℃)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>現在のコップの水温　　　　℃</source>
        <translation>Temp. ng tubig ngayon　　　　℃</translation>
    </message>
    <message>
        <source>(＝コップのすぐ近くの空気の温度)</source>
        <translation>(= temperatura ng hanging katabi ng baso)</translation>
    </message>
    <message>
        <source>まだ入る水蒸気</source>
        <translation>Kasya pang singaw</translation>
    </message>
    <message>
        <source>水 蒸 気</source>
        <translation>Singaw ng tubig</translation>
    </message>
    <message>
        <source>水    滴</source>
        <translation>Patak ng tubig</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the cube of the caption's ｍ; a blank where the caption writes m³</comment>
        <translation> </translation>
    </message>
    <message>
        <source>Tesselka(コップに水滴が付くのは？)</source>
        <translation>Tesselka (Bakit may patak sa baso?)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>言語 (Language)</source>
        <translation>Wika (Language)</translation>
    </message>
    <message>
        <source>F1 キーで、今の水温、水蒸気量、空気とコップのようすを読み上げます。F2 キーで言語 (Language) を選べます。</source>
        <translation>Sa F1 key, babasahin nang malakas ang temperatura ng tubig, ang dami ng singaw ng tubig, at ang lagay ng hangin at ng baso ngayon. Sa F2 key, pipili ng wika (Language).</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>%1。水滴がつき始めました。水になった量 %2 g</source>
        <translation>%1. Nagsimula nang mabuo ang mga patak. Naging tubig: %2 g</translation>
    </message>
    <message>
        <source>停止しました。水温 %1</source>
        <translation>Huminto. Temperatura ng tubig %1</translation>
    </message>
    <message>
        <source>はじめからやり直します。水温 %1</source>
        <translation>Uulitin mula sa simula. Temperatura ng tubig %1</translation>
    </message>
    <message>
        <source>終わりました。水温を %1 にもどしました。</source>
        <translation>Tapos na. Ibinalik sa %1 ang temperatura ng tubig.</translation>
    </message>
</context>
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
        <source>余分な引数 '%1' があります</source>
        <translation>May sobrang argumento: '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 '%1' は使えません</source>
        <translation>Hindi magagamit ang halagang '%1' ng --zoom</translation>
    </message>
    <message>
        <source>--lang の値 '%1' は使えません（%2）</source>
        <translation>Hindi magagamit ang halagang '%1' ng --lang (%2)</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>%1（見つかりません）</source>
        <translation>%1 (hindi makita)</translation>
    </message>
    <message>
        <source>%1（絵として読めません: %2）</source>
        <translation>%1 (hindi mabasa bilang larawan: %2)</translation>
    </message>
    <message>
        <source>コップの絵のファイルがそろっていないため、起動できません。

</source>
        <translation>Hindi makapagsimula ang programa dahil kulang o sira ang ilang file ng larawan ng baso.

</translation>
    </message>
    <message>
        <source>

探した場所:
</source>
        <translation>

Hinanap sa:
</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1。グラフィカルなデスクトップで起動してください。</source>
        <translation>%1. Paki-start ito sa isang graphical desktop.</translation>
    </message>
    <message>
        <source>画面が見つかりません</source>
        <translation>Walang nakitang screen</translation>
    </message>
    <message>
        <source>画面を開けません</source>
        <translation>Hindi mabuksan ang screen</translation>
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
    <message>
        <source>言語 (Language)</source>
        <translation>Wika (Language)</translation>
    </message>
</context>
</TS>
