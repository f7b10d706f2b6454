<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Descriptions</name>
    <message>
        <source>コップの表面には何も付いていません。</source>
        <translation>No hay nada en la superficie del vaso.</translation>
    </message>
    <message>
        <source>コップの表面がうっすらと曇ってきました。</source>
        <translation>La superficie del vaso empieza a empañarse un poco.</translation>
    </message>
    <message>
        <source>コップの表面が曇っています。</source>
        <translation>La superficie del vaso está empañada.</translation>
    </message>
    <message>
        <source>コップの表面に水滴が付いています。</source>
        <translation>Hay gotas de agua en la superficie del vaso.</translation>
    </message>
    <message>
        <source>コップの表面に大きな水滴がたくさん付いています。</source>
        <translation>Hay muchas gotas grandes de agua en la superficie del vaso.</translation>
    </message>
    <message>
        <source>コップの表面の水滴が流れ落ちています。</source>
        <translation>Las gotas de agua resbalan por la superficie del vaso.</translation>
    </message>
    <message>
        <source>気温</source>
        <translation>Temperatura del aire</translation>
    </message>
    <message>
        <source>湿度</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>最初のコップの水温</source>
        <translation>Temperatura inicial del agua del vaso</translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Mostrar las leyendas del gráfico</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Velocidad de la simulación</translation>
    </message>
    <message>
        <source>飽和水蒸気量のグラフ</source>
        <translation>Gráfico de la cantidad de vapor de saturación</translation>
    </message>
    <message>
        <source>温度計</source>
        <translation>Termómetro</translation>
    </message>
    <message>
        <source>1m³の空気のようす</source>
        <translation>1 m³ de aire</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Imagen del vaso</translation>
    </message>
    <message>
        <source>現在のコップの水温 %1℃</source>
        <translation>Temperatura actual del agua del vaso %1℃</translation>
    </message>
    <message>
        <source>水温 %1℃。1m³の空気に入ることができる水蒸気量 %2 g、空気中にある現在の水蒸気量 %3 g、入りきらずに水になった量 %4 g。</source>
        <translation>Temperatura del agua %1℃. Vapor de agua que cabe en 1 m³ de aire %2 g, vapor de agua en el aire ahora %3 g, convertido en agua por no caber %4 g.</translation>
    </message>
    <message>
        <source>1m³の空気の中に、水蒸気 %1 g、まだ入る水蒸気 %2 g、水滴 %3 g。丸 1 つが 1 g です。</source>
        <translation>En 1 m³ de aire: vapor de agua %1 g, aún cabe vapor de agua %2 g, gotas de agua %3 g. Cada círculo es 1 g.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>オーバーフローしました。</source>
        <translation>Desbordamiento.</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>Subíndice fuera del intervalo.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>No coinciden los tipos.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>No se encuentra el archivo.</translation>
    </message>
    <message>
        <source>コントロール配列の要素が存在しません。</source>
        <translation>El elemento de la matriz de controles no existe.</translation>
    </message>
    <message>
        <source>ピクチャが無効です。</source>
        <translation>Imagen no válida.</translation>
    </message>
    <message>
        <source>内部エラーです。</source>
        <translation>Error interno.</translation>
    </message>
    <message>
        <source>実行時エラー '%1':

%2</source>
        <translation>Error en tiempo de ejecución '%1':

%2</translation>
    </message>
