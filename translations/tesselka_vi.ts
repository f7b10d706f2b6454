<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>Descriptions</name>
    <message>
        <source>コップの表面には何も付いていません。</source>
        <translation>Mặt ngoài cốc chưa có gì.</translation>
    </message>
    <message>
        <source>コップの表面がうっすらと曇ってきました。</source>
        <translation>Mặt ngoài cốc bắt đầu hơi mờ.</translation>
    </message>
    <message>
        <source>コップの表面が曇っています。</source>
        <translation>Mặt ngoài cốc bị mờ.</translation>
    </message>
    <message>
        <source>コップの表面に水滴が付いています。</source>
        <translation>Có giọt nước bám trên mặt ngoài cốc.</translation>
    </message>
    <message>
        <source>コップの表面に大きな水滴がたくさん付いています。</source>
        <translation>Có nhiều giọt nước lớn bám trên mặt ngoài cốc.</translation>
    </message>
    <message>
        <source>コップの表面の水滴が流れ落ちています。</source>
        <translation>Những giọt nước đang chảy xuống mặt ngoài cốc.</translation>
    </message>
    <message>
        <source>気温</source>
        <translation>Nhiệt độ không khí</translation>
    </message>
    <message>
        <source>湿度</source>
        <translation>Độ ẩm</translation>
    </message>
    <message>
        <source>最初のコップの水温</source>
        <translation>Nhiệt độ nước ban đầu trong cốc</translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Hiện chú thích đồ thị</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Tốc độ mô phỏng</translation>
    </message>
    <message>
        <source>飽和水蒸気量のグラフ</source>
        <translation>Đồ thị lượng hơi nước bão hòa</translation>
    </message>
    <message>
        <source>温度計</source>
        <translation>Nhiệt kế</translation>
    </message>
    <message>
        <source>1m³の空気のようす</source>
        <translation>1 m³ không khí</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Hình cái cốc</translation>
    </message>
    <message>
        <source>現在のコップの水温 %1℃</source>
        <translation>Nhiệt độ nước trong cốc hiện nay %1℃</translation>
    </message>
    <message>
        <source>水温 %1℃。1m³の空気に入ることができる水蒸気量 %2 g、空気中にある現在の水蒸気量 %3 g、入りきらずに水になった量 %4 g。</source>
        <translation>Nhiệt độ nước %1℃. Lượng hơi nước 1 m³ không khí chứa được %2 g, lượng hơi nước hiện có trong không khí %3 g, lượng không chứa hết đã thành nước %4 g.</translation>
    </message>
    <message>
        <source>1m³の空気の中に、水蒸気 %1 g、まだ入る水蒸気 %2 g、水滴 %3 g。丸 1 つが 1 g です。</source>
        <translation>Trong 1 m³ không khí: hơi nước %1 g, hơi nước còn chứa thêm được %2 g, giọt nước %3 g. Mỗi hình tròn là 1 g.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>オーバーフローしました。</source>
        <translation>Tràn số.</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>Chỉ số nằm ngoài phạm vi.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>Kiểu không khớp.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>Không tìm thấy tệp.</translation>
    </message>
    <message>
        <source>コントロール配列の要素が存在しません。</source>
        <translation>Phần tử mảng điều khiển không tồn tại.</translation>
    </message>
    <message>
        <source>ピクチャが無効です。</source>
        <translation>Hình không hợp lệ.</translation>
    </message>
    <message>
        <source>内部エラーです。</source>
        <translation>Lỗi nội bộ.</translation>
    </message>
    <message>
        <source>実行時エラー '%1':

%2</source>
        <translation>Lỗi khi chạy '%1':

%2</translation>
    </message>
