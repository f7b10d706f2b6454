<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
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
        <source>余分な引数 &apos;%1&apos; があります</source>
        <translation>Có đối số thừa '%1'</translation>
    </message>
    <message>
        <source>--zoom の値 &apos;%1&apos; は使えません</source>
        <translation>Không dùng được giá trị --zoom '%1'</translation>
    </message>
    <message>
        <source>--lang の値 &apos;%1&apos; は使えません（%2）</source>
        <translation>Không dùng được giá trị --lang '%1' (%2)</translation>
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
</context>
</TS>