</context>
<context>
    <name>InputCheck</name>
    <message>
        <source>気温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Escribe la temperatura del aire como un número de -10 a 40 (en ℃).</translation>
    </message>
    <message>
        <source>湿度は 0 から 100 までの数で入力してください（単位 ％）。</source>
        <translation>Escribe la humedad como un número de 0 a 100 (en %).</translation>
    </message>
    <message>
        <source>最初のコップの水温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Escribe la temperatura inicial del agua del vaso como un número de -10 a 40 (en ℃).</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Gotas en el vaso: ¿por qué?</translation>
    </message>
    <message>
        <source>コップの水温を下げる(開始)</source>
        <translation>Enfriar el agua (iniciar)</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>はじめから</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Velocidad de la simulación</translation>
    </message>
    <message>
        <source>遅</source>
        <translation variants="yes">
            <lengthvariant>Lento</lengthvariant>
            <lengthvariant>½×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>中</source>
        <translation variants="yes">
            <lengthvariant>Medio</lengthvariant>
            <lengthvariant>1×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>速</source>
        <translation variants="yes">
            <lengthvariant>Rápido</lengthvariant>
            <lengthvariant>2×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Mostrar las leyendas del gráfico</translation>
    </message>
    <message>
        <source>条件設定</source>
        <translation>Condiciones</translation>
    </message>
    <message>
        <source>気温　　　　　℃</source>
        <translation variants="yes">
            <lengthvariant>Temp. del aire　　　　　℃</lengthvariant>
            <lengthvariant>Aire　　　　　℃</lengthvariant>
        </translation>
    </message>
    <message>
        <source>湿度　　　　　％</source>
        <translation>Humedad　　　　　％</translation>
    </message>
    <message>
        <source>最初のコップの水温　　　　　℃</source>
        <translation>Temp. inicial del agua　　　　　℃</translation>
    </message>
    <message>
        <source>空気1m3中に入りきらない水蒸気が水になった量</source>
        <translation>Vapor de agua que ya no cabe en 1 m3 de aire y se volvió agua</translation>
    </message>
    <message>
        <source>空気1m3中にある現在の水蒸気量</source>
        <translation>Vapor de agua en 1 m3 de aire ahora</translation>
    </message>
    <message>
        <source>空気1m3に入ることができる水蒸気量</source>
        <translation>Vapor de agua que cabe en 1 m3 de aire</translation>
    </message>
    <message>
        <source>１ｍ中の水蒸気量(g)</source>
        <translation>Vapor de agua en 1 m³ (g)</translation>
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
        <translation>Temp. del agua ahora　　　　℃</translation>
    </message>
    <message>
        <source>(＝コップのすぐ近くの空気の温度)</source>
        <translation>(= temperatura del aire junto al vaso)</translation>
    </message>
    <message>
        <source>まだ入る水蒸気</source>
        <translation>Cabe más vapor</translation>
    </message>
    <message>
        <source>水 蒸 気</source>
        <translation>Vapor de agua</translation>
    </message>
    <message>
        <source>水    滴</source>
        <translation>Gotas de agua</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the cube of the caption's ｍ; a blank where the caption writes m³</comment>
        <translation> </translation>
    </message>
    <message>
        <source>Tesselka(コップに水滴が付くのは？)</source>
        <translation>Tesselka (Gotas en el vaso: ¿por qué?)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>言語 (Language)</source>
        <translation>Idioma (Language)</translation>
    </message>
    <message>
        <source>F1 キーで、今の水温、水蒸気量、空気とコップのようすを読み上げます。F2 キーで言語 (Language) を選べます。</source>
        <translation>La tecla F1 lee en voz alta la temperatura del agua, las cantidades de vapor de agua y cómo están el aire y el vaso ahora. La tecla F2 elige el idioma (Language).</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>%1。水滴がつき始めました。水になった量 %2 g</source>
        <translation>%1. Empiezan a formarse gotas. Convertido en agua: %2 g</translation>
    </message>
    <message>
        <source>停止しました。水温 %1</source>
        <translation>Detenido. Temperatura del agua %1</translation>
    </message>
    <message>
        <source>はじめからやり直します。水温 %1</source>
        <translation>Volvemos a empezar. Temperatura del agua %1</translation>
    </message>
    <message>
        <source>終わりました。水温を %1 にもどしました。</source>
        <translation>Terminado. La temperatura del agua ha vuelto a %1.</translation>
    </message>
</context>
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
        <source>余分な引数 '%1' があります</source>
        <translation>Sobra el argumento '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 '%1' は使えません</source>
        <translation>No se puede usar el valor '%1' de --zoom</translation>
    </message>
    <message>
        <source>--lang の値 '%1' は使えません（%2）</source>
        <translation>No se puede usar el valor '%1' de --lang (%2)</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>%1（見つかりません）</source>
        <translation>%1 (no se encuentra)</translation>
    </message>
    <message>
        <source>%1（絵として読めません: %2）</source>
        <translation>%1 (no se puede leer como imagen: %2)</translation>
    </message>
    <message>
        <source>コップの絵のファイルがそろっていないため、起動できません。

</source>
        <translation>El programa no puede iniciarse porque faltan archivos de imagen del vaso o están dañados.

</translation>
    </message>
    <message>
        <source>

探した場所:
</source>
        <translation>

Buscado en:
</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1。グラフィカルなデスクトップで起動してください。</source>
        <translation>%1. Ábrelo en un escritorio gráfico.</translation>
    </message>
    <message>
        <source>画面が見つかりません</source>
        <translation>No se encuentra ninguna pantalla</translation>
    </message>
    <message>
        <source>画面を開けません</source>
        <translation>No se puede abrir la pantalla</translation>
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
    <message>
        <source>言語 (Language)</source>
        <translation>Idioma (Language)</translation>
    </message>
</context>
</TS>
