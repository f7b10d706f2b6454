<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Descriptions</name>
    <message>
        <source>コップの表面には何も付いていません。</source>
        <translation>Nothing is on the outside of the cup.</translation>
    </message>
    <message>
        <source>コップの表面がうっすらと曇ってきました。</source>
        <translation>The outside of the cup has begun to cloud over a little.</translation>
    </message>
    <message>
        <source>コップの表面が曇っています。</source>
        <translation>The outside of the cup is clouded over.</translation>
    </message>
    <message>
        <source>コップの表面に水滴が付いています。</source>
        <translation>There are water droplets on the outside of the cup.</translation>
    </message>
    <message>
        <source>コップの表面に大きな水滴がたくさん付いています。</source>
        <translation>There are many large water droplets on the outside of the cup.</translation>
    </message>
    <message>
        <source>コップの表面の水滴が流れ落ちています。</source>
        <translation>Water droplets are running down the outside of the cup.</translation>
    </message>
    <message>
        <source>気温</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>湿度</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>最初のコップの水温</source>
        <translation>Starting water temperature in the cup</translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Show the graph's labels</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Simulation speed</translation>
    </message>
    <message>
        <source>飽和水蒸気量のグラフ</source>
        <translation>Graph of the saturation vapor amount</translation>
    </message>
    <message>
        <source>温度計</source>
        <translation>Thermometer</translation>
    </message>
    <message>
        <source>1m³の空気のようす</source>
        <translation>1 m³ of air</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Picture of the cup</translation>
    </message>
    <message>
        <source>現在のコップの水温 %1℃</source>
        <translation>Water temperature in the cup now %1℃</translation>
    </message>
    <message>
        <source>水温 %1℃。1m³の空気に入ることができる水蒸気量 %2 g、空気中にある現在の水蒸気量 %3 g、入りきらずに水になった量 %4 g。</source>
        <translation>Water temperature %1℃. Water vapor 1 m³ of air can hold %2 g, water vapor in the air now %3 g, turned into water because it did not fit %4 g.</translation>
    </message>
    <message>
        <source>1m³の空気の中に、水蒸気 %1 g、まだ入る水蒸気 %2 g、水滴 %3 g。丸 1 つが 1 g です。</source>
        <translation>In 1 m³ of air: water vapor %1 g, room for more water vapor %2 g, water droplets %3 g. One circle is 1 g.</translation>
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
        <translation>Subscript out of range.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>Type mismatch.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <source>コントロール配列の要素が存在しません。</source>
        <translation>Control array element does not exist.</translation>
    </message>
    <message>
        <source>ピクチャが無効です。</source>
        <translation>Invalid picture.</translation>
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
        <translation>Enter the air temperature as a number from -10 to 40 (in ℃).</translation>
    </message>
    <message>
        <source>湿度は 0 から 100 までの数で入力してください（単位 ％）。</source>
        <translation>Enter the humidity as a number from 0 to 100 (in %).</translation>
    </message>
    <message>
        <source>最初のコップの水温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Enter the cup's starting water temperature as a number from -10 to 40 (in ℃).</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Droplets on a cup: why?</translation>
    </message>
    <message>
        <source>コップの水温を下げる(開始)</source>
        <translation>Cool the water (start)</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>はじめから</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Simulation speed</translation>
    </message>
    <message>
        <source>遅</source>
        <translation variants="yes">
            <lengthvariant>Slow</lengthvariant>
            <lengthvariant>½×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>中</source>
        <translation variants="yes">
            <lengthvariant>Medium</lengthvariant>
            <lengthvariant>1×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>速</source>
        <translation variants="yes">
            <lengthvariant>Fast</lengthvariant>
            <lengthvariant>2×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Show the graph's labels</translation>
    </message>
    <message>
        <source>条件設定</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>気温　　　　　℃</source>
        <translation>Air temp.　　　　　℃</translation>
    </message>
    <message>
        <source>湿度　　　　　％</source>
        <translation>Humidity　　　　　％</translation>
    </message>
    <message>
        <source>最初のコップの水温　　　　　℃</source>
        <translation>Starting water temp.　　　　　℃</translation>
    </message>
    <message>
        <source>空気1m3中に入りきらない水蒸気が水になった量</source>
        <translation>Water vapor that no longer fits in 1 m3 of air and turned into water</translation>
    </message>
    <message>
        <source>空気1m3中にある現在の水蒸気量</source>
        <translation>Water vapor in 1 m3 of air now</translation>
    </message>
    <message>
        <source>空気1m3に入ることができる水蒸気量</source>
        <translation>Water vapor 1 m3 of air can hold</translation>
    </message>
    <message>
        <source>１ｍ中の水蒸気量(g)</source>
        <translation>Water vapor in 1 m³ (g)</translation>
    </message>
    <message>
        <source>温度 (℃)</source>
        <translation variants="yes">
            <lengthvariant>Temperature (℃)</lengthvariant>
            <lengthvariant>Temp. (℃)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>現在のコップの水温　　　　℃</source>
        <translation>Water temp. now　　　　℃</translation>
    </message>
    <message>
        <source>(＝コップのすぐ近くの空気の温度)</source>
        <translation>(= temperature of the air right next to the cup)</translation>
    </message>
    <message>
        <source>まだ入る水蒸気</source>
        <translation>Room for vapor</translation>
    </message>
    <message>
        <source>水 蒸 気</source>
        <translation>Water vapor</translation>
    </message>
    <message>
        <source>水    滴</source>
        <translation>Droplets</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the cube of the caption's ｍ; a blank where the caption writes m³</comment>
        <translation> </translation>
    </message>
    <message>
        <source>Tesselka(コップに水滴が付くのは？)</source>
        <translation>Tesselka (Droplets on a cup: why?)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>言語 (Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>F1 キーで、今の水温、水蒸気量、空気とコップのようすを読み上げます。F2 キーで言語 (Language) を選べます。</source>
        <translation>The F1 key reads out the water temperature, the amounts of water vapor, and how the air and the cup look now. The F2 key picks the language.</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>%1。水滴がつき始めました。水になった量 %2 g</source>
        <translation>%1. Droplets have started to form. Turned into water: %2 g</translation>
    </message>
    <message>
        <source>停止しました。水温 %1</source>
        <translation>Stopped. Water temperature %1</translation>
    </message>
    <message>
        <source>はじめからやり直します。水温 %1</source>
        <translation>Starting again from the beginning. Water temperature %1</translation>
    </message>
    <message>
        <source>終わりました。水温を %1 にもどしました。</source>
        <translation>Finished. The water temperature is back at %1.</translation>
    </message>
</context>
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
        <source>余分な引数 '%1' があります</source>
        <translation>There is an extra argument '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 '%1' は使えません</source>
        <translation>The --zoom value '%1' cannot be used</translation>
    </message>
    <message>
        <source>--lang の値 '%1' は使えません（%2）</source>
        <translation>The --lang value '%1' cannot be used (%2)</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>%1（見つかりません）</source>
        <translation>%1 (not found)</translation>
    </message>
    <message>
        <source>%1（絵として読めません: %2）</source>
        <translation>%1 (cannot be read as a picture: %2)</translation>
    </message>
    <message>
        <source>コップの絵のファイルがそろっていないため、起動できません。

</source>
        <translation>The program cannot start because some of the cup's picture files are missing or damaged.

</translation>
    </message>
    <message>
        <source>

探した場所:
</source>
        <translation>

Looked in:
</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1。グラフィカルなデスクトップで起動してください。</source>
        <translation>%1. Please start it on a graphical desktop.</translation>
    </message>
    <message>
        <source>画面が見つかりません</source>
        <translation>No screen found</translation>
    </message>
    <message>
        <source>画面を開けません</source>
        <translation>The screen cannot be opened</translation>
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
    <message>
        <source>言語 (Language)</source>
        <translation>Language</translation>
    </message>
</context>
</TS>
