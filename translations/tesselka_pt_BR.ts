<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Descriptions</name>
    <message>
        <source>コップの表面には何も付いていません。</source>
        <translation>Não há nada na superfície do copo.</translation>
    </message>
    <message>
        <source>コップの表面がうっすらと曇ってきました。</source>
        <translation>A superfície do copo começou a embaçar um pouco.</translation>
    </message>
    <message>
        <source>コップの表面が曇っています。</source>
        <translation>A superfície do copo está embaçada.</translation>
    </message>
    <message>
        <source>コップの表面に水滴が付いています。</source>
        <translation>Há gotas de água na superfície do copo.</translation>
    </message>
    <message>
        <source>コップの表面に大きな水滴がたくさん付いています。</source>
        <translation>Há muitas gotas grandes de água na superfície do copo.</translation>
    </message>
    <message>
        <source>コップの表面の水滴が流れ落ちています。</source>
        <translation>As gotas de água escorrem pela superfície do copo.</translation>
    </message>
    <message>
        <source>気温</source>
        <translation>Temperatura do ar</translation>
    </message>
    <message>
        <source>湿度</source>
        <translation>Umidade</translation>
    </message>
    <message>
        <source>最初のコップの水温</source>
        <translation>Temperatura inicial da água do copo</translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Mostrar as legendas do gráfico</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Velocidade da simulação</translation>
    </message>
    <message>
        <source>飽和水蒸気量のグラフ</source>
        <translation>Gráfico da quantidade de vapor de saturação</translation>
    </message>
    <message>
        <source>温度計</source>
        <translation>Termômetro</translation>
    </message>
    <message>
        <source>1m³の空気のようす</source>
        <translation>1 m³ de ar</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Imagem do copo</translation>
    </message>
    <message>
        <source>現在のコップの水温 %1℃</source>
        <translation>Temperatura atual da água do copo %1℃</translation>
    </message>
    <message>
        <source>水温 %1℃。1m³の空気に入ることができる水蒸気量 %2 g、空気中にある現在の水蒸気量 %3 g、入りきらずに水になった量 %4 g。</source>
        <translation>Temperatura da água %1℃. Vapor de água que cabe em 1 m³ de ar %2 g, vapor de água no ar agora %3 g, virou água por não caber %4 g.</translation>
    </message>
    <message>
        <source>1m³の空気の中に、水蒸気 %1 g、まだ入る水蒸気 %2 g、水滴 %3 g。丸 1 つが 1 g です。</source>
        <translation>Em 1 m³ de ar: vapor de água %1 g, ainda cabe vapor de água %2 g, gotas de água %3 g. Cada círculo é 1 g.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>オーバーフローしました。</source>
        <translation>Estouro.</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>Índice fora do intervalo.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>Tipos incompatíveis.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>Arquivo não encontrado.</translation>
    </message>
    <message>
        <source>コントロール配列の要素が存在しません。</source>
        <translation>O elemento da matriz de controles não existe.</translation>
    </message>
    <message>
        <source>ピクチャが無効です。</source>
        <translation>Imagem inválida.</translation>
    </message>
    <message>
        <source>内部エラーです。</source>
        <translation>Erro interno.</translation>
    </message>
    <message>
        <source>実行時エラー '%1':

%2</source>
        <translation>Erro em tempo de execução '%1':

%2</translation>
    </message>