</context>
<context>
    <name>InputCheck</name>
    <message>
        <source>気温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Hãy nhập nhiệt độ không khí là một số từ -10 đến 40 (đơn vị ℃).</translation>
    </message>
    <message>
        <source>湿度は 0 から 100 までの数で入力してください（単位 ％）。</source>
        <translation>Hãy nhập độ ẩm là một số từ 0 đến 100 (đơn vị %).</translation>
    </message>
    <message>
        <source>最初のコップの水温は -10 から 40 までの数で入力してください（単位 ℃）。</source>
        <translation>Hãy nhập nhiệt độ ban đầu của nước trong cốc là một số từ -10 đến 40 (đơn vị ℃).</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Vì sao cốc có giọt nước?</translation>
    </message>
    <message>
        <source>コップの水温を下げる(開始)</source>
        <translation>Làm lạnh nước (bắt đầu)</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>はじめから</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Kết thúc</translation>
    </message>
    <message>
        <source>シミュレーションの速さ</source>
        <translation>Tốc độ mô phỏng</translation>
    </message>
    <message>
        <source>遅</source>
        <translation variants="yes">
            <lengthvariant>Chậm</lengthvariant>
            <lengthvariant>½×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>中</source>
        <translation variants="yes">
            <lengthvariant>Vừa</lengthvariant>
            <lengthvariant>1×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>速</source>
        <translation variants="yes">
            <lengthvariant>Nhanh</lengthvariant>
            <lengthvariant>2×</lengthvariant>
        </translation>
    </message>
    <message>
        <source>グラフの説明の表示</source>
        <translation>Hiện chú thích đồ thị</translation>
    </message>
    <message>
        <source>条件設定</source>
        <translation>Điều kiện</translation>
    </message>
    <message>
        <source>気温　　　　　℃</source>
        <translation variants="yes">
            <lengthvariant>Nhiệt độ KK　　　　　℃</lengthvariant>
            <lengthvariant>Không khí　　　　　℃</lengthvariant>
        </translation>
    </message>
    <message>
        <source>湿度　　　　　％</source>
        <translation>Độ ẩm　　　　　％</translation>
    </message>
    <message>
        <source>最初のコップの水温　　　　　℃</source>
        <translation>Nhiệt độ nước ban đầu　　　　　℃</translation>
    </message>
    <message>
        <source>空気1m3中に入りきらない水蒸気が水になった量</source>
        <translation>Lượng hơi nước không chứa hết trong 1 m3 không khí đã thành nước</translation>
    </message>
    <message>
        <source>空気1m3中にある現在の水蒸気量</source>
        <translation>Lượng hơi nước hiện có trong 1 m3 không khí</translation>
    </message>
    <message>
        <source>空気1m3に入ることができる水蒸気量</source>
        <translation>Lượng hơi nước 1 m3 không khí chứa được</translation>
    </message>
    <message>
        <source>１ｍ中の水蒸気量(g)</source>
        <translation>Lượng hơi nước trong 1 m³ (g)</translation>
    </message>
    <message>
        <source>温度 (℃)</source>
        <translation variants="yes">
            <lengthvariant>Nhiệt độ (℃)</lengthvariant>
            <lengthvariant>Nh.độ (℃)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>現在のコップの水温　　　　℃</source>
        <translation>Nhiệt độ nước hiện nay　　　　℃</translation>
    </message>
    <message>
        <source>(＝コップのすぐ近くの空気の温度)</source>
        <translation>(= nhiệt độ không khí sát bên cốc)</translation>
    </message>
    <message>
        <source>まだ入る水蒸気</source>
        <translation>Còn chứa được</translation>
    </message>
    <message>
        <source>水 蒸 気</source>
        <translation>Hơi nước</translation>
    </message>
    <message>
        <source>水    滴</source>
        <translation>Giọt nước</translation>
    </message>
    <message>
        <source>3</source>
        <comment>the cube of the caption's ｍ; a blank where the caption writes m³</comment>
        <translation> </translation>
    </message>
    <message>
        <source>Tesselka(コップに水滴が付くのは？)</source>
        <translation>Tesselka (Vì sao cốc có giọt nước?)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>言語 (Language)</source>
        <translation>Ngôn ngữ (Language)</translation>
    </message>
    <message>
        <source>F1 キーで、今の水温、水蒸気量、空気とコップのようすを読み上げます。F2 キーで言語 (Language) を選べます。</source>
        <translation>Phím F1 đọc to nhiệt độ nước, lượng hơi nước, và tình trạng không khí và cốc lúc này. Phím F2 chọn ngôn ngữ (Language).</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>%1。水滴がつき始めました。水になった量 %2 g</source>
        <translation>%1. Giọt nước bắt đầu bám. Lượng đã thành nước %2 g</translation>
    </message>
    <message>
        <source>停止しました。水温 %1</source>
        <translation>Đã dừng. Nhiệt độ nước %1</translation>
    </message>
    <message>
        <source>はじめからやり直します。水温 %1</source>
        <translation>Làm lại từ đầu. Nhiệt độ nước %1</translation>
    </message>
    <message>
        <source>終わりました。水温を %1 にもどしました。</source>
        <translation>Đã kết thúc. Nhiệt độ nước đã trở lại %1.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>コップに水滴が付くのは？ 冷たい水を入れたコップの外側に水滴が付くわけを確かめます。</source>
        <translation>Vì sao có giọt nước trên cốc? Tìm hiểu vì sao có giọt nước bám bên ngoài cốc nước lạnh.</translation>
    </message>
    <message>
        <source>ウィンドウを PERCENT %（%1〜%2）の大きさで表示します。</source>
        <translation>Hiển thị cửa sổ ở cỡ PERCENT % (từ %1 đến %2).</translation>
    </message>
    <message>
        <source>全画面で始めます（プロジェクター用）。</source>
        <translation>Bắt đầu ở chế độ toàn màn hình (dùng cho máy chiếu).</translation>
    </message>
    <message>
        <source>CODE の言語で表示します（%1）。</source>
        <translation>Hiển thị bài học bằng ngôn ngữ CODE (%1).</translation>
    </message>
    <message>
        <source>（--zoom は %1〜%2 の整数。使い方は --help で表示します）</source>
        <translation> (--zoom là số nguyên từ %1 đến %2; --help cho biết cách dùng)</translation>
    </message>
    <message>
        <source>余分な引数 '%1' があります</source>
        <translation>Có đối số thừa '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 '%1' は使えません</source>
        <translation>Không dùng được giá trị --zoom '%1'</translation>
    </message>
    <message>
        <source>--lang の値 '%1' は使えません（%2）</source>
        <translation>Không dùng được giá trị --lang '%1' (%2)</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>%1（見つかりません）</source>
        <translation>%1 (không tìm thấy)</translation>
    </message>
    <message>
        <source>%1（絵として読めません: %2）</source>
        <translation>%1 (không đọc được như hình: %2)</translation>
    </message>
    <message>
        <source>コップの絵のファイルがそろっていないため、起動できません。