</context>
<context>
    <name>InputCheck</name>
    <message>
        <source>気温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Digite a temperatura do ar como um número de -10 a 40 (em ℃).</translation>
    </message>
    <message>
        <source>湿度は 0 から 100 までの数で入力してください（単位 ％）。</source>
        <translation>Digite a umidade como um número de 0 a 100 (em %).</translation>
    </message>
    <message>
        <source>最初のコップの水温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Digite a temperatura inicial da água do copo como um número de -10 a 40 (em ℃).</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Gotas no copo: por quê?</translation>
    </message>
    <message>
        <source>コップの水温を下げる(開始)</source>
        <translation>Esfriar a água (iniciar)</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Velocidade da simulação</translation>
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
            <lengthvariant>Médio</lengthvariant>
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
        <translation>Mostrar as legendas do gráfico</translation>
    </message>
    <message>
        <source>条件設定</source>
        <translation>Condições</translation>
    </message>
    <message>
        <source>気温　　　　　℃</source>
        <translation variants="yes">
            <lengthvariant>Temp. do ar　　　　　℃</lengthvariant>
            <lengthvariant>Ar　　　　　℃</lengthvariant>
        </translation>
    </message>
    <message>
        <source>湿度　　　　　％</source>
        <translation>Umidade　　　　　％</translation>
    </message>
    <message>
        <source>最初のコップの水温　　　　　℃</source>
        <translation>Temp. inicial da água　　　　　℃</translation>
    </message>
    <message>
        <source>空気1m3中に入りきらない水蒸気が水になった量</source>
        <translation>Vapor de água que não cabe mais em 1 m3 de ar e virou água</translation>
    </message>
    <message>
        <source>空気1m3中にある現在の水蒸気量</source>
        <translation>Vapor de água em 1 m3 de ar agora</translation>
    </message>
    <message>
        <source>空気1m3に入ることができる水蒸気量</source>
        <translation>Vapor de água que cabe em 1 m3 de ar</translation>
    </message>
    <message>
        <source>１ｍ中の水蒸気量(g)</source>
        <translation>Vapor de água em 1 m³ (g)</translation>
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
        <translation>Temp. da água agora　　　　℃</translation>
    </message>
    <message>
        <source>(＝コップのすぐ近くの空気の温度)</source>
        <translation>(= temperatura do ar logo junto ao copo)</translation>
    </message>
    <message>
        <source>まだ入る水蒸気</source>
        <translation>Cabe mais vapor</translation>
    </message>
    <message>
        <source>水 蒸 気</source>
        <translation>Vapor de água</translation>
    </message>
    <message>
        <source>水    滴</source>
        <translation>Gotas de água</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the cube of the caption's ｍ; a blank where the caption writes m³</comment>
        <translation> </translation>
    </message>
    <message>
        <source>Tesselka(コップに水滴が付くのは？)</source>
        <translation>Tesselka (Gotas no copo: por quê?)</translation>
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
        <translation>A tecla F1 lê em voz alta a temperatura da água, as quantidades de vapor de água e como estão o ar e o copo agora. A tecla F2 escolhe o idioma (Language).</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>%1。水滴がつき始めました。水になった量 %2 g</source>
        <translation>%1. Começaram a se formar gotas. Virou água: %2 g</translation>
    </message>
    <message>
        <source>停止しました。水温 %1</source>
        <translation>Parado. Temperatura da água %1</translation>
    </message>
    <message>
        <source>はじめからやり直します。水温 %1</source>
        <translation>Recomeçando do início. Temperatura da água %1</translation>
    </message>
    <message>
        <source>終わりました。水温を %1 にもどしました。</source>
        <translation>Terminou. A temperatura da água voltou a %1.</translation>
    </message>
</context>
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
        <source>余分な引数 '%1' があります</source>
        <translation>Há um argumento a mais: '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 '%1' は使えません</source>
        <translation>O valor '%1' de --zoom não pode ser usado</translation>
    </message>
    <message>
        <source>--lang の値 '%1' は使えません（%2）</source>
        <translation>O valor '%1' de --lang não pode ser usado (%2)</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>%1（見つかりません）</source>
        <translation>%1 (não encontrado)</translation>
    </message>
    <message>
        <source>%1（絵として読めません: %2）</source>
        <translation>%1 (não pode ser lido como imagem: %2)</translation>
    </message>
    <message>
        <source>コップの絵のファイルがそろっていないため、起動できません。

</source>
        <translation>O programa não pode iniciar porque faltam arquivos de imagem do copo ou estão danificados.

</translation>
    </message>
    <message>
        <source>

探した場所:
</source>
        <translation>

Procurado em:
</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1。グラフィカルなデスクトップで起動してください。</source>
        <translation>%1. Abra-o em uma área de trabalho gráfica.</translation>
    </message>
    <message>
        <source>画面が見つかりません</source>
        <translation>Nenhuma tela encontrada</translation>
    </message>
    <message>
        <source>画面を開けません</source>
        <translation>Não é possível abrir a tela</translation>
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
    <message>
        <source>言語 (Language)</source>
        <translation>Idioma (Language)</translation>
    </message>
</context>
</TS>