</source>
        <translation>Không thể khởi động vì thiếu hoặc hỏng tệp hình của cốc.

</translation>
    </message>
    <message>
        <source>

探した場所:
</source>
        <translation>

Đã tìm ở:
</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1。グラフィカルなデスクトップで起動してください。</source>
        <translation>%1. Hãy khởi động trên màn hình đồ họa.</translation>
    </message>
    <message>
        <source>画面が見つかりません</source>
        <translation>Không tìm thấy màn hình</translation>
    </message>
    <message>
        <source>画面を開けません</source>
        <translation>Không mở được màn hình</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message>
        <source>コップに冷水を入れます。</source>
        <translation>Rót nước lạnh vào cốc.</translation>
    </message>
    <message>
        <source>やがて</source>
        <translation>Một lúc sau,</translation>
    </message>
    <message>
        <source>コップの表面が曇りだし、</source>
        <translation>mặt ngoài cốc mờ đi,</translation>
    </message>
    <message>
        <source>やがて水滴がついてきます。</source>
        <translation>rồi có những giọt nước bám vào.</translation>
    </message>
    <message>
        <source>コップについた水滴はどこからきたのでしょう。</source>
        <translation>Những giọt nước trên cốc từ đâu mà có?</translation>
    </message>
    <message>
        <source>どのようにして水滴がついたのでしょう。</source>
        <translation>Các giọt nước đã hình thành như thế nào?</translation>
    </message>
    <message>
        <source>コップに水滴が付くのは？</source>
        <translation>Vì sao cốc có giọt nước?</translation>
    </message>
    <message>
        <source>コップの絵</source>
        <translation>Hình cái cốc</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Tiếp</translation>
    </message>
    <message>
        <source>言語 (Language)</source>
        <translation>Ngôn ngữ (Language)</translation>
    </message>
</context>
</TS>
